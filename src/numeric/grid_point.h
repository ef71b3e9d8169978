// The grid index of a frequency: where a hull's natural frequency falls on the data file's period list.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// JJ = the index in the period list T(1 .. NWP) of the data image of the period nearest 2 pi / OMEGA
// (OMEGA in rad/s). The list may ascend or descend; a period exactly half-way between two entries
// takes the first of the pair. OMEGA 0 (an infinite period) gives the longest period of the list.
void GRIDPT(Real OMEGA, Int& JJ);

}  // namespace brevant
