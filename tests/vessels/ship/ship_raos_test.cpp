// SHPRAO on the box: the long-wave limits of the whole chain (heave follows the surface, surge and
// sway follow the particle orbit coth(k h) with a 90 degree lag, roll and pitch the wave slope),
// the single-mode oscillator at resonance with a given period and damping, and finite RAOs where a
// following wave is met at zero encounter frequency.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "vessels/ship/ship_box_fixture.h"
#include "vessels/ship/ship_hull.h"

namespace brevant {
namespace {

class ShipRaos : public testing::ShipBoxTest {
protected:
    // The refresh of one heading: characteristics, resonance pass, all-periods pass, RAOs.
    static void refresh(float heading) {
        set_heading(heading);
        SHPCHR();
        Int pass = 0;
        SHPFRC(pass);
        pass = 5;
        SHPFRC(pass);
        SHPRAO();
    }
    static double phase_deg(Complex c) {
        return std::atan2(static_cast<double>(c.imag()), static_cast<double>(c.real())) * 180.0 / std::numbers::pi;
    }
};

TEST_F(ShipRaos, LongWavesFollowTheSurface) {
    std::vector<float> periods;
    for (int t = 4; t <= 25; ++t) periods.push_back(static_cast<float>(t));
    periods.push_back(150.0f);
    set_grid(periods, 600.0f);
    const int j = 23;
    const double kh = testing::dispersion_kh(6.2831855 / 150.0, 600.0, 32.152);
    ASSERT_NEAR(kh, 0.181944, 1e-6);
    const double coth = 1.0 / std::tanh(kh);
    const double k = kh / 600.0;

    refresh(0.0f);
    EXPECT_EQ(HIMEM.IW, 24);
    EXPECT_NEAR(std::abs(pool(3, j)), 1.0, 0.01);
    EXPECT_NEAR(std::abs(pool(1, j)), coth, 0.01 * coth);
    EXPECT_NEAR(coth, 5.557, 1e-3);
    EXPECT_NEAR(phase_deg(pool(1, j)), -90.0, 1.0);
    EXPECT_NEAR(static_cast<double>(std::abs(pool(5, j))) / k, 1.0, 0.02);  // pitch: the wave slope

    clear_forces();
    refresh(90.0f);
    EXPECT_NEAR(std::abs(pool(3, j)), 1.0, 0.01);
    EXPECT_NEAR(std::abs(pool(2, j)), coth, 0.01 * coth);
    EXPECT_NEAR(phase_deg(pool(2, j)), -90.0, 1.0);
    EXPECT_NEAR(static_cast<double>(std::abs(pool(4, j))) / k, 1.0, 0.02);  // roll: the wave slope
}

// A given natural period on a grid point and a given damping of p percent: at resonance the RAO is
// S F / (i 0.02 p), S = 1 for heave and k for the rotations.
TEST_F(ShipRaos, GivenPeriodAndDampingAtResonance) {
    set_heading(45.0f);
    TPCM.LHVPRD = 1;
    TPCM.HEVPRD = 10.0f;
    TPCM.LHVDMP = 1;
    TPCM.HVDAMP = 5.0f;
    TPCM.LPTPRD = 1;
    TPCM.PITPRD = 8.0f;
    TPCM.LPTDMP = 1;
    TPCM.PTDAMP = 4.0f;
    TPCM.LRLPRD = 1;
    TPCM.ROLPRD = 15.0f;
    TPCM.LRLDMP = 1;
    TPCM.RLDAMP = 2.0f;
    SHPCHR();
    Int pass = 0;
    SHPFRC(pass);
    pass = 5;
    SHPFRC(pass);
    struct Case {
        int mode, j;
        float percent;
        bool rotation;
    };
    const Case cases[] = {{3, 7, 5.0f, false}, {5, 5, 4.0f, true}, {4, 12, 2.0f, true}};
    Complex before[3];
    for (int i = 0; i < 3; ++i) before[i] = pool(cases[i].mode, cases[i].j);
    SHPRAO();
    for (int i = 0; i < 3; ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.mode);
        const float S = c.rotation ? HIMEM.RLDUM(HIMEM.LCNWK + c.j - 1) : 1.0f;
        const Complex want = S * before[i] / Complex(0.0f, 0.02f * c.percent);
        EXPECT_NEAR(pool(c.mode, c.j).real(), want.real(), 1e-5f * std::abs(want));
        EXPECT_NEAR(pool(c.mode, c.j).imag(), want.imag(), 1e-5f * std::abs(want));
    }
    // Heave: -10 i times the force.
    EXPECT_NEAR(std::abs(pool(3, 7)), std::abs(before[0]) / (0.02f * 5.0f), 1e-5f * std::abs(pool(3, 7)));
}

// Speed 2 along a wave of omega 0.5, k 0.25: the hull meets it at zero frequency.
TEST_F(ShipRaos, ZeroEncounterFrequencyStaysFinite) {
    set_grid_point(5, 0.5f, 0.25f);
    TPCM.VFWD = 2.0f;
    for (float heading : {0.0f, 20.0f}) {
        SCOPED_TRACE(heading);
        refresh(heading);
        for (int mode = 1; mode <= 6; ++mode)
            for (int j = 1; j <= TPCM.NWP; ++j) {
                EXPECT_TRUE(std::isfinite(pool(mode, j).real())) << mode << " " << j;
                EXPECT_TRUE(std::isfinite(pool(mode, j).imag())) << mode << " " << j;
            }
    }
}

// Without speed the heading does not change the encounter frequency: head and following seas
// give mirror-image forces and RAOs of the same magnitude in heave.
TEST_F(ShipRaos, WithoutSpeedHeadAndFollowingSeasMatchInHeave) {
    refresh(0.0f);
    std::vector<float> head;
    for (int j = 1; j <= TPCM.NWP; ++j) head.push_back(std::abs(pool(3, j)));
    clear_forces();
    TPCM.VGLDIR = 77.0f;  // the course does not matter without speed
    refresh(180.0f);
    for (int j = 1; j <= TPCM.NWP; ++j) EXPECT_NEAR(std::abs(pool(3, j)), head[j - 1], 1e-5f * head[j - 1]) << j;
}

}  // namespace
}  // namespace brevant
