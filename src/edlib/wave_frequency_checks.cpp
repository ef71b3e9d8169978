// Periods too short for the dispersion solver.
#include "edlib/wave_frequency_checks.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "lowlib/load_constants.h"
#include "lowlib/waves_in_current.h"
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

namespace {

// With a current the drift of the waves takes the wave number in the current, k h from the run's
// search at the frequency w sqrt(h / g) and the current along the waves over sqrt(g h): in water so
// deep that a period of the table has no such wave number (the search's bracket w h / U, or its
// steps, leaving single precision) the depth cannot be computed with. The current along the waves of
// each system that is on, from its heading, as the drift of its waves takes it; the search is the
// run's only where that part is at least 0.0001 (ft/s or m/s).
void current_wave_number_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    if (t.LCURNT == 0 || !std::isfinite(t.CURSPD) || !std::isfinite(t.CURHDG) || !(std::isfinite(t.DEPTH) && t.DEPTH > 0.0f))
        return;
    const Int NWP = t.NWP >= 1 && t.NWP <= 100 ? t.NWP : 0;
    for (Int i = 1; i <= NWP; ++i)
        if (!(std::isfinite(t.T(i)) && t.T(i) != 0.0f)) return;  // refused on their own
    const Real G = gravity(t.NUNTS);
    const Real speed = t.CURSPD * (t.NUNTS == 1 ? 0.5142f : 1.687f);
    std::vector<Real> headings;
    if (t.LRANDM == 1) headings.push_back(t.SEAHDG(1));
    if (t.LSWELL == 1) headings.push_back(t.SWLHDG);
    if (headings.empty()) headings.push_back(180.0f);
    const LocalCs kept = LOCALCS;
    bool refused = false;
    for (Real heading : headings) {
        if (!std::isfinite(heading)) continue;
        const Real along = speed * std::cos((heading - t.CURHDG) / 57.295776f);
        if (!(std::fabs(along) >= 0.0001f)) continue;
        for (Int i = 1; i <= NWP && !refused; ++i) {
            Real kh = 0.0f;
            const Real OMEGA = kTwoPi / t.T(i) * std::sqrt(t.DEPTH / G);
            refused = current_wave_number_search(OMEGA, along / std::sqrt(G * t.DEPTH), kh) != 0 || !std::isfinite(kh);
        }
    }
    LOCALCS = kept;
    if (refused)
        found.push_back({where("Water depth", 1, 4) + " is too large for the wave numbers",
                         "     in the current (page 10, item 1) to compute."});
}

}  // namespace

void wave_frequency_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    const Real G = gravity(t.NUNTS);
    period_table_wave_number_findings(t, found);
    current_wave_number_findings(t, found);
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
