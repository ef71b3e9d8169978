// The disc buoy's wave exciting forces (all periods of a heading) and its resonance pass (the
// quasi-linear dampings and, with mooring feedback, the resonant responses of each mode).
#pragma once

#include "sysutl/ftypes.h"
#include "vessels/disc/disc_buoy_hull.h"

namespace brevant {

// 8 J2(x) / x^2, which tends to 1 as x goes to 0 (its value there).
Real bessel2_ratio(Real XP, Real EPS);

}  // namespace brevant
