// The energy-equivalent offset: the offset at which the nonlinear mooring stores the energy that a
// linear spring stores at a given linear offset.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The energy 0.5 SPRNGK DXLIN^2 is bracketed in the mooring energy table ERG(1..NERG) (element 1
// first) on the side of the equilibrium point (the first pair bracketing EQB) that DXLIN points to
// (the side of EQLOFF's sign, +0 counting positive), and its offset from equilibrium is returned in
// DXNLIN:
//   within one table step of equilibrium   DXNLIN = DXLIN
//   LSPM true                              OFFSET interpolated in energy, less OFFSET(equilibrium)
//   LSPM false                             whole steps of |OFFSET(1)| plus the fraction of the
//                                          bracketing step, with the sign of DXLIN
// MIN receives the lower index of the bracketing pair. FENV is not used. When either search finds
// no bracket, " ++> Nonzero IER = " (I2) " in NLNCOR" and "     Press <RETURN> to continue" go to
// IOSCRN, one line is read unless IOSCRN is 41, and the run ends (status 1).
void NLNCOR(const Real* ERG, Real EQB, const Real* OFFSET, Real DXLIN, Real& DXNLIN, Real SPRNGK, Real FENV,
            Real EQLOFF, Int NERG, Int& MIN, Logical LSPM, Int IOSCRN);

}  // namespace brevant
