#include "xeHighlighter.h"
