// The viscous wave drag (absorption) load of one component and one wave system: the single entry
// that picks the member-hull or the ship-hull model.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// LVARST 0: FOUTD the mean drag load, FOUTR the mean wave-drift load of the spectrum PSD (grid
// W(1..NWP) of WAVCOM). Otherwise, at the difference frequency WC (rad/s): FOUTD the spectral
// density of the slowly-varying drag load, FOUTR that of the drift-drag interaction.
// LCOMP 1 surge, 2 sway, 3 yaw; RELANG the wave direction relative to the vessel, radians;
// IWAVID 1 sea, 2 swell, 3 second swell (the column of the drag factors of PASCOM).
void DRAGF(Int LVARST, Int LCOMP, Real RELANG, const Real* PSD, Real& WC, Real& FOUTD, Real& FOUTR, Int IWAVID);

}  // namespace brevant
