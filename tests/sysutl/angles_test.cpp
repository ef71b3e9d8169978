// Angle reduction: the single-precision values the reductions must give, and the ranges against
// a double-precision reduction.
#include "sysutl/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brevant {
namespace {

struct AngleCase {
    Real (*fn)(Real);
    const char* name;
    Real in, out;
};

TEST(Angles, SinglePrecisionValues) {
    const AngleCase cases[] = {
        {REDDEG, "REDDEG", -90.0f, 270.0f},
        {REDDEG, "REDDEG", 720.0f, 0.0f},
        {REDDEG, "REDDEG", -720.0f, 0.0f},
        {REDDEG, "REDDEG", 45.5f, 45.5f},
        {REDDEG, "REDDEG", -0.00001f, 360.0f},  // the sum 359.99999 rounds to 360
        {REDDEG2, "REDDEG2", 0.0f, 0.0f},
        {REDDEG2, "REDDEG2", 360.0f, 359.99988f},
        {REDDEG2, "REDDEG2", 90.0f, 89.99991f},
        {REDDEG2, "REDDEG2", 0.00005f, 359.9999695f},
        {REDRAD, "REDRAD", -1.0f, 5.2831855f},
        {REDRAD, "REDRAD", 7.0f, 0.7168145f},
        {REDRAD_SYM, "REDRAD_SYM", 4.0f, -2.2831855f},
        {REDRAD_SYM, "REDRAD_SYM", -4.0f, 2.2831855f},
        {REDRAD_SYM, "REDRAD_SYM", -3.1415927f, -3.1415927f},
        {REDRAD_SYM, "REDRAD_SYM", 3.1415927f, 3.1415927f},
        {ANGSYM, "ANGSYM", -3.1415927f, 3.1415927f},
        {ANGSYM, "ANGSYM", 7.0f, 0.7168145f},
        {ANGSYM, "ANGSYM", -7.0f, -0.7168145f},
        {ANGSYM, "ANGSYM", 4.0f, -2.2831855f},
    };
    // Exact: one unit in the last place matters here (360 against 359.99988).
    for (const AngleCase& k : cases) EXPECT_EQ(k.fn(k.in), k.out) << k.name << "(" << k.in << ")";
}

TEST(Angles, ZeroOfEitherSignComesBackFromReddeg2) {
    EXPECT_TRUE(std::signbit(REDDEG2(-0.0f)));
    EXPECT_FALSE(std::signbit(REDDEG2(0.0f)));
}

// Over a sweep of angles the results lie in range and differ from the double-precision
// reduction by whole turns only (to float rounding).
TEST(Angles, RangesAgainstDoubleReduction) {
    const double two_pi = 6.2831855f;  // the constant the reductions use
    for (int i = -4000; i <= 4000; ++i) {
        const Real deg = static_cast<Real>(i) * 0.37f;
        const Real d = REDDEG(deg);
        EXPECT_GE(d, 0.0f);
        EXPECT_LE(d, 360.0f);
        const double turns_d = (static_cast<double>(deg) - static_cast<double>(d)) / 360.0;
        EXPECT_NEAR(turns_d, std::round(turns_d), 1e-6);

        const Real rad = static_cast<Real>(i) * 0.0061f;
        const Real r = REDRAD(rad), s = REDRAD_SYM(rad), a = ANGSYM(rad);
        EXPECT_GE(r, 0.0f);
        EXPECT_LE(r, 6.2831855f);
        EXPECT_GE(s, -3.1415927f);
        EXPECT_LE(s, 3.1415927f);
        EXPECT_GT(a, -3.1415927f);
        EXPECT_LE(a, 3.1415927f);
        for (Real v : {r, s, a}) {
            const double turns = (static_cast<double>(rad) - static_cast<double>(v)) / two_pi;
            EXPECT_NEAR(turns, std::round(turns), 1e-5) << rad;
        }
    }
}

}  // namespace
}  // namespace brevant
