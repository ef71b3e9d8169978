// The wave spectra on the period grid: the Gaussian swell, the Pierson-Moskowitz family (fixed and
// general JONSWAP shapes, Bretschneider, TMA in shallow water), the user file and table, and the
// Ochi-Hubble multi-component spectrum.
#include "veslib/wave_spectra.h"

#include <algorithm>
#include <cmath>

#include "numeric/root_finders.h"
#include "numeric/special_functions.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "sysutl/error_exits.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "veslib/user_wave_spectrum.h"
#include "veslib/wave_environment.h"

namespace brevant {

LocalWave LOCALWAVE{};

Real RWHFUN(Real& X) { return 1.0f - X * std::tanh(X * (LOCALWAVE.WH_TMA * LOCALWAVE.WH_TMA)); }

namespace {

constexpr Int kKeyboard = KBD_UNIT;

// The width, sigmas and gamma of one wave system.
struct SystemShape {
    Real width;
    Real sigma_below;
    Real sigma_above;
    Real gamma;
};

SystemShape shape_of(Int WAVE_SYS_ID) {
    const Tpcm& P = TPCM;
    switch (WAVE_SYS_ID) {
        case 1: return {P.SWLWID, P.JONPL_SWL, P.JONPG_SWL, P.JONGAM_SWL};
        case 2: return {P.SWLWID2, P.JONPL_SWL2, P.JONPG_SWL2, P.JONGAM_SWL2};
        default: return {P.WAVWID, P.JONPL, P.JONPG, P.JONGAM};
    }
}

// Types 1-6 and 10: Pierson-Moskowitz times the JONSWAP peak enhancement gamma^r (1 for types 1, 6).
void pierson_moskowitz_family(Int WAVSEL, Real* PSDQ, Int n, Real ALPH, Real QWPK, Real GAMLOG, Real SWL, Real SWG) {
    const Real G = WAVCOM.G;
    const bool enhanced = WAVSEL != kPiersonMoskowitz && WAVSEL != kBretschneider;
    for (Int i = 1; i <= n; ++i) {
        const Real w = WAVCOM.W(i);
        const Real ratio = QWPK / w;
        const Real q = std::min(ratio * ratio * ratio * ratio, 80.0f);
        const Real PM = std::exp(-1.25f * q) * (G * G) / (w * w * w * w * w);
        Real PKFAC = 1.0f;
        if (enhanced) {
            const Real d = w / QWPK - 1.0f;
            const Real p = std::max(-(d * d) / (w <= QWPK ? SWL : SWG), -100.0f);
            PKFAC = std::exp(GAMLOG * std::exp(p));
        }
        const Real S = PM * PKFAC * ALPH;
        PSDQ[i - 1] = S < 1.0e-20f ? 0.0f : S;
    }
}

// The TMA depth factor tanh^2(kh) / (1 + 2kh / sinh 2kh) at every grid point, kh from the root
// R = 1 / tanh(kh) of RWHFUN, with the retries and questions of a failed search.
void tma_depth_factor(Real* SHALLO_COR, Int n) {
    const Int console = TPCM.EDUNIT;
    const Real HGRAT = std::sqrt(TPCM.DEPTH / WAVCOM.G);
    Int ITERN = 100;
    Real RUPPER = 100.0f;
    Int NTRY = 1;
    Int i = 1;
    while (i <= n) {
        LOCALWAVE.WH_TMA = WAVCOM.W(i) * HGRAT;
        Real R_FAC = 0.0f;
        Real F = 0.0f;
        Int IER = 0;
        RTMI1(R_FAC, F, RWHFUN, 1.0f, RUPPER, 0.01f, 0.01f, ITERN, IER);
        if (IER == 1) {
            write_record(console, " +=> TMA spectrum convergence failure In WVSPEC.");
            TPCM.LBACK = 0;
            SERV_ABORT(console, kKeyboard, TPCM.LBACK);
            if (TPCM.LBACK < 0) stop_on_abort_answer();
            ITERN = ITERN + 100;
            i = 1;
            continue;
        }
        if (IER == 2) {
            if (NTRY <= 4) {
                NTRY = NTRY + 1;
                RUPPER = RUPPER * 10.0f;
            } else {
                write_record(console, " +=> TMA spectrum bounds failure In WVSPEC.");
                TPCM.LBACK = 0;
                SERV_ABORT(console, kKeyboard, TPCM.LBACK);
                if (TPCM.LBACK < 0) stop_on_abort_answer();
                NTRY = 1;
            }
            i = 1;
            continue;
        }
        const Real u = 2.0f * R_FAC * (LOCALWAVE.WH_TMA * LOCALWAVE.WH_TMA);
        SHALLO_COR[i - 1] = 1.0f / ((u / std::sinh(u) + 1.0f) * (R_FAC * R_FAC));
        ++i;
    }
}

// The depth-corrected spectrum scaled back to the deep-water m0. A corrected spectrum without
// energy stays zero (its scale would be 0/0).
void apply_tma_correction(Real* PSDQ, const Real* SHALLO_COR, Int n) {
    Real SCRATCH_FUN[100] = {};
    for (Int i = 1; i <= n; ++i) SCRATCH_FUN[i - 1] = PSDQ[i - 1] * SHALLO_COR[i - 1];
    Real m0_deep = 0.0f;
    Real m0_shallow = 0.0f;
    Real m2 = 0.0f;
    SMPINT(PSDQ, m0_deep, m2);
    SMPINT(SCRATCH_FUN, m0_shallow, m2);
    const Real CORRECTION = m0_shallow != 0.0f ? m0_deep / m0_shallow : 0.0f;
    for (Int i = 1; i <= n; ++i) PSDQ[i - 1] = SCRATCH_FUN[i - 1] * CORRECTION;
}

// Types 7 and 8: the peak frequency midway between the first and last grid frequencies holding
// the maximum, and Hs = 4 sqrt(m0). With no positive value there is no peak: the period stays as
// passed and the height is 0.
void peak_and_height(const Real* PSDQ, Int n, Real& QSWH, Real& QTPK) {
    Real PMAX = 0.0f;
    Int IDENT = 0;
    Int ILAST = 0;
    for (Int i = 1; i <= n; ++i) {
        if (PSDQ[i - 1] > PMAX) {
            IDENT = i;
            ILAST = i;
            PMAX = PSDQ[i - 1];
        } else if (PSDQ[i - 1] == PMAX && IDENT > 0) {
            ILAST = i;
        }
    }
    if (IDENT > 0) QTPK = kTwoPi / ((WAVCOM.W(IDENT) + WAVCOM.W(ILAST)) / 2.0f);
    Real m0 = 0.0f;
    Real m2 = 0.0f;
    SMPINT(PSDQ, m0, m2);
    // Negative table values could make m0 negative; a height is never the root of one.
    QSWH = 4.0f * std::sqrt(std::max(m0, 0.0f));
}

// Type 9: the sum of the components' Ochi-Hubble shapes; a lambda whose gamma value cannot be
// formed ends the run.
void ochi_hubble(Real* PSDQ, Int n) {
    const Tpcm& P = TPCM;
    const Int ncomp = std::clamp<Int>(P.N_OCHI_COMP, 0, kOchiHubbleComponents);
    Real TMP_FAC[kOchiHubbleComponents] = {};
    for (Int j = 1; j <= ncomp; ++j) {
        Real GX = 0.0f;
        Int IER = 0;
        GAMMA(P.OCHI_LAMBDA(j), GX, IER);
        if (IER != 0) {
            write_record(P.EDUNIT, " ++> Gamma function error in WVSPEC");
            PRSRET(P.EDUNIT, kKeyboard, TPCM.LBACK);
            stop_program(1);
        }
        TMP_FAC[j - 1] = P.SWHT(j) * P.SWHT(j) * 0.25f / GX;
    }
    for (Int i = 1; i <= n; ++i) {
        const Real w = WAVCOM.W(i);
        Real S = 0.0f;
        for (Int j = 1; j <= ncomp; ++j) {
            const Real lambda = P.OCHI_LAMBDA(j);
            const Real y = ochi_hubble_exponent(w, P.SIGPD(j), lambda);
            Real term = TMP_FAC[j - 1] * std::exp(-y) * std::pow(y, lambda) / w;
            // Far below the peak y^lambda can overflow while exp(-y) underflows: the product
            // itself is tiny, so form it in one exponential there.
            if (!std::isfinite(term)) term = TMP_FAC[j - 1] * std::exp(lambda * std::log(y) - y) / w;
            S = S + term;
        }
        PSDQ[i - 1] = S;
    }
}

}  // namespace

Real pierson_moskowitz_peak_period(Real QSWH, Real G) { return 15.66f * std::sqrt(QSWH / G); }

// Type 0: a Gaussian in w / wn about the grid frequency wn nearest the peak period. A peak period
// off the grid centres the shape on the nearest end of it rather than on a slot outside the grid.
void gaussian_swell_spectrum(Real* PSDQ, Int n, Real QSWH, Real QTPK, Real SIGMA) {
    if (n < 1) return;
    const Int NPKQ = std::clamp<Int>(clamp_to_int((QTPK - WAVCOM.TS) / WAVCOM.DT + 1.5f), 1, n);
    const Real WN = WAVCOM.W(NPKQ);
    const Real A = QSWH * QSWH / (16.0f * std::sqrt(kTwoPi) * SIGMA * WN);
    for (Int i = 1; i <= n; ++i) {
        const Real r = WAVCOM.W(i) / WN - 1.0f;
        const Real a = 0.5f * (r * r) / (SIGMA * SIGMA);
        PSDQ[i - 1] = a > 50.0f ? 0.0f : A * std::exp(-a);
    }
}

Real ochi_hubble_exponent(Real w, Real PERIOD, Real lambda) {
    const Real WM = kTwoPi / PERIOD;
    const Real c = lambda + 0.25f;
    const Real r = w / WM;
    return c / (r * r * r * r);
}

bool jonswap_normaliser_converges(Real PL, Real PG, Real GAMMA) {
    const LocalJ kept = LOCALJ;
    Real JONVAL = 0.0f;
    const JonswapOutcome outcome = jonswap_outcome(PL, PG, GAMMA, JONVAL);
    LOCALJ = kept;
    return outcome == JonswapOutcome::Converged;
}

bool integrated_jonswap_type(Int WAVSEL) { return WAVSEL == kGeneralJonswap || WAVSEL == kTmaShallowWater; }

bool wave_spectrum_normalised(Int WAVSEL, Int WAVE_SYS_ID) {
    if (!integrated_jonswap_type(WAVSEL)) return true;
    const SystemShape shape = shape_of(WAVE_SYS_ID);
    return jonswap_normaliser_converges(shape.sigma_below, shape.sigma_above, shape.gamma);
}

void WVSPEC(Int WAVSEL, Real* PSDQ, Real& QSWH, Real& QTPK, Real& QWPK, Real& QWKPK, Int WAVE_SYS_ID) {
    const Int n = std::clamp<Int>(TPCM.NWP, 0, 100);
    const Real G = WAVCOM.G;

    Real ALPH = 0.0081f;
    if (WAVSEL == kPiersonMoskowitz) QTPK = pierson_moskowitz_peak_period(QSWH, G);
    if (WAVSEL == kBretschneider) {
        const Real SPM = QTPK * QTPK * G / 245.2356f;
        const Real ratio = QSWH / SPM;
        ALPH = 0.0081f * (ratio * ratio);
    }
    QWPK = kTwoPi / QTPK;
    const SystemShape shape = shape_of(WAVE_SYS_ID);

    Real SHALLO_COR[100] = {};
    switch (WAVSEL) {
        case kGaussianSwell: gaussian_swell_spectrum(PSDQ, n, QSWH, QTPK, shape.width); break;
        case kPiersonMoskowitz:
        case kBretschneider: pierson_moskowitz_family(WAVSEL, PSDQ, n, ALPH, QWPK, 0.0f, 1.0f, 1.0f); break;
        case kMeanJonswap:
        case kSharpJonswap:
        case kSquatJonswap:
        case kGeneralJonswap:
        case kTmaShallowWater: {
            const Real wp2 = QWPK * QWPK;
            ALPH = QSWH * QSWH * (wp2 * wp2) / (16.0f * (G * G));
            Real N = 0.0f;
            Real GAMLOG = 0.0f;
            Real SWL = 0.0f;
            Real SWG = 0.0f;
            if (WAVSEL == kMeanJonswap) {
                N = 0.3049f, GAMLOG = 1.193922f, SWL = 0.0098f, SWG = 0.0162f;
            } else if (WAVSEL == kSharpJonswap) {
                N = 0.3076f, GAMLOG = 1.435085f, SWL = 0.005f, SWG = 0.0098f;
            } else if (WAVSEL == kSquatJonswap) {
                N = 0.7114f, GAMLOG = 1.94591f, SWL = 0.9248f, SWG = 0.030258f;
            } else {
                JONSVAL(shape.sigma_below, shape.sigma_above, shape.gamma, N, TPCM.EDUNIT);
                GAMLOG = 0.6931472f * std::log2(shape.gamma);
                SWL = 2.0f * (shape.sigma_below * shape.sigma_below);
                SWG = 2.0f * (shape.sigma_above * shape.sigma_above);
            }
            ALPH = ALPH / N;
            if (WAVSEL == kTmaShallowWater) tma_depth_factor(SHALLO_COR, n);
            pierson_moskowitz_family(WAVSEL, PSDQ, n, ALPH, QWPK, GAMLOG, SWL, SWG);
            break;
        }
        case kUserSpectrumFile: {
            const FixedText<13> file(kWaveSpectrumFile);
            for (Int i = 1; i <= n; ++i) PSDQ[i - 1] = UWVSPC(WAVCOM.W(i), TPCM.EDUNIT, kKeyboard, file);
            peak_and_height(PSDQ, n, QSWH, QTPK);
            break;
        }
        case kSpectrumTable:
            for (Int i = 1; i <= n; ++i) PSDQ[i - 1] = TPCM.USRPSD(i);
            peak_and_height(PSDQ, n, QSWH, QTPK);
            break;
        case kOchiHubble: ochi_hubble(PSDQ, n); break;
        default: break;  // no other type is ever passed
    }
    HIMEM.IW = n + 1;

    if (WAVSEL == kTmaShallowWater) apply_tma_correction(PSDQ, SHALLO_COR, n);

    // The peak period of the current wave height belongs in its pool slot, which exists only once
    // motion phase 1 has laid the pool out: the core and the wave report call this before that.
    Himem& H = HIMEM;
    if (H.LCNWV > 0 && H.IHT >= 1 && H.IHT <= H.MAXHT) H.RLDUM(H.LCNWV + 3 * (H.IHT - 1) + 2) = QTPK;

    H.WCONST = std::sqrt(TPCM.DEPTH / G);
    if (QTPK > 0.0f) {
        QWPK = kTwoPi / QTPK;
        Real kh = 0.0f;
        WAVVEC(H.WCONST * QWPK, kh, TPCM.EDUNIT);
        QWKPK = kh / TPCM.DEPTH;
    } else {
        // No peak period (a table without energy): no peak frequency or wave number either.
        QWPK = 0.0f;
        QWKPK = 0.0f;
    }
}

}  // namespace brevant
