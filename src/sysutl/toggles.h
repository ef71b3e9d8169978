// On/off options of a page: flip a flag at once, or ask for its value in a batch-modify edit,
// and the three-letter captions that show it.
#pragma once

#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// 0 becomes 1 and 1 becomes 0; any other value is kept and reported on the screen.
void TOGGLE(Int& I);
void TOGGLE_L(Logical& L);

// IBATCH 0: flip at once (anything but 0 becomes 0). Otherwise ask for 1 or 0; any other answer
// keeps the flag. No navigation code is ever passed back.
void TOGGLE2(Int& I, Int IBATCH, Int IOSCRN, Int KBD);
void TOGGLE2_L(Logical& L, Int IBATCH, Int IOSCRN, Int KBD);
// As TOGGLE2, naming the two choices in the prompt.
void TOGGLE3(Int& I, Int IBATCH, Int IOSCRN, Int KBD, std::string_view YES_STR, std::string_view NO_STR);

// "Yes" for 1, "No " for 0, "Awk" for anything else.
std::string YESNO(Int I);
std::string YESNO_L(Logical L);

}  // namespace brevant
