// PENDING: the entry points are in place so that the dispatch can reach them; their models come
// with member-built hull II (forces, RAOs) and with the hull report pages (summary and output pages).
// SEMCHR is built in semi_characteristics.cpp.
#include "vessels/semi/member_built_hull.h"

namespace brevant {

// PENDING: exciting forces not built yet.
void SEMFRC(Int& /*NPASS2*/) {}
// PENDING: RAOs not built yet.
void SEMRAO() {}
// PENDING: summary page not built yet.
void SEMSUM() {}
// PENDING: output page not built yet.
void SEMOUT() {}

}  // namespace brevant
