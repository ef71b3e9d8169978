// Free-format reads of whole records from file units.
#include "sysutl/free_read.h"

#include <string>

#include "sysutl/units.h"

namespace brevant {

bool read_free(Int unit, const std::vector<ListTarget>& targets) {
    Int lines = 0;
    return read_free_counted(unit, targets, lines) == FreeRead::Complete;
}

FreeRead read_free_counted(Int unit, const std::vector<ListTarget>& targets, Int& lines) {
    std::string text;
    std::string line;
    for (;;) {
        if (!read_unit_line(unit, line)) return FreeRead::EndOfFile;
        ++lines;
        if (!text.empty()) text += ' ';  // the end of a line separates values
        text += line;
        // The text so far is read again from its start each time: it gives the same values again.
        const ListResult r = read_list(text, targets);
        if (r.status == ListStatus::Complete) return FreeRead::Complete;
        if (r.status == ListStatus::Unreadable) return FreeRead::Unreadable;
    }
}

}  // namespace brevant
