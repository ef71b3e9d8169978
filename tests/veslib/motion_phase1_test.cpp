// Motion phase 1: extreme-value figures, the spreading normaliser against closed forms, the grid's
// wave numbers against the dispersion relation, the hull dispatch through a recording double, the
// summary file with its own unit, the captions, the heading limit and the console lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "numeric/quadrature.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "test_support.h"
#include "veslib/hull_dispatch.h"
#include "veslib/motion_phase1.h"
#include "veslib/wave_environment.h"

namespace brevant {
namespace {

// A hull double: records each entry point it is called through, sets natural frequencies at its
// characteristics step and writes one line on the report unit at its pages.
struct Recorder {
    std::vector<std::string> calls;
    Real WP = 0.7f, WH = 0.8f, WR = 0.6f;  // inside 4 .. 18 s (0.35 .. 1.57 rad/s)

    HullEntryPoints hull(const std::string& name) {
        HullEntryPoints h;
        h.CHR = [this, name] {
            calls.push_back(name + " CHR");
            HIMEM.WP = WP;
            HIMEM.WH = WH;
            HIMEM.WR = WR;
        };
        h.FRC = [this, name](Int& NPASS2) { calls.push_back(name + " FRC " + std::to_string(NPASS2)); };
        h.RAO = [this, name] { calls.push_back(name + " RAO"); };
        h.SUM = [this, name] {
            calls.push_back(name + " SUM");
            write_record(TPCM.IUNIT, " summary page of " + name);
        };
        h.OUT = [this, name] {
            calls.push_back(name + " OUT");
            write_record(TPCM.IUNIT, " output page of " + name);
        };
        return h;
    }
    HullTable table() { return {hull("ship"), hull("jackup"), hull("member"), hull("disc")}; }
};

using testing::count_of;

class MotionPhase1 : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        reset_wavcom();
        reset_himem();
        reset_vesl1();
        install_hull_table(recorder_.table());
        // A quiet metric case of this system's own making, ship hull, no waves yet.
        TPCM.SIMTYP = 16;
        TPCM.NUNTS = 1;
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.IUNIT = SCREEN_UNIT;
        TPCM.NEGSUM = 1;
        TPCM.hideTorMedaReports = 1;
        TPCM.VESTYP = 1;
        TPCM.DEPTH = 100.0f;
        TPCM.DWATR = 1025.0f;
        TPCM.DRAFT = 10.0f;
        TPCM.ANGSEC = 180.0f;
        TPCM.COSEXP = 2.0f;
        TPCM.NA = 6;
        TPCM.NWP = 29;
        for (int i = 1; i <= 29; ++i) TPCM.T(i) = 4.0f + 0.5f * static_cast<float>(i - 1);
    }
    void TearDown() override {
        clear_hull_table();
        reset_images();
        reset_wavcom();
        reset_himem();
        reset_vesl1();
        ConsoleTest::TearDown();
    }
    Recorder recorder_;

    int run_status() {
        try {
            VESL1();
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
    // The spreading integral QF back from the normaliser: ANGNRM = (180 / ANGSEC) DA / (3 QF).
    static double qf() {
        return (180.0 / static_cast<double>(TPCM.ANGSEC)) * static_cast<double>(WAVCOM.DA) /
               (3.0 * static_cast<double>(WAVCOM.ANGNRM));
    }
};

// A natural frequency that is a finite number but whose square, times depth over gravity, leaves
// single precision has no wave for the resonance pass: the run stops before the hull's forces,
// naming the mode, with the user's period or with the hull's restoring term and inertia. One whose
// square stays finite goes on to the forces.
TEST_F(MotionPhase1, NaturalFrequencyWhoseSquareOverflowsStopsTheRun) {
    struct Case {
        const char* what;
        Real WH;
        Int LHVPRD;
        const char* second;  // nullptr: no stop
    };
    const Case cases[] = {
        {"computed, square beyond the floats", 1.0e20f, 0,
         "     its restoring term is  2.5000E+06, its inertia  1.0000E-30 (added mass included).\n"
         "     Recheck the vessel's hydrostatics (page 2) and gyradii (page 3) and retry.\n"},
        {"specified, square beyond the floats", 1.0e20f, 1,
         "     the heave period (page 4, item 8) is too short for the water depth.\n"},
        {"computed, square within the floats", 1.0e18f, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        recorder_.WH = c.WH;
        TPCM.LHVPRD = c.LHVPRD;
        HIMEM.HC = 2.5e6f;
        HIMEM.HVMAS = 1.0e-30f;
        answers(std::string(10, '\n'));
        ASSERT_TRUE(std::isfinite(c.WH * c.WH) || c.second != nullptr);
        const int status = run_status();
        const bool forces = std::find(recorder_.calls.begin(), recorder_.calls.end(), "ship FRC 0") !=
                            recorder_.calls.end();
        if (c.second == nullptr) {
            EXPECT_NE(status, 1);
            EXPECT_TRUE(forces);
            EXPECT_EQ(screen().find("natural frequency cannot be computed"), std::string::npos);
        } else {
            EXPECT_EQ(status, 1);
            EXPECT_FALSE(forces);
            EXPECT_NE(screen().find(std::string("\n ++> The vessel's heave natural frequency cannot be computed:\n") +
                                    c.second),
                      std::string::npos)
                << screen();
        }
        recorder_.calls.clear();
        TearDown();
    }
}

TEST_F(MotionPhase1, ExtremeValueFactorsFollowTheStormCycles) {
    struct Case {
        const char* what;
        Int LRANDM, LSWELL, SIMTYP;
        Real DURATN;
        double TAVG, DURFAC;
    };
    const double no_waves = std::sqrt(9.8 / 10.0);
    const Case cases[] = {
        {"sea only, 6 h", 1, 0, 16, 6.0f, 8.0, 0.5 * std::sqrt(std::log(2700.0))},
        {"sea and swell, 6 h", 1, 1, 16, 6.0f, 9.2, 0.5 * std::sqrt(std::log(6.0 * 3600.0 / 9.2))},
        {"swell only, 3 h", 0, 1, 10, 3.0f, 14.0, 0.5 * std::sqrt(std::log(3.0 * 3600.0 / 14.0))},
        {"no duration", 1, 0, 16, 0.0f, 8.0, 0.5 * std::sqrt(std::log(1000.0))},
        {"no waves: gravity over draft", 0, 0, 16, 6.0f, no_waves, 0.5 * std::sqrt(std::log(21600.0 / no_waves))},
        {"older file type", 1, 1, 9, 6.0f, 0.0, 1.3141},
    };
    for (const Case& c : cases) {
        SetUp();
        TPCM.LRANDM = c.LRANDM;
        TPCM.LSWELL = c.LSWELL;
        TPCM.SIMTYP = c.SIMTYP;
        TPCM.DURATN = c.DURATN;
        WAVCOM.TPK = 8.0f;
        WAVCOM.SWH = 4.0f;
        TPCM.SWELPD = 14.0f;
        TPCM.SWELHT = 2.0f;
        TPCM.SLPHT = 10.0f;
        VESL1();
        EXPECT_NEAR(WAVCOM.TAVG, c.TAVG, 1e-5 * std::fmax(c.TAVG, 1.0)) << c.what;
        EXPECT_NEAR(WAVCOM.DURFAC, c.DURFAC, 2e-6) << c.what;
        EXPECT_NEAR(WAVCOM.GAUSFK, 2.828 * c.DURFAC, 6e-6) << c.what;
        if (c.SIMTYP >= 10) {
            // Waves by height: the extreme factor times the height, half the height with no waves.
            const double expected = c.LRANDM + c.LSWELL > 0 ? c.DURFAC * 10.0 : 5.0;
            EXPECT_NEAR(WAVCOM.XTRMWV, expected, 1e-5 * expected) << c.what;
        }
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(MotionPhase1, StormsTooShortOrWavesWithoutHeightGiveNoNaN) {
    // Under one wave cycle: no extreme factor rather than the root of a negative logarithm.
    TPCM.LRANDM = 1;
    TPCM.DURATN = 0.0001f;
    WAVCOM.TPK = 8.0f;
    VESL1();
    EXPECT_EQ(WAVCOM.DURFAC, 0.0f);
    // Sea and swell both without height: the sea's period, not 0/0.
    SetUp();
    TPCM.LRANDM = 1;
    TPCM.LSWELL = 1;
    TPCM.DURATN = 3.0f;
    WAVCOM.TPK = 8.0f;
    TPCM.SWELPD = 14.0f;
    VESL1();
    EXPECT_EQ(WAVCOM.TAVG, 8.0f);
    EXPECT_NEAR(WAVCOM.DURFAC, 0.5 * std::sqrt(std::log(3.0 * 3600.0 / 8.0)), 2e-6);
    // A mean period that is not positive counts the 1000 cycles of a storm without duration.
    SetUp();
    TPCM.LRANDM = 1;
    TPCM.DURATN = 3.0f;
    WAVCOM.TPK = 0.0f;
    VESL1();
    EXPECT_NEAR(WAVCOM.DURFAC, 0.5 * std::sqrt(std::log(1000.0)), 2e-6);
}

TEST_F(MotionPhase1, FiguresOfTheAcceptanceCase) {
    TPCM.LRANDM = 1;
    TPCM.DURATN = 6.0f;
    WAVCOM.TPK = 8.0f;
    WAVCOM.SWH = 4.0f;
    VESL1();
    EXPECT_NEAR(WAVCOM.DURFAC, 1.405437f, 2e-6f);
    EXPECT_NEAR(WAVCOM.GAUSFK, 3.974575f, 4e-6f);
}

TEST_F(MotionPhase1, WavesBySlopeGiveTheDesignSlopeAndItsAmplitude) {
    TPCM.LRANDM = 1;
    TPCM.LSLPHT = 1;
    TPCM.SLPHT = 6.0f;  // degrees
    TPCM.DURATN = 3.0f;
    WAVCOM.TPK = 10.0f;
    VESL1();
    const double DURFAC = 0.5 * std::sqrt(std::log(1080.0));
    EXPECT_NEAR(WAVCOM.DURFAC, DURFAC, 2e-6);
    const double slope = 2.0 * DURFAC * 6.0 * std::numbers::pi / 180.0;
    EXPECT_NEAR(HIMEM.RSLOPE, slope, 1e-5 * slope);
    // The amplitude of that slope at the mean period: slope / k, k from the dispersion relation.
    const double w = 2.0 * std::numbers::pi / 10.0;
    double k = w * w / 9.8;
    for (int it = 0; it < 200; ++it) k = w * w / (9.8 * std::tanh(k * 100.0));
    EXPECT_NEAR(WAVCOM.XTRMWV, slope / k, 1e-4 * slope / k);
}

TEST_F(MotionPhase1, GravityAndWaterDensityByUnitSystem) {
    for (Int NUNTS : {0, 1}) {
        SetUp();
        TPCM.NUNTS = NUNTS;
        TPCM.DWATR = NUNTS == 0 ? 64.0f : 1025.0f;
        VESL1();
        const float g = NUNTS == 0 ? 32.152f : 9.8f;
        EXPECT_EQ(WAVCOM.G, g);
        EXPECT_FLOAT_EQ(WAVCOM.RHOWTR, 0.001f * TPCM.DWATR / g);
        EXPECT_FLOAT_EQ(HIMEM.WCONST, std::sqrt(100.0f / g));
    }
}

TEST_F(MotionPhase1, SpreadingNormaliserByClosedFormAndByIntegration) {
    TPCM.ANGSEC = 240.0f;
    TPCM.COSEXP = 4.0f;
    TPCM.NA = 8;
    VESL1();
    EXPECT_NEAR(qf(), std::sqrt(std::numbers::pi) * std::tgamma(2.5) / std::tgamma(3.0), 2e-6);
    EXPECT_NEAR(qf(), 1.1780972, 2e-6);
    EXPECT_FLOAT_EQ(WAVCOM.DADEG, 30.0f);
    EXPECT_EQ(WAVCOM.NA2, 4);
    EXPECT_NEAR(WAVCOM.ANGNRM, 0.1111111f, 1e-6f);
    EXPECT_NEAR(WAVCOM.DA, 30.0 * std::numbers::pi / 180.0, 1e-6);

    // Wider than a circle: the lobe integrated numerically over 180 pi / ANGSEC, the step over 360.
    SetUp();
    TPCM.ANGSEC = 540.0f;
    TPCM.COSEXP = 2.0f;
    TPCM.NA = 6;
    VESL1();
    const double a = std::numbers::pi / 3.0;
    EXPECT_NEAR(qf(), a + std::sin(2.0 * a) / 2.0, 1e-4);
    EXPECT_NEAR(qf(), 1.4802103, 1e-4);
    EXPECT_FLOAT_EQ(WAVCOM.DADEG, 60.0f);
    // 360 itself takes the closed form (pi / 2 for n = 2), just above it the integration.
    for (Real sector : {360.0f, 360.01f}) {
        SetUp();
        TPCM.ANGSEC = sector;
        VESL1();
        const double lobe = std::numbers::pi * 180.0 / static_cast<double>(sector);
        EXPECT_NEAR(qf(), sector == 360.0f ? std::numbers::pi / 2.0 : 2.0 * (lobe / 2.0 + std::sin(2.0 * lobe) / 4.0),
                    1e-4)
            << sector;
    }
}

TEST_F(MotionPhase1, SpreadingWeightsOfAHalfCircleSumToOne) {
    // The statistics weight angle I by ANGNRM, its Simpson weight and |cos|^n of its offset.
    for (Int NA : {4, 6, 8}) {
        SetUp();
        TPCM.NA = NA;
        VESL1();
        double sum = 0.0;
        for (Int I = 1; I <= NA + 1; ++I) {
            Real FAC = 0.0f;
            SEIVE(I, 1, NA + 1, FAC);
            const double angle = (I - 1 - WAVCOM.NA2) * static_cast<double>(WAVCOM.DA) * 180.0 / 180.0;
            sum += static_cast<double>(WAVCOM.ANGNRM) * static_cast<double>(FAC) * std::pow(std::fabs(std::cos(angle)), 2.0);
        }
        EXPECT_NEAR(sum, 1.0, 1e-5) << NA;
    }
}

TEST_F(MotionPhase1, NoWedgeCountBecomesSixInTheImage) {
    TPCM.NA = 0;
    VESL1();
    EXPECT_EQ(TPCM.NA, 6);
    EXPECT_EQ(WAVCOM.NA2, 3);
    EXPECT_FLOAT_EQ(WAVCOM.DADEG, 30.0f);
}

TEST_F(MotionPhase1, GridPassPutsDispersionRootsInThePool) {
    TPCM.NUNTS = 0;
    TPCM.DEPTH = 60.0f;
    VESL1();
    EXPECT_EQ(WAVCOM.NW, 28);
    EXPECT_EQ(WAVCOM.TS, 4.0f);
    EXPECT_EQ(WAVCOM.TL, 18.0f);
    EXPECT_EQ(WAVCOM.DT, 0.5f);
    for (Int i = 1; i <= 29; ++i) {
        const double w = HIMEM.RLDUM(1201 + i - 1);
        const double k = HIMEM.RLDUM(1301 + i - 1);
        EXPECT_NEAR(w, 2.0 * std::numbers::pi / static_cast<double>(TPCM.T(i)), 1e-6 * w) << i;
        EXPECT_EQ(HIMEM.RLDUM(1401 + i - 1), static_cast<float>(w) * static_cast<float>(w)) << i;
        EXPECT_EQ(WAVCOM.W(i), static_cast<float>(w)) << i;
        const double lhs = w * w;
        const double rhs = 32.152 * k * std::tanh(k * 60.0);
        EXPECT_NEAR(rhs, lhs, 1e-4 * lhs) << i;
    }
    // Dimensions of the pool are laid out, and the tolerance is left for the hull routines.
    EXPECT_EQ(HIMEM.LCNWV, 801509);
    EXPECT_FLOAT_EQ(HIMEM.EPS, 1.0e-5f);
}

TEST_F(MotionPhase1, BookkeepingWordsOfTheImageAndTheRecords) {
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 7;
    TPCM.NSEAHG = 1;
    TPCM.LSWELL = 1;
    TPCM.LSWEL2 = 1;
    TPCM.SWLTYP = 0;
    TPCM.SWELPD = 6.9f;
    TPCM.SWLWID = 0.07f;
    TPCM.SWELHT = 3.0f;
    TPCM.SWHT(1) = 2.0f;
    TPCM.SWLHDG = 45.0f;
    TPCM.NBUG = 5;
    TPCM.NDIR = 2;
    TPCM.WAVHDG(1) = 0.0f;
    TPCM.WAVHDG(2) = 90.0f;
    VESL1();
    EXPECT_EQ(TPCM.NSEAHT(), 1);
    EXPECT_EQ(TPCM.NSEAHG, 1);
    EXPECT_EQ(TPCM.NUM_SWEL, 2);
    EXPECT_EQ(TPCM.NBUG, 0);
    EXPECT_EQ(WAVCOM.NSWEL, 7);  // (6.9 - 4) / 0.5 + 1.5 = 7.3
    EXPECT_EQ(WAVCOM.DELSWL, 0.07f);
    EXPECT_EQ(WAVCOM.NSPEC, 7);
    EXPECT_EQ(WAVCOM.LWVCMP, 0);
    // The swell is higher than the sea: the ship's roll terms follow the swell heading.
    EXPECT_EQ(WAVCOM.ISWELL, 3);
    EXPECT_EQ(WAVCOM.BIGWVS, 3);
    EXPECT_EQ(TPCM.WPITCH, 0.7f);
    EXPECT_EQ(WAVCOM.SHPLNQ, TPCM.LWL);
    EXPECT_EQ(WAVCOM.DRAFTQ, 10.0f);

    SetUp();
    TPCM.LRANDM = 0;
    TPCM.NSEAHG = 3;
    TPCM.NSEAHT() = 2;
    TPCM.LSWELL = 1;
    TPCM.SWELHT = 1.0f;
    TPCM.SWHT(1) = 2.0f;
    TPCM.SWLTYP = 2;
    VESL1();
    EXPECT_EQ(TPCM.NSEAHT(), 0);
    EXPECT_EQ(TPCM.NSEAHG, 0);
    EXPECT_EQ(WAVCOM.NSWEL, 0);  // only the Gaussian swell sets it
    EXPECT_EQ(WAVCOM.BIGWVS, 1);
}

TEST_F(MotionPhase1, HullDispatchFirstMatchWins) {
    struct Case {
        Int VESTYP;
        Logical SEMI_LIKE;
        const char* hull;  // nullptr: none
    };
    const Case cases[] = {
        {1, 1, "ship"}, {2, 1, "jackup"}, {5, 1, "member"}, {3, 1, "member"}, {4, 1, "member"},
        {4, 0, "disc"}, {3, 0, nullptr},  {0, 0, nullptr},  {7, 0, nullptr},  {6, 0, nullptr},
    };
    for (const Case& c : cases) {
        SetUp();
        TPCM.VESTYP = c.VESTYP;
        TPCM.SEMI_LIKE = c.SEMI_LIKE;
        answers("\n");  // without a hull the natural frequencies stay 0: off the grid, a pause
        VESL1();
        const std::vector<std::string> expected =
            c.hull ? std::vector<std::string>{std::string(c.hull) + " CHR", std::string(c.hull) + " FRC 0"}
                   : std::vector<std::string>{};
        EXPECT_EQ(recorder_.calls, expected) << c.VESTYP << " " << c.SEMI_LIKE;
        recorder_.calls.clear();
    }
}

TEST_F(MotionPhase1, AHiddenRunWithoutSummariesWritesNothingAndCreatesNoFile) {
    testing::ScratchDir dir;
    TPCM.IUNIT = DISK_UNIT;
    TPCM.LRANDM = 1;
    WAVCOM.TPK = 8.0f;
    VESL1();
    EXPECT_EQ(screen(), "");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(TPCM.IUNIT, DISK_UNIT);
}

TEST_F(MotionPhase1, SummaryFileHasItsOwnUnitAndLeavesTheReportFileOpen) {
    testing::ScratchDir dir;
    // The run's report is open on unit 1, as in an analysis run.
    ASSERT_TRUE(open_unit(DISK_UNIT, "BREVOUT.stxt", UnitMode::Write));
    write_record(DISK_UNIT, "report before");
    TPCM.IUNIT = DISK_UNIT;
    TPCM.NEGSUM = 0;
    TPCM.VESTYP = 4;
    TPCM.CID1P.assign("First identification line");
    VESL1();
    EXPECT_EQ(TPCM.IUNIT, DISK_UNIT);
    EXPECT_FALSE(unit_is_open(kMotionSummaryUnit));
    write_record(DISK_UNIT, "report after");
    ASSERT_TRUE(close_unit(DISK_UNIT));

    EXPECT_EQ(testing::file_bytes("BREVOUT.stxt"), "report before\nreport after\n");
    const std::string summary = testing::file_bytes("VOSKSUM.stxt");
    EXPECT_EQ(summary.substr(0, 10), "\f\n\n\n\n\n\n\n\n ");
    const auto title = summary.find("Velmora Systems Simulation Library");
    const auto caption = summary.find(" Disc-Shaped Buoys and Vessels");
    const auto program = summary.find("Voskarn Version: 6.80.00");
    const auto ident = summary.find("     First identification line");
    const auto pages = summary.find(" summary page of disc\n output page of disc\n");
    EXPECT_LT(title, caption);
    EXPECT_LT(caption, program);
    EXPECT_LT(program, ident);
    EXPECT_LT(ident, pages);
    EXPECT_NE(pages, std::string::npos) << summary;
    EXPECT_EQ(recorder_.calls, (std::vector<std::string>{"disc CHR", "disc FRC 0", "disc SUM", "disc OUT"}));
}

TEST_F(MotionPhase1, SummaryFileNamesAndCaptionsByHullAndService) {
    struct Case {
        Int VESTYP, ISPM, SIMTYP;
        const char* file;
        const char* banner;
        const char* service;  // nullptr: no service line
    };
    const Case cases[] = {
        {1, 0, 16, "KORVSUM.stxt", " --> Korvell  Version: 6.80.00 ", " --> In Brevant service for motions of simulated vessel"},
        {0, 0, 16, "KORVSUM.stxt", " --> Korvell  Version: 6.80.00 ", " --> In Brevant service for motions of simulated vessel"},
        {5, 0, 16, "PELMSUM.stxt", " --> Pelmaro  Version: 6.80.00 ", " --> In Brevant service for motions of simulated vessel"},
        {4, 1, 16, "TANKSUM.stxt", " --> Voskarn  Version: 6.80.00 ", " --> In Quental service for motions of tanker"},
        {1, 2, 13, "BUOYSUM.stxt", " --> Korvell  Version: 6.80.00 ", " --> In Dorvine service for motions of CALM buoy"},
        {1, 2, 10, "TUGSUM.stxt", " --> Korvell  Version: 6.80.00 ", " --> In Mardek  service for motions of tugboat"},
        {1, 3, 13, "TANKSUM.stxt", " --> Korvell  Version: 6.80.00 ", " --> In Dorvine service for motions of moored vessel"},
        {1, 3, 10, "BARGSUM.stxt", " --> Korvell  Version: 6.80.00 ", " --> In Mardek  service for motions of barge"},
        {6, 8, 16, "PELMSUM.stxt", " --> Pelmaro  Version: 6.80.00 ", " --> In Lomiras service for motions of caisson spar"},
        {1, 0, 12, "KORVSUM.stxt", " --> Korvell  Version: 6.80.00 ", nullptr},
    };
    for (const Case& c : cases) {
        testing::ScratchDir dir;
        SetUp();
        TPCM.VESTYP = c.VESTYP;
        TPCM.ISPM = c.ISPM;
        TPCM.SIMTYP = c.SIMTYP;
        TPCM.IUNIT = DISK_UNIT;
        TPCM.NEGSUM = 0;
        TPCM.hideTorMedaReports = 0;
        answers("\n");
        VESL1();
        EXPECT_TRUE(std::filesystem::exists(c.file)) << c.file;
        const std::string expected_start = std::string("\n") + c.banner + "\n\n" +
                                           (c.service ? std::string("\n") + c.service + "\n\n" : std::string());
        EXPECT_EQ(screen().substr(0, expected_start.size()), expected_start) << c.file;
        clear_captured(SCREEN_UNIT);
    }
}

TEST_F(MotionPhase1, ProgressLinesUnlessHidden) {
    TPCM.hideTorMedaReports = 0;
    VESL1();
    EXPECT_EQ(screen(),
              "\n --> Korvell  Version: 6.80.00 \n\n"
              "\n --> In Brevant service for motions of simulated vessel\n\n"
              "\n --> Computing shallow water wave lengths...\n\n"
              "\n --> Computing vessel resonance characteristics...\n\n");
}

TEST_F(MotionPhase1, DebugLevelIsAskedOnlyWhenWanted) {
    TPCM.NBUG0 = 1;
    answers("3\n");
    VESL1();
    EXPECT_EQ(TPCM.NBUG, 3);
    EXPECT_EQ(screen(), " ### In VESL1:\n Input NBUG: ");
}

TEST_F(MotionPhase1, PagesOnTheScreenRepeatWhileAPageCommandIsAnswered) {
    TPCM.NEGSUM = 0;
    answers("-1\n\n");
    VESL1();
    EXPECT_EQ(count_of(screen(), "Velmora Systems Simulation Library"), 2u);
    EXPECT_EQ(count_of(screen(), " summary page of ship"), 1u);
    EXPECT_EQ(TPCM.IUNIT, SCREEN_UNIT);
}

TEST_F(MotionPhase1, NaturalPeriodOffTheGridWarnsOnTheFirstCallOnly) {
    recorder_.WP = 2.0f;  // 3.1 s, shorter than the grid
    answers("\n");
    VESL1();
    const std::string warning =
        "\n ++> Warning: A natural period of heave, pitch or roll lies outside the\n"
        "              assigned period array. Serious computational errors may result.\n"
        "              Consider widening your array to include all periods if possible.\n"
        " \n Press <RETURN> to continue: ";
    EXPECT_EQ(screen(), warning);
    clear_captured(SCREEN_UNIT);
    VESL1();
    EXPECT_EQ(screen(), "");

    // A member-built hull is never warned about (and its first call uses the check up).
    reset_vesl1();
    TPCM.SEMI_LIKE = 1;
    VESL1();
    TPCM.SEMI_LIKE = 0;
    VESL1();
    EXPECT_EQ(screen(), "");
}

TEST_F(MotionPhase1, MoreThan498RelativeHeadingsEndTheRun) {
    // One sea heading spread over the full circle: NA + 1 angles, the last the first again, and one
    // regular heading between two of them.
    TPCM.LRANDM = 1;
    TPCM.LSPRED = 1;
    TPCM.NSEAHG = 1;
    TPCM.ANGSEC = 360.0f;
    TPCM.NDIR = 1;
    TPCM.WAVHDG(1) = 0.3f;
    TPCM.NA = 497;
    VESL1();
    EXPECT_EQ(WAVCOM.NRAO, 498);
    EXPECT_EQ(screen(), "");

    SetUp();
    recorder_.calls.clear();
    TPCM.LRANDM = 1;
    TPCM.LSPRED = 1;
    TPCM.NSEAHG = 1;
    TPCM.ANGSEC = 360.0f;
    TPCM.NDIR = 1;
    TPCM.WAVHDG(1) = 0.3f;
    TPCM.NA = 498;
    answers("\n");
    EXPECT_EQ(run_status(), 1);
    EXPECT_EQ(WAVCOM.NRAO, 499);
    EXPECT_EQ(screen(),
              "\n ++> Too many regular wave raos requested (= 499).\n"
              "     Reduce total number to 498 or less\n \n Press <RETURN> to continue: ");
    EXPECT_TRUE(recorder_.calls.empty());
}

TEST(Cospwr, IsThePowerOfTheCosineMagnitudeWithTheExponentOfLocalcs) {
    struct Case {
        Real x, n;
        double expected;
    };
    for (const Case& c : {Case{0.0f, 2.0f, 1.0}, Case{1.0f, 2.0f, std::pow(std::cos(1.0), 2.0)},
                          Case{-1.0f, 3.0f, std::pow(std::cos(1.0), 3.0)},
                          Case{2.5f, 3.0f, std::pow(std::fabs(std::cos(2.5)), 3.0)},
                          Case{0.7f, 0.5f, std::sqrt(std::cos(0.7))}}) {
        LOCALCS.OMEGA2 = c.n;
        Real x = c.x;
        EXPECT_NEAR(COSPWR(x), c.expected, 1e-6) << c.x << " " << c.n;
    }
    LOCALCS.OMEGA2 = 0.0f;
}

}  // namespace
}  // namespace brevant
