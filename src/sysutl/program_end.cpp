// Ending the program through one exception, so that callers up the stack (and tests) can catch it.
#include "sysutl/program_end.h"

#include <iostream>

#include "sysutl/units.h"

namespace brevant {

namespace {

CaseForRun case_for_run = CaseForRun::no_run;

constexpr Int kStandardErrorUnit = 0;  // the unit table's standard error

// The end-of-input line says what became of the case: saved for the run, taken by the run as the
// folder held it, or not saved at all.
const char* end_of_input_line() {
    switch (case_for_run) {
        case CaseForRun::saved: return kEndOfInputAfterSaveMessage;
        case CaseForRun::already_in_folder: return kEndOfInputCaseInFolderMessage;
        case CaseForRun::no_run: break;
    }
    return kEndOfInputMessage;
}

}  // namespace

void stop_program(int status) { throw ProgramEnd{status}; }

namespace {
bool abort_gives_the_page_back = false;
}  // namespace

void stop_on_abort_answer() {
    if (abort_gives_the_page_back) throw AbortAnswered{};
    stop_program(1);
}

AbortGivesThePageBack::AbortGivesThePageBack() : outer_(abort_gives_the_page_back) { abort_gives_the_page_back = true; }
AbortGivesThePageBack::~AbortGivesThePageBack() { abort_gives_the_page_back = outer_; }

void stop_program_after_line(std::string_view line) {
    std::cout.flush();
    write_record(kStandardErrorUnit, line);
    std::cerr.flush();
    throw ProgramEnd{1, true};
}

void set_case_for_run(CaseForRun state) { case_for_run = state; }

void end_of_input() {
    std::cout.flush();
    std::cerr << end_of_input_line() << '\n';
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
