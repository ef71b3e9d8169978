// The free-format reader over the lines of a unit.
#include "sysutl/free_read.h"

#include <string>

#include "sysutl/units.h"

namespace brevant {

bool read_free(Int unit, const std::vector<ListTarget>& targets) {
    std::string text;
    std::string line;
    for (;;) {
        if (!read_unit_line(unit, line)) return false;
        if (!text.empty()) text += ' ';  // the end of a line separates values
        text += line;
        // The text so far is read again from its start each time: it gives the same values again.
        const ListResult r = read_list(text, targets);
        if (r.status == ListStatus::Complete) return true;
        if (r.status == ListStatus::Unreadable) return false;
    }
}

}  // namespace brevant
