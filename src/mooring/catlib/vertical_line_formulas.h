// The 64-bit root finder of the vertical-line and taut-line searches, and the closed forms of a line
// hanging straight down: the weight carried below a point, the stretched height of a hanging piece,
// and the stretch factor at one tension. Strain law of an element: a1 T + a2 T^2 + a3 T^3.
#pragma once

#include <functional>
#include <span>

#include "mooring/catlib/line_arrays.h"

namespace brevant {

// The residual of RTMIDP: it receives a copy of the abscissa (never the caller's X) and reads
// whatever else it needs from the parameter record its caller fills before the search.
using RootFunctionDP = std::function<double(double&)>;

// A root of FCT between XLI and XRI (either order), by bisection combined with inverse parabolic
// steps, all in 64-bit reals.
//   X, F      out  the root (or the end of the last bracket with the smaller |F|) and FCT there
//   EPS       in   tolerance on X, relative when |X| > 1; the tolerance on F is 100 EPS
//   IEND      in   most bisection steps in one iteration, and most interpolation iterations
//   IER       out  0 converged or an exact zero found, 1 no convergence, 2 FCT of one sign at both
//                  ends (X is then XRI, F its value)
//   I         out  iterations started; set only once the ends have passed the sign test
void RTMIDP(double& X, double& F, const RootFunctionDP& FCT, double XLI, double XRI, double EPS, Int IEND, Int& IER,
            Int& I);

// TK = TN + the sum of WETWT(i) SLEN(i) over i = K..N, added from N down to K (TN for K > N): the
// tension at the top of element K when elements K..N hang vertically and the bottom of N carries TN.
// NELEM is not used.
void DTKLTN(const ElementArray& SLEN, const ElementArray& WETWT, Int K, Int NELEM, Int N, double& TK, double TN);

// The three compliance coefficients a1, a2, a3 of one element in 64-bit reals.
using AlphaTriple = std::span<const double, 3>;

// TMPLEN = T (1 + T (a1/2 + T (a2/3 + T a3/4))) / WETWT with T = |TZ|: the stretched height of
// hanging line of wet weight WETWT per unit length whose tension grows from 0 to T.
void SFNCDP(AlphaTriple ALPHA, double TZ, double WETWT, double& TMPLEN);

// 1 + T (a1 + T (a2 + T a3)) with T = |TZ|: the stretch factor at tension TZ.
double SFCDP2(AlphaTriple ALPHA, double TZ);

}  // namespace brevant
