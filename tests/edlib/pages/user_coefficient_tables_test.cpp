// The user coefficient tables page: the columns drawn for each model word, the count and its
// clamps (on entry, typed, in dump mode), the angle and coefficient editors on the right words of
// LOWCOF, the coefficient selection page, the codes handed back, and the page's notes.
#include "edlib/pages/user_coefficient_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/coefficient_image.h"
#include "sysutl/answers.h"
#include "sysutl/option_words.h"
#include "test_support.h"

namespace brevant {
namespace {

const std::string kPrompt = " \n Enter number of selection (\"H\" for help): ";
const std::string kPause = "Press <RETURN> to continue: ";
const std::string kTitle = " +++ <<Wind Force>> Coefficient Specification +++\n";
const std::string kSelection = " ++> Select coefficient array to modify\n";
const std::string kCoefficientEditor = "  -- Table of Coefficients --";
const std::string kAngleEditor = "  -- Table of Bow-On Attack Angles (degrees) --";

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

Int word(Int cx, Int cy, Int cz) {
    Int w = 0;
    NIBSET(w, 1, cx, SCREEN_UNIT);
    NIBSET(w, 2, cy, SCREEN_UNIT);
    NIBSET(w, 3, cz, SCREEN_UNIT);
    return w;
}

class UserTablesTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_lowcof();
        LCOPY = 0;
        ITEMP = 99;
    }
    void TearDown() override {
        reset_lowcof();
        ConsoleTest::TearDown();
    }
    // The wind table with the model word given.
    void run(Int NIBPAK, const std::string& script) {
        answers(script);
        COFUPD("<<Wind Force>> Coefficient Specification", NIBPAK, wind_table(), LOWCOF.NUWNPT, 1, SCREEN_UNIT,
               KBD_UNIT, ITEMP, LCOPY);
    }
    Int LCOPY = 0;
    Int ITEMP = 0;
};

TEST_F(UserTablesTest, PageAsDrawnWithCyAndCz) {
    LOWCOF.NUWNPT = 2;
    LOWCOF.UWNANG(1) = 45.0f;
    LOWCOF.UWNCX(1) = 9.0f;  // Cx does not use the table: never shown
    LOWCOF.UWNCY(1) = 0.25f;
    LOWCOF.UWNCZ(1) = -0.05f;
    LOWCOF.UWNANG(2) = 180.0f;
    LOWCOF.UWNCY(2) = 1.5f;
    run(276, "\n");  // fields 4, 1, 1
    EXPECT_EQ(ITEMP, 0);
    EXPECT_EQ(screen(), kTitle +
                            "\n"
                            " Bow-Relative    Cy       Cz \n"
                            " Attack Angle\n"
                            "\n"
                            "    45.00         .250    -.050\n"
                            "   180.00        1.500     .000\n"
                            "\n"
                            "   1) Number of angles (21 Maximum):  2\n"
                            "   2) Specify Angle array\n"
                            "   3) Specify Coefficient array\n" +
                            kPrompt);
}

TEST_F(UserTablesTest, ColumnsFollowTheFieldsThatUseTheTable) {
    struct Case {
        Int cx, cy, cz;
        const char* header;
        const char* row;
    };
    // Row 1: angle 10, Cx 0.1, Cy 0.2, Cz 0.3.
    const Case cases[] = {
        {1, 1, 1, " Bow-Relative    Cx       Cy       Cz ", "    10.00         .100     .200     .300"},
        {1, 4, 1, " Bow-Relative    Cx       Cz ", "    10.00         .100     .300"},
        {1, 4, 4, " Bow-Relative    Cx ", "    10.00         .100"},
        {4, 1, 4, " Bow-Relative    Cy ", "    10.00         .200"},
        {4, 4, 1, " Bow-Relative    Cz ", "    10.00         .300"},
        {4, 4, 4, " Bow-Relative    Cz ", "    10.00         .300"},  // none uses it: Cz drawn
        {2, 3, 5, " Bow-Relative    Cz ", "    10.00         .300"},
    };
    for (const Case& c : cases) {
        SetUp();
        LOWCOF.NUWNPT = 2;
        LOWCOF.UWNANG(1) = 10.0f;
        LOWCOF.UWNCX(1) = 0.1f;
        LOWCOF.UWNCY(1) = 0.2f;
        LOWCOF.UWNCZ(1) = 0.3f;
        run(word(c.cx, c.cy, c.cz), "\n");
        EXPECT_TRUE(has(screen(), kTitle + "\n" + c.header + "\n Attack Angle\n\n" + c.row + "\n"))
            << c.cx << c.cy << c.cz << "\n"
            << screen();
    }
}

TEST_F(UserTablesTest, CountsAreBroughtIntoTheTable) {
    struct Case {
        const char* what;
        Int stored;
        const char* script;
        Int count;
    };
    const Case cases[] = {
        {"0 on entry", 0, "\n", 2},
        {"1 on entry", 1, "\n", 2},
        {"negative on entry", -7, "\n", 2},
        {"30 on entry", 30, "\n", 21},
        {"21 kept", 21, "\n", 21},
        {"typed 25", 5, "1\n25\n\n", 21},
        {"typed 1", 5, "1\n1\n\n", 2},
        {"typed -3", 5, "1\n-3\n\n", 2},
        {"typed 7", 5, "1\n7\n\n", 7},
        {"blank keeps", 5, "1\n\n\n", 5},
        {"a letter ends as 2", 5, "1\nF\n\n", 2},
    };
    for (const Case& c : cases) {
        SetUp();
        LOWCOF.NUWNPT = c.stored;
        run(273, c.script);
        EXPECT_EQ(LOWCOF.NUWNPT, c.count) << c.what;
        EXPECT_EQ(ITEMP, 0) << c.what;  // the letter at the count prompt did not navigate
        EXPECT_EQ(LOWCOF.NUCRPT, 0) << c.what;
    }
    // A stored 30 draws 21 rows, no more.
    SetUp();
    LOWCOF.NUWNPT = 30;
    LOWCOF.UWNANG(21) = 180.0f;
    run(273, "\n");
    EXPECT_TRUE(has(screen(), "   180.00"));
    EXPECT_TRUE(has(screen(), "   1) Number of angles (21 Maximum): 21\n"));
    EXPECT_EQ(count(screen(), "     .000\n"), 21u) << screen();
}

TEST_F(UserTablesTest, DumpWritesThePageOnceAndReadsNothing) {
    LOWCOF.NUWNPT = 0;
    LCOPY = 1;
    run(273, "");
    EXPECT_EQ(ITEMP, 0);
    EXPECT_EQ(LOWCOF.NUWNPT, 2);  // raised also when only echoed
    EXPECT_EQ(LCOPY, 2);
    EXPECT_EQ(count(screen(), kTitle), 1u);
    EXPECT_TRUE(has(screen(), "   3) Specify Coefficient array\n"));
    EXPECT_FALSE(has(screen(), "Enter"));
}

TEST_F(UserTablesTest, CodesHandedBack) {
    struct Case {
        const char* script;
        Int code;
        std::size_t drawings;
    };
    const Case cases[] = {
        {"\n", 0, 1}, {"0\n", 0, 1}, {"B\n", NAV_BACK, 1}, {"F\n", NAV_FIRST, 1}, {"J4\n", NAV_JUMP, 1},
        {"H\n\n\n", 0, 2}, {"9\n\n", 0, 2}, {"?2\n\nL\n", NAV_LAST, 2},
    };
    for (const Case& c : cases) {
        SetUp();
        LOWCOF.NUWNPT = 3;
        run(273, c.script);
        EXPECT_EQ(ITEMP, c.code) << c.script;
        EXPECT_EQ(count(screen(), kTitle), c.drawings) << c.script;
        EXPECT_EQ(LOWCOF.NUWNPT, 3) << c.script;
    }
}

TEST_F(UserTablesTest, AngleColumnEditor) {
    LOWCOF.NUWNPT = 3;
    LOWCOF.UWNCX(1) = 0.5f;
    run(273, "2\n1\n0\n90\n180\n\n\n");
    EXPECT_TRUE(has(screen(), " " + kAngleEditor + "\n"));
    EXPECT_EQ(LOWCOF.UWNANG(1), 0.0f);
    EXPECT_EQ(LOWCOF.UWNANG(2), 90.0f);
    EXPECT_EQ(LOWCOF.UWNANG(3), 180.0f);
    EXPECT_EQ(LOWCOF.UWNCX(1), 0.5f);
    EXPECT_TRUE(has(screen(), "   180.00         .000     .000     .000\n"));
    EXPECT_EQ(ITEMP, 0);
}

TEST_F(UserTablesTest, SelectionPageOffersTheUsedComponentsOnly) {
    LOWCOF.NUWNPT = 2;
    run(276, "3\n1\n\n\n");  // fields 4, 1, 1; 1 (Cx) edits nothing and shows the selection again
    const std::string selection = std::string(kTitle) + "\n" + kSelection + "\n" + "   2) Cy\n" + "   3) Cz\n" + kPrompt;
    EXPECT_EQ(count(screen(), selection), 2u) << screen();
    EXPECT_FALSE(has(screen(), "   1) Cx"));
    EXPECT_FALSE(has(screen(), kCoefficientEditor));
    EXPECT_EQ(count(screen(), "   1) Number of angles"), 2u);  // back to the main page, then out
    EXPECT_EQ(ITEMP, 0);

    SetUp();
    LOWCOF.NUWNPT = 2;
    run(word(1, 4, 1), "3\n2\n\n\n");
    EXPECT_TRUE(has(screen(), "   1) Cx\n   3) Cz\n"));
    EXPECT_EQ(count(screen(), kSelection), 2u);
    EXPECT_FALSE(has(screen(), kCoefficientEditor));
}

TEST_F(UserTablesTest, SelectionPageEditsTheChosenColumn) {
    LOWCOF.NUWNPT = 2;
    run(276, "3\n3\n1\n-0.05\n0.02\n\n2\n2\n0.75\n\n\n\n");
    EXPECT_EQ(LOWCOF.UWNCZ(1), -0.05f);
    EXPECT_EQ(LOWCOF.UWNCZ(2), 0.02f);
    EXPECT_EQ(LOWCOF.UWNCY(2), 0.75f);
    EXPECT_EQ(LOWCOF.UWNCY(1), 0.0f);
    EXPECT_EQ(LOWCOF.UWNCX(1), 0.0f);
    EXPECT_EQ(LOWCOF.UWNCX(2), 0.0f);
    EXPECT_EQ(count(screen(), " " + kCoefficientEditor + "\n"), 4u);  // two editors, each drawn twice
    EXPECT_EQ(count(screen(), kSelection), 3u);
    EXPECT_EQ(ITEMP, 0);
}

TEST_F(UserTablesTest, SelectionPageCodes) {
    struct Case {
        const char* script;
        Int code;
        std::size_t selections;
    };
    const Case cases[] = {
        {"3\nB\n", NAV_BACK, 1},       {"3\nF\n", NAV_FIRST, 1}, {"3\n\n\n", 0, 1},
        {"3\nH\n\n\n\n", 0, 2},        {"3\n4\n\n\n", 0, 2},     {"3\n?\n\n\n\n", 0, 2},
    };
    for (const Case& c : cases) {
        SetUp();
        LOWCOF.NUWNPT = 2;
        run(273, c.script);
        EXPECT_EQ(ITEMP, c.code) << c.script;
        EXPECT_EQ(count(screen(), kSelection), c.selections) << c.script;
        EXPECT_FALSE(has(screen(), kCoefficientEditor)) << c.script;
    }
    SetUp();
    LOWCOF.NUWNPT = 2;
    run(273, "3\n?\n\n\n\n");
    EXPECT_TRUE(has(screen(), " ++> Sorry, no help for this page..."));
}

TEST_F(UserTablesTest, OneUsedComponentGoesStraightToItsColumn) {
    LOWCOF.NUWNPT = 2;
    run(word(2, 1, 2), "3\n1\n0.3\n0.4\n\n\n");
    EXPECT_EQ(LOWCOF.UWNCY(1), 0.3f);
    EXPECT_EQ(LOWCOF.UWNCY(2), 0.4f);
    EXPECT_FALSE(has(screen(), kSelection));
    EXPECT_EQ(count(screen(), "   1) Number of angles"), 2u);  // on entry and after the editor
    EXPECT_EQ(ITEMP, 0);

    // None used: Cz is looked at, does not use the table, nothing is edited.
    SetUp();
    LOWCOF.NUWNPT = 2;
    run(word(4, 4, 4), "3\n\n");
    EXPECT_FALSE(has(screen(), kSelection));
    EXPECT_FALSE(has(screen(), kCoefficientEditor));
    EXPECT_EQ(count(screen(), "   1) Number of angles"), 2u);
}

TEST_F(UserTablesTest, LastRowStaysInItsOwnColumnAndTable) {
    // 21 rows: the last Cz of the wind table is word 88, the first current angle word 89.
    LOWCOF.NUWNPT = 21;
    LOWCOF.UCRANG(1) = 7.0f;
    run(273, "3\n3\n21\n0.125\n\n\n\n");
    EXPECT_EQ(LOWCOF.UWNCZ(21), 0.125f);
    EXPECT_EQ(LOWCOF.UCRANG(1), 7.0f);
    // The current table's last Cz (word 172) before the wave-drift angles (173).
    reset_lowcof();
    clear_captured(SCREEN_UNIT);
    LOWCOF.NUCRPT = 21;
    answers("3\n3\n21\n-0.5\n\n\n2\n21\n170\n\n\n");
    COFUPD("<<Current Force>> Coefficient Specification", 273, current_table(), LOWCOF.NUCRPT, 1, SCREEN_UNIT,
           KBD_UNIT, ITEMP, LCOPY);
    EXPECT_EQ(LOWCOF.UCRCZ(21), -0.5f);
    EXPECT_EQ(LOWCOF.UCRANG(21), 170.0f);
    EXPECT_EQ(LOWCOF.UWVANG(1), 0.0f);
    EXPECT_EQ(LOWCOF.UCRCX(1), 0.0f);  // the angle column ends at row 21
    EXPECT_TRUE(has(screen(), " +++ <<Current Force>> Coefficient Specification +++\n"));
}

TEST_F(UserTablesTest, Notes) {
    const std::string title =
        " ******************  User Coefficient Specification Notes  ******************\n\n";
    struct Case {
        Int line;
        std::vector<std::string> shown;
        std::size_t pauses;
    };
    const Case cases[] = {
        {0, {" ++> Item Number  1\n", " ++> Item Number  2\n", " ++> Item Number  3\n", "Fx = 0.5 Dm Cx Ah V**2"}, 3},
        {1, {" ++> Item Number   1\n\n     Arrays of angles and coefficients"}, 1},
        {2, {" ++> Item Number   2\n\n     The angles must rise monotonically"}, 1},
        {3, {" ++> Item Number   3\n\n     For wind and current", "Mz = 0.5 Dw Cz LBP**2 a**2"}, 1},
        {7, {title + "\n ++> Sorry, no help for this line...\n\n"}, 1},
        {-1, {" ++> Sorry, no help for this line..."}, 1},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers("\n\n4\n");
        Int line = c.line;
        COFHLP(SCREEN_UNIT, KBD_UNIT, line);
        EXPECT_EQ(count(screen(), title), 1u) << c.line;
        for (const std::string& s : c.shown) EXPECT_TRUE(has(screen(), s)) << c.line << "\n" << screen();
        EXPECT_EQ(count(screen(), kPause), c.pauses) << c.line;
        EXPECT_EQ(line, c.pauses == 3 ? 4 : 0) << c.line;
    }
    // Asked from the page: "?" followed by a number shows that item, then the page again.
    SetUp();
    LOWCOF.NUWNPT = 2;
    run(273, "?7\n\n\n");
    EXPECT_TRUE(has(screen(), " ++> Sorry, no help for this line..."));
    EXPECT_EQ(count(screen(), kTitle), 2u);
}

}  // namespace
}  // namespace brevant
