// A whole analysis run of the ship case asking for sections V, VI, VII and the net force spectra of
// section IX, with the report on disk: the sections in the run's order, one row per attack angle,
// the cylinder's closed-form coefficients, nothing that did not compute or did not fit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

using brevant::testing::lines_of;
using brevant::testing::numbers;
using brevant::testing::pages_of;
using brevant::testing::title_of;

// The rows of a table: the lines after its "  (deg)" header line and the blank line.
std::vector<std::string> rows_after(const std::string& page, const std::string& head) {
    std::vector<std::string> rows;
    const std::vector<std::string> lines = lines_of(page);
    std::size_t i = 0;
    while (i < lines.size() && lines[i].rfind(head, 0) != 0) ++i;
    for (i += 2; i < lines.size() && !lines[i].empty(); ++i) rows.push_back(lines[i]);
    return rows;
}

constexpr const char* kTitleV = "   **********   V. Dimensionless Wind and Current Coefficients   ************";
constexpr const char* kTitleVI = "   ************   VI. Mean Wind and Current Forces & Moments   ***********";
constexpr const char* kTitleVII = "  ***  VII. \"Low-Frequency\" Wind/Current Force & Moment Spectral Densities  ***";
constexpr const char* kTitleIXs =
    "   ******************  IX. Net Environmental Force & Moment Spectra   ******************";

TEST(WindCurrentPagesRun, ShipCaseWritesSectionsVToVIIAndTheNetForceSpectra) {
    testing::ScratchDir dir;
    write_ship_case();
    unsigned flags = 0;
    for (int b : {17, 18, 19, 20, 21, 22, 27}) flags |= 1u << (b - 1);
    edit_on_disk({{180, flags},               // BRVFLG
                  {1354, real_word(12.0f)},   // XWARM
                  {1356, real_word(-3.0f)},   // YWARM
                  {1358, real_word(0.0f)},    // XCARM
                  {1360, real_word(6.0f)},    // YCARM
                  {1362, real_word(1.0f)},    // WNDFAC
                  {1363, real_word(1.0f)},    // CURFAC
                  {165, 2},                   // WNDTYP constant
                  {166, 1},                   // CURTYP constant
                  {473, real_word(0.05f)}});  // BRVFRQ
    const ProgramResult r = run_brevant("E\n");
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_EQ(r.err, "");
    const std::string report = file_bytes("BREVOUT.stxt");
    const std::vector<std::string> pages = pages_of(report);
    // The title page, V, VI, VII, the page start that closes VII, the three spectra pages, and the
    // page start of the spectra by attack angle (no table of theirs asked for).
    ASSERT_EQ(pages.size(), 9u) << report;
    EXPECT_EQ(pages[8], "");
    EXPECT_EQ(title_of(pages[1]), kTitleV);
    EXPECT_EQ(title_of(pages[2]), kTitleVI);
    EXPECT_EQ(title_of(pages[3]), kTitleVII);
    EXPECT_EQ(pages[4], "");
    for (std::size_t p = 5; p < 8; ++p) EXPECT_EQ(title_of(pages[p]), kTitleIXs) << p;

    // V: -cos, -sin, (x-arm cos - y-arm sin) / L of the cylinders, attack angles 0, 15, ..., 180.
    const std::vector<std::string> v = rows_after(pages[1], "  (deg)");
    ASSERT_EQ(v.size(), 13u) << pages[1];
    for (std::size_t i = 0; i < v.size(); ++i) {
        const double a = 15.0 * static_cast<double>(i) * M_PI / 180.0;
        const std::vector<double> c = numbers(v[i]);
        ASSERT_EQ(c.size(), 7u) << v[i];
        EXPECT_NEAR(c[1], -std::cos(a), 6e-6) << v[i];
        EXPECT_NEAR(c[2], -std::sin(a), 6e-6) << v[i];
        EXPECT_NEAR(c[3], (12.0 * std::cos(a) + 3.0 * std::sin(a)) / 150.0, 6e-6) << v[i];
        EXPECT_NEAR(c[4], -std::cos(a), 6e-6) << v[i];
        EXPECT_NEAR(c[5], -std::sin(a), 6e-6) << v[i];
        EXPECT_NEAR(c[6], (0.0 * std::cos(a) - 6.0 * std::sin(a)) / 150.0, 6e-6) << v[i];
    }
    // The six-column headers of VI and VII.
    for (const std::string& line :
         {std::string("             --------    Wind    --------        ---------  Current  --------"),
          std::string(" Angle of     Fx          Fy          Mz          Fx          Fy          Mz"),
          std::string("  Attack    ( m.ton)    ( m.ton)    (ton-m.)    ( m.ton)    ( m.ton)    (ton-m.)")}) {
        EXPECT_NE(pages[2].find("\n" + line + "\n"), std::string::npos) << line << "\n" << pages[2];
    }
    for (const std::string& line :
         {std::string("           --------   Wind Data   --------     -------   Current Data   ------"),
          std::string(" Angle of    SFx         SFy        SMz          SFx         SFy        SMz"),
          std::string("  Attack  <-- [m.ton]^2*s -->   [ton-m.]^2*s  <-- [m.ton]^2*s -->  [ton-m.]^2*s")}) {
        EXPECT_NE(pages[3].find("\n" + line + "\n"), std::string::npos) << line << "\n" << pages[3];
    }
    EXPECT_EQ(rows_after(pages[2], "  (deg)").size(), 13u);
    EXPECT_EQ(rows_after(pages[3], "  (deg)").size(), 13u);
    for (std::size_t p = 5; p < 8; ++p) {
        const std::vector<std::string> rows = rows_after(pages[p], "  (deg)   Reflection");
        ASSERT_EQ(rows.size(), 13u) << pages[p];
        for (const std::string& row : rows) EXPECT_EQ(numbers(row).size(), 9u) << row;
    }
    // Nothing that did not compute or did not fit.
    for (const char* bad : {"NaN", "nan", "Inf"}) EXPECT_EQ(report.find(bad), std::string::npos) << bad;
    for (const std::string& line : lines_of(report)) {
        if (line != kTitleV && line != kTitleVI && line != kTitleVII && line != kTitleIXs) {
            EXPECT_EQ(line.find("**"), std::string::npos) << line;
        }
    }
}

}  // namespace
}  // namespace brevant::e2e
