// The dimensional wind and current load factors of a run and the effective current speed over the
// vessel's draft that the current factor uses.
#pragma once

#include "lowlib/current_profile.h"
#include "sysutl/ftypes.h"

namespace brevant {

// Sets SINES.WNDCOF and SINES.CURCOF from the data image, WAVCOM.RHOAIR and WAVCOM.G and the
// profile CURPROF (built first):
//   WNDCOF = WNDFAC RHOAIR FCONST WNDSPD^2          (LWIND 1, else 0)
//   CURCOF = DWATR / G CURFAC FCONST K^2, K = AVGCUR (LCURNT 1, else 0)
// FCONST = 0.00013213 (metric, NUNTS 1) or 0.0014224: half the squared knot conversion over 1000,
// so that the factors are forces per unit area for speeds in knots.
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
