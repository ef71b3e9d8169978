// The hull's natural modes and the stop for one the run cannot compute with.
#include "veslib/natural_modes.h"

#include "records/data_image.h"
#include "records/motion_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/units.h"

namespace brevant {

std::array<NaturalMode, 3> natural_modes() {
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    return {{{"heave", H.WH, H.HC, H.HVMAS, P.LHVPRD, 8},
             {"pitch", H.WP, H.PRMT, H.PTCHI, P.LPTPRD, 10},
             {"roll", H.WR, H.RRMT, H.ROLI, P.LRLPRD, 12}}};
}

void natural_mode_stop(const NaturalMode& m, const std::vector<std::string>& why, std::string_view period_reason,
                       bool phantom) {
    const Int unit = TPCM.EDUNIT;
    write_record(unit, "");
    write_record(unit, std::string(" ++> The vessel's ") + m.name + " natural frequency cannot be computed:");
    for (const std::string& line : why) write_record(unit, line);
    if (m.specified != 0) {
        write_record(unit, "     the " + std::string(m.name) + " period (page 4, item " + std::to_string(m.item) + ") " +
                               std::string(period_reason));
    } else {
        write_record(unit, "     its restoring term is" + fmt_1PE(m.restoring, 12, 4) + ", its inertia" +
                               fmt_1PE(m.inertia, 12, 4) + " (added mass included).");
        if (phantom) {
            write_record(unit, "     Recheck the vessel's hydrostatics (page 2), gyradii (page 3) and phantom weight");
            write_record(unit, "     (word 483 of the data file) and retry.");
        } else {
            write_record(unit, "     Recheck the vessel's hydrostatics (page 2) and gyradii (page 3) and retry.");
        }
    }
    PRSRET(unit, KBD_UNIT, TPCM.LBACK);
    stop_program(1);
}

}  // namespace brevant
