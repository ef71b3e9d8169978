// The mean environmental load on the vessel by attack angle, one component at a time: each source
// (wind, current, wave and swell drift and drag, the external force) and their net value, with the
// table rows of the net-force pages.
#pragma once

#include <span>

#include "sysutl/ftypes.h"

namespace brevant {

// For the attack angles I = 1 .. NUMBRVQ (START + (I - 1) BRVINC when LARR is 0, else ANGLES(I),
// degrees) the load of component IXYZ (1 vessel X force, 2 vessel Y force, 3 yaw moment) at the
// vessel heading 360 - angle. Yaw moments are taken about x = YAWARM (EQUILB): each source's own
// moment minus YAWARM times its sway force at the same relative angle.
//   IOUNIT      in   unit of the table rows (one per angle); 0 writes none
//   IXYZ        in   the component; outside 1-3 the run ends with an index message
//   NET         out  net load by angle
//   WIND, CRNT  out  wind and current load per squared speed (m/s or ft/s); with the source off, or
//                    on at a speed of 0, the coefficient times WNDCOF0 / CURCOF0 instead
//   WAVDFT .. FEXT out per-source loads by angle: sea drift, sea drag, swell drift, swell drag,
//                    second-swell drift, second-swell drag, external
//   NUMBRVQ     in   number of angles (every array holds at least that many)
//   ANGLES      in   the angle list when LARR is not 0 (points at element 1)
//   LARR, START in   angle-list switch and first uniform angle, degrees
// Arrays point at their element 1. The vessel heading VESANG of EQUILB is set for every angle (the
// drag and drift routines read it) and is as on entry afterwards.
void GET_LF_NET_FORCES(Int IOUNIT, Int IXYZ, Real* NET, Real* WIND, Real* CRNT, Real* WAVDFT, Real* WAVDRG,
                       Real* SWLDFT, Real* SWLDRG, Real* SWLDFT2, Real* SWLDRG2, Real* FEXT, Int NUMBRVQ,
                       const Real* ANGLES, Int LARR, Real START);

// One row of a net-force table: a blank, REDDEG2(HEADING_DEG) as F6.1, then each value as 2X,
// 1PE10.3. The spectra pages of the net forces use the same row.
void write_net_force_row(Int IOUNIT, Real HEADING_DEG, std::span<const Real> VALUES);

}  // namespace brevant
