// Complete elliptic integrals of the first kind and the generalised second kind, by the
// arithmetic-geometric mean, in single precision.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// K(k) for the modulus AK. |AK| > 1: RES 1.0E38 and IER 1; |AK| = 1: RES 1.0E38, IER 0.
void CEL1(Real& RES, Real AK, Int& IER);

// Integral over 0..pi/2 of (A cos^2 + B sin^2) / sqrt(1 - k^2 sin^2); A = 1, B = 1 - k^2 gives E(k).
// |AK| > 1 sets IER 1; |AK| >= 1 gives 1.0E38 signed as B (A itself when B is 0).
void CEL2(Real& RES, Real AK, Real A, Real B, Int& IER);

}  // namespace brevant
