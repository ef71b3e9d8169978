// Pauses and aborts. Every fatal path ends through stop_program(1) so a calling script sees the
// run fail; the prompts go through WRTLIN, which writes nothing on the silent-run console.
#include "sysutl/pauses.h"

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

bool is_abort_letter(char c) { return c == 'A' || c == 'a'; }

// Longest single sleep of RHDELAY, so that the clock is read often.
constexpr double kDelayStep = 0.1;
constexpr Real kMaxDelay = 86400.0f;

}  // namespace

void write_beep(Int IOSCRN) {
    std::string bytes(4, '\0');
    bytes[0] = static_cast<char>(BEEP);
    write_record(IOSCRN, bytes);
}

void ABORT0(Int IOSCRN, Int /*KEYBD*/, Int& LBACK) {
    if (IOSCRN == SILENT_UNIT) {
        LBACK = 0;
        return;
    }
    write_beep(IOSCRN);
    WRTLIN(kAbortPrompt, 50, IOSCRN);
    char ANSWER = ' ';
    READCP(ANSWER);
    LBACK = is_abort_letter(ANSWER) ? -1 : 0;
    note_abort_answer(LBACK < 0);
}

void SERV_ABORT(Int IOSCRN, Int KEYBD, Int& LBACK) {
    if (IOSCRN == SILENT_UNIT) stop_program(1);
    ABORT0(IOSCRN, KEYBD, LBACK);
}

void ABORT3(Int IOSCRN, Int KEYBD, Int& LBACK) {
    if (IOSCRN == SILENT_UNIT) stop_program(1);
    write_beep(IOSCRN);
    WRTLIN(kAbortPrompt, 50, IOSCRN);
    const std::string ANUM = fixed_len(read_keyboard_line(KEYBD), 12);
    if (ANUM.find_first_not_of(' ') == std::string::npos) {
        LBACK = 0;
        return;
    }
    std::string ANSWER = " ";
    read_list(ANUM, {ListTarget::of(ANSWER, 1)});
    if (is_abort_letter(ANSWER[0])) {
        LBACK = -1;
        note_abort_answer(true);
        return;
    }
    // A local number, so that an unreadable answer can never pass for the caller's old value.
    Int number = 0;
    const ListResult read = read_list(ANUM, {ListTarget::of(number)});
    if (read.status == ListStatus::Complete && read.assigned == 1 && number == 99) {
        LBACK = 99;
        return;
    }
    write_record(SCREEN_UNIT, " ");
    write_record(SCREEN_UNIT, " >>> Unrecognized option in ABORT3: " + ANUM);
    write_record(SCREEN_UNIT, "     Press <Return> to continue");
    (void)read_keyboard_line(KEYBD);
    stop_program(1);
}

void quit_after_return(Int IOSCRN) {
    if (IOSCRN != SILENT_UNIT) (void)read_keyboard_line(KBD_UNIT);
    stop_program(1);
}

void stop_after_key(Int EDUNIT, std::initializer_list<std::string_view> lines) {
    const Int console = console_unit(EDUNIT);
    for (const std::string_view line : lines) write_record(console, line);
    if (console != SILENT_UNIT) {
        char ANSWER = ' ';
        READCP(ANSWER);
    }
    stop_program(1);
}

void NOHELP(Int IOSCRN, Int KBD, Int /*ITEM*/) {
    CLEAR(IOSCRN);
    LINES(IOSCRN, 2);
    write_record(IOSCRN, " ++> Sorry, no help for this page...");
    LINES(IOSCRN, 1);
    Int dropped = 0;
    PRSRET(IOSCRN, KBD, dropped);
}

void WRNFUL(Int& NWARN, Int IOSCRN, Int KBD) {
    if (NWARN < 5) return;
    Int code = 0;
    PRSRET(IOSCRN, KBD, code);
    if (code < 0) return;
    CLEAR(IOSCRN);
    NWARN = 0;
}

void INBUG(Int& NBUG, Int IOSCRN, Int KBD) {
    NBUG = 0;
    WRTLIN("Input NBUG: ", 12, IOSCRN);
    Int page = 0;
    READI(NBUG, KBD, page);
}

void RHDELAY(Real& SECDLY, Int& NLOOP) {
    NLOOP = 0;
    if (SECDLY > kMaxDelay) SECDLY = kMaxDelay;
    if (!(SECDLY > 0.0f)) return;
    // The monotonic clock, not the time of day: a wait across midnight or a clock change still
    // lasts exactly the time asked for.
    const double wanted = static_cast<double>(SECDLY);
    const double start = platform::clock_seconds();
    double elapsed = 0.0;
    do {
        platform::sleep_seconds(std::min(kDelayStep, wanted - elapsed));
        ++NLOOP;
        elapsed = platform::clock_seconds() - start;
    } while (elapsed < wanted);
}

}  // namespace brevant
