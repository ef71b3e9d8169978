// The built program on the ship case with sections II, III, VIII, VIIIp and VIIp asked for: every
// page in the run's order, with its rows, nothing that did not compute.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

using brevant::testing::lines_of;
using brevant::testing::pages_of;
using brevant::testing::row_lines;
using brevant::testing::title_of;

TEST(SpectrumPagesRun, ShipCaseWritesSectionsIIThenVIIpThenVIIIThenVIIIp) {
    testing::ScratchDir dir;
    write_ship_case();
    const std::uint32_t flags = (1u << 1) | (1u << 2) | (1u << 4) | (1u << 6) | (1u << 14) | (1u << 15);
    edit_on_disk({{180, flags},                 // BRVFLG bits 2, 3, 5, 7, 15, 16
                  {179, 3u},                    // NUMBRV
                  {498, real_word(60.0f)},      // BRV_PD_MIN
                  {489, real_word(0.01f)}});    // BRVFRQ_DELTA
    const ProgramResult r = run_brevant("E\n");
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_NE(r.out.find("\n\n >>> Computing irregular wave reflection force/moment frequency distribution...\n\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("\n\n >>> Computing requested wave spectra...\n\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n\n >>> Computing requested group spectra...\n\n"), std::string::npos);

    const std::string report = file_bytes("BREVOUT.stxt");
    const std::vector<std::string> pages = pages_of(report);
    ASSERT_GE(pages.size(), 8u) << report;
    // Title page, IIa per angle, IIIa, VIIp, VIII, VIIIp, then the net-force pages.
    for (std::size_t k = 1; k <= 3; ++k) {
        const std::string& page = pages[k];
        EXPECT_NE(title_of(page).find("IIa. Mean Reflection Force Frequency Distribution"), std::string::npos) << k;
        const std::vector<std::string> rows = row_lines(page, " (sec)    <--");
        ASSERT_EQ(rows.size(), 31u) << page;
        for (const std::string& row : rows) EXPECT_EQ(row.size(), 44u) << row;
    }
    EXPECT_NE(pages[2].find("Attack Angle Relative to Vessel =    15.00 degrees"), std::string::npos);
    EXPECT_NE(title_of(pages[4]).find("IIIa. Mean Wave Reflection"), std::string::npos);

    EXPECT_NE(title_of(pages[5]).find("VIIp. Spectral Values: Wind Speed and Current Speed"), std::string::npos);
    EXPECT_NE(pages[5].find(" (rad/sec)    (Sec)          (m.)          (m.)     < (m./sec)^2/(rad/sec) >"),
              std::string::npos)
        << pages[5];
    const std::vector<std::string> speed = row_lines(pages[5], " (rad/sec)");
    ASSERT_EQ(speed.size(), 10u);
    EXPECT_EQ(speed[0].substr(0, 20), "  .0000     Infinity");

    EXPECT_NE(title_of(pages[6]).find("VIII. Irregular Wave Spectral Values"), std::string::npos);
    EXPECT_EQ(row_lines(pages[6], "     (Sec)").size(), 31u) << pages[6];

    EXPECT_NE(title_of(pages[7]).find("VIIIp. Irregular Wave Group Spectral Values"), std::string::npos);
    EXPECT_EQ(row_lines(pages[7], " (rad/sec)").size(), 10u) << pages[7];

    EXPECT_EQ(report.find("NaN"), std::string::npos);
    EXPECT_EQ(report.find("nan"), std::string::npos);
    // Runs of asterisks appear only in the page titles, which begin with three blanks and such a run.
    for (const std::string& line : lines_of(report)) {
        if (line.find("**") != std::string::npos && line.rfind("   **", 0) != 0) {
            ADD_FAILURE() << "a field of asterisks: " << line;
        }
    }
}

}  // namespace
}  // namespace brevant::e2e
