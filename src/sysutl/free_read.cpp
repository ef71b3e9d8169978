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
    // The read goes on where the last line left it, so a record spread over many lines (blank ones
    // in plenty) costs time in its length, not in its length squared.
    ListCursor cursor;
    for (;;) {
        if (!read_unit_line(unit, line)) return FreeRead::EndOfFile;
        ++lines;
        if (!text.empty()) text += ' ';  // the end of a line separates values
        text += line;
        const ListResult r = read_list(text, targets, cursor);
        if (r.status == ListStatus::Complete) return FreeRead::Complete;
        if (r.status == ListStatus::Unreadable) return FreeRead::Unreadable;
    }
}

}  // namespace brevant
