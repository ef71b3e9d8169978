// Section IX, second half: the net environmental force and moment spectra by attack angle. For each
// attack angle, the low-frequency spectral density at BRVFRQ of the vessel X force, Y force and yaw
// moment (about the centre of gravity) from each source, and their sum.
#pragma once

#include <array>

#include "core/run_values.h"

namespace brevant {

// With bit 27 and at least one source asked for (wind with bit 19, current with bit 22, waves or
// swell with bit 4 or 14): the three pages, a console pause before each and after the last. With
// bit 27 and no such source only the pause that closes the net-force pages. Nothing without bit 27.
// VESANG of EQUILB is left at the heading of the last row.
void net_force_spectrum_pages(RunValues& R);

// The values of one row: wave reflection, wave absorption, wind, current, swell reflection, swell
// absorption, external (always 0) and their net, for component k (1 X, 2 Y, 3 yaw moment) at the
// attack angle ALPHA (degrees). Sets VESANG to the row's heading (360 - ALPHA) in radians. With
// LEGDRG not 0 the absorption values are 0 and DRAGF is not called.
std::array<Real, 8> net_force_spectrum_row(const RunValues& R, Int k, Real ALPHA);

}  // namespace brevant
