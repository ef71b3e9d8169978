// Whole-program runs through the regular-wave, irregular-wave and swell pages: what is typed there
// reaches the saved data file word by word.
#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace brevant::e2e
