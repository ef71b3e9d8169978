// Page 9 of the editor, the wind conditions: steady speed and heading, and the wind speed spectrum
// (its type and the one parameter some types take). The page itself, WIND(PAGE), is declared with
// the other environment pages in environment_pages.h.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Help of the page items (WNDHP1) and of the rows of the spectrum sub-page (WNDHP2): LINE is the
// item or row asked about, 0 for every topic, one screen after another. The number typed at the
// last pause comes back in LINE.
void WNDHP1(Int IOSCRN, Int KBD, Int& LINE);
void WNDHP2(Int IOSCRN, Int KBD, Int& LINE);

}  // namespace brevant
