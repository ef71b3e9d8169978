// The pause and the two fatal file-error exits, on the screen and in a silent run.
#include "sysutl/error_exits.h"

#include <functional>
#include <string>

#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;

// Runs a routine that must end the program and returns the exit status (-1 when it returned).
int end_status(const std::function<void()>& f) {
    try {
        f();
    } catch (const ProgramEnd& e) {
        return e.status;
    }
    return -1;
}

TEST_F(ConsoleTest, AcerrReportsCaptionAndNamePausesAndEnds) {
    struct Case {
        const char* where;
        const char* who;
    };
    // Names as the callers pass them: blank-padded fixed texts, and plain ones.
    for (const Case& c : {Case{"BrevEdit    ", "BREVDAT     "}, Case{"IoInit", "BREVDAT"}}) {
        SCOPED_TRACE(c.where);
        clear_captured(SCREEN_UNIT);
        answers("\nnext\n");
        EXPECT_EQ(end_status([&] { ACERR(c.where, c.who, SCREEN_UNIT); }), 1);
        EXPECT_EQ(screen(), std::string("\n ++> File not found or file access error in ") + c.where +
                                "\n     File name: " + c.who + "\n \n Press <RETURN> to continue: ");
        EXPECT_EQ(read_keyboard_line(), "next");  // exactly one line was read
    }
}

TEST_F(ConsoleTest, AcerrInASilentRunWritesNoPromptAndReadsNothing) {
    answers("kept\n");
    EXPECT_EQ(end_status([] { ACERR("IOINIT", "LOWDAT", SILENT_UNIT); }), 1);
    EXPECT_EQ(silent(), "\n ++> File not found or file access error in IOINIT\n     File name: LOWDAT\n \n");
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(read_keyboard_line(), "kept");
}

TEST_F(ConsoleTest, FilerrReportsRoutineAndFileThenPauses) {
    answers("\n");
    EXPECT_EQ(end_status([] { FILERR("USRWND.DAT", "RDUSER", SCREEN_UNIT, KBD_UNIT); }), 1);
    EXPECT_EQ(screen(),
              "\n ++> End of file or related file error in routine RDUSER\n"
              "     file name USRWND.DAT\n \n Press <RETURN> to continue: ");
}

TEST_F(ConsoleTest, FilerrInASilentRunEndsWithoutPause) {
    answers("kept\n");
    EXPECT_EQ(end_status([] { FILERR("F", "R", SILENT_UNIT, KBD_UNIT); }), 1);
    EXPECT_EQ(silent(), "\n ++> End of file or related file error in routine R\n     file name F\n");
    EXPECT_EQ(read_keyboard_line(), "kept");
}

TEST_F(ConsoleTest, PrsretTruncatesTheTypedNumberTowardZero) {
    struct Case {
        const char* answer;
        Int expect;
    };
    const Case cases[] = {{"12.7", 12}, {"2.9", 2},    {"7", 7},       {"-3", -3},         {"-0.5", 0},
                          {"-1.5", -1}, {"", 0},       {"   ", 0},     {"E", 0},           {"x12", 0},
                          {" 1 5 ", 15}, {"2D1", 20},  {"1e12", 2147483647}, {"-1e12", -2147483647 - 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.answer + "\"");
        clear_captured(SCREEN_UNIT);
        answers(std::string(c.answer) + "\n");
        Int lback = -99;
        PRSRET(SCREEN_UNIT, KBD_UNIT, lback);
        EXPECT_EQ(lback, c.expect);
        EXPECT_EQ(screen(), " \n Press <RETURN> to continue: ");
    }
}

TEST_F(ConsoleTest, PrsretInASilentRunReturnsZeroAtOnce) {
    answers("5\n");
    Int lback = -99;
    PRSRET(SILENT_UNIT, KBD_UNIT, lback);
    EXPECT_EQ(lback, 0);
    EXPECT_EQ(silent(), "");
    EXPECT_EQ(read_keyboard_line(), "5");
}

}  // namespace
}  // namespace brevant
