// The built program on the ship case with the spectra by attack angle asked for: per angle the sea
// reflection, wind, current and summed pages on the low-frequency grid, then page X, and the report
// closed whole.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

using brevant::testing::pages_of;
using brevant::testing::row_lines;

// The lines after the first line starting " (rad/sec)" and the empty line after it, up to an empty line.
std::vector<std::string> table_rows(const std::string& page) { return row_lines(page, "\n (rad/sec)"); }

TEST(AttackAngleSpectraRun, ShipCaseEndsWithTheSeriesThenPageX) {
    testing::ScratchDir dir;
    write_ship_case();
    std::uint32_t flags = 0;
    for (int b : {9, 23, 24, 25, 27}) flags |= 1u << (b - 1);
    edit_on_disk({{180, flags},               // BRVFLG
                  {179, 2u},                  // NUMBRV
                  {498, real_word(60.0f)},    // BRV_PD_MIN
                  {489, real_word(0.01f)}});  // BRVFRQ_DELTA
    // Nothing after the start letter: a read after it would meet the end of the input.
    const ProgramResult r = run_brevant("E\n");
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_EQ(r.err, "");
    const std::string report = file_bytes("BREVOUT.stxt");
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.back(), '\n');

    const std::vector<std::string> pages = pages_of(report);
    std::vector<std::string> series;
    for (const std::string& page : pages) {
        const std::string title = page.substr(0, page.find('\n'));
        if (title.find("VIIs.") != std::string::npos || title.find("VIIq.") != std::string::npos ||
            title.find("VIIr.") != std::string::npos) {
            series.push_back(page);
        }
    }
    const std::vector<std::string> order = {"VIIs. Spectral Values: Wave Reflection", "VIIq. Spectral Values: Wind",
                                            "VIIr. Spectral Values: Current", "VIIr. Summed Spectral Values"};
    ASSERT_EQ(series.size(), 2 * order.size()) << report;
    for (std::size_t i = 0; i < series.size(); ++i) {
        EXPECT_NE(series[i].substr(0, series[i].find('\n')).find(order[i % order.size()]), std::string::npos) << i;
        const std::vector<std::string> rows = table_rows(series[i]);
        ASSERT_EQ(rows.size(), 10u) << series[i];
        EXPECT_EQ(rows[0].substr(0, 20), "  .0000     Infinity");
        EXPECT_EQ(rows[9].substr(1, 6), " .0900");
    }
    // No wave absorption or swell page: bit 10 is clear and the case has no swell.
    EXPECT_EQ(report.find("Absorption Forces & Moment*"), std::string::npos);

    // Page X is the last page, one row per attack angle.
    const std::string& last = pages.back();
    EXPECT_NE(last.find("X. Environmental Force & Moment Summary"), std::string::npos) << last;
    const std::size_t head = last.find("\n  (deg)   (m.ton)");
    ASSERT_NE(head, std::string::npos) << last;
    std::istringstream x(last.substr(last.find("\n\n", head + 1) + 2));
    std::vector<std::string> x_rows;
    for (std::string line; std::getline(x, line) && !line.empty();) x_rows.push_back(line);
    ASSERT_EQ(x_rows.size(), 2u) << last;
    EXPECT_EQ(x_rows[0].substr(0, 7), "  360.0");
    EXPECT_EQ(report.find("VIIr. Summed", report.find("X. Environmental Force & Moment Summary")), std::string::npos);
    EXPECT_EQ(report.find("NaN"), std::string::npos);
    EXPECT_EQ(report.find("nan"), std::string::npos);
}

}  // namespace
}  // namespace brevant::e2e
