// MEMFRC: the wave and drag integrals along one straight member of a member-built hull, for one
// regular wave component of unit amplitude, in the member-plane frame (z up from still water, the
// member axis in the x-z plane).
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Inertia mode (DRGFLG 0): CFORCE = the integral over the wetted part of minus the gradient of the
// pressure head p = cosh(kz + kd')/cosh(kd') e^(-i(kx x + ky y)), kd' = min(k d, 70); CMOMT its
// moment about RBASE; CWPFRC = e^(-i k.r_w)/|d3| at the still-water crossing r_w of a piercing member.
// Drag mode (DRGFLG not 0): CFORCE = the Simpson integral of |V| (u - v) along the wetted part, u the
// wave particle velocity, v the member's own velocity, |V| the r.m.s. relative speed with the steady
// flow; CMOMT its moment about RBASE; CQDBOT, CQDTOP the axial relative flow times |V| at the ends.
//   LEN, RBASE, DIRMEM  in   length, base point (RBASE(3) above still water), axis (d1, 0, d3)
//   KX, KY, WVK         in   horizontal wave-number components in the member-plane frame, k > 0
//   WDEPTH              in   water depth, > 0
//   CFORCE, CMOMT       out  complex 3-vectors (cleared at entry)
//   EDUNIT, NBUG, KBD   in   console unit, diagnostic switch, keyboard unit
//   WETELM              in   wetting code of the above-water part (0 in this system)
//   VCUR2, BASVEL       in   squared steady flow speed; complex base velocity per unit motion (3)
//   DRGFLG              in   0 inertia, otherwise drag
//   DELPHI, DELTHA      in   angular amplitudes about frame y and about (d3, 0, -d1)
//   WFREQ               in   encounter frequency, rad/s
//   EXTAMP, WVAMP       in   amplitudes of the member and of the wave velocity in |V|
//   PIERCE              out  +1 crossing upward from the base, -1 downward, 0 otherwise
//   CWPFRC              out  waterplane factor (inertia mode)
//   GET_TOP_DRAG        in   drag mode: also the end term at the far end
//   CQDBOT, CQDTOP      out  end terms (drag mode)
// Two once-per-run warnings on k |d3| L (above 2 for an above-water portion, above 70 for any) ask
// the abort question; "A" ends the program.
// Returns false, with the sums incomplete, when a drag portion holds a wave too short for its
// integration: more than kMostDragPoints points (member_drag_points_resolvable), or a wave term
// that leaves the float range along the portion; the caller ends the run naming the frequency.
bool MEMFRC(Real LEN, const Real* RBASE, const Real* DIRMEM, Real KX, Real KY, Real WVK, Real WDEPTH, Complex* CFORCE,
            Complex* CMOMT, Int EDUNIT, Int NBUG, Int WETELM, Real VCUR2, const Complex* BASVEL, Int DRGFLG,
            Complex DELPHI, Complex DELTHA, Real WFREQ, Int KBD, Real EXTAMP, Real WVAMP, Int& PIERCE,
            Complex& CWPFRC, bool GET_TOP_DRAG, Complex& CQDBOT, Complex& CQDTOP);

// The most Simpson points the drag integral of one member portion takes: about one per unit of
// k L. Each point adds a rounding of one part in 2^24 to the phase carried from point to point and
// to the sums; over 2^17 points those reach one per cent, and a run of such calls no longer ends in
// reasonable time (a real hull takes a few thousand points at its shortest periods).
inline constexpr Real kMostDragPoints = 131072.0f;

// Whether the drag integral takes a wave of wave number k along a portion of length L: k L within
// kMostDragPoints (a non-finite product is not).
bool member_drag_points_resolvable(Real k, Real L);

// Sets the two once-per-run warning switches back to their start (tests start a fresh "run").
void reset_member_forces();

}  // namespace brevant
