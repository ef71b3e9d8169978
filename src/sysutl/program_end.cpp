// Ending the program through one exception, so that callers up the stack (and tests) can catch it.
#include "sysutl/program_end.h"

#include <iostream>

#include "sysutl/units.h"

namespace brevant {

namespace {

bool case_saved_for_run = false;

constexpr Int kStandardErrorUnit = 0;  // the unit table's standard error

}  // namespace

void stop_program(int status) { throw ProgramEnd{status}; }

void stop_program_after_line(std::string_view line) {
    std::cout.flush();
    write_record(kStandardErrorUnit, line);
    std::cerr.flush();
    throw ProgramEnd{1, true};
}

void set_case_saved_for_run(bool saved) { case_saved_for_run = saved; }

void end_of_input() {
    std::cout.flush();
    std::cerr << (case_saved_for_run ? kEndOfInputAfterSaveMessage : kEndOfInputMessage) << '\n';
    std::cerr.flush();
    throw ProgramEnd{1, true};
}

void point_to_silent_file(std::string_view line, const std::string& lost) {
    if (!lost.empty()) {
        say_what_the_silent_file_lacks(lost);
        return;
    }
    std::cout.flush();
    write_record(kStandardErrorUnit, line);
    std::cerr.flush();
}

void say_what_the_silent_file_lacks(const std::string& lost) {
    if (lost.empty()) return;
    std::cout.flush();
    write_record(kStandardErrorUnit, kSilentFileLackedMessage);
    std::cerr << lost;
    std::cerr.flush();
}

void say_how_the_program_ended(const ProgramEnd& end) {
    if (end.status != 1 || end.said || !unit_is_open(SILENT_UNIT)) return;
    point_to_silent_file(kSilentRunStoppedMessage, close_silent_console());
}

}  // namespace brevant
