// The current of a profile where the members' drag of a member-built hull takes it: for the checks
// before a run of the profile table of page 10 and of "CRNTPROF.txt".
#pragma once

#include "records/data_image.h"
#include "sysutl/ftypes.h"

namespace brevant {

// The points of a profile (COUNT points of DEPTHS, SPEEDS and HEADINGS, as the run builds it) between
// which the members' drag of the case would take a current it cannot compute with: a speed or
// heading beyond single precision where the drag divides by it or scales by it. FIRST and LAST are
// the points of that look-up (both 1 above the first point); both 0 where there is none.
struct DragCurrentPoints {
    Int first = 0;
    Int last = 0;
};
DragCurrentPoints drag_current_beyond_range(const Tpcm& t, const Real* DEPTHS, const Real* SPEEDS,
                                            const Real* HEADINGS, Int COUNT);

}  // namespace brevant
