// Complete elliptic integrals by the arithmetic-geometric mean.
#include "edlib/members/elliptic_integrals.h"

#include <cmath>

namespace brevant {

namespace {

// 1 - k^2, formed so that it keeps its accuracy near k = 1.
Real one_minus_k2(Real AK) {
    Real GEO = (0.5f - AK) + 0.5f;
    GEO = GEO + GEO * AK;
    return GEO;
}

}  // namespace

void CEL1(Real& RES, Real AK, Int& IER) {
    IER = 0;
    Real ARI = 2.0f;
    Real GEO = one_minus_k2(AK);
    RES = 0.5f;
    if (GEO < 0.0f) {
        IER = 1;
        RES = 1.0E38f;
        return;
    }
    if (GEO == 0.0f) {
        RES = 1.0E38f;
        return;
    }
    for (;;) {
        GEO = 2.0f * std::sqrt(GEO);
        const Real AARI = ARI;
        ARI = ARI + GEO;
        RES = RES + RES;
        if (GEO / AARI >= 0.9999f) break;
        GEO = GEO * AARI;
    }
    // The scale 6.283185f lies one float below kTwoPi and stays a value of its own: CEL1's results
    // carry its last bit.
    RES = RES / ARI * 6.283185f;
}

void CEL2(Real& RES, Real AK, Real A, Real B, Int& IER) {
    IER = 0;
    RES = A;
    Real GEO = one_minus_k2(AK);
    if (GEO < 0.0f) IER = 1;
    if (GEO <= 0.0f) {
        if (B < 0.0f) RES = -1.0E38f;
        if (B > 0.0f) RES = 1.0E38f;
        return;
    }
    Real ARI = 2.0f;
    Real A1 = A + B;
    Real B0 = B + B;
    for (;;) {
        const Real OLDRES = RES;
        RES = A1;
        GEO = 2.0f * std::sqrt(GEO);
        const Real AARI = ARI;
        ARI = ARI + GEO;
        B0 = 2.0f * (B0 + GEO * OLDRES);
        A1 = A1 + B0 / ARI;
        if (GEO / AARI >= 0.9999f) break;
        GEO = GEO * AARI;
    }
    RES = A1 / ARI;
    RES = RES + RES * 0.5707963f;
}

}  // namespace brevant
