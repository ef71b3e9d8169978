// Multiple-angle functions against the sine and cosine in double, the series and blends against
// direct sums, and the projected box area against its closed form.
#include "lowlib/heading_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "records/sines_record.h"

namespace brevant {
namespace {

class HeadingFunctions : public ::testing::Test {
protected:
    void SetUp() override { reset_sines(); }
    void TearDown() override { reset_sines(); }
};

constexpr double kPi = std::numbers::pi;

TEST_F(HeadingFunctions, SinesLayoutAndViewsShareTheWords) {
    Sines s{};
    for (int k = 1; k <= 20; ++k) s.TRIG(k) = static_cast<Real>(k);
    EXPECT_EQ(&s.S1(), &s.SN(1));
    EXPECT_EQ(&s.S10(), &s.SN(10));
    EXPECT_EQ(&s.C1(), &s.CN(2));
    EXPECT_EQ(&s.C10(), &s.CN(11));
    EXPECT_EQ(&s.CN(1), &s.S10());  // the cosine view starts one word before C1
    EXPECT_EQ(s.C3(), 13.0f);
    // Words 21-27 follow in the program's order.
    Real words[27];
    s.WNDCOF = 21.0f;
    s.CURCOF = 22.0f;
    s.HOVERD = 24.0f;
    std::memcpy(words, &s, sizeof words);
    EXPECT_EQ(words[20], 21.0f);
    EXPECT_EQ(words[21], 22.0f);
    EXPECT_EQ(words[23], 24.0f);
    EXPECT_EQ(words[22], 0.0f);
}

TEST_F(HeadingFunctions, ResetClearsTheWholeRecord) {
    TRIGLD(0.7f);
    SINES.WNDCOF = 3.0f;
    SINES.SWLCFT = 1.0f;
    reset_sines();
    const Sines zero{};
    EXPECT_EQ(std::memcmp(&SINES, &zero, sizeof zero), 0);
}

TEST_F(HeadingFunctions, TrigldMatchesMultipleAnglesInDouble) {
    for (int k = 0; k <= 200; ++k) {
        const Real theta = static_cast<Real>(-2.0 * kPi + 4.0 * kPi * k / 200.0);
        TRIGLD(theta);
        for (int n = 1; n <= 10; ++n) {
            const double a = n * static_cast<double>(theta);
            EXPECT_NEAR(SINES.SN(n), std::sin(a), 2e-6) << "theta " << theta << " n " << n;
            EXPECT_NEAR(SINES.CN(n + 1), std::cos(a), 2e-6) << "theta " << theta << " n " << n;
        }
    }
}

TEST_F(HeadingFunctions, TrigldAtZeroAndAQuarterTurn) {
    TRIGLD(0.0f);
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(SINES.SN(n), 0.0f);
        EXPECT_EQ(SINES.CN(n + 1), 1.0f);
    }
    TRIGLD(static_cast<Real>(kPi / 2));
    EXPECT_NEAR(SINES.S1(), 1.0f, 1e-7);
    EXPECT_NEAR(SINES.C1(), 0.0f, 1e-7);
    EXPECT_NEAR(SINES.S2(), 0.0f, 1e-6);
    EXPECT_NEAR(SINES.C2(), -1.0f, 1e-6);
    EXPECT_NEAR(SINES.S3(), -1.0f, 1e-6);
    EXPECT_NEAR(SINES.C4(), 1.0f, 1e-6);
}

TEST_F(HeadingFunctions, TrigldLeavesTheLoadFactorsAlone) {
    SINES.WNDCOF = 0.5f;
    SINES.HOVERD = 4.0f;
    TRIGLD(1.0f);
    EXPECT_EQ(SINES.WNDCOF, 0.5f);
    EXPECT_EQ(SINES.HOVERD, 4.0f);
}

// A coefficient set with distinct entries in every used row of every column.
CoefficientSet sample_set(Real scale) {
    CoefficientSet set{};
    for (int j = 1; j <= 3; ++j)
        for (int i = 1; i <= 11; ++i) set(i, j) = scale * static_cast<Real>((i * 7 + j * 3) % 11 - 5) / 10.0f;
    set(11, 2) = 99.0f;  // row 11 of the sine columns is never read
    set(11, 3) = 99.0f;
    return set;
}

double cosine_series(const CoefficientSet& set, double theta) {
    double sum = static_cast<double>(set(1, 1));
    for (int n = 1; n <= 10; ++n) sum += static_cast<double>(set(n + 1, 1)) * std::cos(n * theta);
    return sum;
}

double sine_series(const CoefficientSet& set, int column, double theta) {
    double sum = 0.0;
    for (int n = 1; n <= 10; ++n) sum += static_cast<double>(set(n, column)) * std::sin(n * theta);
    return sum;
}

TEST_F(HeadingFunctions, SeriesMatchDirectSums) {
    const CoefficientSet set = sample_set(1.0f);
    for (Real theta : {0.0f, 0.3f, 1.2f, 2.9f, -1.7f, 5.5f}) {
        TRIGLD(theta);
        EXPECT_NEAR(CCOF(&set(1, 1)), cosine_series(set, theta), 2e-5) << theta;
        EXPECT_NEAR(SCOF(&set(1, 2)), sine_series(set, 2, theta), 2e-5) << theta;
        EXPECT_NEAR(SCOF(&set(1, 3)), sine_series(set, 3, theta), 2e-5) << theta;
    }
}

TEST_F(HeadingFunctions, ConstantAloneAndFirstSineAlone) {
    Real cosine[11] = {0.75f};
    Real sine[11] = {2.0f};
    for (Real theta : {0.0f, 0.8f, 2.5f, -3.0f}) {
        TRIGLD(theta);
        EXPECT_EQ(CCOF(cosine), 0.75f);
        EXPECT_FLOAT_EQ(SCOF(sine), 2.0f * std::sin(theta));
    }
}

TEST_F(HeadingFunctions, IntrpaBlendsTheComponentOfTwoSets) {
    const CoefficientSet low = sample_set(1.0f);
    const CoefficientSet high = sample_set(-2.5f);
    const Real theta = 0.9f;
    TRIGLD(theta);
    struct Case {
        Int ixyz;
        double lo, hi;
    };
    for (const Case& c : {Case{1, cosine_series(low, theta), cosine_series(high, theta)},
                          Case{2, sine_series(low, 2, theta), sine_series(high, 2, theta)},
                          Case{3, sine_series(low, 3, theta), sine_series(high, 3, theta)}}) {
        // Mid-point, the ends, and an extrapolation beyond the high side.
        EXPECT_NEAR(INTRPA(0.5f, 0.0f, 1.0f, low, high, c.ixyz), 0.5 * (c.lo + c.hi), 2e-5) << c.ixyz;
        EXPECT_NEAR(INTRPA(20.0f, 20.0f, 60.0f, low, high, c.ixyz), c.lo, 2e-5) << c.ixyz;
        EXPECT_NEAR(INTRPA(60.0f, 20.0f, 60.0f, low, high, c.ixyz), c.hi, 2e-5) << c.ixyz;
        EXPECT_NEAR(INTRPA(100.0f, 20.0f, 60.0f, low, high, c.ixyz), 2 * c.hi - c.lo, 5e-5) << c.ixyz;
        // Equal sides: the low set's value, never a division by zero.
        const Real equal = INTRPA(7.0f, 3.0f, 3.0f, low, high, c.ixyz);
        EXPECT_TRUE(std::isfinite(equal));
        EXPECT_NEAR(equal, c.lo, 2e-5) << c.ixyz;
    }
}

TEST_F(HeadingFunctions, IntrpbInterpolatesAndExtrapolates) {
    EXPECT_EQ(INTRPB(5.0f, 3.0f, 3.0f, 1.5f, 9.0f), 1.5f);
    EXPECT_EQ(INTRPB(50.0f, 32.0f, 100.0f, 2.0f, 6.0f), 2.0f + 18.0f / 68.0f * 4.0f);
    EXPECT_FLOAT_EQ(INTRPB(2 * 100.0f - 32.0f, 32.0f, 100.0f, 2.0f, 6.0f), 2 * 6.0f - 2.0f);
    EXPECT_FLOAT_EQ(INTRPB(-1.0f, 0.0f, 1.0f, 1.0f, 3.0f), -1.0f);
}

TEST_F(HeadingFunctions, AperpIsTheClosedFormOfTheBoxAtEveryAngle) {
    for (double theta : {0.0, 0.2, 0.5, 0.7853981633974483, 1.0, 1.4, 1.5707963267948966, 2.0, 2.8, 3.0}) {
        for (double angle : {theta, -theta, kPi - theta, theta + kPi, theta - 2 * kPi}) {
            const double expect = 30.0 * std::fabs(std::cos(angle)) + 80.0 * std::fabs(std::sin(angle));
            EXPECT_NEAR(APERP(30.0f, 80.0f, static_cast<Real>(angle)), expect, 1e-4 * expect) << angle;
        }
    }
    EXPECT_FLOAT_EQ(APERP(30.0f, 80.0f, 0.0f), 30.0f);
    EXPECT_NEAR(APERP(30.0f, 80.0f, 1.5707964f), 80.0f, 1e-4);
}

TEST_F(HeadingFunctions, AperpWithoutSideAreaKeepsTheEndAreaHeadOn) {
    EXPECT_FLOAT_EQ(APERP(30.0f, 0.0f, 0.5f), 30.0f * std::cos(0.5f));
    EXPECT_FLOAT_EQ(APERP(30.0f, 0.0f, 0.0f), 30.0f);
    EXPECT_FLOAT_EQ(APERP(30.0f, 0.0f, 3.1415927f), 30.0f);
    EXPECT_NEAR(APERP(30.0f, 0.0f, 1.5707964f), 0.0f, 1e-5);
    EXPECT_EQ(APERP(0.0f, 0.0f, 1.0f), 0.0f);
}

TEST_F(HeadingFunctions, ElipsProjGoesFromEndToSideArea) {
    EXPECT_EQ(ELIPS_PROJ(30.0f, 80.0f, 0.0f), 30.0f);
    EXPECT_NEAR(ELIPS_PROJ(30.0f, 80.0f, 1.5707964f), 80.0f, 1e-5);
    const double s = std::sin(0.6);
    EXPECT_NEAR(ELIPS_PROJ(30.0f, 80.0f, 0.6f), 30.0 + 50.0 * s * s, 1e-4);
}

}  // namespace
}  // namespace brevant
