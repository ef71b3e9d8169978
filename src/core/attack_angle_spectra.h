// The last phase of the report: the low-frequency force spectra of every load source by attack
// angle (sections VIIs, VIIq, VIIr and the summed page), for a mooring dynamics check.
#pragma once

#include <string_view>

#include "core/run_values.h"
#include "options/low_frequency_rows.h"
#include "sysutl/ftypes.h"

namespace brevant {

// One page of low-frequency spectral densities S(Fx), S(Fy), S(Mz) at the bow-relative attack angle
// RELANG (radians) for the environment SPECTYP: 1 wind, 2 current, 3 wave reflection, 4 wave
// absorption, 5 swell reflection, 6 swell absorption, 7 the sum of those computed at this angle.
// NWAVPK is the sea peak's grid index (on the grid). The page is written when LPRINT is true (the
// summed page's angle line and table heading whatever LPRINT is); the values are computed and
// added to the sums either way (4 and 6 only when LEGDRG is 0), and so are the sea's or the swell's
// summary values (3 to 6), whose wave-number search ends the run where it fails. FRSTIM true clears
// the sums and comes back false.
// SPECTYP outside 1..7 is refused on standard output with one answer line read (none in a silent
// run). More than kMaxAngleSpectrumRows rows (the length of the sums) leaves the table without rows
// and the sums untouched, printed or not; the refusal is said, and answered, once a run (see
// reset_angspec_row_refusal).
void ANGSPEC(const RunValues& R, Real RELANG, Int SPECTYP, Int NWAVPK, std::string_view HEADER, bool LPRINT,
             bool& FRSTIM);

// Lets the next refused table say its refusal again; the series calls it as it starts, so that a run
// says it once however many environments and angles it refuses.
void reset_angspec_row_refusal();

// With bit 27 of BRVFLG: one page start, then per attack angle the sea, swell, wind and current
// environments that are on and the summed page (when bit 9, 10, 24 or 25 asks for a table), with
// their console pauses, and the pause after the last angle. Beyond kMaxAngleSpectrumRows rows the
// pages come without rows, after one refusal, and the run goes on. VESANG of EQUILB is left at the
// last wave system's heading.
void attack_angle_spectra_series(RunValues& R);

}  // namespace brevant
