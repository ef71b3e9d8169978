// The wave report "WAVEOUT.stxt" (or the console): the regular-wave kinematics of every period of
// the case and, with the sea or the swell on, their spectra on the period list and the spectra of
// their wave groups.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Writes the wave report (called from the End of Session page, which is drawn again afterwards).
// Fills the grid, the spectra and the peak values of WAVCOM and sets LBACK; every other word of the
// case stays as it was, whatever the report meets (a range message returns to the caller). A
// report on file that cannot be finished (a message about its spectra) leaves an earlier
// "WAVEOUT.stxt" as it was: the file takes its name only once every page is written.
void WAVOUT();

// Group speed of a regular wave of circular frequency W and wave number WVK in water of depth
// DEPTH under gravity G: 0.5 G (q / cosh q + sinh q) / (W cosh q) with q = WVK DEPTH below 80,
// half the phase speed W / WVK from there on.
Real wave_group_speed(Real W, Real WVK, Real DEPTH, Real G);

}  // namespace brevant
