// Pauses, aborts and error exits of the dialogue.
#include "sysutl/error_exits.h"

#include <string>

#include "sysutl/answers.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr const char* kPressReturn = "Press <RETURN> to continue: ";

}  // namespace

void PRSRET(Int IOSCRN, Int KEYBD, Int& LBACK) {
    if (IOSCRN == SILENT_UNIT) {
        LBACK = 0;
        return;
    }
    write_record(IOSCRN, " ");
    WRTLIN(kPressReturn, 28, IOSCRN);
    Real X = 0.0f;  // a blank or unreadable answer leaves it at 0
    Logical CR = 0;
    CRREAD(X, CR, KEYBD);
    LBACK = clamp_to_int(static_cast<double>(X));
}

namespace {

// The pause after a report of a file that could not be written.
void pause_after_report(Int IOSCRN) {
    write_record(IOSCRN, " ");
    WRTLIN(kPressReturn, 28, IOSCRN);
    // The Return key is read from standard input; a silent run has no keyboard to wait for.
    if (IOSCRN != SILENT_UNIT) read_keyboard_line(KBD_UNIT);
}

}  // namespace

void report_access_error(std::string_view WHERE, std::string_view WHO, Int IOSCRN) {
    write_record(IOSCRN, "");
    write_record(IOSCRN, std::string(" ++> File not found or file access error in ").append(WHERE));
    write_record(IOSCRN, std::string("     File name: ").append(WHO));
    pause_after_report(IOSCRN);
}

void report_refused_save(std::span<const std::string> LINES, Int IOSCRN) {
    write_record(IOSCRN, "");
    for (const std::string& line : LINES) write_record(IOSCRN, line);
    pause_after_report(IOSCRN);
}

namespace {

// A file's name as the messages quote it: without the blanks that pad it.
std::string quoted_name(std::string_view name) {
    const std::size_t end = name.find_last_not_of(' ');
    return "\"" + std::string(name.substr(0, end == std::string_view::npos ? 0 : end + 1)) + "\"";
}

}  // namespace

void ACERR(std::string_view WHERE, std::string_view WHO, Int IOSCRN) {
    report_access_error(WHERE, WHO, IOSCRN);
    stop_program_because(" ++> File not found or file access error: " + quoted_name(WHO) + "; the program stops.");
}

void FILERR(std::string_view FILNM, std::string_view MAINPG, Int IOSCRN, Int KBD) {
    write_record(IOSCRN, "");
    write_record(IOSCRN, std::string(" ++> End of file or related file error in routine ").append(MAINPG));
    write_record(IOSCRN, std::string("     file name ").append(FILNM));
    Int typed = 0;
    PRSRET(IOSCRN, KBD, typed);
    stop_program_because(" ++> End of file or related file error: " + quoted_name(FILNM) + "; the program stops.");
}

}  // namespace brevant
