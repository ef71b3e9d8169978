// The far end of the fitted added-mass and damping curves of the hull models.
#pragma once

#include <cmath>

#include "sysutl/ftypes.h"

namespace brevant {

// A fitted curve c x^n e^(-b x) (plus a constant) as its formula forms it. Far out in x (very short
// waves on a long hull) the power overflows while the exponential has long since reached 0, and the
// product 0 x Infinity is NaN: the curve's limit there is its constant, LIMIT. Anywhere the formula
// gives a number, that number; an x that is not a number stays NaN.
inline Real fit_or_limit(Real value, Real x, Real LIMIT) { return std::isnan(value) && !std::isnan(x) ? LIMIT : value; }

}  // namespace brevant
