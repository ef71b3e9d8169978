// The disc buoy's added-mass and damping curves: nondimensional functions of one nondimensional
// frequency (k R, or w^2 R / g). Multiplied by HCONST (R^3) or PCONST (R^5) they become the heave,
// surge and sway or the pitch and roll added masses and radiation dampings of the floating cylinder.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

Real SMASD(Real Y);  // surge and sway added mass: the constant 0.15
Real SDMPD(Real Y);  // surge and sway damping
Real PMASD(Real Y);  // pitch added inertia
Real RMASD(Real Y);  // roll added inertia (the pitch curve)
Real PDMPD(Real Y);  // pitch damping
Real RDMPD(Real Y);  // roll damping (the pitch curve)
Real HMASD(Real Y);  // heave added mass
Real HDMPD(Real Y);  // heave damping

}  // namespace brevant
