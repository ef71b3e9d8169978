// PENDING: the summary and output pages of the disc buoy come with the disc-buoy springs and pages.
// The characteristics, forces and RAOs are in disc_characteristics.cpp, disc_forces.cpp and
// disc_raos.cpp.
#include "vessels/disc/disc_buoy_hull.h"

namespace brevant {

// PENDING: summary page not built yet.
void DSKSUM() {}
// PENDING: output page not built yet.
void DSKOUT() {}

}  // namespace brevant
