// Layered tables of the mooring lines: a column ("layer") of up to 90 points followed, 90 entries
// further on, by the next one. A value between two layers blends an entry of the lower layer with
// the same entry of the next by the fraction DELLAY (0 the lower layer, 1 the upper).
// Arrays are 1-based as the formulas read and point at entry 1 of the lower layer.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Distance in entries between the same point of two neighbouring layers.
inline constexpr Int LAYER_STRIDE = 90;

// (1 - DELLAY) ANCLY(1) + DELLAY ANCLY(91). A term of weight 0 is not read (DELLAY 0 reads only
// ANCLY(1), DELLAY 1 only ANCLY(91)), so a blend at the top layer stays inside the table; the same
// holds for MDLYDP and for every search and interpolation built on them.
Real MIDLAY(const Real* ANCLY, Real DELLAY);

// BSRCH on the blended values. The range flag (1 below, 2 above both) is judged on the lower
// layer's own end entries W(1) and W(NWP), the direction on the blended ones.
void BSRCHQ(const Real* W, Real DELLAY, Real WP, Int& IER, Int& MIN, Int NWP);

// Straight line on the interval MIN, MIN+1, extrapolating outside it: both tables blended (Q),
// only the abscissae (R), only the ordinates (S).
void INTRPQ(const Real* XARRAY, const Real* YARRAY, Real XVAL, Real& YVAL, Int MIN, Real DELLAY);
void INTRPR(const Real* XARRAY, const Real* YARRAY, Real XVAL, Real& YVAL, Int MIN, Real DELLAY);
void INTRPS(const Real* XARRAY, const Real* YARRAY, Real XVAL, Real& YVAL, Int MIN, Real DELLAY);

// The same five in double precision throughout.
double MDLYDP(const double* ANCLY, double DELLAY);
void BSRCDP(const double* W, double DELLAY, double WP, Int& IER, Int& MIN, Int NWP);
void INTDPQ(const double* XARRAY, const double* YARRAY, double XVAL, double& YVAL, Int MIN, double DELLAY);
void INTDPR(const double* XARRAY, const double* YARRAY, double XVAL, double& YVAL, Int MIN, double DELLAY);
void INTDPS(const double* XARRAY, const double* YARRAY, double XVAL, double& YVAL, Int MIN, double DELLAY);

}  // namespace brevant
