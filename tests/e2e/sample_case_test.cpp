// The sample ship case of examples/ship/, as a newcomer runs it: "E" at the title screen analyses
// it as it stands, writes the report with every section the case asks for that the program writes,
// and leaves the case itself untouched.
#include <gtest/gtest.h>

#include "brevant_paths.h"

#include <filesystem>
#include <sstream>
#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

TEST(SampleCase, ExecuteWritesTheReportAndLeavesTheCaseAsItWas) {
    testing::ScratchDir dir;
    copy_sample();
    const std::string case_before = file_bytes("BREVDAT");
    const std::string tables_before = file_bytes("LOWDAT");
    // Nothing but the start letter: a read after it would meet the end of the input.
    const ProgramResult r = run_brevant("E\n");
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt", "BREVOUT.stxt", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVDAT"), case_before);
    EXPECT_EQ(file_bytes("LOWDAT"), tables_before);

    const std::string report = file_bytes("BREVOUT.stxt");
    // The sections the case asks for that the report writes, each in report order.
    std::size_t at = 0;
    for (const char* title : {"Ia. Dimensionless Regular Wave Reflection Coefficients",
                              "Ib. Dimensionless Regular Wave Absorption Coefficients",
                              "IIa. Mean Reflection Force Frequency Distribution",
                              "IIIa. Mean Wave Reflection Forces & Moments",
                              "IIIb. Mean Wave Absorption Forces & Moments",
                              "IVa. \"Low-Frequency\" Wave Reflection Force & Moment Spectral Densities",
                              "IVb. \"Low-Frequency\" Wave Absorption Force & Moment Spectral Densities",
                              "V. Dimensionless Wind and Current Coefficients",
                              "VI. Mean Wind and Current Forces & Moments",
                              "VII. \"Low-Frequency\" Wind/Current Force & Moment Spectral Densities",
                              "VIIp. Spectral Values: Wind Speed and Current Speed",
                              "VIII. Irregular Wave Spectral Values",
                              "VIIIp. Irregular Wave Group Spectral Values",
                              "IX. Net Environmental Forces & Moments",
                              "IX. Net Environmental Force & Moment Spectra",
                              "VIIs. Spectral Values: Wave Reflection Forces & Moment",
                              "VIIs. Spectral Values: Wave Absorption Forces & Moment",
                              "VIIq. Spectral Values: Wind Forces & Moment",
                              "VIIr. Spectral Values: Current Forces & Moment",
                              "VIIr. Summed Spectral Values; All Environments",
                              "X. Environmental Force & Moment Summary"}) {
        const std::size_t found = report.find(title, at);
        ASSERT_NE(found, std::string::npos) << title;
        at = found;
    }
    // 13 attack angles: one page Ia, Ib and IIa each.
    EXPECT_EQ(count_of(report, "Ia. Dimensionless Regular Wave Reflection Coefficients"), 13u);
    EXPECT_EQ(count_of(report, "IIa. Mean Reflection Force Frequency Distribution"), 13u);
    // The spectra by attack angle: the summed page once per angle, and the report ends with page X.
    EXPECT_EQ(count_of(report, "VIIr. Summed Spectral Values; All Environments"), 13u);
    EXPECT_EQ(report.find("VIIr. Summed Spectral Values", report.find("X. Environmental Force & Moment Summary")),
              std::string::npos);
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.back(), '\n');
    // No value is undefined; the only infinite values are the period and spacing of the zero
    // frequency that opens a low-frequency table.
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(line.find("NaN"), std::string::npos) << line;
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
        if (line.find("Inf") != std::string::npos) {
            EXPECT_EQ(line.rfind("  .0000 ", 0), 0u) << line;
        }
    }
}

// The sample ship with four full coefficient tables (21 rows each) whose current table's count
// (word 2) reads 22: the count is held to the table, the run goes ahead, the console and the load
// report name the file, the table and the count, and the save writes the same four tables with the
// current table at 21 rows, keeping the file as found in "LOWBAK".
TEST(SampleCase, CoefficientCountBeyondItsTableIsHeldNotReplaced) {
    testing::ScratchDir dir;
    copy_sample();
    WordFile tables("LOWDAT");
    ASSERT_EQ(tables.words(), 680u);
    for (int k = 1; k <= 680; ++k) tables.set_real(k, 0.25f * static_cast<float>(k));
    for (int k : {1, 2, 3, 4, 341, 342, 343, 344}) tables.set(k, 21);
    tables.set(2, 22);
    tables.save("LOWDAT");
    const std::string found = file_bytes("LOWDAT");

    const ProgramResult r = run_brevant("E\n");
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    const std::string note = " ++> LOWDAT: the count of the current table (word 2) reads 22; it is held to 21 rows.\n";
    EXPECT_NE(r.out.find(note), std::string::npos) << r.out.substr(0, 3000);
    EXPECT_NE(file_bytes("DATUPWRN.stxt").find(note), std::string::npos);
    EXPECT_NE(r.out.find(kRunBanner), std::string::npos);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt", "BREVOUT.stxt", "DATUPWRN.stxt", "LOWBAK", "LOWDAT"}));
    EXPECT_EQ(file_bytes("LOWBAK"), found);
    WordFile expected = tables;
    expected.set(2, 21);
    EXPECT_EQ(file_bytes("LOWDAT"), expected.raw());
    // A file read as it was is replaced without that line; the line belongs to an unreadable file.
    EXPECT_EQ(r.out.find("could not be read"), std::string::npos);
}

// A coefficient file too short to hold its tables is replaced only with one line saying so before
// the save writes, the file as found kept in "LOWBAK".
TEST(SampleCase, ShortCoefficientFileIsReplacedWithAWord) {
    testing::ScratchDir dir;
    copy_sample();
    const std::string whole = file_bytes("LOWDAT");
    put_file("LOWDAT", whole.substr(0, 400));
    const ProgramResult r = run_brevant("M\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" ++> LOWDAT could not be read; a new one is written and the old one kept as LOWBAK\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(file_bytes("LOWBAK"), whole.substr(0, 400));
    EXPECT_EQ(file_bytes("LOWDAT").size(), whole.size());
}

}  // namespace
}  // namespace brevant::e2e
