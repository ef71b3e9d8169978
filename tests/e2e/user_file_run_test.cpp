// User files with damaged content, run as a user runs them ("E" at the title screen on the sample
// ship with a model that reads the file): the checks before the run read the file and refuse it by
// name, page, item and line, and the report of the last run stays as it was. The same file whole
// runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

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
    {"a current profile cut after its count line", 177, 3, "CRNTPROF.txt", "3\n",
     " ++> Fatal Warning: The file \"CRNTPROF.txt\" of the current variation with depth (page 10, item 3)\n"
     "     ends after line 1, before the table its count gives is whole.\n"},
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

// ---- A repeated abscissa -------------------------------------------------------------------------

// A drift table of the frequencies FREQS in every block of the headings HEADINGS (Cx, Cy, Cz a plane
// in frequency and heading, so a repeated row adds nothing the table did not hold).
std::string drift_text(const std::vector<double>& freqs, const std::vector<double>& headings) {
    std::string text = std::to_string(freqs.size()) + " " + std::to_string(headings.size()) + "\n";
    for (double h : headings) {
        text += std::to_string(h) + "\n";
        for (double w : freqs)
            text += std::to_string(w) + " " + std::to_string(0.1 + 0.2 * w + 0.001 * h) + " " +
                    std::to_string(0.05 * w) + " " + std::to_string(0.0001 * h) + "\n";
    }
    return text;
}

struct RepeatedFile {
    const char* what;
    int word;             // the word of "BREVDAT" that chooses the file
    std::uint32_t value;  // its bits
    const char* file;
    std::string whole;     // the file without the repeat
    std::string repeated;  // the same with an abscissa given twice
    std::string turned;    // a file whose abscissae turn back
};

const std::vector<double> kDriftFreqs = {0.0, 0.2, 0.5, 0.8, 1.2, 2.0, 4.0, 100.0};
const std::vector<double> kDriftFreqsTwice = {0.0, 0.2, 0.5, 0.8, 0.8, 1.2, 2.0, 4.0, 100.0};

// Each file read to the report it gave before the rule of strict order: the same report as the file
// without its repeat, and a file that turns back still refused by name before the run.
TEST(UserFileRun, AFileWithARepeatedAbscissaRunsToTheReportOfTheFileWithoutIt) {
    const std::string coefficients = "0 -1 0 0\n90 0 -1 0.05\n180 1 0 0\n";
    const std::string coefficients_end = "270 0 1 -0.05\n360 -1 0 0\n";
    const RepeatedFile cases[] = {
        {"wind coefficients, 180 degrees twice", 775, 0x222, "WINDCOFS.txt", "5\n" + coefficients + coefficients_end,
         "6\n" + coefficients + "180 1 0 0\n" + coefficients_end, "3\n0 -1 0 0\n180 1 0 0\n90 0 -1 0\n"},
        {"current coefficients, 180 degrees twice", 774, 0x222, "CRNTCOFS.txt",
         "5\n" + coefficients + coefficients_end, "6\n" + coefficients + "180 1 0 0\n" + coefficients_end,
         "3\n0 -1 0 0\n180 1 0 0\n90 0 -1 0\n"},
        {"drift coefficients, the block of 180 degrees twice", 787, 0x111, "DRFTCOFS.txt",
         drift_text(kDriftFreqs, {0, 90, 180, 270, 360}), drift_text(kDriftFreqs, {0, 90, 180, 180, 270, 360}),
         drift_text(kDriftFreqs, {0, 180, 90})},
        {"drift coefficients, 0.8 rad/s twice in every block", 787, 0x111, "DRFTCOFS.txt",
         drift_text(kDriftFreqs, {0, 90, 180, 270, 360}), drift_text(kDriftFreqsTwice, {0, 90, 180, 270, 360}),
         drift_text({0.0, 0.8, 0.5, 100.0}, {0, 360})},
        {"wind spectrum, 0.05 rad/s twice", 165, 6, "WINDSPEC.txt", "5\n0 1\n0.02 3\n0.05 2\n1 1\n100 0.5\n",
         "6\n0 1\n0.02 3\n0.05 2\n0.05 2\n1 1\n100 0.5\n", "4\n0 1\n0.05 2\n0.02 3\n100 0.5\n"},
    };
    for (const RepeatedFile& c : cases) {
        std::string reports[2];
        for (int repeated = 0; repeated < 2; ++repeated) {
            testing::ScratchDir dir;
            copy_sample();
            edit_on_disk({{c.word, c.value}});
            testing::put_file(c.file, repeated == 1 ? c.repeated : c.whole);
            const ProgramResult r = run_brevant("E\n");
            EXPECT_EQ(r.status, 0) << c.what << (repeated == 1 ? ", repeated\n" : "\n") << r.out;
            reports[repeated] = without_time_stamp(file_bytes("BREVOUT.stxt"));
            EXPECT_EQ(reports[repeated].find("NaN"), std::string::npos) << c.what;
        }
        EXPECT_FALSE(reports[0].empty()) << c.what;
        EXPECT_EQ(reports[1], reports[0]) << c.what;

        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk({{c.word, c.value}});
        testing::put_file(c.file, c.turned);
        const ProgramResult r = run_brevant("E\n");
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_NE(r.out.find(std::string("The file \"") + c.file + "\""), std::string::npos) << c.what << r.out;
        EXPECT_NE(r.out.find("that turn back at line"), std::string::npos) << c.what << r.out;
    }
}

// A step in the current profile at 4 m (two points at one depth) is read as written: the run ends
// with a finite report. A profile that turns back is refused before the run.
TEST(UserFileRun, AStepInTheCurrentProfileRunsToAFiniteReport) {
    {
        testing::ScratchDir dir;
        copy_sample();
        // The current heading 0 (word 457), as the file's: no note on a change of direction.
        edit_on_disk({{177, 3}, {457, 0}});
        testing::put_file("CRNTPROF.txt", "5\n0 1.0 0\n4 0.9 0\n4 0.6 0\n20 0.3 0\n5000 0.1 0\n");
        const ProgramResult r = run_brevant("E\n");
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        const std::string report = file_bytes("BREVOUT.stxt");
        EXPECT_FALSE(report.empty());
        EXPECT_EQ(report.find("NaN"), std::string::npos);
    }
    testing::ScratchDir dir;
    copy_sample();
    edit_on_disk({{177, 3}, {457, 0}});
    testing::put_file("CRNTPROF.txt", "3\n0 1.0 0\n10 0.9 0\n4 0.6 0\n");
    const ProgramResult r = run_brevant("E\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("     has depths that turn back at line 4."), std::string::npos) << r.out;
}

}  // namespace
}  // namespace brevant::e2e
