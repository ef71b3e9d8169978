// The expected lines of a hull page I section, spelled as a table: the tests of the ship and disc
// hydrostatics and of the member-built hull's two halves check their pages line by line with it.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace brevant::testing {

// One line of a section: a labelled value, or (label left out) an empty line.
struct PageRow {
    const char* label = nullptr;  // with its trailing blank; nullptr: an empty line
    const char* value10 = "";     // the F10.2 field as the page writes it
    const char* unit = nullptr;   // nullptr: the unit word of the whole table
};

// The lines of ROWS: 15 blanks, the label led by dots to 39 columns, the value field, the unit word
// (UNIT where the row gives none).
inline std::vector<std::string> page_rows(const std::string& unit, std::initializer_list<PageRow> rows) {
    std::vector<std::string> lines;
    for (const PageRow& r : rows) {
        if (r.label == nullptr) {
            lines.emplace_back();
            continue;
        }
        const std::string label = r.label;
        lines.push_back(std::string(15, ' ') + label + std::string(39 - label.size(), '.') + r.value10 +
                        (r.unit != nullptr ? std::string(r.unit) : unit));
    }
    return lines;
}

}  // namespace brevant::testing
