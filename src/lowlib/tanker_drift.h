// Frequency factors of the tanker wave-drift models: the legacy tanker (drift type 2) and the 2001
// tanker (type 6) with its tabulated surge factor.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The frequency factor of the drift coefficient of component LCOMP (1 surge, 2 sway, 3 yaw) at the
// nondimensional frequency X (its magnitude counts) for DRFTYP 2 or 6:
//   surge, yaw, type 2: 2.275 x^4.105 below x = 1, else 1 + 1.03 / x^11.4; at most 1.67
//   surge, yaw, type 6: the same with x = |X f|, f = FRQFAC (0.842 FRQFAC for yaw), and the
//                       table WAMIT_DFCX below x = 1
//   sway: 1 from X^2 = 16 on, else (pi I1(s))^2 / ((pi I1(s))^2 + K1(s)^2) with s = X^2
//         (type 2) or X^2 0.75 FRQFAC (type 6, times RELMRAT when s < 0.67139286)
// FRQFAC is the user's frequency factor of the component, RELMRAT the reflection ratio of the 2001
// model (1 for type 2). Any other type or component gives 0.
Real DRFTCA(Int LCOMP, Real X, Real FRQFAC, Int DRFTYP, Real RELMRAT);

// The 2001 tanker's surge factor at X, linear in a 30-point table that holds flat at 0.78056 from
// X = 1.83289 on.
Real WAMIT_DFCX(Real X);

// The table itself (abscissae ascending, values), for those who check it.
inline constexpr int kWamitRows = 30;
extern const Real WAMIT_XARRAY[kWamitRows];
extern const Real WAMIT_DFCXARR[kWamitRows];

}  // namespace brevant
