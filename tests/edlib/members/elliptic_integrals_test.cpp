// Complete elliptic integrals against the standard library's.
#include <gtest/gtest.h>

#include <cmath>

#include "edlib/members/elliptic_integrals.h"

namespace brevant {
namespace {

TEST(EllipticIntegrals, FirstKindMatchesTheLibrary) {
    for (double k : {0.0, 0.1, 0.3, 0.5, 0.7, 0.9, 0.99, -0.5}) {
        Real RES = 0.0f;
        Int IER = -1;
        CEL1(RES, static_cast<Real>(k), IER);
        EXPECT_EQ(IER, 0);
        EXPECT_NEAR(RES, std::comp_ellint_1(k), 2e-6 * std::comp_ellint_1(k)) << "k = " << k;
    }
    Real RES = 0.0f;
    Int IER = -1;
    CEL1(RES, 0.0f, IER);
    EXPECT_NEAR(RES, 1.5707964f, 1e-6f);
}

TEST(EllipticIntegrals, FirstKindAtAndBeyondModulusOne) {
    Real RES = 0.0f;
    Int IER = -1;
    CEL1(RES, 1.0f, IER);
    EXPECT_EQ(RES, 1.0E38f);
    EXPECT_EQ(IER, 0);
    CEL1(RES, 1.5f, IER);
    EXPECT_EQ(RES, 1.0E38f);
    EXPECT_EQ(IER, 1);
}

TEST(EllipticIntegrals, SecondKindMatchesTheLibrary) {
    Real RES = 0.0f;
    Int IER = -1;
    CEL2(RES, 0.5f, 1.0f, 0.75f, IER);
    EXPECT_EQ(IER, 0);
    EXPECT_NEAR(RES, 1.4674622f, 2e-6f);
    for (double k : {0.0, 0.2, 0.6, 0.8, 0.95}) {
        const Real kf = static_cast<Real>(k);
        CEL2(RES, kf, 1.0f, 1.0f - kf * kf, IER);
        EXPECT_NEAR(RES, std::comp_ellint_2(k), 2e-6 * std::comp_ellint_2(k)) << "k = " << k;
        // A = B = 1 gives K(k).
        CEL2(RES, kf, 1.0f, 1.0f, IER);
        EXPECT_NEAR(RES, std::comp_ellint_1(k), 2e-6 * std::comp_ellint_1(k)) << "k = " << k;
    }
}

TEST(EllipticIntegrals, SecondKindAtAndBeyondModulusOne) {
    struct Case {
        Real k, B;
        Real expected;
        Int ier;
    };
    const Case cases[] = {
        {1.0f, 2.0f, 1.0E38f, 0}, {1.0f, -2.0f, -1.0E38f, 0}, {1.0f, 0.0f, 3.0f, 0},
        {1.5f, 2.0f, 1.0E38f, 1}, {1.5f, -2.0f, -1.0E38f, 1}, {1.5f, 0.0f, 3.0f, 1},
    };
    for (const Case& c : cases) {
        Real RES = 0.0f;
        Int IER = -1;
        CEL2(RES, c.k, 3.0f, c.B, IER);
        EXPECT_EQ(RES, c.expected) << c.k << " " << c.B;
        EXPECT_EQ(IER, c.ier) << c.k << " " << c.B;
    }
}

}  // namespace
}  // namespace brevant
