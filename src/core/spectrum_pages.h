// Report sections VIIp (wind and current speed spectra), VIII (sea and swell spectra on the period
// grid) and VIIIp (wave-group spectra on the low-frequency grid).
#pragma once

#include <string_view>

#include "core/run_values.h"
#include "sysutl/ftypes.h"

namespace brevant {

// The captions of the wind (1..6) and current (0..3) spectral types; "Missing!" for any other.
std::string_view wind_spectrum_caption(Int WNDTYP);
std::string_view current_spectrum_caption(Int CURTYP);

// Section VIIp (bits 16 wind, 15 current): the page of speed spectral densities on the
// low-frequency grid with the distance the mean wind or current travels in one period. No pause.
void speed_spectrum_pages(RunValues& R);

// Section VIII (bits 5 sea, 6 swell): the wave characteristics, then per grid period the frequency,
// wave length, regular-wave slope or height and the spectral densities. No pause.
void wave_spectrum_pages(RunValues& R);

// Section VIIIp (bits 7 sea, 8 swell): the wave characteristics, then the group spectra on the
// low-frequency grid with the distance between wave groups; the console pause at its end.
void group_spectrum_pages(RunValues& R);

// The wave characteristics block of VIII and VIIIp: the sea lines (spectral type, heights, peak
// period, characteristic wind speed and slope, direction) and the swell lines.
void write_wave_characteristics_block(const RunValues& R);
// Its sea lines (from the spectral-type line on) and its swell lines (from the empty line before
// the swell caption on), each on its own.
void write_sea_characteristics_lines(const RunValues& R);
// The first of the sea lines, which the wave force pages show as well: the spectral type, the
// spreading power, the requested and calculated heights and the peak period.
void write_sea_spectrum_lines(const RunValues& R);
void write_swell_characteristics_lines(const RunValues& R);
// The summary values of the sea (the characteristic wind speed 0.1412 g Tp, and the slope
// Hs k_p / 2 in degrees, k_p from the dispersion relation at the peak) and of the swell (its slope);
// a failed wave-number search ends the run. The lines above with values computed beforehand.
struct SeaCharacteristics {
    Real VWIND = 0.0f;
    Real SLOPE = 0.0f;
};
SeaCharacteristics sea_characteristics(const RunValues& R);
Real swell_characteristic_slope(const RunValues& R);
void write_sea_characteristics_lines(const RunValues& R, const SeaCharacteristics& C);
void write_swell_characteristics_lines(const RunValues& R, Real SLOPE);
// The line after the characteristics: the wave height the slopes are computed for (LSLPHT 0), or
// the slope the heights are computed for.
void write_slope_basis_line(const RunValues& R);

// The group speed at grid point n (length units per second): half the phase speed W/WVK when
// k DEPTH is 80 or more, the finite-depth group speed otherwise.
Real grid_group_speed(Int n);

}  // namespace brevant
