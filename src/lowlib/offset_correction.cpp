// PENDING: the table search of the energy-equivalent offset is being built with the net
// environmental force; until it lands the linear offset is returned unchanged.
#include "lowlib/offset_correction.h"

namespace brevant {

// PENDING: energy table search not built yet: DXNLIN = DXLIN, MIN = 1.
void NLNCOR(std::span<const Real> /*ERG*/, Real /*EQB*/, std::span<const Real> /*OFFSET*/, Real DXLIN,
            Real& DXNLIN, Real /*SPRNGK*/, Real /*FENV*/, Real /*EQLOFF*/, Int /*NERG*/, Int& MIN,
            Logical /*LSPM*/, Int /*IOSCRN*/) {
    DXNLIN = DXLIN;
    MIN = 1;
}

}  // namespace brevant
