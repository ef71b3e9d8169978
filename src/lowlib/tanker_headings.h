// Heading functions of the tanker drift models (the legacy tanker, and the 2001 tanker with its
// sector filter) and the reflection (opacity) factor of the 2001 model. The hull is a waterplane of
// length LWL and breadth BWL with a wedge-shaped bow and stern; the wedge geometry (radians,
// fractions of LWL) comes from the load-coefficient preparation.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Legacy tanker, wave direction WAVANG relative to the vessel (radians): with t1 = sin(BOWANG +
// WAVANG), t2 = sin(BOWANG - WAVANG), a = t |t|: surge -(a1 + a2) / 2, sway -BLRAT0 COTBOW
// (a1 - a2) / 2, yaw -(t1^2 - t2^2) / 2 (LCOMP 1, 2, 3; 0 for any other).
Real ANGFC(Int LCOMP, Real WAVANG, Real BOWANG, Real BLRAT0, Real COTBOW);

// 2001 tanker: the bow and stern facet terms of component LCOMP, passed through the sector filter
// FILTA of the ordered wedge angles; the yaw result is scaled by BLRAT0. 0 for any other LCOMP.
Real ANGFC2(Int LCOMP, Real WAVANG, Real BOWANG, Real STRNAN, Real BOWARM, Real STRNRM, Real BLRAT0, Real COTBOW,
            Real COTSTN);

// sin^2 THETA when THETA, reduced to [0, 2 pi), lies strictly inside (0, pi) (S2LTPI) or
// (pi, 2 pi) (S2GTPI); 0 otherwise, the end points included.
Real S2LTPI(Real THETA);
Real S2GTPI(Real THETA);

// Sector filter: half the sum of the bow part ANGFBX and the stern part ANGFSX that face the wave
// direction WAVANG (reduced to [0, 2 pi)). ANG1..ANG8 are the ascending sector boundaries, a
// boundary belongs to the sector below it; SWPEND is true when the bow angle is the larger one.
Real FILTA(Real WAVANG, Real ANGFBX, Real ANGFSX, Real ANG1, Real ANG2, Real ANG3, Real ANG4, Real ANG5, Real ANG6,
           Real ANG7, Real ANG8, Logical SWPEND);

// Reflection factor RELMFC (out) of the 2001 model for component DOFFLG (1 surge, 2 sway, 3 yaw;
// RELMFC untouched for any other) at wave number WK (1/length) and direction THETA (radians)
// relative to the vessel, for a hull of LWL, BWL, DRAFT with the wedge levers BOWARM, STRNRM and
// half-angles BOWANG, STRNAN. It tends to 0 for long waves and to 1 for short ones. The four wedge
// facets are fixed on the first call of the run from the geometry of that call. A zero draft or
// wave number takes the draft factors' limit 1.
void OPACITY(Real& RELMFC, Real WK, Real THETA, Real LWL, Real BWL, Real DRAFT, Real BOWARM, Real STRNRM,
             Real BOWANG, Real STRNAN, Int DOFFLG);

// Test hook: a new run (the next OPACITY call fixes the facets again).
void reset_opacity();

}  // namespace brevant
