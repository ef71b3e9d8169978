// The point-motion report of the second motion phase (ACCOUT) and its page heading (ACC_HEADER).
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Motions at the NNN evaluation points RRR (x, y, z of each, heights above the keel) of the kind
// HIMEM.LFRFLG selects (2 accelerations, 3 velocities, any other displacements, relative to the wave
// when TPCM.LGAP is not 0) for the heading WAVCOM.IRAO: their pages two points to a page, the
// squared-amplitude series at HIMEM.LACRAO filed through STAT1 into the block at HIMEM.LOCSIG, and,
// for mooring types (TPCM.ISPM above 1), the line-axis components and ball-hinge angles at each
// fairlead with their own series filed into HIMEM.LCNHNG. Reads the line-angle file on unit 12
// (ISPM above 1) and the exchange file on HIMEM.IUNX (ISPM 3); writes the point-motion records on
// unit 13 (ISPM not 0). A read failure ends the run through FILERR. The count is taken as 0 .. 149.
void ACCOUT(Int& NNN, FArray<Real, 3, 149>& RRR);

// The heading block of one point-motion page (points IMIN .. IMAX of RRR, HIMEM.NCOL of them) on
// TPCM.IUNIT: the motion page header, the notes, the title of the kind (the ball-hinge title for a
// displacement call's hinge pass), the coordinates and the column heads.
void ACC_HEADER(const FArray<Real, 3, 149>& RRR, Int IMIN, Int IMAX, bool HINGE_PASS);

}  // namespace brevant
