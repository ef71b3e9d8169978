// The pages of DFTOUT's frequency-distribution modes (sections IIa and IIb).
#pragma once

#include "core/drift_coefficient_pages.h"
#include "sysutl/ftypes.h"

namespace brevant {

// One IIa (OUTTYP 2) or IIb (OUTTYP 12) page for the angle RELANG after DFTOUT's entry steps S.
void mean_force_distribution_page(const DriftPageSetup& S, Real RELANG, Int OUTTYP, Int SWVFM);

}  // namespace brevant
