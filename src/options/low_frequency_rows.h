// The size of the low-frequency spectral tables, from the two items of output options page 2 that
// set it: the frequency interval (item 22, BRVFRQ_DELTA) and the minimum period (item 23,
// BRV_PD_MIN); and which tables a row count keeps from the report.
#pragma once

#include "records/data_image.h"
#include "sysutl/ftypes.h"
#include "sysutl/two_pi.h"

namespace brevant {

// The most rows the speed spectra (VIIp) and the group spectra (VIIIp) are written with. The finest
// table an engineer asks for (a 3 s minimum period by 0.0002 rad/s) has about 10,000 rows: a count
// beyond ten times that can only come from a mistyped or damaged item, and would fill the disk long
// before the run ended.
inline constexpr Int kMaxLowFrequencyRows = 100000;

// The most rows of the force spectra by attack angle (VIIq, VIIr, VIIs and their sum): their
// running sums hold 1000 rows. Beyond it the series writes its pages without rows.
inline constexpr Int kMaxAngleSpectrumRows = 1000;

// The row count 2 pi / (PDMIN x DELTA), cut toward zero. 0 unless both are positive; a count
// beyond the integer range (a tiny or denormal interval) is held at 2147483520, never converted out
// of range.
Int low_frequency_rows(Real PDMIN, Real DELTA);

// True when the two items give more rows than the speed and group spectra are written with.
bool too_many_low_frequency_rows(Real PDMIN, Real DELTA);

// True when the two items give more rows than the force spectra by attack angle hold.
bool too_many_attack_angle_rows(Real PDMIN, Real DELTA);

// True when the case asks for a speed spectrum (VIIp) or a group spectrum (VIIIp): the tables that
// stop the run at more than kMaxLowFrequencyRows rows.
bool speed_or_group_spectra_asked(const Tpcm& T);

// True when the run computes force spectra by attack angle: bit 27 with at least one attack angle,
// and a source that is on or a page of the series asked for (the summed page then comes). Each of
// them is refused beyond kMaxAngleSpectrumRows rows, printed or not.
bool attack_angle_spectra_computed(const Tpcm& T);

}  // namespace brevant
