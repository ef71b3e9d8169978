// The error functions and the member drag functions of a uniform current, against std::erfc,
// cycle means and depth integrals taken by quadrature, and the closed-form limits.
#include "lowlib/member_drag_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "lowlib/error_functions.h"

namespace brevant {
namespace {

constexpr double kPi = std::numbers::pi;

double d(Real x) { return static_cast<double>(x); }

// (1/2 pi) integral over one cycle of F(t), midpoint rule.
double cycle_mean(const std::function<double(double)>& F, int n = 200000) {
    double s = 0.0;
    for (int i = 0; i < n; ++i) s += F((i + 0.5) * 2.0 * kPi / n);
    return s / n;
}

double surf_drag_mean(double a, int n = 200000) {
    return cycle_mean([a](double t) { return std::fabs(1.0 + a * std::cos(t)) * (1.0 + a * std::cos(t)) * std::cos(t); },
                      n);
}

double surf_drag_prp_mean(double a, int n = 200000) {
    return cycle_mean([a](double t) { return std::fabs(1.0 + a * std::cos(t)) * std::cos(t); }, n);
}

// Coarser cycle means for the nested amplitude integrals (1e-6 relative is plenty there).
double surf_drag_mean_coarse(double a) { return surf_drag_mean(a, 2000); }
double surf_drag_prp_mean_coarse(double a) { return surf_drag_prp_mean(a, 2000); }

// g(v) of the submerged drag: v^2/2 while the flow keeps one direction, a line in v once it reverses.
double g_drag(double v) { return v <= 1.0 ? 0.5 * v * v : 0.5 - 4.0 / kPi + 4.0 / kPi * v; }

// (1/KD) integral over q from -KD to 0 of g(|B| |e^q - R e^(i PHI)|), signed like B; midpoint rule.
double sub_drag_oracle(double KD, double B, double R, double PHI) {
    const int n = 200000;
    double s = 0.0;
    for (int i = 0; i < n; ++i) {
        const double q = -KD + (i + 0.5) * KD / n;
        const double y = std::exp(q);
        const double f = std::sqrt(std::fabs(y * y - 2.0 * y * R * std::cos(PHI) + R * R));
        s += g_drag(std::fabs(B) * f);
    }
    return std::copysign(s / n, B);
}

// Integral over x from 0 to infinity of x^2 e^(-x^2/2) KERNEL(X x).
double rayleigh_integral(double X, const std::function<double(double)>& KERNEL) {
    const int n = 4000;
    const double top = 12.0;
    double s = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = (i + 0.5) * top / n;
        s += x * x * std::exp(-0.5 * x * x) * KERNEL(X * x);
    }
    return s * top / n;
}

TEST(ErrorFunctions, SimpsonErfcFollowsStdErfcOverMinusThreeToThree) {
    for (int i = 0; i <= 60; ++i) {
        const Real y = -3.0f + 0.1f * static_cast<Real>(i);
        EXPECT_NEAR(RH_ERFC(y, 27), std::erfc(static_cast<double>(y)), 1e-5) << "at " << y;
        EXPECT_NEAR(RH_ERF(y, 27), std::erf(static_cast<double>(y)), 1e-5) << "at " << y;
    }
}

TEST(ErrorFunctions, CutOffAboveFiveAndAHalfOnlyAndEmptyIntegralAtZero) {
    EXPECT_EQ(RH_ERFC(6.0f, 27), 0.0f);
    EXPECT_EQ(RH_ERF(6.0f, 27), 1.0f);
    EXPECT_EQ(RH_ERFC(5.5f, 27), 0.0f);
    EXPECT_NEAR(RH_ERFC(5.4999f, 27), 0.0f, 1e-6f);
    EXPECT_EQ(RH_ERFC(0.0f, 27), 1.0f);
    EXPECT_EQ(RH_ERF(0.0f, 27), 0.0f);
    EXPECT_NEAR(RH_ERFC(1.0f, 27), 0.157299f, 1e-6f);
    EXPECT_NEAR(RH_ERFC(-1.0f, 27), 1.842701f, 1e-6f);
    // No cut-off below: the quadrature runs to 1 + erf(6).
    EXPECT_NEAR(RH_ERFC(-6.0f, 27), 2.0f, 1e-6f);
}

TEST(MemberDragFunctions, WaterLineKernelsAreCycleMeans) {
    // a = |B| |1 - R e^(i PHI)|; R 0 makes a = |B|.
    for (double a : {0.0, 0.3, 1.0, 1.0001, 2.0, 3.0, 7.5}) {
        const Real B = static_cast<Real>(a);
        EXPECT_NEAR(SURF_DRAG(B, 0.0f, 0.0f), surf_drag_mean(a), 2e-6 * std::max(1.0, a)) << a;
        EXPECT_NEAR(SURF_DRAG_PRP(B, 0.0f, 0.0f), surf_drag_prp_mean(a), 2e-6 * std::max(1.0, a)) << a;
    }
    EXPECT_NEAR(SURF_DRAG(3.0f, 0.0f, 0.0f), 4.4503762f, 4.5e-6f);
    EXPECT_NEAR(SURF_DRAG_PRP(3.0f, 0.0f, 0.0f), 0.6246258f, 6e-7f);
    EXPECT_NEAR(SURF_DRAG(0.8f, 0.0f, 0.0f), 0.8f, 1e-7f);
    EXPECT_NEAR(SURF_DRAG_PRP(0.8f, 0.0f, 0.0f), 0.4f, 1e-7f);
    // The hull motion enters through |1 - R e^(i PHI)|.
    const double f = std::sqrt(0.25 - std::cos(1.0) + 1.0);
    EXPECT_NEAR(SURF_DRAG(2.0f, 0.5f, 1.0f), surf_drag_mean(2.0 * f), 1e-5);
    // A negative B flips the perpendicular value only.
    EXPECT_EQ(SURF_DRAG(-3.0f, 0.2f, 0.5f), SURF_DRAG(3.0f, 0.2f, 0.5f));
    EXPECT_EQ(SURF_DRAG_PRP(-3.0f, 0.2f, 0.5f), -SURF_DRAG_PRP(3.0f, 0.2f, 0.5f));
    EXPECT_EQ(SURF_DRAG_PRP(-0.5f, 0.0f, 0.0f), -0.25f);
}

TEST(MemberDragFunctions, SubmergedKernelIsTheLengthMeanOfTheDragIncrease) {
    struct Case {
        Real KD, B, R, PHI;
        // The length mean of g worked once and written down, so that the kernel and the oracle
        // cannot drift together (the one-directional row in closed form: g = e^(2q) / 2 over
        // -1 < q < 0 gives (1 - e^-2) / 4); NAN where the oracle alone checks the row.
        double expected;
    };
    const Case cases[] = {
        {2.0f, 1.5f, 0.4f, 1.2f, 0.3199218},
        {0.5f, -3.0f, 0.8f, 3.14159265f, -5.2884197},
        {1.5f, 4.0f, 0.25f, 0.5f, 1.0167200},  // B R = 1 exactly
        {1.0f, 1.0f, 0.0f, 0.0f, 0.216166},     // one-directional everywhere
        {1.0f, 2.0f, 0.3f, 3.14159265f, 1.6004},
        {1.0f, -2.0f, 0.3f, 0.7f, -0.47298},
        {3.0f, 2.0f, 0.8f, 0.0f, NAN},   // in phase: the first form of OSC
        {0.2f, 5.0f, 0.1f, 2.0f, NAN},   // reversing over the whole length
        {4.0f, 0.6f, 2.5f, 0.3f, NAN},   // reversing only near the keel (B R > 1)
        {2.0f, 1.2f, 1.1f, 0.1f, NAN},   // two change-overs on the length
        {0.3f, 0.9f, 0.2f, 1.0f, NAN},   // one-directional, short member
    };
    for (const Case& c : cases) {
        const double oracle = sub_drag_oracle(c.KD, c.B, c.R, c.PHI);
        const Real got = SUB_SURF_DRAG(c.KD, c.B, c.R, c.PHI);
        EXPECT_NEAR(got, oracle, 1e-4 * std::max(1.0, std::fabs(oracle)))
            << "KD " << c.KD << " B " << c.B << " R " << c.R << " PHI " << c.PHI;
        if (!std::isnan(c.expected)) {
            EXPECT_NEAR(got, c.expected, 1e-4 * std::fabs(c.expected));
        }
    }
    EXPECT_EQ(SUB_SURF_DRAG(1.0f, 0.0f, 0.3f, 0.2f), 0.0f);
}

TEST(MemberDragFunctions, ChangeOverDepthsAndTheirOrder) {
    Real A0 = 9, A1 = 9, A2 = 9, S1 = 9, S2 = 9;
    A_AND_S(A0, A1, A2, S1, S2, 2.0f, 0.5f, 0.0f);
    EXPECT_EQ(A0, 0.5f);
    EXPECT_EQ(A1, 1.0f);
    EXPECT_EQ(A2, 0.0f);
    EXPECT_EQ(S1, 0.0f);
    EXPECT_EQ(S2, -1.0E30f);
    // Not B R = 1: a missing root lies above the water line.
    A_AND_S(A0, A1, A2, S1, S2, 2.0f, 0.4f, 0.0f);
    EXPECT_EQ(S2, 1.0E30f);
    // v > 1 at every depth: the radicand is negative and both roots coincide.
    A_AND_S(A0, A1, A2, S1, S2, 4.0f, 0.8f, 1.5f);
    EXPECT_EQ(A0, 0.0f);
    EXPECT_EQ(A1, A2);

    struct Order {
        Real KD, S1, S2;
        Real Q1, Q2, Q3;
        Int NSWITCH;
    };
    const Order orders[] = {
        {1.0f, -0.5f, 0.2f, 0.2f, -0.5f, -1.0f, 0},  {1.0f, -2.0f, 0.2f, 0.2f, -1.0f, -2.0f, 1},
        {1.0f, -3.0f, -2.0f, -1.0f, -2.0f, -3.0f, 2}, {1.0f, 0.2f, -0.5f, 0.2f, -0.5f, -1.0f, 0},
        {1.0f, 0.2f, -2.0f, 0.2f, -1.0f, -2.0f, 1},  {1.0f, -2.0f, -3.0f, -1.0f, -2.0f, -3.0f, 2},
        {1.0f, -1.0f, -1.0f, -1.0f, -1.0f, -1.0f, 0}, {1.0f, -1.0f, -3.0f, -1.0f, -1.0f, -3.0f, 1},
    };
    for (const Order& o : orders) {
        Real Q1 = 0, Q2 = 0, Q3 = 0;
        Int N = -1;
        RHSORT3(Q1, Q2, Q3, o.KD, o.S1, o.S2, N);
        EXPECT_EQ(Q1, o.Q1);
        EXPECT_EQ(Q2, o.Q2);
        EXPECT_EQ(Q3, o.Q3);
        EXPECT_EQ(N, o.NSWITCH) << o.S1 << " " << o.S2;
    }
}

TEST(MemberDragFunctions, RegimeIntegralsHaveTheRightSlopes) {
    struct Case {
        Real B, R, PHI, Q;
    };
    const Case cases[] = {{2.0f, 0.3f, 0.7f, -0.4f}, {1.5f, 0.8f, 0.0f, -0.6f}, {1.5f, 0.8f, 0.0f, -0.1f},
                          {3.0f, 0.5f, 3.14159265f, -1.0f}};
    for (const Case& c : cases) {
        const Real h = 1e-2f;
        const double y = std::exp(d(c.Q));
        const double v = d(c.B) * std::sqrt(std::fabs(y * y - 2.0 * y * d(c.R) * std::cos(d(c.PHI)) + d(c.R) * d(c.R)));
        const double dU = d(UNI(c.B, c.R, c.PHI, c.Q + h) - UNI(c.B, c.R, c.PHI, c.Q - h)) / (2.0 * d(h));
        const double dO = d(OSC(c.B, c.R, c.PHI, c.Q + h) - OSC(c.B, c.R, c.PHI, c.Q - h)) / (2.0 * d(h));
        EXPECT_NEAR(dU, 0.5 * v * v, 2e-3 * std::max(1.0, v * v));
        EXPECT_NEAR(dO, 0.5 - 4.0 / kPi + 4.0 / kPi * v, 2e-3 * std::max(1.0, v));
    }
}

TEST(MemberDragFunctions, WaterLineClosedFormsFollowTheRayleighIntegrals) {
    for (double X : {0.5, 2.5, 4.0}) {
        const Real B0 = static_cast<Real>(X);
        const double inl = rayleigh_integral(X, surf_drag_mean_coarse);
        const double prp = rayleigh_integral(X, surf_drag_prp_mean_coarse);
        EXPECT_NEAR(FCF_SURF(B0, 0.0f, 0.0f, 1.0f, 27) * B0 * B0, inl, 0.002 * inl) << X;
        EXPECT_NEAR(FCF_SURF_PRP(B0, 0.0f, 0.0f, 1.0f, 27) * B0 * B0, prp, 0.004 * prp) << X;
    }
    EXPECT_NEAR(FCF_SURF(2.5f, 0.0f, 0.0f, 1.0f, 27) * 6.25f, 10.761188f, 0.002f * 10.761188f);
    // The hull motion scales X by |1 - R e^(i PHI)|, COS_C scales the result.
    const Real R = 0.4f, PHI = 0.9f, COS_C = 0.8f;
    const double f = std::sqrt(0.16 - 0.8 * std::cos(0.9) + 1.0);
    const Real B0 = -1.7f;
    const double inl = rayleigh_integral(1.7 * f, surf_drag_mean_coarse);
    const double prp = rayleigh_integral(1.7 * f, surf_drag_prp_mean_coarse);
    EXPECT_NEAR(FCF_SURF(B0, R, PHI, COS_C, 27) * B0 * B0 / COS_C, inl, 0.002 * inl);
    EXPECT_NEAR(FCF_SURF_PRP(B0, R, PHI, COS_C, 27) * B0 * B0 / COS_C, -prp, 0.004 * prp);
}

TEST(MemberDragFunctions, NoCurrentValuesAndSigns) {
    const Real R = 0.3f, PHI = 0.4f;
    const Real s = std::fabs(R * R - 2.0f * R * std::cos(PHI) + 1.0f);
    for (Real B0 : {1.0E30f, -1.0E30f}) {
        EXPECT_FLOAT_EQ(FCF_SURF(B0, R, PHI, 1.0f, 27), 1.5957692f * s);
        EXPECT_FLOAT_EQ(GISURF(B0, R, PHI, 1.0f, 27), 2.3936536f * s);
        EXPECT_EQ(FCF_SURF_PRP(B0, R, PHI, 1.0f, 27), 0.0f);
        EXPECT_EQ(GISURF_PRP(B0, R, PHI, 1.0f, 27), 0.0f);
        EXPECT_EQ(FCF_SUB(1.0f, B0, R, PHI, 27), 0.0f);
        EXPECT_EQ(GISUB(1.0f, B0, R, PHI, 27), 0.0f);
    }
    EXPECT_NEAR(FCF_SURF(1.0E30f, 0.5f, 1.0f, 1.0f, 27), 1.13251f, 1e-5f);
    // sqrt(8/pi) and 6/sqrt(2 pi) are the limits of an unbounded ratio.
    EXPECT_NEAR(FCF_SURF(10000.0f, 0.0f, 0.0f, 1.0f, 27), std::sqrt(8.0 / kPi), 1e-4);
    // The hull moving with the water: nothing at the water line.
    EXPECT_EQ(FCF_SURF(1.0f, 1.0f, 0.0f, 1.0f, 27), 0.0f);
    EXPECT_EQ(GISURF(2.0f, 1.0f, 0.0f, 1.0f, 27), 0.0f);
    EXPECT_EQ(FCF_SURF(1.0E30f, 1.0f, 0.0f, 1.0f, 27), 0.0f);

    // Flipping B0 keeps the in-line water-line values and flips the other four.
    for (Real B0 : {0.7f, 2.0f}) {
        EXPECT_EQ(FCF_SURF(-B0, R, PHI, 1.0f, 27), FCF_SURF(B0, R, PHI, 1.0f, 27));
        EXPECT_EQ(GISURF(-B0, R, PHI, 1.0f, 27), GISURF(B0, R, PHI, 1.0f, 27));
        EXPECT_EQ(FCF_SURF_PRP(-B0, R, PHI, 1.0f, 27), -FCF_SURF_PRP(B0, R, PHI, 1.0f, 27));
        EXPECT_EQ(GISURF_PRP(-B0, R, PHI, 1.0f, 27), -GISURF_PRP(B0, R, PHI, 1.0f, 27));
        EXPECT_EQ(FCF_SUB(1.0f, -B0, R, PHI, 27), -FCF_SUB(1.0f, B0, R, PHI, 27));
        EXPECT_EQ(GISUB(1.0f, -B0, R, PHI, 27), -GISUB(1.0f, B0, R, PHI, 27));
        EXPECT_GT(FCF_SURF_PRP(B0, R, PHI, 1.0f, 27), 0.0f);
    }
}

TEST(MemberDragFunctions, RayleighSumsOnTwentySevenNodes) {
    // Simpson over x = 0 .. 5.5 26/27 of the Rayleigh-weighted kernels: the sums at B0 1, worked
    // once in double on the same 27 nodes and written down.
    EXPECT_NEAR(FCF_SURF(1.0f, 0.0f, 0.0f, 1.0f, 27), 2.33465f, 2e-5f);
    EXPECT_NEAR(FCF_SURF_PRP(1.0f, 0.0f, 0.0f, 1.0f, 27), 0.68399f, 2e-5f);
    EXPECT_NEAR(GISURF(1.0f, 0.0f, 0.0f, 1.0f, 27), 2.81642f, 2e-5f);
    EXPECT_NEAR(GISURF_PRP(1.0f, 0.0f, 0.0f, 1.0f, 27), 0.44040f, 2e-5f);
    EXPECT_NEAR(FCF_SUB(1.0f, 1.0f, 0.0f, 0.0f, 27), 0.41891f, 2e-5f);
    EXPECT_NEAR(GISUB(1.0f, 1.0f, 0.0f, 0.0f, 27), 0.38199f, 2e-5f);
    // The mean-drag sum is the Rayleigh mean of the submerged kernel (checked above against its
    // depth integral): a fine midpoint sum over the same range agrees with the 27 Simpson nodes.
    const Real KD = 1.3f, B0 = 0.8f, R = 0.35f, PHI = 0.6f;
    const double top = 5.5 * 26.0 / 27.0;
    double t = 0.0;
    const int m = 200;
    for (int i = 0; i < m; ++i) {
        const double x = (i + 0.5) * top / m;
        t += x * std::exp(-0.5 * x * x) * d(SUB_SURF_DRAG(KD, B0 * static_cast<Real>(x), R, PHI));
    }
    t = t * top / m / d(B0 * B0);
    EXPECT_NEAR(FCF_SUB(KD, B0, R, PHI, 27), t, 2e-3 * t);
}

}  // namespace
}  // namespace brevant
