// Sections V, VI and VII (wind and current coefficients, mean forces, force spectral densities) and
// the net force spectra of section IX, on whole runs of the deep-water box case in the process:
// the cylinder's closed-form coefficients, the load-model summary, the load constants against
// 1/2 rho V^2, the linearised gust densities, the zero-speed limit, and the gate of the spectra.
#include "core/wind_current_pages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "core/net_force_spectra.h"
#include "core/run_setup.h"
#include "core/run_values.h"
#include "deep_box_case.h"
#include "records/sines_record.h"
#include "sysutl/captions.h"

namespace brevant {
namespace {

using testing::bits;
using testing::has_line;
using testing::lines_of;
using testing::numbers;
using testing::pages_of;

constexpr const char* kTitleV = "   **********   V. Dimensionless Wind and Current Coefficients   ************";
constexpr const char* kTitleVI = "   ************   VI. Mean Wind and Current Forces & Moments   ***********";
constexpr const char* kTitleVII = "  ***  VII. \"Low-Frequency\" Wind/Current Force & Moment Spectral Densities  ***";
constexpr const char* kTitleIXs =
    "   ******************  IX. Net Environmental Force & Moment Spectra   ******************";
constexpr const char* kTitleIXsShort =
    "   ***************  IX. Net Environmental Force & Moment Spectra   ************";

// The rows of a table: the lines after "  (deg)" and its blank line, up to the next blank line.
std::vector<std::string> rows_after_deg(const std::string& page) {
    std::vector<std::string> rows;
    const std::vector<std::string> lines = lines_of(page);
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != "  (deg)") ++i;
    for (i += 2; i < lines.size() && !lines[i].empty(); ++i) rows.push_back(lines[i]);
    return rows;
}

// The rows of a net-force table: after the " Heading ..." header, its "  (deg)..." line and a blank.
std::vector<std::string> net_rows(const std::string& page) {
    std::vector<std::string> rows;
    const std::vector<std::string> lines = lines_of(page);
    std::size_t i = 0;
    while (i < lines.size() && lines[i].rfind(" Heading ", 0) != 0) ++i;
    for (i += 3; i < lines.size() && !lines[i].empty(); ++i) rows.push_back(lines[i]);
    return rows;
}

// The pages whose first line is TITLE.
std::vector<std::string> titled(const std::vector<std::string>& pages, const std::string& title) {
    std::vector<std::string> out;
    for (const std::string& page : pages) {
        if (page.substr(0, page.find('\n')) == title) out.push_back(page);
    }
    return out;
}

class WindCurrentPages : public testing::DeepBoxRun {
protected:
    // The cylinder's wind and current models with the levers of the closed-form check.
    static void cylinders() {
        Tpcm& P = TPCM;
        P.LWBARG = 0x555;
        P.LCBARG = 0x777;
        P.XWARM = 12.0f;
        P.YWARM = -3.0f;
        P.XCARM = 0.0f;
        P.YCARM = 6.0f;
        P.LWL = 80.0f;
    }
    // English units, a 40-knot wind from the cylinder model on a vessel 600 ft long, moments about
    // Xves = 25 ft, one attack angle of 90 degrees.
    static void english_wind() {
        Tpcm& P = TPCM;
        P.NUNTS = 0;
        P.DWATR = 64.0f;  // lb/ft^3; the box keeps its numbers, now in feet
        P.DISPL = testing::kBoxL * testing::kBoxB * testing::kBoxT * 64.0f / 1000.0f;
        P.LWIND = 1;
        P.WNDSPD = 40.0f;
        P.WNDFAC = 1.0f;
        P.WNDHDG = 180.0f;
        P.LWBARG = 0x555;
        P.XWNDAR = 4000.0f;
        P.YWNDAR = 12000.0f;
        P.XWARM = 0.0f;
        P.YWARM = 0.0f;
        P.LWL = 600.0f;
        P.BRVARM = 25.0f;
        P.VESAN0 = 90.0f;
        P.NUMBRV = 1;
    }
};

TEST_F(WindCurrentPages, SectionVRowsAreTheCylinderClosedForm) {
    cylinders();
    TPCM.VESAN0 = 150.0f;
    TPCM.BRVINC = 60.0f;
    TPCM.NUMBRV = 2;
    TPCM.BRVFLG = bits({17, 20});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_EQ(page.substr(0, page.find('\n')), kTitleV);
    EXPECT_TRUE(has_line(lines_of(page), "            Moment at CG  = .5*L*Ab*Df*(V^2)*Cz"));
    EXPECT_TRUE(has_line(lines_of(page), "            Wind force model ...................  Cylindrical Vessel           "));
    EXPECT_TRUE(has_line(lines_of(page), "            Current force model ................  Cylindrical Vessel           "));
    EXPECT_TRUE(has_line(lines_of(page), "              --------    Wind    --------        ---------  Current  --------"));
    EXPECT_TRUE(has_line(lines_of(page), " Angle of      Cx          Cy          Cz          Cx          Cy          Cz"));
    // -cos, -sin, (x-arm cos - y-arm sin) / L.
    EXPECT_EQ(
        rows_after_deg(page),
        (std::vector<std::string>{"  150.0      .86603     -.50000     -.11115      .86603     -.50000     -.03750",
                                  "  210.0      .86603      .50000     -.14865      .86603      .50000      .03750"}));
}

TEST_F(WindCurrentPages, RelativeHeadingsShiftOnlyThePrintedAngle) {
    cylinders();
    TPCM.VESAN0 = 180.0f;
    TPCM.BRVINC = -190.0f;
    TPCM.NUMBRV = 2;
    TPCM.BRVFLG = bits({17, 26});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(has_line(lines_of(pages[0]), "               --------    Wind    --------"));
    EXPECT_TRUE(has_line(lines_of(pages[0]), " Relative       Cx          Cy          Cz         "));
    EXPECT_TRUE(has_line(lines_of(pages[0]), " Heading "));
    // Attack angle 180 prints 0 (360 reduced), attack angle -10 prints 170.0; the coefficients are
    // those of the attack angles: -cos 180 = 1, -sin 180 rounds to zero without being zero,
    // (12 cos 180 + 3 sin 180) / 80 = -.15; -cos(-10) = -.98481, -sin(-10) = .17365,
    // (12 cos(-10) + 3 sin(-10)) / 80 = .14121.
    EXPECT_EQ(rows_after_deg(pages[0]), (std::vector<std::string>{"     .0     1.00000     0.00000     -.15000",
                                                                  "  170.0     -.98481      .17365      .14121"}));
}

TEST_F(WindCurrentPages, SummaryOfTankerAndUndefinedModels) {
    Tpcm& P = TPCM;
    P.NUMBRV = 0;     // the coefficient functions refuse an undefined field
    P.DEPTH = 80.0f;  // 10 drafts
    P.BOWCUR = 0.5f;
    P.DFTPCT = 90.0f;
    P.LCBARG = 0x666;
    P.LWBARG = 0x999;
    P.BRVFLG = bits({17, 20});
    std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    const std::string lbl = "            ";
    const std::string expected_current = "\n\n" + lbl +
                                         "Current force model ................  OCIMF Tanker '77             \n" + lbl +
                                         "Below-Water Bow Shape ..............  Interpolated            \n" + lbl +
                                         "Bow Interpolation Factor ...........     .50\n" + lbl +
                                         "Draft-Based Load ...................   90.00 Percent\n" + lbl +
                                         "Water depth/draft ratio ............   10.00\n\n\n";
    EXPECT_NE(pages[0].find(expected_current), std::string::npos) << pages[0];
    EXPECT_TRUE(has_line(lines_of(pages[0]), lbl + "Wind force model ...................  Undefined model              "));

    // NSMB with the mean-load Cx curves: one caption line, the parameter line, the bracketed note;
    // OCIMF wind on two fields: three caption lines, the bow and deadweight lines.
    testing::reset_run_state();
    testing::store_deep_box_case();
    P.NUMBRV = 0;
    P.DEPTH = 80.0f;
    P.DFTPCT = 90.0f;
    P.LCBARG = 0x44F;
    P.LWBARG = 0x544;
    P.BOWWND = 1.0f;
    P.LOADED = 60.0f;
    P.DWTONS = 12345.9f;
    P.BRVFLG = bits({17, 20});
    pages = run();
    ASSERT_EQ(pages.size(), 1u);
    for (const std::string& line :
         {lbl + "Head-on Wind Coefficients (Cx) .....  OCIMF Tanker '77 (extended)  ",
          lbl + "Beam-on Wind Coefficients (Cy) .....  OCIMF Tanker '77 (extended)  ",
          lbl + "Wind Moment Coefficients  (Cz) .....  Cylindrical Vessel           ",
          lbl + "Above-Water Bow Shape ..............  Cylindrical             ",
          lbl + "Freeboard-Based Load ...............   60.00 Percent",
          lbl + "Tanker Deadweight ..................   12345" + UNITP(1),
          lbl + "Current force model ................  NSMB Tanker '91              ",
          lbl + "Water depth/draft ratio ............   10.00", lbl + "Water depth/draft parameter ........    9.00",
          lbl + "[NSMB \"Mean\" 40% load curves utilized for Cx]"}) {
        EXPECT_TRUE(has_line(lines_of(pages[0]), line)) << line << "\n" << pages[0];
    }
    EXPECT_EQ(pages[0].find("Bow Interpolation Factor"), std::string::npos);

    // At a full draft-based load the note goes; a barge current keeps the ratio line only.
    testing::reset_run_state();
    testing::store_deep_box_case();
    P.NUMBRV = 0;
    P.DEPTH = 80.0f;
    P.DFTPCT = 100.0f;
    P.LCBARG = 0x44F;
    P.BRVFLG = bits({20});
    pages = run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].find("[NSMB"), std::string::npos);
    EXPECT_TRUE(has_line(lines_of(pages[0]), lbl + "Water depth/draft parameter ........   10.00"));
    EXPECT_EQ(pages[0].find("Wind force model"), std::string::npos);
}

TEST_F(WindCurrentPages, SectionVIWindForceIsHalfRhoVSquaredMovedToTheMomentPoint) {
    english_wind();
    TPCM.BRVFLG = bits({18});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_EQ(page.substr(0, page.find('\n')), kTitleVI);
    // 1/2 rho V^2 in kips per square foot, V in ft/s.
    const double V = 40.0 * 1.687;
    EXPECT_NEAR(static_cast<double>(SINES.WNDCOF), 0.5 * 0.0024356 * V * V / 1000.0,
                0.0005 * 0.5 * 0.0024356 * V * V / 1000.0);
    EXPECT_TRUE(has_line(lines_of(page), " >>> NOTE: Moments in this table are computed about Xves =    25.00 ft"));
    EXPECT_TRUE(has_line(lines_of(page), "             --------   Wind     --------"));
    EXPECT_TRUE(has_line(lines_of(page), "  Attack    ( k.lbs)    ( k.lbs)    (kip-ft)"));
    const std::vector<std::string> rows = rows_after_deg(page);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].substr(0, 7), "   90.0");
    EXPECT_EQ(rows[0].substr(19), "  -6.652E+01   1.663E+03");
    EXPECT_LT(std::fabs(numbers(rows[0])[1]), 1e-5);
}

TEST_F(WindCurrentPages, SectionVIIWindDensitiesAndTheZeroSpeedLimit) {
    english_wind();
    TPCM.WNDTYP = 2;
    TPCM.WNDDEN = 3.0f;
    TPCM.BRVFLG = bits({19});
    std::vector<std::string> pages = run();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1], "");  // section VII closes with a page start
    EXPECT_EQ(pages[0].substr(0, pages[0].find('\n')), kTitleVII);
    EXPECT_TRUE(has_line(lines_of(pages[0]), " >>> NOTE: Moments in this table are computed about Xves =      .00 ft"));
    EXPECT_TRUE(has_line(lines_of(pages[0]), "           ------     Wind  Data    -----"));
    EXPECT_TRUE(has_line(lines_of(pages[0]), "  Attack  <-- [k.lbs]^2*s -->   [kip-ft]^2*s"));
    std::vector<std::string> rows = rows_after_deg(pages[0]);
    ASSERT_EQ(rows.size(), 1u);
    // SFy = 4 Fy^2 x 3.0 / (40 x 1.687)^2 with Fy the mean sway force; no moment about the CG.
    const double Fy = static_cast<double>(SINES.WNDCOF) * 12000.0;
    const double V = 40.0 * 1.687;
    EXPECT_NEAR(numbers(rows[0])[2], 4.0 * Fy * Fy * 3.0 / (V * V), 0.0005 * 11.66);
    EXPECT_EQ(rows[0].substr(19), "   1.166E+01   0.000E+00");

    // Wind on at a speed of 0: every density is 0, not 0/0.
    testing::reset_run_state();
    testing::store_deep_box_case();
    english_wind();
    TPCM.WNDSPD = 0.0f;
    TPCM.WNDTYP = 2;
    TPCM.WNDDEN = 3.0f;
    TPCM.BRVFLG = bits({18, 19});
    pages = run();
    ASSERT_EQ(pages.size(), 3u);
    pages.pop_back();
    for (const std::string& page : pages) {
        rows = rows_after_deg(page);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0], "   90.0   0.000E+00   0.000E+00   0.000E+00") << page;
    }
}

TEST_F(WindCurrentPages, BandLimitedCurrentDensitiesEndAt01257) {
    for (const float f : {0.1257f, 0.1258f}) {
        testing::reset_run_state();
        testing::store_deep_box_case();
        Tpcm& P = TPCM;
        P.LCURNT = 1;
        P.CURSPD = 2.0f;
        P.CURHDG = 180.0f;
        P.CURTYP = 3;
        P.CURDEN = 0.8f;
        P.LCBARG = 0x777;
        P.XCARM = 10.0f;
        P.CURFAC = 1.0f;
        P.XCURAR = 200.0f;
        P.YCURAR = 1000.0f;
        P.VESAN0 = 45.0f;
        P.BRVFRQ = f;
        P.BRVFLG = bits({22});
        const std::vector<std::string> pages = run();
        ASSERT_EQ(pages.size(), 2u);
        EXPECT_TRUE(has_line(lines_of(pages[0]), "           ------   Current Data    -----"));
        const std::vector<std::string> rows = rows_after_deg(pages[0]);
        ASSERT_EQ(rows.size(), 1u);
        const std::vector<double> v = numbers(rows[0]);
        ASSERT_EQ(v.size(), 4u);
        for (std::size_t j = 1; j < 4; ++j) {
            if (f < 0.12575f) {
                EXPECT_NE(v[j], 0.0) << rows[0];
            } else {
                EXPECT_EQ(rows[0].substr(7 + 12 * (j - 1), 12), "   0.000E+00") << rows[0];
            }
        }
    }
}

TEST_F(WindCurrentPages, NothingWithoutTheirBits) {
    cylinders();
    TPCM.LWIND = 1;
    TPCM.WNDSPD = 20.0f;
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 1.0f;
    TPCM.BRVFLG = bits({1}) & 0;
    EXPECT_TRUE(run().empty());
    EXPECT_EQ(std::string(testing::file_bytes(kReportFile)).find("Wind"), std::string::npos);
}

// The spectra pages: the sum of the sources, the External column 0, the moment line, and the wind
// value of each row equal to section VII's for a wind from 180 degrees on every page.
TEST_F(WindCurrentPages, NetForceSpectraAgreeWithSectionVIIForAWindFrom180) {
    cylinders();
    Tpcm& P = TPCM;
    P.LWIND = 1;
    P.WNDSPD = 25.0f;
    P.WNDHDG = 180.0f;
    P.WNDTYP = 1;
    P.XWNDAR = 300.0f;
    P.YWNDAR = 1500.0f;
    P.AUXFRC = 1;
    P.XVFRC = 40.0f;
    P.BRVARM = 30.0f;
    P.BRVFRQ = 0.05f;
    P.VESAN0 = 20.0f;
    P.BRVINC = 45.0f;
    P.NUMBRV = 8;
    P.BRVFLG = bits({19, 27});
    const std::vector<std::string> pages = run();
    // VII, its closing page start, the three spectra pages, and the page start of the spectra by
    // attack angle, which ask for no table here.
    ASSERT_EQ(pages.size(), 6u);
    EXPECT_EQ(pages[1], "");
    EXPECT_EQ(pages[5], "");
    const std::vector<std::string> vii = rows_after_deg(pages[0]);
    const std::vector<std::string> spectra = titled(pages, kTitleIXs);
    ASSERT_EQ(spectra.size(), 3u);
    ASSERT_EQ(vii.size(), 8u);
    for (int k = 1; k <= 3; ++k) {
        const std::string& page = spectra[static_cast<std::size_t>(k - 1)];
        EXPECT_TRUE(has_line(lines_of(page), " >>> NOTES: Frequency of \"low-frequency\" oscillations     =      .050 rad/sec"));
        EXPECT_EQ(has_line(lines_of(page), "            Moments in this table are computed about Xves =      .00 m."), k == 3);
        EXPECT_TRUE(has_line(lines_of(page), "                             Fx =   4.00E+01 m.ton"));
        const std::vector<std::string> rows = net_rows(page);
        ASSERT_EQ(rows.size(), 8u) << page;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::vector<double> v = numbers(rows[i]);
            ASSERT_EQ(v.size(), 9u) << rows[i];
            EXPECT_EQ(v[0], std::fmod(360.0 + 360.0 - (20.0 + 45.0 * static_cast<double>(i)), 360.0)) << rows[i];
            EXPECT_EQ(rows[i].substr(7 + 12 * 2, 12), vii[i].substr(7 + 12 * static_cast<std::size_t>(k - 1), 12))
                << k << " " << rows[i] << " | " << vii[i];
            EXPECT_EQ(v[7], 0.0);
            double sum = 0.0;
            for (std::size_t j = 1; j <= 7; ++j) sum += v[j];
            EXPECT_NEAR(v[8], sum, 0.0005 * std::fabs(sum) + 1e-30) << rows[i];
        }
    }
    EXPECT_NE(
        spectra[0].find("---------------------------   Vessel-Based X Force Spectra   ---------------------------"),
        std::string::npos);
    EXPECT_TRUE(has_line(lines_of(spectra[2]), std::string(49, ' ') + "([ton-m.]^2*s)"));
}

TEST_F(WindCurrentPages, NetForceSpectraWithoutDragHaveSixColumns) {
    testing::add_sea();
    Tpcm& P = TPCM;
    P.LEGDRG = 1;
    P.VWDFAC = 1.0f;
    P.BRVFRQ = 0.05f;
    P.BRVFLG = bits({4, 27});
    const std::vector<std::string> pages = run();
    ASSERT_EQ(titled(pages, kTitleIXsShort).size(), 3u);
    const std::vector<std::string> spectra = titled(pages, kTitleIXsShort);
    // Bit 4 also writes page IVa: for a sea from 180 degrees its density at the attack angle is the
    // wave value of the spectra pages, component by component.
    ASSERT_FALSE(pages.empty());
    const std::vector<std::string> iva = rows_after_deg(pages[0]);
    ASSERT_EQ(iva.size(), 1u) << pages[0];
    for (std::size_t k = 0; k < spectra.size(); ++k) {
        const std::string& page = spectra[k];
        EXPECT_TRUE(has_line(lines_of(page), " Heading    Wave        Wind       Current     Swell      External      NET"));
        const std::vector<std::string> rows = net_rows(page);
        ASSERT_EQ(rows.size(), 1u);
        const std::vector<double> v = numbers(rows[0]);
        ASSERT_EQ(v.size(), 7u);
        // The sea's slowly-varying drift; the tanh-law model has no yaw moment.
        if (k < 2) {
            EXPECT_GT(v[1], 0.0) << page;
        } else {
            EXPECT_EQ(v[1], 0.0) << page;
        }
        EXPECT_EQ(v[6], v[1]);
        EXPECT_EQ(rows[0].substr(7, 12), iva[0].substr(7 + 12 * k, 12)) << rows[0] << " | " << iva[0];
    }
    EXPECT_TRUE(has_line(lines_of(titled(pages, kTitleIXsShort)[0]), std::string(41, ' ') + "([m.ton]^2*s)"));
}

// Wind and current on at a speed of 0: their spectra columns are 0 on every page, never 0/0.
TEST_F(WindCurrentPages, NetForceSpectraOfWindAndCurrentAtRestAreZero) {
    cylinders();
    Tpcm& P = TPCM;
    P.LWIND = 1;
    P.WNDSPD = 0.0f;
    P.WNDTYP = 2;
    P.WNDDEN = 3.0f;
    P.XWNDAR = 300.0f;
    P.YWNDAR = 1500.0f;
    P.LCURNT = 1;
    P.CURSPD = 0.0f;
    P.CURFAC = 1.0f;
    P.CURTYP = 1;
    P.CURDEN = 1.0f;
    P.XCURAR = 200.0f;
    P.YCURAR = 1000.0f;
    P.BRVFRQ = 0.05f;
    P.NUMBRV = 3;
    P.BRVINC = 30.0f;
    P.BRVFLG = bits({19, 22, 27});
    const std::vector<std::string> pages = run();
    const std::vector<std::string> spectra = titled(pages, kTitleIXs);
    ASSERT_EQ(spectra.size(), 3u);
    for (const std::string& page : spectra) {
        const std::vector<std::string> rows = net_rows(page);
        ASSERT_EQ(rows.size(), 3u) << page;
        std::string zeros;
        for (int j = 0; j < 8; ++j) zeros += "   0.000E+00";
        for (const std::string& row : rows) EXPECT_EQ(row.substr(7), zeros) << row;
    }
}

// Bit 27 with no source that the gate accepts: no page; on the console one pause only.
class NetForceSpectraGate : public testing::ConsoleTest {};

TEST_F(NetForceSpectraGate, NoSourceAskedGivesOnlyThePause) {
    reset_tpcm();
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.IUNIT = SCREEN_UNIT;
    TPCM.LWIND = 1;
    TPCM.LCURNT = 1;
    TPCM.BRVFLG = bits({27, 4, 14});  // waves would need a sea or a swell that is on
    RunValues R;
    answers("\n");
    net_force_spectrum_pages(R);
    EXPECT_EQ(screen(), " \n Press <RETURN> to continue: ");
    clear_captured(SCREEN_UNIT);
    TPCM.BRVFLG = bits({19});
    net_force_spectrum_pages(R);
    EXPECT_EQ(screen(), "");
    reset_tpcm();
}

// On the console each of V, VI and VII pauses once after its rows; the spectra pages pause before
// each page and after the last.
TEST_F(NetForceSpectraGate, ConsolePausesOfTheSections) {
    reset_tpcm();
    Tpcm& P = TPCM;
    P.EDUNIT = SCREEN_UNIT;
    P.IUNIT = SCREEN_UNIT;
    P.NUNTS = 1;
    P.LWIND = 1;
    P.WNDSPD = 20.0f;
    P.WNDTYP = 2;
    P.LWBARG = 0x555;
    P.LCBARG = 0x777;
    P.LWL = 100.0f;
    P.NUMBRV = 2;
    P.BRVINC = 90.0f;
    RunValues R;
    set_run_constants(R);
    constexpr const char* kPause = " \n Press <RETURN> to continue: ";
    struct Case {
        void (*section)(RunValues&);
        Int flags;
        std::size_t pauses;
    };
    for (const Case& c : {Case{wind_current_coefficient_pages, bits({17, 20}), 1},
                          Case{wind_current_mean_force_pages, bits({18, 21}), 1},
                          Case{wind_current_spectrum_pages, bits({19, 22}), 1},
                          Case{net_force_spectrum_pages, bits({19, 27}), 4}}) {
        clear_captured(SCREEN_UNIT);
        answers("\n\n\n\n");
        P.BRVFLG = c.flags;
        c.section(R);
        const std::string out = screen();
        std::size_t n = 0;
        for (auto at = out.find(kPause); at != std::string::npos; at = out.find(kPause, at + 1)) ++n;
        EXPECT_EQ(n, c.pauses) << c.flags << out;
        EXPECT_EQ(out.substr(out.size() - std::string(kPause).size()), kPause) << c.flags;
    }
    reset_tpcm();
}

TEST(GustDensity, ZeroSpeedIsTheLimitNotAQuotient) {
    EXPECT_EQ(over_squared_speed(0.0f, 0.0f), 0.0f);
    EXPECT_EQ(over_squared_speed(8.0f, 2.0f), 2.0f);
}

}  // namespace
}  // namespace brevant
