// The member-hull absorption coefficient of the regular-wave pages.
#include "core/member_wave_drag.h"

#include <cmath>

#include "lowlib/depth_current_drag.h"
#include "lowlib/kept_member_drag.h"
#include "lowlib/member_drag_functions.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/member_table.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr Int kQuadraturePoints = 27;

// Pitch and roll rotation centres far apart point at a hull the motion model does not describe
// well: the user is told and may stop the run.
void check_rotation_centres() {
    Tpcm& P = TPCM;
    const Real VTCRPS = PASCOM.VTCRPS, VTCRRS = PASCOM.VTCRRS;
    const Real EFF_ROT_CTR = 0.5f * (VTCRPS + VTCRRS);
    if (!(std::fabs(EFF_ROT_CTR) > 1.0f && std::fabs(1.0f - VTCRPS / VTCRRS) > 0.5f)) return;
    write_record(P.EDUNIT, "");
    write_record(P.EDUNIT, " +=> Suspiciously large separation between pitch and roll rotation centers;");
    write_record(P.EDUNIT, "     please forward this datafile to Velmora for analysis.");
    write_record(P.EDUNIT, "");
    ABORT0(P.EDUNIT, KBD_UNIT, P.LBACK);
    if (P.LBACK < 0) stop_program(1);
}

}  // namespace

void NB_DRAG_RAO(Int LCOMP, Int IWAVID, Real RELANG, Real SIG0WV, Int IW, Real& CDCOEFF) {
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    const Pascom& Q = PASCOM;

    // 1. Scale of the component.
    Real LENSCAL = P.LWL * P.LWL;
    Real ENHANC = P.WVDGCM;
    if (LCOMP == 1) {
        LENSCAL = P.BWL;
        ENHANC = P.WVDGCX;
    } else if (LCOMP == 2) {
        LENSCAL = P.LWL;
        ENHANC = P.WVDGCY;
    }
    const Real A_CONST = P.LEGDRG == 0 ? 0.0005f * P.DWATR * LENSCAL / V.G : 0.0f;
    const Real VARWV = SIG0WV * SIG0WV;

    // 2. Rotation centre, checked on every call.
    check_rotation_centres();
    const Real EFF_ROT_CTR = 0.5f * (Q.VTCRPS + Q.VTCRRS);

    // 3-5. Wave heading, current direction relative to the waves, attack angle.
    const Real WAVHDG_LOC = (RELANG + EQUILB.VESANG + 3.1415927f) * 57.295776f;
    Real COSTHETACW = 1.0f, TANTHETACW = 0.0f;
    if (P.LCURNT != 0) {
        const Real angle = (P.CURHDG - WAVHDG_LOC) / 57.295776f;
        COSTHETACW = std::cos(angle);
        TANTHETACW = std::sin(angle) / COSTHETACW;
    }
    const Real COSWAV = std::cos(RELANG), SINWAV = std::sin(RELANG);

    // 6-7. Frequency, wave number, dimensional scales.
    const Real WPK_NB = V.W(IW);
    const Real SURF_DIM_NB = SIG0WV * A_CONST * VARWV * (WPK_NB * WPK_NB);
    const Real SUBS_DIM_NB = P.TDRAFT() * A_CONST * VARWV * (WPK_NB * WPK_NB);
    // Wave drag excluded, no wave, or no frequency: nothing to scale by, no drag.
    if (SURF_DIM_NB == 0.0f) {
        CDCOEFF = 0.0f;
        return;
    }
    const Real OMEGA = WPK_NB * std::sqrt(P.DEPTH / V.G);
    Real KH = 0.0f;
    WAVVEC(OMEGA, KH, P.EDUNIT);
    const Real WAVK = KH / P.DEPTH;

    // 8-9. Motion RAO along the waves; orbital-to-current speed ratio. A current with no component
    // along the waves counts as no current.
    const Real RAOWAV_ALIGN = Q.HRAO(IW, IWAVID);
    Real B0_CONST = kNoCurrentRatio;
    if (P.LCURNT != 0 && P.CURSPD != 0.0f) {
        const Real speed = P.CURSPD * (P.NUNTS == 1 ? 0.5142f : 1.687f);
        const Real along = speed * COSTHETACW;
        if (along != 0.0f) B0_CONST = SIG0WV * WPK_NB / along;
    }
    if (B0_CONST == kNoCurrentRatio) TANTHETACW = 0.0f;

    // 10. The piercing members.
    Real SUMFRC_SUBS_NB = 0.0f, SUMFRC_SURF_NB = 0.0f, SUMFRC_SURF_PRP_NB = 0.0f, AVGWLL_CD = 0.0f;
    for (Int i = 1; i <= P.NCYL && i <= 50; ++i) {
        if (SIMCOM.LPIERCE(i) == 0) continue;
        const Real XLOC = P.RCYLB(1, i) + SIMCOM.CYLLEN(i) * SIMCOM.DIRVEC(1, i);
        const Real YLOC = P.RCYLB(2, i) + SIMCOM.CYLLEN(i) * SIMCOM.DIRVEC(2, i);
        const Real EFFDIA_CD = std::sqrt(P.XAREA(i) / 3.1415927f) * (P.CYLCD(1, i) + P.CYLCD(2, i));
        AVGWLL_CD += EFFDIA_CD;
        const Real PHSHFT_W = (XLOC * COSWAV + YLOC * SINWAV) * WAVK;
        const Real RI_ANG = std::atan2(std::sin(PHSHFT_W), std::cos(PHSHFT_W) - RAOWAV_ALIGN);
        const Real COS_C = RAOWAV_ALIGN == 0.0f || (RAOWAV_ALIGN == 1.0f && PHSHFT_W == 0.0f)
                               ? 1.0f
                               : std::cos(PHSHFT_W - RI_ANG);
        if (SUBS_DIM_NB != 0.0f) {
            Int NDEPTHQ = kMemberDragLevels;
            const Real value = kept_FCF_SUB_Z(Q.HOR_WAV_RAO(IW, IWAVID), Q.ANG_WAV_RAO(IW, IWAVID), PHSHFT_W, EFF_ROT_CTR,
                                              kQuadraturePoints, WAVHDG_LOC, SIG0WV, WPK_NB, WAVK, NDEPTHQ);
            SUMFRC_SUBS_NB += EFFDIA_CD * value / (VARWV * (WPK_NB * WPK_NB) * P.TDRAFT());
        }
        SUMFRC_SURF_NB += EFFDIA_CD * FCF_SURF(B0_CONST, RAOWAV_ALIGN, PHSHFT_W, COS_C, kQuadraturePoints);
        SUMFRC_SURF_PRP_NB += EFFDIA_CD * FCF_SURF_PRP(B0_CONST, RAOWAV_ALIGN, PHSHFT_W, COS_C, kQuadraturePoints);
    }
    // No member pierces the surface (or none has a drag diameter): no drag.
    if (AVGWLL_CD == 0.0f) {
        CDCOEFF = 0.0f;
        return;
    }

    // 11-15. Forces along and across the waves, turned onto the component.
    const Real FALIGN_WAVSUBS_NB = SUBS_DIM_NB * SUMFRC_SUBS_NB / AVGWLL_CD;
    const Real FALIGN_WAVSURF_NB = SURF_DIM_NB * SUMFRC_SURF_NB / AVGWLL_CD;
    const Real FPERP_WAVSURF_NB = SURF_DIM_NB * TANTHETACW * SUMFRC_SURF_PRP_NB / AVGWLL_CD;
    const Real ANGTMP_W = std::atan2(FPERP_WAVSURF_NB, FALIGN_WAVSUBS_NB + FALIGN_WAVSURF_NB);
    Real ANGFACT_PARL_W = 0.0f, ANGFACT_PERP_W = 0.0f;
    wave_axis_factors(LCOMP, RELANG + ANGTMP_W, ANGFACT_PARL_W, ANGFACT_PERP_W);
    const Real FOUTD_NB =
        ENHANC * ((FALIGN_WAVSURF_NB + FALIGN_WAVSUBS_NB) * ANGFACT_PARL_W + FPERP_WAVSURF_NB * ANGFACT_PERP_W);
    CDCOEFF = FOUTD_NB / SURF_DIM_NB / 2.8284f;
}

}  // namespace brevant
