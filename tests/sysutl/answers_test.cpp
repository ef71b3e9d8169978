// Answer reading: numbers, command letters, the keep-on-blank rule, prompts and end of input.
#include "sysutl/answers.h"

#include "test_support.h"

namespace brevant {
namespace {

using Answers = testing::ConsoleTest;

TEST_F(Answers, ReadiTurnsLettersIntoNavigationCodes) {
    struct {
        const char* answer;
        Int num, pagno;
    } cases[] = {
        {"J12", -1984, 12}, {"15", 15, 5},   {"?3", -1978, 3}, {"h7", -1979, 7}, {"H", -1979, 0}, {"h", -1979, 0},
        {"j7", -1984, 7},   {"?", -1978, 0}, {"!", -2013, 77}, {"!x", -2013, 77}, {"abc", 55, 77}, {"1.5", 55, 77},
        {"", 55, 77},       {"   ", 55, 77}, {"a", 0, 0},      {"-1", -1, 1},    {"-5", 0, 5},    {"1 2", 12, 2},
        {"0", 0, 0},        {"Jx", 55, 77},  {"Help", 55, 77}, {"b", -1, 0},     {"F", -1980, 0}, {"l", -1981, 0},
        {"s", -1982, 0},    {"E", -1983, 0}, {"m", -1985, 0},  {"C", -1986, 0},  {"d", -1987, 0}, {"I", -1988, 0},
        {"x", -1989, 0},    {"1234567", 123456, 23456}, {" 5", 5, 5}, {" J3", 55, 77}, {"+7", 7, 7},
        {"1\t2", 55, 77},
    };
    for (const auto& c : cases) {
        answers(std::string(c.answer) + "\n");
        Int num = 55, pagno = 77;
        READI(num, KBD_UNIT, pagno);
        EXPECT_EQ(num, c.num) << '"' << c.answer << '"';
        EXPECT_EQ(pagno, c.pagno) << '"' << c.answer << '"';
    }
}

TEST_F(Answers, CrreadKeepsTheValueOnBlankOrUnreadable) {
    struct {
        const char* answer;
        float x;
        Logical cr;
    } cases[] = {{"1.5", 1.5f, 0}, {"15", 15.0f, 0}, {"", 7.0f, 1}, {"E", 7.0f, 1}, {"1d3", 1000.0f, 0},
                 {"-2.5e-1", -0.25f, 0}, {"abc", 7.0f, 1}, {"  3 ", 3.0f, 0}, {"1\t5", 7.0f, 1},
                 {"1.5E0000001", 15.0f, 0}};
    for (const auto& c : cases) {
        answers(std::string(c.answer) + "\n");
        Real x = 7.0f;
        Logical cr = 5;
        CRREAD(x, cr, KBD_UNIT);
        EXPECT_EQ(x, c.x) << c.answer;
        EXPECT_EQ(cr, c.cr) << c.answer;
    }
}

TEST_F(Answers, CrrealReadsUpToThreeValues) {
    struct {
        const char* answer;
        float x1, x2, x3;
        Logical cr;
    } cases[] = {{"1,,3", 1, -2, 3, 0}, {"", -1, -2, -3, 1}, {"4", 4, -2, -3, 0},
                 {"1 2 3 4", 1, 2, 3, 0}, {"1 zz 3", 1, -2, -3, 0}, {"5/ 6", 5, -2, -3, 0}};
    for (const auto& c : cases) {
        answers(std::string(c.answer) + "\n");
        Real x1 = -1, x2 = -2, x3 = -3;
        Logical cr = 5;
        CRREAL(x1, x2, x3, cr, KBD_UNIT);
        EXPECT_EQ(x1, c.x1) << c.answer;
        EXPECT_EQ(x2, c.x2) << c.answer;
        EXPECT_EQ(x3, c.x3) << c.answer;
        EXPECT_EQ(cr, c.cr) << c.answer;
    }
}

TEST_F(Answers, EveryCallReadsExactlyOneLine) {
    answers("12345678901234567890\nnext\n\n");
    Real x = 0;
    Logical cr = 0;
    CRREAD(x, cr, KBD_UNIT);
    EXPECT_EQ(x, 123456789012.0f);  // only the first 12 characters count
    char c = 'z';
    READC(c, KBD_UNIT);
    EXPECT_EQ(c, 'n');
    READCP(c);
    EXPECT_EQ(c, ' ');
}

TEST_F(Answers, UpcaseClassifies) {
    struct {
        char in, out;
        Int ierr;
    } cases[] = {{'q', 'Q', 0}, {'Q', 'Q', 0}, {'7', '7', 1}, {' ', ' ', 2}, {'{', '[', 1}, {'?', '?', 1}};
    for (const auto& c : cases) {
        char ch = c.in;
        Int ierr = -1;
        UPCASE(ch, ierr);
        EXPECT_EQ(ch, c.out) << c.in;
        EXPECT_EQ(ierr, c.ierr) << c.in;
    }
}

TEST_F(Answers, PromptsGoToTheScreenOnlyOutsideSilentRuns) {
    WRTLNI("Enter new value for # ", 22, 5, SCREEN_UNIT);
    EXPECT_EQ(screen(), " Enter new value for #   5  ");
    clear_captured(SCREEN_UNIT);
    WRTLNI("n ", 2, 1000, SCREEN_UNIT);
    EXPECT_EQ(screen(), " n ***  ");
    clear_captured(SCREEN_UNIT);
    WRTLIN("Enter new value: ", 5, SCREEN_UNIT);
    EXPECT_EQ(screen(), " Enter new value: ");
    clear_captured(SCREEN_UNIT);
    // A dump-file console still prompts on the screen; the silent run shows nothing anywhere.
    WRTLIN("x", 1, 1);
    EXPECT_EQ(screen(), " x");
    clear_captured(SCREEN_UNIT);
    WRTLIN("x", 1, SILENT_UNIT);
    WRTLNI("x", 1, 3, SILENT_UNIT);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(silent(), "");
}

TEST_F(Answers, EndOfInputEndsTheProgram) {
    answers("");
    Int num = 0, pag = 0;
    try {
        READI(num, KBD_UNIT, pag);
        FAIL() << "a closed keyboard must end the program";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
}

}  // namespace
}  // namespace brevant
