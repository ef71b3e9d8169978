// PENDING: the entry points are in place so that the dispatch can reach them; their models come
// with the ship hull (characteristics, forces, RAOs) and with the hull report pages (summary and output pages).
#include "vessels/ship/ship_hull.h"

namespace brevant {

// PENDING: characteristics not built yet.
void SHPCHR() {}
// PENDING: exciting forces not built yet.
void SHPFRC(Int& /*NPASS2*/) {}
// PENDING: RAOs not built yet.
void SHPRAO() {}
// PENDING: summary page not built yet.
void SHPSUM() {}
// PENDING: output page not built yet.
void SHPOUT() {}

}  // namespace brevant
