// Heading functions shared by every wind and current coefficient model: the multiple-angle sines
// and cosines of one relative angle (record SINES), the Fourier series evaluated against them, the
// blends of two coefficient sets, and the projected areas of a box and an ellipse.
#pragma once

#include "records/sines_record.h"
#include "sysutl/ftypes.h"

namespace brevant {

// A coefficient set: column IXYZ is one load component (1 surge Cx, 2 sway Cy, 3 yaw Cz).
// Column 1 is a cosine series: row 1 the constant, row n+1 the coefficient of cos n theta.
// Columns 2 and 3 are sine series: row n the coefficient of sin n theta; row 11 unused.
using CoefficientSet = FArray<Real, 11, 3>;

// Stores sin and cos of n THETA (radians), n = 1..10, in SINES. Only S1 and C1 come from sin and
// cos; the others from double-angle and angle-sum products of stored values, in the order
// S1, C1, S2, C2, ..., S10, C10.
void TRIGLD(Real THETA);

// A(1) + sum over n = 1..10 of A(n+1) cos n theta: A points at A(1) of one cosine column.
Real CCOF(const Real* A);
// Sum over n = 1..10 of A(n) sin n theta: A points at A(1) of one sine column.
Real SCOF(const Real* A);

// Component IXYZ (1..3) evaluated on LOARR and on HIARR at the angle of the last TRIGLD, blended
// linearly in MIDVAL between LOSIDE and HISIDE (extrapolating outside); LOARR's value when the two
// sides are equal.
Real INTRPA(Real MIDVAL, Real LOSIDE, Real HISIDE, const CoefficientSet& LOARR, const CoefficientSet& HIARR,
            Int IXYZ);
// LOARR + (MIDVAL - LOSIDE) / (HISIDE - LOSIDE) (HIARR - LOARR); LOARR when the two sides are equal.
Real INTRPB(Real MIDVAL, Real LOSIDE, Real HISIDE, Real LOARR, Real HIARR);

// Area of a box of end area XAREA and side area YAREA projected normal to the direction ANGLE
// (radians): XAREA |cos ANGLE| + YAREA |sin ANGLE| for positive areas, taken as
// sqrt(XAREA^2 + YAREA^2) sin(theta' + atan(XAREA / YAREA)), theta' the acute angle to the axis.
Real APERP(Real XAREA, Real YAREA, Real ANGLE);

// The elliptic counterpart: XAREA + (YAREA - XAREA) sin^2 ANGLE.
Real ELIPS_PROJ(Real XAREA, Real YAREA, Real ANGLE);

}  // namespace brevant
