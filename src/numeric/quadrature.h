// Quadrature: Romberg integration of a function (QATR), the cosine-power spreading normaliser
// (FACTRI) and the composite Simpson weight of one point of a sum (SEIVE, SMPFAC).
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// A real function of one real argument, as the integration routines call it.
using QatrFunction = Real (*)(Real&);

// Integrates FCT from XL to XU by the trapezoid rule with Romberg extrapolation, at most NDIM
// stages, until the change of the integral is within EPS. AUX holds at least NDIM reals.
// IER 0 converged (or an empty interval), 1 the changes stopped shrinking (the previous stage's
// value is returned), 2 NDIM too small or the stages used up.
// In: XL, XU, EPS, NDIM, FCT. Out: Y (the integral), IER. Work: AUX.
void QATR(Real XL, Real XU, Real EPS, Int NDIM, QatrFunction FCT, Real& Y, Int& IER, Real* AUX);

// The integral of cos^COSEXP over -pi/2..pi/2. When a gamma value cannot be formed it writes a
// message on IOSCRN, pauses and ends the program.
Real FACTRI(Real COSEXP, Int IOSCRN, Int KBD);

// FACTRI's value in VALUE, and whether its gamma values can be formed (false where FACTRI would end
// the program: exponents above 67, and within 2e-6 of a negative whole number), without a message.
bool spreading_factor(Real COSEXP, Real& VALUE);

// Composite Simpson weight of point IANG of the range IMIN..IMAX (an even count of points ends
// with the 3/8 rule over its last four, two points take the trapezoid).
void SEIVE(Int IANG, Int IMIN, Int IMAX, Real& FAC);

// Composite Simpson weight of point IVAR of NQP points numbered from 1 (even counts as SEIVE).
void SMPFAC(Int IVAR, Int NQP, Real& FAC);

}  // namespace brevant
