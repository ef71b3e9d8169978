// Program entry: sets up the units, runs the editor session and, after an execute choice, the
// analysis of the saved case, and turns the end of the program into an exit status.
#include <exception>
#include <iostream>

#include "core/analysis_core.h"
#include "edlib/editor_driver.h"
#include "platform/platform.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

int main() {
    using namespace brevant;
    ProgramEnd end{0};
    // A save beyond the file-size limit then fails through the file-access error, old file intact.
    platform::ignore_file_size_signal();
    try {
        // The editor session returns only after an execute choice, with the case saved; every other
        // end of the session ends the program inside it.
        BREVED();
        BRVCOR();
    } catch (const ProgramEnd& stop) {
        end = stop;
    } catch (const std::exception& e) {
        // A programming error (a malformed format, a word range past its record): say so and stop
        // with the files closed rather than abort.
        std::cout.flush();
        std::cerr << " ++> Internal error: " << e.what() << '\n';
        end = ProgramEnd{1, true};
    }
    // Whatever ended the program, standard error says what a fatal end has not said yet, and what a
    // silent run's "Diagnostics.stxt" could not take.
    const int status = end_of_program(end.status, end.said, end.why);
    close_all_units();
    std::cout.flush();
    return status;
}
