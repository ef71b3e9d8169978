// The ship box's fits: limits and closed forms from the formulas' own statements, the zero-frequency
// added masses against the source integral over the water plane (polar quadrature in double
// precision), the yaw shapes against a double-precision evaluation on both sides of their switches,
// the surge coefficient of a sphere, and the forward-speed correction by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "ellipsoid_closed_forms.h"
#include "numeric/member_added_mass.h"
#include "records/motion_record.h"
#include "sysutl/result_reuse.h"
#include "sysutl/units.h"
#include "test_support.h"
#include "vessels/ship/ship_fits.h"

namespace brevant {
namespace {

TEST(ShipFits, LimitsAndStatedValues) {
    struct Case {
        const char* what;
        float got;
        float want;
    };
    const float pi = std::numbers::pi_v<float>;
    const Case cases[] = {
        {"RMAS(0, 7)", RMAS(0.0f, 7.0f), 1.0f},
        {"RMAS(50, 0)", RMAS(50.0f, 0.0f), 0.6157635f},
        {"RMAS ignores its ratio", RMAS(1.0f, 0.3f), RMAS(1.0f, 9.0f)},
        {"RMAS(1)", RMAS(1.0f, 0.0f), 1.0874244f},
        {"PMAS(0, 0.3)", PMAS(0.0f, 0.3f), 1.0f},
        {"PMAS(60, 0.3) -> ratio", PMAS(60.0f, 0.3f), 0.3f},
        {"PMAS(1, 0.5)", PMAS(1.0f, 0.5f), 0.8708006f},
        {"HDMP(0)", HDMP(0.0f), 0.0f},
        {"PDMP(0)", PDMP(0.0f), 0.0f},
        {"RDMP(0)", RDMP(0.0f), 0.0f},
        {"SDMP(0)", SDMP(0.0f), 0.0f},
        {"HDMP(1)", HDMP(1.0f), 2.42f / std::pow(2.0f, 1.59f)},
        {"PDMP(1)", PDMP(1.0f), 0.1f * std::exp(-0.606f)},
        {"RDMP(1)", RDMP(1.0f), 0.151f * std::exp(-0.952f)},
        {"SDMP(1)", SDMP(1.0f), 1.425f * std::exp(-1.613f)},
        {"YAWDRG(1, 0)", YAWDRG(1.0f, 0.0f), -0.3011687f},
        {"YAWFKF(1, pi/2)", YAWFKF(1.0f, pi / 2.0f), -0.3011687f},
        {"YAWFKF(1, 0)", YAWFKF(1.0f, 0.0f), 0.0f},
        {"YAWDRG at the switch", YAWDRG(1.0e-4f, 0.0f), -1.0e-4f / 3.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(c.got, c.want, 2e-6f * std::max(1.0f, std::fabs(c.want)));
    }
}

// Far out in the wave number (periods of 0.0001 s on a ship of 150 m), the power of a damping or
// added-mass fit overflows while its exponential is long 0: each takes its limit, where the formula
// as written gives 0 x Infinity. Just short of the overflow the formula's own value, as written.
TEST(ShipFits, FarOutTheFitsTakeTheirLimits) {
    for (const float x : {3.0e10f, 2.0e19f, 1.0e30f, std::numeric_limits<float>::max()}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(SDMP(x), 0.0f);
        EXPECT_EQ(PMAS(x, 0.3f), 0.3f);
        if (x > 1.9e19f) {
            EXPECT_EQ(PDMP(x), 0.0f);
            EXPECT_EQ(RDMP(x), 0.0f);
        }
    }
    // SDMP's power overflows from about 2.3e10 on: below it the product, as written.
    const float x = 2.0e10f;
    EXPECT_EQ(SDMP(x), 1.425f * std::pow(x, 3.71f) * std::exp(-1.613f * x));
    EXPECT_EQ(SDMP(x), 0.0f);
    EXPECT_TRUE(std::isnan(SDMP(std::numeric_limits<float>::quiet_NaN())));
}

// (X cos X - sin X) / X^2 in double precision.
double yaw_shape_exact(double x) {
    if (std::fabs(x) < 1e-3) return -x / 3.0 + x * x * x / 30.0 - std::pow(x, 5) / 840.0;
    return (x * std::cos(x) - std::sin(x)) / (x * x);
}

// Below |X| = 0.1 the single-precision difference cancels (0 at X = 1.0001e-4 instead of
// -3.33e-5); the shapes must hold to float accuracy across the whole range and both switches.
TEST(ShipFits, YawShapesHoldThroughCancellation) {
    const float xs[] = {2e-4f,  1.0001e-4f, -1.0001e-4f, 5e-4f, 1e-3f,  3e-3f, 0.01f, 0.03f,
                        0.0999f, 0.1f,      0.1001f,     -0.05f, 0.3f, 1.0f,  3.0f,  -7.5f};
    for (float x : xs) {
        SCOPED_TRACE(x);
        const double want = yaw_shape_exact(static_cast<double>(x));
        // From 0.1 on the direct form keeps its own rounding (about 1e-5 relative there).
        const double tol = (std::fabs(x) < 0.1f ? 2e-6 : 1e-4) * std::fabs(want) + 1e-12;
        EXPECT_NEAR(static_cast<double>(YAWDRG(x, 0.0f)), want, tol);
        EXPECT_NEAR(static_cast<double>(YAWFKF(x, std::numbers::pi_v<float> / 2.0f)), want, tol);
        EXPECT_NEAR(static_cast<double>(YAWDRG(x, 1.0f)), want * std::cos(1.0), tol);
        EXPECT_NEAR(static_cast<double>(YAWFKF(x, 1.0f)), want * std::sin(1.0), tol);
    }
    EXPECT_NEAR(YAWDRG(2e-4f, 0.0f), -2e-4f / 3.0f, 1e-6f * 2e-4f / 3.0f);
}

// Gauss-Legendre nodes and weights on [-1, 1].
void gauss_legendre(int n, std::vector<double>& x, std::vector<double>& w) {
    x.assign(n, 0.0);
    w.assign(n, 0.0);
    for (int i = 0; i < n; ++i) {
        double z = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5));
        double dp = 1.0;
        for (int it = 0; it < 100; ++it) {
            double p0 = 1.0, p1 = z;
            for (int k = 2; k <= n; ++k) {
                const double p2 = ((2.0 * k - 1.0) * z * p1 - (k - 1.0) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            dp = n * (z * p1 - p0) / (z * z - 1.0);
            const double dz = p1 / dp;
            z -= dz;
            if (std::fabs(dz) < 1e-16) break;
        }
        x[i] = z;
        w[i] = 2.0 / ((1.0 - z * z) * dp * dp);
    }
}

// (1 / 2 pi) over A twice of w(r) w(r') / |r - r'|, A = [-1, 1] x [-b, b], w = 1 or w = x. The inner
// integral in polar coordinates about r (the 1/rho cancels the Jacobian), split at the four corner
// directions; the outer one on panels graded towards the edges, where the inner one is not smooth.
double source_integral(double b, bool pitch) {
    std::vector<double> ax, aw, ox, ow;
    gauss_legendre(96, ax, aw);
    gauss_legendre(8, ox, ow);
    auto inner = [&](double x, double y) {
        const double pi = std::numbers::pi;
        const double a[5] = {std::atan2(b - y, 1 - x), std::atan2(b - y, -1 - x), std::atan2(-b - y, -1 - x) + 2 * pi,
                             std::atan2(-b - y, 1 - x) + 2 * pi, std::atan2(b - y, 1 - x) + 2 * pi};
        double s = 0.0;
        for (int seg = 0; seg < 4; ++seg) {
            const double lo = a[seg], hi = a[seg + 1];
            for (std::size_t i = 0; i < ax.size(); ++i) {
                const double t = 0.5 * (lo + hi) + 0.5 * (hi - lo) * ax[i];
                const double c = std::cos(t), sn = std::sin(t);
                const double tx = c > 0 ? (1 - x) / c : (c < 0 ? (-1 - x) / c : 1e300);
                const double ty = sn > 0 ? (b - y) / sn : (sn < 0 ? (-b - y) / sn : 1e300);
                const double r = std::min(tx, ty);
                s += 0.5 * (hi - lo) * aw[i] * (pitch ? x * r + c * r * r / 2 : r);
            }
        }
        return s;
    };
    // Panel edges on [0, L], halving towards both ends eight times.
    auto edges = [](double L) {
        std::vector<double> e{0.0};
        for (int i = 8; i >= 1; --i) e.push_back(0.5 * L * std::pow(0.5, i));
        e.push_back(0.5 * L);
        for (int i = static_cast<int>(e.size()) - 2; i >= 0; --i) e.push_back(L - e[i]);
        return e;
    };
    const std::vector<double> ex = edges(2.0), ey = edges(2.0 * b);
    double s = 0.0;
    for (std::size_t p = 0; p + 1 < ex.size(); ++p)
        for (std::size_t i = 0; i < ox.size(); ++i) {
            const double x = -1 + 0.5 * (ex[p] + ex[p + 1]) + 0.5 * (ex[p + 1] - ex[p]) * ox[i];
            const double wx = 0.5 * (ex[p + 1] - ex[p]) * ow[i];
            for (std::size_t q = 0; q + 1 < ey.size(); ++q)
                for (std::size_t j = 0; j < ox.size(); ++j) {
                    const double y = -b + 0.5 * (ey[q] + ey[q + 1]) + 0.5 * (ey[q + 1] - ey[q]) * ox[j];
                    const double wy = 0.5 * (ey[q + 1] - ey[q]) * ow[j];
                    s += wx * wy * (pitch ? x : 1.0) * inner(x, y);
                }
        }
    return s / (2.0 * std::numbers::pi);
}

TEST(ShipFits, ZeroFrequencyAddedMassIsTheSourceIntegral) {
    const double heave = source_integral(0.3, false);
    const double pitch = source_integral(0.3, true);
    EXPECT_NEAR(heave, 0.571442, 2e-6);  // the quadrature itself, against the stated value
    EXPECT_NEAR(pitch, 0.101863, 2e-6);
    EXPECT_NEAR(static_cast<double>(FHEAVE(0.3f)), heave, 2e-5 * heave);
    EXPECT_NEAR(static_cast<double>(FPITCH(0.3f)), pitch, 2e-5 * pitch);
    // The square water plane too, and the heave value against the rectangle's self-potential:
    // (8/pi) (1/2) ((2/3)(a^3 + b^3 - d^3) + 2 a b^2 ln((a + d)/b) + 2 a^2 b ln((b + d)/a)).
    EXPECT_NEAR(static_cast<double>(FPITCH(1.0f)), source_integral(1.0, true), 2e-5);
    const double b = 2.0, d = std::sqrt(1.0 + b * b);
    const double closed = 4.0 / std::numbers::pi *
                          ((2.0 / 3.0) * (1.0 + b * b * b - d * d * d) + 2 * b * b * std::log((1 + d) / b) +
                           2 * b * std::log((b + d) / 1.0));
    EXPECT_NEAR(static_cast<double>(FHEAVE(2.0f)), closed, 2e-5 * closed);
}

TEST(ShipFits, SphereSurgeCoefficientQuietly) {
    reset_units();
    capture_unit(SCREEN_UNIT);
    const float c = SGSWMS(1.0f, 1.0f, 1, SCREEN_UNIT);
    EXPECT_NEAR(c, RECTCM(1.0f) * 0.499977f, 2e-6f);
    EXPECT_NEAR(c, 0.607717f, 2e-6f);
    EXPECT_EQ(captured(SCREEN_UNIT), "");
    // A prolate spheroid of axis ratio 2 along the motion: Lamb's 0.210015, times the rectangle factor.
    EXPECT_NEAR(SGSWMS(0.5f, 0.5f, 1, SCREEN_UNIT), RECTCM(0.5f) * 0.210015f, 2e-5f);
    reset_units();
}

// The surge fit of a box of length over beam 4 so shallow that its quadrature runs to the end of
// the range (a light barge): the ellipsoid of the same ratios in closed form, times the rectangle
// factor.
TEST(ShipFits, ShallowBoxSurgeMatchesTheEllipsoidClosedForm) {
    reset_units();
    capture_unit(SCREEN_UNIT);
    reset_box_fit_warning();
    bind_keyboard("\n");
    for (const double r : {85.0, 100.0, 150.0, 200.0}) {
        const float carat = static_cast<float>(1.0 / r);
        const double alpha = testing::triaxial_longest(1.0, 0.25, static_cast<double>(carat));
        const double want = static_cast<double>(RECTCM(carat)) * testing::translation_coefficient(alpha);
        const float got = SGSWMS(carat, 0.25f, 1, SCREEN_UNIT);
        ASSERT_TRUE(std::isfinite(got)) << r;
        EXPECT_NEAR(got, want, 1e-3) << r;
        EXPECT_NEAR(got, want, 1e-3 * want) << r;  // and relatively: the value itself is small
    }
    reset_box_fit_warning();
    reset_units();
}

// The fits are kept by their inputs: a repeat gives the same bits as the quadrature. The many-points
// warning of a box so eccentric that the quadrature needs more than 7500 points comes once in the
// run, with its pause, whatever box asks next, with the reuse on or off.
TEST(ShipFits, RepeatedFitsAreTheComputedOnesAndTheWarningComesOnce) {
    reset_units();
    capture_unit(SCREEN_UNIT);
    set_result_reuse(false);
    const float fresh = SGSWMS(0.37f, 0.21f, 1, SCREEN_UNIT);
    set_result_reuse(true);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(std::bit_cast<std::uint32_t>(SGSWMS(0.37f, 0.21f, 1, SCREEN_UNIT)),
                                          std::bit_cast<std::uint32_t>(fresh));
    EXPECT_EQ(captured(SCREEN_UNIT), "");
    for (const bool reuse : {true, false}) {
        set_result_reuse(reuse);
        reset_box_fit_warning();
        clear_captured(SCREEN_UNIT);
        bind_keyboard("\n");  // one answer: a second pause would meet the end of input
        const float first = SGSWMS(80.0f, 1.0f, 1, SCREEN_UNIT);
        const std::string once = captured(SCREEN_UNIT);
        EXPECT_NE(once.find(" ++> Warning: A highly eccentric body requires  12800 integration points"),
                  std::string::npos)
            << once;
        EXPECT_NE(once.find("Press <RETURN> to continue: "), std::string::npos);
        EXPECT_EQ(SGSWMS(80.0f, 1.0f, 1, SCREEN_UNIT), first);
        EXPECT_TRUE(std::isfinite(SGSWMS(0.01f, 0.25f, 1, SCREEN_UNIT)));  // 20000 points: the barge's surge
        EXPECT_EQ(captured(SCREEN_UNIT), once) << reuse;
    }
    set_result_reuse(true);
    reset_box_fit_warning();
    reset_units();
}

TEST(ShipFits, BoxCoefficientsAtOneFrequency) {
    float A33, A55, B33, B55;
    DPMAS0(A33, A55, B33, B55, 0.7f, 0.0f, 3.0f, 400.0f, 0.4f, 5.0f, 900.0f, 0.3f);
    EXPECT_FLOAT_EQ(A33, 400.0f);
    EXPECT_FLOAT_EQ(A55, 900.0f);
    EXPECT_EQ(B33, 0.0f);
    EXPECT_EQ(B55, 0.0f);
    DPMAS0(A33, A55, B33, B55, 0.7f, 80.0f, 3.0f, 400.0f, 0.4f, 5.0f, 900.0f, 0.3f);
    EXPECT_FLOAT_EQ(A33, 160.0f);  // the high-frequency added mass HMAS0 HMSRAT
    EXPECT_NEAR(A55, 270.0f, 1e-3f);
    DPMAS0(A33, A55, B33, B55, 0.7f, 1.0f, 3.0f, 400.0f, 0.4f, 5.0f, 900.0f, 0.3f);
    EXPECT_FLOAT_EQ(B33, 0.7f * HDMP(1.0f) * 3.0f);
    EXPECT_FLOAT_EQ(B55, 0.7f * PDMP(1.0f) * 5.0f);
}

TEST(ShipFits, ForwardSpeedCorrection) {
    reset_himem();
    HIMEM.SHIPL = 100.0f;
    struct Case {
        float wenc2, vcomp;
        float a33, a55, b33, b55;
    };
    const Case cases[] = {
        {0.25f, 5.0f, 102.0f, 21000.0f, 5.0f, -10950.0f},  // by hand, from the entry values
        {0.25f, 0.0f, 100.0f, 1000.0f, 10.0f, 50.0f},      // no speed: unchanged
        {0.0f, 5.0f, 100.0f, 1000.0f, 10.0f, 50.0f},       // zero encounter frequency: unchanged
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wenc2 + c.vcomp);
        float A33 = 100.0f, A55 = 1000.0f, B33 = 10.0f, B55 = 50.0f;
        DAMMAS(A33, A55, B33, B55, c.wenc2, c.vcomp);
        EXPECT_FLOAT_EQ(A33, c.a33);
        EXPECT_FLOAT_EQ(A55, c.a55);
        EXPECT_FLOAT_EQ(B33, c.b33);
        EXPECT_FLOAT_EQ(B55, c.b55);
    }
    reset_himem();
}

}  // namespace
}  // namespace brevant
