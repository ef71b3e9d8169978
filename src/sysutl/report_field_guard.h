// The last guard of the analysis report: a count of the number fields the report holds as NaN or
// Infinity, with the section where the first one stands. No pre-run check can foresee every input
// that drives a formula past the numbers; a report that holds such a field must not pass for a
// good one.
#pragma once

#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

struct NonFiniteFields {
    long long count = 0;        // number fields of the report written as NaN or Infinity
    std::string first_section;  // the heading of the section holding the first; empty: the title page
};

// Starts the count for the records written on `report_unit` from now on (the run's report). Texts
// written as they stand (the "Infinity" that the zero-frequency rows show for their period) are no
// number fields and never count.
void start_report_field_count(Int report_unit);
// Ends the count; what it found stays readable until the next start.
void stop_report_field_count();
NonFiniteFields report_non_finite_fields();

// The one line that tells the user of such fields, on the console and as the report's last line.
std::string non_finite_fields_warning(const NonFiniteFields& found);

// Hooks. The formatting kit calls the first for every number field it writes as NaN or Infinity;
// the unit table calls the second for every record it writes, which takes the fields formatted
// since the last record as that record's own. Both cost nothing while no count runs.
void note_non_finite_field();
void note_record_written(Int unit, std::string_view text);

}  // namespace brevant
