// PENDING: stand-in for the import of another data file; it says so, waits, and leaves the image alone.
#include "edlib/data_load.h"

#include "sysutl/error_exits.h"
#include "sysutl/units.h"

namespace brevant {

void DATLOAD(Int /*DAT_TYP*/) {
    write_record(SCREEN_UNIT, "");
    write_record(SCREEN_UNIT, " >>> Importing from another data file is not available yet.");
    Int ignored = 0;
    PRSRET(SCREEN_UNIT, KBD_UNIT, ignored);
}

}  // namespace brevant
