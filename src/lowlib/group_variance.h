// The group-envelope integrals of the slowly-varying second-order loads: the product of a spectrum
// (or of two spectra) at the two frequencies w + D/2 and |w - D/2|, integrated over the wave grid.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// GVAR, GVARDOT: the zeroth and second moments (SMPINT over the grid of WAVCOM) of
//   S(w + D/2) S(|w - D/2|),  D = DELTAW,
// S read from PSDIN by straight lines between the grid frequencies W(1) (highest) .. W(NWP)
// (lowest) and 0 outside them. A negative DELTAW is noticed on the console (EDUNIT; a key is read
// unless the run is silent) and replaced by its magnitude in the caller's variable. VGPSD2 and
// VDGPSD2 are always 0. 8 GVAR is the group spectrum of PSDIN at D.
void GET_GVAR(Real& DELTAW, const Real* W, Int NWP, const Real* PSDIN, Real& GVAR, Real& GVARDOT, Real& VGPSD2,
              Real& VDGPSD2);

// The same for the cross product 0.5 (S1(w + D/2) S2(|w - D/2|) + S2(w + D/2) S1(|w - D/2|)) of
// the spectra PSD1, PSD2; equal to GET_GVAR when both are the same spectrum.
void GET_GVAR2(Real& DELTAW, const Real* W, Int NWP, const Real* PSD1, const Real* PSD2, Real& GVAR, Real& GVARDOT);

// Both keep, for the last grid (compared value by value) and difference frequency (bit for bit),
// the grid intervals of the shifted frequencies and where the frequencies lie in them, unless the
// row reuse is switched off (set_row_series_reuse). The count is of the calls that took them.
unsigned long long group_grid_reuse_count();

}  // namespace brevant
