// The last page of the chain (shown as page 17): tidies the output options, shows the End of Session
// page, runs the pre-run consistency warnings and starts the echo of every page to "BREVIN.stxt".
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Leaves in LBACK the code for the driver; LCOPY is non-zero when a page pass is to start.
void BRVFIN(std::string_view PAGE);

// The echo of an execute choice is written under a name of its own and becomes "BREVIN.stxt" only
// once the case has been saved (the driver puts it in place, or drops it when the save failed), so
// that the echo never shows a case the data file does not hold.
inline constexpr const char* kEchoFile = "BREVIN.stxt";
inline constexpr const char* kPendingEchoFile = "BREVIN.stxt.brvtmp";  // staged_name(kEchoFile)

// A silent run chosen on the End of Session page whose save, echo or console FILE could not be
// written or put in place: the run never starts and nothing sends the user to its console, so that
// console goes (an earlier "Diagnostics.stxt" stays whole), standard error says that the run cannot
// start and names FILE, and the screen shows the access error with its pause. The silent run's own settings are undone. With edits that no
// save has kept the call returns, and the caller sets the console back to the screen and shows the
// End of Session page with the edits; with nothing unsaved (CASE_SAVED: the save was done before
// FILE failed) the program ends here with status 1. The end of the input at the pause ends it too.
void silent_run_not_saved(std::string_view EDPRG, std::string_view FILE, bool CASE_SAVED = false);
// The same for a save refused with words (WHY, the lines of refusal_lines): standard error says that
// the run cannot start because the case cannot be saved, and the screen shows WHY with its pause.
void silent_run_not_saved(std::string_view EDPRG, std::span<const std::string> WHY);

// What the last page keeps for the whole run: HCDONE (the echo file has been written) and UNTSAV
// (the console unit kept while the pages write to a file).
extern Int HCDONE;
extern Int UNTSAV;
// Puts both back to their start (tests start from a fresh run).
void reset_last_page();

}  // namespace brevant
