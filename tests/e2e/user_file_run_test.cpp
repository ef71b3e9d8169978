// User files with damaged content, run as a user runs them ("E" at the title screen on the sample
// ship with a model that reads the file): the checks before the run read the file and refuse it by
// name, page, item and line, and the report of the last run stays as it was. The same file whole
// runs.
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

struct DamagedFile {
    const char* what;
    int word;             // the word of "BREVDAT" that chooses the file
    std::uint32_t value;  // its bits
    const char* file;
    const char* text;     // the damaged file
    const char* finding;  // the two lines of the finding
};

const DamagedFile kDamagedFiles[] = {
    {"wind coefficients whose headings turn back", 775, 0x222, "WINDCOFS.txt",
     "3\n0 -1 0 0\n90 0 1 0\n45 1 0 0\n",
     " ++> Fatal Warning: The file \"WINDCOFS.txt\" of the wind force model (page 6, item 2)\n"
     "     has headings that turn back at line 4.\n"},
    {"wind coefficients counting more rows than they hold", 775, 0x222, "WINDCOFS.txt",
     "5\n0 -1 0 0\n180 1 0 0\n",
     " ++> Fatal Warning: The file \"WINDCOFS.txt\" of the wind force model (page 6, item 2)\n"
     "     ends after line 3, before the table its count gives is whole.\n"},
    {"drift coefficients cut short", 787, 0x111, "DRFTCOFS.txt", "2 2\n0\n0.5 1 0 0\n",
     " ++> Fatal Warning: The file \"DRFTCOFS.txt\" of the wave force model (page 6, item 22)\n"
     "     ends after line 3, before the table its count gives is whole.\n"},
    {"a wave spectrum with NaN", 164, 7, "WAVSPEC.txt", "3\n0.1 1\n0.5 NaN\n1.0 1\n",
     " ++> Fatal Warning: The file \"WAVSPEC.txt\" of the wave type (page 12, item 2)\n"
     "     holds a value that is not a number at line 3.\n"},
    {"an empty current profile", 177, 3, "CRNTPROF.txt", "",
     " ++> Fatal Warning: The file \"CRNTPROF.txt\" of the current variation with depth (page 10, item 3)\n"
     "     is empty.\n"},
};

TEST(UserFileRun, ADamagedFileIsRefusedBeforeTheRunAndTheLastReportStays) {
    for (const DamagedFile& c : kDamagedFiles) {
        testing::ScratchDir dir;
        copy_sample();
        ASSERT_EQ(run_brevant("E\n").status, 0) << c.what;
        const std::string report = file_bytes("BREVOUT.stxt");
        ASSERT_FALSE(report.empty());
        edit_on_disk({{c.word, c.value}});
        testing::put_file(c.file, c.text);
        const ProgramResult r = run_brevant("E\n");
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_NE(r.out.find(c.finding), std::string::npos) << c.what << "\n" << r.out;
        EXPECT_EQ(r.out.find(kRunBanner), std::string::npos) << c.what;
        EXPECT_EQ(r.out.find("End of file or related file error"), std::string::npos) << c.what;
        EXPECT_EQ(file_bytes("BREVOUT.stxt"), report) << c.what;
    }
}

// The wind coefficients of the same file whole, round the circle: the run reads them and ends well.
TEST(UserFileRun, TheSameFileWholeRuns) {
    testing::ScratchDir dir;
    copy_sample();
    edit_on_disk({{775, 0x222}});
    testing::put_file("WINDCOFS.txt", "5\n0 -1 0 0\n90 0 -1 0.05\n180 1 0 0\n270 0 1 -0.05\n360 -1 0 0\n");
    const ProgramResult r = run_brevant("E\n");
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find(kRunBanner), std::string::npos);
    EXPECT_NE(file_bytes("BREVOUT.stxt").find("User-Specified WINDCOFS.txt"), std::string::npos);
}

}  // namespace
}  // namespace brevant::e2e
