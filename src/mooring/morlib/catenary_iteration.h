// The catenary iteration: for a line of known horizontal tension DPHLD, the fairlead tangent at which
// the chain of elastic catenary elements hanging from the fairlead spans exactly DELTAZ down to its
// anchor end (sea-floor contact and, optionally, the vessel's pull-down included), and the outer
// search that puts the middle of the first buoyant element at the water level or declares it emerged.
//
// Before a call the caller fills LINCOM: ITYP, DPHLD, DELTAZ, SCLWT (SCLWLD), BETA (BETALD), DSLOPE,
// and WTRLEV / MIDLYR where the water-level step / pull-down are on. On return LINCOM holds the shape
// of the last evaluated trial: TMPTAN, SECARR (nodes 1..NELEM+1) and BOTLN.
#pragma once

#include <initializer_list>
#include <string_view>

#include "sysutl/fortran_format.h"
#include "sysutl/ftypes.h"

namespace brevant {

// The bracket of the water-level residual, private to the iteration; zero at start.
struct LocItr {
    Real TOPT1C;  // lower end of the fairlead-tangent bracket, carried between WLERR evaluations
    Real TOPT2C;  // upper end
};
extern LocItr LOCITR;
void reset_locitr();

// Full iteration with the water-level step of the first buoyant element (data-image word WLFLAG).
// TOPT1, TOPT2 in-out: the bracket of fairlead tangents; updated only where ITER8 runs on them directly
// (after success: TOPT2 the root, TOPT1 a quarter of it). A search that fails ends the program.
void ITER8P(Real& TOPT1, Real& TOPT2);

// Plain fairlead-tangent iteration: RTMI1 on HTERR from TOPT2 to TOPT1 (EPSX 1e-5, EPSF 0.01, 100),
// widening the bracket by a doubling step while both ends have the same sign. On success TOPT2 = the
// root and TOPT1 = root / 4. No convergence, 60 widenings without a sign change, a bracket that cannot
// widen or a non-finite height error: " ++> Iteration overflow in ITER8P:ITER8; line type" on EDUNIT,
// a wait for Return (none on unit 41) and the end of the program (status 1).
void ITER8(Real& TOPT1, Real& TOPT2, Int ITYP, Int NBUG, Int EDUNIT);

// Height error of the trial fairlead tangent TOPTAN: the fairlead height above the anchor end of the
// trial shape minus the required height (DELTAZ, less the pull-down when PULLDN is set). Writes the
// trial shape (TMPTAN, SECARR, BOTLN). HTERR2 is the same error unrounded.
Real HTERR(Real& TOPTAN);
double HTERR2(Real& TOPTAN);

// Water-level error of element KELEM at the trial scaled weight TMPWT: depth of its middle below the
// fairlead minus WTRLEV, positive when the middle lies below the water level. Sets SCLWT(KELEM) and
// solves the line through ITER8 on the bracket of LOCITR. WLERR2 is the same 32-bit value widened.
Real WLERR(Real& TMPWT);
double WLERR2(Real& TMPWT);

// One trace line of the line solves on UNIT: the label, then the values (integers in 8 columns,
// reals in G15.7).
void trace_line(Int unit, std::string_view label, std::initializer_list<FmtItem> values);

}  // namespace brevant
