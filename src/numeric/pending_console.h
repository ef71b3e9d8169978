// Minimal pause and abort question used by the numerical routines until the console kit lands.
// PENDING: console kit. Replace these calls by the kit's PRSRET and ABORT0 once they are on main.
#pragma once

#include "sysutl/answers.h"
#include "sysutl/ftypes.h"
#include "sysutl/units.h"

namespace brevant::pending_console {

// PENDING: console kit. The pause: a line holding one blank, the prompt, one answer read as a
// number and truncated toward zero (0 for a blank or unreadable answer); nothing in a silent run.
inline void PRSRET(Int IOSCRN, Int KEYBD, Int& LBACK) {
    LBACK = 0;
    if (IOSCRN == SILENT_UNIT) return;
    write_record(IOSCRN, " ");
    WRTLIN("Press <RETURN> to continue: ", 28, IOSCRN);
    Real X = 0.0f;
    Logical CR = 0;
    CRREAD(X, CR, KEYBD);
    if (CR != 0) X = 0.0f;
    LBACK = clamp_to_int(X);
}

// PENDING: console kit. The abort question: -1 for "A" or "a", else 0; 0 at once in a silent run.
inline void ABORT0(Int IOSCRN, Int /*KEYBD*/, Int& LBACK) {
    LBACK = 0;
    if (IOSCRN == SILENT_UNIT) return;
    write_record(IOSCRN, "\a");
    WRTLIN("Enter \"A\" to abort or Press <RETURN> to continue: ", 51, IOSCRN);
    char ANSWER = ' ';
    READCP(ANSWER);
    if (ANSWER == 'A' || ANSWER == 'a') LBACK = -1;
}

}  // namespace brevant::pending_console
