// The longitudinal elastic wave along a mooring line: the line as a chain of elastic bars, fixed at
// the anchor end, whose upper end moves by the elastic stretch; a standing wave u = A cos kx + B sin kx
// in each element (x up from its lower end) is carried element by element with displacement and axial
// force (EA du/dx, EA = 1/mu) continuous, and gives the axial force amplitudes at the ends and nodes.
#pragma once

#include "mooring/catlib/line_arrays.h"
#include "sysutl/ftypes.h"

namespace brevant {

using NodeForces = FArray<Complex, MAX_NODES>;

// End (and node) force amplitudes of the line at one frequency. Reads WAVEK of LINCOM (KELAST) and
// KCTAN of CATCOM.
//   WFREQ, CYCAT, CYELAS, CATMASQ, CQCNST, XCAT, SIGCAT  in  the frequency and the string dynamics
//                        (CATSTR): with no wave in any element the force is that of the catenary,
//                        CYCAT (KCTAN + SIGCAT |CYCAT| - WFREQ^2 CATMASQ + i CQCNST WFREQ XCAT)
//   TSTAT                in   tension of the element compliances mu = EAINV
//   CTOPF, CBOTF         out  force amplitudes at the upper (fairlead) and lower (anchor) end
//   NBUG, IOSCRN         in   not read
//   IREVRS               in   1: elements numbered from the fairlead down; otherwise from the anchor up
//   SLEN, ALPHA, NELEM   in   the elements of the line type
//   CTOPFI               out  with GETNODE nonzero: force at node n (numbered as the elements), the
//                             ends as CTOPF and CBOTF; inside an element with a wave the standing
//                             wave's force, across elements without one the force carried unchanged
// Elements without a wave (k 0) are passed over: the wave is carried from the last element with a wave
// straight into the next one. At an exact elastic resonance (the upper-end displacement of the unit
// wave exactly 0) that displacement is taken as the float epsilon times the wave's amplitude at the top,
// so the forces come out large and finite.
void LNGWAV(Real WFREQ, Complex CYCAT, Complex CYELAS, Real CATMASQ, Real CQCNST, Real XCAT, Real SIGCAT, Real TSTAT,
            Complex& CTOPF, Complex& CBOTF, Int NBUG, Int IOSCRN, Int IREVRS, ElementColumn SLEN, AlphaBlock ALPHA,
            Int NELEM, NodeForces& CTOPFI, Int GETNODE);

}  // namespace brevant
