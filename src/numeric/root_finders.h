// Root finders of a scalar function on a bracketing interval (bisection with inverse parabolic
// steps), and the linear scan that finds the first pair of table entries bracketing a value.
#pragma once

#include <functional>

#include "sysutl/ftypes.h"

namespace brevant {

// The function whose root is sought. It receives a copy of the abscissa by reference (it may
// change the copy, never the caller's X); whatever else it needs it reads from the parameter
// record its caller fills before the search (LOCALCS for the dispersion residual, and so on),
// or from a capture when it is a lambda.
using RootFunction = std::function<Real(Real&)>;
// The same with a double-precision result; the value is rounded to single precision on receipt.
using RootFunctionD = std::function<double(Real&)>;

// A root of FCT between XLI and XRI (in), by bisection and inverse parabolic interpolation.
//   X, F        out  the root and FCT there
//   FCT         in   the function
//   XLI, XRI    in   the bracketing interval
//   EPSX, EPSF  in   tolerances on the abscissa and on the function value
//   IEND        in   most iteration loops
//   IER         out  as below
// IER: 0 root found, 1 no convergence within IEND loops, 2 no sign change between XLI and XRI.
// A root is reported only when it is held: an exact zero, a sign change within the tolerance of
// X, or, when EPSF > 0, a last step shorter than the tolerance whose residual is within EPSF.
void RTMI1(Real& X, Real& F, const RootFunction& FCT, Real XLI, Real XRI, Real EPSX, Real EPSF, Int IEND, Int& IER);
void RTMI2(Real& X, Real& F, const RootFunction& FCT, Real XLI, Real XRI, Real EPSX, Real EPSF, Int IEND, Int& IER);
void RTMI1D(Real& X, Real& F, const RootFunctionD& FCT, Real XLI, Real XRI, Real EPSX, Real EPSF, Int IEND, Int& IER);
void RTMI2D(Real& X, Real& F, const RootFunctionD& FCT, Real XLI, Real XRI, Real EPSX, Real EPSF, Int IEND, Int& IER);

// First neighbouring pair W(MIN), W(MIN+1) within NLOWER..NUPPER (1-based, W[0] is W(1)) that
// brackets WP, scanning upward in an unsorted table. IER 0 found, 1 below every entry, 2 above
// every entry (MIN untouched then). A found MIN always leaves MIN+1 inside the range.
void BRACKT(const Real* W, Real WP, Int& IER, Int& MIN, Int NLOWER, Int NUPPER);

}  // namespace brevant
