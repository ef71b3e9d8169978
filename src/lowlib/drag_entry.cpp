// PENDING: stand-in for the viscous drag entry (the ship-hull and member-hull drag models come with
// the viscous drag work). Until then it reports no drag and no interaction: FOUTD = FOUTR = 0 in
// both modes, so the net loads hold the wave drift alone.
#include "lowlib/drag_entry.h"

namespace brevant {

void DRAGF(Int /*LVARST*/, Int /*LCOMP*/, Real /*RELANG*/, const Real* /*PSD*/, Real& /*WC*/, Real& FOUTD, Real& FOUTR,
           Int /*IWAVID*/) {
    FOUTD = 0.0f;
    FOUTR = 0.0f;
}

}  // namespace brevant
