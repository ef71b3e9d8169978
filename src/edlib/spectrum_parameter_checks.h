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

// The findings of the case T, in a fixed order: the custom spectrum table, the A.P.I. parameter,
// the Ochi-Hubble lambdas, then the JONSWAP shapes of the sea, the swell and the second swell.
// Reads the case; the records the run's own routines use as scratch (WAVCOM, LOCALJ) are put back.
void spectrum_parameter_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

// The same findings for the irregular sea and the first swell alone (the custom spectrum table as
// they take it, the Ochi-Hubble sea, their JONSWAP shapes), in the same order: what the wave report
// computes with.
void sea_and_swell_parameter_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

}  // namespace brevant
