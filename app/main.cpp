// Program entry: sets up the units, runs the program and turns its end into an exit status.
#include <iostream>

#include "sysutl/program_end.h"
#include "sysutl/title.h"
#include "sysutl/units.h"

int main() {
    using namespace brevant;
    int status = 0;
    try {
        // PENDING: the editor driver BREVED (whose loader shows the title screen) replaces this; until
        // it lands the program shows the title screen, reads the start letter and ends normally.
        char ANSWER = ' ';
        TITLE(16, "Brevant", 6.8f, SCREEN_UNIT, KBD_UNIT, ANSWER, 0);
    } catch (const ProgramEnd& end) {
        status = end.status;
    }
    close_all_units();
    std::cout.flush();
    return status;
}
