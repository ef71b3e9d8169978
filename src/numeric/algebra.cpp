// Matrix, vector and complex helpers. Sums run in the order written and are rounded to the
// storage precision after every term, in the result element itself.
#include "numeric/algebra.h"

#include <cmath>
#include <string>

#include "sysutl/answers.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// Term of a product: real, double, complex by complex, real by complex.
inline Real term(Real a, Real b) { return a * b; }
inline double term(double a, double b) { return a * b; }
inline Complex term(const Complex& a, const Complex& b) {
    return Complex(a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real());
}
inline Complex term(Real a, const Complex& b) { return Complex(a * b.real(), a * b.imag()); }

inline Complex add(const Complex& s, const Complex& t) { return Complex(s.real() + t.real(), s.imag() + t.imag()); }
inline Real add(Real s, Real t) { return s + t; }
inline double add(double s, double t) { return s + t; }

// R (N x L) = A (N x M) B (M x L), columns packed.
template <typename TA, typename TB, typename TR>
void general_product(const TA* A, const TB* B, TR* R, Int N, Int M, Int L) {
    for (Int k = 1; k <= L; ++k) {
        for (Int j = 1; j <= N; ++j) {
            TR& r = R[(k - 1) * N + (j - 1)];
            r = TR{};
            for (Int i = 1; i <= M; ++i) r = add(r, term(A[(i - 1) * N + (j - 1)], B[(k - 1) * M + (i - 1)]));
        }
    }
}

// R (M x L) = A' B with A (N x M) and B (N x L), columns packed.
template <typename TA, typename TB, typename TR>
void transpose_product(const TA* A, const TB* B, TR* R, Int N, Int M, Int L) {
    for (Int k = 1; k <= L; ++k) {
        for (Int j = 1; j <= M; ++j) {
            TR& r = R[(k - 1) * M + (j - 1)];
            r = TR{};
            for (Int i = 1; i <= N; ++i) r = add(r, term(A[(j - 1) * N + (i - 1)], B[(k - 1) * N + (i - 1)]));
        }
    }
}

// The largest order the square products take (the size of their local copy of the vector).
constexpr Int kMaxSquareOrder = 6;

[[noreturn]] void too_many_dimensions(const char* routine, Int IOSCRN) {
    write_record(IOSCRN, std::string(" Too many dimensions specified in ") + routine + "; contact Velmora");
    write_record(IOSCRN, " Press <RETURN> to continue...");
    if (IOSCRN != SILENT_UNIT) {
        char ANSWER = ' ';
        READCP(ANSWER);
    }
    stop_program(1);
}

// Square product with a local copy of the input, so that the output may be the input array.
template <typename TV>
void square_product(const Real* AM, const TV* VIN, TV* VOUT, Int N) {
    TV local[kMaxSquareOrder];
    for (Int j = 1; j <= N; ++j) local[j - 1] = VIN[j - 1];
    for (Int i = 1; i <= N; ++i) {
        TV sum{};
        for (Int j = 1; j <= N; ++j) sum = add(sum, term(AM[(j - 1) * N + (i - 1)], local[j - 1]));
        VOUT[i - 1] = sum;
    }
}

}  // namespace

void GMPRD(const Real* A, const Real* B, Real* R, Int N, Int M, Int L) { general_product(A, B, R, N, M, L); }
void DGMPRD(const double* A, const double* B, double* R, Int N, Int M, Int L) { general_product(A, B, R, N, M, L); }
void CGMPRD(const Complex* A, const Complex* B, Complex* R, Int N, Int M, Int L) { general_product(A, B, R, N, M, L); }
void GMPDCX(const Real* A, const Complex* B, Complex* R, Int N, Int M, Int L) { general_product(A, B, R, N, M, L); }

void GTPRD(const Real* A, const Real* B, Real* R, Int N, Int M, Int L) { transpose_product(A, B, R, N, M, L); }
void DGTPRD(const double* A, const double* B, double* R, Int N, Int M, Int L) { transpose_product(A, B, R, N, M, L); }
void GTPDCX(const Real* A, const Complex* B, Complex* R, Int N, Int M, Int L) { transpose_product(A, B, R, N, M, L); }

void MATPRD(const Real* AM, const Real* RI, Real* RO, Int N, Int IOSCRN) {
    if (N > kMaxSquareOrder) too_many_dimensions("MATPRD", IOSCRN);
    square_product(AM, RI, RO, N);
}

void CMATPD(const Real* AM, const Complex* CI, Complex* CO, Int N, Int IOSCRN) {
    if (N > kMaxSquareOrder) too_many_dimensions("CMATPD", IOSCRN);
    square_product(AM, CI, CO, N);
}

Real DOTP(const Real* R1, const Real* R2) { return R1[0] * R2[0] + R1[1] * R2[1] + R1[2] * R2[2]; }

double DDOTP(const double* R1, const double* R2) { return R1[0] * R2[0] + R1[1] * R2[1] + R1[2] * R2[2]; }

Complex CXDOTP(const Complex* CX, const Real* RX) {
    return add(add(term(RX[0], CX[0]), term(RX[1], CX[1])), term(RX[2], CX[2]));
}

void XPROD(const Real* R1, const Real* R2, Real* R3) {
    const Real x = R1[1] * R2[2] - R1[2] * R2[1];
    const Real y = R1[2] * R2[0] - R1[0] * R2[2];
    const Real z = R1[0] * R2[1] - R1[1] * R2[0];
    R3[0] = x;
    R3[1] = y;
    R3[2] = z;
}

void CXPROD(const Real* RX, const Complex* CX, Complex* COUT) {
    auto minus = [](const Complex& a, const Complex& b) { return Complex(a.real() - b.real(), a.imag() - b.imag()); };
    const Complex x = minus(term(RX[1], CX[2]), term(RX[2], CX[1]));
    const Complex y = minus(term(RX[2], CX[0]), term(RX[0], CX[2]));
    const Complex z = minus(term(RX[0], CX[1]), term(RX[1], CX[0]));
    COUT[0] = x;
    COUT[1] = y;
    COUT[2] = z;
}

Real VMOD(const Real* RIN) { return std::sqrt(RIN[0] * RIN[0] + RIN[1] * RIN[1] + RIN[2] * RIN[2]); }

Real CVMOD(const Complex* RIN) {
    const Real a1 = std::abs(RIN[0]);
    const Real a2 = std::abs(RIN[1]);
    const Real a3 = std::abs(RIN[2]);
    return std::sqrt(a1 * a1 + a2 * a2 + a3 * a3);
}

void UNITIZ(const Real* RIN, Real* RUNIT) {
    const Real RMOD = VMOD(RIN);
    if (RMOD > 0.0f) {
        for (int i = 0; i < 3; ++i) {
            const Real q = RIN[i] / RMOD;
            // Rounding must never give a direction cosine beyond 1.
            RUNIT[i] = std::fabs(q) > 1.0f ? std::copysign(1.0f, q) : q;
        }
    } else {
        RUNIT[0] = 1.0f;
        RUNIT[1] = 0.0f;
        RUNIT[2] = 0.0f;
    }
}

void CUNITIZ(const Complex* RIN, Complex* RUNIT) {
    const Real RMOD = CVMOD(RIN);
    for (int i = 0; i < 3; ++i)
        RUNIT[i] = RMOD > 0.0f ? Complex(RIN[i].real() / RMOD, RIN[i].imag() / RMOD) : Complex(0.0f, 0.0f);
}

void RCTNGL(Real THETA, Real PHI, Real* RUNIT) {
    const Real s = std::sin(THETA);
    RUNIT[0] = s * std::cos(PHI);
    RUNIT[1] = s * std::sin(PHI);
    RUNIT[2] = std::cos(THETA);
}

void POLAR(const Real* RVECT, Real& RMOD, Real& THETA, Real& PHI) {
    RMOD = VMOD(RVECT);
    THETA = 0.0f;
    PHI = 0.0f;
    if (RVECT[0] != 0.0f || RVECT[1] != 0.0f) PHI = std::atan2(RVECT[1], RVECT[0]);
    if (RMOD != 0.0f) THETA = std::acos(RVECT[2] / RMOD);
}

void VECLEN(const Real* VEC1, const Real* VEC2, Real& ALNGTH, Int& IDIR) {
    Real DR[3];
    ALNGTH = 0.0f;
    for (int i = 0; i < 3; ++i) {
        DR[i] = VEC1[i] - VEC2[i];
        ALNGTH = ALNGTH + DR[i] * DR[i];
    }
    ALNGTH = std::sqrt(ALNGTH);
    IDIR = 0;
    for (Int i = 1; i <= 3; ++i) {
        const Real cosine = ALNGTH > 0.0f ? std::fabs(DR[i - 1]) / ALNGTH : 0.0f;
        if (cosine > 0.98f) IDIR = i;
    }
    if (IDIR == 0) IDIR = 4;
}

Real ABS2(Complex C) { return C.real() * C.real() + C.imag() * C.imag(); }

Real PHASE(Complex C) {
    const Real Q1 = C.real();
    const Real Q2 = C.imag();
    if (Q1 != 0.0f) return std::atan2(Q2, Q1) * 57.29577f;
    return std::copysign(90.0f, Q2);
}

void CEXLIM(Complex& C, Real OVFLO) {
    Real CR = C.real();
    const Real CI = C.imag();
    if (std::fabs(CR) > OVFLO) CR = std::copysign(OVFLO, CR);
    C = Complex(CR, CI);
}

Real ARCCOS(Real Y) {
    if (Y == 0.0f) return 1.5707964f;
    return std::atan2(std::sqrt(1.0f - Y * Y), Y);
}

Real COSPHT(Real QP) { return 1.0f / std::sqrt(QP * QP + 1.0f); }

Real SINPHT(Real QP) { return QP * COSPHT(QP); }

}  // namespace brevant
