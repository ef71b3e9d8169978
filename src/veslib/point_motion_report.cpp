// The point-motion report of the second motion phase.
#include "veslib/point_motion_report.h"

namespace brevant {

// PENDING: the point-motion report (RAOs, statistics and pages of the evaluation points, and their
// records in the export files) is not built yet; motion phase 2 calls this entry point where the
// report belongs, and until then no point motion is computed, filed or written.
void ACCOUT([[maybe_unused]] Int& NACC, [[maybe_unused]] FArray<Real, 3, 149>& RACC) {}

}  // namespace brevant
