// The help screens "I/O Definition Notes" of the two output-option pages.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Page 14. LINE 0: every note, seven screens. LINE above 0: " ++> Item Number " LINE and the note
// of the item whose BRVFLG bit is IDENT. Each screen ends with a pause, whose number goes to LINE.
void BRHLP(Int IOSCRN, Int KBD, Int& LINE, Int IDENT);

// Page 15. LINE 0: every note, nine screens. LINE above 0: " ++> Item Number " LINE and the note of
// the help code IDENT (the bit of a bit item; 100, 124-132 and 150-152 for the others); code 150 and
// codes without a note give the "Sorry" line. The numbers typed at the pauses are not kept.
void BRHLP2(Int IOSCRN, Int KBD, Int LINE, Int IDENT);

}  // namespace brevant
