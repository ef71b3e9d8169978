// The viscous wave drag load on the hull (wave absorption) of one force component and wave system:
// the mean drag, or the slowly-varying drag and drift-drag interaction densities at one difference
// frequency.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Drag of component LCOMP (1 surge force, 2 sway force, 3 yaw moment) for the wave system IWAVID
// (1 sea, 2 swell, 3 second swell) at the relative wave angle RELANG (radians), spectrum PSD on the
// grid of WAVCOM:
//   LVARST 0   FOUTD the mean drag load (dimensional), FOUTR the mean drift load
//   otherwise  at the difference frequency WC: FOUTD the drag load spectral density, FOUTR the
//              drift-drag interaction density (never negative)
// LEGDRG is the caller's to honour.
void DRAGF(Int LVARST, Int LCOMP, Real RELANG, const Real* PSD, Real& WC, Real& FOUTD, Real& FOUTR, Int IWAVID);

}  // namespace brevant
