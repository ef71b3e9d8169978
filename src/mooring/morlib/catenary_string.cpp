// Catenary string dynamics: linear amplitude ratio, response and the nonlinear pass.
#include "mooring/morlib/catenary_string.h"

#include <cmath>

#include "numeric/root_finders.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/program_end.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"

namespace brevant {

TmpCm2 TMPCM2{};

void reset_tmpcm2() { TMPCM2 = TmpCm2{}; }

namespace {

constexpr Real kHalfPi = 1.5707964f;
constexpr Int kCreatorLomiras = 17;

// The failed amplitude-ratio search: its message, the pause, the end of the program.
[[noreturn]] void search_failed(Int IER, Int ILINE, Real WFREQ, Int IOSCRN, Int KBD) {
    write_record(IOSCRN, "");
    Record r;
    r.put(" ++> Error return (IER = ")
        .I(IER, 1)
        .put("; Line #")
        .I(ILINE, 3)
        .put("; Period = ")
        .F(kTwoPi / WFREQ, 6, 2)
        .put(") from RTMI in CATSTR... ");
    write_record(IOSCRN, r.str());
    write_record(IOSCRN, "");
    Int answer = 0;
    PRSRET(IOSCRN, KBD, answer);
    stop_program(1);
}

}  // namespace

Real NULTMP(Real& X) {
    const Real s = TMPCM2.DELCOF * X + TMPCM2.BETACP;
    return 1.0f - X * X * (s * s + TMPCM2.GMCOEF * (X * X));
}

void CATSTR(Real WFREQ, Complex CXTEND, Real SIGCAT, Real PARITQ, Real CATMASQ, Real CQUAD, Complex& CYCAT,
            Complex& CYELAS, Real KRAT, Real KELAS, Real& CQCNST, Real& XCAT, Int IOSCRN, Int KBD, Logical NLCAT,
            Int CREATR, Int ILINE) {
    CYCAT = Complex(0.0f, 0.0f);
    CYELAS = Complex(0.0f, 0.0f);
    XCAT = 0.0f;
    const Real A = std::abs(CXTEND);
    if (A == 0.0f) return;

    const Real c = CREATR == kCreatorLomiras ? 1.2f : 0.848826f;
    CQCNST = c * A * WFREQ * CQUAD;

    // A line without elastic stiffness never moves its catenary: the limit of the rigid catenary.
    if (KRAT > 1e5f || KELAS == 0.0f) {
        CYELAS = CXTEND;
        return;
    }
    if (KRAT < 1e-20f) {
        CYCAT = CXTEND;
        XCAT = 1.0f;
        return;
    }

    const Real BETAP = KRAT + 1.0f - WFREQ * WFREQ * CATMASQ / KELAS;
    const Real G = CQCNST * WFREQ / KELAS;
    const Real DELCOF = std::fabs(SIGCAT * A / KELAS);

    // Undamped at the resonance the ratio is unbounded: reported as the search beyond 1.5 would be.
    if (BETAP == 0.0f && G == 0.0f) search_failed(2, ILINE, WFREQ, IOSCRN, KBD);

    // Linear amplitude ratio: the positive root of G^2 x^4 + beta'^2 x^2 - 1 = 0, to first order below
    // the small-damping switch, undamped below 1e-15.
    // At the resonance (or so near it that the formula overflows) the damping alone holds the root:
    // there it is taken in a form that stays finite, 1 / sqrt(G) at beta' = 0.
    Real x = 0.0f;
    if (BETAP != 0.0f) {
        const Real t = G / (BETAP * BETAP);
        Real s = t;
        if (t >= 0.01f)
            s = std::sqrt((std::sqrt(4.0f * (G * G) / (BETAP * BETAP * BETAP * BETAP) + 1.0f) - 1.0f) * 0.5f);
        s = std::copysign(std::fabs(s), BETAP);
        x = t >= 1e-15f ? BETAP * s / G : 1.0f / BETAP;
    }
    if (BETAP == 0.0f || !std::isfinite(x)) {
        const Real b2 = BETAP * BETAP;
        x = std::sqrt(2.0f / (b2 + std::sqrt(b2 * b2 + 4.0f * (G * G))));
    }
    XCAT = std::fabs(x);

    // The single-mass response, right on both sides of the resonance.
    const Real g = XCAT * G;
    CYCAT = CXTEND / Complex(BETAP, g);
    CYELAS = CXTEND - CYCAT;
    if (NLCAT == 0) return;

    TMPCM2.BETACP = BETAP;
    TMPCM2.GMCOEF = G * G;
    TMPCM2.DELCOF = DELCOF;
    Real root = 0.0f;
    Real F = 0.0f;
    Int IER = 0;
    RTMI1(root, F, NULTMP, 0.0f, 1.5f, 1e-4f, 1e-3f, 100, IER);
    if (IER != 0) search_failed(IER, ILINE, WFREQ, IOSCRN, KBD);

    XCAT = root;
    const Real CEQ = CQCNST * XCAT;
    const Real p = WFREQ * CEQ * XCAT / KELAS;
    Real phi = std::fabs(p) > 1.0f ? -std::copysign(kHalfPi, p) : -std::asin(p);
    // The phase of 1 / (beta' + delta x + i G x): past the resonance its real part is negative and the
    // angle lies in the other half plane.
    if (BETAP + DELCOF * XCAT < 0.0f) phi = -kTwoPi / 2.0f - phi;
    CYCAT = XCAT * CXTEND * Complex(std::cos(phi), std::sin(phi));
    const Real q = KRAT + PARITQ * SIGCAT * A * XCAT / KELAS;
    CYELAS = CYCAT * Complex(q, g);
}

}  // namespace brevant
