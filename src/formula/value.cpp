#include "formula/value.h"
