// Compliance coefficients from stress-strain curves: for an element whose stretch follows a tabulated
// curve of strain against tension, the cubic law strain = a1 T + a2 T^2 + a3 T^3 that agrees with the
// curve at the tension the element carries in the solved line, and the re-solve of the line until
// those tensions stay between the same two curve points.
//
// A curve is n points (tension ascending, strain) with the second derivatives of its cubic spline as
// spline computes them. Nothing in the program fills the curve tables of LINCOM yet, so in a run
// NEED_STRAIN_FILE stays false and the callers never come here.
#pragma once

#include <span>

#include "sysutl/ftypes.h"

namespace brevant {

// Refreshes the compliance coefficients ALPHA of the curve-defined elements of the line type LINCOM.ITYP
// (bit IELEM of STRESS_STRAIN_FILE(ITYP) set, IELEM up to NELEM(ITYP)) at the horizontal tension
// DP_HMEAN, the fairlead-tangent bracket taken from TANPHI of table layer LAYER:
// solve the line, give each curve-defined element the cubic of its curve at the tension of its upper
// end, solve again, and accept when every such tension stays in the same curve interval; otherwise
// take the coefficients afresh from the latest solution, at most 10 times.
// In: LINCOM.ITYP, HLOD, TANPHI, the curves; DELTAZ, DPHLD and the rest that ITER8P reads.
// Out: ALPHA of the curve-defined elements in the data image, and SCLWT, BETA and the line solution
// (TMPTAN, SECARR, BOTLN) of the accepted coefficients.
// A tension outside its element's curve ("MIN2" on the first pass, "MIN2Q" on the confirmation), or no
// agreement after 10 passes: the message on EDUNIT, the pause PRSRET, the end of the program (status 1).
void LOAD_ALPHAS(double DP_HMEAN, Int LAYER);

// a1, a2, a3 of one element's curve at the tension T: the cubic through zero strain at zero tension
// with the curve's slope there (a1), and the curve's strain E and slope S at T:
//   a2 = (3 E - T (2 a1 + S)) / T^2,  a3 = (E - T (a1 + T a2)) / T^3;  a2 = a3 = 0 for T <= 0.
void GET_ALPHAS(Real T, const Real* TENS_ARR, const Real* E_ARR, const Real* SPLINE_2DERIV, Int NVAL,
                std::span<Real, 3> ALPHAS);

// The strain of the curve's cubic spline at the tension x (splint's formula), and its slope
// d strain / d T = (ya(khi) - ya(klo)) / h + ((3 b^2 - 1) y2a(khi) - (3 a^2 - 1) y2a(klo)) h / 6.
// A zero interval is reported as splint reports it; the value is then that of the point (slope 0).
Real STRAIN_VAL(const Real* xa, const Real* ya, const Real* y2a, Int n, Real x);
Real STRAIN_SLOPE(const Real* xa, const Real* ya, const Real* y2a, Int n, Real x);

}  // namespace brevant
