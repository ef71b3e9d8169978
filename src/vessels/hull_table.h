// The real hull models as a table of entry points, for the analysis run to install in the hull
// dispatch of the motion library (which never names them itself).
#pragma once

#include "veslib/hull_dispatch.h"

namespace brevant {

// Ship SHP..., jack-up JCK..., member-built hull SEM..., disc buoy DSK... entry points.
HullTable real_hull_table();

}  // namespace brevant
