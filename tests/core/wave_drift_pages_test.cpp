// Sections I, III and IV on a whole run in the process, deep water, drift type 4 (the tanh law):
// page Ia against the closed form of the coefficients, the angle convention, the mean forces of
// page IIIa against the integral of the closed-form coefficients over the sea spectrum, the
// low-frequency densities of page IVa, and the page frame.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "deep_box_case.h"
#include "numeric/grid_integrals.h"
#include "core/run_values.h"
#include "sysutl/captions.h"

namespace brevant {
namespace {

using testing::bits;
using testing::kBoxL;
using testing::pages_of;
using testing::table_rows;

// Deep water, no current: C = -0.33333 (1 + tanh(0.5 k L - 3.5)) times cos (surge) or sin (sway) of
// the attack angle, with k = w^2 / g.
double tanh_law(double w, double L) {
    const double k = w * w / 9.8;
    return 0.33333 * (1.0 + std::tanh(0.5 * k * L - 3.5));
}

class WaveDriftPages : public testing::DeepBoxRun {};

constexpr const char* kTitleIa = "   *********  Ia. Dimensionless Regular Wave Reflection Coefficients  *********\n";
constexpr const char* kTitleIIIa = "   **************  IIIa. Mean Wave Reflection Forces & Moments   *************\n";
constexpr const char* kTitleIIIb = "   **************  IIIb. Mean Wave Absorption Forces & Moments   *************\n";
constexpr const char* kTitleIVa =
    "   **  IVa. \"Low-Frequency\" Wave Reflection Force & Moment Spectral Densities  **\n";
constexpr const char* kTitleIVb =
    "   **  IVb. \"Low-Frequency\" Wave Absorption Force & Moment Spectral Densities  **\n";

TEST_F(WaveDriftPages, PageIaRowsFollowTheTanhLaw) {
    TPCM.BRVFLG = bits({1});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_EQ(page.substr(0, page.find('\n') + 1), kTitleIa);
    EXPECT_NE(page.find("\n                   Attack Angle Relative to Vessel =   120.00 degrees\n \n"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("            Dm*g =    1.025 m.t./(m.^3)\n"), std::string::npos);
    EXPECT_NE(page.find("            Wave force model: Buoy or round ship"), std::string::npos);
    EXPECT_NE(page.find("     >>> Wave height for slope calculation =   3.00 m.\n"), std::string::npos);
    EXPECT_NE(page.find("\n (sec)    (rad/sec)      (m.)        (deg)\n"), std::string::npos);
    EXPECT_NE(page.find("\n   9.000     .6981     126.337       4.274      .08757     -.15167      .00000\n"),
              std::string::npos)
        << page;

    const std::vector<std::vector<double>> rows = table_rows(page, " (sec)    (rad/sec)");
    ASSERT_EQ(rows.size(), 17u);
    const double a = 120.0 * M_PI / 180.0;
    for (const std::vector<double>& row : rows) {
        ASSERT_EQ(row.size(), 7u);
        const double w = 2.0 * M_PI / row[0];
        EXPECT_NEAR(row[1], w, 6e-5);
        const double c = tanh_law(w, kBoxL);
        EXPECT_NEAR(row[4], -c * std::cos(a), 1e-5) << row[0];
        EXPECT_NEAR(row[5], -c * std::sin(a), 1e-5) << row[0];
        EXPECT_EQ(row[6], 0.0);
        // Airy wave: slope k H / 2 in degrees, length 2 pi / k.
        const double k = w * w / 9.8;
        EXPECT_NEAR(row[3], 1.5 * k * 180.0 / M_PI, 2e-3) << row[0];
        EXPECT_NEAR(row[2], 2.0 * M_PI / k, 0.002 * 2.0 * M_PI / k) << row[0];
    }
}

TEST_F(WaveDriftPages, PageIbOfAShipIsTheLinearisedDragOfTheRelativeMotion) {
    testing::add_sea();  // the RAOs are those of an active wave system
    TPCM.LCBARG = 0x777;  // cylindrical current coefficients: Cx = -cos, Cy = -sin, no moment
    TPCM.WVDGCX = 2.0f;
    TPCM.BRVFLG = bits({11});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("            w = wave frequency\n"), std::string::npos);
    EXPECT_NE(pages[0].find("            g    =    9.810 m./(sec^2)\n"), std::string::npos);
    EXPECT_EQ(pages[0].find("Wave force model"), std::string::npos);
    const std::vector<std::vector<double>> rows = table_rows(pages[0], " (sec)    (rad/sec)");
    ASSERT_EQ(rows.size(), 17u);
    const double a = 120.0 * M_PI / 180.0;
    bool moving = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Int IW = static_cast<Int>(i + 1);
        const double surge = static_cast<double>(PASCOM.RLRAO2(IW, 1)), sway = static_cast<double>(PASCOM.FDRGLAT(IW, 1));
        moving = moving || surge > 0.0;
        EXPECT_NEAR(rows[i][4], 1.5958 * 2.0 * -std::cos(a) * surge, 1e-5) << IW;
        EXPECT_NEAR(rows[i][5], 1.5958 * -std::sin(a) * sway, 1e-5) << IW;
        EXPECT_EQ(rows[i][6], 0.0);
    }
    EXPECT_TRUE(moving);
}

TEST_F(WaveDriftPages, ShapeFactorLinesOfPageIaFollowTheDriftModels) {
    struct Case {
        Int LWVCOF;
        float BOWFAC, STRNFC;
        bool model, bow, stern, enhancement;
    };
    const Case cases[] = {
        {0x424, 1.0f, 1.25f, false, true, false, false},  // one tanker field among buoy fields
        {0x666, 1.0f, 1.25f, true, true, true, false},    // 2001 tanker, every factor at its default
        {0x666, 1.0f, 1.3f, true, true, true, true},      // one factor off its default
        {0x444, 1.0f, 1.25f, true, false, false, false},
        {0x999, 1.0f, 1.25f, true, false, false, false},  // no such model
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.LWVCOF);
        testing::reset_run_state();
        testing::store_deep_box_case();
        TPCM.LWVCOF = c.LWVCOF;
        TPCM.BOWFAC = c.BOWFAC;
        TPCM.STRNFC = c.STRNFC;
        TPCM.VWDFAC = 1.0f;
        TPCM.WVFCX = TPCM.WVFCY = TPCM.WVFCM = 1.0f;
        TPCM.BRVFLG = bits({1});
        const std::vector<std::string> pages = run();
        ASSERT_EQ(pages.size(), 1u);
        const std::string& page = pages[0];
        EXPECT_EQ(page.find("            Wave force model: ") != std::string::npos, c.model);
        EXPECT_EQ(page.find("\n            Bow-on shape factor            =   1.00\n"
                            "            Effective included bow angle   = ") != std::string::npos,
                  c.bow)
            << page;
        EXPECT_EQ(page.find("\n            Stern-on shape factor          = ") != std::string::npos, c.stern);
        EXPECT_EQ(page.find("\n\n            Head-on enhancement factor     =   1.00\n"
                            "            Beam-on enhancement factor     =   1.00\n"
                            "            Moment  enhancement factor     =   1.00\n") != std::string::npos,
                  c.enhancement);
        if (c.LWVCOF == 0x999) {
            EXPECT_NE(page.find("            Wave force model: Undefined model"), std::string::npos);
        }
        EXPECT_EQ(table_rows(page, " (sec)    (rad/sec)").size(), 17u);
    }
}

TEST_F(WaveDriftPages, AWaveSystemThatIsOffIsNotComputed) {
    // A drift field with no model warns once for every coefficient asked for: the count shows how
    // many systems were computed.
    std::vector<std::size_t> warnings;
    for (const bool swell : {false, true}) {
        testing::reset_run_state();
        testing::store_deep_box_case();
        testing::add_sea();
        if (swell) {
            TPCM.LSWELL = 1;
            TPCM.SWLTYP = 0;
            TPCM.SWELHT = 2.0f;
            TPCM.SWELPD = 10.0f;
            TPCM.SWLHDG = 180.0f;
            TPCM.SWLWID = 0.1f;
        }
        TPCM.LWVCOF = 0x440;
        TPCM.BRVFLG = bits({3});
        clear_captured(SILENT_UNIT);
        const std::vector<std::string> pages = run();
        ASSERT_EQ(pages.size(), 1u);
        ASSERT_EQ(table_rows(pages[0], "  (deg)").size(), 1u);
        EXPECT_EQ(table_rows(pages[0], "  (deg)")[0].size(), swell ? 7u : 4u);
        warnings.push_back(testing::count_of(silent(), "Drift forces for this vessel type are not implemented."));
    }
    EXPECT_GT(warnings[0], 0u);
    EXPECT_EQ(2 * warnings[0], warnings[1]);
}

TEST_F(WaveDriftPages, SectionIWritesIaThenIbForEachListedAngleAndNothingWhenNotAsked) {
    const std::string progress = "\n >>> Computing dimensionless regular wave reflection force/moment coefficients...\n";
    // Neither bit (section II's bits only): no progress line, no page of section I.
    TPCM.BRVFLG = bits({2, 12});
    for (const std::string& page : run()) {
        EXPECT_EQ(page.find("Dimensionless Regular Wave"), std::string::npos);
    }
    EXPECT_EQ(silent().find(progress), std::string::npos);
    // No angle: the progress line alone.
    TPCM.BRVFLG = bits({1});
    TPCM.NUMBRV = 0;
    clear_captured(SILENT_UNIT);
    EXPECT_TRUE(run().empty());
    EXPECT_NE(silent().find(progress), std::string::npos);
    // Two listed angles: Ia and Ib for the first, then for the second.
    TPCM.BRVFLG = bits({1, 11});
    TPCM.NUMBRV = 2;
    TPCM.LANGARR = 1;
    TPCM.BRVHDG(1) = 10.0f;
    TPCM.BRVHDG(2) = 250.0f;
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 4u);
    const char* const titles[] = {"Ia.", "Ib.", "Ia.", "Ib.", nullptr};
    const char* const angles[] = {"=    10.00 degrees", "=    10.00 degrees", "=   250.00 degrees",
                                  "=   250.00 degrees"};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_NE(pages[k].substr(0, pages[k].find('\n')).find(titles[k]), std::string::npos) << k;
        EXPECT_NE(pages[k].find(angles[k]), std::string::npos) << k;
    }
}

TEST_F(WaveDriftPages, OnTheConsoleSectionIPausesOnceAfterEachAngle) {
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.IUNIT = SCREEN_UNIT;
    answers(std::string(20, '\n'));
    BRVCOR();
    const std::size_t without = testing::count_of(screen(), "Press <RETURN>");
    testing::reset_run_state();
    testing::store_deep_box_case();
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.IUNIT = SCREEN_UNIT;
    clear_captured(SCREEN_UNIT);
    answers(std::string(20, '\n'));
    TPCM.BRVFLG = bits({1, 11});
    TPCM.NUMBRV = 2;
    TPCM.BRVINC = 90.0f;
    BRVCOR();
    const std::string out = screen();
    EXPECT_EQ(testing::count_of(out, "Press <RETURN>"), without + 2);
    // Each pause follows the angle's Ib page, and the next Ia page comes after it.
    const std::size_t second = out.find("Attack Angle Relative to Vessel =   210.00 degrees");
    ASSERT_NE(second, std::string::npos);
    const std::size_t ib = out.rfind("Ib. Dimensionless", second);
    ASSERT_NE(ib, std::string::npos);
    EXPECT_NE(out.substr(ib, second - ib).find("Press <RETURN>"), std::string::npos);
}

TEST_F(WaveDriftPages, RelativeHeadingsPrintTheAngleTurnedBy180WithTheCoefficientsOfTheAttackAngle) {
    testing::add_sea();
    TPCM.VESAN0 = 200.0f;
    TPCM.BRVFLG = bits({1, 3, 26});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("\n" + std::string(19, ' ') + "Wave Heading Relative to Vessel =    20.00 degrees\n"),
              std::string::npos)
        << pages[0];
    const double a = 200.0 * M_PI / 180.0;
    for (const std::vector<double>& row : table_rows(pages[0], " (sec)    (rad/sec)")) {
        const double c = tanh_law(2.0 * M_PI / row[0], kBoxL);
        EXPECT_NEAR(row[4], -c * std::cos(a), 1e-5);
        EXPECT_NEAR(row[5], -c * std::sin(a), 1e-5);
    }
    EXPECT_EQ(pages[1].substr(0, pages[1].find('\n') + 1), kTitleIIIa);
    EXPECT_NE(pages[1].find("\n Relative     Fx          Fy          Mz          \n"), std::string::npos) << pages[1];
    EXPECT_NE(pages[1].find("\n Heading    (m.ton)     (m.ton)    (ton-m.)\n"), std::string::npos);
    const std::vector<std::vector<double>> rows = table_rows(pages[1], "  (deg)");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], 20.0);
    // At 200 degrees both forces push the vessel the same way as the coefficients say: Fx > 0, Fy > 0.
    EXPECT_GT(rows[0][1], 0.0);
    EXPECT_GT(rows[0][2], 0.0);
}

// Fx = BOWCF * SMPINT(Cx WPSD) with the closed-form coefficient, on the grid the run left.
float mean_surge(double attack_deg) {
    FArray<Real, 100> f{};
    const double a = attack_deg * M_PI / 180.0;
    for (Int i = 1; i <= TPCM.NWP; ++i)
        f(i) = static_cast<float>(-tanh_law(WAVCOM.W(i), kBoxL) * std::cos(a)) * WAVCOM.WPSD(i);
    Real var = 0.0f, vardot = 0.0f;
    SMPINT(&f(1), var, vardot);
    return WAVCOM.BOWCF * var;
}

// The 2001 tanker's shape-factor lines on the pages of section III and IV: dot-led labels, F9.2
// values, and the variable reflection factor after the bow angle on the reflection spectra only.
TEST_F(WaveDriftPages, ShapeFactorLinesOfTheForceAndSpectrumPages) {
    const std::string bow = "\n          Bow-on shape factor ..................      1.00\n"
                            "          Effective included bow angle ......... ";
    const std::string stern = "          Stern-on shape factor ................      1.30\n"
                              "          Effective included stern angle ....... ";
    const std::string enhancement = " degrees\n\n"
                                    "          Head-on enhancement factor ...........      1.00\n"
                                    "          Beam-on enhancement factor ...........      1.00\n"
                                    "          Moment  enhancement factor ...........      1.00\n";
    const std::string reflection = "          Variable reflection enhancement factor      1.50\n";
    const struct Case {
        int section;
        bool reflection;
    } cases[] = {{3, false}, {4, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        testing::reset_run_state();
        testing::store_deep_box_case();
        testing::add_sea();
        TPCM.LWVCOF = 0x666;
        TPCM.BOWFAC = 1.0f;
        TPCM.STRNFC = 1.3f;
        TPCM.VWDFAC = 1.5f;
        TPCM.WVFCX = TPCM.WVFCY = TPCM.WVFCM = 1.0f;
        TPCM.BRVFLG = bits({c.section});
        const std::vector<std::string> pages = run();
        ASSERT_EQ(pages.size(), 1u);
        const std::string& page = pages[0];
        const std::size_t at = page.find(bow);
        ASSERT_NE(at, std::string::npos) << page;
        // The bow angle's value and unit, then the next line.
        const std::size_t next = page.find(" degrees\n", at + bow.size()) + 9;
        EXPECT_EQ(page.compare(next, reflection.size(), reflection) == 0, c.reflection) << page;
        const std::size_t stern_at = next + (c.reflection ? reflection.size() : 0);
        EXPECT_EQ(page.compare(stern_at, stern.size(), stern), 0) << page;
        EXPECT_NE(page.find(enhancement, stern_at + stern.size()), std::string::npos) << page;
        EXPECT_EQ(testing::count_of(page, "Variable reflection enhancement factor"), c.reflection ? 1u : 0u);
    }
}

TEST_F(WaveDriftPages, MeanReflectionForcesAreTheSpectralIntegralOfTheCoefficients) {
    testing::add_sea();
    TPCM.VESAN0 = 0.0f;
    TPCM.BRVINC = 30.0f;
    TPCM.NUMBRV = 3;
    for (const float arm : {10.0f, 0.0f}) {
        SCOPED_TRACE(arm);
        TPCM.BRVARM = arm;
        TPCM.BRVFLG = bits({3});
        const std::vector<std::string> pages = run();
        ASSERT_EQ(pages.size(), 1u);
        const std::string& page = pages[0];
        EXPECT_EQ(page.substr(0, page.find('\n') + 1), kTitleIIIa);
        EXPECT_NE(page.find("\n     Wave Spectral Type -- Mean JONSWAP; Long-crested seas\n"), std::string::npos) << page;
        EXPECT_NE(page.find("\n          Wave force model .....................  Buoy or round ship"), std::string::npos);
        EXPECT_NE(page.find("\n           ------      Wave Data      ------\n"), std::string::npos);
        const std::vector<std::vector<double>> rows = table_rows(page, "  (deg)");
        ASSERT_EQ(rows.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            const std::vector<double>& r = rows[i];
            ASSERT_EQ(r.size(), 4u);
            const double deg = 30.0 * static_cast<double>(i);
            EXPECT_EQ(r[0], deg);
            EXPECT_NEAR(r[1], mean_surge(deg), 5e-4 * std::fabs(r[1]));
            if (i > 0) {
                EXPECT_NEAR(r[2] / r[1], 5.0 * std::tan(deg * M_PI / 180.0), 0.002 * r[2] / r[1]);
            }
            // Type 4 has no yaw coefficient: the moment is the sway force's about the arm.
            const double arm_d = static_cast<double>(arm);
            EXPECT_NEAR(r[3], -arm_d * r[2], 5e-4 * std::fabs(arm_d * r[2]) + 1e-30);
        }
        if (arm == 0.0f) {
            EXPECT_NE(page.find(" 0.000E+00\n"), std::string::npos);
        }
        EXPECT_NEAR(mean_surge(30.0) / mean_surge(0.0), std::cos(M_PI / 6.0), 1e-5);
    }
}

// SFx = 2 VWDFAC BOWCF^2 SMPINT((Cx WPSD)^2) at the difference frequency 0.
float surge_density_at_zero(float VWDFAC) {
    FArray<Real, 100> f{};
    for (Int i = 1; i <= TPCM.NWP; ++i) {
        const float t = static_cast<float>(-tanh_law(WAVCOM.W(i), kBoxL) * std::cos(M_PI / 6.0)) * WAVCOM.WPSD(i);
        f(i) = t * t;
    }
    Real var = 0.0f, vardot = 0.0f;
    SMPINT(&f(1), var, vardot);
    return 2.0f * VWDFAC * WAVCOM.BOWCF * WAVCOM.BOWCF * var;
}

TEST_F(WaveDriftPages, LowFrequencyReflectionDensitiesScaleWithTheVariableReflectionFactor) {
    testing::add_sea();
    TPCM.VESAN0 = 30.0f;
    TPCM.BRVFRQ = 0.0f;
    TPCM.BRVFLG = bits({4, 14});
    std::vector<double> surge, sway, yaw, absorption;
    for (const float factor : {1.0f, 0.0f, 2.0f}) {
        SCOPED_TRACE(factor);
        TPCM.VWDFAC = factor;
        const std::vector<std::string> pages = run();
        ASSERT_EQ(pages.size(), 2u);
        EXPECT_EQ(pages[0].substr(0, pages[0].find('\n') + 1), kTitleIVa);
        EXPECT_EQ(pages[1].substr(0, pages[1].find('\n') + 1), kTitleIVb);
        EXPECT_NE(pages[0].find("\n >>> NOTE: Moments in this table are computed about Xves =      .00 m.\n"
                                "           Frequency of \"low-frequency\" oscillations     =     .000 rad/sec\n"),
                  std::string::npos)
            << pages[0];
        const std::vector<std::vector<double>> a = table_rows(pages[0], "  (deg)");
        const std::vector<std::vector<double>> b = table_rows(pages[1], "  (deg)");
        ASSERT_EQ(a.size(), 1u);
        ASSERT_EQ(b.size(), 1u);
        EXPECT_NEAR(a[0][1], surge_density_at_zero(factor), 5e-4 * a[0][1]);
        surge.push_back(a[0][1]);
        sway.push_back(a[0][2]);
        yaw.push_back(a[0][3]);
        absorption.push_back(b[0][1]);
    }
    EXPECT_GT(surge[0], 0.0);
    EXPECT_EQ(surge[1], 0.0);
    EXPECT_NEAR(surge[2], 2.0 * surge[0], 1e-3 * surge[0]);
    EXPECT_NEAR(sway[2], 2.0 * sway[0], 1e-3 * sway[0]);
    EXPECT_GT(sway[0], 0.0);
    EXPECT_EQ(sway[1], 0.0);
    EXPECT_EQ(yaw[0], 0.0);  // no yaw coefficient: no yaw density
    EXPECT_EQ(yaw[2], 0.0);
    EXPECT_EQ(absorption[0], absorption[1]);
    EXPECT_EQ(absorption[0], absorption[2]);
}

TEST_F(WaveDriftPages, OnlyTheMeanAbsorptionPageHasNoModelLinesAndABlankForTheCurrentLine) {
    testing::add_sea();
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 1.0f;
    TPCM.CURHDG = 180.0f;
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.IUNIT = SCREEN_UNIT;
    answers(std::string(20, '\n'));
    TPCM.BRVFLG = 0;
    BRVCOR();
    const std::size_t pauses_without = testing::count_of(screen(), "Press <RETURN>");
    testing::reset_run_state();
    testing::store_deep_box_case();
    testing::add_sea();
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 1.0f;
    TPCM.CURHDG = 180.0f;
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.IUNIT = SCREEN_UNIT;
    clear_captured(SCREEN_UNIT);
    answers(std::string(20, '\n'));
    TPCM.BRVFLG = bits({13});
    BRVCOR();
    const std::string out = screen();
    EXPECT_EQ(testing::count_of(out, "Press <RETURN>"), pauses_without + 1);
    EXPECT_EQ(testing::count_of(out, "Mean Wave"), 1u);
    EXPECT_NE(out.find(kTitleIIIb), std::string::npos);
    EXPECT_EQ(out.find("Wave force model"), std::string::npos);
    EXPECT_EQ(out.find("Current Angle Relative"), std::string::npos);
    EXPECT_NE(out.find("computed about Xves =      .00 m.\n \n"), std::string::npos) << out;
    // The pause closes the page: it follows the row.
    const std::size_t row = out.find("\n  120.0  ");
    ASSERT_NE(row, std::string::npos) << out;
    EXPECT_NE(out.find("Press <RETURN>", row), std::string::npos);
}

TEST_F(WaveDriftPages, ReflectionPageWithCurrentNamesTheLeadingSystem) {
    testing::add_sea();
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 1.0f;
    TPCM.CURHDG = 150.0f;
    TPCM.BRVFLG = bits({1, 3});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("\n                   Current Angle Relative to Waves =   -30.00 degrees\n \n"),
              std::string::npos)
        << pages[0];
    EXPECT_NE(pages[1].find("\n           Current Angle Relative to Waves               =   -30.00 degrees\n\n"),
              std::string::npos)
        << pages[1];
}

TEST_F(WaveDriftPages, WithoutWavesTheCaptionsOfPageIaAreBlank) {
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 1.0f;
    TPCM.CURHDG = 150.0f;
    TPCM.BRVFLG = bits({1, 3});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("\n                   Current Angle Relative to       =      .00 degrees\n"),
              std::string::npos)
        << pages[0];
    // Section III without waves: the one-system header and no rows.
    EXPECT_NE(pages[1].find("\n           ------     Swell Data      ------\n"), std::string::npos) << pages[1];
    EXPECT_TRUE(table_rows(pages[1], "  (deg)").empty());
}

TEST_F(WaveDriftPages, UndefinedDriftFieldsPrintAFixedCaption) {
    testing::add_sea();
    TPCM.LWVCOF = 0x440;  // field 1 is 0: no such model
    TPCM.BRVFLG = bits({3});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("          Head-on Wave Coefficients (Cx) .......  Undefined model"), std::string::npos)
        << pages[0];
    EXPECT_NE(pages[0].find("          Beam-on Wave Coefficients (Cy) .......  Buoy or round ship"), std::string::npos);
}

}  // namespace
}  // namespace brevant
