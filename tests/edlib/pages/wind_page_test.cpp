// The wind conditions page: its drawing with the parameter line of each spectrum type, the speed
// and heading items, the spectrum sub-page, selection 4, help screens, dump mode and the codes it
// hands back.
#include "edlib/pages/wind_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "edlib/pages/environment_pages.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

std::vector<std::byte> image_copy() {
    const auto b = image_bytes(TPCM);
    return {b.begin(), b.end()};
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

const std::string kPrompt = " \n Enter number of selection (\"H\" for help): ";
const std::string kValuePrompt = " Enter new value: ";
const std::string kTitle = std::string(19, ' ') + "****  Page 9: Wind Conditions  ****\n";
const std::string kSubPage = " -- Wind type --\n\n\n";

class WindPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.LWIND = 1;
        TPCM.WNDTYP = 1;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    void run(const std::string& script) {
        answers(script);
        WIND("9");
    }
    std::string first_drawing() const {
        const std::string s = screen();
        return s.substr(0, s.find(kPrompt) + kPrompt.size());
    }
    // The last drawing of the page, from its title to its prompt.
    std::string last_drawing() const {
        const std::string s = screen();
        const auto p = s.rfind(kTitle);
        return s.substr(p, s.find(kPrompt, p) + kPrompt.size() - p);
    }
    bool image_unchanged_since(const std::vector<std::byte>& before) const {
        const auto now = image_bytes(TPCM);
        return std::memcmp(now.data(), before.data(), before.size()) == 0;
    }
};

TEST_F(WindPageTest, PageAsDrawn) {
    TPCM.WNDSPD = 35.0f;
    TPCM.WNDHDG = -22.5f;
    run("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string expected = kTitle + "\n\n\n" +
                                 "  1) Wind speed .................................      35.00 knots\n"
                                 "  2) Wind heading ...............................     -22.50 degrees\n"
                                 "\n"
                                 "  3) Wind spectral type .........................  Davenport                    \n" +
                                 kPrompt;
    EXPECT_EQ(screen(), expected);
}

TEST_F(WindPageTest, ParameterLineOfEachType) {
    struct Case {
        Int type;
        Int units;
        const char* caption;  // the type line after the label and its blank
        const char* parameter;  // nullptr: no parameter line
    };
    const Case cases[] = {
        {1, 0, " Davenport                    ", nullptr},
        {2, 0, " Legacy point spectrum        ", "    Wind speed spectral density ................  0.125E-02 feet^2/sec"},
        {2, 1, " Legacy point spectrum        ", "    Wind speed spectral density ................  0.125E-02 meters^2/sec"},
        {2, 2, " Legacy point spectrum        ", nullptr},
        {3, 0, " Steady wind                  ", nullptr},
        {4, 0, " A.P.I.                       ", "    A.P.I. wind spectrum parameter .............        .04000"},
        {5, 1, " N.P.D.                       ",
         "    N.P.D. Spectral Evaluation Height ..........      15.00 meters         "},
        {5, 0, " N.P.D.                       ",
         "    N.P.D. Spectral Evaluation Height ..........      15.00 feet           "},
        {6, 0, " WINDSPEC.txt input file      ", nullptr},
        {9, 0, " Index error                  ", nullptr},
        {0, 1, " Index error                  ", nullptr},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.WNDTYP = c.type;
        TPCM.NUNTS = c.units;
        TPCM.WNDDEN = 0.00125f;
        TPCM.APIPRM = 0.04f;
        TPCM.WSPEC_HGT = 15.0f;
        run("\n");
        const std::string type_line = std::string("  3) Wind spectral type ......................... ") + c.caption + "\n";
        const std::string tail = c.parameter ? type_line + c.parameter + "\n\n" + kPrompt : type_line + kPrompt;
        const std::string d = first_drawing();
        ASSERT_GE(d.size(), tail.size());
        EXPECT_EQ(d.substr(d.size() - tail.size()), tail) << c.type << " " << c.units;
    }
}

TEST_F(WindPageTest, SpeedAndHeadingShowTheOldValueAndTakeAnyReal) {
    TPCM.WNDSPD = 10.0f;
    run("1\n\n2\n-45.5\n1\nxyz\n1\n-3\n\n");
    EXPECT_EQ(TPCM.WNDSPD, -3.0f);
    EXPECT_EQ(TPCM.WNDHDG, -45.5f);
    const std::string s = screen();
    EXPECT_TRUE(has(s, kPrompt + "  1) Wind speed .................................      10.00 knots\n" + kValuePrompt));
    EXPECT_TRUE(has(s, kPrompt + "  2) Wind heading ...............................        .00 degrees\n" + kValuePrompt));
    EXPECT_EQ(count(s, kTitle), 5u);
}

TEST_F(WindPageTest, SubPageListsTheSixTypes) {
    run("3\n\n\n");
    const std::string s = screen();
    EXPECT_TRUE(has(s, kPrompt + kSubPage +
                           " 1)  Davenport                    \n"
                           " 2)  Legacy point spectrum        \n"
                           " 3)  Steady wind                  \n"
                           " 4)  A.P.I.                       \n"
                           " 5)  N.P.D.                       \n"
                           " 6)  WINDSPEC.txt input file      \n" +
                           kPrompt + kTitle));
}

TEST_F(WindPageTest, SubPageChoicesStoreTheTypeAndAskForItsParameter) {
    struct Case {
        const char* script;
        Int units;
        Int type;
        Real Tpcm::*word;  // the parameter asked for, or nullptr
        const char* echo;
    };
    const Case cases[] = {
        {"3\n3\n\n", 0, 3, nullptr, nullptr},
        {"3\n1\n\n", 0, 1, nullptr, nullptr},
        {"3\n6\n\n", 0, 6, nullptr, nullptr},
        {"3\n2\n0.5\n\n", 0, 2, &Tpcm::WNDDEN, "    Wind speed spectral density ................  0.000E+00 feet^2/sec\n"},
        {"3\n2\n0.5\n\n", 1, 2, &Tpcm::WNDDEN, "    Wind speed spectral density ................  0.000E+00 meters^2/sec\n"},
        {"3\n4\n0.5\n\n", 0, 4, &Tpcm::APIPRM, "    A.P.I. wind spectrum parameter .............        .00000\n"},
        {"3\n5\n0.5\n\n", 1, 5, &Tpcm::WSPEC_HGT,
         "    N.P.D. Spectral Evaluation Height ..........        .00 meters         \n"},
    };
    for (const Case& c : cases) {
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.WNDTYP = 1;
        TPCM.NUNTS = c.units;
        clear_captured(SCREEN_UNIT);
        run(c.script);
        EXPECT_EQ(TPCM.WNDTYP, c.type) << c.script;
        EXPECT_EQ(TPCM.LBACK, 0) << c.script;
        const std::string s = screen();
        if (c.word == nullptr) {
            EXPECT_FALSE(has(s, "Enter new value")) << c.script;
            EXPECT_EQ(TPCM.WNDDEN, 0.0f);
            EXPECT_EQ(TPCM.APIPRM, 0.0f);
            EXPECT_EQ(TPCM.WSPEC_HGT, 0.0f);
        } else {
            EXPECT_EQ(TPCM.*c.word, 0.5f) << c.script;
            EXPECT_TRUE(has(s, kPrompt + c.echo + kValuePrompt + kTitle)) << c.script << s;
        }
        EXPECT_EQ(count(s, kSubPage), 1u) << c.script;
    }
}

TEST_F(WindPageTest, ApiParameterKeepsZeroOnABlankAnswer) {
    // No default is stored for the A.P.I. parameter: a blank answer leaves the 0.0 of a new case.
    run("3\n4\n\n\n");
    EXPECT_EQ(TPCM.WNDTYP, 4);
    EXPECT_EQ(TPCM.APIPRM, 0.0f);
}

TEST_F(WindPageTest, SubPageReturnOrCommandsGoBackToThePageWithTheTypeUnchanged) {
    for (const char* answer : {"", "0", "B", "F", "L", "J3", "H\n"}) {
        clear_captured(SCREEN_UNIT);
        TPCM.WNDTYP = 5;
        const auto before = image_copy();
        run(std::string("3\n") + answer + "\n\n");
        EXPECT_EQ(TPCM.WNDTYP, 5) << answer;
        EXPECT_EQ(TPCM.LBACK, 0) << answer;  // the final Return on the page, not the sub-page's code
        EXPECT_EQ(count(screen(), kTitle), 2u) << answer;
        EXPECT_EQ(count(screen(), kSubPage), 1u) << answer;
        TPCM.IPAG = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << answer;
    }
}

TEST_F(WindPageTest, SubPageNumbersAboveSixDrawTheListAgain) {
    run("3\n7\n99\n3\n\n");
    EXPECT_EQ(count(screen(), kSubPage), 3u);
    EXPECT_EQ(TPCM.WNDTYP, 3);
}

TEST_F(WindPageTest, SelectionFourEditsTheParameterOfTypesTwoAndFourOnly) {
    struct Case {
        Int type;
        Real Tpcm::*word;
    };
    for (const Case& c : {Case{2, &Tpcm::WNDDEN}, Case{4, &Tpcm::APIPRM}, Case{1, nullptr}, Case{3, nullptr},
                          Case{5, nullptr}, Case{6, nullptr}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.WNDTYP = c.type;
        TPCM.WNDDEN = 1.0f;
        TPCM.APIPRM = 1.0f;
        TPCM.WSPEC_HGT = 1.0f;
        run(c.word != nullptr ? "4\n0.025\n\n" : "4\n\n");
        const std::string s = screen();
        EXPECT_EQ(count(s, kTitle), 2u) << c.type;
        if (c.word != nullptr) {
            EXPECT_EQ(TPCM.*c.word, 0.025f) << c.type;
        } else {
            EXPECT_FALSE(has(s, "Enter new value")) << c.type;  // only a redraw
            EXPECT_EQ(TPCM.WSPEC_HGT, 1.0f) << c.type;
        }
        EXPECT_EQ(TPCM.WNDTYP, c.type);
        EXPECT_EQ(c.type == 2 ? TPCM.APIPRM : TPCM.WNDDEN, 1.0f) << c.type;
    }
    // The line written before the prompt is that of the type, with the value it holds.
    clear_captured(SCREEN_UNIT);
    TPCM.WNDTYP = 4;
    TPCM.APIPRM = 0.04f;
    run("4\n\n\n");
    EXPECT_TRUE(has(screen(), kPrompt + "    A.P.I. wind spectrum parameter .............        .04000\n" + kValuePrompt));
    EXPECT_EQ(TPCM.APIPRM, 0.04f);
}

TEST_F(WindPageTest, CodesBelowOneGoBackAndOtherNumbersDrawThePageAgain) {
    struct Case {
        const char* answer;
        Int code;
    };
    for (const Case& c : {Case{"", 0}, Case{"0", 0}, Case{"F", NAV_FIRST}, Case{"L", NAV_LAST}, Case{"B", NAV_BACK},
                          Case{"S", NAV_SKIP}, Case{"E", NAV_EXECUTE}, Case{"J12", NAV_JUMP}, Case{"!", NAV_REDRAW}}) {
        clear_captured(SCREEN_UNIT);
        const auto before = image_copy();
        run(std::string(c.answer) + "\n");
        EXPECT_EQ(TPCM.LBACK, c.code) << c.answer;
        EXPECT_EQ(count(screen(), kTitle), 1u) << c.answer;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << c.answer;
    }
    for (Int n : {5, 6, 100}) {
        clear_captured(SCREEN_UNIT);
        const auto before = image_copy();
        run(std::to_string(n) + "\n\n");
        EXPECT_EQ(count(screen(), kTitle), 2u) << n;
        EXPECT_FALSE(has(screen(), "Enter new value")) << n;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << n;
    }
}

TEST_F(WindPageTest, DumpModeWritesThePageOnceAndReadsNothing) {
    TPCM.LCOPY = 1;
    TPCM.LBACK = 7;
    TPCM.WNDTYP = 4;
    TPCM.APIPRM = 0.04f;
    run("");  // any read would meet the end of the input
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 2);
    const std::string s = screen();
    EXPECT_EQ(count(s, kTitle), 1u);
    EXPECT_TRUE(has(s, "    A.P.I. wind spectrum parameter .............        .04000\n\n"));
    EXPECT_FALSE(has(s, "Enter"));
}

// ---- Help ----------------------------------------------------------------------------------

const std::string kHelpTitle = std::string(23, ' ') + "****  Wind Definition Notes  ****\n";
const std::string kPause = " \n Press <RETURN> to continue: ";
const std::string kSorry = "\n ++> Sorry, no help for this line...\n\n";

std::string help_text(void (*help)(Int, Int, Int&), Int LINE, const std::string& keys = "\n") {
    clear_captured(SCREEN_UNIT);
    bind_keyboard(keys);
    Int line = LINE;
    help(SCREEN_UNIT, KBD_UNIT, line);
    return captured(SCREEN_UNIT);
}

TEST_F(WindPageTest, PageHelpByItem) {
    struct Case {
        Int line;
        const char* fact;  // nullptr: no topic
    };
    const Case cases[] = {
        {1, "one-hour average wind"},
        {2, "<--- 90 degree"},
        {3, "gustiness"},
        {4, nullptr},
        {-1, nullptr},
    };
    for (const Case& c : cases) {
        const std::string s = help_text(WNDHP1, c.line);
        const std::string heading =
            "\n ++> Item Number  " + std::string(c.line >= 0 && c.line < 10 ? " " : "") + std::to_string(c.line) + "\n\n";
        EXPECT_EQ(s.substr(0, kHelpTitle.size() + heading.size()), kHelpTitle + heading) << c.line;
        EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 1u);
        if (c.fact == nullptr) {
            EXPECT_EQ(s, kHelpTitle + heading.substr(0, heading.size() - 1) + kSorry + kPause) << c.line;
        } else {
            EXPECT_TRUE(has(s, c.fact)) << c.line;
            EXPECT_FALSE(has(s, "Sorry")) << c.line;
            EXPECT_EQ(count(s, "++> Item Number"), 1u) << c.line;
        }
    }
    // "?2" at the page prompt shows only the heading topic, then the page again.
    clear_captured(SCREEN_UNIT);
    run("?2\n\n\n");
    const std::string s = screen();
    EXPECT_EQ(count(s, kHelpTitle), 1u);
    EXPECT_TRUE(has(s, "180 degree"));
    EXPECT_FALSE(has(s, "gustiness"));
    EXPECT_EQ(count(s, kTitle), 2u);
}

TEST_F(WindPageTest, PageHelpForAllItemsShowsThreeScreens) {
    run("?\n\n\n\n\n");
    const std::string s = screen();
    EXPECT_EQ(count(s, kHelpTitle), 1u);
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 3u);
    const auto one = s.find(" ++> Item Number  1\n");
    const auto two = s.find(" ++> Item Number  2\n");
    const auto three = s.find(" ++> Item Number  3\n");
    ASSERT_TRUE(one != std::string::npos && two != std::string::npos && three != std::string::npos);
    EXPECT_EQ(count(s.substr(0, one), "Press <RETURN>"), 0u);
    EXPECT_EQ(count(s.substr(0, two), "Press <RETURN>"), 1u);
    EXPECT_EQ(count(s.substr(0, three), "Press <RETURN>"), 2u);
    EXPECT_EQ(count(s, kTitle), 2u);
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(WindPageTest, SubPageHelp) {
    // "?7" on the sub-page: the sorry line, then the list again.
    run("3\n?7\n\n\n\n");
    std::string s = screen();
    EXPECT_TRUE(has(s, kHelpTitle + "\n ++> Item Number   7\n" + kSorry + kPause));
    EXPECT_EQ(count(s, kSubPage), 2u);
    EXPECT_EQ(TPCM.WNDTYP, 1);
    // "?" there: every row on four screens, rows 1+2, 3+4, 5, 6.
    clear_captured(SCREEN_UNIT);
    run("3\n?\n\n\n\n\n\n\n");
    s = screen();
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 4u);
    const std::vector<std::pair<int, int>> rows = {{1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 2}, {6, 3}};
    for (auto [row, pauses] : rows) {
        const auto p = s.find(" ++> Item Number  " + std::to_string(row) + "\n");
        ASSERT_NE(p, std::string::npos) << row;
        EXPECT_EQ(count(s.substr(0, p), "Press <RETURN>"), static_cast<std::size_t>(pauses)) << row;
    }
    EXPECT_TRUE(has(s, "A = .025"));
    EXPECT_TRUE(has(s, "6.2832"));
    // The number typed at a pause comes back in the line word.
    const std::string one = help_text(WNDHP2, 4, "12\n");
    Int line = 4;
    bind_keyboard("12\n");
    WNDHP2(SCREEN_UNIT, KBD_UNIT, line);
    EXPECT_EQ(line, 12);
    EXPECT_TRUE(has(one, "(.01<A<.1)"));
}

}  // namespace
}  // namespace brevant
