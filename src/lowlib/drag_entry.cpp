// The viscous wave drag entry and its two hull models: the relative-motion model of a hull not built
// of members, and the member model of a semi-submersible or TLP with its drift-drag interaction.
#include "lowlib/drag_entry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "lowlib/cylinder_drift.h"
#include "lowlib/depth_current_drag.h"
#include "lowlib/drift_coefficients.h"
#include "lowlib/drift_forces.h"
#include "lowlib/group_variance.h"
#include "lowlib/heading_functions.h"
#include "lowlib/kept_member_drag.h"
#include "lowlib/member_drag_functions.h"
#include "lowlib/member_spectral_preparation.h"
#include "lowlib/row_series_reuse.h"
#include "lowlib/wind_current_coefficients.h"
#include "numeric/grid_integrals.h"
#include "numeric/spectrum_stats.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/member_table.h"
#include "records/member_words.h"
#include "records/response_record.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr Real kPi = 3.1415927f;
constexpr Int kKeyboard = 5;
constexpr Int kNxp = 27;
constexpr const char* kForward = "     please forward this datafile to Velmora for analysis.";

// The wave system is not one of the three: a line on the console, the pause, the end.
[[noreturn]] void invalid_wave_system(const char* text) {
    write_record(console_unit(TPCM.EDUNIT), text);
    PRSRET(TPCM.EDUNIT, kKeyboard, TPCM.LBACK);
    stop_program(1);
}

// A " +=> " warning between empty lines, then the abort question; "A" ends the run.
void suspicious(const std::string& text) {
    const Int unit = TPCM.EDUNIT;
    write_record(unit, "");
    write_record(unit, text);
    write_record(unit, kForward);
    write_record(unit, "");
    ABORT0(unit, kKeyboard, TPCM.LBACK);
    if (TPCM.LBACK < 0) stop_program(1);
}

// The user drift table of a component whose drift type is 1, or none.
struct DriftChoice {
    Int DRFTYP;
    Int DOUSER;
    FixedText<13> USERDAT;
};

DriftChoice drift_choice(Int LCOMP) {
    DriftChoice c{};
    c.DRFTYP = NIBVAL(TPCM.LWVCOF, LCOMP, TPCM.EDUNIT);
    c.DOUSER = c.DRFTYP == 1 ? 1 : 0;
    c.USERDAT = c.DOUSER ? drift_file_name(TPCM.SIMTYP, TPCM.ISPM) : FixedText<13>("Not Defined");
    return c;
}

// Length scale and mean-drag enhancement of a component (yaw for anything but 1 and 2).
void component_scales(Int LCOMP, Real& LENSCAL, Real& ENHANC) {
    if (LCOMP == 1) {
        LENSCAL = TPCM.BWL;
        ENHANC = TPCM.WVDGCX;
    } else if (LCOMP == 2) {
        LENSCAL = TPCM.LWL;
        ENHANC = TPCM.WVDGCY;
    } else {
        LENSCAL = TPCM.LWL * TPCM.LWL;
        ENHANC = TPCM.WVDGCM;
    }
}

// The square root of a ratio that keeps its sign: members whose cross term has the other sign
// than the first member's still add as correlated amplitudes, with their signs.
Real signed_root(Real r) { return std::copysign(std::sqrt(std::fabs(r)), r); }

// Kept across the run: one correlation warning per wave system.
Logical FRSTWRN[3] = {1, 1, 1};

// Where a member meets the waves: sub-steps shared by both member passes.
struct MemberAtWaves {
    Real XCOL, EFFDIA_WDF, EFFDIA_CD, PHSHFT_W, COS_C;
};

MemberAtWaves member_at_waves(Int ICYL, Real COSWAV, Real SINWAV, Real WAVK, Real RAOWAV_ALIGN) {
    MemberAtWaves m{};
    const Real XLOC = TPCM.RCYLB(1, ICYL) + SIMCOM.CYLLEN(ICYL) * SIMCOM.DIRVEC(1, ICYL);
    const Real YLOC = TPCM.RCYLB(2, ICYL) + SIMCOM.CYLLEN(ICYL) * SIMCOM.DIRVEC(2, ICYL);
    m.XCOL = -XLOC * COSWAV - YLOC * SINWAV;
    const Real EFFDIA_RAD = std::sqrt(TPCM.XAREA(ICYL) / kPi);
    m.EFFDIA_WDF = 2.0f * EFFDIA_RAD;
    m.EFFDIA_CD = EFFDIA_RAD * (TPCM.CYLCD(1, ICYL) + TPCM.CYLCD(2, ICYL));
    m.PHSHFT_W = (XLOC * COSWAV + YLOC * SINWAV) * WAVK;
    const Real RI_ANG = std::atan2(std::sin(m.PHSHFT_W), std::cos(m.PHSHFT_W) - RAOWAV_ALIGN);
    if (RAOWAV_ALIGN == 0.0f || (RAOWAV_ALIGN == 1.0f && m.PHSHFT_W == 0.0f))
        m.COS_C = 1.0f;
    else
        m.COS_C = std::cos(m.PHSHFT_W - RI_ANG);
    return m;
}

}  // namespace

void reset_dragf_semi() { std::fill(std::begin(FRSTWRN), std::end(FRSTWRN), Logical{1}); }

void DRAGF(Int LVARST, Int LCOMP, Real RELANG, const Real* PSD, Real& WC, Real& FOUTD, Real& FOUTR, Int IWAVID) {
    if (TPCM.SEMI_LIKE) {
        CrossSpectra WAV_XSPEC_SEMI{}, WAV_XSPEC_SEMI_CUM{}, WDFT_XSPEC_SEMI{}, WDFT_XSPEC_SEMI_CUM{};
        DRAGF_SEMI(LVARST, LCOMP, RELANG, PSD, WC, FOUTD, FOUTR, IWAVID, WAV_XSPEC_SEMI, WAV_XSPEC_SEMI_CUM,
                   WDFT_XSPEC_SEMI, WDFT_XSPEC_SEMI_CUM, 1);
    } else {
        DRAGF_SHIP(LVARST, LCOMP, RELANG, PSD, WC, FOUTD, FOUTR, IWAVID);
    }
}

namespace {

// The variances of the wave spectrum and of the spectrum weighted by the relative motion of the
// component to the power 2/3, as the ship's drag takes them. They depend on the component, the
// spectrum and the response tables only: down the rows of a spectra page the ones of an earlier row
// are taken again.
struct KeptShipDragVariances {
    unsigned long long epoch = 0;
    Int LCOMP = 0, IWAVID = 0, NWP = 0;
    const Real* PSD = nullptr;
    Real VARWV = 0.0f, VAR_S_REL = 0.0f;
};
std::array<KeptShipDragVariances, 3> KEPT_SHIP_DRAG_VARIANCES{};

void ship_drag_variances(Int LCOMP, const Real* PSD, Int IWAVID, Int NWP, Real& VARWV, Real& VAR_S_REL) {
    const unsigned long long epoch = row_series_epoch();
    KeptShipDragVariances* slot = nullptr;
    if (epoch != 0 && LCOMP >= 1 && LCOMP <= 3) {
        slot = &KEPT_SHIP_DRAG_VARIANCES[static_cast<std::size_t>(LCOMP - 1)];
        if (slot->epoch == epoch && slot->IWAVID == IWAVID && slot->NWP == NWP && slot->PSD == PSD) {
            VARWV = slot->VARWV;
            VAR_S_REL = slot->VAR_S_REL;
            count_row_series_reuse();
            return;
        }
    }
    Real S_DGPSD[100] = {};
    for (Int IW = 1; IW <= NWP; ++IW) {
        const Real RAOFAC = LCOMP == 1   ? PASCOM.RLRAO2(IW, IWAVID)
                            : LCOMP == 2 ? PASCOM.FDRGLAT(IW, IWAVID)
                                         : PASCOM.MDRGLAT(IW, IWAVID);
        S_DGPSD[IW - 1] = PSD[IW - 1] * std::pow(RAOFAC, 0.66667f);
    }
    Real VARDOT = 0.0f;
    SMPINT(PSD, VARWV, VARDOT);
    SMPINT(S_DGPSD, VAR_S_REL, VARDOT);
    if (slot != nullptr) *slot = KeptShipDragVariances{epoch, LCOMP, IWAVID, NWP, PSD, VARWV, VAR_S_REL};
}

}  // namespace

void DRAGF_SHIP(Int LVARST, Int LCOMP, Real RELANG, const Real* PSD, Real& WC, Real& FOUTD, Real& FOUTR, Int IWAVID) {
    const DriftChoice drift = drift_choice(LCOMP);
    if (IWAVID < 1 || IWAVID > 3) invalid_wave_system(" =+> Invalid IWAVID in dragf");

    // The drag coefficient: the current coefficient at the wave angle; every hull but the
    // displacement hull is taken as the cylinder (model 7 in all three fields), the disc keeps only
    // the sign.
    TRIGLD(RELANG);
    const Int LTEMP = TPCM.VESTYP == 1 ? TPCM.LCBARG : 1911;
    Real CDEFF = TPCM.CURFAC * CRNTCF(LCOMP, LTEMP, TPCM.DFTPCT, TPCM.BOWCUR, SINES.HOVERD, RELANG, TPCM.XCURAR,
                                      TPCM.YCURAR, TPCM.XCARM, TPCM.YCARM, TPCM.LWL, TPCM.BWL, TPCM.EDUNIT,
                                      TPCM.ISPM, TPCM.CREATR());
    if (TPCM.VESTYP == 4) CDEFF = std::copysign(1.0f, CDEFF);

    Real LENSCAL = 0.0f, ENHANC = 0.0f;
    component_scales(LCOMP, LENSCAL, ENHANC);
    const Real A_CONST = 0.0005f * TPCM.DWATR * LENSCAL / WAVCOM.G;
    const Real FDCNST = A_CONST * CDEFF;
    const Real FRCNST = 0.001f * TPCM.DWATR * LENSCAL;
    const Real VWD_XFAC = std::sqrt(TPCM.VWDFAC * TPCM.VWDRGFC);

    Real MDFPSD[100] = {};
    const Int NWP = std::clamp<Int>(TPCM.NWP, 0, 100);
    Real VARWV = 0.0f, VAR_S_REL = 0.0f, VAR_P = 0.0f, VARDOT = 0.0f;
    ship_drag_variances(LCOMP, PSD, IWAVID, NWP, VARWV, VAR_S_REL);
    Real TMP_DFC[100] = {};
    drift_coefficient_series(LCOMP, drift.DOUSER, drift.DRFTYP, drift.USERDAT.view(), RELANG, "DRAGF ", IWAVID, NWP,
                             TMP_DFC);
    for (Int IW = 1; IW <= NWP; ++IW) MDFPSD[IW - 1] = PSD[IW - 1] * TMP_DFC[IW - 1];
    SMPINT(MDFPSD, VAR_P, VARDOT);

    FOUTR = FRCNST * VAR_P;
    const Real D = 1.5958f * A_CONST * CDEFF * VAR_S_REL * std::sqrt(std::fabs(VAR_S_REL));
    FOUTD = ENHANC * D;
    if (LVARST == 0) return;
    // No mean drag and no mean drift (an empty spectrum among them): nothing varies either. A
    // spectrum whose integral is 0 has no group spectrum to normalise; nor has one so faint that the
    // square of its integral is 0 in single precision, whose slowly varying loads (of the third
    // power of the spectrum) are 0 there too.
    if ((FOUTR == 0.0f && D == 0.0f) || VARWV == 0.0f || VARWV * VARWV == 0.0f) {
        FOUTD = 0.0f;
        FOUTR = 0.0f;
        return;
    }

    Real GVARW = 0.0f, GVARDOT = 0.0f, VGPSD2 = 0.0f, VDGPSD2 = 0.0f;
    GET_GVAR(WC, WAVCOM.W.data(), TPCM.NWP, PSD, GVARW, GVARDOT, VGPSD2, VDGPSD2);
    const Real GVARWQ = GVARW / (VARWV * VARWV);

    FOUTD = TPCM.VWDRGFC * 11.46f * FDCNST * FDCNST * GVARWQ * (VAR_S_REL * VAR_S_REL * VAR_S_REL);
    FOUTR = std::fabs(VWD_XFAC * 9.575f * FDCNST * FRCNST * GVARWQ * VAR_P * std::pow(VAR_S_REL, 1.5f));
    if (!(FOUTR > 0.0f)) FOUTR = 0.0f;
}

void DRAGF_SEMI(Int LVARST, Int LCOMP, Real RELANG, const Real* PSD, Real& WC, Real& FOUTD, Real& FOUTR, Int IWAVID,
                CrossSpectra& WAV_XSPEC_SEMI, CrossSpectra& WAV_XSPEC_SEMI_CUM, CrossSpectra& WDFT_XSPEC_SEMI,
                CrossSpectra& WDFT_XSPEC_SEMI_CUM, Logical FRSTIM) {
    const Tpcm& T = TPCM;
    // 1. Wave statistics.
    Real VARWV = 0.0f, VARDOT = 0.0f;
    SMPINT(PSD, VARWV, VARDOT);
    const Real SIG0WV = std::sqrt(std::fabs(VARWV));
    Real PSDPK = 0.0f, TWVPK = 0.0f;
    Int I_TWVPK = 0, ILAST = 0, IHALFP = 0, IHALFM = 0;
    PSDPEK(PSD, WAVCOM.W.data(), PSDPK, TWVPK, I_TWVPK, ILAST, 0, IHALFP, IHALFM);
    const Real WPK_NB = TWVPK > 0.0f ? kTwoPi / TWVPK : 0.0f;
    const Real WPK_NB2 = WPK_NB * WPK_NB;

    // 2. Component scales; wave drag left out: no drag constants.
    Real LENSCAL = 0.0f, ENHANC = 0.0f;
    component_scales(LCOMP, LENSCAL, ENHANC);
    const Real A_CONST = T.LEGDRG == 0 ? 0.0005f * T.DWATR * LENSCAL / WAVCOM.G : 0.0f;
    const Real A_CONST_S = T.LEGDRG == 0 ? 0.0005f * T.DWATR / WAVCOM.G : 0.0f;
    const Real FRCNST = 0.001f * T.DWATR * LENSCAL;
    const Real FRCNST_S = 0.001f * T.DWATR;
    const Real VWD_XFAC = std::sqrt(T.VWDFAC * T.VWDRGFC);
    const Logical FRSTIM_DFC = 1;
    Int NDEPTHQ = kMemberDragLevels;

    // 3. Drift model.
    const DriftChoice drift = drift_choice(LCOMP);

    // 4. Rotation centre.
    Real EFF_ROT_CTR = 0.0f;
    if (T.SEMI_LIKE) {
        EFF_ROT_CTR = 0.5f * (PASCOM.VTCRPS + PASCOM.VTCRRS);
        if (std::fabs(EFF_ROT_CTR) > 1.0f && std::fabs(1.0f - PASCOM.VTCRPS / PASCOM.VTCRRS) > 0.5f)
            suspicious(" +=> Suspiciously large separation between pitch and roll rotation centers;");
    }

    // 5. Wave heading.
    Real WAVHDG_LOC = 0.0f;
    if (IWAVID == 1)
        WAVHDG_LOC = T.SEAHDG(1);
    else if (IWAVID == 2)
        WAVHDG_LOC = T.SWLHDG;
    else if (IWAVID == 3)
        WAVHDG_LOC = T.SWLHDG2;
    else
        invalid_wave_system(" =+> Invalid IWAVID in dragf_semi");

    // 6. Current direction relative to the waves.
    Real COSTHETACW = 1.0f, SINTHETACW = 0.0f, TANTHETACW = 0.0f;
    if (T.LCURNT != 0) {
        const Real theta = T.CURHDG / 57.29578f - (RELANG + EQUILB.VESANG + kPi);
        COSTHETACW = std::cos(theta);
        SINTHETACW = std::sin(theta);
        TANTHETACW = SINTHETACW / COSTHETACW;
    }
    const Real COSWAV = std::cos(RELANG);
    const Real SINWAV = std::sin(RELANG);

    // A sea that is zero everywhere has no peak and no variance: no load, and neither the response
    // tables (at the peak index) nor the divisions by the variance are reached.
    if (I_TWVPK < 1 || !(VARWV > 0.0f)) {
        FOUTD = 0.0f;
        FOUTR = 0.0f;
        return;
    }

    // 7. Group spectrum.
    Real GVARW = 0.0f, GVARWDOT = 0.0f, VGPSD2 = 0.0f, VDGPSD2 = 0.0f;
    GET_GVAR(WC, WAVCOM.W.data(), T.NWP, PSD, GVARW, GVARWDOT, VGPSD2, VDGPSD2);

    // 8. Peak wave number.
    Real WAVK = 0.0f;
    WAVVEC(WPK_NB * std::sqrt(T.DEPTH / WAVCOM.G), WAVK, TPCM.EDUNIT);
    WAVK = WAVK / T.DEPTH;

    // 9. Peak response.
    const Real RAOWAV_ALIGN = PASCOM.HRAO(I_TWVPK, IWAVID);
    const Real SURF_DIM_NB = A_CONST * SIG0WV * VARWV * WPK_NB2;
    const Real SUBS_DIM_NB = T.DRAFT * A_CONST * VARWV * WPK_NB2;

    // 10. Current speed along the waves. A current square to the waves (or nearly so) has no
    // component along them: the no-current ratio, and no perpendicular narrow-band term, which is
    // the limit of tan(theta) times the perpendicular function as the current turns across.
    Real TMPCSPX = 0.0f;
    Real B0_CONST = kNoCurrentRatio;
    bool perpendicular = true;
    if (T.LCURNT != 0 && T.CURSPD != 0.0f) {
        const Real TMPCSP = T.CURSPD * (T.NUNTS == 1 ? 0.5142f : 1.687f);
        TMPCSPX = TMPCSP * COSTHETACW;
        const Real B0 = TMPCSPX != 0.0f ? SIG0WV * WPK_NB / TMPCSPX : kNoCurrentRatio;
        if (TMPCSPX == 0.0f || std::fabs(B0) > 1.0E6f) {
            B0_CONST = kNoCurrentRatio;
            perpendicular = false;
        } else {
            B0_CONST = B0;
        }
    }
    if (!perpendicular) TANTHETACW = 0.0f;

    const Complex* H_RAO = &PASCOM.HOR_WAV_RAO(1, IWAVID);
    const Complex* A_RAO = &PASCOM.ANG_WAV_RAO(1, IWAVID);
    Real FSURF = 0.0f, FSUB = 0.0f, FWDRFT_PAR = 0.0f, FWDRFT_PRP = 0.0f, FLXANG_AVG = 0.0f;
    Real SFX_RR = 0.0f, SFX_BB = 0.0f, SFX_WD = 0.0f, SFX_BR = 0.0f, SFX_WB = 0.0f, SFX_WR = 0.0f, VS_COR = 0.0f;
    auto prepare = [&](const MemberAtWaves& m) {
        G_FRC_PREP(WC, FSURF, FSUB, FWDRFT_PAR, FWDRFT_PRP, FLXANG_AVG, SFX_RR, SFX_BB, SFX_WD, SFX_BR, SFX_WB, SFX_WR,
                   VS_COR, LVARST != 0, PSD, SIG0WV, TMPCSPX, m.XCOL, EFF_ROT_CTR, H_RAO, A_RAO, kNxp, drift.DOUSER,
                   drift.DRFTYP, drift.USERDAT.view(), RELANG, FRSTIM_DFC, "DRAGF ", COSTHETACW, SINTHETACW,
                   WAVHDG_LOC, IWAVID, NDEPTHQ);
    };
    const Int NCYL = std::clamp<Int>(T.NCYL, 0, kMemberCapacity);

    // The spectral pass below repeats, member by member, the preparation of the mean-force pass with
    // the same inputs (nothing either pass changes between them goes in), so its results are kept
    // from the first pass and taken again. Kept only where the preparation is a function of its
    // inputs alone: the cylinder drift coefficients (a user drift table may talk to the user) and a
    // call that reported nothing on the console and left the frequency step as it found it.
    struct KeptPreparation {
        Real FSURF, FSUB, FWDRFT_PAR, FWDRFT_PRP, FLXANG_AVG, SFX_RR, SFX_BB, SFX_WD, SFX_BR, SFX_WB, SFX_WR, VS_COR;
        bool kept;
    };
    std::array<KeptPreparation, kMemberCapacity + 1> KEPT{};
    const bool keep_preparation = LVARST != 0 && drift.DOUSER == 0 && member_drift_reuse_on();
    auto prepare_and_keep = [&](const MemberAtWaves& m, Int ICYL) {
        const Real WC_IN = WC;
        const unsigned long long reports = cyldft_report_count();
        prepare(m);
        if (!keep_preparation || WC != WC_IN || cyldft_report_count() != reports) return;
        KEPT[static_cast<std::size_t>(ICYL)] = {FSURF,  FSUB,   FWDRFT_PAR, FWDRFT_PRP, FLXANG_AVG, SFX_RR, SFX_BB,
                                                SFX_WD, SFX_BR, SFX_WB,     SFX_WR,     VS_COR,     true};
    };
    auto prepare_again = [&](const MemberAtWaves& m, Int ICYL) {
        const KeptPreparation& k = KEPT[static_cast<std::size_t>(ICYL)];
        if (!k.kept) {
            prepare(m);
            return;
        }
        count_member_drift_reuse();
        FSURF = k.FSURF;
        FSUB = k.FSUB;
        FWDRFT_PAR = k.FWDRFT_PAR;
        FWDRFT_PRP = k.FWDRFT_PRP;
        FLXANG_AVG = k.FLXANG_AVG;
        SFX_RR = k.SFX_RR;
        SFX_BB = k.SFX_BB;
        SFX_WD = k.SFX_WD;
        SFX_BR = k.SFX_BR;
        SFX_WB = k.SFX_WB;
        SFX_WR = k.SFX_WR;
        VS_COR = k.VS_COR;
    };

    // 11. Member pass 1: the mean force.
    Real SUMFRC_SURF_PRP_NB = 0.0f, SUMFRC_SUBS_GAUS = 0.0f, SUMFRC_SURF_GAUS = 0.0f, AVGWLL = 0.0f;
    for (Int ICYL = 1; ICYL <= NCYL; ++ICYL) {
        if (SIMCOM.LPIERCE(ICYL) == 0) continue;
        const MemberAtWaves m = member_at_waves(ICYL, COSWAV, SINWAV, WAVK, RAOWAV_ALIGN);
        AVGWLL += m.EFFDIA_WDF;
        SUMFRC_SURF_PRP_NB += m.EFFDIA_CD * kept_FCF_SURF_PRP(B0_CONST, RAOWAV_ALIGN, m.PHSHFT_W, m.COS_C, kNxp);
        prepare_and_keep(m, ICYL);
        SUMFRC_SUBS_GAUS += m.EFFDIA_CD * FSUB;
        SUMFRC_SURF_GAUS += m.EFFDIA_CD * FSURF;
    }

    // 12. Mean force.
    if (SUMFRC_SUBS_GAUS == 0.0f && SUMFRC_SURF_GAUS == 0.0f) {
        FOUTD = 0.0f;
        FOUTR = 0.0f;
        return;
    }
    const Real FPERP_WAVSURF_NB =
        perpendicular ? SURF_DIM_NB * TANTHETACW * SUMFRC_SURF_PRP_NB / AVGWLL : 0.0f;
    const Real FALIGN_WAVSUBS_GAUS = A_CONST * SUMFRC_SUBS_GAUS / AVGWLL;
    const Real FALIGN_WAVSURF_GAUS = A_CONST * SUMFRC_SURF_GAUS / AVGWLL;
    const Real FPERP_WAVSURF_GAUS = FPERP_WAVSURF_NB;
    const Real F_PERPTMP = FRCNST * FWDRFT_PRP + FPERP_WAVSURF_GAUS;
    const Real F_ALGNTMP = FALIGN_WAVSUBS_GAUS + FALIGN_WAVSURF_GAUS;
    const Real ANGTMP_W = T.LEGDRG == 0 ? std::atan2(F_PERPTMP, F_ALGNTMP) : 0.0f;
    Real ANGFACT_PARL_W = 0.0f, ANGFACT_PERP_W = 0.0f;
    wave_axis_factors(LCOMP, RELANG + ANGTMP_W, ANGFACT_PARL_W, ANGFACT_PERP_W);
    FOUTD = ENHANC * ((FALIGN_WAVSURF_GAUS + FALIGN_WAVSUBS_GAUS) * ANGFACT_PARL_W +
                      FPERP_WAVSURF_GAUS * ANGFACT_PERP_W);
    if (LVARST == 0) return;

    // 13. Member pass 2: the slowly-varying spectra, members added as correlated amplitudes.
    Real SUMSPC_SUBS_NB = 0.0f, SUMSPC_SURF_NB = 0.0f, SUMSPC_SURF_PRP_NB = 0.0f, SF_TOTAL_CUM = 0.0f;
    Real COR_FAC_BB = 0.0f, COR_FAC_RR = 0.0f, COR_FAC_WD = 0.0f, COR_FAC_BR = 0.0f, COR_FAC_WB = 0.0f,
         COR_FAC_WR = 0.0f, COR_FAC_TOT = 0.0f, COR_FAC_DRG = 0.0f, COR_FAC_WDF = 0.0f;
    Real SFX_BB_Base = 1.0f, SFX_RR_Base = 1.0f, SFX_WD_Base = 1.0f, SFX_BR_Base = 1.0f, SFX_WB_Base = 1.0f,
         SFX_WR_Base = 1.0f;
    Real SF_TOTAL_Base = 0.0f, SF_DRAG_Base = 0.0f, SF_DRIFT_Base = 0.0f;
    Real DRG_CONST = 0.0f, DFT_CONST = 0.0f, DRG_DFT_CONST = 0.0f;
    bool FIRST_PIERCER = true;
    const Real SUBS_SCALE = VARWV * WPK_NB2 * T.DRAFT;
    for (Int ICYL = 1; ICYL <= NCYL; ++ICYL) {
        if (SIMCOM.LPIERCE(ICYL) == 0) continue;
        const MemberAtWaves m = member_at_waves(ICYL, COSWAV, SINWAV, WAVK, RAOWAV_ALIGN);
        const Real GSUB = kept_GISUB_Z(PASCOM.HOR_WAV_RAO(I_TWVPK, IWAVID), PASCOM.ANG_WAV_RAO(I_TWVPK, IWAVID),
                                       m.PHSHFT_W, EFF_ROT_CTR, kNxp, WAVHDG_LOC, SIG0WV, WPK_NB, WAVK, NDEPTHQ);
        const Real TMPUPDG = SUBS_SCALE != 0.0f ? GSUB / SUBS_SCALE : 0.0f;
        SUMSPC_SUBS_NB += m.EFFDIA_CD * TMPUPDG;
        SUMSPC_SURF_NB += m.EFFDIA_CD * kept_GISURF(B0_CONST, RAOWAV_ALIGN, m.PHSHFT_W, m.COS_C, kNxp);
        SUMSPC_SURF_PRP_NB += m.EFFDIA_CD * kept_GISURF_PRP(B0_CONST, RAOWAV_ALIGN, m.PHSHFT_W, m.COS_C, kNxp);
        prepare_again(m, ICYL);

        const Real cd = m.EFFDIA_CD * A_CONST_S;
        DRG_CONST = cd * cd * T.VWDRGFC;
        const Real wd = m.EFFDIA_WDF * FRCNST_S;
        DFT_CONST = 2.0f * T.VWDFAC * (wd * wd);
        DRG_DFT_CONST = VWD_XFAC * A_CONST_S * FRCNST_S * m.EFFDIA_CD * m.EFFDIA_WDF;

        const Real SF_DRIFT = DFT_CONST * SFX_WD;
        const Real SF_DRAG = DRG_CONST * (SFX_RR + SFX_BB + 2.0f * SFX_BR);
        const Real SF_TOTAL = SF_DRIFT + SF_DRAG + 2.0f * DRG_DFT_CONST * (SFX_WB + SFX_WR);
        SF_TOTAL_CUM += SF_TOTAL;

        if (FIRST_PIERCER) {
            FIRST_PIERCER = false;
            if (SFX_BB != 0.0f) SFX_BB_Base = SFX_BB;
            if (SFX_RR != 0.0f) SFX_RR_Base = SFX_RR;
            if (SFX_WD != 0.0f) SFX_WD_Base = SFX_WD;
            if (SFX_BR != 0.0f) SFX_BR_Base = SFX_BR;
            if (SFX_WB != 0.0f) SFX_WB_Base = SFX_WB;
            if (SFX_WR != 0.0f) SFX_WR_Base = SFX_WR;
            SF_TOTAL_Base = SF_TOTAL;
            SF_DRAG_Base = SF_DRAG;
            SF_DRIFT_Base = SF_DRIFT;
        }
        COR_FAC_BB += signed_root(SFX_BB / SFX_BB_Base);
        COR_FAC_RR += signed_root(SFX_RR / SFX_RR_Base);
        COR_FAC_WD += signed_root(SFX_WD / SFX_WD_Base);
        COR_FAC_BR += signed_root(SFX_BR / SFX_BR_Base);
        COR_FAC_WB += signed_root(SFX_WB / SFX_WB_Base);
        COR_FAC_WR += signed_root(SFX_WR / SFX_WR_Base);
        if (SF_TOTAL_Base > 0.0f) COR_FAC_TOT += signed_root(SF_TOTAL / SF_TOTAL_Base);
        if (SF_DRAG_Base > 0.0f) COR_FAC_DRG += signed_root(SF_DRAG / SF_DRAG_Base);
        if (SF_DRIFT_Base > 0.0f) COR_FAC_WDF += signed_root(SF_DRIFT / SF_DRIFT_Base);
    }

    // 14. Slowly-varying result.
    if (FRSTIM) {
        WAV_XSPEC_SEMI.fill(0.0f);
        WAV_XSPEC_SEMI_CUM.fill(0.0f);
        WDFT_XSPEC_SEMI.fill(0.0f);
        WDFT_XSPEC_SEMI_CUM.fill(0.0f);
    }
    if (SF_TOTAL_CUM == 0.0f) {
        FOUTD = 0.0f;
        FOUTR = 0.0f;
        return;
    }
    const Real SPECALIGN_WAVSUBS_NB = SUBS_DIM_NB * SUMSPC_SUBS_NB / AVGWLL;
    const Real SPECALIGN_WAVSURF_NB = SURF_DIM_NB * SUMSPC_SURF_NB / AVGWLL;
    const Real SPECPERP_WAVSURF_NB =
        perpendicular ? SURF_DIM_NB * TANTHETACW * SUMSPC_SURF_PRP_NB / AVGWLL : 0.0f;
    const Real align_nb = SPECALIGN_WAVSURF_NB + SPECALIGN_WAVSUBS_NB;
    const Real SPECALIGN_TOT_NB = 2.0f * (align_nb * align_nb) * GVARW / (VARWV * VARWV);
    const Real SPECPERP_TOT_NB = 2.0f * (SPECPERP_WAVSURF_NB * SPECPERP_WAVSURF_NB) * GVARW / (VARWV * VARWV);

    const Real SPECALIGN_TOT = COR_FAC_TOT * COR_FAC_TOT * SF_TOTAL_Base;
    Real SPECALIGN_TOT_GAUS = COR_FAC_DRG * COR_FAC_DRG * SF_DRAG_Base;
    const Real SPECALIGN_TOT_WD = COR_FAC_WDF * COR_FAC_WDF * SF_DRIFT_Base;

    if (std::fabs(SPECALIGN_TOT_NB) > std::fabs(SPECALIGN_TOT_GAUS)) {
        SPECALIGN_TOT_GAUS = SPECALIGN_TOT_NB;
        if (VS_COR < 0.5f && FRSTWRN[IWAVID - 1]) {
            FRSTWRN[IWAVID - 1] = 0;
            const Real height = IWAVID == 1 ? T.SWHT(1) : IWAVID == 2 ? T.SWELHT : T.SWELHT2;
            if (height > 1.0f)
                suspicious(" +=> Possible correlation underflow in DRAGF: Mode " + fmt_I(LCOMP, 1) + "...");
        }
    }

    const Real PARL2 = ANGFACT_PARL_W * ANGFACT_PARL_W;
    FOUTD = T.VWDRGFC * (SPECALIGN_TOT_GAUS + SPECPERP_TOT_NB) * PARL2;
    const Real FOUTR_FIN = (SPECALIGN_TOT - SPECALIGN_TOT_GAUS - SPECALIGN_TOT_WD) * PARL2;
    FOUTR = FOUTR_FIN > 0.0f ? FOUTR_FIN : 0.0f;

    // Cross spectra of the six contributions along the direction q of the mean load.
    const Real q = RELANG + ANGTMP_W;
    const Real cq = std::cos(q), sq = std::sin(q);
    const Real COS2Q = cq * cq, SIN2Q = sq * sq, COSxSIN = cq * sq;
    const Real C[6] = {DRG_CONST * (COR_FAC_BB * COR_FAC_BB) * SFX_BB_Base,
                       DRG_CONST * (COR_FAC_RR * COR_FAC_RR) * SFX_RR_Base,
                       DFT_CONST * (COR_FAC_WD * COR_FAC_WD) * SFX_WD_Base,
                       DRG_CONST * (COR_FAC_BR * COR_FAC_BR) * SFX_BR_Base,
                       DRG_DFT_CONST * (COR_FAC_WB * COR_FAC_WB) * SFX_WB_Base,
                       DRG_DFT_CONST * (COR_FAC_WR * COR_FAC_WR) * SFX_WR_Base};
    for (Int K = 1; K <= 6; ++K) {
        WAV_XSPEC_SEMI(1, 1, K) = C[K - 1] * COS2Q;
        WAV_XSPEC_SEMI(2, 2, K) = C[K - 1] * SIN2Q;
        WAV_XSPEC_SEMI(1, 2, K) = C[K - 1] * COSxSIN;
        WAV_XSPEC_SEMI(2, 1, K) = C[K - 1] * COSxSIN;
    }
    for (Int I = 1; I <= 2; ++I)
        for (Int J = 1; J <= 2; ++J) WDFT_XSPEC_SEMI(I, J, 3) = WAV_XSPEC_SEMI(I, J, 3);
}

}  // namespace brevant
