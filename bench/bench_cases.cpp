// Benchmarks of whole cases in the process: the load of a saved case with its save and back-up
// rotation, and the analysis of the typical ship case with its report written to a scratch folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "core/analysis_core.h"
#include "edlib/editor_driver.h"
#include "edlib/finish.h"
#include "edlib/loader.h"
#include "lowlib/current_profile.h"
#include "lowlib/depth_current_drag.h"
#include "lowlib/drift_preparation.h"
#include "lowlib/row_series_reuse.h"
#include "lowlib/waves_in_current.h"
#include "sysutl/result_reuse.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "vessels/ship/ship_characteristics.h"
#include "veslib/hull_dispatch.h"
#include "veslib/motion_phase1.h"
#include "veslib/rao_refresh.h"

// The semi-submersible of the benchmarks, shared with the test that guards the reuse.
#include "../tests/core/semi_ring_case.h"

namespace brevant {
namespace {

namespace fs = std::filesystem;

// A new empty folder under the temporary folder, made the current one while the object lives.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& tag) : old_(fs::current_path()) {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("brevant_bench_" + tag + "_" + std::to_string(rd()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    ~ScratchFolder() {
        reset_units();
        fs::current_path(old_);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

private:
    fs::path old_;
    fs::path dir_;
};

// The committed sample ship case copied into the current folder.
void copy_sample_ship() {
    const fs::path from = fs::path(BREVANT_SOURCE_DIR) / "examples" / "ship";
    for (const char* name : {"BREVDAT", "LOWDAT"})
        fs::copy_file(from / name, name, fs::copy_options::overwrite_existing);
}

// The console units captured, so that a run writes nothing on the terminal.
void quiet_units() {
    reset_units();
    capture_unit(SCREEN_UNIT);
    capture_unit(SILENT_UNIT);
    bind_keyboard("");
}

// Loads the case in the current folder as the start of a session answered with "E" does.
void load_for_execute() {
    set_session_values();
    EditorSession& S = SESSION;
    bind_keyboard("E\n");
    IOINIT(S.NAME.view(), "     ", S.COPIES, S.ANSWER, S.JMPLOC, S.DATFIL.view(), S.IERR0, S.IERR1, S.VERNQ, S.IYEARQ,
           S.CREATQ, S.EDPRG.view(), S.CMPUTQ, S.LEASTQ, S.NTOGOQ);
    close_unit(WARN_UNIT);
}

// Everything a run leaves in the records of the analysis, cleared; the data image is not touched.
void reset_analysis_state() {
    reset_wavcom();
    reset_equilb();
    reset_himem();
    reset_pascom();
    reset_sines();
    reset_curprof();
    reset_cfprep();
    reset_vesl1();
    reset_relraoup();
    reset_ship_characteristics();
    clear_hull_table();
}

// (5) The load of the saved sample case and its save over the old file, which moves to the first
// back-up while the first back-up moves to the second.
void BM_LoadAndSave(benchmark::State& state) {
    ScratchFolder folder("load_save");
    copy_sample_ship();
    quiet_units();
    for (auto _ : state) {
        try {
            load_for_execute();
            const EditorSession& S = SESSION;
            BACKIT(SCREEN_UNIT, S.EDPRG.view(), S.CMPUTQ, S.NTOGOQ, image_bytes(TPCM), S.DATFIL.view(), S.IERR1,
                   S.BAKFIL.view(), "LASTBAK");
        } catch (const ProgramEnd& end) {
            state.SkipWithError(("the program ended with status " + std::to_string(end.status)).c_str());
            break;
        }
        clear_captured(SCREEN_UNIT);
        clear_captured(SILENT_UNIT);
    }
    reset_session();
    reset_tpcm();
}
BENCHMARK(BM_LoadAndSave)->Unit(benchmark::kMicrosecond);

// Runs the analysis of the sample ship case, changed by `shape` once it is loaded, as an execute
// choice does: each run starts from the loaded images and clean analysis records and writes
// "BREVOUT.stxt" in the scratch folder. `answers` are the keyboard's lines for the notices a run may
// wait on.
template <class Shape>
void run_case(benchmark::State& state, const std::string& tag, Shape&& shape, const std::string& answers = "") {
    ScratchFolder folder(tag);
    copy_sample_ship();
    quiet_units();
    const auto loaded = std::make_unique<Tpcm>();
    const auto loaded_low = std::make_unique<Lowcof>();
    try {
        load_for_execute();
    } catch (const ProgramEnd& end) {
        state.SkipWithError(("the load ended with status " + std::to_string(end.status)).c_str());
        return;
    }
    // What the end of the edit leaves in the image before an execute choice runs the analysis.
    TPCM.SRCDAT = SESSION.LEASTQ;
    TPCM.LBACK = 0;
    TPCM.IPAG = 0;
    shape(TPCM);
    // The reuse of earlier results (hull solves, cylinder drift coefficients, the row-independent
    // work down the rows of the spectra pages), off for the figure before it.
    const bool reuse = state.range(0) != 0;
    set_rao_solve_reuse(reuse);
    set_member_drift_reuse(reuse);
    set_row_series_reuse(reuse);
    set_result_reuse(reuse);
    *loaded = TPCM;
    *loaded_low = LOWCOF;
    for (auto _ : state) {
        state.PauseTiming();
        TPCM = *loaded;
        LOWCOF = *loaded_low;
        reset_analysis_state();
        clear_captured(SCREEN_UNIT);
        clear_captured(SILENT_UNIT);
        bind_keyboard(answers);
        state.ResumeTiming();
        try {
            BRVCOR();
        } catch (const ProgramEnd& end) {
            state.SkipWithError(("the analysis ended with status " + std::to_string(end.status)).c_str());
            break;
        }
    }
    if (!fs::exists("BREVOUT.stxt")) state.SkipWithError("no report was written");
    set_rao_solve_reuse(true);
    set_member_drift_reuse(true);
    set_row_series_reuse(true);
    set_result_reuse(true);
    reset_analysis_state();
    reset_session();
    reset_tpcm();
}

// (1) The typical ship case: the committed sample (13 attack angles, 31 periods, sea, wind and
// current, every section of the report).
void BM_TypicalShipCase(benchmark::State& state) {
    run_case(state, "ship", [](Tpcm&) {});
}
BENCHMARK(BM_TypicalShipCase)->ArgName("reuse")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// (2) The typical case with a member-built semi-submersible of four columns and four pontoons.
void BM_TypicalSemiCase(benchmark::State& state) {
    run_case(state, "semi", [](Tpcm& P) { testing::shape_semi(P, 4); }, "\n\n\n\n");
}
BENCHMARK(BM_TypicalSemiCase)->ArgName("reuse")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// (3) The largest ship case the tables allow: the sample ship with 361 attack angles (0 to 180 by
// 0.5 degrees), 100 regular-wave periods (2 to 51.5 s by 0.5) and 1000 low-frequency rows.
void BM_LargestShipCase(benchmark::State& state) {
    run_case(state, "ship_max", [](Tpcm& P) {
        P.NWP = 100;
        for (Int i = 1; i <= 100; ++i) P.T(i) = 2.0f + 0.5f * static_cast<float>(i - 1);
        P.LANGARR = 0;
        P.NUMBRV = 361;
        P.BRVINC = 0.5f;
        P.BRVFRQ_DELTA = 0.005f;
        P.BRV_PD_MIN() = 1.2566f;  // 2 pi / (1.2566 * 0.005): 1000 rows
    });
}
BENCHMARK(BM_LargestShipCase)->ArgName("reuse")->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

// The largest semi-submersible the tables allow: 50 piercing columns. It runs for minutes, so it
// runs only when the filter names it (--benchmark_filter=LargestSemiCase) and is skipped otherwise.
void BM_LargestSemiCase(benchmark::State& state) {
    if (benchmark::GetBenchmarkFilter().find("LargestSemiCase") == std::string::npos) {
        state.SkipWithError("skipped: run it by name with --benchmark_filter=LargestSemiCase");
        for (auto _ : state) {
        }
        return;
    }
    run_case(state, "semi_max", [](Tpcm& P) { testing::shape_semi(P, 50); }, "\n\n\n\n");
}
BENCHMARK(BM_LargestSemiCase)->ArgName("reuse")->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace brevant
