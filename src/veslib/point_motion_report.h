// The point-motion report of the second motion phase (ACCOUT).
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Motions at the NACC evaluation points RACC (x, y, z of each) of the kind HIMEM.LFRFLG selects (2
// accelerations, 3 velocities, 4 displacements): their RAOs, their statistics added into the block
// at HIMEM.LOCSIG through STAT1, and their pages. For mooring types (TPCM.ISPM above 1) it reads the
// line-angle file on unit 12, for ISPM 3 also the companion-body file on unit 10, and writes its own
// records into the export file on unit 13 between the per-heading records of motion phase 2.
void ACCOUT(Int& NACC, FArray<Real, 3, 149>& RACC);

}  // namespace brevant
