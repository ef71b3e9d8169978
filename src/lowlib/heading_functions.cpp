// Multiple-angle functions of one relative angle, the series evaluated against them, and the
// projected areas.
#include "lowlib/heading_functions.h"

#include <cmath>

namespace brevant {

void TRIGLD(Real THETA) {
    Sines& s = SINES;
    // Every value is stored as a float before the next row uses it: the rows read as the products
    // they are, and the recurrence keeps its single-precision rounding.
    s.S1() = std::sin(THETA);
    s.C1() = std::cos(THETA);
    s.S2() = (s.S1() + s.S1()) * s.C1();
    s.C2() = s.C1() * s.C1() - s.S1() * s.S1();
    s.S3() = s.S2() * s.C1() + s.C2() * s.S1();
    s.C3() = s.C1() * s.C2() - s.S1() * s.S2();
    s.S4() = (s.S2() + s.S2()) * s.C2();
    s.C4() = s.C2() * s.C2() - s.S2() * s.S2();
    s.S5() = s.S4() * s.C1() + s.S1() * s.C4();
    s.C5() = s.C1() * s.C4() - s.S1() * s.S4();
    s.S6() = (s.S3() + s.S3()) * s.C3();
    s.C6() = s.C3() * s.C3() - s.S3() * s.S3();
    s.S7() = s.S4() * s.C3() + s.C4() * s.S3();
    s.C7() = s.C3() * s.C4() - s.S3() * s.S4();
    s.S8() = (s.S4() + s.S4()) * s.C4();
    s.C8() = s.C4() * s.C4() - s.S4() * s.S4();
    s.S9() = s.S5() * s.C4() + s.C5() * s.S4();
    s.C9() = s.C4() * s.C5() - s.S4() * s.S5();
    s.S10() = (s.S5() + s.S5()) * s.C5();
    s.C10() = s.C5() * s.C5() - s.S5() * s.S5();
}

Real CCOF(const Real* A) {
    Real sum = A[0];
    for (int n = 1; n <= 10; ++n) sum = sum + A[n] * SINES.CN(n + 1);
    return sum;
}

Real SCOF(const Real* A) {
    Real sum = 0.0f;
    for (int n = 1; n <= 10; ++n) sum = sum + A[n - 1] * SINES.SN(n);
    return sum;
}

namespace {

// One component of a coefficient set at the angle of the last TRIGLD.
Real component(const CoefficientSet& set, Int IXYZ) {
    const Real* column = &set(1, IXYZ);
    return IXYZ == 1 ? CCOF(column) : SCOF(column);
}

}  // namespace

Real INTRPA(Real MIDVAL, Real LOSIDE, Real HISIDE, const CoefficientSet& LOARR, const CoefficientSet& HIARR,
            Int IXYZ) {
    const Real low = component(LOARR, IXYZ);
    const Real span = HISIDE - LOSIDE;
    if (span == 0.0f) return low;
    const Real high = component(HIARR, IXYZ);
    return low + (MIDVAL - LOSIDE) / span * (high - low);
}

Real INTRPB(Real MIDVAL, Real LOSIDE, Real HISIDE, Real LOARR, Real HIARR) {
    const Real span = HISIDE - LOSIDE;
    if (span == 0.0f) return LOARR;
    return LOARR + (MIDVAL - LOSIDE) / span * (HIARR - LOARR);
}

Real APERP(Real XAREA, Real YAREA, Real ANGLE) {
    constexpr Real PI = 3.1415927f;
    constexpr Real HALF_PI = 1.5707964f;
    // A box with no side area: the limit of the closed form, the end area seen along the direction
    // (the shift atan(XAREA / YAREA) is not defined there, and leaving it out would turn the end area
    // into a side area).
    if (YAREA == 0.0f) return XAREA * std::fabs(std::cos(ANGLE));
    const Real R = std::sqrt(XAREA * XAREA + YAREA * YAREA);
    // The acute angle between the direction and the box's long axis.
    Real THETA = std::fabs(std::fmod(ANGLE, PI));
    if (THETA > HALF_PI) THETA = PI - THETA;
    THETA = THETA + std::atan(XAREA / YAREA);
    return R * std::sin(THETA);
}

Real ELIPS_PROJ(Real XAREA, Real YAREA, Real ANGLE) {
    const Real X = std::sin(ANGLE);
    return XAREA + (YAREA - XAREA) * X * X;
}

}  // namespace brevant
