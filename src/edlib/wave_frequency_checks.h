// The pre-run check of the periods a run turns into wave numbers: the finite-depth dispersion
// solver takes the frequency 2 pi / T times the square root of depth over gravity and squares it.
// A period whose square there leaves single precision has no wave to compute; each such period is
// a fatal finding naming its page and item.
#pragma once

#include <vector>

#include "edlib/run_input_checks.h"
#include "records/data_image.h"

namespace brevant {

// Whether the dispersion solver can take the period PERIOD in water of depth DEPTH under gravity G:
// the run's own root search, handed the frequency 2 pi / PERIOD x sqrt(DEPTH / G) formed in single
// precision as the run forms it, finds a wave number. What decides is the deep-water k h, free of
// units, so the same case in feet and in metres is judged alike (up to the rounding of the last
// float at the very edge, where the run itself rounds the same way). A period of 0 (an infinite
// frequency) cannot be taken; a period or a depth that is not a finite number, or a depth of 0 or
// below, is left to its own checks.
bool wave_number_computable(Real PERIOD, Real DEPTH, Real G);

// The finding of the case T on the table of wave periods alone (each period becomes a wave number
// of the grid), at most once.
void period_table_wave_number_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

// The findings of the case T: the table of wave periods (every period becomes a wave number of
// the grid), the water depth where a period of the table has no wave number in the current (the
// drift of the waves in a current takes one), and the natural periods the user specifies (page 4),
// each at most once.
void wave_frequency_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

}  // namespace brevant
