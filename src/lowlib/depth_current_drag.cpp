// Drag kernels of a member in a depth-varying current, and its drift coefficient along the flux.
#include "lowlib/depth_current_drag.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <bit>
#include <cmath>
#include <cstdint>

#include "lowlib/current_profile.h"
#include "lowlib/cylinder_drift.h"
#include "lowlib/drift_coefficients.h"
#include "lowlib/error_functions.h"
#include "lowlib/member_drag_functions.h"
#include "lowlib/user_drift_table.h"
#include "lowlib/waves_in_current.h"
#include "numeric/algebra.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "records/response_record.h"
#include "records/wave_record.h"

namespace brevant {

namespace {

constexpr Int KBD = 5;

// Knots to the run's length unit per second.
Real knots_to_local() { return TPCM.NUNTS == 1 ? 0.5142f : 1.687f; }

}  // namespace

LevelMotion level_motion(Real K, Real XCOL, Real Z, Real PQ) {
    LevelMotion m;
    m.E = std::exp(K * Z);
    m.P = PQ + K * XCOL;
    m.SINP = std::sin(m.P);
    m.COSP = std::cos(m.P);
    return m;
}

Real rel_rao_of(const LevelMotion& M, Real RAOIN) { return RAOIN * M.SINP + M.E; }

Real raofun_of(const LevelMotion& M1, Real R1, const LevelMotion& M2, Real R2) {
    const Real E1 = M1.E;
    const Real E2 = M2.E;
    const Real P1 = M1.P;
    const Real P2 = M2.P;
    const Real TMPR = E1 * E2 + E1 * R2 * M2.SINP + E2 * R1 * M1.SINP + R1 * R2 * std::cos(P1 - P2);
    const Real TMPI = R1 * R2 * std::sin(P1 - P2) + E1 * R2 * M2.COSP - E2 * R1 * M1.COSP;
    return TMPR * TMPR + TMPI * TMPI;
}

Real REL_RAO(Real K, Real Z, Real XCOL, Real RAOIN, Real PHASEIN) {
    return rel_rao_of(level_motion(K, XCOL, Z, PHASEIN), RAOIN);
}

Real RAOFUN_Z(Real K, Real XCOL, Real Z1, Real Z2, Real R1, Real PQ1, Real R2, Real PQ2) {
    return raofun_of(level_motion(K, XCOL, Z1, PQ1), R1, level_motion(K, XCOL, Z2, PQ2), R2);
}

Real RAOFUN(Real K, Real XCOL, Real Z1, Real Z2, Real RAOIN, Real PHASEIN) {
    const Real E1 = std::exp(K * Z1);
    const Real E2 = std::exp(K * Z2);
    const Real P = K * XCOL + PHASEIN;
    const Real TMPR = E1 * E2 + (E1 + E2) * RAOIN * std::sin(P) + RAOIN * RAOIN;
    const Real TMPI = (E1 - E2) * RAOIN * std::cos(P);
    return TMPR * TMPR + TMPI * TMPI;
}

void ISUB_N_GET(Real& I0, Real& I1, Real& I2, Real& IP0, Real M, Int NXP) {
    constexpr Real C = 2.5066283f;
    if (std::fabs(M) > 8.0f) {
        const Real CS = std::copysign(C, M);
        IP0 = 0.0f;
        I0 = CS;
        I2 = 3.0f * CS;
        I1 = 2.0f * M * CS;
        return;
    }
    const Real Y = M / 1.4142135f;
    const Real T = C * RH_ERF(Y, NXP);
    const Real T2 = 2.0f * std::exp(-(Y * Y));
    IP0 = M * (M * T + T2 - C * std::fabs(M));
    I0 = IP0 + T;
    I2 = 3.0f * T + IP0;
    I1 = 2.0f * T2 + 2.0f * M * T;
}

DraftLevels stepped_draft_levels(Real DRAFT, Int NDEPTHQ) {
    assert(NDEPTHQ >= 2 && NDEPTHQ <= kMostDraftLevels);
    DraftLevels L;
    L.count = NDEPTHQ;
    L.DZ = DRAFT / static_cast<Real>(NDEPTHQ - 1);
    Real Z = 0.0f;
    for (Int N = 1; N <= NDEPTHQ; ++N) {
        L.z[static_cast<std::size_t>(N - 1)] = Z;
        Z = Z - L.DZ;
    }
    return L;
}

DraftLevels scaled_draft_levels(Real DRAFT, Int NDEPTHQ) {
    assert(NDEPTHQ >= 2 && NDEPTHQ <= kMostDraftLevels);
    DraftLevels L;
    L.count = NDEPTHQ;
    L.DZ = DRAFT / static_cast<Real>(NDEPTHQ - 1);
    for (Int i = 1; i <= NDEPTHQ; ++i) L.z[static_cast<std::size_t>(i - 1)] = -(static_cast<Real>(i - 1) * L.DZ);
    return L;
}

ProfileLookUp profile_look_up(Real Z, const Real* DPTHIPF, Int NCURNTPF) {
    const Int N = std::min<Int>(NCURNTPF, kMaxProfilePoints);
    ProfileLookUp at;
    if (N < 2 || !(Z >= DPTHIPF[0])) return at;
    at.MIN = 1;
    BSRCH(DPTHIPF, Z, at.IER, at.MIN, N);
    return at;
}

Int profile_interval_of_no_width(const Real* DPTHIPF, Int NCURNTPF, const std::vector<Real>& Z) {
    for (const Real depth : Z) {
        const ProfileLookUp at = profile_look_up(depth, DPTHIPF, NCURNTPF);
        if (at.MIN != 0 && DPTHIPF[at.MIN - 1] == DPTHIPF[at.MIN]) return at.MIN;
    }
    return 0;
}

Real GET_VCX_LOC(Real Z, Real CURSPD, Real CURHDG, Real WAVHDG, const Real* DPTHIPF, const Real* VELIPF,
                 const Real* CURHDGPF, Int NCURNTPF) {
    const Int N = std::min<Int>(NCURNTPF, kMaxProfilePoints);
    Real SPEED = CURSPD;
    Real HDG = CURHDG;
    if (N <= 0) {
        // No profile point: the surface values hold at every depth.
    } else if (Z >= DPTHIPF[0]) {
        const ProfileLookUp at = profile_look_up(Z, DPTHIPF, N);
        if (at.MIN == 0) {
            // One point: nothing to interpolate between, its values hold below it.
            SPEED = VELIPF[0];
            HDG = CURHDGPF[0];
        } else {
            INTERP(DPTHIPF, VELIPF, Z, SPEED, at.MIN);
            INTERP(DPTHIPF, CURHDGPF, Z, HDG, at.MIN);
            if (at.IER == 2 && SPEED < 0.0f) SPEED = 0.0f;
        }
    } else if (DPTHIPF[0] != 0.0f) {
        SPEED = CURSPD + (VELIPF[0] - CURSPD) * Z / DPTHIPF[0];
        HDG = CURHDG + (CURHDGPF[0] - CURHDG) * Z / DPTHIPF[0];
    }
    return SPEED * std::cos((HDG - WAVHDG) / 57.295776f);
}

ProfileCurrentFault profile_current_beyond_range(const Real* DPTHIPF, const Real* VELIPF, const Real* CURHDGPF,
                                                 Int NCURNTPF, Real CURSPD, Real CURHDG, Real KNOTS,
                                                 const std::vector<DragLookUp>& LOOK_UPS) {
    for (const DragLookUp& at : LOOK_UPS) {
        const Real V =
            KNOTS * GET_VCX_LOC(at.Z, CURSPD, CURHDG, at.WAVHDG, DPTHIPF, VELIPF, CURHDGPF, NCURNTPF);
        if (at.WHOLE ? std::isfinite(V) : !std::isnan(V)) continue;
        ProfileCurrentFault found;
        found.NONE = false;
        found.MIN = profile_look_up(at.Z, DPTHIPF, NCURNTPF).MIN;
        return found;
    }
    return {};
}

// The cycle mean is even in a (t -> t + pi), so the magnitude decides the regime: a current
// against the waves gives a negative ratio and still reverses the flow once |a| > 1.
Real FCF_SUB_EXACT(Real AA) {
    const Real A = std::fabs(AA);
    if (A <= 1.0f) return 0.5f * A * A;
    const Real R = std::sqrt(A * A - 1.0f);
    return ((3.0f * R + std::asin(1.0f / A)) + (1.0f + A * A) * std::atan(1.0f / R)) / 3.1415927f - 1.0f;
}

Real F_SUB_Z(Real R, Real PHI1, Real Q) {
    return std::sqrt(std::fabs(R * R + 2.0f * std::exp(Q) * R * std::sin(PHI1) + std::exp(2.0f * Q)));
}

namespace {

// What SUB_SURF_DRAG_Z computes at each level before the amplitude ratio comes in: the relative
// motion's magnitude F_SUB_Z and the current V along the waves. The amplitude integrals evaluate the
// drag at many ratios with the same levels and take them once.
struct LevelTerms {
    Int NDEPTHQ = 2;
    Real DZ = 0.0f;
    std::array<Real, kMostDraftLevels> F{}, V{};
};

LevelTerms draft_levels(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Real WAVHDG_LOC,
                        Real WAVK, Int& NDEPTHQ) {
    if (NDEPTHQ > kMostDraftLevels) NDEPTHQ = kMostDraftLevels;
    assert(NDEPTHQ >= 2);
    LevelTerms L;
    L.NDEPTHQ = NDEPTHQ;
    const Real DRAFT = TPCM.DRAFT;
    const DraftLevels levels = stepped_draft_levels(DRAFT, NDEPTHQ);
    L.DZ = levels.DZ;
    const Real KNOTS = knots_to_local();
    for (Int N = 1; N <= L.NDEPTHQ; ++N) {
        const std::size_t n = static_cast<std::size_t>(N - 1);
        const Real Z = levels.z[n];
        const Real LEN = DRAFT + Z - EFF_ROT_CTR;
        const Complex C = HOR_WAV_RAO + Complex(LEN, 0.0f) * ANG_WAV_RAO;
        const Real R = std::abs(C);
        const Real PHI = PHASE(C) / 57.2957764f + PHSHFT_W;
        const Real Q = WAVK * Z;
        L.V[n] = KNOTS * GET_VCX_LOC(-Z, TPCM.CURSPD, TPCM.CURHDG, WAVHDG_LOC, CURPROF.DPTHIPF.data(),
                                     CURPROF.VELIPF.data(), CURPROF.CURHDGPF.data(), CURPROF.NCURNTPF);
        if (L.V[n] != 0.0f) L.F[n] = F_SUB_Z(R, PHI, Q);
    }
    return L;
}

// The Simpson sum over the levels at the amplitude ratio X.
Real drag_over_draft(const LevelTerms& L, Real X, Real SIG0WV, Real WPK_NB) {
    Real SUM = 0.0f;
    for (Int N = 1; N <= L.NDEPTHQ; ++N) {
        const std::size_t n = static_cast<std::size_t>(N - 1);
        const Real V = L.V[n];
        Real VALUE = 0.0f;
        if (V != 0.0f) {
            const Real C = X * L.F[n] * SIG0WV * WPK_NB;
            const Real ALPHA = C / V;
            if (std::isfinite(ALPHA * ALPHA)) {
                VALUE = FCF_SUB_EXACT(ALPHA) * V * std::fabs(V);
            } else {
                // A current so slight against the wave motion that the ratio's square leaves
                // single precision: the cycle mean there is 4 |ALPHA| / pi - 1 to its last place,
                // and the drag its limit 4 |C| V / pi - V |V|, which tends to 0 with the current.
                VALUE = 1.2732395f * std::fabs(C) * V - V * std::fabs(V);
            }
        }
        SUM = SUM + simpson_node_weight(N, L.NDEPTHQ) * VALUE;
    }
    return L.DZ / 3.0f * SUM;
}

}  // namespace

Real SUB_SURF_DRAG_Z(Real X, Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR,
                     Real WAVHDG_LOC, Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ) {
    const LevelTerms L = draft_levels(HOR_WAV_RAO, ANG_WAV_RAO, PHSHFT_W, EFF_ROT_CTR, WAVHDG_LOC, WAVK, NDEPTHQ);
    return drag_over_draft(L, X, SIG0WV, WPK_NB);
}

namespace {

// D/3 sum over x = (i-1) D, D = 5.5/NXP, of w e^(-x^2/2) x WEIGHT(x) SUB_SURF_DRAG_Z(x); the levels
// of SUB_SURF_DRAG_Z do not depend on x and are taken once.
template <typename Weight>
Real amplitude_sum(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Int NXP,
                   Real WAVHDG_LOC, Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ, const Weight& WEIGHT) {
    assert(NXP >= 3 && NXP % 2 == 1);
    const Real D = 5.5f / static_cast<Real>(NXP);
    const LevelTerms L = draft_levels(HOR_WAV_RAO, ANG_WAV_RAO, PHSHFT_W, EFF_ROT_CTR, WAVHDG_LOC, WAVK, NDEPTHQ);
    Real SUM = 0.0f;
    for (Int I = 1; I <= NXP; ++I) {
        const Real X = static_cast<Real>(I - 1) * D;
        const Real S = drag_over_draft(L, X, SIG0WV, WPK_NB);
        SUM = SUM + simpson_node_weight(I, NXP) * (std::exp(-0.5f * X * X) * X * WEIGHT(X) * S);
    }
    return D / 3.0f * SUM;
}

}  // namespace

Real FCF_SUB_Z(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Int NXP, Real WAVHDG_LOC,
               Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ) {
    return amplitude_sum(HOR_WAV_RAO, ANG_WAV_RAO, PHSHFT_W, EFF_ROT_CTR, NXP, WAVHDG_LOC, SIG0WV, WPK_NB, WAVK, NDEPTHQ,
                         [](Real) { return 1.0f; });
}

Real GISUB_Z(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Int NXP, Real WAVHDG_LOC,
             Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ) {
    return amplitude_sum(HOR_WAV_RAO, ANG_WAV_RAO, PHSHFT_W, EFF_ROT_CTR, NXP, WAVHDG_LOC, SIG0WV, WPK_NB, WAVK, NDEPTHQ,
                         [](Real X) { return X * X / 2.0f - 1.0f; });
}

namespace {

// Kept CYLDFT results, a few per frequency index (the same index comes back with the headings and
// wave systems of the series in turn).
struct KeptCyldft {
    std::uint32_t key[4] = {};
    Real COEF = 0.0f, WAVK = 0.0f;
    bool used = false;
};
constexpr int kKeptPerFrequency = 8;
struct CyldftKeep {
    bool on = true;
    unsigned long long hits = 0;
    KeptCyldft slot[101][kKeptPerFrequency]{};
    int next[101]{};
};
CyldftKeep& cyldft_keep() {
    static CyldftKeep k;
    return k;
}

Real kept_CYLDFT(Real WSCAL, Real RD, Real ZD, Real DEPTH, Real& WAVK, Int IW, Int NWP, Int IOSCRN, Int IOKBD) {
    CyldftKeep& k = cyldft_keep();
    if (!k.on || IW < 1 || IW > 100) return CYLDFT(WSCAL, RD, ZD, DEPTH, WAVK, IW, NWP, IOSCRN, IOKBD);
    const std::uint32_t key[4] = {std::bit_cast<std::uint32_t>(WSCAL), std::bit_cast<std::uint32_t>(RD),
                                  std::bit_cast<std::uint32_t>(ZD), std::bit_cast<std::uint32_t>(DEPTH)};
    for (const KeptCyldft& s : k.slot[IW]) {
        if (s.used && s.key[0] == key[0] && s.key[1] == key[1] && s.key[2] == key[2] && s.key[3] == key[3]) {
            ++k.hits;
            WAVK = s.WAVK;
            return s.COEF;
        }
    }
    const unsigned long long reports = cyldft_report_count();
    const Real COEF = CYLDFT(WSCAL, RD, ZD, DEPTH, WAVK, IW, NWP, IOSCRN, IOKBD);
    // A call that reported a fault on the console is not kept: a repeat reports it again.
    if (cyldft_report_count() != reports) return COEF;
    KeptCyldft& s = k.slot[IW][k.next[IW]];
    k.next[IW] = (k.next[IW] + 1) % kKeptPerFrequency;
    for (int j = 0; j < 4; ++j) s.key[j] = key[j];
    s.COEF = COEF;
    s.WAVK = WAVK;
    s.used = true;
    return COEF;
}

}  // namespace

void set_member_drift_reuse(bool on) {
    CyldftKeep& k = cyldft_keep();
    k.on = on;
    for (auto& row : k.slot) {
        for (KeptCyldft& s : row) s.used = false;
    }
}

bool member_drift_reuse_on() { return cyldft_keep().on; }

unsigned long long member_drift_reuse_count() { return cyldft_keep().hits; }

void count_member_drift_reuse() { ++cyldft_keep().hits; }

void DFC_ALIGN(Real& DRFTC_TOT, Real& FLUXANG_TO_WVK, Int IW, Int DOUSER, std::string_view USERDAT,
               Real COSTHETACW, Real SINTHETACW, Real RELANG, std::string_view /*CLDBY*/, Int IWAVID) {
    const Real G = WAVCOM.G;
    const Real DEPTH = TPCM.DEPTH;
    const Real WDCNST = std::sqrt(DEPTH / G);
    const Real WIW = WAVCOM.W(IW);
    Real U = 0.0f, UX = 0.0f, UY = 0.0f;
    if (TPCM.LCURNT != 0) {
        U = TPCM.CURSPD * knots_to_local();
        UX = COSTHETACW * U;
        UY = SINTHETACW * U;
    }
    Real WAVK = 0.0f;
    Real WENC = 0.0f;
    Real CG = 0.0f;
    Real CRNHNC = 1.0f;
    Real FLXANG = 0.0f;
    if (TPCM.LCURNT != 0) {
        if (std::fabs(UX) >= 0.0001f) {
            Real KH = 0.0f;
            WAVCURVEC(WIW * WDCNST, UX / std::sqrt(G * DEPTH), KH);
            WAVK = KH / DEPTH;
            if (!(WAVK > 0.0f)) {
                // No wave of this frequency runs against the current.
                DRFTC_TOT = 0.0f;
                return;
            }
        } else {
            WAVK = WAVCOM.WVK(IW);
        }
        WENC = WIW - UX * WAVK;
        CG = GRPVEL(WAVK, WENC, DEPTH, G);
        CRNHNC = 1.0f + 2.0f * UX / CG + U * U / (CG * CG);
        const Real ROOT = CG * std::sqrt(CRNHNC);
        const Real SINFLX = -UY / ROOT;
        const Real COSFLX = -(UX + CG) / ROOT;
        FLXANG = std::atan2(SINFLX, COSFLX);
        FLUXANG_TO_WVK = FLXANG + 3.1415927f;
    } else {
        WENC = WIW;
        WAVK = WAVCOM.WVK(IW);
        CG = GRPVEL(WAVK, WENC, DEPTH, G);
        FLXANG = RELANG;
        FLUXANG_TO_WVK = 0.0f;
    }
    Real COEF = 0.0f;
    Real FACTOR = 1.0f;
    if (DOUSER != 0) {
        const Real FREQ = TPCM.CURCOR == 0 ? WIW : WENC;
        COEF = DRFTCB(FREQ, 1, FLXANG, TPCM.EDUNIT, KBD, USERDAT);
    } else {
        FACTOR = 2.0f * std::sqrt(WAVK / G) * CG;
        const Real RADIUS = 0.25f * (PASCOM.MENWLX + PASCOM.MENWLY);
        Real KCYL = 0.0f;
        COEF = kept_CYLDFT(WENC * WDCNST, RADIUS, TPCM.DRAFT, DEPTH, KCYL, IW, TPCM.NWP, TPCM.EDUNIT, KBD);
        const Real RAOFAC2 = relative_motion(KCYL, IWAVID);
        COEF = COEF * (TPCM.LEG_CYL_DFC != 0 ? RAOFAC2 : std::sqrt(RAOFAC2));
    }
    DRFTC_TOT = COEF * CRNHNC * FACTOR;
}

}  // namespace brevant
