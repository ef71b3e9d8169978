// The disc buoy's characteristics: the equivalent vertical cylinder, its natural periods against the
// frequency-dependent added mass, and with mooring feedback the moor-modified periods and dampings
// iterated with the line springs, and the mooring energy table of the surge correction.
#pragma once

#include "sysutl/ftypes.h"
#include "vessels/disc/disc_buoy_hull.h"

namespace brevant {

// Regular-wave height WHGT and slope WSLOPE (radians) at the circular frequency W in water of depth
// DEPTH: LSLPHT 1 reads SLPHT as a slope in degrees, otherwise as a height.
void HTSLOP(Real DEPTH, Real G, Int LSLPHT, Real SLPHT, Real W, Real& WHGT, Real& WSLOPE);

// Relaxes twelve (value, saved value) pairs: each value becomes the mean of itself and its saved
// value, and the saved value takes the result.
void AVGUPD(Real& WH, Real& WHSAV, Real& WP, Real& WPSAV, Real& WR, Real& WRSAV, Real& WY, Real& WYSAV, Real& WSG,
            Real& WSGSAV, Real& WSW, Real& WSWSAV, Real& HVMDMP, Real& DHVSAV, Real& PTMDMP, Real& DPTSAV,
            Real& RLMDMP, Real& DRLSAV, Real& SGMDMP, Real& DSGSAV, Real& SWMDMP, Real& DSWSAV, Real& YWMDMP,
            Real& DYWSAV);

}  // namespace brevant
