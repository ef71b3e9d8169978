#include "vessels/disc/disc_line_calls.h"

#include "mooring/line_statics.h"

namespace brevant {

namespace {

DiscLineCalls real_calls() { return DiscLineCalls{LINDRV, DYNSPR, NLNCOR, DYNCOD}; }

DiscLineCalls CALLS = real_calls();

}  // namespace

DiscLineCalls& disc_line_calls() { return CALLS; }

void reset_disc_line_calls() { CALLS = real_calls(); }

}  // namespace brevant
