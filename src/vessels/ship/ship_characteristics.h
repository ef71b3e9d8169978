// The ship's characteristics: the dynamically similar box (a box with the ship's displaced volume,
// KMT and KML), its restoring terms, added masses, damping scales and the natural periods on the
// wave-period grid. The entry point SHPCHR is declared in ship_hull.h.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The box equation in the draft T: T^4 (36 T^2 - 72 T (VKML + VKMT) + 144 VKML VKMT) - DELTA^2,
// zero where a box of draft T with the data image's KMT and KML displaces HIMEM.DELTA
// (for such a box B^2 = 6 T (2 KMT - T) and L^2 = 6 T (2 KML - T)).
Real FCT(Real& T);

// Puts the once-per-run switches (the "Suspicious equivalent box" lines, the box fits' many-points
// warning) back to their start (tests).
void reset_ship_characteristics();

}  // namespace brevant
