#include "lowlib/member_drag_functions.h"

#include <cmath>

namespace brevant {

namespace {

bool no_current(Real B0) { return std::fabs(B0) == kNoCurrentSpeedRatio; }

}  // namespace

Real FCF_SURF(Real B0, Real R, Real PHI, Real COS_C, Int) {
    // sqrt(8 / pi): the limit of the closed form for an unbounded speed ratio.
    if (no_current(B0)) return COS_C * 1.5957692f * std::fabs(R * R - 2.0f * R * std::cos(PHI) + 1.0f);
    // PENDING: the closed form with current comes with the member drag functions.
    return 0.0f;
}

Real FCF_SURF_PRP(Real B0, Real, Real, Real, Int) {
    if (no_current(B0)) return 0.0f;
    // PENDING: the closed form with current comes with the member drag functions.
    return 0.0f;
}

// PENDING: the submerged-part kernel over the current profile comes with the member drag
// functions; until then the submerged part adds nothing (which is its value without current).
Real FCF_SUB_Z(Complex, Complex, Real, Real, Int, Real, Real, Real, Real, Int) { return 0.0f; }

}  // namespace brevant
