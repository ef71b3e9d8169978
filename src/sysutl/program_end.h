// Ending the program: every fatal path throws ProgramEnd, which the program entry catches,
// flushes and closes the units, and turns into the exit status.
#pragma once

#include <stdexcept>
#include <string>

namespace brevant {

struct ProgramEnd {
    int status;  // 0 normal end, 1 fatal stop
};

// Ends the program with the given exit status. Never returns.
[[noreturn]] void stop_program(int status);

// The keyboard has closed: one message on standard error, then a fatal stop.
[[noreturn]] void end_of_input();

inline constexpr const char* kEndOfInputMessage = " ++> End of input: the program stops without saving.";
// The line once the case has been saved for a run: the files hold the case, so "without saving"
// would contradict them.
inline constexpr const char* kEndOfInputAfterSaveMessage =
    " ++> End of input: the program stops; the case was saved before the run.";

// Whether the case is on disk as the run takes it (set once the save of an execute choice is done);
// it chooses the end-of-input line. A fresh unit table (reset_units) clears it.
void set_case_saved_for_run(bool saved);

}  // namespace brevant
