// Angle reduction. The remainder is that of truncated division (sign of the angle), taken
// exactly by std::fmod; every sum is rounded to single precision.
#include "sysutl/angles.h"

#include <cmath>

#include "sysutl/two_pi.h"

namespace brevant {

namespace {
constexpr Real kFullTurnDeg = 360.0f;
constexpr Real kJustBelowFullTurnDeg = 359.9999f;
constexpr Real kPi = 3.1415927f;
}  // namespace

Real REDDEG(Real ANG) {
    Real r = std::fmod(ANG, kFullTurnDeg);
    if (r < 0.0f) r = r + kFullTurnDeg;
    return r;
}

Real REDDEG2(Real ANG) {
    if (ANG == 0.0f) return ANG;
    const Real shifted = ANG + kJustBelowFullTurnDeg;
    return REDDEG(shifted);
}

Real REDRAD(Real ANG) {
    Real r = std::fmod(ANG, kTwoPi);
    if (r < 0.0f) r = r + kTwoPi;
    return r;
}

Real REDRAD_SYM(Real ANG) {
    const Real x = std::fmod(ANG, kTwoPi);
    if (std::fabs(x) > kPi) return x - std::copysign(kTwoPi, x);
    return x;
}

Real ANGSYM(Real ANGLE) {
    Real a = std::fmod(ANGLE, kTwoPi);
    if (!(a > -kPi)) a = a + kTwoPi;
    if (a > kPi) a = a - kTwoPi;
    return a;
}

}  // namespace brevant
