// The pre-run checks of values a run cannot compute with.
#include "edlib/run_input_checks.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string_view>

#include "lowlib/load_constants.h"
#include "options/output_selection.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"

namespace brevant {

namespace {

// A real entered on a page, read from the image.
struct EnteredReal {
    Int page;
    Int item;
    std::string_view name;
    Real (*value)(const Tpcm&);
};

// Every single real the pages enter and the run reads, by page and item.
const EnteredReal kEnteredReals[] = {
    {1, 4, "Water depth", [](const Tpcm& t) { return t.DEPTH; }},
    {1, 5, "Water density", [](const Tpcm& t) { return t.DWATR; }},
    {2, 1, "Vessel displacement", [](const Tpcm& t) { return t.DISPL; }},
    {2, 2, "Transverse metacentric height", [](const Tpcm& t) { return t.VKMT; }},
    {2, 3, "Longitudinal metacentric height", [](const Tpcm& t) { return t.VKML; }},
    {2, 4, "Vertical center of buoyancy", [](const Tpcm& t) { return t.VKB; }},
    {2, 5, "Vertical center of gravity", [](const Tpcm& t) { return t.VKG; }},
    {2, 6, "LCG-to-Midships distance", [](const Tpcm& t) { return t.CG_to_Midship; }},
    {2, 7, "Vessel water plane area", [](const Tpcm& t) { return t.AWP; }},
    {2, 8, "Length of vessel at waterline", [](const Tpcm& t) { return t.LWL; }},
    {2, 9, "Beam of vessel at waterline", [](const Tpcm& t) { return t.BWL; }},
    {2, 10, "Mean vessel draft", [](const Tpcm& t) { return t.DRAFT; }},
    {3, 1, "Pitch gyradius", [](const Tpcm& t) { return t.PGYR; }},
    {3, 2, "Roll gyradius", [](const Tpcm& t) { return t.RGYR; }},
    {3, 3, "Yaw gyradius", [](const Tpcm& t) { return t.YGYR; }},
    {3, 4, "Bilge radius", [](const Tpcm& t) { return t.BILGR; }},
    {3, 6, "Bilge keel length", [](const Tpcm& t) { return t.TKEEL; }},
    {3, 7, "Bilge keel width", [](const Tpcm& t) { return t.RKEEL; }},
    {3, 8, "Inboard keel-to-vessel centerline distance", [](const Tpcm& t) { return t.DKEEL; }},
    {3, 9, "Forward speed", [](const Tpcm& t) { return t.VFWD; }},
    {3, 10, "Global direction of vessel motion", [](const Tpcm& t) { return t.VGLDIR; }},
    {3, 11, "Trim angle", [](const Tpcm& t) { return t.TRIMDG; }},
    {3, 12, "Heel angle", [](const Tpcm& t) { return t.HEELDG; }},
    {4, 2, "Heave damping", [](const Tpcm& t) { return t.HVDAMP; }},
    {4, 4, "Pitch damping", [](const Tpcm& t) { return t.PTDAMP; }},
    {4, 6, "Roll damping", [](const Tpcm& t) { return t.RLDAMP; }},
    {4, 8, "Heave period", [](const Tpcm& t) { return t.HEVPRD; }},
    {4, 10, "Pitch period", [](const Tpcm& t) { return t.PITPRD; }},
    {4, 12, "Roll period", [](const Tpcm& t) { return t.ROLPRD; }},
    {6, 7, "Freeboard-based load", [](const Tpcm& t) { return t.LOADED; }},
    {6, 8, "Above-water bow interpolation factor", [](const Tpcm& t) { return t.BOWWND; }},
    {6, 17, "Draft-based load", [](const Tpcm& t) { return t.DFTPCT; }},
    {6, 18, "Below-water bow interpolation factor", [](const Tpcm& t) { return t.BOWCUR; }},
    {6, 27, "Head-on shadowing & geometry factor", [](const Tpcm& t) { return t.XSHDOW; }},
    {6, 28, "Beam-on shadowing & geometry factor", [](const Tpcm& t) { return t.YSHDOW; }},
    {6, 31, "Vessel deadweight", [](const Tpcm& t) { return t.DWTONS; }},
    {7, 2, "External force X", [](const Tpcm& t) { return t.XVFRC; }},
    {7, 3, "External force Y", [](const Tpcm& t) { return t.YVFRC; }},
    {7, 4, "External moment", [](const Tpcm& t) { return t.VESMOM; }},
    {7, 6, "External force location X", [](const Tpcm& t) { return t.XVLOC; }},
    {7, 7, "External force location Y", [](const Tpcm& t) { return t.YVLOC; }},
    {8, 2, "Head-on wind drag area", [](const Tpcm& t) { return t.XWNDAR; }},
    {8, 3, "Head-on wind drag area centroid (y)", [](const Tpcm& t) { return t.XWARM; }},
    {8, 4, "Head-on wind drag area centroid (z)", [](const Tpcm& t) { return t.ZXWARM; }},
    {8, 5, "Beam-on wind drag area", [](const Tpcm& t) { return t.YWNDAR; }},
    {8, 6, "Beam-on wind drag area centroid (x)", [](const Tpcm& t) { return t.YWARM; }},
    {8, 7, "Beam-on wind drag area centroid (z)", [](const Tpcm& t) { return t.ZYWARM; }},
    {8, 8, "Wind force enhancement factor", [](const Tpcm& t) { return t.WNDFAC; }},
    {8, 12, "Head-on current drag area", [](const Tpcm& t) { return t.XCURAR; }},
    {8, 13, "Head-on current drag area centroid (y)", [](const Tpcm& t) { return t.XCARM; }},
    {8, 14, "Head-on current drag area centroid (z)", [](const Tpcm& t) { return t.ZXCARM; }},
    {8, 15, "Beam-on current drag area", [](const Tpcm& t) { return t.YCURAR; }},
    {8, 16, "Beam-on current drag area centroid (x)", [](const Tpcm& t) { return t.YCARM; }},
    {8, 17, "Beam-on current drag area centroid (z)", [](const Tpcm& t) { return t.ZYCARM; }},
    {8, 18, "Current force enhancement factor", [](const Tpcm& t) { return t.CURFAC; }},
    {8, 21, "Bow shape factor", [](const Tpcm& t) { return t.BOWFAC; }},
    {8, 22, "Stern shape factor", [](const Tpcm& t) { return t.STRNFC; }},
    {8, 23, "Wave reflection head-on enhancement factor", [](const Tpcm& t) { return t.WVFCX; }},
    {8, 24, "Wave reflection beam-on enhancement factor", [](const Tpcm& t) { return t.WVFCY; }},
    {8, 25, "Wave reflection moment enhancement factor", [](const Tpcm& t) { return t.WVFCM; }},
    {8, 26, "Variable wave reflection enhancement factor", [](const Tpcm& t) { return t.VWDFAC; }},
    {8, 31, "Wave absorption head-on enhancement factor", [](const Tpcm& t) { return t.WVDGCX; }},
    {8, 32, "Wave absorption beam-on enhancement factor", [](const Tpcm& t) { return t.WVDGCY; }},
    {8, 33, "Wave absorption moment enhancement factor", [](const Tpcm& t) { return t.WVDGCM; }},
    {8, 34, "Variable wave absorption enhancement factor", [](const Tpcm& t) { return t.VWDRGFC; }},
    {9, 1, "Wind speed", [](const Tpcm& t) { return t.WNDSPD; }},
    {9, 2, "Wind direction", [](const Tpcm& t) { return t.WNDHDG; }},
    {9, 3, "Wind speed spectral density", [](const Tpcm& t) { return t.WNDDEN; }},
    {9, 3, "A.P.I. wind spectrum parameter", [](const Tpcm& t) { return t.APIPRM; }},
    {9, 3, "N.P.D. spectral evaluation height", [](const Tpcm& t) { return t.WSPEC_HGT; }},
    {10, 1, "Current speed", [](const Tpcm& t) { return t.CURSPD; }},
    {10, 2, "Current direction", [](const Tpcm& t) { return t.CURHDG; }},
    {10, 6, "Current speed spectral density", [](const Tpcm& t) { return t.CURDEN; }},
    {10, 6, "RMS current variation", [](const Tpcm& t) { return t.RMS_CRNT; }},
    {11, 4, "Regular wave height or slope", [](const Tpcm& t) { return t.SLPHT; }},
    {12, 4, "Direction of irregular seas", [](const Tpcm& t) { return t.SEAHDG(1); }},
    {12, 6, "Significant wave height", [](const Tpcm& t) { return t.SWHT(1); }},
    {12, 7, "Peak period", [](const Tpcm& t) { return t.SIGPD(1); }},
    {12, 21, "Power of cosine in spreading factor", [](const Tpcm& t) { return t.COSEXP; }},
    {12, 22, "Spreading sector size", [](const Tpcm& t) { return t.ANGSEC; }},
    {13, 4, "Swell direction", [](const Tpcm& t) { return t.SWLHDG; }},
    {13, 6, "Significant swell height", [](const Tpcm& t) { return t.SWELHT; }},
    {13, 7, "Swell period", [](const Tpcm& t) { return t.SWELPD; }},
    {15, 17, "Uniform angular increment", [](const Tpcm& t) { return t.BRVINC; }},
    {15, 18, "Starting attack angle", [](const Tpcm& t) { return t.VESAN0; }},
    {15, 20, "Offset from CG for moment calculations", [](const Tpcm& t) { return t.BRVARM; }},
    {15, 21, "Frequency of low-frequency oscillations", [](const Tpcm& t) { return t.BRVFRQ; }},
    {15, 22, "Frequency interval for group spectral tables", [](const Tpcm& t) { return t.BRVFRQ_DELTA; }},
    {15, 23, "Minimum period for L.F. spectral tables", [](const Tpcm& t) { return t.BRV_PD_MIN(); }},
};

constexpr std::string_view kHead = " ++> Fatal Warning: ";

std::string where(std::string_view name, Int page, Int item) {
    return std::string(kHead)
        .append(name)
        .append(" (page ")
        .append(std::to_string(page))
        .append(", item ")
        .append(std::to_string(item))
        .append(")");
}

RunInputFinding not_finite(std::string_view name, Int page, Int item) {
    return {where(name, page, item) + " is not a finite number."};
}

bool any_not_finite(const Real* first, Int count) {
    return std::any_of(first, first + count, [](Real v) { return !std::isfinite(v); });
}

// A speed at or beyond the speed of sound of its medium; a value that is not a number is reported
// on its own and passes here.
bool beyond(Real speed, Real limit) { return std::isfinite(speed) && !(std::fabs(speed) < limit); }

// The drag laws give a load q A C with q the dynamic pressure factor of the speed (the same product
// the run forms); the spectra of the slowly varying loads take its square. The largest load of the
// areas, the moment's lever included, must keep 4 x load^2 within single precision.
double wide(Real v) { return static_cast<double>(v); }

bool load_beyond_range(double q, Real A_head, Real A_beam, Real LWL) {
    const double largest =
        std::max({std::fabs(wide(A_head)), std::fabs(wide(A_beam)), std::fabs(wide(A_beam) * wide(LWL))}) * std::fabs(q);
    return !(4.0 * largest * largest <= static_cast<double>(FLT_MAX));
}

// A user table (count, angles, three coefficient columns) that interpolation can use: at least two
// rows, no more than its 21 slots, every value a finite number, and angles strictly monotonic. The
// table search takes a rising or a falling table alike; a repeated angle or a turn leaves an
// interval that holds no angle or two.
bool usable_user_table(Int count, const FArray<Real, 21>& angles, const FArray<Real, 21, 3>& coefficients) {
    if (count < 2 || count > 21) return false;
    const bool rising = angles(2) > angles(1);
    for (Int i = 1; i <= count; ++i) {
        if (!std::isfinite(angles(i))) return false;
        if (i > 1 && !(rising ? angles(i) > angles(i - 1) : angles(i) < angles(i - 1))) return false;
        for (Int k = 1; k <= 3; ++k)
            if (!std::isfinite(coefficients(i, k))) return false;
    }
    return true;
}

}  // namespace

std::vector<RunInputFinding> run_input_findings() {
    const Tpcm& t = TPCM;
    const Lowcof& c = LOWCOF;
    std::vector<RunInputFinding> found;

    // The unit flag picks gravity, densities, knot factors and every unit caption.
    if (t.NUNTS != 0 && t.NUNTS != 1)
        found.push_back({std::string(kHead) + "Unit system flag " + std::to_string(t.NUNTS) + " (page 1) is",
                         "     neither English (0) nor metric (1)."});

    for (const EnteredReal& e : kEnteredReals)
        if (!std::isfinite(e.value(t))) found.push_back(not_finite(e.name, e.page, e.item));
    // The period table as far as its count reaches (a count beyond 100 is a finding of its own).
    if (any_not_finite(t.T.data(), std::clamp<Int>(t.NWP, 0, t.T.size())))
        found.push_back(not_finite("Table of wave periods", 11, 2));
    // The attack-angle array, when the angles come from it (37 at most).
    if (t.LANGARR != 0 && any_not_finite(&t.BRVHDG(1), std::clamp<Int>(t.NUMBRV, 0, 37)))
        found.push_back(not_finite("Angular array", 15, 19));

    // Speeds the load laws cannot hold.
    if (beyond(t.WNDSPD, kSoundInAirKnots))
        found.push_back({where("Wind speed", 9, 1) + " reaches the speed of sound",
                         "     in air (661 knots)."});
    if (beyond(t.CURSPD, kSoundInWaterKnots))
        found.push_back({where("Current speed", 10, 1) + " reaches the speed of sound",
                         "     in water (2916 knots)."});
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
            found.push_back({std::string(kHead) + "Wind drag areas (page 8, items 2 and 5) give loads",
                             "     too large to compute."});
    }
    if (t.LCURNT != 0 && finite({t.CURSPD, t.CURFAC, t.DWATR, t.XCURAR, t.YCURAR, t.LWL}) &&
        !beyond(t.CURSPD, kSoundInWaterKnots)) {
        const double q = wide(t.DWATR) / wide(gravity(t.NUNTS)) * wide(t.CURFAC) * FCONST * wide(t.CURSPD) * wide(t.CURSPD);
        if (load_beyond_range(q, t.XCURAR, t.YCURAR, t.LWL))
            found.push_back({std::string(kHead) + "Current drag areas (page 8, items 12 and 15) give loads",
                             "     too large to compute."});
    }

    // The user coefficient tables that the run interpolates: chosen for a force of a load that is
    // on, or for its coefficient table in the report.
    const Int user = 1;
    const bool wind_table = ONEON(t.LWBARG, user, t.EDUNIT) != 0 &&
                            (t.LWIND != 0 || BITVAL(t.BRVFLG, kBitWindCoefficients, t.EDUNIT) == 1);
    const bool current_table = ONEON(t.LCBARG, user, t.EDUNIT) != 0 &&
                               (t.LCURNT != 0 || BITVAL(t.BRVFLG, kBitCurrentCoefficients, t.EDUNIT) == 1);
    if (wind_table && !usable_user_table(c.NUWNPT, c.UWNANG, c.UWNCFS))
        found.push_back({std::string(kHead) + "The user wind coefficient table (load-model page 6, item 5)",
                         "     needs at least two rows, strictly monotonic angles and numbers."});
    if (current_table && !usable_user_table(c.NUCRPT, c.UCRANG, c.UCRCFS))
        found.push_back({std::string(kHead) + "The user current coefficient table (load-model page 6, item 15)",
                         "     needs at least two rows, strictly monotonic angles and numbers."});
    return found;
}

}  // namespace brevant
