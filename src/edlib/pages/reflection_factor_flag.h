// The wave-reflection factor test: whether any of the six wave-reflection ("drift") factors of the
// vessel differs from its built-in default. The areas page opens its reflection group with it, and
// the analysis run decides with it whether the enhancement factors are reported.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The built-in defaults of the six factors; a new case holds exactly these, and switching the
// reflection group of the areas page off stores them back.
inline constexpr Real kBowFactorDefault = 1.0f;      // BOWFAC, bow shape factor
inline constexpr Real kSternFactorDefault = 1.25f;   // STRNFC, stern shape factor
inline constexpr Real kReflectionFactorDefault = 1.0f;  // WVFCX, WVFCY, WVFCM and VWDFAC

// SHOFAC = 0 when VWDFAC, BOWFAC, WVFCX, WVFCY and WVFCM are exactly 1.0 and STRNFC exactly 1.25
// (the stored single-precision values, no tolerance), else 1. EDUNIT and NEWTKR are taken for the
// callers' sake and not used; nothing but SHOFAC is written.
void SETFGS(const Real& BOWFAC, const Real& VWDFAC, const Real& STRNFC, const Real& WVFCX, const Real& WVFCY,
            const Real& WVFCM, const Int& EDUNIT, const Int& NEWTKR, Int& SHOFAC);

}  // namespace brevant
