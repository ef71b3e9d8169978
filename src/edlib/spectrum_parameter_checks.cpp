// Spectrum parameters whose formula needs a sign or a size.
#include "edlib/spectrum_parameter_checks.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "edlib/run_choice_checks.h"
#include "edlib/wave_frequency_checks.h"
#include "lowlib/load_constants.h"
#include "numeric/grid_integrals.h"
#include "numeric/quadrature.h"
#include "numeric/special_functions.h"
#include "numeric/wave_number.h"
#include "sysutl/two_pi.h"
#include "veslib/user_wave_spectrum.h"
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

// The period grid of the case as the run lays it out (WAVCOM's G, W, W2, TS, DT), for as long as a
// check looks at a spectrum on it; WAVCOM is put back after. Only a grid the checks of the period
// table pass is laid out: 2 to 100 periods, each a positive number.
class GridScope {
public:
    explicit GridScope(const Tpcm& t) : kept_(WAVCOM) {
        const Values periods = rows(t.T, t.NWP);
        usable_ = t.NWP >= 2 && t.NWP <= 100 && all_finite(periods) &&
                  std::all_of(periods.begin(), periods.end(), [](Real T) { return T > 0.0f; });
        if (usable_) set_wave_grid(t.T.data(), t.NWP, t.NUNTS);
    }
    ~GridScope() { WAVCOM = kept_; }
    GridScope(const GridScope&) = delete;
    GridScope& operator=(const GridScope&) = delete;
    bool usable() const { return usable_; }

private:
    WavCom kept_;
    bool usable_ = false;
};

// The significant height 4 sqrt(m0) that a spectrum given as densities at the grid periods (the
// custom table, the spectrum file) gives its sea or swell, m0 its integral over the grid as the run
// takes it (the grid laid out): a negative integral has no height, and a height beyond the wave
// height bound (a density that is not a number among them) is held to it as the heights entered are.
SpectrumSizeFault spectrum_size_fault(const Tpcm& t, const Real* PSD) {
    Real m0 = 0.0f, m2 = 0.0f;
    SMPINT(PSD, m0, m2);
    if (m0 < 0.0f) return SpectrumSizeFault::NegativeVariance;
    if (!(4.0f * std::sqrt(m0) <= wave_height_bound(t.NUNTS))) return SpectrumSizeFault::TooLarge;
    return SpectrumSizeFault::None;
}

// The custom spectrum table, looked at only where a sea or swell of its type is on, with the periods
// that the consistency checks pass. The second swell counts only with SECOND_SWELL.
void custom_spectrum_findings(const Tpcm& t, bool SECOND_SWELL, std::vector<RunInputFinding>& found) {
    const bool sea = t.LRANDM != 0 && t.WAVTYP == kSpectrumTable;
    const bool swell = t.LSWELL != 0 && (t.SWLTYP == kSpectrumTable ||
                                         (SECOND_SWELL && t.LSWEL2 != 0 && t.SWLTYP2 == kSpectrumTable));
    const Values table = rows(t.USRPSD, t.NWP);
    if ((!sea && !swell) || table.empty() || !all_finite(table)) return;
    const GridScope grid(t);
    if (!grid.usable()) return;
    const Int page = sea ? 12 : 13;
    switch (spectrum_size_fault(t, t.USRPSD.data())) {
        case SpectrumSizeFault::NegativeVariance:
            found.push_back({where("Custom spectrum table", page, 2) + " integrates to a negative",
                             "     variance: no significant height to compute."});
            break;
        case SpectrumSizeFault::TooLarge:
            found.push_back({where("Custom spectrum table", page, 2) + " gives a significant height too large",
                             "     to compute (beyond " + std::to_string(static_cast<long>(wave_height_bound(t.NUNTS))) +
                                 ")."});
            break;
        case SpectrumSizeFault::None: break;
    }
}

// The swell-type (Gaussian) shape of a sea or swell: A exp(-(w / wn - 1)^2 / (2 SIGMA^2)) with the
// amplitude A = H^2 / (16 sqrt(2 pi) SIGMA wn). A width whose square is 0 gives 0 / 0 at the peak, a
// negative one a negative spectrum, whose variance the run takes the root of. A narrow shape is a
// spike at the peak's grid period that grows as 1 / SIGMA: its group spectrum and drag (of the second
// and third power of the densities) leave single precision where the height the spectrum gives on
// the grid leaves the wave height bound, as a custom table's does (a sea of 4 m and width 1e-15 is a
// spike of some 20,000 km on a grid of half seconds). Wider shapes, however wide, compute (a faint,
// flat sea).
struct GaussianShape {
    Int page;
    std::string_view name;
    Real width, height, period;
};

void gaussian_shape_findings(const Tpcm& t, const GaussianShape& s, std::vector<RunInputFinding>& found) {
    if (!std::isfinite(s.width)) return;  // refused on its own
    if (s.width < 0.0f || s.width * s.width == 0.0f) {
        found.push_back({where(s.name, s.page, 8) + " is a value", "     the swell-type spectrum cannot compute with."});
        return;
    }
    // A height or period refused on its own is not refused again through the spectrum it gives.
    if (!std::isfinite(s.period) || !(std::fabs(s.height) <= wave_height_bound(t.NUNTS))) return;
    const GridScope grid(t);
    if (!grid.usable()) return;
    Real PSD[100] = {};
    gaussian_swell_spectrum(PSD, t.NWP, s.height, s.period, s.width);
    if (spectrum_size_fault(t, PSD) != SpectrumSizeFault::None)
        found.push_back({where(s.name, s.page, 8) + " gives the swell-type spectrum",
                         "     a significant height too large to compute (beyond " +
                             std::to_string(static_cast<long>(wave_height_bound(t.NUNTS))) + ")."});
}

void gaussian_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    if (t.LRANDM != 0 && t.WAVTYP == kGaussianSwell)
        gaussian_shape_findings(t, {12, "Spectral bandwidth parameter", t.WAVWID, t.SWHT(1), t.SIGPD(1)}, found);
    if (t.LSWELL != 0 && t.SWLTYP == kGaussianSwell)
        gaussian_shape_findings(t, {13, "Swell spectral bandwidth parameter", t.SWLWID, t.SWELHT, t.SWELPD}, found);
}

// The Pierson-Moskowitz type takes its peak period from its height, 15.66 sqrt(H / g), and the wave
// number there: a height so small that the period has none (in this depth) cannot be computed.
void pierson_moskowitz_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    const Real G = gravity(t.NUNTS);
    const auto check = [&](std::string_view name, Int page, Real height) {
        if (!(std::isfinite(height) && height > 0.0f)) return;  // refused on its own
        if (wave_number_computable(pierson_moskowitz_peak_period(height, G), t.DEPTH, G)) return;
        found.push_back({where(name, page, 6) + " is too small to compute:",
                         "     its Pierson-Moskowitz peak period is too short for this water depth."});
    };
    if (t.LRANDM != 0 && t.WAVTYP == kPiersonMoskowitz) check("Significant wave height", 12, t.SWHT(1));
    if (t.LSWELL != 0 && t.SWLTYP == kPiersonMoskowitz) check("Significant swell height", 13, t.SWELHT);
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

// Each component takes exp(-y) y^lambda at every grid frequency w, y = (lambda + 1/4) / (w / wm)^4 with
// wm = 2 pi / its peak period: a period at (or so near) 0 that y is infinite there gives 0 x Infinity.
// A component whose period the short-period check refuses, or whose lambda is refused, is left to
// those findings. Every other period computes (a negative one as its size does).
void ochi_hubble_period_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    const GridScope grid(t);
    if (!grid.usable()) return;
    const Int count = std::clamp<Int>(t.N_OCHI_COMP, 0, kOchiHubbleComponents);
    for (Int j = 1; j <= count; ++j) {
        const Real period = t.SIGPD(j), lambda = t.OCHI_LAMBDA(j);
        if (!std::isfinite(period) || !std::isfinite(lambda) || !(lambda > 0.0f)) continue;
        if (period > 0.0f && period < kShortestPeakPeriod) continue;
        for (Int i = 1; i <= t.NWP; ++i) {
            if (std::isfinite(ochi_hubble_exponent(WAVCOM.W(i), period, lambda))) continue;
            found.push_back({where("Component peak periods", 12, 7) + " hold a period of component " +
                                 std::to_string(j),
                             "     too close to 0 for the Ochi-Hubble spectrum to compute."});
            return;
        }
    }
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
    ochi_hubble_period_findings(t, found);
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

SpectrumSizeFault wave_spectrum_file_fault(const Tpcm& t) {
    const GridScope grid(t);
    if (!grid.usable()) return SpectrumSizeFault::None;
    Real PSD[100] = {};
    if (!wave_spectrum_file_values(kWaveSpectrumFile, t.EDUNIT, WAVCOM.W.data(), t.NWP, PSD))
        return SpectrumSizeFault::None;
    return spectrum_size_fault(t, PSD);
}

void spreading_power_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    // A sector wider than a circle is integrated instead; values that are not numbers are refused
    // on their own.
    if (t.ANGSEC > 360.0f || !std::isfinite(t.ANGSEC) || !std::isfinite(t.COSEXP)) return;
    Real value = 0.0f;
    if (!spreading_factor(t.COSEXP, value))
        found.push_back({where("Power of cosine in spreading factor", 12, 21) + " is a value",
                         "     the spreading factor cannot compute with."});
}

void sea_wind_speed_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    // The Pierson-Moskowitz type and the user spectra derive their peak periods.
    if (t.LRANDM == 0 || t.WAVTYP == kPiersonMoskowitz || t.WAVTYP == kUserSpectrumFile || t.WAVTYP == kSpectrumTable)
        return;
    const Real TPK = t.SIGPD(1);
    if (std::isfinite(TPK) && !std::isfinite(0.1412f * gravity(t.NUNTS) * TPK))
        found.push_back({where("Peak period", 12, 7) + " is too long to compute: the sea's",
                         "     characteristic wind speed (0.1412 g Tp) leaves single precision."});
}

void sea_and_swell_peak_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    const GridScope grid(t);
    if (!grid.usable()) return;
    // A period that is not positive, or not a number, is refused on its own.
    const auto off_grid = [&t](Real period) {
        if (!(std::isfinite(period) && period > 0.0f)) return false;
        const Int peak = swell_peak_index(period);
        return peak < 1 || peak > t.NWP;
    };
    if (t.LRANDM != 0 && t.WAVTYP == kGaussianSwell && off_grid(t.SIGPD(1)))
        found.push_back({where("Peak period", 12, 7) + " lies off the table of wave periods",
                         "     (page 11, item 2), where the swell-type spectrum is centred."});
    if (t.LSWELL != 0 && off_grid(t.SWELPD))
        found.push_back({where("Swell period", 13, 7) + " lies off the table of wave periods",
                         "     (page 11, item 2), where the swell is centred."});
}

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
    gaussian_findings(t, found);
    pierson_moskowitz_findings(t, found);
    spreading_power_findings(t, found);
    sea_and_swell_peak_findings(t, found);
    if (sea_characteristics_reported(t)) sea_wind_speed_findings(t, found);
}

void sea_and_swell_parameter_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    custom_spectrum_findings(t, false, found);
    ochi_hubble_findings(t, found);
    sea_jonswap_findings(t, found);
    swell_jonswap_findings(t, found);
    gaussian_findings(t, found);
    pierson_moskowitz_findings(t, found);
}

}  // namespace brevant
