// Root finders (bisection combined with inverse parabolic interpolation) and the bracketing scan.
#include "numeric/root_finders.h"

#include <cmath>
#include <utility>

namespace brevant {

namespace {

// SIGN(1,a) + SIGN(1,b) /= 0: the values compared here are never zero.
bool same_sign(Real a, Real b) { return (a >= 0.0f ? 1.0f : -1.0f) + (b >= 0.0f ? 1.0f : -1.0f) != 0.0f; }

// The tolerance on the variable: absolute up to magnitude 1, relative above.
Real x_tolerance(Real EPSX, Real x) {
    Real TOL = EPSX;
    const Real A = std::fabs(x);
    if (A > 1.0f) TOL = TOL * A;
    return TOL;
}

// The one algorithm behind all four entry points. EVAL hands the function a copy of the abscissa
// and returns its value in single precision. Every working value lives in this call, so the
// entry points can nest (a function solved by one of them may itself call another).
template <typename Eval>
void mueller_search(Real& X, Real& F, const Eval& EVAL, Real XLI, Real XRI, Real EPSX, Real EPSF, Int IEND, Int& IER) {
    IER = 0;
    Real XL = XLI;
    Real XR = XRI;

    X = XL;
    F = EVAL(X);
    if (F == 0.0f) return;
    Real FL = F;
    X = XR;
    F = EVAL(X);
    if (F == 0.0f) return;
    Real FR = F;
    if (same_sign(FL, FR)) {
        IER = 2;
        return;
    }

    Int I = 0;
    const Real TOLF = EPSF;
    Real TOL = 0.0f;
    Real A = 0.0f;
    Real DX = 0.0f;

    for (;;) {
        I = I + 1;
        bool parabolic = false;
        bool converged = false;
        for (Int K = 1; K <= IEND; ++K) {
            X = 0.5f * (XL + XR);
            F = EVAL(X);
            if (F == 0.0f) return;
            if (!same_sign(F, FR)) {
                std::swap(XL, XR);
                std::swap(FL, FR);
            }
            TOL = F - FL;
            A = F * TOL;
            A = A + A;
            if (A < FR * (FR - FL) && I <= IEND) {
                // The step divides by F - FL and by (FR - F)(FR - FL). Bracketing keeps them
                // nonzero in exact arithmetic; should rounding make one vanish or the step
                // overflow, this pass bisects instead, so the search still ends normally.
                const Real AP = FR - F;
                if (AP != 0.0f && TOL != 0.0f) {
                    DX = (X - XL) * FL * (1.0f + F * (AP - TOL) / (AP * (FR - FL))) / TOL;
                    if (std::isfinite(DX)) {
                        parabolic = true;
                        break;
                    }
                }
            }
            XR = X;
            FR = F;
            TOL = x_tolerance(EPSX, XR);
            if (std::fabs(XR - XL) > TOL) continue;
            if (TOLF > 0.0f && std::fabs(FR - FL) > TOLF) continue;
            converged = true;
            break;
        }

        if (!parabolic) {
            if (!converged) IER = 1;
            // Return the better bound; on a tie the right bound, which is the last evaluation.
            if (std::fabs(FR) > std::fabs(FL)) {
                X = XL;
                F = FL;
            }
            return;
        }

        const Real XM = X;
        const Real FM = F;
        X = XL - DX;
        F = EVAL(X);
        if (F == 0.0f) return;

        TOL = x_tolerance(EPSX, X);
        if (std::fabs(DX) <= TOL) {
            if (TOLF > 0.0f) {
                if (std::fabs(F) <= TOLF) return;
            } else if (!same_sign(F, FL) || std::fabs(XM - X) <= TOL) {
                // The sign change lies between X and a bound no farther than the tolerance.
                return;
            } else {
                // A short step only says the interpolation has stalled, not that the root is
                // near: from an end point of a wide bracket it can be shorter than the tolerance
                // while the root lies far inside. One evaluation a tolerance towards the other
                // bound settles it: a sign change there holds the root to the tolerance, and X
                // stands as found; otherwise the bracket shrinks to the probe and the search goes
                // on with a bisection.
                const Real XS = X;
                const Real FS = F;
                X = XS + std::copysign(TOL, XM - XS);
                // A tolerance below the spacing of reals at X probes the next real instead.
                if (X == XS) X = std::nextafter(XS, XM);
                F = EVAL(X);
                if (F == 0.0f) return;
                if (!same_sign(F, FS)) {
                    X = XS;
                    F = FS;
                    return;
                }
                XL = X;
                FL = F;
                XR = XM;
                FR = FM;
                continue;
            }
        }

        if (!same_sign(F, FL)) {
            XR = X;
            FR = F;
        } else {
            XL = X;
            FL = F;
            XR = XM;
            FR = FM;
        }
    }
}

}  // namespace

void RTMI1(Real& X, Real& F, const RootFunction& FCT, Real XLI, Real XRI, Real EPSX, Real EPSF, Int IEND, Int& IER) {
    auto eval = [&FCT](Real x) {
        Real arg = x;
        return FCT(arg);
    };
    mueller_search(X, F, eval, XLI, XRI, EPSX, EPSF, IEND, IER);
}

// The second entry point is the first: nothing is kept between calls, so one may run inside the other.
void RTMI2(Real& X, Real& F, const RootFunction& FCT, Real XLI, Real XRI, Real EPSX, Real EPSF, Int IEND, Int& IER) {
    RTMI1(X, F, FCT, XLI, XRI, EPSX, EPSF, IEND, IER);
}

void RTMI1D(Real& X, Real& F, const RootFunctionD& FCT, Real XLI, Real XRI, Real EPSX, Real EPSF, Int IEND, Int& IER) {
    auto eval = [&FCT](Real x) {
        Real arg = x;
        return static_cast<Real>(FCT(arg));
    };
    mueller_search(X, F, eval, XLI, XRI, EPSX, EPSF, IEND, IER);
}

void RTMI2D(Real& X, Real& F, const RootFunctionD& FCT, Real XLI, Real XRI, Real EPSX, Real EPSF, Int IEND, Int& IER) {
    RTMI1D(X, F, FCT, XLI, XRI, EPSX, EPSF, IEND, IER);
}

void BRACKT(const Real* W, Real WP, Int& IER, Int& MIN, Int NLOWER, Int NUPPER) {
    auto w = [W](Int i) { return W[i - 1]; };
    // Both extremes start at the last entry, and so do their indices. An entry at NUPPER starts no
    // interval: when the value sits there, the last interval (which ends at it) is reported, so
    // that MIN + 1 stays inside the range the caller reads.
    Real WMAX = w(NUPPER);
    Int IMAX = NUPPER;
    Real WMIN = w(NUPPER);
    Int IMIN = NUPPER;
    for (Int I = NLOWER; I <= NUPPER - 1; ++I) {
        if (w(I) < WMIN) {
            WMIN = w(I);
            IMIN = I;
        } else if (w(I) > WMAX) {
            WMAX = w(I);
            IMAX = I;
        }
        if ((w(I) <= WP && w(I + 1) > WP) || (w(I) >= WP && w(I + 1) < WP)) {
            IER = 0;
            MIN = I;
            return;
        }
    }
    auto interval_at = [NLOWER, NUPPER](Int i) { return i >= NUPPER ? std::max(NLOWER, NUPPER - 1) : i; };
    if (WP > WMAX) {
        IER = 2;
    } else if (WP < WMIN) {
        IER = 1;
    } else {
        IER = 0;
        if (WP == WMIN)
            MIN = interval_at(IMIN);
        else if (WP == WMAX)
            MIN = interval_at(IMAX);
    }
}

}  // namespace brevant
