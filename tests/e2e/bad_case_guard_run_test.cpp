// Damaged cases through the built program: each ends in bounded time with a clear message and
// status 1 (a failure named on the console, or the report's last guard naming its NaN), and never
// repeats a warning once per pass. The reference disc (16 m across, 3 m draft, every table of the
// report) is written through the data image and one word is then set to an extreme value.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "e2e/reference/reference_cases.h"
#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

using reference::Hull;
using testing::lines_holding;
using testing::lines_of;
using testing::non_finite_words;

struct Row {
    const char* what;
    std::vector<std::pair<int, std::uint32_t>> words;
    int status;                         // the exit status the run ends with
    std::vector<std::string> messages;  // lines the console holds once each
    // The section the report's last guard names as the first holding NaN or Infinity; empty: the
    // report holds none and the console no such warning.
    std::string nan_section;
};

// The last guard's warning, whatever its count: " ++> Warning: N report fields are NaN ...".
bool is_guard_warning(const std::string& line, const std::string& section) {
    const std::string head = " ++> Warning: ";
    const std::string tail = " report fields are NaN or Infinity (the first in section " + section +
                             "): the case holds values the analysis cannot use.";
    if (line.size() <= head.size() + tail.size() || line.rfind(head, 0) != 0) return false;
    if (line.compare(line.size() - tail.size(), tail.size(), tail) != 0) return false;
    const std::string count = line.substr(head.size(), line.size() - head.size() - tail.size());
    return count.find_first_not_of("0123456789") == std::string::npos && count != "0";
}

TEST(BadCaseGuardRun, DamagedDiscBuoysEndClearlyInBoundedTime) {
    const Row rows[] = {
        // A water-plane area of 1e30: k R beyond the range of the Bessel recurrence. Its start index
        // was clamped near 2^31 and one call ran for minutes; now the force routine's Bessel failure
        // ends the run before any section is written.
        {"AWP 1e30", {{1413, real_word(1.0e30f)}}, 1,
         {" ++> BESSEL function error. Increase smallest period and retry"}, ""},
        // A displacement of 1e8: a disc hundreds of radii deep, whose added-mass integral needs
        // 30358 points. The warning and its pause came once per force pass (1,328 times). The run
        // goes through, and its motions give NaN from the absorption coefficients on: the last
        // guard ends it with status 1.
        {"DISPL 1e8", {{1409, real_word(1.0e8f)}}, 1,
         {" ++> Warning: A highly eccentric body requires  30358 integration points"},
         "Ib. Dimensionless Regular Wave Absorption Coefficients"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::ScratchDir dir;
        reference::write_reference_ship({.hull = Hull::disc});
        edit_on_disk(row.words);
        const auto start = std::chrono::steady_clock::now();
        // "E" executes the disc; Returns answer every pause of a run on the console.
        const ProgramResult r = run_brevant("E\n" + std::string(4000, '\n'), 120);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ASSERT_NE(r.status, 124) << "the run did not end";
        EXPECT_LT(seconds, 60.0);
        const std::string report = std::filesystem::exists("BREVOUT.stxt") ? file_bytes("BREVOUT.stxt") : "";
        EXPECT_LT(report.size(), 100u * 1000u * 1000u);
        EXPECT_EQ(r.status, row.status) << r.out.substr(0, 4000) << r.err;
        for (const std::string& message : row.messages)
            EXPECT_EQ(count_of(r.out, message + "\n"), 1u) << message << "\n" << r.out.substr(0, 4000);

        const std::vector<std::string> console = lines_of(r.out);
        const std::size_t warnings = lines_holding(console, "report fields are NaN or Infinity");
        if (row.nan_section.empty()) {
            EXPECT_EQ(non_finite_words(report), 0) << report.substr(0, 4000);
            EXPECT_EQ(warnings, 0u);
        } else {
            // The warning once on the console and as the report's last line, naming the section.
            EXPECT_GT(non_finite_words(report), 0);
            EXPECT_EQ(warnings, 1u);
            EXPECT_EQ(std::count_if(console.begin(), console.end(),
                                    [&](const std::string& line) { return is_guard_warning(line, row.nan_section); }),
                      1);
            const std::vector<std::string> report_lines = lines_of(report);
            ASSERT_FALSE(report_lines.empty());
            EXPECT_TRUE(is_guard_warning(report_lines.back(), row.nan_section)) << report_lines.back();
        }
    }
}

// The new case's user coefficient tables hold two rows at 0 degrees; a ship whose wave drag reads the
// current table there wrote a report of NaN with status 0. No check refuses the case before the run:
// the run's last guard finds the NaN, and the program ends with status 1 and says so.
TEST(BadCaseGuardRun, NewCaseUserCurrentTableNeverGivesANaNReportWithStatus0) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    WordFile f("BREVDAT");
    f.set(172, 1);                         // LRANDM: the sea on
    f.set_real(430, 10.0f);                // SWHT(1), ft
    f.set_real(436, 10.0f);                // SIGPD(1), s
    f.set_real(448, 10.0f / 1.4142135f);   // SLPHT
    f.set(180, f.word(180) | (1u << 22));  // BRVFLG bit 23: the net-force pages
    f.set(787, 0x666);                     // LWVCOF: the 2001 tanker drift model
    f.set(179, 4);                         // NUMBRV
    f.set_real(472, 90.0f);                // BRVINC
    f.set(109, 1);                         // IUNIT: the report on disk
    f.save("BREVDAT");
    const ProgramResult r = run_brevant("E\n" + std::string(200, '\n') + "L\n4\n", 120);
    const std::string report = std::filesystem::exists("BREVOUT.stxt") ? file_bytes("BREVOUT.stxt") : "";
    ASSERT_EQ(r.status, 1) << r.out.substr(0, 4000) << r.err;
    EXPECT_NE(r.out.find(" ++> "), std::string::npos) << r.out.substr(0, 4000);
    // The run went on to the end: its last line and the console name the count.
    ASSERT_GT(non_finite_words(report), 0) << report.substr(0, 4000);
    const std::string warning = " ++> Warning: " + std::to_string(non_finite_words(report)) +
                                " report fields are NaN or Infinity (the first in section IX. Net Environmental "
                                "Forces & Moments): the case holds values the analysis cannot use.";
    EXPECT_EQ(report.substr(report.rfind('\n', report.size() - 2) + 1), warning + "\n");
    EXPECT_EQ(count_of(r.out, warning + "\n"), 1u) << r.out.substr(0, 4000);
}

}  // namespace
}  // namespace brevant::e2e
