// Small linear algebra: products of matrices packed by columns, 3-vectors (real and complex),
// and a few complex-scalar and angle helpers. Arrays are 1-based as the formulas read: a matrix
// with N rows keeps element (i, j) at position (j - 1) N + i, that is A[(j - 1) * N + i - 1].
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// R (N x L) = A (N x M) B (M x L). M <= 0 zeroes R; N or L <= 0 leaves R untouched.
void GMPRD(const Real* A, const Real* B, Real* R, Int N, Int M, Int L);
void DGMPRD(const double* A, const double* B, double* R, Int N, Int M, Int L);
void CGMPRD(const Complex* A, const Complex* B, Complex* R, Int N, Int M, Int L);
void GMPDCX(const Real* A, const Complex* B, Complex* R, Int N, Int M, Int L);

// R (M x L) = transpose of A (N x M) times B (N x L). N <= 0 zeroes R; M or L <= 0 leaves it.
void GTPRD(const Real* A, const Real* B, Real* R, Int N, Int M, Int L);
void DGTPRD(const double* A, const double* B, double* R, Int N, Int M, Int L);
void GTPDCX(const Real* A, const Complex* B, Complex* R, Int N, Int M, Int L);

// RO (N) = AM (N x N) RI (N), N at most 6; RO may be RI. A larger N writes a message on
// IOSCRN, waits for an answer (not on the silent console 41) and ends the program.
void MATPRD(const Real* AM, const Real* RI, Real* RO, Int N, Int IOSCRN);
void CMATPD(const Real* AM, const Complex* CI, Complex* CO, Int N, Int IOSCRN);

// 3-vectors.
Real DOTP(const Real* R1, const Real* R2);
double DDOTP(const double* R1, const double* R2);
Complex CXDOTP(const Complex* CX, const Real* RX);
void XPROD(const Real* R1, const Real* R2, Real* R3);           // R3 = R1 x R2
void CXPROD(const Real* RX, const Complex* CX, Complex* COUT);  // COUT = RX x CX
Real VMOD(const Real* RIN);
Real CVMOD(const Complex* RIN);
// Unit vector of RIN, no component beyond magnitude 1; (1, 0, 0) for the zero vector.
void UNITIZ(const Real* RIN, Real* RUNIT);
// Complex unit vector; all zero when the modulus is not positive.
void CUNITIZ(const Complex* RIN, Complex* RUNIT);
// (sin THETA cos PHI, sin THETA sin PHI, cos THETA), radians.
void RCTNGL(Real THETA, Real PHI, Real* RUNIT);
// Modulus and spherical angles (radians) of RVECT; 0 where an angle is undefined.
void POLAR(const Real* RVECT, Real& RMOD, Real& THETA, Real& PHI);
// Distance between two points, and the axis (1, 2, 3) the line between them follows within about
// 11.5 degrees, or 4 for any other line and for coincident points.
void VECLEN(const Real* VEC1, const Real* VEC2, Real& ALNGTH, Int& IDIR);

// Complex scalars and angles.
Real ABS2(Complex C);                 // Re^2 + Im^2
Real PHASE(Complex C);                // degrees; +-90 with the sign bit of Im when Re is 0
void CEXLIM(Complex& C, Real OVFLO);  // real part limited to -OVFLO .. OVFLO
Real ARCCOS(Real Y);                  // radians, 0 .. pi
Real COSPHT(Real QP);                 // cosine of the angle whose tangent is QP
Real SINPHT(Real QP);                 // its sine

}  // namespace brevant
