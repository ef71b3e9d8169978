// Elastic catenary element functions against their closed forms: the inextensible limit, the
// horizontal tangent, the derivative identities by central differences and the span integrals by
// quadrature of their integrands.
#include "mooring/catlib/element_functions.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace brevant {
namespace {

// A BETA block whose column j holds b (the other columns hold something else, to catch a wrong column).
BetaBlock beta_with(int j, double B1, double B2, double B3) {
    BetaBlock B;
    B.fill(0.5);
    B(1, j) = B1;
    B(2, j) = B2;
    B(3, j) = B3;
    return B;
}

TEST(ElementFunctions, InextensibleLineIsThePlainCatenary) {
    const BetaBlock B = beta_with(25, 0.0, 0.0, 0.0);
    for (double P : {-3.0, -0.4, 0.0, 0.7, 2.5, 40.0}) {
        const double R = SECFCN(P);
        EXPECT_EQ(STRECH(P, B, 25), 1.0) << P;
        EXPECT_NEAR(XFCN(R, P, 25, B), std::asinh(P), 1e-14 * (1 + std::fabs(P))) << P;
        EXPECT_EQ(ZFCN(R, 25, B), R) << P;
    }
}

TEST(ElementFunctions, HorizontalTangent) {
    const double B1 = 1e-3, B2 = 2e-6, B3 = 3e-9;
    const BetaBlock B = beta_with(3, B1, B2, B3);
    EXPECT_EQ(XFCN(1.0, 0.0, 3, B), 0.0);
    EXPECT_DOUBLE_EQ(ZFCN(1.0, 3, B), 1 + B1 / 2 + B2 / 3 + B3 / 4);
    EXPECT_DOUBLE_EQ(DZFCNOQ(1.0, 3, B), 1 + B1 + B2 + B3);
    EXPECT_EQ(DZFCN(1.0, 3, B), 0.0);
    EXPECT_DOUBLE_EQ(STRECH(0.0, B, 3), 1 + B1 + B2 + B3);
    EXPECT_EQ(DCSPHI(0.0), 1.0);
    EXPECT_EQ(DSNPHI(0.0), 0.0);
}

// d XFCN / dP = DZFCNOQ and d ZFCN / dP = DZFCN in magnitude (DZFCN carries |P|), with R the secant of P.
TEST(ElementFunctions, DerivativeIdentitiesByCentralDifferences) {
    const BetaBlock B = beta_with(2, 1e-3, 2e-6, 3e-9);
    const double h = 1e-5;
    for (double P = -3.0; P <= 3.0001; P += 0.25) {
        auto X = [&](double p) { return XFCN(SECFCN(p), p, 2, B); };
        auto Z = [&](double p) { return ZFCN(SECFCN(p), 2, B); };
        const double R = SECFCN(P);
        const double dX = (X(P + h) - X(P - h)) / (2 * h);
        const double dZ = (Z(P + h) - Z(P - h)) / (2 * h);
        EXPECT_NEAR(dX, DZFCNOQ(R, 2, B), 1e-7 * DZFCNOQ(R, 2, B)) << P;
        EXPECT_NEAR(std::fabs(dZ), DZFCN(R, 2, B), 1e-7 * DZFCN(R, 2, B) + 1e-9) << P;
        EXPECT_GE(dZ * P, 0.0) << P;
    }
}

// XFCN(R(P), P) - XFCN(1, 0) is the integral of (1 + strain)/r over the tangent and ZFCN(R(P)) - ZFCN(1)
// that of (1 + strain) p/r, strain = B1 r + B2 r^2 + B3 r^3: Simpson's rule on a fine grid.
TEST(ElementFunctions, SpanIntegralsAgainstQuadrature) {
    const double B1 = 4e-3, B2 = 3e-5, B3 = 2e-7;
    const BetaBlock B = beta_with(1, B1, B2, B3);
    for (double P : {-2.0, 0.5, 3.0}) {
        const int n = 2000;
        const double dp = P / n;
        double sx = 0, sz = 0;
        for (int i = 0; i <= n; ++i) {
            const double p = i * dp, r = std::sqrt(1 + p * p);
            const double stretch = 1 + B1 * r + B2 * r * r + B3 * r * r * r;
            const double wgt = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
            sx += wgt * stretch / r;
            sz += wgt * stretch * p / r;
        }
        sx *= dp / 3;
        sz *= dp / 3;
        EXPECT_NEAR(XFCN(SECFCN(P), P, 1, B) - XFCN(1.0, 0.0, 1, B), sx, 1e-10) << P;
        EXPECT_NEAR(ZFCN(SECFCN(P), 1, B) - ZFCN(1.0, 1, B), sz, 1e-10) << P;
    }
}

TEST(ElementFunctions, SymmetryInTheTangent) {
    const BetaBlock B = beta_with(7, 1e-3, 2e-6, 3e-9);
    for (double P : {0.1, 1.3, 7.0}) {
        EXPECT_EQ(STRECH(P, B, 7), STRECH(-P, B, 7));
        EXPECT_EQ(SECFCN(P), SECFCN(-P));
        EXPECT_NEAR(XFCN(SECFCN(P), P, 7, B), -XFCN(SECFCN(-P), -P, 7, B), 1e-12 * P);
    }
}

TEST(ElementFunctions, CompanionTermAsWritten) {
    // (6 + 3 B2 (P + 1) + 2 R (3 B1 + 2 P B3)) / (6 R) at hand-picked values.
    const BetaBlock B = beta_with(4, 0.1, 0.2, 0.3);
    // P 0.75, R 1.25: (6 + 0.6 * 1.75 + 2.5 * (0.3 + 0.45)) / 7.5 = (6 + 1.05 + 1.875) / 7.5 = 1.19
    EXPECT_NEAR(DXFCN(1.25, 0.75, 4, B), 1.19, 1e-15);
}

TEST(ElementFunctions, SlopeCosineAndSine) {
    for (double q : {-5.0, -0.3, 0.8, 12.0}) {
        EXPECT_NEAR(DCSPHI(q), std::cos(std::atan(q)), 1e-15);
        EXPECT_NEAR(DSNPHI(q), std::sin(std::atan(q)), 1e-15);
    }
}

TEST(Betald, ScalesEachCoefficientByItsPowerOfTheTension) {
    std::array<Real, 75> alpha{};
    for (int j = 1; j <= 25; ++j)
        for (int k = 1; k <= 3; ++k) alpha[static_cast<std::size_t>(k - 1 + 3 * (j - 1))] = 1e-4f * static_cast<Real>(k * 100 + j);
    BetaBlock B;
    B.fill(-1.0);
    BETALD(AlphaBlock(alpha), B, 150.0, 25);
    for (int j = 1; j <= 25; ++j)
        for (int k = 1; k <= 3; ++k) {
            const double a = static_cast<double>(alpha[static_cast<std::size_t>(k - 1 + 3 * (j - 1))]);
            EXPECT_DOUBLE_EQ(B(k, j), a * std::pow(150.0, k)) << k << " " << j;
        }
    // Only the elements asked for.
    B.fill(-1.0);
    BETALD(AlphaBlock(alpha), B, 2.0, 3);
    EXPECT_EQ(B(3, 3), static_cast<double>(alpha[8]) * 8.0);
    EXPECT_EQ(B(1, 4), -1.0);
    // Tension 0: zeros; no elements: nothing written.
    BETALD(AlphaBlock(alpha), B, 0.0, 25);
    for (double b : B) EXPECT_EQ(b, 0.0);
    B.fill(-1.0);
    BETALD(AlphaBlock(alpha), B, 150.0, 0);
    for (double b : B) EXPECT_EQ(b, -1.0);
}

TEST(Eainv, TensionDerivativeOfTheStrain) {
    std::array<Real, 75> alpha{};
    alpha[3 * 24] = 2e-6f;  // element 25
    alpha[3 * 24 + 1] = 3e-9f;
    alpha[3 * 24 + 2] = -4e-12f;
    EXPECT_EQ(EAINV(AlphaBlock(alpha), 0.0f, 25), 2e-6f);
    const double T = 500.0;
    const double expect = 2e-6 + 2 * static_cast<double>(3e-9f) * T + 3 * static_cast<double>(-4e-12f) * T * T;
    EXPECT_NEAR(EAINV(AlphaBlock(alpha), 500.0f, 25), expect, 1e-6 * std::fabs(expect));
    EXPECT_EQ(EAINV(AlphaBlock(alpha), 500.0f, 24), 0.0f);
}

}  // namespace
}  // namespace brevant
