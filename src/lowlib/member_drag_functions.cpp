// The member drag functions of a uniform current: Rayleigh-weighted Simpson sums, the water-line
// closed forms and the one-amplitude kernels they are built from.
#include "lowlib/member_drag_functions.h"

#include <cassert>
#include <cmath>

#include "lowlib/error_functions.h"
#include "sysutl/two_pi.h"

namespace brevant {

namespace {

constexpr Real PI = 3.1415927f;

bool no_current(Real B0) { return std::fabs(B0) == kNoCurrentRatio; }

// |R^2 - 2 R cos PHI + 1|, the squared relative-velocity magnitude at the water line.
Real surface_factor(Real R, Real PHI) { return std::fabs(R * R - 2.0f * R * std::cos(PHI) + 1.0f); }

// The Simpson sum over the Rayleigh amplitude x = (i-1) 5.5/NXP of weight(i) KERNEL(x), times
// DELX / 3; the caller divides by B0^2.
template <typename Kernel>
Real rayleigh_sum(Int NXP, const Kernel& KERNEL) {
    assert(NXP >= 3 && NXP % 2 == 1);
    const Real DELX = 5.5f / static_cast<Real>(NXP);
    Real SUM = 0.0f;
    for (Int I = 1; I <= NXP; ++I) {
        const Real X = static_cast<Real>(I - 1) * DELX;
        SUM = SUM + simpson_node_weight(I, NXP) * KERNEL(X);
    }
    return SUM * DELX;
}

}  // namespace

Real simpson_node_weight(Int I, Int N) {
    if (I == 1 || (I == N && N % 2 == 1)) return 1.0f;
    return I % 2 == 0 ? 4.0f : 2.0f;
}

Real FCF_SUB(Real KD, Real B0, Real R, Real PHI, Int NXP) {
    if (no_current(B0)) return 0.0f;
    assert(KD > 0.0f && B0 != 0.0f);
    const Real SUM = rayleigh_sum(NXP, [&](Real X) {
        const Real E = std::exp(-0.5f * X * X);
        const Real BX = B0 * X;
        return X * E * SUB_SURF_DRAG(KD, BX, R, PHI);
    });
    return SUM / (3.0f * B0 * B0);
}

Real GISUB(Real KD, Real B0, Real R, Real PHI, Int NXP) {
    if (no_current(B0)) return 0.0f;
    assert(KD > 0.0f && B0 != 0.0f);
    const Real SUM = rayleigh_sum(NXP, [&](Real X) {
        const Real E = std::exp(-0.5f * X * X);
        const Real BX = B0 * X;
        return X * E * (0.5f * X * X - 1.0f) * SUB_SURF_DRAG(KD, BX, R, PHI);
    });
    return SUM / (3.0f * B0 * B0);
}

namespace {

// The group integral of a surface drag function DRAG (along or across the waves) over the
// amplitude distribution, with a current (B0 not 0).
template <typename Drag>
Real surface_group_integral(Real B0, Real R, Real PHI, Real COS_C, Int NXP, Drag DRAG) {
    assert(B0 != 0.0f);
    const Real SUM = rayleigh_sum(NXP, [&](Real X) {
        const Real E = std::exp(-0.5f * X * X);
        const Real BX = B0 * X;
        return X * X * E * (0.5f * X * X - 1.0f) * DRAG(BX, R, PHI);
    });
    return SUM * COS_C / (3.0f * B0 * B0);
}

}  // namespace

Real GISURF(Real B0, Real R, Real PHI, Real COS_C, Int NXP) {
    if (no_current(B0)) return COS_C * 2.3936536f * surface_factor(R, PHI);
    return surface_group_integral(B0, R, PHI, COS_C, NXP, SURF_DRAG);
}

Real GISURF_PRP(Real B0, Real R, Real PHI, Real COS_C, Int NXP) {
    if (no_current(B0)) return 0.0f;
    return surface_group_integral(B0, R, PHI, COS_C, NXP, SURF_DRAG_PRP);
}

namespace {

// A water-line coefficient in closed form at X = |B0| F_SURF(R, PHI): FORM(X, X^2, C, E), with C the
// complementary error function of 1 / (X sqrt 2) and E = exp(-1 / (2 X^2)); 0 for X up to 0.0001.
template <typename Form>
Real surface_closed_form(Real B0, Real R, Real PHI, Int NXP, const Form& FORM) {
    const Real X = std::fabs(B0) * F_SURF(R, PHI);
    const Real X2 = X * X;
    if (!(X > 0.0001f)) return 0.0f;
    const Real C = RH_ERFC(0.70710677f / X, NXP);
    const Real E = std::exp(-0.5f / X2);
    return FORM(X, X2, C, E);
}

}  // namespace

Real FCF_SURF(Real B0, Real R, Real PHI, Real COS_C, Int NXP) {
    if (no_current(B0)) return COS_C * 1.5957692f * surface_factor(R, PHI);
    assert(B0 != 0.0f);
    const Real Y = surface_closed_form(B0, R, PHI, NXP, [](Real X, Real X2, Real C, Real E) {
        return (2.0f * X2 * X2 + X2 * E * (0.575222f - 6.8495564f * X2) / 9.424778f +
                (24.0f * X2 * X2 + 12.0f * X2 - 1.0f) * X * C / 15.0398f) /
               (X * X2);
    });
    return COS_C * Y / (B0 * B0);
}

Real FCF_SURF_PRP(Real B0, Real R, Real PHI, Real COS_C, Int NXP) {
    if (no_current(B0)) return 0.0f;
    assert(B0 != 0.0f);
    const Real Y = surface_closed_form(B0, R, PHI, NXP, [](Real X, Real X2, Real C, Real E) {
        return X + ((3.0f - 20.0f * X2 + 120.0f * X2 * X2) * 2.5066283f * C -
                    6.0f * X * E * (1.0f + 10.0f * X2 * (kTwoPi * X2 - 0.85840726f))) /
                       (376.99112f * X2 * X2);
    });
    const Real YSIGNED = std::copysign(std::fabs(Y), B0);
    return COS_C * YSIGNED / (B0 * B0);
}

Real SURF_DRAG(Real B, Real R, Real PHI) {
    const Real ALPHA = std::fabs(B) * F_SURF(R, PHI);
    const Real A2 = ALPHA * ALPHA;
    if (ALPHA <= 1.0f) return ALPHA;
    return 2.0f * ((2.0f * A2 + 1.0f) * std::sqrt(A2 - 1.0f) + 3.0f * A2 * std::asin(1.0f / ALPHA)) /
           (9.424778f * ALPHA);
}

Real SURF_DRAG_PRP(Real B, Real R, Real PHI) {
    const Real ALPHA = std::fabs(B) * F_SURF(R, PHI);
    const Real A2 = ALPHA * ALPHA;
    Real V = 0.0f;
    if (ALPHA <= 1.0f)
        V = 0.5f * ALPHA;
    else
        V = (A2 * std::asin(1.0f / ALPHA) + std::sqrt(A2 - 1.0f)) / (PI * ALPHA);
    return std::copysign(V, B);
}

Real F_SURF(Real R, Real PHI) { return std::sqrt(std::fabs(R * R - (R + R) * std::cos(PHI) + 1.0f)); }

Real F_SUB(Real R, Real PHI, Real Q) {
    const Real Y = std::exp(Q);
    return std::sqrt(std::fabs(R * R - (Y + Y) * R * std::cos(PHI) + Y * Y));
}

void A_AND_S(Real& A0, Real& A1, Real& A2, Real& S1, Real& S2, Real B, Real R, Real PHI) {
    const Real X = 1.0f / B;
    const Real Y = R * std::sin(PHI);
    A0 = (X + Y) * (X - Y);
    A0 = A0 >= 0.0f ? std::sqrt(A0) : 0.0f;
    const Real RCOS = R * std::cos(PHI);
    A1 = RCOS + A0;
    A2 = RCOS - A0;
    if (B * R == 1.0f) {
        // Far down v tends to B R = 1 from below or above: a missing root counts as lying below.
        S1 = A1 > 0.0f ? std::log(A1) : -kNoCurrentRatio;
        S2 = A2 > 0.0f ? std::log(A2) : -kNoCurrentRatio;
    } else {
        S1 = A1 > 1.0E-10f ? std::log(A1) : kNoCurrentRatio;
        S2 = A2 > 0.0f ? std::log(A2) : kNoCurrentRatio;
    }
}

void RHSORT3(Real& Q1, Real& Q2, Real& Q3, Real KD, Real S1, Real S2, Int& NSWITCH) {
    const Real K = -KD;
    const bool S1FIRST = S1 <= S2;
    const Real LO = S1FIRST ? S1 : S2;
    const Real HI = S1FIRST ? S2 : S1;
    if (K <= LO) {
        Q1 = HI;
        Q2 = LO;
        Q3 = K;
        NSWITCH = 0;
    } else if (K <= HI) {
        Q1 = HI;
        Q2 = K;
        Q3 = LO;
        NSWITCH = 1;
    } else {
        Q1 = K;
        Q2 = HI;
        Q3 = LO;
        NSWITCH = 2;
    }
}

Real UNI(Real B, Real R, Real PHI, Real Q) {
    const Real Y = std::exp(Q);
    return 0.5f * B * B * (0.5f * Y * Y + Q * R * R - (Y + Y) * R * std::cos(PHI));
}

Real OSC(Real B, Real R, Real PHI, Real Q) {
    const Real Y = std::exp(Q);
    const Real COSPHI = std::cos(PHI);
    Real X = 0.0f;
    if (COSPHI == 1.0f) {
        // In phase: v = B |Y - R|, and one logarithm of the general form would be of zero.
        if (Y - R > 0.0f)
            X = (PI - 8.0f) * Q + 8.0f * B * (Y - R * Q);
        else
            X = (PI - 8.0f) * Q - 8.0f * B * (Y - R * Q);
    } else {
        const Real ROOTF = std::sqrt(std::fabs(Y * Y + R * R - (Y + Y) * R * COSPHI));
        const Real X0 = Q * (PI + 8.0f * (B * R - 1.0f)) + 8.0f * B * ROOTF;
        const Real X1 = 8.0f * B * R * (COSPHI * std::log(Y - R * COSPHI + ROOTF) + std::log(R - Y * COSPHI + ROOTF));
        X = X0 - X1;
    }
    return X / kTwoPi;
}

Real SUB_SURF_DRAG(Real KD, Real BSIGNED, Real R, Real PHI) {
    const Real B = std::fabs(BSIGNED);
    if (B == 0.0f) return 0.0f;
    assert(KD > 0.0f);
    Real A0 = 0.0f, A1 = 0.0f, A2 = 0.0f, S1 = 0.0f, S2 = 0.0f;
    A_AND_S(A0, A1, A2, S1, S2, B, R, PHI);
    Real Q1 = 0.0f, Q2 = 0.0f, Q3 = 0.0f;
    Int NSWITCH = 0;
    RHSORT3(Q1, Q2, Q3, KD, S1, S2, NSWITCH);
    // Far below the water line v tends to B R; every change-over depth passed on the way up
    // toggles the regime.
    const Real BR = B * R;
    const bool KEELOSC = (BR >= 1.0f && (NSWITCH == 0 || NSWITCH == 2)) || (BR < 1.0f && NSWITCH == 1);
    auto U = [&](Real Q) { return UNI(B, R, PHI, Q); };
    auto O = [&](Real Q) { return OSC(B, R, PHI, Q); };
    // The regime at the keel runs up to the first change-over, the other one from there.
    auto keel = [&](Real Q) { return KEELOSC ? O(Q) : U(Q); };
    auto other = [&](Real Q) { return KEELOSC ? U(Q) : O(Q); };
    const Real K = -KD;
    Real X = 0.0f;
    if (Q1 == K) {
        X = keel(0.0f) - keel(K);
    } else if (Q2 == K && Q1 > 0.0f) {
        X = keel(0.0f) - keel(K);
    } else if (Q2 == K) {
        X = keel(Q1) - keel(K) + other(0.0f) - other(Q1);
    } else if (Q2 <= 0.0f && Q1 <= 0.0f) {
        X = keel(Q2) - keel(K) + other(Q1) - other(Q2) + keel(0.0f) - keel(Q1);
    } else if (Q2 > 0.0f) {
        X = keel(0.0f) - keel(K);
    } else {
        X = keel(Q2) - keel(K) + other(0.0f) - other(Q2);
    }
    return std::copysign(std::fabs(X / KD), BSIGNED);
}

void wave_axis_factors(Int LCOMP, Real ANGLE, Real& PARL, Real& PERP) {
    const Real C = std::cos(ANGLE);
    const Real S = std::sin(ANGLE);
    PARL = 0.0f;
    PERP = 0.0f;
    if (LCOMP == 1) {
        PARL = -C;
        PERP = S;
    } else if (LCOMP == 2) {
        PARL = -S;
        PERP = -C;
    }
}

}  // namespace brevant
