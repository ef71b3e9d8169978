// The one free-format (list-directed) read of a record from a file unit, shared by every reader
// of option files and user tables.
#pragma once

#include <vector>

#include "sysutl/fortran_format.h"
#include "sysutl/ftypes.h"

namespace brevant {

// Reads one list from UNIT: starts on a new line and goes on over the next lines while the list is
// incomplete; the rest of the last line read is ignored. Values are separated by blanks, commas or
// tabs; an empty value keeps its variable; '/' ends the list. False at the end of the file or on an
// unreadable value (variables read before it keep their new values).
bool read_free(Int unit, const std::vector<ListTarget>& targets);

// How a free-format read of a record ended.
enum class FreeRead { Complete, EndOfFile, Unreadable };

// read_free telling the end of the file from an unreadable value, and adding the lines it took
// (the line of the unreadable value included) to LINES.
FreeRead read_free_counted(Int unit, const std::vector<ListTarget>& targets, Int& lines);

}  // namespace brevant
