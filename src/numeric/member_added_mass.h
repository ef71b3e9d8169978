// Added mass of hull members: the elliptic integral of an ellipsoid (ELPCOF with its integrands
// ARGMAS and ARGMOM) and its coefficient (COFCLC), rectangular sections (RECTCM), and the
// waterline test of a straight member (WPCHEK).
#pragma once

#include <cstdint>

#include "sysutl/ftypes.h"

namespace brevant {

// The elliptic integral of an ellipsoid with axis-ratio parameters ABRAT2 and ACRAT2 (both 1 for
// a sphere), by Simpson's rule on 0..pi/2; MASMOM 1 translation, 2 rotation. NPOINT intervals
// (0: chosen from the ratios). Past 7500 intervals it warns once on IOSCRN (ONEWRN then true)
// and pauses; ICYL numbers the member in the warning (0 for a body that is no member).
//   ABRAT2, ACRAT2, NPOINT, MASMOM  in      the ratios, the intervals and the kind of integral
//   ELPSCF                          out     the integral
//   IOSCRN, KBD                     in      console and keyboard units of the warning and its pause
//   ONEWRN                          in/out  the warning has been given (it is given once)
//   ICYL                            in      member number of the warning
// The most intervals ELPCOF integrates over (an even count).
inline constexpr std::int64_t kMaxElpcofIntervals = 1000000;

// The end of ELPCOF's range: pi/2 rounded to single precision, the float just above it. An
// abscissa that reaches it adds nothing to the integral (the integrands' limit there is 0).
inline constexpr Real kElpcofEndAbscissa = 1.5707964f;

void ELPCOF(Real ABRAT2, Real ACRAT2, Int NPOINT, Int MASMOM, Real& ELPSCF, Int IOSCRN, Int KBD, Logical& ONEWRN,
            Int ICYL);

// The integrands at the angle X (radians, 0..pi/2): translation and rotation.
Real ARGMAS(Real X, Real ABRAT2, Real ACRAT2);
Real ARGMOM(Real X, Real ABRAT2, Real ACRAT2);

// The added-mass (MASMOM 1) or added moment-of-inertia coefficient from ELPCOF's integral.
Real COFCLC(Int MASMOM, Real ELPSCF, Real ABRAT2, Real ACRAT2);

// Added-mass coefficient of a rectangular section of aspect ratio ABRAT.
Real RECTCM(Real ABRAT);

// Waterline test of the member from RBASE to RTOP (3-vectors, z up) at the waterline z = DRAFT:
// MEMVEC, DIRVEC (3-vectors), its length, wetted length, tilt factor and PIERCE: 0 submerged,
// 99 dry, 1 piercing upward from base to top, -1 piercing downward.
// In: RBASE, RTOP, DRAFT. Out: MEMVEC (RTOP - RBASE), DIRVEC (its unit vector), MEMLEN, WETLEN,
// TILTFC, PIERCE.
void WPCHEK(const Real* RBASE, const Real* RTOP, Real DRAFT, Real* MEMVEC, Real* DIRVEC, Real& MEMLEN, Real& WETLEN,
            Real& TILTFC, Int& PIERCE);

}  // namespace brevant
