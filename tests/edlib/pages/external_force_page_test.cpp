// The external force page: its drawing with the force off and on, in both unit systems, the two
// switches, the value items, help screens, dump mode and the codes it hands back.
#include "edlib/pages/external_force_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "edlib/pages/vessel_pages.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

std::vector<std::byte> image_copy() {
    const auto b = image_bytes(TPCM);
    return {b.begin(), b.end()};
}

std::size_t count(const std::string& text, const std::string& what) { return testing::count_of(text, what); }

const std::string kHeader = "   ****  Page 7: Vessel External Force/Moment Specification  ****\n\n\n";
const std::string kPrompt = " \n Enter number of selection (\"H\" for help): ";

class ExternalForcePageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    void run(const std::string& script) {
        answers(script);
        EXTFRC("7", "Vessel");
    }
    void force_on() {
        TPCM.AUXFRC = 1;
        TPCM.XVFRC = -40.25f;
        TPCM.YVFRC = 3.5f;
        TPCM.VESMOM = -750.0f;
        TPCM.CRDSYS = 1;
        TPCM.XVLOC = 12.5f;
        TPCM.YVLOC = -0.5f;
    }
    bool image_unchanged_since(const std::vector<std::byte>& before) const {
        const auto now = image_bytes(TPCM);
        return std::memcmp(now.data(), before.data(), before.size()) == 0;
    }
};

TEST_F(ExternalForcePageTest, ForceOffShowsTheSwitchOnly) {
    TPCM.XVFRC = 99.0f;  // kept, not shown, while the force is off
    run("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(screen(), kHeader + " 1) Simulate constant force/moment on vessel:   No \n" + kPrompt);
    EXPECT_EQ(TPCM.XVFRC, 99.0f);
}

TEST_F(ExternalForcePageTest, EnglishPageAsDrawn) {
    force_on();
    run("\n");
    const std::string expected = kHeader +
                                 " 1) Simulate constant force/moment on vessel:   Yes\n"
                                 "\n"
                                 " 2) X force component ........................     -40.25 kips           \n"
                                 " 3) Y force component ........................       3.50 kips           \n"
                                 " 4) Applied moment (force couple) value ...... -0.750E+03 k. ft-lbs \n"
                                 " 5) Auxiliary force components defined in <<vessel>> coordinate system\n"
                                 "\n"
                                 "   ++> Coordinates of Applied Force are in <<vessel>> system\n"
                                 "\n"
                                 " 6) Applied force X-coordinate (from c.g.) ...      12.50 feet           \n"
                                 " 7) Applied force Y-coordinate (from c.g.) ...       -.50 feet           \n" +
                                 kPrompt;
    EXPECT_EQ(screen(), expected);
}

TEST_F(ExternalForcePageTest, MetricCaptionsLeaveTheValuesAlone) {
    force_on();
    TPCM.NUNTS = 1;
    TPCM.VESMOM = 1234.5f;
    run("\n");
    const std::string s = screen();
    EXPECT_NE(s.find(" 2) X force component ........................     -40.25 metric tons    \n"), std::string::npos);
    EXPECT_NE(s.find(" 4) Applied moment (force couple) value ......  0.123E+04 ton-meters\n"), std::string::npos);
    EXPECT_NE(s.find(" 6) Applied force X-coordinate (from c.g.) ...      12.50 meters         \n"), std::string::npos);
    EXPECT_EQ(TPCM.XVFRC, -40.25f);
}

TEST_F(ExternalForcePageTest, ADamagedUnitFlagGetsTheCaptionErrorText) {
    force_on();
    TPCM.NUNTS = 2147483647;
    run("\n");
    const std::string s = screen();
    EXPECT_NE(s.find(" 2) X force component ........................     -40.25 Index error    \n"), std::string::npos);
    EXPECT_NE(s.find(" 4) Applied moment (force couple) value ...... -0.750E+03 k. ft-lbs \n"), std::string::npos);
    EXPECT_NE(s.find("(from c.g.) ...      12.50 Index error    \n"), std::string::npos);
}

TEST_F(ExternalForcePageTest, ItemsTwoToSevenAreInertWhileTheForceIsOff) {
    TPCM.YVLOC = 7.0f;
    for (const char* item : {"2", "3", "4", "5", "6", "7", "8", "99"}) {
        clear_captured(SCREEN_UNIT);
        const auto before = image_copy();
        // Had the item taken a value, "11" would be stored and the page would not end on Return.
        run(std::string(item) + "\n11\n\n");
        EXPECT_EQ(count(screen(), "Page 7:"), 3u) << item;
        EXPECT_EQ(screen().find("Enter new value"), std::string::npos) << item;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;  // the digits after the first of every answer land there
        EXPECT_TRUE(image_unchanged_since(before)) << item;
    }
}

TEST_F(ExternalForcePageTest, SwitchShowsAwkAndFlipsToZero) {
    struct Case {
        Int start;
        const char* caption;
        Int after;
    };
    for (const Case& c : {Case{0, "No ", 1}, Case{1, "Yes", 0}, Case{2, "Awk", 0}, Case{-1, "Awk", 0}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.AUXFRC = c.start;
        run("1\n\n");
        EXPECT_EQ(TPCM.AUXFRC, c.after) << c.start;
        const std::string s = screen();
        EXPECT_NE(s.find(std::string(" 1) Simulate constant force/moment on vessel:   ") + c.caption + "\n"),
                  std::string::npos)
            << c.start;
        // Items 2 to 7 stand on the first drawing exactly when the switch was not 0.
        const auto second = s.find("Page 7:", s.find("Page 7:") + 1);
        EXPECT_EQ(s.substr(0, second).find(" 2) X force") != std::string::npos, c.start != 0) << c.start;
    }
}

TEST_F(ExternalForcePageTest, AxesShowGlobalForAnythingButOneAndTheNoteAlwaysNamesTheVessel) {
    struct Case {
        Int start;
        const char* axes;
        Int after;
    };
    for (const Case& c : {Case{1, "<<vessel>>", 0}, Case{0, "<<global>>", 1}, Case{2, "<<global>>", 0}}) {
        clear_captured(SCREEN_UNIT);
        force_on();
        TPCM.CRDSYS = c.start;
        run("5\n\n");
        EXPECT_EQ(TPCM.CRDSYS, c.after) << c.start;
        const std::string s = screen();
        EXPECT_EQ(s.find(std::string(" 5) Auxiliary force components defined in ") + c.axes + " coordinate system\n"),
                  s.find(" 5) Auxiliary"))
            << c.start;
        EXPECT_EQ(count(s, "   ++> Coordinates of Applied Force are in <<vessel>> system\n"), 2u) << c.start;
    }
}

TEST_F(ExternalForcePageTest, BatchModifyAsksForTheSwitches) {
    struct Case {
        Int item;
        const char* answer;
        Int start;
        Int after;
    };
    const Case cases[] = {
        {1, "1", 0, 1}, {1, "0", 2, 0}, {1, "", 2, 2}, {1, "7", 1, 1}, {1, "L", 0, 0},
        {5, "1", 0, 1}, {5, "0", 1, 0}, {5, "", 2, 2}, {5, "3", 1, 1},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        force_on();
        TPCM.IBATCH = 1;
        Int& word = c.item == 1 ? TPCM.AUXFRC : TPCM.CRDSYS;
        word = c.start;
        run(std::to_string(c.item) + "\n" + c.answer + "\n\n");
        EXPECT_EQ(word, c.after) << c.item << " " << c.answer;
        EXPECT_EQ(TPCM.LBACK, 0);
        const char* prompt = c.item == 1 ? " Enter 1 for \"Yes\", 0 for \"No\": "
                                         : " Enter 1 for \"Vessel\", 0 for \"Global\": ";
        EXPECT_NE(screen().find(prompt), std::string::npos) << c.item;
    }
}

TEST_F(ExternalForcePageTest, ValueItemsShowTheirLineAndTakeAnyReal) {
    struct Case {
        Int item;
        Real Tpcm::*word;
        const char* line;  // as written before the prompt
    };
    const Case cases[] = {
        {2, &Tpcm::XVFRC, "\n 2) X force component ........................     -40.25 kips           \n"},
        {3, &Tpcm::YVFRC, " 3) Y force component ........................       3.50 kips           \n"},
        {4, &Tpcm::VESMOM, " 4) Applied moment (force couple) value ...... -0.750E+03 k. ft-lbs \n"},
        {6, &Tpcm::XVLOC, "\n 6) Applied force X-coordinate (from c.g.) ...      12.50 feet           \n"},
        {7, &Tpcm::YVLOC, " 7) Applied force Y-coordinate (from c.g.) ...       -.50 feet           \n"},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        force_on();
        run(std::to_string(c.item) + "\n-1.5E3\n\n");
        EXPECT_EQ(TPCM.*c.word, -1500.0f) << c.item;
        const std::string s = screen();
        const std::string echo = std::string(c.line) + " Enter new value: ";
        // (The answers are not echoed: the item's line follows the selection prompt at once.)
        EXPECT_NE(s.find(kPrompt + echo), std::string::npos) << c.item << s;
        // A blank answer or one that is no number keeps the value.
        for (const char* keep : {"", "abc"}) {
            force_on();
            const Real old = TPCM.*c.word;
            run(std::to_string(c.item) + "\n" + keep + "\n\n");
            EXPECT_EQ(TPCM.*c.word, old) << c.item << " '" << keep << "'";
        }
    }
}

TEST_F(ExternalForcePageTest, CodesBelowOneGoBackToTheDriver) {
    struct Case {
        const char* answer;
        Int code;
    };
    for (const Case& c : {Case{"", 0}, Case{"0", 0}, Case{"F", NAV_FIRST}, Case{"L", NAV_LAST}, Case{"B", NAV_BACK},
                          Case{"S", NAV_SKIP}, Case{"E", NAV_EXECUTE}, Case{"J3", NAV_JUMP}, Case{"!", NAV_REDRAW}}) {
        clear_captured(SCREEN_UNIT);
        force_on();
        const auto before = image_copy();
        run(std::string(c.answer) + "\n");
        EXPECT_EQ(TPCM.LBACK, c.code) << c.answer;
        EXPECT_EQ(count(screen(), "Page 7:"), 1u) << c.answer;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << c.answer;
    }
}

TEST_F(ExternalForcePageTest, DumpModeWritesThePageOnceAndReadsNothing) {
    for (Int on : {0, 1}) {
        clear_captured(SCREEN_UNIT);
        force_on();
        TPCM.AUXFRC = on;
        TPCM.LCOPY = 1;
        TPCM.LBACK = 5;
        run("");  // any read would meet the end of the input
        EXPECT_EQ(TPCM.LBACK, 0);
        EXPECT_EQ(TPCM.LCOPY, 2);
        const std::string s = screen();
        EXPECT_EQ(count(s, "Page 7:"), 1u);
        EXPECT_EQ(s.find(" 7) Applied force Y-coordinate") != std::string::npos, on == 1);
        EXPECT_EQ(s.find("Enter"), std::string::npos);
    }
}

// ---- Help ----------------------------------------------------------------------------------

const std::string kHelpTitle = std::string(17, ' ') + "****  Vessel Environmental Load Notes  ****\n";
const std::string kPause = " \n Press <RETURN> to continue: ";

TEST_F(ExternalForcePageTest, HelpForALineWithoutANote) {
    run("?9\n\n\n");
    const std::string s = screen();
    const auto help = s.find(kHelpTitle);
    ASSERT_NE(help, std::string::npos);
    EXPECT_EQ(s.substr(help, s.find("   ****  Page 7:", help) - help),
              kHelpTitle + "\n ++> Item Number   9\n ++> Sorry, no help for this line...\n\n" + kPause);
    EXPECT_EQ(count(s, "Page 7:"), 2u);
}

TEST_F(ExternalForcePageTest, HelpForOneItemShowsItsNotesAndOnePause) {
    // The notes the items share: 2 to 4 the point of application and the moment, 6 and 7 the point.
    std::string application, moment;
    {
        run("?6\n\n\n");
        const std::string s = screen();
        const auto a = s.find(" ++> Item Number   6\n") + 21;
        application = s.substr(a, s.find(kPause, a) - a);
        clear_captured(SCREEN_UNIT);
        run("?3\n\n\n");
        const std::string t = screen();
        const auto b = t.find(" ++> Item Number   3\n") + 21;
        const std::string both = t.substr(b, t.find(kPause, b) - b);
        ASSERT_EQ(both.substr(0, application.size()), application);
        moment = both.substr(application.size());
    }
    EXPECT_NE(application.find("left when facing the bow"), std::string::npos);
    EXPECT_NE(moment.find("in addition"), std::string::npos);
    for (Int item : {2, 3, 4}) {
        clear_captured(SCREEN_UNIT);
        run("?" + std::to_string(item) + "\n\n\n");
        EXPECT_NE(screen().find(" ++> Item Number   " + std::to_string(item) + "\n" + application + moment + kPause),
                  std::string::npos)
            << item;
        EXPECT_EQ(count(screen(), "Press <RETURN>"), 1u);
    }
    clear_captured(SCREEN_UNIT);
    run("?7\n\n\n");
    EXPECT_NE(screen().find(" ++> Item Number   7\n" + application + kPause), std::string::npos);
    // Every note line is indented by five blanks.
    for (std::size_t p = 0; (p = moment.find('\n', p)) != std::string::npos; ++p)
        if (p + 1 < moment.size() && moment[p + 1] != '\n') {
            EXPECT_EQ(moment.substr(p + 1, 5), "     ");
        }
}

TEST_F(ExternalForcePageTest, HelpForAllItemsShowsThreeScreensWithTheTitleOnTheFirst) {
    run("?\n\n\n\n\n");
    const std::string s = screen();
    EXPECT_EQ(count(s, "****  Vessel Environmental Load Notes  ****"), 1u);
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 3u);
    const auto h1 = s.find(" ++> Item Number  1\n");
    const auto h2 = s.find(" ++> Item Numbers 2 -> 4\n");
    const auto h3 = s.find(" ++> Item Number  5\n");
    const auto h4 = s.find(" ++> Item Numbers 6 -> 7\n");
    ASSERT_NE(h4, std::string::npos);
    EXPECT_LT(s.find(kHelpTitle), h1);
    EXPECT_LT(h1, h2);
    EXPECT_LT(h2, h3);
    EXPECT_LT(h3, h4);
    // A pause between the first and the second screen, and between the second and the third.
    EXPECT_NE(s.substr(h1, h2 - h1).find(kPause), std::string::npos);
    EXPECT_NE(s.substr(h2, h3 - h2).find(kPause), std::string::npos);
    EXPECT_EQ(s.substr(h3, h4 - h3).find(kPause), std::string::npos);
}

TEST_F(ExternalForcePageTest, TheNumberTypedAtTheLastPauseIsLeftInTheLine) {
    Int LINE = 4;
    answers("12\n");
    EXTFHP(SCREEN_UNIT, KBD_UNIT, LINE);
    EXPECT_EQ(LINE, 12);
    LINE = 0;
    answers("3\n5\n8\n");
    EXTFHP(SCREEN_UNIT, KBD_UNIT, LINE);
    EXPECT_EQ(LINE, 8);
}

TEST_F(ExternalForcePageTest, SilentHelpWritesItsScreensWithoutWaiting) {
    Int LINE = 0;
    answers("");  // a read would meet the end of the input
    EXTFHP(SILENT_UNIT, KBD_UNIT, LINE);
    EXPECT_EQ(LINE, 0);
    EXPECT_EQ(count(silent(), " ++> Item Number"), 4u);
    EXPECT_EQ(count(silent(), "Press <RETURN>"), 0u);
}

}  // namespace
}  // namespace brevant
