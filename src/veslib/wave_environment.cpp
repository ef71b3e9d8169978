// The grid rules of the wave environment record.
#include "veslib/wave_environment.h"

#include <algorithm>

#include "sysutl/two_pi.h"

namespace brevant {

namespace {

// The number of grid points in use, kept within the record's 100 slots.
Int grid_points(Int NWP) { return std::clamp<Int>(NWP, 0, 100); }

}  // namespace

void set_wave_grid(const Real* T, Int NWP, Int NUNTS) {
    const Int n = grid_points(NWP);
    WAVCOM.G = NUNTS == 0 ? 32.152f : 9.8f;
    WAVCOM.NW = NWP - 1;
    WAVCOM.DW = 0.0f;
    if (n >= 1) {
        WAVCOM.TS = T[0];
        WAVCOM.TL = T[n - 1];
    }
    // A single period has no step.
    WAVCOM.DT = n >= 2 ? T[1] - T[0] : 0.0f;
    for (Int i = 1; i <= n; ++i) {
        WAVCOM.W(i) = kTwoPi / T[i - 1];
        WAVCOM.W2(i) = WAVCOM.W(i) * WAVCOM.W(i);
    }
}

Int swell_peak_index(Real SWELPD) { return clamp_to_int((SWELPD - WAVCOM.TS) / WAVCOM.DT + 1.5f); }

Int clamp_grid_index(Int INDEX, Int NWP) { return std::clamp<Int>(INDEX, 1, std::max<Int>(grid_points(NWP), 1)); }

}  // namespace brevant
