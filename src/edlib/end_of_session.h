// The End of Session page: save and exit, exit without saving, execute (on the screen or silently),
// dump all pages as text, the wave report, imports, chaining; the end of a page pass; its help screens.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Decisions the page keeps for the rest of the run (false at program start). VESTRAKEL_GO is the
// one chaining flag: set here by item 10, read by the end of the edit.
extern Logical VESTRAKEL_GO;
extern Logical SAVEDATA;
extern Logical USRHCP;
// Clears the three kept flags (tests start from a fresh run).
void reset_end_of_session();

// The End of Session page. LRETRN: 1 the caller returns to the driver with LBACK at once; 0 it runs
// the pre-run warnings first; 999 chaining was chosen (treated as 0). Drawn on the screen (unit 6)
// and read from the keyboard (unit 5), whatever EDUNIT holds.
void FINTOP(std::string_view PAGE, Int CREATR, Int& LRETRN, std::string_view INDUMP, std::string_view EDPRG, Int& IPAG,
            Int& LCOPY, Int& EDUNIT, Int& UNTSAV, Int& LBACK, Int& WARNEM, Int& FWARN, Int CMPUTR,
            Int WriteAuxDatFiles);

// Help screens of the page: every item in turn when LINE is 0, else the help of item LINE; the
// number typed at the closing pause is left in LINE.
void FINHLP(Int IOSCRN, Int KBD, Int& LINE, Int CREATR, Logical VestraKel_OK);

}  // namespace brevant
