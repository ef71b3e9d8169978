// Pauses, aborts and error exits of the dialogue.
#include "sysutl/error_exits.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr const char* kPressReturn = "Press <RETURN> to continue: ";

// A prompt left open on its line; a silent run writes no prompt at all.
// PENDING: use WRTLIN once the answer-reading kit lands.
void prompt(Int unit, std::string_view text) {
    if (unit != SILENT_UNIT) write_partial(unit, text);
}

// The answer as a number: blanks ignored, a D exponent read as E; anything else unreadable (0).
// PENDING: use the answer reader (CRREAD) once it lands.
double answer_value(const std::string& answer) {
    std::string s;
    for (char c : answer) {
        if (c == ' ' || c == '\t') continue;
        s += (c == 'D' || c == 'd') ? 'E' : c;
    }
    if (s.empty()) return 0.0;
    errno = 0;
    char* end = nullptr;
    const double x = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || errno != 0 || !std::isfinite(x)) return 0.0;
    // strtod also takes hexadecimal, "inf" and "nan"; an answer is decimal only.
    if (s.find_first_of("xXnN") != std::string::npos) return 0.0;
    return x;
}

}  // namespace

void PRSRET(Int IOSCRN, Int KEYBD, Int& LBACK) {
    if (IOSCRN == SILENT_UNIT) {
        LBACK = 0;
        return;
    }
    write_record(IOSCRN, " ");
    prompt(IOSCRN, kPressReturn);
    LBACK = clamp_to_int(answer_value(read_keyboard_line(KEYBD)));
}

void ACERR(std::string_view WHERE, std::string_view WHO, Int IOSCRN) {
    write_record(IOSCRN, "");
    write_record(IOSCRN, std::string(" ++> File not found or file access error in ").append(WHERE));
    write_record(IOSCRN, std::string("     File name: ").append(WHO));
    write_record(IOSCRN, " ");
    prompt(IOSCRN, kPressReturn);
    // The Return key is read from standard input; a silent run has no keyboard to wait for.
    if (IOSCRN != SILENT_UNIT) read_keyboard_line(KBD_UNIT);
    stop_program(1);
}

void FILERR(std::string_view FILNM, std::string_view MAINPG, Int IOSCRN, Int KBD) {
    write_record(IOSCRN, "");
    write_record(IOSCRN, std::string(" ++> End of file or related file error in routine ").append(MAINPG));
    write_record(IOSCRN, std::string("     file name ").append(FILNM));
    Int typed = 0;
    PRSRET(IOSCRN, KBD, typed);
    stop_program(1);
}

}  // namespace brevant
