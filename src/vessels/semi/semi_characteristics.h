// Characteristics of a member-built hull (semi-submersible, TLP): SEMCHR builds the member table
// SIMCOM, the hydrostatic estimates, the HIMEM particulars and the PASCOM summaries; DIMADJ picks
// the width and length of a member section for its drag moment.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Declared with the other hull entry points in member_built_hull.h:
//   void SEMCHR();
// It reads the data image, WAVCOM.G and the PASCOM set-down and tendon words; it writes SIMCOM
// (entries of wet members, the square-law constants), the estimate words 1426-1434 of the data
// image, the HIMEM particulars and natural frequencies, and PASCOM words 1-5 and 9-12. On its first
// call it compares the typed hydrostatics with the estimates. An abort answer ends the program
// (status 0).

// WIDTH = DIM(INDEX); LENGTH = the larger of DIM(m) and DIM(n), m = (INDEX mod 3) + 1,
// n = (m mod 3) + 1; DIM(n) on a tie or when the comparison fails (a NaN).
//   DIM     in   three section dimensions
//   LENGTH  out  the larger of the two other dimensions
//   WIDTH   out  the dimension along the axis INDEX (1 .. 3)
void DIMADJ(const Real* DIM, Real& LENGTH, Real& WIDTH, Int INDEX);

// Axes of a member from its base-to-top vector MEMVEC and the vertical component DIRVEC3 of its unit
// vector: THETAM = -arccos(DIRVEC3) (-pi/2 when MEMVEC has no vertical component), PHIM =
// -atan2(dy, dx) (0 for a vertical member), and ROTMAT (3 x 3 by columns, rows the member axes in
// vessel axes): (ct cp, sp, -st cp), (-ct sp, cp, st sp), (st, 0, ct).
void member_axes(const Real* MEMVEC, Real DIRVEC3, Real& THETAM, Real& PHIM, Real* ROTMAT);

// Sets the three once-per-run switches of SEMCHR back to their start (tests start a fresh "run").
void reset_semi_characteristics();

}  // namespace brevant
