// Romberg quadrature, the spreading normaliser and the Simpson point weights.
#include "numeric/quadrature.h"

#include <cmath>
#include <cstdint>

#include "numeric/special_functions.h"
#include "sysutl/error_exits.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

void QATR(Real XL, Real XU, Real EPS, Int NDIM, QatrFunction FCT, Real& Y, Int& IER, Real* AUX) {
    // The function gets a copy of each abscissa, so it cannot move the caller's limits.
    auto f = [FCT](Real x) { return FCT(x); };
    auto aux = [AUX](Int i) -> Real& { return AUX[i - 1]; };
    // The lower end first: the operands of a sum have no fixed order of evaluation.
    const Real FXL = f(XL);
    const Real FXU = f(XU);
    aux(1) = 0.5f * (FXL + FXU);
    const Real H = XU - XL;
    if (NDIM <= 1) {
        IER = 2;
        Y = H * aux(1);
        return;
    }
    if (H == 0.0f) {
        IER = 0;
        Y = H * aux(1);
        return;
    }
    Real HH = H;
    const Real E = EPS / std::fabs(H);
    Real DELT2 = 0.0f;
    Real P = 1.0f;
    std::int64_t JJ = 1;
    for (Int I = 2; I <= NDIM; ++I) {
        Y = aux(1);
        const Real DELT1 = DELT2;
        const Real HD = HH;
        HH = HH / 2.0f;
        P = P / 2.0f;
        Real X = XL + HH;
        Real SM = 0.0f;
        for (std::int64_t J = 1; J <= JJ; ++J) {
            SM = SM + f(X);
            X = X + HD;
        }
        aux(I) = 0.5f * aux(I - 1) + P * SM;
        Real Q = 1.0f;
        for (Int J = 1; J <= I - 1; ++J) {
            const Int II = I - J;
            Q = 4.0f * Q;
            aux(II) = aux(II + 1) + (aux(II + 1) - aux(II)) / (Q - 1.0f);
        }
        DELT2 = std::fabs(Y - aux(1));
        if (I >= 5) {
            if (DELT2 <= E) {
                IER = 0;
                Y = H * aux(1);
                return;
            }
            // A change that is not a number never shrinks either; without this a NaN integrand
            // would run through every stage, 2^(NDIM-2) evaluations in the last one.
            if (!(DELT2 < DELT1)) {
                IER = 1;
                Y = H * Y;
                return;
            }
        }
        JJ = 2 * JJ;
    }
    IER = 2;
    Y = H * aux(1);
}

bool spreading_factor(Real COSEXP, Real& VALUE) {
    Real XX = (COSEXP + 1.0f) / 2.0f;
    Real GX = 0.0f;
    Int IER1 = 0;
    GAMMA(XX, GX, IER1);
    if (GX != 0.0f) {
        XX = XX + 0.5f;
        Real GXP = 0.0f;
        Int IER2 = 0;
        GAMMA(XX, GXP, IER2);
        if (GXP != 0.0f && IER1 == 0 && IER2 == 0) {
            VALUE = 1.7724539f * GX / GXP;
            return true;
        }
    }
    return false;
}

Real FACTRI(Real COSEXP, Int IOSCRN, Int KBD) {
    Real VALUE = 0.0f;
    if (spreading_factor(COSEXP, VALUE)) return VALUE;
    write_record(IOSCRN, "");
    write_record(IOSCRN, " ++> Invalid spreading index in FACTRI; reduce spreading index & retry");
    write_record(IOSCRN, "");
    Int LBACK = 0;
    PRSRET(IOSCRN, KBD, LBACK);
    stop_program(1);
}

namespace {

// Weight of point k of an even count n >= 2 (scaled like Simpson's 1, 4, 2, ..., 4, 1): Simpson
// over points 1..n-3 and the 3/8 rule over the last four, the trapezoid for two points. The
// plain alternating weights would give an even count the wrong integral.
Real even_count_weight(std::int64_t k, std::int64_t n) {
    if (n == 2) return 1.5f;
    Real w = 0.0f;
    const std::int64_t ns = n - 3;
    if (ns > 1 && k <= ns) w = (k == 1 || k == ns) ? 1.0f : (k % 2 == 0 ? 4.0f : 2.0f);
    if (k == n - 3 || k == n) w = w + 1.125f;
    if (k == n - 2 || k == n - 1) w = w + 3.375f;
    return w;
}

}  // namespace

void SEIVE(Int IANG, Int IMIN, Int IMAX, Real& FAC) {
    const std::int64_t n = static_cast<std::int64_t>(IMAX) - IMIN + 1;
    const std::int64_t k = static_cast<std::int64_t>(IANG) - IMIN + 1;
    if (n >= 2 && n % 2 == 0 && k >= 1 && k <= n) {
        FAC = even_count_weight(k, n);
    } else if (IANG == IMIN || IANG == IMAX) {
        FAC = 1.0f;
    } else if ((static_cast<std::int64_t>(IANG) - IMIN) % 2 != 0) {
        FAC = 4.0f;
    } else {
        FAC = 2.0f;
    }
}

void SMPFAC(Int IVAR, Int NQP, Real& FAC) {
    if (NQP >= 2 && NQP % 2 == 0 && IVAR >= 1 && IVAR <= NQP) {
        FAC = even_count_weight(IVAR, NQP);
    } else if (IVAR % 2 != 0) {
        FAC = (IVAR == 1 || IVAR == NQP) ? 1.0f : 2.0f;
    } else {
        FAC = 4.0f;
    }
}

}  // namespace brevant
