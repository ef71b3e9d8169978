// Default square-law drag coefficients of one member of a member-built hull.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Sets CYLCD and CYLCDI of member ICYL from its end types: no axial drag when both ends are closed
// (water-piercing or wall-terminated), never a drag moment about the member's own axis.
void DGCALC(Int ICYL);

}  // namespace brevant
