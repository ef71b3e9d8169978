// Page 3 of the editor, the gyradii, bilge keel, speed, trim and heel of the vessel and the user RAO
// switches. The page itself, VESEL2(), is declared with the other vessel pages in vessel_pages.h.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Notes of page 3: LINE is the item asked about (0 for every note, on five screens), IDENT the note
// of that item (none for 4, the bilge radius). The number typed at the last pause comes back in LINE.
void V2HELP(Int IOSCRN, Int KBD, Int& LINE, Int IDENT);

}  // namespace brevant
