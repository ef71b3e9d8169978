// Vertical-cylinder drift against the same diffraction series summed to convergence in double with
// std::cyl_bessel_j / std::cyl_neumann, its long- and short-wave limits, the Hankel-derivative
// moduli against the standard library, and the legacy semi step by hand.
#include "lowlib/cylinder_drift.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "lowlib_fixture.h"

namespace brevant {
namespace {

class CylinderDrift : public testing::LowlibTest {};

constexpr double kPi = std::numbers::pi;

// |H'_n(x)|^2, H_n = J_n + i Y_n, H'_n = H_(n-1) - n H_n / x (H'_0 = -H_1).
double hankel_derivative2(int n, double x) {
    double re, im;
    if (n == 0) {
        re = -std::cyl_bessel_j(1.0, x);
        im = -std::cyl_neumann(1.0, x);
    } else {
        re = std::cyl_bessel_j(n - 1.0, x) - n * std::cyl_bessel_j(double(n), x) / x;
        im = std::cyl_neumann(n - 1.0, x) - n * std::cyl_neumann(double(n), x) / x;
    }
    return re * re + im * im;
}

// The mean drift series over rho g A^2 a, summed until the terms are negligible.
double drift_series(double x, double depth_factor) {
    double sum = 0.0;
    for (int n = 0; n < 400; ++n) {
        const double a = n * (n + 1.0) - x * x;
        const double term = a * a / (hankel_derivative2(n, x) * hankel_derivative2(n + 1, x));
        sum += term;
        if (n > x + 10 && term < 1e-16 * sum) break;
    }
    return 4.0 * sum * depth_factor / (kPi * kPi * std::pow(x, 7.0));
}

// kh of kh tanh kh = w^2 in double.
double wave_number_kh(double w) {
    double lo = 0.0, hi = w * w + 1.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (mid * std::tanh(mid) < w * w ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

TEST_F(CylinderDrift, HankelDerivativeModuliInSequence) {
    const double expected[] = {0.1765156, 0.1712566, 0.1556672, 0.1336112, 0.1434264};
    Real HNP2 = 0.0f, HNP1P2 = 0.0f;
    for (int n = 0; n <= 4; ++n) {
        HN2P(HNP2, HNP1P2, 3.7f, n, SCREEN_UNIT, KBD_UNIT);
        EXPECT_NEAR(HNP2, hankel_derivative2(n, 3.7), 1e-4 * hankel_derivative2(n, 3.7)) << "order " << n;
        EXPECT_NEAR(HNP2, expected[n], 1e-4 * expected[n]) << "order " << n;
        EXPECT_NEAR(HNP1P2, hankel_derivative2(n + 1, 3.7), 1e-4 * hankel_derivative2(n + 1, 3.7)) << "order " << n;
    }
    EXPECT_TRUE(screen().empty());
}

TEST_F(CylinderDrift, SeriesMatchesTheDoublePrecisionSum) {
    Real WAVK = 0.0f;
    const Real f = CYLDFT(7.0710678f, 2.5f, 10.0f, 50.0f, WAVK, 1, 30, SCREEN_UNIT, KBD_UNIT);
    const double k = wave_number_kh(7.0710678) / 50.0;
    EXPECT_NEAR(WAVK, k, 1e-5);
    EXPECT_NEAR(WAVK, 1.0, 1e-5);
    const double oracle = drift_series(2.5 * k, 1.0 - std::exp(-2.0 * 10.0 * k));
    EXPECT_NEAR(oracle, 0.622816, 5e-6);
    EXPECT_NEAR(f, oracle, 5e-4);

    // Other sizes in deep water (draft factor 1 - e^-2kT), against the same sum.
    struct Case {
        Real radius, draft;
    };
    for (const Case c : {Case{1.0f, 4.0f}, Case{5.0f, 1.0f}, Case{20.0f, 30.0f}, Case{0.3f, 0.5f}}) {
        const Real g = CYLDFT(7.0710678f, c.radius, c.draft, 50.0f, WAVK, 1, 30, SCREEN_UNIT, KBD_UNIT);
        const double expect = drift_series(double(c.radius) * k, 1.0 - std::exp(-2.0 * double(c.draft) * k));
        EXPECT_NEAR(g, expect, 1e-3 * std::max(expect, 0.1)) << "radius " << c.radius;
    }
    EXPECT_TRUE(screen().empty());
}

TEST_F(CylinderDrift, LongWaveLimit) {
    // Deep water (kh 10), ka 0.05, a deep draft: (5 pi^2 / 16) (ka)^3.
    const double kh = 10.0;
    const Real wscal = static_cast<Real>(std::sqrt(kh * std::tanh(kh)));
    Real WAVK = 0.0f;
    const Real f = CYLDFT(wscal, 0.5f, 60.0f, 100.0f, WAVK, 1, 30, SCREEN_UNIT, KBD_UNIT);
    const double x = 0.5 * double(WAVK);
    const double limit = 5.0 * kPi * kPi / 16.0 * x * x * x;
    EXPECT_NEAR(x, 0.05, 1e-6);
    EXPECT_NEAR(f, limit, 0.005 * limit);
    EXPECT_TRUE(screen().empty());
}

TEST_F(CylinderDrift, ShortWavesTakeTheWallReflectionWithoutTheSeries) {
    // k = 1 (kh 50): ka 100 gives NREP 153; a draft of 0.5 gives D = 1 - e^-1.
    Real WAVK = 0.0f;
    const Real f = CYLDFT(7.0710678f, 100.0f, 0.5f, 50.0f, WAVK, 1, 30, SCREEN_UNIT, KBD_UNIT);
    EXPECT_NEAR(f, 2.0 * (1.0 - std::exp(-1.0)) / 3.0, 1e-6);
    EXPECT_NEAR(f, 0.4214137, 1e-6);
    // The series would ask for Bessel orders the functions refuse at this argument: no message
    // shows that it was never summed.
    EXPECT_TRUE(screen().empty());

    // Either side of NREP 100: ka 66 (NREP 102) the limit, ka 65 (NREP 100) the series, which is
    // close to it there.
    const Real at66 = CYLDFT(7.0710678f, 66.0f / WAVK, 40.0f, 50.0f, WAVK, 1, 30, SCREEN_UNIT, KBD_UNIT);
    EXPECT_NEAR(at66, 2.0 / 3.0, 1e-6);
    const Real at65 = CYLDFT(7.0710678f, 65.0f / WAVK, 40.0f, 50.0f, WAVK, 1, 30, SCREEN_UNIT, KBD_UNIT);
    EXPECT_NE(at65, at66);
    EXPECT_NEAR(at65, drift_series(65.0, 1.0), 2e-3);
    EXPECT_TRUE(screen().empty());
}

TEST_F(CylinderDrift, ZeroDraftGivesNoForce) {
    Real WAVK = 0.0f;
    EXPECT_EQ(CYLDFT(7.0710678f, 2.5f, 0.0f, 50.0f, WAVK, 1, 30, SCREEN_UNIT, KBD_UNIT), 0.0f);
    EXPECT_EQ(CYLDFT(7.0710678f, 100.0f, 0.0f, 50.0f, WAVK, 1, 30, SCREEN_UNIT, KBD_UNIT), 0.0f);
}

TEST_F(CylinderDrift, NonPositiveArgumentIsReported) {
    // A silent run ends at once.
    Real HNP2 = 0.0f, HNP1P2 = 0.0f;
    EXPECT_EQ(end_status([&] { HN2P(HNP2, HNP1P2, 0.0f, 0, SILENT_UNIT, KBD_UNIT); }), 1);
    EXPECT_EQ(silent(), " ++> IER =           99  in CYLDFT...\n");

    // On the screen the user may abort ...
    answers("a\n");
    EXPECT_EQ(end_status([&] { HN2P(HNP2, HNP1P2, -1.0f, 0, SCREEN_UNIT, KBD_UNIT); }), 1);
    EXPECT_NE(screen().find(" ++> IER =           99  in CYLDFT..."), std::string::npos);

    // ... or go on. A cylinder of no radius then gets the series' limit, 0, never NaN.
    answers("\n\n\n\n\n\n\n\n");
    clear_captured(SCREEN_UNIT);
    Real WAVK = 0.0f;
    const Real f = CYLDFT(7.0710678f, 0.0f, 10.0f, 50.0f, WAVK, 1, 30, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(f, 0.0f);
    EXPECT_NE(screen().find("in CYLDFT..."), std::string::npos);
}

TEST_F(CylinderDrift, LegacySemiStep) {
    struct Case {
        Int comp;
        Real x;
        Real factor;  // the shadow factor of the component (the other one is 9)
        double expected;
    };
    const double pi5 = 3.14159;
    auto step = [&](double x) { return (std::tanh((3.0 * x - 1.0) * pi5) + 0.99627) * 0.5001; };
    const Case cases[] = {
        {1, 0.5f, 1.5f, 1.435354},  {2, 2.0f, 0.8f, 0.798668},      {1, -0.5f, 1.5f, 1.435354},
        {1, 1.0f / 3.0f, 1.0f, 0.99627 * 0.5001}, {2, 1.0f, 2.0f, 2.0 * step(1.0)},
        {1, 0.0f, 1.0f, 0.0},  // the step is about -0.000001 at 0: held at 0
        {3, 0.5f, 1.0f, 0.0},
    };
    for (const Case& c : cases) {
        const Real xs = c.comp == 1 ? c.factor : 9.0f;
        const Real ys = c.comp == 2 ? c.factor : 9.0f;
        EXPECT_NEAR(SEMDFT(c.comp, c.x, xs, ys, 300.0f, 60.0f, 0.3f, SCREEN_UNIT, KBD_UNIT), c.expected, 2e-6)
            << "component " << c.comp << " x " << c.x;
    }
    EXPECT_LT(step(0.0), 0.0);
}

}  // namespace
}  // namespace brevant
