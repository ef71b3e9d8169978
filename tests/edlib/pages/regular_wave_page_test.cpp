// The regular-wave page: its lines, the period and heading counts and tables, height or slope,
// help only where the headings are offered, the codes it hands back, damaged counts and dump mode.
#include <gtest/gtest.h>

#include <string>

#include "edlib/pages/environment_pages.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

class RegularWavePageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.MAXDIR = 1;
        TPCM.NDIR = 1;
        TPCM.NWP = 30;
        for (int i = 1; i <= 100; ++i) TPCM.T(i) = 5.0f + 0.5f * static_cast<float>(i - 1);
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    void run(const std::string& script) {
        answers(script);
        REGLAR("11");
    }
    static std::size_t count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
        return n;
    }
    static bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }
};

TEST_F(RegularWavePageTest, PageOfAnOlderSimulationTypeAsDrawn) {
    TPCM.SIMTYP = 5;
    TPCM.NWP = 7;
    TPCM.LSLPHT = 1;
    TPCM.SLPHT = 3.5f;
    TPCM.WAVHDG(1) = 90.0f;
    run("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string expected =
        "       ****  Page 11: Regular Wave Characteristics  ****\n\n\n"
        " 1) Number of different periods (Max 100):   7\n"
        " 2) Periods (seconds) --\n"
        "         5.00         5.50         6.00         6.50         7.00         7.50\n"
        "         8.00\n"
        "\n"
        " 3) Use constant wave height or wave slope:  slope \n"
        " 4) Wave slope        3.50  degrees        \n"
        "\n"
        " 5) Number of wave headings (Max   1):   1\n"
        " 6) Wave headings (degrees) --\n"
        "        90.00\n"
        " \n Enter number of selection (\"H\" for help): ";
    EXPECT_EQ(screen(), expected);
}

TEST_F(RegularWavePageTest, HeightOrSlopeLine) {
    struct Case {
        Int LSLPHT, NUNTS;
        Real SLPHT;
        const char* line3;
        const char* line4;
    };
    for (const Case& c : {Case{1, 0, 3.5f, " slope ", " 4) Wave slope        3.50  degrees        \n"},
                          Case{1, 1, 3.5f, " slope ", " 4) Wave slope        3.50  degrees        \n"},
                          Case{0, 0, 10.0f, " height", " 4) Wave height      10.00  feet           \n"},
                          Case{0, 1, 10.0f, " height", " 4) Wave height      10.00  meters         \n"},
                          Case{7, 1, -2.25f, " height", " 4) Wave height      -2.25  meters         \n"},
                          Case{0, 9, 1.0f, " height", " 4) Wave height       1.00  Index error    \n"}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.LSLPHT = c.LSLPHT;
        TPCM.NUNTS = c.NUNTS;
        TPCM.SLPHT = c.SLPHT;
        run("\n");
        const std::string s = screen();
        EXPECT_TRUE(has(s, std::string(" 3) Use constant wave height or wave slope: ") + c.line3 + "\n"))
            << c.LSLPHT << s;
        EXPECT_TRUE(has(s, c.line4)) << c.LSLPHT << " " << c.NUNTS << s;
    }
}

TEST_F(RegularWavePageTest, PeriodCountIsClampedToTheList) {
    struct Case {
        const char* typed;
        Int stored;
    };
    for (const Case& c : {Case{"7", 7}, Case{"100", 100}, Case{"150", 100}, Case{"-5", 0}, Case{"0", 0},
                          Case{"L", 0}, Case{"", 30}}) {
        TPCM.NWP = 30;
        clear_captured(SCREEN_UNIT);
        run(std::string("1\n") + c.typed + "\n\n");
        EXPECT_EQ(TPCM.NWP, c.stored) << c.typed;
        EXPECT_EQ(TPCM.LBACK, 0) << c.typed << ": a letter at the count prompt does not leave the page";
        // The line is written again above the prompt.
        EXPECT_TRUE(has(screen(), " 1) Number of different periods (Max 100):  30\n Enter new value: ")) << c.typed;
    }
    EXPECT_TRUE(has(screen(), " 1) Number of different periods (Max 100):  30\n"));
}

TEST_F(RegularWavePageTest, NoPeriodsStillOpensThePeriodTable) {
    TPCM.NWP = 0;
    run("2\n\n\n");
    const std::string s = screen();
    EXPECT_FALSE(has(s, " 2) Periods"));
    EXPECT_TRUE(has(s, "  -- Table of wave periods (seconds) --\n\n\n   1) Auto repeat\n"));
    EXPECT_EQ(count(s, "Page 11: Regular Wave Characteristics"), 2u);
    EXPECT_EQ(TPCM.NWP, 0);
}

TEST_F(RegularWavePageTest, PeriodTableEditsTheListInPlace) {
    // Auto repeat from 4.0 by 0.25 fills the whole list; the count stays.
    TPCM.NWP = 3;
    run("2\n4\n4\n0.25\n\n\n");
    EXPECT_EQ(TPCM.NWP, 3);
    EXPECT_EQ(TPCM.T(1), 4.0f);
    EXPECT_EQ(TPCM.T(100), 4.0f + 99 * 0.25f);
    EXPECT_TRUE(has(screen(), "         4.00         4.25         4.50\n"));
}

TEST_F(RegularWavePageTest, SlopeToggleAndValue) {
    run("3\n4\n2.5\n\n");
    EXPECT_EQ(TPCM.LSLPHT, 1);
    EXPECT_EQ(TPCM.SLPHT, 2.5f);
    EXPECT_TRUE(has(screen(), " 4) Wave slope         .00  degrees        \n Enter new value: "));
    run("3\n\n");
    EXPECT_EQ(TPCM.LSLPHT, 0);

    // Batch-modify mode asks, naming the two choices; another answer keeps the flag.
    TPCM.IBATCH = 1;
    clear_captured(SCREEN_UNIT);
    run("3\n1\n3\n5\n\n");
    EXPECT_EQ(TPCM.LSLPHT, 1);
    EXPECT_EQ(count(screen(), "Enter 1 for \"Slope\", 0 for \"Height\": "), 2u);
}

TEST_F(RegularWavePageTest, HeadingItemsOfThisProgramsOwnDataSets) {
    TPCM.SIMTYP = 16;
    TPCM.NDIR = 0;
    run("5\n3\n\n");
    const std::string s = screen();
    EXPECT_EQ(TPCM.NDIR, 1) << "clamped to MAXDIR";
    EXPECT_EQ(count(s, " 5) Number of wave headings"), 1u) << "only above the prompt";
    EXPECT_FALSE(has(s, " 6) Wave headings"));

    clear_captured(SCREEN_UNIT);
    run("6\n1\n45\n\n\n");
    EXPECT_EQ(TPCM.WAVHDG(1), 45.0f);
    EXPECT_TRUE(has(screen(), "  -- Table of wave headings (degrees) --"));
}

TEST_F(RegularWavePageTest, HelpOnTheHeadingsOnlyWhereTheyAreOffered) {
    struct Case {
        Int SIMTYP;
        const char* script;
        std::size_t screens;  // help screens shown
    };
    for (const Case& c : {Case{16, "?5\n\n", 0}, Case{16, "?6\n\n", 0}, Case{16, "?4\n\n\n", 1},
                          Case{16, "?\n\n\n\n\n", 3}, Case{9, "?5\n\n\n", 1}, Case{9, "?6\n\n\n", 1}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.SIMTYP = c.SIMTYP;
        run(c.script);
        const std::string s = screen();
        EXPECT_EQ(count(s, "Press <RETURN> to continue: "), c.screens) << c.SIMTYP << " " << c.script;
        EXPECT_EQ(count(s, "Regular Wave Definition Notes"), c.screens == 0 ? 0u : 1u) << c.script;
        EXPECT_EQ(count(s, "Page 11: Regular Wave Characteristics"), 2u) << c.script;
        EXPECT_EQ(TPCM.LBACK, 0);
    }
}

TEST_F(RegularWavePageTest, CodesGoBackToTheDriver) {
    struct Case {
        const char* answer;
        Int code;
    };
    for (const Case& c : {Case{"", 0}, Case{"7", 7}, Case{"8", 8}, Case{"99", 99}, Case{"B", NAV_BACK},
                          Case{"L", NAV_LAST}, Case{"X", NAV_X}, Case{"J3", NAV_JUMP}}) {
        clear_captured(SCREEN_UNIT);
        run(std::string(c.answer) + "\n");
        EXPECT_EQ(TPCM.LBACK, c.code) << c.answer;
        EXPECT_EQ(count(screen(), "Page 11:"), 1u) << c.answer;
    }
}

TEST_F(RegularWavePageTest, DamagedCountsStayInsideTheTables) {
    TPCM.SIMTYP = 5;
    TPCM.NWP = 500;
    TPCM.MAXDIR = 40;
    TPCM.NDIR = 30;
    for (int i = 1; i <= 12; ++i) TPCM.WAVHDG(i) = 10.0f * static_cast<float>(i);
    run("\n");
    std::string s = screen();
    EXPECT_EQ(count(s, "    54.50\n"), 1u) << "the last period, T(100), ends its row";
    EXPECT_EQ(count(s, "   120.00\n"), 1u) << "the twelfth heading ends the table";
    EXPECT_FALSE(has(s, "   130.00"));

    // The table editors get the whole table and a count held to it: no overflow stop.
    clear_captured(SCREEN_UNIT);
    run("2\n\n6\n\n\n");
    s = screen();
    EXPECT_TRUE(has(s, "100)     54.50"));
    EXPECT_FALSE(has(s, "Array overflow"));
    EXPECT_TRUE(has(s, " 12)    120.00"));
    EXPECT_TRUE(has(s, " 13) Auto repeat")) << "twelve heading rows";

    // The heading count typed is held to the twelve headings there are.
    run("5\n30\n\n");
    EXPECT_EQ(TPCM.NDIR, 12);
    TPCM.MAXDIR = -4;
    run("5\n3\n\n");
    EXPECT_EQ(TPCM.NDIR, 0);
}

TEST_F(RegularWavePageTest, DumpModeWritesThePageOnce) {
    TPCM.LCOPY = 1;
    TPCM.LBACK = 5;
    run("");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 2);
    const std::string s = screen();
    EXPECT_EQ(count(s, "Page 11: Regular Wave Characteristics"), 1u);
    EXPECT_FALSE(has(s, "Enter"));
}

}  // namespace
}  // namespace brevant
