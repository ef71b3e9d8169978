// Relative motions at points of the hull for one wave system: point motions and accelerations, the
// hull's motion relative to the incident wave, the per-frequency drag-transfer arrays that the
// wave-drift and viscous-drag loads read, and on request the statistics folded into PASCOM.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// From the six RAOs of the current heading RAOANG(IRAO) in the motion pool, for the wave system
// IWAVID (1 the irregular sea, 2 the first swell, 3 the second swell): column IWAVID of HOR_WAV_RAO,
// ANG_WAV_RAO, RLRAO2, RLRAOH2, FDRGLAT, MDRGLAT and (except for ship hulls) HRAO at every grid
// point. VESANG is the vessel heading in radians. With DOSPEC the RMS values and rates are combined
// root-sum-square into PASCOM and the covariances added; bandwidths and peak periods are those of
// the sea (the first swell when irregular waves are off). IW is left at NWP + 1. Another IWAVID
// writes a message, pauses and ends the run before anything is written.
void RELRAO(Real VESANG, Logical DOSPEC, Int IWAVID);

}  // namespace brevant
