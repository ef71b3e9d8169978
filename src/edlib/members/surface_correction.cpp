// Free-surface correction of the added mass of a horizontal member.
#include "edlib/members/surface_correction.h"

#include <cmath>
#include <complex>

#include "numeric/root_finders.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"

namespace brevant {

TempCm TEMPCM{};

namespace {

// q^n for an integer n >= 0, in single precision.
Real int_power(Real q, Int n) {
    Real r = 1.0f;
    for (Int i = 0; i < n; ++i) r = r * q;
    return r;
}

void wait_for_line(Int IOSCRN) {
    if (IOSCRN != SILENT_UNIT) (void)read_keyboard_line(KBD_UNIT);
}

}  // namespace

Real THICK(Real C1, Real DMAP2) { return 2.0f * (1.0f - C1 * (2.0f - DMAP2) / (1.0f - DMAP2)); }

Real WIDE(Real C1, Real DMAP2) { return 2.0f * (1.0f + C1 * (DMAP2 + 2.0f) / (DMAP2 + 1.0f)); }

Real C1FUN(Real DMAP, Real DMAP2, Real DCNTR) {
    return (DMAP - DCNTR) / (2.0f * DMAP / (DMAP2 + 1.0f) - DCNTR * (2.0f - DMAP2) / (1.0f - DMAP2));
}

Real BAFUN(Real& DMAP) {
    const Real DMAP2 = DMAP * DMAP;
    const Real C1 = C1FUN(DMAP, DMAP2, TEMPCM.DCNTR);
    return TEMPCM.BOVRA * WIDE(C1, DMAP2) - THICK(C1, DMAP2);
}

void DUMSUM(Real& SUM, Real Q, Int MVAL, Real EPS, Int MAXITR, Int& IER, Real& ERVAL, Real PLSMIN) {
    IER = 0;
    SUM = 0.0f;
    Int N = 1;
    for (;;) {
        const Real P = int_power(Q, N);
        const Real S = std::copysign(std::fabs(P), PLSMIN);
        const Real TERM = static_cast<Real>(N) * int_power(P, MVAL) * (1.0f + S) / (1.0f - S);
        ERVAL = TERM;
        SUM = SUM + TERM;
        N = N + 1;
        if (N > MAXITR) {
            IER = 1;
            return;
        }
        if (std::fabs(TERM) <= EPS) return;
    }
}

void SRFCOR(Real& MASFAC, Int ICYL, Int IOSCRN, Int& WRNFLG, Int& IER) {
    IER = SRFCOR_OK;
    MASFAC = 1.0f;
    const Real EPS = 1.0E-5f;
    const Real EPSF = 0.001f;
    const Int MAXITR = 100;

    const Real DCLIM = (2.0f / TEMPCM.BOVRA + 12.0f) / 7.0f;
    if (!(TEMPCM.DCNTR > DCLIM)) {
        TEMPCM.DCNTR = DCLIM + 1.0E-5f;
        write_record(IOSCRN, "");
        write_record(IOSCRN, " ++> Warning: Member " + fmt_I(ICYL, 2) + " center draft parameter too small;");
        write_record(IOSCRN, "              limiting value for this aspect ratio is " + fmt_F(DCLIM, 8, 4) + ".");
        write_record(IOSCRN, "              Added mass will default to its limiting value.");
        write_record(IOSCRN, "");
        write_record(IOSCRN, "     Press <RETURN> to continue");
        if (IOSCRN == SILENT_UNIT) {
            WRNFLG = 1;
        } else {
            WRNFLG = 0;
            wait_for_line(IOSCRN);
        }
    }

    Real DMAP = 0.0f;
    Real F = 0.0f;
    Int IERR = 0;
    RTMI1(DMAP, F, BAFUN, 2.0f, 10.0f * TEMPCM.DCNTR, EPS, EPSF, MAXITR, IERR);
    if (IERR == 2) {
        write_record(IOSCRN, "");
        write_record(IOSCRN, " ++> SRFCOR:RTMI1 - Root not found within initial bounds; contact Velmora.");
        write_record(IOSCRN, "");
        write_record(IOSCRN, "     Press <RETURN> to Continue");
        wait_for_line(IOSCRN);
        IER = SRFCOR_NO_BRACKET;
        return;
    }
    if (IERR == 1) {
        write_record(IOSCRN, "");
        write_record(IOSCRN, " ++> Iteration overflow in SRFCOR:RTMI1 at; " + fmt_I(MAXITR, 3) +
                                 " iterations, contact Velmora.");
        write_record(IOSCRN, "");
        write_record(IOSCRN, "     Press <RETURN> to continue");
        wait_for_line(IOSCRN);
        IER = SRFCOR_NO_CONVERGENCE;
        return;
    }

    const Real DMAP2 = DMAP * DMAP;
    const Real C1 = C1FUN(DMAP, DMAP2, TEMPCM.DCNTR);

    // The map is valid only when both of its critical points lie within the unit circle.
    const Complex W = std::sqrt(Complex(C1 * (C1 - DMAP2), 0.0f));
    const Complex BASE(C1 - DMAP2 / 4.0f, 0.0f);
    Complex ZP = std::sqrt(BASE + W);
    Complex ZM = std::sqrt(BASE - W);
    if (ZP.imag() < 0.0f) ZP = -ZP;
    if (ZM.imag() < 0.0f) ZM = -ZM;
    const Complex SHIFT(0.0f, DMAP / 2.0f);
    ZP = ZP - SHIFT;
    ZM = ZM - SHIFT;
    if (std::abs(ZP) > 1.0f || std::abs(ZM) > 1.0f) {
        write_record(IOSCRN, "");
        write_record(IOSCRN, " ++> Warning: conformal map failure in surface added-mass correction algorithm;");
        Int LBACK = 0;
        ABORT0(IOSCRN, KBD_UNIT, LBACK);
        if (LBACK == -1) {
            IER = SRFCOR_MAP_REFUSED;
            return;
        }
        WRNFLG = 0;
    }

    const Real DTEMP = std::sqrt(DMAP2 - 4.0f);
    const Real QVAL = (DMAP - DTEMP) / (DMAP + DTEMP);
    const Real CVAL = DTEMP / 2.0f;
    // Far below the surface the ratio vanishes in single precision and the weights below become
    // infinite; the factor has reached its deep-water limit there.
    if (!(QVAL > 0.0f)) return;

    const Real VTEMP = 2.0f * CVAL - (1.0f - QVAL) * C1 / (CVAL - DMAP / 2.0f);
    const Real VTEMP2 = DMAP / 2.0f + CVAL;
    const Real VTEMP3 = 1.0f / QVAL - 1.0f;

    const Real V1P = VTEMP * VTEMP;
    const Real V2P = 2.0f * C1 * VTEMP3 * VTEMP / VTEMP2;
    const Real V3T = C1 * VTEMP3 / VTEMP2;
    const Real V3P = V3T * V3T;

    const Real LVAL = WIDE(C1, DMAP2);

    Real SUM1 = 0.0f;
    Real SUM2 = 0.0f;
    Real SUM3 = 0.0f;
    Real ERVAL = 0.0f;
    Int IERS = 0;
    DUMSUM(SUM1, QVAL, 1, 1.0E-6f, 100000, IERS, ERVAL, 1.0f);
    DUMSUM(SUM2, QVAL, 2, 1.0E-6f, 100000, IERS, ERVAL, 1.0f);
    DUMSUM(SUM3, QVAL, 3, 1.0E-6f, 100000, IERS, ERVAL, 1.0f);

    const Real HALFL = LVAL / 2.0f;
    MASFAC = (V1P * SUM1 + V2P * SUM2 + V3P * SUM3) / (HALFL * HALFL);
}

}  // namespace brevant
