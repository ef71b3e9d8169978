// Whole-program runs through the regular-wave, irregular-wave and swell pages: what is typed there
// reaches the saved data file word by word.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

WordFile saved_case(const std::string& answers) {
    const ProgramResult r = run_brevant(answers);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    return WordFile("BREVDAT");
}

TEST(WavePagesRun, RegularWavePeriodsAndSlope) {
    testing::ScratchDir dir;
    // 40 periods, auto repeat from 4.0 by 0.5 (the whole list of 100), constant slope of 2.5.
    const WordFile f = saved_case("C\nJ11\n1\n40\n2\n41\n4\n0.5\n\n3\n4\n2.5\nL\n1\n");
    EXPECT_EQ(f.integer(167), 40);     // NWP
    EXPECT_EQ(f.real(318), 4.0f);      // T(1)
    EXPECT_EQ(f.real(357), 23.5f);     // T(40)
    EXPECT_EQ(f.real(417), 53.5f);     // T(100)
    EXPECT_EQ(f.integer(108), 1);      // LSLPHT
    EXPECT_EQ(f.real(448), 2.5f);      // SLPHT
}

TEST(WavePagesRun, IrregularGeneralJonswapSpreadSea) {
    testing::ScratchDir dir;
    const WordFile f =
        saved_case("C\nJ12\n1\n2\n6\n6\n4.5\n7\n11\n8\n2\n9\n0.07\n10\n0.09\n20\n21\n4\nL\n1\n");
    EXPECT_EQ(f.integer(172), 1);      // LRANDM
    EXPECT_EQ(f.integer(164), 5);      // WAVTYP, General JONSWAP
    EXPECT_EQ(f.real(430), 4.5f);      // SWHT(1)
    EXPECT_EQ(f.real(436), 11.0f);     // SIGPD(1)
    EXPECT_EQ(f.real(477), 2.0f);      // JONGAM
    EXPECT_EQ(f.real(475), 0.07f);     // JONPL
    EXPECT_EQ(f.real(476), 0.09f);     // JONPG
    EXPECT_EQ(f.integer(173), 1);      // LSPRED
    EXPECT_EQ(f.real(449), 4.0f);      // COSEXP
    EXPECT_EQ(f.integer(170), 1);      // NSEAHG
    EXPECT_EQ(f.integer(171), 1);      // NSEAHT
}

TEST(WavePagesRun, BackgroundSwell) {
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("C\nJ13\n1\n4\n30\n6\n2.5\n7\n14\n8\n0.08\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.integer(174), 1);      // LSWELL
    EXPECT_EQ(f.real(453), 30.0f);     // SWLHDG
    EXPECT_EQ(f.real(451), 2.5f);      // SWELHT
    EXPECT_EQ(f.real(452), 14.0f);     // SWELPD
    EXPECT_EQ(f.real(461), 0.08f);     // SWLWID
    EXPECT_EQ(f.integer(181), 0);      // LSWLOK: no lock on this program's own data sets
    EXPECT_EQ(f.integer(190), 0);      // SWLTYP, the default swell
    EXPECT_NE(r.out.find("  2) Swell type: Velmora default swell\n"), std::string::npos);
    EXPECT_NE(r.out.find("  4) Global swell heading ......................... "), std::string::npos);
}

// The "Alpha" calculator of the sample ship's sea (page 12) and swell (page 13) with a JONSWAP shape
// that the checks before the run refuse: sigmas 0.07 and 0.09 with gamma 5000, or 2914.75146, just
// past the greatest that converges. It asked whether to abort after every 20 passes, for as long as
// Return was given, and "A" ended the program with status 1 and the edits lost. Now it says there is
// no alpha and gives the page back, and the save that follows holds every edit.
TEST(WavePagesRun, AlphaOfARefusedShapeGivesThePageBackAndTheSaveHoldsTheEdits) {
    struct Case {
        int page;
        const char* gamma;
        float gamma_value;
    };
    for (const Case& c : {Case{12, "5000", 5000.0f}, Case{12, "2914.75146", 2914.75146f}, Case{13, "5000", 5000.0f},
                          Case{13, "2914.75146", 2914.75146f}}) {
        SCOPED_TRACE(std::to_string(c.page) + ", gamma " + c.gamma);
        testing::ScratchDir dir;
        copy_sample();
        // Page 13 first turns the swell on (the sample has none). Type 6 on the list is the general
        // JONSWAP; after the calculator's pause, "L" goes to the last page and "1" saves and exits.
        const std::string answers = "M\nJ" + std::to_string(c.page) + "\n" + (c.page == 13 ? "1\n" : "") +
                                    "2\n6\n8\n" + c.gamma + "\n9\n0.07\n10\n0.09\n11\n4,10\n\nL\n1\n";
        const ProgramResult r = run_brevant(answers, 120);
        ASSERT_EQ(r.status, 0) << r.err << r.out;
        EXPECT_EQ(r.err, "");
        const std::string no_alpha =
            "Enter [Sig. Height, Peak Period]: \n ++> The JONSWAP integral does not converge with this gamma and "
            "these sigmas: no alpha\n \n Press <RETURN> to continue: ";
        EXPECT_EQ(count_of(r.out, no_alpha), 1u) << r.out;
        EXPECT_EQ(r.out.find("JONSVAL"), std::string::npos);
        EXPECT_EQ(r.out.find("Enter \"A\" to abort"), std::string::npos);
        // The page comes back after the message, then the last page.
        const auto after = r.out.find(no_alpha);
        ASSERT_NE(after, std::string::npos);
        const std::vector<int> drawn = pages_drawn(r.out.substr(after));
        ASSERT_GE(drawn.size(), 2u);
        EXPECT_EQ(drawn.front(), c.page);
        EXPECT_EQ(drawn.back(), 17);

        // The save keeps the sample as its back-up (the coefficient file, unchanged, is not written).
        const std::filesystem::path sample = std::filesystem::path(BREVANT_SOURCE_DIR) / "examples" / "ship";
        EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "LOWDAT"}));
        EXPECT_EQ(file_bytes("BREVBAK"), file_bytes((sample / "BREVDAT").string()));
        const WordFile f("BREVDAT");
        if (c.page == 12) {
            EXPECT_EQ(f.integer(164), 5);              // WAVTYP, General JONSWAP
            EXPECT_EQ(f.real(477), c.gamma_value);     // JONGAM
            EXPECT_EQ(f.real(475), 0.07f);             // JONPL
            EXPECT_EQ(f.real(476), 0.09f);             // JONPG
        } else {
            EXPECT_EQ(f.integer(174), 1);              // LSWELL
            EXPECT_EQ(f.integer(190), 5);              // SWLTYP, General JONSWAP
            EXPECT_EQ(f.real(487), c.gamma_value);     // JONGAM_SWL
            EXPECT_EQ(f.real(485), 0.07f);             // JONPL_SWL
            EXPECT_EQ(f.real(486), 0.09f);             // JONPG_SWL
        }
        // Every other word as the sample holds it.
        const WordFile before((sample / "BREVDAT").string());
        ASSERT_EQ(f.words(), before.words());
        for (int k = 1; k <= static_cast<int>(f.words()); ++k) {
            const bool edited = c.page == 12 ? (k == 164 || (k >= 475 && k <= 477))
                                             : (k == 174 || k == 190 || (k >= 485 && k <= 487));
            if (!edited) {
                EXPECT_EQ(f.word(k), before.word(k)) << "word " << k;
            }
        }
    }
}

}  // namespace
}  // namespace brevant::e2e
