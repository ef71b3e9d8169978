// The angle reductions (REDDEG, REDDEG2, REDRAD, REDRAD_SYM, ANGSYM) under the numerical library's
// name: they live in the console kit, which needs them too, and this header brings them in.
#pragma once

#include "sysutl/angles.h"
