// The RAO report pages: the motion page header, the force/torque scale factors, the grouping of
// the flagged degrees of freedom, and the RAO tables with their values against closed forms, the
// plot copies and curve blocks, and the pause.
#include "veslib/motion_pages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

using brevant::testing::lines_of;

// Deep-water wave number of a frequency, in double: w^2 / g.
double deep_k(double w, double g) { return w * w / g; }

class MotionPagesTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        lay_out_himem_pool();
        capture_unit(DISK_UNIT);
        capture_unit(PLOT_UNIT);
        TPCM.IUNIT = DISK_UNIT;
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.NUNTS = 1;
        TPCM.DEPTH = 1000.0f;
        WAVCOM.G = 9.8f;
        WAVCOM.IRAO = 1;
        HIMEM.RAOANG(1) = 135.0f;
    }
    void TearDown() override {
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        ConsoleTest::TearDown();
    }
    // Periods in the data image, frequencies and deep-water wave numbers in the pool.
    void set_periods(const std::vector<float>& periods) {
        TPCM.NWP = static_cast<Int>(periods.size());
        for (std::size_t i = 0; i < periods.size(); ++i) {
            const int j = static_cast<int>(i) + 1;
            TPCM.T(j) = periods[i];
            const float w = 6.2831855f / periods[i];
            HIMEM.RLDUM(HIMEM.LCNW + j - 1) = w;
            HIMEM.RLDUM(HIMEM.LCNWK + j - 1) = static_cast<float>(deep_k(static_cast<double>(w), 9.8));
        }
    }
    static Complex& rao(int dof, int i) { return HIMEM.CXDUM((dof - 1) * HIMEM.NARRAY + i); }
    static float k_at(int i) { return HIMEM.RLDUM(HIMEM.LCNWK + i - 1); }
    static float w_at(int i) { return HIMEM.RLDUM(HIMEM.LCNW + i - 1); }
    std::vector<std::string> report() const { return lines_of(captured(DISK_UNIT)); }
    std::vector<std::string> plot() const { return lines_of(captured(PLOT_UNIT)); }
    // One page of the given degrees of freedom.
    void page(std::vector<Int> dofs, Int kind) {
        HIMEM.NCOL = static_cast<Int>(dofs.size());
        for (std::size_t k = 0; k < dofs.size(); ++k) HIMEM.IDCLMN(static_cast<int>(k) + 1) = dofs[k];
        HIMEM.LFRFLG = kind;
        bool roll = false;
        RAOOUT(roll);
    }
    // The first row of the table (the line after the two empty lines that follow H5).
    std::string first_row() const {
        const std::vector<std::string> lines = report();
        for (std::size_t i = 0; i + 3 < lines.size(); ++i)
            if (lines[i].rfind("  (SEC)", 0) == 0) return lines[i + 3];
        return "";
    }
};

TEST_F(MotionPagesTest, HeaderWaveDataBlock) {
    TPCM.SLPHT = 3.5f;
    TPCM.VGLDIR = 45.0f;
    TPCM.VESTYP = 4;
    bool roll = true;
    HEADR2(roll);
    const std::vector<std::string> lines = report();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "\f");
    EXPECT_EQ(lines[2], "   ***************  II.  UNMOORED VESSEL MOTION CHARACTERISTICS  **************");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "     ----  REGULAR WAVE DATA:  WAVE HEADING        = 135.0 DEG");
    EXPECT_EQ(lines[7], "                               WAVE HEIGHT         =   3.5 M. ");
    EXPECT_EQ(lines[8], "                               VESSEL SPEED        =    .0 M./SEC");
    EXPECT_EQ(lines[9], "                               DIRECTION OF MOTION =    .0 DEG");
    EXPECT_EQ(lines[10], "");  // not a ship: no roll damping
    for (std::size_t i = 6; i <= 9; ++i) EXPECT_EQ(lines[i][51], '=') << lines[i];
    EXPECT_TRUE(plot().empty());  // IPLOTS 0
}

TEST_F(MotionPagesTest, HeaderRollDampingOnlyOnAShipResponsePageWithRoll) {
    struct Case {
        Int LFRFLG;
        bool roll;
        Int LRLDMP;
        const char* W7;
    } cases[] = {
        {0, true, 0, "                               ROLL DAMPING        =   3.5 PERCENT"},
        {0, true, 1, "                               ROLL DAMPING        =   8.0 PERCENT"},
        {1, true, 0, ""},
        {0, false, 0, ""},
        {4, true, 0, ""},
    };
    TPCM.VESTYP = 1;
    HIMEM.GAMRLI = 0.07f;
    TPCM.RLDAMP = 8.0f;
    for (const Case& c : cases) {
        capture_unit(DISK_UNIT);
        HIMEM.LFRFLG = c.LFRFLG;
        TPCM.LRLDMP = c.LRLDMP;
        bool roll = c.roll;
        HEADR2(roll);
        const std::vector<std::string> lines = report();
        ASSERT_EQ(lines.size(), 13u);
        EXPECT_EQ(lines[10], c.W7) << c.LFRFLG << c.roll << c.LRLDMP;
    }
}

TEST_F(MotionPagesTest, HeaderCopiesToThePlotFile) {
    TPCM.LSLPHT = 1;
    TPCM.NUNTS = 0;
    TPCM.SLPHT = 4.0f;
    TPCM.IPLOTS = 1;
    bool roll = false;
    HEADR2(roll);
    const std::vector<std::string> copy = plot();
    ASSERT_EQ(copy.size(), 8u);  // T1-T3 and W1-W5, no page break
    EXPECT_EQ(copy[1], "   ***************  II.  UNMOORED VESSEL MOTION CHARACTERISTICS  **************");
    EXPECT_EQ(copy[6], "                               WAVE SLOPE          =   4.0 DEG");
    EXPECT_EQ(copy[7], "                               VESSEL SPEED        =    .0 FT/SEC");
    capture_unit(PLOT_UNIT);
    TPCM.IPLOTS = 2;
    HEADR2(roll);
    EXPECT_TRUE(plot().empty());
}

TEST_F(MotionPagesTest, ScaleFactorsMetricAboutTheCentreOfGravity) {
    TPCM.LCGFLG = 1;
    TPCM.IPLOTS = 1;
    for (int i = 1; i <= 6; ++i) HIMEM.SCALE(i) = 100.0f * static_cast<float>(i);
    HIMEM.SCALE(3) = 805.1f;
    SCALEF();
    const std::vector<std::string> lines = report();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(plot().size(), 10u);
    EXPECT_EQ(lines[2], "     ----  REGULAR WAVE FORCE/TORQUE SCALE FACTORS  ----");
    EXPECT_EQ(lines[4], "       SURGE ..................................       100.0 M.TON/DEG      ");
    EXPECT_EQ(lines[5], "       SWAY  ..................................       200.0 M.TON/DEG      ");
    EXPECT_EQ(lines[6], "       HEAVE ..................................       805.1 M.TON/METER    ");
    EXPECT_EQ(lines[7], "       ROLL  ..................................       400.0 M.TON-METER/DEG");
    EXPECT_EQ(lines[12], " ++> Note: Moments evaluated about vessel center of gravity (VKG)");
    EXPECT_EQ(plot()[9], lines[9]);
}

TEST_F(MotionPagesTest, ScaleFactorsEnglishAboutTheNaturalCentres) {
    TPCM.NUNTS = 0;
    TPCM.LCGFLG = 0;
    HIMEM.SCALE(6) = 1.0e12f;
    SCALEF();
    const std::vector<std::string> lines = report();
    EXPECT_EQ(lines[6], "       HEAVE ..................................          .0 KIPS/FT        ");
    EXPECT_EQ(lines[9], "       YAW   ..................................************ FT-KIPS/DEG    ");
    EXPECT_EQ(lines[12], " ++> Note: Moments evaluated about \"natural\" roll and pitch centers");
    EXPECT_TRUE(plot().empty());
}

TEST_F(MotionPagesTest, GroupingOfTheFlaggedDegreesOfFreedom) {
    struct Case {
        std::vector<Int> motion;
        std::vector<std::string> heads;  // H1 of each page, names only
        std::vector<bool> roll_line;
    } cases[] = {
        {{1, 1, 1, 1, 0, 0}, {"SURGE SWAY HEAVE", "ROLL"}, {false, true}},
        {{0, 1, 0, 2, 0, 1}, {"SWAY ROLL YAW"}, {false}},
        {{1, 1, 1, 1, 1, 1}, {"SURGE SWAY HEAVE", "ROLL PITCH YAW"}, {false, true}},
        {{1, 0, 1, 0, 0, 1}, {"SURGE HEAVE YAW"}, {false}},
        {{0, 0, 0, 0, 0, 0}, {}, {}},
    };
    TPCM.VESTYP = 1;
    HIMEM.LFRFLG = 0;
    set_periods({});
    for (const Case& c : cases) {
        capture_unit(DISK_UNIT);
        for (int i = 1; i <= 6; ++i) TPCM.MOTION(i) = c.motion[static_cast<std::size_t>(i - 1)];
        RUTIL();
        std::vector<std::string> heads;
        std::vector<bool> roll_line;
        for (const std::string& line : report()) {
            if (line.find("ROLL DAMPING") != std::string::npos) roll_line.back() = true;
            if (line.find("REGULAR WAVE DATA") != std::string::npos) roll_line.push_back(false);
            if (line.size() > 34 && line.compare(0, 34, std::string(34, ' ')) == 0 &&
                line.find_first_not_of(' ') == 34) {
                std::istringstream in(line);
                std::string name, all;
                while (in >> name) all += (all.empty() ? "" : " ") + name;
                heads.push_back(all);
            }
        }
        EXPECT_EQ(heads, c.heads);
        EXPECT_EQ(roll_line, c.roll_line);
        if (c.heads.empty()) {
            EXPECT_EQ(captured(DISK_UNIT), "");
        }
    }
}

TEST_F(MotionPagesTest, HeaveTableOfOnePeriod) {
    set_periods({8.0f});
    TPCM.SLPHT = 2.0f;
    rao(3, 1) = Complex(0.0f, -1.0f);
    page({3}, 0);
    const std::vector<std::string> lines = report();
    const auto at = [&](const std::string& start) {
        for (const std::string& l : lines)
            if (l.rfind(start, 0) == 0) return l;
        return std::string();
    };
    EXPECT_EQ(at("                                  HEAVE"), "                                  HEAVE   ");
    EXPECT_EQ(at("                                ("), "                                ( M./ M.)    ");
    EXPECT_EQ(at("  PERIOD"), "  PERIOD   LENGTH   SLOPE        AM/PHASE  ");
    EXPECT_EQ(at("  (SEC)"), "  (SEC)     (M.)    (DEG)");
    EXPECT_EQ(at("   WAVE"), "   WAVE     WAVE    WAVE");
    EXPECT_EQ(first_row(), "    8.00     99.8    3.61     1.000/ -90.0");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "");
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_EQ(lines.back(), " >>> Note: Surge and sway RAOs evaluated at \"natural\" pitch and roll centers");
    EXPECT_EQ(screen(), "");  // a file: no pause
}

TEST_F(MotionPagesTest, RowValuesAgainstClosedForms) {
    set_periods({10.0f});
    const float k = k_at(1);
    const Complex roll(0.03f, 0.04f);  // |roll| = 0.05 rad per unit amplitude
    rao(4, 1) = roll;
    const std::string phase = fmt_F(static_cast<float>(std::atan2(0.04, 0.03) * 57.29577951308232), 6, 1);
    struct Case {
        Int LENDEG;
        float amplitude;
        const char* caption;
    } cases[] = {{0, 0.05f / k, "(DEG/DEG)"}, {1, 0.05f * 57.295776f, "(DEG/ M.)"}};
    for (const Case& c : cases) {
        capture_unit(DISK_UNIT);
        TPCM.LENDEG = c.LENDEG;
        page({4}, 0);
        EXPECT_EQ(first_row().substr(25), fmt_F(c.amplitude, 10, 3) + "/" + phase) << c.LENDEG;
        EXPECT_NE(captured(DISK_UNIT).find(c.caption), std::string::npos) << c.LENDEG;
    }
}

TEST_F(MotionPagesTest, SurgeMovedToTheCentreOfGravityWithTheStoredPitch) {
    set_periods({10.0f});
    rao(1, 1) = Complex(0.8f, 0.1f);
    rao(5, 1) = Complex(0.0f, 0.02f);
    TPCM.VKG = 10.0f;
    HIMEM.VTCRP = 4.0f;
    TPCM.LCGFLG = 1;
    page({1}, 0);
    const std::complex<double> s(0.8, 0.1), p(0.0, 0.02);
    const std::complex<double> moved = s - (4.0 - 10.0) * p;
    EXPECT_EQ(first_row().substr(25, 10), fmt_F(static_cast<float>(std::abs(moved)), 10, 3));
    EXPECT_NE(captured(DISK_UNIT).find("vessel center of gravity (VKG)"), std::string::npos);
    capture_unit(DISK_UNIT);
    TPCM.LCGFLG = 0;
    page({1}, 0);
    EXPECT_EQ(first_row().substr(25, 10), fmt_F(static_cast<float>(std::abs(s)), 10, 3));
}

TEST_F(MotionPagesTest, WavesBySlopeShowTheHeight) {
    set_periods({10.0f});
    TPCM.LSLPHT = 1;
    TPCM.SLPHT = 3.0f;
    page({3}, 0);
    const double height = 2.0 * 3.0 / 57.295776 / static_cast<double>(k_at(1));
    EXPECT_EQ(first_row().substr(19, 6), fmt_F(static_cast<float>(height), 6, 2));
    EXPECT_NE(captured(DISK_UNIT).find("  PERIOD   LENGTH   HEIGHT"), std::string::npos);
    EXPECT_NE(captured(DISK_UNIT).find("  (SEC)     (M.)    (M. )"), std::string::npos);
}

TEST_F(MotionPagesTest, EncounterPeriodWithSpeedAndAtZeroEncounterFrequency) {
    set_periods({10.0f});
    HIMEM.RAOANG(1) = 0.0f;
    TPCM.VGLDIR = 0.0f;
    TPCM.VFWD = 2.0f;
    page({3}, 0);
    const std::vector<std::string> lines = report();
    bool encounter = false;
    for (const std::string& l : lines) encounter = encounter || l.rfind(" ENCOUNTER", 0) == 0;
    EXPECT_TRUE(encounter);
    const double we = static_cast<double>(w_at(1)) - static_cast<double>(k_at(1)) * 2.0;
    EXPECT_EQ(first_row().substr(2, 6), fmt_F(static_cast<float>(6.2831855 / we), 6, 2));
    // A following speed that makes the encounter frequency exactly zero: asterisks, no division.
    capture_unit(DISK_UNIT);
    TPCM.VFWD = w_at(1) / k_at(1);
    ASSERT_EQ(w_at(1) - k_at(1) * TPCM.VFWD, 0.0f);
    page({3}, 0);
    EXPECT_EQ(first_row().substr(2, 6), "******");
}

TEST_F(MotionPagesTest, ForceTablesHaveNoCaptionsAndCloseWithTheScaleFactors) {
    set_periods({10.0f});
    TPCM.AUXVSH = 1;
    rao(4, 1) = Complex(2.0f, 0.0f);
    page({4}, 1);
    const std::string text = captured(DISK_UNIT);
    EXPECT_NE(text.find("+++  DIMENSIONLESS DRIVING FORCE/TORQUE RAOS  +++"), std::string::npos);
    EXPECT_EQ(text.find("USER-SUPPLIED"), std::string::npos);
    EXPECT_EQ(text.find("(DEG/"), std::string::npos);
    EXPECT_EQ(first_row().substr(25, 10), "     2.000");  // unscaled
    EXPECT_NE(text.find("REGULAR WAVE FORCE/TORQUE SCALE FACTORS"), std::string::npos);
}

TEST_F(MotionPagesTest, PlotRecordsTwinEveryTableLine) {
    set_periods({8.0f, 10.0f});
    TPCM.IPLOTS = 1;
    rao(3, 1) = Complex(0.0f, -1.0f);
    rao(3, 2) = Complex(1.0f, 0.0f);
    page({3}, 0);
    const std::vector<std::string> copy = plot();
    // Header T1-T3 and W1-W5, the title and its two empty lines, E1-E5 and one E6 per row.
    ASSERT_EQ(copy.size(), 8u + 3u + 5u + 2u);
    EXPECT_EQ(copy[11], list_record({"         ", "\t", "\t", "\t", "HEAVE   ", "\t", "\t"}));
    EXPECT_EQ(copy[12], list_record({"\t", "\t", "\t", "( M./ M.)      ", "\t", "\t"}));
    EXPECT_EQ(copy[14], list_record({"PERIOD", "\t", "LENGTH", "\t", "SLOPE   ", "\t", "AM/PHASE", "\t", "\t"}));
    const float k = k_at(1);
    EXPECT_EQ(copy[16], list_record({8.0f, "\t", 6.2831855f / k, "\t", 2.0f * 0.0f + TPCM.SLPHT * k * 57.295776f / 2.0f,
                                     "\t", 1.0f, "\t", -90.0f, "\t"}));
    for (const std::string& l : copy) EXPECT_EQ(l.find("Note"), std::string::npos);
}

TEST_F(MotionPagesTest, CurveBlocksCarryThePeriodsOnlyOnceAFile) {
    set_periods({8.0f, 10.0f, 12.0f});
    TPCM.IPLOTS = 2;
    HIMEM.IXFLAG = 1;
    HIMEM.NCURV = 1;
    rao(1, 2) = Complex(0.5f, 0.0f);
    page({1, 2}, 0);
    page({4}, 1);
    const std::vector<std::string> copy = plot();
    // Block 1: 6 header lines, 3 periods, 3 amplitudes, the name; blocks 2 and 3 without periods.
    ASSERT_EQ(copy.size(), 13u + 10u + 10u);
    EXPECT_EQ(copy[0], "    1");
    EXPECT_EQ(copy[1], "ENCOUNTER PERIOD IN SECONDS   ");
    EXPECT_EQ(copy[2], "  M PER M  ");
    EXPECT_EQ(copy[3], "RESPONSE RAO (S.A./S.A.) FOR WAVE HEADING  135.00 DEGREES");
    EXPECT_EQ(copy[4], "    3");
    EXPECT_EQ(copy[5], "    1");
    EXPECT_EQ(copy[6], "    8.00");
    EXPECT_EQ(copy[10], "     .50");
    EXPECT_EQ(copy[12], "SURGE   ");
    EXPECT_EQ(copy[18], "    0");  // second block: IXFLAG cleared, no periods
    EXPECT_EQ(copy[22], "SWAY    ");
    EXPECT_EQ(copy[25], "DIMENSIONLESS RAO");
    EXPECT_EQ(copy[26], "FORCE/TORQUE RAO (S.A./S.A.) FOR WAVE HEADING  135.00 DEGREES");
    EXPECT_EQ(HIMEM.IXFLAG, 0);
}

TEST_F(MotionPagesTest, ConsolePauseAndRepeat) {
    set_periods({8.0f});
    TPCM.IUNIT = SCREEN_UNIT;
    struct Case {
        const char* answers;
        std::size_t pages;
    } cases[] = {{"-1\n\n", 2}, {"B\n", 1}, {"\n", 1}};
    for (const Case& c : cases) {
        capture_unit(SCREEN_UNIT);
        answers(c.answers);
        page({3}, 0);
        EXPECT_EQ(testing::count_of(screen(), "QUASI-LINEAR RESPONSE RAOS"), c.pages) << c.answers;
    }
    // To a file: one pass, LBACK 0 afterwards even when it came in negative.
    TPCM.IUNIT = DISK_UNIT;
    TPCM.LBACK = -3;
    page({3}, 0);
    EXPECT_EQ(testing::count_of(captured(DISK_UNIT), "QUASI-LINEAR RESPONSE RAOS"), 1u);
    EXPECT_EQ(TPCM.LBACK, 0);
}

}  // namespace
}  // namespace brevant
