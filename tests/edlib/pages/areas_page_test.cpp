// The environmental areas page: its drawing with every item shown and with items hidden by the
// creating program and the load models, the value items, the wind and current switches, the two
// factor groups with their reset warning, help screens, dump mode and the codes it hands back.
#include "edlib/pages/areas_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
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

std::size_t count(const std::string& text, const std::string& what) { return testing::count_of(text, what); }

bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

const std::string kPrompt = " \n Enter number of selection (\"H\" for help): ";
const std::string kTitle = " ****  Page 8: Vessel Environmental Area, Moment and Enhancement Data  ****\n";

class AreasPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        defaults();
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    // A case as a new one holds it: ship, user-table models, every factor at its default.
    static void defaults() {
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.LWBARG = 273;
        TPCM.LCBARG = 273;
        TPCM.LWVCOF = 273;
        TPCM.WNDFAC = 1.0f;
        TPCM.CURFAC = 1.0f;
        TPCM.BOWFAC = 1.0f;
        TPCM.STRNFC = 1.25f;
        TPCM.WVFCX = 1.0f;
        TPCM.WVFCY = 1.0f;
        TPCM.WVFCM = 1.0f;
        TPCM.VWDFAC = 1.0f;
        TPCM.WVDGCX = 1.0f;
        TPCM.WVDGCY = 1.0f;
        TPCM.WVDGCM = 1.0f;
        TPCM.VWDRGFC = 1.0f;
    }
    void run(const std::string& script) {
        answers(script);
        AREAS("8", "Vessel");
    }
    // The first drawing of the page in the screen text.
    std::string first_drawing() const {
        const std::string s = screen();
        return s.substr(0, s.find(kPrompt) + kPrompt.size());
    }
    bool image_unchanged_since(const std::vector<std::byte>& before) const {
        const auto now = image_bytes(TPCM);
        return std::memcmp(now.data(), before.data(), before.size()) == 0;
    }
};

TEST_F(AreasPageTest, EveryItemShownAsDrawn) {
    TPCM.SIMTYP = 17;
    TPCM.LWBARG = 0x333;  // barge wind model: lateral centroids 3 and 6
    TPCM.LCBARG = 0x777;  // cylindrical-vessel current model: 13 and 16
    TPCM.LWIND = 1;
    TPCM.XWNDAR = 1500.0f;
    TPCM.XWARM = 2.5f;
    TPCM.ZXWARM = 30.0f;
    TPCM.YWNDAR = 4000.0f;
    TPCM.YWARM = -10.0f;
    TPCM.ZYWARM = 0.75f;
    TPCM.XCURAR = 2345.5f;
    TPCM.XCARM = -3.25f;
    TPCM.ZXCARM = 5.0f;
    TPCM.YCURAR = 9000.0f;
    TPCM.YCARM = -0.5f;
    TPCM.ZYCARM = 4.0f;
    TPCM.CURFAC = 1.1f;
    TPCM.WVFCY = 1.4f;
    TPCM.WVDGCM = 0.7f;
    run("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string expected =
        kTitle +
        "\n"
        "  1) Simulate <<Wind>>?   Yes\n"
        "\n"
        "  2) Head-on effective drag area .................       1500.00 square feet  \n"
        "  3) Head-on drag area centroid (y, from CG) .....          2.50 feet  \n"
        "  4) Head-on drag area centroid (z, from Keel) ...         30.00 feet  \n"
        "\n"
        "  5) Beam-on effective drag area .................       4000.00 square feet  \n"
        "  6) Beam-on drag area centroid (x, from CG) .....        -10.00 feet  \n"
        "  7) Beam-on drag area centroid (z, from Keel) ...           .75 feet  \n"
        "\n"
        "  8) Wind force enhancement factor ...............          1.00\n"
        "\n"
        "\n"
        " 11) Simulate <<Current>>?   No \n"
        "\n"
        " 12) Head-on effective drag area .................       2345.50 square feet  \n"
        " 13) Head-on drag area centroid (y, from CG) .....         -3.25 feet  \n"
        " 14) Head-on drag area centroid (z, from Keel) ...          5.00 feet  \n"
        "\n"
        " 15) Beam-on effective drag area .................       9000.00 square feet  \n"
        " 16) Beam-on drag area centroid (x, from CG) .....          -.50 feet  \n"
        " 17) Beam-on drag area centroid (z, from Keel) ...          4.00 feet  \n"
        "\n"
        " 18) Current force enhancement factor ............          1.10\n"
        "\n"
        "\n"
        " 20) Micromanage wave reflection (aka \"drift\") settings?       Yes\n"
        "\n"
        " 21) Bow shape factor ............................          1.00\n"
        " 22) Stern shape factor ..........................          1.25\n"
        " 23) Wave reflection HEAD-ON enhancement factor ..          1.00\n"
        " 24) Wave reflection BEAM-ON enhancement factor ..          1.40\n"
        " 25) Wave reflection MOMENT enhancement factor....          1.00\n"
        " 26) Variable wave reflection enhancement factor .          1.00\n"
        "\n"
        "\n"
        " 30) Micromanage wave absorption (aka \"drag\") settings?        Yes\n"
        "\n"
        " 31) Wave absorption HEAD-ON enhancement factor ..          1.00\n"
        " 32) Wave absorption BEAM-ON enhancement factor ..          1.00\n"
        " 33) Wave absorption MOMENT enhancement factor....           .70\n"
        " 34) Variable wave absorption enhancement factor .          1.00\n" +
        kPrompt;
    EXPECT_EQ(screen(), expected);
}

TEST_F(AreasPageTest, MetricLinesWithACylindricalCurrentModel) {
    TPCM.NUNTS = 1;
    TPCM.LCBARG = 0x117;  // field 1 only: any field 7 shows the lateral centroids
    TPCM.XCURAR = 2345.5f;
    TPCM.XCARM = -3.25f;
    run("\n");
    const std::string s = screen();
    EXPECT_TRUE(has(s, "\n 12) Head-on effective drag area .................       2345.50 square meters\n")) << s;
    EXPECT_TRUE(has(s, "\n 13) Head-on drag area centroid (y, from CG) .....         -3.25 meters\n")) << s;
    EXPECT_TRUE(has(s, "\n 18) Current force enhancement factor ............          1.00\n")) << s;
}

TEST_F(AreasPageTest, AValueTooWideShowsAsteriskAndIsKept) {
    TPCM.LWBARG = 0x555;
    TPCM.XWARM = 1.0E8f;
    TPCM.XWNDAR = -1.0E8f;
    run("\n");
    const std::string s = screen();
    EXPECT_TRUE(has(s, "  3) Head-on drag area centroid (y, from CG) .....   *********** feet  \n")) << s;
    EXPECT_TRUE(has(s, "  2) Head-on effective drag area .................   *********** square feet  \n")) << s;
    EXPECT_EQ(TPCM.XWARM, 1.0E8f);
    EXPECT_EQ(TPCM.XWNDAR, -1.0E8f);
}

// The lines between item 1 and item 8, with each line cut to its first five characters.
std::vector<std::string> wind_block(const std::string& drawing) {
    const auto from = drawing.find("  1) Simulate");
    const auto to = drawing.find("  8) Wind force");
    std::vector<std::string> lines;
    std::size_t p = from;
    while (p < to) {
        const auto e = drawing.find('\n', p);
        lines.push_back(drawing.substr(p, std::min<std::size_t>(5, e - p)));
        p = e + 1;
    }
    return lines;
}

TEST_F(AreasPageTest, HiddenItemsLeaveTheirEmptyLinesAndTheirNumbers) {
    struct Case {
        Int creatr;
        Int lwbarg;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {16, 1092, {"  1) ", "", "  2) ", "", "  5) ", ""}},
        {16, 0x353, {"  1) ", "", "  2) ", "  3) ", "", "  5) ", "  6) ", ""}},
        {14, 1092, {"  1) ", "", "  2) ", "  4) ", "", "  5) ", "  7) ", ""}},
        {17, 0x335, {"  1) ", "", "  2) ", "  3) ", "  4) ", "", "  5) ", "  6) ", "  7) ", ""}},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.SIMTYP = c.creatr;
        TPCM.LWBARG = c.lwbarg;
        run("\n");
        EXPECT_EQ(wind_block(first_drawing()), c.lines) << c.creatr << " " << c.lwbarg;
    }
}

TEST_F(AreasPageTest, HiddenItemsIgnoreTheirNumbers) {
    struct Case {
        Int creatr;
        Int lwbarg, lcbarg;
        std::vector<Int> hidden;
    };
    const Case cases[] = {
        {16, 1092, 0x666, {3, 4, 6, 7, 13, 14, 16, 17}},  // OCIMF wind, OCIMF current
        {16, 0x111, 0x44F, {3, 4, 6, 7, 13, 14, 16, 17}},  // LOWDAT wind, NSMB "Mean" current
        {14, 0x434, 0x636, {}},
        {17, 0x511, 0x113, {}},
    };
    for (const Case& c : cases) {
        TPCM.SIMTYP = c.creatr;
        TPCM.LWBARG = c.lwbarg;
        TPCM.LCBARG = c.lcbarg;
        for (Int item : {3, 4, 6, 7, 13, 14, 16, 17}) {
            const bool hidden = std::find(c.hidden.begin(), c.hidden.end(), item) != c.hidden.end();
            clear_captured(SCREEN_UNIT);
            const auto before = image_copy();
            run(std::to_string(item) + "\n77\n\n");
            const std::string s = screen();
            EXPECT_EQ(has(s, "Enter new value: "), !hidden) << c.creatr << " " << item;
            EXPECT_EQ(has(first_drawing(), std::string("\n ") + (item < 10 ? " " : "") + std::to_string(item) + ") "),
                      !hidden)
                << c.creatr << " " << item;
            if (hidden) {
                TPCM.LBACK = 0;
                TPCM.IPAG = 0;  // the digits after the first of every answer land there
                EXPECT_TRUE(image_unchanged_since(before)) << c.creatr << " " << item;
                EXPECT_EQ(count(s, "Page 8:"), 3u);
            }
        }
    }
}

TEST_F(AreasPageTest, ValueItemsShowTheirLineAndTakeAnyReal) {
    struct Case {
        Int item;
        Real Tpcm::*word;
        const char* echo;
    };
    TPCM.SIMTYP = 17;
    TPCM.LWBARG = 0x333;
    TPCM.LCBARG = 0x333;
    TPCM.STRNFC = 2.0f;   // opens the reflection group
    TPCM.VWDRGFC = 1.5f;  // opens the absorption group
    const Case cases[] = {
        {2, &Tpcm::XWNDAR, "  2) Head-on effective drag area .................           .00 square feet  \n"},
        {3, &Tpcm::XWARM, "  3) Head-on drag area centroid (y, from CG) .....           .00 feet  \n"},
        {4, &Tpcm::ZXWARM, "  4) Head-on drag area centroid (z, from Keel) ...           .00 feet  \n\n"},
        {5, &Tpcm::YWNDAR, "  5) Beam-on effective drag area "},
        {6, &Tpcm::YWARM, "  6) Beam-on drag area centroid (x, from CG) "},
        {7, &Tpcm::ZYWARM, "  7) Beam-on drag area centroid (z, from Keel) ...           .00 feet  \n\n"},
        {8, &Tpcm::WNDFAC, "  8) Wind force enhancement factor ...............          1.00\n"},
        {12, &Tpcm::XCURAR, " 12) Head-on effective drag area "},
        {13, &Tpcm::XCARM, " 13) Head-on drag area centroid (y, from CG) "},
        {14, &Tpcm::ZXCARM, " 14) Head-on drag area centroid (z, from Keel) ...           .00 feet  \n\n"},
        {15, &Tpcm::YCURAR, " 15) Beam-on effective drag area "},
        {16, &Tpcm::YCARM, " 16) Beam-on drag area centroid (x, from CG) "},
        {17, &Tpcm::ZYCARM, " 17) Beam-on drag area centroid (z, from Keel) ...           .00 feet  \n\n"},
        {18, &Tpcm::CURFAC, " 18) Current force enhancement factor "},
        {21, &Tpcm::BOWFAC, " 21) Bow shape factor ..........................."},
        {22, &Tpcm::STRNFC, " 22) Stern shape factor ..........................          2.00\n"},
        {23, &Tpcm::WVFCX, " 23) Wave reflection HEAD-ON enhancement factor ..          1.00\n"},
        {24, &Tpcm::WVFCY, " 24) Wave reflection BEAM-ON enhancement factor ..          1.00\n"},
        {25, &Tpcm::WVFCM, " 25) Wave reflection MOMENT enhancement factor...."},
        {26, &Tpcm::VWDFAC, " 26) Variable wave reflection enhancement factor ."},
        {31, &Tpcm::WVDGCX, " 31) Wave absorption HEAD-ON enhancement factor .."},
        {32, &Tpcm::WVDGCY, " 32) Wave absorption BEAM-ON enhancement factor .."},
        {33, &Tpcm::WVDGCM, " 33) Wave absorption MOMENT enhancement factor...."},
        {34, &Tpcm::VWDRGFC, " 34) Variable wave absorption enhancement factor .          1.50\n"},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        const Real old = TPCM.*c.word;
        // A blank answer keeps the value, as does one that is no number.
        run(std::to_string(c.item) + "\n\n" + std::to_string(c.item) + "\nabc\n\n");
        EXPECT_EQ(TPCM.*c.word, old) << c.item;
        run(std::to_string(c.item) + "\n-0.5E2\n\n");
        EXPECT_EQ(TPCM.*c.word, -50.0f) << c.item;
        const std::string s = screen();
        EXPECT_TRUE(has(s, kPrompt + c.echo)) << c.item << s;
        const auto echo = s.find(kPrompt + c.echo) + kPrompt.size();
        EXPECT_LT(echo, s.find("Enter new value: ", echo)) << c.item;
        TPCM.*c.word = old;
    }
    // Nothing else is derived from a value: the two groups stay as they were.
    EXPECT_EQ(TPCM.STRNFC, 2.0f);
    EXPECT_EQ(TPCM.VWDRGFC, 1.5f);
}

TEST_F(AreasPageTest, WindAndCurrentSwitchesFlipAndAskInBatchMode) {
    struct Case {
        Int item;
        Int IBATCH;
        const char* answer;
        Int start;
        Int after;
    };
    const Case cases[] = {
        {1, 0, nullptr, 0, 1}, {1, 0, nullptr, 1, 0}, {1, 0, nullptr, 3, 0}, {11, 0, nullptr, 0, 1},
        {11, 0, nullptr, 1, 0}, {1, 1, "1", 0, 1},   {1, 1, "", 0, 0},       {11, 1, "0", 1, 0},
        {11, 1, "5", 1, 1},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.IBATCH = c.IBATCH;
        Int& flag = c.item == 1 ? TPCM.LWIND : TPCM.LCURNT;
        Int& other = c.item == 1 ? TPCM.LCURNT : TPCM.LWIND;
        flag = c.start;
        other = 0;
        run(std::to_string(c.item) + "\n" + (c.answer ? std::string(c.answer) + "\n" : "") + "\n");
        EXPECT_EQ(flag, c.after) << c.item << " " << c.start;
        EXPECT_EQ(other, 0);
        EXPECT_EQ(has(screen(), "Enter 1 for \"Yes\", 0 for \"No\": "), c.IBATCH != 0);
    }
    TPCM.IBATCH = 0;
    TPCM.LWIND = 2;
    clear_captured(SCREEN_UNIT);
    run("\n");
    EXPECT_TRUE(has(screen(), "  1) Simulate <<Wind>>?   Awk\n"));
}

// ---- The two factor groups ----------------------------------------------------------------

const std::string kAbsorptionWarning =
    "\n >>> Warning: Completing this request will reset all wave absorption\n"
    "              parameters to their default values.\n";
const std::string kReflectionWarning =
    "\n >>> Warning: Completing this request will reset all wave reflection\n"
    "              parameters to their default values.\n";
const std::string kAbsorptionOn = " 30) Micromanage wave absorption (aka \"drag\") settings?        Yes\n";
const std::string kAbsorptionOff = " 30) Micromanage wave absorption (aka \"drag\") settings?        No \n";
const std::string kReflectionOn = " 20) Micromanage wave reflection (aka \"drift\") settings?       Yes\n";
const std::string kReflectionOff = " 20) Micromanage wave reflection (aka \"drift\") settings?       No \n";

// The drawings of the page in the screen text, each up to its selection prompt.
std::vector<std::string> drawings(const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t p = s.find(kTitle); p != std::string::npos; p = s.find(kTitle, p + 1))
        out.push_back(s.substr(p, s.find(kPrompt, p) - p));
    return out;
}

TEST_F(AreasPageTest, AbsorptionGroupWarnsAbortsAndResets) {
    TPCM.WVDGCM = 0.7f;
    TPCM.WVDGCX = 1.0f;
    run("30\nA\n30\n\n\n");
    const std::string s = screen();
    const auto d = drawings(s);
    ASSERT_EQ(d.size(), 3u);
    EXPECT_TRUE(has(d[0], kAbsorptionOn));
    EXPECT_TRUE(has(d[0], " 33) Wave absorption MOMENT enhancement factor....           .70"));
    EXPECT_TRUE(has(d[1], kAbsorptionOn) && has(d[1], " 33) Wave absorption MOMENT"));  // "A" keeps everything
    EXPECT_TRUE(has(d[2], kAbsorptionOff) && !has(d[2], " 33) Wave absorption MOMENT"));
    EXPECT_EQ(count(s, kAbsorptionWarning), 2u);
    EXPECT_TRUE(has(s, kPrompt + kAbsorptionWarning + "\a"));
    EXPECT_EQ(count(s, "Enter \"A\" to abort or Press <RETURN> to continue: "), 2u);
    EXPECT_EQ(TPCM.WVDGCX, 1.0f);
    EXPECT_EQ(TPCM.WVDGCY, 1.0f);
    EXPECT_EQ(TPCM.WVDGCM, 1.0f);
    EXPECT_EQ(TPCM.VWDRGFC, 1.0f);
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(AreasPageTest, AbortedAbsorptionResetKeepsTheValue) {
    TPCM.WVDGCM = 0.7f;
    run("30\nA\n\n");
    EXPECT_EQ(TPCM.WVDGCM, 0.7f);
    EXPECT_TRUE(has(drawings(screen()).back(), kAbsorptionOn));
}

TEST_F(AreasPageTest, BatchAnswerOneAfterTheWarningKeepsTheGroupShownWithItsDefaults) {
    TPCM.IBATCH = 1;
    TPCM.WVDGCM = 0.7f;
    TPCM.WVDGCY = -2.0f;
    run("30\n\n1\n\n");
    const auto d = drawings(screen());
    ASSERT_EQ(d.size(), 2u);
    EXPECT_TRUE(has(screen(), kAbsorptionWarning));
    EXPECT_TRUE(has(d[1], kAbsorptionOn));
    EXPECT_TRUE(has(d[1], " 32) Wave absorption BEAM-ON enhancement factor ..          1.00\n"));
    EXPECT_TRUE(has(d[1], " 33) Wave absorption MOMENT enhancement factor....          1.00\n"));
    EXPECT_EQ(TPCM.WVDGCM, 1.0f);
    EXPECT_EQ(TPCM.WVDGCY, 1.0f);
}

TEST_F(AreasPageTest, ReflectionGroupResetStoresTheSixDefaults) {
    TPCM.WVFCY = 1.4f;
    TPCM.BOWFAC = 0.5f;
    TPCM.STRNFC = 2.0f;
    TPCM.WVFCX = 0.9f;
    TPCM.WVFCM = 1.2f;
    TPCM.VWDFAC = 3.0f;
    run("20\na\n20\n\n\n");
    const std::string s = screen();
    const auto d = drawings(s);
    ASSERT_EQ(d.size(), 3u);
    EXPECT_TRUE(has(d[1], kReflectionOn));
    EXPECT_TRUE(has(d[1], " 24) Wave reflection BEAM-ON enhancement factor ..          1.40"));
    EXPECT_TRUE(has(d[2], kReflectionOff) && !has(d[2], " 21) "));
    EXPECT_EQ(count(s, kReflectionWarning), 2u);
    EXPECT_EQ(TPCM.BOWFAC, 1.0f);
    EXPECT_EQ(TPCM.STRNFC, 1.25f);
    EXPECT_EQ(TPCM.WVFCX, 1.0f);
    EXPECT_EQ(TPCM.WVFCY, 1.0f);
    EXPECT_EQ(TPCM.WVFCM, 1.0f);
    EXPECT_EQ(TPCM.VWDFAC, 1.0f);
}

TEST_F(AreasPageTest, GroupsOpenOnEntryExactlyWhenAValueDiffersFromItsDefault) {
    struct Case {
        const char* what;
        Real Tpcm::*word;
        Real value;
        bool reflection, absorption;
    };
    const Case cases[] = {
        {"defaults", &Tpcm::BOWFAC, 1.0f, false, false},
        {"stern 1.0", &Tpcm::STRNFC, 1.0f, true, false},
        {"variable reflection", &Tpcm::VWDFAC, 1.0000001f, true, false},
        {"bow", &Tpcm::BOWFAC, 0.99999994f, true, false},
        {"beam-on absorption", &Tpcm::WVDGCY, 1.0000001f, false, true},
        {"variable absorption", &Tpcm::VWDRGFC, 0.0f, false, true},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        defaults();
        TPCM.*c.word = c.value;
        run("\n");
        const std::string d = first_drawing();
        EXPECT_EQ(has(d, kReflectionOn), c.reflection) << c.what;
        EXPECT_EQ(has(d, kReflectionOff), !c.reflection) << c.what;
        EXPECT_EQ(has(d, " 22) Stern shape factor"), c.reflection) << c.what;
        EXPECT_EQ(has(d, kAbsorptionOn), c.absorption) << c.what;
        EXPECT_EQ(has(d, " 34) Variable wave absorption"), c.absorption) << c.what;
    }
}

TEST_F(AreasPageTest, GroupsAtTheirDefaultsSwitchWithoutWarningAndCloseOnTheNextVisit) {
    // Open both, look at them, switch the absorption group off again: no warning anywhere.
    run("20\n30\n30\n\n");
    const std::string s = screen();
    const auto d = drawings(s);
    ASSERT_EQ(d.size(), 4u);
    EXPECT_TRUE(has(d[1], kReflectionOn));
    EXPECT_TRUE(has(d[1], " 22) Stern shape factor ..........................          1.25"));
    EXPECT_TRUE(has(d[2], kAbsorptionOn) && has(d[2], " 31) "));
    EXPECT_TRUE(has(d[3], kReflectionOn) && has(d[3], kAbsorptionOff));
    EXPECT_FALSE(has(s, "Warning"));
    // The next visit shows the reflection group closed: its values are all at their defaults.
    clear_captured(SCREEN_UNIT);
    run("\n");
    EXPECT_TRUE(has(first_drawing(), kReflectionOff));
    EXPECT_FALSE(has(first_drawing(), " 21) "));
}

TEST_F(AreasPageTest, BatchModifyAsksBeforeOpeningAGroup) {
    TPCM.IBATCH = 1;
    run("20\n0\n30\n1\n\n");
    const auto d = drawings(screen());
    ASSERT_EQ(d.size(), 3u);
    EXPECT_TRUE(has(d[1], kReflectionOff));
    EXPECT_TRUE(has(d[2], kAbsorptionOn));
}

// ---- Codes, dump mode and the model words -------------------------------------------------

TEST_F(AreasPageTest, CodesBelowOneGoBackAndOtherNumbersDrawThePageAgain) {
    struct Case {
        const char* answer;
        Int code;
    };
    for (const Case& c : {Case{"", 0}, Case{"0", 0}, Case{"F", NAV_FIRST}, Case{"L", NAV_LAST}, Case{"B", NAV_BACK},
                          Case{"S", NAV_SKIP}, Case{"E", NAV_EXECUTE}, Case{"J9", NAV_JUMP}, Case{"!", NAV_REDRAW}}) {
        clear_captured(SCREEN_UNIT);
        const auto before = image_copy();
        run(std::string(c.answer) + "\n");
        EXPECT_EQ(TPCM.LBACK, c.code) << c.answer;
        EXPECT_EQ(count(screen(), "Page 8:"), 1u) << c.answer;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << c.answer;
    }
    for (Int n : {9, 10, 19, 21, 27, 28, 29, 31, 35, 1000}) {
        clear_captured(SCREEN_UNIT);
        const auto before = image_copy();
        run(std::to_string(n) + "\n\n");
        EXPECT_EQ(count(screen(), "Page 8:"), 2u) << n;
        EXPECT_FALSE(has(screen(), "Enter new value")) << n;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        EXPECT_TRUE(image_unchanged_since(before)) << n;
    }
}

TEST_F(AreasPageTest, DumpModeWritesThePageOnceAndReadsNothing) {
    TPCM.LCOPY = 1;
    TPCM.LBACK = 5;
    TPCM.WVFCX = 1.3f;
    run("");  // any read would meet the end of the input
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 2);
    const std::string s = screen();
    EXPECT_EQ(count(s, "Page 8:"), 1u);
    EXPECT_TRUE(has(s, " 23) Wave reflection HEAD-ON enhancement factor ..          1.30\n"));
    EXPECT_FALSE(has(s, "Enter"));
}

TEST_F(AreasPageTest, AVisitLeavesTheModelWordsAsTheyWere) {
    for (auto [w, c, d] : {std::tuple{0x134, 0x44F, 0x621}, std::tuple{0x555, 0x777, 0x666},
                           std::tuple{0x5432, 0x7F3, 0x12}}) {
        TPCM.LWBARG = w;
        TPCM.LCBARG = c;
        TPCM.LWVCOF = d;
        run("\n");
        EXPECT_EQ(TPCM.LWBARG, w);
        EXPECT_EQ(TPCM.LCBARG, c);
        EXPECT_EQ(TPCM.LWVCOF, d);
    }
}

// ---- Help ----------------------------------------------------------------------------------

const std::string kHelpTitle = std::string(17, ' ') + "****  Vessel Environmental Load Notes  ****\n";
const std::string kPause = " \n Press <RETURN> to continue: ";

// The help text written for one item number, from the title to the pause.
std::string help_for(Int LINE) {
    clear_captured(SCREEN_UNIT);
    bind_keyboard("\n");
    Int line = LINE;
    ARHLP(SCREEN_UNIT, KBD_UNIT, line);
    return captured(SCREEN_UNIT);
}

// The note of one item: what follows its heading.
std::string note_for(Int LINE) {
    const std::string s = help_for(LINE);
    const std::string heading = " ++> Item Number  " + std::string(LINE < 10 ? " " : "") + std::to_string(LINE) + "\n";
    EXPECT_EQ(s.substr(0, kHelpTitle.size() + 1 + heading.size()), kHelpTitle + "\n" + heading) << LINE;
    const auto from = kHelpTitle.size() + 1 + heading.size();
    return s.substr(from, s.find(kPause) - from);
}

TEST_F(AreasPageTest, HelpNotesByItem) {
    const std::string sorry = "\n ++> Sorry, no help for this line...\n\n";
    for (Int n : {1, 9, 10, 11, 19, 27, 28, 29, 35, 99}) EXPECT_EQ(note_for(n), sorry) << n;
    // Items that share a note, and the facts some notes must tell.
    const std::vector<std::vector<Int>> groups = {{2, 3, 4, 5, 6, 7}, {8}, {12, 13, 14, 15, 16, 17}, {18}, {20},
                                                  {21},               {22}, {23, 24, 25},             {26}, {30},
                                                  {31, 32, 33, 34}};
    std::vector<std::string> notes;
    for (const auto& g : groups) {
        const std::string first = note_for(g.front());
        EXPECT_GT(first.size(), sorry.size()) << g.front();
        EXPECT_EQ(first.substr(0, 6), "\n     ") << g.front();
        for (Int n : g) EXPECT_EQ(note_for(n), first) << n;
        for (const std::string& other : notes) EXPECT_NE(first, other) << g.front();
        notes.push_back(first);
    }
    EXPECT_TRUE(has(notes[2], "the specified current areas MUST equal draft times "));
    EXPECT_TRUE(has(notes[5], "1.0") && has(notes[5], "2.78"));
    EXPECT_TRUE(has(notes[6], "1.25") && has(notes[6], "2.78"));
    EXPECT_EQ(count(help_for(23), "Press <RETURN> to continue: "), 1u);
}

TEST_F(AreasPageTest, HelpForAllItemsShowsSevenScreensWithTheTitleOnTheFirst) {
    run("?\n\n\n\n\n\n\n\n\n");
    const std::string s = screen();
    EXPECT_EQ(count(s, "****  Vessel Environmental Load Notes  ****"), 1u);
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 7u);
    // The headings in order, and the screens they stand on (pauses seen before them).
    const std::vector<std::pair<std::string, int>> headings = {
        {" ++> Item Numbers 2 -> 7\n", 0},  {" ++> Item Number  8\n", 0},     {" ++> Item Numbers 12 -> 17\n", 1},
        {" ++> Item Number  18\n", 1},      {" ++> Item Number  20\n", 2},    {" ++> Item Number  21\n", 3},
        {" ++> Item Number  22\n", 4},      {" ++> Item Number  23-25\n", 5}, {" ++> Item Number  26\n", 6},
        {" ++> Item Number  30\n", 6},      {" ++> Item Number  31-34\n", 6},
    };
    const auto start = s.find(kHelpTitle);
    ASSERT_NE(start, std::string::npos);
    std::size_t last = start;
    for (const auto& [h, screen_no] : headings) {
        const auto p = s.find(h, last);
        ASSERT_NE(p, std::string::npos) << h;
        EXPECT_EQ(count(s.substr(start, p - start), "Press <RETURN>"), static_cast<std::size_t>(screen_no)) << h;
        last = p;
    }
    EXPECT_EQ(count(s, "Page 8:"), 2u);
    // Every note under the headings is the same as the note of its own item.
    EXPECT_TRUE(has(s, " ++> Item Number  23-25\n" + note_for(24) + kPause));
}

TEST_F(AreasPageTest, TheNumberTypedAtTheLastPauseIsLeftInIpag) {
    run("?21\n8\n\n");
    EXPECT_EQ(TPCM.IPAG, 8);
    Int LINE = 0;
    answers("1\n2\n3\n4\n5\n6\n7\n");
    ARHLP(SCREEN_UNIT, KBD_UNIT, LINE);
    EXPECT_EQ(LINE, 7);
}

TEST_F(AreasPageTest, SilentHelpWritesItsScreensWithoutWaiting) {
    Int LINE = 0;
    answers("");
    ARHLP(SILENT_UNIT, KBD_UNIT, LINE);
    EXPECT_EQ(LINE, 0);
    EXPECT_EQ(count(silent(), " ++> Item Number"), 11u);
    EXPECT_EQ(count(silent(), "Press <RETURN>"), 0u);
}

}  // namespace
}  // namespace brevant
