// Page 4, periods and damping: the status items and the value items they show, the switch that goes
// straight on to its value, the disc-vessel switches, help and dump mode.
#include "edlib/pages/damping_page.h"

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

bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

class DampingPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.VESTYP = 1;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    std::string run(const std::string& script) {
        clear_captured(SCREEN_UNIT);
        answers(script);
        VESEL3("4", "Vessel");
        return screen();
    }
    std::string last_page() const {
        const std::string s = screen();
        return s.substr(s.rfind("Page 4: Vessel Period and Damping Specifications"));
    }
};

TEST_F(DampingPageTest, EverythingComputedShowsTheStatusItemsOnly) {
    run("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string expected =
        "Page 4: Vessel Period and Damping Specifications  ***********\n"
        "\n"
        "  1) Heave damping is ................................... Computed \n"
        "  3) Pitch damping is ................................... Computed \n"
        "  5) Roll damping is .................................... Computed \n"
        "\n"
        "  7) Heave period is .................................... Computed \n"
        "  9) Pitch period is .................................... Computed \n"
        " 11) Roll period is ..................................... Computed \n"
        " \n"
        " " + kPrompt;
    EXPECT_EQ(last_page(), expected);
}

TEST_F(DampingPageTest, EverythingSpecifiedShowsEachValueAfterItsStatus) {
    TPCM.LHVDMP = TPCM.LPTDMP = TPCM.LRLDMP = 1;
    TPCM.LHVPRD = TPCM.LPTPRD = TPCM.LRLPRD = 1;
    TPCM.HVDAMP = 5.0f;
    TPCM.PTDAMP = 6.5f;
    TPCM.RLDAMP = -1.0f;
    TPCM.HEVPRD = 20.0f;
    TPCM.PITPRD = 30.25f;
    TPCM.ROLPRD = 100.0f;
    run("\n");
    const std::string expected =
        "Page 4: Vessel Period and Damping Specifications  ***********\n"
        "\n"
        "  1) Heave damping is ................................... Specified\n"
        "  2) Heave damping (percent of critical) ................     5.00\n"
        "\n"
        "  3) Pitch damping is ................................... Specified\n"
        "  4) Pitch damping (percent of critical) ................     6.50\n"
        "\n"
        "  5) Roll damping is .................................... Specified\n"
        "  6) Roll damping (percent of critical) .................    -1.00\n"
        "\n"
        "  7) Heave period is .................................... Specified\n"
        "  8) Heave period (sec) .................................    20.00\n"
        "\n"
        "  9) Pitch period is .................................... Specified\n"
        " 10) Pitch period (sec) .................................    30.25\n"
        "\n"
        " 11) Roll period is ..................................... Specified\n"
        " 12) Roll period (sec) ..................................   100.00\n"
        " \n"
        " " + kPrompt;
    EXPECT_EQ(last_page(), expected);
}

TEST_F(DampingPageTest, SwitchingToSpecifiedAsksForTheValueAtOnce) {
    run("7\n9.5\n\n");
    EXPECT_EQ(TPCM.LHVPRD, 1);
    EXPECT_EQ(TPCM.HEVPRD, 9.5f);
    EXPECT_TRUE(has(screen(), "  8) Heave period (sec) .................................      .00\n " + kValuePrompt));
    EXPECT_TRUE(has(last_page(), "  8) Heave period (sec) .................................     9.50\n"));
    // Back to computed: no question, the value stays stored.
    run("7\n\n");
    EXPECT_EQ(TPCM.LHVPRD, 0);
    EXPECT_EQ(TPCM.HEVPRD, 9.5f);
    EXPECT_FALSE(has(screen(), kValuePrompt));
    EXPECT_FALSE(has(last_page(), "Heave period (sec)"));
    // The value item of a computed quantity only redraws.
    run("8\n\n");
    EXPECT_FALSE(has(screen(), kValuePrompt));
    EXPECT_EQ(count_of(screen(), "Page 4:"), 2u);
    // Specified again: the old value is offered and a blank answer keeps it.
    run("7\n\n\n");
    EXPECT_EQ(TPCM.LHVPRD, 1);
    EXPECT_EQ(TPCM.HEVPRD, 9.5f);
}

TEST_F(DampingPageTest, EachStatusItemDrivesItsOwnWords) {
    struct Case {
        Int item;
        Int Tpcm::*flag;
        Real Tpcm::*value;
    };
    const Case cases[] = {
        {1, &Tpcm::LHVDMP, &Tpcm::HVDAMP}, {3, &Tpcm::LPTDMP, &Tpcm::PTDAMP}, {5, &Tpcm::LRLDMP, &Tpcm::RLDAMP},
        {7, &Tpcm::LHVPRD, &Tpcm::HEVPRD}, {9, &Tpcm::LPTPRD, &Tpcm::PITPRD}, {11, &Tpcm::LRLPRD, &Tpcm::ROLPRD},
    };
    for (const Case& c : cases) {
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        run(std::to_string(c.item) + "\n-3.25\n" + std::to_string(c.item + 1) + "\n7.75\n\n");
        EXPECT_EQ(TPCM.*(c.flag), 1) << c.item;
        EXPECT_EQ(TPCM.*(c.value), 7.75f) << c.item;
        // The switch went straight on to the value (-3.25), then the value item was edited.
        EXPECT_EQ(count_of(screen(), kValuePrompt), 2u) << c.item;
        for (const Case& o : cases) {
            if (o.item != c.item) {
                EXPECT_EQ(TPCM.*(o.flag), 0) << c.item << " moved " << o.item;
            }
        }
    }
}

TEST_F(DampingPageTest, DiscVesselSwitchesFollowCreatorAndType) {
    struct Case {
        Int creatr, vestyp;
        bool feedback, statics;
    };
    const Case cases[] = {
        {16, 4, false, true}, {13, 4, true, true}, {10, 4, true, true},
        {9, 4, false, false}, {13, 1, false, false}, {16, 3, false, false},
    };
    for (const Case& c : cases) {
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = c.creatr;
        TPCM.VESTYP = c.vestyp;
        const std::string s = run("13\n14\n\n");
        const std::string page = last_page();
        EXPECT_EQ(has(page, "\n 13) Feedback mooring forces to wave-frequency motions?     Yes\n"), c.feedback)
            << c.creatr << "/" << c.vestyp;
        EXPECT_EQ(has(page, "\n 14) Output static wave force vs mooring force analysis?    Yes\n"), c.statics)
            << c.creatr << "/" << c.vestyp;
        EXPECT_EQ(TPCM.MORFBK, c.feedback ? 1 : 0);
        EXPECT_EQ(TPCM.CATFBK, c.statics ? 1 : 0);
    }
}

TEST_F(DampingPageTest, HelpScreens) {
    // The whole set: one screen, or three for a disc-shaped vessel (or a file of creator 13).
    run("?\n\n\n");
    EXPECT_EQ(count_of(screen(), kPause), 1u);
    EXPECT_FALSE(has(screen(), "OFFSETS"));
    TPCM.VESTYP = 4;
    run("?\n\n\n\n\n");
    EXPECT_EQ(count_of(screen(), kPause), 3u);
    EXPECT_TRUE(has(screen(), "OFFSETS"));
    TPCM.VESTYP = 1;
    TPCM.SIMTYP = 13;
    run("?\n\n\n\n\n");
    EXPECT_EQ(count_of(screen(), kPause), 3u);

    // One item: its heading and note, one pause.
    TPCM.SIMTYP = 16;
    TPCM.LHVPRD = 1;
    run("?8\n\n\n");
    EXPECT_TRUE(has(screen(), "\n ++> Item Number 8\n\n     Pitch, roll and heave natural periods"));
    EXPECT_EQ(count_of(screen(), kPause), 1u);
    run("?11\n\n\n");
    EXPECT_TRUE(has(screen(), "\n ++> Item Number 11\n"));
    // Hidden or out of range: no note.
    run("?2\n?13\n?15\n\n");
    EXPECT_FALSE(has(screen(), "Item Number"));
}

TEST_F(DampingPageTest, ItemNumberHeading) {
    ITEMNO(SCREEN_UNIT, 7);
    ITEMNO(SCREEN_UNIT, 12);
    EXPECT_EQ(screen(), "\n ++> Item Number 7\n\n ++> Item Number 12\n");
}

TEST_F(DampingPageTest, DumpModeWritesThePageOnceAndReadsNothing) {
    TPCM.LCOPY = 1;
    run("");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(count_of(screen(), "Page 4:"), 1u);
    EXPECT_FALSE(has(screen(), kPrompt));
}

TEST_F(DampingPageTest, NavigationCodesGoBackToTheDriver) {
    run("S\n");
    EXPECT_EQ(TPCM.LBACK, NAV_SKIP);
    run("99\nB\n");
    EXPECT_EQ(TPCM.LBACK, NAV_BACK);
    EXPECT_EQ(count_of(screen(), "Page 4:"), 2u);
}

}  // namespace
}  // namespace brevant
