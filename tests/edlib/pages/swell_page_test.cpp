// The background swell page: its lines for every swell type, the heading lock and the heading it
// gives the regular waves, the type list that refuses Ochi-Hubble, the entries asked again while
// negative, the "Alpha" calculator on the swell's shape, help, codes and dump mode.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "edlib/pages/environment_pages.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

class SwellPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.LSWELL = 1;
        TPCM.LRANDM = 1;
        TPCM.NWP = 30;
        TPCM.SWLWID = 0.1f;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    void run(const std::string& script) {
        answers(script);
        SWELL("13");
    }
    static std::size_t count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
        return n;
    }
    static bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }
    static constexpr const char* kTitle = "                ****  Page 13: Background swell characteristics  ***\n\n";
};

TEST_F(SwellPageTest, SwellOffShowsOnlyItemOne) {
    TPCM.LSWELL = 0;
    TPCM.SWLTYP = 5;
    run("4\n8\n\n");
    const std::string page = std::string(kTitle) + "  1) Simulate swell? ...........................         No \n" +
                             " \n Enter number of selection (\"H\" for help): ";
    EXPECT_EQ(screen(), page + page + page);
    EXPECT_EQ(TPCM.SWLWID, 0.1f);
    run("1\n\n");
    EXPECT_EQ(TPCM.LSWELL, 1);
}

TEST_F(SwellPageTest, GeneralJonswapSwellAsDrawn) {
    TPCM.SIMTYP = 5;
    TPCM.LSWLOK = 1;
    TPCM.SWLTYP = 5;
    TPCM.SWLHDG = 30.0f;
    TPCM.SWELHT = 2.5f;
    TPCM.SWELPD = 14.0f;
    TPCM.JONGAM_SWL = 3.3f;
    TPCM.JONPL_SWL = 0.07f;
    TPCM.JONPG_SWL = 0.09f;
    TPCM.NUNTS = 1;
    run("\n");
    const std::string expected = std::string(kTitle) +
                                 "  1) Simulate swell? ...........................         Yes\n"
                                 "\n"
                                 "  2) Swell type:  General JONSWAP              \n"
                                 "  3) Lock swell heading to irregular waves?   Yes\n"
                                 "\n"
                                 "  4) Relative swell heading .......................       30.00 degrees\n"
                                 "\n"
                                 "                          -- Swell parameters --\n"
                                 "\n"
                                 "  6) Swell significant height .....................        2.50 meters         \n"
                                 "  7) Swell peak period ............................       14.00 seconds\n"
                                 "\n"
                                 "  8) JONSWAP \"Gamma\" Parameter ....................        3.3000\n"
                                 "  9) JONSWAP \"Sigma a\" Shape Parameter ............         .0700\n"
                                 " 10) JONSWAP \"Sigma b\" Shape Parameter ............         .0900\n"
                                 " 11) Compute JONSWAP \"Alpha\" parameter\n"
                                 " \n Enter number of selection (\"H\" for help): ";
    EXPECT_EQ(screen(), expected);
    EXPECT_EQ(TPCM.LSWLOK, 1);
}

TEST_F(SwellPageTest, SwellWithoutSeaGivesTheRegularWavesItsHeading) {
    struct Case {
        Int LSWELL, LRANDM, LCOPY;
        Real heading_after;
    };
    for (const Case& c : {Case{1, 0, 0, 135.0f}, Case{1, 0, 1, 135.0f}, Case{1, 1, 0, 10.0f}, Case{0, 0, 0, 10.0f}}) {
        TPCM.LSWELL = c.LSWELL;
        TPCM.LRANDM = c.LRANDM;
        TPCM.LCOPY = c.LCOPY;
        TPCM.SWLHDG = 135.0f;
        TPCM.WAVHDG(1) = 10.0f;
        run("\n");
        EXPECT_EQ(TPCM.WAVHDG(1), c.heading_after) << c.LSWELL << c.LRANDM << c.LCOPY;
        EXPECT_EQ(TPCM.WAVHDG(2), 0.0f);
    }
}

TEST_F(SwellPageTest, LockOfferedOnlyForOlderTypesWithTheSeaOn) {
    struct Case {
        Int CREATR, LRANDM;
        bool offered;
    };
    for (const Case& c : {Case{16, 1, false}, Case{10, 1, false}, Case{9, 1, true}, Case{5, 0, false},
                          Case{5, 2, false}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.SIMTYP = c.CREATR;
        TPCM.LRANDM = c.LRANDM;
        TPCM.LSWLOK = 1;
        run("\n");
        const std::string s = screen();
        EXPECT_EQ(has(s, "  3) Lock swell heading"), c.offered) << c.CREATR << " " << c.LRANDM;
        EXPECT_EQ(TPCM.LSWLOK, c.offered ? 1 : 0) << c.CREATR << " " << c.LRANDM;
        EXPECT_TRUE(has(s, c.offered ? "  4) Relative swell heading" : "  4) Global swell heading")) << c.CREATR;
    }
    // Item 3 flips the lock whether or not its line is shown; the next drawing takes it back.
    TPCM.SIMTYP = 5;
    TPCM.LRANDM = 1;
    TPCM.LSWLOK = 0;
    run("3\n\n");
    EXPECT_EQ(TPCM.LSWLOK, 1);
    TPCM.SIMTYP = 16;
    TPCM.LSWLOK = 0;
    run("3\n\n");
    EXPECT_EQ(TPCM.LSWLOK, 0);
}

TEST_F(SwellPageTest, TypeListRefusesOchiHubble) {
    TPCM.SWLTYP = 6;
    run("2\n10\n\n3\n\n");
    EXPECT_EQ(TPCM.SWLTYP, 2);
    const std::string s = screen();
    EXPECT_TRUE(has(s, " -- Irregular swell types --\n\n  1)  Velmora swell spectrum\n"));
    EXPECT_TRUE(has(s, "): \n ++> The Ochi-Hubble spectrum cannot be used for swell seas.\n\n"
                       " \n Press <RETURN> to continue: "));
    EXPECT_EQ(count(s, " -- Irregular swell types --"), 2u);
    EXPECT_TRUE(has(s, "  2) Swell type:  Mean JONSWAP"));

    // Refused, then left with Return: the type stays.
    run("2\n10\n\n\n\n");
    EXPECT_EQ(TPCM.SWLTYP, 2);
}

TEST_F(SwellPageTest, ItemsOfferedByEachSwellType) {
    struct Case {
        Int type;
        const char* shown;
        bool parameters, bandwidth, jonswap;
    };
    const Case cases[] = {
        {0, "Velmora default swell", true, true, false},
        {1, " Pierson-Moskowitz", true, false, false},
        {4, " Squat JONSWAP", true, false, false},
        {5, " General JONSWAP", true, false, true},
        {6, " Bretschneider", true, false, false},
        {7, " WAVSPEC.txt input file", false, false, false},
        {8, " Legacy custom spectrum", false, false, false},
        {10, " TMA Shallow Water", true, false, true},
        {12, " Index error", true, false, false},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.SWLTYP = c.type;
        run("\n");
        const std::string s = screen();
        EXPECT_TRUE(has(s, std::string("  2) Swell type: ") + c.shown)) << c.type;
        EXPECT_EQ(has(s, "-- Swell parameters --"), c.parameters) << c.type;
        EXPECT_EQ(has(s, "  6) Swell significant height"), c.parameters) << c.type;
        EXPECT_EQ(has(s, "  7) Swell peak period"), c.parameters) << c.type;
        EXPECT_EQ(has(s, "  8) Swell spectral bandwidth parameter ........... "), c.bandwidth) << c.type;
        EXPECT_EQ(has(s, "\"Gamma\""), c.jonswap) << c.type;
        EXPECT_FALSE(has(s, " 11) ")) << c.type;
        EXPECT_TRUE(has(s, "  4) Global swell heading")) << c.type;
    }
}

TEST_F(SwellPageTest, StoredTypeOutOfRangeEditsTheBandwidth) {
    TPCM.SWLTYP = 12;
    run("8\n0.2\n6\n3\n7\n11\n\n");
    EXPECT_EQ(TPCM.SWLWID, 0.2f);
    EXPECT_EQ(TPCM.SWELHT, 3.0f);
    EXPECT_EQ(TPCM.SWELPD, 11.0f);
    EXPECT_TRUE(has(screen(), "  2) Swell type:  Index error                  \n"));
    EXPECT_TRUE(has(screen(), "  8) Swell spectral bandwidth parameter ...........         .10\n Enter new value: "));
}

TEST_F(SwellPageTest, EntriesAskedAgainWhileNegative) {
    struct Case {
        Int type;
        const char* item;
        Real* word;
    };
    for (const Case& c : {Case{0, "8", &TPCM.SWLWID}, Case{5, "8", &TPCM.JONGAM_SWL}, Case{10, "9", &TPCM.JONPL_SWL},
                          Case{5, "10", &TPCM.JONPG_SWL}}) {
        TPCM.SWLTYP = c.type;
        *c.word = 1.0f;
        clear_captured(SCREEN_UNIT);
        run(std::string(c.item) + "\n-1\n\n0.5\n\n");
        EXPECT_EQ(*c.word, 0.5f) << c.item;
        EXPECT_EQ(count(screen(), "Enter new value: "), 3u) << c.item;
    }
    // 9 and 10 outside the JONSWAP types, and 5, change nothing.
    TPCM.SWLTYP = 1;
    TPCM.IPAG = 0;
    const auto before = std::vector<std::byte>(image_bytes(TPCM).begin(), image_bytes(TPCM).end());
    run("5\n9\n10\n11\n12\n\n");
    TPCM.IPAG = 0;  // the digits after the first of "12" reach IPAG, as at every selection prompt
    const auto now = image_bytes(TPCM);
    EXPECT_EQ(std::memcmp(now.data(), before.data(), before.size()), 0);
}

TEST_F(SwellPageTest, HeadingHeightAndPeriod) {
    TPCM.SWLTYP = 7;
    run("4\n-45\n6\n2.5\n7\n14\n\n");
    EXPECT_EQ(TPCM.SWLHDG, -45.0f);
    EXPECT_EQ(TPCM.SWELHT, 2.5f);
    EXPECT_EQ(TPCM.SWELPD, 14.0f);
    EXPECT_TRUE(has(screen(), "  6) Swell significant height .....................         .00 feet           \n"
                              " Enter new value: "));
}

TEST_F(SwellPageTest, CustomSpectrumTableOpensAtOnceAndDumpsAsASecondPage) {
    TPCM.NWP = 2;
    run("2\n9\n2\n0.75\n\n\n");
    EXPECT_EQ(TPCM.SWLTYP, 8);
    EXPECT_EQ(TPCM.USRPSD(2), 0.75f);
    EXPECT_TRUE(has(screen(), "  Specify spectral densities at regular wave periods\n\n   1)       .00\n   2)       .00\n\n"
                              "   3) Auto repeat"));

    clear_captured(SCREEN_UNIT);
    TPCM.LCOPY = 1;
    TPCM.LBACK = 3;
    run("");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 4);
    const std::string s = screen();
    const auto page = s.find("Page 13: Background swell characteristics");
    const auto table = s.find("  Specify spectral densities at regular wave periods\n\n   1)       .00\n   2)       .75\n");
    ASSERT_NE(page, std::string::npos);
    ASSERT_NE(table, std::string::npos);
    EXPECT_LT(page, table);
    EXPECT_FALSE(has(s, "Enter"));
}

TEST_F(SwellPageTest, AlphaCalculatorOnTheSwellShape) {
    TPCM.SWLTYP = 10;
    TPCM.JONGAM_SWL = 1.0f;
    TPCM.JONPL_SWL = 0.07f;
    TPCM.JONPG_SWL = 0.09f;
    TPCM.JONGAM = 0.0f;  // the sea's shape plays no part
    run("11\n20,12\n\n\n");
    EXPECT_TRUE(has(screen(), " ++> The JONSWAP \"Alpha\" Parameter is:   .0091\n"));
    clear_captured(SCREEN_UNIT);
    TPCM.NUNTS = 1;
    run("11\n6,12\n\n\n");
    EXPECT_TRUE(has(screen(), " ++> The JONSWAP \"Alpha\" Parameter is:   .0088\n"));

    clear_captured(SCREEN_UNIT);
    run("11\n6\n\n");
    EXPECT_FALSE(has(screen(), "Parameter is"));

    // A zero width: nothing offered, nothing asked, no integral.
    TPCM.JONPG_SWL = 0.0f;
    LOCALJ = LocalJ{-7.0f, -7.0f, -7};
    clear_captured(SCREEN_UNIT);
    run("11\n\n");
    EXPECT_FALSE(has(screen(), "Sig. Height"));
    EXPECT_EQ(LOCALJ.GAM, -7.0f);
    EXPECT_EQ(count(screen(), "Page 13:"), 2u);
}

TEST_F(SwellPageTest, HelpAndCodes) {
    TPCM.SIMTYP = 5;
    TPCM.SWLTYP = 0;
    run("?\n\n\n\n\n\n");
    std::string s = screen();
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 4u);
    EXPECT_TRUE(has(s, " ++> Item Number  3\n"));
    EXPECT_TRUE(has(s, "68% of the total"));
    EXPECT_FALSE(has(s, " ++> Item Number  20"));
    EXPECT_EQ(count(s, "Page 13:"), 2u);

    struct Case {
        const char* answer;
        Int code;
    };
    for (const Case& c : {Case{"", 0}, Case{"B", NAV_BACK}, Case{"L", NAV_LAST}, Case{"E", NAV_EXECUTE},
                          Case{"J2", NAV_JUMP}}) {
        clear_captured(SCREEN_UNIT);
        run(std::string(c.answer) + "\n");
        EXPECT_EQ(TPCM.LBACK, c.code) << c.answer;
        EXPECT_EQ(count(screen(), "Page 13:"), 1u) << c.answer;
    }
}

}  // namespace
}  // namespace brevant
