// Page 4 of the editor, whether the damping and natural periods of heave, pitch and roll are
// computed or specified, with the specified values, and the two switches of the disc-shaped vessel.
// The page itself, VESEL3(), is declared with the other vessel pages in vessel_pages.h.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Notes of page 4: LINE is the item asked about (0 for the whole set), IDENT the note (1 damping,
// 2 periods, 3 mooring feedback, 4 static wave-force analysis); HLPFLG 2 adds notes 3 and 4 to the
// whole set. The number typed at the last pause comes back in LINE.
void V3HLP(Int IOSCRN, Int KBD, Int& LINE, Int IDENT, Int HLPFLG);

// A blank line and " ++> Item Number " with LINE in one column below 10, otherwise in two.
void ITEMNO(Int IOSCRN, Int LINE);

// The head of a notes screen of pages 3 and 4: a clean screen, the "Vessel Definition Notes" title
// between runs of 21 asterisks, and a blank line.
void vessel_notes_title(Int IOSCRN);

}  // namespace brevant
