// Reading the rows of a user spectrum file.
#include "numeric/user_spectrum_rows.h"

#include <algorithm>
#include <limits>

#include "numeric/table_search.h"

namespace brevant {

bool read_spectrum_rows(UserTableFile& file, Int max_points, SpectrumLookups lookups, Real* WARRAY, Real* WSPEC,
                        Int& count) {
    if (!file.open()) return false;
    Int n = 0;
    if (!file.read_count(n, 2, max_points, "points")) return false;
    Int second_line = 0;
    for (Int i = 1; i <= n; ++i) {
        if (!file.read_record({ListTarget::of(WARRAY[i - 1]), ListTarget::of(WSPEC[i - 1])})) return false;
        if (!file.check_order(i < 2 || keeps_order(WARRAY, i), "frequencies")) return false;
        if (i == 2) second_line = file.lines();
    }
    const Real first = WARRAY[0];
    const Real last = WARRAY[n - 1];
    constexpr Real kAny = std::numeric_limits<Real>::infinity();
    const bool inside = lookups == SpectrumLookups::InsideTable;
    const Int picked =
        empty_interval_picked(WARRAY, n, inside ? std::min(first, last) : -kAny, inside ? std::max(first, last) : kAny);
    if (!file.check_interval(picked != 0, picked == 1 ? second_line : file.lines(), "frequencies")) return false;
    count = n;
    return true;
}

}  // namespace brevant
