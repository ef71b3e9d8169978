// The member-built hull's report pages: page I in its two halves (as input, as estimated) with the
// options that add lines, and page II with the moor-modified periods of a moored TLP.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "records/data_image.h"
#include "records/member_table.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/units.h"
#include "test_support.h"
#include "vessels/hull_page_rows.h"
#include "vessels/semi/member_built_hull.h"

namespace brevant::testing {
namespace {

class SemiPagesTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        reset_pascom();
        reset_simcom();
        capture_unit(DISK_UNIT);
        TPCM.IUNIT = DISK_UNIT;
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.NUNTS = 1;
        HIMEM.WR = HIMEM.WP = HIMEM.WH = 0.5f;
        HIMEM.ROLI = HIMEM.PTCHI = HIMEM.HVMAS = 1.0f;
    }
    void TearDown() override {
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        reset_pascom();
        reset_simcom();
        ConsoleTest::TearDown();
    }
    std::vector<std::string> file_lines() const { return lines_of(captured(DISK_UNIT)); }
};

TEST_F(SemiPagesTest, MooredTlpPeriodsLeaveTheTendonsOutThenShowTheMooredOnes) {
    TPCM.SIMTYP = 17;
    TPCM.LRLPRD = 0;
    HIMEM.RRMT = 6.0e6f;
    PASCOM.RTENDN = 3.5e6f;
    HIMEM.ROLI = 4.0e7f;
    HIMEM.WR = 0.3872983f;
    SEMOUT();
    const std::vector<std::string> lines = file_lines();
    EXPECT_TRUE(has_line(lines, "               NATURAL ROLL PERIOD ....................   25.1 SECONDS "));
    EXPECT_TRUE(has_line(lines, "               MOOR-MODIFIED ROLL PERIOD ..............   16.2 SECONDS "));
    std::size_t heave = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find("NATURAL HEAVE PERIOD") != std::string::npos) heave = i;
    ASSERT_LT(heave + 2, lines.size());
    EXPECT_EQ(lines[heave + 1], "");
    EXPECT_NE(lines[heave + 2].find("MOOR-MODIFIED ROLL PERIOD"), std::string::npos);
    // The roll conversion uses the moor-modified frequency 2 pi / (2 pi / WR).
    WAVCOM.RHOWTR = 1.0f;
    capture_unit(DISK_UNIT);
    SEMOUT();
    const Real wrq = 6.2831855f / (6.2831855f / HIMEM.WR);
    EXPECT_TRUE(has_line(file_lines(), "               Damping conversion: 1% = " +
                                           fmt_E(0.02f * wrq * 1.0f * HIMEM.ROLI, 10, 3) +
                                           " m.ton*m./(rad/sec)     "));
}

TEST_F(SemiPagesTest, OtherTypesHaveThreePeriodLinesAndTheMemberDampings) {
    SIMCOM.GAMRL = 0.1f;
    SIMCOM.GAMPT = 0.25f;
    SIMCOM.GAMHV = 0.5f;
    // The user's damping words do not reach this page.
    TPCM.LRLDMP = 1;
    TPCM.RLDAMP = 77.0f;
    SEMOUT();
    const std::vector<std::string> lines = file_lines();
    EXPECT_EQ(lines_holding(lines, "PERIOD ...."), 3u);
    EXPECT_EQ(lines_holding(lines, "MOOR-MODIFIED"), 0u);
    std::size_t heave = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find("NATURAL HEAVE PERIOD") != std::string::npos) heave = i;
    ASSERT_LT(heave + 4, lines.size());
    EXPECT_EQ(lines[heave + 4], "     ----  QUASI-LINEAR ZERO SPEED DAMPING COEFFICIENTS  ----");
    EXPECT_TRUE(has_line(lines, "               NATURAL ROLL DAMPING ...................    5.0 PERCENT "));
    EXPECT_TRUE(has_line(lines, "               NATURAL PITCH DAMPING ..................   12.5 PERCENT "));
    EXPECT_TRUE(has_line(lines, "               NATURAL HEAVE DAMPING ..................   25.0 PERCENT "));
    EXPECT_EQ(lines_holding(lines, "Damping conversion"), 3u);
}

TEST_F(SemiPagesTest, UserPeriodsOfAMooredTlpAndTheFlagThatIsNeitherZeroNorOne) {
    TPCM.SIMTYP = 17;
    TPCM.ROLPRD = 18.25f;
    HIMEM.WR = 6.2831855f / 18.25f;
    for (Int flag : {1, 2}) {
        capture_unit(DISK_UNIT);
        TPCM.LRLPRD = flag;
        SEMOUT();
        const std::vector<std::string> lines = file_lines();
        EXPECT_TRUE(has_line(lines, "               NATURAL ROLL PERIOD ....................   18.2 SECONDS "))
            << flag;
        EXPECT_TRUE(has_line(lines, "               MOOR-MODIFIED ROLL PERIOD ..............   18.2 SECONDS "))
            << flag;
    }
}

TEST_F(SemiPagesTest, NoteAndOverflowingPeriod) {
    TPCM.AUXVSH = 1;
    HIMEM.WH = 6.2831855f / 100000.0f;
    SEMOUT();
    const std::vector<std::string> lines = file_lines();
    EXPECT_EQ(lines[5], " ++> NOTE:  The data on this page represent PELMARO estimates;");
    EXPECT_TRUE(has_line(lines, "               NATURAL HEAVE PERIOD ...................******* SECONDS "));
}

struct OptionCase {
    Int SIMTYP;
    Int LPHANTOM_WGHT;
    std::size_t righting_arms;  // over both halves
    std::size_t pull_down;
};

TEST_F(SemiPagesTest, RightingArmAndPullDownLinesByOption) {
    const OptionCase cases[] = {{16, 1, 4, 0}, {14, 0, 4, 1}, {17, 0, 4, 1}, {16, 0, 0, 0}};
    for (const OptionCase& c : cases) {
        capture_unit(DISK_UNIT);
        TPCM.SIMTYP = c.SIMTYP;
        TPCM.LPHANTOM_WGHT = c.LPHANTOM_WGHT;
        SEMSUM();
        const std::vector<std::string> lines = file_lines();
        EXPECT_EQ(lines_holding(lines, "RIGHTING ARM"), c.righting_arms) << c.SIMTYP;
        EXPECT_EQ(lines_holding(lines, "VERTICAL PULL-DOWN"), c.pull_down) << c.SIMTYP;
    }
}

TEST_F(SemiPagesTest, SummaryHalvesAndTheEstimatedMetacentres) {
    TPCM.VKG = 10.0f;
    TPCM.GMLEST = 30.0f;
    HIMEM.EVKG = 12.0f;
    TPCM.VCBEST = 5.0f;
    TPCM.DWATR = 1025.0f;
    SEMSUM();
    const std::vector<std::string> lines = file_lines();
    EXPECT_EQ(lines[0], "\f");
    EXPECT_EQ(lines[2], "   *************   I.  PHYSICAL CHARACTERISTICS SUMMARY (AS INPUT)  ***********");
    EXPECT_TRUE(has_line(lines, "   ***********   I.  PHYSICAL CHARACTERISTICS SUMMARY (AS ESTIMATED)  *********"));
    EXPECT_EQ(lines_holding(lines, "\f"), 2u);
    // Estimated GM against the input KG: GMLEST + EVKG - VKG; KM = GMLEST + EVKG; radius KM - VCBEST.
    EXPECT_EQ(lines_holding(lines, "LONGITUDINAL GM (GML) .................     32.00 METERS  "), 1u);
    EXPECT_EQ(lines_holding(lines, "LONGITUDINAL KM (KML) .................     42.00 METERS  "), 1u);
    EXPECT_EQ(lines_holding(lines, "LONGITUDINAL IWP/DELTA ................     37.00 METERS  "), 1u);
    EXPECT_TRUE(has_line(lines, "               WATER DENSITY .........................   1025.00 KGW/CUBIC METER"));
    EXPECT_TRUE(has_line(lines, "               LONGITUDINAL (X) CG ...................       .00 METERS  "));
    // Section titles: a line of one blank, an empty line, the title, two empty lines.
    for (std::size_t i = 2; i + 2 < lines.size(); ++i)
        if (lines[i] == "     ----  SITE CHARACTERISTICS  ----") {
            EXPECT_EQ(lines[i - 2], " ");
            EXPECT_EQ(lines[i - 1], "");
            EXPECT_EQ(lines[i + 1], "");
            EXPECT_EQ(lines[i + 2], "");
        }
}

// The vessel sections of both halves of a moored TLP's page I, every line in its place: the phantom
// weight's righting arms, the pull-down and the estimated centres of rotation are where they belong.
TEST_F(SemiPagesTest, VesselSectionsOfBothHalvesLineByLine) {
    TPCM.SIMTYP = 14;
    PASCOM.DELTA_DRAFT = 0.5f;
    TPCM.DISPL = 1000.0f, TPCM.AWP = 200.0f, TPCM.VKB = 5.0f, TPCM.DRAFT = 10.0f, TPCM.VKG = 12.0f;
    TPCM.PGYR = 20.0f, TPCM.RGYR = 21.0f, TPCM.YGYR = 22.0f;
    TPCM.VKML = 50.0f, HIMEM.GML = 7.0f, HIMEM.EVKML = 60.0f, HIMEM.EVKB = 4.0f;
    TPCM.VKMT = 30.0f, HIMEM.GMT = 3.0f, HIMEM.EVKMT = 40.0f;
    TPCM.TRIMDG = 1.5f, TPCM.HEELDG = 0.25f;
    HIMEM.EDISPL = 1100.0f, TPCM.AWPEST = 210.0f, TPCM.VCBEST = 6.0f, HIMEM.EDRAFT = 11.0f, HIMEM.EVKG = 13.0f;
    TPCM.XCBEST = 1.0f, TPCM.YCBEST = -2.0f, TPCM.XWPCTR = 3.0f, TPCM.YWPCTR = -4.0f;
    TPCM.GMLEST = 40.0f, HIMEM.VTCRP = 8.0f, TPCM.GMTEST = 20.0f, HIMEM.VTCRR = 9.0f;
    SEMSUM();
    const std::vector<std::string> lines = file_lines();
    const std::vector<std::string> as_input = page_rows(" METERS  ", {
        {"DISPLACEMENT ", "   1000.00", " M.TONS  "},
        {"WATER PLANE AREA ", "    200.00", " SQUARE METERS  "},
        {"VERTICAL (Z) KB ", "      5.00"},
        {"DRAFT ", "     10.00"},
        {},
        {"VERTICAL (Z) KG ", "     12.00"},
        {"LONGITUDINAL (X) CG ", "       .00"},
        {"TRANSVERSE (Y) CG ", "       .00"},
        {},
        {"PITCH GYRADIUS ", "     20.00"},
        {"ROLL GYRADIUS ", "     21.00"},
        {"YAW GYRADIUS ", "     22.00"},
        {},
        {"LONGITUDINAL GM (GML) ", "     38.00"},
        {"LONGITUDINAL RIGHTING ARM ", "      7.00"},
        {"LONGITUDINAL KM (KML) ", "     50.00"},
        {"LONGITUDINAL IWP/DELTA ", "     56.00"},
        {},
        {"TRANSVERSE GM (GMT) ", "     18.00"},
        {"TRANSVERSE RIGHTING ARM ", "      3.00"},
        {"TRANSVERSE KM (KMT) ", "     30.00"},
        {"TRANSVERSE IWP/DELTA ", "     36.00"},
        {},
        {"TRIM ANGLE ", "      1.50", " DEG"},
        {"HEEL ANGLE ", "       .25", " DEG"},
    });
    const std::vector<std::string> as_estimated = page_rows(" METERS  ", {
        {"VERTICAL PULL-DOWN ", "       .50"},
        {"DISPLACEMENT ", "   1100.00", " M.TONS  "},
        {"WATER PLANE AREA ", "    210.00", " SQUARE METERS  "},
        {"VERTICAL (Z) KB ", "      6.00"},
        {"DRAFT ", "     11.00"},
        {},
        {"EQUIVALENT VERTICAL KG ", "     13.00"},
        {"FORWARD (X) KB ", "      1.00"},
        {"LATERAL (Y) KB ", "     -2.00"},
        {},
        {"FORWARD (X) WATERPLANE CENTROID  ", "      3.00"},
        {"LATERAL (Y) WATERPLANE CENTROID  ", "     -4.00"},
        {},
        {"LONGITUDINAL GM (GML) ", "     41.00"},
        {"LONGITUDINAL RIGHTING ARM ", "     40.00"},
        {"LONGITUDINAL KM (KML) ", "     53.00"},
        {"LONGITUDINAL IWP/DELTA ", "     47.00"},
        {"PITCH CENTER OF ROTATION ", "      8.00"},
        {},
        {"TRANSVERSE GM (GMT) ", "     21.00"},
        {"TRANSVERSE RIGHTING ARM ", "     20.00"},
        {"TRANSVERSE KM (KMT) ", "     33.00"},
        {"TRANSVERSE IWP/DELTA ", "     27.00"},
        {"ROLL CENTER OF ROTATION ", "      9.00"},
    });
    // Each vessel section runs from two empty lines after its heading to the end of its half.
    std::vector<std::size_t> heads;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == "     ----  VESSEL CHARACTERISTICS  ----") heads.push_back(i + 3);
    ASSERT_EQ(heads.size(), 2u);
    const std::size_t second_page = static_cast<std::size_t>(
        std::find(lines.begin(), lines.end(),
                  "   ***********   I.  PHYSICAL CHARACTERISTICS SUMMARY (AS ESTIMATED)  *********") -
        lines.begin());
    ASSERT_LT(second_page, heads[1]);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(heads[0]),
                                       lines.begin() + static_cast<std::ptrdiff_t>(second_page - 2)),
              as_input);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(heads[1]), lines.end()),
              as_estimated);
}

TEST_F(SemiPagesTest, APageCommandAtEitherPauseRewritesBothHalves) {
    struct Case {
        const char* answers;
        std::size_t inputs;
        std::size_t estimates;
    } cases[] = {{"\n\n", 1, 1}, {"\n-1\n\n\n", 2, 2}, {"-1\n\n\n", 2, 1}, {"B\nB\n", 1, 1}};
    for (const Case& c : cases) {
        capture_unit(SCREEN_UNIT);
        TPCM.IUNIT = SCREEN_UNIT;
        answers(c.answers);
        SEMSUM();
        EXPECT_EQ(count_of(screen(), "(AS INPUT)"), c.inputs) << c.answers;
        EXPECT_EQ(count_of(screen(), "(AS ESTIMATED)"), c.estimates) << c.answers;
    }
}

}  // namespace
}  // namespace brevant::testing
