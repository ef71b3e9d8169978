// Pre-run consistency warnings: the checks of the case for impossible and contradictory values
// that the last page runs before every save or run.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Writes one message on EDUNIT for each finding and counts it in WARNEM (a warning) or FWARN (a
// fatal warning) through the warning pager. Besides a few normalisations of the image it changes
// nothing and never stops the program.
void VESWRN(Int& WARNEM, Int& FWARN);

}  // namespace brevant
