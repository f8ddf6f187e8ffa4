#include "xeCustomEdit.h"
