// Drag damping and motion measures of one catenary element of the line in hand under a harmonic
// motion of its two ends: at points spread evenly in the tangent the element's motion across and along
// the line, summed with Simpson weights over the arc length.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// CATDMP, for element IELEM of arc-length scale TX (DPHLD / WETWT) between the tangents DQB (lower end)
// and DQF (upper end):
//   DISSIP          out  (4/3) the integral of |A|^3 over the arc length, A the transverse amplitude
//   DISOOP          out  always 0
//   KEELMT, KEELML  out  the integrals of |A|^2 and of |B|^2 (B the longitudinal amplitude)
//   KEOOP           out  with DO_OOP the out-of-plane integral about the horizontal position XBASE of
//                        the lower end, else 0
//   XBASE, ZBASE    in   lower-end horizontal position (out-of-plane term only); ZBASE not read
//   NQP             in   integration points; an even count takes one point more and fewer than 3
//                        take 3, so that the Simpson weights 1, 4, 2, ..., 4, 1 always hold
//   DXFLD, DZFLD    in   upper-end motion relative to the lower end; DXBOT, DZBOT the lower end's
//   ADAMAX          out  the largest |A| over the points; ADATOP, LONTOP |A| and |B| at the upper end
//   NBUG            in   not read
//   CTXACC, CTZACC  out  the complex resultants; CTXACC 0 unless BOTFLG is non-zero
//   BOTFLG          in   non-zero: the element rests partly on the sea floor
// Writes DXFDP, DXFDT, DZFDP, DZFDT and JACOBY (1e-20 for an exact 0) of CATCOM, unless the element
// lies on the sea floor (BOTELM non-zero, IELEM >= BOTELM, DQF <= DSLOPE): then every output is 0 and
// CATCOM is left as it was.
void CATDMP(double TX, double DQF, double DQB, Real& DISSIP, Real& DISOOP, Real& KEELMT, Real& KEELML, Real& KEOOP,
            Real XBASE, Real ZBASE, Int NQP, Complex DXFLD, Complex DZFLD, Complex DXBOT, Complex DZBOT,
            Real& ADAMAX, Real& ADATOP, Real& LONTOP, Int NBUG, Int IELEM, Complex& CTXACC, Complex& CTZACC,
            Int BOTFLG, Logical DO_OOP);

}  // namespace brevant
