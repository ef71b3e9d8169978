// The spectral preparation of one surface-piercing member of a member-built hull for one wave
// system: relative-velocity spectra over depth, mean drag and drift terms, and the slowly-varying
// drag, drift and cross spectral densities at one difference frequency.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// G_FRC_PREP. Levels z_i = -(i-1) DZ, DZ = DRAFT / (NDEPTHQ - 1); the member's horizontal motion at
// z is R(z) = H_RAO + (DRAFT + z - EFF_ROT_CTR) A_RAO, and the relative velocity at z has the
// spectrum w^2 S (e^(2kz) + 2 e^(kz) |R| sin(phase R + k XCOL) + |R|^2), variance SIGV2.
//   WC            in-out  difference frequency, rad/s; made positive by the group spectra when
//                         negative (LVARST only)
//   FSURF, FSUB   out     mean drag terms of the surface zone and of the submerged length
//   FWDRFT_PAR, FWDRFT_PRP, FLXANG_AVG   out  mean wave-drift terms along and across the waves,
//                         and their direction (rad)
//   SFX_RR, SFX_BB, SFX_WD, SFX_BR, SFX_WB, SFX_WR   out only when LVARST: spectral densities at WC
//                         of surface drag, submerged drag, drift, and the cross terms
//   VS_COR        out     correlation of the wave elevation and the relative velocity at z = 0
//   PSD, SIG0WV   in      wave spectrum on the WAVCOM grid (NWP of the data image) and its RMS
//   XCOL          in      member position along the wave direction
//   EFF_ROT_CTR   in      height of the effective rotation centre above the keel
//   H_RAO, A_RAO  in      horizontal-motion and rotation transfer per grid frequency
//   NXP           in      Simpson nodes of the error functions (27)
//   DOUSER, USERDAT, RELANG, CLDBY, COSTHETACW, SINTHETACW, IWAVID   in, handed to DFC_ALIGN
//   WAVHDG_LOC    in      wave heading (deg) the current is projected on
//   NDEPTHQ       in-out  depth levels (>= 2); lowered to 31 when larger
//   VCXQ, DRFTYP, FRSTIM  not used
// A level with no relative-velocity variance has no fluctuating drag: its drag increase and its
// share of every slowly-varying term are 0, as are VS_COR and FSURF when SIGV2(1) or SIG0WV is 0.
void G_FRC_PREP(Real& WC, Real& FSURF, Real& FSUB, Real& FWDRFT_PAR, Real& FWDRFT_PRP, Real& FLXANG_AVG,
                Real& SFX_RR, Real& SFX_BB, Real& SFX_WD, Real& SFX_BR, Real& SFX_WB, Real& SFX_WR, Real& VS_COR,
                Logical LVARST, const Real* PSD, Real SIG0WV, Real VCXQ, Real XCOL, Real EFF_ROT_CTR,
                const Complex* H_RAO, const Complex* A_RAO, Int NXP, Int DOUSER, Int DRFTYP,
                std::string_view USERDAT, Real RELANG, Logical FRSTIM, std::string_view CLDBY, Real COSTHETACW,
                Real SINTHETACW, Real WAVHDG_LOC, Int IWAVID, Int& NDEPTHQ);

}  // namespace brevant
