// Closed-form functions of one elastic catenary element: compliance scaling, stretch factor, the span
// integrals in the tangent and their companions, the inverse axial stiffness and the slope functions.
//
// Element model: strain = a1 T + a2 T^2 + a3 T^3, T = H r the local tension, r = sqrt(1 + p^2) the
// secant of the slope, p its tangent. With B_k = a_k H^k the stretch 1 + strain depends on r alone.
// Along an element dp/ds = -w/H, so its spans are differences of X(p) = integral (1 + strain)/r dp and
// Z(r) = integral (1 + strain) p/r dp over the scaled weight w/H.
//
// The functions that take IELEM select column IELEM of the whole (3, *) block themselves. 64-bit
// throughout except EAINV; pure, allocation-free.
#pragma once

#include "mooring/catlib/line_arrays.h"

namespace brevant {

// BETA(k, j) = ALPHA(k, j) DPHLD^k, k = 1..3, j = 1..NELEM (nothing for NELEM below 1).
void BETALD(AlphaBlock ALPHA, BetaBlock& BETA, double DPHLD, Int NELEM);

// 1 + B1 r + B2 r^2 + B3 r^3, r = SECFCN(P).
double STRECH(double P, const BetaBlock& BETA, Int IELEM);

// (1 + B2/2) ln(R + P) + P (B1 + B2 R/2 + B3 (R^2 + 2)/3): with R = sqrt(1 + P^2) the integral from 0
// to P of (1 + strain)/r dp.
double XFCN(double R, double P, Int IELEM, const BetaBlock& BETA);

// (6 + 3 B2 (P + 1) + 2 R (3 B1 + 2 P B3)) / (6 R), the companion term of XFCN of the drag damping.
double DXFCN(double R, double P, Int IELEM, const BetaBlock& BETA);

// R + B1 R^2/2 + B2 R^3/3 + B3 R^4/4: the antiderivative of (1 + strain) in the secant.
double ZFCN(double R, Int IELEM, const BetaBlock& BETA);

// sqrt(R^2 - 1) (1/R + B1 + B2 R + B3 R^2): the slope derivative of ZFCN in magnitude (R >= 1).
double DZFCN(double R, Int IELEM, const BetaBlock& BETA);

// 1/R + B1 + B2 R + B3 R^2: DZFCN without the tangent, equal to d XFCN / dP.
double DZFCNOQ(double R, Int IELEM, const BetaBlock& BETA);

// a1 + 2 a2 T + 3 a3 T^2, d strain / d T at the tension TENSN, in 32-bit.
Real EAINV(AlphaBlock ALPHA, Real TENSN, Int IELEM);

// sqrt(Q^2 + 1), the secant of the angle whose tangent is Q.
double SECFCN(double Q);
// 1 / sqrt(DQP^2 + 1) and DQP / sqrt(DQP^2 + 1): cosine and sine of the angle whose tangent is DQP.
double DCSPHI(double DQP);
double DSNPHI(double DQP);

}  // namespace brevant
