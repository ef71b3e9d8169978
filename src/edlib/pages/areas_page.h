// Page 8 of the editor, the environmental areas: wind and current switches, drag areas and their
// centroids, force enhancement factors, and the wave-reflection and wave-absorption factors. The
// page itself, AREAS(), is declared with the other environment pages in environment_pages.h.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Help of the page ("Vessel Environmental Load Notes"): LINE is the item asked about, 0 for every
// note in seven screens, each closed by a pause. The number typed at the last pause comes back in
// LINE.
void ARHLP(Int IOSCRN, Int KBD, Int& LINE);

}  // namespace brevant
