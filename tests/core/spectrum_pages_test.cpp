// Sections VIIp, VIII and VIIIp on whole runs in the process: the speed spectra against the closed
// forms of the spectrum types, the wave page's characteristic values and rows against the dispersion
// relation, the group spectra against the closed form of a Gaussian swell, the group speeds, the
// gates and the pauses.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/low_frequency_grid.h"
#include "core/run_values.h"
#include "core/spectrum_pages.h"
#include "deep_box_case.h"
#include "numeric/grid_integrals.h"
#include "sysutl/program_end.h"

namespace brevant {
namespace {

using testing::bits;
using testing::field;
using testing::lines_of;
using testing::pages_of;
using testing::row_lines;
using testing::table_rows;

constexpr const char* kTitleVIIp =
    "   *********  VIIp. Spectral Values: Wind Speed and Current Speed  **********\n";
constexpr const char* kTitleVIII =
    "   *****************  VIII. Irregular Wave Spectral Values  *****************\n";
constexpr const char* kTitleVIIIp =
    "   *************  VIIIp. Irregular Wave Group Spectral Values  **************\n";

class SpectrumPages : public testing::DeepBoxRun {};

TEST_F(SpectrumPages, DavenportWindTableFollowsTheClosedForm) {
    TPCM.NUNTS = 0;
    TPCM.LWIND = 1;
    TPCM.WNDTYP = 1;
    TPCM.WNDSPD = 30.0f;
    TPCM.BRV_PD_MIN() = 60.0f;
    TPCM.BRVFRQ_DELTA = 0.01f;
    TPCM.BRVFLG = bits({16});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_EQ(page.substr(0, page.find('\n') + 1), kTitleVIIp);
    EXPECT_NE(page.find("\n     Wind Spectral Type -- Davenport\n"), std::string::npos) << page;
    EXPECT_NE(page.find("\n          Mean wind speed ......................     30.00 knots"), std::string::npos) << page;
    EXPECT_NE(page.find("\n\n                              InterGroup       Wind Speed\n"
                        " Frequency      Period         Spacing          Spectrum\n"
                        " (rad/sec)      (Sec)           (ft)     < (ft/sec)^2/(rad/sec) >\n\n"),
              std::string::npos)
        << page;
    const std::vector<std::string> rows = row_lines(page, " (rad/sec)");
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], "  .0000       Infinity         Infinity         0.00E+00");
    EXPECT_EQ(rows[1].substr(0, 22), "  .0100         628.32");
    EXPECT_NEAR(field(rows[1], 29, 11), 2.0 * M_PI * 30.0 * 1.687 / 0.01, 0.5);
    EXPECT_EQ(rows[1].substr(47), " 7.70E+01");
    const double U = 30.0 * 1.6867, L = 626.67;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const double w = 0.01 * static_cast<double>(i);
        EXPECT_NEAR(field(rows[i], 2, 6), w, 5e-5);
        EXPECT_NEAR(field(rows[i], 15, 8), 2.0 * M_PI / w, 0.006);
        const double X = w * L / U;
        const double S = 0.02 * U * L * X / std::pow(1.0 + X * X, 4.0 / 3.0);
        EXPECT_NEAR(field(rows[i], 48, 9), S, 0.006 * S) << rows[i];
        // The normalised per-hertz form: f S(f) / (kappa U^2) = 4 x^2 / (1 + x^2)^(4/3).
        const double f = w / (2.0 * M_PI), x = X;
        EXPECT_NEAR(f * (2.0 * M_PI * S) / (0.005 * U * U), 4.0 * x * x / std::pow(1.0 + x * x, 4.0 / 3.0),
                    0.01 * 4.0 * x * x / std::pow(1.0 + x * x, 4.0 / 3.0));
    }
    EXPECT_EQ(HIMEM.IW, 11);
    EXPECT_EQ(screen().find("Press <RETURN>"), std::string::npos);
}

TEST_F(SpectrumPages, BandLimitedCurrentAndBothColumns) {
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 1.0f;
    TPCM.CURTYP = 3;
    TPCM.CURDEN = 0.8f;
    TPCM.BRV_PD_MIN() = 20.0f;
    TPCM.BRVFRQ_DELTA = 0.01f;
    TPCM.BRVFLG = bits({15});
    std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("\n     Current Spectral Type -- Band-limited white spectrum\n"), std::string::npos);
    EXPECT_NE(pages[0].find("                              InterGroup    Current Speed\n"), std::string::npos);
    std::vector<std::string> rows = row_lines(pages[0], " (rad/sec)");
    ASSERT_EQ(rows.size(), 31u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].substr(47), i <= 12 ? " 8.00E-01" : " 0.00E+00") << rows[i];
    }
    EXPECT_EQ(rows[12].substr(0, 7), "  .1200");
    // The current spacing: 2 pi x 0.5142 m/s / frequency.
    EXPECT_NEAR(field(rows[1], 29, 11), 2.0 * M_PI * 0.5142 / 0.01, 0.01);

    // Both bits, the wind off: a line with one blank before the current lines, a zero wind column,
    // and the wind spacings still from the wind speed.
    testing::reset_run_state();
    testing::store_deep_box_case();
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 1.0f;
    TPCM.CURTYP = 3;
    TPCM.CURDEN = 0.8f;
    TPCM.WNDSPD = 20.0f;
    TPCM.BRV_PD_MIN() = 20.0f;
    TPCM.BRVFRQ_DELTA = 0.05f;
    TPCM.BRVFLG = bits({15, 16});
    pages = run();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_NE(page.find(std::string(kTitleVIIp) + "\n \n     Current Spectral Type --"), std::string::npos) << page;
    EXPECT_NE(page.find("\n                            Wind         Current      Wind         Current\n"
                        "                         InterGroup    InterGroup     Speed         Speed\n"
                        " Frequency    Period       Spacing       Spacing     Spectrum      Spectrum\n"
                        " (rad/sec)    (Sec)          (m.)          (m.)     < (m./sec)^2/(rad/sec) >\n\n"),
              std::string::npos)
        << page;
    rows = row_lines(page, " (rad/sec)");
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], "  .0000     Infinity       Infinity      Infinity     0.00E+00      8.00E-01");
    EXPECT_EQ(rows[2].substr(0, 20), "  .1000        62.83");
    EXPECT_NEAR(field(rows[2], 25, 11), 2.0 * M_PI * 20.0 * 0.5142 / 0.1, 0.01);
    EXPECT_NEAR(field(rows[2], 39, 11), 2.0 * M_PI * 1.0 * 0.5142 / 0.1, 0.01);
    EXPECT_EQ(rows[2].substr(53), " 0.00E+00      8.00E-01");
    EXPECT_EQ(rows[3].substr(53), " 0.00E+00      0.00E+00");
}

TEST_F(SpectrumPages, NpdWindTableShowsTheSpectrumAtItsHeightWithoutTheSpeedRatio) {
    TPCM.LWIND = 1;
    TPCM.WNDTYP = 5;
    TPCM.WNDSPD = 40.0f;
    TPCM.WSPEC_HGT = 50.0f;
    TPCM.BRV_PD_MIN() = 60.0f;
    TPCM.BRVFRQ_DELTA = 0.02f;
    TPCM.BRVFLG = bits({16});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("\n     Wind Spectral Type -- N.P.D.\n"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("N.P.D. Spectral Evaluation Height ....     50.00 m."), std::string::npos) << pages[0];
    const std::vector<std::string> rows = row_lines(pages[0], " (rad/sec)");
    ASSERT_EQ(rows.size(), 5u);
    // S = (320 / 2 pi) u^2 h^0.45 / (1 + f^0.468)^3.5612535, f = (w / 2 pi) 172 h^(2/3) u^-0.75, with
    // u the 10 m speed over 10 m/s and h the height over 10 m.
    const double u = 40.0 * 0.5139 / 10.0, h = 5.0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const double w = 0.02 * static_cast<double>(i);
        const double f = w / (2.0 * M_PI) * 172.0 * std::pow(h, 2.0 / 3.0) / std::pow(u, 0.75);
        const double S = 320.0 / (2.0 * M_PI) * u * u * std::pow(h, 0.45) / std::pow(1.0 + std::pow(f, 0.468), 3.5612535);
        EXPECT_NEAR(field(rows[i], 48, 9), S, 0.006 * S) << rows[i];
    }
}

TEST_F(SpectrumPages, SpectrumTypesWithoutACaptionAreMissing) {
    // No rows (a zero frequency step), so no spectrum of these types is evaluated.
    TPCM.LWIND = 1;
    TPCM.WNDTYP = 7;
    TPCM.LCURNT = 1;
    TPCM.CURTYP = 4;
    TPCM.BRV_PD_MIN() = 60.0f;
    TPCM.BRVFRQ_DELTA = 0.0f;
    TPCM.BRVFLG = bits({15, 16});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("\n     Wind Spectral Type -- Missing!\n"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("\n     Current Spectral Type -- Missing!\n"), std::string::npos);
    EXPECT_TRUE(row_lines(pages[0], " (rad/sec)").empty());
    EXPECT_EQ(HIMEM.IW, 1);
}

TEST_F(SpectrumPages, LowFrequencyGridCountsRowsAndLeavesTheCounter) {
    struct Case {
        float PD_MIN, DELTA;
        Int rows;
    };
    const Case cases[] = {{35.0f, 0.005f, 35}, {60.0f, 0.01f, 10}, {20.0f, 0.01f, 31},
                          {60.0f, 0.2f, 0},    {60.0f, 0.0f, 0},   {-60.0f, -0.01f, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        TPCM.BRV_PD_MIN() = c.PD_MIN;
        TPCM.BRVFRQ_DELTA = c.DELTA;
        EXPECT_EQ(low_frequency_row_count(), c.rows);
        Int seen = 0;
        Real last = -1.0f;
        for_each_low_frequency_row([&](Int IW, Real WFREQ) {
            ++seen;
            EXPECT_EQ(IW, seen);
            last = WFREQ;
        });
        EXPECT_EQ(seen, c.rows);
        EXPECT_EQ(HIMEM.IW, c.rows + 1);
        if (c.rows > 0) {
            EXPECT_NEAR(static_cast<double>(last), static_cast<double>(c.DELTA) * (c.rows - 1), 1e-5);
            EXPECT_LT(static_cast<double>(last), 2.0 * M_PI / static_cast<double>(c.PD_MIN));
        }
    }
}

TEST_F(SpectrumPages, WavePageOfAPiersonMoskowitzSeaInDeepWater) {
    Tpcm& P = TPCM;
    P.NUNTS = 0;
    P.DEPTH = 3000.0f;
    P.LRANDM = 1;
    P.WAVTYP = 1;
    P.SWHT(1) = 15.0f;
    P.SIGPD(1) = 10.7f;
    P.SEAHDG(1) = 180.0f;
    P.NWP = 75;
    for (int i = 1; i <= 75; ++i) P.T(i) = 3.0f + 0.5f * static_cast<float>(i - 1);
    P.BRVFLG = bits({5});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_EQ(page.substr(0, page.find('\n') + 1), kTitleVIII);
    EXPECT_NE(page.find("\n     Wave Spectral Type -- Standard Pierson-Moskowitz; Long-crested seas\n\n"),
              std::string::npos)
        << page;
    const double Tp = 15.66 * std::sqrt(15.0 / 32.152);
    EXPECT_NEAR(Tp, 10.70, 0.005);
    EXPECT_NE(page.find("Spectrum peak period .................     10.70 seconds"), std::string::npos) << page;
    EXPECT_NE(page.find("Spectrum characteristic wind speed ...     48.56 feet/sec"), std::string::npos);
    // Deep water: k = w^2 / g, so the slope 0.5 H k is the same for every height.
    EXPECT_NEAR(0.5 * std::pow(2.0 * M_PI / 15.66, 2.0) * 180.0 / M_PI, 4.61, 0.005);
    EXPECT_NE(page.find("Spectrum characteristic wave slope ...      4.61 degrees"), std::string::npos);
    EXPECT_NE(page.find("Direction of maximum seas ............    180.00 degrees"), std::string::npos);
    const std::size_t at = page.find("Calculated Significant wave height ...");
    ASSERT_NE(at, std::string::npos);
    EXPECT_NEAR(std::stod(page.substr(at + 38, 11)), 15.0, 0.15);
    EXPECT_NE(page.find("\n     >>> Wave height for slope calculation =   3.00 ft\n"), std::string::npos);
    EXPECT_NE(page.find("\n\n      Wave         Wave         Wave         Wave         Wave   \n"
                        "     Period      Frequency     Length        slope      Spectrum\n"
                        "     (Sec)       (rad/sec)      (ft)         (deg)  (ft^2/[rad/sec])\n\n"),
              std::string::npos)
        << page;
    const std::vector<std::vector<double>> rows = table_rows(page, "     (Sec)");
    ASSERT_EQ(rows.size(), 75u);
    const double g = 32.152;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 5u);
        const double T = 3.0 + 0.5 * static_cast<double>(i), w = 2.0 * M_PI / T;
        EXPECT_NEAR(rows[i][0], T, 1e-9);
        EXPECT_NEAR(rows[i][1], w, 6e-4);
        const double k = 2.0 * M_PI / rows[i][2];
        EXPECT_NEAR(g * k * std::tanh(k * 3000.0) / (w * w), 1.0, 2e-4) << T;
        EXPECT_NEAR(rows[i][3], k * 1.5 * 180.0 / M_PI, 0.001 + 2e-4 * rows[i][3]);
        EXPECT_NEAR(rows[i][4], static_cast<double>(WAVCOM.WPSD(static_cast<Int>(i + 1))), 6e-5);
    }
    EXPECT_EQ(HIMEM.IW, 76);
}

TEST_F(SpectrumPages, SwellOnlyWavePageAtConstantSlope) {
    Tpcm& P = TPCM;
    P.LSWELL = 1;
    P.SWLTYP = 0;
    P.SWELHT = 2.0f;
    P.SWELPD = 8.0f;
    P.SWLWID = 0.1f;
    P.SWLHDG = 90.0f;
    P.LSLPHT = 1;
    P.SLPHT = 3.0f;
    P.BRVFLG = bits({6});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_EQ(page.find("Wave Spectral Type"), std::string::npos);
    EXPECT_NE(page.find("Swell direction ......................     90.00 degrees"), std::string::npos) << page;
    EXPECT_NE(page.find("\n     >>> Wave slope for height calculation =   3.00 degrees\n"), std::string::npos);
    EXPECT_NE(page.find("\n\n      Wave         Wave         Wave         Wave         Swell  \n"
                        "     Period      Frequency     Length       height      Spectrum\n"
                        "     (Sec)       (rad/sec)      (m.)         (m. )  (m.^2/[rad/sec])\n\n"),
              std::string::npos)
        << page;
    const std::vector<std::vector<double>> rows = table_rows(page, "     (Sec)");
    ASSERT_EQ(rows.size(), 17u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Int IW = static_cast<Int>(i + 1);
        const double k = 2.0 * M_PI / rows[i][2];
        EXPECT_NEAR(rows[i][3], 2.0 * (3.0 / 57.295776) / k, 0.0011) << i;
        EXPECT_NEAR(rows[i][4], static_cast<double>(WAVCOM.SWLPSD(IW)), 6e-5);
    }
}

TEST_F(SpectrumPages, SwellGroupSpectrumFollowsTheGaussianClosedForm) {
    Tpcm& P = TPCM;
    P.LSWELL = 1;
    P.SWLTYP = 0;
    P.SWELHT = 3.0f;
    P.SWELPD = 12.0f;
    P.SWLWID = 0.1f;
    P.SWLHDG = 180.0f;
    P.NWP = 99;
    for (int i = 1; i <= 99; ++i) P.T(i) = 6.0f + 0.25f * static_cast<float>(i - 1);
    P.BRV_PD_MIN() = 60.0f;
    P.BRVFRQ_DELTA = 0.01f;
    P.BRVFLG = bits({8});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_EQ(page.substr(0, page.find('\n') + 1), kTitleVIIIp);
    EXPECT_NE(page.find("\n          +++ Background Swell Data +++\n"), std::string::npos);
    EXPECT_NE(page.find("Swell characteristic wave slope"), std::string::npos);
    EXPECT_EQ(page.find(">>> Wave height for slope"), std::string::npos);
    EXPECT_NE(page.find("\n\n   Group        Group         InterGroup      Swell Group\n"
                        " Frequency      Period         Spacing          Spectrum\n"
                        " (rad/sec)      (Sec)           (m.)        (m.^4/[rad/sec])\n\n"),
              std::string::npos)
        << page;
    const std::vector<std::string> rows = row_lines(page, " (rad/sec)");
    ASSERT_EQ(rows.size(), 10u);
    // G(0) = 8 SMPINT(S^2) = Hs^4 / (64 sqrt(pi) sigma wn) for the Gaussian of Hs, wn and sigma wn.
    FArray<Real, 100> squared{};
    for (Int i = 1; i <= 99; ++i) squared(i) = WAVCOM.SWLPSD(i) * WAVCOM.SWLPSD(i);
    Real var = 0.0f, vardot = 0.0f;
    SMPINT(&squared(1), var, vardot);
    const double wn = 2.0 * M_PI / 12.0, sigma = 0.1 * wn;
    const double G0 = std::pow(3.0, 4.0) / (64.0 * std::sqrt(M_PI) * sigma);
    EXPECT_NEAR(G0, 13.64, 0.005);
    EXPECT_NEAR(8.0 * static_cast<double>(var), G0, 0.01 * G0);
    EXPECT_EQ(rows[0], "  .0000       Infinity         Infinity         1.36E+01");
    for (const std::size_t i : {1u, 2u, 5u}) {
        const double mu = 0.01 * static_cast<double>(i);
        const double expected = G0 * std::exp(-mu * mu / (4.0 * sigma * sigma));
        Real value = 0.0f;
        GRPSPC(&WAVCOM.SWLPSD(1), value, static_cast<Real>(mu));
        EXPECT_NEAR(static_cast<double>(value), expected, 0.01 * expected) << mu;
        EXPECT_NEAR(field(rows[i], 48, 9), expected, 0.015 * expected) << rows[i];
    }
    EXPECT_EQ(HIMEM.IW, 11);
}

// The exact group speed (w / 2k)(1 + 2kh / sinh 2kh) with k from the dispersion relation in double.
double exact_group_speed(double w, double h, double g) {
    double k = w * w / g;
    for (int n = 0; n < 200; ++n) k = w * w / (g * std::tanh(k * h));
    return w / (2.0 * k) * (1.0 + 2.0 * k * h / std::sinh(2.0 * k * h));
}

TEST_F(SpectrumPages, GroupSpacingsUseTheGroupSpeedAtTheSeaPeak) {
    struct Case {
        float depth, peak;
        Int grid_point;  // where the group speed is taken
        bool deep;       // kd of 80 or more
    };
    const Case cases[] = {
        {30.0f, 10.0f, 13, false},    // finite depth, peak on the grid
        {1000.0f, 6.0f, 5, true},     // kd about 112
        {1000.0f, 20.0f, 17, false},  // peak beyond the grid: its last point (12 s, kd about 28)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.peak);
        testing::reset_run_state();
        testing::store_deep_box_case();
        testing::add_sea();
        TPCM.DEPTH = c.depth;
        TPCM.SIGPD(1) = c.peak;
        TPCM.BRV_PD_MIN() = 60.0f;
        TPCM.BRVFRQ_DELTA = 0.01f;
        TPCM.BRVFLG = bits({7});
        const std::vector<std::string> pages = run();
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NE(pages[0].find("   Group        Group         InterGroup       Wave Group\n"), std::string::npos);
        const std::vector<std::string> rows = row_lines(pages[0], " (rad/sec)");
        ASSERT_EQ(rows.size(), 10u);
        const Int n = c.grid_point;
        const double w = static_cast<double>(WAVCOM.W(n));
        EXPECT_NEAR(static_cast<double>(TPCM.T(n)), std::min(static_cast<double>(c.peak), 12.0), 1e-6);
        const Real kd = WAVCOM.WVK(n) * c.depth;
        EXPECT_EQ(kd >= 80.0f, c.deep) << kd;
        const Real speed = grid_group_speed(n);
        if (c.deep) {
            EXPECT_EQ(speed, 0.5f * (WAVCOM.W(n) / WAVCOM.WVK(n)));
        } else {
            EXPECT_NEAR(static_cast<double>(speed), exact_group_speed(w, c.depth, 9.8), 1e-4 * static_cast<double>(speed));
        }
        for (const std::size_t i : {1u, 4u, 9u}) {
            const double mu = 0.01 * static_cast<double>(i);
            const double spacing = 2.0 * M_PI * static_cast<double>(speed) / mu;
            EXPECT_NEAR(field(rows[i], 29, 11), spacing, 1e-4 * spacing + 0.005) << rows[i];
        }
    }
}

// The speed and group spectra are written with all their rows however fine the grid an engineer
// asks for (a 5 s minimum period by 0.001 rad/s, 1256 rows, was once refused); only a runaway count
// beyond 100000 rows stops the run before the table, naming the two items that set it, with a pause
// on the console (none read in a silent run) and status 1.
TEST_F(SpectrumPages, SpeedAndGroupSpectraAreWrittenWholeUpTo100000Rows) {
    const std::string stop =
        "\n ++> Low-frequency spectral tables of more than 100000 rows:\n"
        "     raise the frequency interval (item 22) or the minimum period (item 23)\n"
        "     on output options page 2 (page 15) and run again.\n\n";
    struct Case {
        const char* what;
        Int BRVFLG;
        Real PDMIN, DELTA;
        Int rows;  // 2 pi / (PDMIN x DELTA) cut toward zero
        Int EDUNIT;
        bool stops;
    };
    const Case cases[] = {
        {"1256 rows of the wind speed spectrum", bits({16}), 5.0f, 0.001f, 1256, SILENT_UNIT, false},
        {"100000 rows of the wind speed spectrum", bits({16}), 30.0f, 2.09439509e-06f, 100000, SILENT_UNIT, false},
        {"100001 rows of the wind speed spectrum", bits({16}), 30.0f, 2.09437417e-06f, 100001, SILENT_UNIT, true},
        {"100001 rows of the wind speed spectrum on the console", bits({16}), 30.0f, 2.09437417e-06f, 100001,
         SCREEN_UNIT, true},
        {"100000 rows of the wave group spectrum", bits({7}), 30.0f, 2.09439509e-06f, 100000, SILENT_UNIT, false},
        {"100001 rows of the wave group spectrum", bits({7}), 30.0f, 2.09437417e-06f, 100001, SILENT_UNIT, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The row formula, independently.
        ASSERT_EQ(static_cast<Int>(6.2831855f / (c.PDMIN * c.DELTA)), c.rows);
        testing::reset_run_state();
        testing::store_deep_box_case();
        testing::add_sea();
        // A wind of constant speed spectral density 3 (m/s)^2/(rad/s) at every frequency.
        TPCM.LWIND = 1;
        TPCM.WNDTYP = 2;
        TPCM.WNDDEN = 3.0f;
        TPCM.WNDSPD = 20.0f;
        TPCM.BRV_PD_MIN() = c.PDMIN;
        TPCM.BRVFRQ_DELTA = c.DELTA;
        TPCM.BRVFLG = c.BRVFLG;
        TPCM.EDUNIT = c.EDUNIT;
        clear_captured(SCREEN_UNIT);
        clear_captured(SILENT_UNIT);
        // On the console the warning of a natural period off the period list and the stop each wait
        // for a line; a silent run reads nothing.
        answers(c.EDUNIT == SCREEN_UNIT ? "\n\nleft\n" : "left\n");
        Int status = 0;
        try {
            BRVCOR();
        } catch (const ProgramEnd& end) {
            status = end.status;
        }
        const std::string console = c.EDUNIT == SCREEN_UNIT ? screen() : silent();
        EXPECT_EQ(read_keyboard_line(KBD_UNIT), "left");
        const std::string report = testing::file_bytes(kReportFile);
        if (c.stops) {
            EXPECT_EQ(status, 1);
            EXPECT_EQ(testing::count_of(console, stop), 1u) << console.substr(0, 4000);
            EXPECT_EQ(report.find("VIIp."), std::string::npos);
            EXPECT_EQ(report.find("VIIIp."), std::string::npos);
            continue;
        }
        EXPECT_EQ(status, 0);
        EXPECT_EQ(console.find("Low-frequency spectral tables"), std::string::npos);
        std::vector<std::string> pages = pages_of(report);
        ASSERT_EQ(pages.size(), 2u);  // the title page and the table
        const std::vector<std::string> rows = row_lines(pages[1], " (rad/sec)");
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.rows));
        const bool wind = c.BRVFLG == bits({16});
        // The last slot: its frequency, DELTA added up row by row in single precision (a little above
        // 2 pi / PDMIN by then on the finest grid), and its value.
        const std::string& last = rows.back();
        float top = 0.0f;
        for (Int i = 1; i < c.rows; ++i) top += c.DELTA;
        EXPECT_NEAR(field(last, 2, 6), static_cast<double>(top), 5e-5) << last;
        if (wind) {
            for (std::size_t i = 0; i < rows.size(); i += rows.size() / 50) EXPECT_EQ(rows[i].substr(47), " 3.00E+00");
            EXPECT_EQ(last.substr(47), " 3.00E+00");
        } else {
            // The group spectrum falls from G(0) = 8 x the integral of S^2 over the whole table.
            const double G0 = field(rows.front(), 48, 9);
            EXPECT_GT(G0, 0.0);
            for (std::size_t i = 0; i < rows.size(); i += rows.size() / 50) {
                EXPECT_LE(field(rows[i], 48, 9), G0) << rows[i];
            }
            EXPECT_LE(field(last, 48, 9), G0) << last;
        }
        EXPECT_EQ(HIMEM.IW, c.rows + 1);
    }
}

TEST_F(SpectrumPages, GatesAndPauses) {
    testing::add_sea();
    TPCM.BRV_PD_MIN() = 60.0f;
    TPCM.BRVFRQ_DELTA = 0.01f;
    // Without their bits the three sections write nothing.
    TPCM.BRVFLG = bits({1});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(silent().find("requested wave spectra"), std::string::npos);
    EXPECT_EQ(silent().find("requested group spectra"), std::string::npos);

    const auto on_console = [&](Int flags) {
        testing::reset_run_state();
        testing::store_deep_box_case();
        testing::add_sea();
        TPCM.LWIND = 1;
        TPCM.WNDTYP = 1;
        TPCM.WNDSPD = 20.0f;
        TPCM.BRV_PD_MIN() = 60.0f;
        TPCM.BRVFRQ_DELTA = 0.01f;
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.IUNIT = SCREEN_UNIT;
        TPCM.BRVFLG = flags;
        clear_captured(SCREEN_UNIT);
        answers(std::string(20, '\n'));
        BRVCOR();
        return screen();
    };
    const std::size_t without = testing::count_of(on_console(0), "Press <RETURN>");
    struct Case {
        Int flags;
        const char* title;
        std::size_t pauses;
        const char* progress;
    };
    const Case cases[] = {
        {bits({16}), "VIIp. Spectral Values", 0, nullptr},
        {bits({5}), "VIII. Irregular Wave Spectral", 0, "\n >>> Computing requested wave spectra...\n"},
        {bits({7}), "VIIIp. Irregular Wave Group", 1, "\n >>> Computing requested group spectra...\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const std::string out = on_console(c.flags);
        EXPECT_NE(out.find(c.title), std::string::npos);
        EXPECT_EQ(testing::count_of(out, "Press <RETURN>"), without + c.pauses);
        if (c.progress != nullptr) {
            EXPECT_NE(out.find(c.progress), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace brevant
