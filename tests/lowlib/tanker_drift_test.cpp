// Tanker frequency factors: the power laws and their cap by hand, the sway factor against
// std::cyl_bessel_i / cyl_bessel_k, and the 2001 surge table interpolated by hand from its rows.
#include "lowlib/tanker_drift.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace brevant {
namespace {

double sway_ratio(double s) {
    const double a = std::numbers::pi * std::cyl_bessel_i(1.0, s);
    const double k = std::cyl_bessel_k(1.0, s);
    return a * a / (a * a + k * k);
}

// Straight line between rows r and r + 1 (1-based) of the table as printed.
double table_line(int r, double x) {
    const double xs[] = {0.0,     0.39102, 0.40673, 0.42244, 0.43815, 0.45735, 0.47655, 0.49924, 0.52194, 0.54812,
                         0.5778,  0.60922, 0.64588, 0.68603, 0.73141, 0.75585, 0.78378, 0.80124, 0.81171, 0.82393,
                         0.84313, 0.87804, 0.9147,  0.99674, 1.09624, 1.21844, 1.3703,  1.56756, 1.83289, 1745.6114};
    const double ys[] = {0.0,     0.00022, 0.00025, 0.00029, 0.00033, 0.00038, 0.00044, 0.00052, 0.00063, 0.00095,
                         0.00233, 0.00794, 0.02806, 0.08972, 0.24278, 0.36944, 0.525,   0.625,   0.69444, 0.76111,
                         0.86111, 1.01944, 1.20556, 1.46944, 1.56667, 0.93333, 0.98056, 0.83611, 0.78056, 0.78056};
    return ys[r - 1] + (x - xs[r - 1]) / (xs[r] - xs[r - 1]) * (ys[r] - ys[r - 1]);
}

TEST(TankerDrift, LegacySurgeAndYawPowerLawsWithTheCap) {
    struct Case {
        Real x;
        double expected;
    };
    const Case cases[] = {
        {0.8f, 0.9102608},  {-0.8f, 0.9102608}, {0.9f, 2.275 * std::pow(0.9, 4.105)},
        {0.95f, 1.67},      {1.0f, 1.67},       {1.03f, 1.67},
        {1.2f, 1.03 / std::pow(1.2, 11.4) + 1}, {1.3f, 1.051747}, {-1.3f, 1.051747},
        {0.0f, 0.0},
    };
    for (const Case& c : cases) {
        for (Int comp : {1, 3}) {
            EXPECT_NEAR(DRFTCA(comp, c.x, 7.0f, 2, 3.0f), c.expected, 1e-5 * std::max(1.0, c.expected))
                << "X " << c.x << " component " << comp;
        }
    }
}

TEST(TankerDrift, SwayFactorIsTheBesselRatio) {
    // Type 2 at s = X^2; type 6 at s = 0.75 FRQFAC X^2, scaled by RELMRAT below 0.67139286.
    EXPECT_NEAR(DRFTCA(2, 0.7f, 1.0f, 2, 0.3f), sway_ratio(0.49), 1e-4 * sway_ratio(0.49));
    EXPECT_NEAR(DRFTCA(2, 0.7f, 1.0f, 2, 0.3f), 0.1787744, 2e-5);
    EXPECT_NEAR(DRFTCA(2, -0.7f, 1.0f, 2, 1.0f), sway_ratio(0.49), 1e-4 * sway_ratio(0.49));
    const double x1599 = std::sqrt(15.99);
    EXPECT_NEAR(DRFTCA(2, static_cast<Real>(x1599), 1.0f, 2, 1.0f), sway_ratio(15.99), 1e-5);
    EXPECT_EQ(DRFTCA(2, 4.0f, 1.0f, 2, 1.0f), 1.0f);
    EXPECT_NEAR(DRFTCA(6, 0.8f, 1.0f, 6, 0.5f), 0.5 * sway_ratio(0.48), 1e-4 * 0.5 * sway_ratio(0.48));
    EXPECT_NEAR(DRFTCA(6, 0.8f, 1.0f, 6, 0.5f), 0.08256225, 1e-5);
    EXPECT_NEAR(DRFTCA(2, 1.2f, 1.0f, 6, 0.5f), sway_ratio(1.08), 1e-4);  // s 1.08: not scaled
    EXPECT_NEAR(DRFTCA(2, 1.2f, 1.0f, 6, 0.5f), 0.9324053, 1e-5);
    // Just either side of the scaling threshold (FRQFAC 1: X^2 0.75 against 0.67139286).
    EXPECT_NEAR(DRFTCA(2, 0.94f, 1.0f, 6, 0.5f), 0.5 * sway_ratio(0.94 * 0.94 * 0.75), 1e-4);
    EXPECT_NEAR(DRFTCA(2, 0.95f, 1.0f, 6, 0.5f), sway_ratio(0.95 * 0.95 * 0.75), 1e-4);
    // From X^2 = 16 on the factor is 1, never scaled, whatever FRQFAC makes of s.
    EXPECT_EQ(DRFTCA(2, 4.0f, 0.1f, 6, 0.5f), 1.0f);
    // No frequency: I1(0) = 0 and K1 infinite, the ratio's limit 0 (never 0 / 0).
    EXPECT_EQ(DRFTCA(2, 0.0f, 1.0f, 2, 1.0f), 0.0f);
    EXPECT_EQ(DRFTCA(2, 0.9f, 0.0f, 6, 1.0f), 0.0f);
}

TEST(TankerDrift, Type2001SurgeAndYawFromTheTable) {
    EXPECT_NEAR(DRFTCA(1, 0.6f, 1.0f, 6, 9.0f), table_line(11, 0.6), 1e-7);
    EXPECT_NEAR(DRFTCA(1, 0.6f, 1.0f, 6, 9.0f), 0.006293783, 1e-8);
    EXPECT_NEAR(DRFTCA(3, 0.6f, 1.0f, 6, 9.0f), table_line(8, 0.6 * 0.842), 1e-7);
    EXPECT_NEAR(DRFTCA(3, 0.6f, 1.0f, 6, 9.0f), 0.0005488812, 1e-8);
    // The frequency factor scales X; a negative X counts as its magnitude.
    EXPECT_NEAR(DRFTCA(1, -0.3f, 2.0f, 6, 9.0f), table_line(11, 0.6), 1e-7);
    EXPECT_EQ(DRFTCA(1, 0.6f, 0.0f, 6, 9.0f), 0.0f);
    // Above 1 the power law and the cap, as for the legacy tanker.
    EXPECT_NEAR(DRFTCA(1, 1.3f, 1.0f, 6, 9.0f), 1.051747, 1e-5);
    EXPECT_EQ(DRFTCA(1, 1.01f, 1.0f, 6, 9.0f), 1.67f);
}

TEST(TankerDrift, TableRowsComeBackExactly) {
    for (int r = 0; r < kWamitRows; ++r) {
        EXPECT_EQ(WAMIT_DFCX(WAMIT_XARRAY[r]), WAMIT_DFCXARR[r]) << "row " << r + 1;
    }
    EXPECT_NEAR(WAMIT_DFCX(0.95f), 1.319102, 1e-6);
    EXPECT_NEAR(WAMIT_DFCX(0.95f), table_line(23, 0.95), 1e-6);
    EXPECT_EQ(WAMIT_DFCX(3.0f), 0.78056f);  // flat to the far end
    EXPECT_NEAR(WAMIT_DFCX(0.2f), table_line(1, 0.2), 1e-9);
}

}  // namespace
}  // namespace brevant
