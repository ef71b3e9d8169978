// The user wave spectrum file "WAVSPEC.txt": the density at one frequency from the user's table,
// read once per file name and interpolated linearly.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"
#include "sysutl/user_table.h"

namespace brevant {

// The file of the sea or swell spectrum type that reads the user's table (kUserSpectrumFile).
inline constexpr std::string_view kWaveSpectrumFile = "WAVSPEC.txt";
// The points a user spectrum table may hold.
inline constexpr Int kMaxUserSpectrumPoints = 1000;
// The unit the table is read on.
inline constexpr Int kUserSpectrumUnit = 31;

// The spectral density at the circular frequency W (rad/s) from the table in the file USERDAT
// (13 characters, blank-padded). The file is read at the first call and again only when another
// name is passed. Messages go to IOOUT (41 in a silent run), questions read IOIN. Outside the
// table the end interval is extrapolated, after one warning and abort question per run.
// A missing or unreadable file, or a table that cannot be interpolated, ends the run.
Real UWVSPC(Real W, Int IOOUT, Int IOIN, const FixedText<13>& USERDAT);

// Reads the spectrum file NAME (trailing blanks no part of it) as UWVSPC reads it, keeping nothing:
// why it cannot be read whole, if it cannot. IOOUT: the console unit.
TableOutcome read_wave_spectrum_file(std::string_view NAME, Int IOOUT);

// The densities UWVSPC gives at the frequencies W[0] .. W[N - 1] from the table of the file NAME
// (trailing blanks no part of it), read now as UWVSPC reads it, into PSD[0] .. PSD[N - 1], without
// the range warning (frequencies outside the table are extrapolated, as after "continue") and
// keeping nothing. False, with PSD untouched, when the file cannot be read whole.
bool wave_spectrum_file_values(std::string_view NAME, Int IOOUT, const Real* W, Int N, Real* PSD);

// Back to the state at program start: no table held, the range warning not yet given.
void reset_uwvspc();

}  // namespace brevant
