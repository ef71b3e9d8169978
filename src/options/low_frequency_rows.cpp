// The size of the low-frequency spectral tables.
#include "options/low_frequency_rows.h"

namespace brevant {

Int low_frequency_rows(Real PDMIN, Real DELTA) {
    if (!(PDMIN > 0.0f) || !(DELTA > 0.0f)) return 0;
    const Real rows = kTwoPi / (PDMIN * DELTA);
    if (!(rows < 2147483520.0f)) return 2147483520;
    return static_cast<Int>(rows);
}

bool too_many_low_frequency_rows(Real PDMIN, Real DELTA) {
    return low_frequency_rows(PDMIN, DELTA) > kMaxLowFrequencyRows;
}

}  // namespace brevant
