// PENDING: the entry points are in place so that the dispatch can reach them; their models come
// with the disc-buoy hull (characteristics, forces, RAOs) and with the disc-buoy springs and pages (summary and output pages).
#include "vessels/disc/disc_buoy_hull.h"

namespace brevant {

// PENDING: characteristics not built yet.
void DSKCHR() {}
// PENDING: exciting forces not built yet.
void DSKFRC(Int& /*NPASS2*/) {}
// PENDING: RAOs not built yet.
void DSKRAO() {}
// PENDING: summary page not built yet.
void DSKSUM() {}
// PENDING: output page not built yet.
void DSKOUT() {}

}  // namespace brevant
