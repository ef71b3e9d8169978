// The wave report: its pages against the dispersion relation, the Airy particle identities and
// the closed-form integrals of the spectra; the range and input checks that return to the caller
// with the case untouched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "options/wave_report.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "numeric/grid_integrals.h"
#include "sysutl/captions.h"
#include "sysutl/fortran_format.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "veslib/user_wave_spectrum.h"
#include "test_support.h"

namespace brevant {
namespace {

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A single-precision value of the program, widened for the double-precision checks.
double D(float v) { return static_cast<double>(v); }

int count_of(const std::vector<std::string>& lines, const std::string& text) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

// A characteristic line by its layout rule: 10 blanks, the caption, a blank, 37 - length dots, the
// value field of 10 columns, a blank and the unit caption in 16 columns.
std::string characteristic_line(const std::string& caption, const std::string& value, const std::string& unit) {
    return std::string(10, ' ') + caption + " " + std::string(37 - caption.size(), '.') + value + " " + fixed_len(unit, 16);
}

// The wave number of circular frequency w at depth h by Newton's method in double.
double wave_number(double w, double h, double g) {
    double k = w * w / g;
    for (int i = 0; i < 50; ++i) {
        const double t = std::tanh(k * h);
        const double f = g * k * t - w * w;
        const double df = g * t + g * k * h * (1.0 - t * t);
        k -= f / df;
    }
    return k;
}

int index_of(const std::vector<std::string>& lines, const std::string& text) {
    const auto it = std::find(lines.begin(), lines.end(), text);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

class WaveReport : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_wavcom();
        reset_himem();
        Tpcm& P = TPCM;
        P.EDUNIT = SCREEN_UNIT;
        P.IUNIT = 1;
        P.NUNTS = 0;
        P.DEPTH = 300.0f;
        P.LSLPHT = 0;
        P.SLPHT = 10.0f;
        P.NWP = 30;
        for (int i = 1; i <= 30; ++i) P.T(i) = 5.0f + 0.5f * static_cast<float>(i - 1);
        P.SIGPD(1) = 10.0f;
        P.SWLWID = 0.08f;
        P.WAVWID = 0.08f;
    }
    void TearDown() override {
        reset_tpcm();
        reset_wavcom();
        reset_himem();
        ConsoleTest::TearDown();
    }
    // Runs the report; false when it ended the program.
    bool run() {
        try {
            WAVOUT();
        } catch (const ProgramEnd&) {
            return false;
        }
        return true;
    }
    std::vector<std::string> report() const { return split_lines(testing::file_bytes("WAVEOUT.stxt")); }
    // A report of an earlier call, which a report that cannot be finished must leave as it is.
    static constexpr const char* kEarlierReport = " an earlier, whole wave report\n";
    static void put_earlier_report() { testing::put_file("WAVEOUT.stxt", kEarlierReport); }
    // The earlier report stands whole under its name, no cut report took it, no temporary stays and
    // the unit is closed.
    static void expect_earlier_report_whole() {
        EXPECT_EQ(testing::file_bytes("WAVEOUT.stxt"), kEarlierReport);
        EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt.brvtmp"));
        EXPECT_FALSE(unit_is_open(1));
    }
    // The value of a characteristic line, read back from its field.
    static float characteristic(const std::vector<std::string>& lines, const std::string& caption) {
        for (const std::string& l : lines)
            if (l.compare(0, 10 + caption.size(), std::string(10, ' ') + caption) == 0)
                return std::stof(l.substr(48, 10));
        ADD_FAILURE() << "no line " << caption;
        return 0.0f;
    }
    testing::ScratchDir dir;
};

TEST_F(WaveReport, KinematicsOnlyWritesBothPagesAndClosesTheFile) {
    ASSERT_TRUE(run());
    EXPECT_EQ(screen(), "\n >>> Outputting wave kinematics data...\n\n");
    EXPECT_FALSE(unit_is_open(1));
    const std::vector<std::string> lines = report();
    EXPECT_EQ(count_of(lines, "                           Water Depth    =    300.00 ft"), 2);
    EXPECT_EQ(count_of(lines, "                           Wave Height    =     10.00 ft              "), 2);
    EXPECT_EQ(count_of(lines, "   ***************       REGULAR WAVE KINEMATICS SUMMARY      ***************"), 2);
    const int first = index_of(lines, "     5.00     127.93      14.07      25.59      12.79    0.491E-01     1.257");
    ASSERT_GE(first, 0);
    EXPECT_EQ(lines[static_cast<std::size_t>(first) + 6],
              "     8.00     327.49       5.50      40.94      20.47    0.192E-01      .785");
    EXPECT_EQ(lines[static_cast<std::size_t>(first) - 3], "   (Sec)       (ft)       (Deg)    (ft/Sec)   (ft/Sec)     (1/ft)    (Rad/Sec)");
    EXPECT_EQ(lines[static_cast<std::size_t>(first) - 5], "   Period     Length      Slope      Phase      Group      Number    Frequency");
    // 30 rows, then the new-page mark; the particle page follows.
    EXPECT_EQ(lines[static_cast<std::size_t>(first) + 30], "\f");
    EXPECT_EQ(lines[static_cast<std::size_t>(first) + 31], "");
    EXPECT_EQ(count_of(lines, "\f"), 1);
    const int particle = index_of(lines, "    5.00      .246       .246       6.283      6.283       5.000      5.000   ");
    ASSERT_GT(particle, first + 30);
    EXPECT_EQ(lines[static_cast<std::size_t>(particle) - 3], "  (Sec)           (G's)                 (ft/Sec)                 (ft)");
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(particle) + 30);
    EXPECT_EQ(index_of(lines, "   ********************   Irregular Wave Spectral Values  *******************"), -1);
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(WaveReport, GridSatisfiesTheDispersionRelationInEitherUnitSystem) {
    struct Case {
        Int NUNTS;
        float depth, G;
    };
    for (const Case c : {Case{0, 300.0f, 32.152f}, Case{1, 100.0f, 9.8f}, Case{1, 12.0f, 9.8f}}) {
        SCOPED_TRACE(c.depth);
        reset_wavcom();
        TPCM.NUNTS = c.NUNTS;
        TPCM.DEPTH = c.depth;
        ASSERT_TRUE(run());
        const WavCom& V = WAVCOM;
        EXPECT_EQ(V.G, c.G);
        EXPECT_EQ(V.NW, 29);
        EXPECT_EQ(V.DT, 0.5f);
        EXPECT_EQ(V.TS, 5.0f);
        EXPECT_EQ(V.TL, 19.5f);
        EXPECT_EQ(V.DW, 0.0f);
        for (int i = 1; i <= 30; ++i) {
            const double w = 2.0 * std::numbers::pi / D(TPCM.T(i));
            const double k = D(V.WVK(i));
            EXPECT_NEAR(D(V.W(i)), w, 1e-6 * w);
            EXPECT_NEAR(w * w, D(c.G) * k * std::tanh(k * D(c.depth)), 1e-5 * w * w) << i;
        }
    }
}

TEST_F(WaveReport, GroupSpeedMatchesTheTextbookFormAndHalvesThePhaseSpeedInDeepWater) {
    const float G = 9.8f;
    for (const float kh : {0.05f, 0.5f, 1.0f, 4.03f, 20.0f, 79.0f, 80.0f, 200.0f}) {
        SCOPED_TRACE(kh);
        const float depth = 100.0f;
        const float k = kh / depth;
        const float w = static_cast<float>(std::sqrt(D(G) * D(k) * std::tanh(D(kh))));
        const double c = D(w) / D(k);
        const double expected = kh < 80.0f ? 0.5 * c * (1.0 + 2.0 * D(kh) / std::sinh(2.0 * D(kh))) : 0.5 * c;
        EXPECT_NEAR(D(wave_group_speed(w, k, depth, G)), expected, 1e-5 * expected);
    }
    // Above kh 80 exactly half the phase speed.
    EXPECT_EQ(wave_group_speed(2.0f, 0.9f, 100.0f, G), 0.5f * (2.0f / 0.9f));
}

TEST_F(WaveReport, ParticleRowsFollowTheAiryIdentities) {
    // Horizontal acceleration in g is a k; velocities a w coth kh and a w; displacements a coth kh and a.
    for (const float depth : {20.0f, 300.0f}) {
        SCOPED_TRACE(depth);
        TPCM.DEPTH = depth;
        ASSERT_TRUE(run());
        const std::vector<std::string> lines = report();
        const int first = index_of(lines, " >>> Water Particle Dynamics At Surface");
        ASSERT_GT(first, 0);
        for (int i = 1; i <= 30; ++i) {
            const std::string& row = lines[static_cast<std::size_t>(first + 12 + i)];
            const double k = D(WAVCOM.WVK(i)), w = D(WAVCOM.W(i)), a = 5.0;
            const double coth = 1.0 / std::tanh(k * D(depth));
            const double expected[6] = {a * k, a * w * w / 32.152, a * w * coth, a * w, a * coth, a};
            for (int j = 0; j < 6; ++j) {
                const std::size_t column = 9 + static_cast<std::size_t>(j / 2) * 23 + static_cast<std::size_t>(j % 2) * 11;
                EXPECT_NEAR(std::stod(row.substr(column, 9)), expected[j], 6e-4) << row;
            }
        }
    }
}

TEST_F(WaveReport, ConstantSlopeShowsTheHeightColumn) {
    TPCM.LSLPHT = 1;
    TPCM.SLPHT = 5.0f;
    TPCM.NUNTS = 1;
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 1;
    TPCM.SWHT(1) = 4.0f;
    ASSERT_TRUE(run());
    const std::vector<std::string> lines = report();
    EXPECT_EQ(count_of(lines, "                           Wave Slope     =      5.00 Deg             "), 2);
    EXPECT_EQ(count_of(lines, "   (Sec)       (m.)       (m. )    (m./Sec)   (m./Sec)     (1/m.)    (Rad/Sec)"), 1);
    EXPECT_EQ(count_of(lines, "   Period     Length     Height      Phase      Group      Number    Frequency"), 1);
    EXPECT_EQ(count_of(lines, "     >>> Wave slope for height calculation =   5.00 degrees"), 1);
    // Height 2a = 2 (slope in radians) / k.
    const int first = index_of(lines, " >>> Wave Properties");
    const std::string& row = lines[static_cast<std::size_t>(first) + 14];
    EXPECT_NEAR(std::stod(row.substr(23, 8)), 2.0 * (5.0 / 57.295776) / D(WAVCOM.WVK(1)), 6e-3) << row;
}

TEST_F(WaveReport, PiersonMoskowitzSeaAgainstItsClosedFormIntegral) {
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 1;
    TPCM.SWHT(1) = 12.0f;
    ASSERT_TRUE(run());
    const std::vector<std::string> lines = report();
    EXPECT_EQ(count_of(lines, "     Wave Spectral Type -- Standard Pierson-Moskowitz; Long-crested seas"), 2);
    EXPECT_EQ(count_of(lines, "          Requested Significant wave height ....     12.00 ft              "), 2);
    EXPECT_EQ(count_of(lines, "          Calculated Significant wave height ...     11.45 ft              "), 2);
    EXPECT_EQ(count_of(lines, "          Spectrum peak period .................      9.57 seconds         "), 2);
    EXPECT_EQ(count_of(lines, "          Spectrum characteristic wind speed ...     43.43 feet/sec        "), 2);
    // The spectrum integrated between the grid's end frequencies, in closed form.
    const double g = 32.152, tp = 15.66 * std::sqrt(12.0 / g), wp = 2.0 * std::numbers::pi / tp;
    const double w1 = 2.0 * std::numbers::pi / 5.0, wn = 2.0 * std::numbers::pi / 19.5;
    const double expected = 12.0 * std::sqrt(std::exp(-1.25 * std::pow(wp / w1, 4)) - std::exp(-1.25 * std::pow(wp / wn, 4)));
    EXPECT_NEAR(D(characteristic(lines, "Calculated Significant wave height")), expected, 0.002 * expected + 0.005);
    EXPECT_NEAR(D(characteristic(lines, "Spectrum peak period")), tp, 0.005);
    // Slope (Hs/2) k at the peak in degrees, k from the dispersion relation (deep water here).
    EXPECT_NEAR(D(characteristic(lines, "Spectrum characteristic wave slope")), 6.0 * wave_number(wp, 300.0, g) * 57.295776, 0.01);
    EXPECT_EQ(characteristic(lines, "Direction of maximum seas"), 0.0f);
    // One spectrum column headed "Wave", one group column headed " Wave".
    EXPECT_EQ(count_of(lines, "      Wave         Wave         Wave         Wave         Wave   "), 1);
    EXPECT_EQ(count_of(lines, "     (Sec)       (rad/sec)      (ft)         (Deg)  (ft^2/[rad/sec])"), 1);
    EXPECT_EQ(count_of(lines, "   Group        Group         InterGroup       Wave Group"), 1);
    EXPECT_EQ(count_of(lines, "     >>> Wave height for slope calculation =  10.00 ft"), 1);
    // Form feeds after the kinematics page, before the spectra page, before the group page, after it.
    std::vector<int> marks;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == "\f") marks.push_back(static_cast<int>(i));
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(lines[static_cast<std::size_t>(marks[1]) + 1],
              "   ********************   Irregular Wave Spectral Values  *******************");
    EXPECT_EQ(lines[static_cast<std::size_t>(marks[2]) + 1],
              "   ****************   Irregular Wave Group Spectral Values  *****************");
    EXPECT_EQ(marks[3], static_cast<int>(lines.size()) - 1);
    EXPECT_LT(index_of(lines, " >>> Water Particle Dynamics At Surface"), marks[1]);
    EXPECT_GT(index_of(lines, " >>> Water Particle Dynamics At Surface"), marks[0]);
    // Spectra rows: period, frequency, length, slope in degrees and the spectrum of the grid point.
    const std::size_t row1 = static_cast<std::size_t>(index_of(lines, "     (Sec)       (rad/sec)      (ft)         (Deg)  (ft^2/[rad/sec])")) + 2;
    for (int i : {1, 10, 30}) {
        const std::string& row = lines[row1 + static_cast<std::size_t>(i - 1)];
        const double k = D(WAVCOM.WVK(i));
        EXPECT_NEAR(std::stod(row.substr(0, 11)), D(TPCM.T(i)), 5e-4) << row;
        EXPECT_NEAR(std::stod(row.substr(11, 13)), 2.0 * std::numbers::pi / D(TPCM.T(i)), 5e-4) << row;
        EXPECT_NEAR(std::stod(row.substr(24, 13)), 2.0 * std::numbers::pi / k, 5e-3) << row;
        EXPECT_NEAR(std::stod(row.substr(37, 13)), 5.0 * k * 57.295776, 5e-4) << row;
        EXPECT_NEAR(std::stod(row.substr(50, 13)), D(WAVCOM.WPSD(i)), 5e-5) << row;
    }
    // The sea peak values stay in WAVCOM.
    EXPECT_NEAR(D(WAVCOM.TPK), tp, 1e-3);
    EXPECT_NEAR(D(WAVCOM.WPK), wp, 1e-4);
    EXPECT_EQ(WAVCOM.NSPEC, 1);
}

TEST_F(WaveReport, GaussianSwellConservesItsHeightAndGivesTheClosedFormGroupSpectrum) {
    TPCM.NUNTS = 1;
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 0;
    TPCM.SWELHT = 3.0f;
    TPCM.SWELPD = 10.0f;
    TPCM.SWLWID = 0.08f;
    ASSERT_TRUE(run());
    const std::vector<std::string> lines = report();
    EXPECT_EQ(count_of(lines, "     Swell Spectral Type -- " + fixed_len(" Velmora swell spectrum", 30)), 2);
    EXPECT_EQ(count_of(lines, "          Calculated Significant swell height ..      3.00 m.              "), 2);
    EXPECT_EQ(count_of(lines, characteristic_line("Swell spectral bandwidth", "       .08", "")), 2);
    EXPECT_EQ(count_of(lines, characteristic_line("Requested Significant swell height", "      3.00", "m.")), 2);
    EXPECT_EQ(count_of(lines, "   Group        Group         InterGroup      Swell Group"), 1);
    EXPECT_EQ(count_of(lines, " (rad/sec)      (Sec)           (m.)        (m.^4/[rad/sec])"), 1);
    const int header = index_of(lines, " (rad/sec)      (Sec)           (m.)        (m.^4/[rad/sec])");
    ASSERT_GT(header, 0);
    const std::size_t first = static_cast<std::size_t>(header) + 2;
    // 75 rows from .0000 to .1850, then the page mark.
    EXPECT_EQ(lines[first].substr(0, 7), "  .0000");
    EXPECT_EQ(lines[first + 74].substr(0, 7), "  .1850");
    EXPECT_EQ(lines[first + 75], "\f");
    EXPECT_EQ(lines[first].substr(14, 8), "Infinity");
    EXPECT_EQ(lines[first].substr(31, 8), "Infinity");
    EXPECT_EQ(lines[first].substr(47), " 1.42E+01");
    // G(0) = 8 A^2 wn s sqrt(pi), A = Hs^2 / (16 sqrt(2 pi) s wn), the peak on grid point 11.
    const double wn = 2.0 * std::numbers::pi / 10.0, s = 0.08;
    const double A = 9.0 / (16.0 * std::sqrt(2.0 * std::numbers::pi) * s * wn);
    const double g0 = 8.0 * A * A * wn * s * std::sqrt(std::numbers::pi);
    EXPECT_NEAR(std::stod(lines[first].substr(47)), g0, 0.01 * g0);  // as printed, 3 digits
    EXPECT_EQ(WAVCOM.NSWEL, 11);
    // A later row: period, spacing by the group speed at the peak, each as printed.
    const double k = D(WAVCOM.WVK(11)), cg = D(wave_group_speed(WAVCOM.W(11), WAVCOM.WVK(11), 300.0f, 9.8f));
    EXPECT_NEAR(std::stod(lines[first + 4].substr(14, 8)), 2.0 * std::numbers::pi / 0.01, 0.02);
    EXPECT_NEAR(std::stod(lines[first + 4].substr(28, 11)), 2.0 * std::numbers::pi * cg / 0.01, 0.05);
    EXPECT_GT(k, 0.0);
    EXPECT_NEAR(D(WAVCOM.SWHSWL), 3.0, 0.005);
    EXPECT_EQ(WAVCOM.DELSWL, 0.08f);
}

TEST_F(WaveReport, GroupSpectrumOfTheGaussianSwellMatchesTheContinuousIntegralBeforeRounding) {
    // The same swell, the group spectrum at 0 taken from the record: within 0.2 % of the closed form.
    TPCM.NUNTS = 1;
    TPCM.LSWELL = 1;
    TPCM.SWELHT = 3.0f;
    TPCM.SWELPD = 10.0f;
    ASSERT_TRUE(run());
    Real g = 0.0f;
    GRPSPC(&WAVCOM.SWLPSD(1), g, 0.0f);
    const double wn = 2.0 * std::numbers::pi / 10.0, s = 0.08;
    const double A = 9.0 / (16.0 * std::sqrt(2.0 * std::numbers::pi) * s * wn);
    const double g0 = 8.0 * A * A * wn * s * std::sqrt(std::numbers::pi);
    EXPECT_NEAR(D(g), g0, 0.002 * g0);
}

TEST_F(WaveReport, SeaAndSwellTogetherShareTheTables) {
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 2;
    TPCM.SWHT(1) = 10.0f;
    TPCM.SIGPD(1) = 9.0f;
    TPCM.LSPRED = 1;
    TPCM.COSEXP = 2.0f;
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 0;
    TPCM.SWELHT = 4.0f;
    TPCM.SWELPD = 14.0f;
    TPCM.SWLHDG = 30.0f;
    ASSERT_TRUE(run());
    const std::vector<std::string> lines = report();
    EXPECT_EQ(count_of(lines, "     Wave Spectral Type -- Mean JONSWAP; Short-crested seas"), 2);
    EXPECT_EQ(count_of(lines, characteristic_line("Power of Cosine in spreading factor", "      2.00", "")), 2);
    EXPECT_EQ(count_of(lines, characteristic_line("Swell direction", "     30.00", "degrees")), 2);
    EXPECT_EQ(count_of(lines, characteristic_line("Swell spectral bandwidth", "       .08", "")), 2);
    EXPECT_EQ(index_of(lines, characteristic_line("Requested Significant wave height", "     10.00", "ft")) > 0, true);
    EXPECT_EQ(count_of(lines, "      Wave         Wave         Wave         Wave         Wave        Swell"), 1);
    EXPECT_EQ(count_of(lines, "     (Sec)       (rad/sec)      (ft)         (Deg)    <-- (ft^2/[rad/sec]) -->"), 1);
    EXPECT_EQ(count_of(lines, " (rad/sec)    (Sec)          (ft)          (ft)     <-- (ft^4/[rad/sec]) -->"), 1);
    const int header = index_of(lines, " (rad/sec)    (Sec)          (ft)          (ft)     <-- (ft^4/[rad/sec]) -->");
    const std::string& first = lines[static_cast<std::size_t>(header) + 2];
    EXPECT_EQ(first.substr(0, 7), "  .0000");
    EXPECT_EQ(first.substr(12, 8), "Infinity");
    EXPECT_EQ(first.substr(27, 8), "Infinity");
    EXPECT_EQ(first.substr(41, 8), "Infinity");
    EXPECT_EQ(first.size(), 76u);
    const std::string& second = lines[static_cast<std::size_t>(header) + 3];
    EXPECT_EQ(second.substr(0, 7), "  .0025");
    EXPECT_EQ(second.size(), 76u);
    EXPECT_EQ(TPCM.SWELPD, 14.0f);
}

TEST_F(WaveReport, OchiHubbleSeaTakesTheRootSumHeightAndTheLargestComponentsPeak) {
    struct Case {
        float h1, h2, p1, p2, height, peak;
    };
    for (const Case c : {Case{3.0f, 4.0f, 8.0f, 12.0f, 5.0f, 12.0f}, Case{4.0f, 4.0f, 8.0f, 12.0f, 5.656854f, 8.0f}}) {
        TPCM.LRANDM = 1;
        TPCM.WAVTYP = 9;
        TPCM.N_OCHI_COMP = 2;
        TPCM.SWHT(1) = c.h1;
        TPCM.SWHT(2) = c.h2;
        TPCM.SIGPD(1) = c.p1;
        TPCM.SIGPD(2) = c.p2;
        TPCM.OCHI_LAMBDA(1) = 1.0f;
        TPCM.OCHI_LAMBDA(2) = 1.0f;
        ASSERT_TRUE(run());
        EXPECT_NEAR(WAVCOM.SWH, c.height, 1e-5f);
        EXPECT_EQ(WAVCOM.TPK, c.peak);
    }
}

// An Ochi-Hubble count the page does not write: the report would give the height of six words and
// the spectrum of four, or of none; it returns with its message instead.
TEST_F(WaveReport, OchiHubbleCountOutsideThePagesRangeReturnsWithItsMessage) {
    for (const Int count : {0, -1, 5, 6, 2147483647, 1, 4}) {
        SCOPED_TRACE(count);
        clear_captured(SCREEN_UNIT);
        TPCM.LRANDM = 1;
        TPCM.WAVTYP = 9;
        TPCM.N_OCHI_COMP = count;
        for (int j = 1; j <= 6; ++j) {
            TPCM.SWHT(j) = 2.0f;
            TPCM.SIGPD(j) = 10.0f;
        }
        for (int j = 1; j <= 4; ++j) TPCM.OCHI_LAMBDA(j) = 1.0f;
        answers("\n");
        ASSERT_TRUE(run());
        const bool taken = count >= 1 && count <= 4;
        EXPECT_EQ(screen().find("\n\n ++> Number of Ochi-Hubble wave components (page 12, item 5) must be 1 to 4\n\n \n"
                                " Press <RETURN>") == std::string::npos,
                  taken)
            << screen();
        EXPECT_EQ(index_of(report(), "     ----  Wave Characteristics  ----") != -1, taken);
        if (taken) {
            EXPECT_NEAR(WAVCOM.SWH, 2.0f * std::sqrt(static_cast<float>(count)), 1e-5f);
        }
        EXPECT_FALSE(unit_is_open(1));
    }
}

TEST_F(WaveReport, ConsoleReportPausesAfterEachPage) {
    TPCM.IUNIT = SCREEN_UNIT;
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 1;
    TPCM.SWHT(1) = 12.0f;
    answers("\n\n\n7\n");
    ASSERT_TRUE(run());
    const std::string out = screen();
    std::size_t pauses = 0;
    for (std::size_t at = out.find("Press <RETURN>"); at != std::string::npos; at = out.find("Press <RETURN>", at + 1)) ++pauses;
    EXPECT_EQ(pauses, 4u);
    EXPECT_EQ(TPCM.LBACK, 7);  // the answer of the last pause
    EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt"));
    EXPECT_NE(out.find("          Calculated Significant wave height ...     11.45 ft"), std::string::npos);
}

TEST_F(WaveReport, FullPeriodListFillsEveryPageAndALargerCountIsHeldToIt) {
    for (const Int count : {100, 150}) {
        SCOPED_TRACE(count);
        TPCM.NWP = count;
        for (int i = 1; i <= 100; ++i) TPCM.T(i) = 4.0f + 0.25f * static_cast<float>(i - 1);
        TPCM.LRANDM = 1;
        TPCM.WAVTYP = 1;
        TPCM.SWHT(1) = 12.0f;
        ASSERT_TRUE(run());
        const std::vector<std::string> lines = report();
        const int kinematics = index_of(lines, " >>> Wave Properties");
        EXPECT_EQ(lines[static_cast<std::size_t>(kinematics) + 14 + 99].substr(0, 9), "    28.75");
        EXPECT_EQ(lines[static_cast<std::size_t>(kinematics) + 14 + 100], "\f");
        const int spectra = index_of(lines, "     (Sec)       (rad/sec)      (ft)         (Deg)  (ft^2/[rad/sec])");
        EXPECT_EQ(lines[static_cast<std::size_t>(spectra) + 2 + 99].substr(0, 11), "     28.750");
        EXPECT_EQ(lines[static_cast<std::size_t>(spectra) + 2 + 100], "\f");
        EXPECT_EQ(WAVCOM.TL, 28.75f);
        // The grid spans 4 s to 28.75 s: the closed-form height between its end frequencies.
        const double tp = 15.66 * std::sqrt(12.0 / 32.152), wp = 2.0 * std::numbers::pi / tp;
        const double w1 = 2.0 * std::numbers::pi / 4.0, wn = 2.0 * std::numbers::pi / 28.75;
        const double expected = 12.0 * std::sqrt(std::exp(-1.25 * std::pow(wp / w1, 4)) - std::exp(-1.25 * std::pow(wp / wn, 4)));
        EXPECT_NEAR(D(characteristic(lines, "Calculated Significant wave height")), expected, 0.002 * expected + 0.005);
    }
}

// ---- The checks that keep the session and the case ------------------------------------------

// The report cannot be finished: the kinematics pages already written go with their temporary,
// and the earlier report stays whole.
TEST_F(WaveReport, SwellPeakOffTheGridReturnsWithTheEarlierReportAndTheCaseUntouched) {
    put_earlier_report();
    TPCM.LSWELL = 1;
    TPCM.SWELHT = 3.0f;
    TPCM.SWELPD = 4.0f;
    std::vector<unsigned char> before(sizeof(Tpcm));
    std::memcpy(before.data(), &TPCM, sizeof(Tpcm));
    answers("\n");
    ASSERT_TRUE(run());
    EXPECT_EQ(screen(),
              "\n >>> Outputting wave kinematics data...\n\n\n ++> Swell outside wave period range\n\n \n Press <RETURN> to continue: ");
    expect_earlier_report_whole();
    EXPECT_EQ(std::memcmp(before.data(), &TPCM, sizeof(Tpcm)), 0);

    // Without an earlier report, none is left.
    std::filesystem::remove("WAVEOUT.stxt");
    answers("\n");
    ASSERT_TRUE(run());
    EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt"));
    EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt.brvtmp"));
}

TEST_F(WaveReport, SwellPeakWithinHalfAStepOfTheListIsTakenToItsEnd) {
    struct Case {
        float period;
        Int index;
    };
    for (const Case c : {Case{4.8f, 1}, Case{19.7f, 30}}) {
        TPCM.LSWELL = 1;
        TPCM.SWELHT = 3.0f;
        TPCM.SWELPD = c.period;
        ASSERT_TRUE(run());
        EXPECT_EQ(WAVCOM.NSWEL, c.index);
        EXPECT_EQ(count_of(report(), "   ****************   Irregular Wave Group Spectral Values  *****************"), 1);
    }
}

TEST_F(WaveReport, GaussianSeaPeakOffTheGridGivesTheRunsMessage) {
    put_earlier_report();
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 0;
    TPCM.SWHT(1) = 3.0f;
    TPCM.SIGPD(1) = 25.0f;
    answers("\n");
    ASSERT_TRUE(run());
    EXPECT_NE(screen().find("\n\n ++> Wave peak period outside wave period range\n\n \n Press <RETURN> to continue: "),
              std::string::npos);
    expect_earlier_report_whole();
}

TEST_F(WaveReport, OtherSeaPeakOffTheGridTakesTheGroupSpeedAtTheNearestEnd) {
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 2;
    TPCM.SWHT(1) = 3.0f;
    TPCM.SIGPD(1) = 25.0f;
    ASSERT_TRUE(run());
    const std::vector<std::string> lines = report();
    const int header = index_of(lines, " (rad/sec)      (Sec)           (ft)        (ft^4/[rad/sec])");
    ASSERT_GT(header, 0);
    // The spacing of row 2 is 2 pi cg / 0.0025 with cg at the last grid point.
    const double cg = D(wave_group_speed(WAVCOM.W(30), WAVCOM.WVK(30), 300.0f, 32.152f));
    EXPECT_NEAR(std::stod(lines[static_cast<std::size_t>(header) + 3].substr(28, 11)), 2.0 * std::numbers::pi * cg / 0.0025, 0.5);
}

// The report is written beside an earlier one, which stays whole until the new one is complete
// and in place: a report cut short by the end of the program (the input closes at a pause) leaves
// no temporary, and one that cannot be put in place (a folder holds its name) is reported with its
// pause and returns.
TEST_F(WaveReport, AnEarlierReportStaysWholeUntilTheNewOneIsInPlace) {
    namespace fs = std::filesystem;
    const std::string earlier = " an earlier report\n";
    testing::put_file("WAVEOUT.stxt", earlier);
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 1;
    TPCM.SWHT(1) = 0.0f;  // a peak period of 0: a message and its pause
    answers("");
    EXPECT_FALSE(run());
    EXPECT_EQ(testing::file_bytes("WAVEOUT.stxt"), earlier);
    EXPECT_FALSE(fs::exists("WAVEOUT.stxt.brvtmp"));
    EXPECT_FALSE(unit_is_open(1));

    fs::remove("WAVEOUT.stxt");
    fs::create_directories("WAVEOUT.stxt/inside");
    TPCM.LRANDM = 0;
    clear_captured(SCREEN_UNIT);
    answers("\n");
    ASSERT_TRUE(run());
    EXPECT_NE(screen().find(" >>> Outputting wave kinematics data...\n\n\n"
                            " ++> File not found or file access error in WAVEOUT\n"
                            "     File name: WAVEOUT.stxt\n \n Press <RETURN> to continue: "),
              std::string::npos)
        << screen();
    EXPECT_TRUE(fs::is_directory("WAVEOUT.stxt/inside"));
    EXPECT_FALSE(fs::exists("WAVEOUT.stxt.brvtmp"));
    EXPECT_FALSE(unit_is_open(1));
}

TEST_F(WaveReport, PeakPeriodOfZeroGivesTheRangeMessageInsteadOfEndingTheProgram) {
    // A Pierson-Moskowitz height of 0 derives a peak period of 0; a period of 0 may also be typed
    // where the first period lies within half a step of 0.
    struct Case {
        Int LRANDM, LSWELL, type;
        float height, period, first;
        const char* message;
    };
    for (const Case c : {Case{1, 0, 1, 0.0f, 10.0f, 5.0f, " ++> Wave peak period outside wave period range"},
                         Case{0, 1, 1, 0.0f, 10.0f, 5.0f, " ++> Swell outside wave period range"},
                         Case{1, 0, 2, 3.0f, 0.0f, 0.2f, " ++> Wave peak period outside wave period range"},
                         Case{0, 1, 0, 3.0f, 0.0f, 0.2f, " ++> Swell outside wave period range"}}) {
        SCOPED_TRACE(c.message);
        clear_captured(SCREEN_UNIT);
        TPCM.LRANDM = c.LRANDM;
        TPCM.LSWELL = c.LSWELL;
        TPCM.WAVTYP = c.type;
        TPCM.SWLTYP = c.type;
        TPCM.SWHT(1) = c.height;
        TPCM.SIGPD(1) = c.period;
        TPCM.SWELHT = c.height;
        TPCM.SWELPD = c.period;
        for (int i = 1; i <= 30; ++i) TPCM.T(i) = c.first + 0.5f * static_cast<float>(i - 1);
        put_earlier_report();
        answers("\n");
        ASSERT_TRUE(run());
        EXPECT_NE(screen().find(std::string("\n\n") + c.message + "\n\n \n Press <RETURN>"), std::string::npos);
        expect_earlier_report_whole();
        EXPECT_EQ(TPCM.SWELPD, c.period);
    }
}

// A general JONSWAP or TMA shape whose normalising integral cannot converge (a gamma far below a
// sea's, or a sigma a with which it went deeper at every pass and never ended) would ask whether to
// abort at every pass, stop the program with the edits unsaved, or run on without end: the report
// gives its message and returns instead, on a silent console too. A shape that converges writes the
// report. The sea and the swell are each judged by their own type and shape.
TEST_F(WaveReport, AJonswapShapeWhoseIntegralCannotConvergeReturnsWithItsMessage) {
    const char* const sea = " ++> JONSWAP integral of the sea (page 12, items 8 to 10) does not converge";
    const char* const swell = " ++> JONSWAP integral of the swell (page 13, items 8 to 10) does not converge";
    struct Case {
        Int LRANDM, LSWELL;
        Int sea_type;
        float sea_gamma, sea_sigma_a;
        Int swell_type;
        float swell_gamma, swell_sigma_a;
        const char* message;  // nullptr: the report is written
    };
    for (const Case c : {Case{1, 0, 5, 1e-5f, 0.07f, 5, 1e-5f, 0.07f, sea},
                         Case{1, 0, 10, 1e-38f, 0.07f, 10, 1e-38f, 0.07f, sea},
                         Case{0, 1, 5, 1e-5f, 0.07f, 5, 1e-5f, 0.07f, swell},
                         Case{1, 0, 5, 3.3f, 0.07f, 5, 3.3f, 0.07f, nullptr},
                         Case{0, 1, 5, 3.3f, 0.07f, 5, 3.3f, 0.07f, nullptr},
                         Case{1, 0, 5, 3.3f, 993.425781f, 5, 3.3f, 0.07f, sea},
                         Case{0, 1, 5, 3.3f, 0.07f, 10, 3.3f, 2000.0f, swell},
                         // Each by its own shape: the other's gamma or width would pass, or refuse.
                         Case{1, 1, 5, 3.3f, 0.07f, 5, 1e-5f, 0.07f, swell},
                         Case{1, 1, 5, 1e-5f, 0.07f, 5, 3.3f, 0.07f, sea},
                         Case{1, 1, 5, 3.3f, 0.07f, 10, 3.3f, 993.425781f, swell},
                         // Each by its own type: a fixed shape integrates nothing, whatever its words.
                         Case{1, 1, 5, 1e-5f, 0.07f, 2, 3.3f, 0.07f, sea},
                         Case{1, 1, 2, 3.3f, 0.07f, 5, 1e-5f, 0.07f, swell},
                         Case{1, 1, 2, 1e-5f, 0.07f, 5, 3.3f, 0.07f, nullptr},
                         Case{1, 1, 5, 3.3f, 0.07f, 3, 1e-5f, 0.07f, nullptr}}) {
        SCOPED_TRACE(::testing::Message() << c.sea_type << " " << c.sea_gamma << " " << c.sea_sigma_a << " / "
                                          << c.swell_type << " " << c.swell_gamma << " " << c.swell_sigma_a);
        clear_captured(SCREEN_UNIT);
        TPCM.LRANDM = c.LRANDM;
        TPCM.LSWELL = c.LSWELL;
        TPCM.WAVTYP = c.sea_type;
        TPCM.SWLTYP = c.swell_type;
        TPCM.SWHT(1) = 3.0f;
        TPCM.SIGPD(1) = 10.0f;
        TPCM.SWELHT = 3.0f;
        TPCM.SWELPD = 10.0f;
        TPCM.JONGAM = c.sea_gamma;
        TPCM.JONGAM_SWL = c.swell_gamma;
        TPCM.JONPL = c.sea_sigma_a;
        TPCM.JONPL_SWL = c.swell_sigma_a;
        TPCM.JONPG = TPCM.JONPG_SWL = 0.09f;
        put_earlier_report();
        answers("\n");
        ASSERT_TRUE(run());
        EXPECT_EQ(screen().find("JONSVAL"), std::string::npos) << screen();
        if (c.message != nullptr) {
            EXPECT_NE(screen().find(std::string("\n\n") + c.message + "\n\n \n Press <RETURN>"), std::string::npos)
                << screen();
            expect_earlier_report_whole();
        } else {
            EXPECT_EQ(screen().find("does not converge"), std::string::npos) << screen();
            EXPECT_NE(index_of(report(), "     ----  Wave Characteristics  ----"), -1);
            EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt.brvtmp"));
        }
        EXPECT_FALSE(unit_is_open(1));
    }
}

TEST_F(WaveReport, ImpossibleDepthOrPeriodIsRefusedBeforeAnythingIsWritten) {
    struct Case {
        float depth, period;
        const char* message;
    };
    for (const Case c : {Case{0.0f, 5.0f, " ++> Water depth must be positive for the wave report"},
                         Case{-10.0f, 5.0f, " ++> Water depth must be positive for the wave report"},
                         Case{300.0f, 0.0f, " ++> Wave periods must be positive for the wave report"}}) {
        SCOPED_TRACE(c.message);
        clear_captured(SCREEN_UNIT);
        TPCM.DEPTH = c.depth;
        TPCM.T(7) = c.period;
        answers("\n");
        ASSERT_TRUE(run());
        EXPECT_EQ(screen(), std::string("\n") + c.message + "\n \n Press <RETURN> to continue: ");
        EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt"));
    }
}

// Findings its caller hands in (those of the checks before the run about the sea and the swell) are
// shown as they are, each after an empty line, with one pause; nothing is written and the case is
// as it was. The report's own tests of the depth and the periods come first.
TEST_F(WaveReport, FindingsHandedInAreShownAfterItsOwnTestsAndNothingIsWritten) {
    const std::vector<std::vector<std::string>> findings = {
        {" ++> Fatal Warning: first finding (page 12, item 9) is a value", "     its second line."},
        {" ++> Fatal Warning: second finding"}};
    put_earlier_report();
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 1;
    TPCM.SWHT(1) = 12.0f;
    std::vector<unsigned char> before(sizeof(Tpcm));
    std::memcpy(before.data(), &TPCM, sizeof(Tpcm));
    answers("\n");
    WAVOUT(findings);
    EXPECT_EQ(screen(),
              "\n ++> Fatal Warning: first finding (page 12, item 9) is a value\n     its second line.\n"
              "\n ++> Fatal Warning: second finding\n \n Press <RETURN> to continue: ");
    expect_earlier_report_whole();
    EXPECT_EQ(std::memcmp(before.data(), &TPCM, sizeof(Tpcm)), 0);

    clear_captured(SCREEN_UNIT);
    TPCM.DEPTH = 0.0f;
    answers("\n");
    WAVOUT(findings);
    EXPECT_EQ(screen(), "\n ++> Water depth must be positive for the wave report\n \n Press <RETURN> to continue: ");
    expect_earlier_report_whole();
}

// One period gives no grid for the spectra of a sea or a swell: the report cannot be finished and
// leaves the earlier one. Without them the kinematics of the one period are the whole report.
TEST_F(WaveReport, FewerThanTwoPeriodsGiveNoSpectraAndLeaveTheEarlierReport) {
    put_earlier_report();
    TPCM.NWP = 1;
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 1;
    TPCM.SWHT(1) = 12.0f;
    answers("\n");
    ASSERT_TRUE(run());
    EXPECT_NE(screen().find("\n ++> At least two wave periods are needed for the wave spectra\n \n Press <RETURN>"),
              std::string::npos);
    expect_earlier_report_whole();

    TPCM.LRANDM = 0;
    ASSERT_TRUE(run());
    const std::vector<std::string> lines = report();
    EXPECT_EQ(count_of(lines, "     5.00     127.93      14.07      25.59      12.79    0.491E-01     1.257"), 1);
    EXPECT_EQ(count_of(lines, " >>> Water Particle Dynamics At Surface"), 1);
    EXPECT_FALSE(unit_is_open(1));
}

TEST_F(WaveReport, DerivedSwellPeriodIsShownButNeverWrittenIntoTheCase) {
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 1;
    TPCM.SWELHT = 12.0f;
    TPCM.SWELPD = 14.0f;
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 1;
    TPCM.SWHT(1) = 8.0f;
    std::vector<unsigned char> before(sizeof(Tpcm));
    std::memcpy(before.data(), &TPCM, sizeof(Tpcm));
    ASSERT_TRUE(run());
    EXPECT_EQ(std::memcmp(before.data(), &TPCM, sizeof(Tpcm)), 0);  // every word, LBACK 0 as before
    const std::vector<std::string> lines = report();
    EXPECT_EQ(count_of(lines, "          Swell period .........................      9.57 seconds         "), 2);
    EXPECT_EQ(count_of(lines, "     Swell Spectral Type -- " + fixed_len(" Pierson-Moskowitz", 30)), 2);
    EXPECT_EQ(TPCM.SWELPD, 14.0f);
    EXPECT_EQ(TPCM.SWELHT, 12.0f);
    EXPECT_NEAR(D(WAVCOM.WSWLPK), 2.0 * std::numbers::pi / (15.66 * std::sqrt(12.0 / 32.152)), 1e-4);
}

TEST_F(WaveReport, UserTableSwellKeepsTheTypedHeightAndPeriod) {
    // Type 8 derives both from the table; the case keeps what was typed.
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 8;
    TPCM.SWELHT = 2.0f;
    TPCM.SWELPD = 11.0f;
    for (int i = 1; i <= 30; ++i) TPCM.USRPSD(i) = i == 12 ? 1.0f : 0.1f;
    ASSERT_TRUE(run());
    EXPECT_EQ(TPCM.SWELHT, 2.0f);
    EXPECT_EQ(TPCM.SWELPD, 11.0f);
}

TEST_F(WaveReport, SeaSpectrumNamesEveryTypeAndMissingOutsideTheTable) {
    Int length = 0;
    EXPECT_EQ(sea_spectrum_caption(0, length), fixed_len("Velmora Default Swell", 30));
    EXPECT_EQ(length, 21);
    EXPECT_EQ(sea_spectrum_caption(11, length), fixed_len("Missing!", 30));
    EXPECT_EQ(length, 8);
}

// The fields of NaN or Infinity in pages shown on the console, read from the text by the report's
// layout: every word that is such a number (the narrowest fields show "Inf"), less the texts
// "Infinity" that the zero-frequency row of the group table shows for its period and spacings (at
// columns 15 and 32 for one system, 13, 28 and 42 for both).
long long non_finite_fields_shown(const std::string& text) {
    long long n = 0;
    for (std::string line : split_lines(text)) {
        if (line.find(" ++> ") != std::string::npos) continue;
        if (line.starts_with("  .0000 ")) {
            for (const std::size_t column : {12u, 14u, 27u, 31u, 41u})
                if (line.compare(column, 8, "Infinity") == 0) line.replace(column, 8, 8, ' ');
        }
        std::istringstream words(line);
        std::string w;
        while (words >> w) {
            if (w.front() == '+' || w.front() == '-') w.erase(0, 1);
            n += w == "NaN" || w == "Infinity" || w == "Inf";
        }
    }
    return n;
}

// A case the checks before the run may still let through and whose report would hold fields of NaN
// or Infinity (none reaches the report from the End of Session page once those checks refuse it):
// on file no report is written and an earlier one stays whole; the screen says how many such fields
// the report would have held and on which page the first stands, with one pause, and the caller
// gets its page back. On the console, where the pages are shown as they are written, the same count
// follows them: it is the count of those fields in the pages shown.
TEST_F(WaveReport, AReportThatWouldHoldNaNOrInfinityIsNotWrittenAndSaysHowManyAndWhere) {
    const Real NaN = std::numeric_limits<Real>::quiet_NaN();
    const Real Inf = std::numeric_limits<Real>::infinity();
    struct Case {
        const char* what;
        std::function<void(Tpcm&)> set;
        const char* page;  // where the first such field stands
    };
    const Case cases[] = {
        {"regular wave height NaN", [&](Tpcm& t) { t.SLPHT = NaN; }, "Wave Properties"},
        {"regular wave slope -Infinity beside a sea", [&](Tpcm& t) {
             t.LSLPHT = 1;
             t.SLPHT = -Inf;
             t.LRANDM = 1;
             t.WAVTYP = 1;
             t.SWHT(1) = 12.0f;
         },
         "Wave Properties"},
        {"water depth 1.4e-45", [](Tpcm& t) { t.DEPTH = 1.4e-45f; }, "Wave Properties"},
        {"Gaussian swell of bandwidth 0", [](Tpcm& t) {
             t.LSWELL = 1;
             t.SWLTYP = 0;
             t.SWELHT = 3.0f;
             t.SWELPD = 10.0f;
             t.SWLWID = 0.0f;
         },
         "Irregular Wave Spectral Values"},
        {"metric Ochi-Hubble sea whose second peak period is 0, beside a swell", [](Tpcm& t) {
             t.NUNTS = 1;
             t.DEPTH = 100.0f;
             t.LRANDM = 1;
             t.WAVTYP = 9;
             t.N_OCHI_COMP = 2;
             t.SWHT(1) = 3.0f;
             t.SWHT(2) = 2.0f;
             t.SIGPD(2) = 0.0f;
             t.OCHI_LAMBDA(1) = t.OCHI_LAMBDA(2) = 1.0f;
             t.LSWELL = 1;
             t.SWLTYP = 1;
             t.SWELHT = 1.0f;
             t.SWELPD = 12.0f;
         },
         "Irregular Wave Spectral Values"},
        {"spectrum file with a density of 1e38", [](Tpcm& t) {
             t.NUNTS = 1;
             t.DEPTH = 100.0f;
             t.LRANDM = 1;
             t.WAVTYP = 7;
             testing::put_file("WAVSPEC.txt", "3\n0.1 0\n1.0 1e38\n3.0 0\n");
         },
         "Irregular Wave Spectral Values"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto refusal = [&](long long count) {
            return std::string("\n ++> ") + std::to_string(count) + " report fields are NaN or Infinity (the first in section " +
                   c.page + "):\n     the case holds values the wave report cannot use";
        };
        // The case of the row, afresh: the fixture's case, a fresh screen and spectrum file reader.
        const auto fresh = [&] {
            TearDown();
            SetUp();
            reset_uwvspc();
            c.set(TPCM);
        };
        // On the console: the pages, then the count of what they show.
        fresh();
        TPCM.IUNIT = SCREEN_UNIT;
        answers(std::string(8, '\n'));
        ASSERT_TRUE(run());
        const std::string shown = screen();
        const auto message = shown.rfind("\n ++> ");
        ASSERT_NE(message, std::string::npos) << shown;
        const long long count = non_finite_fields_shown(shown.substr(0, message));
        ASSERT_GT(count, 0) << shown;
        EXPECT_EQ(shown.substr(message), refusal(count) + ".\n \n Press <RETURN> to continue: ");

        // On file: nothing written, the earlier report whole, the same count and page.
        fresh();
        put_earlier_report();
        answers("\n");
        ASSERT_TRUE(run());
        EXPECT_EQ(screen(), "\n >>> Outputting wave kinematics data...\n\n" + refusal(count) +
                                "; \"WAVEOUT.stxt\" is not written.\n \n Press <RETURN> to continue: ");
        expect_earlier_report_whole();
    }
    reset_uwvspc();
}

// A TMA sea in water so shallow that the root search of its depth factor runs out of bounds asks
// whether to abort. In the report "A" there gives the End of Session page back with the case as it
// was (the run would end the program there): nothing is written and an earlier report stays whole.
TEST_F(WaveReport, AbortAtTheTmaDepthFactorQuestionGivesThePageBack) {
    Tpcm& t = TPCM;
    t.NUNTS = 1;
    t.DEPTH = 1.0e-12f;
    t.LRANDM = 1;
    t.WAVTYP = 10;
    t.SWHT(1) = 3.0f;
    t.JONGAM = 3.3f;
    t.JONPL = 0.07f;
    t.JONPG = 0.09f;
    put_earlier_report();
    answers("A\n");
    ASSERT_TRUE(run()) << screen();
    EXPECT_NE(screen().find(" +=> TMA spectrum bounds failure In WVSPEC.\n"), std::string::npos) << screen();
    expect_earlier_report_whole();
    EXPECT_EQ(t.LBACK, 0);
    EXPECT_EQ(t.DEPTH, 1.0e-12f);
}

}  // namespace
}  // namespace brevant
