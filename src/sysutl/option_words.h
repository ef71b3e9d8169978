// Packed option words: single bits (output options) and 4-bit fields (load-model choices) of
// 4-byte integer words. The numbering is part of the data-file format.
#pragma once

#include "sysutl/ftypes.h"
#include "sysutl/units.h"

namespace brevant {

// Bits are numbered 1 (weight 1) to 32 (the sign bit); nibbles 1 (lowest) to 8. Words are read
// and written as their 32-bit binary form. A misuse (a bit position outside 1..32, a bit value
// other than 0 or 1, a nibble position outside 1..8, a nibble value outside 0..15 or above 7 for
// nibble 8) is an internal fault: a message on the console unit, a wait for one keystroke unless
// the unit is the silent-run console, and a fatal end of the program.

// The value (0 or 1) of bit BITPOS of ITEST. IOSCRN is where a misuse is reported.
Int BITVAL(Int ITEST, Int BITPOS, Int IOSCRN = SCREEN_UNIT);
// Sets bit BITPOS of ITEST to IBIT.
void BITSET(Int& ITEST, Int BITPOS, Int IBIT, Int IOSCRN);
// Flips bit BITPOS of ITEST.
void BITSWP(Int& ITEST, Int BITPOS, Int IOSCRN = SCREEN_UNIT);

// The value (0 to 15) of nibble NIBPOS of ITEST.
Int NIBVAL(Int ITEST, Int NIBPOS, Int IOSCRN);
// Sets nibble NIBPOS of ITEST to NIBBLE, leaving every other nibble as it was.
void NIBSET(Int& ITEST, Int NIBPOS, Int NIBBLE, Int IOSCRN);

// True (1) when nibble 1, 2 or 3 of LPARAM (the model choice for Cx, Cy, Cz) equals LTYPE.
Logical ONEON(Int LPARAM, Int LTYPE, Int EDUNIT);

}  // namespace brevant
