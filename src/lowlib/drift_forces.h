// The wave-drift load of one force component and wave system: the mean drift force integral, or
// the slowly-varying drift variance density at one difference frequency.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The user drift table of the case: "BUOYDRFT.txt" and "TANKDRFT.txt" for the buoy (ISPM 2) and
// tanker (3) of the turret-mooring data (SIMTYP 13), "TUGDRFT.txt" and "BARGDRFT.txt" for the tug
// and barge of the towing data (SIMTYP 10), "DRFTCOFS.txt" otherwise (also for those types with
// another ISPM). Blank-padded to 13 characters.
FixedText<13> drift_file_name(Int SIMTYP, Int ISPM);

// The drift load of component LCOMP (1 surge, 2 sway, 3 yaw) for the wave direction RELANG
// (radians, relative to the vessel) and the spectrum PSD on the grid W(1..NWP) of WAVCOM:
//   LVARST 0   the integral over the grid of C(w) PSD(w), C the drift coefficient of the type in
//              field LCOMP of LWVCOF (DRFTC, one series per call)
//   otherwise  |GET_GVAR| of C PSD at the difference frequency WC (made non-negative in place);
//              with NBUG set the line " GVAR =" and the value (F10.4) goes to EDUNIT
// LSPREAD is not used; IWAVID (1 sea, 2 swell, 3 second swell) goes on to DRFTC. No grid point
// (NWP below 1) gives 0 with no coefficient asked for. The caller applies the dimensional factors.
Real DRIFTF(Int LVARST, Int LCOMP, Real RELANG, const Real* PSD, Real& WC, Logical LSPREAD, Int IWAVID);

}  // namespace brevant
