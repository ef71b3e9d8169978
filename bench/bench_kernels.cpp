// Benchmarks of single routines: one catenary line solve, the dispersion relation, the JONSWAP
// normaliser and one wave spectrum on a grid of 100 periods.
#include <benchmark/benchmark.h>

#include <vector>

#include "mooring/catlib/element_functions.h"
#include "mooring/catlib/line_spans.h"
#include "mooring/morlib/catenary_iteration.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/mooring_line_records.h"
#include "records/wave_record.h"
#include "sysutl/units.h"
#include "veslib/wave_environment.h"
#include "veslib/wave_spectra.h"

namespace brevant {
namespace {

struct Element {
    Real L, w, a1;
};

// A line type in the data image and LINCOM ready for a solve at horizontal tension H.
void set_line(Int ityp, const std::vector<Element>& el, Int anctyp, Real deltaz, double H) {
    const Int n = static_cast<Int>(el.size());
    TPCM.NELEM(ityp) = n;
    TPCM.ANCTYP(ityp) = anctyp;
    for (Int j = 1; j <= n; ++j) {
        const Element& e = el[static_cast<std::size_t>(j - 1)];
        TPCM.SLEN(j, ityp) = e.L;
        TPCM.WETWT(j, ityp) = e.w;
        TPCM.ALPHA(1, j, ityp) = e.a1;
    }
    LINCOM.ITYP = ityp;
    LINCOM.DELTAZ = deltaz;
    LINCOM.DPHLD = H;
    SCLWLD(LINCOM.SCLWT, element_column(TPCM.WETWT, ityp), H, n);
    BETALD(alpha_block(TPCM.ALPHA, ityp), LINCOM.BETA, H, n);
}

struct LineCase {
    std::vector<Element> elements;
    Int anctyp;
    Real deltaz;
    double H;
};

// The slack and the taut one-element lines and a two-element line lying on the floor.
const LineCase kLines[] = {
    {{{1000.0f, 0.8f, 2e-6f}}, 1, 200.0f, 100.0},
    {{{250.0f, 0.5f, 1e-5f}}, 1, 200.0f, 80.0},
    {{{400.0f, 0.1f, 1e-5f}, {600.0f, 0.9f, 2e-6f}}, 1, 250.0f, 120.0},
};

void BM_CatenaryLineSolve(benchmark::State& state) {
    reset_units();
    reset_tpcm();
    reset_lincom();
    reset_locitr();
    TPCM.EDUNIT = SCREEN_UNIT;
    const LineCase& c = kLines[state.range(0)];
    set_line(3, c.elements, c.anctyp, c.deltaz, c.H);
    for (auto _ : state) {
        reset_locitr();
        Real TOPT1 = 1.0f, TOPT2 = 4.0f;
        ITER8P(TOPT1, TOPT2);
        benchmark::DoNotOptimize(TOPT2);
        benchmark::DoNotOptimize(LINCOM.TMPTAN(1));
    }
    reset_tpcm();
    reset_lincom();
}
BENCHMARK(BM_CatenaryLineSolve)->ArgName("line")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// WAVVEC over 100 nondimensional frequencies from shallow to deep water; the rate counts frequencies.
void BM_Wavvec100(benchmark::State& state) {
    std::vector<Real> omega(100);
    for (int i = 0; i < 100; ++i) omega[static_cast<std::size_t>(i)] = 0.05f + 0.05f * static_cast<float>(i);
    for (auto _ : state) {
        for (Real w : omega) {
            Real kh = 0.0f;
            WAVVEC(w, kh, SCREEN_UNIT);
            benchmark::DoNotOptimize(kh);
        }
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_Wavvec100)->Unit(benchmark::kMicrosecond);

void BM_Jonsval(benchmark::State& state) {
    reset_units();
    for (auto _ : state) {
        Real v = 0.0f;
        JONSVAL(0.07f, 0.09f, 3.3f, v, SCREEN_UNIT);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_Jonsval)->Unit(benchmark::kMicrosecond);

// A Mean JONSWAP sea of 4 m and 10 s on the periods 3.0 to 52.5 s by 0.5 in 100 m of water.
void BM_WaveSpectrum100Periods(benchmark::State& state) {
    reset_units();
    reset_tpcm();
    reset_wavcom();
    reset_himem();
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.DEPTH = 100.0f;
    TPCM.NUNTS = 1;
    TPCM.NWP = 100;
    for (int i = 1; i <= 100; ++i) TPCM.T(i) = 3.0f + 0.5f * static_cast<float>(i - 1);
    set_wave_grid(TPCM.T.data(), TPCM.NWP, TPCM.NUNTS);
    std::vector<Real> psd(100);
    for (auto _ : state) {
        Real hs = 4.0f, tp = 10.0f, wp = 0.0f, kp = 0.0f;
        WVSPEC(kMeanJonswap, psd.data(), hs, tp, wp, kp, 0);
        benchmark::DoNotOptimize(psd.data());
    }
    reset_tpcm();
    reset_wavcom();
    reset_himem();
}
BENCHMARK(BM_WaveSpectrum100Periods)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brevant
