// Simpson integration of spectral moments over the period grid of WAVCOM, and the wave-group
// envelope spectrum built on it.
#include "numeric/grid_integrals.h"

#include <algorithm>
#include <cmath>

#include "numeric/table_search.h"
#include "records/data_image.h"
#include "records/wave_record.h"

namespace brevant {

namespace {

// The number of grid points in use, kept within the record's 100 slots.
Int grid_points(Int NWP) { return std::clamp<Int>(NWP, 0, 100); }

}  // namespace

void SMPINT(const Real* PSDEN, Real& VAR, Real& VARDOT) {
    const Int n = grid_points(TPCM.NWP);
    const Real DT = WAVCOM.DT;
    auto f = [&](Int i) { return PSDEN[i - 1] * WAVCOM.W2(i); };
    auto g = [&](Int i) { return PSDEN[i - 1] * (WAVCOM.W2(i) * WAVCOM.W2(i)); };
    VAR = 0.0f;
    VARDOT = 0.0f;
    if (n < 2) return;
    if (n == 2) {
        // Two points: the trapezoid, 3 (f1 + f2) / 2 over the Simpson divisor.
        VAR = 1.5f * (f(1) + f(2)) * DT / 18.849556f;
        VARDOT = 1.5f * (g(1) + g(2)) * DT / 18.849556f;
        return;
    }
    // Simpson's 1, 4, 2, ..., 4, 1 over points 1..ns (ns odd).
    const Int ns = (n % 2 != 0) ? n : n - 3;
    Real SUMO = 0.0f;
    Real SUME = 0.0f;
    Real SUMOP = 0.0f;
    Real SUMEP = 0.0f;
    for (Int i = 1; i + 1 <= ns; i += 2) {
        SUMO = SUMO + f(i);
        SUME = SUME + f(i + 1);
        SUMOP = SUMOP + g(i);
        SUMEP = SUMEP + g(i + 1);
    }
    Real sum_f = 4.0f * SUME + 2.0f * SUMO - f(1) + f(ns);
    Real sum_g = 4.0f * SUMEP + 2.0f * SUMOP - g(1) + g(ns);
    if (ns == 1) {
        sum_f = 0.0f;
        sum_g = 0.0f;
    }
    if (ns != n) {
        // An even count: the last three intervals by Simpson's 3/8 rule (3h/8 = 9/8 of h/3),
        // not the weight 5 that the plain odd-count sums would give the last point.
        sum_f = sum_f + 1.125f * (f(n - 3) + 3.0f * f(n - 2) + 3.0f * f(n - 1) + f(n));
        sum_g = sum_g + 1.125f * (g(n - 3) + 3.0f * g(n - 2) + 3.0f * g(n - 1) + g(n));
    }
    VAR = sum_f * DT / 18.849556f;
    VARDOT = sum_g * DT / 18.849556f;
}

void GRPSPC(const Real* PSDQ, Real& GRPPSD, Real WFREQ) {
    const Int n = grid_points(TPCM.NWP);
    GRPPSD = 0.0f;
    // A single frequency has no interval to interpolate in (and no integral).
    if (n < 2) return;
    const Real* W = WAVCOM.W.data();
    // The spectrum at w by straight lines between grid points; nothing outside the grid.
    auto S = [&](Real w) {
        if (w > WAVCOM.W(1) || w < WAVCOM.W(n)) return 0.0f;
        return table_value(W, PSDQ, w, n);
    };
    const Real h = 0.5f * WFREQ;
    Real GPSD[100];
    for (Int i = 1; i <= n; ++i) {
        const Real wplus = std::fabs(WAVCOM.W(i) + h);
        const Real wminus = std::fabs(WAVCOM.W(i) - h);
        GPSD[i - 1] = S(wminus) * S(wplus);
    }
    Real m0 = 0.0f;
    Real m2 = 0.0f;
    SMPINT(GPSD, m0, m2);
    GRPPSD = 8.0f * m0;
}

}  // namespace brevant
