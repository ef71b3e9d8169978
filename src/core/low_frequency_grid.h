// The frequency grid of the low-frequency tables (the wind and current speed spectra, the wave-group
// spectra and the spectra by attack angle): rows at 0, BRVFRQ_DELTA, 2 BRVFRQ_DELTA, ... below
// 2 pi / BRV_PD_MIN, and the two row layouts those tables share.
#pragma once

#include <functional>
#include <string>

#include "sysutl/ftypes.h"
#include "sysutl/two_pi.h"

namespace brevant {

// The row count: 2 pi / (BRV_PD_MIN x BRVFRQ_DELTA) cut toward zero. No rows (0) unless both words
// are positive: a page without rows rather than a run of negative frequencies.
Int low_frequency_row_count();

// Called before the first line of a speed or group spectrum table (VIIp, VIIIp), which is written
// with all its rows: only a runaway count, beyond kMaxLowFrequencyRows, stops the run (a message
// naming the two items of output options page 2 that set the count, a pause, status 1).
void hold_low_frequency_rows();

// Calls ROW(IW, WFREQ) for IW = 1 .. the row count, the frequency starting at 0 and accumulated in
// single precision. HIMEM's IW is left at the count + 1 (1 without rows), as after a loop on it.
void for_each_low_frequency_row(const std::function<void(Int IW, Real WFREQ)>& ROW);

// A row of a table with two spacing columns and two values (1PE9.2): the frequency F6.4, the period
// F8.2, the spacings F11.2, the values; in row 1 (zero frequency) "Infinity" fills the period and
// spacing columns.
std::string two_column_low_frequency_row(Int IW, Real WFREQ, Real SPACING1, Real SPACING2, Real VALUE1, Real VALUE2);
// The same with one spacing and one value.
std::string one_column_low_frequency_row(Int IW, Real WFREQ, Real SPACING, Real VALUE);
// A row of the force spectra of one source: the frequency F6.4, the period F8.2, the spacing F11.2
// and the surge, sway and yaw values (1PE9.2) in columns 39, 52 and 65; "Infinity" in row 1.
std::string force_spectrum_low_frequency_row(Int IW, Real WFREQ, Real SPACING, Real SFX, Real SFY, Real SMZ);
// The same without the spacing column: the values in columns 24, 37 and 50.
std::string summed_force_spectrum_low_frequency_row(Int IW, Real WFREQ, Real SFX, Real SFY, Real SMZ);

}  // namespace brevant
