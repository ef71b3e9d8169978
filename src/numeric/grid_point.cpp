// The grid index of a frequency.
#include "numeric/grid_point.h"

#include <algorithm>
#include <cmath>

#include "numeric/table_search.h"
#include "records/data_image.h"
#include "sysutl/two_pi.h"

namespace brevant {

void GRIDPT(Real OMEGA, Int& JJ) {
    const Real* T = TPCM.T.data();
    auto t = [T](Int i) { return T[i - 1]; };
    // The count comes from the data file: the list holds 100 periods, and one period is its own answer
    // (there is no second entry to compare with).
    const Int NWP = std::min<Int>(TPCM.NWP, 100);
    if (NWP <= 1) {
        JJ = 1;
        return;
    }
    const bool LUP = !(t(1) - t(NWP) > 0.0f);
    // An infinite period lies beyond the longest end of the list: its limit, taken explicitly.
    if (OMEGA == 0.0f) {
        JJ = LUP ? NWP : 1;
        return;
    }
    const Real PERIOD = kTwoPi / OMEGA;
    Int IER = 0;
    Int MIN = 1;
    BSRCH(T, PERIOD, IER, MIN, NWP);
    JJ = MIN;
    if (0.5f * std::fabs(t(MIN + 1) - t(MIN)) > std::fabs(t(MIN + 1) - PERIOD)) JJ = MIN + 1;
    if (MIN == 1 && (LUP ? PERIOD < t(1) : PERIOD > t(1))) {
        JJ = 1;
    } else if (MIN + 1 == NWP && (LUP ? PERIOD > t(NWP) : PERIOD < t(NWP))) {
        JJ = NWP;
    }
}

}  // namespace brevant
