// The gamma function and the Bessel functions of integer order (J, Y, I, K), each with its own
// series or fitted polynomials; results and error codes come back through the out-arguments.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// GX = gamma(XX). IER 1: XX at a pole (within 1e-6 of 0 or a negative whole number), GX = 1;
// IER 2: XX above 34.5, GX = 1.0E38.
void GAMMA(Real XX, Real& GX, Int& IER);

// BJ = J_N(X) by backward recurrence in double precision; D is the relative accuracy wanted.
// IER 1 N < 0, 2 X <= 0, 4 N too large for X (BJ untouched); 3 the recurrence did not settle, or
// X is beyond the range it sums (above about 99; BJ = 0, at once).
void BESJ(Real X, Int N, Real& BJ, Real D, Int& IER);

// BY = Y_N(X). IER 1 N < 0, 2 X <= 0, 3 the upward recurrence overflowed (BY untouched).
void BESY(Real X, Int N, Real& BY, Int& IER);

// BI = I_N(X). IER 1 N < 0 and 2 X < 0 (BI = 1), 3 underflow of the leading term (BI = 0),
// 4 X of 60 or more on the asymptotic road (BI = 1).
void BESI(Real X, Int N, Real& BI, Int& IER);

// BK = K_N(X). IER 1 N < 0, 2 X <= 0, 3 X above 60 (BK = 0), 4 the upward recurrence passed
// 1.0E36 (BK = that value).
void BESK(Real X, Int N, Real& BK, Int& IER);

}  // namespace brevant
