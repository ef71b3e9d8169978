// Interpolating cubic splines in single precision: the second derivatives of a spline through n
// points (spline), its value at an abscissa (splint), and the table spline of the statics tables,
// prepared row by row along the second coordinate (splie2) and evaluated bicubically (splin2).
//
// Arrays are 1-based as the formulas read: x[0] is x(1). A two-dimensional table ya(j, k) has the
// first coordinate x1a(j), j = 1..m, and the second x2a(k), k = 1..n, and is stored with the leading
// dimension 90 of the statics tables: ya(j, k) is ya[(j - 1) + 90 (k - 1)].
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Leading dimension of the two-dimensional tables, and the work storage of the routines: a spline
// of at most 500 points; at most 90 rows (the leading dimension) and 100 columns in a table spline.
inline constexpr Int SPLINE_TABLE_LD = 90;
inline constexpr Int SPLINE_MAX_POINTS = 500;
inline constexpr Int SPLINE_MAX_COLUMNS = 100;

// An end slope above this value asks for a natural end (zero second derivative there).
inline constexpr Real SPLINE_NATURAL_END = 9.9e29f;

// Second derivatives y2 of the cubic spline through (x(i), y(i)), i = 1..n, abscissae strictly
// ascending, with the first derivative yp1 at the first point and ypn at the last (a natural end where
// the slope given is above 9.9e29). Each interior point asks for continuous slopes:
//   h(i-1) y2(i-1) + 2 (h(i-1) + h(i)) y2(i) + h(i) y2(i+1) = 6 (d(i) - d(i-1)),
// h(i) = x(i+1) - x(i), d(i) = (y(i+1) - y(i)) / h(i); a clamped end adds
//   2 h(1) y2(1) + h(1) y2(2) = 6 (d(1) - yp1), and likewise at the last point.
// The tridiagonal system is reduced from the first point down and solved back from the last.
// A single point (n 1) has the second derivative 0; n beyond 500 is a programming error
// (std::invalid_argument).
void spline(const Real* x, const Real* y, Int n, Real yp1, Real ypn, Real* y2);

// Value y at x of the spline (xa, ya, y2a) of n points. With klo, khi the points around x (the first
// or last interval for an x outside them), h = xa(khi) - xa(klo), a = (xa(khi) - x)/h, b = 1 - a:
//   y = a ya(klo) + b ya(khi) + ((a^3 - a) y2a(klo) + (b^3 - b) y2a(khi)) h^2 / 6.
// Two equal abscissae around x: " bad xa input in splint" on the console (EDUNIT) and, unless it is
// the silent-run unit 41, a wait for a line; y is then ya(klo). n 0 gives y 0.
void splint(const Real* xa, const Real* ya, const Real* y2a, Int n, Real x, Real& y);

// For every row j = 1..m of the table ya (90, n): the natural spline along x2a into y2a(j, 1..n).
// x1a is not read. m outside 0..90 or n outside 0..100 is a programming error.
void splie2(const Real* x1a, const Real* x2a, const Real* ya, Int m, Int n, Real* y2a);

// Bicubic value y at (x1, x2): each row's spline (prepared by splie2) at x2, then the natural spline
// of those m values across x1a at x1. Sizes as for splie2.
void splin2(const Real* x1a, const Real* x2a, const Real* ya, const Real* y2a, Int m, Int n, Real x1, Real x2,
            Real& y);

// The interval of a spline that holds x, by bisection: klo and khi = klo + 1 (1-based); an x outside
// the abscissae gives the first or the last interval. n at least 2. Returns h = xa(khi) - xa(klo);
// a zero h has been reported as splint reports it (the message and, unless silent, the pause).
// Shared by splint and the stress-strain curve evaluations.
Real spline_interval(const Real* xa, Int n, Real x, Int& klo, Int& khi);

}  // namespace brevant
