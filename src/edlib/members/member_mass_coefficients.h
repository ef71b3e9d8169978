// Added-mass and added-moment coefficients of one member of a member-built hull, from its shape,
// its end types and its position relative to the waterline.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Computes CYLCM and CYLCMI of member ICYL (for a MASCMP of 1 or 2) and stores them; may move
// MASCMP back to 1 (surface correction not applicable or refused) or 0 (data incomplete). WRNFLG
// is the caller's pause flag. IFAIL comes back 1 when the surface correction could not be found
// (the member has been reported and keeps its deep-water coefficients), else 0.
void MSCALC(Int ICYL, Int& WRNFLG, Int& IFAIL);

}  // namespace brevant
