// Member-built (semi-submersible, TLP) hull entry points, as the hull dispatch of the motion library calls them: they read the
// data image, HIMEM and WAVCOM and leave their results there.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Characteristics: the vessel particulars of HIMEM, the natural frequencies WP, WR, WH among them.
void SEMCHR();
// Exciting forces (semi_forces.h): NPASS2 0 the resonance passes that fix the damping terms; 5
// leaves the complex forces of the relative heading RAOANG(IRAO) at all NWP periods in the six
// RAO arrays of the pool.
void SEMFRC(Int& NPASS2);
// Replaces those forces in the pool by the complex motion RAOs of the current heading.
void SEMRAO();
// Summary page (page I) on the report unit TPCM.IUNIT.
void SEMSUM();
// Output page (page II) on the report unit.
void SEMOUT();

}  // namespace brevant
