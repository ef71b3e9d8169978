// The mean environmental load on the vessel by attack angle, one component at a time: each source
// (wind, current, wave and swell drift and drag, the external force) and their net value, with the
// table rows of the net-force pages.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// For the attack angles I = 1 .. NUMBRVQ (START + (I - 1) BRVINC when LARR is 0, else ANGLES(I),
// degrees) the load of component IXYZ (1 vessel X force, 2 vessel Y force, 3 yaw moment) at the
// vessel heading 360 - angle.
//   IOUNIT      in   unit of the table rows (one per angle); 0 writes none
//   IXYZ        in   the component
//   NET         out  net load by angle
//   WIND .. FEXT out per-source loads by angle: wind, current, sea drift, sea drag, swell drift,
//                    swell drag, second-swell drift, second-swell drag, external
//   NUMBRVQ     in   number of angles (every array holds at least that many)
//   ANGLES      in   the angle list when LARR is not 0 (points at element 1)
//   LARR, START in   angle-list switch and first uniform angle, degrees
// Arrays point at their element 1. The vessel heading VESANG of EQUILB is as on entry afterwards.
void GET_LF_NET_FORCES(Int IOUNIT, Int IXYZ, Real* NET, Real* WIND, Real* CRNT, Real* WAVDFT, Real* WAVDRG,
                       Real* SWLDFT, Real* SWLDRG, Real* SWLDFT2, Real* SWLDRG2, Real* FEXT, Int NUMBRVQ,
                       const Real* ANGLES, Int LARR, Real START);

}  // namespace brevant
