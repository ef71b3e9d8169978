// Whole analysis runs of a ship case written through the data image: the report file with its title
// page and the net environmental force pages, the same run on the console with its pauses, a silent
// run, and the set-up's stops.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

using brevant::testing::lines_of;
using brevant::testing::pages_of;

constexpr const char* kPause = " \n Press <RETURN> to continue: ";

constexpr const char* kTitleIX =
    "   *********************  IX. Net Environmental Forces & Moments   ********************";

constexpr const char* kTitleX = "   ****************  X. Environmental Force & Moment Summary   ***************";

// The table rows of a net-force page: the lines after the header block's empty line.
std::vector<std::string> table_rows(const std::string& page) {
    std::vector<std::string> rows;
    const std::size_t head = page.find("  (deg)");
    if (head == std::string::npos) return rows;
    bool started = false;
    for (const std::string& line : lines_of(page.substr(page.find('\n', head) + 1))) {
        if (line.empty()) {
            if (started) break;
            continue;
        }
        started = true;
        rows.push_back(line);
    }
    return rows;
}

TEST(AnalysisRun, ShipCaseWritesTheTitlePageAndTheNetForcePages) {
    testing::ScratchDir dir;
    write_ship_case();
    // Nothing beyond the start letter may be read: a read would meet the end of the input.
    const ProgramResult r = run_brevant("E\n");
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.find("The analysis is not available yet."), std::string::npos);
    EXPECT_EQ(r.out.find("Press <RETURN>"), std::string::npos);
    EXPECT_NE(r.out.find("\n" + std::string(kRunBanner) + "\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n\n >>> Computing net environmental forces and moments...\n\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_regular_file("BREVOUT.stxt"));
    EXPECT_FALSE(std::filesystem::exists("KORVSUM.stxt"));

    const std::string report = file_bytes("BREVOUT.stxt");
    ASSERT_EQ(report.substr(0, 2), "\f\n");
    const std::vector<std::string> pages = pages_of(report);
    ASSERT_EQ(pages.size(), 5u) << report;
    EXPECT_NE(pages[0].find("               Velmora Quasi-Static Environmental Characteristics \n"), std::string::npos);
    EXPECT_NE(pages[0].find("Executed at "), std::string::npos);
    const char* captions[] = {"Vessel-Based X Forces ", "Vessel-Based Y Forces ", "Vessel-Based Z Moments "};
    for (int k = 0; k < 3; ++k) {
        const std::string& page = pages[static_cast<std::size_t>(k + 1)];
        EXPECT_EQ(page.substr(0, page.find('\n')), kTitleIX);
        EXPECT_NE(page.find("   " + std::string(captions[k]) + "  "), std::string::npos) << k;
        EXPECT_NE(page.find("                     Global Heading of Wind    =  180.00 deg\n"), std::string::npos);
        EXPECT_NE(page.find("                             Fx =   5.00E+01 m.ton\n"), std::string::npos);
        EXPECT_EQ(page.find("Moments in this table") != std::string::npos, k == 2) << k;
    }
    // The summary page X closes the report, one row per attack angle.
    EXPECT_EQ(pages[4].substr(0, pages[4].find('\n')), kTitleX);
    EXPECT_EQ(table_rows(pages[4]).size(), 13u);
    // Nothing that did not fit or did not compute.
    for (const char* bad : {"NaN", "Infinity"}) EXPECT_EQ(report.find(bad), std::string::npos) << bad;
    for (const std::string& line : lines_of(report)) {
        if (line != kTitleIX && line != kTitleX) {
            EXPECT_EQ(line.find('*'), std::string::npos) << line;
        }
    }
}

TEST(AnalysisRun, NetForceRowsGiveOneRowPerAngleWithTheNetOfTheSources) {
    testing::ScratchDir dir;
    write_ship_case();
    const ProgramResult r = run_brevant("E\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> pages = pages_of(file_bytes("BREVOUT.stxt"));
    ASSERT_EQ(pages.size(), 5u);
    for (int k = 1; k <= 3; ++k) {
        const std::vector<std::string> rows = table_rows(pages[static_cast<std::size_t>(k)]);
        ASSERT_EQ(rows.size(), 13u) << k;
        for (const std::string& row : rows) {
            std::istringstream in(row);
            double heading = 0.0, sum = 0.0, v = 0.0, net = 0.0;
            in >> heading;
            std::vector<double> values;
            while (in >> v) values.push_back(v);
            ASSERT_EQ(values.size(), 8u) << row;
            for (std::size_t i = 0; i < 7; ++i) sum += values[i];
            net = values[7];
            // Each printed value carries half a unit of its fourth significant digit.
            double slack = 0.0;
            for (double x : values) slack += 0.0005 * std::fabs(x) + 1e-30;
            EXPECT_NEAR(net, sum, slack) << row;
        }
    }
}

TEST(AnalysisRun, VesselSummaryOnLeavesTheReportAsItIsAndWritesItsOwnFile) {
    testing::ScratchDir dir;
    write_ship_case();
    ASSERT_EQ(run_brevant("E\n").status, 0);
    const std::string first = without_time_stamp(file_bytes("BREVOUT.stxt"));
    edit_on_disk({{104, 0}});  // NEGSUM: the vessel summary on
    const ProgramResult r = run_brevant("E\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(without_time_stamp(file_bytes("BREVOUT.stxt")), first);
    EXPECT_TRUE(std::filesystem::is_regular_file("KORVSUM.stxt"));
}

TEST(AnalysisRun, ReportOnTheConsolePausesAfterTheTitlePageAndEachNetForcePage) {
    testing::ScratchDir dir;
    write_ship_case();
    edit_on_disk({{109, 6}});  // IUNIT: the console
    // Whatever is typed at a pause, the run goes on.
    const ProgramResult r = run_brevant("E\nJ3\nB\n\nx\n\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(std::filesystem::exists("BREVOUT.stxt"));
    EXPECT_EQ(count_of(r.out, kPause), 5u);
    // The title page, then each page of section IX, each closed by its pause.
    const std::size_t title = r.out.find("Velmora Quasi-Static Environmental Characteristics");
    const std::size_t x_page = r.out.find("Vessel-Based X Forces");
    const std::size_t yaw_page = r.out.find("Vessel-Based Z Moments");
    ASSERT_NE(yaw_page, std::string::npos);
    EXPECT_LT(title, r.out.find(kPause));
    EXPECT_LT(r.out.find(kPause), x_page);
    EXPECT_NE(r.out.find(kPause, yaw_page), std::string::npos);
    // The summary page, closed by its own pause.
    const std::size_t summary = r.out.find("X. Environmental Force & Moment Summary");
    ASSERT_NE(summary, std::string::npos);
    EXPECT_GT(summary, yaw_page);
    EXPECT_NE(r.out.find(kPause, summary), std::string::npos);
}

TEST(AnalysisRun, SilentRunWritesItsConsoleToDiagnosticsAndReadsNothing) {
    testing::ScratchDir dir;
    write_ship_case();
    const ProgramResult r = run_brevant("M\nL\n4\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string diagnostics = file_bytes("Diagnostics.stxt");
    EXPECT_NE(diagnostics.find(kRunBanner), std::string::npos);
    EXPECT_NE(diagnostics.find(" >>> Computing net environmental forces and moments..."), std::string::npos);
    EXPECT_EQ(diagnostics.find("Press <RETURN>"), std::string::npos);
    EXPECT_EQ(pages_of(file_bytes("BREVOUT.stxt")).size(), 5u);
}

}  // namespace
}  // namespace brevant::e2e
