// The disc buoy's report pages: page I with its blank-led headings and nothing after the transverse
// block, and page II in its unmoored and moor-modified forms.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/units.h"
#include "test_support.h"
#include "vessels/disc/disc_buoy_hull.h"

namespace brevant::testing {
namespace {

std::size_t index_of(const std::vector<std::string>& lines, const std::string& part) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(part) != std::string::npos) return i;
    return lines.size();
}

class DiscPagesTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        capture_unit(DISK_UNIT);
        TPCM.IUNIT = DISK_UNIT;
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.NUNTS = 1;
        Himem& H = HIMEM;
        H.WR = H.WP = H.WH = H.WSG = H.WSW = H.WY = 1.0f;
        H.ROLI = H.PTCHI = H.HVMAS = H.SGMAS = H.YAWI = 1.0f;
        WAVCOM.RHOWTR = 1.0f;
    }
    void TearDown() override {
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        ConsoleTest::TearDown();
    }
    std::vector<std::string> file_lines() const { return lines_of(captured(DISK_UNIT)); }
};

TEST_F(DiscPagesTest, SummaryPageMetric) {
    TPCM.DWATR = 1030.0f;
    TPCM.VKG = 0.6f;
    TPCM.VKMT = 6.8333333f;
    TPCM.VKB = 1.5f;
    DSKSUM();
    const std::vector<std::string> lines = file_lines();
    EXPECT_EQ(lines[0], "\f");
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)].size(), 79u);
    for (const char* expected : {"               WATER DENSITY .........................   1030.00 KGW/CUBIC METER",
                                 "               VERTICAL (Z) KG .......................       .60 METERS  ",
                                 "               TRANSVERSE IWP/DELTA ..................      5.33 METERS  "}) {
        EXPECT_NE(index_of(lines, expected), lines.size()) << expected;
    }
    const std::size_t site = index_of(lines, "     ----  SITE CHARACTERISTICS  ----");
    ASSERT_GT(site, 2u);
    EXPECT_EQ(lines[site - 2], " ");
    EXPECT_EQ(lines[site - 1], "");
    EXPECT_NE(lines.back().find("TRANSVERSE IWP/DELTA"), std::string::npos);  // nothing after it
    EXPECT_EQ(lines_holding(lines, "BOX"), 0u);
}

TEST_F(DiscPagesTest, UnmooredMotionPage) {
    TPCM.MORFBK = 0;
    HIMEM.WH = 1.25f;
    HIMEM.GAMROL = 0.1f;
    DSKOUT();
    const std::vector<std::string> lines = file_lines();
    EXPECT_EQ(lines_holding(lines, "               UNMOORED "), 6u);
    EXPECT_EQ(lines_holding(lines, "MOOR-MODIFIED"), 0u);
    EXPECT_NE(index_of(lines, "               UNMOORED HEAVE PERIOD ..................   5.0 SECONDS "), lines.size());
    const std::size_t roll = index_of(lines, "               UNMOORED ROLL DAMPING ..................   5.0 PERCENT ");
    ASSERT_LT(roll + 2, lines.size());
    EXPECT_EQ(lines[roll + 1], "               Damping conversion: 1% =  0.200E-01 m.ton*m./(rad/sec)     ");
    EXPECT_EQ(lines[roll + 2], "");
    const std::size_t heading = index_of(lines, "     ----  QUASI-LINEAR DAMPING COEFFICIENTS  ----");
    ASSERT_LT(heading, lines.size());
    EXPECT_EQ(lines[heading - 3], " ");
    EXPECT_EQ(lines_holding(lines, "Damping conversion"), 3u);
    EXPECT_EQ(lines_holding(lines, "NOTE"), 0u);
}

TEST_F(DiscPagesTest, MoorModifiedMotionPage) {
    Tpcm& P = TPCM;
    Himem& H = HIMEM;
    P.MORFBK = 1;
    H.GAMROL = 0.1f;
    H.WR = 0.5f;
    H.ROLI = 2.0f;
    P.RLMDMP = 0.3f;  // mooring term 50 x 0.3 / (0.5 x 1 x 2) = 15
    H.GAMSRG = 0.04f;
    H.WSG = 2.0f;
    H.WSW = 2.0f;
    H.SGMAS = 3.0f;
    H.GAMYAW = 0.0f;
    DSKOUT();
    const std::vector<std::string> lines = file_lines();
    EXPECT_EQ(lines_holding(lines, "MOOR-MODIFIED"), 12u);
    const std::size_t first_period = index_of(lines, "MOOR-MODIFIED ROLL PERIOD");
    const std::size_t first_damping = index_of(lines, "MOOR-MODIFIED ROLL DAMPING");
    EXPECT_EQ(lines[first_period - 1], "");
    EXPECT_EQ(lines[first_damping - 1], "");
    EXPECT_EQ(lines[first_damping], "               MOOR-MODIFIED ROLL DAMPING .............  20.0 PERCENT ");
    EXPECT_EQ(lines[index_of(lines, "MOOR-MODIFIED SURGE DAMPING")],
              "               MOOR-MODIFIED SURGE DAMPING ............   2.0 PERCENT ");
    EXPECT_EQ(lines[index_of(lines, "MOOR-MODIFIED YAW DAMPING")],
              "               MOOR-MODIFIED YAW DAMPING ..............    .0 PERCENT ");
    // Surge and sway conversions are both on the horizontal mass: 0.02 x 2 x 1 x 3 = 0.12.
    const std::string conversion = "               Damping conversion: 1% =  0.120E+00 m.ton/(m/sec)          ";
    EXPECT_EQ(lines[index_of(lines, "MOOR-MODIFIED SURGE DAMPING") + 1], conversion);
    EXPECT_EQ(lines[index_of(lines, "MOOR-MODIFIED SWAY DAMPING") + 1], conversion);
    // A user roll damping replaces the mooring term too.
    capture_unit(DISK_UNIT);
    P.LRLDMP = 1;
    P.RLDAMP = 7.0f;
    DSKOUT();
    EXPECT_NE(index_of(file_lines(), "               MOOR-MODIFIED ROLL DAMPING .............   7.0 PERCENT "),
              file_lines().size());
}

TEST_F(DiscPagesTest, OtherFormWordWritesBothHeadingsWithoutLines) {
    TPCM.MORFBK = 2;
    DSKOUT();
    const std::vector<std::string> lines = file_lines();
    EXPECT_EQ(lines_holding(lines, "PERIOD ...."), 0u);
    EXPECT_EQ(lines_holding(lines, "DAMPING ..."), 0u);
    EXPECT_EQ(lines_holding(lines, "NATURAL PERIODS AT ZERO SPEED"), 1u);
    EXPECT_EQ(lines_holding(lines, "QUASI-LINEAR DAMPING COEFFICIENTS"), 1u);
    EXPECT_EQ(lines_holding(lines, "WATER DEPTH"), 1u);
}

TEST_F(DiscPagesTest, NoteCaptionsAndConsoleRepeat) {
    TPCM.AUXVSH = 1;
    TPCM.NUNTS = 2;
    DSKOUT();
    std::vector<std::string> lines = file_lines();
    EXPECT_EQ(lines[5], " >>> NOTE:  The data on this page represent VOSKARN estimates;");
    EXPECT_EQ(lines[6], "            Motion data on subsequent pages derive from USER-SUPPLIED RAOs");
    EXPECT_EQ(lines_holding(lines, " PROBLEM here!"), 3u);
    struct Case {
        const char* answers;
        std::size_t pages;
    } cases[] = {{"-1\n\n", 2}, {"\n", 1}, {"B\n", 1}};
    TPCM.IUNIT = SCREEN_UNIT;
    for (const Case& c : cases) {
        capture_unit(SCREEN_UNIT);
        answers(c.answers);
        DSKSUM();
        EXPECT_EQ(count_of(screen(), "PHYSICAL CHARACTERISTICS SUMMARY"), c.pages) << c.answers;
        capture_unit(SCREEN_UNIT);
        answers(c.answers);
        DSKOUT();
        EXPECT_EQ(count_of(screen(), "UNMOORED VESSEL MOTION"), c.pages) << c.answers;
    }
}

}  // namespace
}  // namespace brevant::testing
