// The disc buoy's wave exciting forces (all periods of a heading) and its resonance pass (the
// quasi-linear dampings and, with mooring feedback, the resonant responses of each mode).
#pragma once

#include "sysutl/ftypes.h"
#include "vessels/disc/disc_buoy_hull.h"

namespace brevant {

// The once-only flag of ELPCOF's many-points warning for the disc's surge and sway added mass. The
// characteristics and every force pass of the run share it, so that an eccentric disc shows the
// warning and waits on its pause once, not once for each of the hundreds of passes a run makes.
Logical& disc_elpcof_warned();
// Clears it, as at the start of the program.
void reset_disc_warnings();

// 8 J2(x) / x^2, which tends to 1 as x goes to 0 (its value there).
Real bessel2_ratio(Real XP, Real EPS);

}  // namespace brevant
