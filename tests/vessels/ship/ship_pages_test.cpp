// The ship's report pages I and II: every line as the engineer reads it, by unit system and option
// words, the pause and page repeat on the console, and the page on a file.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "ship_box_fixture.h"
#include "sysutl/fortran_format.h"
#include "sysutl/units.h"
#include "vessels/ship/ship_characteristics.h"
#include "vessels/ship/ship_fits.h"
#include "vessels/ship/ship_forces.h"
#include "vessels/ship/ship_hull.h"

namespace brevant::testing {
namespace {

class ShipPagesTest : public ShipBoxTest {
protected:
    void SetUp() override {
        ShipBoxTest::SetUp();
        capture_unit(DISK_UNIT);
        TPCM.IUNIT = DISK_UNIT;
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    std::vector<std::string> file_lines() const { return lines_of(captured(DISK_UNIT)); }
};

TEST_F(ShipPagesTest, SummaryPageOnAFileInEnglishUnits) {
    TPCM.NUNTS = 0;
    TPCM.DEPTH = 350.0f;
    TPCM.DWATR = 63.9f;
    TPCM.AWP = 2000.0f;
    TPCM.TRIMDG = 0.5f;
    HIMEM.SHIPL = 100.0f;
    HIMEM.BEAM = 20.0f;
    SHPSUM();
    const std::vector<std::string> lines = file_lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "\f");
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(lines[i].size(), 79u) << lines[i];
    EXPECT_EQ(lines[2], "   *****************   I.  PHYSICAL CHARACTERISTICS SUMMARY   *****************");
    for (const char* expected :
         {"               WATER DEPTH ...........................    350.00 FEET    ",
          "               WATER DENSITY .........................     63.90 LBS/CUBIC FOOT ",
          "               WATER PLANE AREA ......................   2000.00 SQUARE FEET    ",
          "               BOX WIDTH .............................     20.00 FEET    ",
          "               TRIM ANGLE ............................       .50 DEG",
          "               HEEL ANGLE ............................       .00 DEG",
          "     ----  DYNAMICALLY SIMILAR BOX CHARACTERISTICS  ----"})
        EXPECT_TRUE(has_line(lines, expected)) << expected;
    // The metacentric radii are formed for the print: KM - KB.
    EXPECT_TRUE(has_line(lines, "               TRANSVERSE IWP/DELTA " + std::string(18, '.') +
                                    fmt_F(TPCM.VKMT - TPCM.VKB, 10, 2) + " FEET    "));
    // One blank line between the box draft and the trim line; heel follows trim directly.
    for (std::size_t i = 0; i + 2 < lines.size(); ++i)
        if (lines[i].find("BOX DRAFT") != std::string::npos) {
            EXPECT_EQ(lines[i + 1], "");
            EXPECT_NE(lines[i + 2].find("TRIM ANGLE"), std::string::npos);
            ASSERT_LT(i + 3, lines.size());
            EXPECT_NE(lines[i + 3].find("HEEL ANGLE"), std::string::npos);
        }
    EXPECT_EQ(screen(), "");  // no pause on a file
}

TEST_F(ShipPagesTest, SummaryPageCaptionsAndOverflow) {
    TPCM.NUNTS = 1;
    TPCM.DISPL = 12345678.0f;
    SHPSUM();
    const std::vector<std::string> lines = file_lines();
    EXPECT_TRUE(has_line(lines, "               DISPLACEMENT ..........................********** M.TONS  "));
    EXPECT_TRUE(has_line(lines, "               WATER DEPTH ...........................   1000.00 METERS  "));
    bool density = false;
    for (const std::string& l : lines)
        if (l.find("WATER DENSITY") != std::string::npos) density = l.substr(l.size() - 15) == "KGW/CUBIC METER";
    EXPECT_TRUE(density);
}

TEST_F(ShipPagesTest, MotionPageLinesFromTheModel) {
    TPCM.NUNTS = 0;
    HIMEM.WR = 0.5f;
    HIMEM.ROLI = 2.0e9f;
    WAVCOM.RHOWTR = 0.0019905451f;
    TPCM.LRLDMP = 0;
    HIMEM.GAMROL = 0.25f;
    TPCM.LSLPHT = 1;
    TPCM.SLPHT = 4.0f;
    SHPOUT();
    const std::vector<std::string> lines = file_lines();
    EXPECT_EQ(lines[0], "\f");
    EXPECT_EQ(lines[2], "   ***************  II.  UNMOORED VESSEL MOTION CHARACTERISTICS  **************");
    EXPECT_EQ(lines[4], "");  // no note: the periods heading follows the box
    EXPECT_EQ(lines[7], "     ----  NATURAL PERIODS AT ZERO SPEED  ----");
    EXPECT_TRUE(has_line(lines, "               NATURAL ROLL PERIOD ....................  12.6 SECONDS "));
    EXPECT_TRUE(has_line(lines, "               Damping conversion: 1% =  0.398E+05 ft*kip/(rad/sec)       "));
    EXPECT_TRUE(has_line(lines, "               NATURAL ROLL DAMPING IN BEAM WAVES .....  12.5 PERCENT "));
    EXPECT_TRUE(has_line(lines, "               REGULAR WAVE SLOPE .....................   4.0 DEGREES "));
    EXPECT_EQ(lines.back(), "               WATER DEPTH ............................1000.0 FEET    ");
}

TEST_F(ShipPagesTest, PitchAndHeaveDampingsComeFromTheFitsAtTheNearestGridPeriods) {
    SHPCHR();
    Int pass = 0;
    SHPFRC(pass);
    const Himem& H = HIMEM;
    Real A33 = 0, A55 = 0, B33 = 0, B55 = 0;
    DPMAS0(A33, A55, B33, B55, H.WP, H.RLDUM(H.LCNWK + H.JP - 1) * H.XSCALE, H.HCONST, H.HMAS0, H.HMSRAT, H.PCONST,
           H.PMAS0, H.PMSRAT);
    const Real pitch = 50.0f * B55 / (H.PTCHI * H.WP);
    DPMAS0(A33, A55, B33, B55, H.WH, H.RLDUM(H.LCNWK + H.JH - 1) * H.XSCALE, H.HCONST, H.HMAS0, H.HMSRAT, H.PCONST,
           H.PMAS0, H.PMSRAT);
    const Real heave = 50.0f * B33 / (H.HVMAS * H.WH);
    ASSERT_GT(pitch, 0.0f);
    ASSERT_GT(heave, 0.0f);
    SHPOUT();
    const std::vector<std::string> lines = file_lines();
    EXPECT_TRUE(has_line(lines, "               NATURAL PITCH DAMPING IN HEAD WAVES ...." + fmt_F(pitch, 6, 1) +
                                    " PERCENT "));
    EXPECT_TRUE(has_line(lines, "               NATURAL HEAVE DAMPING .................." + fmt_F(heave, 6, 1) +
                                    " PERCENT "));
    // With every damping given by the user the lines print the user's values, while the conversion
    // lines keep the model's frequencies and inertias.
    const std::string roll_conversion = "               Damping conversion: 1% = " +
                                        fmt_E(0.02f * H.WR * WAVCOM.RHOWTR * H.ROLI, 10, 3) + " ft*kip/(rad/sec)       ";
    EXPECT_TRUE(has_line(lines, roll_conversion));
    capture_unit(DISK_UNIT);
    TPCM.LPTDMP = TPCM.LHVDMP = TPCM.LRLDMP = 1;
    TPCM.PTDAMP = 3.0f;
    TPCM.HVDAMP = 4.0f;
    TPCM.RLDAMP = 5.0f;
    SHPOUT();
    const std::vector<std::string> user = file_lines();
    EXPECT_TRUE(has_line(user, "               NATURAL ROLL DAMPING IN BEAM WAVES .....   5.0 PERCENT "));
    EXPECT_TRUE(has_line(user, "               NATURAL PITCH DAMPING IN HEAD WAVES ....   3.0 PERCENT "));
    EXPECT_TRUE(has_line(user, "               NATURAL HEAVE DAMPING ..................   4.0 PERCENT "));
    EXPECT_TRUE(has_line(user, roll_conversion));
}

TEST_F(ShipPagesTest, UserRaoNoteAndOverflowingPeriod) {
    TPCM.AUXVSH = 1;
    HIMEM.WR = 6.2831855f / 12000.0f;
    SHPOUT();
    const std::vector<std::string> lines = file_lines();
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], " ++> NOTE:  The data on this page represent KORVELL estimates;");
    EXPECT_EQ(lines[6], "            Motion data on subsequent pages derive from USER-SUPPLIED RAOs");
    EXPECT_EQ(lines[7], "            which may or may not be consistent with the data on this page.");
    EXPECT_EQ(lines[8], "");
    EXPECT_TRUE(has_line(lines, "               NATURAL ROLL PERIOD ....................****** SECONDS "));
}

TEST_F(ShipPagesTest, ConsolePagesRepeatOnAPageCommand) {
    struct Case {
        const char* answers;
        std::size_t pages;
    } cases[] = {{"-1\n\n", 2}, {"B\n", 1}, {"-0.5\n", 1}};
    for (const Case& c : cases) {
        capture_unit(SCREEN_UNIT);
        TPCM.IUNIT = SCREEN_UNIT;
        answers(c.answers);
        SHPSUM();
        EXPECT_EQ(count_of(screen(), "PHYSICAL CHARACTERISTICS SUMMARY"), c.pages) << c.answers;
        capture_unit(SCREEN_UNIT);
        answers(c.answers);
        SHPOUT();
        EXPECT_EQ(count_of(screen(), "UNMOORED VESSEL MOTION"), c.pages) << c.answers;
    }
}

TEST_F(ShipPagesTest, SilentConsoleIsNeitherClearedNorPaused) {
    TPCM.IUNIT = SILENT_UNIT;
    TPCM.EDUNIT = SILENT_UNIT;
    answers("");  // a read would meet the end of the input
    SHPSUM();
    SHPOUT();
    EXPECT_EQ(count_of(silent(), "PHYSICAL CHARACTERISTICS SUMMARY"), 1u);
    EXPECT_EQ(count_of(silent(), "UNMOORED VESSEL MOTION"), 1u);
    EXPECT_EQ(silent().find("Press"), std::string::npos);
}

}  // namespace
}  // namespace brevant::testing
