// Ending the program through one exception, so that callers up the stack (and tests) can catch it.
#include "sysutl/program_end.h"

#include <iostream>
#include <utility>

#include "sysutl/units.h"

namespace brevant {

namespace {

CaseForRun case_for_run = CaseForRun::no_run;
// Whether the last answer read was "A" at an abort question.
bool abort_answered = false;
// The first line of the last message given on the screen, without its marker: what a stop that
// named no reason said last. A message starts at a marked line (" ++> ", " +=> ", " =+> ", " >>> ")
// or at the first line after an empty one or an answer; the lines that follow it are its own.
std::string screen_message;
bool in_screen_message = false;
// Whether standard error has had to give what "Diagnostics.stxt" could not take.
bool silent_file_lacked = false;

constexpr Int kStandardErrorUnit = 0;  // the unit table's standard error

// Of three lines, the one that says what became of the case: not saved at all, saved for the run,
// or taken by the run as the folder held it.
const char* line_by_case(const char* not_saved, const char* saved, const char* in_folder) {
    switch (case_for_run) {
        case CaseForRun::saved: return saved;
        case CaseForRun::already_in_folder: return in_folder;
        case CaseForRun::no_run: break;
    }
    return not_saved;
}

const char* end_of_input_line() {
    return line_by_case(kEndOfInputMessage, kEndOfInputAfterSaveMessage, kEndOfInputCaseInFolderMessage);
}

// The line of a fatal end that has not said why, outside a silent run.
std::string why_the_program_stopped(const std::string& why) {
    if (!why.empty()) return why;
    if (abort_answered)
        return line_by_case(kAbortAnsweredMessage, kAbortAnsweredAfterSaveMessage, kAbortAnsweredCaseInFolderMessage);
    const std::string stopped =
        case_for_run == CaseForRun::no_run ? " ++> The program stopped: " : " ++> The run stopped: ";
    if (!screen_message.empty()) return stopped + screen_message;
    return stopped + "see the messages on standard output.";
}

}  // namespace

void stop_program(int status) { throw ProgramEnd{status}; }

void stop_program_because(std::string why) { throw ProgramEnd{1, false, std::move(why)}; }

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

void set_case_for_run(CaseForRun state) {
    case_for_run = state;
    // What the editor said before is no reason for a stop of the run.
    forget_screen_message();
}

void note_abort_answer(bool answered_a) { abort_answered = answered_a; }

void note_answer_read() {
    abort_answered = false;
    in_screen_message = false;
}

void note_screen_record(std::string_view record) {
    std::size_t from = record.find_first_not_of(' ');
    if (from == std::string_view::npos) {
        in_screen_message = false;
        return;
    }
    std::string_view text = record.substr(from);
    if (text.starts_with("Press ")) return;  // the prompt of a pause, not a message
    const std::string_view marker = text.substr(0, 3);
    const bool marked = marker == "++>" || marker == "+=>" || marker == "=+>" || marker == ">>>";
    if (in_screen_message && !marked) return;  // a line of the message under way
    in_screen_message = true;
    if (marked) {
        text.remove_prefix(3);
        from = text.find_first_not_of(' ');
        if (from == std::string_view::npos) return;
        text.remove_prefix(from);
    }
    // Without the punctuation that leads on to the message's next line.
    screen_message.assign(text.substr(0, text.find_last_not_of(" :;,") + 1));
}

void forget_screen_message() {
    screen_message.clear();
    in_screen_message = false;
}

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
    silent_file_lacked = true;
    std::cout.flush();
    write_record(kStandardErrorUnit, kSilentFileLackedMessage);
    write_partial(kStandardErrorUnit, lost);
    std::cerr.flush();
}

int end_of_program(int status, bool said, const std::string& why) {
    const bool silent = unit_is_open(SILENT_UNIT);
    const bool unsaid = status == 1 && !said;
    // A silent console that never took its name is pointed to by nothing unless this end names it:
    // it goes with the units, and an earlier "Diagnostics.stxt" stays.
    std::string lost;
    if (silent && (unsaid || !silent_console_waits_for_its_name())) lost = close_silent_console();
    if (!lost.empty()) {
        say_what_the_silent_file_lacks(lost);
    } else if (unsaid) {
        std::cout.flush();
        write_record(kStandardErrorUnit, silent ? std::string(kSilentRunStoppedMessage) : why_the_program_stopped(why));
        std::cerr.flush();
    }
    // Messages that only standard error holds are no success, whatever else ended the program.
    return silent_file_lacked ? 1 : status;
}

void forget_how_the_program_ends() {
    case_for_run = CaseForRun::no_run;
    abort_answered = false;
    forget_screen_message();
    silent_file_lacked = false;
}

}  // namespace brevant
