// Matrix products against naive double-precision products and transpose relations; vector,
// complex and angle helpers against closed forms and the standard library.
#include "numeric/algebra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <vector>

#include "test_support.h"

namespace brevant {
namespace {

using CD = std::complex<double>;

std::vector<Real> random_reals(std::mt19937& gen, int n) {
    std::uniform_real_distribution<float> d(-3.0f, 3.0f);
    std::vector<Real> v(n);
    for (Real& x : v) x = d(gen);
    return v;
}

std::vector<Complex> random_complex(std::mt19937& gen, int n) {
    std::uniform_real_distribution<float> d(-3.0f, 3.0f);
    std::vector<Complex> v(n);
    for (Complex& x : v) x = Complex(d(gen), d(gen));
    return v;
}

TEST(MatrixProduct, RealProductsMatchNaiveDoubleProduct) {
    std::mt19937 gen(7);
    const int shapes[][3] = {{1, 1, 1}, {3, 3, 3}, {2, 5, 4}, {6, 1, 6}, {4, 7, 2}, {9, 6, 1}};
    for (const auto& s : shapes) {
        const int N = s[0], M = s[1], L = s[2];
        const std::vector<Real> A = random_reals(gen, N * M), B = random_reals(gen, M * L);
        std::vector<Real> R(N * L, 99.0f);
        GMPRD(A.data(), B.data(), R.data(), N, M, L);
        std::vector<double> Ad(A.begin(), A.end()), Bd(B.begin(), B.end()), Rd(N * L, 99.0);
        DGMPRD(Ad.data(), Bd.data(), Rd.data(), N, M, L);
        for (int j = 1; j <= N; ++j)
            for (int k = 1; k <= L; ++k) {
                double exact = 0.0, scale = 0.0;
                for (int i = 1; i <= M; ++i) {
                    const double t =
                        static_cast<double>(A[(i - 1) * N + j - 1]) * static_cast<double>(B[(k - 1) * M + i - 1]);
                    exact += t;
                    scale += std::fabs(t);
                }
                EXPECT_NEAR(R[(k - 1) * N + j - 1], exact, 1e-6 * (1.0 + scale) * M);
                EXPECT_NEAR(Rd[(k - 1) * N + j - 1], exact, 1e-14 * (1.0 + scale));
            }

        // The transpose product on A' gives the same numbers as the plain product on A.
        std::vector<Real> At(M * N);
        for (int i = 1; i <= N; ++i)
            for (int j = 1; j <= M; ++j) At[(i - 1) * M + j - 1] = A[(j - 1) * N + i - 1];
        std::vector<Real> T(N * L, -5.0f);
        GTPRD(At.data(), B.data(), T.data(), M, N, L);
        EXPECT_EQ(T, R);
        std::vector<double> Atd(At.begin(), At.end()), Td(N * L, -5.0);
        DGTPRD(Atd.data(), Bd.data(), Td.data(), M, N, L);
        EXPECT_EQ(Td, Rd);
    }
}

TEST(MatrixProduct, ComplexProductsMatchNaiveDoubleProduct) {
    std::mt19937 gen(11);
    const int N = 3, M = 4, L = 2;
    const std::vector<Complex> A = random_complex(gen, N * M), B = random_complex(gen, M * L);
    std::vector<Complex> R(N * L);
    CGMPRD(A.data(), B.data(), R.data(), N, M, L);
    for (int j = 1; j <= N; ++j)
        for (int k = 1; k <= L; ++k) {
            CD exact = 0.0;
            for (int i = 1; i <= M; ++i) exact += CD(A[(i - 1) * N + j - 1]) * CD(B[(k - 1) * M + i - 1]);
            EXPECT_NEAR(R[(k - 1) * N + j - 1].real(), exact.real(), 1e-5);
            EXPECT_NEAR(R[(k - 1) * N + j - 1].imag(), exact.imag(), 1e-5);
        }

    // A real A acts as the complex matrix (A, 0), plain and transposed.
    const std::vector<Real> Ar = random_reals(gen, N * M);
    std::vector<Complex> Ac(Ar.begin(), Ar.end());
    std::vector<Complex> mixed(N * L), full(N * L);
    GMPDCX(Ar.data(), B.data(), mixed.data(), N, M, L);
    CGMPRD(Ac.data(), B.data(), full.data(), N, M, L);
    EXPECT_EQ(mixed, full);

    const std::vector<Complex> B2 = random_complex(gen, N * L);
    std::vector<Complex> tmixed(M * L), tfull(M * L);
    GTPDCX(Ar.data(), B2.data(), tmixed.data(), N, M, L);
    std::vector<Complex> Act(M * N);
    for (int i = 1; i <= N; ++i)
        for (int j = 1; j <= M; ++j) Act[(i - 1) * M + j - 1] = Ac[(j - 1) * N + i - 1];
    CGMPRD(Act.data(), B2.data(), tfull.data(), M, N, L);
    EXPECT_EQ(tmixed, tfull);
}

TEST(MatrixProduct, EmptyInnerDimensionZeroesEmptyOuterLeavesAlone) {
    const Real A[4] = {1, 2, 3, 4}, B[4] = {1, 2, 3, 4};
    std::vector<Real> R(4, 7.0f);
    GMPRD(A, B, R.data(), 2, 0, 2);
    EXPECT_EQ(R, std::vector<Real>(4, 0.0f));
    R.assign(4, 7.0f);
    GMPRD(A, B, R.data(), 2, 2, 0);
    EXPECT_EQ(R, std::vector<Real>(4, 7.0f));
    GMPRD(A, B, R.data(), 0, 2, 2);
    EXPECT_EQ(R, std::vector<Real>(4, 7.0f));
    GTPRD(A, B, R.data(), 0, 2, 2);  // the transpose form sums over N
    EXPECT_EQ(R, std::vector<Real>(4, 0.0f));
    std::vector<Complex> C(2, Complex(7.0f, 7.0f));
    const Complex CB[2] = {{1, 1}, {2, 2}};
    GMPDCX(A, CB, C.data(), 2, 0, 1);
    EXPECT_EQ(C, std::vector<Complex>(2, Complex(0.0f, 0.0f)));
}

class SquareProduct : public testing::ConsoleTest {};

TEST_F(SquareProduct, OrderSixWorksInPlace) {
    std::mt19937 gen(3);
    const std::vector<Real> AM = random_reals(gen, 36);
    std::vector<Real> v = random_reals(gen, 6);
    std::vector<Real> expected(6);
    GMPRD(AM.data(), v.data(), expected.data(), 6, 6, 1);
    MATPRD(AM.data(), v.data(), v.data(), 6, SCREEN_UNIT);
    EXPECT_EQ(v, expected);

    std::vector<Complex> c = random_complex(gen, 6);
    std::vector<Complex> cexpected(6);
    GMPDCX(AM.data(), c.data(), cexpected.data(), 6, 6, 1);
    CMATPD(AM.data(), c.data(), c.data(), 6, SCREEN_UNIT);
    EXPECT_EQ(c, cexpected);

    std::vector<Real> untouched(3, 5.0f);
    MATPRD(AM.data(), v.data(), untouched.data(), 0, SCREEN_UNIT);
    EXPECT_EQ(untouched, std::vector<Real>(3, 5.0f));
    EXPECT_EQ(screen(), "");
}

TEST_F(SquareProduct, OrderSevenWritesTheMessageWaitsAndEnds) {
    const std::vector<Real> AM(49, 1.0f), RI(7, 1.0f);
    std::vector<Real> RO(7, 3.0f);
    answers("\nnext\n");
    try {
        MATPRD(AM.data(), RI.data(), RO.data(), 7, SCREEN_UNIT);
        FAIL() << "MATPRD with N = 7 must end the program";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(screen(),
              " Too many dimensions specified in MATPRD; contact Velmora\n"
              " Press <RETURN> to continue...\n");
    EXPECT_EQ(read_keyboard_line(), "next");  // exactly one answer was taken
    EXPECT_EQ(RO, std::vector<Real>(7, 3.0f));
}

TEST_F(SquareProduct, SilentConsoleDoesNotWait) {
    const std::vector<Real> AM(64, 1.0f);
    std::vector<Complex> CI(8), CO(8);
    answers("kept\n");
    try {
        CMATPD(AM.data(), CI.data(), CO.data(), 8, SILENT_UNIT);
        FAIL() << "CMATPD with N = 8 must end the program";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(silent(),
              " Too many dimensions specified in CMATPD; contact Velmora\n"
              " Press <RETURN> to continue...\n");
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(read_keyboard_line(), "kept");
}

TEST(Vectors, CrossAndDotProducts) {
    const Real ex[3] = {1, 0, 0}, ey[3] = {0, 1, 0}, ez[3] = {0, 0, 1};
    Real r[3];
    XPROD(ex, ey, r);
    EXPECT_EQ(r[0], 0.0f);
    EXPECT_EQ(r[1], 0.0f);
    EXPECT_EQ(r[2], 1.0f);
    XPROD(ey, ez, r);
    EXPECT_EQ(r[0], 1.0f);

    std::mt19937 gen(5);
    for (int t = 0; t < 50; ++t) {
        const std::vector<Real> a = random_reals(gen, 3), b = random_reals(gen, 3);
        Real c[3];
        XPROD(a.data(), b.data(), c);
        EXPECT_NEAR(DOTP(a.data(), c), 0.0f, 1e-4f);
        EXPECT_NEAR(DOTP(b.data(), c), 0.0f, 1e-4f);
        const double ad[3] = {a[0], a[1], a[2]}, bd[3] = {b[0], b[1], b[2]};
        EXPECT_NEAR(DOTP(a.data(), b.data()), DDOTP(ad, bd), 1e-5);
        // |a x b|^2 + (a.b)^2 = |a|^2 |b|^2
        const double m = VMOD(c);
        const double lhs = m * m + DDOTP(ad, bd) * DDOTP(ad, bd);
        const double rhs = DDOTP(ad, ad) * DDOTP(bd, bd);
        EXPECT_NEAR(lhs, rhs, 1e-4 * rhs);

        // The complex forms on real-valued complex vectors give the real results.
        const Complex bc[3] = {b[0], b[1], b[2]};
        Complex cc[3];
        CXPROD(a.data(), bc, cc);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(cc[i].real(), c[i]);
            EXPECT_EQ(cc[i].imag(), 0.0f);
        }
        EXPECT_EQ(CXDOTP(bc, a.data()).real(), DOTP(b.data(), a.data()));
    }
    XPROD(ex, ey, r);
    XPROD(r, ex, r);  // output on an input: (ez x ex) = ey
    EXPECT_EQ(r[1], 1.0f);
}

TEST(Vectors, ComplexModulusAndUnitVector) {
    const Complex v[3] = {{3, 4}, {0, -12}, {0, 0}};
    EXPECT_FLOAT_EQ(CVMOD(v), 13.0f);
    const double norm_sum = std::norm(CD(3, 4)) + std::norm(CD(0, -12));
    EXPECT_NEAR(CVMOD(v), std::sqrt(norm_sum), 1e-5);
    Complex u[3];
    CUNITIZ(v, u);
    EXPECT_NEAR(CVMOD(u), 1.0f, 1e-6f);
    EXPECT_FLOAT_EQ(u[0].real(), 3.0f / 13.0f);
    EXPECT_FLOAT_EQ(u[1].imag(), -12.0f / 13.0f);
    const Complex zero[3] = {};
    CUNITIZ(zero, u);
    for (const Complex& c : u) EXPECT_EQ(c, Complex(0.0f, 0.0f));

    const Complex cx[3] = {{1, 2}, {3, -1}, {0.5f, 0.5f}};
    const Real rx[3] = {2, -1, 4};
    const Complex d = CXDOTP(cx, rx);
    EXPECT_FLOAT_EQ(d.real(), 2.0f - 3.0f + 2.0f);
    EXPECT_FLOAT_EQ(d.imag(), 4.0f + 1.0f + 2.0f);
}

TEST(Vectors, UnitVectorNeverExceedsOne) {
    const Real zero[3] = {0, 0, 0};
    Real u[3];
    UNITIZ(zero, u);
    EXPECT_EQ(u[0], 1.0f);
    EXPECT_EQ(u[1], 0.0f);
    EXPECT_EQ(u[2], 0.0f);
    // The square of 4e-23 underflows to the smallest subnormal, so the modulus comes out
    // smaller than the component: the quotient 1.07 is cut back to 1 with its sign.
    const Real tiny[3] = {-4.0e-23f, 0.0f, 0.0f};
    UNITIZ(tiny, u);
    EXPECT_EQ(u[0], -1.0f);
    const Real v[3] = {3, 0, -4};
    UNITIZ(v, u);
    EXPECT_FLOAT_EQ(u[0], 0.6f);
    EXPECT_FLOAT_EQ(u[2], -0.8f);
    EXPECT_FLOAT_EQ(VMOD(v), 5.0f);
}

TEST(Vectors, SphericalRoundTrip) {
    for (Real theta : {0.1f, 0.7f, 1.5f, 2.9f})
        for (Real phi : {-3.0f, -1.0f, 0.0f, 0.4f, 2.5f}) {
            Real u[3];
            RCTNGL(theta, phi, u);
            Real RMOD = 0, THETA = 0, PHI = 0;
            POLAR(u, RMOD, THETA, PHI);
            EXPECT_NEAR(RMOD, 1.0f, 1e-6f);
            EXPECT_NEAR(THETA, theta, 2e-5f);
            EXPECT_NEAR(PHI, phi, 2e-5f);
        }
    const Real zero[3] = {0, 0, 0}, up[3] = {0, 0, -2};
    Real RMOD = 9, THETA = 9, PHI = 9;
    POLAR(zero, RMOD, THETA, PHI);
    EXPECT_EQ(RMOD, 0.0f);
    EXPECT_EQ(THETA, 0.0f);
    EXPECT_EQ(PHI, 0.0f);
    POLAR(up, RMOD, THETA, PHI);
    EXPECT_EQ(RMOD, 2.0f);
    EXPECT_FLOAT_EQ(THETA, std::numbers::pi_v<float>);
    EXPECT_EQ(PHI, 0.0f);
}

TEST(Vectors, LengthAndAxisOfALine) {
    struct Case {
        Real d[3];
        Real length;
        Int idir;
    };
    const Case cases[] = {
        {{0, 0, 0}, 0.0f, 4},
        {{0, 0, 5}, 5.0f, 3},
        {{1, 0.2f, 0}, std::sqrt(1.04f), 1},
        {{1, 0.21f, 0}, std::sqrt(1.0441f), 4},
        {{0, -7, 0.5f}, std::sqrt(49.25f), 2},
        {{1, 1, 1}, std::sqrt(3.0f), 4},
    };
    const Real base[3] = {10, -2, 3};
    for (const Case& k : cases) {
        const Real other[3] = {base[0] - k.d[0], base[1] - k.d[1], base[2] - k.d[2]};
        Real ALNGTH = -1;
        Int IDIR = -1;
        VECLEN(base, other, ALNGTH, IDIR);
        EXPECT_NEAR(ALNGTH, k.length, 1e-5f);
        EXPECT_EQ(IDIR, k.idir) << k.d[0] << " " << k.d[1] << " " << k.d[2];
    }
}

TEST(ComplexScalars, PhaseInDegrees) {
    struct Case {
        Complex c;
        Real deg;
    };
    const Case cases[] = {
        {{0.0f, 0.0f}, 90.0f},   {{0.0f, -0.0f}, -90.0f}, {{0.0f, -2.0f}, -90.0f},   {{-0.0f, 3.0f}, 90.0f},
        {{-1.0f, 0.0f}, 180.0f}, {{1.0f, 1.0f}, 45.0f},   {{-2.0f, -2.0f}, -135.0f}, {{5.0f, 0.0f}, 0.0f},
    };
    for (const Case& k : cases) EXPECT_FLOAT_EQ(PHASE(k.c), k.deg) << k.c;
    for (Real a = -3.1f; a < 3.1f; a += 0.37f) {
        const Complex c(std::cos(a), std::sin(a));
        EXPECT_NEAR(PHASE(c),
                    std::atan2(static_cast<double>(c.imag()), static_cast<double>(c.real())) * 180.0 / std::numbers::pi,
                    2e-4);
    }
}

TEST(ComplexScalars, PhaseUsesItsOwnDegreeConstant) {
    // 57.29577 in single precision; 57.295776 and 57.29578 are other floats and give 45
    // exactly at (1, 1), one unit in the last place away.
    EXPECT_EQ(PHASE(Complex(1.0f, 1.0f)), std::atan2(1.0f, 1.0f) * 57.29577f);
    EXPECT_EQ(PHASE(Complex(1.0f, 1.0f)), 44.9999924f);
    EXPECT_EQ(PHASE(Complex(std::cos(1.0f), std::sin(1.0f))), std::atan2(std::sin(1.0f), std::cos(1.0f)) * 57.29577f);
}

TEST(ComplexScalars, SquaredModulusAndExponentLimit) {
    EXPECT_EQ(ABS2(Complex(3.0f, -4.0f)), 25.0f);
    EXPECT_NEAR(ABS2(Complex(0.3f, 1.7f)), std::norm(CD(0.3f, 1.7f)), 1e-6);
    struct Case {
        Complex in, out;
    };
    const Case cases[] = {
        {{100, 3}, {70, 3}}, {{-100, 3}, {-70, 3}}, {{50, 3}, {50, 3}}, {{70, -1}, {70, -1}}, {{-70.5f, 0}, {-70, 0}},
    };
    for (const Case& k : cases) {
        Complex c = k.in;
        CEXLIM(c, 70.0f);
        EXPECT_EQ(c, k.out) << k.in;
    }
}

TEST(AngleHelpers, ArcCosineAndPhaseTangent) {
    EXPECT_EQ(ARCCOS(0.0f), 1.5707964f);
    EXPECT_EQ(ARCCOS(1.0f), 0.0f);
    EXPECT_FLOAT_EQ(ARCCOS(-1.0f), std::numbers::pi_v<float>);
    for (Real y = -0.99f; y < 1.0f; y += 0.0731f) EXPECT_NEAR(ARCCOS(y), std::acos(static_cast<double>(y)), 2e-6) << y;

    EXPECT_EQ(COSPHT(0.0f), 1.0f);
    EXPECT_EQ(SINPHT(0.0f), 0.0f);
    for (Real q : {-50.0f, -1.0f, -0.2f, 0.3f, 1.0f, 7.5f, 1000.0f}) {
        const Real c = COSPHT(q), s = SINPHT(q);
        EXPECT_NEAR(s * s + c * c, 1.0f, 2e-6f);
        EXPECT_NEAR(c, std::cos(std::atan(static_cast<double>(q))), 1e-6);
        EXPECT_NEAR(s, std::sin(std::atan(static_cast<double>(q))), 1e-6);
    }
}

}  // namespace
}  // namespace brevant
