// PENDING: the report sections that later work builds. Each stand-in writes nothing (no progress
// line, no page, no pause), so that a run asking for them gives the sections that exist.
#include "core/pending_sections.h"

#include "core/net_force_pages.h"

#include "records/data_image.h"
#include "sysutl/option_words.h"

namespace brevant {

// PENDING: section V comes with the wind and current pages.
void wind_current_coefficient_pages(RunValues&) {}

// PENDING: section VI comes with the wind and current pages.
void wind_current_mean_force_pages(RunValues&) {}

// PENDING: section VII comes with the wind and current pages.
void wind_current_spectrum_pages(RunValues&) {}

// PENDING: the net force spectra pages of section IX come with the wind and current pages. Until
// then the step does what it does when it shows no page: with bit 27 set, the console pause that
// closes the yaw-moment page of the net-force pages.
void net_force_spectrum_pages(RunValues&) {
    if (BITVAL(TPCM.BRVFLG, 27, TPCM.EDUNIT) == 1) section_pause();
}

// PENDING: the spectral tables by attack angle (and the pause after their last angle) come with the
// spectra by attack angle. The summary page X that closes the step is real.
void attack_angle_series_and_summary(RunValues& R) { net_force_summary_page(R); }

}  // namespace brevant
