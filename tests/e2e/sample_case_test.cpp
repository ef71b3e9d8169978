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

}  // namespace
}  // namespace brevant::e2e
