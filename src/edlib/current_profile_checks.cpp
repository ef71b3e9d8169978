// The current of a profile where the members' drag takes it, looked up as the run looks it up.
#include "edlib/current_profile_checks.h"

#include "edlib/run_reads.h"
#include "lowlib/depth_current_drag.h"

namespace brevant {

DragCurrentPoints drag_current_beyond_range(const Tpcm& t, const Real* DEPTHS, const Real* SPEEDS,
                                            const Real* HEADINGS, Int COUNT) {
    // Knots to the run's length unit per second, as the drag takes them.
    const Real KNOTS = t.NUNTS == 1 ? 0.5142f : 1.687f;
    const ProfileCurrentFault fault = profile_current_beyond_range(DEPTHS, SPEEDS, HEADINGS, COUNT, t.CURSPD,
                                                                   t.CURHDG, KNOTS, current_profile_drag_look_ups(t));
    if (fault.NONE) return {};
    return fault.MIN == 0 ? DragCurrentPoints{1, 1} : DragCurrentPoints{fault.MIN, fault.MIN + 1};
}

}  // namespace brevant
