// Ending the program through one exception, so that callers up the stack (and tests) can catch it.
#include "sysutl/program_end.h"

#include <iostream>

namespace brevant {

namespace {

bool case_saved_for_run = false;

}  // namespace

void stop_program(int status) { throw ProgramEnd{status}; }

void set_case_saved_for_run(bool saved) { case_saved_for_run = saved; }

void end_of_input() {
    std::cout.flush();
    std::cerr << (case_saved_for_run ? kEndOfInputAfterSaveMessage : kEndOfInputMessage) << '\n';
    std::cerr.flush();
    stop_program(1);
}

}  // namespace brevant
