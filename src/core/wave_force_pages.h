// Report sections III and IV: for each attack angle the mean wave reflection and absorption forces
// and yaw moment (IIIa, IIIb) and their low-frequency spectral densities at the oscillation
// frequency BRVFRQ (IVa, IVb), of the sea and of the background swell.
#pragma once

#include "core/run_values.h"

namespace brevant {

// The four pages in the order IIIa (bit 3), IIIb (bit 13), IVa (bit 4), IVb (bit 14), each with
// its page start, progress line, wave characteristics, notes, header, one row per attack angle and
// the console pause. A wave system that is off is not computed: its values are 0 and not printed.
void wave_force_pages(RunValues& R);

}  // namespace brevant
