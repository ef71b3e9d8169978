// Vertical-cylinder drift series with its Hankel-derivative moduli, and the legacy semi step.
#include "lowlib/cylinder_drift.h"

#include <cmath>

#include "numeric/special_functions.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// J and Y of orders n and n + 1 of the argument in hand, carried from one order to the next.
struct HankelKeep {
    Real BJ0 = 0.0f;
    Real BJ1 = 0.0f;
    Real BY0 = 0.0f;
    Real BY1 = 0.0f;
};
HankelKeep keep;
unsigned long long reports = 0;

}  // namespace

unsigned long long cyldft_report_count() { return reports; }

void HN2P(Real& HNP2, Real& HNP1P2, Real X, Int N, Int IOSCRN, Int IOKBD) {
    Int IERR = 0;
    const Real D = 0.00002f;
    if (N == 0) {
        if (X > 0.0f) {
            Int IER = 0;
            Real BJ2 = 0.0f;
            Real BY2 = 0.0f;
            BESJ(X, 0, keep.BJ0, D, IER);
            IERR = IERR + IER;
            BESJ(X, 1, keep.BJ1, D, IER);
            IERR = IERR + IER;
            // Order 2 only for its error indicator.
            BESJ(X, 2, BJ2, D, IER);
            IERR = IERR + IER;
            BESY(X, 0, keep.BY0, IER);
            IERR = IERR + IER;
            BESY(X, 1, keep.BY1, IER);
            IERR = IERR + IER;
            BESY(X, 2, BY2, IER);
            IERR = IERR + IER;
            // H'_0 = -H_1, H'_1 = H_0 - H_1 / X.
            const Real r0 = -keep.BJ1;
            const Real i0 = -keep.BY1;
            const Real r1 = keep.BJ0 - keep.BJ1 / X;
            const Real i1 = keep.BY0 - keep.BY1 / X;
            HNP2 = r0 * r0 + i0 * i0;
            HNP1P2 = r1 * r1 + i1 * i1;
        } else {
            IERR = 99;
        }
    } else {
        HNP2 = HNP1P2;
        keep.BJ0 = keep.BJ1;
        keep.BY0 = keep.BY1;
        if (X > 0.0f) {
            Int IER = 0;
            BESJ(X, N + 1, keep.BJ1, D, IER);
            IERR = IERR + IER;
            BESY(X, N + 1, keep.BY1, IER);
            IERR = IERR + IER;
            // H'_m = H_(m-1) - m H_m / X, m = N + 1.
            const Real m = static_cast<Real>(N + 1);
            const Real r = keep.BJ0 - m * keep.BJ1 / X;
            const Real i = keep.BY0 - m * keep.BY1 / X;
            HNP1P2 = r * r + i * i;
        } else {
            IERR = 99;
        }
    }
    if (IERR == 0) return;
    ++reports;
    write_record(IOSCRN, " ++> IER = " + fmt_I(IERR, 12) + "  in CYLDFT...");
    if (IOSCRN == SILENT_UNIT && IERR == 99) stop_program(1);
    ABORT0(IOSCRN, IOKBD, TPCM.LBACK);
    if (TPCM.LBACK < 0) stop_program(1);
}

Real CYLDFT(Real WSCAL, Real RD, Real ZD, Real DEPTH, Real& WAVK, Int /*IW*/, Int /*NWP*/, Int IOSCRN, Int IOKBD) {
    Real kh = 0.0f;
    WAVVEC(WSCAL, kh, IOSCRN);
    WAVK = kh / DEPTH;
    const Real x = RD * WAVK;
    const Real z = ZD * WAVK;
    const Real D = 1.0f - std::exp(-2.0f * z);

    const Int NREP = clamp_to_int(std::trunc(static_cast<double>(1.5f * x))) + 3;
    // Short waves: the wall reflection over the lit half of the cylinder.
    if (NREP > 100) return 2.0f * D / 3.0f;

    Real sum = 0.0f;
    Real HNP2 = 0.0f;
    Real HNP1P2 = 0.0f;
    const Real x2 = x * x;
    for (Int n = 0; n <= NREP; ++n) {
        HN2P(HNP2, HNP1P2, x, n, IOSCRN, IOKBD);
        const Real a = static_cast<Real>(n * (n + 1)) - x2;
        const Real term = a * a / (HNP2 * HNP1P2);
        sum = sum + term;
        if (n > 4 && std::fabs(term) < 0.0001f) break;
    }
    // No cylinder or no wave (x = 0, reported by HN2P): the long-wave limit of the series, 0.
    if (!(x > 0.0f)) return 0.0f;
    return 4.0f * sum * D / (9.869605f * std::pow(x, 7.0f));
}

Real SEMDFT(Int LCOMP, Real X, Real XSHDOW, Real YSHDOW, Real /*LWL*/, Real /*BWL*/, Real /*RELANG*/,
            Int /*EDUNIT*/, Int /*KBD*/) {
    const Real x = std::fabs(X);
    const Real step = (std::tanh((3.0f * x - 1.0f) * 3.14159f) + 0.99627f) * 0.5001f;
    Real factor = 0.0f;
    if (LCOMP == 1) factor = XSHDOW;
    if (LCOMP == 2) factor = YSHDOW;
    const Real result = factor * step;
    return result < 0.0f ? 0.0f : result;
}

}  // namespace brevant
