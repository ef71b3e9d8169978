// Whole runs with the wave drift and wave force pages: the ship case with pages Ia, IIIa and IVa in
// report order, and member-built hulls whose absorption pages stay finite where the drag scale is
// zero or a wave system is off.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

using brevant::testing::lines_of;
using brevant::testing::pages_of;
using brevant::testing::table_rows;
using brevant::testing::title_of;

// Nothing that did not compute and no field too narrow for its value: runs of asterisks appear only
// in the page titles, which begin with three blanks and such a run (the notes hold single ones).
void expect_clean(const std::string& report) {
    EXPECT_EQ(report.find("NaN"), std::string::npos);
    EXPECT_EQ(report.find("nan"), std::string::npos);
    EXPECT_EQ(report.find("Inf"), std::string::npos);
    for (const std::string& line : lines_of(report)) {
        if (line.find("**") != std::string::npos && line.rfind("   **", 0) != 0) {
            ADD_FAILURE() << "a field of asterisks: " << line;
        }
    }
}

const char* const kTitleIa = "   *********  Ia. Dimensionless Regular Wave Reflection Coefficients  *********";
const char* const kTitleIb = "   *********  Ib. Dimensionless Regular Wave Absorption Coefficients  *********";
const char* const kTitleIIIa = "   **************  IIIa. Mean Wave Reflection Forces & Moments   *************";
const char* const kTitleIIIb = "   **************  IIIb. Mean Wave Absorption Forces & Moments   *************";
const char* const kTitleIVa = "   **  IVa. \"Low-Frequency\" Wave Reflection Force & Moment Spectral Densities  **";
const char* const kTitleIVb = "   **  IVb. \"Low-Frequency\" Wave Absorption Force & Moment Spectral Densities  **";

TEST(WaveDriftRun, ShipCaseWritesIaThenIIIaThenIVa) {
    testing::ScratchDir dir;
    write_ship_case();
    edit_on_disk({{787, 0x444u},                  // LWVCOF: drift fields 4, 4, 4
                  {180, 1u | 4u | 8u},            // BRVFLG bits 1, 3, 4
                  {179, 3u}});                    // NUMBRV
    // Drift type 4 is not the usual ship model: the warning's pause, then the end-of-session page,
    // where the run is asked for again.
    const ProgramResult r = run_brevant("E\n\n3\n");
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_NE(r.out.find("\n\n >>> Computing dimensionless regular wave reflection force/moment coefficients...\n\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("\n\n >>> Computing mean wave Reflection forces and moments...\n\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n\n >>> Computing \"low-frequency\" variable Reflection force spectral densities...\n\n"),
              std::string::npos);

    const std::string report = file_bytes("BREVOUT.stxt");
    const std::vector<std::string> pages = pages_of(report);
    ASSERT_EQ(pages.size(), 6u) << report;
    for (int k = 1; k <= 3; ++k) {
        const std::string& page = pages[static_cast<std::size_t>(k)];
        EXPECT_EQ(title_of(page), kTitleIa);
        const std::vector<std::vector<double>> rows = table_rows(page, " (sec)    (rad/sec)");
        ASSERT_EQ(rows.size(), 31u) << page;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].size(), 7u);
            EXPECT_NEAR(rows[i][0], 5.0 + 0.5 * static_cast<double>(i), 1e-9);
        }
    }
    EXPECT_NE(pages[2].find("Attack Angle Relative to Vessel =    15.00 degrees"), std::string::npos);
    EXPECT_EQ(title_of(pages[4]), kTitleIIIa);
    EXPECT_EQ(title_of(pages[5]), kTitleIVa);
    const std::vector<std::vector<double>> mean = table_rows(pages[4], "  (deg)");
    const std::vector<std::vector<double>> density = table_rows(pages[5], "  (deg)");
    ASSERT_EQ(mean.size(), 3u) << pages[4];
    ASSERT_EQ(density.size(), 3u) << pages[5];
    for (std::size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(mean[i].size(), 4u);
        ASSERT_EQ(density[i].size(), 4u);
        EXPECT_EQ(mean[i][0], 15.0 * static_cast<double>(i));
        EXPECT_EQ(density[i][0], 15.0 * static_cast<double>(i));
        EXPECT_LT(mean[i][1], 0.0);  // the sea pushes the vessel astern
        EXPECT_GT(density[i][1], 0.0);
    }
    expect_clean(report);
}

// Two columns of radius 4 at y = +-20 on the keel, 40 m high (TOP), draft 25, drag coefficient 1,
// metric, in 200 m of water, a Mean JONSWAP sea of 4 m and 10 s, two attack angles.
void write_member_hull(float top, std::uint32_t flags) {
    std::vector<std::pair<int, std::uint32_t>> w = {
        {117, 1u},                     // NUNTS metric
        {446, real_word(200.0f)},      // DEPTH
        {447, real_word(1025.0f)},     // DWATR
        {777, 3u},                     // VESTYP semi-submersible
        {791, 1u},                     // SEMI_LIKE
        {787, 0x777u},                 // LWVCOF semi/TLP drift in all three fields
        {3661, 2u},                    // NCYL
        {144, 1u},                     // NOWARN
        {104, 1u},                     // NEGSUM
        {109, 1u},                     // IUNIT
        {180, flags},                  // BRVFLG
        {179, 2u},                     // NUMBRV
        {1438, real_word(0.0f)},       // VESAN0
        {472, real_word(45.0f)},       // BRVINC
        {172, 1u},                     // LRANDM
        {164, 2u},                     // WAVTYP Mean JONSWAP
        {430, real_word(4.0f)},        // SWHT(1)
        {436, real_word(10.0f)},       // SIGPD(1)
        {714, real_word(180.0f)},      // SEAHDG(1)
        {174, 0u},                     // LSWELL
        {1409, real_word(2576.1f)},    // DISPL
        {1410, real_word(12.5f)},      // VKB
        {1411, real_word(8.0f)},       // VKG
        {1412, real_word(25.0f)},      // DRAFT
        {1413, real_word(100.53096f)}, // AWP
        {1417, real_word(28.66f)},     // VKMT
        {1418, real_word(12.66f)},     // VKML
        {1419, real_word(16.0f)},      // LWL
        {1420, real_word(16.0f)},      // BWL
        {448, real_word(4.0f / 1.4142135f)},  // SLPHT, the sea's height / sqrt 2
    };
    for (int i = 1; i <= 2; ++i) {
        const float y = i == 1 ? 20.0f : -20.0f;
        // Free base on the keel, piercing top (or not), along z, typed coefficients.
        push_member(w, i,
                    {{0.0f, y, 0.0f}, {0.0f, y, top}, {8.0f, 8.0f, top}, 0u, top > 25.0f ? 1u : 0u, 3u, 0u, 50.265482f,
                     {1.0f, 1.0f, 0.0f}, {1.0f, 1.0f, 0.0f}});
    }
    edit_on_disk(w);
}

constexpr std::uint32_t kBits11_13_14 = (1u << 10) | (1u << 12) | (1u << 13);

TEST(WaveDriftRun, MemberHullWithTheSeaOnlyGivesFiniteAbsorptionPages) {
    struct Case {
        const char* what;
        float top;
        std::uint32_t legdrg;
        bool zero_scale;
        const char* answers;  // the no-piercing warning's pause, then the run asked for again
    };
    const Case cases[] = {{"piercing columns", 40.0f, 0u, false, "E\n"},
                          {"wave drag excluded", 40.0f, 1u, true, "E\n"},
                          {"no piercing member", 20.0f, 0u, true, "E\n\n3\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        create_case();
        make_runnable();
        write_member_hull(c.top, kBits11_13_14);
        edit_on_disk({{186, c.legdrg}});  // LEGDRG
        const ProgramResult r = run_brevant(c.answers + std::string(40, '\n'));
        ASSERT_EQ(r.status, 0) << r.err << r.out;
        const std::string report = file_bytes("BREVOUT.stxt");
        const std::vector<std::string> pages = pages_of(report);
        ASSERT_EQ(pages.size(), 5u) << report;  // title, Ib twice, IIIb, IVb
        EXPECT_EQ(title_of(pages[1]), kTitleIb);
        EXPECT_EQ(title_of(pages[2]), kTitleIb);
        EXPECT_EQ(title_of(pages[3]), kTitleIIIb);
        EXPECT_EQ(title_of(pages[4]), kTitleIVb);
        for (int k = 1; k <= 2; ++k) {
            const std::vector<std::vector<double>> rows = table_rows(pages[static_cast<std::size_t>(k)], " (sec)");
            ASSERT_FALSE(rows.empty());
            bool any = false;
            for (const std::vector<double>& row : rows) {
                ASSERT_EQ(row.size(), 7u);
                any = any || row[4] != 0.0 || row[5] != 0.0;
                EXPECT_EQ(row[6], 0.0);  // no yaw coefficient for members
            }
            EXPECT_EQ(any, !c.zero_scale);
        }
        if (c.zero_scale) {
            EXPECT_NE(pages[1].find("      .00000      .00000      .00000\n"), std::string::npos);
        }
        EXPECT_EQ(table_rows(pages[3], "  (deg)").size(), 2u);
        EXPECT_EQ(table_rows(pages[4], "  (deg)").size(), 2u);
        expect_clean(report);
    }
}

}  // namespace
}  // namespace brevant::e2e
