// PENDING: stand-in for the analysis run; it says that the analysis is not available yet.
#include "core/analysis_core.h"

#include "records/data_image.h"
#include "sysutl/units.h"

namespace brevant {

void BRVCOR() {
    // The console unit is the one the session left: the screen, or "Diagnostics.stxt" in a silent run.
    const Int unit = TPCM.EDUNIT == SILENT_UNIT ? SILENT_UNIT : SCREEN_UNIT;
    write_record(unit, "");
    write_record(unit, " >>> The analysis is not available yet.");
}

}  // namespace brevant
