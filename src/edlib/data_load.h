// Import of one part of another data file into the data image.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// DAT_TYP: 1 vessel and environment data, 2 the mooring system, 3 the second vessel (tug or buoy).
void DATLOAD(Int DAT_TYP);

}  // namespace brevant
