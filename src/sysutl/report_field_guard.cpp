// The count of the report's NaN and Infinity fields, fed by the formatting kit and the unit table.
#include "sysutl/report_field_guard.h"

#include <string>

namespace brevant {

namespace {

bool counting = false;
Int counted_unit = 0;
long long pending = 0;  // fields formatted as NaN or Infinity since the last record written
NonFiniteFields found;
std::string section;  // the heading of the section being written

// The title of a section heading ("  *****  VIIs. Spectral Values: ...  *****"): a run of
// asterisks, a label of Roman numerals with an optional sub-section letter and a point, the title,
// asterisks. Empty for any other line, a row whose first field overflowed into asterisks included.
std::string_view heading_title(std::string_view line) {
    const auto first = line.find_first_not_of(' ');
    if (first == std::string_view::npos || line[first] != '*') return {};
    const auto start = line.find_first_not_of("* ", first);
    if (start == std::string_view::npos) return {};
    const auto end = line.find_last_not_of("* ");
    const std::string_view title = line.substr(start, end + 1 - start);
    std::size_t i = 0;
    while (i < title.size() && (title[i] == 'I' || title[i] == 'V' || title[i] == 'X')) ++i;
    if (i == 0) return {};
    while (i < title.size() && title[i] >= 'a' && title[i] <= 'z') ++i;
    if (i >= title.size() || title[i] != '.') return {};
    return title;
}

}  // namespace

void start_report_field_count(Int report_unit) {
    counting = true;
    counted_unit = report_unit;
    pending = 0;
    found = {};
    section.clear();
}

void stop_report_field_count() {
    counting = false;
    pending = 0;
}

NonFiniteFields report_non_finite_fields() { return found; }

std::string non_finite_fields_warning(const NonFiniteFields& f) {
    const std::string where = f.first_section.empty() ? std::string("on the title page")
                                                      : "in section " + f.first_section;
    const std::string what = f.count == 1 ? " report field is NaN or Infinity (the first "
                                          : " report fields are NaN or Infinity (the first ";
    return " ++> Warning: " + std::to_string(f.count) + what + where +
           "): the case holds values the analysis cannot use.";
}

void note_non_finite_field() {
    if (counting) ++pending;
}

void note_record_written(Int unit, std::string_view text) {
    if (!counting) return;
    if (unit == counted_unit) {
        if (const std::string_view title = heading_title(text); !title.empty()) section.assign(title);
        if (pending > 0) {
            if (found.count == 0) found.first_section = section;
            found.count += pending;
        }
    }
    pending = 0;
}

}  // namespace brevant
