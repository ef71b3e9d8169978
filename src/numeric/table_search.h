// Search and straight-line interpolation in tables of single-precision values, and the range and
// monotony checks of a table. Tables are 1-based as the formulas read: W[0] is W(1).
#pragma once

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

// The strict order a table's abscissae X(1..N) keep for BSRCH and INTERP: X(2) rises or falls from
// X(1), and every entry after it goes on the same way. A repeated value or a turn leaves an interval
// that holds no value or two; a value that is no number keeps no order.
// Whether X(I) (I >= 2) keeps the order that X(1) and X(2) set.
bool keeps_strict_order(const Real* X, Int I);
// The first entry I (2 .. N) that breaks the order, 0 when the N entries keep it (N below 2 too).
Int order_break(const Real* X, Int N);

// Smallest and largest entry with their (first) indices, and whether the table is monotonic and
// ascending (N >= 1).
void MAX_MIN(const Real* ARRAY, Int N, Int& MINI, Int& MAXI, Real& MINVAL, Real& MAXVAL, Logical& MONOTN,
             Logical& ASCEND);

}  // namespace brevant
