// The jack-up entry points, all one message and the end of the run.
#include "vessels/jackup/jackup_hull.h"

#include <string>

#include "records/data_image.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

[[noreturn]] void inoperative_hull() {
    // Free-form lines on standard output: one blank column ahead of the text. A silent run has
    // nobody at the screen, so the lines go to its diagnostics file as well, and nothing is read.
    const bool silent = TPCM.EDUNIT == SILENT_UNIT;
    for (const char* text : {" ++> You are in an inoperative vessel utility file!", "     Press <Return> to quit"}) {
        const std::string line = std::string(" ") + text;
        write_record(SCREEN_UNIT, line);
        if (silent) write_record(SILENT_UNIT, line);
    }
    quit_after_return(silent ? SILENT_UNIT : SCREEN_UNIT);
}

}  // namespace

void JCKCHR() { inoperative_hull(); }
void JCKFRC(Int& /*NPASS2*/) { inoperative_hull(); }
void JCKRAO() { inoperative_hull(); }
void JCKSUM() { inoperative_hull(); }
void JCKOUT() { inoperative_hull(); }

}  // namespace brevant
