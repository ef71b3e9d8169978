// The grid rules that every writer of the wave environment record WAVCOM shares. The spectral
// integrals over that grid (SMPINT, GRPSPC) sit below, in the numerical library, and come along.
#pragma once

#include "numeric/grid_integrals.h"
#include "records/wave_record.h"

namespace brevant {

// The grid rules every writer of the grid shares: from the period list T(1..NWP) (T points at
// T(1)) and the unit system NUNTS (0 English), sets G, NW, DW, TS, TL, DT, W and W2.
void set_wave_grid(const Real* T, Int NWP, Int NUNTS);

// The grid index nearest to the swell peak period SWELPD: integer part of (SWELPD - TS) / DT + 1.5.
Int swell_peak_index(Real SWELPD);

// A grid index kept on the grid, 1 .. NWP (1 when the grid is empty): for the sections that index
// W or WVK by a peak index that may lie off the grid (a sea peak period outside the period list).
Int clamp_grid_index(Int INDEX, Int NWP);

}  // namespace brevant
