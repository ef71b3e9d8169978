// PENDING: the entry points are in place so that the dispatch can reach them; their models come
// with member-built hull II (forces, RAOs). SEMCHR is built in semi_characteristics.cpp, the report
// pages SEMSUM and SEMOUT in semi_pages.cpp.
#include "vessels/semi/member_built_hull.h"

namespace brevant {

// PENDING: exciting forces not built yet.
void SEMFRC(Int& /*NPASS2*/) {}
// PENDING: RAOs not built yet.
void SEMRAO() {}

}  // namespace brevant
