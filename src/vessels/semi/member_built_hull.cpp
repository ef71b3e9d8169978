// PENDING: the summary and output pages of the member-built hull come with the hull report pages;
// the entry points are in place so that the dispatch can reach them. SEMCHR is built in
// semi_characteristics.cpp, SEMFRC in semi_forces.cpp, SEMRAO in semi_raos.cpp.
#include "vessels/semi/member_built_hull.h"

namespace brevant {

// PENDING: summary page not built yet.
void SEMSUM() {}
// PENDING: output page not built yet.
void SEMOUT() {}

}  // namespace brevant
