// PENDING: stand-in for the net environmental force by heading (issue 28). It gives every source
// and the net load 0 for each angle and writes no row, so that the net-force pages show their heads
// and the run goes on; the real routine replaces this file.
#include "lowlib/net_environmental_forces.h"

namespace brevant {

void GET_LF_NET_FORCES(Int /*IOUNIT*/, Int /*IXYZ*/, Real* NET, Real* WIND, Real* CRNT, Real* WAVDFT, Real* WAVDRG,
                       Real* SWLDFT, Real* SWLDRG, Real* SWLDFT2, Real* SWLDRG2, Real* FEXT, Int NUMBRVQ,
                       const Real* /*ANGLES*/, Int /*LARR*/, Real /*START*/) {
    for (Int I = 0; I < NUMBRVQ; ++I) {
        for (Real* a : {NET, WIND, CRNT, WAVDFT, WAVDRG, SWLDFT, SWLDRG, SWLDFT2, SWLDRG2, FEXT}) a[I] = 0.0f;
    }
}

}  // namespace brevant
