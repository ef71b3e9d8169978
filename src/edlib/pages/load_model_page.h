// Page 6 of the editor, the vessel's low-frequency dynamics characteristics: the coefficient model
// of each force component of wind, current and wave drift, the parameters of the tanker sets and
// of the drift models, and the user coefficient tables. The page itself, LOWVES(), is declared with
// the other vessel pages in vessel_pages.h; it works on the words of TPCM and LOWCOF.
#pragma once

#include <string>

#include "sysutl/ftypes.h"

namespace brevant {

// The 29-character caption of a model field value: row VALUE of the wind (LOAD 1), current (2) or
// wave-drift (3) caption list; the current's 15 shows as its row 4. A value with no row gives
// "Undefined model".
std::string model_caption(Int LOAD, Int VALUE);

// The 24-character caption of a bow factor: CONVENTIONAL for exactly 0, CYLINDRICAL for exactly 1,
// "Whoops!" above 1, "Interpolated" otherwise (between them, or negative).
std::string bow_caption(Real BOW, std::string_view CONVENTIONAL, std::string_view CYLINDRICAL);

// Help of the page ("Vessel Environmental Load Notes"): LINE the item asked about, 0 for all
// twelve notes, one screen and one pause each. The number typed at the last pause comes back in
// LINE.
void LOWVHP(Int IOSCRN, Int KBD, Int& LINE);

}  // namespace brevant
