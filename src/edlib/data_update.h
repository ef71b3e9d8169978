// Bringing data files of older versions up to the current layout.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Updates the loaded image from its version (VERNO) to the layout of the running version APPVR,
// with notes on the console unit and in the load report (unit 21). ISRVFG is nonzero when a note
// asks the user to review the case.
void BRVUPD(Real APPVR, Int& ISRVFG);

// Resizes the image of a file written with the 49-line mooring layout to the 149-line layout.
void UPDATE_TO_149(Real DATVER, Int SIZ_DAT, Int Ntop, Int Nbottom);

}  // namespace brevant
