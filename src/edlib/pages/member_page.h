// Page 5 of the editor, the members of a hull built of members (semisubmersible, tension leg
// platform, caisson spar). The page itself, CYLNDR(), is declared with the other vessel pages in
// vessel_pages.h; these are its end-type list and its three help routines.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Clears the screen and writes the end-type selection list for the end TOPBOT ("Base" or " Top").
void SHOSEL(Int EDUNIT, std::string_view TOPBOT);

// Help of the main page, of a member sub-page and of the transformation sub-page of a copy. LINE is
// the item typed after "?" (0: every note, screen by screen); the number typed at a pause comes
// back in LINE.
void CYHLP1(Int IOSCRN, Int KBD, Int& LINE);
void CYHLP2(Int IOSCRN, Int KBD, Int& LINE);
void CYHLP3(Int IOSCRN, Int KBD, Int& LINE);

// The plan-view sketch of the vessel axes (Vx up the screen, Vy to the left) that the
// transformation sub-page and the help share.
void write_plan_sketch(Int IOSCRN);

}  // namespace brevant
