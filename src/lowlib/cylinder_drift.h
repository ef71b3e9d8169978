// Frequency factors of the non-tanker drift models: the mean drift force on a vertical circular
// cylinder from its diffraction series, and the smooth step of the legacy semi-submersible.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Mean drift force on a vertical cylinder over rho g A^2 RD, with x = ka and the draft factor
// D = 1 - e^(-2 k ZD):
//   4 D / (pi^2 x^7) sum over n of (n (n + 1) - x^2)^2 / (|H'_n(x)|^2 |H'_n+1(x)|^2)
// summed for n = 0 .. NREP = trunc(1.5 x) + 3, stopping after a term below 0.0001 once n > 4;
// above NREP 100 (short waves) the wall-reflection limit 2 D / 3.
//   WSCAL        in   omega sqrt(DEPTH / g)
//   RD, ZD       in   radius and draft, length unit of DEPTH
//   DEPTH        in   water depth
//   WAVK         out  the wave number k of WSCAL in DEPTH
//   IW, NWP      in   frequency index and count, not used
//   IOSCRN       in   console unit of the Bessel-function messages
//   IOKBD        in   keyboard unit of their abort question
Real CYLDFT(Real WSCAL, Real RD, Real ZD, Real DEPTH, Real& WAVK, Int IW, Int NWP, Int IOSCRN, Int IOKBD);

// HNP2 = |H'_N(X)|^2 and HNP1P2 = |H'_N+1(X)|^2, H_n = J_n + i Y_n. Order 0 starts a new argument;
// each higher order takes HNP1P2 (in) as its HNP2 and steps the kept Bessel values up by one
// order, so the orders of one argument come in sequence 0, 1, 2, ... A Bessel failure or X <= 0
// is reported on IOSCRN, then the abort question (keyboard IOKBD); a silent run with X <= 0 ends.
void HN2P(Real& HNP2, Real& HNP1P2, Real X, Int N, Int IOSCRN, Int IOKBD);

// How many error reports HN2P has written on the console since the start: a caller that keeps a
// CYLDFT result for reuse keeps only those of calls that reported nothing.
unsigned long long cyldft_report_count();

// Legacy semi-submersible step at the nondimensional frequency X (its magnitude counts):
// factor (tanh((3x - 1) 3.14159) + 0.99627) 0.5001, factor XSHDOW for surge (LCOMP 1), YSHDOW for
// sway (2), 0 otherwise; a negative result is 0. LWL, BWL, RELANG, EDUNIT, KBD are not used.
Real SEMDFT(Int LCOMP, Real X, Real XSHDOW, Real YSHDOW, Real LWL, Real BWL, Real RELANG, Int EDUNIT, Int KBD);

}  // namespace brevant
