// 2 pi in single precision, the one value every period-to-frequency conversion, angle reduction and
// formula of the program takes: the float nearest 2 pi (also exactly 2 x 3.1415927f).
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

inline constexpr Real kTwoPi = 6.2831855f;

}  // namespace brevant
