// The editor driver: the session values, the simulation-type table, the fixed chain of 18 page
// slots with its navigation codes, and the end of the edit.
#pragma once

#include <string_view>

#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "edlib/loader.h"
#include "sysutl/ftypes.h"

namespace brevant {

// Simulation-type table, 1-based by type; types 5 and 6 have no name.
inline constexpr int kSimulationTypes = 17;
extern FArray<FixedText<7>, kSimulationTypes> STYP;

// The values the driver keeps for the whole session and hands to the loader and to FINISH.
struct EditorSession {
    FixedText<12> DATFIL;  // "BREVDAT"
    FixedText<12> BAKFIL;  // "BREVBAK"
    FixedText<12> LOWFIL;  // "LOWDAT"
    FixedText<12> LOWBAK;  // "LOWBAK"
    FixedText<8> NAME;     // "Brevant"
    FixedText<12> EDPRG;   // "BrevEdit"
    Int CREATQ = 0;
    Real VERNQ = 0.0f;
    Int IYEARQ = 0;
    Int CMPUTQ = 0;
    Int NTOGOQ = 0;
    Int LEASTQ = 0;
    Int JMPLOC = 0;
    Int KBD = 5;
    Int EDUNIT_TMP = 0;
    Int IERR0 = 0;  // load results of the coefficient file and of the data file
    Int IERR1 = 0;
    char ANSWER = ' ';  // the start choice of the title screen
    // The images as loaded (IOBUF, ILOBUF): the change check at the end of the edit compares against them.
    LoadCopies COPIES{};
};
extern EditorSession SESSION;

// The run mode of this program: always interactive (silent runs are chosen on the End of Session page).
inline constexpr Int kInteractiveRun = 0;

// The slots of the chain; slot 18 is the last page, shown as page 17.
inline constexpr Int kFirstSlot = 1;
inline constexpr Int kLastSlot = 18;
// The slot a jump to page number N lands on (page 5 is not a jump target; a number outside 1..18
// goes to the first page).
Int jump_slot(Int N);
// The slot the driver goes to after slot SLOT left CODE in LBACK (IPAG holds the jump target);
// 0 means the end of the edit.
Int slot_after(Int SLOT, Int CODE, Int IPAG);
// Whether the page of a slot is shown for the case in TPCM.
bool slot_shown(Int SLOT);
// The page counter IPAG after the walk's step at a slot: 1 more, held to 0..18 first. IPAG also
// receives whatever number is typed at a help screen's pause; held, it names the same slot as it
// would have unheld (1..18 as they are, every other value slot 1), and the step cannot overflow.
Int stepped_page_counter(Int IPAG);

// Fills the session values and the simulation-type table (the start of every session).
void set_session_values();
// Puts the session values back to their start, with the files the session has seen and an echo it
// holds (tests start from a fresh session).
void reset_session();

// Walks the page chain from slot FIRST until the edit ends with an execute choice (any other end
// of the edit ends the program inside FINISH).
void walk_page_chain(Int FIRST);

// The start of the editor session: the session values, the load (or creation) of the case and the
// settings a normal load forces. Returns the slot the page chain begins at.
Int start_session();

// The editor session: loads or creates the case, walks the pages, ends the edit. Returns only
// after an execute choice, with the case saved.
void BREVED();

}  // namespace brevant
