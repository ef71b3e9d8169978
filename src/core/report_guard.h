// The report's side of its NaN and Infinity guard: which report lines open a section, and the one
// line that tells the user of such fields. The count itself runs in the formatting kit's hooks.
#pragma once

#include <string>
#include <string_view>

#include "sysutl/report_field_guard.h"

namespace brevant {

// The title of a section heading ("  *****  VIIs. Spectral Values: ...  *****"): a run of
// asterisks, a label of Roman numerals with an optional sub-section letter and a point, the title,
// asterisks. Empty for any other line, a row whose first field overflowed into asterisks included.
std::string_view report_section_title(std::string_view line);

// The warning on the console and as the report's last line: the count and the first section.
std::string non_finite_fields_warning(const NonFiniteFields& found);

}  // namespace brevant
