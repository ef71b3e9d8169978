// Ending the program through one exception, so that callers up the stack (and tests) can catch it.
#include "sysutl/program_end.h"

#include <iostream>

namespace brevant {

void stop_program(int status) { throw ProgramEnd{status}; }

void end_of_input() {
    std::cout.flush();
    std::cerr << kEndOfInputMessage << '\n';
    std::cerr.flush();
    stop_program(1);
}

}  // namespace brevant
