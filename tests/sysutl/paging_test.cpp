// Screen paging and line output: page breaks by unit, the two-pages-per-sheet counter, centring
// and the dotted report line.
#include "sysutl/paging.h"

#include "test_support.h"

namespace brevant {
namespace {

using Paging = testing::ConsoleTest;

TEST_F(Paging, PageBreakDependsOnTheUnit) {
    capture_unit(1);
    capture_unit(PRINTER_UNIT);
    PAGE(SILENT_UNIT, SILENT_UNIT, 1, PRINTER_UNIT);
    PAGE(SILENT_UNIT, SCREEN_UNIT, 1, PRINTER_UNIT);
    EXPECT_EQ(silent(), "");
    PAGE(PRINTER_UNIT, SCREEN_UNIT, 1, PRINTER_UNIT);
    EXPECT_EQ(captured(PRINTER_UNIT), "1\n");
    PAGE(1, SCREEN_UNIT, 1, PRINTER_UNIT);
    EXPECT_EQ(captured(1), "\f\n");
    clear_captured(1);
    PAGE(1, SCREEN_UNIT, 1, 1);
    EXPECT_EQ(captured(1), "1\n");
    // Clearing a screen that is not a terminal writes nothing into the transcript.
    PAGE(SCREEN_UNIT, SCREEN_UNIT, 1, PRINTER_UNIT);
    EXPECT_EQ(screen(), "");
}

TEST_F(Paging, TwoPagesPerSheet) {
    capture_unit(1);
    Int lcopy = 1;
    TWOPG(lcopy, 1);
    TWOPG(lcopy, 1);
    TWOPG(lcopy, 1);
    EXPECT_EQ(lcopy, 4);
    EXPECT_EQ(captured(1), "\n\n\n\f\n\n\n\n");
}

TEST_F(Paging, TwoPagesPerSheetOnTheScreenAndTheSilentConsole) {
    // The screen is cleared in place of the form feed (nothing in a piped transcript); the silent
    // console gets no page break at all but still gets the gap of three empty lines.
    for (Int unit : {SCREEN_UNIT, SILENT_UNIT}) {
        Int lcopy = 0;
        TWOPG(lcopy, unit);
        TWOPG(lcopy, unit);
        TWOPG(lcopy, unit);
        EXPECT_EQ(lcopy, 3);
        EXPECT_EQ(captured(unit), "\n\n\n") << unit;
    }
}

TEST_F(Paging, LinesWritesEmptyRecords) {
    LINES(SCREEN_UNIT, 2);
    LINES(SCREEN_UNIT, 0);
    LINES(SCREEN_UNIT, -3);
    EXPECT_EQ(screen(), "\n\n");
    LINES(SILENT_UNIT, 1);
    EXPECT_EQ(silent(), "\n");
}

TEST_F(Paging, CenterTruncatesTheBlankCount) {
    const std::string a(30, 'a');
    CENTER(a + "tail", 30, "bbbbbbbbbbbbbbbbbbbbbxx", 21, 80, SCREEN_UNIT);
    EXPECT_EQ(screen(), std::string(14, ' ') + a + std::string(21, 'b') + "\n");
    clear_captured(SCREEN_UNIT);
    CENTER("ab", 5, "c", 1, 16, SCREEN_UNIT);
    EXPECT_EQ(screen(), std::string(5, ' ') + "ab   c\n");
}

TEST_F(Paging, OnelinWritesADottedLine) {
    const Real val = 12.345f;
    Real copy = val;
    ONELIN("Mean wind speed", 15, copy, [](Int n) { return n == 3 ? std::string("knots") : std::string("?"); }, 3,
           SCREEN_UNIT);
    const std::string expected =
        std::string(10, ' ') + "Mean wind speed" + " " + std::string(22, '.') + "     12.35" + " " + "knots" +
        std::string(11, ' ') + "\n";
    EXPECT_EQ(screen(), expected);
    EXPECT_EQ(expected.size(), 76u);  // 75 columns and the line end
    EXPECT_EQ(copy, val);
    clear_captured(SCREEN_UNIT);
    ONELIN("Twenty characters!!!", 20, 0.5f, [](Int) { return std::string("m"); }, 1, SILENT_UNIT);
    EXPECT_EQ(silent(), std::string(10, ' ') + "Twenty characters!!! " + std::string(17, '.') + "       .50 m" +
                            std::string(15, ' ') + "\n");
}

}  // namespace
}  // namespace brevant
