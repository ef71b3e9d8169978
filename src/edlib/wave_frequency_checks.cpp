// Periods too short for the dispersion solver.
#include "edlib/wave_frequency_checks.h"

#include <cmath>
#include <string>
#include <string_view>

#include "lowlib/load_constants.h"
#include "numeric/wave_number.h"
#include "sysutl/two_pi.h"

namespace brevant {

bool wave_number_computable(Real PERIOD, Real DEPTH, Real G) {
    if (!std::isfinite(PERIOD) || !(std::isfinite(DEPTH) && DEPTH > 0.0f)) return true;
    // The frequency in the run's own single-precision steps (2 pi / T, then times the square root of
    // depth over gravity), handed to the run's own root search: a bound computed apart from them
    // would miss, by its rounding, periods at the edge on one side or the other.
    const Real W = kTwoPi / PERIOD;
    const Real OMEGA = W * std::sqrt(DEPTH / G);
    Real kh = 0.0f;
    return wave_number_search(OMEGA, kh) == 0 && std::isfinite(kh);
}

namespace {

void too_short(std::vector<RunInputFinding>& found, std::string_view name, Int page, Int item, std::string_view what) {
    found.push_back({where(name, page, item) + std::string(what) + " too short to compute",
                     "     in this water depth (page 1, item 4)."});
}

}  // namespace

void period_table_wave_number_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    const Real G = gravity(t.NUNTS);
    // A period of 0 in the first row, which the spacing test of the table lets pass, is one of these.
    // A count beyond the table's 100 periods is refused on its own, with its value.
    const Int NWP = t.NWP <= 100 ? t.NWP : 0;
    for (Int i = 1; i <= NWP; ++i) {
        if (!wave_number_computable(t.T(i), t.DEPTH, G)) {
            too_short(found, "Table of wave periods", 11, 2, " holds a period");
            break;
        }
    }
}

void wave_frequency_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    const Real G = gravity(t.NUNTS);
    period_table_wave_number_findings(t, found);
    // A specified period of 0 or below is refused by the consistency checks already.
    struct Natural {
        Int specified;
        Real period;
        Int item;
        const char* name;
    };
    const Natural naturals[] = {{t.LHVPRD, t.HEVPRD, 8, "Heave period"},
                                {t.LPTPRD, t.PITPRD, 10, "Pitch period"},
                                {t.LRLPRD, t.ROLPRD, 12, "Roll period"}};
    for (const Natural& n : naturals)
        if (n.specified != 0 && n.period > 0.0f && !wave_number_computable(n.period, t.DEPTH, G))
            too_short(found, n.name, 4, n.item, " is");
}

}  // namespace brevant
