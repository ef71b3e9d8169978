// Section II on a whole run in the process, deep water, drift type 4: the distributions integrate to
// the mean forces of section III, the page layout with the sea, the swell or both, page IIb's
// headings, and one console pause per attack angle.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "core/drift_coefficient_pages.h"
#include "core/force_distribution_page.h"
#include "core/run_values.h"
#include "deep_box_case.h"
#include "lowlib/drift_forces.h"
#include "numeric/grid_integrals.h"

namespace brevant {
namespace {

using testing::bits;
using testing::pages_of;
using testing::table_rows;

constexpr const char* kTitleIIa =
    "   ********    IIa. Mean Reflection Force Frequency Distribution     ********\n";
constexpr const char* kTitleIIb =
    "   ********    IIb. Mean Absorption Force Frequency Distribution     ********\n";
constexpr const char* kUnitsLine = "\n (sec)    <-- (m.ton*sec) -->   (ton-m.*sec)\n";

class ForceDistributionPages : public testing::DeepBoxRun {};

// A Gaussian swell of 2 m and 7 s from 180 degrees.
void add_swell() {
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 0;
    TPCM.SWELHT = 2.0f;
    TPCM.SWELPD = 7.0f;
    TPCM.SWLWID = 0.1f;
    TPCM.SWLHDG = 180.0f;
}

Real simpson(const FArray<Real, 100>& f) {
    Real var = 0.0f, vardot = 0.0f;
    SMPINT(&f(1), var, vardot);
    return var;
}

// A printed E10.3 value against the unrounded one: three significant digits.
void expect_printed(double printed, float value) {
    EXPECT_NEAR(printed, static_cast<double>(value), 0.0051 * std::fabs(static_cast<double>(value)) + 1e-30);
}

TEST_F(ForceDistributionPages, DistributionsIntegrateToTheMeanForcesOfSectionIII) {
    testing::add_sea();
    TPCM.VESAN0 = 0.0f;
    TPCM.BRVINC = 30.0f;
    TPCM.NUMBRV = 3;
    TPCM.BRVARM = 0.0f;
    TPCM.BRVFLG = bits({2, 3});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 4u);
    const std::vector<std::vector<double>> mean = table_rows(pages[3], "  (deg)");
    ASSERT_EQ(mean.size(), 3u) << pages[3];
    for (Int I = 1; I <= 3; ++I) {
        SCOPED_TRACE(I);
        const std::string& page = pages[static_cast<std::size_t>(I - 1)];
        EXPECT_EQ(page.substr(0, page.find('\n') + 1), kTitleIIa);
        const Real RELANG = static_cast<Real>(I - 1) * 30.0f / 57.295776f;
        (void)drift_page_setup(RELANG);
        const ForceDistribution D = mean_force_distribution(RELANG);
        Real WC = 0.0f;
        const Real FX = WAVCOM.BOWCF * DRIFTF(0, 1, RELANG, &WAVCOM.WPSD(1), WC, 0, 1);
        const Real FY = WAVCOM.BEAMCF * DRIFTF(0, 2, RELANG, &WAVCOM.WPSD(1), WC, 0, 1);
        const Real MZ = WAVCOM.BEAMCF * TPCM.LWL * DRIFTF(0, 3, RELANG, &WAVCOM.WPSD(1), WC, 0, 1);
        EXPECT_FLOAT_EQ(simpson(D.XPSD1), FX);
        EXPECT_FLOAT_EQ(simpson(D.YPSD1) + 1.0f, FY + 1.0f);  // zero head-on
        EXPECT_FLOAT_EQ(simpson(D.ZPSD1) + 1.0f, MZ + 1.0f);  // drift type 4 has no moment
        // And the printed IIIa row of that angle (F-format rounding).
        const std::vector<double>& row = mean[static_cast<std::size_t>(I - 1)];
        ASSERT_EQ(row.size(), 4u);
        EXPECT_NEAR(row[1], static_cast<double>(simpson(D.XPSD1)), 0.01);
        EXPECT_NEAR(row[2], static_cast<double>(simpson(D.YPSD1)), 0.01);
        // Every row of the page holds the period and the three sea values, unrounded here.
        const std::vector<std::vector<double>> rows = table_rows(page, kUnitsLine);
        ASSERT_EQ(rows.size(), 17u) << page;
        for (Int IW = 1; IW <= 17; ++IW) {
            const std::vector<double>& r = rows[static_cast<std::size_t>(IW - 1)];
            ASSERT_EQ(r.size(), 4u);
            EXPECT_NEAR(r[0], static_cast<double>(TPCM.T(IW)), 1e-9);
            expect_printed(r[1], D.XPSD1(IW));
            expect_printed(r[2], D.YPSD1(IW));
            expect_printed(r[3], D.ZPSD1(IW));
        }
    }
    // Sea only: the single header and the layout of a row.
    const std::string& page = pages[1];
    EXPECT_NE(page.find("\n\n  Wave   --------    Wave  Data    --------\n Period    S(Fx)       S(Fy)        S(Mz)\n" +
                        std::string(kUnitsLine + 1) + "\n"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("\n >>> NOTE: Moments in this table are computed about the center of gravity\n"),
              std::string::npos);
    EXPECT_NE(page.find("\n                   Wave force model: Buoy or round ship"), std::string::npos) << page;
    const std::regex row(R"( [ 0-9]\d\.\d\d  ([ -]0\.\d{3}E[+-]\d\d  ){3})");
    std::size_t matched = 0;
    for (const std::string& line : testing::lines_of(page)) {
        if (std::regex_match(line, row)) ++matched;
    }
    EXPECT_EQ(matched, 17u) << page;
    EXPECT_NE(page.find("\n  9.00  -0."), std::string::npos);
}

TEST_F(ForceDistributionPages, SeaAndSwellGiveSixValuesSeaFirstAndTheSwellAloneItsOwnSpectrum) {
    struct Case {
        bool sea, swell;
        const char* header;
        std::size_t values;
    };
    const Case cases[] = {
        {true, true,
         "\n\n  Wave   --------    Wave Data    --------   --------   Swell Data   --------\n"
         " Period    S(Fx)       S(Fy)      S(Mz)       S(Fx)       S(Fy)       S(Mz)\n"
         " (sec)    <--- m.ton*sec --->  (ton-m.*sec)  <--- m.ton*sec --->   (ton-m.*sec)\n\n",
         7},
        {false, true,
         "\n\n  Wave   --------    Swell Data    --------\n Period    S(Fx)       S(Fy)        S(Mz)\n", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values);
        testing::reset_run_state();
        testing::store_deep_box_case();
        if (c.sea) testing::add_sea();
        if (c.swell) add_swell();
        TPCM.BRVFLG = bits({2});
        const std::vector<std::string> pages = run();
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NE(pages[0].find(c.header), std::string::npos) << pages[0];
        const Real RELANG = 120.0f / 57.295776f;
        (void)drift_page_setup(RELANG);
        const ForceDistribution D = mean_force_distribution(RELANG);
        const std::vector<std::vector<double>> rows = table_rows(pages[0], " (sec)    <--");
        ASSERT_EQ(rows.size(), 17u);
        bool swell_seen = false;
        for (Int IW = 1; IW <= 17; ++IW) {
            const std::vector<double>& r = rows[static_cast<std::size_t>(IW - 1)];
            ASSERT_EQ(r.size(), c.values);
            std::size_t k = 1;
            if (c.sea) {
                expect_printed(r[k++], D.XPSD1(IW));
                expect_printed(r[k++], D.YPSD1(IW));
                expect_printed(r[k++], D.ZPSD1(IW));
            }
            expect_printed(r[k++], D.XPSD2(IW));
            expect_printed(r[k], D.YPSD2(IW));
            // The swell columns follow the swell spectrum, zero where it is.
            if (WAVCOM.SWLPSD(IW) == 0.0f) {
                EXPECT_EQ(r[k], 0.0);
            } else {
                swell_seen = true;
                EXPECT_NE(r[k], 0.0);
            }
        }
        EXPECT_TRUE(swell_seen);
    }
}

TEST_F(ForceDistributionPages, PageIIbWritesItsHeadingsAndNoRows) {
    testing::add_sea();
    TPCM.BRVFLG = bits({12});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_EQ(page.substr(0, page.find('\n') + 1), kTitleIIb);
    EXPECT_EQ(page.find("Wave force model"), std::string::npos);
    EXPECT_NE(page.find(kUnitsLine), std::string::npos);
    EXPECT_TRUE(table_rows(page, kUnitsLine).empty()) << page;
    EXPECT_NE(silent().find(
                  "\n >>> Computing irregular wave reflection force/moment frequency distribution...\n"),
              std::string::npos);
}

TEST_F(ForceDistributionPages, NothingWithoutItsBitsAndOnTheConsoleOnePausePerAngle) {
    testing::add_sea();
    TPCM.BRVFLG = bits({1});
    EXPECT_EQ(run().size(), 1u);
    EXPECT_EQ(silent().find("frequency distribution"), std::string::npos);

    const auto pauses = [&](Int flags) {
        testing::reset_run_state();
        testing::store_deep_box_case();
        testing::add_sea();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.IUNIT = SCREEN_UNIT;
        TPCM.NUMBRV = 2;
        TPCM.BRVINC = 90.0f;
        TPCM.BRVFLG = flags;
        clear_captured(SCREEN_UNIT);
        answers(std::string(20, '\n'));
        BRVCOR();
        return testing::count_of(screen(), "Press <RETURN>");
    };
    const std::size_t without = pauses(0);
    EXPECT_EQ(pauses(bits({2})), without + 2);
    const std::string out = screen();
    // The first angle's pause comes between its page and the second angle's.
    const std::size_t first = out.find("IIa. Mean Reflection");
    ASSERT_NE(first, std::string::npos);
    const std::size_t second = out.find("IIa. Mean Reflection", first + 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_NE(out.substr(first, second - first).find("Press <RETURN>"), std::string::npos);
    EXPECT_NE(out.substr(second).find("Attack Angle Relative to Vessel =   210.00 degrees"), std::string::npos);
}

}  // namespace
}  // namespace brevant
