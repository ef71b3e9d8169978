// SHPFRC and GETGAM on the box: the roll damping law in closed form, the report scales, the
// resonance pass's bookkeeping (speed restored bit for bit, the damping inputs, the wave slope from
// an independent dispersion solver), PASCOM only for the dominant heading, head-sea symmetry, and
// finite forces where the encounter frequency vanishes or the pitch damping fit underflows.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include "e2e/e2e_support.h"
#include "sysutl/program_end.h"
#include "vessels/ship/ship_box_fixture.h"
#include "vessels/ship/ship_fits.h"
#include "vessels/ship/ship_forces.h"
#include "vessels/ship/ship_hull.h"

namespace brevant {
namespace {

using e2e::count_of;

TEST(ShipRollDamping, ClosedForm) {
    const float half_pi = 1.5707964f;
    const float g0 = 0.025f * (0.424f * std::sqrt(75.0f) + 0.576f);
    struct Case {
        const char* what;
        float rslope, theta, blgfac;
        Int lkeel;
        float tkeel, dkeel;
        float want;
    };
    const Case cases[] = {
        {"beam seas, no keels", 0.05f, half_pi, 1.0f, 0, 0.0f, 0.0f, 0.1061987f},
        {"no slope", 0.0f, half_pi, 1.0f, 0, 0.0f, 0.0f, 0.025f},
        {"no slope, head seas", 0.0f, 0.0f, 1.0f, 0, 0.0f, 0.0f, 0.025f},
        {"keels over the whole length, oblique", 0.05f, 0.3f, 0.2f, 1, 100.0f, 3.0f, g0},
        {"keels over the whole length, head seas", 0.05f, 0.0f, 0.0f, 1, 100.0f, -2.0f, g0},
        {"keels without a keel distance: no blend", 0.05f, half_pi, 1.0f, 1, 100.0f, 0.0f, 0.1061987f},
        {"head seas, no keels", 0.05f, 0.0f, 1.0f, 0, 0.0f, 0.0f, 0.025f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        float GAMRLI = -1.0f;
        GETGAM(GAMRLI, c.theta, 0.1f, 0.25f, c.rslope, 0.5f, c.blgfac, 1.85f, 100.0f, c.lkeel, c.tkeel, c.dkeel);
        EXPECT_NEAR(GAMRLI, c.want, 2e-7f);
    }
    // Keels over half the length: the mean of the two laws.
    float half = 0.0f;
    GETGAM(half, 0.0f, 0.1f, 0.25f, 0.05f, 0.5f, 1.0f, 1.85f, 100.0f, 1, 50.0f, 3.0f);
    EXPECT_NEAR(half, 0.5f * (0.025f + g0), 2e-7f);
}

class ShipForces : public testing::ShipBoxTest {
protected:
    void SetUp() override {
        ShipBoxTest::SetUp();
        set_heading(0.0f);
        SHPCHR();
    }
    static bool all_finite() {
        for (int mode = 1; mode <= 6; ++mode)
            for (int j = 1; j <= TPCM.NWP; ++j) {
                const Complex f = pool(mode, j);
                if (!std::isfinite(f.real()) || !std::isfinite(f.imag())) return false;
            }
        return true;
    }
};

TEST_F(ShipForces, HeadSeasOnTheBox) {
    Int pass = 0;
    SHPFRC(pass);
    pass = 5;
    SHPFRC(pass);
    EXPECT_EQ(HIMEM.IW, TPCM.NWP + 1);
    EXPECT_TRUE(all_finite());
    for (int j = 1; j <= TPCM.NWP; ++j) {
        SCOPED_TRACE(j);
        const float surge = std::abs(pool(1, j));
        const float pitch = std::abs(pool(5, j));
        ASSERT_GT(surge, 0.0f);
        ASSERT_GT(pitch, 0.0f);
        for (int mode : {2, 4, 6}) {
            EXPECT_LT(std::abs(pool(mode, j)), 1e-6f * surge) << mode;
            EXPECT_LT(std::abs(pool(mode, j)), 1e-6f * pitch) << mode;
        }
    }
    const float want[6] = {11.17011f, 11.17011f, 128.0f, 46.54213f, 1833.760f, 1833.760f};
    for (int i = 1; i <= 6; ++i) EXPECT_NEAR(HIMEM.SCALE(i), want[i - 1], 1e-5f * want[i - 1]) << i;
    EXPECT_FLOAT_EQ(HIMEM.SDEPTH, 1000.0f / HIMEM.EDRAFT);
    EXPECT_FLOAT_EQ(HIMEM.BLRAT2, HIMEM.BLRAT * HIMEM.BLRAT);
    EXPECT_EQ(screen(), "");
}

// Deep water, head seas, a long period: the Froude-Krylov heave of a box normalised by the water
// plane's hydrostatic force, e^(-kT) sin(kL/2) / (kL/2), is the leading term of the heave force.
TEST_F(ShipForces, HeaveIsFroudeKrylovLessTheAddedMass) {
    Int pass = 0;
    SHPFRC(pass);
    pass = 5;
    SHPFRC(pass);
    const int j = 7;  // 10 s, k h = 12.3: deep water
    const double k = static_cast<double>(HIMEM.RLDUM(HIMEM.LCNWK + j - 1));
    const double w = static_cast<double>(HIMEM.RLDUM(HIMEM.LCNW + j - 1));
    const double T = static_cast<double>(HIMEM.EDRAFT), L = static_cast<double>(HIMEM.SHIPL);
    const double fk = std::exp(-k * T) * std::sin(k * L / 2) / (k * L / 2);
    // The added-mass correction at the effective depth T + 0.212 R, R = 1 / sqrt(1/B^2 + 1/L^2).
    const double B = static_cast<double>(HIMEM.BEAM);
    const double R = 1.0 / std::sqrt(1.0 / (B * B) + 1.0 / (L * L));
    float A33, A55, B33, B55;
    DPMAS0(A33, A55, B33, B55, static_cast<float>(w), static_cast<float>(k) * HIMEM.SHIPL2, HIMEM.HCONST, HIMEM.HMAS0,
           HIMEM.HMSRAT, HIMEM.PCONST, HIMEM.PMAS0, HIMEM.PMSRAT);
    const double am = std::exp(-k * (T + 0.212 * R)) * static_cast<double>(A33) * w * w /
                      (static_cast<double>(TPCM.AWP) * 32.152);
    const double sinc = std::sin(k * L / 2) / (k * L / 2);
    EXPECT_NEAR(static_cast<double>(pool(3, j).real()), fk - sinc * am, 1e-5);
}

TEST_F(ShipForces, ResonancePassFixesTheDampingAndRestoresTheSpeed) {
    for (Int pass : {0, -1}) {
        SCOPED_TRACE(pass);
        TPCM.VFWD = 7.5f;
        TPCM.LSLPHT = 0;
        TPCM.SLPHT = 10.0f;
        const std::uint32_t before = std::bit_cast<std::uint32_t>(TPCM.VFWD);
        Int NPASS2 = pass;
        SHPFRC(NPASS2);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(TPCM.VFWD), before);
        EXPECT_EQ(HIMEM.IW, HIMEM.JR + 1);
        // Only the roll grid point is written.
        for (int j = 1; j <= TPCM.NWP; ++j)
            if (j != HIMEM.JR) {
                EXPECT_EQ(pool(4, j), Complex(0.0f, 0.0f)) << j;
            }
        EXPECT_EQ(HIMEM.TQFAC, std::fabs(pool(4, HIMEM.JR).imag()));
        // Wave slope k H / 2 at the roll natural frequency.
        const double kh = testing::dispersion_kh(static_cast<double>(HIMEM.WR), 1000.0, 32.152);
        EXPECT_NEAR(static_cast<double>(HIMEM.RSLOPE), kh * 10.0 / 2000.0, 1e-4 * kh * 10.0 / 2000.0);
        EXPECT_EQ(HIMEM.RMASRT, HIMEM.RMAS1 / HIMEM.ROLI);
        const float base = 1.0f - TPCM.BILGR / std::sqrt(HIMEM.BEAM2 * HIMEM.BEAM2 + HIMEM.VTCRR * HIMEM.VTCRR);
        EXPECT_FLOAT_EQ(HIMEM.BLGFAC, std::pow(base, 5.0f));
        EXPECT_EQ(HIMEM.GAMROL, HIMEM.GAMRLI);
        float want = 0.0f;
        GETGAM(want, 1.5707964f, 0.1f, HIMEM.RMASRT, HIMEM.RSLOPE, HIMEM.TQFAC, HIMEM.BLGFAC, 1.85f, HIMEM.SHIPL, 0,
               0.0f, 0.0f);
        EXPECT_EQ(HIMEM.GAMROL, want);
        EXPECT_GT(HIMEM.GAMROL, 0.1f * HIMEM.RMASRT);
        TPCM.BILGR = 2.0f;
        clear_forces();
    }
    // Waves given by slope, in degrees.
    TPCM.LSLPHT = 1;
    TPCM.SLPHT = 3.0f;
    Int NPASS2 = 0;
    SHPFRC(NPASS2);
    EXPECT_EQ(HIMEM.RSLOPE, 3.0f / 57.29578f);
}

// A bilge radius beyond the reach of the roll centre would make the damping law take the root of a
// negative number; the factor stops at 0 and the damping is the linear part alone.
TEST_F(ShipForces, HugeBilgeRadiusGivesNoBilgeTerm) {
    TPCM.BILGR = 1000.0f;
    TPCM.SLPHT = 30.0f;
    Int NPASS2 = 0;
    SHPFRC(NPASS2);
    EXPECT_EQ(HIMEM.BLGFAC, 0.0f);
    EXPECT_FLOAT_EQ(HIMEM.GAMROL, 0.1f * HIMEM.RMASRT);
}

TEST_F(ShipForces, ResultsRecordOnlyForTheDominantHeading) {
    Int pass = 0;
    SHPFRC(pass);
    PASCOM.ROLGAM = 9.0f;
    std::vector<unsigned char> before(sizeof(Pascom));
    std::memcpy(before.data(), &PASCOM, sizeof(Pascom));
    WAVCOM.IRAO = 2;
    WAVCOM.BIGWVS = 1;
    HIMEM.RAOANG(2) = 30.0f;
    pass = 5;
    SHPFRC(pass);
    EXPECT_EQ(std::memcmp(before.data(), &PASCOM, sizeof(Pascom)), 0);

    WAVCOM.BIGWVS = 2;
    SHPFRC(pass);
    EXPECT_EQ(PASCOM.ROLGAM, HIMEM.GAMRLI);
    EXPECT_EQ(PASCOM.WFROLF, HIMEM.WR);
    EXPECT_EQ(PASCOM.ROLSPR, HIMEM.GMT * TPCM.DISPL);
    EXPECT_EQ(PASCOM.ROLARM, HIMEM.VTCRR);
}

TEST_F(ShipForces, NoPeriodsWriteNoForce) {
    Int pass = 0;
    SHPFRC(pass);
    clear_forces();
    TPCM.NWP = 0;
    pass = 5;
    SHPFRC(pass);
    EXPECT_EQ(HIMEM.IW, 1);
    for (int j = 1; j <= 22; ++j)
        for (int mode = 1; mode <= 6; ++mode) EXPECT_EQ(pool(mode, j), Complex(0.0f, 0.0f));
}

// Under way: a following wave met at zero encounter frequency (omega 0.5, k 0.25, speed 2 along the
// waves), and a wave short enough for the pitch damping fit to underflow (k L/2 = 200).
TEST_F(ShipForces, UnderWayEveryForceStaysFinite) {
    Int pass = 0;
    SHPFRC(pass);
    set_grid_point(3, 0.5f, 0.25f);
    set_grid_point(4, std::sqrt(32.152f * 4.0f), 4.0f);
    ASSERT_EQ(PDMP(4.0f * HIMEM.SHIPL2), 0.0f);
    TPCM.VFWD = 2.0f;
    for (float heading : {0.0f, 30.0f, 180.0f}) {
        SCOPED_TRACE(heading);
        set_heading(heading);
        pass = 5;
        SHPFRC(pass);
        EXPECT_TRUE(all_finite());
    }
    // Head seas at speed: the pitch damping part survives the underflow of its zero-speed fit.
    set_heading(0.0f);
    SHPFRC(pass);
    EXPECT_NE(pool(5, 4).real(), 0.0f);
}

TEST_F(ShipForces, TraceLinesUnderDebug) {
    TPCM.NBUG = 1;
    Int pass = 0;
    SHPFRC(pass);
    const std::string s = screen();
    EXPECT_EQ(count_of(s, " LW,LWK\n"), 1u);
    EXPECT_EQ(count_of(s, " RLDUM(LW),RLDUM(LWK),WENC,VCOMP,XSCALE,EDRAFT,XMSDMP\n"), 1u);
    EXPECT_EQ(count_of(s, " ENHANCEMENT FACTORS AND ADDED MASS COEFFS\n"), 1u);
}

}  // namespace
}  // namespace brevant
