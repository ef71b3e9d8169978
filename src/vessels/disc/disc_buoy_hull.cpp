// PENDING: the entry points are in place so that the dispatch can reach them; their models come
// with the disc-buoy hull (characteristics, forces, RAOs). The report pages DSKSUM and DSKOUT are in
// disc_pages.cpp.
#include "vessels/disc/disc_buoy_hull.h"

namespace brevant {

// PENDING: characteristics not built yet.
void DSKCHR() {}
// PENDING: exciting forces not built yet.
void DSKFRC(Int& /*NPASS2*/) {}
// PENDING: RAOs not built yet.
void DSKRAO() {}

}  // namespace brevant
