// Waves riding on a current: the group speed used by the drift models, the wave number of a wave on
// a uniform current, the transverse wave number behind a current step, and two plane-vector
// products.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The parameters of the residuals VKYFUN and VKYPFUN, written by the drift coefficient routine
// just before a search.
struct LocalQ {
    Real ALPHAX;  // wave-number component along the current step over the corrected wave number
    Real BETAX;   // transverse current made dimensionless, current sqrt(k / g)
};
extern LocalQ LOCALQ;
void reset_localq();

// Group speed 0.5 sqrt(G / WK) (1 + kh / (cosh kh sinh kh)), kh = WK DEPTH, and exactly
// 0.5 sqrt(G / WK) above kh 30; negative when W is. The base speed is the deep-water phase speed
// at every depth: there is no tanh(kh) factor, and the reports depend on that. WK > 0.
//   WK wave number (1/length), W frequency (only its sign counts), DEPTH, G gravity.
Real GRPVEL(Real WK, Real W, Real DEPTH, Real G);

// WVVEC = kh solving (OMEGA - kh CURCST)^2 = kh tanh kh, OMEGA = omega sqrt(h / g) and CURCST the
// current along the wave over sqrt(g h) (nonzero). The bracket [0, |OMEGA / CURCST|] is doubled up
// to 20 times while it holds no sign change; after that no wave can travel and WVVEC is 0.
// A root search that does not converge ends the program with a message.
void WAVCURVEC(Real OMEGA, Real CURCST, Real& WVVEC);
// WAVCURVEC's root search alone, as it searches (no kept root answers it): WVVEC as WAVCURVEC gives
// it, and the root finder's code (0 a root or no wave, 1 no convergence) in place of its stop, so that
// a check before the run can ask whether the run's own search takes a frequency and a current.
// Overwrites LOCALCS.
Int current_wave_number_search(Real OMEGA, Real CURCST, Real& WVVEC);
// WAVCURVEC keeps the roots it found by the exact bits of its inputs and answers a repeat from them
// (the search is a function of its inputs alone), while set_result_reuse (sysutl/result_reuse.h) is
// on. The count is of the repeats answered.
unsigned long long current_root_reuse_count();
// The end of the run when WAVCURVEC's search does not converge (root-finder code IER): the
// message on the screen, a wait for one key, the fatal stop; in a silent run (EDUNIT 41) the
// message goes to its console and nothing is read. Apart from WAVCURVEC so that both roads can be
// exercised: the search itself converges on every input tried.
[[noreturn]] void wavcurvec_stop(Int IER);
// The residual (OMEGATMP - X CURTMP)^2 - X tanh X, parameters from LOCALCS.
Real DISPRS2(Real& X);

// YY: the root of VKYFUN on [0, GUESSH] (GUESSH may be negative), 0 when the bracket holds no
// sign change. A search that does not converge is reported on IOSCRN, waits (keyboard KBD) and
// ends the program.
void GETVKY(Real& YY, Real GUESSH, Int IOSCRN, Int KBD);
// 1 - (YY^2 + ALPHAX^2)^(1/4) - BETAX YY: deep-water dispersion behind a transverse current with
// the wave-number component along the step held.
Real VKYFUN(Real& YY);
// YY + 2 BETAX (YY^2 + ALPHAX^2)^(3/4): -2 (YY^2 + ALPHAX^2)^(3/4) times the derivative of VKYFUN.
Real VKYPFUN(Real& YY);

// X(1) Y(1) + X(2) Y(2) and X(1) Y(2) - X(2) Y(1) of two plane vectors.
Real DOTP2D(const Real* X, const Real* Y);
Real XPRD2D(const Real* X, const Real* Y);

}  // namespace brevant
