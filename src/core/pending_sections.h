// The report sections whose pages come with later work: each has its call point in the run, in the
// order of the report, and takes its place there when it is built.
#pragma once

#include "core/run_values.h"

namespace brevant {

// V, VI, VII: wind and current coefficients, mean forces and force spectral densities.
void wind_current_coefficient_pages(RunValues& R);
void wind_current_mean_force_pages(RunValues& R);
void wind_current_spectrum_pages(RunValues& R);
// IX net force spectra by attack angle (bit 27).
void net_force_spectrum_pages(RunValues& R);
// The spectra of every source by attack angle, then the summary page X.
void attack_angle_series_and_summary(RunValues& R);

}  // namespace brevant
