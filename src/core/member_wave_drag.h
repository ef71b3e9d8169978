// The regular-wave absorption (wave drag) coefficient of a hull built of cylindrical members.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// CDCOEFF: the dimensionless drag coefficient of component LCOMP (1 surge, 2 sway, other yaw, which
// is always 0) for wave system IWAVID (1 sea, 2 swell: the column of the RAO tables of PASCOM) at
// grid frequency IW and attack angle RELANG (radians), for a regular wave whose elevation has the
// standard deviation SIG0WV. Summed over the members that pierce the surface, on the scale of the
// absorption formula .5*Dm*B*(w^2)*(a^3)*Cx. 0 when the scale is 0 (wave drag excluded, a zero
// amplitude or frequency) or no member pierces the surface.
// Pitch and roll rotation centres far apart give a warning and the abort question on every call;
// "A" ends the program (status 1).
void NB_DRAG_RAO(Int LCOMP, Int IWAVID, Real RELANG, Real SIG0WV, Int IW, Real& CDCOEFF);

}  // namespace brevant
