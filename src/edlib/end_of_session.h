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
//   PAGE            in      page label of the title ("17" in the page chain)
//   CREATR          in      simulation type of the data (image word 2, SIMTYP): which items are listed
//   LRETRN          out     as above
//   INDUMP          in      name of the page-dump file ("BREVIN.stxt")
//   EDPRG           in      caption of the caller in the file messages
//   IPAG            in/out  image word 701: the number typed after a help request, the item of the help
//   LCOPY           in/out  image word 702: non-zero while a page pass writes every page to a file
//   EDUNIT          in/out  image word 703: editor output unit (6 screen, 41 silent run, 1 page file)
//   UNTSAV          in/out  the caller's copy of EDUNIT kept during a page pass
//   LBACK           in/out  image word 700: the decision handed back to the driver
//   WARNEM, FWARN   in/out  non-fatal and fatal warnings of the caller's last pre-run check
//   CMPUTR          in      image word 121, handed to file opening
//   WriteAuxDatFiles  in    image word 1867: with types 12 and 15 it allows chaining
// The image words are passed from TPCM by the last page and could be read here; the list stays as
// the last page and the tests use it.
void FINTOP(std::string_view PAGE, Int CREATR, Int& LRETRN, std::string_view INDUMP, std::string_view EDPRG, Int& IPAG,
            Int& LCOPY, Int& EDUNIT, Int& UNTSAV, Int& LBACK, Int& WARNEM, Int& FWARN, Int CMPUTR,
            Int WriteAuxDatFiles);

// The code FINTOP leaves in LBACK (with LRETRN 1) when item 4 could not make the silent run's file:
// the run was not started. The caller takes it back before the driver can see it.
inline constexpr Int kSilentRunNotStarted = -1941;

// Help screens of the page: every item in turn when LINE is 0, else the help of item LINE; the
// number typed at the closing pause is left in LINE.
void FINHLP(Int IOSCRN, Int KBD, Int& LINE, Int CREATR, Logical VestraKel_OK);

}  // namespace brevant
