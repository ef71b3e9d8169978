// The count of the report's NaN and Infinity fields, fed by the formatting kit and the unit table.
#include "sysutl/report_field_guard.h"

#include <string>

namespace brevant {

namespace {

bool counting = false;
Int counted_unit = 0;
SectionHeading section_heading = nullptr;
long long pending = 0;  // fields formatted as NaN or Infinity since the last record written
NonFiniteFields found;
std::string section;  // the heading of the section being written

}  // namespace

void start_report_field_count(Int report_unit, SectionHeading heading) {
    counting = true;
    counted_unit = report_unit;
    section_heading = heading;
    pending = 0;
    found = {};
    section.clear();
}

void stop_report_field_count() {
    counting = false;
    pending = 0;
}

NonFiniteFields report_non_finite_fields() { return found; }

std::string non_finite_fields_found(const NonFiniteFields& f) {
    const std::string where = f.first_section.empty() ? std::string("on the title page")
                                                      : "in section " + f.first_section;
    const std::string what = f.count == 1 ? " report field is NaN or Infinity (the first "
                                          : " report fields are NaN or Infinity (the first ";
    return std::to_string(f.count) + what + where + ")";
}

void note_non_finite_field() {
    if (counting) ++pending;
}

void note_record_written(Int unit, std::string_view text) {
    if (!counting) return;
    if (unit == counted_unit) {
        if (section_heading != nullptr) {
            if (const std::string_view title = section_heading(text); !title.empty()) section.assign(title);
        }
        if (pending > 0) {
            if (found.count == 0) found.first_section = section;
            found.count += pending;
        }
    }
    pending = 0;
}

}  // namespace brevant
