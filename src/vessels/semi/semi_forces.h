// The wave forces of a member-built hull for one heading: SUMALL adds up the member forces, GETRAO
// normalises them (and in the full square-law option turns them into trial RAOs), PARTWY scales a
// 3-vector. SEMFRC itself is declared with the other hull entry points in member_built_hull.h:
//   void SEMFRC(Int& NPASS2);
// NPASS2 0: the resonance passes (roll in beam seas, then pitch and heave in head seas) that fix the
// quasi-linear damping ratios GAMRL, GAMPT, GAMHV of SIMCOM; NPASS2 holds 2 on return and nothing is
// written to the pool. NPASS2 above 2: every period of the heading RAOANG(IRAO); the six normalised
// complex forces go to the six RAO arrays of the pool at each period, the square-law drag added as
// SQLFRC says (0 none, 1 the Newton iteration on the RAOs, 2 the drag of the fixed vessel). An abort
// answer to any of its questions ends the program with status 1.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Adds the complex force (CFORCE, 3) and moment (CMOMT, 3, about the rotation centres of HIMEM) of
// members 1 .. NCYL (at most 50) to CFORCE and CMOMT. DRGFLG 0 the inertia pass (FORSCL the mass
// density DWATRP), otherwise the drag pass (FORSCL the drag scale), which alone reads the six RAO
// estimates for the motion of the members. WETMEM goes to MEMFRC as its wetting code. Returns false
// (the sums incomplete) when a member's drag integral cannot take the wave (MEMFRC).
bool SUMALL(Complex* CFORCE, Complex* CMOMT, Real WAVK, Real WKX, Real WKY, Real WENC, Real EXTAMP, Real WVAMP,
            Int DRGFLG, Real FORSCL, Real VCUR2, Int WETMEM, Complex CSGRAO, Complex CSWRAO, Complex CHVRAO,
            Complex CRLRAO, Complex CPTRAO, Complex CYWRAO);

// CRFRC(i) = FCOFS(i) CFORCE(i), i = 1 .. 6 (force then moment); with SQLFRC 1 also the trial RAOs
// CRAO of these forces: heave, roll and pitch as damped oscillators (the damping term only where the
// user gave the damping), surge, sway and yaw by inertia alone; TLP factors for SIMTYP 14 and 17.
// A zero real part of a resonance denominator and a zero encounter frequency are taken as 1.0e-10.
void GETRAO(const Complex* CFORCE, const Real* FCOFS, Complex* CRFRC, Complex* CRAO, Real WH, Real WP, Real WR,
            Real WENC, Real WH2, Real WP2, Real WR2, Real WENC2, Real GAMHV, Real GAMPT, Real GAMRL, Real W2SCAL,
            Real WAVK, Real GPSG, Real GPSW, Real YAWFAC, Real HFCTLP, Real RFCTLP, Real PFCTLP);

// ROUT(i) = ALEN RIN(i), i = 1 .. 3.
void PARTWY(const Real* RIN, Real* ROUT, Real ALEN);

// Test seams of the square-law iteration: its relative tolerance (0.01), and a Jacobian whose last
// column is cleared before the solve, so that the solver reports it singular after it has worked
// on the right-hand side.
struct SemiForceSeams {
    Real rel_err = 0.01f;
    bool singular_jacobian = false;
};
extern SemiForceSeams SEMI_FORCE_SEAMS;

// A fresh run: the asymmetry warning may come again; the seams go back to their defaults.
void reset_semi_forces();

}  // namespace brevant
