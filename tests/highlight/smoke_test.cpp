#include <gtest/gtest.h>

#include "xeHighlighter.h"

TEST(Build, Links) { SUCCEED(); }
