// Relative motions and drag-transfer arrays: a fixed vessel against the incident wave in closed form
// for each hull, the member-built hull's diameter weighting, the depth factor's two forms, the turret
// reference point, the statistics folded over wave systems, and the refused wave-system number.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "numeric/grid_integrals.h"
#include "numeric/spectrum_stats.h"
#include "rao_pool_fixture.h"
#include "records/member_table.h"
#include "veslib/relative_motions.h"

namespace brevant {
namespace {

class RelativeMotions : public testing::RaoPoolTest {
protected:
    void SetUp() override {
        RaoPoolTest::SetUp();
        reset_simcom();
        TPCM.DEPTH = 100.0f;
        TPCM.LWL = 200.0f;
        TPCM.BWL = 40.0f;
        TPCM.DRAFT = 10.0f;
        TPCM.VKG = 12.0f;
        TPCM.SIMTYP = 16;
        TPCM.LRANDM = 1;
        HIMEM.VTCRP = 12.0f;
        HIMEM.VTCRR = 12.0f;
    }
    void TearDown() override {
        reset_simcom();
        RaoPoolTest::TearDown();
    }
    // One grid point at 12 s in 100 ft of water, k from an independent double-precision solver.
    void twelve_seconds() {
        omega_ = 2.0 * M_PI / 12.0;
        kh_ = testing::dispersion_kh(omega_, 100.0, 32.152);
        set_grid({{static_cast<float>(omega_), static_cast<float>(kh_ / 100.0)}});
        coth2_ = 1.0 / (std::tanh(kh_) * std::tanh(kh_));
    }
    double omega_ = 0, kh_ = 0, coth2_ = 0;
};

TEST_F(RelativeMotions, FixedVesselOfAnotherHullSeesTheWaveParticleMotion) {
    twelve_seconds();
    EXPECT_NEAR(kh_, 1.076675, 1e-6);
    TPCM.VESTYP = 3;
    set_heading(30.0f);
    PASCOM.HRAO(1, 1) = 5.0f;
    RELRAO(0.3f, 0, 1);
    const double w2c2 = omega_ * omega_ * coth2_;
    EXPECT_NEAR(PASCOM.RLRAO2(1, 1), w2c2 * std::cos(M_PI / 6), 1e-4 * 0.378546);
    EXPECT_NEAR(PASCOM.RLRAO2(1, 1), 0.378546, 1e-4 * 0.378546);
    EXPECT_NEAR(PASCOM.FDRGLAT(1, 1), 0.218554, 1e-4 * 0.218554);
    EXPECT_NEAR(PASCOM.RLRAOH2(1, 1), 1.594375, 1e-4 * 1.594375);
    EXPECT_NEAR(PASCOM.RLRAOH2(1, 1), coth2_, 1e-4 * coth2_);
    EXPECT_EQ(PASCOM.HRAO(1, 1), 0.0f);
    EXPECT_EQ(PASCOM.MDRGLAT(1, 1), 0.0f);
    EXPECT_EQ(HIMEM.IW, 2);
    // Only column 1 was written.
    EXPECT_EQ(PASCOM.RLRAO2(1, 2), 0.0f);
}

TEST_F(RelativeMotions, FixedShipInBeamSeasSumsItsStationsWithSimpsonWeights) {
    twelve_seconds();
    TPCM.VESTYP = 1;
    set_heading(90.0f);
    PASCOM.HRAO(1, 2) = 5.0f;
    PASCOM.RLRAOH2(1, 2) = 7.0f;
    RELRAO(0.0f, 0, 2);
    EXPECT_NEAR(PASCOM.FDRGLAT(1, 2), 0.8 * omega_ * omega_ * coth2_, 1e-4 * 0.349686);
    EXPECT_NEAR(PASCOM.FDRGLAT(1, 2), 0.349686, 1e-4 * 0.349686);
    EXPECT_EQ(PASCOM.RLRAOH2(1, 2), 0.0f);
    EXPECT_EQ(PASCOM.HRAO(1, 2), 5.0f);
    // Stations symmetric about midships with a uniform wave across them: no yaw moment.
    EXPECT_NEAR(PASCOM.MDRGLAT(1, 2), 0.0f, 1e-6f);
    // In beam seas the bow sees no longitudinal particle motion.
    EXPECT_NEAR(PASCOM.RLRAO2(1, 2), 0.0f, 1e-6f);
}

TEST_F(RelativeMotions, MemberBuiltHullWeightsPiercingMembersByDiameter) {
    // Head seas, a surge of 0.5 and two piercing members: at x = 0 the wave is (1, 0), at
    // k x = pi/2 it is (0, -1), so |surge + i coth E|^2 is 0.25 + coth^2 and (0.5 + coth)^2.
    twelve_seconds();
    TPCM.VESTYP = 3;
    TPCM.SEMI_LIKE = 1;
    TPCM.LWVCOF = 7;
    const double k = kh_ / 100.0;
    TPCM.NCYL = 3;
    const double d1 = 4.0, d2 = 10.0;
    TPCM.XAREA(1) = static_cast<float>(M_PI * d1 * d1 / 4.0);
    TPCM.XAREA(2) = static_cast<float>(M_PI * d2 * d2 / 4.0);
    TPCM.XAREA(3) = 1000.0f;  // dry: not counted
    SIMCOM.LPIERCE(1) = 1;
    SIMCOM.LPIERCE(2) = 1;
    // Member 2: base at x = 0, tip after its length along x at k x = pi/2.
    SIMCOM.CYLLEN(2) = static_cast<float>(M_PI / 2.0 / k);
    SIMCOM.DIRVEC(1, 2) = 1.0f;
    set_heading(0.0f);
    for (int j = 1; j <= 6; ++j) HIMEM.SEARAO(1, j) = Complex(0.0f, 0.0f);
    HIMEM.SGRAO(1) = Complex(0.5f, 0.0f);
    RELRAO(0.0f, 0, 1);
    const double coth = std::sqrt(coth2_);
    const double h2 = (d1 * (0.25 + coth2_) + d2 * (0.5 + coth) * (0.5 + coth)) / (d1 + d2);
    EXPECT_NEAR(PASCOM.RLRAOH2(1, 1), h2, 1e-4 * h2);
    EXPECT_NEAR(PASCOM.RLRAO2(1, 1), omega_ * omega_ * h2, 1e-4 * h2);
    EXPECT_NEAR(PASCOM.FDRGLAT(1, 1), 0.0f, 1e-6f);
    EXPECT_NEAR(PASCOM.HRAO(1, 1), 0.5f, 1e-6f);

    // No piercing member: zero arrays (the diameter sum taken as 1).
    SIMCOM.LPIERCE(1) = 0;
    SIMCOM.LPIERCE(2) = 0;
    RELRAO(0.0f, 0, 1);
    EXPECT_EQ(PASCOM.RLRAOH2(1, 1), 0.0f);
    EXPECT_EQ(PASCOM.RLRAO2(1, 1), 0.0f);

    // Without a member wave-drift model the hull counts as any other: the wave at the origin.
    TPCM.LWVCOF = 2;
    RELRAO(0.0f, 0, 1);
    EXPECT_NEAR(PASCOM.RLRAOH2(1, 1), 0.25 + coth2_, 1e-4 * coth2_);
}

// A five-point grid with two spectra of different peaks.
class RelativeMotionStatistics : public RelativeMotions {
protected:
    void SetUp() override {
        RelativeMotions::SetUp();
        std::vector<Point> grid;
        for (int t = 6; t <= 14; t += 2) {
            const double w = 2.0 * M_PI / t;
            grid.push_back({static_cast<float>(w), static_cast<float>(testing::dispersion_kh(w, 100.0, 32.152) / 100.0)});
        }
        set_grid(grid);
        const float sea[5] = {1.0f, 3.0f, 2.0f, 1.0f, 0.5f};
        const float swell[5] = {0.1f, 0.2f, 0.5f, 2.0f, 1.0f};
        for (int j = 1; j <= 5; ++j) {
            WAVCOM.WPSD(j) = sea[j - 1];
            WAVCOM.SWLPSD(j) = swell[j - 1];
            HIMEM.SGRAO(j) = Complex(0.2f * static_cast<float>(j), 0.1f);
            HIMEM.HVRAO(j) = Complex(1.0f, 0.0f);
        }
        TPCM.VESTYP = 3;
        set_heading(0.0f);
    }
    // The surge variance of a wave system at the centre of gravity (VKG = VTCRP).
    static double surge_variance(const FArray<Real, 100>& psd) {
        FArray<Real, 100> r{};
        for (int j = 1; j <= 5; ++j) r(j) = psd(j) * std::norm(HIMEM.SGRAO(j));
        Real var = 0, vardot = 0;
        SMPINT(r.data(), var, vardot);
        return var;
    }
};

TEST_F(RelativeMotionStatistics, SeaAndSwellCombineAsIndependentProcesses) {
    RELRAO(0.0f, 1, 1);
    const Real tpeak_sea = PASCOM.VXTPEAK;
    const Real bw_sea = PASCOM.VXBANDW;
    EXPECT_GT(tpeak_sea, 0.0f);
    RELRAO(0.0f, 1, 2);
    const double expected = std::sqrt(surge_variance(WAVCOM.WPSD) + surge_variance(WAVCOM.SWLPSD));
    EXPECT_NEAR(PASCOM.WSGRMS, expected, 1e-5 * expected);
    EXPECT_EQ(PASCOM.VXTPEAK, tpeak_sea);
    EXPECT_EQ(PASCOM.VXBANDW, bw_sea);
    // Heave 1 at the centre of gravity: its covariance with the wave is the spectrum's variance, summed.
    Real m0sea = 0, m0swl = 0, dot = 0;
    SMPINT(WAVCOM.WPSD.data(), m0sea, dot);
    SMPINT(WAVCOM.SWLPSD.data(), m0swl, dot);
    const double m0 = static_cast<double>(m0sea) + static_cast<double>(m0swl);
    EXPECT_GT(m0, 1.0);
    EXPECT_NEAR(PASCOM.GWSIG2_X, m0, 1e-5 * m0);
    // ... and the hull that follows the wave has no relative motion at the reference point.
    EXPECT_NEAR(PASCOM.GWSIG2, 0.0f, 1e-6f);
}

TEST_F(RelativeMotionStatistics, WithIrregularWavesOffTheSwellGivesPeakAndBandwidth) {
    TPCM.LRANDM = 0;
    RELRAO(0.0f, 1, 2);
    const Real tpeak_swell = PASCOM.VXTPEAK;
    RELRAO(0.0f, 1, 1);
    EXPECT_EQ(PASCOM.VXTPEAK, tpeak_swell);
    // The swell peaks at 12 s, the sea at 8 s: the swell's period survived the sea call.
    EXPECT_GT(tpeak_swell, 10.0f);
}

TEST_F(RelativeMotionStatistics, WithoutStatisticsOnlyThePerFrequencyArraysChange) {
    PASCOM.WSGRMS = 3.0f;
    PASCOM.WVBANDW = 0.25f;
    PASCOM.BOW_Z_VAR = 1.5f;
    const Pascom before = PASCOM;
    RELRAO(0.0f, 0, 1);
    constexpr std::size_t first = offsetof(Pascom, RLRAO2);
    constexpr std::size_t last = offsetof(Pascom, NETVESFRC_RMS);
    EXPECT_EQ(std::memcmp(&before, &PASCOM, first), 0);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&before) + last, reinterpret_cast<const char*>(&PASCOM) + last,
                          sizeof(Pascom) - last),
              0);
    EXPECT_NE(std::memcmp(reinterpret_cast<const char*>(&before) + first,
                          reinterpret_cast<const char*>(&PASCOM) + first, last - first),
              0);
}

TEST_F(RelativeMotionStatistics, DepthFactorTakesTheCoshFormUpToKDepthTenAndTheExponentialAbove) {
    // Every point at one wave number, so the moonpool covariance is DF1 times the plain one.
    TPCM.DEPTH = 40.0f;
    TPCM.DRAFT = 30.0f;
    for (float k : {0.25f, 0.2501f}) {
        for (int j = 1; j <= 5; ++j) WAVCOM.WVK(j) = k;
        reset_pascom();
        RELRAO(0.0f, 1, 1);
        const double kd = static_cast<double>(k);
        const double df1 = k * 40.0f > 10.0f ? std::exp(-kd * 30.0) : std::cosh(kd * 10.0) / std::cosh(kd * 40.0);
        ASSERT_GT(PASCOM.GWSIG2_X, 1.0f);
        EXPECT_NEAR(PASCOM.WMOON_X / PASCOM.GWSIG2_X, df1, 1e-5 * df1) << k;
    }
    // The two forms differ here by about 0.7 %: the test tells them apart.
    EXPECT_GT(std::cosh(2.5) / std::cosh(10.0) / std::exp(-7.5), 1.006);
}

TEST_F(RelativeMotionStatistics, TurretTypesPlaceTheReferencePointAtTheTurret) {
    for (int j = 1; j <= 5; ++j) {
        HIMEM.SEARAO(j, 1) = Complex(0.0f, 0.0f);
        HIMEM.HVRAO(j) = Complex(0.0f, 0.0f);
        HIMEM.PTRAO(j) = Complex(0.01f, 0.0f);
    }
    TPCM.XSALM = 50.0f;
    // Pitch alone: the turret 50 ft forward moves 0.5 vertically per unit wave; the centre of gravity not.
    Real m0f = 0, dot = 0;
    SMPINT(WAVCOM.WPSD.data(), m0f, dot);
    const double m0 = m0f;
    ASSERT_GT(m0, 1.0);
    for (Int SIMTYP : {13, 15, 16}) {
        reset_pascom();
        TPCM.SIMTYP = SIMTYP;
        RELRAO(0.0f, 1, 1);
        const double expected = SIMTYP == 16 ? 0.0 : 0.25 * m0;
        EXPECT_NEAR(PASCOM.MOORCTR_Z_VAR, expected, 1e-5 * m0) << SIMTYP;
        EXPECT_NEAR(PASCOM.WHVRMS * PASCOM.WHVRMS, expected, 1e-5 * m0) << SIMTYP;
    }
}

TEST_F(RelativeMotions, AnUnknownWaveSystemEndsTheRunBeforeAnythingIsWritten) {
    twelve_seconds();
    set_heading(0.0f);
    for (Int IWAVID : {0, 4}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        const Pascom before = PASCOM;
        EXPECT_EQ(end_status([&] { RELRAO(0.0f, 1, IWAVID); }), 1);
        EXPECT_EQ(screen().substr(0, 30), " +=> Invalid IWAVID in RELRAO\n");
        EXPECT_NE(screen().find("Press <RETURN>"), std::string::npos);
        EXPECT_EQ(std::memcmp(&before, &PASCOM, sizeof(Pascom)), 0);
    }
    // A silent run does not wait.
    TPCM.EDUNIT = SILENT_UNIT;
    EXPECT_EQ(end_status([&] { RELRAO(0.0f, 1, 9); }), 1);
    EXPECT_EQ(silent(), " +=> Invalid IWAVID in RELRAO\n");
}

}  // namespace
}  // namespace brevant
