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
#include "lowlib/drift_preparation.h"
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
    reset_analysis_state();
    reset_session();
    reset_tpcm();
}

// (1) The typical ship case: the committed sample (13 attack angles, 31 periods, sea, wind and
// current, every section of the report).
void BM_TypicalShipCase(benchmark::State& state) {
    run_case(state, "ship", [](Tpcm&) {});
}
BENCHMARK(BM_TypicalShipCase)->Unit(benchmark::kMillisecond);

// The sample's ship replaced by a member-built semi-submersible (metres, keel at z 0, 20 m draft):
// `columns` piercing columns of 10 m diameter, 40 m high, and, for four columns, four pontoons of
// 8 m diameter with their axes 4 m above the keel joining them in a ring. More columns stand on a
// square grid 15 m apart with no pontoons. Drag coefficient 1 across every member, none along it.
// The hydrostatics are the members' own; the notices of small differences are off.
void make_semi(Tpcm& P, int columns) {
    struct Member {
        float base[3], top[3], diameter;
        int dir;  // 1 along x, 2 along y, 3 along z
    };
    std::vector<Member> members;
    if (columns == 4) {
        members = {{{30, 30, 0}, {30, 30, 40}, 10, 3},   {{30, -30, 0}, {30, -30, 40}, 10, 3},
                   {{-30, 30, 0}, {-30, 30, 40}, 10, 3}, {{-30, -30, 0}, {-30, -30, 40}, 10, 3},
                   {{-35, 30, 4}, {35, 30, 4}, 8, 1},    {{-35, -30, 4}, {35, -30, 4}, 8, 1},
                   {{30, -25, 4}, {30, 25, 4}, 8, 2},    {{-30, -25, 4}, {-30, 25, 4}, 8, 2}};
    } else {
        for (int i = 0; i < columns; ++i) {
            const float x = 15.0f * static_cast<float>(i % 10) - 67.5f, y = 15.0f * static_cast<float>(i / 10) - 30.0f;
            members.push_back({{x, y, 0}, {x, y, 40}, 10, 3});
        }
    }
    float volume = 0.0f, moment = 0.0f, awp = 0.0f, inertia = 0.0f, extent = 0.0f;
    for (const Member& m : members) {
        const float area = 0.785398f * m.diameter * m.diameter;
        if (m.dir == 3) {
            volume += area * 20.0f;
            moment += area * 20.0f * 10.0f;
            awp += area;
            inertia += area * m.base[0] * m.base[0] + area * m.diameter * m.diameter / 16.0f;
        } else {
            const float length = m.dir == 1 ? m.top[0] - m.base[0] : m.top[1] - m.base[1];
            volume += area * length;
            moment += area * length * 4.0f;
        }
        for (int j = 0; j < 2; ++j) extent = std::max(extent, 2.0f * std::fabs(m.base[j]) + m.diameter);
    }
    const float kb = moment / volume, bm = inertia / volume;
    P.VESTYP = 3;
    P.LWVCOF = 0x777;
    P.NOWARN = 1;
    P.DISPL = volume * 1.025f;
    P.VKB = kb;
    P.VKG = 15.0f;
    P.DRAFT = 20.0f;
    P.AWP = awp;
    P.PGYR = P.RGYR = P.YGYR = 25.0f;
    P.VKMT = P.VKML = kb + bm;
    P.LWL = P.BWL = extent;
    P.NCYL = static_cast<Int>(members.size());
    for (std::size_t k = 0; k < members.size(); ++k) {
        const Member& m = members[k];
        const Int i = static_cast<Int>(k) + 1;
        const float length = m.dir == 3 ? 40.0f : m.dir == 1 ? m.top[0] - m.base[0] : m.top[1] - m.base[1];
        P.BOTTYP(i) = 0;
        P.TOPTYP(i) = m.dir == 3 ? 1 : 0;
        P.MEMDIR(i) = m.dir;
        P.MEMTYP(i) = 0;
        P.NCYLTP(i) = 1;
        P.MASCMP(i) = 0;
        P.DRGCMP(i) = 0;
        P.XAREA(i) = 0.785398f * m.diameter * m.diameter;
        const float diams[3] = {m.diameter, m.diameter, length}, cm[3] = {1.0f, 1.0f, 0.0f}, cd[3] = {1.0f, 1.0f, 0.0f};
        for (Int j = 1; j <= 3; ++j) {
            P.RCYLB(j, i) = m.base[j - 1];
            P.RCYLT(j, i) = m.top[j - 1];
            P.DIAMS(j, i) = diams[j - 1];
            P.CYLCM(j, i) = cm[j - 1];
            P.CYLCMI(j, i) = 0.0f;
            P.CYLCD(j, i) = cd[j - 1];
            P.CYLCDI(j, i) = 0.0f;
        }
    }
}

// (2) The typical case with a member-built semi-submersible of four columns and four pontoons.
void BM_TypicalSemiCase(benchmark::State& state) {
    run_case(state, "semi", [](Tpcm& P) { make_semi(P, 4); }, "\n\n\n\n");
}
BENCHMARK(BM_TypicalSemiCase)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_LargestShipCase)->Unit(benchmark::kSecond);

// The largest semi-submersible the tables allow: 50 piercing columns. It runs for minutes, so it
// runs only when the filter names it (--benchmark_filter=LargestSemiCase) and is skipped otherwise.
void BM_LargestSemiCase(benchmark::State& state) {
    if (benchmark::GetBenchmarkFilter().find("LargestSemiCase") == std::string::npos) {
        state.SkipWithError("skipped: run it by name with --benchmark_filter=LargestSemiCase");
        for (auto _ : state) {
        }
        return;
    }
    run_case(state, "semi_max", [](Tpcm& P) { make_semi(P, 50); }, "\n\n\n\n");
}
BENCHMARK(BM_LargestSemiCase)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace brevant
