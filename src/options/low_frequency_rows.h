// The size of the low-frequency spectral tables, from the two items of output options page 2 that
// set it: the frequency interval (item 22, BRVFRQ_DELTA) and the minimum period (item 23,
// BRV_PD_MIN).
#pragma once

#include "sysutl/ftypes.h"
#include "sysutl/two_pi.h"

namespace brevant {

// The most rows a low-frequency table is written with (the running sums by attack angle hold 1000).
inline constexpr Int kMaxLowFrequencyRows = 1000;

// The row count 2 pi / (PDMIN x DELTA), cut toward zero. 0 unless both are positive; a count
// beyond the integer range (a tiny or denormal interval) is held at 2147483520, never converted out
// of range.
Int low_frequency_rows(Real PDMIN, Real DELTA);

// True when the two items give more rows than a table is written with.
bool too_many_low_frequency_rows(Real PDMIN, Real DELTA);

}  // namespace brevant
