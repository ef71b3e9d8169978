// The disc buoy's fitted curves against their closed forms at 0 and 1 and their large-argument limits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "vessels/disc/disc_fits.h"

namespace brevant {
namespace {

struct FitCase {
    const char* name;
    Real (*fit)(Real);
    float y;
    float expected;
};

TEST(DiscFits, ValuesAtZeroAndOne) {
    const FitCase cases[] = {
        {"PMASD(0)", PMASD, 0.0f, 0.199f},       {"RMASD(0)", RMASD, 0.0f, 0.199f},
        {"HMASD(0)", HMASD, 0.0f, 2.7f},         {"SMASD(-3.7)", SMASD, -3.7f, 0.15f},
        {"SDMPD(0)", SDMPD, 0.0f, 0.0f},         {"PDMPD(0)", PDMPD, 0.0f, 0.0f},
        {"RDMPD(0)", RDMPD, 0.0f, 0.0f},         {"HDMPD(0)", HDMPD, 0.0f, 0.0f},
        {"HDMPD(1)", HDMPD, 1.0f, 0.9136151f},   {"SDMPD(1)", SDMPD, 1.0f, 0.0813285f},
        {"PDMPD(1)", PDMPD, 1.0f, 0.0582812f},   {"RDMPD(1)", RDMPD, 1.0f, 0.0582812f},
        {"PMASD(1)", PMASD, 1.0f, 0.2276889f},   {"RMASD(1)", RMASD, 1.0f, 0.2276889f},
        {"HMASD(1)", HMASD, 1.0f, 1.4998877f},
    };
    for (const FitCase& c : cases) EXPECT_NEAR(c.fit(c.y), c.expected, 1e-6f) << c.name;
    // Closed forms at 1, independently of our constants table.
    EXPECT_NEAR(HDMPD(1.0f), 4.92 / std::pow(2.0, 2.429), 1e-6);
    EXPECT_NEAR(SDMPD(1.0f), 0.181 * std::exp(-0.8), 1e-7);
    EXPECT_NEAR(PDMPD(1.0f), 0.151 * std::exp(-0.952), 1e-7);
}

TEST(DiscFits, LargeArgumentLimits) {
    EXPECT_NEAR(PMASD(60.0f), 0.11f, 1e-7f);
    EXPECT_NEAR(RMASD(60.0f), 0.11f, 1e-7f);
    EXPECT_NEAR(HMASD(60.0f), 1.0f, 1e-7f);
    EXPECT_NEAR(SDMPD(200.0f), 0.0f, 1e-30f);
    // So far out that y^2 overflows while the exponential is long 0 (the shortest waves of a period
    // table on a large buoy): the limits, where the formula as written gives 0 x Infinity.
    for (const float y : {2.0e19f, 1.0e30f, std::numeric_limits<float>::max()}) {
        EXPECT_EQ(SDMPD(y), 0.0f) << y;
        EXPECT_EQ(PDMPD(y), 0.0f) << y;
        EXPECT_EQ(RDMPD(y), 0.0f) << y;
        EXPECT_EQ(PMASD(y), 0.11f) << y;
        EXPECT_EQ(RMASD(y), 0.11f) << y;
    }
    EXPECT_TRUE(std::isnan(PDMPD(std::numeric_limits<float>::quiet_NaN())));
    // The heave damping decays as y^-1.429.
    EXPECT_NEAR(HDMPD(1.0e6f) / HDMPD(2.0e6f), std::pow(2.0, 1.429), 1e-4);
    EXPECT_NEAR(HDMPD(1000.0f) / HDMPD(2000.0f), 0.5 * std::pow(2001.0 / 1001.0, 2.429), 1e-5);
}

}  // namespace
}  // namespace brevant
