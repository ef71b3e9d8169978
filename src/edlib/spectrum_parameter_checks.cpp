// Spectrum parameters whose formula needs a sign or a size.
#include "edlib/spectrum_parameter_checks.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "edlib/run_choice_checks.h"
#include "numeric/grid_integrals.h"
#include "numeric/special_functions.h"
#include "numeric/wave_number.h"
#include "sysutl/two_pi.h"
#include "veslib/wave_environment.h"
#include "veslib/wave_spectra.h"

namespace brevant {

namespace {

using Values = std::span<const Real>;

template <int N>
Values rows(const FArray<Real, N>& table, Int count) {
    return Values(table.data(), static_cast<std::size_t>(std::clamp<Int>(count, 0, N)));
}

bool all_finite(Values values) {
    return std::all_of(values.begin(), values.end(), [](Real v) { return std::isfinite(v); });
}

// The custom spectrum table gives its sea or swell the significant height 4 sqrt(m0), m0 the table's
// integral over the period grid as the run takes it: a negative integral has no height, and a height
// beyond the wave height bound is held to it as the heights entered are. Looked at only where a
// sea or swell of the table's type is on, with the periods that the consistency checks pass.
// The second swell counts only with SECOND_SWELL.
void custom_spectrum_findings(const Tpcm& t, bool SECOND_SWELL, std::vector<RunInputFinding>& found) {
    const bool sea = t.LRANDM != 0 && t.WAVTYP == kSpectrumTable;
    const bool swell = t.LSWELL != 0 && (t.SWLTYP == kSpectrumTable ||
                                         (SECOND_SWELL && t.LSWEL2 != 0 && t.SWLTYP2 == kSpectrumTable));
    const Values table = rows(t.USRPSD, t.NWP);
    const Values periods = rows(t.T, t.NWP);
    if ((!sea && !swell) || table.empty() || !all_finite(table) || !all_finite(periods) ||
        std::any_of(periods.begin(), periods.end(), [](Real T) { return !(T > 0.0f); }))
        return;
    const WavCom kept = WAVCOM;
    set_wave_grid(t.T.data(), t.NWP, t.NUNTS);
    Real m0 = 0.0f, m2 = 0.0f;
    SMPINT(t.USRPSD.data(), m0, m2);
    WAVCOM = kept;
    const Int page = sea ? 12 : 13;
    const Real bound = wave_height_bound(t.NUNTS);
    if (m0 < 0.0f)
        found.push_back({where("Custom spectrum table", page, 2) + " integrates to a negative",
                         "     variance: no significant height to compute."});
    else if (!(4.0f * std::sqrt(m0) <= bound))
        found.push_back({where("Custom spectrum table", page, 2) + " gives a significant height too large",
                         "     to compute (beyond " + std::to_string(static_cast<long>(bound)) + ")."});
}

// One JONSWAP shape of the general and TMA types: gamma and the widths below and above the peak,
// and the page items where they are entered (the widths follow gamma).
struct JonswapShape {
    Int page;
    Int gamma_item;
    std::string_view gamma_name, below_name, above_name;
    Real gamma, below, above;
    Real peak_period;
};

// A grid frequency 2 pi / T(i) equal to the peak frequency: there the shape's exponent is the
// square of 0 over twice the width squared.
bool peak_on_grid(const Tpcm& t, Real peak_period) {
    const Real WPK = kTwoPi / peak_period;
    for (Real T : rows(t.T, t.NWP))
        if (kTwoPi / T == WPK) return true;
    return false;
}

}  // namespace

// The normaliser integrates gamma^r from the logarithm of gamma: none at 0 or below. The shape
// divides by twice each width squared: its square leaves single precision from 1.3e19 on; a width
// below the peak whose square is 0 gives 0 over 0 at a grid frequency on the peak (above the peak,
// the exponent's floor takes the infinity). A negative width computes as its size does. Then the
// integration must converge with gamma and the widths, which it does not for many a gamma far from
// a sea's (with the widths 0.07 and 0.09 it converges from about 3.1e-5 to 2914.7, again from about
// 15219 to 3.3e21, from 2.9e-10 to 4.4e-9, and for about one gamma in eight from 1.3e25 to 2.3e36,
// every edge ragged, so that only the run's own integration can tell) nor for many a width far
// from a sea's (with gamma 3.3, a sigma a from about 5 up more and more often, every one from 329
// to 4096, of which many from about 713 on would go on without end and are stopped at the bound of
// stages). With gamma 1 nothing is integrated, and every width passes.
JonswapShapeRefusal jonswap_shape_refusal(Real gamma, Real below, Real above, bool peak_on_grid) {
    JonswapShapeRefusal r;
    r.not_finite = !std::isfinite(gamma) || !std::isfinite(below) || !std::isfinite(above);
    if (std::isfinite(gamma) && !(gamma > 0.0f)) r.gamma = true;
    const Real below2 = 2.0f * (below * below), above2 = 2.0f * (above * above);
    if (std::isfinite(below) && (std::isinf(below2) || (below2 == 0.0f && peak_on_grid))) r.below = true;
    if (std::isfinite(above) && std::isinf(above2)) r.above = true;
    // The integration last, with values that passed the tests above (one finding for one fault).
    if (!r.not_finite && !r.gamma && !r.below && !r.above) r.integral = !jonswap_normaliser_converges(below, above, gamma);
    return r;
}

namespace {

void jonswap_findings(const Tpcm& t, const JonswapShape& s, std::vector<RunInputFinding>& found) {
    const auto cannot = [&](std::string_view name, Int item) {
        found.push_back({where(name, s.page, item) + " is a value", "     the JONSWAP spectrum cannot compute with."});
    };
    const JonswapShapeRefusal r =
        jonswap_shape_refusal(s.gamma, s.below, s.above, s.peak_period > 0.0f && peak_on_grid(t, s.peak_period));
    if (r.gamma) cannot(s.gamma_name, s.gamma_item);
    if (r.below) cannot(s.below_name, s.gamma_item + 1);
    if (r.above) cannot(s.above_name, s.gamma_item + 2);
    if (r.integral)
        found.push_back({where(s.gamma_name, s.page, s.gamma_item) + " and the sigmas",
                         "     (items " + std::to_string(s.gamma_item + 1) + " and " + std::to_string(s.gamma_item + 2) +
                             ") give a JONSWAP spectrum whose integral does not converge."});
}

// The Ochi-Hubble sea sums the components of its count, which its page keeps to 1 to 4 (the
// lambdas and the run's factors hold four): another count would sum some of them, or none, without
// a word. The spectrum takes the gamma function of each lambda and raises lambda + 1/4 over the
// frequency ratio to the power lambda: a lambda at or below 0 makes no sea (between -1/4 and 0 the
// gamma function is negative, and the densities with it), and the gamma function has no value near
// 0 or beyond 34.5. Only the components of the count, where the sea is of that type.
void ochi_hubble_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    if (t.LRANDM == 0 || t.WAVTYP != kOchiHubble) return;
    if (t.N_OCHI_COMP < 1 || t.N_OCHI_COMP > kOchiHubbleComponents)
        found.push_back({where("Number of Ochi-Hubble wave components", 12, 5) + " is " +
                             std::to_string(t.N_OCHI_COMP) + ";",
                         "     its page takes 1 to " + std::to_string(kOchiHubbleComponents) + " components."});
    const Values lambdas = rows(t.OCHI_LAMBDA, t.N_OCHI_COMP);
    for (std::size_t j = 0; j < lambdas.size(); ++j) {
        const Real lambda = lambdas[j];
        if (!std::isfinite(lambda)) continue;  // refused on its own
        const std::string head =
            where("Component lambda values", 12, 8) + " hold a lambda of component " + std::to_string(j + 1);
        if (!(lambda > 0.0f)) {
            found.push_back({head, "     at or below 0, which makes no Ochi-Hubble sea."});
            return;
        }
        Real G = 0.0f;
        Int IER = 0;
        GAMMA(lambda, G, IER);
        if (IER != 0) {
            found.push_back({head, "     the Ochi-Hubble spectrum cannot compute with."});
            return;
        }
    }
}

}  // namespace

namespace {

void sea_jonswap_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    if (t.LRANDM != 0 && integrated_jonswap_type(t.WAVTYP))
        jonswap_findings(t,
                         {12, 8, "JONSWAP gamma parameter", "JONSWAP sigma a shape parameter",
                          "JONSWAP sigma b shape parameter", t.JONGAM, t.JONPL, t.JONPG, t.SIGPD(1)},
                         found);
}

void swell_jonswap_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    if (t.LSWELL != 0 && integrated_jonswap_type(t.SWLTYP))
        jonswap_findings(t,
                         {13, 8, "Swell JONSWAP gamma parameter", "Swell JONSWAP sigma a shape parameter",
                          "Swell JONSWAP sigma b shape parameter", t.JONGAM_SWL, t.JONPL_SWL, t.JONPG_SWL,
                          t.SWELPD},
                         found);
}

}  // namespace

// The A.P.I. wind spectrum divides by its peak frequency, the parameter times the wind speed; the
// Ochi-Hubble and JONSWAP shapes as above. Each only where the run computes it.
void spectrum_parameter_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    custom_spectrum_findings(t, true, found);
    if (t.LWIND != 0 && speed_spectra_reported(t) && t.WNDTYP == 4 && std::isfinite(t.APIPRM) && !(t.APIPRM > 0.0f))
        found.push_back({where("A.P.I. wind spectrum parameter", 9, 3) + " is not positive:",
                         "     the A.P.I. wind spectrum cannot compute with it."});
    ochi_hubble_findings(t, found);
    sea_jonswap_findings(t, found);
    swell_jonswap_findings(t, found);
    if (t.LSWELL != 0 && t.LSWEL2 != 0 && integrated_jonswap_type(t.SWLTYP2))
        jonswap_findings(t,
                         {13, 28, "Second swell JONSWAP gamma parameter", "Second swell JONSWAP sigma a shape parameter",
                          "Second swell JONSWAP sigma b shape parameter", t.JONGAM_SWL2, t.JONPL_SWL2, t.JONPG_SWL2,
                          t.SWELPD2},
                         found);
}

void sea_and_swell_parameter_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    custom_spectrum_findings(t, false, found);
    ochi_hubble_findings(t, found);
    sea_jonswap_findings(t, found);
    swell_jonswap_findings(t, found);
}

}  // namespace brevant
