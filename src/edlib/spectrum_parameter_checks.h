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

// The findings of the case T, in a fixed order: the custom spectrum table, the A.P.I. parameter,
// the Ochi-Hubble lambdas, then the JONSWAP shapes of the sea, the swell and the second swell.
// Reads the case; the records the run's own routines use as scratch (WAVCOM, LOCALJ) are put back.
void spectrum_parameter_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

}  // namespace brevant
