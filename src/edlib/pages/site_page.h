// Page 1 of the editor, the site conditions: the two identification lines of the case, its unit
// system (with the relabelling and the full conversion of the case), the water depth and density.
// The page itself, STATIC(), is declared with the other environment pages in environment_pages.h.
#pragma once

#include <string>

#include "sysutl/ftypes.h"

namespace brevant {

// Help of the page ("Site Definition Notes") and of its conversion sub-page ("Units Conversion
// Notes"): LINE is the item asked about, 0 for every topic, one screen and one pause. The number
// typed at the pause comes back in LINE.
void STATHLP(Int IOSCRN, Int KBD, Int& LINE);
void CNVHLP(Int IOSCRN, Int KBD, Int& LINE);

// The 7-character name of a unit system as the conversion options write it: "English" for 0,
// "metric " for 1.
std::string ENGMET(Int NUNTS);

}  // namespace brevant
