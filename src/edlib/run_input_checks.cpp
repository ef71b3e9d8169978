// The pre-run checks of values a run cannot compute with.
#include "edlib/run_input_checks.h"
#include "edlib/spectrum_parameter_checks.h"
#include "edlib/wave_frequency_checks.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>

#include "edlib/current_load_checks.h"
#include "edlib/current_profile_checks.h"
#include "edlib/run_reads.h"
#include "lowlib/current_profile.h"
#include "lowlib/depth_current_drag.h"
#include "lowlib/load_constants.h"
#include "numeric/table_search.h"
#include "options/low_frequency_rows.h"
#include "options/output_selection.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "records/member_words.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "veslib/wave_spectra.h"

namespace brevant {

namespace {

// The reals of one page item as the case holds them: one value, or the rows of a table as far as
// its count reaches (a count beyond its table is held to the table here and refused on its own).
using Values = std::span<const Real>;

Values one(const Real& v) { return Values(&v, 1); }
template <int N>
Values rows(const FArray<Real, N>& table, Int count) {
    return Values(table.data(), static_cast<std::size_t>(std::clamp<Int>(count, 0, N)));
}

// Sizes the run squares, cubes and raises to the fourth and fifth power (volumes, inertias, added
// masses, moments of the loads about their levers, drag and inertia forces, and the squares of
// those in the spectra), and the factors and coefficients that scale them: held within bounds no
// real vessel or sea reaches, so that those products stay within single precision together. Alone,
// each leaves it only far beyond its bound (a member-built hull's sea from a significant height of
// about 100 km on, a ship from a waterline length of about 1e10 m on). A length
// (coordinate, diameter, lever, gyradius, height of a centre) of 10,000 m, an area of its square, a
// wave height of 1,000 m, each the same size in feet, so that a hull passes alike in either unit; a
// coefficient, factor or load percentage of 1,000. The metacentric heights are no such lengths: a
// long light barge has a longitudinal one of hundreds of thousands of feet.
enum class Bound { None, Length, Area, Coefficient, Height };

constexpr Real kFeetPerMetre = 3.2808399f;

// The bound in the case's own unit.
Real bound_of(Bound bound, Int NUNTS) {
    const Real feet = NUNTS == 1 ? 1.0f : kFeetPerMetre;
    switch (bound) {
        case Bound::Length: return 1.0e4f * feet;
        case Bound::Area: return 1.0e8f * feet * feet;
        case Bound::Coefficient: return 1.0e3f;
        case Bound::Height: return 1.0e3f * feet;
        case Bound::None: break;
    }
    return 0.0f;
}

// A real or a table entered on a page, read from the image, and the bound of its size if it has
// one. Page 0 names the word of the data file of a value that no page of the walk shows.
struct EnteredReals {
    Int page;
    Int item;
    std::string_view name;
    Values (*values)(const Tpcm&);
    Bound bound = Bound::None;
};

constexpr Bound kLength = Bound::Length;
constexpr Bound kCoefficient = Bound::Coefficient;
constexpr Bound kHeight = Bound::Height;

// The custom spectrum table of wave type 8 (one density per period of page 11) is edited from the
// sea's type (page 12, item 2) or the swell's (page 13, item 2): named where the case uses it.
bool swell_table_only(const Tpcm& t) {
    const bool sea = t.LRANDM != 0 && t.WAVTYP == kSpectrumTable;
    const bool swell = t.LSWELL != 0 && (t.SWLTYP == kSpectrumTable || (t.LSWEL2 != 0 && t.SWLTYP2 == kSpectrumTable));
    return swell && !sea;
}
Values custom_spectrum(const Tpcm& t) { return rows(t.USRPSD, t.NWP); }

// The irregular seas the case holds: one sea, or as many as its count of seas (six at most) or, for
// an Ochi-Hubble spectrum, of components (four at most) asks for.
Int sea_count(const Tpcm& t) {
    Int n = std::max<Int>(1, std::clamp<Int>(t.NPARM, 0, 6));
    if (t.WAVTYP == kOchiHubble) n = std::max(n, std::clamp<Int>(t.N_OCHI_COMP, 0, 4));
    return n;
}

// Every real a page of the walk edits, by page and item; tables over their counts. The member table
// of page 5 and the user coefficient tables of page 6 follow in the code below. A value that is not
// a finite number can only come from a damaged file: it is refused whether the run reads it or not.
// The storm duration (a new case has 1 hour; the motion library takes its logarithm) and the semi
// output options' phantom weight are on no page of the walk: their words name them.
const EnteredReals kEnteredReals[] = {
    {1, 4, "Water depth", [](const Tpcm& t) { return one(t.DEPTH); }},
    {1, 5, "Water density", [](const Tpcm& t) { return one(t.DWATR); }},
    {2, 1, "Vessel displacement", [](const Tpcm& t) { return one(t.DISPL); }},
    {2, 2, "Transverse metacentric height", [](const Tpcm& t) { return one(t.VKMT); }},
    {2, 3, "Longitudinal metacentric height", [](const Tpcm& t) { return one(t.VKML); }},
    {2, 4, "Vertical center of buoyancy", [](const Tpcm& t) { return one(t.VKB); }, kLength},
    {2, 5, "Vertical center of gravity", [](const Tpcm& t) { return one(t.VKG); }, kLength},
    {2, 6, "LCG-to-Midships distance", [](const Tpcm& t) { return one(t.CG_to_Midship); }, kLength},
    {2, 7, "Vessel water plane area", [](const Tpcm& t) { return one(t.AWP); }},
    {2, 8, "Length of vessel at waterline", [](const Tpcm& t) { return one(t.LWL); }, kLength},
    {2, 9, "Beam of vessel at waterline", [](const Tpcm& t) { return one(t.BWL); }, kLength},
    {2, 10, "Mean vessel draft", [](const Tpcm& t) { return one(t.DRAFT); }, kLength},
    {3, 1, "Pitch gyradius", [](const Tpcm& t) { return one(t.PGYR); }, kLength},
    {3, 2, "Roll gyradius", [](const Tpcm& t) { return one(t.RGYR); }, kLength},
    {3, 3, "Yaw gyradius", [](const Tpcm& t) { return one(t.YGYR); }, kLength},
    {3, 4, "Bilge radius", [](const Tpcm& t) { return one(t.BILGR); }, kLength},
    {3, 6, "Bilge keel length", [](const Tpcm& t) { return one(t.TKEEL); }, kLength},
    {3, 7, "Bilge keel width", [](const Tpcm& t) { return one(t.RKEEL); }, kLength},
    {3, 8, "Inboard keel-to-vessel centerline distance", [](const Tpcm& t) { return one(t.DKEEL); }, kLength},
    {3, 9, "Forward speed", [](const Tpcm& t) { return one(t.VFWD); }},
    {3, 10, "Global direction of vessel motion", [](const Tpcm& t) { return one(t.VGLDIR); }},
    {3, 11, "Trim angle", [](const Tpcm& t) { return one(t.TRIMDG); }},
    {3, 12, "Heel angle", [](const Tpcm& t) { return one(t.HEELDG); }},
    {4, 2, "Heave damping", [](const Tpcm& t) { return one(t.HVDAMP); }},
    {4, 4, "Pitch damping", [](const Tpcm& t) { return one(t.PTDAMP); }},
    {4, 6, "Roll damping", [](const Tpcm& t) { return one(t.RLDAMP); }},
    {4, 8, "Heave period", [](const Tpcm& t) { return one(t.HEVPRD); }},
    {4, 10, "Pitch period", [](const Tpcm& t) { return one(t.PITPRD); }},
    {4, 12, "Roll period", [](const Tpcm& t) { return one(t.ROLPRD); }},
    {5, 2, "Default member Mx-damping coefficient", [](const Tpcm& t) { return one(t.CCOFDX); }, kCoefficient},
    {5, 3, "Default member My-damping coefficient", [](const Tpcm& t) { return one(t.CCOFDY); }, kCoefficient},
    {5, 4, "Default member Mz-damping coefficient", [](const Tpcm& t) { return one(t.CCOFDZ); }, kCoefficient},
    {6, 7, "Freeboard-based load", [](const Tpcm& t) { return one(t.LOADED); }, kCoefficient},
    {6, 8, "Above-water bow interpolation factor", [](const Tpcm& t) { return one(t.BOWWND); }, kCoefficient},
    {6, 17, "Draft-based load", [](const Tpcm& t) { return one(t.DFTPCT); }, kCoefficient},
    {6, 18, "Below-water bow interpolation factor", [](const Tpcm& t) { return one(t.BOWCUR); }, kCoefficient},
    {6, 27, "Head-on shadowing & geometry factor", [](const Tpcm& t) { return one(t.XSHDOW); }, kCoefficient},
    {6, 28, "Beam-on shadowing & geometry factor", [](const Tpcm& t) { return one(t.YSHDOW); }, kCoefficient},
    {6, 31, "Vessel deadweight", [](const Tpcm& t) { return one(t.DWTONS); }},
    {7, 2, "External force X", [](const Tpcm& t) { return one(t.XVFRC); }},
    {7, 3, "External force Y", [](const Tpcm& t) { return one(t.YVFRC); }},
    {7, 4, "External moment", [](const Tpcm& t) { return one(t.VESMOM); }},
    {7, 6, "External force location X", [](const Tpcm& t) { return one(t.XVLOC); }, kLength},
    {7, 7, "External force location Y", [](const Tpcm& t) { return one(t.YVLOC); }, kLength},
    {8, 2, "Head-on wind drag area", [](const Tpcm& t) { return one(t.XWNDAR); }},
    {8, 3, "Head-on wind drag area centroid (y)", [](const Tpcm& t) { return one(t.XWARM); }, kLength},
    {8, 4, "Head-on wind drag area centroid (z)", [](const Tpcm& t) { return one(t.ZXWARM); }, kLength},
    {8, 5, "Beam-on wind drag area", [](const Tpcm& t) { return one(t.YWNDAR); }},
    {8, 6, "Beam-on wind drag area centroid (x)", [](const Tpcm& t) { return one(t.YWARM); }, kLength},
    {8, 7, "Beam-on wind drag area centroid (z)", [](const Tpcm& t) { return one(t.ZYWARM); }, kLength},
    {8, 8, "Wind force enhancement factor", [](const Tpcm& t) { return one(t.WNDFAC); }, kCoefficient},
    {8, 12, "Head-on current drag area", [](const Tpcm& t) { return one(t.XCURAR); }},
    {8, 13, "Head-on current drag area centroid (y)", [](const Tpcm& t) { return one(t.XCARM); }, kLength},
    {8, 14, "Head-on current drag area centroid (z)", [](const Tpcm& t) { return one(t.ZXCARM); }, kLength},
    {8, 15, "Beam-on current drag area", [](const Tpcm& t) { return one(t.YCURAR); }},
    {8, 16, "Beam-on current drag area centroid (x)", [](const Tpcm& t) { return one(t.YCARM); }, kLength},
    {8, 17, "Beam-on current drag area centroid (z)", [](const Tpcm& t) { return one(t.ZYCARM); }, kLength},
    {8, 18, "Current force enhancement factor", [](const Tpcm& t) { return one(t.CURFAC); }, kCoefficient},
    {8, 21, "Bow shape factor", [](const Tpcm& t) { return one(t.BOWFAC); }, kCoefficient},
    {8, 22, "Stern shape factor", [](const Tpcm& t) { return one(t.STRNFC); }, kCoefficient},
    {8, 23, "Wave reflection head-on enhancement factor", [](const Tpcm& t) { return one(t.WVFCX); }, kCoefficient},
    {8, 24, "Wave reflection beam-on enhancement factor", [](const Tpcm& t) { return one(t.WVFCY); }, kCoefficient},
    {8, 25, "Wave reflection moment enhancement factor", [](const Tpcm& t) { return one(t.WVFCM); }, kCoefficient},
    {8, 26, "Variable wave reflection enhancement factor", [](const Tpcm& t) { return one(t.VWDFAC); }, kCoefficient},
    {8, 31, "Wave absorption head-on enhancement factor", [](const Tpcm& t) { return one(t.WVDGCX); }, kCoefficient},
    {8, 32, "Wave absorption beam-on enhancement factor", [](const Tpcm& t) { return one(t.WVDGCY); }, kCoefficient},
    {8, 33, "Wave absorption moment enhancement factor", [](const Tpcm& t) { return one(t.WVDGCM); }, kCoefficient},
    {8, 34, "Variable wave absorption enhancement factor", [](const Tpcm& t) { return one(t.VWDRGFC); }, kCoefficient},
    {9, 1, "Wind speed", [](const Tpcm& t) { return one(t.WNDSPD); }},
    {9, 2, "Wind direction", [](const Tpcm& t) { return one(t.WNDHDG); }},
    {9, 3, "Wind speed spectral density", [](const Tpcm& t) { return one(t.WNDDEN); }},
    {9, 3, "A.P.I. wind spectrum parameter", [](const Tpcm& t) { return one(t.APIPRM); }},
    {9, 3, "N.P.D. spectral evaluation height", [](const Tpcm& t) { return one(t.WSPEC_HGT); }},
    {10, 1, "Current speed", [](const Tpcm& t) { return one(t.CURSPD); }},
    {10, 2, "Current direction", [](const Tpcm& t) { return one(t.CURHDG); }},
    {10, 5, "Current profile depths", [](const Tpcm& t) { return rows(t.DPTHI, t.NCURNT); }},
    {10, 5, "Current profile speeds", [](const Tpcm& t) { return rows(t.VELI, t.NCURNT); }},
    {10, 6, "Current speed spectral density", [](const Tpcm& t) { return one(t.CURDEN); }},
    {10, 6, "RMS current variation", [](const Tpcm& t) { return one(t.RMS_CRNT); }},
    {11, 2, "Table of wave periods", [](const Tpcm& t) { return rows(t.T, t.NWP); }},
    {11, 4, "Regular wave height or slope", [](const Tpcm& t) { return one(t.SLPHT); }, kHeight},
    {11, 6, "Table of wave headings", [](const Tpcm& t) { return rows(t.WAVHDG, t.NDIR); }},
    {12, 4, "Direction of irregular seas",
     [](const Tpcm& t) {
         return t.WAVTYP == kOchiHubble ? rows(t.SEAHDG, std::max<Int>(1, t.NSEAHG)) : one(t.SEAHDG(1));
     }},
    {12, 6, "Significant wave height", [](const Tpcm& t) { return rows(t.SWHT, sea_count(t)); }, kHeight},
    {12, 7, "Peak period", [](const Tpcm& t) { return rows(t.SIGPD, sea_count(t)); }},
    {12, 8, "Spectral bandwidth parameter", [](const Tpcm& t) { return one(t.WAVWID); }},
    {12, 8, "JONSWAP gamma parameter", [](const Tpcm& t) { return one(t.JONGAM); }},
    {12, 8, "Component lambda values", [](const Tpcm& t) { return rows(t.OCHI_LAMBDA, t.N_OCHI_COMP); }},
    {12, 9, "JONSWAP sigma a shape parameter", [](const Tpcm& t) { return one(t.JONPL); }},
    {12, 10, "JONSWAP sigma b shape parameter", [](const Tpcm& t) { return one(t.JONPG); }},
    {12, 21, "Power of cosine in spreading factor", [](const Tpcm& t) { return one(t.COSEXP); }},
    {12, 22, "Spreading sector size", [](const Tpcm& t) { return one(t.ANGSEC); }},
    {13, 4, "Swell direction", [](const Tpcm& t) { return one(t.SWLHDG); }},
    {13, 6, "Significant swell height", [](const Tpcm& t) { return one(t.SWELHT); }, kHeight},
    {13, 7, "Swell period", [](const Tpcm& t) { return one(t.SWELPD); }},
    {13, 8, "Swell spectral bandwidth parameter", [](const Tpcm& t) { return one(t.SWLWID); }},
    {13, 8, "Swell JONSWAP gamma parameter", [](const Tpcm& t) { return one(t.JONGAM_SWL); }},
    {13, 9, "Swell JONSWAP sigma a shape parameter", [](const Tpcm& t) { return one(t.JONPL_SWL); }},
    {13, 10, "Swell JONSWAP sigma b shape parameter", [](const Tpcm& t) { return one(t.JONPG_SWL); }},
    {13, 24, "Second swell direction", [](const Tpcm& t) { return one(t.SWLHDG2); }},
    {13, 26, "Second significant swell height", [](const Tpcm& t) { return one(t.SWELHT2); }, kHeight},
    {13, 27, "Second swell period", [](const Tpcm& t) { return one(t.SWELPD2); }},
    {13, 28, "Second swell spectral bandwidth parameter", [](const Tpcm& t) { return one(t.SWLWID2); }},
    {13, 28, "Second swell JONSWAP gamma parameter", [](const Tpcm& t) { return one(t.JONGAM_SWL2); }},
    {13, 29, "Second swell JONSWAP sigma a shape parameter", [](const Tpcm& t) { return one(t.JONPL_SWL2); }},
    {13, 30, "Second swell JONSWAP sigma b shape parameter", [](const Tpcm& t) { return one(t.JONPG_SWL2); }},
    {15, 17, "Uniform angular increment", [](const Tpcm& t) { return one(t.BRVINC); }},
    {15, 18, "Starting attack angle", [](const Tpcm& t) { return one(t.VESAN0); }},
    {15, 19, "Angular array", [](const Tpcm& t) { return Values(&t.BRVHDG(1), std::clamp<Int>(t.NUMBRV, 0, 37)); }},
    {15, 20, "Offset from CG for moment calculations", [](const Tpcm& t) { return one(t.BRVARM); }, kLength},
    {15, 21, "Frequency of low-frequency oscillations", [](const Tpcm& t) { return one(t.BRVFRQ); }},
    {15, 22, "Frequency interval for group spectral tables", [](const Tpcm& t) { return one(t.BRVFRQ_DELTA); }},
    {15, 23, "Minimum period for L.F. spectral tables", [](const Tpcm& t) { return one(t.BRV_PD_MIN()); }},
    {12, 2, "Custom spectrum table",
     [](const Tpcm& t) { return swell_table_only(t) ? Values() : custom_spectrum(t); }},
    {13, 2, "Custom spectrum table",
     [](const Tpcm& t) { return swell_table_only(t) ? custom_spectrum(t) : Values(); }},
    {0, 450, "Storm duration", [](const Tpcm& t) { return one(t.DURATN); }},
    {0, 483, "Phantom weight value", [](const Tpcm& t) { return one(t.TLP_TENSION); }},
};

RunInputFinding not_finite(std::string_view name, Int page, Int item) {
    return {where(name, page, item) + " is not a finite number."};
}

bool any_not_finite(Values values) {
    return std::any_of(values.begin(), values.end(), [](Real v) { return !std::isfinite(v); });
}

// A speed at or beyond the speed of sound of its medium; a value that is not a number is reported
// on its own and passes here.
bool beyond(Real speed, Real limit) { return std::isfinite(speed) && !(std::fabs(speed) < limit); }

bool any_of_beyond(Values speeds, Real limit) {
    return std::any_of(speeds.begin(), speeds.end(), [limit](Real v) { return beyond(v, limit); });
}

// The drag laws give a load q A C with q the dynamic pressure factor of the speed (the same product
// the run forms); the spectra of the slowly varying loads take its square. The largest load of the
// areas, the moment's lever included, must keep 4 x load^2 within single precision.
double wide(Real v) { return static_cast<double>(v); }

bool load_beyond_range(double q, Real A_head, Real A_beam, Real LWL) {
    const double largest =
        std::max({std::fabs(wide(A_head)), std::fabs(wide(A_beam)), std::fabs(wide(A_beam) * wide(LWL))}) *
        std::fabs(q);
    return !(4.0 * largest * largest <= static_cast<double>(FLT_MAX));
}

// The rows of a user table that its count reaches (21 at most), every value a finite number.
bool finite_user_table(Int count, const FArray<Real, 21>& angles, const FArray<Real, 21, 3>& coefficients) {
    const Int n = std::clamp<Int>(count, 0, 21);
    for (Int i = 1; i <= n; ++i) {
        if (!std::isfinite(angles(i))) return false;
        for (Int k = 1; k <= 3; ++k)
            if (!std::isfinite(coefficients(i, k))) return false;
    }
    return true;
}

// A user table (count, angles, three coefficient columns) that interpolation can use: at least two
// rows, no more than its 21 slots, every value a finite number, and angles in the strict order the
// table search needs (the rule the readers of the user table files keep too).
bool usable_user_table(Int count, const FArray<Real, 21>& angles, const FArray<Real, 21, 3>& coefficients) {
    if (count < 2 || count > 21) return false;
    // The run looks the table up at the magnitude of the attack angle, 0 to 180 degrees.
    if (order_break(angles.data(), count, 0.0f, 180.0f) != 0) return false;
    for (Int i = 1; i <= count; ++i) {
        if (!std::isfinite(angles(i))) return false;
        for (Int k = 1; k <= 3; ++k)
            if (!std::isfinite(coefficients(i, k))) return false;
    }
    return true;
}

// A finite value beyond its bound; a value that is not a number is reported on its own and passes.
bool any_beyond(Values values, Real bound) {
    return std::any_of(values.begin(), values.end(),
                       [bound](Real v) { return std::isfinite(v) && !(std::fabs(v) <= bound); });
}

RunInputFinding too_large(std::string_view name, Int page, Int item, Real bound) {
    return {where(name, page, item) + " is too large to compute",
            "     (beyond " + std::to_string(static_cast<long>(bound)) + ")."};
}

// The reals of the member table (page 5, the items of each member's sub-page), member by member as
// far as the count of members reaches: their values finite and within the bounds above.
struct MemberColumn {
    Int item;
    std::string_view name;
    Bound bound;
    Values (*values)(const Tpcm&, Int);
};

template <int N>
Values member_row(const FArray<Real, 3, N>& table, Int m) {
    return Values(&table(1, m), 3);
}

const MemberColumn kMemberColumns[] = {
    {4, "Dimensions", kLength, [](const Tpcm& t, Int m) { return member_row(t.DIAMS, m); }},
    {5, "Cross-sectional area", Bound::Area, [](const Tpcm& t, Int m) { return one(t.XAREA(m)); }},
    {10, "Base coordinate", kLength, [](const Tpcm& t, Int m) { return member_row(t.RCYLB, m); }},
    {12, "Top coordinate", kLength, [](const Tpcm& t, Int m) { return member_row(t.RCYLT, m); }},
    {16, "Added mass coefficients", kCoefficient, [](const Tpcm& t, Int m) { return member_row(t.CYLCM, m); }},
    {17, "Added moment coefficients", kCoefficient,
     [](const Tpcm& t, Int m) { return member_row(t.CYLCMI, m); }},
    {19, "Drag coefficients", kCoefficient, [](const Tpcm& t, Int m) { return member_row(t.CYLCD, m); }},
    {20, "Drag moment coefficients", kCoefficient, [](const Tpcm& t, Int m) { return member_row(t.CYLCDI, m); }},
};

void member_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    const Int members = std::clamp<Int>(t.NCYL, 0, kMemberCapacity);
    for (Int m = 1; m <= members; ++m) {
        for (const MemberColumn& column : kMemberColumns) {
            const std::string name = std::string(column.name) + " of member " + std::to_string(m);
            const Values values = column.values(t, m);
            if (any_not_finite(values)) found.push_back(not_finite(name, 5, column.item));
            const Real bound = bound_of(column.bound, t.NUNTS);
            if (any_beyond(values, bound)) found.push_back(too_large(name, 5, column.item, bound));
        }
    }
}


// Main dimensions of one vessel that its hull model cannot compute with, beyond the warning of the
// consistency checks: the displaced volume is the displacement over the water density, the
// equivalent box and the natural periods divide by the displacement, the moment coefficients by
// the waterline length, the ship's sections and a disc's waterline by the beam, and the current
// models take the depth over the draft. The metacentric heights give the
// restoring of roll and pitch: none, or a capsizing one, leaves a ship without a response and a
// disc buoy without a natural period to compute. What a hull computes with (a negative draft, a
// member-built hull's beam or metacentric height) stays a warning.
void hull_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    const Int CREATR = t.CREATR();
    if (CREATR == 10 || CREATR == 13) return;  // two vessels: the warnings alone
    const bool ship = t.VESTYP == 1;
    const bool disc = t.VESTYP == 4;
    const auto fatal = [&](std::string_view name, Int item, std::string_view what) {
        found.push_back({where(name, 2, item) + " is " + std::string(what) + ":",
                         "     the analysis cannot compute with it."});
    };
    const auto unstable = [&](std::string_view name, Int item) {
        found.push_back({where(name, 2, item) + " is not",
                         "     above the vertical center of gravity (item 5): no stability to compute."});
    };
    if (!(t.DWATR > 0.0f))
        found.push_back(
            {where("Water density", 1, 5) + " is not positive:", "     the analysis cannot compute with it."});
    if (!(t.DISPL > 0.0f)) fatal("Vessel displacement", 1, "not positive");
    if (t.LWL == 0.0f || (ship && t.LWL < 0.0f))
        fatal("Length of vessel at waterline", 8, ship ? "not positive" : "zero");
    if ((ship || disc) && t.BWL == 0.0f) fatal("Beam of vessel at waterline", 9, "zero");
    if (t.DRAFT == 0.0f) fatal("Mean vessel draft", 10, "zero");
    // A disc buoy is taken as the cylinder of its water plane area, whose draft puts the centres of
    // buoyancy and gravity where the case has them: the square root in that draft must have a real
    // root, and the draft must be positive and of a size the run can hold.
    if (disc && t.DWATR > 0.0f && t.AWP > 0.0f && std::isfinite(t.DISPL + t.DRAFT + t.VKG + t.VKB + t.AWP)) {
        const Real DELTA = t.DISPL * 1000.0f / t.DWATR;
        const Real BTEMP = t.DRAFT - t.VKG;
        const Real CTEMP = (t.VKB - t.VKG) * DELTA / t.AWP;
        const Real EDRAFT = BTEMP + std::sqrt(BTEMP * BTEMP - 2.0f * CTEMP);
        if (!(EDRAFT > 0.0f && EDRAFT <= bound_of(kLength, t.NUNTS)))
            found.push_back({std::string(kFatalFindingHead) + "The disc buoy's displacement, KB, KG, water plane area and",
                             "     draft (page 2, items 1, 4, 5, 7 and 10) give its equivalent cylinder",
                             "     no draft to compute with."});
    }
    // Data of creator 14 has no metacentric heights to check.
    if ((ship || disc) && CREATR != 14) {
        const bool roll = ship || t.LRLPRD == 0;
        const bool pitch = ship || t.LPTPRD == 0;
        if (roll && !(t.VKMT - t.VKG > 0.0f)) unstable("Transverse metacentric height", 2);
        if (pitch && !(t.VKML - t.VKG > 0.0f)) unstable("Longitudinal metacentric height", 3);
    }
}

// The findings of the rows of the table of reals that KEEP takes: not a finite number, beyond the
// bound of its size.
void entered_real_findings(const Tpcm& t, bool (*keep)(const Tpcm&, const EnteredReals&),
                           std::vector<RunInputFinding>& found) {
    for (const EnteredReals& e : kEnteredReals) {
        if (!keep(t, e)) continue;
        const Values values = e.values(t);
        if (any_not_finite(values)) found.push_back(not_finite(e.name, e.page, e.item));
        if (e.bound == Bound::None) continue;
        const Real bound = bound_of(e.bound, t.NUNTS);
        if (any_beyond(values, bound)) found.push_back(too_large(e.name, e.page, e.item, bound));
    }
}

bool all_rows(const Tpcm&, const EnteredReals&) { return true; }

// The rows of the sea's words (page 12) while the sea is on and of the first swell's (page 13, up
// to item 10; the second swell's follow from item 21) while the swell is on. The custom spectrum
// table stands on either page, by who uses it: it is theirs only where the sea or the swell is of
// its type.
bool sea_or_swell_row(const Tpcm& t, const EnteredReals& e) {
    const bool sea = t.LRANDM != 0;
    const bool swell = t.LSWELL != 0;
    if ((e.page == 12 || e.page == 13) && e.item == 2)
        return (sea && t.WAVTYP == kSpectrumTable) || (swell && t.SWLTYP == kSpectrumTable);
    return (e.page == 12 && sea) || (e.page == 13 && e.item <= 10 && swell);
}

// The rows of the words every regular wave is computed from: the water depth (page 1) and the
// periods and the height or slope of page 11.
bool regular_wave_row(const Tpcm&, const EnteredReals& e) {
    return (e.page == 1 && e.item == 4) || (e.page == 11 && (e.item == 2 || e.item == 4));
}

// Peak periods that are positive (the consistency checks refuse the others) but too short.
void short_peak_period_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    const Values periods = rows(t.SIGPD, sea_count(t));
    if (std::any_of(periods.begin(), periods.end(), [](Real v) { return v > 0.0f && v < kShortestPeakPeriod; }))
        found.push_back({where("Peak period", 12, 7) + " is too short to compute", "     (below 0.001 seconds)."});
}

// The table as the run builds its profile (each point at the surface's heading), where the members'
// drag takes its current: points so close for their speeds that the current beyond them leaves
// single precision. Speeds beyond the speed of sound, or no numbers, are findings of their own.
void profile_table_drag_findings(const Tpcm& t, Values depths, std::vector<RunInputFinding>& found) {
    const Values speeds = rows(t.VELI, t.NCURNT);
    if (any_not_finite(speeds) || any_of_beyond(speeds, kSoundInWaterKnots) || !std::isfinite(t.CURSPD) ||
        beyond(t.CURSPD, kSoundInWaterKnots) || !std::isfinite(t.CURHDG))
        return;
    const std::vector<Real> headings(depths.size(), t.CURHDG);
    const DragCurrentPoints p = drag_current_beyond_range(t, depths.data(), speeds.data(), headings.data(),
                                                          static_cast<Int>(depths.size()));
    if (p.first == 0) return;
    const std::string points = p.first == p.last
                                   ? "point " + std::to_string(p.first) + " gives"
                                   : "points " + std::to_string(p.first) + " and " + std::to_string(p.last) + " give";
    found.push_back({where("Current profile", 10, 5) + " " + points + " the members' drag a current",
                     "     too large to compute."});
}

}  // namespace

void regular_wave_height_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    if ((t.VESTYP == 1 || t.VESTYP == 4) && std::isfinite(t.SLPHT) && t.SLPHT < 0.0f)
        found.push_back({where("Regular wave height or slope", 11, 4) + " is negative: the roll damping",
                         "     of this hull takes the slope of the waves, which cannot be negative."});
}

void regular_wave_real_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    entered_real_findings(t, regular_wave_row, found);
}

void sea_and_swell_real_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    entered_real_findings(t, sea_or_swell_row, found);
    if (t.LRANDM != 0) short_peak_period_findings(t, found);
}

Real wave_height_bound(Int NUNTS) { return bound_of(kHeight, NUNTS); }

std::vector<EnteredRealPlace> entered_real_places() {
    std::vector<EnteredRealPlace> places;
    for (const EnteredReals& e : kEnteredReals) places.push_back({e.page, e.item, e.name});
    return places;
}

std::string where(std::string_view name, Int page, Int item) {
    if (page == 0)
        return std::string(kFatalFindingHead).append(name).append(" (word ").append(std::to_string(item)).append(" of the data file)");
    return std::string(kFatalFindingHead)
        .append(name)
        .append(" (page ")
        .append(std::to_string(page))
        .append(", item ")
        .append(std::to_string(item))
        .append(")");
}

std::vector<RunInputFinding> run_input_findings() {
    const Tpcm& t = TPCM;
    const Lowcof& c = LOWCOF;
    std::vector<RunInputFinding> found;

    // The unit flag picks gravity, densities, knot factors and every unit caption.
    if (t.NUNTS != 0 && t.NUNTS != 1)
        found.push_back({std::string(kFatalFindingHead) + "Unit system flag " + std::to_string(t.NUNTS) + " (page 1) is",
                         "     neither English (0) nor metric (1)."});

    entered_real_findings(t, all_rows, found);
    member_findings(t, found);
    short_peak_period_findings(t, found);

    hull_findings(t, found);
    regular_wave_height_findings(t, found);
    spectrum_parameter_findings(t, found);

    // The phantom weight of a member-built hull (the semi output options' switch on) takes its
    // weight from the vessel's mass: at or beyond the displacement no mass is left for the inertias
    // of the motions. A tension-leg program's own tendons take its place.
    if (phantom_weight_switch_read(t) && t.LPHANTOM_WGHT == 1 && std::isfinite(t.TLP_TENSION) &&
        std::isfinite(t.DISPL) && !(t.TLP_TENSION < t.DISPL))
        found.push_back({where("Phantom weight value", 0, 483) + " is not below the vessel",
                         "     displacement (page 2, item 1): no mass is left for the motions."});

    // The speed and group spectra are written a row a frequency step: beyond their most rows the
    // run would stop at them after beginning its report.
    if (speed_or_group_spectra_asked(t) && too_many_low_frequency_rows(t.BRV_PD_MIN(), t.BRVFRQ_DELTA))
        found.push_back({std::string(kFatalFindingHead) + "Frequency interval and minimum period (page 15, items 22",
                         "     and 23) give the speed and group spectra more than " +
                             std::to_string(kMaxLowFrequencyRows) + " rows to write."});
    wave_frequency_findings(t, found);

    // Speeds the load laws cannot hold.
    if (beyond(t.WNDSPD, kSoundInAirKnots))
        found.push_back({where("Wind speed", 9, 1) + " reaches the speed of sound",
                         "     in air (661 knots)."});
    if (beyond(t.CURSPD, kSoundInWaterKnots))
        found.push_back({where("Current speed", 10, 1) + " reaches the speed of sound",
                         "     in water (2916 knots)."});
    if (any_of_beyond(rows(t.VELI, t.NCURNT), kSoundInWaterKnots))
        found.push_back({where("Current profile speeds", 10, 5) + " reach the speed of sound",
                         "     in water (2916 knots)."});
    // The profile table as the run takes it (its count held to the five slots), at the depths where
    // the run looks it up: two equal depths at an end of the table are the interval its search picks
    // at the first of them (equal first depths) or below them (equal last depths), and its
    // interpolation there would divide by their difference of 0. Equal depths that no look-up reaches
    // so, and a step inside the table, are read as written.
    if (t.LCSTCR == kProfileFromTable) {
        const Values depths = rows(t.DPTHI, t.NCURNT);
        if (depths.size() >= 2 && !any_not_finite(depths)) {
            const Int picked = profile_interval_of_no_width(depths.data(), static_cast<Int>(depths.size()),
                                                            current_profile_look_up_depths(t));
            if (picked != 0)
                found.push_back({where("Current profile depths", 10, 5) + " are equal at points " +
                                     std::to_string(picked) + " and " + std::to_string(picked + 1),
                                 "     at an end of the table: no interval to interpolate in."});
            else
                profile_table_drag_findings(t, depths, found);
        }
    }
    // The table's depths reach the loads through the mean current over the draft alone. A layer
    // above the surface (a negative depth) counts into that mean over its own thickness, which can
    // take it past every speed of the table, whose own loads the drag areas' check below bounds:
    // refused where the loads of that mean, as the run forms them, leave single precision.
    if (t.LCSTCR == kProfileFromTable) {
        const Values depths = rows(t.DPTHI, t.NCURNT), speeds = rows(t.VELI, t.NCURNT);
        if (!any_not_finite(depths) && !any_not_finite(speeds) && std::isfinite(t.CURSPD)) {
            ProfileArray D{}, V{};
            std::copy(depths.begin(), depths.end(), D.data());
            std::copy(speeds.begin(), speeds.end(), V.data());
            Real largest = std::fabs(t.CURSPD);
            for (Real v : speeds) largest = std::max(largest, std::fabs(v));
            const Real K = profile_mean_current(t, D, V, static_cast<Int>(depths.size()));
            if (!(std::fabs(K) <= largest) && current_loads_beyond_range(t, K))
                found.push_back({where("Current profile depths", 10, 5) + " give a mean current over the draft",
                                 "     whose loads are too large to compute."});
        }
    }
    if (beyond(t.VFWD, t.NUNTS == 1 ? kSoundInWaterMetresPerSecond : kSoundInWaterFeetPerSecond))
        found.push_back({where("Forward speed", 3, 9) + " reaches the speed of sound",
                         "     in water (2916 knots)."});

    // Loads too large for single precision at a speed below those bounds (enormous areas).
    const double FCONST = wide(load_fconst(t.NUNTS));
    const auto finite = [](std::initializer_list<Real> values) {
        return std::all_of(values.begin(), values.end(), [](Real v) { return std::isfinite(v); });
    };
    if (t.LWIND != 0 && finite({t.WNDSPD, t.WNDFAC, t.XWNDAR, t.YWNDAR, t.LWL}) &&
        !beyond(t.WNDSPD, kSoundInAirKnots)) {
        const double q = wide(t.WNDFAC) * wide(air_density(t.NUNTS)) * FCONST * wide(t.WNDSPD) * wide(t.WNDSPD);
        if (load_beyond_range(q, t.XWNDAR, t.YWNDAR, t.LWL))
            found.push_back({std::string(kFatalFindingHead) + "Wind drag areas (page 8, items 2 and 5) give loads",
                             "     too large to compute."});
    }
    // The current load takes the mean square speed over the draft: no more than the largest speed
    // of the surface and of a profile table.
    Real current = std::fabs(t.CURSPD);
    if (t.LCSTCR == 2)
        for (Real v : rows(t.VELI, t.NCURNT)) current = std::max(current, std::fabs(v));
    if (t.LCURNT != 0 && finite({current, t.CURFAC, t.DWATR, t.XCURAR, t.YCURAR, t.LWL}) &&
        !beyond(current, kSoundInWaterKnots)) {
        const double q =
            wide(t.DWATR) / wide(gravity(t.NUNTS)) * wide(t.CURFAC) * FCONST * wide(current) * wide(current);
        if (load_beyond_range(q, t.XCURAR, t.YCURAR, t.LWL))
            found.push_back({std::string(kFatalFindingHead) + "Current drag areas (page 8, items 12 and 15) give loads",
                             "     too large to compute."});
    }

    // The user coefficient tables that the run interpolates: chosen for a force of a load that is
    // on, or for its coefficient table in the report.
    const Int user = 1;
    const bool wind_table = ONEON(t.LWBARG, user, t.EDUNIT) != 0 &&
                            (t.LWIND != 0 || BITVAL(t.BRVFLG, kBitWindCoefficients, t.EDUNIT) == 1);
    const bool current_table = ONEON(t.LCBARG, user, t.EDUNIT) != 0 &&
                               (t.LCURNT != 0 || BITVAL(t.BRVFLG, kBitCurrentCoefficients, t.EDUNIT) == 1);
    // A table the run interpolates must be usable; one it does not must still hold only numbers.
    const auto user_table = [&found](bool used, std::string_view load, Int item, Int count,
                                     const FArray<Real, 21>& angles, const FArray<Real, 21, 3>& coefficients) {
        if (used) {
            if (!usable_user_table(count, angles, coefficients))
                found.push_back({std::string(kFatalFindingHead) + "The user " + std::string(load) +
                                     " coefficient table (load-model page 6, item " + std::to_string(item) + ")",
                                 "     needs at least two rows, angles in order (a repeat only inside the table) and numbers."});
        } else if (!finite_user_table(count, angles, coefficients)) {
            found.push_back(not_finite("User " + std::string(load) + " coefficient table", 6, item));
        }
    };
    user_table(wind_table, "wind", 5, c.NUWNPT, c.UWNANG, c.UWNCFS);
    user_table(current_table, "current", 15, c.NUCRPT, c.UCRANG, c.UCRCFS);
    return found;
}

}  // namespace brevant
