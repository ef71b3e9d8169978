// Bringing data files of older versions up to the current layout.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Updates the loaded image from its version (VERNO) to the layout of the running version APPVR,
// with notes on the console unit and in the load report (unit 21). ISRVFG is 1 when a version step
// worth a note ran, 0 when none did.
void BRVUPD(Real APPVR, Int& ISRVFG);

// Resizes an image of any type from the 50-line mooring layout to the 150-line layout, in place:
// room is opened and zeroed by sub-block as the creator word (CREATR) asks; no move writes at or
// beyond word Nbottom. DATVER and Ntop are not used.
void UPDATE_TO_149(Real DATVER, Int SIZ_DAT, Int Ntop, Int Nbottom);

}  // namespace brevant
