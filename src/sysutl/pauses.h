// Pauses and aborts of the dialogue: the Return-key pause that hands back a typed number, the
// abort-or-continue questions, the no-help screen, the warning pager, the debugging-level prompt
// and the wall-clock wait. On the silent-run console (unit 41) none of them waits for the keyboard.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "sysutl/error_exits.h"  // PRSRET, the pause every routine here builds on
#include "sysutl/ftypes.h"

namespace brevant {

// The terminal bell kept by the abort questions: written as one line holding the bell character
// followed by three zero bytes (the bytes of the integer word).
inline constexpr Int BEEP = 7;
void write_beep(Int IOSCRN);

inline constexpr const char* kAbortPrompt = "Enter \"A\" to abort or Press <RETURN> to continue: ";

// Abort or continue: LBACK = -1 for "A" or "a", else 0; silent run: 0 with nothing written.
// The answer comes from the keyboard (standard input) whatever KEYBD is.
void ABORT0(Int IOSCRN, Int KEYBD, Int& LBACK);
// As ABORT0, but a silent run ends the program (status 1) before anything is written.
void SERV_ABORT(Int IOSCRN, Int KEYBD, Int& LBACK);
// Abort (-1), continue (0, a blank answer) or 99; any other answer ends the program (status 1)
// after an "unrecognized option" message and one more line read; a silent run ends at once.
void ABORT3(Int IOSCRN, Int KEYBD, Int& LBACK);

// The last step of an entry point that has nothing behind it, after its own lines: one line is
// read and dropped where somebody can answer, so that the lines stay on the screen until the user
// has read them; on the silent-run console nobody can answer, so nothing is read there and the
// program ends at once. The status is 1, since nothing it was asked for was done.
[[noreturn]] void quit_after_return(Int IOSCRN);

// A stop of the run after its message LINES on the console of EDUNIT (console_unit): one key is
// read where somebody can press it (nobody can in a silent run), then the program ends (status 1).
[[noreturn]] void stop_after_key(Int EDUNIT, std::initializer_list<std::string_view> lines);

// Help asked where there is none: the same screen for every item, then a pause.
void NOHELP(Int IOSCRN, Int KBD, Int ITEM);

// Pager of the updater's warnings: from 5 warnings on, a pause; then, unless a negative number
// was typed, the screen is cleared and NWARN is reset to 0.
void WRNFUL(Int& NWARN, Int IOSCRN, Int KBD);

// Debugging level read from KBD (0 on a blank answer).
void INBUG(Int& NBUG, Int IOSCRN, Int KBD);

// Waits SECDLY seconds by the clock, sleeping in short steps (at most a day: a larger SECDLY is
// set to 86400 in the caller's variable). NLOOP = clock readings taken.
void RHDELAY(Real& SECDLY, Int& NLOOP);

}  // namespace brevant
