// Free-surface correction of the added mass of a horizontal member: a conformal map of the
// member's section fitted to its thickness-to-width ratio at its depth, and the factor formed from
// three power series in the map's ratio.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Parameters handed from the added-mass computation to the root function of the map search.
struct TempCm {
    Real DCNTR;  // 4 x (draft - height of the member's centre) / section thickness
    Real BOVRA;  // section thickness over width
};
extern TempCm TEMPCM;

// Outcome codes of SRFCOR beyond the factor itself.
inline constexpr Int SRFCOR_OK = 0;
inline constexpr Int SRFCOR_NO_CONVERGENCE = 1;  // the map search spent its iterations
inline constexpr Int SRFCOR_NO_BRACKET = 2;      // no sign change between the search limits
inline constexpr Int SRFCOR_MAP_REFUSED = 3;     // the map check failed and the user answered "A"

// The correction factor MASFAC for member ICYL, messages on IOSCRN, the caller's pause flag WRNFLG.
// When the map cannot be found, or the user abandons a failed map, the message is written and IER
// tells the caller, which reports the member: the program is not ended, so edits are not lost.
void SRFCOR(Real& MASFAC, Int ICYL, Int IOSCRN, Int& WRNFLG, Int& IER);

// Root function of the map search: the mapped section's width times BOVRA less its thickness.
Real BAFUN(Real& DMAP);
Real THICK(Real C1, Real DMAP2);
Real WIDE(Real C1, Real DMAP2);
Real C1FUN(Real DMAP, Real DMAP2, Real DCNTR);

// Sum over n of n q^(n M) (1 + s) / (1 - s), s = |q^n| with the sign of PLSMIN, until a term is
// at most EPS in magnitude (that term included) or MAXITR terms (IER 1). ERVAL is the last term.
void DUMSUM(Real& SUM, Real Q, Int MVAL, Real EPS, Int MAXITR, Int& IER, Real& ERVAL, Real PLSMIN);

}  // namespace brevant
