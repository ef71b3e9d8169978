// The last guard of the analysis report, its counting side: a count of the number fields the report
// holds as NaN or Infinity, with the section where the first one stands. No pre-run check can
// foresee every input that drives a formula past the numbers; a report that holds such a field must
// not pass for a good one. Which lines open a section, and the words that tell the user, belong to
// the report's writer.
#pragma once

#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

struct NonFiniteFields {
    long long count = 0;        // number fields of the report written as NaN or Infinity
    std::string first_section;  // the heading of the section holding the first; empty: the title page
};

// The title of the section that a report line opens; empty for any other line.
using SectionHeading = std::string_view (*)(std::string_view line);

// Starts the count for the records written on `report_unit` from now on (the run's report); each of
// them that `heading` names a section opens that section (a null `heading` names none). Texts
// written as they stand (the "Infinity" that the zero-frequency rows show for their period) are no
// number fields and never count.
void start_report_field_count(Int report_unit, SectionHeading heading);
// Ends the count; what it found stays readable until the next start.
void stop_report_field_count();
NonFiniteFields report_non_finite_fields();

// The count for as long as one report is written: started on construction, ended on destruction,
// whatever ends the report (a return, a message that abandons it, an end of the program).
class ReportFieldCount {
public:
    ReportFieldCount(Int report_unit, SectionHeading heading) { start_report_field_count(report_unit, heading); }
    ~ReportFieldCount() { stop_report_field_count(); }
    ReportFieldCount(const ReportFieldCount&) = delete;
    ReportFieldCount& operator=(const ReportFieldCount&) = delete;
};

// How every report tells of what the count found: "N report fields are NaN or Infinity (the first
// in section S)", "(the first on the title page)" when no section had begun.
std::string non_finite_fields_found(const NonFiniteFields& found);

// Hooks. The formatting kit calls the first for every number field it writes as NaN or Infinity;
// the unit table calls the second for every record it writes, which takes the fields formatted
// since the last record as that record's own. Both cost nothing while no count runs.
void note_non_finite_field();
void note_record_written(Int unit, std::string_view text);

}  // namespace brevant
