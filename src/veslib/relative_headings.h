// The list of relative wave headings: every direction a case needs RAOs for (regular waves, swells,
// irregular seas and their spreading angles) gathered once, with where each source sits in the list.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The relative-heading list and its index tables hold this many entries (motion phase 1 accepts 498).
inline constexpr Int kMaxRelativeHeadings = 500;

// The spreading angles of a spread sea, NA + 1, with the count from the data image held to the
// heading table before the 1 is added (so that no count can overflow the sum): 1 .. 500.
Int spreading_angle_count();

// MATCH = the largest K in 1 .. NRAO with |HEADG - RAOANG(K)| < 0.05 degrees (plain difference, no
// wrap at 360), or 0 when there is none or NRAO is 0 or less. RAOANG points at RAOANG(1).
void LOGFIL(Int& MATCH, Real HEADG, const Real* RAOANG, Int NRAO);

// Rebuilds RAOANG, LRAO, IRAN, ISWL, ISWL2 and INTGFL of HIMEM and NRAO, ISWELL, ISWEL2 of WAVCOM from
// the headings of the data image, in the order regular headings, free swells, locked swells, sea
// headings or their spreading angles. Reads LEXP and DADEG, which motion phase 1 sets just before.
// Once the list holds 500 entries a further direction is not added: its index is 0 and NRAO stays 500.
void LOADN();

}  // namespace brevant
