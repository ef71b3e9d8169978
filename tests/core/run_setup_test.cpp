// The set-up of an analysis run: the run-wide values by unit system and option words, the model
// captions, the frequency grid against the dispersion relation, the spectra's calculated heights,
// the swell and sea-peak checks on both sides of the grid, the external-force note and the limit
// on the attack-angle count.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "core/run_setup.h"
#include "core/run_values.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/program_end.h"
#include "test_support.h"
#include "veslib/wave_environment.h"

namespace brevant {
namespace {

class RunSetup : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_wavcom();
        reset_equilb();
        reset_himem();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.IUNIT = DISK_UNIT;
    }
    void TearDown() override {
        reset_tpcm();
        reset_wavcom();
        reset_equilb();
        reset_himem();
        ConsoleTest::TearDown();
    }
    // Periods FIRST, FIRST + STEP, ... (COUNT of them) at DEPTH, metric unless said.
    void periods(float first, float step, int count, float depth, int nunts = 1) {
        TPCM.NUNTS = nunts;
        TPCM.DEPTH = depth;
        TPCM.NWP = count;
        for (int i = 1; i <= count; ++i) TPCM.T(i) = first + step * static_cast<float>(i - 1);
        set_run_constants(R);
        run_frequency_grid(R);
    }
    // Runs a step that may end the program; the exit status, or -1 when it returned.
    template <typename Step>
    int status_of(Step step) {
        try {
            step();
        } catch (const ProgramEnd& end) {
            return end.status;
        }
        return -1;
    }
    RunValues R;
};

TEST_F(RunSetup, UnitSystemGivesGravityAirDensityCaptionsAndSpeeds) {
    struct Case {
        Int NUNTS;
        float G, RHOAIR, knots;
        const char *TUNIT, *AUNIT, *MUNIT;
    };
    for (const Case& c : {Case{0, 32.152f, 0.0024356f, 1.687f, "k.lbs", "ft", "kip-ft"},
                          Case{1, 9.8f, 0.128f, 0.5142f, "m.ton", "m.", "ton-m."}}) {
        TPCM.NUNTS = c.NUNTS;
        TPCM.WNDSPD = 30.0f;
        TPCM.CURSPD = 2.0f;
        TPCM.DEPTH = 100.0f;
        set_run_constants(R);
        EXPECT_EQ(WAVCOM.G, c.G);
        EXPECT_EQ(WAVCOM.RHOAIR, c.RHOAIR);
        EXPECT_EQ(R.TUNIT.view(), c.TUNIT);
        EXPECT_EQ(R.AUNIT.view(), c.AUNIT);
        EXPECT_EQ(R.MUNIT.view(), c.MUNIT);
        EXPECT_EQ(R.TMPWSP, 30.0f * c.knots);
        EXPECT_EQ(R.TMPCSP, 2.0f * c.knots);
        EXPECT_FLOAT_EQ(R.WDCNST, std::sqrt(100.0f / c.G));
    }
}

TEST_F(RunSetup, CaptionsFollowTheirWords) {
    struct Bow {
        float value;
        const char *above, *below;
    };
    for (const Bow& b : {Bow{0.0f, "Conventional", "Conventional (w/bulb)"}, Bow{1.0f, "Cylindrical", "Cylindrical (no bulb)"},
                         Bow{0.999f, "Interpolated", "Interpolated"}, Bow{-1.0f, "Interpolated", "Interpolated"},
                         Bow{2.0f, "Whoops!", "Whoops!"}}) {
        TPCM.BOWWND = b.value;
        TPCM.BOWCUR = b.value;
        set_run_constants(R);
        EXPECT_EQ(R.BOWTPW.view(), fixed_len(b.above, 24)) << b.value;
        EXPECT_EQ(R.BOWTPC.view(), fixed_len(b.below, 24)) << b.value;
    }
    struct Spectrum {
        Int WAVTYP;
        const char* caption;
        Int length;
    };
    for (const Spectrum& s : {Spectrum{0, "Velmora Default Swell", 21}, Spectrum{2, "Mean JONSWAP", 12},
                              Spectrum{5, "General JONSWAP", 15}, Spectrum{10, "TMA Shallow Water", 17},
                              Spectrum{11, "Missing!", 8}, Spectrum{12, "Missing!", 8}, Spectrum{-1, "Missing!", 8}}) {
        TPCM.WAVTYP = s.WAVTYP;
        set_run_constants(R);
        EXPECT_EQ(R.CWAV.trimmed(), s.caption) << s.WAVTYP;
        EXPECT_EQ(R.LENWAV, s.length) << s.WAVTYP;
    }
    for (auto [CRDSYS, caption] : {std::pair{0, "(Global System)"}, {1, "(Vessel System)"}, {-1, "(Error Message)"},
                                   {2, "(Error Message)"}}) {
        TPCM.CRDSYS = CRDSYS;
        set_run_constants(R);
        EXPECT_EQ(R.GLBVES.trimmed(), caption) << CRDSYS;
    }
    TPCM.LSPRED = 0;
    set_run_constants(R);
    EXPECT_EQ(R.CWAV2.trimmed(), "; Long-crested seas");
    EXPECT_EQ(R.LNWAV2, 19);
    TPCM.LSPRED = 1;
    set_run_constants(R);
    EXPECT_EQ(R.CWAV2.trimmed(), "; Short-crested seas");
    EXPECT_EQ(R.LNWAV2, 20);
}

TEST_F(RunSetup, RegularWaveQuantityCaptionsFollowLslpht) {
    struct Case {
        Int LSLPHT, NUNTS;
        const char *SLHUN2, *CSLPH1, *CSLPH2;
    };
    for (const Case& c : {Case{0, 0, "deg", "height", " slope"}, Case{1, 0, "ft", " slope", "height"},
                          Case{1, 1, "m.", " slope", "height"}}) {
        TPCM.LSLPHT = c.LSLPHT;
        TPCM.NUNTS = c.NUNTS;
        set_run_constants(R);
        EXPECT_EQ(R.SLHUN2.trimmed(), c.SLHUN2);
        EXPECT_EQ(R.CSLPH1.view(), fixed_len(c.CSLPH1, 7));
        EXPECT_EQ(R.CSLPH2.view(), fixed_len(c.CSLPH2, 7));
    }
}

TEST_F(RunSetup, LeadingWaveSystemAndRelativeCurrent) {
    TPCM.CURHDG = 202.5f;
    TPCM.SEAHDG(1) = 180.0f;
    TPCM.SWLHDG = 90.0f;
    struct Case {
        Int LRANDM, LSWELL;
        const char *FSTCL, *FSTCL5;
        float RELCUR;
    };
    for (const Case& c : {Case{1, 1, "Wave ", "Waves", 22.5f}, Case{1, 0, "Wave ", "Waves", 22.5f},
                          Case{0, 1, "Swell", "Swell", 112.5f}, Case{0, 0, "", "", 0.0f}}) {
        R = RunValues{};
        R.FSTCL = "garbage";  // no leftover of an earlier value without waves
        TPCM.LRANDM = c.LRANDM;
        TPCM.LSWELL = c.LSWELL;
        set_run_constants(R);
        EXPECT_EQ(R.FSTCL.view(), fixed_len(c.FSTCL, 7)) << c.LRANDM << c.LSWELL;
        EXPECT_EQ(R.FSTCL5.view(), fixed_len(c.FSTCL5, 5)) << c.LRANDM << c.LSWELL;
        EXPECT_EQ(R.RELCUR, c.RELCUR) << c.LRANDM << c.LSWELL;
    }
}

TEST_F(RunSetup, SpectralSumIsNeededForAnySpectrumByFrequency) {
    for (int bit = 1; bit <= 27; ++bit) {
        TPCM.BRVFLG = static_cast<Int>(1u << (bit - 1));
        set_run_constants(R);
        EXPECT_EQ(R.NEED_SPEC_SUM, bit == 9 || bit == 10 || bit == 24 || bit == 25) << bit;
    }
}

TEST(ModelCaptions, FieldOutsideItsListIsAnUndefinedModel) {
    struct Case {
        ModelList list;
        Int field;
        const char* caption;
    };
    const Case cases[] = {
        {ModelList::Wind, 1, "User-Specified LOWDAT"},
        {ModelList::Wind, 5, "Cylindrical Vessel"},
        {ModelList::Wind, 0, "Undefined model"},
        {ModelList::Wind, 6, "Undefined model"},
        {ModelList::Current, 4, "NSMB Tanker '91"},
        {ModelList::Current, 15, "NSMB Tanker '91"},  // the mean 40% curves of the NSMB sets
        {ModelList::Current, 6, "OCIMF Tanker '77 "},
        {ModelList::Current, 7, "Cylindrical Vessel"},
        {ModelList::Current, 8, "Undefined model"},
        {ModelList::Current, 14, "Undefined model"},
        {ModelList::WaveDrift, 7, "Semi/TLP (2001)"},
        {ModelList::WaveDrift, 15, "Undefined model"},
        {ModelList::WaveDrift, -1, "Undefined model"},
    };
    for (const Case& c : cases) {
        const std::string got = model_caption(c.list, c.field);
        EXPECT_EQ(got.size(), 29u);
        EXPECT_EQ(got, fixed_len(c.caption, 29)) << c.field;
    }
}

// omega^2 = g k tanh(k h), the residual in double precision relative to omega^2.
double dispersion_residual(double omega, double k, double h, double g) {
    return std::fabs(omega * omega - g * k * std::tanh(k * h)) / (omega * omega);
}

TEST_F(RunSetup, GridAndWaveNumbersSatisfyTheDispersionRelation) {
    periods(6.0f, 0.5f, 21, 30.0f);
    EXPECT_EQ(WAVCOM.TS, 6.0f);
    EXPECT_EQ(WAVCOM.NW, 20);
    EXPECT_EQ(WAVCOM.DT, 0.5f);
    EXPECT_FLOAT_EQ(WAVCOM.W(1), 1.0471976f);
    EXPECT_EQ(HIMEM.IW, 22);
    for (int i = 1; i <= 21; ++i) {
        const double T = 6.0 + 0.5 * (i - 1);
        EXPECT_NEAR(static_cast<double>(WAVCOM.W(i)), 2.0 * std::numbers::pi / T, 1e-6);
        EXPECT_LT(dispersion_residual(2.0 * std::numbers::pi / T, static_cast<double>(WAVCOM.WVK(i)), 30.0, 9.8), 1e-4) << i;
    }
    // Deep water: k = omega^2 / g.
    periods(6.0f, 0.5f, 21, 1000.0f);
    for (int i = 1; i <= 21; ++i) {
        const double omega = 2.0 * std::numbers::pi / (6.0 + 0.5 * (i - 1));
        EXPECT_NEAR(static_cast<double>(WAVCOM.WVK(i)) / (omega * omega / 9.8), 1.0, 1e-4) << i;
    }
}

TEST_F(RunSetup, SeaSpectrumGivesItsCalculatedHeightAndPeakIndex) {
    // A Mean JONSWAP sea of 4 m at 10 s on a wide grid: 4 sqrt(m0) comes back close to 4 m.
    periods(3.0f, 0.5f, 99, 1000.0f);
    TPCM.WAVTYP = 2;
    TPCM.SWHT(1) = 4.0f;
    TPCM.SIGPD(1) = 10.0f;
    run_sea_spectrum(R);
    EXPECT_EQ(R.NWAVPK, 15);  // 10 s is the 15th period
    EXPECT_NEAR(EQUILB.SWHC, 4.0f, 0.08f);
    EXPECT_EQ(WAVCOM.SWH, 4.0f);
    EXPECT_EQ(WAVCOM.TPK, 10.0f);
    EXPECT_FLOAT_EQ(WAVCOM.WPK, 6.2831855f / 10.0f);
}

TEST_F(RunSetup, SwellPeakMustLieOnTheGrid) {
    struct Case {
        float SWELPD;
        Int NSWEL;  // 0 or NWP + 1: the run stops
    };
    for (const Case& c : {Case{4.0f, 1}, Case{25.9f, 11}, Case{3.9f, 0}, Case{26.0f, 12}}) {
        reset_units();
        capture_unit(SCREEN_UNIT);
        bind_keyboard("\n");
        periods(5.0f, 2.0f, 11, 1000.0f);
        TPCM.SWLTYP = 0;
        TPCM.SWELHT = 2.0f;
        TPCM.SWELPD = c.SWELPD;
        TPCM.SWLWID = 0.05f;
        const int status = status_of([&] { run_swell_spectrum(R); });
        EXPECT_EQ(WAVCOM.NSWEL, c.NSWEL) << c.SWELPD;
        const bool off = c.NSWEL < 1 || c.NSWEL > 11;
        const std::string message = "\n ++> Swell outside wave period range\n\n \n Press <RETURN> to continue: ";
        if (off) {
            // The pause waits although the report goes to the file.
            EXPECT_EQ(status, 1) << c.SWELPD;
            EXPECT_EQ(screen(), message) << c.SWELPD;
        } else {
            EXPECT_EQ(status, -1) << c.SWELPD;
            EXPECT_EQ(screen(), "") << c.SWELPD;
            EXPECT_GT(WAVCOM.SWHSWL, 0.0f);
        }
    }
}

TEST_F(RunSetup, GaussianSeaPeakOffTheGridStopsTheRunOtherSeasRunOn) {
    // Periods 4 to 23 s: a peak period of 25 s has the index 22.
    bind_keyboard("\n");
    periods(4.0f, 1.0f, 20, 1000.0f);
    TPCM.SWHT(1) = 4.0f;
    TPCM.SIGPD(1) = 25.0f;
    TPCM.WAVWID = 0.05f;
    TPCM.WAVTYP = 0;
    EXPECT_EQ(status_of([&] { run_sea_spectrum(R); }), 1);
    EXPECT_EQ(screen(), "\n ++> Wave peak period outside wave period range\n\n \n Press <RETURN> to continue: ");

    clear_captured(SCREEN_UNIT);
    TPCM.WAVTYP = 2;
    EXPECT_EQ(status_of([&] { run_sea_spectrum(R); }), -1);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(R.NWAVPK, 22);
    EXPECT_EQ(clamp_grid_index(R.NWAVPK, TPCM.NWP), 20);
    EXPECT_EQ(clamp_grid_index(0, TPCM.NWP), 1);
    EXPECT_EQ(clamp_grid_index(7, TPCM.NWP), 7);

    // A Gaussian sea whose peak is the first or the last period runs on.
    for (float peak : {3.5f, 23.4f}) {
        TPCM.WAVTYP = 0;
        TPCM.SIGPD(1) = peak;
        EXPECT_EQ(status_of([&] { run_sea_spectrum(R); }), -1) << peak;
    }
}

TEST_F(RunSetup, SecondExternalForceIsNotedAndSwitchedOff) {
    // A silent run: the note goes to the silent console and nothing is read.
    TPCM.EDUNIT = SILENT_UNIT;
    TPCM.AXFC2 = 2;
    TPCM.AXFC3 = 1;
    single_external_force_note();
    EXPECT_EQ(silent(), "\n ++> Note: Brevant currently supports only a single external force instance.\n\n");
    EXPECT_EQ(TPCM.AXFC2, 0);
    EXPECT_EQ(TPCM.AXFC3, 0);

    clear_captured(SILENT_UNIT);
    TPCM.AXFC2 = 0;
    TPCM.AXFC3 = 5;
    single_external_force_note();
    EXPECT_EQ(silent(), "");
    EXPECT_EQ(TPCM.AXFC3, 5);

    // On the screen the note waits for the Return key, whatever the report unit.
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.AXFC2 = 1;
    bind_keyboard("\n");
    single_external_force_note();
    EXPECT_NE(screen().find("external force instance.\n\n \n Press <RETURN> to continue: "), std::string::npos);
}

TEST_F(RunSetup, AttackAngleCountIsHeldToWhatTheOptionsKeep) {
    struct Case {
        Int LANGARR, NUMBRV, kept;
    };
    for (const Case& c : {Case{0, 400, 361}, Case{0, 361, 361}, Case{0, 362, 361}, Case{1, 45, 37}, Case{1, 37, 37},
                          Case{1, 38, 37}, Case{0, 0, 0}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.LANGARR = c.LANGARR;
        TPCM.NUMBRV = c.NUMBRV;
        limit_attack_angles();
        EXPECT_EQ(TPCM.NUMBRV, c.kept) << c.NUMBRV;
        const std::string note = "\n ++> Note: number of attack angles reduced to" + std::string(c.kept < 100 ? "  " : " ") +
                                 std::to_string(c.kept) + "\n\n";
        EXPECT_EQ(screen(), c.NUMBRV == c.kept ? "" : note) << c.NUMBRV;
    }
}

}  // namespace
}  // namespace brevant
