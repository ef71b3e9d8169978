// Group-envelope integrals of one spectrum and of two, over the wave grid.
//
// Every integral at one difference frequency reads its spectra at the same shifted frequencies
// w + D/2 and |w - D/2| of the same grid; only the spectrum read differs, and the load routines ask
// for many spectra at one frequency in turn (the member drag some ninety per member and row). The
// intervals of the grid that hold those frequencies, and where the frequencies lie in them, are a
// function of the grid's values and the frequency alone: they are kept for the last grid (compared
// value by value), for every frequency (bit for bit) asked for on it, and the integrals only
// interpolate. The
// switch of the row reuse turns this off too, for the tests that compare runs with and without.
#include "lowlib/group_variance.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "lowlib/row_series_reuse.h"
#include "numeric/grid_integrals.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr Int kMostPoints = 100;

// A negative difference frequency: a notice and, where somebody can answer, a key; then its
// magnitude, in the caller's variable.
void make_positive(Real& DELTAW) {
    if (!(DELTAW < 0.0f)) return;
    const Int unit = TPCM.EDUNIT;
    write_record(unit, " Negative DELTAW in GET_GVAR, using ABS[DELTAW]; press c + <Return> to continue");
    if (unit != SILENT_UNIT) {
        char ANSWER = ' ';
        READCP(ANSWER);
    }
    DELTAW = -DELTAW;
}

// The interval of the grid that holds WQ, 0 when WQ is off the grid (or the grid has fewer than
// two points, which has no interval).
Int interval_of(const Real* W, Int NWP, Real WQ) {
    if (NWP < 2 || !(WQ >= W[NWP - 1] && WQ <= W[0])) return 0;
    Int IER = 0;
    Int MIN = 1;
    BSRCH(W, WQ, IER, MIN, NWP);
    return MIN;
}

// The spectrum PSD at the frequency WQ in the interval MIN: straight lines between the grid points,
// 0 off the grid.
Real spectrum_in(const Real* W, const Real* PSD, Real WQ, Int MIN) {
    if (MIN == 0) return 0.0f;
    Real value = 0.0f;
    INTERP(W, PSD, WQ, value, MIN);
    return value;
}

// The shifted frequencies of one difference frequency on one grid, and their intervals. A kept one
// also holds where each frequency lies in its interval, the part of INTERP's straight line that
// does not depend on the spectrum: (WQ - W(MIN)) / (W(MIN+1) - W(MIN)), in double as INTERP forms it.
struct ShiftedGrid {
    Int n = -1;
    std::uint32_t XC_BITS = 0;
    bool kept = false;
    std::array<Real, kMostPoints> W{};
    std::array<Real, kMostPoints> WP{}, WM{};
    std::array<Int, kMostPoints> MIN_P{}, MIN_M{};
    std::array<double, kMostPoints> AT_P{}, AT_M{};
};

double place_in(const Real* W, Real WQ, Int MIN) {
    if (MIN == 0) return 0.0;
    const double xmn = W[MIN - 1];
    return (static_cast<double>(WQ) - xmn) / (static_cast<double>(W[MIN]) - xmn);
}

void shift(ShiftedGrid& g, const Real* W, Int n, Real XC) {
    for (Int IW = 1; IW <= n; ++IW) {
        const std::size_t k = static_cast<std::size_t>(IW - 1);
        g.WP[k] = W[IW - 1] + XC;
        g.WM[k] = std::fabs(W[IW - 1] - XC);
        g.MIN_P[k] = interval_of(W, n, g.WP[k]);
        g.MIN_M[k] = interval_of(W, n, g.WM[k]);
        if (g.kept) {
            g.AT_P[k] = place_in(W, g.WP[k], g.MIN_P[k]);
            g.AT_M[k] = place_in(W, g.WM[k], g.MIN_M[k]);
        }
    }
}

// The spectrum PSD at the K-th shifted frequency above (PLUS) or below the grid frequency: INTERP's
// straight line, with the place in the interval taken from a kept grid.
Real spectrum_at(const ShiftedGrid& g, const Real* W, const Real* PSD, std::size_t k, bool plus) {
    const Int MIN = plus ? g.MIN_P[k] : g.MIN_M[k];
    if (!g.kept) return spectrum_in(W, PSD, plus ? g.WP[k] : g.WM[k], MIN);
    if (MIN == 0) return 0.0f;
    const double ymn = PSD[MIN - 1];
    return static_cast<Real>(ymn + (plus ? g.AT_P[k] : g.AT_M[k]) * (static_cast<double>(PSD[MIN]) - ymn));
}

unsigned long long& grid_reuses() {
    static unsigned long long count = 0;
    return count;
}

// The shifted grids kept: those of every difference frequency asked for on the last grid (a page of
// spectra by attack angle asks for the same row frequencies at every angle), forgotten when the
// grid's values change and, bounded, when too many have been kept.
struct KeptGrids {
    Int n = -1;
    std::array<Real, kMostPoints> W{};
    std::unordered_map<std::uint32_t, std::unique_ptr<ShiftedGrid>> by_frequency;
};
constexpr std::size_t kMostKeptGrids = 4096;

// The shifted grid of (W, n, XC): a kept one when it is of the same grid values and frequency,
// otherwise made afresh and kept.
const ShiftedGrid& shifted_grid(const Real* W, Int n, Real XC) {
    static KeptGrids kept;
    static ShiftedGrid scratch;
    if (!row_series_reuse_on()) {
        shift(scratch, W, n, XC);
        return scratch;
    }
    if (kept.n != n || !std::equal(W, W + n, kept.W.begin())) {
        kept.by_frequency.clear();
        kept.n = n;
        std::copy(W, W + n, kept.W.begin());
    }
    const std::uint32_t xc = std::bit_cast<std::uint32_t>(XC);
    if (const auto it = kept.by_frequency.find(xc); it != kept.by_frequency.end()) {
        ++grid_reuses();
        return *it->second;
    }
    if (kept.by_frequency.size() >= kMostKeptGrids) kept.by_frequency.clear();
    auto g = std::make_unique<ShiftedGrid>();
    g->kept = true;
    g->n = n;
    g->XC_BITS = xc;
    std::copy(W, W + n, g->W.begin());
    shift(*g, W, n, XC);
    return *kept.by_frequency.emplace(xc, std::move(g)).first->second;
}

// The group spectrum's integral (SMPINT of the products at the grid points shifted by half of
// DELTAW, made positive in place), the product at point k given by PRODUCT(grid, k).
//
// Written into each caller, so that each has the loop it would have written out: the spectra's
// addresses in registers and the test of a kept grid taken once, not at every point. Left a call
// of its own (as the compiler chose), the loop read the captured addresses again after every
// INTERP and tested the kept grid at every point: 3 % more of their own instructions in GET_GVAR, 21 %
// in GET_GVAR2. The product captures the addresses by value and is taken by value, which keeps most
// of the difference away should a compiler still make a call of it.
template <class Product>
[[gnu::always_inline]] inline void group_integral(Real& DELTAW, const Real* W, Int NWP, Real& GVAR, Real& GVARDOT,
                                                  const Product PRODUCT) {
    Real GPSD[kMostPoints] = {};
    make_positive(DELTAW);
    const Real XC = 0.5f * DELTAW;
    const Int n = std::clamp<Int>(NWP, 0, kMostPoints);
    const ShiftedGrid& g = shifted_grid(W, n, XC);
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) GPSD[k] = PRODUCT(g, k);
    SMPINT(GPSD, GVAR, GVARDOT);
}

}  // namespace

unsigned long long group_grid_reuse_count() { return grid_reuses(); }

void GET_GVAR(Real& DELTAW, const Real* W, Int NWP, const Real* PSDIN, Real& GVAR, Real& GVARDOT, Real& VGPSD2,
              Real& VDGPSD2) {
    VGPSD2 = 0.0f;
    VDGPSD2 = 0.0f;
    group_integral(DELTAW, W, NWP, GVAR, GVARDOT, [W, PSDIN](const ShiftedGrid& g, std::size_t k) {
        const Real DUMP = spectrum_at(g, W, PSDIN, k, true);
        const Real DUMM = spectrum_at(g, W, PSDIN, k, false);
        return DUMM * DUMP;
    });
}

void GET_GVAR2(Real& DELTAW, const Real* W, Int NWP, const Real* PSD1, const Real* PSD2, Real& GVAR, Real& GVARDOT) {
    group_integral(DELTAW, W, NWP, GVAR, GVARDOT, [W, PSD1, PSD2](const ShiftedGrid& g, std::size_t k) {
        const Real DUMP1 = spectrum_at(g, W, PSD1, k, true);
        const Real DUMM1 = spectrum_at(g, W, PSD1, k, false);
        // One spectrum twice reads the same values.
        const Real DUMP2 = PSD2 == PSD1 ? DUMP1 : spectrum_at(g, W, PSD2, k, true);
        const Real DUMM2 = PSD2 == PSD1 ? DUMM1 : spectrum_at(g, W, PSD2, k, false);
        return 0.5f * (DUMP1 * DUMM2 + DUMP2 * DUMM1);
    });
}

}  // namespace brevant
