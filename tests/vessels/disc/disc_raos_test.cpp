// DSKRAO: the long-wave limits of the force-plus-RAO chain (heave 1, surge coth(k h)), a specified
// heave damping at resonance, the yaw RAO, and the non-linear surge correction with a recording
// double of the offset correction.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "disc_fixture.h"
#include "records/response_record.h"
#include "sysutl/program_end.h"
#include "veslib/relative_motions.h"
#include "vessels/disc/disc_buoy_hull.h"
#include "vessels/disc/disc_characteristics.h"
#include "vessels/disc/disc_fits.h"
#include "vessels/disc/disc_forces.h"

namespace brevant::testing {
namespace {

class DiscRaos : public DiscTest {
protected:
    // The heading's chain as the RAO refresh runs it.
    static void chain() {
        DSKCHR();
        Int resonance = 0;
        DSKFRC(resonance);
        forces_and_raos();
    }
    static void forces_and_raos() {
        Int all = 5;
        DSKFRC(all);
        DSKRAO();
    }
};

TEST_F(DiscRaos, LongWaveLimits) {
    std::vector<float> periods;
    for (int i = 0; i <= 34; ++i) periods.push_back(3.0f + 0.5f * static_cast<float>(i));
    periods.push_back(30.0f);
    periods.push_back(60.0f);
    periods.push_back(120.0f);
    set_grid(periods, 150.0f);
    set_heading(0.0f);
    chain();
    const int last = TPCM.NWP;
    const double kh = dispersion_kh(6.283185307179586 / 120.0, 150.0, 9.8);
    EXPECT_NEAR(kh, 0.206291, 1e-6);
    EXPECT_NEAR(std::abs(pool(3, last)), 1.0, 0.01);
    const double coth = 1.0 / std::tanh(kh);
    EXPECT_NEAR(std::abs(pool(1, last)), coth, 0.01 * coth);
    EXPECT_NEAR(coth, 4.916, 1e-3);
    EXPECT_EQ(HIMEM.IW, TPCM.NWP + 1);
    for (int j = 1; j <= TPCM.NWP; ++j) EXPECT_EQ(pool(6, j), Complex(0.0f, 0.0f)) << j;
}

// In long waves the free buoy moves with the water: its horizontal motion relative to the wave
// particles (the relative-motion routine's squared horizontal relative motion) vanishes against the
// particle motion coth(k h) itself, at every heading, so that both the surge and the sway terms
// must cancel.
TEST_F(DiscRaos, LongWavesLeaveNoHorizontalMotionRelativeToTheWater) {
    std::vector<float> periods;
    for (float t : {60.0f, 120.0f, 240.0f}) periods.push_back(t);
    set_grid(periods, 150.0f);
    TPCM.VESTYP = 4;
    TPCM.LRANDM = 1;
    for (float heading : {45.0f, 90.0f, 135.0f}) {
        set_heading(heading);
        chain();
        RELRAO(0.0f, 0, 1);
        double previous = 1.0;
        for (int j = 1; j <= TPCM.NWP; ++j) {
            const double kh = dispersion_kh(6.283185307179586 / dbl(TPCM.T(j)), 150.0, 9.8);
            const double coth2 = 1.0 / (std::tanh(kh) * std::tanh(kh));
            const double relative = dbl(PASCOM.RLRAOH2(j, 1)) / coth2;
            EXPECT_LT(relative, previous) << heading << " degrees, " << TPCM.T(j) << " s";
            previous = relative;
        }
        EXPECT_LT(previous, 1e-4) << heading << " degrees";
    }
}

TEST_F(DiscRaos, SpecifiedHeaveDampingAtResonance) {
    set_heading(30.0f);
    const int j = 7;  // the 6 s period
    ASSERT_EQ(TPCM.T(j), 6.0f);
    TPCM.LHVPRD = 1;
    TPCM.HEVPRD = 6.0f;
    TPCM.LHVDMP = 1;
    TPCM.HVDAMP = 5.0f;
    DSKCHR();
    Int resonance = 0;
    DSKFRC(resonance);
    Int all = 5;
    DSKFRC(all);
    const Complex F = pool(3, j);
    DSKRAO();
    const double WH = HIMEM.WH;
    const double x = dbl(HIMEM.RLDUM(HIMEM.LCNWK + j - 1)) * dbl(HIMEM.XSCALE);
    const double MH = dbl(HIMEM.HVM1) + dbl(HIMEM.HCONST) * dbl(HMASD(static_cast<float>(x))) + dbl(HIMEM.SKAMHV);
    const double expected = dbl(std::abs(F)) * (dbl(HIMEM.HC) / MH) / (0.02 * 5.0 * WH * WH);
    EXPECT_NEAR(std::abs(pool(3, j)), expected, 1e-4 * expected);
    // At resonance the response lags the force by a quarter period.
    const Complex ratio = pool(3, j) / F;
    EXPECT_NEAR(ratio.real() / std::abs(ratio), 0.0, 1e-4);
}

// A wave met at zero encounter frequency (the buoy drifting with it): finite RAOs.
TEST_F(DiscRaos, ZeroEncounterFrequencyGivesFiniteRaos) {
    DSKCHR();
    Int resonance = 0;
    DSKFRC(resonance);
    set_heading(0.0f);
    set_grid_point(3, 1.0f, 0.5f);
    TPCM.VFWD = 2.0f;  // 1 - 0.5 x 2 = 0 exactly
    forces_and_raos();
    for (int m = 1; m <= 6; ++m) {
        const Complex c = pool(m, 3);
        EXPECT_TRUE(std::isfinite(c.real()) && std::isfinite(c.imag())) << m;
    }
}

// The surge correction: what the offset correction receives and what its answer does to the RAO.
class DiscSurgeCorrection : public DiscRaos {
protected:
    struct Call {
        float dxlin;
        float spring;
        Logical lspm;
        Int nerg;
        float step;
    };
    std::vector<Call> calls;
    float factor = 1.0f;  // the double's answer: factor x DXLIN

    void SetUp() override {
        DiscRaos::SetUp();
        set_heading(0.0f);
        DSKCHR();
        TPCM.MORFBK = 1;
        HIMEM.WSG = HIMEM.WSW = HIMEM.WY = 0.5f;
        TPCM.SGK = TPCM.SWK = 500.0f;
        TPCM.SGMDMP = TPCM.SWMDMP = 50.0f;
        HIMEM.GAMSRG = HIMEM.GAMSWY = 0.1f;
        LINCOM.WVOFST(1) = 0.25f;
        // A mooring that stores energy: the work of a linear spring of 500 over offsets 0.25 apart.
        for (int i = 1; i <= 90; ++i) LINCOM.WFERGF(i) = 0.5f * 500.0f * std::pow(0.25f * static_cast<float>(i - 1), 2.0f);
        disc_line_calls().nlncor = [this](const Real*, Real, const Real* OFFSET, Real DXLIN,
                                          Real& DXNLIN, Real SPRNGK, Real, Real, Int NERG, Int& MIN, Logical LSPM,
                                          Int) {
            calls.push_back({DXLIN, SPRNGK, LSPM, NERG, OFFSET[0]});
            DXNLIN = factor * DXLIN;
            MIN = 1;
        };
    }
    std::vector<Complex> surge_raos() {
        calls.clear();
        forces_and_raos();
        std::vector<Complex> out;
        for (int j = 1; j <= TPCM.NWP; ++j) out.push_back(pool(1, j));
        return out;
    }
};

TEST_F(DiscSurgeCorrection, ScalesTheSurgeRaoOnlyDownwards) {
    const std::vector<Complex> linear = surge_raos();
    ASSERT_EQ(calls.size(), static_cast<std::size_t>(TPCM.NWP));
    for (const Call& c : calls) {
        EXPECT_GT(c.dxlin, 0.0f);
        EXPECT_EQ(c.spring, 500.0f);
        EXPECT_EQ(c.nerg, 90);
        EXPECT_EQ(c.step, 0.25f);
    }
    factor = 1.5f;
    EXPECT_EQ(surge_raos(), linear);
    factor = 0.5f;
    const std::vector<Complex> smaller = surge_raos();
    for (std::size_t i = 0; i < linear.size(); ++i) {
        EXPECT_FLOAT_EQ(smaller[i].real(), 0.5f * linear[i].real()) << i;
        EXPECT_FLOAT_EQ(smaller[i].imag(), 0.5f * linear[i].imag()) << i;
    }
}

TEST_F(DiscSurgeCorrection, EqualStepTableAndTheSpringOfASpecifiedPeriod) {
    TPCM.LSPM = 1;
    TPCM.LSGPRD = 1;
    TPCM.SGK = 12.0f;  // a period, seconds
    HIMEM.WSG = 6.2831855f / 12.0f;
    surge_raos();
    ASSERT_FALSE(calls.empty());
    const double w = 6.283185307179586 / 12.0;
    const double spring = dbl(WAVCOM.RHOWTR) * dbl(HIMEM.SGMAS) * w * w;
    for (const Call& c : calls) {
        EXPECT_EQ(c.lspm, 0);
        EXPECT_NEAR(c.spring, spring, 1e-5 * spring);
    }
}

// Any non-zero feedback word is feedback: the springs, the dampings and the surge correction of 1.
// The hull's own springs and dampings are set too, so that heave, pitch and roll show the mooring.
TEST_F(DiscSurgeCorrection, EveryNonZeroFeedbackValueGivesTheRaosOfOne) {
    moor_heave_pitch_roll();
    factor = 0.5f;
    const auto all_raos = [&] {
        calls.clear();
        forces_and_raos();
        std::vector<Complex> out;
        for (int m = 1; m <= 6; ++m)
            for (int j = 1; j <= TPCM.NWP; ++j) out.push_back(pool(m, j));
        return out;
    };
    TPCM.MORFBK = 1;
    const std::vector<Complex> moored = all_raos();
    ASSERT_EQ(calls.size(), static_cast<std::size_t>(TPCM.NWP));
    struct Case {
        Int morfbk;
        bool feedback;
    };
    for (const Case c : {Case{2, true}, Case{-1, true}, Case{7, true}, Case{0, false}}) {
        TPCM.MORFBK = c.morfbk;
        const std::vector<Complex> raos = all_raos();
        EXPECT_EQ(calls.size(), c.feedback ? static_cast<std::size_t>(TPCM.NWP) : 0u) << c.morfbk;
        if (c.feedback) {
            EXPECT_EQ(raos, moored) << c.morfbk;
            continue;
        }
        // Without feedback no mode but yaw keeps the moored RAO at the first period.
        for (int m = 1; m <= 5; ++m) {
            const std::size_t at = static_cast<std::size_t>((m - 1) * TPCM.NWP);
            EXPECT_NE(raos[at], moored[at]) << "mode " << m;
        }
    }
}

// A mooring energy table that holds no energy (no line in the case, or none built) cannot place
// the linear energy at any offset: the surge RAO stays linear and the run goes on.
TEST_F(DiscSurgeCorrection, TableWithoutEnergyLeavesTheLinearRao) {
    for (int i = 1; i <= 90; ++i) LINCOM.WFERGF(i) = 0.0f;
    // The linear surge RAO of the moored buoy: the chain with a correction that changes nothing.
    TPCM.MORFBK = 1;
    factor = 1.0f;
    const std::vector<Complex> linear = surge_raos();
    reset_disc_line_calls();  // the real offset correction, whose search would end the run on this table
    for (Int morfbk : {1, 2}) {
        TPCM.MORFBK = morfbk;
        std::vector<Complex> raos;
        try {
            raos = surge_raos();
        } catch (const ProgramEnd& e) {
            FAIL() << "the run ended with status " << e.status << " for MORFBK " << morfbk << "\n" << screen();
        }
        EXPECT_EQ(raos, linear) << morfbk;
    }
    EXPECT_EQ(screen().find("NLNCOR"), std::string::npos) << screen();
}

}  // namespace
}  // namespace brevant::testing
