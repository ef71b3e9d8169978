// PENDING: the report sections that later work builds. Each stand-in writes nothing (no progress
// line, no page, no pause), so that a run asking for them gives the sections that exist.
#include "core/pending_sections.h"

#include "core/net_force_pages.h"

namespace brevant {

// PENDING: the spectral tables by attack angle (and the pause after their last angle) come with the
// spectra by attack angle. The summary page X that closes the step is real.
void attack_angle_series_and_summary(RunValues& R) { net_force_summary_page(R); }

}  // namespace brevant
