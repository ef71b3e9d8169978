// The wave report "WAVEOUT.stxt": regular-wave kinematics of every period of the case.
#pragma once

namespace brevant {

// Writes the wave report (called from the End of Session page, which is drawn again afterwards).
void WAVOUT();

}  // namespace brevant
