// The grid rules that every writer of the wave environment record WAVCOM shares, and the spectral
// integrals over that grid (SMPINT, GRPSPC).
#pragma once

#include "records/wave_record.h"

namespace brevant {

// The grid rules every writer of the grid shares: from the period list T(1..NWP) (T points at
// T(1)) and the unit system NUNTS (0 English), sets G, NW, DW, TS, TL, DT, W and W2.
void set_wave_grid(const Real* T, Int NWP, Int NUNTS);

// The grid index nearest to the swell peak period SWELPD: integer part of (SWELPD - TS) / DT + 1.5.
Int swell_peak_index(Real SWELPD);

// Zeroth and second moments over circular frequency of the spectrum PSDEN (one value per grid
// point, PSDEN points at element 1) by Simpson's rule on the period grid.
void SMPINT(const Real* PSDEN, Real& VAR, Real& VARDOT);

// The spectrum of the wave-group envelope at the difference frequency WFREQ (rad/s) from the wave
// spectrum PSDQ on the grid: 8 times the integral of S(w + WFREQ/2) S(|w - WFREQ/2|) over the grid.
void GRPSPC(const Real* PSDQ, Real& GRPPSD, Real WFREQ);

}  // namespace brevant
