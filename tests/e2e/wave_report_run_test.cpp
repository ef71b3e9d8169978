// Whole-program runs of the wave report from the End of Session page: the report file is written,
// the page comes back, and the saved case is the one the session edited, word for word.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

TEST(WaveReportRun, KinematicsReportLeavesTheSavedCaseAsWithoutIt) {
    std::string plain;
    {
        testing::ScratchDir dir;
        const ProgramResult r = run_brevant("C\n4\n300\nJ11\n4\n10\nL\n1\n");
        ASSERT_EQ(r.status, 0) << r.err;
        plain = file_bytes("BREVDAT");
    }
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("C\n4\n300\nJ11\n4\n10\nL\n6\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT", "WAVEOUT.stxt"}));
    EXPECT_NE(r.out.find("\n >>> Outputting wave kinematics data...\n\n"), std::string::npos);
    const std::string report = file_bytes("WAVEOUT.stxt");
    EXPECT_EQ(count_of(report, "\n     5.00     127.93      14.07      25.59      12.79    0.491E-01     1.257\n"), 1u);
    EXPECT_EQ(count_of(report, "\n     8.00     327.49       5.50      40.94      20.47    0.192E-01      .785\n"), 1u);
    EXPECT_EQ(file_bytes("BREVDAT"), plain);
}

TEST(WaveReportRun, PiersonMoskowitzSwellReportKeepsTheTypedPeriod) {
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("C\n4\n300\nJ13\n1\n2\n2\n6\n12\n7\n14\nL\n6\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string report = file_bytes("WAVEOUT.stxt");
    EXPECT_EQ(count_of(report, "\n     Swell Spectral Type --  Pierson-Moskowitz            \n"), 2u);
    EXPECT_EQ(count_of(report, "\n          Swell period .........................      9.57 seconds         \n"), 2u);
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.integer(190), 1);     // SWLTYP
    EXPECT_EQ(f.real(451), 12.0f);    // SWELHT
    EXPECT_EQ(f.real(452), 14.0f);    // SWELPD, as typed
}

TEST(WaveReportRun, SwellOutsideThePeriodsReturnsToTheEndOfSessionPage) {
    testing::ScratchDir dir;
    // A swell of 3 ft and 4 s on the default periods 5 to 19.5: the message, a pause, the page
    // again; "1" then saves as usual. The report could not be finished: none is left.
    const ProgramResult r = run_brevant("C\n4\n300\nJ13\n1\n6\n3\n7\n4\nL\n6\n\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n ++> Swell outside wave period range\n\n"), std::string::npos);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.real(452), 4.0f);
    EXPECT_EQ(f.integer(174), 1);
}

// The sample ship's sea made a General JONSWAP whose normalising integral does not converge (a
// sigma b of 0.1602): the report of item 6 gives its message and the page comes back, and the
// report written before from the sample as it was stays whole, with no cut report in its place and
// no temporary left.
TEST(WaveReportRun, AReportThatCannotBeFinishedLeavesTheEarlierOneWhole) {
    testing::ScratchDir dir;
    copy_sample();
    const ProgramResult first = run_brevant("M\nL\n6\n2\n");
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string earlier = file_bytes("WAVEOUT.stxt");
    ASSERT_NE(earlier.find("Irregular Wave Group Spectral Values"), std::string::npos);

    edit_on_disk({{164, 5},                       // WAVTYP General JONSWAP
                  {476, real_word(0.1602f)}});   // its sigma b
    const ProgramResult r = run_brevant("M\nL\n6\n\n1\n", 60);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto message = r.out.find(" ++> JONSWAP integral of the sea (page 12, items 8 to 10) does not converge");
    ASSERT_NE(message, std::string::npos) << r.out;
    EXPECT_NE(r.out.find("End of Session", message), std::string::npos);
    EXPECT_EQ(file_bytes("WAVEOUT.stxt"), earlier);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT", "WAVEOUT.stxt"}));
}

}  // namespace
}  // namespace brevant::e2e
