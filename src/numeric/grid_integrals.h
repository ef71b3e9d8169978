// Spectral integrals over the period grid of the wave environment record WAVCOM (SMPINT, GRPSPC).
// They read the grid (DT, W, W2) from WAVCOM and the number of periods NWP from TPCM.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Zeroth and second moments over circular frequency of the spectrum PSDEN (one value per grid
// point, PSDEN points at element 1) by Simpson's rule on the period grid.
void SMPINT(const Real* PSDEN, Real& VAR, Real& VARDOT);

// The spectrum of the wave-group envelope at the difference frequency WFREQ (rad/s) from the wave
// spectrum PSDQ on the grid: 8 times the integral of S(w + WFREQ/2) S(|w - WFREQ/2|) over the grid.
void GRPSPC(const Real* PSDQ, Real& GRPPSD, Real WFREQ);

}  // namespace brevant
