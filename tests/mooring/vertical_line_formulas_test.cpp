// The 64-bit root finder on functions of known root, and the vertical-line closed forms against hand
// sums and Simpson's rule (exact for the cubic strain law's integrand).
#include "mooring/catlib/vertical_line_formulas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace brevant {
namespace {

TEST(Rtmidp, FindsTheCubeRootOfTwoToDoublePrecision) {
    for (const auto& [lo, hi] : {std::array<double, 2>{0.0, 2.0}, std::array<double, 2>{2.0, 0.0}}) {
        double X = 0.0, F = 0.0;
        Int IER = -1, I = -1;
        RTMIDP(X, F, [](double& x) { return x * x * x - 2.0; }, lo, hi, 1e-14, 100, IER, I);
        EXPECT_EQ(IER, 0);
        EXPECT_NEAR(X, std::cbrt(2.0), 1e-12);
        EXPECT_NEAR(X, 1.2599210499, 1e-10);
        EXPECT_DOUBLE_EQ(F, X * X * X - 2.0);
        EXPECT_GE(I, 1);
    }
}

TEST(Rtmidp, ResidualGetsACopyOfTheAbscissa) {
    // A residual that scribbles on its argument must not move the search.
    double X = 0.0, F = 0.0;
    Int IER = -1, I = 0;
    RTMIDP(
        X, F,
        [](double& x) {
            const double v = std::exp(x) - 3.0;
            x = 1e9;
            return v;
        },
        0.0, 4.0, 1e-13, 100, IER, I);
    EXPECT_EQ(IER, 0);
    EXPECT_NEAR(X, std::log(3.0), 1e-11);
}

TEST(Rtmidp, ExactZeroAtAnEndReturnsAtOnce) {
    for (const bool second : {false, true}) {
        int calls = 0;
        double X = -5.0, F = 7.0;
        Int IER = -1, I = -9;
        const double lo = second ? 3.0 : 1.0, hi = second ? 1.0 : 3.0;
        RTMIDP(
            X, F,
            [&calls](double& x) {
                ++calls;
                return x - 1.0;
            },
            lo, hi, 1e-12, 100, IER, I);
        EXPECT_EQ(IER, 0);
        EXPECT_EQ(X, 1.0);
        EXPECT_EQ(F, 0.0);
        EXPECT_EQ(calls, second ? 2 : 1);
        EXPECT_EQ(I, -9) << "no iteration was started";
    }
}

TEST(Rtmidp, EndsOfOneSignGiveIer2AtTheSecondEnd) {
    double X = 0.0, F = 0.0;
    Int IER = -1, I = -9;
    RTMIDP(X, F, [](double& x) { return x * x + 1.0; }, -1.0, 2.0, 1e-12, 100, IER, I);
    EXPECT_EQ(IER, 2);
    EXPECT_EQ(X, 2.0);
    EXPECT_EQ(F, 5.0);
    EXPECT_EQ(I, -9);
}

TEST(Rtmidp, AStepResidualNeverMeetsTheToleranceOnF) {
    // The tolerance on F is 100 EPS: a jump of 2 across the root can never satisfy it, so the search
    // runs out (IER 1) and returns the end of its last bracket, next to the jump.
    double X = 0.0, F = 0.0;
    Int IER = -1, I = 0;
    RTMIDP(X, F, [](double& x) { return x < 0.3 ? -1.0 : 1.0; }, 0.0, 1.0, 1e-10, 20, IER, I);
    EXPECT_EQ(IER, 1);
    EXPECT_NEAR(X, 0.3, 1e-5);
    EXPECT_EQ(std::fabs(F), 1.0);
}

TEST(VerticalLineFormulas, DtkltnSumsTheWeightBelow) {
    ElementArray SLEN{}, WETWT{};
    SLEN(1) = 10.0, SLEN(2) = 20.0, SLEN(3) = 30.0;
    WETWT(1) = 1.0, WETWT(2) = 2.0, WETWT(3) = 3.0;
    double TK = 0.0;
    DTKLTN(SLEN, WETWT, 2, 3, 3, TK, 5.0);
    EXPECT_DOUBLE_EQ(TK, 5.0 + 40.0 + 90.0);
    DTKLTN(SLEN, WETWT, 1, 3, 3, TK, 0.0);
    EXPECT_DOUBLE_EQ(TK, 10.0 + 40.0 + 90.0);
    DTKLTN(SLEN, WETWT, 3, 3, 2, TK, 7.5);
    EXPECT_EQ(TK, 7.5) << "K > N carries no element";
}

TEST(VerticalLineFormulas, HangingHeightIsTheIntegralOfTheStretchFactor) {
    const std::array<double, 3> a{1e-3, 2e-6, 3e-9};
    const AlphaTriple A(a);
    auto stretch = [&](double t) { return 1.0 + a[0] * t + a[1] * t * t + a[2] * t * t * t; };
    for (const double T : {0.0, 50.0, 420.0}) {
        const double w = 2.5;
        const double simpson = T / 6.0 * (stretch(0.0) + 4.0 * stretch(T / 2.0) + stretch(T)) / w;
        double up = -1.0, down = -1.0;
        SFNCDP(A, T, w, up);
        SFNCDP(A, -T, w, down);
        EXPECT_NEAR(up, simpson, 1e-12 * (1.0 + simpson));
        EXPECT_EQ(up, down) << "even in the tension";
        EXPECT_NEAR(SFCDP2(A, T), stretch(T), 1e-15 * stretch(T));
        EXPECT_EQ(SFCDP2(A, -T), SFCDP2(A, T));
    }
}

}  // namespace
}  // namespace brevant
