// The spectra by attack angle on whole runs in the process: the rows on the low-frequency grid, the
// wind page against the closed form of a cylinder in a constant-density wind, the zero-speed limit,
// the refused grids and environments, the summed page as the sum of the sources, the order of the
// pages and the console pauses, the gate of bit 27.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>
#include <string>
#include <vector>

#include "core/analysis_core.h"
#include "core/attack_angle_spectra.h"
#include "core/run_values.h"
#include "deep_box_case.h"
#include "sysutl/program_end.h"

namespace brevant {
namespace {

using testing::bits;
using testing::field;
using testing::lines_of;
using testing::pages_of;
using testing::row_lines;
using testing::title_of;

constexpr const char* kPause = " \n Press <RETURN> to continue: ";

// The table lines of a page: those after the line starting " (rad/sec)" and its empty line.
std::vector<std::string> rows_of(const std::string& page) { return row_lines(page, "\n (rad/sec)"); }

// The pages whose title holds WHAT, in report order.
std::vector<std::string> titled(const std::vector<std::string>& pages, const std::string& what) {
    std::vector<std::string> out;
    for (const std::string& page : pages) {
        if (title_of(page).find(what) != std::string::npos) out.push_back(page);
    }
    return out;
}

class AttackAngleSpectra : public testing::DeepBoxRun {
protected:
    // English units, a 40-knot wind of constant spectral density 3 on the cylinder model (YWNDAR
    // 12000 ft^2, no levers), attack angle 90 degrees.
    static void constant_wind() {
        Tpcm& P = TPCM;
        P.NUNTS = 0;
        P.DWATR = 64.0f;
        P.DISPL = testing::kBoxL * testing::kBoxB * testing::kBoxT * 64.0f / 1000.0f;
        P.LWIND = 1;
        P.WNDSPD = 40.0f;
        P.WNDFAC = 1.0f;
        P.WNDHDG = 180.0f;
        P.WNDTYP = 2;
        P.WNDDEN = 3.0f;
        P.LWBARG = 0x555;
        P.XWNDAR = 4000.0f;
        P.YWNDAR = 12000.0f;
        P.XWARM = 0.0f;
        P.YWARM = 0.0f;
        P.LWL = 600.0f;
        P.VESAN0 = 90.0f;
        P.NUMBRV = 1;
    }
    // Sea, swell, wind and current all on (metric box), two attack angles.
    static void every_source() {
        Tpcm& P = TPCM;
        testing::add_sea();
        P.LSWELL = 1;
        P.SWLTYP = 0;
        P.SWELHT = 2.0f;
        P.SWELPD = 10.0f;
        P.SWLHDG = 150.0f;
        P.SWLWID = 1.0f;
        P.LWIND = 1;
        P.WNDSPD = 30.0f;
        P.WNDFAC = 1.0f;
        P.WNDHDG = 200.0f;
        P.WNDTYP = 1;
        P.LWBARG = 0x555;
        P.XWNDAR = 400.0f;
        P.YWNDAR = 2000.0f;
        P.LCURNT = 1;
        P.CURSPD = 2.0f;
        P.CURFAC = 1.0f;
        P.CURHDG = 170.0f;
        P.CURTYP = 3;
        P.CURDEN = 0.5f;
        P.LCBARG = 0x777;
        P.XCURAR = 200.0f;
        P.YCURAR = 900.0f;
        P.VWDFAC = 1.0f;
        P.VESAN0 = 30.0f;
        P.BRVINC = 45.0f;
        P.NUMBRV = 2;
        P.BRV_PD_MIN() = 40.0f;
        P.BRVFRQ_DELTA = 0.01f;
    }
};

TEST_F(AttackAngleSpectra, WindRowsFollowTheClosedFormOnTheWholeGrid) {
    constant_wind();
    TPCM.BRV_PD_MIN() = 30.0f;
    TPCM.BRVFRQ_DELTA = 0.002f;
    TPCM.BRVFLG = bits({24, 27});
    const std::vector<std::string> pages = run();
    const std::vector<std::string> wind = titled(pages, "VIIq. Spectral Values: Wind Forces & Moment");
    const std::vector<std::string> sum = titled(pages, "VIIr. Summed Spectral Values; All Environments");
    ASSERT_EQ(wind.size(), 1u);
    ASSERT_EQ(sum.size(), 1u);
    EXPECT_NE(wind[0].find("\n            Bow-relative Wind attack angle =  90.00 Degrees\n\n"
                           "     Wind Spectral Type -- User Specified\n"),
              std::string::npos)
        << wind[0];
    EXPECT_NE(wind[0].find("\n\n                         InterGroup\n"
                           " Frequency    Period      Spacing        S(Fx)        S(Fy)         S(Mz)\n"
                           " (rad/sec)    (Sec)        (ft)       <-- Frc^2/(rad/sec) -->   Mom^2/(rad/sec)\n\n"),
              std::string::npos)
        << wind[0];
    const std::vector<std::string> rows = rows_of(wind[0]);
    const std::vector<std::string> summed = rows_of(sum[0]);
    // 2 pi / 0.06 = 104.7 rows, cut toward zero.
    ASSERT_EQ(rows.size(), 104u);
    ASSERT_EQ(summed.size(), 104u);
    EXPECT_EQ(rows[0].substr(0, 7), "  .0000");
    EXPECT_EQ(rows[0].substr(12, 8), "Infinity");
    EXPECT_EQ(rows[0].substr(26, 8), "Infinity");
    EXPECT_EQ(rows[103].substr(1, 6), " .2060");
    EXPECT_EQ(summed[0].substr(0, 20), "  .0000     Infinity");
    // SFy = 4 Fy^2 S / V^2 with Fy = 1/2 rho V^2 YWNDAR (kips) of the cylinder abeam; no surge load.
    const double V = 40.0 * 1.687;
    const double Fy = 0.5 * 0.0024356 * V * V / 1000.0 * 12000.0;
    const double SFy = 4.0 * Fy * Fy * 3.0 / (V * V);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 73u) << rows[i];
        EXPECT_EQ(rows[i].substr(38), rows[0].substr(38)) << i;
        EXPECT_NEAR(field(rows[i], 52, 9), SFy, 0.006 * SFy) << rows[i];
        EXPECT_LT(std::fabs(field(rows[i], 39, 9)), 1e-6 * SFy) << rows[i];
        // The summed page holds the wind alone.
        ASSERT_EQ(summed[i].size(), 58u) << summed[i];
        EXPECT_EQ(field(summed[i], 37, 9), field(rows[i], 52, 9)) << i;
        if (i > 0) {
            const double w = 0.002 * static_cast<double>(i);
            EXPECT_NEAR(field(rows[i], 13, 8), 2.0 * M_PI / w, 0.006);
            EXPECT_NEAR(field(rows[i], 24, 11), 2.0 * M_PI * V / w, 0.001 * 2.0 * M_PI * V / w + 0.006);
        }
    }
}

TEST_F(AttackAngleSpectra, WindAtRestGivesZeroDensitiesAndSums) {
    constant_wind();
    TPCM.WNDSPD = 0.0f;
    TPCM.BRV_PD_MIN() = 60.0f;
    TPCM.BRVFRQ_DELTA = 0.01f;
    TPCM.BRVFLG = bits({24, 27});
    const std::vector<std::string> pages = run();
    for (const char* what : {"VIIq.", "VIIr. Summed"}) {
        const std::vector<std::string> page = titled(pages, what);
        ASSERT_EQ(page.size(), 1u) << what;
        const std::vector<std::string> rows = rows_of(page[0]);
        ASSERT_EQ(rows.size(), 10u);
        for (const std::string& row : rows) {
            const std::size_t from = row.size() - 35;
            EXPECT_EQ(row.substr(from), std::string(" 0.00E+00     0.00E+00     0.00E+00").substr(0, 35)) << row;
        }
    }
}

// Beyond the 1000 rows of its sums the series writes its pages without rows, says its refusal once
// a run on standard output (one answer read, none in a silent run), printed or not, and the run goes
// on to the summary page and ends normally; the run never stops for the series' row count.
TEST_F(AttackAngleSpectra, TooManyRowsLeaveTheSeriesWithoutRowsAfterOneRefusal) {
    const std::string refusal =
        " +++> Max Freq Overflow in ANGSPEC...\n"
        "      Increase frequency interval for group spectral tables\n"
        "      Press any key + <Return> to continue...\n";
    struct Case {
        const char* what;
        void (*sources)();
        Int EDUNIT;
        Real PDMIN, DELTA;
        Int BRVFLG;
        // The report is on disk: the console waits for the refusal (and, with every source, first
        // for the warning of a natural period off the period list); "left" is never read.
        const char* answers;
        Int rows;           // 2 pi / (PDMIN x DELTA) cut toward zero
        std::size_t pages;  // pages of the series in the report
        bool refused;
    };
    const Case cases[] = {
        {"1005 rows: the wind page and the sum", constant_wind, SCREEN_UNIT, 25.0f, 0.00025f,
         bits({23, 24, 27}), "\nleft\n", 1005, 2, true},
        {"1005 rows: 14 pages of every source at two angles", every_source, SCREEN_UNIT, 25.0f, 0.00025f,
         bits({9, 10, 23, 24, 25, 27}), "\n\nleft\n", 1005, 14, true},
        {"a silent run of a count beyond the integer range", constant_wind, SILENT_UNIT, 1e-30f, 0.00025f,
         bits({23, 24, 27}), "left\n", 2147483520, 2, true},
        {"no page asked for: the wind computed unprinted", constant_wind, SCREEN_UNIT, 25.0f, 0.00025f,
         bits({23, 27}), "\nleft\n", 1005, 0, true},
        {"1000 rows are written", constant_wind, SCREEN_UNIT, 6.28f, 0.001f, bits({23, 24, 27}), "left\n", 1000, 2,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::reset_run_state();
        testing::store_deep_box_case();
        c.sources();
        TPCM.EDUNIT = c.EDUNIT;
        TPCM.BRV_PD_MIN() = c.PDMIN;
        TPCM.BRVFRQ_DELTA = c.DELTA;
        TPCM.BRVFLG = c.BRVFLG;
        // The row formula, independently.
        const float count = 6.2831855f / (c.PDMIN * c.DELTA);
        ASSERT_EQ(count < 2147483520.0f ? static_cast<Int>(count) : 2147483520, c.rows);
        clear_captured(SCREEN_UNIT);
        clear_captured(SILENT_UNIT);
        answers(c.answers);
        const std::vector<std::string> pages = run();  // ends normally: no program end is thrown
        // The refusal is on the console: the screen, or the file of a silent run.
        const std::string console = c.EDUNIT == SILENT_UNIT ? silent() : screen();
        EXPECT_EQ(testing::count_of(console, refusal), c.refused ? 1u : 0u) << console;
        if (c.EDUNIT == SILENT_UNIT) {
            EXPECT_EQ(screen(), "");
        }
        EXPECT_EQ(screen().find("Low-frequency spectral tables of more than"), std::string::npos);
        EXPECT_EQ(silent().find("Low-frequency spectral tables of more than"), std::string::npos);
        EXPECT_EQ(read_keyboard_line(KBD_UNIT), "left");
        std::size_t series = 0;
        for (const std::string& page : pages) {
            const std::string title = title_of(page);
            if (title.find("VIIq.") == std::string::npos && title.find("VIIr.") == std::string::npos &&
                title.find("VIIs.") == std::string::npos) {
                continue;
            }
            ++series;
            // Each page keeps its heading and its table heading.
            EXPECT_NE(page.find("\n (rad/sec)    (Sec)"), std::string::npos) << page;
            EXPECT_EQ(rows_of(page).size(), c.refused ? 0u : static_cast<std::size_t>(c.rows)) << title;
        }
        EXPECT_EQ(series, c.pages);
        // The run went on past the series to the summary page.
        ASSERT_FALSE(pages.empty());
        EXPECT_NE(title_of(pages.back()).find("X. Environmental Force & Moment Summary"), std::string::npos)
            << title_of(pages.back());
    }
}

// Called on its own, a table of more than 1000 rows is refused after its heading, printed or not,
// with its refusal said once until the series starts again, and adds nothing to the sums.
TEST_F(AttackAngleSpectra, TooManyRowsAreRefusedOnceWhetherOrNotThePageIsWritten) {
    constant_wind();
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.IUNIT = SCREEN_UNIT;
    TPCM.BRV_PD_MIN() = 25.0f;
    TPCM.BRVFRQ_DELTA = 0.00025f;  // 1005 rows
    const std::string refusal =
        " +++> Max Freq Overflow in ANGSPEC...\n      Increase frequency interval for group spectral tables\n"
        "      Press any key + <Return> to continue...\n";
    const RunValues R;
    bool FRSTIM = true;
    answers("first\nsecond\nleft\n");
    // Not printed: the refusal alone.
    ANGSPEC(R, 0.5f, 1, 1, "Heading", false, FRSTIM);
    EXPECT_EQ(screen(), refusal);
    clear_captured(SCREEN_UNIT);
    ANGSPEC(R, 0.5f, 1, 1, "Heading", true, FRSTIM);
    ANGSPEC(R, 0.5f, 7, 1, "Summed", true, FRSTIM);
    const std::string out = screen();
    EXPECT_EQ(out.find("Overflow"), std::string::npos) << out;
    EXPECT_TRUE(out.ends_with("<-- Frc^2/(rad/sec) -->   Mom^2/(rad/sec)\n\n")) << out;
    reset_angspec_row_refusal();
    clear_captured(SCREEN_UNIT);
    ANGSPEC(R, 0.5f, 1, 1, "Heading", true, FRSTIM);
    EXPECT_TRUE(screen().ends_with("<-- Frc^2/(rad/sec) -->   Mom^2/(rad/sec)\n\n" + refusal)) << screen();
    EXPECT_EQ(read_keyboard_line(KBD_UNIT), "left");
    // On a grid of 25 rows the sums of this angle are still the zeros they were cleared to.
    TPCM.BRVFRQ_DELTA = 0.01f;
    clear_captured(SCREEN_UNIT);
    ANGSPEC(R, 0.5f, 7, 1, "Summed", true, FRSTIM);
    const std::vector<std::string> sums = rows_of(screen());
    ASSERT_EQ(sums.size(), 25u) << screen();
    for (const std::string& row : sums) EXPECT_TRUE(row.ends_with("    0.00E+00     0.00E+00     0.00E+00")) << row;
}

TEST_F(AttackAngleSpectra, UnknownEnvironmentIsRefusedWithoutATable) {
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.IUNIT = SCREEN_UNIT;
    TPCM.BRV_PD_MIN() = 60.0f;
    TPCM.BRVFRQ_DELTA = 0.01f;
    const RunValues R;
    bool FRSTIM = true;
    answers("ignored\nnext\n");
    ANGSPEC(R, 0.5f, 8, 1, "Heading", false, FRSTIM);
    EXPECT_FALSE(FRSTIM);
    EXPECT_EQ(screen(), " +++> Unknown environment in ANGSPEC\n      Press any key + <Return> to continue...\n");
    EXPECT_EQ(read_keyboard_line(KBD_UNIT), "next");
}

// The sea's and the swell's summary values are computed on every call, the page written or not:
// where the wave-number search at the sea's or the swell's peak fails (a peak period of 0, whose
// frequency is infinite), the run ends with the search's message
// even when nothing is printed. A printed page holds its angle line then, and none of the lines
// that show the values. Each case fails only the summary of its own environment.
TEST_F(AttackAngleSpectra, SummaryValuesAreComputedPrintedOrNot) {
    struct Case {
        Int SPECTYP;
        bool LPRINT;
        const char* angle_line;
    };
    const Case cases[] = {{3, false, nullptr},
                          {4, false, nullptr},
                          {5, false, nullptr},
                          {6, false, nullptr},
                          {3, true, "            Bow-relative Wave attack angle =  30.00 Degrees\n\n"},
                          {6, true, "            Bow-relative Swell attack angle =  30.00 Degrees\n\n"}};
    const std::string failure =
        " >>> IER = 2 in WAVVEC; Please contact Velmora.\n     press any letter key + <RETURN> to continue...\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.SPECTYP) + (c.LPRINT ? " printed" : " not printed"));
        clear_captured(SCREEN_UNIT);
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.IUNIT = SCREEN_UNIT;
        TPCM.BRV_PD_MIN() = 60.0f;
        TPCM.BRVFRQ_DELTA = 0.01f;
        WAVCOM.G = 9.8f;
        RunValues R;
        R.WDCNST = std::sqrt(TPCM.DEPTH / WAVCOM.G);
        const bool sea = c.SPECTYP <= 4;
        // The other system's peak is an ordinary 10 s.
        WAVCOM.TPK = sea ? 0.0f : 10.0f;
        TPCM.SWELPD = sea ? 10.0f : 0.0f;
        TPCM.SWELHT = 2.0f;
        TPCM.SWHT(1) = 4.0f;
        bool FRSTIM = true;
        answers("x\n");
        bool ended = false;
        try {
            ANGSPEC(R, 30.0f / 57.2957763671875f, c.SPECTYP, 1, "Heading", c.LPRINT, FRSTIM);
        } catch (const ProgramEnd& end) {
            ended = true;
            EXPECT_EQ(end.status, 1);
        }
        EXPECT_TRUE(ended);
        const std::string out = screen();
        EXPECT_TRUE(out.ends_with(failure)) << out;
        if (c.angle_line == nullptr) {
            EXPECT_EQ(out, failure);
        } else {
            EXPECT_TRUE(out.ends_with(std::string(c.angle_line) + failure)) << out;
            EXPECT_EQ(out.find("Characteristics"), std::string::npos) << out;
            EXPECT_EQ(out.find("Swell Data"), std::string::npos) << out;
        }
    }
}

TEST_F(AttackAngleSpectra, SummedPageIsTheSumOfEverySourcePrintedOrNot) {
    every_source();
    TPCM.BRVFLG = bits({9, 10, 24, 25, 27});
    const std::vector<std::string> all = run();
    std::vector<std::vector<std::string>> by_title;
    for (const char* what : {"Wave Reflection", "Wave Absorption", "Swell Reflection", "Swell Absorption",
                             "VIIq.", "VIIr. Spectral Values: Current", "VIIr. Summed"}) {
        by_title.push_back(titled(all, what));
        ASSERT_EQ(by_title.back().size(), 2u) << what;
    }
    EXPECT_NE(by_title[2][0].find("Bow-relative Swell attack angle =  30.00 Degrees"), std::string::npos);
    EXPECT_NE(by_title[6][1].find("Bow-relative Aligned Environments attack angle =  75.00 Degrees"),
              std::string::npos);
    for (std::size_t a = 0; a < 2; ++a) {
        const std::vector<std::string> sum = rows_of(by_title[6][a]);
        ASSERT_EQ(sum.size(), 15u);
        double largest = 0.0;
        for (std::size_t i = 0; i < sum.size(); ++i) {
            for (std::size_t k = 0; k < 3; ++k) {
                double total = 0.0, rounding = 0.0;
                for (std::size_t s = 0; s < 6; ++s) {
                    const std::vector<std::string> rows = rows_of(by_title[s][a]);
                    ASSERT_EQ(rows.size(), 15u);
                    const double v = field(rows[i], 39 + 13 * k, 9);
                    total += v;
                    rounding += 0.005 * std::fabs(v);
                }
                const double shown = field(sum[i], 24 + 13 * k, 9);
                largest = std::max(largest, std::fabs(shown));
                EXPECT_NEAR(shown, total, rounding + 0.005 * std::fabs(shown) + 1e-30) << a << ' ' << i << ' ' << k;
            }
        }
        EXPECT_GT(largest, 0.0);
    }
    // Without the absorption and current pages the sums stay the same.
    const std::vector<std::string> summed = titled(all, "VIIr. Summed");
    testing::reset_run_state();
    testing::store_deep_box_case();
    every_source();
    TPCM.BRVFLG = bits({9, 24, 27});
    const std::vector<std::string> fewer = run();
    EXPECT_TRUE(titled(fewer, "Absorption").empty());
    EXPECT_TRUE(titled(fewer, "VIIr. Spectral Values: Current").empty());
    EXPECT_EQ(titled(fewer, "VIIr. Summed"), summed);
}

// With wave drag left out of the net loads the absorption pages still show their values, and the
// summed page holds the other sources alone.
TEST_F(AttackAngleSpectra, ExcludedWaveDragStaysOnItsPagesButLeavesTheSum) {
    every_source();
    TPCM.LEGDRG = 1;
    TPCM.NUMBRV = 1;
    TPCM.BRVFLG = bits({9, 10, 24, 25, 27});
    const std::vector<std::string> pages = run();
    std::vector<std::vector<std::string>> rows;
    for (const char* what : {"Wave Reflection", "Wave Absorption", "Swell Reflection", "Swell Absorption", "VIIq.",
                             "VIIr. Spectral Values: Current", "VIIr. Summed"}) {
        const std::vector<std::string> page = titled(pages, what);
        ASSERT_EQ(page.size(), 1u) << what;
        rows.push_back(rows_of(page[0]));
        ASSERT_EQ(rows.back().size(), 15u) << what;
    }
    double drag = 0.0;
    for (std::size_t i = 0; i < 15; ++i) {
        for (std::size_t k = 0; k < 3; ++k) {
            drag += std::fabs(field(rows[1][i], 39 + 13 * k, 9)) + std::fabs(field(rows[3][i], 39 + 13 * k, 9));
            double total = 0.0, rounding = 0.0;
            for (const std::size_t s : {0u, 2u, 4u, 5u}) {
                const double v = field(rows[s][i], 39 + 13 * k, 9);
                total += v;
                rounding += 0.005 * std::fabs(v);
            }
            const double shown = field(rows[6][i], 24 + 13 * k, 9);
            EXPECT_NEAR(shown, total, rounding + 0.005 * std::fabs(shown) + 1e-30) << i << ' ' << k;
        }
    }
    // The drag pages are not empty, so leaving them out is seen.
    EXPECT_GT(drag, 0.0);
}

TEST_F(AttackAngleSpectra, ConsolePagesComeInOrderWithTheirPauses) {
    every_source();
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.IUNIT = SCREEN_UNIT;
    TPCM.BRVFLG = bits({9, 10, 23, 24, 25, 27});
    answers(std::string(60, '\n'));
    BRVCOR();
    const std::string out = screen();
    const std::size_t first = out.find("VIIs. Spectral Values");
    ASSERT_NE(first, std::string::npos);
    const std::size_t x = out.find("X. Environmental Force & Moment Summary");
    ASSERT_NE(x, std::string::npos);
    const std::string series = out.substr(first, x - first);
    // Per angle 7 pages, a pause after each and one more after the swell pair; one after the series.
    EXPECT_EQ(testing::count_of(series, kPause), 2u * 8u + 1u);
    // Page X's pause ends the run.
    EXPECT_EQ(testing::count_of(out.substr(x), kPause), 1u);
    std::size_t at = 0;
    for (int angle = 0; angle < 2; ++angle) {
        for (const char* what : {"VIIs. Spectral Values: Wave Reflection", "VIIs. Spectral Values: Wave Absorption",
                                 "VIIs. Spectral Values: Swell Reflection", "VIIs. Spectral Values: Swell Absorption",
                                 "VIIq. Spectral Values: Wind", "VIIr. Spectral Values: Current",
                                 "VIIr. Summed Spectral Values"}) {
            const std::size_t found = series.find(what, at);
            ASSERT_NE(found, std::string::npos) << angle << ' ' << what;
            at = found + 1;
        }
    }
    // The extra pause: the swell absorption page is followed by two.
    const std::size_t swell = series.find("Swell Absorption");
    const std::size_t wind = series.find("VIIq.", swell);
    EXPECT_EQ(testing::count_of(series.substr(swell, wind - swell), kPause), 2u);
}

// The numbers of the rows after the "  (deg)" line of a fixed-frequency page (IVa, VII).
std::vector<std::vector<double>> angle_rows(const std::string& page) {
    std::vector<std::vector<double>> out;
    const std::size_t at = page.find("\n  (deg)\n\n");
    if (at == std::string::npos) return out;
    for (const std::string& line : lines_of(page.substr(at + 10))) {
        if (line.empty()) break;
        std::istringstream in(line);
        std::vector<double> values;
        for (double v = 0.0; in >> v;) values.push_back(v);
        out.push_back(values);
    }
    return out;
}

// At the low frequency of the fixed-frequency sections, the spectra by attack angle give those
// sections' values: sea reflection those of IVa, wind those of VII, at every attack angle.
TEST_F(AttackAngleSpectra, RowAtTheLowFrequencyHoldsTheFixedFrequencyValues) {
    every_source();
    TPCM.LSWELL = 0;
    TPCM.LCURNT = 0;
    TPCM.BRV_PD_MIN() = 40.0f;
    TPCM.BRVFRQ_DELTA = 0.005f;
    TPCM.BRVFRQ = 0.01f;
    TPCM.BRVFLG = bits({4, 9, 19, 24, 27});
    const std::vector<std::string> pages = run();
    const std::vector<std::string> iva = titled(pages, "IVa.");
    const std::vector<std::string> vii = titled(pages, " VII. ");
    ASSERT_EQ(iva.size(), 1u);
    ASSERT_EQ(vii.size(), 1u);
    const std::vector<std::vector<double>> sea_rows = angle_rows(iva[0]);
    const std::vector<std::vector<double>> wind_rows = angle_rows(vii[0]);
    ASSERT_EQ(sea_rows.size(), 2u) << iva[0];
    ASSERT_EQ(wind_rows.size(), 2u) << vii[0];
    const std::vector<std::string> sea = titled(pages, "Wave Reflection Forces");
    const std::vector<std::string> wind = titled(pages, "VIIq.");
    ASSERT_EQ(sea.size(), 2u);
    ASSERT_EQ(wind.size(), 2u);
    double largest = 0.0;
    for (std::size_t a = 0; a < 2; ++a) {
        for (const auto& [page, fixed] : {std::pair{&sea[a], &sea_rows[a]}, std::pair{&wind[a], &wind_rows[a]}}) {
            const std::vector<std::string> rows = rows_of(*page);
            ASSERT_EQ(rows.size(), 31u);
            const std::string& row = rows[2];
            ASSERT_EQ(row.substr(1, 6), " .0100");
            ASSERT_GE(fixed->size(), 4u);
            EXPECT_NEAR((*fixed)[0], 30.0 + 45.0 * static_cast<double>(a), 1e-9);
            for (std::size_t k = 0; k < 3; ++k) {
                const double expected = (*fixed)[k + 1];
                largest = std::max(largest, std::fabs(expected));
                EXPECT_NEAR(field(row, 39 + 13 * k, 9), expected, 0.006 * std::fabs(expected) + 1e-30)
                    << a << ' ' << k << ' ' << row;
            }
        }
    }
    EXPECT_GT(largest, 0.0);
}

TEST_F(AttackAngleSpectra, NoAttackAngleGivesThePageStartAndOnePause) {
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.IUNIT = SCREEN_UNIT;
    TPCM.NUMBRV = 0;
    TPCM.LWIND = 1;
    TPCM.BRVFLG = bits({24, 27});
    RunValues R;
    answers("\n");
    attack_angle_spectra_series(R);
    EXPECT_EQ(testing::count_of(screen(), kPause), 1u);
    EXPECT_EQ(screen().find("VII"), std::string::npos);
    // Bit 27 clear: nothing at all, and nothing read.
    clear_captured(SCREEN_UNIT);
    answers("left\n");
    TPCM.NUMBRV = 1;
    TPCM.BRVFLG = bits({9, 24});
    attack_angle_spectra_series(R);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(read_keyboard_line(KBD_UNIT), "left");
}

TEST_F(AttackAngleSpectra, WithoutBit27OnlyPageXAndTheClosingFollow) {
    every_source();
    TPCM.BRVFLG = bits({9, 23, 24});
    const std::vector<std::string> pages = run();
    for (const std::string& page : pages) {
        EXPECT_EQ(title_of(page).find("VIIs."), std::string::npos);
        EXPECT_EQ(title_of(page).find("VIIq."), std::string::npos);
        EXPECT_EQ(title_of(page).find("VIIr."), std::string::npos);
    }
    ASSERT_FALSE(pages.empty());
    EXPECT_NE(title_of(pages.back()).find("X. Environmental Force & Moment Summary"), std::string::npos);
    const std::string report = testing::file_bytes(kReportFile);
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.back(), '\n');
}

}  // namespace
}  // namespace brevant
