// Page drawing: starred headers, dotted item lines in the page's format, unit captions and the
// warning pager.
#include "sysutl/page_drawing.h"

#include "sysutl/fortran_format.h"
#include "test_support.h"

namespace brevant {
namespace {

using PageDrawing = testing::ConsoleTest;

TEST_F(PageDrawing, HeaderCentresTheTitleBetweenStars) {
    PAGHDR("2", "Vessel", " Hydrostatic Characteristics", 74, SCREEN_UNIT, 1);
    const std::string stars(14, '*');
    EXPECT_EQ(screen(), " " + stars + "  Page 2: Vessel Hydrostatic Characteristics  " + stars + "\n\n");
}

TEST_F(PageDrawing, HeaderStarCountTruncatesAndFallsBackToBlanks) {
    // LENTIT = 1 + 3 + 4 + 7 = 15; HDRLEN = LENTIT + 12 gives four stars a side.
    PAGHDR("7", "Abc", "Defg", 27, SCREEN_UNIT, 0);
    EXPECT_EQ(screen(), " ****  Page 7: AbcDefg  ****\n\n");
    clear_captured(SCREEN_UNIT);
    // One column less: (27 - 1 - 15 - 4) / 2 = 3 (truncated).
    PAGHDR("7", "Abc", "Defg", 26, SCREEN_UNIT, 0);
    EXPECT_EQ(screen(), " ***  Page 7: AbcDefg  ***\n\n");
    clear_captured(SCREEN_UNIT);
    // NSTARS of 1, 0 or below: one blank in place of each run.
    for (Int hdrlen : {21, 19, 5, -40}) {
        clear_captured(SCREEN_UNIT);
        PAGHDR("7", "Abc", "Defg", hdrlen, SCREEN_UNIT, 0);
        EXPECT_EQ(screen(), "    Page 7: AbcDefg   \n\n") << hdrlen;
    }
}

TEST_F(PageDrawing, HeaderUsesEachTextAtItsFullLength) {
    PAGHDR("12", "Site  ", "Winds ", 40, SILENT_UNIT, 0);
    // LENTIT = 2 + 6 + 6 + 7 = 21; (40 - 21 - 4) / 2 = 7.
    EXPECT_EQ(silent(), " *******  Page 12: Site  Winds   *******\n\n");
    EXPECT_EQ(screen(), "");
}

TEST(EdlnotTest, DottedLabelEndsAtTheLineLength) {
    const std::string label = EDLNOT(3, "Water depth", 56);
    ASSERT_EQ(label.size(), 79u);
    const std::string expected = std::string(" ") + " 3" + ")" + " " + "Water depth" + " " + std::string(40, '.');
    EXPECT_EQ(label, fixed_len(expected, 79));
    EXPECT_EQ(label.find_last_of('.'), 56u);  // column LENLIN + 1
}

TEST(EdlnotTest, ShortRunOfDotsBecomesOneBlank) {
    struct Case {
        Int lenlin;
        std::string tail;
    };
    // Label of 10 characters: LENDOT = LENLIN - 15.
    const Case cases[] = {
        {17, " .."},  // LENDOT 2: still dots
        {16, "  "},   // LENDOT 1: one blank
        {12, "  "},   // LENDOT below 1: one blank
    };
    for (const Case& c : cases) {
        const std::string label = EDLNOT(12, "Ten chars!", c.lenlin);
        EXPECT_EQ(label, fixed_len(" 12) Ten chars!" + c.tail, 79)) << c.lenlin;
    }
    // An item number that does not fit two columns shows as asterisks.
    EXPECT_EQ(EDLNOT(100, "X", 9).substr(0, 8), " **) X .");
}

TEST(EunitTest, CaptionTable) {
    EXPECT_EQ(EUNIT(0), "k.lbs      ");
    EXPECT_EQ(EUNIT(1), "m.ton      ");
    EXPECT_EQ(EUNIT(11), "lbs/ft^3   ");
    EXPECT_EQ(EUNIT(12), "kgw/m^3    ");
    EXPECT_EQ(EUNIT(16), "sec        ");
    EXPECT_EQ(EUNIT(17), "height:    ");
    EXPECT_EQ(EUNIT(20), "m^2        ");
    EXPECT_EQ(EUNIT(21), std::string(11, ' '));
    EXPECT_EQ(EUNIT(22), "Index Error");
    EXPECT_EQ(EUNIT(-1), "Index Error");
    // English and metric captions of a quantity are neighbours.
    EXPECT_EQ(EUNIT(7 + 1), fixed_len("m", 11));
    EXPECT_EQ(EUNIT(14 + 1), fixed_len("m/sec", 11));
}

TEST_F(PageDrawing, ItemLinesApplyThePageFormatAndCountOn) {
    Int I = 4;
    OUTCFU(I, "Water depth", 123.456f, "(A57,F11.2,1X,A6)", 8, SCREEN_UNIT, 56);
    EXPECT_EQ(I, 5);
    OUTCF0(I, "Draft", -0.25f, "(A57,F11.2)", SCREEN_UNIT, 56);
    EXPECT_EQ(I, 6);
    OUTCI0(I, "Count", 42, "(A57,1X,I3)", SCREEN_UNIT, 56);
    EXPECT_EQ(I, 7);
    OUTCC0(I, "Name", "Barge   ", "(A57,1X,A,'|')", SCREEN_UNIT, 56);
    EXPECT_EQ(I, 8);
    const std::string expected =
        "  4) Water depth " + std::string(40, '.') + "     123.46 m     \n" +
        "  5) Draft " + std::string(46, '.') + "       -.25\n" +
        "  6) Count " + std::string(46, '.') + "  42\n" +
        "  7) Name " + std::string(47, '.') + " Barge   |\n";
    EXPECT_EQ(screen(), expected);
}

TEST_F(PageDrawing, ItemLinesCountOnInASilentRunToo) {
    Int I = 1;
    OUTCF0(I, "A", 1.0f, "(A20,F6.2)", SILENT_UNIT, 19);
    OUTCI0(I, "B", 2, "(A20,I3)", SILENT_UNIT, 19);
    OUTCC0(I, "C", "x", "(A20,A)", SILENT_UNIT, 19);
    OUTCFU(I, "D", 2.0f, "(A20,F6.2,1X,A3)", 2, SILENT_UNIT, 19);
    OUTTXT(I, "E", SILENT_UNIT);
    EXPECT_EQ(I, 6);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(silent(),
              "  1) A .............  1.00\n"
              "  2) B .............  2\n"
              "  3) C .............x\n"
              "  4) D .............  2.00 deg\n"
              "  5) E\n");
}

TEST_F(PageDrawing, PlainTextLine) {
    Int I = 9;
    OUTTXT(I, "Line tensions  ", SCREEN_UNIT);
    EXPECT_EQ(I, 10);
    EXPECT_EQ(screen(), "  9) Line tensions  \n");
}

TEST_F(PageDrawing, WarningPagerPausesWhenBothCountsFillAPage) {
    struct Case {
        Int limit, warnem, fwarn;
        bool pauses;
    };
    const Case cases[] = {
        {10, 4, 6, true},   {10, 0, 10, false}, {10, 10, 0, false}, {10, 5, 6, false},
        {7, 3, 4, true},    {7, 10, 4, true},   {7, 0, 0, false},   {10, 14, 6, true},
        {0, 4, 6, false},  // a limit of 0 never pages (and never divides by zero)
    };
    for (const Case& c : cases) {
        answers("\n");
        clear_captured(SCREEN_UNIT);
        Int nwrn = 3;
        WRNINC(nwrn, c.warnem, c.fwarn, SCREEN_UNIT, KBD_UNIT, c.limit);
        EXPECT_EQ(nwrn, 4);
        EXPECT_EQ(screen(), c.pauses ? " \n Press <RETURN> to continue: " : "")
            << c.limit << " " << c.warnem << " " << c.fwarn;
    }
}

TEST_F(PageDrawing, WarningPagerReadsNothingInASilentRun) {
    Int nwrn = 0;
    WRNINC(nwrn, 4, 6, SILENT_UNIT, KBD_UNIT, 10);  // no answers bound: a read would end the run
    EXPECT_EQ(nwrn, 1);
    EXPECT_EQ(screen(), "");
}

}  // namespace
}  // namespace brevant
