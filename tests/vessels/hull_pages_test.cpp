// The line layouts of the hull report pages: dot leaders to a fixed width, fixed-point fields
// without a leading zero, asterisks on overflow, the caption fields, and the page loop's pause.
#include "vessels/hull_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "sysutl/units.h"
#include "test_support.h"
#include "vessels/hull_page_rows.h"

namespace brevant::hull_pages {
namespace {

struct LineCase {
    const char* what;
    std::string line;
    const char* expected;
};

TEST(HullPageLines, LayoutsOfEveryKindOfLine) {
    const LineCase cases[] = {
        {"depth, English", value_line("WATER DEPTH ", 350.0f, "FEET"),
         "               WATER DEPTH ...........................    350.00 FEET    "},
        {"density, English", density_line("WATER DENSITY ", 63.9f, "LBS", density_length_word(0)),
         "               WATER DENSITY .........................     63.90 LBS/CUBIC FOOT "},
        {"density, metric", density_line("WATER DENSITY ", 1025.0f, "KGW", density_length_word(1)),
         "               WATER DENSITY .........................   1025.00 KGW/CUBIC METER"},
        {"area", area_line("WATER PLANE AREA ", 2000.0f, "FEET"),
         "               WATER PLANE AREA ......................   2000.00 SQUARE FEET    "},
        {"angle below one", angle_line("TRIM ANGLE ", 0.5f),
         "               TRIM ANGLE ............................       .50 DEG"},
        {"exact zero", angle_line("HEEL ANGLE ", 0.0f),
         "               HEEL ANGLE ............................       .00 DEG"},
        {"negative below one", value_line("DRAFT ", -0.25f, "METERS"),
         "               DRAFT .................................      -.25 METERS  "},
        {"rounds to zero", value_line("DRAFT ", 0.004f, "FEET"),
         "               DRAFT .................................      0.00 FEET    "},
        {"too wide", value_line("DISPLACEMENT ", 12345678.0f, "K.LBS"),
         "               DISPLACEMENT ..........................********** K.LBS   "},
        {"page II period", period_line("NATURAL ROLL PERIOD ....................", 12.566f, 6, "SECONDS"),
         "               NATURAL ROLL PERIOD ....................  12.6 SECONDS "},
        {"page II period, 7 wide", period_line("NATURAL ROLL PERIOD ....................", 25.13f, 7, "SECONDS"),
         "               NATURAL ROLL PERIOD ....................   25.1 SECONDS "},
        {"period too wide", period_line("NATURAL ROLL PERIOD ....................", 10000.0f, 6, "SECONDS"),
         "               NATURAL ROLL PERIOD ....................****** SECONDS "},
        {"conversion", conversion_line(39810.9f, motion_captions(0, 0).ROLDUN),
         "               Damping conversion: 1% =  0.398E+05 ft*kip/(rad/sec)       "},
        {"regular wave slope", regular_wave_line(motion_captions(0, 1).SHTCHR, 4.0f, 6, motion_captions(0, 1).DUM),
         "               REGULAR WAVE SLOPE .....................   4.0 DEGREES "},
        {"regular wave height", regular_wave_line(motion_captions(1, 0).SHTCHR, 8.0f, 7, motion_captions(1, 0).DUM),
         "               REGULAR WAVE HEIGHT.....................    8.0 METERS  "},
    };
    for (const LineCase& c : cases) EXPECT_EQ(c.line, c.expected) << c.what;
}

TEST(HullPageLines, LabelAndDotsAlwaysFillThirtyNineColumns) {
    for (const char* label : {"DRAFT ", "NATURAL PITCH CENTER (VKP) ", "PITCH GYRADIUS ", "LONGITUDINAL IWP/DELTA ",
                              "FORWARD (X) WATERPLANE CENTROID  "}) {
        const std::string line = value_line(label, 1.0f, "FEET");
        EXPECT_EQ(line.substr(15 + 39, 10), "      1.00") << label;
        EXPECT_EQ(line.find_first_not_of('.', 15 + std::string(label).size()), 15u + 39u) << label;
    }
}

TEST(HullPageLines, DampingCaptionsByUnitSystem) {
    EXPECT_EQ(motion_captions(1, 0).HEVDUN, " m.ton/(m/sec)          ");
    EXPECT_EQ(motion_captions(1, 0).ROLDUN, " m.ton*m./(rad/sec)     ");
    EXPECT_EQ(motion_captions(0, 0).HEVDUN, " k.lb/(ft/sec)          ");
    EXPECT_EQ(motion_captions(3, 0).HEVDUN, " PROBLEM here!          ");
    EXPECT_EQ(motion_captions(3, 0).ROLDUN, " PROBLEM here!          ");
}

class HullPageLoop : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    int passes = 0;
    void write() {
        write_page([&] {
            ++passes;
            write_record(TPCM.IUNIT, "line");
        });
    }
};

TEST_F(HullPageLoop, ConsoleRepeatsOnlyForPageCommands) {
    struct Case {
        const char* answers;
        int passes;
    } cases[] = {{"-1\n\n", 2}, {"-3\n-1\n5\n", 3}, {"B\n", 1}, {"-0.5\n", 1}, {"\n", 1}, {"2\n", 1}};
    for (const Case& c : cases) {
        passes = 0;
        TPCM.IUNIT = SCREEN_UNIT;
        answers(c.answers);
        write();
        EXPECT_EQ(passes, c.passes) << c.answers;
    }
}

TEST_F(HullPageLoop, AFilePageIsWrittenOnceWhateverTheAnswerCodeHeld) {
    capture_unit(DISK_UNIT);
    TPCM.IUNIT = DISK_UNIT;
    TPCM.LBACK = -1;  // left over from an earlier page command
    write();
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(captured(DISK_UNIT), "\f\nline\n");
}

// The hydrostatic lines of the ship and the disc buoy, every line in its place; the metacentric
// radii are formed for the print as KM - KB.
TEST_F(HullPageLoop, HydrostaticLinesLineByLine) {
    capture_unit(DISK_UNIT);
    reset_himem();
    TPCM.NUNTS = 0;
    TPCM.DISPL = 3000.0f, TPCM.AWP = 400.0f, TPCM.VKB = 4.0f, TPCM.DRAFT = 9.0f, TPCM.VKG = 11.0f;
    HIMEM.VTCRR = 6.5f, HIMEM.VTCRP = -1.25f;
    TPCM.PGYR = 30.0f, TPCM.RGYR = 8.0f, TPCM.YGYR = 31.0f;
    HIMEM.GML = 140.0f, TPCM.VKML = 151.0f, HIMEM.GMT = 2.0f, TPCM.VKMT = 13.0f;
    hydrostatic_lines(DISK_UNIT);
    const std::vector<std::string> expected = testing::page_rows(" FEET    ", {
        {"DISPLACEMENT ", "   3000.00", " K.LBS   "},
        {"WATER PLANE AREA ", "    400.00", " SQUARE FEET    "},
        {"VERTICAL (Z) KB ", "      4.00"},
        {"DRAFT ", "      9.00"},
        {},
        {"VERTICAL (Z) KG ", "     11.00"},
        {"NATURAL ROLL CENTER (VKR) ", "      6.50"},
        {"NATURAL PITCH CENTER (VKP) ", "     -1.25"},
        {},
        {"PITCH GYRADIUS ", "     30.00"},
        {"ROLL GYRADIUS ", "      8.00"},
        {"YAW GYRADIUS ", "     31.00"},
        {},
        {"LONGITUDINAL GM (GML) ", "    140.00"},
        {"LONGITUDINAL KM (KML) ", "    151.00"},
        {"LONGITUDINAL IWP/DELTA ", "    147.00"},
        {},
        {"TRANSVERSE GM (GMT) ", "      2.00"},
        {"TRANSVERSE KM (KMT) ", "     13.00"},
        {"TRANSVERSE IWP/DELTA ", "      9.00"},
    });
    EXPECT_EQ(testing::lines_of(captured(DISK_UNIT)), expected);
    reset_himem();
}

}  // namespace
}  // namespace brevant::hull_pages
