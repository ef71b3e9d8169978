// Section headings of the analysis report and the words of its NaN and Infinity warning.
#include "core/report_guard.h"

#include <string>

namespace brevant {

std::string_view report_section_title(std::string_view line) {
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

std::string non_finite_fields_warning(const NonFiniteFields& f) {
    return " ++> Warning: " + non_finite_fields_found(f) + ": the case holds values the analysis cannot use.";
}

}  // namespace brevant
