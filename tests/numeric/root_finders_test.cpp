// Root finders against closed-form roots, their end and failure paths, and the bracketing scan.
#include "numeric/root_finders.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brevant {
namespace {

// A function that counts its evaluations.
struct Counted {
    int calls = 0;
    RootFunction of(Real (*f)(Real)) {
        return [this, f](Real& x) {
            ++calls;
            return f(x);
        };
    }
};

Real x2_minus_2(Real x) { return x * x - 2.0f; }
Real x2_plus_1(Real x) { return x * x + 1.0f; }

TEST(RootFinder, SquareRootOfTwo) {
    Counted c;
    Real X = 0.0f, F = 0.0f;
    Int IER = -7;
    RTMI1(X, F, c.of(x2_minus_2), 0.0f, 2.0f, 1.0e-6f, 0.0f, 50, IER);
    EXPECT_EQ(IER, 0);
    EXPECT_NEAR(X, std::sqrt(2.0), 2.0e-6);
    EXPECT_EQ(X, 1.4142135f);
    EXPECT_FLOAT_EQ(F, X * X - 2.0f);
    EXPECT_LE(c.calls, 2 + 50 * 51 + 50);
}

TEST(RootFinder, NoSignChangeGivesTwoAndTheRightEnd) {
    Counted c;
    Real X = 0.0f, F = 0.0f;
    Int IER = 0;
    RTMI1(X, F, c.of(x2_plus_1), 0.0f, 2.0f, 1.0e-6f, 0.0f, 50, IER);
    EXPECT_EQ(IER, 2);
    EXPECT_EQ(c.calls, 2);
    EXPECT_EQ(X, 2.0f);
    EXPECT_EQ(F, 5.0f);
}

TEST(RootFinder, RootAtAnEndNeedsOnlyTheEndEvaluations) {
    Counted left, right;
    Real X = 9.0f, F = 9.0f;
    Int IER = 9;
    RTMI1(X, F, left.of([](Real x) { return x - 1.0f; }), 1.0f, 3.0f, 1.0e-6f, 0.0f, 50, IER);
    EXPECT_EQ(left.calls, 1);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(X, 1.0f);
    EXPECT_EQ(F, 0.0f);

    RTMI2(X, F, right.of([](Real x) { return x - 3.0f; }), 1.0f, 3.0f, 1.0e-6f, 0.0f, 50, IER);
    EXPECT_EQ(right.calls, 2);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(X, 3.0f);
}

TEST(RootFinder, NoPassesAllowedReturnsTheBetterEnd) {
    Counted c;
    Real X = 0.0f, F = 0.0f;
    Int IER = 0;
    // |f(0)| = 2 > |f(4)| = 1? No: f(0) = -2, f(4) = 14, so the left end is better.
    RTMI1(X, F, c.of(x2_minus_2), 0.0f, 4.0f, 1.0e-6f, 0.0f, 0, IER);
    EXPECT_EQ(IER, 1);
    EXPECT_EQ(c.calls, 2);
    EXPECT_EQ(X, 0.0f);
    EXPECT_EQ(F, -2.0f);
    // Right end better: it is kept as the last evaluation.
    RTMI1(X, F, c.of(x2_minus_2), 1.0f, 1.5f, 1.0e-6f, 0.0f, 0, IER);
    EXPECT_EQ(IER, 1);
    EXPECT_EQ(X, 1.5f);
    EXPECT_EQ(F, 0.25f);
}

Real step_at_1000(Real x) { return x < 1000.3f ? -1.0f : 1.0f; }
Real step_at_03(Real x) { return x < 0.3f ? -1.0f : 1.0f; }

// A step function never allows a parabolic step, so the search is plain bisection: the number of
// halvings shows which tolerance was applied.
TEST(RootFinder, ToleranceIsAbsoluteUpToOneAndRelativeAbove) {
    struct Case {
        Real (*f)(Real);
        Real xl, xr, root, tol;
    };
    const Case cases[] = {
        {step_at_1000, 0.0f, 2000.0f, 1000.3f, 1.0e-6f * 1000.3f},  // relative: 1e-6 * |X|
        {step_at_03, 0.0f, 2.0f, 0.3f, 1.0e-6f},                    // absolute
    };
    for (const Case& k : cases) {
        Counted c;
        Real X = 0.0f, F = 0.0f;
        Int IER = 9;
        RTMI1(X, F, c.of(k.f), k.xl, k.xr, 1.0e-6f, 0.0f, 50, IER);
        EXPECT_EQ(IER, 0);
        EXPECT_NEAR(X, k.root, 2.0f * k.tol);
        // Halvings needed until the interval is within tolerance (an absolute 1e-6 near 1000
        // would take more than 30).
        const int halvings = static_cast<int>(std::ceil(std::log2((k.xr - k.xl) / k.tol)));
        EXPECT_LE(c.calls, 2 + halvings + 1);
        EXPECT_GE(c.calls, 2 + halvings - 1);
    }
}

TEST(RootFinder, FunctionToleranceSwitchesTheValueTestOn) {
    Counted off, on;
    Real X = 0.0f, F = 0.0f;
    Int IER = 9;
    RTMI1(X, F, off.of(step_at_03), 0.0f, 2.0f, 1.0e-6f, 0.0f, 10, IER);
    EXPECT_EQ(IER, 1);  // ten halvings of 2 do not reach 1e-6
    RTMI1(X, F, off.of(step_at_03), 0.0f, 2.0f, 1.0e-3f, 0.0f, 20, IER);
    EXPECT_EQ(IER, 0);
    // The jump is 2 whatever the interval: a value tolerance of 0.5 can never be met.
    RTMI1(X, F, on.of(step_at_03), 0.0f, 2.0f, 1.0e-3f, 0.5f, 20, IER);
    EXPECT_EQ(IER, 1);
    EXPECT_EQ(on.calls, 2 + 20);
    EXPECT_NEAR(X, 0.3f, 1.0e-3f);
}

TEST(RootFinder, FunctionWorksOnACopyOfTheAbscissa) {
    Real X = 0.0f, F = 0.0f;
    Int IER = 9;
    RootFunction clobber = [](Real& x) {
        const Real v = x * x - 2.0f;
        x = 1.0e6f;
        return v;
    };
    RTMI1(X, F, clobber, 0.0f, 2.0f, 1.0e-6f, 0.0f, 50, IER);
    EXPECT_EQ(IER, 0);
    EXPECT_NEAR(X, std::sqrt(2.0), 2.0e-6);
}

TEST(RootFinder, DoubleResultIsRoundedOnReceipt) {
    int calls = 0;
    RootFunctionD tiny = [&calls](Real& x) {
        ++calls;
        return x > 0.5f ? 1.0e-50 : -1.0;
    };
    Real X = 0.0f, F = 1.0f;
    Int IER = 9;
    RTMI1D(X, F, tiny, 0.0f, 1.0f, 1.0e-6f, 0.0f, 50, IER);
    EXPECT_EQ(calls, 2);  // f(1) = 1e-50 is 0 in single precision: a root at the right end
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(X, 1.0f);
    EXPECT_EQ(F, 0.0f);

    RootFunctionD cube = [](Real& x) {
        const double d = x;
        return d * d * d - 3.0;
    };
    RTMI2D(X, F, cube, 0.0f, 3.0f, 1.0e-6f, 0.0f, 50, IER);
    EXPECT_EQ(IER, 0);
    EXPECT_NEAR(X, std::cbrt(3.0), 3.0e-6);
}

// The outer function runs a search of its own each time it is evaluated.
TEST(RootFinder, EntryPointsNest) {
    Real outer_root = 0.0f, outer_f = 0.0f;
    Int outer_ier = 9;
    RootFunctionD outer = [](Real& a) {
        Real x = 0.0f, f = 0.0f;
        Int ier = 9;
        RTMI1(
            x, f, [a](Real& t) { return t * t - a; }, 0.0f, 10.0f, 1.0e-7f, 0.0f, 50, ier);
        EXPECT_EQ(ier, 0);
        return static_cast<double>(x) - 1.5;  // sqrt(a) = 1.5
    };
    RTMI2D(outer_root, outer_f, outer, 0.5f, 9.0f, 1.0e-6f, 0.0f, 50, outer_ier);
    EXPECT_EQ(outer_ier, 0);
    EXPECT_NEAR(outer_root, 2.25f, 1.0e-5);
}

// The four entry points on one single-precision function; the double-precision ones receive the
// same values widened, so all four must give the same answers.
struct EntryPoint {
    const char* name;
    void (*solve)(Real (*f)(Real), Real xl, Real xr, Real epsx, Real epsf, Int iend, Real& X, Real& F, Int& IER);
};
const EntryPoint kEntryPoints[] = {
    {"RTMI1",
     [](Real (*f)(Real), Real xl, Real xr, Real epsx, Real epsf, Int iend, Real& X, Real& F, Int& IER) {
         RTMI1(X, F, [f](Real& x) { return f(x); }, xl, xr, epsx, epsf, iend, IER);
     }},
    {"RTMI2",
     [](Real (*f)(Real), Real xl, Real xr, Real epsx, Real epsf, Int iend, Real& X, Real& F, Int& IER) {
         RTMI2(X, F, [f](Real& x) { return f(x); }, xl, xr, epsx, epsf, iend, IER);
     }},
    {"RTMI1D",
     [](Real (*f)(Real), Real xl, Real xr, Real epsx, Real epsf, Int iend, Real& X, Real& F, Int& IER) {
         RTMI1D(X, F, [f](Real& x) { return static_cast<double>(f(x)); }, xl, xr, epsx, epsf, iend, IER);
     }},
    {"RTMI2D",
     [](Real (*f)(Real), Real xl, Real xr, Real epsx, Real epsf, Int iend, Real& X, Real& F, Int& IER) {
         RTMI2D(X, F, [f](Real& x) { return static_cast<double>(f(x)); }, xl, xr, epsx, epsf, iend, IER);
     }},
};

// Functions that are flat at an end of the interval or at the root: the first interpolation from
// an end point moves less than the tolerance although the root lies far inside the bracket.
Real square_minus_tiny(Real x) { return x * x - 1.0e-8f; }
Real tiny_minus_square(Real x) { return 1.0e-8f - x * x; }
Real mirrored_square(Real x) {
    const Real d = 1.0f - x;
    return 1.0e-8f - d * d;
}
Real shifted_square(Real x) {
    const Real d = x - 10.0f;
    return d * d - 1.0e-8f;
}
Real fourth_power_minus_tiny(Real x) { return x * x * x * x - 1.0e-12f; }
Real flat_cube(Real x) {
    const Real d = x - 0.6f;
    return d * d * d;
}
Real cube_minus_8(Real x) { return x * x * x - 8.0f; }
Real cos_minus_x(Real x) { return std::cos(x) - x; }

// A root is reported only where the sign change is held to the tolerance, never at a point the
// interpolation merely stalled on.
TEST(RootFinder, AShortStepIsNotTakenForTheRoot) {
    struct Case {
        const char* name;
        Real (*f)(Real);
        Real xl, xr;
        double root, tol;
    };
    const Case cases[] = {
        {"x^2 - 1e-8", square_minus_tiny, 0.0f, 1.0f, 1.0e-4, 1.0e-6},
        {"1e-8 - x^2", tiny_minus_square, 0.0f, 1.0f, 1.0e-4, 1.0e-6},
        {"x^2 - 1e-8 on the left", square_minus_tiny, -1.0f, 0.0f, -1.0e-4, 1.0e-6},
        {"1e-8 - (1 - x)^2", mirrored_square, 0.0f, 1.0f, 1.0 - 1.0e-4, 1.0e-6},
        {"(x - 10)^2 - 1e-8", shifted_square, 10.0f, 11.0f, 10.0001, 1.0e-6 * 10.0001},  // relative
        {"x^4 - 1e-12", fourth_power_minus_tiny, 0.0f, 1.0f, 1.0e-3, 1.0e-6},
        {"(x - 0.6)^3", flat_cube, 0.0f, 2.0f, 0.6, 1.0e-6},
        // Functions on which the search already converged properly.
        {"x^3 - 8", cube_minus_8, 0.0f, 5.0f, 2.0, 1.0e-6 * 2.0},
        {"cos x - x", cos_minus_x, 0.0f, 1.0f, 0.7390851332151607, 1.0e-6},
    };
    for (const EntryPoint& e : kEntryPoints) {
        for (const Case& k : cases) {
            Real X = 0.0f, F = 0.0f;
            Int IER = 9;
            e.solve(k.f, k.xl, k.xr, 1.0e-6f, 0.0f, 100, X, F, IER);
            EXPECT_EQ(IER, 0) << e.name << " " << k.name;
            EXPECT_NEAR(double(X), k.root, k.tol) << e.name << " " << k.name;
            EXPECT_EQ(F, k.f(X)) << e.name << " " << k.name;
        }
    }
}

TEST(RootFinder, FailuresStayReportedAfterAStalledStep) {
    for (const EntryPoint& e : kEntryPoints) {
        Real X = 0.0f, F = 0.0f;
        Int IER = 9;
        // Both ends above the axis.
        e.solve(square_minus_tiny, 0.5f, 1.0f, 1.0e-6f, 0.0f, 100, X, F, IER);
        EXPECT_EQ(IER, 2) << e.name;
        EXPECT_EQ(X, 1.0f) << e.name;
        // One parabolic loop and one bisection loop of a single pass cannot narrow [0, 1] to the
        // root 1e-4: no convergence, and the bound with the smaller residual.
        IER = 9;
        e.solve(square_minus_tiny, 0.0f, 1.0f, 1.0e-6f, 0.0f, 1, X, F, IER);
        EXPECT_EQ(IER, 1) << e.name;
        EXPECT_LT(X, 1.0e-4f) << e.name;
        EXPECT_EQ(F, square_minus_tiny(X)) << e.name;
        EXPECT_LT(std::fabs(F), 1.0e-8f) << e.name;
    }
}

// A short step whose residual meets a positive EPSF still ends the search at once: the caller
// asked for a small residual, and it has one.
TEST(RootFinder, AShortStepWithinTheValueToleranceEndsTheSearch) {
    Counted c;
    Real X = 0.0f, F = 0.0f;
    Int IER = 9;
    RTMI1(X, F, c.of(square_minus_tiny), 0.0f, 1.0f, 1.0e-6f, 1.0e-8f, 100, IER);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(c.calls, 4);  // two ends, one bisection, one interpolation
    EXPECT_LE(std::fabs(F), 1.0e-8f);
    EXPECT_EQ(F, square_minus_tiny(X));
}

TEST(Brackt, FirstCrossingOfAnUnsortedTable) {
    const Real W[] = {1.0f, 3.0f, 2.0f};
    Int IER = 9, MIN = 99;
    BRACKT(W, 2.5f, IER, MIN, 1, 3);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(MIN, 1);
    MIN = 99;
    BRACKT(W, 4.0f, IER, MIN, 1, 3);
    EXPECT_EQ(IER, 2);
    EXPECT_EQ(MIN, 99);  // untouched
    BRACKT(W, 0.0f, IER, MIN, 1, 3);
    EXPECT_EQ(IER, 1);
    EXPECT_EQ(MIN, 99);
    // Value equal to an entry: the pair that starts there, when the next entry lies beyond it.
    BRACKT(W, 3.0f, IER, MIN, 1, 3);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(MIN, 2);
}

TEST(Brackt, SubrangeIsRespected) {
    const Real W[] = {10.0f, 1.0f, 2.0f, 3.0f, 4.0f, 0.0f};
    Int IER = 9, MIN = 0;
    BRACKT(W, 2.5f, IER, MIN, 2, 5);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(MIN, 3);
    BRACKT(W, 5.0f, IER, MIN, 2, 5);
    EXPECT_EQ(IER, 2);
    BRACKT(W, 0.5f, IER, MIN, 2, 5);
    EXPECT_EQ(IER, 1);
}

// A value sitting on the last entry used to come back as MIN = NUPPER, one interval past the
// table; the interval ending there is reported instead, at either extreme.
TEST(Brackt, ValueAtTheLastEntryGivesTheLastInterval) {
    struct Case {
        Real w[4];
        Real wp;
        Int lower, upper, min;
    };
    const Case cases[] = {
        {{1.0f, 2.0f, 3.0f, 4.0f}, 4.0f, 1, 4, 3},  // increasing, at its top
        {{4.0f, 3.0f, 2.0f, 1.0f}, 1.0f, 1, 4, 3},  // decreasing, at its bottom
        {{3.0f, 2.0f, 2.0f, 2.0f}, 2.0f, 1, 4, 3},  // falls onto a flat tail
        {{2.0f, 2.0f, 2.0f, 2.0f}, 2.0f, 1, 4, 3},  // constant
        {{9.0f, 1.0f, 2.0f, 3.0f}, 3.0f, 2, 4, 3},  // a subrange
    };
    for (const Case& k : cases) {
        Int IER = 9, MIN = 99;
        BRACKT(k.w, k.wp, IER, MIN, k.lower, k.upper);
        EXPECT_EQ(IER, 0) << k.wp;
        EXPECT_EQ(MIN, k.min) << k.wp;
        EXPECT_TRUE(k.w[MIN - 1] == k.wp || k.w[MIN] == k.wp) << "the interval must touch the value";
    }
}

TEST(Brackt, ValueAtTheFirstEntry) {
    const Real up[] = {1.0f, 2.0f, 3.0f, 4.0f};
    const Real down[] = {4.0f, 3.0f, 2.0f, 1.0f};
    Int IER = 9, MIN = 99;
    BRACKT(up, 1.0f, IER, MIN, 1, 4);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(MIN, 1);
    BRACKT(down, 4.0f, IER, MIN, 1, 4);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(MIN, 1);
}

}  // namespace
}  // namespace brevant
