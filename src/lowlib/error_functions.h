// The error function and its complement by Simpson's rule on a node count the caller chooses, as
// the member drag functions and the Gaussian moment integrals use them.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// erfc(YY) = 1 - (2 / sqrt(pi)) integral from 0 to YY of exp(-t^2) dt, by Simpson's rule on NXP
// nodes (odd, at least 3) from 0 to YY. Exactly 0 at and above YY 5.5; no cut-off for a negative
// YY (the step is negative and the result 1 + erf(|YY|)).
Real RH_ERFC(Real YY, Int NXP);

// erf(YY) = 1 - RH_ERFC(YY, NXP).
Real RH_ERF(Real YY, Int NXP);

}  // namespace brevant
