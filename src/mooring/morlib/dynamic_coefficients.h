// The dynamic coefficients of one mooring line at one wave frequency: from the line's static
// sensitivities (CATCOM, left by the statics driver) and the complex motion amplitudes CAFLD, CABOT of
// its two ends along the line, the fairlead and anchor-end force amplitudes for a positive and a
// negative excursion, with the line's drag damping and effective mass, its elastic, catenary and static
// stiffness, the catenary's harmonic response, the longitudinal elastic wave and, for the nonlinear
// model, the stiffening along the oblique fairlead motion; then the inertial correction.
#pragma once

#include "mooring/catlib/line_arrays.h"
#include "mooring/morlib/longitudinal_waves.h"
#include "sysutl/ftypes.h"

namespace brevant {

// DYNCOD for line ILIN (its line type ITYP, DPHLD, TPTEN0, MIDLYR, BOTELM in LINCOM; CAFLD, CABOT in
// CATCOM).
//   TX                    out  DPHLD / WETWT of the last element processed
//   CATSKP                out  always true (a caller must pass a variable)
//   WFREQ, DIAMFC         in   wave frequency (rad/s); factor on every element diameter
//   TFAC                  in   not read
//   CYCATP, CYCATM        out  catenary response amplitude, positive and negative excursion
//   CYELAP, CYELAM        out  elastic stretch amplitude, positive and negative excursion
//   CTOPFP, CBOTFP        out  fairlead and anchor-end force amplitude, positive excursion
//   CTOPFM, CBOTFM        out  the same, negative excursion
//   STOPFP, STOPFM        out  static fairlead force amplitude, positive and negative excursion
//   RANCPT                in   per line: anchor distance in the sense of the tables' ANCDST
//   CTOPFIP, CTOPFIM      out  with GETNODEQ nonzero: node force amplitudes
//   CXTEND_N, C_ADA_END_N out  per node: longitudinal and drag-motion amplitude with the phase of the
//                              extension CAFLD - CABOT (all 0 when the extension is 0)
//   XCATP                 out  amplitude ratio of the catenary response
//   WRNFLG                in   true: the inertial-correction warning may be written (once per run)
// Writes KELAS, KCTAN, KSTAT, KRAT of CATCOM; QF, QB, FXCOMP, FZCOMP, BXCOMP, BZCOMP, WAVEK of LINCOM;
// COFDMP, COFMAS of the data image. The line mass falls to 0 for the rest of the run on the first call
// whose creator type is neither 14 nor 17 or with LEG_WF_LOADS 1.
void DYNCOD(Int ILIN, double& TX, Logical& CATSKP, Real WFREQ, Real DIAMFC, Real TFAC, Complex& CYCATP,
            Complex& CYCATM, Complex& CYELAP, Complex& CYELAM, Complex& CTOPFP, Complex& CBOTFP, Complex& CTOPFM,
            Complex& CBOTFM, Real& STOPFP, Real& STOPFM, const FArray<Real, 150>& RANCPT, NodeForces& CTOPFIP,
            NodeForces& CTOPFIM, NodeForces& CXTEND_N, NodeForces& C_ADA_END_N, Int GETNODEQ, Real& XCATP,
            Logical WRNFLG);

// The work values of the last DYNCOD call that no argument returns, for inspection.
struct DyncodWork {
    Real CQUAD = 0.0f;    // quadratic drag coefficient of the catenary
    Real KELINL = 0.0f;   // kinetic-energy sum along the line, per squared extension amplitude
    Real KELINT = 0.0f;   // the same across the line (with added mass)
    Real CATMASQ = 0.0f;  // effective mass of the catenary
    Complex CTACCT{};     // inertial correction at the fairlead
    Real TMPDIS = 0.0f;   // drag energy dissipated per cycle
};
const DyncodWork& dyncod_work();

// Starts a new run: line mass on, the inertial-correction warning wanted again.
void reset_dyncod();

}  // namespace brevant
