// Flag toggles: flipping, asking in a batch edit, and the captions.
#include "sysutl/toggles.h"

#include "test_support.h"

namespace brevant {
namespace {

using Toggles = testing::ConsoleTest;

const std::string kPrompt = " Enter 1 for \"Yes\", 0 for \"No\": ";

TEST_F(Toggles, ToggleFlipsZeroAndOneAndReportsOthers) {
    Int i = 0;
    TOGGLE(i);
    EXPECT_EQ(i, 1);
    TOGGLE(i);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(screen(), "");
    i = 2;
    TOGGLE(i);
    EXPECT_EQ(i, 2);
    EXPECT_EQ(screen(), " >>> Invalid argument in Toggle\n");
}

TEST_F(Toggles, ToggleL) {
    Logical l = 1;
    TOGGLE_L(l);
    EXPECT_EQ(l, 0);
    TOGGLE_L(l);
    EXPECT_EQ(l, 1);
    l = 5;  // any non-zero word is true
    TOGGLE_L(l);
    EXPECT_EQ(l, 0);
}

TEST_F(Toggles, Toggle2FlipsWithoutAPromptOutsideABatchEdit) {
    struct Case {
        Int in, out;
    };
    for (const Case c : {Case{0, 1}, Case{1, 0}, Case{5, 0}, Case{-1, 0}}) {
        Int i = c.in;
        TOGGLE2(i, 0, SCREEN_UNIT, KBD_UNIT);
        EXPECT_EQ(i, c.out) << c.in;
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(Toggles, Toggle2AsksInABatchEdit) {
    struct Case {
        const char* answer;
        Int start, out;
    };
    const Case cases[] = {
        {"1", 0, 1}, {"0", 1, 0}, {"2", 1, 1},  {"-1", 0, 0}, {"-1", 1, 1}, {"", 1, 1},
        {"H", 1, 1}, {"!", 0, 0}, {"-3", 1, 0}, {"x1", 1, 1}, {" 1", 0, 1},
    };
    for (const Case& c : cases) {
        answers(std::string(c.answer) + "\n");
        clear_captured(SCREEN_UNIT);
        Int i = c.start;
        TOGGLE2(i, 1, SCREEN_UNIT, KBD_UNIT);
        EXPECT_EQ(i, c.out) << '"' << c.answer << "\" from " << c.start;
        EXPECT_EQ(screen(), kPrompt);
    }
}

TEST_F(Toggles, Toggle2InASilentRunAsksWithoutAPrompt) {
    answers("0\n");
    Int i = 1;
    TOGGLE2(i, 1, SILENT_UNIT, KBD_UNIT);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(silent(), "");
}

TEST_F(Toggles, Toggle2LSetsOrKeepsTheLogical) {
    struct Case {
        const char* answer;
        Logical start, out;
    };
    const Case cases[] = {
        {"1", 0, 1}, {"0", 1, 0}, {"-5", 1, 0}, {"", 1, 1}, {"", 0, 0}, {"-1", 1, 1}, {"2", 0, 0}, {"E", 1, 1},
    };
    for (const Case& c : cases) {
        answers(std::string(c.answer) + "\n");
        Logical l = c.start;
        TOGGLE2_L(l, 1, SCREEN_UNIT, KBD_UNIT);
        EXPECT_EQ(l, c.out) << '"' << c.answer << "\" from " << c.start;
    }
    Logical l = 0;
    TOGGLE2_L(l, 0, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(l, 1);
}

TEST_F(Toggles, Toggle3NamesTheChoices) {
    answers("1\n\n");
    Int i = 0;
    TOGGLE3(i, 1, SCREEN_UNIT, KBD_UNIT, "Metric", "English  ");
    EXPECT_EQ(i, 1);
    // The captions keep their trailing blanks inside the quotes.
    EXPECT_EQ(screen(), " Enter 1 for \"Metric\", 0 for \"English  \": ");
    TOGGLE3(i, 1, SCREEN_UNIT, KBD_UNIT, "A", "B");
    EXPECT_EQ(i, 1);
    i = 1;
    TOGGLE3(i, 0, SCREEN_UNIT, KBD_UNIT, "A", "B");
    EXPECT_EQ(i, 0);
    // Outside a batch edit nothing is asked: any value other than 0 becomes 0.
    clear_captured(SCREEN_UNIT);
    i = 5;
    TOGGLE3(i, 0, SCREEN_UNIT, KBD_UNIT, "A", "B");
    EXPECT_EQ(i, 0);
    EXPECT_EQ(screen(), "");
}

TEST_F(Toggles, Toggle3CutsALongPromptAtSixtyCharacters) {
    answers("\n");
    Int i = 0;
    const std::string yes = "Include the wave drift damping";  // 30 characters
    TOGGLE3(i, 1, SCREEN_UNIT, KBD_UNIT, yes, "Leave it out of the analysis");
    const std::string full = "Enter 1 for \"" + yes + "\", 0 for \"Leave it out of the analysis\": ";
    EXPECT_EQ(screen(), " " + full.substr(0, 60) + " ");
    EXPECT_EQ(i, 0);
    // A cut that ends in blanks drops them before the closing blank.
    clear_captured(SCREEN_UNIT);
    answers("\n");
    TOGGLE3(i, 1, SCREEN_UNIT, KBD_UNIT, yes, "Leave  it");
    // The text reaches 60 characters just after "Leave  ", whose blanks are dropped.
    EXPECT_EQ(screen(), " Enter 1 for \"" + yes + "\", 0 for \"Leave ");
}

TEST(YesNoTest, Captions) {
    EXPECT_EQ(YESNO(1), "Yes");
    EXPECT_EQ(YESNO(0), "No ");
    EXPECT_EQ(YESNO(7), "Awk");
    EXPECT_EQ(YESNO(-1), "Awk");
    EXPECT_EQ(YESNO_L(1), "Yes");
    EXPECT_EQ(YESNO_L(0), "No ");
}

}  // namespace
}  // namespace brevant
