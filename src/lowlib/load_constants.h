// The dimensional wind and current load factors of a run and the effective current speed over the
// vessel's draft that the current factor uses.
#pragma once

#include "lowlib/current_profile.h"
#include "sysutl/ftypes.h"

namespace brevant {

// The unit constants of the load laws (NUNTS 1 metric, else English), one definition each for the
// run and for the checks made before it:
//   FCONST, half the squared knot conversion over 1000, so that the factors below are forces per
//     unit area for speeds in knots: 0.00013213 metric, 0.0014224 English;
//   RHOAIR, the air mass density: 0.128 kgf s^2/m^4 or 0.0024356 slug/ft^3;
//   G, the acceleration of gravity: 9.8 m/s^2 or 32.152 ft/s^2.
inline Real load_fconst(Int NUNTS) { return NUNTS == 1 ? 0.00013213f : 0.0014224f; }
inline Real air_density(Int NUNTS) { return NUNTS == 0 ? 0.0024356f : 0.128f; }
inline Real gravity(Int NUNTS) { return NUNTS == 0 ? 32.152f : 9.8f; }

// Sets SINES.WNDCOF and SINES.CURCOF from the data image, WAVCOM.RHOAIR and WAVCOM.G and the
// profile CURPROF (built first):
//   WNDCOF = WNDFAC RHOAIR FCONST WNDSPD^2          (LWIND 1, else 0)
//   CURCOF = DWATR / G CURFAC FCONST K^2, K = AVGCUR (LCURNT 1, else 0)
// FCONST = load_fconst(NUNTS).
void COFLD();

// The root-mean-square current speed over the draft, in the unit of CURSPD:
//   LCSTCR 0, the one-seventh power law U (1 - h / DEPTH)^(1/7): in closed form
//     CURSPD sqrt((1 - (1 - tau)^(9/7)) / (9/7 tau)), tau = DRAFT / DEPTH, 1 - tau held at 0 or above;
//   LCSTCR 1, uniform: CURSPD;
//   otherwise the table of NCURNT points (DPTHI increasing, VELI), linear between points, with
//     CURSPD at depth 0 and the deepest speed carried down to the draft:
//     sqrt(integral over 0..DRAFT of v^2 dh / DRAFT).
// A draft of 0 (or below) gives CURSPD, the limit; so does a table of no points.
Real AVGCUR(Real DEPTH, Real DRAFT, Int LCSTCR, const ProfileArray& VELI, const ProfileArray& DPTHI, Real CURSPD,
            Int NCURNT);

}  // namespace brevant
