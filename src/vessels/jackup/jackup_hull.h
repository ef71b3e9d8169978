// The jack-up entry points: the hull type exists in the data but has no model behind it, so every
// entry point tells the user and ends the run.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Each writes " ++> You are in an inoperative vessel utility file!" and "     Press <Return> to
// quit" on standard output (and on "Diagnostics.stxt" in a silent run), waits for one line where
// somebody can answer, and ends the program with status 1: no analysis took place.
[[noreturn]] void JCKCHR();
[[noreturn]] void JCKFRC(Int& NPASS2);
[[noreturn]] void JCKRAO();
[[noreturn]] void JCKSUM();
[[noreturn]] void JCKOUT();

}  // namespace brevant
