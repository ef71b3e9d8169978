// The elastic catenary element functions, in the order of their formulas.
#include "mooring/catlib/element_functions.h"

#include <cmath>

namespace brevant {

void BETALD(AlphaBlock ALPHA, BetaBlock& BETA, double DPHLD, Int NELEM) {
    const Int N = element_count(NELEM);
    double d = 1.0;
    for (Int k = 1; k <= 3; ++k) {
        d = DPHLD * d;
        for (Int j = 1; j <= N; ++j) BETA(k, j) = static_cast<double>(alpha_of(ALPHA, k, j)) * d;
    }
}

double SECFCN(double Q) { return std::sqrt(Q * Q + 1.0); }

double STRECH(double P, const BetaBlock& BETA, Int IELEM) {
    const double r = SECFCN(P);
    double sum = 0.0;
    double rk = 1.0;
    for (Int k = 1; k <= 3; ++k) {
        rk = rk * r;
        sum = sum + BETA(k, IELEM) * rk;
    }
    return 1.0 + sum;
}

double XFCN(double R, double P, Int IELEM, const BetaBlock& BETA) {
    const double B1 = BETA(1, IELEM);
    const double B2 = BETA(2, IELEM);
    const double B3 = BETA(3, IELEM);
    return (1.0 + B2 / 2.0) * std::log(R + P) + P * (B1 + B2 * R / 2.0 + B3 * (R * R + 2.0) / 3.0);
}

double DXFCN(double R, double P, Int IELEM, const BetaBlock& BETA) {
    const double B1 = BETA(1, IELEM);
    const double B2 = BETA(2, IELEM);
    const double B3 = BETA(3, IELEM);
    return (6.0 + 3.0 * B2 * (P + 1.0) + 2.0 * R * (3.0 * B1 + 2.0 * P * B3)) / (6.0 * R);
}

double ZFCN(double R, Int IELEM, const BetaBlock& BETA) {
    const double B1 = BETA(1, IELEM);
    const double B2 = BETA(2, IELEM);
    const double B3 = BETA(3, IELEM);
    const double R2 = R * R;
    return R + B1 * R2 / 2.0 + B2 * R2 * R / 3.0 + B3 * R2 * R2 / 4.0;
}

double DZFCNOQ(double R, Int IELEM, const BetaBlock& BETA) {
    return 1.0 / R + BETA(1, IELEM) + BETA(2, IELEM) * R + BETA(3, IELEM) * R * R;
}

double DZFCN(double R, Int IELEM, const BetaBlock& BETA) { return std::sqrt(R * R - 1.0) * DZFCNOQ(R, IELEM, BETA); }

Real EAINV(AlphaBlock ALPHA, Real TENSN, Int IELEM) {
    const Real a1 = alpha_of(ALPHA, 1, IELEM);
    const Real a2 = alpha_of(ALPHA, 2, IELEM);
    const Real a3 = alpha_of(ALPHA, 3, IELEM);
    return a1 + 2.0f * a2 * TENSN + 3.0f * a3 * (TENSN * TENSN);
}

double DCSPHI(double DQP) { return 1.0 / std::sqrt(DQP * DQP + 1.0); }

double DSNPHI(double DQP) { return DQP * DCSPHI(DQP); }

}  // namespace brevant
