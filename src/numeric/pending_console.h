// Minimal abort question used by the JONSWAP normaliser until the console kit has it.
// PENDING: console kit. Replace this call by the kit's ABORT0 once it is on main.
#pragma once

#include "sysutl/answers.h"
#include "sysutl/ftypes.h"
#include "sysutl/units.h"

namespace brevant::pending_console {

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
