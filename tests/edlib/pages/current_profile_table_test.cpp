// The legacy current profile table: its drawing, the row run, the count, eliminate and insert, the
// abort that restores everything, the two checks on leaving, help and dump mode.
#include "edlib/pages/current_profile_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "sysutl/answers.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant {
namespace {

using Rows = std::vector<std::pair<Real, Real>>;  // (depth, speed) of slots 1..5

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

const std::string kPrompt = " \n Enter number of selection (\"H\" for help): ";
const std::string kTitle = " ++> Enter Current Speed Profile Specification\n";
const std::string kLastRow =
    "\n ++> WARNING: If current-associated mooring loads are required,\n"
    "              the last row of data above must represent either\n"
    "              the current at the bottom or a zero current value\n"
    "              in the last row\n";
const std::string kSurface =
    "\n ++> WARNING: A surface point at depth 0.00 is implicit. You must\n"
    "              therefore eliminate the surface point in this array.\n";
const std::string kPause = " \n Press <RETURN> to continue: ";

class ProfileTableTest : public testing::ConsoleTest {
protected:
    ProfileColumn D{};
    ProfileColumn V{};
    Int NROW = 0;
    Real DEPTH = 200.0f;
    Int ITEMP = 99;
    Int LCOPY = 0;

    void slots(const Rows& rows, Int n) {
        for (int i = 1; i <= 5; ++i) {
            D(i) = rows[i - 1].first;
            V(i) = rows[i - 1].second;
        }
        NROW = n;
    }
    Rows now() const {
        Rows r;
        for (int i = 1; i <= 5; ++i) r.emplace_back(D(i), V(i));
        return r;
    }
    void run(const std::string& script) {
        answers(script);
        CRNTIN("Current Speed Profile Specification", D, V, 1.0f, DEPTH, NROW, SCREEN_UNIT, KBD_UNIT, ITEMP, LCOPY);
    }
};

const Rows kFive = {{5, 2.0f}, {15, 1.5f}, {35, 1.0f}, {60, 0.5f}, {80, 0.25f}};

TEST_F(ProfileTableTest, TableAsDrawnWithTheActionsNumberedAfterTheRows) {
    slots(kFive, 4);
    DEPTH = 60.0f;
    run("\n");
    EXPECT_EQ(ITEMP, 0);
    const std::string expected = kTitle +
                                 "\n"
                                 "        Depth Below    Current\n"
                                 "          Surface       Speed\n"
                                 "            (x)        (y, kts)\n"
                                 "\n"
                                 "  1)         5.00        2.00\n"
                                 "  2)        15.00        1.50\n"
                                 "  3)        35.00        1.00\n"
                                 "  4)        60.00         .50\n"
                                 "\n"
                                 "  5) Change the number of points in current profile\n"
                                 "  6) Eliminate a row and collapse array\n"
                                 "  7) Insert a null row and expand array\n"
                                 "  8) Abort entry\n" +
                                 kPrompt;
    EXPECT_EQ(screen(), expected);
    for (auto [n, first] : {std::pair{3, "  4) Change"}, std::pair{5, "  6) Change"}, std::pair{0, "  1) Change"}}) {
        clear_captured(SCREEN_UNIT);
        slots(kFive, n);
        DEPTH = n == 0 ? 0.0f : kFive[n - 1].first;
        run("\n");
        EXPECT_TRUE(has(screen(), std::string("\n\n") + first)) << n;
        EXPECT_EQ(count(screen(), ") Abort entry"), 1u);
    }
}

TEST_F(ProfileTableTest, EliminateAndInsertShiftTheSlotsAndKeepTheCount) {
    struct Case {
        const char* what;
        Int n;
        const char* script;
        Rows after;
    };
    const Case cases[] = {
        {"eliminate row 1", 4, "6\n1\n", {{15, 1.5f}, {35, 1.0f}, {60, 0.5f}, {80, 0.25f}, {80, 0.25f}}},
        {"eliminate row 2 of 3", 3, "5\n2\n", {{5, 2.0f}, {35, 1.0f}, {60, 0.5f}, {80, 0.25f}, {80, 0.25f}}},
        {"insert at row 2", 4, "7\n2\n", {{5, 2.0f}, {0, 0}, {15, 1.5f}, {35, 1.0f}, {60, 0.5f}}},
        {"insert at row 1", 3, "6\n1\n", {{0, 0}, {5, 2.0f}, {15, 1.5f}, {35, 1.0f}, {60, 0.5f}}},
        {"eliminate row 5 of 5", 5, "7\n5\n", kFive},
        {"insert at row 5 of 5", 5, "8\n5\n", {{5, 2.0f}, {15, 1.5f}, {35, 1.0f}, {60, 0.5f}, {0, 0}}},
        {"eliminate a row beyond the count", 3, "5\n4\n", kFive},
        {"insert at row 0", 3, "6\n0\n", kFive},
        {"insert at a row beyond the count", 3, "6\n4\n", kFive},
        {"eliminate with a blank row number", 4, "6\n\n", kFive},
        {"insert with a blank row number", 4, "7\n\n", kFive},
        {"eliminate with a letter", 4, "6\nF\n", kFive},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        slots(kFive, c.n);
        // Leaving needs the checks to pass; an abort would put the rows back, so the end of the
        // input stops the visit and the slots are read as the table left them.
        try {
            run(c.script);
            ADD_FAILURE() << c.what << ": the table was left";
        } catch (const ProgramEnd&) {
        }
        EXPECT_EQ(now(), c.after) << c.what;
        EXPECT_EQ(NROW, c.n) << c.what;
        const bool insert = std::string(c.what).starts_with("insert");
        EXPECT_TRUE(has(screen(), kPrompt + (insert ? " Enter row to nullify/insert: " : " Enter row to eliminate: ")))
            << c.what;
        EXPECT_EQ(count(screen(), kTitle), 2u) << c.what;
    }
}

TEST_F(ProfileTableTest, ABlankRowNumberAfterAnEliminateChangesNothing) {
    slots(kFive, 4);
    DEPTH = 80.0f;
    run("6\n1\n6\n\n\n");  // eliminate row 1, then a blank answer at the next prompt, then leave
    EXPECT_EQ(now(), (Rows{{15, 1.5f}, {35, 1.0f}, {60, 0.5f}, {80, 0.25f}, {80, 0.25f}}));
    EXPECT_EQ(ITEMP, 0);
}

TEST_F(ProfileTableTest, CountPromptClampsToTheFiveSlots) {
    struct Case {
        const char* answer;
        Int start, after;
    };
    for (const Case& c : {Case{"9", 2, 5}, Case{"-2", 2, 0}, Case{"F", 2, 0}, Case{"", 2, 2}, Case{"3", 0, 3},
                          Case{"5", 1, 5}}) {
        clear_captured(SCREEN_UNIT);
        slots({{5, 0}, {15, 0}, {35, 0}, {60, 0}, {80, 0}}, c.start);  // every row passes the checks
        run(std::to_string(c.start + 1) + "\n" + c.answer + "\n\n");
        EXPECT_EQ(NROW, c.after) << c.answer;
        EXPECT_EQ(ITEMP, 0);
        EXPECT_TRUE(has(screen(), kPrompt + " Enter new value: ")) << c.answer;
    }
    // A raised count shows what the slots beyond the old one hold.
    clear_captured(SCREEN_UNIT);
    slots(kFive, 2);
    DEPTH = 80.0f;
    run("3\n5\n\n");
    EXPECT_TRUE(has(screen(), "  5)        80.00         .25\n"));
}

TEST_F(ProfileTableTest, RowRunEditsFromTheChosenRowUntilABlankLine) {
    slots(kFive, 4);
    DEPTH = 60.0f;
    run("2\n12,1.7\n\n\n");  // rows 2 and 3 asked for; the blank line at row 3 keeps rows 3 and 4
    EXPECT_EQ(now(), (Rows{{5, 2.0f}, {12, 1.7f}, {35, 1.0f}, {60, 0.5f}, {80, 0.25f}}));
    const std::string s = screen();
    EXPECT_TRUE(has(s, kPrompt + " Enter new data for #  2 (x,y):  Enter new data for #  3 (x,y): " + kTitle));
    EXPECT_FALSE(has(s, "#  4"));

    clear_captured(SCREEN_UNIT);
    slots(kFive, 4);
    DEPTH = 200.0f;
    run("3\n36\n61 0 9\n9\n\n");  // one number keeps the speed; a third is ignored
    EXPECT_EQ(now(), (Rows{{5, 2.0f}, {15, 1.5f}, {36, 1.0f}, {61, 0.0f}, {80, 0.25f}}));
    EXPECT_EQ(count(screen(), "Enter new data for #"), 2u);  // the run stops after the last row
    EXPECT_EQ(count(screen(), kTitle), 3u);  // 9 is beyond the actions: the table again
    EXPECT_EQ(ITEMP, 0);
}

TEST_F(ProfileTableTest, LeavingChecksTheLastRowThenTheFirst) {
    struct Case {
        const char* what;
        Rows rows;
        Int n;
        std::vector<std::string> warnings;  // in the order shown before leaving
    };
    const Case cases[] = {
        {"last row short of the bottom", {{5, 2.0f}, {60, 0.5f}, {0, 0}, {0, 0}, {0, 0}}, 2, {kLastRow}},
        {"last row at the water depth", {{5, 2.0f}, {200, 0.7f}, {0, 0}, {0, 0}, {0, 0}}, 2, {}},
        {"last row at zero speed", {{5, 2.0f}, {75, 0.0f}, {0, 0}, {0, 0}, {0, 0}}, 2, {}},
        {"first row at the surface", {{0, 2.0f}, {75, 0.0f}, {0, 0}, {0, 0}, {0, 0}}, 2, {kSurface}},
        {"both fail", {{0, 2.0f}, {60, 0.5f}, {0, 0}, {0, 0}, {0, 0}}, 2, {kLastRow}},
        {"one row at the surface with zero speed", {{0, 0.0f}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 1, {kSurface}},
        {"empty table", {{0, 2.0f}, {60, 0.5f}, {0, 0}, {0, 0}, {0, 0}}, 0, {}},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        slots(c.rows, c.n);
        try {
            run("\n\n");  // Return, then Return at the pause of a warning; no third answer
            EXPECT_TRUE(c.warnings.empty()) << c.what;
        } catch (const ProgramEnd&) {
            EXPECT_FALSE(c.warnings.empty()) << c.what;
        }
        const std::string s = screen();
        EXPECT_EQ(count(s, "WARNING"), c.warnings.size()) << c.what;
        for (const std::string& w : c.warnings) EXPECT_TRUE(has(s, kPrompt + w + kPause + kTitle)) << c.what;
    }
    // Once the last row is put right, the surface point is the next complaint.
    clear_captured(SCREEN_UNIT);
    slots({{0, 2.0f}, {60, 0.5f}, {0, 0}, {0, 0}, {0, 0}}, 2);
    run("\n\n2\n200\n\n\n1\n10\n\n\n");
    const std::string s = screen();
    const auto last = s.find(kLastRow);
    const auto surface = s.find(kSurface);
    ASSERT_NE(last, std::string::npos);
    ASSERT_NE(surface, std::string::npos);
    EXPECT_LT(last, surface);
    EXPECT_EQ(ITEMP, 0);
    EXPECT_EQ(now()[0], (std::pair<Real, Real>{10.0f, 2.0f}));
}

TEST_F(ProfileTableTest, OnlyTheAbortAnswersMinusOne) {
    slots(kFive, 2);
    DEPTH = 15.0f;
    run("B\n");
    EXPECT_EQ(ITEMP, 0);
    run("F\n");
    EXPECT_EQ(ITEMP, NAV_FIRST);
    run("6\n");
    EXPECT_EQ(ITEMP, -1);
}

TEST_F(ProfileTableTest, AbortRestoresTheCountAndAllFiveSlots) {
    for (const char* script : {"7\n2\n8\n", "5\n5\n2\n1,1\n2,2\n3,3\n4,4\n9\n", "5\n0\n4\n"}) {
        slots(kFive, 4);
        run(script);
        EXPECT_EQ(ITEMP, -1) << script;
        EXPECT_EQ(NROW, 4) << script;
        EXPECT_EQ(now(), kFive) << script;
    }
}

TEST_F(ProfileTableTest, AStoredCountBeyondTheSlotsIsHeldToFive) {
    slots(kFive, 7);
    DEPTH = 80.0f;
    run("\n");
    const std::string s = screen();
    EXPECT_TRUE(has(s, "  5)        80.00         .25\n\n  6) Change the number"));
    EXPECT_FALSE(has(s, "  7)  "));
    EXPECT_EQ(NROW, 5);
}

TEST_F(ProfileTableTest, DumpModeWritesTheTableOnceAndReadsNothing) {
    slots(kFive, 3);
    LCOPY = 2;
    run("");
    EXPECT_EQ(ITEMP, 0);
    EXPECT_EQ(LCOPY, 3);
    const std::string s = screen();
    EXPECT_EQ(count(s, kTitle), 1u);
    EXPECT_TRUE(has(s, "  3)        35.00        1.00\n\n  4) Change the number of points in current profile\n"));
    EXPECT_TRUE(has(s, "  7) Abort entry\n"));
    EXPECT_FALSE(has(s, "Enter number"));
}

TEST_F(ProfileTableTest, HelpShowsOneScreenAndDrawsTheTableAgain) {
    slots(kFive, 2);
    DEPTH = 15.0f;
    run("?3\n\n\n");
    const std::string s = screen();
    const std::string title = std::string(21, ' ') + "****  Current Profile Notes  ****\n";
    EXPECT_TRUE(has(s, kPrompt + title));
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 1u);
    EXPECT_TRUE(has(s, "must not be typed as a first row"));
    EXPECT_TRUE(has(s, "zero current speed"));
    EXPECT_EQ(count(s, kTitle), 2u);
    EXPECT_EQ(ITEMP, 0);
}

}  // namespace
}  // namespace brevant
