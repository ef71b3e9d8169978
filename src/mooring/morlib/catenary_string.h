// Catenary string dynamics: the harmonic response of a line's catenary to a fairlead motion along the
// line, modelled as one mass (CATMASQ) between the elastic spring KELAS on the fairlead side and the
// catenary spring KRAT KELAS on the anchor side, with a quadratic drag linearised for the amplitude.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Parameters of the residual NULTMP, written by CATSTR just before its root search; zero at start.
struct TmpCm2 {
    Real BETACP;  // beta' = KRAT + 1 - WFREQ^2 CATMASQ / KELAS
    Real GMCOEF;  // G^2, G = CQCNST WFREQ / KELAS
    Real DELCOF;  // delta = |SIGCAT |CXTEND| / KELAS|
};
extern TmpCm2 TMPCM2;
void reset_tmpcm2();

// The catenary response of one line at one frequency.
//   WFREQ                 in   wave frequency (rad/s)
//   CXTEND                in   fairlead motion amplitude along the line; A = |CXTEND|
//   SIGCAT, PARITQ        in   slope of the amplitude-dependent stiffness, and the sign (+1/-1) of its
//                              term in the elastic stretch of the nonlinear pass
//   CATMASQ, CQUAD        in   effective mass and quadratic drag coefficient of the catenary
//   CYCAT, CYELAS         out  catenary response and elastic stretch amplitudes
//   KRAT, KELAS           in   catenary over elastic stiffness, elastic stiffness
//   CQCNST                out  linearised drag, c A WFREQ CQUAD (c 0.848826, 1.2 for creator 17);
//                              left as it was when A is 0
//   XCAT                  out  amplitude ratio |CYCAT| / A
//   IOSCRN, KBD           in   unit of the failure message and keyboard of its pause
//   NLCAT                 in   true: the nonlinear pass, a root of NULTMP on [0, 1.5]
//   CREATR, ILINE         in   creator type of the case; line number for the message
// The linear response is CYCAT = CXTEND / (beta' + i g), g = XCAT G, and CYELAS = CXTEND - CYCAT, also
// above the catenary resonance (beta' < 0); exactly at it the drag alone holds the ratio, 1 / sqrt(G).
// A zero KELAS (no elastic spring) gives the rigid-catenary limit: CYCAT 0, CYELAS = CXTEND. A ratio the nonlinear search cannot hold within 1.5, and
// an undamped line exactly at resonance, end the program after the message " ++> Error return (IER = ...".
void CATSTR(Real WFREQ, Complex CXTEND, Real SIGCAT, Real PARITQ, Real CATMASQ, Real CQUAD, Complex& CYCAT,
            Complex& CYELAS, Real KRAT, Real KELAS, Real& CQCNST, Real& XCAT, Int IOSCRN, Int KBD, Logical NLCAT,
            Int CREATR, Int ILINE);

// 1 - X^2 ((DELCOF X + BETACP)^2 + GMCOEF X^2): zero where X = 1 / |beta' + delta X + i G X|.
Real NULTMP(Real& X);

}  // namespace brevant
