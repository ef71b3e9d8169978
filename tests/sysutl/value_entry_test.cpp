// Item selection and value entry: answers, navigation codes and prompts.
#include "sysutl/value_entry.h"

#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

using ValueEntry = testing::ConsoleTest;

const std::string kSelect = " \n Enter number of selection (\"H\" for help): ";
const std::string kHelp =
    "\n\n At any \"Enter number of selection\" prompt:\n\n"
    " (F)  First page\n (L)  Last page\n (S)  Skip ahead a page\n (E)  Execute program\n"
    " (B)  Back a page\n (Jn) Jump to page \"n\"\n (?)  Help summary for current page\n"
    " (?n) Help on current page for selection \"n\"\n\n";

TEST_F(ValueEntry, SelectionAnswers) {
    struct Case {
        const char* answer;
        Int lback, pagno;
    };
    const Case cases[] = {
        {"", 0, 99},           // blank: 0, not the previous selection
        {"7", 7, 0},           {"?4", NAV_HELP, 4}, {"J12", NAV_JUMP, 12}, {"f", NAV_FIRST, 0},
        {"!", NAV_REDRAW, 99}, {"-5", 0, 5},        {"1.5", 0, 99},
    };
    for (const Case& c : cases) {
        answers(std::string(c.answer) + "\n");
        clear_captured(SCREEN_UNIT);
        Int lback = 33, pagno = 99;
        ENTSEL(lback, SCREEN_UNIT, KBD_UNIT, pagno);
        EXPECT_EQ(lback, c.lback) << '"' << c.answer << '"';
        EXPECT_EQ(pagno, c.pagno) << '"' << c.answer << '"';
        EXPECT_EQ(screen(), kSelect) << '"' << c.answer << '"';  // "!" shows no help
    }
}

TEST_F(ValueEntry, HelpLetterShowsTheCommandHelpAndPauses) {
    answers("h\n3\n5\n");
    Int lback = 0, pagno = 0;
    ENTSEL(lback, SCREEN_UNIT, KBD_UNIT, pagno);
    EXPECT_EQ(lback, NAV_REDRAW);
    EXPECT_EQ(screen(), kSelect + kHelp + " \n Press <RETURN> to continue: ");
    // The number typed at the pause is dropped; the next answer is still unread.
    ENTSEL(lback, SCREEN_UNIT, KBD_UNIT, pagno);
    EXPECT_EQ(lback, 5);
}

TEST_F(ValueEntry, SilentRunWritesOnlyTheBlankLineAndTheHelp) {
    answers("\nH\n4\n");
    Int lback = 9, pagno = 0;
    ENTSEL(lback, SILENT_UNIT, KBD_UNIT, pagno);
    EXPECT_EQ(lback, 0);
    EXPECT_EQ(silent(), " \n");
    clear_captured(SILENT_UNIT);
    ENTSEL(lback, SILENT_UNIT, KBD_UNIT, pagno);
    EXPECT_EQ(lback, NAV_REDRAW);
    // The pause returns at once in a silent run: "4" is left for the next question.
    EXPECT_EQ(silent(), " \n" + kHelp);
    ENTSEL(lback, SILENT_UNIT, KBD_UNIT, pagno);
    EXPECT_EQ(lback, 4);
    EXPECT_EQ(screen(), "");
}

TEST_F(ValueEntry, RealEntryNeverNavigates) {
    struct Case {
        const char* answer;
        Real out;
    };
    const Case cases[] = {{"12.5", 12.5f}, {"", 3.0f}, {"E", 3.0f}, {"-4", -4.0f}, {"1d2", 100.0f}, {"1.2.3", 3.0f}};
    for (const Case& c : cases) {
        answers(std::string(c.answer) + "\n");
        clear_captured(SCREEN_UNIT);
        Real x = 3.0f;
        ENTERF(x, SCREEN_UNIT, KBD_UNIT);
        EXPECT_EQ(x, c.out) << '"' << c.answer << '"';
        EXPECT_EQ(screen(), " Enter new value: ");
    }
    answers("8\n");
    Real x = 0.0f;
    ENTERF(x, SILENT_UNIT, KBD_UNIT);
    EXPECT_EQ(x, 8.0f);
    EXPECT_EQ(screen(), " Enter new value: ");  // nothing more
    EXPECT_EQ(silent(), "");
}

TEST_F(ValueEntry, IntegerEntryPassesCommandLettersBack) {
    struct Case {
        const char* answer;
        Int out;
    };
    const Case cases[] = {{"12", 12}, {"", 6}, {"E", NAV_EXECUTE}, {"-7", 0}, {"-1", -1},
                          {"J5", NAV_JUMP}, {"!", NAV_BANG}, {"2.5", 6}};
    for (const Case& c : cases) {
        answers(std::string(c.answer) + "\n");
        clear_captured(SCREEN_UNIT);
        Int i = 6;
        ENTERI(i, SCREEN_UNIT, KBD_UNIT);
        EXPECT_EQ(i, c.out) << '"' << c.answer << '"';
        EXPECT_EQ(screen(), " Enter new value: ");
    }
}

TEST_F(ValueEntry, PointEntryReadsUpToThreeValues) {
    answers("1.5 2.5\n");
    Real u1 = 0, u2 = 0, u3 = 9;
    Logical cr = 7;
    ENTCRD(4, u1, u2, u3, 2, SCREEN_UNIT, KBD_UNIT, cr);
    EXPECT_EQ(screen(), " Enter new data for #  4 (x,y): ");
    EXPECT_EQ(u1, 1.5f);
    EXPECT_EQ(u2, 2.5f);
    EXPECT_EQ(u3, 9.0f);
    EXPECT_EQ(cr, 0);

    // A third value still lands in U3 with NPER 2; an empty value keeps its coordinate.
    answers(",7,8\n");
    ENTCRD(4, u1, u2, u3, 2, SCREEN_UNIT, KBD_UNIT, cr);
    EXPECT_EQ(u1, 1.5f);
    EXPECT_EQ(u2, 7.0f);
    EXPECT_EQ(u3, 8.0f);

    answers("\n");
    clear_captured(SCREEN_UNIT);
    ENTCRD(123, u1, u2, u3, 3, SCREEN_UNIT, KBD_UNIT, cr);
    EXPECT_EQ(screen(), " Enter new data for #123 (x,y,z): ");
    EXPECT_EQ(cr, 1);
    EXPECT_EQ(u1, 1.5f);
}

TEST_F(ValueEntry, PointPromptGoesToTheScreenWhateverTheConsole) {
    answers("1\n1\n");
    Real u1 = 0, u2 = 0, u3 = 0;
    Logical cr = 0;
    ENTCRD(1000, u1, u2, u3, 4, SILENT_UNIT, KBD_UNIT, cr);
    EXPECT_EQ(screen(), " Enter new data for #*** ERROR!");
    EXPECT_EQ(silent(), "");
    EXPECT_EQ(u1, 1.0f);  // still read
}

}  // namespace
}  // namespace brevant
