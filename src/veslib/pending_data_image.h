// The number of regular-wave periods, NWP, as the spectral routines read it.
// PENDING: data image. NWP is word 167 of TPCM; once the data image is on main, these routines
// read TPCM.NWP and this stand-in goes.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant::pending_data_image {

// PENDING: data image. Stand-in for TPCM word 167.
inline Int NWP = 0;

}  // namespace brevant::pending_data_image
