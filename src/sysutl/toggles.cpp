// Flag toggles. A file of prepared answers cannot know the current state of a flag, so a batch
// edit asks for the value instead of flipping it.
#include "sysutl/toggles.h"

#include "sysutl/answers.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr std::string_view kYesNoPrompt = "Enter 1 for \"Yes\", 0 for \"No\": ";

// Asks for a flag and returns the answer as READI gives it (a blank answer leaves `start`).
Int ask_flag(std::string_view prompt, Int start, Int IOSCRN, Int KBD) {
    WRTLIN(prompt, static_cast<Int>(prompt.size()), IOSCRN);
    Int answer = start;
    Int page = 0;
    READI(answer, KBD, page);
    return answer;
}

}  // namespace

void TOGGLE(Int& I) {
    if (I == 0) {
        I = 1;
    } else if (I == 1) {
        I = 0;
    } else {
        write_record(SCREEN_UNIT, " >>> Invalid argument in Toggle");
    }
}

// A logical word holds 1 or 0; any non-zero word counts as true and becomes 0.
void TOGGLE_L(Logical& L) { L = L != 0 ? 0 : 1; }

void TOGGLE2(Int& I, Int IBATCH, Int IOSCRN, Int KBD) {
    const Int ISAVE = I;
    if (IBATCH == 0) {
        I = I == 0 ? 1 : 0;
        return;
    }
    I = ask_flag(kYesNoPrompt, I, IOSCRN, KBD);
    if (I != 0 && I != 1) I = ISAVE;
}

void TOGGLE2_L(Logical& L, Int IBATCH, Int IOSCRN, Int KBD) {
    if (IBATCH == 0) {
        TOGGLE_L(L);
        return;
    }
    // Start from a value that is neither answer, so that a blank line keeps L.
    const Int answer = ask_flag(kYesNoPrompt, -1, IOSCRN, KBD);
    if (answer == 1) L = 1;
    if (answer == 0) L = 0;
}

void TOGGLE3(Int& I, Int IBATCH, Int IOSCRN, Int KBD, std::string_view YES_STR, std::string_view NO_STR) {
    const Int ISAVE = I;
    if (IBATCH == 0) {
        I = I == 0 ? 1 : 0;
        return;
    }
    std::string PROMPT =
        fixed_len("Enter 1 for \"" + std::string(YES_STR) + "\", 0 for \"" + std::string(NO_STR) + "\": ", 60);
    PROMPT.erase(PROMPT.find_last_not_of(' ') + 1);
    PROMPT += ' ';
    I = ask_flag(PROMPT, I, IOSCRN, KBD);
    if (I != 0 && I != 1) I = ISAVE;
}

std::string YESNO(Int I) {
    if (I == 1) return "Yes";
    if (I == 0) return "No ";
    return "Awk";
}

std::string YESNO_L(Logical L) { return L != 0 ? "Yes" : "No "; }

}  // namespace brevant
