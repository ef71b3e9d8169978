// The wave report "WAVEOUT.stxt" (or the console): the regular-wave kinematics of every period of
// the case and, with the sea or the swell on, their spectra on the period list and the spectra of
// their wave groups.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "sysutl/ftypes.h"

namespace brevant {

// Writes the wave report (called from the End of Session page, which is drawn again afterwards).
// Fills the grid, the spectra and the peak values of WAVCOM and sets LBACK; every other word of the
// case stays as it was, whatever the report meets (a range message returns to the caller). A
// report on file that cannot be finished (a message about its spectra) leaves an earlier
// "WAVEOUT.stxt" as it was: the file takes its name only once every page is written.
// REFUSALS are the findings of the checks before the run about the words the report computes from,
// each its lines, that the caller found: after the report's own tests of the depth and the periods,
// any of them is shown as the checks show it, with one pause, and nothing is written. A report that
// would still hold a field of NaN or Infinity is not written either: the screen says how many such
// fields there are and on which page the first stands, with one pause (on the console, where the
// pages have been shown, it says so after them).
void WAVOUT(std::span<const std::vector<std::string>> REFUSALS = {});

// Group speed of a regular wave of circular frequency W and wave number WVK in water of depth
// DEPTH under gravity G: 0.5 G (q / cosh q + sinh q) / (W cosh q) with q = WVK DEPTH below 80,
// half the phase speed W / WVK from there on.
Real wave_group_speed(Real W, Real WVK, Real DEPTH, Real G);

}  // namespace brevant
