// The ship's wave exciting forces on the box, and its equivalent linear roll damping. The entry
// point SHPFRC is declared in ship_hull.h.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Equivalent linear roll damping ratio (twice the fraction of critical) at the wave heading THETA
// relative to the vessel (radians): with S(f) = sqrt(1 + 4 RSLOPE f TQFAC CQUAD / (CLIN^2 RMASRT)),
// G0 = CLIN RMASRT (0.424 S(|sin THETA| BLGFAC) + 0.576); bilge keels (LKEEL, TKEEL, DKEEL all
// non-zero) blend in GK = CLIN RMASRT (0.424 S(1) + 0.576) by their share TKEEL / SHIPL of the length.
// Only GAMRLI is written.
void GETGAM(Real& GAMRLI, Real THETA, Real CLIN, Real RMASRT, Real RSLOPE, Real TQFAC, Real BLGFAC, Real CQUAD,
            Real SHIPL, Int LKEEL, Real TKEEL, Real DKEEL);

}  // namespace brevant
