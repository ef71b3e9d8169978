// Ending the program: every fatal path throws ProgramEnd, which the program entry catches,
// flushes and closes the units, and turns into the exit status.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace brevant {

struct ProgramEnd {
    int status;         // 0 normal end, 1 fatal stop
    bool said = false;  // a line on standard error has already said why the program ends
    std::string why;    // for a fatal stop that has not said why: the line standard error owes it

    ProgramEnd(int status_, bool said_ = false, std::string why_ = {})
        : status(status_), said(said_), why(std::move(why_)) {}
};

// Ends the program with the given exit status. Never returns. A fatal stop (1) is explained on
// standard error at the end of the program (end_of_program) from what the program last said.
[[noreturn]] void stop_program(int status);

// Ends the program with status 1; WHY is its line on standard error at the end of the program,
// unless a silent run's own line (its console is "Diagnostics.stxt") takes its place.
[[noreturn]] void stop_program_because(std::string why);

// Ends the program with status 1 after LINE on standard error, the one line that says why.
[[noreturn]] void stop_program_after_line(std::string_view line);

// The keyboard has closed: one message on standard error, then a fatal stop.
[[noreturn]] void end_of_input();

inline constexpr const char* kEndOfInputMessage = " ++> End of input: the program stops without saving.";
// The line once the case has been saved for a run: the files hold the case, so "without saving"
// would contradict them.
inline constexpr const char* kEndOfInputAfterSaveMessage =
    " ++> End of input: the program stops; the case was saved before the run.";
// The line once a run has started on the case as the folder already held it (nothing differed, so
// nothing was saved): neither "without saving" nor "saved" would be true.
inline constexpr const char* kEndOfInputCaseInFolderMessage =
    " ++> End of input: the program stops; the case in the folder is the one the run used.";

// The lines of a stop on "A" answered at a question (an abort question, a question of a spectrum),
// by what became of the case, as for the end of input.
inline constexpr const char* kAbortAnsweredMessage = " ++> \"A\" was answered: the program stops without saving.";
inline constexpr const char* kAbortAnsweredAfterSaveMessage =
    " ++> \"A\" was answered: the run stops; the case was saved before the run.";
inline constexpr const char* kAbortAnsweredCaseInFolderMessage =
    " ++> \"A\" was answered: the run stops; the case in the folder is the one the run used.";
// "A" at a question of the start (a file it updates, imports, finds damaged, or whose "LOWDAT" is
// missing): the case is not loaded, and no file of it has changed.
inline constexpr const char* kStartAbortedMessage =
    " ++> \"A\" was answered at the start's question: the program stops without loading the case.";
// "A" answered at a numerical question of a spectrum (a frequency outside the user's wave spectrum,
// a TMA depth factor that does not converge). In the run it ends the program; inside the editor (the
// wave report) the session's edits must not be lost with it, so there the question's caller is given
// AbortAnswered instead, and the editor gives its page back.
struct AbortAnswered {};
[[noreturn]] void stop_on_abort_answer();
// While one of these lives, stop_on_abort_answer throws AbortAnswered.
class AbortGivesThePageBack {
public:
    AbortGivesThePageBack();
    ~AbortGivesThePageBack();
    AbortGivesThePageBack(const AbortGivesThePageBack&) = delete;
    AbortGivesThePageBack& operator=(const AbortGivesThePageBack&) = delete;

private:
    bool outer_;
};

// The line of a fatal end of a silent run that has not said why on standard error.
inline constexpr const char* kSilentRunStoppedMessage = " ++> The silent run stopped: see \"Diagnostics.stxt\".";

// The line on standard error, in place of one that points to "Diagnostics.stxt", when that file
// could not take the silent run's last records (a full disk, a file-size limit): they follow it there.
inline constexpr const char* kSilentFileLackedMessage =
    " ++> \"Diagnostics.stxt\" could not be written whole; the silent run's last messages follow:";

// Writes on standard error LINE, which sends the user to "Diagnostics.stxt"; when that file could
// not take the records LOST (what close_silent_console returned), kSilentFileLackedMessage and the
// records themselves instead, so that standard error never points to a file without the message.
void point_to_silent_file(std::string_view line, const std::string& lost);

// Writes on standard error kSilentFileLackedMessage and the records LOST, when there are any; the
// program then ends with status 1 whatever else ends it.
void say_what_the_silent_file_lacks(const std::string& lost);

// What a fatal end that has not said why is explained from. ABORT0 and ABORT3 note whether their
// answer was "A"; every keyboard line read clears it (note_answer_read), so it holds only for a
// stop right after it.
void note_abort_answer(bool answered_a);
void note_answer_read();
// Every record written on the screen: the first line of the last message (one that starts with
// " ++> ", " +=> ", " =+> " or " >>> ", or the first after an empty line or an answer; the prompt
// of a pause is none) is what a stop without its own reason is explained by. Forgotten when the
// screen is cleared, a progress line is written, or a run starts: what was said before is not why
// it stopped.
void note_screen_record(std::string_view record);
void forget_screen_message();

// Called by the program entry once the program has ended with STATUS (SAID: a line on standard
// error has already said why; WHY: the line a stop named). Returns the exit status.
// - A silent run's "Diagnostics.stxt" that could not take all its messages: they follow
//   kSilentFileLackedMessage on standard error, and the status is 1, whatever else ended the run.
// - A fatal end (1) that has not said why: while "Diagnostics.stxt" is the console (a silent run,
//   whose screen stays empty), kSilentRunStoppedMessage; otherwise WHY, or the line of an "A"
//   answered just before, or the message the program last gave on the screen.
int end_of_program(int status, bool said, const std::string& why);

// Puts the state above back to that of a program that has said nothing (for a fresh unit table).
void forget_how_the_program_ends();

// What the folder holds of the case a run takes, once the end of an execute choice is done; it
// chooses the end-of-input line and that of an "A" answered. A fresh unit table (reset_units) sets
// it back to no_run.
enum class CaseForRun {
    no_run,            // no run has the case: the session's edits are its own
    saved,             // the end of the edit wrote the case for the run
    already_in_folder  // nothing differed from the files, so the run took them as they stood
};
void set_case_for_run(CaseForRun state);

}  // namespace brevant
