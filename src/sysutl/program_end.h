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

}  // namespace brevant
