// The bisection step shared by the table searches (plain and layered, single and double precision).
#pragma once

#include "sysutl/ftypes.h"

namespace brevant::detail {

// Lower index MIN (1 .. NWP-1) of the interval holding WP; ENTRY(i) gives table entry i. The
// first halving comes before the first test, so NWP = 1 gives MIN = 1.
template <typename Entry, typename Value>
Int table_bisection(const Entry& ENTRY, Value WP, Int NWP, bool LUP) {
    Int MAX = NWP;
    Int MIN = 1;
    do {
        const Int NTRIAL = (MIN + MAX) / 2;
        if (ENTRY(NTRIAL) >= WP) {
            if (LUP)
                MAX = NTRIAL;
            else
                MIN = NTRIAL;
        } else {
            if (LUP)
                MIN = NTRIAL;
            else
                MAX = NTRIAL;
        }
    } while (MAX - MIN > 1);
    return MIN;
}

}  // namespace brevant::detail
