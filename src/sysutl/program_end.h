// Ending the program: every fatal path throws ProgramEnd, which the program entry catches,
// flushes and closes the units, and turns into the exit status.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace brevant {

struct ProgramEnd {
    int status;         // 0 normal end, 1 fatal stop
    bool said = false;  // a line on standard error has already said why the program ends
};

// Ends the program with the given exit status. Never returns.
[[noreturn]] void stop_program(int status);

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

// Writes on standard error kSilentFileLackedMessage and the records LOST, when there are any.
void say_what_the_silent_file_lacks(const std::string& lost);

// Called by the program entry once the program has ended. A silent run writes its console to
// "Diagnostics.stxt", so the screen of a fatal end (status 1) would stay empty: while that file is
// the console, one line on standard error (unit 0) names it, unless a line there already says why.
// Whatever stopped the run (a failed save, a missing file, a stop of the analysis), the line comes
// from here.
void say_how_the_program_ended(const ProgramEnd& end);

// What the folder holds of the case a run takes, once the end of an execute choice is done; it
// chooses the end-of-input line. A fresh unit table (reset_units) sets it back to no_run.
enum class CaseForRun {
    no_run,            // no run has the case: the session's edits are its own
    saved,             // the end of the edit wrote the case for the run
    already_in_folder  // nothing differed from the files, so the run took them as they stood
};
void set_case_for_run(CaseForRun state);

}  // namespace brevant
