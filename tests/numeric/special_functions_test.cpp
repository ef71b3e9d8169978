// Gamma and Bessel functions against the standard library's own implementations and the
// Wronskian identities, plus the error codes at the edges of each routine's domain.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "numeric/special_functions.h"

namespace brevant {
namespace {

TEST(Gamma, WholeNumbersAndHalfIntegersMatchTgamma) {
    Real gx = 0.0f;
    Int ier = -1;
    GAMMA(1.0f, gx, ier);
    EXPECT_EQ(gx, 1.0f);
    EXPECT_EQ(ier, 0);
    GAMMA(5.0f, gx, ier);
    EXPECT_EQ(gx, 24.0f);
    EXPECT_EQ(ier, 0);
    GAMMA(0.5f, gx, ier);
    EXPECT_NEAR(gx, 1.772451f, 2e-6f);
    for (const double x : {0.01, 0.3, 0.5, 1.25, 1.5, 2.0, 2.7, 3.3, 7.5, 12.2, 20.0, 34.5, -0.5, -1.5, -2.5, -7.3}) {
        GAMMA(static_cast<Real>(x), gx, ier);
        EXPECT_EQ(ier, 0) << x;
        const double ref = std::tgamma(static_cast<double>(static_cast<Real>(x)));
        EXPECT_NEAR(double(gx) / ref, 1.0, 5e-6) << "x = " << x;
    }
}

TEST(Gamma, PolesAndOverflowReportErrors) {
    struct Case {
        Real x;
        Int ier;
        Real gx;
    };
    const Case cases[] = {{0.0f, 1, 1.0f},       {-3.0f, 1, 1.0f},        {-2.9999995f, 1, 1.0f}, {5.0e-7f, 1, 1.0f},
                          {-1.0e30f, 1, 1.0f},   {-INFINITY, 1, 1.0f},    {NAN, 1, 1.0f},         {34.6f, 2, 1.0E38f},
                          {INFINITY, 2, 1.0E38f}};
    for (const Case& c : cases) {
        Real gx = -5.0f;
        Int ier = -1;
        GAMMA(c.x, gx, ier);
        EXPECT_EQ(ier, c.ier) << c.x;
        EXPECT_EQ(gx, c.gx) << c.x;
    }
}

// Relative error with an absolute floor for values near a zero of the function.
::testing::AssertionResult close(double got, double ref, double rel, double abs_floor) {
    if (std::fabs(got - ref) <= std::max(rel * std::fabs(ref), abs_floor)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got << " want " << ref << " diff " << (got - ref);
}

TEST(Bessel, AllFourMatchTheStandardLibraryOverTheWorkingRange) {
    for (int n = 0; n <= 5; ++n) {
        for (double xd = 0.1; xd <= 20.0001; xd += 0.05) {
            const Real x = static_cast<Real>(xd);
            const double xr = x;
            Real v = 0.0f;
            Int ier = -1;
            BESJ(x, n, v, 1.0e-6f, ier);
            ASSERT_EQ(ier, 0) << "J n=" << n << " x=" << x;
            EXPECT_TRUE(close(v, std::cyl_bessel_j(n, xr), 1e-5, 2e-6)) << "J n=" << n << " x=" << x;
            BESY(x, n, v, ier);
            ASSERT_EQ(ier, 0) << "Y n=" << n << " x=" << x;
            EXPECT_TRUE(close(v, std::cyl_neumann(n, xr), 1e-5, 2e-6)) << "Y n=" << n << " x=" << x;
            BESI(x, n, v, ier);
            ASSERT_EQ(ier, 0) << "I n=" << n << " x=" << x;
            EXPECT_TRUE(close(v, std::cyl_bessel_i(n, xr), 1e-5, 0.0)) << "I n=" << n << " x=" << x;
            BESK(x, n, v, ier);
            ASSERT_EQ(ier, 0) << "K n=" << n << " x=" << x;
            EXPECT_TRUE(close(v, std::cyl_bessel_k(n, xr), 1e-5, 0.0)) << "K n=" << n << " x=" << x;
        }
    }
}

TEST(Bessel, WronskiansHoldAcrossTheFitJoints) {
    // J1 Y0 - J0 Y1 = 2 / (pi x) and I0 K1 + I1 K0 = 1 / x, taken on both sides of x = 1 and x = 4.
    for (const Real x : {0.5f, 0.999f, 1.0f, 1.001f, 2.0f, 3.999f, 4.0f, 4.001f, 9.0f}) {
        Real j0, j1, y0, y1, i0, i1, k0, k1;
        Int ier;
        BESJ(x, 0, j0, 1e-7f, ier);
        BESJ(x, 1, j1, 1e-7f, ier);
        BESY(x, 0, y0, ier);
        BESY(x, 1, y1, ier);
        BESI(x, 0, i0, ier);
        BESI(x, 1, i1, ier);
        BESK(x, 0, k0, ier);
        BESK(x, 1, k1, ier);
        const double pi = 3.14159265358979;
        EXPECT_NEAR((double(j1) * double(y0) - double(j0) * double(y1)) * pi * double(x) / 2.0, 1.0, 2e-5) << x;
        EXPECT_NEAR((double(i0) * double(k1) + double(i1) * double(k0)) * double(x), 1.0, 2e-5) << x;
    }
}

TEST(Bessel, SecondKindStaysFiniteWhereTheSeriesFactorVanishes) {
    // T - 1 vanishes near x = 3.0524 (Y0) and T - 1/2 near x = 1.8514 (Y1): every float there.
    for (const Real start : {3.0523f, 1.8513f}) {
        Real x = start;
        for (int i = 0; i < 3000; ++i, x = std::nextafter(x, 10.0f)) {
            for (int n = 0; n <= 2; ++n) {
                Real v = 0.0f;
                Int ier = -1;
                BESY(x, n, v, ier);
                ASSERT_EQ(ier, 0);
                ASSERT_TRUE(close(v, std::cyl_neumann(n, double(x)), 1e-5, 1e-6)) << "n=" << n << " x=" << x;
            }
        }
    }
}

// However large the argument, BESJ answers at once: the whole list of huge arguments (any one of
// which took minutes when the recurrence was started at the clamped integer limit) in well under a
// second, even in a debug build with the sanitizers. What each call returns is a row of the
// error-code table below.
TEST(Bessel, FirstKindAnswersAtOnceHoweverLargeTheArgument) {
    const auto start = std::chrono::steady_clock::now();
    for (const Real x : {150.0f, 1.0e5f, 2.0e9f, 4.2e9f, 4.3e9f, 1.0e12f, 1.0e30f, 3.4028235e38f, INFINITY}) {
        for (Int n = 0; n <= 2; ++n) {
            Real v = 7.0f;
            Int ier = -1;
            BESJ(x, n, v, 1e-5f, ier);
        }
    }
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 1.0);
}

TEST(Bessel, QuotedValues) {
    Real v = 0.0f;
    Int ier = -1;
    BESJ(1.0f, 0, v, 0.00002f, ier);
    EXPECT_EQ(ier, 0);
    EXPECT_NEAR(v, 0.7651977f, 2e-6f);
    BESY(1.0f, 0, v, ier);
    EXPECT_NEAR(v, 0.0882570f, 1e-6f);
    BESY(5.0f, 1, v, ier);
    EXPECT_NEAR(v, 0.1478631f, 1e-6f);
    BESK(1.0f, 0, v, ier);
    EXPECT_NEAR(v, 0.4210244f, 1e-6f);
    BESK(1.0001f, 0, v, ier);
    EXPECT_NEAR(v, 0.4209642f, 2e-6f);
}

// What a call leaves in its result, beside the error code.
enum class Left {
    Anything,   // not looked at
    Untouched,  // the value it held before the call
    Exactly,    // this value
    Near,       // within a relative 'value' of the standard library's function
    Above,      // more than this value
};

enum class Kind { J, Y, I, K };

// One call of the routine of the given kind; J asks for an accuracy of 1e-5.
void bessel(Kind kind, Real x, Int n, Real& v, Int& ier) {
    switch (kind) {
        case Kind::J: BESJ(x, n, v, 1e-5f, ier); break;
        case Kind::Y: BESY(x, n, v, ier); break;
        case Kind::I: BESI(x, n, v, ier); break;
        case Kind::K: BESK(x, n, v, ier); break;
    }
}

double standard(Kind kind, double x, double n) {
    switch (kind) {
        case Kind::J: return std::cyl_bessel_j(n, x);
        case Kind::Y: return std::cyl_neumann(n, x);
        case Kind::I: return std::cyl_bessel_i(n, x);
        case Kind::K: return std::cyl_bessel_k(n, x);
    }
    return 0.0;
}

TEST(Bessel, ErrorCodesAndWhatIsLeftInTheResult) {
    struct Case {
        const char* what;
        Kind kind;
        Real x;
        Int n;
        Int ier;
        Left left;
        double value;
    };
    const Case cases[] = {
        {"J at x 0", Kind::J, 0.0f, 0, 2, Left::Untouched, 0},
        {"J of negative order", Kind::J, 1.0f, -1, 1, Left::Anything, 0},
        {"J: NTEST is 29 at x 1", Kind::J, 1.0f, 30, 4, Left::Untouched, 0},
        // The recurrence would start beyond NTEST, so nothing is computed and the failure is
        // reported rather than a zero passed off as J_28(1).
        {"J of order 28 at x 1", Kind::J, 1.0f, 28, 3, Left::Exactly, 0.0},
        // Far beyond the working range: no start fits, the call ends at once.
        {"J far beyond the range", Kind::J, 1.0e9f, 0, 3, Left::Anything, 0},
        // The recurrence still sums near the top of its range, and no longer just above it.
        {"J0 at x 90", Kind::J, 90.0f, 0, 0, Left::Near, 1e-4},
        {"J2 at x 90", Kind::J, 90.0f, 2, 0, Left::Near, 1e-4},
        // At x 100 the first start is the last: one pass, its value kept, but nothing to compare it
        // with; at x 101 the first start lies past the last and there is no value.
        {"J0 at x 100", Kind::J, 100.0f, 0, 3, Left::Near, 1e-4},
        {"J0 at x 101", Kind::J, 101.0f, 0, 3, Left::Exactly, 0.0},
        // Beyond the working range the first start lies past the last; from 4.3e9 on the last start
        // (90 + x / 2) lies past the integer range too (a disc of 1e30 in water-plane area): a
        // failure with no value, not a pass of 2^31 steps.
        {"J1 at x 150", Kind::J, 150.0f, 1, 3, Left::Exactly, 0.0},
        {"J2 at x 1e5", Kind::J, 1.0e5f, 2, 3, Left::Exactly, 0.0},
        {"J at x 2e9", Kind::J, 2.0e9f, 0, 3, Left::Exactly, 0.0},
        {"J at x 4.2e9", Kind::J, 4.2e9f, 1, 3, Left::Exactly, 0.0},
        {"J at x 4.3e9", Kind::J, 4.3e9f, 0, 3, Left::Exactly, 0.0},
        {"J at x 1e12", Kind::J, 1.0e12f, 2, 3, Left::Exactly, 0.0},
        {"J at x 1e30", Kind::J, 1.0e30f, 2, 3, Left::Exactly, 0.0},
        {"J at the largest float", Kind::J, 3.4028235e38f, 1, 3, Left::Exactly, 0.0},
        {"J at infinity", Kind::J, INFINITY, 0, 3, Left::Exactly, 0.0},
        {"J at NaN", Kind::J, NAN, 0, 2, Left::Untouched, 0},
        {"Y at negative x", Kind::Y, -1.0f, 0, 2, Left::Anything, 0},
        {"Y of negative order", Kind::Y, 1.0f, -2, 1, Left::Anything, 0},
        {"Y overflowing upward", Kind::Y, 0.01f, 40, 3, Left::Untouched, 0},
        {"I0 at x 0", Kind::I, 0.0f, 0, 0, Left::Exactly, 1.0},
        {"I1 at x 0", Kind::I, 0.0f, 1, 0, Left::Exactly, 0.0},
        {"I2 at x 0", Kind::I, 0.0f, 2, 3, Left::Exactly, 0.0},
        {"I0 at x 60", Kind::I, 60.0f, 0, 4, Left::Exactly, 1.0},
        {"I at negative x", Kind::I, -1.0f, 0, 2, Left::Exactly, 1.0},
        {"I of negative order", Kind::I, 1.0f, -1, 1, Left::Anything, 0},
        // Order above the argument: the series is used even beyond 12.
        {"I70 at x 60", Kind::I, 60.0f, 70, 0, Left::Near, 1e-4},
        {"K0 at x 60", Kind::K, 60.0f, 0, 0, Left::Near, 1e-5},
        {"K0 beyond x 60", Kind::K, 60.5f, 0, 3, Left::Exactly, 0.0},
        {"K at x 0", Kind::K, 0.0f, 0, 2, Left::Anything, 0},
        {"K of negative order", Kind::K, 1.0f, -1, 1, Left::Anything, 0},
        {"K overflowing upward", Kind::K, 0.1f, 40, 4, Left::Above, 1.0E36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Real v = 7.0f;
        Int ier = -1;
        bessel(c.kind, c.x, c.n, v, ier);
        EXPECT_EQ(ier, c.ier);
        switch (c.left) {
            case Left::Anything: break;
            case Left::Untouched: EXPECT_EQ(v, 7.0f); break;
            case Left::Exactly: EXPECT_EQ(double(v), c.value); break;
            case Left::Near: EXPECT_NEAR(double(v) / standard(c.kind, double(c.x), double(c.n)), 1.0, c.value); break;
            case Left::Above: EXPECT_GT(double(v), c.value); break;
        }
    }
}

}  // namespace
}  // namespace brevant
