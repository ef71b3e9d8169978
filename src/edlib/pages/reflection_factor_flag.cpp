// The wave-reflection factor test.
#include "edlib/pages/reflection_factor_flag.h"

namespace brevant {

void SETFGS(const Real& BOWFAC, const Real& VWDFAC, const Real& STRNFC, const Real& WVFCX, const Real& WVFCY,
            const Real& WVFCM, const Int& /*EDUNIT*/, const Int& /*NEWTKR*/, Int& SHOFAC) {
    // Exact comparisons on purpose: a factor moved by any amount counts as set by the user.
    const bool defaults = VWDFAC == kReflectionFactorDefault && BOWFAC == kBowFactorDefault &&
                          STRNFC == kSternFactorDefault && WVFCX == kReflectionFactorDefault &&
                          WVFCY == kReflectionFactorDefault && WVFCM == kReflectionFactorDefault;
    SHOFAC = defaults ? 0 : 1;
}

}  // namespace brevant
