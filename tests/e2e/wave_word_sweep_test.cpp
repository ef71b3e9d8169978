// The sweep of the wave words (tests/wave_sweep_cells.h) through the checks before the run and the
// run, in the process: each cell is either refused before the run by a fatal finding, or runs to
// the end of its report with no NaN or Infinity field and no stop. A row per word (or value of the
// spectrum file), its eight values on the metric and the English reference ship.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/analysis_core.h"
#include "core/program_state.h"
#include "edlib/editor_driver.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"
#include "wave_sweep_cells.h"

namespace brevant {
namespace {

// What the checks and the run made of a case in the current folder, executed silently as a user
// does it ("E", Return past the warnings, 4 on the End of Session page).
struct CellOutcome {
    bool ran = false;      // the checks let the run start
    int status = 0;        // the exit status (0 when the run ended well)
    std::string refusal;   // the first fatal finding of the checks, if any
    long long non_finite = 0;  // NaN and Infinity fields of the report
};

CellOutcome execute_silently() {
    reset_program_state();
    for (Int unit : {SCREEN_UNIT, SILENT_UNIT, PRINTER_UNIT, Int{0}}) capture_unit(unit);
    bind_keyboard("E\n\n4\n");
    CellOutcome o;
    try {
        BREVED();
        o.ran = true;
        BRVCOR();
    } catch (const ProgramEnd& end) {
        o.status = end.status;
    }
    const std::string screen = captured(SCREEN_UNIT);
    if (const auto at = screen.find(" ++> Fatal Warning: "); at != std::string::npos)
        o.refusal = screen.substr(at, screen.find('\n', at) - at);
    close_all_units();
    if (o.ran && std::filesystem::exists("BREVOUT.stxt")) o.non_finite = testing::non_finite_words(testing::file_bytes("BREVOUT.stxt"));
    reset_units();
    return o;
}

class WaveWordSweep : public ::testing::TestWithParam<std::string> {};

TEST_P(WaveWordSweep, EachValueIsRefusedByNameOrRunsFinite) {
    testing::ScratchDir dir;
    for (const testing::WaveSweepCell& cell : testing::wave_sweep_cells()) {
        if (cell.group != GetParam()) continue;
        SCOPED_TRACE(cell.what);
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) std::filesystem::remove_all(entry.path());
        testing::put_wave_sweep_case(cell);
        const CellOutcome o = execute_silently();
        if (!o.ran) {
            EXPECT_FALSE(o.refusal.empty()) << "the run did not start, and no finding says why (status " << o.status << ")";
        } else {
            EXPECT_EQ(o.status, 0);
            EXPECT_EQ(o.non_finite, 0);
        }
    }
}

// The reference ship of each row as it stands runs finite: the sweep's refusals are the swept word's.
// Many rows share a case: each case runs once.
TEST(WaveWordSweepCases, EachRowsCaseRunsFinite) {
    testing::ScratchDir dir;
    std::vector<std::string> cases;
    for (const auto& w : testing::wave_sweep::words())
        if (std::find(cases.begin(), cases.end(), w.row_case) == cases.end()) cases.emplace_back(w.row_case);
    for (const std::string& name : cases) {
        for (testing::SweepUnits u : {testing::SweepUnits::metric, testing::SweepUnits::english}) {
            const testing::wave_sweep::Case c = testing::wave_sweep::row_case(name, u);
            SCOPED_TRACE(name + " (" + testing::wave_sweep::units_name(u) + ")");
            for (const auto& entry : std::filesystem::directory_iterator(dir.path())) std::filesystem::remove_all(entry.path());
            testing::put_wave_sweep_case({name, name, u, c.words,
                                          c.wavspec ? testing::wave_sweep::wavspec_text(testing::wave_sweep::wavspec_rows()) : ""});
            const CellOutcome o = execute_silently();
            EXPECT_TRUE(o.ran) << o.refusal;
            EXPECT_EQ(o.status, 0);
            EXPECT_EQ(o.non_finite, 0);
        }
    }
}

std::string row_name(const ::testing::TestParamInfo<std::string>& info) {
    std::string name;
    for (char c : info.param) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Rows, WaveWordSweep, ::testing::ValuesIn(testing::wave_sweep_groups()), row_name);

}  // namespace
}  // namespace brevant
