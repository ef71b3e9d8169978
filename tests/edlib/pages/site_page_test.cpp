// The site conditions page: its drawing in both unit systems, titles, depth, density presets,
// relabelling, the full conversion with its warning and abort question, help screens, dump mode
// and the codes it hands back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "edlib/pages/environment_pages.h"
#include "edlib/pages/site_page.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant {
namespace {

std::string padded(std::string s, std::size_t n) {
    s.resize(n, ' ');
    return s;
}

std::vector<std::byte> image_copy() {
    const auto b = image_bytes(TPCM);
    return {b.begin(), b.end()};
}

class SitePageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.CID1P.assign("First title");
        TPCM.CID2P.assign("Second title");
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    // Runs the page with the answers; the page must come back by itself.
    void run(const std::string& script) {
        answers(script);
        STATIC();
    }
    static std::size_t count(const std::string& text, const std::string& what) { return testing::count_of(text, what); }
    bool image_unchanged_since(const std::vector<std::byte>& before) const {
        const auto now = image_bytes(TPCM);
        return std::memcmp(now.data(), before.data(), before.size()) == 0;
    }
};

TEST_F(SitePageTest, MetricPageAsDrawn) {
    TPCM.NUNTS = 1;
    TPCM.DEPTH = 30.5f;
    TPCM.DWATR = 1025.0f;
    run("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string expected = std::string(19, ' ') + " ****  Page 1: Site conditions  ****\n\n\n\n" +
                                 "     Two-line Identification for this simulation:\n\n" +
                                 " 1) [" + padded("First title", 72) + "]\n" +
                                 " 2) [" + padded("Second title", 72) + "]\n\n" +
                                 " 3) Units of measure: Metric\n\n" +
                                 " 4) Site water depth:           30.50 meters         \n" +
                                 " 5) Water density:            1025.00 kgw/cubic meter\n" +
                                 " \n Enter number of selection (\"H\" for help): ";
    EXPECT_EQ(screen(), expected);
}

TEST_F(SitePageTest, UnitLineAndCaptionsFollowTheUnitFlag) {
    struct Case {
        Int NUNTS;
        const char* units_line;  // nullptr: no line
        const char* depth_caption;
        const char* density_caption;
    };
    for (const Case& c : {Case{0, " 3) Units of measure: English\n", " feet", " lbs/cubic foot"},
                          Case{1, " 3) Units of measure: Metric\n", " meters", " kgw/cubic meter"},
                          Case{2, nullptr, " feet/feet", " knots"},
                          Case{-5, nullptr, " degrees", " kgw/meter"},
                          Case{2147483647, nullptr, " Index error", " Index error"}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.NUNTS = c.NUNTS;
        TPCM.DEPTH = 100.0f;
        TPCM.DWATR = 64.0f;
        run("\n");
        const std::string s = screen();
        EXPECT_EQ(s.find(" 3) "), c.units_line ? s.find(c.units_line) : std::string::npos) << c.NUNTS;
        EXPECT_NE(s.find(" 4) Site water depth:          100.00" + padded(c.depth_caption, 16) + "\n"), std::string::npos)
            << c.NUNTS << s;
        EXPECT_NE(s.find(" 5) Water density:              64.00" + padded(c.density_caption, 16) + "\n"),
                  std::string::npos)
            << c.NUNTS << s;
    }
}

TEST_F(SitePageTest, CodesOtherThanItemsAndHelpGoBackToTheDriver) {
    struct Case {
        const char* answer;
        Int code;
        Int page;
    };
    for (const Case& c : {Case{"", 0, 0}, Case{"6", 6, 0}, Case{"12", 12, 0}, Case{"F", NAV_FIRST, 0},
                          Case{"L", NAV_LAST, 0}, Case{"B", NAV_BACK, 0}, Case{"S", NAV_SKIP, 0},
                          Case{"E", NAV_EXECUTE, 0}, Case{"J9", NAV_JUMP, 9}, Case{"!", NAV_REDRAW, 0}}) {
        clear_captured(SCREEN_UNIT);
        const auto before = image_copy();
        run(std::string(c.answer) + "\n");
        EXPECT_EQ(TPCM.LBACK, c.code) << c.answer;
        if (c.code == NAV_JUMP) {
            EXPECT_EQ(TPCM.IPAG, c.page);
        }
        EXPECT_EQ(count(screen(), "Page 1: Site conditions"), 1u) << c.answer;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << c.answer;
    }
}

TEST_F(SitePageTest, DumpModeWritesThePageOnceAndReadsNothing) {
    TPCM.LCOPY = 1;
    TPCM.LBACK = 5;
    TPCM.DEPTH = 12.0f;
    run("");  // any read would meet the end of the input
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 2);
    const std::string s = screen();
    EXPECT_EQ(count(s, "Page 1: Site conditions"), 1u);
    EXPECT_NE(s.find(" 4) Site water depth:           12.00 feet"), std::string::npos);
    EXPECT_EQ(s.find("Enter"), std::string::npos);
}

// ---- Titles ---------------------------------------------------------------------------------

TEST_F(SitePageTest, TypedTitleReplacesCharactersOneToSeventyTwo) {
    TPCM.CID1P.assign(std::string(72, 'o') + "KEEPTHIS");
    const std::string typed = std::string(70, 'n') + "XY" + "12345678";  // 80 characters
    run("1\n" + typed + "\n\n");
    EXPECT_EQ(TPCM.CID1P.view(), std::string(70, 'n') + "XY" + "KEEPTHIS");
    EXPECT_EQ(TPCM.CID2P.view(), padded("Second title", 80));
    // The old title stands above the prompt; the page then shows the new one.
    const std::string s = screen();
    const auto prompt = s.find(" 1) :");
    ASSERT_NE(prompt, std::string::npos);
    EXPECT_LT(s.rfind(" 1) [" + std::string(72, 'o') + "]\n", prompt), prompt);
    EXPECT_NE(s.find(" 1) [" + std::string(70, 'n') + "XY]\n", prompt), std::string::npos);
}

TEST_F(SitePageTest, ShortTitleIsPaddedWithBlanks) {
    TPCM.CID2P.assign(std::string(72, 'z') + "12345678");
    run("2\nCase two\n\n");
    EXPECT_EQ(TPCM.CID2P.view(), padded("Case two", 72) + "12345678");
    EXPECT_NE(screen().find(" 2) :"), std::string::npos);
}

TEST_F(SitePageTest, BlankTitleKeepsTheOldOne) {
    TPCM.CID1P.assign(std::string(72, 'o') + "KEEPTHIS");
    const auto before = image_copy();
    for (const std::string& typed : {std::string(""), std::string(20, ' '), std::string(72, ' ') + "beyond"}) {
        run("1\n" + typed + "\n\n");
        EXPECT_TRUE(image_unchanged_since(before)) << "[" << typed << "]";
    }
}

TEST_F(SitePageTest, CommandLetterTypedAsATitleIsTheTitle) {
    run("1\nF\n\n");
    EXPECT_EQ(TPCM.CID1P.view(), padded("F", 80));
    EXPECT_EQ(TPCM.LBACK, 0);  // the page went on to its next selection
    EXPECT_EQ(count(screen(), "Page 1: Site conditions"), 2u);
}

// ---- Depth and density ---------------------------------------------------------------------

TEST_F(SitePageTest, DepthTakesAnyNumberAndKeepsItOnABlankAnswer) {
    struct Case {
        const char* typed;
        float depth;
    };
    for (const Case& c : {Case{"88.25", 88.25f}, Case{"-3", -3.0f}, Case{"", 7.0f}, Case{"x", 7.0f}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.DEPTH = 7.0f;
        run(std::string("4\n") + c.typed + "\n\n");
        EXPECT_EQ(TPCM.DEPTH, c.depth) << c.typed;
        const std::string s = screen();
        // The item line again, then the value prompt.
        EXPECT_NE(s.find(" 4) Site water depth:            7.00 feet           \n Enter new value: "),
                  std::string::npos)
            << c.typed;
    }
}

TEST_F(SitePageTest, DensityPresetsAndTypedValue) {
    struct Case {
        Int NUNTS;
        const char* script;
        float density;
        const char* shown;
    };
    const Case cases[] = {
        {0, "5\n1\n\n", 64.0f, "              64.00 lbs/cubic foot"},
        {0, "5\n2\n\n", 62.44f, "              62.44 lbs/cubic foot"},
        {1, "5\n1\n\n", 64.0f * 16.0185f, "            1025.18 kgw/cubic meter"},
        {1, "5\n2\n\n", 62.44f * 16.0185f, "            1000.20 kgw/cubic meter"},
        {1, "5\n3\n1030\n\n", 1030.0f, "            1030.00 kgw/cubic meter"},
        {0, "5\n3\n\n\n", 50.0f, "              50.00 lbs/cubic foot"},
        {0, "5\n4\n\n", 50.0f, "              50.00 lbs/cubic foot"},
        {0, "5\n\n\n", 50.0f, "              50.00 lbs/cubic foot"},
        {0, "5\nB\n\n", 50.0f, "              50.00 lbs/cubic foot"},
        {0, "5\n?\n\n1\n\n", 64.0f, "              64.00 lbs/cubic foot"},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.NUNTS = c.NUNTS;
        TPCM.DWATR = 50.0f;
        run(c.script);
        EXPECT_EQ(TPCM.DWATR, c.density) << c.script;
        EXPECT_EQ(TPCM.LBACK, 0) << c.script;
        const std::string s = screen();
        // The page drawn after the sub-page shows the stored value.
        EXPECT_NE(s.rfind(std::string(" 5) Water density:") + c.shown), std::string::npos) << c.script << s;
        EXPECT_NE(s.find(" -- Water density --\n\n 1) Seawater\n 2) Freshwater\n 3) User-specified fluid density in" +
                         std::string(c.NUNTS == 0 ? " lbs/cubic foot " : " kgw/cubic meter") + "\n"),
                  std::string::npos)
            << c.script;
    }
    EXPECT_NE(screen().find(" ++> Sorry, no help for this page..."), std::string::npos);
}

TEST_F(SitePageTest, SeawaterOnAMetricCase) {
    TPCM.NUNTS = 1;
    run("5\n1\n\n");
    EXPECT_FLOAT_EQ(TPCM.DWATR, 1025.184f);
}

// ---- Units ---------------------------------------------------------------------------------

TEST_F(SitePageTest, ConversionOptionsNameTheOtherSystem) {
    struct Case {
        Int NUNTS;
        const char* name;
    };
    for (const Case& c : {Case{0, "metric "}, Case{1, "English"}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.NUNTS = c.NUNTS;
        run("3\n\n\n");
        EXPECT_EQ(TPCM.NUNTS, c.NUNTS);
        const std::string options = std::string("\n      >>> Units Conversion Options <<<\n\n") +
                                    " 1) Convert only water density and unit labels to " + c.name + " units\n" +
                                    " 2) Convert ALL data values and units labels to " + c.name + " units\n";
        EXPECT_NE(screen().find(options), std::string::npos) << c.NUNTS;
    }
}

TEST_F(SitePageTest, RelabellingChangesOnlyTheDensityAndTheLabels) {
    TPCM.NUNTS = 1;
    TPCM.DEPTH = 100.0f;
    run("5\n3\n1030\n\n");
    EXPECT_EQ(TPCM.DWATR, 1030.0f);
    const auto metric = image_copy();

    clear_captured(SCREEN_UNIT);
    run("3\n1\n\n");
    EXPECT_EQ(TPCM.NUNTS, 0);
    EXPECT_EQ(TPCM.DWATR, 64.3006516f);
    EXPECT_EQ(TPCM.DEPTH, 100.0f);
    const std::string s = screen();
    EXPECT_NE(s.find(" 5) Water density:              64.30 lbs/cubic foot \n"), std::string::npos) << s;
    EXPECT_NE(s.find(" 4) Site water depth:          100.00 feet           \n"), std::string::npos) << s;

    run("3\n1\n\n");
    EXPECT_EQ(TPCM.NUNTS, 1);
    EXPECT_EQ(TPCM.DWATR, 1030.0f);
    EXPECT_TRUE(image_unchanged_since(metric));
}

TEST_F(SitePageTest, AUnitFlagThatIsNeitherIsLeftAlone) {
    TPCM.NUNTS = 3;
    TPCM.DWATR = 64.0f;
    TPCM.DEPTH = 10.0f;
    const auto before = image_copy();
    run("3\n1\n\n");
    EXPECT_TRUE(image_unchanged_since(before));
    const std::string s = screen();
    EXPECT_NE(s.find(" >>> Invalid argument in Toggle\n"), std::string::npos);
    // The options cannot name a system the flag does not give.
    EXPECT_NE(s.find(" 1) Convert only water density and unit labels to unknown units\n"), std::string::npos);
}

TEST_F(SitePageTest, FullConversionAfterTheWarning) {
    TPCM.SIMTYP = 16;
    TPCM.DEPTH = 250.0f;
    TPCM.DWATR = 62.44f;
    TPCM.T(1) = 5.0f;
    run("3\n2\n\n\n");
    EXPECT_EQ(TPCM.NUNTS, 1);
    EXPECT_EQ(TPCM.DEPTH, 76.2000046f);
    EXPECT_EQ(TPCM.DWATR, 1000.19305f);
    EXPECT_EQ(TPCM.T(1), 5.0f);
    const std::string s = screen();
    const auto warning = s.find("\n\n                >>> Warning <<<\n\n     This option should be exercised with care.\n");
    ASSERT_NE(warning, std::string::npos);
    EXPECT_EQ(s.find(">>> NOTE:"), std::string::npos);
    EXPECT_NE(s.find("Enter \"A\" to abort or Press <RETURN> to continue: ", warning), std::string::npos);
    // The page comes back in the new units.
    EXPECT_NE(s.find(" 4) Site water depth:           76.20 meters", warning), std::string::npos);
}

TEST_F(SitePageTest, AbortAtTheWarningConvertsNothing) {
    for (const char* answer : {"a", "A"}) {
        TPCM.WNDTYP = 6;
        TPCM.DEPTH = 250.0f;
        const auto before = image_copy();
        run(std::string("3\n2\n") + answer + "\n\n");
        TPCM.LBACK = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << answer;
    }
}

TEST_F(SitePageTest, UserSpectrumFilesAddANote) {
    struct Case {
        Int CURTYP, WNDTYP;
        bool note;
    };
    for (const Case& c : {Case{2, 1, true}, Case{0, 6, true}, Case{2, 6, true}, Case{1, 5, false}, Case{3, 1, false}}) {
        clear_captured(SCREEN_UNIT);
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.CURTYP = c.CURTYP;
        TPCM.WNDTYP = c.WNDTYP;
        run("3\n2\na\n\n");
        const std::string s = screen();
        const auto note = s.find("\n\n\n     >>> NOTE:\n\n     This data set calls for dimensional user-supplied wind");
        EXPECT_EQ(note != std::string::npos, c.note) << c.CURTYP << " " << c.WNDTYP;
        if (c.note) {
            EXPECT_LT(note, s.find("Enter \"A\" to abort"));
            EXPECT_NE(s.find("(\"WINDSPEC.txt\" or \"CRNTSPEC.txt\")", note), std::string::npos);
        }
    }
}

TEST_F(SitePageTest, SilentRunConvertsWithoutTheQuestion) {
    TPCM.EDUNIT = SILENT_UNIT;
    TPCM.DEPTH = 250.0f;
    // Had the abort question read a line, the page would meet the end of the input.
    run("3\n2\n\n");
    EXPECT_EQ(TPCM.NUNTS, 1);
    EXPECT_EQ(TPCM.DEPTH, 76.2000046f);
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(silent().find("Enter"), std::string::npos);
    EXPECT_NE(silent().find(">>> Warning <<<"), std::string::npos);
}

// ---- Help ----------------------------------------------------------------------------------

TEST_F(SitePageTest, PageHelpByItem) {
    struct Case {
        const char* ask;
        const char* heading;
        bool units, density, sorry;
    };
    const Case cases[] = {
        {"?1", " ++> Item Number   1\n", true, false, false},
        {"?2", " ++> Item Number   2\n", true, false, false},
        {"?3", " ++> Item Number   3\n", true, false, false},
        {"?4", " ++> Item Number   4\n", false, false, true},
        {"?5", " ++> Item Number   5\n", false, true, false},
        {"?6", " ++> Item Number   6\n", false, false, true},
        {"?", " ++> Item Number  3\n", true, true, false},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        run(std::string(c.ask) + "\n\n\n");
        const std::string s = screen();
        EXPECT_EQ(TPCM.LBACK, 0) << c.ask;
        EXPECT_NE(s.find(std::string(21, ' ') + "****  Site Definition Notes  ****\n\n" + c.heading), std::string::npos)
            << c.ask << s;
        EXPECT_EQ(s.find("\"Units of measure\" item") != std::string::npos, c.units) << c.ask;
        EXPECT_EQ(s.find("The water density is user-controllable") != std::string::npos, c.density) << c.ask;
        EXPECT_EQ(s.find(std::string(c.heading) + "\n ++> Sorry, no help for this line...\n\n") != std::string::npos,
                  c.sorry)
            << c.ask;
        EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 1u) << c.ask;  // one screen, one pause
        EXPECT_EQ(count(s, "Page 1: Site conditions"), 2u) << c.ask;
    }
    EXPECT_NE(screen().find(" ++> Item Number  3\n\n     The \"Units of measure\""), std::string::npos);
    EXPECT_NE(screen().find(" ++> Item Number  5\n\n     The water density"), std::string::npos);
}

TEST_F(SitePageTest, NumberTypedAtTheHelpPauseComesBackInLine) {
    for (auto help : {STATHLP, CNVHLP}) {
        Int LINE = 4;
        answers("7\n");
        help(SCREEN_UNIT, KBD_UNIT, LINE);
        EXPECT_EQ(LINE, 7);
    }
}

TEST_F(SitePageTest, ConversionHelpByItem) {
    struct Case {
        const char* ask;
        bool relabel, full, sorry;
    };
    for (const Case& c : {Case{"?1", true, false, false}, Case{"?2", false, true, false}, Case{"?3", false, false, true},
                          Case{"?", true, true, false}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.NUNTS = 0;
        run(std::string("3\n") + c.ask + "\n\n\n\n");
        EXPECT_EQ(TPCM.NUNTS, 0) << c.ask;
        const std::string s = screen();
        EXPECT_NE(s.find(std::string(21, ' ') + "****  Units Conversion Notes  ****\n"), std::string::npos) << c.ask;
        EXPECT_EQ(s.find("only the displayed dimensional units") != std::string::npos, c.relabel) << c.ask;
        EXPECT_EQ(s.find("This option should be exercised with care.") != std::string::npos, c.full) << c.ask;
        EXPECT_EQ(s.find(" ++> Sorry, no help for this line...") != std::string::npos, c.sorry) << c.ask;
        EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 1u) << c.ask;
        // The options are drawn again after the help.
        EXPECT_EQ(count(s, ">>> Units Conversion Options <<<"), 2u) << c.ask;
    }
}

TEST_F(SitePageTest, EndOfInputOnThePageEndsTheProgram) {
    answers("4\n");
    EXPECT_THROW(STATIC(), ProgramEnd);
}

}  // namespace
}  // namespace brevant
