// Bringing data files of older versions up to the current layout.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Updates the loaded image from its version (VERNO) to the layout of the running version APPVR,
// with notes on the console unit and in the load report (unit 21). ISRVFG is 1 when a version step
// worth a note ran, 0 when none did.
void BRVUPD(Real APPVR, Int& ISRVFG);

}  // namespace brevant
