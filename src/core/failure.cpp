#include "core/failure.h"
