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
    // A swell of 4 s on the default periods 5 to 19.5: the message, a pause, the page again; "1"
    // then saves as usual.
    const ProgramResult r = run_brevant("C\n4\n300\nJ13\n1\n7\n4\nL\n6\n\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n ++> Swell outside wave period range\n\n"), std::string::npos);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT", "WAVEOUT.stxt"}));
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.real(452), 4.0f);
    EXPECT_EQ(f.integer(174), 1);
}

}  // namespace
}  // namespace brevant::e2e
