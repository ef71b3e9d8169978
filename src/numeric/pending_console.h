// Minimal pause and abort question used by the numerical routines until the console kit lands.
// PENDING: console kit. Replace these calls by the kit's PRSRET and ABORT0 once they are on main.
#pragma once

#include <cstdlib>
#include <string>

#include "sysutl/ftypes.h"
#include "sysutl/units.h"

namespace brevant::pending_console {

// PENDING: console kit. The pause: a blank line, the prompt, one answer read as a number and
// truncated toward zero (0 for a blank or unreadable answer); nothing at all in a silent run.
inline void PRSRET(Int IOSCRN, Int KEYBD, Int& LBACK) {
    LBACK = 0;
    if (IOSCRN == SILENT_UNIT) return;
    write_record(IOSCRN, " ");
    write_partial(IOSCRN, "Press <RETURN> to continue: ");
    const std::string answer = read_keyboard_line(KEYBD);
    char* end = nullptr;
    const double x = std::strtod(answer.c_str(), &end);
    if (end != answer.c_str()) {
        while (*end == ' ') ++end;
        if (*end == '\0') LBACK = clamp_to_int(x);
    }
}

// PENDING: console kit. The abort question: -1 for "A" or "a", else 0; 0 at once in a silent run.
inline void ABORT0(Int IOSCRN, Int /*KEYBD*/, Int& LBACK) {
    LBACK = 0;
    if (IOSCRN == SILENT_UNIT) return;
    write_record(IOSCRN, "\a");
    write_partial(IOSCRN, "Enter \"A\" to abort or Press <RETURN> to continue: ");
    const std::string answer = read_keyboard_line(KBD_UNIT);
    const auto first = answer.find_first_not_of(' ');
    if (first != std::string::npos && (answer[first] == 'A' || answer[first] == 'a')) LBACK = -1;
}

}  // namespace brevant::pending_console
