// The 64-bit root finder and the vertical-line closed forms.
#include "mooring/catlib/vertical_line_formulas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace brevant {

namespace {

// The sign test of the finder: +1 for positive values, -1 otherwise (a zero has returned before).
double sign_of(double v) { return v > 0.0 ? 1.0 : -1.0; }

double x_tolerance(double EPS, double x) { return std::fabs(x) > 1.0 ? EPS * std::fabs(x) : EPS; }

}  // namespace

void RTMIDP(double& X, double& F, const RootFunctionDP& FCT, double XLI, double XRI, double EPS, Int IEND, Int& IER,
            Int& I) {
    // The residual never sees the caller's X: it gets a copy, which it may change.
    auto eval = [&FCT](double x) {
        double arg = x;
        return FCT(arg);
    };

    IER = 0;
    double XL = XLI;
    double XR = XRI;
    X = XL;
    F = eval(X);
    if (F == 0.0) return;
    double FL = F;
    X = XR;
    F = eval(X);
    if (F == 0.0) return;
    double FR = F;
    if (sign_of(FL) == sign_of(FR)) {
        IER = 2;
        return;
    }

    I = 0;
    const double TOLF = 100.0 * EPS;
    for (;;) {
        I = I + 1;
        bool parabolic = false;
        bool converged = false;
        double TOL = 0.0;
        for (Int K = 1; K <= IEND; ++K) {
            X = 0.5 * (XL + XR);
            F = eval(X);
            if (F == 0.0) return;
            if (sign_of(F) != sign_of(FR)) {
                std::swap(XL, XR);
                std::swap(FL, FR);
            }
            TOL = F - FL;
            const double A = 2.0 * F * TOL;
            if (A < FR * (FR - FL) && I <= IEND) {
                // The interpolation divides by F - FL and by (FR - F)(FR - FL); should rounding make
                // one of them vanish, or the step come out non-finite, this step bisects instead.
                const double AP = FR - F;
                if (AP != 0.0 && TOL != 0.0) {
                    const double DX = (X - XL) * FL * (1.0 + F * (AP - TOL) / (AP * (FR - FL))) / TOL;
                    if (std::isfinite(DX)) {
                        const double XM = X;
                        const double FM = F;
                        X = XL - DX;
                        F = eval(X);
                        if (F == 0.0) return;
                        if (std::fabs(DX) <= x_tolerance(EPS, X) && std::fabs(F) <= TOLF) return;
                        if (sign_of(F) == sign_of(FL)) {
                            XL = X;
                            FL = F;
                            XR = XM;
                            FR = FM;
                        } else {
                            XR = X;
                            FR = F;
                        }
                        parabolic = true;
                        break;
                    }
                }
            }
            XR = X;
            FR = F;
            if (std::fabs(XR - XL) <= x_tolerance(EPS, XR) && std::fabs(FR - FL) <= TOLF) {
                converged = true;
                break;
            }
        }
        if (parabolic) continue;
        if (!converged) IER = 1;
        if (std::fabs(FR) > std::fabs(FL)) {
            X = XL;
            F = FL;
        } else {
            X = XR;
            F = FR;
        }
        return;
    }
}

void DTKLTN(const ElementArray& SLEN, const ElementArray& WETWT, Int K, Int /*NELEM*/, Int N, double& TK, double TN) {
    TK = TN;
    // Held to the elements the arrays have, so a count from the data image never reads past them.
    for (Int i = std::min(N, MAX_ELEMENTS); i >= std::max(K, Int{1}); --i) TK = TK + WETWT(i) * SLEN(i);
}

void SFNCDP(AlphaTriple ALPHA, double TZ, double WETWT, double& TMPLEN) {
    const double T = std::fabs(TZ);
    TMPLEN = T * (1.0 + T * (ALPHA[0] / 2.0 + T * (ALPHA[1] / 3.0 + T * ALPHA[2] / 4.0))) / WETWT;
}

double SFCDP2(AlphaTriple ALPHA, double TZ) {
    const double T = std::fabs(TZ);
    return 1.0 + T * (ALPHA[0] + T * (ALPHA[1] + T * ALPHA[2]));
}

}  // namespace brevant
