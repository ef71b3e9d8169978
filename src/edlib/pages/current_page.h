// Page 10 of the editor, the current conditions: surface speed and heading, the variation with
// depth (with the legacy profile table), and the current speed spectrum. The page itself,
// CURENT(FRESLM, PAGE), is declared with the other environment pages in environment_pages.h.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Help of the page items (CURHLP1, with the extra note on item 7 for cases of creating type 14),
// of the depth-variation sub-page (CURHLP4) and of the spectral-type sub-page (CURHLP2). LINE is
// the item asked about, 0 for every note, screen after screen; the number typed at the last pause
// comes back in LINE.
void CURHLP1(Int IOSCRN, Int KBD, Int& LINE, Int CREATR);
void CURHLP4(Int IOSCRN, Int KBD, Int& LINE);
void CURHLP2(Int IOSCRN, Int KBD, Int& LINE);


}  // namespace brevant
