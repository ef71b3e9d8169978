// Wave number and spectrum helpers: the finite-depth dispersion relation (WAVVEC and its residual
// DISPRS), wave height to slope (CNHTSP), and the JONSWAP normaliser (JONSVAL, integrand JONINT)
// with the parameter records that carry values to the functions handed to a solver or quadrature.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Word 1 is the value handed to the residual or integrand (the squared nondimensional frequency
// for DISPRS; other users read it as OMEGATMP, COSEXP or EXPTMP), word 2 a current speed (CURTMP).
struct LocalCs {
    Real OMEGA2;
    Real DUMMY;
    // The names the current-dispersion residual gives the two words: the nondimensional frequency
    // and the nondimensional current.
    Real& OMEGATMP() { return OMEGA2; }
    const Real& OMEGATMP() const { return OMEGA2; }
    Real& CURTMP() { return DUMMY; }
    const Real& CURTMP() const { return DUMMY; }
};
extern LocalCs LOCALCS;

// The JONSWAP integrand's parameters: spectral width of the side, peak enhancement, side
// (1 below the peak, 2 above).
struct LocalJ {
    Real PVAL;
    Real GAM;
    Int BRANCH;
};
extern LocalJ LOCALJ;

// The nondimensional wave number k h for the nondimensional frequency OMEGA = omega sqrt(h / g).
// A root-finder failure is written on the console unit IOSCRN (a pause first, none in a silent
// run) and ends the program.
void WAVVEC(Real OMEGA, Real& WVVEC, Int IOSCRN);

// WAVVEC's root search alone: WVVEC as WAVVEC gives it, and the root finder's code (0 found, 1 no
// convergence, 2 no sign change) in place of its message and stop, so that a check before the run
// can ask whether the run's own search takes a frequency.
Int wave_number_search(Real OMEGA, Real& WVVEC);

// The dispersion residual OMEGA2 - X tanh X, OMEGA2 from LOCALCS.
Real DISPRS(Real& X);

// TMPHT: a wave height on entry, the equivalent maximum slope in degrees on return; a failure of the
// wave number is written on IOSCRN.
void CNHTSP(Real& TMPHT, Real PKPRD, Real DEPTH, Real G, Int IOSCRN);

// The JONSWAP normaliser for the widths PL (below the peak) and PG (above) and the peak
// enhancement GAMMA (0.2 for GAMMA 1, with no integration); failures are written on IOSCRN.
void JONSVAL(Real PL, Real PG, Real GAMMA, Real& JONVAL, Int IOSCRN);

// The integrand of JONSVAL in the peak-enhancement variable Z, parameters from LOCALJ.
Real JONINT(Real& Z);

// How the integration of the JONSWAP normaliser ended: with a value, or where JONSVAL would write
// " ++> Possible iteration failure in JONSVAL" and ask whether to abort (a silent run ends there),
// or end the run with its round-off message or, when a side would take more stages than any
// integration that ends, with " ++> FATAL error: JONSWAP integral does not converge in JONSVAL".
enum class JonswapOutcome { Converged, IterationLimit, RoundOff, StagesUsedUp };

// The integration of JONSVAL step for step, writing nothing, asking nothing and never ending the
// run: the first failure ends it and is returned (JONVAL is then left as it was). Overwrites
// LOCALJ as JONSVAL does. The checks before a run use it to find the values JONSVAL cannot take.
JonswapOutcome jonswap_outcome(Real PL, Real PG, Real GAMMA, Real& JONVAL);

}  // namespace brevant
