// Page 2, the hydrostatic characteristics of the vessel (VESEL1, declared with the other vessel
// pages in vessel_pages.h): its help notes and those of its vessel-type sub-page.
#pragma once

#include <string>

#include "sysutl/ftypes.h"

namespace brevant {

// The 26-character caption of a vessel type (leading blank included); " Undefined!" outside 1..6.
std::string vessel_type_caption(Int VESTYP);

// The page's notes ("Vessel Definition Notes"). LINE 0: every note, screen by screen (the vessel-type
// note only when HLPFLG is 2); otherwise the note IDENT under the heading of item LINE. Each pause
// leaves the number typed at it in LINE.
void V1HLP(Int IOSCRN, Int KBD, Int& LINE, Int IDENT, Int HLPFLG);

// The notes of the vessel-type sub-page: LINE 0 those of choices 1-4, otherwise that of choice LINE.
// CREATR is accepted and not used. The closing pause leaves the number typed at it in LINE.
void MRHP3B(Int IOSCRN, Int KBD, Int& LINE, Int CREATR);

}  // namespace brevant
