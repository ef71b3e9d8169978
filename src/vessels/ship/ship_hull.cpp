// The ship's report pages, page I and page II. The characteristics, forces and RAO entry points live
// in ship_characteristics.cpp, ship_forces.cpp and ship_raos.cpp.
#include "vessels/ship/ship_hull.h"

namespace brevant {

// PENDING: summary page not built yet (it comes with the hull report pages).
void SHPSUM() {}
// PENDING: output page not built yet (it comes with the hull report pages).
void SHPOUT() {}

}  // namespace brevant
