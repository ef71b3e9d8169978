// Checks of one member of a member-built hull against the draft and its own dimensions, with the
// computation of its added-mass coefficients when they are not typed in.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Member ICYL: WARNEM 1 when anything was reported, FWARN 1 for a fatal finding, WRNFLG the
// caller's pause flag; PRCFLG is set to 1 when the member crosses the waterline and is never
// cleared. A member number above NCYL returns the three flags 0 and touches nothing else.
void CHKPAK(Int ICYL, Int& WARNEM, Int& FWARN, Int& WRNFLG, Int& PRCFLG);

}  // namespace brevant
