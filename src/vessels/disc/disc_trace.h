// The raw-value trace lines of the disc-buoy routines on the console unit (debug level NBUG 1):
// a label line, then the values six to a line.
#pragma once

#include <initializer_list>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

void disc_trace_label(Int unit, std::string_view label);
void disc_trace_reals(Int unit, std::initializer_list<Real> values);
void disc_trace_ints(Int unit, std::initializer_list<Int> values);

}  // namespace brevant
