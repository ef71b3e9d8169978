// PENDING: stand-in for the wave report; it says so and waits, and writes no file.
#include "options/wave_report.h"

#include "sysutl/error_exits.h"
#include "sysutl/units.h"

namespace brevant {

void WAVOUT() {
    write_record(SCREEN_UNIT, "");
    write_record(SCREEN_UNIT, " >>> The wave report is not available yet.");
    Int ignored = 0;
    PRSRET(SCREEN_UNIT, KBD_UNIT, ignored);
}

}  // namespace brevant
