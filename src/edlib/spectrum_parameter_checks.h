// The pre-run checks of the spectrum parameters whose formula needs a sign or a size: the A.P.I.
// wind spectrum parameter, the Ochi-Hubble lambdas, the JONSWAP gamma and widths of the sea and the
// swells (with the normalising integral the run computes from them), and the custom spectrum table's
// variance. Each is a fatal finding naming the page and item, given only where the run computes
// that spectrum.
#pragma once

#include <vector>

#include "edlib/run_input_checks.h"
#include "records/data_image.h"

namespace brevant {

// What the checks refuse in a JONSWAP shape of the general or TMA type: GAMMA, and the widths BELOW
// and ABOVE the peak; PEAK_ON_GRID tells whether a frequency of the period grid falls on the peak.
// GAMMA at or below 0; a width whose doubled square leaves single precision, or one below the peak
// whose square is 0 with a grid frequency on the peak; else the normalising integral of the run
// that does not converge with the three. A value that is not finite is refused wherever it stands
// in the case, by the check of every stored real: it is only marked here, and the integral is not
// tried then. LOCALJ, the integration's scratch, is put back.
struct JonswapShapeRefusal {
    bool not_finite = false;
    bool gamma = false;
    bool below = false;
    bool above = false;
    bool integral = false;
    bool any() const { return not_finite || gamma || below || above || integral; }
};
JonswapShapeRefusal jonswap_shape_refusal(Real gamma, Real below, Real above, bool peak_on_grid);

// Where the significant height 4 sqrt(m0) of a spectrum given by its densities (the custom table,
// the spectrum file) fails: a negative integral m0 over the period grid, or a height beyond the wave
// height bound (a density that is not a number among them).
enum class SpectrumSizeFault { None, NegativeVariance, TooLarge };

// The fault of the spectrum the file "WAVSPEC.txt" gives on the period grid of T, its densities taken
// as the run interpolates them (beyond the table's ends, as after "continue" at its question); None
// where the file cannot be read (refused on its own) or the grid is not one the checks pass.
SpectrumSizeFault wave_spectrum_file_fault(const Tpcm& t);

// The findings of the case T, in a fixed order: the custom spectrum table, the A.P.I. parameter,
// the Ochi-Hubble lambdas and peak periods, the JONSWAP shapes of the sea, the swell and the second
// swell, the swell-type widths and the Pierson-Moskowitz heights of the sea and the swell, then the
// run's alone: the power of the spreading factor, the peaks of the sea and the swell on the period
// table, and the sea's peak period where the report writes its characteristic wind speed.
// Reads the case; the records the run's own routines use as scratch (WAVCOM, LOCALJ) are put back.
void spectrum_parameter_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

// The same findings for the irregular sea and the first swell alone (the custom spectrum table as
// they take it, the Ochi-Hubble sea, their JONSWAP shapes, their swell-type widths and the heights
// the Pierson-Moskowitz type derives its period from), in the same order: what the wave report
// computes with.
void sea_and_swell_parameter_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

// The power of the cosine of the spreading factor (page 12, item 21), which the run normalises by
// gamma values wherever the sector is at most a circle (whether the sea is spread or not): refused
// where a gamma value cannot be formed (powers above 67, and near -1, -2, ...).
void spreading_power_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

// The sea's peak period (page 12, item 7), where its type takes it as given: refused where the
// characteristic wind speed 0.1412 g Tp of the wave characteristics leaves single precision. The run
// asks this only where its report writes the sea's characteristics (sea_characteristics_reported).
void sea_wind_speed_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

// The peak periods that the run centres a spectrum on a period of the table by: the sea's of the
// swell-type spectrum (page 12, item 7) and the swell's of every type (page 13, item 7), refused where
// they lie off the table of wave periods (the run would stop at its set-up).
void sea_and_swell_peak_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

}  // namespace brevant
