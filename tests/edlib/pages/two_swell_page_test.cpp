// The two-swell page: the second swell switched off with the first, its items idle while it is
// off, the Pierson-Moskowitz period that is neither shown nor asked, the lock line's conditions,
// the one density table of two type-8 swells and the calculator that needs a valid shape.
#include <gtest/gtest.h>

#include <string>

#include "edlib/pages/environment_pages.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "test_support.h"

namespace brevant {
namespace {

class TwoSwellPage : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.LSWELL = 1;
        TPCM.LRANDM = 1;
        TPCM.NWP = 2;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    void run(const std::string& script) {
        answers(script);
        SWELL2("13");
    }
    static bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }
    static std::size_t count(const std::string& text, const std::string& what) { return testing::count_of(text, what); }
    static constexpr const char* kTitle = "                ****  Page 13: Background swell characteristics  ***\n\n";
    static constexpr const char* kPrompt = " \n Enter number of selection (\"H\" for help): ";
};

TEST_F(TwoSwellPage, FirstSwellOffShowsItemOneAndSwitchesTheSecondOff) {
    TPCM.LSWELL = 0;
    TPCM.LSWEL2 = 1;
    TPCM.LSWLOK = 1;
    run("21\n\n");
    const std::string page =
        std::string(kTitle) + "  1) Simulate swell? ...........................         No \n" + kPrompt;
    EXPECT_EQ(screen(), page + page);
    // Stored 0 on drawing; 21 flipped it to 1, the next drawing set it back.
    EXPECT_EQ(TPCM.LSWEL2, 0);
    EXPECT_EQ(TPCM.LSWLOK, 1);  // no lock line, the lock kept
}

TEST_F(TwoSwellPage, BothSwellsAsDrawn) {
    TPCM.SIMTYP = 5;
    TPCM.SWLTYP = 0;
    TPCM.SWLHDG = 30.0f;
    TPCM.SWELHT = 2.5f;
    TPCM.SWELPD = 14.0f;
    TPCM.SWLWID = 0.08f;
    TPCM.LSWEL2 = 1;
    TPCM.SWLTYP2 = 5;
    TPCM.SWLHDG2 = -20.0f;
    TPCM.SWELHT2 = 1.5f;
    TPCM.SWELPD2 = 9.0f;
    TPCM.JONGAM_SWL2 = 3.3f;
    TPCM.JONPL_SWL2 = 0.07f;
    TPCM.JONPG_SWL2 = 0.09f;
    TPCM.NUNTS = 1;
    run("\n");
    const std::string expected = std::string(kTitle) +
                                 "  1) Simulate swell? ...........................         Yes\n"
                                 "\n"
                                 "  2) Swell type: Velmora default swell\n"
                                 "  4) Global swell heading ......................       30.00 degrees\n"
                                 "  6) Swell significant height ..................        2.50 meters      \n"
                                 "  7) Swell peak period .........................       14.00 seconds\n"
                                 "  8) Swell spectral bandwidth parameter ........         .08\n"
                                 "\n"
                                 "21) ++> Simulate SECOND, *smaller* swell? .....         Yes\n"
                                 "\n"
                                 " 22) Swell type:  General JONSWAP              \n"
                                 " 24) Global swell heading ......................      -20.00 degrees\n"
                                 " 26) Swell significant height ..................        1.50 meters      \n"
                                 " 27) Swell peak period .........................        9.00 seconds\n"
                                 " 28) JONSWAP \"Gamma\" Parameter .................        3.3000\n"
                                 " 29) JONSWAP \"Sigma a\" Shape Parameter .........         .0700\n"
                                 " 30) JONSWAP \"Sigma b\" Shape Parameter .........         .0900\n"
                                 "\n"
                                 "41) Lock swell heading to irregular waves?              No \n" +
                                 kPrompt;
    EXPECT_EQ(screen(), expected);
}

TEST_F(TwoSwellPage, SecondSwellItemsDoNothingWhileItIsOff) {
    TPCM.LSWEL2 = 0;
    TPCM.SWLTYP2 = 5;
    TPCM.JONGAM_SWL2 = 2.0f;
    TPCM.JONPL_SWL2 = 0.07f;
    TPCM.JONPG_SWL2 = 0.09f;
    std::string script;
    for (int item = 22; item <= 31; ++item) script += std::to_string(item) + "\n";
    run(script + "\n");
    EXPECT_EQ(count(screen(), "Page 13:"), 11u);
    EXPECT_FALSE(has(screen(), "Enter new value"));
    EXPECT_FALSE(has(screen(), "Parameter is"));
    EXPECT_EQ(TPCM.SWLTYP2, 5);
    EXPECT_EQ(TPCM.JONGAM_SWL2, 2.0f);
    // 21 switches it on; then its lines are drawn and its items act.
    run("21\n26\n1.25\n\n");
    EXPECT_EQ(TPCM.LSWEL2, 1);
    EXPECT_EQ(TPCM.SWELHT2, 1.25f);
    EXPECT_EQ(TPCM.SWELHT, 0.0f);
}

TEST_F(TwoSwellPage, PiersonMoskowitzSecondSwellHasNoPeriod) {
    TPCM.LSWEL2 = 1;
    TPCM.SWLTYP2 = 1;
    TPCM.SWELPD2 = 12.0f;
    run("27\n\n");
    EXPECT_FALSE(has(screen(), " 27) Swell peak period"));
    EXPECT_TRUE(has(screen(), " 26) Swell significant height"));
    EXPECT_FALSE(has(screen(), "Enter new value"));
    EXPECT_EQ(TPCM.SWELPD2, 12.0f);
    EXPECT_EQ(count(screen(), "Page 13:"), 2u);
}

TEST_F(TwoSwellPage, LockLineNeedsAnOlderCaseTheSeaAndTheFirstSwell) {
    struct Case {
        Int SIMTYP, LRANDM;
        bool shown;
    };
    for (const Case c : {Case{5, 1, true}, Case{16, 1, false}, Case{5, 0, false}}) {
        SCOPED_TRACE(c.SIMTYP * 10 + c.LRANDM);
        clear_captured(SCREEN_UNIT);
        TPCM.SIMTYP = c.SIMTYP;
        TPCM.LRANDM = c.LRANDM;
        TPCM.LSWLOK = 1;
        run("\n");
        EXPECT_EQ(has(screen(), "41) Lock swell heading to irregular waves?"), c.shown);
        EXPECT_EQ(TPCM.LSWLOK, c.shown ? 1 : 0);
    }
    // One lock for both swells: both headings read "Relative".
    TPCM.SIMTYP = 5;
    TPCM.LRANDM = 1;
    TPCM.LSWEL2 = 1;
    TPCM.LSWLOK = 0;
    clear_captured(SCREEN_UNIT);
    run("41\n\n");
    EXPECT_EQ(TPCM.LSWLOK, 1);
    EXPECT_TRUE(has(screen(), "  4) Relative swell heading ...................."));
    EXPECT_TRUE(has(screen(), " 24) Relative swell heading ...................."));
}

TEST_F(TwoSwellPage, TwoTableSwellsEditTheSameDensities) {
    TPCM.LSWEL2 = 1;
    // First swell: type list choice 9 (type 8) opens the table; row 2 set to 0.75.
    // Second swell: the same table, row 1 set to 0.5 (the entry goes on to row 2, kept by a blank).
    run("2\n9\n2\n0.75\n\n22\n9\n1\n0.5\n\n\n\n");
    EXPECT_EQ(TPCM.SWLTYP, 8);
    EXPECT_EQ(TPCM.SWLTYP2, 8);
    EXPECT_EQ(TPCM.USRPSD(1), 0.5f);
    EXPECT_EQ(TPCM.USRPSD(2), 0.75f);
    // The second table showed the value the first one stored; each choice opened it once.
    EXPECT_TRUE(has(screen(), "   1)       .00\n   2)       .75\n"));
    EXPECT_EQ(count(screen(), "  Specify spectral densities at regular wave periods\n\n   1)"), 4u);
}

TEST_F(TwoSwellPage, BlankAnswerOnTheTypeListOpensTheTableOfAKeptTableType) {
    struct Case {
        Int type;
        std::size_t tables;
    };
    for (const Case c : {Case{8, 1}, Case{1, 0}}) {
        SCOPED_TRACE(c.type);
        clear_captured(SCREEN_UNIT);
        TPCM.LSWEL2 = 1;
        TPCM.SWLTYP2 = c.type;
        run(c.tables != 0 ? "22\n\n\n\n" : "22\n\n\n");
        EXPECT_EQ(TPCM.SWLTYP2, c.type);
        EXPECT_EQ(count(screen(), "Specify spectral densities at regular wave periods"), c.tables);
    }
}

// The type list of either swell, through the page's answers: a negative answer (-1 or a page
// command letter) shows the list again rather than leaving it; a blank answer keeps the type and
// leaves, except on a kept Ochi-Hubble type (type 9, which only a data file holds for a swell),
// which is refused and keeps the list until another type is chosen; choice 10 is refused.
TEST_F(TwoSwellPage, TypeListAnswers) {
    struct Case {
        const char* what;
        Int stored;
        const char* answers;  // after the item number, the list's answers and the page's last RETURN
        Int type;
        std::size_t lists, refusals;
    };
    const Case cases[] = {
        {"-1", 5, "-1\n3\n\n", 2, 2, 0},
        {"back a page", 5, "B\n7\n\n", 6, 2, 0},
        {"first page", 5, "F\nL\n11\n\n", 10, 3, 0},
        {"blank keeps the type", 5, "\n\n", 5, 1, 0},
        {"blank on a kept Ochi-Hubble type", 9, "\n\n2\n\n", 1, 2, 1},
        {"Ochi-Hubble chosen", 5, "10\n\n\n\n", 5, 2, 1},
    };
    const std::string refusal = "\n ++> The Ochi-Hubble spectrum cannot be used for swell seas.\n\n";
    for (const bool second : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (second ? ", second swell" : ", first swell"));
            clear_captured(SCREEN_UNIT);
            TPCM.LSWEL2 = 1;
            TPCM.SWLTYP = second ? 0 : c.stored;
            TPCM.SWLTYP2 = second ? c.stored : 0;
            TPCM.LBACK = 77;
            run(std::string(second ? "22\n" : "2\n") + c.answers);
            EXPECT_EQ(second ? TPCM.SWLTYP2 : TPCM.SWLTYP, c.type);
            EXPECT_EQ(second ? TPCM.SWLTYP : TPCM.SWLTYP2, 0);  // the other swell untouched
            EXPECT_EQ(count(screen(), " -- Irregular swell types --\n"), c.lists);
            EXPECT_EQ(count(screen(), refusal), c.refusals);
            // The list came back to the page, which was drawn twice and left on the last RETURN.
            EXPECT_EQ(count(screen(), "Page 13:"), 2u);
            EXPECT_EQ(TPCM.LBACK, 0);
        }
    }
}

TEST_F(TwoSwellPage, AlphaCalculatorNeedsAValidShape) {
    TPCM.NUNTS = 1;
    TPCM.LSWEL2 = 1;
    TPCM.SWLTYP2 = 5;
    TPCM.JONGAM_SWL2 = 1.0f;
    TPCM.JONPL_SWL2 = 0.07f;
    TPCM.JONPG_SWL2 = 0.09f;
    // gamma 1: alpha = 5 Hs^2 wp^4 / (16 g^2); Hs 4 m, Tp 10 s: 0.0081.
    run("31\n4,10\n\n\n");
    EXPECT_TRUE(has(screen(), " ++> The JONSWAP \"Alpha\" Parameter is:   .0081\n"));

    clear_captured(SCREEN_UNIT);
    TPCM.JONGAM_SWL2 = 0.0f;
    LOCALJ = LocalJ{-7.0f, -7.0f, -7};
    run("31\n\n");
    EXPECT_FALSE(has(screen(), "Sig. Height"));
    EXPECT_EQ(LOCALJ.GAM, -7.0f);
    EXPECT_EQ(count(screen(), "Page 13:"), 2u);
    EXPECT_EQ(TPCM.JONGAM_SWL2, 0.0f);
}

TEST_F(TwoSwellPage, NegativeShapeEntriesAreAskedAgain) {
    TPCM.LSWEL2 = 1;
    TPCM.SWLTYP2 = 0;
    run("28\n-1\n0.12\n\n");
    EXPECT_EQ(TPCM.SWLWID2, 0.12f);
    EXPECT_EQ(count(screen(), " 28) Swell spectral bandwidth parameter ........"), 4u);
}

TEST_F(TwoSwellPage, SwellWithoutSeaHeadsTheRegularWavesAndDumpModeWritesOnce) {
    TPCM.LRANDM = 0;
    TPCM.SWLHDG = 75.0f;
    TPCM.LCOPY = 1;
    TPCM.LBACK = 3;
    run("");
    EXPECT_EQ(TPCM.WAVHDG(1), 75.0f);
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_FALSE(has(screen(), "Enter"));
    EXPECT_EQ(count(screen(), "Page 13:"), 1u);
}

}  // namespace
}  // namespace brevant
