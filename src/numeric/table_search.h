// Search and straight-line interpolation in tables of single-precision values, and the range and
// monotony checks of a table. Tables are 1-based as the formulas read: W[0] is W(1).
#pragma once

#include <limits>

#include "sysutl/ftypes.h"

namespace brevant {

// Interval MIN (1 .. NWP-1) of a monotonic table that holds WP, found by bisection.
// IER 0 inside, 1 below the smaller end value, 2 above the larger; an outside value gives the
// first or last interval. A table with W(1) = W(NWP) counts as ascending.
void BSRCH(const Real* W, Real WP, Int& IER, Int& MIN, Int NWP);

// BSRCH for tables whose first or last entry may be out of order (NWP >= 2): IER -1 when the
// first entry breaks the order of the inner entries, -2 when the last does; the search still runs.
void BSRCH_MOOR(const Real* W, Real WP, Int& IER, Int& MIN, Int NWP);

// Straight line through (X(MN), Y(MN)) and (X(MN+1), Y(MN+1)) at XVAL, extrapolating outside.
void INTERP(const Real* X, const Real* Y, Real XVAL, Real& YVAL, Int MN);
// Y at XVAL by straight lines: the interval found by BSRCH in the NWP points of X, then INTERP
// (extrapolating from the end intervals outside the table).
Real table_value(const Real* X, const Real* Y, Real XVAL, Int NWP);
// The same for complex ordinates.
void CINTRP(const Real* X, const Complex* CY, Real XVAL, Complex& CYVAL, Int MN);

// Monotony of ARRAY(MINI..MAXI) and whether VAL lies between its end values:
// RNGFLG 0 fine, 1 outside an ascending stretch, 2 outside a descending or flat one, +3 when
// the stretch is not monotonic.
void RNGCHK(const Real* ARRAY, Int MINI, Int MAXI, Real VAL, Int& RNGFLG);

// The order a table's abscissae X(1..N) keep for BSRCH and INTERP: rising or falling, the way the
// first two entries that differ set. Equal neighbours keep it (a step in a profile, a heading given
// twice): the search never picks the interval of no width between them, except at an end of the
// table (see empty_interval_picked). A turn leaves an interval that holds no value or two; a value
// that is no number keeps no order.
// Whether X(I) (I >= 2) keeps the order of X(1..I-1).
bool keeps_order(const Real* X, Int I);
// The interval of no width (its lower index) that BSRCH picks for some look-up between LOW and
// HIGH in the N entries of X (which keep the order), 0 when there is none. Only the first and the
// last interval can be picked so: the first for look-ups at or beyond its end (at or below it when
// the table rises, beyond it when it falls), the last for look-ups beyond its end (at or below it
// when the table falls); so a search at LOW and one at HIGH find it.
Int empty_interval_picked(const Real* X, Int N, Real LOW, Real HIGH);
// The first entry I (2 .. N) that breaks the order or that closes an interval of no width picked
// for a look-up between LOW and HIGH (any look-up when they are not given); 0 when the N entries
// can be searched and interpolated (N below 2 too).
Int order_break(const Real* X, Int N, Real LOW = -std::numeric_limits<Real>::infinity(),
                Real HIGH = std::numeric_limits<Real>::infinity());

// Smallest and largest entry with their (first) indices, and whether the table is monotonic and
// ascending (N >= 1).
void MAX_MIN(const Real* ARRAY, Int N, Int& MINI, Int& MAXI, Real& MINVAL, Real& MAXVAL, Logical& MONOTN,
             Logical& ASCEND);

}  // namespace brevant
