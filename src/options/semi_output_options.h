// The "More output options" page of the semi-submersible member model (RAO output, square-law
// treatment, phantom weight, output device, debug) and its two help routines.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"
#include "sysutl/paging.h"

namespace brevant {

// The page; PAGE is the label shown in its header. Leaves the navigation code in LBACK.
void SEMOT2(std::string_view PAGE);

// Notes of the page's items: LINE 0 all of them screen by screen, else the item LINE. The number
// typed at the closing pause is stored back into LINE.
void SMO2HP(Int IOSCRN, Int KBD, Int& LINE);

// Notes of the three square-law treatments (item n is SQLFRC = n - 1), as SMO2HP.
void SMO3HP(Int IOSCRN, Int KBD, Int& LINE);

// The treatment sub-page shared by this page and the square-law page of the editor (page 16):
// the three treatments under their captions, one choice stored in SQLFRC (help and redraw stay on
// it).
void square_law_choice(const CaptionFunction& caption);

}  // namespace brevant
