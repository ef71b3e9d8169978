// CSIMQ, CEQUAL, CCLEAR, CDIFF.
#include "vessels/semi/complex_solver.h"

#include <complex>
#include <utility>

namespace brevant {

void CSIMQ(Complex* A, Complex* B, Int N, Int& KS) {
    // Element (i, j), 1-based, of the matrix stored by columns.
    auto a = [A, N](Int i, Int j) -> Complex& { return A[(j - 1) * N + (i - 1)]; };
    auto b = [B](Int i) -> Complex& { return B[i - 1]; };
    const Complex TOL(0.0f, 0.0f);

    KS = 0;
    for (Int j = 1; j <= N; ++j) {
        Complex BIGA(0.0f, 0.0f);
        Int IMAX = j;
        for (Int i = j; i <= N; ++i) {
            if (std::abs(a(i, j)) > std::abs(BIGA)) {
                BIGA = a(i, j);
                IMAX = i;
            }
        }
        if (!(std::abs(BIGA) > std::abs(TOL))) {
            KS = 1;
            return;
        }
        for (Int k = j; k <= N; ++k) {
            std::swap(a(j, k), a(IMAX, k));
            a(j, k) = a(j, k) / BIGA;
        }
        std::swap(b(IMAX), b(j));
        b(j) = b(j) / BIGA;
        if (j == N) break;
        for (Int r = j + 1; r <= N; ++r) {
            for (Int c = j + 1; c <= N; ++c) a(r, c) -= a(r, j) * a(j, c);
            b(r) -= b(j) * a(r, j);
        }
    }
    for (Int j = 1; j <= N - 1; ++j) {
        const Int row = N - j;
        for (Int c = N; c > row; --c) b(row) -= a(row, c) * b(c);
    }
}

void CEQUAL(Complex* CNEW, const Complex* COLD, Int N) {
    for (Int i = 0; i < N; ++i) CNEW[i] = COLD[i];
}

void CCLEAR(Complex* CNEW, Int N) {
    for (Int i = 0; i < N; ++i) CNEW[i] = Complex(0.0f, 0.0f);
}

void CDIFF(Complex* CDIF, const Complex* CP, const Complex* CM) {
    for (int i = 0; i < 6; ++i) CDIF[i] = CP[i] - CM[i];
}

}  // namespace brevant
