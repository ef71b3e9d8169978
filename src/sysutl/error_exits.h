// Pauses, aborts and error exits of the dialogue: the pause for the Return key and the two fatal
// file-error reports. Every routine takes the console unit IOSCRN (6 the screen, 41 a silent run).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Pause: one blank line and "Press <RETURN> to continue: ", then the typed number in LBACK,
// truncated toward zero (0 for a blank or non-numeric answer). A silent run returns 0 at once.
void PRSRET(Int IOSCRN, Int KEYBD, Int& LBACK);

// Fatal file-access error: the caller's caption WHERE and the file name WHO, a pause where a keyboard
// exists, then the end of the program (status 1). Texts are written whole, padding included.
[[noreturn]] void ACERR(std::string_view WHERE, std::string_view WHO, Int IOSCRN);

// The lines and the pause of ACERR without the end of the program, for a caller that can go on
// (a save that failed goes back to its page with the session whole). A silent run has no pause.
void report_access_error(std::string_view WHERE, std::string_view WHO, Int IOSCRN);

// The lines of a save refused for a reason that is no access error (refusal_lines, staged_files.h),
// after a blank line, and the pause of report_access_error. A silent run has no pause.
void report_refused_save(std::span<const std::string> LINES, Int IOSCRN);

// Fatal read error in a user table: the routine's caption MAINPG and the file name FILNM, a pause,
// then the end of the program (status 1).
[[noreturn]] void FILERR(std::string_view FILNM, std::string_view MAINPG, Int IOSCRN, Int KBD);

}  // namespace brevant
