// The longitudinal elastic wave: the walk from the anchor end, the end forces and the node forces.
#include "mooring/morlib/longitudinal_waves.h"

#include <cmath>
#include <limits>

#include "mooring/catlib/element_functions.h"
#include "records/mooring_line_records.h"

namespace brevant {

void LNGWAV(Real WFREQ, Complex CYCAT, Complex CYELAS, Real CATMASQ, Real CQCNST, Real XCAT, Real SIGCAT, Real TSTAT,
            Complex& CTOPF, Complex& CBOTF, Int /*NBUG*/, Int /*IOSCRN*/, Int IREVRS, ElementColumn SLEN,
            AlphaBlock ALPHA, Int NELEM, NodeForces& CTOPFI, Int GETNODE) {
    const Int N = element_count(NELEM);
    auto k = [](Int j) { return LINCOM.WAVEK(j); };
    auto mu = [&](Int j) { return EAINV(ALPHA, TSTAT, j); };
    auto len = [&](Int j) { return SLEN[static_cast<std::size_t>(j - 1)]; };
    const bool reversed = IREVRS == 1;

    // The standing wave of each element that carries one, at its lower end: u = AE cos kx + BE sin kx.
    FArray<Real, MAX_ELEMENTS> AE{};
    FArray<Real, MAX_ELEMENTS> BE{};
    FArray<Int, MAX_ELEMENTS> carries{};
    auto keep = [&](Int j, Real a, Real b) {
        AE(j) = a;
        BE(j) = b;
        carries(j) = 1;
    };

    Real BBARI = 1.0f;
    Real ABARI = 0.0f;
    Int NTOP = 1;
    Int NBOT = 1;
    if (N > 1) {
        Int ILO = 0;
        Int IHI = 0;
        bool first = true;
        for (Int ITEMP = 1; ITEMP <= N - 1; ++ITEMP) {
            const Int IELEM1 = reversed ? N - ITEMP + 1 : ITEMP;
            const Int IELEM2 = reversed ? N - ITEMP : ITEMP + 1;
            if (k(IELEM1) != 0.0f) {
                ILO = IELEM1;
                if (first) {
                    NBOT = ILO;
                    IHI = ILO;
                    first = false;
                    keep(ILO, ABARI, BBARI);
                }
            } else if (ILO == 0) {
                continue;
            }
            if (k(IELEM2) != 0.0f) {
                // Displacement and axial force (k / mu) du/d(kx) continuous at the joint.
                IHI = IELEM2;
                const Real a = k(ILO) * len(ILO);
                const Real MUKRAT = k(ILO) * mu(IHI) / (k(IHI) * mu(ILO));
                const Real A = ABARI;
                const Real B = BBARI;
                ABARI = A * std::cos(a) + B * std::sin(a);
                BBARI = (B * std::cos(a) - A * std::sin(a)) * MUKRAT;
                keep(IHI, ABARI, BBARI);
            }
            NTOP = IHI;
        }
        // Only the top element carries a wave: the walk never starts, and the wave is that element's
        // alone (numbered from the anchor up, the top element is the last one, not the first).
        if (ILO == 0) {
            const Int top = reversed ? 1 : N;
            NBOT = top;
            NTOP = top;
        }
    }
    const bool wave = N >= 1 && k(NBOT) != 0.0f;
    if (wave && N == 1) keep(1, 0.0f, 1.0f);
    if (wave && N > 1 && carries(NBOT) == 0) keep(NBOT, 0.0f, 1.0f);

    if (!wave) {
        CBOTF = CYCAT * Complex(CATCOM.KCTAN + SIGCAT * std::abs(CYCAT) - WFREQ * WFREQ * CATMASQ,
                                CQCNST * WFREQ * XCAT);
        CTOPF = CBOTF;
        if (GETNODE != 0)
            for (Int n = 1; n <= N + 1; ++n) CTOPFI(n) = CBOTF;
        return;
    }

    const Real a = k(NTOP) * len(NTOP);
    Real D = ABARI * std::cos(a) + BBARI * std::sin(a);
    // An exact elastic resonance: a prescribed top displacement would need an unbounded wave.
    if (D == 0.0f) {
        const Real amplitude = std::sqrt(ABARI * ABARI + BBARI * BBARI);
        D = std::numeric_limits<Real>::epsilon() * (amplitude > 0.0f ? amplitude : 1.0f);
    }
    const Complex B1FAC = CYELAS / D;
    CBOTF = k(NBOT) / mu(NBOT) * B1FAC;
    CTOPF = k(NTOP) / mu(NTOP) * (BBARI * std::cos(a) - ABARI * std::sin(a)) * B1FAC;
    if (GETNODE == 0) return;

    // Node forces from the anchor end up: the force at the top of each element with a wave, carried
    // unchanged across elements without one.
    Complex running = CBOTF;
    for (Int step = 1; step <= N; ++step) {
        const Int e = reversed ? N - step + 1 : step;
        if (carries(e) != 0) {
            const Real ae = k(e) * len(e);
            running = k(e) / mu(e) * (BE(e) * std::cos(ae) - AE(e) * std::sin(ae)) * B1FAC;
        }
        CTOPFI(reversed ? e : e + 1) = running;
    }
    if (reversed) {
        CTOPFI(1) = CTOPF;
        CTOPFI(N + 1) = CBOTF;
    } else {
        CTOPFI(1) = CBOTF;
        CTOPFI(N + 1) = CTOPF;
    }
}

}  // namespace brevant
