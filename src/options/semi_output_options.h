// The "More output options" page of the semi-submersible member model (RAO output, square-law
// treatment, phantom weight, output device, debug) and its two help routines.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// The page; PAGE is the label shown in its header. Leaves the navigation code in LBACK.
void SEMOT2(std::string_view PAGE);

// Notes of the page's items: LINE 0 all of them screen by screen, else the item LINE. The number
// typed at the closing pause is stored back into LINE.
void SMO2HP(Int IOSCRN, Int KBD, Int& LINE);

// Notes of the three square-law treatments (item n is SQLFRC = n - 1), as SMO2HP.
void SMO3HP(Int IOSCRN, Int KBD, Int& LINE);

}  // namespace brevant
