// Pre-run consistency warnings: the checks of the case for impossible and contradictory values
// that the last page runs before every save or run.
#pragma once

#include <string>
#include <vector>

#include "sysutl/ftypes.h"

namespace brevant {

struct Tpcm;

// The normalisations VESWRN keeps in the image T: settings that their switches leave unused go to 0
// (the second swell without a swell, the direction of a speed of 0, the external forces beyond
// those switched on), the member-hull flag follows the vessel type, and the version suffix is 0.
void tidy_case_for_checks(Tpcm& T);

// Writes one message on EDUNIT for each finding and counts it in WARNEM (a warning) or FWARN (a
// fatal warning) through the warning pager. Besides a few normalisations of the image it changes
// nothing and never stops the program.
void VESWRN(Int& WARNEM, Int& FWARN);

// The fatal finding on the heights and peak periods of the irregular sea and the swells in T: a
// significant height or a peak period (where the type takes one) that is not positive. The second
// swell counts only with SECOND_SWELL. Empty when there is none.
std::vector<std::string> wave_specification_finding(const Tpcm& T, bool SECOND_SWELL);

// The fatal finding on the water depth of T against the draft of its vessel (of each vessel, for the
// two-vessel types): a draft that is not below the depth (either of them no number included). Empty
// when there is none.
std::vector<std::string> draft_depth_finding(const Tpcm& T);

// The fatal finding on the table of wave periods in T: a count beyond its 100 slots, a table of at
// most one period, or, with a sea or a swell on, unequal intervals or a period not positive. Empty
// when there is none.
std::vector<std::string> wave_period_table_finding(const Tpcm& T);

}  // namespace brevant
