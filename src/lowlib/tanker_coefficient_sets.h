// The built-in tanker coefficient sets of the wind and current models: Fourier sets of 11 x 3 reals
// in the layout of CoefficientSet (column 1 the Cx cosine series a0 .. a10, columns 2 and 3 the Cy
// and Cz sine series b1 .. b10, entry 11 zero), constants of the program.
#pragma once

#include "lowlib/heading_functions.h"
#include "sysutl/ftypes.h"

namespace brevant {

// Wind sets of the tanker model: large tanker with conventional (CNV) or cylindrical (CYL) bow,
// small tanker (SML); ballasted (BAL, 32 % freeboard-based load) or loaded (LOD, 100 %).
enum class WindSet { CNVBAL, CNVLOD, CYLBAL, CYLLOD, SMLBAL, SMLLOD };
inline constexpr int kWindSetCount = 6;

const CoefficientSet& wind_set(WindSet set);

// Current sets. OCIMF '77 by depth over draft (digits: ratio x 100) for the conventional (CNV) and
// the cylindrical (CYL) bow; NSMB '91 by depth over full-load draft (105 = 1.05, 11 = 1.1, 12 = 1.2,
// 15 = 1.5, 30 = 3.0, 44 = 4.4) loaded (L) or ballasted (B, 40 %), with bulb (WB) or without (NB),
// BLST44 the one ballast set at 4.4 for both bows; LCY11 the extreme cylindrical bow.
enum class CurrentSet {
    CNV105,
    CYL105,
    CNV110,
    CYL110,
    CNV120,
    CYL120,
    CNV150,
    CYL150,
    CNV300,
    CYL300,
    CNV600,
    CYL600,
    LNB105,
    BNB105,
    LWB105,
    BWB105,
    LNB11,
    BNB11,
    LWB11,
    BWB11,
    LNB12,
    BNB12,
    LWB12,
    BWB12,
    LWB15,
    BWB15,
    LNB15,
    BNB15,
    LWB30,
    BWB30,
    LNB30,
    BNB30,
    LWB44,
    BLST44,
    LNB44,
    LCY11
};
inline constexpr int kCurrentSetCount = 36;

const CoefficientSet& current_set(CurrentSet set);

// The mean Cx cosine series (a0 .. a10) of the 40 % load condition, used as the ballast Cx at the
// depth points 1.05 to 3.0 by the NSMB model with the mean curve.
using CoefficientColumn = FArray<Real, 11>;
const CoefficientColumn& BLSTMN();

}  // namespace brevant
