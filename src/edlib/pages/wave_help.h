// Help screens of the wave pages: the random-wave notes of the irregular-wave and swell pages, the
// notes on the rows of the spectrum-type list, and the regular-wave notes. They only write and
// pause; no word of the data image changes.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// LINE is the item asked about (0: every note, screen after screen); the number typed at the last
// pause comes back in LINE. IOSCRN is the console unit, KBD the keyboard unit.

// Notes of the irregular-wave page (L_SWELL 0) and of the swell pages (L_SWELL 1); which notes
// exist depends on the creating simulation type CREATR and the page's spectrum type WAVTYP.
void RANHP1(Int IOSCRN, Int KBD, Int& LINE, Int CREATR, Int L_SWELL, Int WAVTYP);

// Notes on the rows 1 to 11 of the spectrum-type list (row = type + 1).
void RANHP2(Int IOSCRN, Int KBD, Int& LINE);

// Notes of the regular-wave page; the page passes HLPFLG 1 (the only set of screens there is).
void REGHLP(Int IOSCRN, Int KBD, Int& LINE, Int HLPFLG);

}  // namespace brevant
