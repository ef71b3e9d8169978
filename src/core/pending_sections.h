// The report sections whose pages come with later work: each has its call point in the run, in the
// order of the report, and takes its place there when it is built.
#pragma once

#include "core/run_values.h"

namespace brevant {

// The spectra of every source by attack angle, then the summary page X.
void attack_angle_series_and_summary(RunValues& R);

}  // namespace brevant
