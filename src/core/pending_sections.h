// The report sections whose pages come with later work: each has its call point in the run, in the
// order of the report, and takes its place there when it is built.
#pragma once

#include "core/run_values.h"

namespace brevant {

// IIa/IIb mean force frequency distribution (bits 2, 12).
void mean_force_distribution_pages(RunValues& R);
// VIIp wind and current speed spectra; VIII sea and swell spectra; VIIIp group spectra.
void speed_spectrum_pages(RunValues& R);
void wave_spectrum_pages(RunValues& R);
void group_spectrum_pages(RunValues& R);
// The spectra of every source by attack angle, then the summary page X.
void attack_angle_series_and_summary(RunValues& R);

}  // namespace brevant
