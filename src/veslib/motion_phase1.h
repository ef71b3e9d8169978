// Motion phase 1 of an analysis run (VESL1): gravity and densities, mean period and extreme-value
// factors, the motion pool, the directional spreading, the relative headings, the frequency grid
// with its wave numbers, the hull's characteristics and resonance pass and its pages; and the
// spreading integrand COSPWR.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The unit of the vessel summary file ("KORVSUM.stxt" and the others). The report unit IUNIT 1
// already holds the run's report file, so the summary file has a unit of its own.
inline constexpr Int kMotionSummaryUnit = 1103;

// Largest number of relative wave headings phase 1 accepts.
inline constexpr Int MAXRAO = 498;

// Reads TPCM and WAVCOM (G, the grid, SWH, TPK and the spectra set by the analysis core) and
// leaves its results in WAVCOM, HIMEM and the TPCM words NSEAHT, NSEAHG, NUM_SWEL, NA, WPITCH and
// NBUG. Hull routines are reached through the hull dispatch. With NEGSUM 0 and IUNIT 1 the title,
// summary and output pages go to the vessel summary file on kMotionSummaryUnit (the hull page
// routines see it as TPCM.IUNIT while they run); IUNIT is as before when phase 1 returns.
void VESL1();

// |cos X|^n, n from word 1 of LOCALCS (phase 1 stores COSEXP there), or 0 where |cos X| is not
// above 1.0e-10. X in radians.
Real COSPWR(Real& X);

// Back to the state at program start: the natural-period check of the first call not yet made.
void reset_vesl1();

}  // namespace brevant
