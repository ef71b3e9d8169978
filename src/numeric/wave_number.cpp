// The dispersion relation, height to slope, and the JONSWAP normaliser.
#include "numeric/wave_number.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "sysutl/pauses.h"
#include "numeric/quadrature.h"
#include "numeric/root_finders.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

LocalCs LOCALCS{};
LocalJ LOCALJ{};

Real DISPRS(Real& X) {
    const Real th = std::tanh(X);
    return LOCALCS.OMEGA2 - X * th;
}

Int wave_number_search(Real OMEGA, Real& WVVEC) {
    LOCALCS.OMEGA2 = OMEGA * OMEGA;
    // The residual is positive at OMEGA2 and negative half a unit above it.
    const Real KLOWER = LOCALCS.OMEGA2;
    const Real KUPPER = LOCALCS.OMEGA2 + 0.5f;
    Real F = 0.0f;
    Int IER = 0;
    RTMI1(WVVEC, F, DISPRS, KLOWER, KUPPER, 0.00001f, 0.0f, 100, IER);
    return IER;
}

void WAVVEC(Real OMEGA, Real& WVVEC, Int IOSCRN) {
    const Int IER = wave_number_search(OMEGA, WVVEC);
    if (IER == 0) return;
    stop_after_key(IOSCRN, {IER == 1 ? " >>> IER = 1 in WAVVEC; Please contact Velmora."
                                          : " >>> IER = 2 in WAVVEC; Please contact Velmora.",
                                 "     press any letter key + <RETURN> to continue..."});
}

void CNHTSP(Real& TMPHT, Real PKPRD, Real DEPTH, Real G, Int IOSCRN) {
    const Real t = DEPTH / G;
    const Real s = std::sqrt(t);
    // 6.283 here, not 2 pi.
    const Real OMEGA = 6.283f / PKPRD * s;
    Real WVVEC = 0.0f;
    WAVVEC(OMEGA, WVVEC, IOSCRN);
    TMPHT = TMPHT * (WVVEC * 28.65f) / DEPTH;
}

Real JONINT(Real& Z) {
    const Real PVAL = LOCALJ.PVAL;
    Real s = 0.0f;
    if (Z != 0.0f) s = std::sqrt(-(PVAL + PVAL) * PVAL * std::log(Z));
    const Real x = LOCALJ.BRANCH == 1 ? 1.0f - s : 1.0f + s;
    Real q = x * x;
    q = q * q;
    // At zero frequency x^-4 is infinite and the shape factor exp(-1.25 x^-4) is 0.
    if (q == 0.0f) return 0.0f;
    return std::exp(Z * std::log(LOCALJ.GAM) - 1.25f / q);
}

namespace {

// The message, a pause, and the end of the run (status 1).
[[noreturn]] void fatal(Int IOSCRN, std::string_view message) {
    write_record(IOSCRN, message);
    Int LBACK = 0;
    PRSRET(IOSCRN, KBD_UNIT, LBACK);
    stop_program(1);
}

// The most Romberg stages one pass of QATR may take for a side. Every side that ends, converging or
// failing in another way, does so by stage 24 (a scan of both sides over sigmas of 1e-6 to 1e19 and
// gammas of 1e-38 to 3e38, the edges of convergence included: 24 only with gammas above 4e4, the
// sides of a real sea by 15), and past stage 25 the halved steps no longer fall on floats of their
// own near the top of the interval, so deeper stages could only revisit abscissae. The sides that go
// deeper never end: with many a sigma a so wide (from about 713 to 4096) that the lower limit lies a
// few floats below 1, each pass accepts about 1/128 of the value before, which the next pass holds
// to 1 % seven stages deeper (26, 33, 40 and on to 80 stages: 2^25, 2^32, 2^39 and more
// evaluations). 28 stages give the deepest side that ends 16 times the evaluations it needs, and
// stop the others within about 2^27.
constexpr Int kMostStages = 28;

// One side of the JONSWAP integral: QATR until an accepted value, loosening the tolerance on
// round-off and adding stages while it may, up to kMostStages. NITER_WARN passes give the iteration
// warning. With REPORT false, each failure is written on IOSCRN and asked about or ends the run;
// with REPORT true, the first failure (the warning included) ends the integration and is returned.
JonswapOutcome integrate_side(Real XL, Real XU, Int NITER_WARN, Int IOSCRN, bool report, Real& Y) {
    Int NITER = 0;
    Real EPS = 0.0001f;
    Int NDIM = 10;
    Real AUX[80];
    for (;;) {
        NITER = NITER + 1;
        if (NITER > NITER_WARN) {
            if (report) return JonswapOutcome::IterationLimit;
            write_record(IOSCRN, " ++> Possible iteration failure in JONSVAL");
            Int LBACK = 0;
            ABORT0(IOSCRN, KBD_UNIT, LBACK);
            if (LBACK < 0 || IOSCRN == SILENT_UNIT) stop_program(1);
            NITER = 0;
        }
        Y = 0.0f;
        Int IER = 0;
        QATR(XL, XU, EPS, std::min(NDIM, kMostStages), JONINT, Y, IER, AUX);
        if (IER == 1) {
            if (std::fabs(Y) > 10.0f * EPS) {
                EPS = 10.0f * EPS;
                continue;
            }
            if (report) return JonswapOutcome::RoundOff;
            fatal(IOSCRN, " ++> FATAL error: unfixable roundoff error in JONSVAL");
        }
        if (IER == 2) {
            if (NDIM < kMostStages) {
                NDIM = 2 * NDIM;
                continue;
            }
            if (report) return JonswapOutcome::StagesUsedUp;
            fatal(IOSCRN, " ++> FATAL error: JONSWAP integral does not converge in JONSVAL");
        }
        if (0.01f * Y >= EPS) return JonswapOutcome::Converged;
        EPS = 0.008f * Y;
    }
}

// Both sides and the normaliser from them; the first side that fails ends it.
JonswapOutcome jonswap_sides(Real PL, Real PG, Real GAMMA, Real& JONVAL, Int IOSCRN, bool report) {
    LOCALJ.GAM = GAMMA;
    // The difference of the integrals is multiplied by ln 1 = 0: gamma 1 gives the Pierson-Moskowitz
    // area 0.2 whatever they are, so none is computed (with some widths they never converge).
    if (GAMMA == 1.0f) {
        JONVAL = 0.2f;
        return JonswapOutcome::Converged;
    }
    LOCALJ.BRANCH = 1;
    LOCALJ.PVAL = PL;
    Real YL = 0.0f;
    JonswapOutcome outcome = integrate_side(std::exp(-(0.5f / (PL * PL))), 1.0f, 100, IOSCRN, report, YL);
    if (outcome != JonswapOutcome::Converged) return outcome;
    LOCALJ.BRANCH = 2;
    LOCALJ.PVAL = PG;
    Real YG = 0.0f;
    outcome = integrate_side(0.0f, 1.0f, 20, IOSCRN, report, YG);
    if (outcome != JonswapOutcome::Converged) return outcome;
    const Real lngam = std::log(LOCALJ.GAM);
    JONVAL = 0.2f * (1.0f - (YL - YG) * lngam);
    return outcome;
}

}  // namespace

void JONSVAL(Real PL, Real PG, Real GAMMA, Real& JONVAL, Int IOSCRN) {
    jonswap_sides(PL, PG, GAMMA, JONVAL, IOSCRN, false);
}

JonswapOutcome jonswap_outcome(Real PL, Real PG, Real GAMMA, Real& JONVAL) {
    return jonswap_sides(PL, PG, GAMMA, JONVAL, 0, true);
}

}  // namespace brevant
