// The mooring-line services the disc buoy calls: the line statics, the dynamic line springs, the line
// dynamics behind those springs and the energy-equivalent offset. They are held here so that a test can put a recording or scripted
// double in their place; reset_disc_line_calls() restores the real routines.
#pragma once

#include <functional>

#include "lowlib/offset_correction.h"
#include "mooring/morlib/dynamic_coefficients.h"
#include "sysutl/ftypes.h"
#include "vessels/disc/mooring_springs.h"

namespace brevant {

struct DiscLineCalls {
    std::function<void(const FArray<Real, 150>&, const FArray<Real, 150>&)> lindrv;
    std::function<decltype(DYNSPR)> dynspr;
    std::function<decltype(NLNCOR)> nlncor;
    std::function<decltype(DYNCOD)> dyncod;  // called by DYNSPR once per active line
};

DiscLineCalls& disc_line_calls();
void reset_disc_line_calls();

}  // namespace brevant
