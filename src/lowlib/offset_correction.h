// The energy-equivalent offset: the offset at which a nonlinear mooring, given as a table of
// stored energy against offset, holds the energy a linear spring holds at a linear offset.
#pragma once

#include <span>

#include "sysutl/ftypes.h"

namespace brevant {

// NLNCOR(ERG, EQB, OFFSET, DXLIN, DXNLIN, SPRNGK, FENV, EQLOFF, NERG, MIN, LSPM, IOSCRN):
//   ERG      in   mooring energy at each of the NERG table points
//   EQB      in   energy that marks the equilibrium point in ERG
//   OFFSET   in   offset at each table point (LSPM true), or its first word the offset step (false)
//   DXLIN    in   linear offset (signed)
//   DXNLIN   out  energy-equivalent offset
//   SPRNGK   in   linear spring stiffness
//   FENV     in   not used
//   EQLOFF   in   equilibrium offset; only its sign is used
//   NERG     in   number of table points
//   MIN      out  lower index of the table pair that brackets the energy
//   LSPM     in   offsets interpolated in OFFSET (true) or counted in equal steps (false)
//   IOSCRN   in   console unit of the failure message (41: silent run)
void NLNCOR(std::span<const Real> ERG, Real EQB, std::span<const Real> OFFSET, Real DXLIN, Real& DXNLIN,
            Real SPRNGK, Real FENV, Real EQLOFF, Int NERG, Int& MIN, Logical LSPM, Int IOSCRN);

}  // namespace brevant
