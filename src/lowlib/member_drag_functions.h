// The statistically linearised drag functions of one member of a member-built hull in a uniform
// current and a narrow-banded sea: cycle means of |u| u over a Rayleigh-distributed wave amplitude,
// at the water line and over the submerged length, per unit of the current speed squared.
//
// Shared arguments (all inputs; no function changes them):
//   B0     RMS wave particle speed at the water line over the current component, signed like the
//          component; magnitude exactly 1.0E30 means no current. Finite and non-zero otherwise.
//   R      hull velocity amplitude per unit wave particle velocity at the water line (>= 0)
//   PHI    wave phase at the member relative to the hull motion, radians
//   COS_C  factor of the water-line results
//   KD     depth of the member's lower end times the wave number (> 0)
//   NXP    Simpson nodes over the amplitude (odd, >= 3; the callers pass 27)
// Depths q are in wave-number units: 0 at the water line, -KD at the lower end.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The no-current value of B0, compared exactly.
inline constexpr Real kNoCurrentRatio = 1.0E30f;

// The factors that turn a force along the waves (PARL) and one across them (PERP) onto vessel
// component LCOMP when the waves run at ANGLE (radians) to the vessel: surge (1) takes -cos and sin,
// sway (2) -sin and -cos; any other component 0 and 0.
void wave_axis_factors(Int LCOMP, Real ANGLE, Real& PARL, Real& PERP);

// Simpson weight of node I of N: 1 at the first node and at an odd last one, 4 at every even
// node, 2 at the other odd ones (the drag sums always run over odd counts).
Real simpson_node_weight(Int I, Int N);

// Mean-drag functions: sum over x = (i-1) 5.5/NXP of weight x e^(-x^2/2) SUB_SURF_DRAG(B0 x),
// times DELX / (3 B0^2); 0 without current.
Real FCF_SUB(Real KD, Real B0, Real R, Real PHI, Int NXP);
// Closed forms at the water line (in line, and perpendicular signed like B0) of the
// Rayleigh-weighted water-line sums; COS_C sqrt(8/pi) |1 - R e^(i PHI)|^2 and 0 without current.
Real FCF_SURF(Real B0, Real R, Real PHI, Real COS_C, Int NXP);
Real FCF_SURF_PRP(Real B0, Real R, Real PHI, Real COS_C, Int NXP);

// Variance integrals: the weights x e^(-x^2/2) (x^2/2 - 1) (one more factor x at the water line).
// Without current GISURF is COS_C 6/sqrt(2 pi) |1 - R e^(i PHI)|^2 and the other two are 0.
Real GISUB(Real KD, Real B0, Real R, Real PHI, Int NXP);
Real GISURF(Real B0, Real R, Real PHI, Real COS_C, Int NXP);
Real GISURF_PRP(Real B0, Real R, Real PHI, Real COS_C, Int NXP);

// (1/KD) integral over q from -KD to 0 of g(v(q)), v = |BSIGNED| F_SUB(R, PHI, q), with
// g(v) = v^2/2 (v <= 1) and 1/2 - 4/pi + 4v/pi (v > 1); signed like BSIGNED, 0 for BSIGNED 0.
Real SUB_SURF_DRAG(Real KD, Real BSIGNED, Real R, Real PHI);
// Cycle mean of |1 + a cos t| (1 + a cos t) cos t, a = |B| F_SURF(R, PHI).
Real SURF_DRAG(Real B, Real R, Real PHI);
// Cycle mean of |1 + a cos t| cos t, carrying the sign bit of B.
Real SURF_DRAG_PRP(Real B, Real R, Real PHI);
// The depths S1, S2 where v = 1 (ln of A1, A2 = R cos PHI +- A0, A0 = sqrt((1/B)^2 - (R sin PHI)^2)
// or 0); a root that does not exist is +1.0E30 (above the water line), or -1.0E30 (below every
// lower end) when B R = 1 exactly. All five outputs are written.
void A_AND_S(Real& A0, Real& A1, Real& A2, Real& S1, Real& S2, Real B, Real R, Real PHI);
// -KD, S1, S2 into Q1 >= Q2 >= Q3; NSWITCH = how many roots lie below -KD (a tie is not below).
void RHSORT3(Real& Q1, Real& Q2, Real& Q3, Real KD, Real S1, Real S2, Int& NSWITCH);
// Antiderivatives in q of the one-directional regime (v^2/2) and of the reversing one.
Real UNI(Real B, Real R, Real PHI, Real Q);
Real OSC(Real B, Real R, Real PHI, Real Q);
// |1 - R e^(i PHI)| and |e^Q - R e^(i PHI)|.
Real F_SURF(Real R, Real PHI);
Real F_SUB(Real R, Real PHI, Real Q);

}  // namespace brevant
