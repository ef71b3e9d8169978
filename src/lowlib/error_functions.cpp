// The Simpson error functions.
#include "lowlib/error_functions.h"

#include <cassert>
#include <cmath>

namespace brevant {

Real RH_ERFC(Real YY, Int NXP) {
    assert(NXP >= 3 && NXP % 2 == 1);
    if (YY >= 5.5f) return 0.0f;
    const Real DELX = YY / static_cast<Real>(NXP - 1);
    Real SUM = 0.0f;
    for (Int I = 1; I <= NXP; ++I) {
        const Real X = static_cast<Real>(I - 1) * DELX;
        Real FAC = 2.0f;
        if (I % 2 == 0) FAC = 4.0f;
        if (I == 1 || (I == NXP && NXP % 2 == 1)) FAC = 1.0f;
        SUM = SUM + FAC * std::exp(-(X * X));
    }
    return 1.0f - SUM * 1.1283792f * DELX / 3.0f;
}

Real RH_ERF(Real YY, Int NXP) { return 1.0f - RH_ERFC(YY, NXP); }

}  // namespace brevant
