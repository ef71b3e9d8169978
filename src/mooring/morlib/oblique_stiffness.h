// The stiffness of one mooring line along the direction of the line at its fairlead, read from the
// line statics tables: the fairlead is moved along the line by a small step and by plus and minus the
// dynamic amplitude, and the tension changes give the static and catenary stiffness along that
// direction and, for each excursion, a quadratic stiffening term with the catenary displacement.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

using LineTable = FArray<Real, 90, 29, 150>;  // statics table: point, layer, line type

// FOBLQ for line ILINE of type ITYP at the anchor distance RANCQ, the fairlead moving along the line
// (horizontal and vertical shares FXCOMP, FZCOMP) by the amplitude EXTNSN.
//   KCAT, KELAS        in   catenary (1.23e23: infinitely stiff) and elastic stiffness of the line
//   ANCDST, TOPANG, TOPTEN, HLOAD   in  the statics tables and their horizontal tensions
//   TOTWT, ANCHGT, RFLD             in  per line type; a line with no horizontal tension at a displaced
//                      position hangs vertically over RFLD(3, ITYP) - ZMCTR + ANCHGT(ITYP) + dz
//   MIDLYR, DLAYER, NLAYER, NTAB, ZSPAN   in  the layers and points of the tables
//   XMCTR, YMCTR       in   not read
//   IOSCRN, KBD        in   message unit (41 silent) and keyboard of the questions
//   RFORCE, FGZTMP     out  horizontal tension and vertical fairlead force at the last (-EXTNSN) position
//   KSTATN, KCATO      out  static and catenary stiffness along the line (from the step of pass 1)
//   SIGCP, SIGCM       out  quadratic stiffness coefficient of the positive and negative excursion
//   YCATP, YCATM       out  their catenary displacements
// Warnings (each followed by its question; "A" ends the program, status 1): the step search needing
// more than 100 doublings (asked again after every 100, at most 10 rounds, then the end; with a
// reference tension or series stiffness that is not positive the search cannot end, so its warning is
// written once and the program ends at once); a displaced fairlead outside the layers (once per run);
// a vertical line whose anchor distance and bottom length disagree; KCAT and KCATO more than 50 %
// apart (once per line in a row, silenced for the run by the answer 99 or on the silent unit);
// KCATO not positive (once per run); a negative quadratic term of large effect (once per call,
// silenced by 99 or on the silent unit).
void FOBLQ(Int ILINE, Int ITYP, Real RANCQ, Real EXTNSN, Real KCAT, Real KELAS, const LineTable& ANCDST,
           const LineTable& TOPANG, const LineTable& TOPTEN, const FArray<Real, 150>& TOTWT,
           const FArray<Real, 150>& ANCHGT, const FArray<Real, 90>& HLOAD, const FArray<Real, 3, 150>& RFLD,
           Int MIDLYR, Real DLAYER, Int NLAYER, Int NTAB, Real ZSPAN, Real XMCTR, Real YMCTR, Real ZMCTR, Int IOSCRN,
           Int KBD, Real& RFORCE, Real& FGZTMP, Real& KSTATN, Real FXCOMP, Real FZCOMP, Real& KCATO, Real& SIGCP,
           Real& SIGCM, Real& YCATP, Real& YCATM);

// Forgets the warnings FOBLQ has given in this run (tests start from a fresh run).
void reset_foblq();

}  // namespace brevant
