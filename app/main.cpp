// Program entry: sets up the units, runs the program and turns its end into an exit status.
#include <iostream>

#include "sysutl/program_end.h"
#include "sysutl/units.h"

int main() {
    using namespace brevant;
    int status = 0;
    try {
        // The editor session and the analysis are started here as they are built.
    } catch (const ProgramEnd& end) {
        status = end.status;
    }
    close_all_units();
    std::cout.flush();
    return status;
}
