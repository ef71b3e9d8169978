// The mean-drag functions of one cylindrical member of a member-built hull: the water-line part of
// a surface-piercing member (in line with and across the waves) and the submerged part in a
// current that varies with depth.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The value of B0 (orbital over current speed) that stands for "no current".
inline constexpr Real kNoCurrentSpeedRatio = 1.0E30f;

// In-line drag factor at the water line. B0 the orbital-to-current speed ratio (|B0| 1.0E30: no
// current), R the motion RAO along the waves, PHI the wave phase at the member (radians), COS_C
// the phase factor, NXP the quadrature point count. Without current:
// COS_C * 1.5957692 * |R^2 - 2 R cos PHI + 1|.
Real FCF_SURF(Real B0, Real R, Real PHI, Real COS_C, Int NXP);
// Across-wave drag factor at the water line, same arguments; 0 without current.
Real FCF_SURF_PRP(Real B0, Real R, Real PHI, Real COS_C, Int NXP);
// Drag factor of the submerged part of one member with the depth-varying current profile.
Real FCF_SUB_Z(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Int NXP, Real WAVHDG_LOC,
               Real SIG0WV, Real WPK_NB, Real WAVK, Int NDEPTHQ);

}  // namespace brevant
