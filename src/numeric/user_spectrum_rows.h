// The rows of the user spectrum files ("WINDSPEC.txt", "CRNTSPEC.txt", "WAVSPEC.txt"), read alike
// by the wind and current speed spectra and by the wave spectrum.
#pragma once

#include "sysutl/ftypes.h"
#include "sysutl/user_table.h"

namespace brevant {

// Where a spectrum reader interpolates its table: only between its first and last frequency (the
// speed spectra give 0 outside), or anywhere (the wave spectrum extrapolates from its end intervals).
enum class SpectrumLookups { InsideTable, Anywhere };

// Opens FILE and reads its table: a count of 2 to MAX_POINTS points (interpolation needs a pair),
// then per point a record of the frequency and the spectral value into WARRAY(i) and WSPEC(i)
// (1-based as the formulas read: WARRAY[0] is WARRAY(1)). The frequencies rise or fall; equal
// neighbours are taken where the look-ups of LOOKUPS never pick the interval of no width between
// them. COUNT: the points read. The file is left open. False when the file cannot be read whole
// (the outcome of FILE says why).
bool read_spectrum_rows(UserTableFile& file, Int max_points, SpectrumLookups lookups, Real* WARRAY, Real* WSPEC,
                        Int& count);

}  // namespace brevant
