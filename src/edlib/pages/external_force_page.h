// Page 7 of the editor, a constant external force and moment on the vessel (thrusters, tugs,
// constant-tension lines). The page itself, EXTFRC(), is declared with the other vessel pages in
// vessel_pages.h.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Help of the page: LINE is the item asked about (0 for every note, in three screens). The number
// typed at the last pause comes back in LINE.
void EXTFHP(Int IOSCRN, Int KBD, Int& LINE);

}  // namespace brevant
