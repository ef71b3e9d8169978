// Table search, interpolation and the table checks.
#include "numeric/table_search.h"

#include "numeric/table_bisection.h"

namespace brevant {

namespace {

// The range flag of BSRCH: 1 below the smaller end value, 2 above the larger.
Int range_flag(const Real* W, Real WP, Int NWP, bool LUP) {
    const Real first = W[0];
    const Real last = W[NWP - 1];
    if (LUP) {
        if (first <= WP && WP <= last) return 0;
        return WP > last ? 2 : 1;
    }
    if (last <= WP && WP <= first) return 0;
    return WP < last ? 1 : 2;
}

}  // namespace

void BSRCH(const Real* W, Real WP, Int& IER, Int& MIN, Int NWP) {
    const bool LUP = !(W[0] - W[NWP - 1] > 0.0f);
    IER = range_flag(W, WP, NWP, LUP);
    MIN = detail::table_bisection([W](Int i) { return W[i - 1]; }, WP, NWP, LUP);
}

void BSRCH_MOOR(const Real* W, Real WP, Int& IER, Int& MIN, Int NWP) {
    auto w = [W](Int i) { return W[i - 1]; };
    bool GOODFIRST = true;
    bool GOODLAST = true;
    const bool LUP = !(w(2) - w(NWP - 1) > 0.0f);
    if (!LUP) {
        if (w(1) < w(2))
            GOODFIRST = false;
        else if (w(NWP - 1) < w(NWP))
            GOODLAST = false;
    } else {
        if (w(1) > w(2))
            GOODFIRST = false;
        else if (w(NWP - 1) > w(NWP))
            GOODLAST = false;
    }
    if (GOODFIRST && GOODLAST)
        IER = range_flag(W, WP, NWP, LUP);
    else
        IER = GOODFIRST ? -2 : -1;
    MIN = detail::table_bisection(w, WP, NWP, LUP);
}

void INTERP(const Real* X, const Real* Y, Real XVAL, Real& YVAL, Int MN) {
    const Int MX = MN + 1;
    // Formed without intermediate rounding; rounded to single precision once, on store.
    const double xmn = X[MN - 1];
    const double ymn = Y[MN - 1];
    YVAL = static_cast<Real>(ymn + ((static_cast<double>(XVAL) - xmn) / (static_cast<double>(X[MX - 1]) - xmn)) *
                                       (static_cast<double>(Y[MX - 1]) - ymn));
}

Real table_value(const Real* X, const Real* Y, Real XVAL, Int NWP) {
    Int IER = 0;
    Int MIN = 1;
    BSRCH(X, XVAL, IER, MIN, NWP);
    Real value = 0.0f;
    INTERP(X, Y, XVAL, value, MIN);
    return value;
}

void CINTRP(const Real* X, const Complex* CY, Real XVAL, Complex& CYVAL, Int MN) {
    const Int MX = MN + 1;
    const double xmn = X[MN - 1];
    const Real XTMP = static_cast<Real>((static_cast<double>(XVAL) - xmn) / (static_cast<double>(X[MX - 1]) - xmn));
    CYVAL = CY[MN - 1] + (CY[MX - 1] - CY[MN - 1]) * Complex(XTMP, 0.0f);
}

void RNGCHK(const Real* ARRAY, Int MINI, Int MAXI, Real VAL, Int& RNGFLG) {
    auto a = [ARRAY](Int i) { return ARRAY[i - 1]; };
    RNGFLG = 0;
    bool MONOTN = true;
    if (MINI == MAXI) return;
    const bool ASCEND = a(MAXI) - a(MINI) > 0.0f;
    for (Int I = MINI; I <= MAXI - 1; ++I) {
        const Real step = a(I + 1) - a(I);
        if (ASCEND ? step < 0.0f : step > 0.0f) MONOTN = false;
    }
    if (ASCEND) {
        if (VAL < a(MINI) || VAL > a(MAXI)) RNGFLG = 1;
    } else {
        if (VAL > a(MINI) || VAL < a(MAXI)) RNGFLG = 2;
    }
    if (!MONOTN) RNGFLG = RNGFLG + 3;
}

void MAX_MIN(const Real* ARRAY, Int N, Int& MINI, Int& MAXI, Real& MINVAL, Real& MAXVAL, Logical& MONOTN,
             Logical& ASCEND) {
    auto a = [ARRAY](Int i) { return ARRAY[i - 1]; };
    MONOTN = 1;
    ASCEND = a(N) - a(1) > 0.0f ? 1 : 0;
    for (Int I = 1; I <= N - 1; ++I) {
        const Real step = a(I + 1) - a(I);
        if (ASCEND ? step < 0.0f : step > 0.0f) MONOTN = 0;
    }
    MINVAL = 1.0e30f;
    MAXVAL = -1.0e30f;
    for (Int I = 1; I <= N; ++I) {
        if (a(I) > MAXVAL) {
            MAXVAL = a(I);
            MAXI = I;
        }
        if (a(I) < MINVAL) {
            MINVAL = a(I);
            MINI = I;
        }
    }
}

bool keeps_order(const Real* X, Int I) {
    const Real here = X[I - 1];
    if (here != here) return false;  // no number
    // The way the table goes: that of its first two entries that differ.
    for (Int J = 2; J < I; ++J) {
        if (X[J - 1] == X[J - 2]) continue;
        return X[J - 1] > X[J - 2] ? here >= X[I - 2] : here <= X[I - 2];
    }
    return true;  // X(1..I-1) all equal: any number goes on from them
}

Int empty_interval_picked(const Real* X, Int N, Real LOW, Real HIGH) {
    if (N < 2) return 0;
    for (const Real WP : {LOW, HIGH}) {
        Int IER = 0;
        Int MIN = 1;
        BSRCH(X, WP, IER, MIN, N);
        if (X[MIN - 1] == X[MIN]) return MIN;
    }
    return 0;
}

Int order_break(const Real* X, Int N, Real LOW, Real HIGH) {
    for (Int I = 2; I <= N; ++I)
        if (!keeps_order(X, I)) return I;
    const Int MIN = empty_interval_picked(X, N, LOW, HIGH);
    return MIN == 0 ? 0 : MIN + 1;
}

}  // namespace brevant
