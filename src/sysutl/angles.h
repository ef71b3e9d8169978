// Reduction of angles to a standard range, in degrees and in radians (single precision). Plain
// arithmetic with no record behind it, so the console kit (the array editor's turn of a column of
// headings) can use it as well as the libraries.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// 0 .. 360 degrees (360 itself can come back when rounding lifts a tiny negative angle).
Real REDDEG(Real ANG);
// 0 .. 360 degrees with every nonzero angle lowered by 0.0001 degree first, so that a nonzero
// multiple of 360 comes back just below 360 rather than as 0.
Real REDDEG2(Real ANG);
// 0 .. 2 pi.
Real REDRAD(Real ANG);
// -pi .. pi, both ends kept.
Real REDRAD_SYM(Real ANG);
// Above -pi up to pi.
Real ANGSYM(Real ANGLE);

}  // namespace brevant
