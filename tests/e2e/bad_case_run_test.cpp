// Damaged and degenerate cases run as a user runs them ("E" at the title screen): one word of the
// sample ship's "BREVDAT" changed, or the program's own new case with its default load models. Each
// run ends with a clear finding and status 1, or with a report that holds only finite numbers (the
// "Infinity" of a zero-frequency row's period and spacing columns apart, as those tables write it).
#include <gtest/gtest.h>

#include "brevant_paths.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

#include "e2e_support.h"
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
const char* const kRows = " ++> Low-frequency spectral tables of more than 100000 rows:";
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

}  // namespace
}  // namespace brevant::e2e
