// The current conditions page: its drawing, speed and heading, the band-limited spectral density
// and when it is recomputed, the depth-variation and spectral-type sub-pages, the opening of the
// profile table and its abort, help screens, dump mode and the codes it hands back.
#include "edlib/pages/current_page.h"

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
const std::string kTitle = std::string(17, ' ') + "****  Page 10: Current Conditions  ****\n";
const std::string kDepthSubPage = "\n +++ Current Profile Specification Options +++\n\n";
const std::string kSpectrumSubPage = " -- Current Spectral Type --\n\n\n";
const std::string kTable = " ++> Enter Current Speed Profile Specification\n";

// The band-limited density from the inputs, in double: (U r)^2 V2FAC / 0.1257.
double density(double speed, double rms, double v2fac) { return speed * rms * speed * rms * v2fac / 0.1257; }

class CurrentPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.LCURNT = 1;
        TPCM.NCURNT = 2;  // as a new case holds it
        TPCM.DEPTH = 200.0f;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    void run(const std::string& script) {
        answers(script);
        CURENT(0, "10");
    }
    std::string first_drawing() const {
        const std::string s = screen();
        return s.substr(0, s.find(kPrompt) + kPrompt.size());
    }
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

TEST_F(CurrentPageTest, PageAsDrawnWithEveryLine) {
    TPCM.CURSPD = 1.5f;
    TPCM.CURHDG = 270.0f;
    TPCM.LCSTCR = 2;
    TPCM.NCURNT = 3;
    TPCM.CURTYP = 3;
    TPCM.RMS_CRNT = 0.08f;
    TPCM.CURDEN = 0.3260334f;
    run("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string expected = kTitle + "\n\n\n" +
                                 "  1) Current speed ..............................       1.50 knots\n"
                                 "  2) Current heading  ...........................     270.00 degrees\n"
                                 "  3) Current variation with depth ............... User-Specified (legacy)      \n"
                                 "  4) Number of points in current profile (Max 5)          3\n"
                                 "  5) Specify current variation with depth\n"
                                 "\n"
                                 "  6) Current spectral type ...................... Band-limited white spectrum  \n"
                                 "     Current speed spectral density ............. 0.326E+00 feet^2/sec       \n"
                                 "\n"
                                 "  7) Fractional RMS current variation ...........        .080\n" +
                                 kPrompt;
    EXPECT_EQ(screen(), expected);
}

TEST_F(CurrentPageTest, LinesShownByTheDepthCodeAndTheSpectralType) {
    struct Case {
        Int simtyp, curtyp, lcstcr, nunts;
        bool table_items, density, rms;
        const char* depth_caption;
    };
    const Case cases[] = {
        {16, 0, 0, 0, false, false, false, " 1/7 power law                "},
        {16, 1, 1, 1, false, true, false, " No variation                 "},
        {16, 2, 3, 0, false, false, false, " User-Specified (CRNTPROF)    "},
        {16, 3, 2, 1, true, true, true, " User-Specified (legacy)      "},
        {14, 1, 0, 0, false, true, true, " 1/7 power law                "},
        {14, 2, 0, 0, false, false, true, " 1/7 power law                "},
        {14, 0, 0, 0, false, false, false, " 1/7 power law                "},
        {16, 7, 4, 0, false, false, false, " Index error                  "},
        {16, -1, -1, 0, false, false, false, " Index error                  "},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.SIMTYP = c.simtyp;
        TPCM.CURTYP = c.curtyp;
        TPCM.LCSTCR = c.lcstcr;
        TPCM.NUNTS = c.nunts;
        TPCM.CURDEN = 0.0841368f;
        run("\n");
        const std::string d = first_drawing();
        EXPECT_TRUE(has(d, "  3) Current variation with depth ..............." + std::string(c.depth_caption) + "\n"))
            << c.curtyp << " " << c.lcstcr;
        EXPECT_EQ(has(d, "  4) Number of points"), c.table_items) << c.lcstcr;
        EXPECT_EQ(has(d, "  5) Specify current"), c.table_items) << c.lcstcr;
        EXPECT_EQ(has(d, "     Current speed spectral density ............. 0.841E-01 " +
                             std::string(c.nunts == 1 ? "meters^2/sec     \n" : "feet^2/sec       \n")),
                  c.density)
            << c.simtyp << " " << c.curtyp;
        EXPECT_EQ(has(d, "\n\n  7) Fractional RMS current variation"), c.rms) << c.simtyp << " " << c.curtyp;
    }
    // FRESLM not 0: nothing from item 6 on, and 6 is not acted on.
    clear_captured(SCREEN_UNIT);
    TPCM.SIMTYP = 16;
    TPCM.CURTYP = 3;
    answers("6\n\n");
    CURENT(1, "10");
    const std::string s = screen();
    EXPECT_FALSE(has(s, "6) Current spectral type"));
    EXPECT_FALSE(has(s, "spectral density"));
    EXPECT_FALSE(has(s, "7) Fractional"));
    EXPECT_FALSE(has(s, kSpectrumSubPage));
    EXPECT_EQ(count(s, kTitle), 2u);
}

TEST_F(CurrentPageTest, BandLimitedDensityIsComputedFromSpeedAndFraction) {
    TPCM.CURSPD = 1.5f;
    run("6\n4\n0.08\n\n");
    EXPECT_EQ(TPCM.CURTYP, 3);
    EXPECT_EQ(TPCM.RMS_CRNT, 0.08f);
    EXPECT_NEAR(TPCM.CURDEN, 0.3260334, 0.3260334 * 1e-6);
    EXPECT_NEAR(TPCM.CURDEN, density(1.5, 0.08, 2.846), 0.3260334 * 1e-6);
    const std::string s = screen();
    EXPECT_TRUE(has(s, kPrompt + "  7) Fractional RMS current variation ...........        .000\n" + kValuePrompt));
    const std::string d = last_drawing();
    EXPECT_TRUE(has(d, "     Current speed spectral density ............. 0.326E+00 feet^2/sec       \n"));
    EXPECT_TRUE(has(d, "  7) Fractional RMS current variation ...........        .080\n"));
    // A new speed recomputes it; so does a new fraction (item 7).
    run("1\n2\n\n");
    EXPECT_NEAR(TPCM.CURDEN, density(2.0, 0.08, 2.846), density(2.0, 0.08, 2.846) * 1e-6);
    run("7\n0.1\n\n");
    EXPECT_NEAR(TPCM.CURDEN, density(2.0, 0.1, 2.846), density(2.0, 0.1, 2.846) * 1e-6);
}

TEST_F(CurrentPageTest, MetricDensityUsesTheMetricKnotFactor) {
    TPCM.NUNTS = 1;
    TPCM.CURSPD = 2.0f;
    run("6\n4\n0.1\n\n");
    EXPECT_NEAR(TPCM.CURDEN, 0.0841368, 0.0841368 * 1e-6);
    EXPECT_TRUE(has(last_drawing(), "     Current speed spectral density ............. 0.841E-01 meters^2/sec     \n"));
    // After a change of units the density keeps its value until it is recomputed.
    TPCM.NUNTS = 0;
    run("2\n45\n\n");
    EXPECT_NEAR(TPCM.CURDEN, 0.0841368, 0.0841368 * 1e-6);
    run("1\n\n\n");  // item 1, even with the speed kept, recomputes with the English factor
    EXPECT_NEAR(TPCM.CURDEN, density(2.0, 0.1, 2.846), density(2.0, 0.1, 2.846) * 1e-6);
}

TEST_F(CurrentPageTest, OtherTypesLeaveTheDensityAlone) {
    struct Case {
        Int simtyp, curtyp;
        const char* script;
        bool asked;  // "Enter new value" seen
    };
    const Case cases[] = {
        {16, 1, "1\n2\n\n", true},   // new speed, point spectrum
        {14, 1, "7\n0.3\n\n", true},  // item 7 for the creating type 14
        {14, 2, "7\n0.3\n\n", true},
        {16, 1, "7\n\n", false},  // item 7 outside its condition only redraws
        {16, 2, "7\n\n", false},
        {14, 0, "7\n\n", false},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.SIMTYP = c.simtyp;
        TPCM.CURTYP = c.curtyp;
        TPCM.CURSPD = 1.0f;
        TPCM.RMS_CRNT = 0.05f;
        TPCM.CURDEN = 1.25f;
        run(c.script);
        EXPECT_EQ(TPCM.CURDEN, 1.25f) << c.simtyp << " " << c.curtyp << " " << c.script;
        EXPECT_EQ(has(screen(), "Enter new value"), c.asked) << c.script;
        EXPECT_EQ(count(screen(), kTitle), 2u) << c.script;
    }
    EXPECT_EQ(TPCM.RMS_CRNT, 0.05f);
    TPCM.SIMTYP = 14;
    TPCM.CURTYP = 2;
    run("7\n0.3\n\n");
    EXPECT_EQ(TPCM.RMS_CRNT, 0.3f);
}

TEST_F(CurrentPageTest, SpectralTypeSubPage) {
    run("6\n\n\n");
    EXPECT_TRUE(has(screen(), kPrompt + kSpectrumSubPage +
                                  " 1)  Steady current               \n"
                                  " 2)  Legacy point spectrum        \n"
                                  " 3)  CRNTSPEC.txt input file      \n"
                                  " 4)  Band-limited white spectrum  \n" +
                                  kPrompt + kTitle));
    struct Case {
        const char* script;
        Int curtyp;
        bool asked;
    };
    const Case cases[] = {
        {"6\n1\n\n", 0, false}, {"6\n3\n\n", 2, false}, {"6\n2\n0.004\n\n", 1, true},
        {"6\n\n\n", 3, false},  {"6\nB\n\n", 3, false}, {"6\nL\n\n", 3, false},
        {"6\n0\n\n", 3, false},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.NUNTS = 1;
        TPCM.CURTYP = 3;
        TPCM.CURDEN = 0.5f;
        run(c.script);
        EXPECT_EQ(TPCM.CURTYP, c.curtyp) << c.script;
        EXPECT_EQ(TPCM.CURDEN, c.asked ? 0.004f : 0.5f) << c.script;
        EXPECT_EQ(TPCM.LBACK, 0) << c.script;
        EXPECT_EQ(count(screen(), kTitle), 2u) << c.script;
        if (c.asked) {
            EXPECT_TRUE(has(screen(), kPrompt + "     Current speed spectral density ............. 0.500E+00 meters^2/sec     \n" +
                                          kValuePrompt));
        }
    }
    // A number beyond the list draws the list again.
    clear_captured(SCREEN_UNIT);
    run("6\n5\n9\n\n\n");
    EXPECT_EQ(count(screen(), kSpectrumSubPage), 3u);
}

TEST_F(CurrentPageTest, DepthVariationSubPage) {
    run("3\n\n\n");
    EXPECT_TRUE(has(screen(), kPrompt + kDepthSubPage +
                                  " 1)  1/7 power law\n"
                                  " 2)  No variation\n"
                                  " 3)  User-Specified (legacy)\n"
                                  " 4)  User-Specified (CRNTPROF)\n"
                                  "\n" +
                                  kPrompt + kTitle));
    struct Case {
        Int before;
        const char* script;
        Int after;
        std::size_t drawings;  // of the sub-page
    };
    const Case cases[] = {
        {0, "3\n2\n\n", 1, 1}, {1, "3\n4\n\n", 3, 1}, {3, "3\n1\n\n", 0, 1},
        {1, "3\n\n\n", 1, 1},  {3, "3\n\n\n", 3, 1},  {2, "3\n\n\n", 2, 1},  // Return keeps the option
        {2, "3\n3\n\n", 2, 1},                                             // legacy again: no table
        {1, "3\nB\nL\n5\n\n\n", 1, 4},  // page commands and numbers beyond 4 draw the options again
        {1, "3\nF\n\n\n", 1, 2},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.LCSTCR = c.before;
        const auto before = image_copy();
        run(c.script);
        EXPECT_EQ(TPCM.LCSTCR, c.after) << c.script;
        EXPECT_EQ(count(screen(), kDepthSubPage), c.drawings) << c.script;
        EXPECT_FALSE(has(screen(), kTable)) << c.script;
        EXPECT_EQ(TPCM.LBACK, 0) << c.script;
        if (c.before == c.after) {
            TPCM.IPAG = 0;
            EXPECT_TRUE(image_unchanged_since(before)) << c.script;
        }
    }
}

TEST_F(CurrentPageTest, LegacyOptionWithNoRowsAsksForTheCount) {
    TPCM.NCURNT = 0;
    run("3\n3\n3\n\n");
    EXPECT_EQ(TPCM.LCSTCR, 2);
    EXPECT_EQ(TPCM.NCURNT, 3);
    const std::string s = screen();
    EXPECT_TRUE(has(s, kPrompt + "\n\n  4) Number of points in current profile (Max 5)          0\n" + kValuePrompt +
                           kTitle));
    EXPECT_FALSE(has(s, kTable));
}

TEST_F(CurrentPageTest, LegacyOptionWithRowsOpensTheTableAndItsAbortRestoresTheOption) {
    TPCM.NCURNT = 3;
    TPCM.LCSTCR = 1;
    TPCM.DPTHI(1) = 10.0f;
    TPCM.DPTHI(3) = 200.0f;
    run("3\n3\n1\n11,2\n\n7\n\n");  // row 1 edited, then the abort (3 + 4)
    EXPECT_EQ(TPCM.LCSTCR, 1);
    EXPECT_EQ(TPCM.DPTHI(1), 10.0f);
    EXPECT_EQ(count(screen(), kTable), 2u);
    EXPECT_TRUE(has(screen(), kPrompt + kTable));  // straight from the options

    // Return leaves the table with the option kept, and so does the back command.
    for (const char* leave : {"", "B"}) {
        clear_captured(SCREEN_UNIT);
        TPCM.LCSTCR = 0;
        run(std::string("3\n3\n1\n11,2\n\n") + leave + "\n\n");
        EXPECT_EQ(TPCM.LCSTCR, 2) << leave;
        EXPECT_EQ(TPCM.DPTHI(1), 11.0f) << leave;
        EXPECT_EQ(TPCM.VELI(1), 2.0f) << leave;
        EXPECT_EQ(TPCM.LBACK, 0) << leave;
        TPCM.DPTHI(1) = 10.0f;
        TPCM.VELI(1) = 0.0f;
    }
}

TEST_F(CurrentPageTest, ItemsFourAndFiveOnlyWithTheLegacyTable) {
    for (Int code : {0, 1, 3}) {
        clear_captured(SCREEN_UNIT);
        TPCM.LCSTCR = code;
        const auto before = image_copy();
        run("4\n5\n\n");
        EXPECT_EQ(count(screen(), kTitle), 3u) << code;
        EXPECT_FALSE(has(screen(), "Enter new value")) << code;
        EXPECT_FALSE(has(screen(), kTable)) << code;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << code;
    }
    struct Case {
        const char* answer;
        Int after;
    };
    for (const Case& c : {Case{"9", 5}, Case{"-2", 0}, Case{"F", 0}, Case{"", 2}, Case{"4", 4}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.LCSTCR = 2;
        TPCM.NCURNT = 2;
        run(std::string("4\n") + c.answer + "\n\n");
        EXPECT_EQ(TPCM.NCURNT, c.after) << c.answer;
        EXPECT_TRUE(has(screen(), kPrompt + "  4) Number of points in current profile (Max 5)          2\n" +
                                      kValuePrompt));
    }
}

TEST_F(CurrentPageTest, AbortThroughItemFiveKeepsTheLegacyOption) {
    TPCM.LCSTCR = 2;
    TPCM.NCURNT = 2;
    TPCM.DPTHI(1) = 10.0f;
    TPCM.DPTHI(2) = 50.0f;
    TPCM.VELI(2) = 1.0f;
    run("5\n2\n200\n6\n\n");  // row 2 to the bottom, then the abort (2 + 4)
    EXPECT_EQ(TPCM.LCSTCR, 2);
    EXPECT_EQ(TPCM.DPTHI(2), 50.0f);
    EXPECT_EQ(TPCM.NCURNT, 2);
    // An insert then the abort puts back every slot.
    for (int i = 1; i <= 5; ++i) {
        TPCM.DPTHI(i) = 10.0f * static_cast<Real>(i);
        TPCM.VELI(i) = 0.0f;
    }
    run("5\n5\n1\n6\n\n");
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(TPCM.DPTHI(i), 10.0f * static_cast<Real>(i)) << i;
}

TEST_F(CurrentPageTest, AStoredCountAboveFiveIsHeldToFive) {
    TPCM.LCSTCR = 2;
    TPCM.NCURNT = 7;
    for (int i = 1; i <= 5; ++i) TPCM.DPTHI(i) = 40.0f * static_cast<Real>(i);
    run("5\n\n\n");
    EXPECT_EQ(TPCM.NCURNT, 5);
    const std::string s = screen();
    EXPECT_TRUE(has(first_drawing(), "  4) Number of points in current profile (Max 5)          5\n"));
    EXPECT_TRUE(has(s, "  5)       200.00         .00\n\n  6) Change the number"));
    EXPECT_EQ(count(s, "  6) Change the number"), 1u);
}

TEST_F(CurrentPageTest, CodesBelowOneGoBackAndOtherNumbersDrawThePageAgain) {
    struct Case {
        const char* answer;
        Int code;
    };
    for (const Case& c : {Case{"", 0}, Case{"0", 0}, Case{"F", NAV_FIRST}, Case{"L", NAV_LAST}, Case{"B", NAV_BACK},
                          Case{"S", NAV_SKIP}, Case{"E", NAV_EXECUTE}, Case{"J12", NAV_JUMP}}) {
        clear_captured(SCREEN_UNIT);
        const auto before = image_copy();
        run(std::string(c.answer) + "\n");
        EXPECT_EQ(TPCM.LBACK, c.code) << c.answer;
        EXPECT_EQ(count(screen(), kTitle), 1u) << c.answer;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << c.answer;
    }
    for (Int n : {8, 9, 100}) {
        clear_captured(SCREEN_UNIT);
        TPCM.CURTYP = 3;
        TPCM.LCSTCR = 2;
        const auto before = image_copy();
        run(std::to_string(n) + "\n\n");
        EXPECT_EQ(count(screen(), kTitle), 2u) << n;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << n;
    }
}

TEST_F(CurrentPageTest, DumpModeWritesThePageAndTheLegacyTableOnce) {
    TPCM.LCOPY = 1;
    TPCM.LBACK = 9;
    TPCM.LCSTCR = 2;
    TPCM.NCURNT = 2;
    TPCM.DPTHI(1) = 25.0f;
    run("");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 3);  // the page and the table each counted
    const std::string s = screen();
    EXPECT_EQ(count(s, kTitle), 1u);
    EXPECT_EQ(count(s, kTable), 1u);
    EXPECT_LT(s.find(kTitle), s.find(kTable));
    EXPECT_TRUE(has(s, "  1)        25.00         .00\n"));
    EXPECT_TRUE(has(s, "  6) Abort entry\n"));
    EXPECT_FALSE(has(s, "Enter number"));
    // Without the legacy table only the page.
    clear_captured(SCREEN_UNIT);
    TPCM.LCOPY = 1;
    TPCM.LCSTCR = 0;
    run("");
    EXPECT_EQ(TPCM.LCOPY, 2);
    EXPECT_FALSE(has(screen(), kTable));
}

// ---- Help ----------------------------------------------------------------------------------

const std::string kPause = " \n Press <RETURN> to continue: ";
const std::string kSorry = " ++> Sorry, no help for this line...\n";

TEST_F(CurrentPageTest, PageHelpForAllItemsShowsFiveScreens) {
    run("?\n\n\n\n\n\n\n");
    const std::string s = screen();
    EXPECT_EQ(count(s, std::string(21, ' ') + "****  Current Definition Notes  ****\n"), 1u);
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 5u);
    const std::vector<std::pair<int, int>> items = {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 3}, {6, 4}, {7, 4}};
    for (auto [item, pauses] : items) {
        const auto p = s.find(" ++> Item Number  " + std::to_string(item) + "\n");
        ASSERT_NE(p, std::string::npos) << item;
        EXPECT_EQ(count(s.substr(0, p), "Press <RETURN>"), static_cast<std::size_t>(pauses)) << item;
    }
    EXPECT_TRUE(has(s, "     This is the surface current.\n"));
    EXPECT_FALSE(has(s, "tendon"));
    EXPECT_EQ(count(s, kTitle), 2u);
}

TEST_F(CurrentPageTest, PageHelpForOneItem) {
    run("?3\n\n\n");
    std::string s = screen();
    EXPECT_TRUE(has(s, " ++> Item Number   3\n"));
    EXPECT_TRUE(has(s, "         Speed = (Surface Current)*{1 - H/D}^(1/7).\n"));
    EXPECT_FALSE(has(s, "This is the surface current."));
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 1u);
    clear_captured(SCREEN_UNIT);
    run("?9\n\n\n");
    EXPECT_TRUE(has(screen(), " ++> Item Number   9\n\n" + kSorry + "\n" + kPause));
    // The second note on item 7 for cases of creating type 14.
    clear_captured(SCREEN_UNIT);
    TPCM.SIMTYP = 14;
    run("?7\n\n\n");
    s = screen();
    EXPECT_EQ(count(s, " ++> Item Number   7\n"), 2u);
    EXPECT_TRUE(has(s, "tendon"));
}

TEST_F(CurrentPageTest, SubPageHelpScreens) {
    run("3\n?\n\n\n\n\n\n");
    std::string s = screen();
    EXPECT_EQ(count(s, std::string(17, ' ') + "****  Current Depth Variation Notes  ****\n"), 1u);
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 3u);
    EXPECT_TRUE(has(s, "CRNTPROF.txt"));
    EXPECT_EQ(count(s, kDepthSubPage), 2u);

    clear_captured(SCREEN_UNIT);
    run("6\n?\n\n\n\n\n\n");
    s = screen();
    EXPECT_EQ(count(s, std::string(21, ' ') + "****  Current Spectrum Help  ****\n"), 1u);
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 3u);
    EXPECT_TRUE(has(s, "         So = [(Vrms)^2]/(dW)\n"));
    EXPECT_EQ(count(s, kSpectrumSubPage), 2u);

    clear_captured(SCREEN_UNIT);
    run("6\n?5\n\n\n\n");
    EXPECT_TRUE(has(screen(), " ++> Item Number   5\n\n" + kSorry));
    EXPECT_EQ(TPCM.CURTYP, 0);
}

}  // namespace
}  // namespace brevant
