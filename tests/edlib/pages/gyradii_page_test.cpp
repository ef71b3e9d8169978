// Page 3, gyradii and bilge: the items shown for each condition with their fixed numbers, the speed
// in knots, the switches, help for shown items only, the full help and dump mode.
#include "edlib/pages/gyradii_page.h"

#include <gtest/gtest.h>

#include <string>

#include "edlib/pages/vessel_pages.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::count_of;

const std::string kPrompt = "Enter number of selection (\"H\" for help): ";
const std::string kValuePrompt = "Enter new value: ";
const std::string kPause = "Press <RETURN> to continue: ";

class GyradiiPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    std::string run(const std::string& script) {
        clear_captured(SCREEN_UNIT);
        answers(script);
        VESEL2("3", "Vessel");
        return screen();
    }
    // The page as drawn last (from its last header on).
    std::string last_page() const {
        const std::string s = screen();
        return s.substr(s.rfind("Page 3: Vessel Gyradii and Bilge Specifications"));
    }
};

bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

TEST_F(GyradiiPageTest, PageAsDrawnWithEveryItemShown) {
    TPCM.SIMTYP = 10;
    TPCM.PGYR = 120.5f;
    TPCM.RGYR = 40.0f;
    TPCM.YGYR = 125.25f;
    TPCM.BILGR = 2.0f;
    TPCM.LKEEL = 1;
    TPCM.TKEEL = 300.0f;
    TPCM.RKEEL = 1.5f;
    TPCM.DKEEL = 60.0f;
    TPCM.VFWD = 16.87f;  // 10 knots
    TPCM.VGLDIR = 90.0f;
    TPCM.TRIMDG = 1.0f;
    TPCM.HEELDG = -2.0f;
    TPCM.AUXVSH = 1;
    TPCM.DECKUP = 0;
    run("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string expected =
        "Page 3: Vessel Gyradii and Bilge Specifications  ***********\n"
        "\n"
        "  1) Pitch Gyradius .....................................    120.50 ft    \n"
        "  2) Roll Gyradius ......................................     40.00 ft    \n"
        "  3) Yaw Gyradius .......................................    125.25 ft    \n"
        "\n"
        "  4) Bilge radius at maximum beam station ...............      2.00 ft    \n"
        "  5) Is there a bilge keel ..............................   Yes\n"
        "  6) Bilge keel length ..................................    300.00 ft    \n"
        "  7) Bilge keel width ...................................      1.50 ft    \n"
        "  8) Inboard keel-to-vessel centerline distance .........     60.00 ft    \n"
        "\n"
        "  9) Vessel speed (knots) ...............................     10.00       \n"
        " 10) Global direction of vessel motion (degrees) ........     90.00       \n"
        "\n"
        " 11) Trim angle (deg; bow down positive) ................      1.00       \n"
        " 12) Heel angle (deg; starboard down positive) ..........     -2.00       \n"
        "\n"
        " 13) Utilize user-supplied vessel RAO data ..............   Yes\n"
        " 14) User RAOs in Deck-Vertical Coordinate System? ......   No \n"
        " \n"
        " " + kPrompt;
    EXPECT_EQ(last_page(), expected);
    // The header: 74 columns, the title centred between runs of asterisks.
    EXPECT_TRUE(has(screen(), " ***********  Page 3: Vessel Gyradii and Bilge Specifications  ***********\n"));
}

TEST_F(GyradiiPageTest, MetricSpeedIsShownInKnots) {
    TPCM.NUNTS = 1;
    TPCM.VFWD = 7.71f;
    run("\n");
    EXPECT_TRUE(has(screen(), "  9) Vessel speed (knots) ...............................     15.00       \n"));
    EXPECT_TRUE(has(screen(), "  1) Pitch Gyradius .....................................       .00 m     \n"));
}

TEST_F(GyradiiPageTest, SpeedIsTypedInKnotsAndStoredWithThePageFactors) {
    struct Case {
        Int nunts;
        const char* typed;
        Real stored;
    };
    // The factors are the page's single-precision 1.687 and 0.514, not the exact knot.
    const Case cases[] = {{0, "12", 12.0f * 1.687f}, {1, "10", 10.0f * 0.514f}};
    for (const Case& c : cases) {
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.NUNTS = c.nunts;
        run(std::string("9\n") + c.typed + "\n\n");
        EXPECT_EQ(TPCM.VFWD, c.stored) << c.typed;
    }
    EXPECT_FLOAT_EQ(12.0f * 1.687f, 20.244f);
    EXPECT_FLOAT_EQ(10.0f * 0.514f, 5.14f);
    // The item is written again before its prompt.
    EXPECT_TRUE(has(screen(), "  9) Vessel speed (knots) ...............................       .00       \n " +
                                  kValuePrompt));
}

TEST_F(GyradiiPageTest, HiddenItemsKeepTheirNumbersAndDoNothing) {
    TPCM.LKEEL = 0;
    TPCM.TKEEL = 45.0f;
    run("6\n?6\n\n");
    EXPECT_EQ(count_of(screen(), "Page 3:"), 3u);  // two redraws, no prompt, no note
    EXPECT_FALSE(has(screen(), kValuePrompt));
    EXPECT_FALSE(has(screen(), "Item Number"));
    EXPECT_FALSE(has(screen(), "Bilge keel length"));
    EXPECT_TRUE(has(screen(), "  9) Vessel speed"));
    EXPECT_EQ(TPCM.TKEEL, 45.0f);
    // With VFWD 0 the direction item is hidden; 10 only redraws.
    run("10\n\n");
    EXPECT_FALSE(has(screen(), "Global direction"));
    EXPECT_FALSE(has(screen(), kValuePrompt));
}

TEST_F(GyradiiPageTest, ItemVisibilityFollowsTheCreatorAndTheSwitches) {
    struct Case {
        const char* what;
        Int creatr, auxvsh;
        Real trim, heel;
        bool trim_shown, rao_shown, deck_shown;
    };
    const Case cases[] = {
        {"own file, no user RAOs", 16, 0, 0.0f, 0.0f, false, true, false},
        {"own file, user RAOs, stored trim", 16, 1, 2.0f, 0.0f, false, true, true},
        {"user RAOs without trim or heel", 10, 1, 0.0f, 0.0f, true, true, false},
        {"user RAOs with heel", 10, 1, 0.0f, -1.0f, true, true, true},
        {"trim without user RAOs", 10, 0, 3.0f, 0.0f, true, true, false},
        {"creator 8", 8, 1, 3.0f, 0.0f, true, false, true},
    };
    for (const Case& c : cases) {
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = c.creatr;
        TPCM.AUXVSH = c.auxvsh;
        TPCM.TRIMDG = c.trim;
        TPCM.HEELDG = c.heel;
        const std::string s = run("\n");
        EXPECT_EQ(has(s, " 11) Trim angle"), c.trim_shown) << c.what;
        EXPECT_EQ(has(s, " 12) Heel angle"), c.trim_shown) << c.what;
        EXPECT_EQ(has(s, " 13) Utilize user-supplied vessel RAO data"), c.rao_shown) << c.what;
        EXPECT_EQ(has(s, " 14) User RAOs in Deck-Vertical"), c.deck_shown) << c.what;
    }
}

TEST_F(GyradiiPageTest, SwitchesFlipAndValuesAreStored) {
    TPCM.SIMTYP = 10;
    run("5\n6\n45\n13\n11\n2.5\n14\n\n");
    EXPECT_EQ(TPCM.LKEEL, 1);
    EXPECT_EQ(TPCM.TKEEL, 45.0f);
    EXPECT_EQ(TPCM.AUXVSH, 1);
    EXPECT_EQ(TPCM.TRIMDG, 2.5f);
    EXPECT_EQ(TPCM.DECKUP, 1);
    // A blank answer keeps a value.
    run("6\n\n\n");
    EXPECT_EQ(TPCM.TKEEL, 45.0f);
}

TEST_F(GyradiiPageTest, NavigationCodesGoBackToTheDriver) {
    const struct {
        const char* typed;
        Int code;
    } cases[] = {{"\n", 0}, {"B\n", NAV_BACK}, {"L\n", NAV_LAST}, {"J7\n", NAV_JUMP}, {"M\n", NAV_M}};
    for (const auto& c : cases) {
        run(std::string("15\n") + c.typed);  // a number above 14 only redraws
        EXPECT_EQ(TPCM.LBACK, c.code) << c.typed;
        EXPECT_EQ(count_of(screen(), "Page 3:"), 2u) << c.typed;
    }
}

TEST_F(GyradiiPageTest, HelpForOneItem) {
    run("?4\n\n\n");
    EXPECT_TRUE(has(screen(), "\n ++> Item Number 4\n ++> Sorry, no help for this item...\n\n"));
    EXPECT_EQ(count_of(screen(), kPause), 1u);
    EXPECT_TRUE(has(screen(), " *********************  Vessel Definition Notes  *********************\n"));

    TPCM.VFWD = 5.0f;
    run("?10\n\n\n");
    EXPECT_TRUE(has(screen(), " ++> Item Number 10\n"));
    EXPECT_TRUE(has(screen(), "0 degrees means forward speed"));
    EXPECT_FALSE(has(screen(), "right-hand-rule"));

    TPCM.AUXVSH = 1;
    run("?13\n\n\n");
    EXPECT_TRUE(has(screen(), "     Maximum number of array frequencies = 121\n"));
    EXPECT_TRUE(has(screen(), "     Maximum number of attack angles in [0,360] circle = 145\n"));

    // Out of range or hidden: no note.
    run("?15\n?-1\n?14\n\n");
    EXPECT_FALSE(has(screen(), "Item Number"));
}

TEST_F(GyradiiPageTest, FullHelpTakesFiveScreens) {
    run("?\n\n\n\n\n\n\n");
    EXPECT_EQ(count_of(screen(), kPause), 5u);
    EXPECT_EQ(count_of(screen(), "Vessel Definition Notes"), 1u);
    EXPECT_FALSE(has(screen(), "Item Number"));
    // The notes in their screens' order.
    const std::string s = screen();
    const auto pitch = s.find("pitch gyradius is usually");
    const auto keel = s.find("presence of a bilge keel");
    const auto speed = s.find("encounter period");
    const auto trim = s.find("right-hand-rule");
    const auto rao = s.find("Maximum number of array frequencies");
    ASSERT_NE(rao, std::string::npos);
    EXPECT_TRUE(pitch < keel && keel < speed && speed < trim && trim < rao);
}

TEST_F(GyradiiPageTest, DumpModeWritesThePageOnceAndReadsNothing) {
    TPCM.LCOPY = 1;
    TPCM.LBACK = 5;
    run("");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 2);
    EXPECT_EQ(count_of(screen(), "Page 3:"), 1u);
    EXPECT_FALSE(has(screen(), kPrompt));
}

}  // namespace
}  // namespace brevant
