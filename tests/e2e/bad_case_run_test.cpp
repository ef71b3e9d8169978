// Damaged and degenerate cases run as a user runs them ("E" at the title screen): one word of the
// sample ship's "BREVDAT" changed, or the program's own new case with its default load models. Each
// run ends with a clear finding and status 1, or with a report that holds only finite numbers (the
// "Infinity" of a zero-frequency row's period and spacing columns apart, as those tables write it).
#include <gtest/gtest.h>

#include "brevant_paths.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

#include "e2e/reference/reference_cases.h"
#include "e2e_support.h"
#include "numeric/wave_number.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

using brevant::testing::lines_of;

// The report's lines with a field that is not a finite number. A zero-frequency row (first field
// ".0000") writes "Infinity" for its period and spacings on purpose.
std::vector<std::string> non_finite_lines(const std::string& report) {
    std::vector<std::string> bad;
    for (const std::string& line : lines_of(report)) {
        const bool nan = line.find("NaN") != std::string::npos || line.find("nan") != std::string::npos;
        const bool inf = line.find("Infinity") != std::string::npos || line.find("inf") != std::string::npos;
        const bool zero_frequency_row = line.find_first_not_of(' ') != std::string::npos &&
                                        line.compare(line.find_first_not_of(' '), 6, ".0000 ") == 0;
        if (nan || (inf && !zero_frequency_row)) bad.push_back(line);
    }
    return bad;
}

std::uint32_t real_bits(float v) { return std::bit_cast<std::uint32_t>(v); }
std::uint32_t int_bits(std::int32_t v) { return static_cast<std::uint32_t>(v); }

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Answers: "E" alone meets the End of Session page's question after a fatal finding and ends at the
// end of the input. A row-count case passes the last page's warning (Return, then 3: execute) and
// answers the stop's pause, or the one refusal of the series by attack angle.
constexpr const char* kExecute = "E\n";
constexpr const char* kExecutePastWarnings = "E\n\n3\n\n";

struct BadCase {
    const char* what;
    int word;               // word of "BREVDAT" to change
    std::uint32_t value;    // its new bits
    const char* answers;
    const char* finding;    // a line of the expected message; nullptr: a finite report, status 0
    int rows = -1;          // when not -1: the rows of the speed and group spectra (VIIp, VIIIp)
    const char* once = nullptr;  // a line the console holds exactly once
};

const char* const kPeriods = "periods; at most 100.";
const char* const kRows = " ++> Fatal Warning: Frequency interval and minimum period (page 15, items 22";
const char* const kSeriesRefused = " +++> Max Freq Overflow in ANGSPEC...";
const char* const kDrift = " ++> Fatal Warning: A wave drift factor is nonpositive.";
const char* const kWindTable = " ++> Fatal Warning: The user wind coefficient table (load-model page 6, item 5)";
const char* const kCurrentTable =
    " ++> Fatal Warning: The user current coefficient table (load-model page 6, item 15)";

const BadCase kCases[] = {
    // The period count beyond its 100-period table.
    {"NWP 101", 167, int_bits(101), kExecute, kPeriods},
    {"NWP 150", 167, int_bits(150), kExecute, kPeriods},
    {"NWP 1000", 167, int_bits(1000), kExecute, kPeriods},
    {"NWP 100000", 167, int_bits(100000), kExecute, kPeriods},
    {"NWP 2^31-1", 167, int_bits(2147483647), kExecute, kPeriods},
    // Low-frequency tables of millions of rows.
    {"BRV_PD_MIN 1e-30", 498, real_bits(1e-30f), kExecutePastWarnings, kRows},
    {"BRV_PD_MIN denormal", 498, real_bits(1e-40f), kExecutePastWarnings, kRows},
    {"BRVFRQ_DELTA 1e-6", 489, real_bits(1e-6f), kExecutePastWarnings, kRows},
    {"BRVFRQ_DELTA 1e-30", 489, real_bits(1e-30f), kExecutePastWarnings, kRows},
    // Fine low-frequency grids of the sample (30 s by 0.005 rad/s, 41 rows): the speed and group
    // spectra written with all their rows, the series by attack angle without rows after one refusal
    // (beyond its 1000), up to the runaway count.
    {"BRV_PD_MIN 1: 1256 rows", 498, real_bits(1.0f), kExecutePastWarnings, nullptr, 1256, kSeriesRefused},
    {"BRVFRQ_DELTA 0.000209439517: 1000 rows", 489, real_bits(0.000209439517f), kExecute, nullptr, 1000},
    {"BRVFRQ_DELTA 2.09439509e-6: 100000 rows", 489, real_bits(2.09439509e-06f), kExecutePastWarnings, nullptr,
     100000, kSeriesRefused},
    {"BRVFRQ_DELTA 2.09437417e-6: 100001 rows", 489, real_bits(2.09437417e-06f), kExecutePastWarnings, kRows},
    // Counts and flags at the top of the integer range.
    {"NUNTS 2^31-1", 117, int_bits(2147483647), kExecute, " ++> Fatal Warning: Unit system flag 2147483647 (page 1) is"},
    {"NA 2^31-1", 169, int_bits(2147483647), kExecute, nullptr},
    // User coefficient tables with repeated angles (the sample's empty "LOWDAT").
    {"LCBARG user table", 774, 0x111, kExecute, kCurrentTable},
    {"LWBARG user table", 775, 0x111, kExecute, kWindTable},
    // Wave drift shape factors of exactly 0.
    {"BOWFAC 0", 1361, real_bits(0.0f), kExecute, kDrift},
    {"STRNFC 0", 1368, real_bits(0.0f), kExecute, kDrift},
    // Reals that are not numbers.
    {"WNDSPD NaN", 455, real_bits(kNaN), kExecute, " ++> Fatal Warning: Wind speed (page 9, item 1) is not a finite number."},
    {"WNDSPD infinite", 455, real_bits(kInf), kExecute, " ++> Fatal Warning: Wind speed (page 9, item 1) is not a finite number."},
    {"CURSPD NaN", 458, real_bits(kNaN), kExecute, " ++> Fatal Warning: Current speed (page 10, item 1) is not a finite number."},
    {"SEAHDG(1) NaN", 714, real_bits(kNaN), kExecute,
     " ++> Fatal Warning: Direction of irregular seas (page 12, item 4) is not a finite number."},
    {"BRVINC NaN", 472, real_bits(kNaN), kExecute,
     " ++> Fatal Warning: Uniform angular increment (page 15, item 17) is not a finite number."},
    {"BRVFRQ infinite", 473, real_bits(kInf), kExecute,
     " ++> Fatal Warning: Frequency of low-frequency oscillations (page 15, item 21) is not a finite number."},
    {"BRVARM NaN", 474, real_bits(kNaN), kExecute,
     " ++> Fatal Warning: Offset from CG for moment calculations (page 15, item 20) is not a finite number."},
    {"DRAFT NaN", 1412, real_bits(kNaN), kExecute, " ++> Fatal Warning: Mean vessel draft (page 2, item 10) is not a finite number."},
    {"LWL infinite", 1419, real_bits(kInf), kExecute,
     " ++> Fatal Warning: Length of vessel at waterline (page 2, item 8) is not a finite number."},
    {"BWL NaN", 1420, real_bits(kNaN), kExecute, " ++> Fatal Warning: Beam of vessel at waterline (page 2, item 9) is not a finite number."},
    {"XWNDAR NaN", 1353, real_bits(kNaN), kExecute, " ++> Fatal Warning: Head-on wind drag area (page 8, item 2) is not a finite number."},
    {"YCURAR infinite", 1359, real_bits(kInf), kExecute,
     " ++> Fatal Warning: Beam-on current drag area (page 8, item 15) is not a finite number."},
    {"WNDFAC NaN", 1362, real_bits(kNaN), kExecute,
     " ++> Fatal Warning: Wind force enhancement factor (page 8, item 8) is not a finite number."},
    {"CURFAC NaN", 1363, real_bits(kNaN), kExecute,
     " ++> Fatal Warning: Current force enhancement factor (page 8, item 18) is not a finite number."},
    {"VFWD NaN", 1425, real_bits(kNaN), kExecute, " ++> Fatal Warning: Forward speed (page 3, item 9) is not a finite number."},
    // Finite values that overflow the loads.
    {"WNDSPD 1e30", 455, real_bits(1e30f), kExecute, " ++> Fatal Warning: Wind speed (page 9, item 1) reaches the speed of sound"},
    {"CURSPD 1e30", 458, real_bits(1e30f), kExecute,
     " ++> Fatal Warning: Current speed (page 10, item 1) reaches the speed of sound"},
    {"XWNDAR 1e30", 1353, real_bits(1e30f), kExecute,
     " ++> Fatal Warning: Wind drag areas (page 8, items 2 and 5) give loads"},
    {"VFWD 1e30", 1425, real_bits(1e30f), kExecute, " ++> Fatal Warning: Forward speed (page 3, item 9) reaches the speed of sound"},
    // Every real of the case, used by the run or not, and the sizes whose products leave single
    // precision.
    {"JONGAM NaN, the sea not JONSWAP", 477, real_bits(kNaN), kExecute,
     " ++> Fatal Warning: JONSWAP gamma parameter (page 12, item 8) is not a finite number."},
    {"SWELHT2 NaN, no second swell", 491, real_bits(kNaN), kExecute,
     " ++> Fatal Warning: Second significant swell height (page 13, item 26) is not a finite number."},
    {"VELI(2) NaN, the profile table unused", 468, real_bits(kNaN), kExecute,
     " ++> Fatal Warning: Current profile speeds (page 10, item 5) is not a finite number."},
    {"DURATN infinite", 450, real_bits(kInf), kExecute,
     " ++> Fatal Warning: Storm duration (word 450 of the data file) is not a finite number."},
    {"SWHT(1) 1e30", 430, real_bits(1e30f), kExecute,
     " ++> Fatal Warning: Significant wave height (page 12, item 6) is too large to compute"},
    {"RGYR 1e30", 1415, real_bits(1e30f), kExecute, " ++> Fatal Warning: Roll gyradius (page 3, item 2) is too large to compute"},
    {"XWARM 1e30", 1354, real_bits(1e30f), kExecute,
     " ++> Fatal Warning: Head-on wind drag area centroid (y) (page 8, item 3) is too large to compute"},
    {"WVDGCX 1e30", 1659, real_bits(1e30f), kExecute,
     " ++> Fatal Warning: Wave absorption head-on enhancement factor (page 8, item 31) is too large to compute"},
    {"NCYL 1, a member of zeros on a ship", 3661, int_bits(1), kExecute, nullptr},
    {"SIGPD(1) 1e-30", 436, real_bits(1e-30f), kExecute,
     " ++> Fatal Warning: Peak period (page 12, item 7) is too short to compute"},
    // Main dimensions the hull cannot compute with are fatal; those it computes with stay warnings.
    {"DISPL 0", 1409, real_bits(0.0f), kExecute, " ++> Fatal Warning: Vessel displacement (page 2, item 1) is not positive:"},
    {"LWL 0", 1419, real_bits(0.0f), kExecute,
     " ++> Fatal Warning: Length of vessel at waterline (page 2, item 8) is not positive:"},
    {"BWL 0", 1420, real_bits(0.0f), kExecute, " ++> Fatal Warning: Beam of vessel at waterline (page 2, item 9) is zero:"},
    {"DRAFT 0", 1412, real_bits(0.0f), kExecute, " ++> Fatal Warning: Mean vessel draft (page 2, item 10) is zero:"},
    {"DWATR 0", 447, real_bits(0.0f), kExecute, " ++> Fatal Warning: Water density (page 1, item 5) is not positive:"},
    {"VKG 20, the ship's GM below 0", 1411, real_bits(20.0f), kExecute,
     " ++> Fatal Warning: Transverse metacentric height (page 2, item 2) is not"},
    {"BWL -5, a warning", 1420, real_bits(-5.0f), kExecutePastWarnings, nullptr},
    {"DRAFT -5, a warning", 1412, real_bits(-5.0f), kExecutePastWarnings, nullptr},
    // Codes outside the lists of their pages, and a user file the chosen model reads but the folder
    // does not hold.
    {"WNDTYP 7", 165, int_bits(7), kExecute, " ++> Fatal Warning: Wind spectral type (page 9, item 3) is 7;"},
    {"CURTYP 4", 166, int_bits(4), kExecute, " ++> Fatal Warning: Current spectral type (page 10, item 6) is 4;"},
    {"CURTYP -1", 166, int_bits(-1), kExecute, " ++> Fatal Warning: Current spectral type (page 10, item 6) is -1;"},
    {"LCSTCR 4", 177, int_bits(4), kExecute, " ++> Fatal Warning: Current variation with depth (page 10, item 3) is 4;"},
    {"WAVTYP 11", 164, int_bits(11), kExecute, " ++> Fatal Warning: Wave type (page 12, item 2) is 11;"},
    {"WAVTYP -1", 164, int_bits(-1), kExecute, " ++> Fatal Warning: Wave type (page 12, item 2) is -1;"},
    {"LRANDM 2", 172, int_bits(2), kExecute, " ++> Fatal Warning: Irregular waves switch (page 12, item 1) is 2;"},
    {"VESTYP 0", 777, int_bits(0), kExecute, " ++> Fatal Warning: Vessel type for simulation (page 2, item 11) is 0;"},
    {"VESTYP 7", 777, int_bits(7), kExecute, " ++> Fatal Warning: Vessel type for simulation (page 2, item 11) is 7;"},
    {"LWBARG Cy 6", 775, 0x565, kExecute, " ++> Fatal Warning: Wind Cy force model (page 6, item 3) is 6;"},
    {"LCBARG 8", 774, 0x888, kExecute, " ++> Fatal Warning: Current force model (page 6, item 12) is 8;"},
    {"LCBARG NSMB mean curve", 774, 0x44F, kExecute, nullptr},
    {"LWVCOF Cz 0", 787, 0x066, kExecute, " ++> Fatal Warning: Wave Cz force model (page 6, item 24) is 0;"},
    {"LWVCOF user, no DRFTCOFS.txt", 787, 0x111, kExecute,
     " ++> Fatal Warning: The file \"DRFTCOFS.txt\" of the wave force model (page 6, item 22)"},
    {"LWBARG user file, no WINDCOFS.txt", 775, 0x222, kExecute,
     " ++> Fatal Warning: The file \"WINDCOFS.txt\" of the wind force model (page 6, item 2)"},
    {"WNDTYP user file, no WINDSPEC.txt", 165, int_bits(6), kExecute,
     " ++> Fatal Warning: The file \"WINDSPEC.txt\" of the wind spectral type (page 9, item 3)"},
    {"LCSTCR profile file, no CRNTPROF.txt", 177, int_bits(3), kExecute,
     " ++> Fatal Warning: The file \"CRNTPROF.txt\" of the current variation with depth (page 10, item 3)"},
    {"WAVTYP user file, no WAVSPEC.txt", 164, int_bits(7), kExecute,
     " ++> Fatal Warning: The file \"WAVSPEC.txt\" of the wave type (page 12, item 2)"},
    // The report's unit outside those the load keeps; the NSMB current model in any current field,
    // as the version updates write it; the custom spectrum table and the phantom weight, whether
    // the run reads them or not.
    {"IUNIT 7", 109, int_bits(7), kExecute, " ++> Fatal Warning: Output goes to (page 15, item 25) is 7;"},
    {"IUNIT 0", 109, int_bits(0), kExecute, " ++> Fatal Warning: Output goes to (page 15, item 25) is 0;"},
    {"LCBARG NSMB in Cy", 774, 0x4F4, kExecute, nullptr},
    {"LCBARG NSMB in every field", 774, 0xFFF, kExecute, nullptr},
    {"USRPSD(1) NaN, no sea of the table's type", 218, real_bits(kNaN), kExecute,
     " ++> Fatal Warning: Custom spectrum table (page 12, item 2) is not a finite number."},
    {"TLP_TENSION infinite, the switch off", 483, real_bits(kInf), kExecute,
     " ++> Fatal Warning: Phantom weight value (word 483 of the data file) is not a finite number."},
};

// The rows of the speed and group spectra (VIIp, VIIIp) and of the series by attack angle (VIIq,
// VIIr, VIIs): a table of 1000 rows or fewer has all of them everywhere; beyond it the series has none.
void expect_rows(const std::string& report, int rows, const std::string& what) {
    std::size_t whole = 0, series = 0;
    for (const std::string& page : testing::pages_of(report)) {
        const std::string title = testing::title_of(page);
        const bool speed_or_group = title.find("VIIp.") != std::string::npos || title.find("VIIIp.") != std::string::npos;
        const bool by_angle = title.find("VIIq.") != std::string::npos || title.find("VIIr.") != std::string::npos ||
                              title.find("VIIs.") != std::string::npos;
        if (!speed_or_group && !by_angle) continue;
        const std::size_t expected = speed_or_group || rows <= 1000 ? static_cast<std::size_t>(rows) : 0u;
        EXPECT_EQ(testing::row_lines(page, "\n (rad/sec)").size(), expected) << what << ": " << title;
        ++(speed_or_group ? whole : series);
    }
    // The sample asks for both speed spectra on one page, the sea's group spectrum, and the series.
    EXPECT_EQ(whole, 2u) << what;
    EXPECT_GT(series, 0u) << what;
}

void expect_outcome(const ProgramResult& r, const char* finding, const std::string& what) {
    if (finding != nullptr) {
        EXPECT_EQ(r.status, 1) << what << "\n" << r.out << r.err;
        EXPECT_NE(r.out.find(finding), std::string::npos) << what << "\n" << r.out;
    } else {
        EXPECT_EQ(r.status, 0) << what << "\n" << r.out << r.err;
    }
    if (std::filesystem::exists("BREVOUT.stxt")) {
        const std::vector<std::string> bad = non_finite_lines(file_bytes("BREVOUT.stxt"));
        EXPECT_TRUE(bad.empty()) << what << ": " << bad.size() << " lines, the first: " << bad.front();
    } else {
        EXPECT_NE(finding, nullptr) << what << ": no report";
    }
}

TEST(BadCaseRun, EachEndsWithAFindingOrAFiniteReport) {
    // The sample itself: a finite report.
    {
        testing::ScratchDir dir;
        copy_sample();
        expect_outcome(run_brevant(kExecute), nullptr, "the sample");
    }
    for (const BadCase& c : kCases) {
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk({{c.word, c.value}});
        const ProgramResult r = run_brevant(c.answers);
        expect_outcome(r, c.finding, c.what);
        if (c.rows >= 0) expect_rows(file_bytes("BREVOUT.stxt"), c.rows, c.what);
        if (c.once != nullptr) {
            EXPECT_EQ(testing::count_of(r.out, std::string(c.once) + "\n"), 1u) << c.what;
        }
    }
}

// The sample made a disc buoy 30 m across (its centres where the cylinder has them), or a
// member-built hull: two columns 8 m across on the keel and a pontoon 4 m across between them.
using Words = std::vector<std::pair<int, std::uint32_t>>;

Words disc_buoy() {
    const float awp = 706.8583f;
    return {{777, 4u},           {1419, real_bits(30.0f)},       {1420, real_bits(30.0f)},
            {1413, real_bits(awp)}, {1409, real_bits(awp * 8.0f * 1.025f)}, {1410, real_bits(4.0f)},
            {1411, real_bits(6.0f)}, {1417, real_bits(11.03f)},     {1418, real_bits(11.03f)},
            {1414, real_bits(10.0f)}, {1415, real_bits(10.0f)},     {1416, real_bits(10.0f)},
            {787, 0x444u}};
}

int member_word(int first, int j, int i) { return first + 3 * (i - 1) + (j - 1); }

Words member_built_hull() {
    Words w = {{777, 3u},  {144, 1u},  {787, 0x777u}, {446, real_bits(200.0f)}, {1407, real_bits(1.0f)},
               {1408, real_bits(1.0f)}, {1409, real_bits(2833.7f)}, {1410, real_bits(13.0f)},
               {1411, real_bits(8.0f)}, {1412, real_bits(25.0f)}, {1413, real_bits(100.53096f)},
               {1417, real_bits(28.66f)}, {1418, real_bits(12.66f)}, {1419, real_bits(16.0f)},
               {1420, real_bits(16.0f)}, {3661, 3u}};
    struct Member {
        float base[3], top[3], diams[3];
        int axis;  // 1 along x, 3 along z
    };
    const Member members[3] = {{{0, 20, 0}, {0, 20, 40}, {8, 8, 40}, 3},
                               {{0, -20, 0}, {0, -20, 40}, {8, 8, 40}, 3},
                               {{-30, 0, 2}, {30, 0, 2}, {4, 4, 60}, 1}};
    for (int i = 1; i <= 3; ++i) {
        const Member& m = members[i - 1];
        w.insert(w.end(), {{3307 + i, 0u},                             // BOTTYP free
                           {3357 + i, m.axis == 1 ? 0u : 1u},          // TOPTYP: the columns pierce
                           {3407 + i, static_cast<std::uint32_t>(m.axis)},  // MEMDIR
                           {3507 + i, 1u},                             // NCYLTP circular
                           {3975 + i, real_bits(0.7853982f * m.diams[0] * m.diams[0])}});  // XAREA
        const float cm[3] = {1.0f, 1.0f, 0.0f};
        for (int j = 1; j <= 3; ++j) {
            w.insert(w.end(), {{member_word(3676, j, i), real_bits(m.base[j - 1])},
                               {member_word(3826, j, i), real_bits(m.top[j - 1])},
                               {member_word(4026, j, i), real_bits(m.diams[j - 1])},
                               {member_word(4176, j, i), real_bits(cm[j - 1])},
                               {member_word(4476, j, i), real_bits(cm[j - 1])},
                               {member_word(4626, j, i), real_bits(cm[j - 1])}});
        }
    }
    return w;
}

struct BadHull {
    const char* what;
    Words (*hull)();
    Words damage;
    const char* finding;  // nullptr: a finite report, status 0
};

// Each hull as it is runs; the damage of each row ends with its finding before the run.
TEST(BadCaseRun, DamagedHullsEndWithAFindingBeforeTheRun) {
    const BadHull cases[] = {
        {"the disc buoy", disc_buoy, {}, nullptr},
        {"disc displacement 0", disc_buoy, {{1409, real_bits(0.0f)}},
         " ++> Fatal Warning: Vessel displacement (page 2, item 1) is not positive:"},
        {"disc diameter 0", disc_buoy, {{1419, real_bits(0.0f)}, {1420, real_bits(0.0f)}},
         " ++> Fatal Warning: Beam of vessel at waterline (page 2, item 9) is zero:"},
        {"disc KB far above its draft", disc_buoy, {{1410, real_bits(1000.0f)}},
         " ++> Fatal Warning: The disc buoy's displacement, KB, KG, water plane area and"},
        {"the member-built hull", member_built_hull, {}, nullptr},
        {"pontoon diameter NaN", member_built_hull, {{member_word(4026, 1, 3), real_bits(kNaN)}},
         " ++> Fatal Warning: Dimensions of member 3 (page 5, item 4) is not a finite number."},
        {"pontoon area NaN", member_built_hull, {{3978, real_bits(kNaN)}},
         " ++> Fatal Warning: Cross-sectional area of member 3 (page 5, item 5) is not a finite number."},
        {"pontoon diameter 1e30", member_built_hull, {{member_word(4026, 2, 3), real_bits(1e30f)}},
         " ++> Fatal Warning: Dimensions of member 3 (page 5, item 4) is too large to compute"},
        {"pontoon drag coefficient 1e30", member_built_hull, {{member_word(4476, 1, 3), real_bits(1e30f)}},
         " ++> Fatal Warning: Drag coefficients of member 3 (page 5, item 19) is too large to compute"},
        {"pontoon at the bounds: 10,000 m across, drag coefficient 1,000", member_built_hull,
         {{member_word(4026, 1, 3), real_bits(1e4f)},
          {member_word(4026, 2, 3), real_bits(1e4f)},
          {member_word(4476, 1, 3), real_bits(1e3f)},
          {member_word(4476, 2, 3), real_bits(1e3f)}},
         nullptr},
        {"a NaN beyond the count of members", member_built_hull, {{member_word(4026, 1, 4), real_bits(kNaN)}},
         nullptr},
    };
    for (const BadHull& c : cases) {
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk(c.hull());
        edit_on_disk(c.damage);
        expect_outcome(run_brevant(c.finding == nullptr ? std::string("E\n\n3\n") + std::string(20, '\n') : kExecute),
                       c.finding, c.what);
    }
}

// The sample's wind and current taken from user tables of the coefficient file: seven rows 0 to 180
// degrees by 30, in the order given (rising, or the same rows falling from 180 to 0). Cy and Cz
// vanish head-on and stern-on, as the mirror about the centre line needs.
void write_user_tables(bool falling) {
    std::vector<std::uint32_t> words(680, 0u);
    words[0] = 7;  // NUWNPT
    words[1] = 7;  // NUCRPT
    for (int r = 0; r < 7; ++r) {
        const int i = falling ? 6 - r : r;
        const float angle = 30.0f * static_cast<float>(i);
        const float c = static_cast<float>(i) / 6.0f;
        words[4 + r] = real_bits(angle);                     // UWNANG
        words[25 + r] = real_bits(-1.0f + 2.0f * c);         // UWNCX
        words[46 + r] = real_bits(0.8f * c * (1.0f - c));    // UWNCY
        words[67 + r] = real_bits(0.3f * c * (0.5f - c) * (1.0f - c));  // UWNCZ
        words[88 + r] = real_bits(angle);                    // UCRANG
        words[109 + r] = real_bits(-0.5f + c);               // UCRCX
        words[130 + r] = real_bits(1.2f * c * (1.0f - c));   // UCRCY
        words[151 + r] = real_bits(-0.2f * c * (1.0f - c));  // UCRCZ
    }
    testing::write_words("LOWDAT", words);
}

// The table search takes a falling table as it takes a rising one: the same rows in the other order
// give the same report.
TEST(BadCaseRun, FallingUserCoefficientTablesGiveTheRisingTablesReport) {
    std::string reports[2];
    for (const bool falling : {false, true}) {
        testing::ScratchDir dir;
        copy_sample();
        write_user_tables(falling);
        edit_on_disk({{774, 0x111}, {775, 0x111}});  // LCBARG, LWBARG: the user tables
        const ProgramResult r = run_brevant(kExecute);
        ASSERT_EQ(r.status, 0) << (falling ? "falling" : "rising") << "\n" << r.out << r.err;
        expect_outcome(r, nullptr, falling ? "falling" : "rising");
        reports[falling ? 1 : 0] = without_time_stamp(file_bytes("BREVOUT.stxt"));
    }
    EXPECT_NE(reports[0].find("User-Specified LOWDAT"), std::string::npos);
    EXPECT_EQ(reports[1], reports[0]);
}

// Several words of the sample changed at once: codes of a member-built hull's member, a swell of a
// type no swell page offers, and the external force in no coordinate system.
struct BadWords {
    const char* what;
    std::vector<std::pair<int, std::uint32_t>> words;
    const char* finding;
};

TEST(BadCaseRun, CodesOfSeveralWordsEndWithAFinding) {
    const BadWords cases[] = {
        {"member top end type 3", {{777, 3}, {3661, 1}, {3358, 3}},
         " ++> Fatal Warning: Top end termination type of member 1 (page 5, item 13) is 3;"},
        {"member base end type 3", {{777, 5}, {3661, 1}, {3308, 3}},
         " ++> Fatal Warning: Base end termination type of member 1 (page 5, item 11) is 3;"},
        {"member profile -1", {{777, 6}, {3661, 1}, {3508, int_bits(-1)}},
         " ++> Fatal Warning: Axial cross-section profile of member 1 (page 5, item 3) is -1;"},
        {"swell of the Ochi-Hubble type", {{174, 1}, {190, 9}},
         " ++> Fatal Warning: Swell type (page 13, item 2) is 9;"},
        {"external force in system 2", {{1441, 1}, {1442, 2}},
         " ++> Fatal Warning: External force coordinate system (page 7, item 5) is 2;"},
    };
    for (const BadWords& c : cases) {
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk(c.words);
        expect_outcome(run_brevant(kExecute), c.finding, c.what);
    }
}

// A user file that the chosen model reads is missing: the run does not start, so the report of the
// last run stays as it was.
TEST(BadCaseRun, AMissingUserFileLeavesThePreviousReportUntouched) {
    testing::ScratchDir dir;
    copy_sample();
    ASSERT_EQ(run_brevant(kExecute).status, 0);
    const std::string report = file_bytes("BREVOUT.stxt");
    ASSERT_FALSE(report.empty());
    edit_on_disk({{787, 0x111}});  // LWVCOF: "User-Specified DRFTCOFS.txt"
    const ProgramResult r = run_brevant(kExecute);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find(" ++> Fatal Warning: The file \"DRFTCOFS.txt\" of the wave force model (page 6, item 22)\n"
                         "     is missing or cannot be read."),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find(kRunBanner), std::string::npos) << r.out;
    EXPECT_EQ(file_bytes("BREVOUT.stxt"), report);
    // With a table there that can be read whole, the run starts and reads it.
    testing::put_file("DRFTCOFS.txt", "2 2\n0\n0.01 1 0 0\n9 1 0 0\n360\n0.01 1 0 0\n9 1 0 0\n");
    EXPECT_NE(run_brevant(kExecute).out.find(kRunBanner), std::string::npos);
}

const char* const kNoIntegral = " ++> Fatal Warning: JONSWAP gamma parameter (page 12, item 8) and the sigmas\n"
                                "     (items 9 and 10) give a JONSWAP spectrum whose integral does not converge.";

// Spectrum parameters and the phantom weight where the run computes with them: a value the
// formula cannot compute with is refused before the run by page and item (or word); one it can
// compute with runs to a finite report.
TEST(BadCaseRun, ValuesTheirFormulaCannotComputeWithAreRefusedBeforeTheRun) {
    const Words ochi_hubble = {{164, 9u},  {171, 2u}, {192, 2u}, {430, real_bits(3.0f)}, {431, real_bits(2.0f)},
                               {436, real_bits(10.0f)}, {437, real_bits(6.0f)}, {442, real_bits(2.0f)}};
    const auto with = [](Words words, const Words& more) {
        words.insert(words.end(), more.begin(), more.end());
        return words;
    };
    const auto semi_with = [&](const Words& more) { return with(member_built_hull(), more); };
    // The general JONSWAP sea of gamma 3.3 and widths 0.07 and 0.09, one of them changed.
    const auto jonswap_with = [&](const Words& more) {
        return with({{164, 5u}, {477, real_bits(3.3f)}, {475, real_bits(0.07f)}, {476, real_bits(0.09f)}}, more);
    };
    Words negative_table = {{164, 8u}};
    for (int i = 0; i < 31; ++i) negative_table.push_back({218 + i, real_bits(-1.0f)});
    const BadWords cases[] = {
        {"A.P.I. parameter 0", {{165, 4u}, {460, real_bits(0.0f)}},
         " ++> Fatal Warning: A.P.I. wind spectrum parameter (page 9, item 3) is not positive:"},
        {"A.P.I. parameter 0.025", {{165, 4u}, {460, real_bits(0.025f)}}, nullptr},
        {"Ochi-Hubble lambda 0", with(ochi_hubble, {{443, real_bits(0.0f)}}),
         " ++> Fatal Warning: Component lambda values (page 12, item 8) hold a lambda of component 2"},
        {"Ochi-Hubble lambda -0.5", with(ochi_hubble, {{443, real_bits(-0.5f)}}),
         " ++> Fatal Warning: Component lambda values (page 12, item 8) hold a lambda of component 2"},
        {"Ochi-Hubble lambda -0.1", with(ochi_hubble, {{443, real_bits(-0.1f)}}),
         " ++> Fatal Warning: Component lambda values (page 12, item 8) hold a lambda of component 2"},
        {"Ochi-Hubble lambda -1e-30", with(ochi_hubble, {{443, real_bits(-1e-30f)}}),
         " ++> Fatal Warning: Component lambda values (page 12, item 8) hold a lambda of component 2"},
        {"Ochi-Hubble lambda 0.5", with(ochi_hubble, {{443, real_bits(0.5f)}}), nullptr},
        // A count of components the page does not write: the run summed the first four, or none.
        {"Ochi-Hubble count 5", with(ochi_hubble, {{192, 5u}}),
         " ++> Fatal Warning: Number of Ochi-Hubble wave components (page 12, item 5) is 5;\n"
         "     its page takes 1 to 4 components."},
        {"Ochi-Hubble count 2147483647", with(ochi_hubble, {{192, 2147483647u}}),
         " ++> Fatal Warning: Number of Ochi-Hubble wave components (page 12, item 5) is 2147483647;"},
        {"Ochi-Hubble count -1", with(ochi_hubble, {{192, int_bits(-1)}}),
         " ++> Fatal Warning: Number of Ochi-Hubble wave components (page 12, item 5) is -1;"},
        {"Ochi-Hubble count 1", with(ochi_hubble, {{192, 1u}}), nullptr},
        {"JONSWAP gamma 0", jonswap_with({{477, real_bits(0.0f)}}),
         " ++> Fatal Warning: JONSWAP gamma parameter (page 12, item 8) is a value"},
        {"JONSWAP sigma a 0 with the peak on the periods", jonswap_with({{475, real_bits(0.0f)}}),
         " ++> Fatal Warning: JONSWAP sigma a shape parameter (page 12, item 9) is a value"},
        {"JONSWAP sigma b 0", jonswap_with({{476, real_bits(0.0f)}}), nullptr},
        // Gammas whose normalising integral does not converge: the run asked about its iteration
        // again and again, or stopped on its round-off message.
        {"JONSWAP gamma 1e-5", jonswap_with({{477, real_bits(1e-5f)}}), kNoIntegral},
        {"TMA gamma 1e-5", jonswap_with({{164, 10u}, {477, real_bits(1e-5f)}}), kNoIntegral},
        {"JONSWAP gamma 1e-38", jonswap_with({{477, real_bits(1e-38f)}}), kNoIntegral},
        {"TMA gamma denormal", jonswap_with({{164, 10u}, {477, real_bits(1e-40f)}}), kNoIntegral},
        {"JONSWAP gamma 5000", jonswap_with({{477, real_bits(5000.0f)}}), kNoIntegral},
        {"JONSWAP gamma 1", jonswap_with({{477, real_bits(1.0f)}}), nullptr},
        // The sample's sea with a sigma a with which the integration went deeper at every pass and
        // never ended (the check before the run, and the run before it, hung); with gamma 1 there is
        // nothing to integrate.
        {"JONSWAP sigma a 993.425781", jonswap_with({{475, real_bits(993.425781f)}}), kNoIntegral},
        {"JONSWAP sigma a 2000, gamma 1", jonswap_with({{475, real_bits(2000.0f)}, {477, real_bits(1.0f)}}), nullptr},
        {"swell of sigma a 993.425781",
         {{174, 1u}, {190, 5u}, {451, real_bits(2.0f)}, {452, real_bits(12.0f)}, {485, real_bits(993.425781f)},
          {486, real_bits(0.09f)}, {487, real_bits(3.3f)}},
         " ++> Fatal Warning: Swell JONSWAP gamma parameter (page 13, item 8) and the sigmas\n"
         "     (items 9 and 10) give a JONSWAP spectrum whose integral does not converge."},
        {"TMA gamma 20", jonswap_with({{164, 10u}, {477, real_bits(20.0f)}}), nullptr},
        {"JONSWAP gamma 3.12540651e-5, the least about the sea's that converges",
         jonswap_with({{477, real_bits(3.12540651e-05f)}}), nullptr},
        {"JONSWAP gamma 3.12540615e-5, the float below it", jonswap_with({{477, real_bits(3.12540615e-05f)}}),
         kNoIntegral},
        {"custom spectrum table of a negative integral", negative_table,
         " ++> Fatal Warning: Custom spectrum table (page 12, item 2) integrates to a negative"},
        {"phantom weight switch 2", semi_with({{189, 2u}}),
         " ++> Fatal Warning: Phantom weight switch (word 189 of the data file) is 2;"},
        {"phantom weight of the displacement", semi_with({{189, 1u}, {483, real_bits(2833.7f)}}),
         " ++> Fatal Warning: Phantom weight value (word 483 of the data file) is not below the vessel"},
        {"phantom weight below it", semi_with({{189, 1u}, {483, real_bits(2000.0f)}}), nullptr},
    };
    for (const BadWords& c : cases) {
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk(c.words);
        expect_outcome(run_brevant(c.finding == nullptr ? std::string("E\n\n3\n") + std::string(40, '\n') : kExecute),
                       c.finding, c.what);
    }
}

// The current profile table of page 10 (words 462-471) with two equal depths. The member-built
// hull's drag looks the current up at every level of its 25 m draft: equal depths at an end of the
// table leave that look-up an interval of no width (below the last point, or at the first), refused
// by page and item before the run. The sample ship never looks the profile up and runs; a step
// inside the table is read as written.
TEST(BadCaseRun, AProfileTableOfEqualEndDepthsIsRefusedWhereTheRunLooksItUp) {
    const auto profile = [](std::vector<float> depths, std::vector<float> speeds) {
        Words w = {{177, 2u}, {178, static_cast<std::uint32_t>(depths.size())}};  // LCSTCR table, NCURNT
        for (std::size_t j = 0; j < depths.size(); ++j) {
            w.push_back({462 + static_cast<int>(j), real_bits(depths[j])});  // DPTHI
            w.push_back({467 + static_cast<int>(j), real_bits(speeds[j])});  // VELI
        }
        return w;
    };
    const Words last_two_equal = profile({10, 20, 20}, {1, 0, 0});
    const Words first_two_equal = profile({10, 10, 20}, {1, 0.5f, 0});
    const Words step_inside = profile({10, 20, 20, 30}, {1, 0.5f, 0.2f, 0});
    const auto semi_with = [](const Words& more) {
        Words w = member_built_hull();
        w.insert(w.end(), more.begin(), more.end());
        return w;
    };
    const char* const kLastTwo =
        " ++> Fatal Warning: Current profile depths (page 10, item 5) are equal at points 2 and 3\n"
        "     at an end of the table: no interval to interpolate in.";
    const char* const kFirstTwo =
        " ++> Fatal Warning: Current profile depths (page 10, item 5) are equal at points 1 and 2\n"
        "     at an end of the table: no interval to interpolate in.";
    const BadWords cases[] = {
        {"semi-submersible, 10, 20, 20", semi_with(last_two_equal), kLastTwo},
        {"semi-submersible, 10, 10, 20", semi_with(first_two_equal), kFirstTwo},
        {"semi-submersible, a step inside: 10, 20, 20, 30", semi_with(step_inside), nullptr},
        {"the sample ship, 10, 20, 20", last_two_equal, nullptr},
        {"the sample ship, 10, 10, 20", first_two_equal, nullptr},
    };
    for (const BadWords& c : cases) {
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk(c.words);
        const ProgramResult r =
            run_brevant(c.finding == nullptr ? std::string("E\n\n3\n") + std::string(40, '\n') : kExecute);
        expect_outcome(r, c.finding, c.what);
        if (c.finding != nullptr) {
            EXPECT_EQ(r.out.find(kRunBanner), std::string::npos) << c.what;
            EXPECT_FALSE(std::filesystem::exists("BREVOUT.stxt")) << c.what;
        } else {
            EXPECT_NE(r.out.find(kRunBanner), std::string::npos) << c.what;
            EXPECT_EQ(r.out.find("report fields are NaN or Infinity"), std::string::npos) << c.what;
        }
    }
}

// A current profile point above the surface counts its layer into the mean current over the draft:
// on the sample ship a point at -1e19 m makes the current's loads too large for the squares of its
// spectra (768 fields of the report NaN or Infinity when run), one at -1e18 m leaves them finite.
// The table of page 10 is refused by page and item, the profile file by its line (the line of the
// point from which the profile read so far does so), before the run; the others run. Each refusal is
// the only one: a profile slower than the surface under an enormous beam-on area is the areas'
// finding, and a file cut short is the read's, whatever the point before the cut.
TEST(BadCaseRun, AProfileDepthWhoseLoadsLeaveSinglePrecisionIsRefused) {
    const auto table = [](float depth) {
        return Words{{176, 1u}, {177, 2u}, {178, 1u}, {462, real_bits(depth)}, {467, real_bits(1.0f)}};
    };
    // The file's heading that of the case (word 457), so no note on a change of direction.
    const Words file = {{176, 1u}, {177, 3u}, {457, real_bits(0.0f)}};
    const char* const kTable = " ++> Fatal Warning: Current profile depths (page 10, item 5) give a mean current over the draft\n"
                               "     whose loads are too large to compute.";
    const char* const kFileHead =
        " ++> Fatal Warning: The file \"CRNTPROF.txt\" of the current variation with depth (page 10, item 3)\n";
    const auto file_line = [kFileHead](int line) {
        return kFileHead + std::string("     has a depth or speed at line ") + std::to_string(line) +
               " whose current loads are too large to compute.";
    };
    const char* const kAreas = " ++> Fatal Warning: Current drag areas (page 8, items 12 and 15) give loads\n"
                               "     too large to compute.";
    // The surface at 2 knots above a profile of 1 knot, under a beam-on area of 1e34 m2.
    const auto slower = [](Words w) {
        w.insert(w.end(), {{458, real_bits(2.0f)}, {1359, real_bits(1e34f)}});
        return w;
    };
    struct Row {
        const char* what;
        Words words;
        const char* profile;  // the file, or none
        std::string finding;  // empty: the run
    };
    const Row rows[] = {
        {"the table, -1e19 m", table(-1e19f), nullptr, kTable},
        {"the table, -1e18 m", table(-1e18f), nullptr, ""},
        {"the file, -1e19 m", file, "1\n-1e19 1.0 0\n", file_line(2)},
        {"the file, -1e18 m", file, "1\n-1e18 1.0 0\n", ""},
        {"the file, 5 m then -1e19 m", file, "2\n5 1.0 0\n-1e19 1.0 0\n", file_line(3)},
        {"the file, a speed of 1e13 knots", file, "2\n2 1.0 0\n4 1e13 0\n", file_line(3)},
        {"the table slower than the surface, an enormous area", slower(table(4.0f)), nullptr, kAreas},
        {"the file slower than the surface, an enormous area", slower(file), "1\n4 1.0 0\n", kAreas},
        {"the file cut short after -1e19 m", file, "2\n-1e19 1.0 0\n",
         kFileHead + std::string("     ends after line 2, before the table its count gives is whole.")},
        {"the file cut short after -1e21 m", file, "2\n-1e21 1.0 0\n",
         kFileHead + std::string("     ends after line 2, before the table its count gives is whole.")},
    };
    for (const Row& r : rows) {
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk(r.words);
        if (r.profile != nullptr) testing::put_file("CRNTPROF.txt", r.profile);
        const ProgramResult p = run_brevant(kExecute);
        expect_outcome(p, r.finding.empty() ? nullptr : r.finding.c_str(), r.what);
        EXPECT_EQ(p.out.find(kRunBanner) == std::string::npos, !r.finding.empty()) << r.what;
        EXPECT_EQ(count_of(p.out, " ++> Fatal Warning: "), r.finding.empty() ? 0u : 1u) << r.what << "\n" << p.out;
        EXPECT_EQ(p.out.find("NaN or Infinity"), std::string::npos) << r.what;
    }
}

// The reference semi-submersible (20 m draft) with drag across its first column, whose members' drag
// takes the current at the levels 0, 2, ..., 20 m of its draft. A table of page 10 whose two points
// lie a denormal apart extrapolates below them to a current beyond single precision; so does a
// profile file of 3e38 knots at 10 m below that depth, and a heading of 3e38 degrees at 5 m on its
// line from the surface above it. Each gave 2,145 to 7,436 report fields of NaN when run; each is
// refused before the run, by page and item or by the lines of the file. Profiles that stay within
// single precision where the drag takes them run to a finite report: 3e30 knots at 10 m, and 3e38
// knots at 20 m, which the drag reaches but never passes.
TEST(BadCaseRun, AProfileWhoseCurrentTheMembersDragCannotTakeIsRefusedBeforeTheRun) {
    const char* const kFileHead =
        " ++> Fatal Warning: The file \"CRNTPROF.txt\" of the current variation with depth (page 10, item 3)\n";
    struct Row {
        const char* what;
        Words words;
        const char* profile;  // the file, or none
        std::string finding;  // empty: the run
    };
    const Words table = {{176, 1u}, {177, 2u}, {178, 2u}, {462, real_bits(0.0f)}, {463, real_bits(1.4e-45f)},
                         {467, real_bits(0.5f)}, {468, real_bits(1.0f)}};
    const Words file_ib = {{176, 1u}, {177, 3u}, {180, 1u << 10}};  // the profile file, table Ib alone
    const Words file_all = {{176, 1u}, {177, 3u}};                  // every table of the report
    const Row rows[] = {
        {"the table, depths 0 and 1.4e-45 m", table, nullptr,
         " ++> Fatal Warning: Current profile (page 10, item 5) points 1 and 2 give the members' drag a current\n"
         "     too large to compute."},
        {"the file, 3e38 knots at 10 m, Ib alone", file_ib, "2\n0 1.0 180\n10 3e38 180\n",
         kFileHead + std::string("     has points at lines 2 and 3 that give the members' drag a current too large "
                                 "to compute.")},
        {"the file, a heading of 3e38 degrees at 5 m", file_all, "3\n5 1.0 3e38\n10 0.5 180\n15 0.2 180\n",
         kFileHead + std::string("     has a point at line 2 that gives the members' drag a current too large to "
                                 "compute.")},
        {"the file, 3e30 knots at 10 m, Ib alone", file_ib, "2\n0 1.0 180\n10 3e30 180\n", ""},
        {"the file, 3e38 knots at 20 m, Ib alone", file_ib, "2\n0 1.0 180\n20 3e38 180\n", ""},
    };
    for (const Row& r : rows) {
        testing::ScratchDir dir;
        reference::write_reference_ship({.hull = reference::Hull::semi});
        Words words = r.words;
        words.push_back({4476, real_bits(1.0f)});  // CYLCD(1, 1)
        edit_on_disk(words);
        if (r.profile != nullptr) testing::put_file("CRNTPROF.txt", r.profile);
        // A run passes the notice of the members' waterlines and runs silently.
        const ProgramResult p = run_brevant(r.finding.empty() ? "E\n\n4\n" + std::string(40, '\n') : kExecute);
        expect_outcome(p, r.finding.empty() ? nullptr : r.finding.c_str(), r.what);
        if (r.finding.empty()) {
            EXPECT_NE(file_bytes("BREVOUT.stxt").find("Ib. Dimensionless Regular Wave Absorption"), std::string::npos)
                << r.what;
        } else {
            EXPECT_EQ(count_of(p.out, " ++> Fatal Warning: "), 1u) << r.what << "\n" << p.out;
            EXPECT_EQ(p.out.find(kRunBanner), std::string::npos) << r.what;
        }
    }
}

// A silent run (End of Session item 4) of a JONSWAP swell whose gamma the normalising integral does
// not converge with stopped in the run on the integration's warning: it is refused before the run,
// in "Diagnostics.stxt", by the swell page's item; no run starts. The swell's gamma 3.3 runs.
TEST(BadCaseRun, ASilentRunsSwellOfNoIntegralIsRefusedBeforeTheRun) {
    const auto swell = [](float gamma) {
        return Words{{174, 1u},  {190, 5u},  {451, real_bits(2.0f)}, {452, real_bits(12.0f)}, {485, real_bits(0.07f)},
                     {486, real_bits(0.09f)}, {487, real_bits(gamma)}};
    };
    const std::string answers = std::string("M\nL\n4\n") + std::string(40, '\n');
    {
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk(swell(3.3f));
        const ProgramResult r = run_brevant(answers, 120);
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        expect_outcome(r, nullptr, "the swell's gamma 3.3");
    }
    for (const float gamma : {1e-5f, 1e-38f}) {
        SCOPED_TRACE(gamma);
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk(swell(gamma));
        const ProgramResult r = run_brevant(answers, 120);
        const std::string diagnostics = file_bytes("Diagnostics.stxt");
        EXPECT_NE(diagnostics.find(" ++> Fatal Warning: Swell JONSWAP gamma parameter (page 13, item 8) and the sigmas\n"
                                   "     (items 9 and 10) give a JONSWAP spectrum whose integral does not converge."),
                  std::string::npos)
            << diagnostics;
        EXPECT_EQ(diagnostics.find("JONSVAL"), std::string::npos) << diagnostics;
        EXPECT_EQ(diagnostics.find(kRunBanner), std::string::npos) << diagnostics;
        EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists("BREVOUT.stxt"));
    }
}

// Long light barges, the sample made a box: they pass the checks (in feet their longitudinal
// metacentric height reaches 273,000 ft) and run to a finite report, alike in feet and in metres.
TEST(BadCaseRun, LightBargesRunInFeetAndInMetres) {
    struct Barge {
        const char* what;
        float L, B, T;  // metres
        int units;
    };
    const Barge barges[] = {{"350 x 60 x 3 m in feet", 350, 60, 3, 0},
                            {"400 x 100 x 3 m in feet", 400, 100, 3, 0},
                            {"260 x 63 x 1.8 m in feet", 260, 63, 1.8f, 0},
                            {"1000 x 121 x 1 m in feet", 1000, 121, 1, 0},
                            {"350 x 60 x 3 m in metres", 350, 60, 3, 1},
                            {"1000 x 121 x 1 m in metres", 1000, 121, 1, 1}};
    for (const Barge& b : barges) {
        const float f = b.units == 1 ? 1.0f : 3.2808399f;
        const float L = b.L * f, B = b.B * f, T = b.T * f;
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk({{117, static_cast<std::uint32_t>(b.units)},
                      {447, real_bits(b.units == 1 ? 1025.0f : 64.0f)},
                      {446, real_bits(100.0f * f)},
                      {1409, real_bits(L * B * T * (b.units == 1 ? 1.025f : 0.064f))},
                      {1410, real_bits(T / 2.0f)},
                      {1411, real_bits(1.3f * T)},
                      {1412, real_bits(T)},
                      {1413, real_bits(L * B)},
                      {1414, real_bits(0.25f * L)},
                      {1415, real_bits(0.35f * B)},
                      {1416, real_bits(0.25f * L)},
                      {1417, real_bits(T / 2.0f + B * B / (12.0f * T))},
                      {1418, real_bits(T / 2.0f + L * L / (12.0f * T))},
                      {1419, real_bits(L)},
                      {1420, real_bits(B)}});
        const ProgramResult r = run_brevant(std::string("E\n\n3\n") + std::string(3000, '\n'));
        EXPECT_EQ(r.out.find("Fatal Warning"), std::string::npos) << b.what << "\n" << r.out;
        EXPECT_NE(r.out.find(kRunBanner), std::string::npos) << b.what;
        expect_outcome(r, nullptr, b.what);
    }
}

// A new case ("C") given a depth, a hull and a sea, every report section on and the load models as
// the new case has them: its user wind table has two rows at 0 degrees.
TEST(BadCaseRun, NewCaseWithItsDefaultLoadModelsStopsAtItsUserTable) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    make_box_on_grid();
    edit_on_disk({{172, 1},                        // LRANDM
                  {164, 1},                        // WAVTYP Pierson-Moskowitz
                  {430, real_bits(10.0f)},         // SWHT(1)
                  {448, real_bits(7.07f)},         // SLPHT
                  {180, 0x07FFFFFF}});             // BRVFLG: every table
    expect_outcome(run_brevant(kExecute), kWindTable, "new case");
}

// Sizes that pass the checks and leave the wave-number solver, or the member drag integration,
// nothing to compute. A period the solver cannot take is refused before the run by page and item,
// alike in feet and in metres (the sample is metric; the same words read in feet give the same
// finding). A natural frequency the hull derives at run time (no inertia left after rounding
// against the members' added masses, an equivalent box far from any ship taken "at risk", a huge
// KML or a phantom weight just below the displacement) ends the run with a line naming the mode and
// its cause, never with the solver's own message, a run without end or NaN in the report; so does
// a period of the table whose wave is too short for the member drag integration.
TEST(BadCaseRun, WhatTheWaveNumberSolverCannotTakeIsNamed) {
    struct Case {
        const char* what;
        Words (*hull)();
        Words damage;
        const char* finding;
        const char* then = nullptr;  // lines that follow in the message
    };
    const auto sample = []() { return Words{}; };
    Words from_zero;
    for (int i = 1; i <= 31; ++i) from_zero.push_back({317 + i, real_bits(0.5f * static_cast<float>(i - 1))});
    Words from_zero_in_feet = from_zero;
    from_zero_in_feet.push_back({117, 0u});  // NUNTS English
    const char* const table = " ++> Fatal Warning: Table of wave periods (page 11, item 2) holds a period too short to compute";
    const char* const roll = " ++> Fatal Warning: Roll period (page 4, item 12) is too short to compute";
    // The roll period one float below the shortest the run's own root search takes in the sample's
    // water: its frequency squared overflows in single precision, though in double precision it
    // lies within a thousandth above the largest float.
    const float depth = WordFile((std::filesystem::path(BREVANT_SOURCE_DIR) / "examples" / "ship" / "BREVDAT").string())
                            .real(446);
    const auto taken = [&](std::uint32_t bits) {
        const float W = 6.2831855f / std::bit_cast<float>(bits);
        float kh = 0.0f;
        return wave_number_search(W * std::sqrt(depth / 9.8f), kh) == 0;
    };
    std::uint32_t lo = real_bits(1.0e-38f), hi = real_bits(1.0f);
    while (hi - lo > 1) (taken(lo + (hi - lo) / 2) ? hi : lo) = lo + (hi - lo) / 2;
    const char* const kComputed =
        "rad/s, is too short for the member drag integration;\n     its restoring term is";
    const Case cases[] = {
        {"a period table from 0 s", sample, from_zero, table},
        {"a period table from 0 s in feet", sample, from_zero_in_feet, table},
        {"a roll period of 1e-30 s", sample, {{769, 1u}, {1373, real_bits(1e-30f)}}, roll},
        {"a roll period of 1e-30 s in feet", sample, {{117, 0u}, {769, 1u}, {1373, real_bits(1e-30f)}}, roll},
        {"a roll period of 0.5 s", sample, {{769, 1u}, {1373, real_bits(0.5f)}}, nullptr},
        {"a roll period one float below the shortest the solver takes", sample, {{769, 1u}, {1373, lo}}, roll},
        {"the member-built hull's displacement 1e-30", member_built_hull, {{1409, real_bits(1e-30f)}},
         " ++> The vessel's pitch natural frequency cannot be computed:"},
        {"the ship's KMT 10,000 run at risk", sample, {{1417, real_bits(10000.0f)}},
         " natural frequency cannot be computed:"},
        {"the member-built hull's KML 1e9 m", member_built_hull, {{1418, real_bits(1.0e9f)}},
         " ++> The vessel's pitch natural frequency cannot be computed:", kComputed},
        {"the member-built hull's KML 1e6 m", member_built_hull, {{1418, real_bits(1.0e6f)}},
         " ++> The vessel's pitch natural frequency cannot be computed:", kComputed},
        {"the member-built hull's KML 1e4 m", member_built_hull, {{1418, real_bits(1.0e4f)}},
         " ++> The vessel's pitch natural frequency cannot be computed:", kComputed},
        {"the member-built hull's KML 1e3 m runs", member_built_hull, {{1418, real_bits(1.0e3f)}}, nullptr},
        {"a phantom weight one float below the displacement", member_built_hull,
         {{189, 1u}, {483, real_bits(std::nextafter(2833.7f, 0.0f))}},
         " ++> The vessel's pitch natural frequency cannot be computed:",
         "rad/s, is too short for the member drag integration;\n     its restoring term is"},
        // A period the user gives: its resonance pass runs at 2 pi / T, 628.32 rad/s for 0.01 s,
        // and the line names the mode's own page 4 item (8 heave, 10 pitch, 12 roll).
        {"a heave period of 0.01 s on the member-built hull", member_built_hull,
         {{770, 1u}, {1374, real_bits(0.01f)}},
         " ++> The vessel's heave natural frequency cannot be computed:",
         "     its wave, of  6.2832E+02 rad/s, is too short for the member drag integration;\n"
         "     the heave period (page 4, item 8) is too short for the members (page 5)."},
        {"a pitch period of 0.01 s on the member-built hull", member_built_hull,
         {{768, 1u}, {1372, real_bits(0.01f)}},
         " ++> The vessel's pitch natural frequency cannot be computed:",
         "     its wave, of  6.2832E+02 rad/s, is too short for the member drag integration;\n"
         "     the pitch period (page 4, item 10) is too short for the members (page 5)."},
        {"a roll period of 0.01 s on the member-built hull", member_built_hull,
         {{769, 1u}, {1373, real_bits(0.01f)}},
         " ++> The vessel's roll natural frequency cannot be computed:",
         "     its wave, of  6.2832E+02 rad/s, is too short for the member drag integration;\n"
         "     the roll period (page 4, item 12) is too short for the members (page 5)."},
        {"a period of 0.0148 s in the table, the drag of the fixed vessel on the periods", member_built_hull,
         {{143, 2u}, {167, 2u}, {318, real_bits(0.01482f)}, {319, real_bits(0.02f)}},
         " ++> The wave of period  1.4820E-02 s is too short for the member drag integration:",
         "     recheck the table of wave periods (page 11, item 2) and the members (page 5), and retry."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk(c.hull());
        edit_on_disk(c.damage);
        // Past the warnings and questions of the run ("proceed at risk"), to its end.
        const ProgramResult r = run_brevant(std::string("E\n") + std::string(40, '\n'), 120);
        expect_outcome(r, c.finding, c.what);
        EXPECT_EQ(r.out.find("in WAVVEC"), std::string::npos) << r.out;
        if (c.then != nullptr) {
            EXPECT_NE(r.out.find(std::string(c.finding) + "\n"), std::string::npos);
            EXPECT_NE(r.out.find(c.then), std::string::npos) << r.out;
        }
        if (c.finding != nullptr && std::string(c.finding).starts_with(" ++> Fatal Warning:")) {
            EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
            EXPECT_NE(r.out.find(std::string(c.finding) + "\n     in this water depth (page 1, item 4)."),
                      std::string::npos);
        }
    }
}

// A silent run meets the same end: the stop goes to "Diagnostics.stxt", and standard error says
// where to look.
TEST(BadCaseRun, AWaveTooShortForTheMemberDragEndsASilentRunInItsFile) {
    testing::ScratchDir dir;
    copy_sample();
    edit_on_disk(member_built_hull());
    edit_on_disk({{1418, real_bits(1.0e9f)}});
    const ProgramResult r = run_brevant(std::string("M\nL\n4\n") + std::string(10, '\n'), 120);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, std::string(kSilentRunStoppedMessage) + "\n");
    EXPECT_NE(file_bytes("Diagnostics.stxt")
                  .find(" ++> The vessel's pitch natural frequency cannot be computed:\n     its wave, of"),
              std::string::npos)
        << file_bytes("Diagnostics.stxt");
}

}  // namespace
}  // namespace brevant::e2e
