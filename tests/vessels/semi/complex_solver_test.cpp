// CSIMQ against hand cases and against a double-precision Gauss solver on random systems; the
// complex vector copy, clear and six-value difference.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "vessels/semi/complex_solver.h"

namespace brevant {
namespace {

using cd = std::complex<double>;

TEST(ComplexSolver, TwoByTwoHandCase) {
    // [[2, 1], [1, 3]] by columns; x = (1 + i, 3 + 3i) gives b = (5 + 5i, 10 + 10i).
    Complex A[4] = {{2, 0}, {1, 0}, {1, 0}, {3, 0}};
    Complex B[2] = {{5, 5}, {10, 10}};
    Int KS = -1;
    CSIMQ(A, B, 2, KS);
    EXPECT_EQ(KS, 0);
    EXPECT_NEAR(B[0].real(), 1.0f, 1e-6f);
    EXPECT_NEAR(B[0].imag(), 1.0f, 1e-6f);
    EXPECT_NEAR(B[1].real(), 3.0f, 1e-6f);
    EXPECT_NEAR(B[1].imag(), 3.0f, 1e-6f);
}

TEST(ComplexSolver, ZeroFirstColumnIsSingularWithBUntouched) {
    Complex A[9] = {{0, 0}, {0, 0}, {0, 0}, {1, 2}, {3, 0}, {0, 1}, {4, 0}, {1, 1}, {2, 0}};
    Complex B[3] = {{1, 2}, {3, 4}, {5, 6}};
    Int KS = 0;
    CSIMQ(A, B, 3, KS);
    EXPECT_EQ(KS, 1);
    EXPECT_EQ(B[0], Complex(1, 2));
    EXPECT_EQ(B[1], Complex(3, 4));
    EXPECT_EQ(B[2], Complex(5, 6));
}

TEST(ComplexSolver, LaterZeroPivotIsSingular) {
    // Second column a multiple of the first: singular at column 2.
    Complex A[4] = {{1, 0}, {2, 0}, {2, 0}, {4, 0}};
    Complex B[2] = {{1, 0}, {1, 0}};
    Int KS = 0;
    CSIMQ(A, B, 2, KS);
    EXPECT_EQ(KS, 1);
}

TEST(ComplexSolver, EqualModuliKeepTheUpperRow) {
    // Column 1 holds 3 and 3i: equal moduli, so row 1 stays the pivot and is divided by 3, which
    // leaves A(1, 2) = 1/3 exactly as the factor; with a row exchange it would be 2/(3i).
    Complex A[4] = {{3, 0}, {0, 3}, {1, 0}, {2, 0}};
    Complex B[2] = {{1, 0}, {0, 0}};
    Int KS = -1;
    CSIMQ(A, B, 2, KS);
    ASSERT_EQ(KS, 0);
    EXPECT_EQ(A[0], Complex(1, 0));
    EXPECT_NEAR(A[2].real(), 1.0f / 3.0f, 1e-7f);
    EXPECT_NEAR(A[2].imag(), 0.0f, 1e-7f);
    // And the solution is right: x = A^-1 b for [[3, 1], [3i, 2]].
    const cd det = cd(3, 0) * cd(2, 0) - cd(1, 0) * cd(0, 3);
    const cd x1 = cd(2, 0) / det;
    const cd x2 = -cd(0, 3) / det;
    EXPECT_NEAR(B[0].real(), x1.real(), 1e-6);
    EXPECT_NEAR(B[0].imag(), x1.imag(), 1e-6);
    EXPECT_NEAR(B[1].real(), x2.real(), 1e-6);
    EXPECT_NEAR(B[1].imag(), x2.imag(), 1e-6);
}

TEST(ComplexSolver, OneByOneAndTinyPivot) {
    Complex A[1] = {{0, 2}};
    Complex B[1] = {{4, 0}};
    Int KS = -1;
    CSIMQ(A, B, 1, KS);
    EXPECT_EQ(KS, 0);
    EXPECT_EQ(B[0], Complex(0, -2));

    Complex Z[1] = {{0, 0}};
    Complex C[1] = {{4, 0}};
    CSIMQ(Z, C, 1, KS);
    EXPECT_EQ(KS, 1);
    EXPECT_EQ(C[0], Complex(4, 0));

    // No relative tolerance: a tiny non-zero pivot is a pivot.
    Complex T[1] = {{1.0e-30f, 0}};
    Complex D[1] = {{1.0e-30f, 0}};
    CSIMQ(T, D, 1, KS);
    EXPECT_EQ(KS, 0);
    EXPECT_NEAR(D[0].real(), 1.0f, 1e-6f);
}

// Double-precision Gauss elimination with partial pivoting, written independently.
std::vector<cd> reference_solve(std::vector<cd> a, std::vector<cd> b, int n) {
    auto at = [&](int i, int j) -> cd& { return a[static_cast<std::size_t>(j * n + i)]; };
    for (int j = 0; j < n; ++j) {
        int p = j;
        for (int i = j + 1; i < n; ++i)
            if (std::abs(at(i, j)) > std::abs(at(p, j))) p = i;
        for (int k = 0; k < n; ++k) std::swap(at(j, k), at(p, k));
        std::swap(b[static_cast<std::size_t>(j)], b[static_cast<std::size_t>(p)]);
        for (int i = j + 1; i < n; ++i) {
            const cd f = at(i, j) / at(j, j);
            for (int k = j; k < n; ++k) at(i, k) -= f * at(j, k);
            b[static_cast<std::size_t>(i)] -= f * b[static_cast<std::size_t>(j)];
        }
    }
    std::vector<cd> x(static_cast<std::size_t>(n));
    for (int i = n - 1; i >= 0; --i) {
        cd s = b[static_cast<std::size_t>(i)];
        for (int k = i + 1; k < n; ++k) s -= at(i, k) * x[static_cast<std::size_t>(k)];
        x[static_cast<std::size_t>(i)] = s / at(i, i);
    }
    return x;
}

TEST(ComplexSolver, RandomSixBySixAgainstDoublePrecision) {
    std::mt19937 gen(4321);
    std::uniform_real_distribution<float> u(-1.0f, 1.0f);
    for (int trial = 0; trial < 50; ++trial) {
        const int n = 6;
        Complex A[36];
        Complex B[6];
        std::vector<cd> a(36), b(6);
        for (int k = 0; k < 36; ++k) {
            A[k] = Complex(u(gen), u(gen));
            a[static_cast<std::size_t>(k)] = cd(A[k].real(), A[k].imag());
        }
        for (int k = 0; k < 6; ++k) {
            B[k] = Complex(u(gen), u(gen));
            b[static_cast<std::size_t>(k)] = cd(B[k].real(), B[k].imag());
        }
        Int KS = -1;
        CSIMQ(A, B, n, KS);
        ASSERT_EQ(KS, 0);
        const std::vector<cd> x = reference_solve(a, b, n);
        double num = 0.0, den = 0.0;
        for (int k = 0; k < n; ++k) {
            num += std::norm(cd(B[k].real(), B[k].imag()) - x[static_cast<std::size_t>(k)]);
            den += std::norm(x[static_cast<std::size_t>(k)]);
        }
        // Random matrices can be ill-conditioned: the single-precision residual of A x - b is the
        // measure that does not depend on it.
        double res = 0.0, bn = 0.0;
        for (int i = 0; i < n; ++i) {
            cd s = 0.0;
            for (int j = 0; j < n; ++j)
                s += a[static_cast<std::size_t>(j * n + i)] * cd(B[j].real(), B[j].imag());
            res += std::norm(s - b[static_cast<std::size_t>(i)]);
            bn += std::norm(b[static_cast<std::size_t>(i)]);
        }
        EXPECT_LT(std::sqrt(res / bn), 1e-5) << "trial " << trial;
        EXPECT_LT(std::sqrt(num / den), 1e-3) << "trial " << trial;
    }
}

TEST(ComplexVectors, CopyClearAndDifference) {
    const Complex a[6] = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}};
    const Complex b[6] = {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}};
    Complex c[7];
    for (Complex& v : c) v = Complex(-9, -9);
    CEQUAL(c, a, 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(c[i], a[i]);
    EXPECT_EQ(c[6], Complex(-9, -9));
    CEQUAL(c, b, 0);
    CEQUAL(c, b, -3);
    EXPECT_EQ(c[0], a[0]);

    CCLEAR(c, 3);
    EXPECT_EQ(c[2], Complex(0, 0));
    EXPECT_EQ(c[3], a[3]);
    CCLEAR(c, 0);
    EXPECT_EQ(c[3], a[3]);

    Complex d[7];
    d[6] = Complex(-9, -9);
    CDIFF(d, a, b);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(d[i], a[i] - b[i]);
    EXPECT_EQ(d[6], Complex(-9, -9));
}

}  // namespace
}  // namespace brevant
