// Cases the pre-run checks pass, and the readers of their findings, for the tests of the value
// checks, the choice checks and the consistency warnings.
#pragma once

#include <string>
#include <vector>

#include "edlib/run_input_checks.h"
#include "records/data_image.h"
#include "sysutl/ftypes.h"

namespace brevant::testing {

// A metric ship the value checks pass: every value finite, within its bounds and computable; the
// wind and current off, on the cylindrical models.
inline void passing_ship() {
    reset_images();
    Tpcm& t = TPCM;
    t.SIMTYP = 16;
    t.NUNTS = 1;
    t.VESTYP = 1;
    t.DEPTH = 100.0f;
    t.DWATR = 1025.0f;
    t.DISPL = 30000.0f;
    t.DRAFT = 8.0f;
    t.AWP = 3750.0f;
    t.LWL = 150.0f;
    t.BWL = 25.0f;
    t.VKB = 4.0f;
    t.VKG = 8.0f;
    t.VKMT = 10.5f;
    t.VKML = 238.0f;
    t.LWBARG = 0x555;
    t.LCBARG = 0x777;
    t.IUNIT = 1;  // the report on the disk
}

// The first line of each finding; an empty string for a finding without lines.
inline std::vector<std::string> first_lines(const std::vector<RunInputFinding>& findings) {
    std::vector<std::string> lines;
    for (const RunInputFinding& f : findings) lines.push_back(f.empty() ? std::string() : f.front());
    return lines;
}

// The current on at speed 1 with factor 1 in water of 1025, head-on area 200 and beam-on area
// BEAM_AREA: the drag load of a large area is what the checks of the loads look at.
inline void current_on_beam_area(Real beam_area) {
    Tpcm& t = TPCM;
    t.LCURNT = 1;
    t.CURSPD = 1.0f;
    t.CURFAC = 1.0f;
    t.DWATR = 1025.0f;
    t.XCURAR = 200.0f;
    t.YCURAR = beam_area;
}

}  // namespace brevant::testing
