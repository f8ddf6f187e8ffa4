#include "xeEditModel.h"
