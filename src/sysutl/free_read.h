// The one free-format (list-directed) reader of text files: user tables and option files read
// their numbers through it, one read statement at a time.
#pragma once

#include <vector>

#include "sysutl/fortran_format.h"
#include "sysutl/ftypes.h"

namespace brevant {

// One free-format read on a unit opened for reading: it starts on a new line and goes on over the
// following lines until every target has a value (or a '/' ends the list); values left on the last
// line are dropped. False at the end of the file or on an unreadable value.
bool read_free(Int unit, const std::vector<ListTarget>& targets);

}  // namespace brevant
