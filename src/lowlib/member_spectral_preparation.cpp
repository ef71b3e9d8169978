// G_FRC_PREP: spectra of the relative velocity over the depth of one member, and the drag and
// drift terms the member drag routine sums.
#include "lowlib/member_spectral_preparation.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "lowlib/current_profile.h"
#include "lowlib/depth_current_drag.h"
#include "lowlib/error_functions.h"
#include "lowlib/group_variance.h"
#include "lowlib/member_drag_functions.h"
#include "numeric/algebra.h"
#include "numeric/grid_integrals.h"
#include "records/data_image.h"
#include "records/wave_record.h"

namespace brevant {

namespace {

constexpr Int kFrequencies = 100;
constexpr Int kMostLevels = 31;
constexpr Real SQRT2PI = 2.5066283f;
constexpr Real SQRT2 = 1.4142135f;
constexpr Real PI = 3.1415927f;

using FrequencyTable = FArray<Real, kFrequencies>;
using LevelTable = FArray<Real, kMostLevels>;
using FrequencyLevelTable = FArray<Real, kFrequencies, kMostLevels>;

// The integral over frequency of a spectrum on the grid.
Real grid_integral(const FrequencyTable& S) {
    Real VAR = 0.0f, VARDOT = 0.0f;
    SMPINT(S.data(), VAR, VARDOT);
    return VAR;
}

// The Gaussian moments of one level; all 0 at a level without relative-velocity variance (no
// fluctuating drag there).
struct Moments {
    Real I0 = 0.0f, I1 = 0.0f, I2 = 0.0f, IP0 = 0.0f;
};

}  // namespace

void G_FRC_PREP(Real& WC, Real& FSURF, Real& FSUB, Real& FWDRFT_PAR, Real& FWDRFT_PRP, Real& FLXANG_AVG,
                Real& SFX_RR, Real& SFX_BB, Real& SFX_WD, Real& SFX_BR, Real& SFX_WB, Real& SFX_WR, Real& VS_COR,
                Logical LVARST, const Real* PSD, Real SIG0WV, Real /*VCXQ*/, Real XCOL, Real EFF_ROT_CTR,
                const Complex* H_RAO, const Complex* A_RAO, Int NXP, Int DOUSER, Int /*DRFTYP*/,
                std::string_view USERDAT, Real RELANG, Logical /*FRSTIM*/, std::string_view CLDBY, Real COSTHETACW,
                Real SINTHETACW, Real WAVHDG_LOC, Int IWAVID, Int& NDEPTHQ) {
    // 1. Set-up.
    const Real KNOTS_TO_LOCAL = TPCM.NUNTS == 1 ? 0.5142f : 1.687f;
    if (NDEPTHQ > kMostLevels) NDEPTHQ = kMostLevels;
    assert(NDEPTHQ >= 2);
    const Int NLEV = std::clamp<Int>(NDEPTHQ, 2, kMostLevels);
    const Int NWP = std::clamp<Int>(TPCM.NWP, 1, kFrequencies);
    const Real DRAFT = TPCM.DRAFT;
    const Real DZ = DRAFT / static_cast<Real>(NLEV - 1);
    auto S = [&](Int IW) { return PSD[IW - 1]; };
    auto z = [&](Int i) { return -(static_cast<Real>(i - 1) * DZ); };
    auto w = [&](Int i) { return simpson_node_weight(i, NLEV); };

    // The member's motion at each level and frequency: modulus and phase (rad) of R(z).
    FrequencyLevelTable RMOD{}, RPHS{};
    for (Int IW = 1; IW <= NWP; ++IW) {
        for (Int i = 1; i <= NLEV; ++i) {
            const Complex R = H_RAO[IW - 1] + Complex(DRAFT + z(i) - EFF_ROT_CTR, 0.0f) * A_RAO[IW - 1];
            RMOD(IW, i) = std::abs(R);
            RPHS(IW, i) = PHASE(R) / 57.29578f;
        }
    }

    // 2. Spectra of the relative velocity per level, and the current along the waves.
    FrequencyTable CROSSCORSPEC{}, TMPSPEC0{};
    FrequencyLevelTable RELVSPEC{};
    LevelTable VCX{}, SIGV{}, SIGV2{}, ISUBSPEC{};
    for (Int IW = 1; IW <= NWP; ++IW) {
        const Real OMEGA = WAVCOM.W(IW);
        const Real OMEGA2 = WAVCOM.W2(IW);
        const Real K = WAVCOM.WVK(IW);
        const Real KX = K * XCOL;
        CROSSCORSPEC(IW) = OMEGA * S(IW) * (1.0f + RMOD(IW, 1) * std::sin(RPHS(IW, 1) + KX));
        TMPSPEC0(IW) = CROSSCORSPEC(IW);
        for (Int i = 1; i <= NLEV; ++i) {
            const Real EKZ = std::exp(K * z(i));
            const Real RM = RMOD(IW, i);
            RELVSPEC(IW, i) = OMEGA2 * S(IW) * (EKZ * EKZ + 2.0f * EKZ * RM * std::sin(RPHS(IW, i) + KX) + RM * RM);
        }
    }
    for (Int i = 1; i <= NLEV; ++i) {
        VCX(i) = KNOTS_TO_LOCAL * GET_VCX_LOC(-z(i), TPCM.CURSPD, TPCM.CURHDG, WAVHDG_LOC, CURPROF.DPTHIPF.data(),
                                              CURPROF.VELIPF.data(), CURPROF.CURHDGPF.data(), CURPROF.NCURNTPF);
    }

    // 3. Per level: variance, mean-to-RMS ratio, drag increase.
    Real MSURF = 0.0f;
    for (Int i = 1; i <= NLEV; ++i) {
        FrequencyTable column{};
        for (Int IW = 1; IW <= NWP; ++IW) column(IW) = RELVSPEC(IW, i);
        SIGV2(i) = grid_integral(column);
        SIGV(i) = std::sqrt(std::max(SIGV2(i), 0.0f));
        if (!(SIGV(i) > 0.0f)) {
            // ISUB stays bounded while SIGV2 goes to 0.
            ISUBSPEC(i) = 0.0f;
            continue;
        }
        const Real M = VCX(i) / SIGV(i);
        if (i == 1) MSURF = M;
        Real ISUB = 0.0f;
        if (std::fabs(M) > 8.0f)
            ISUB = std::copysign(SQRT2PI, M);
        else
            ISUB = 2.0f * M * std::exp(-M * M / 2.0f) + SQRT2PI * (1.0f + M * M) * RH_ERF(M / SQRT2, NXP) -
                   SQRT2PI * M * std::fabs(M);
        ISUBSPEC(i) = ISUB * SIGV2(i);
    }

    // 4. Surface zone.
    const Real VAR_CCS = grid_integral(CROSSCORSPEC);
    const Real CORDEN = SIGV(1) * SIG0WV;
    VS_COR = CORDEN != 0.0f ? VAR_CCS / CORDEN : 0.0f;
    const Real m = MSURF / SQRT2;
    const Real GAM_TMP = 2.0f * std::exp(-m * m) + m * SQRT2PI * SQRT2 * RH_ERF(m, NXP);
    FSURF = CORDEN != 0.0f ? 2.0f * SIGV2(1) * SIG0WV * VS_COR * GAM_TMP / SQRT2PI : 0.0f;

    // 5. Submerged part: Simpson over the levels, over sqrt(2 pi).
    Real SUMSUB = 0.0f;
    for (Int i = 1; i <= NLEV; ++i) SUMSUB = SUMSUB + w(i) * ISUBSPEC(i);
    FSUB = DZ * SUMSUB / 7.519885f;

    // 6. Mean wave drift along the flux of each frequency.
    auto drift_along_flux = [&](Int IW, Real& TMP_DFC, Real& FLXANG) {
        TMP_DFC = 0.0f;
        FLXANG = 0.0f;
        DFC_ALIGN(TMP_DFC, FLXANG, IW, DOUSER, USERDAT, COSTHETACW, SINTHETACW, RELANG, CLDBY, IWAVID);
    };
    FrequencyTable DFC_SPEC_PAR{}, DFC_SPEC_PRP{};
    for (Int IW = 1; IW <= NWP; ++IW) {
        Real TMP_DFC = 0.0f, FLXANG = 0.0f;
        drift_along_flux(IW, TMP_DFC, FLXANG);
        if (TMP_DFC == 0.0f) continue;
        DFC_SPEC_PAR(IW) = S(IW) * TMP_DFC * std::cos(FLXANG);
        DFC_SPEC_PRP(IW) = S(IW) * TMP_DFC * std::sin(FLXANG);
    }
    FWDRFT_PAR = grid_integral(DFC_SPEC_PAR);
    FWDRFT_PRP = grid_integral(DFC_SPEC_PRP);
    FLXANG_AVG = std::atan2(FWDRFT_PRP, FWDRFT_PAR);

    if (LVARST == 0) return;

    const Real* W = WAVCOM.W.data();
    auto group = [&](const FrequencyTable& P) {
        Real GVAR = 0.0f, GVARDOT = 0.0f, VGPSD2 = 0.0f, VDGPSD2 = 0.0f;
        GET_GVAR(WC, W, NWP, P.data(), GVAR, GVARDOT, VGPSD2, VDGPSD2);
        return GVAR;
    };
    auto cross_group = [&](const FrequencyTable& P1, const FrequencyTable& P2) {
        Real GVAR = 0.0f, GVARDOT = 0.0f;
        GET_GVAR2(WC, W, NWP, P1.data(), P2.data(), GVAR, GVARDOT);
        return GVAR;
    };
    FArray<Moments, kMostLevels> MOM{};
    for (Int i = 1; i <= NLEV; ++i) {
        if (!(SIGV(i) > 0.0f)) continue;
        Moments& mo = MOM(i);
        ISUB_N_GET(mo.I0, mo.I1, mo.I2, mo.IP0, VCX(i) / SIGV(i), NXP);
    }

    // 7. Surface and drift group terms.
    FrequencyTable DFC_GSPEC2_PAR{};
    for (Int IW = 1; IW <= NWP; ++IW) {
        Real TMP_DFC = 0.0f, FLXANG = 0.0f;
        drift_along_flux(IW, TMP_DFC, FLXANG);
        if (TMP_DFC == 0.0f) continue;
        DFC_GSPEC2_PAR(IW) = S(IW) * TMP_DFC * std::cos(FLXANG);
    }
    const Real GVARW0 = group(TMPSPEC0);
    const Real I1_1 = MOM(1).I1;
    SFX_RR = SIGV2(1) * I1_1 * I1_1 * GVARW0 / PI;
    SFX_WD = group(DFC_GSPEC2_PAR);
    SFX_WR = 2.0f * SIGV(1) * I1_1 * cross_group(DFC_GSPEC2_PAR, TMPSPEC0) / SQRT2PI;

    // 8. Submerged drag with itself: the pairs j <= i, mirrored.
    FArray<Real, kMostLevels, kMostLevels> IFUN{};
    for (Int i = 1; i <= NLEV; ++i) {
        for (Int j = 1; j <= i; ++j) {
            const Moments& a = MOM(i);
            const Moments& b = MOM(j);
            if (!(SIGV(i) > 0.0f) || !(SIGV(j) > 0.0f)) continue;
            FrequencyTable TMPSPEC2{};
            for (Int IW = 1; IW <= NWP; ++IW) {
                const Real SW2 = S(IW) * WAVCOM.W2(IW);
                TMPSPEC2(IW) = std::sqrt(SW2 * SW2 *
                                         RAOFUN_Z(WAVCOM.WVK(IW), XCOL, z(i), z(j), RMOD(IW, i), RPHS(IW, i),
                                                  RMOD(IW, j), RPHS(IW, j)));
            }
            const Real GVARW = group(TMPSPEC2);
            IFUN(i, j) = (0.5f * (a.I2 * b.I2 - 5.0f * a.I0 * b.I0) + a.IP0 * b.I0 + b.IP0 * a.I0) * GVARW;
            IFUN(j, i) = IFUN(i, j);
        }
    }
    Real SUMBB = 0.0f;
    for (Int i = 1; i <= NLEV; ++i)
        for (Int j = 1; j <= NLEV; ++j) SUMBB = SUMBB + w(i) * w(j) * IFUN(i, j);
    SFX_BB = DZ * DZ * SUMBB / 56.548668f;

    // 9. Cross terms of the submerged drag with the surface drag and with the drift.
    Real GSUM1 = 0.0f, GSUM2 = 0.0f;
    const Real I1_1_SURF = MOM(1).I1;
    for (Int i = 1; i <= NLEV; ++i) {
        const Real ISUBFAC = MOM(i).I2 - MOM(i).I0;
        FrequencyTable SNV_ARR{}, SVV_ARR{}, SPV_ARR{};
        for (Int IW = 1; IW <= NWP; ++IW) {
            const Real K = WAVCOM.WVK(IW);
            const Real OMEGA = WAVCOM.W(IW);
            const Real RELRAO_SURF = REL_RAO(K, 0.0f, XCOL, RMOD(IW, 1), RPHS(IW, 1));
            const Real RELRAO_SUB = REL_RAO(K, z(i), XCOL, RMOD(IW, i), RPHS(IW, i));
            SNV_ARR(IW) = OMEGA * S(IW) * RELRAO_SUB;
            SVV_ARR(IW) = WAVCOM.W2(IW) * S(IW) * RELRAO_SURF * RELRAO_SUB;
            Real TMP_DFC = 0.0f, FLXANG = 0.0f;
            drift_along_flux(IW, TMP_DFC, FLXANG);
            if (TMP_DFC != 0.0f)
                SPV_ARR(IW) = OMEGA * S(IW) * std::sqrt(std::fabs(TMP_DFC * std::cos(FLXANG))) * RELRAO_SUB;
        }
        GSUM1 = GSUM1 + w(i) * ISUBFAC * cross_group(SNV_ARR, SVV_ARR);
        GSUM2 = GSUM2 + w(i) * ISUBFAC * cross_group(SPV_ARR, SPV_ARR);
    }
    SFX_BR = SIGV(1) * GSUM1 * I1_1_SURF * DZ / 18.849556f;
    SFX_WB = GSUM2 * DZ / 7.519885f;
}

}  // namespace brevant
