// Conversion of a data image of any simulation type from the 50-line layout to the 150-line layout.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Resizes an image of any type from the 50-line mooring layout to the 150-line layout, in place:
// room is opened and zeroed by sub-block as the creator word (CREATR) asks; no move writes at or
// beyond word Nbottom. DATVER and Ntop are not used.
void UPDATE_TO_149(Real DATVER, Int SIZ_DAT, Int Ntop, Int Nbottom);

}  // namespace brevant
