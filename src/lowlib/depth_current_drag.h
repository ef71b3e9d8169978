// The drag kernels of a member in a current that varies with depth: relative wave/hull motion at a
// depth, the Gaussian moment integrals of the linearised drag law, the current along the waves at a
// depth, the drag kernel and its integrals over the draft and the wave amplitude, and the member's
// drift coefficient along the wave energy flux.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "sysutl/ftypes.h"

namespace brevant {

// exp(K Z) + RAOIN sin(K XCOL + PHASEIN): the real part of the relative motion transfer at the
// height Z (negative below the water line) of a hull motion of modulus RAOIN, phase PHASEIN (rad).
Real REL_RAO(Real K, Real Z, Real XCOL, Real RAOIN, Real PHASEIN);
// |H(Z1)|^2 |H(Z2)|^2 as the squared modulus of the cross transfer of the relative motions at two
// heights, H(Z) = e^(K Z) + R (sin P + i cos P), P = PQ + K XCOL; computed as the real and imaginary
// parts of that product.
Real RAOFUN_Z(Real K, Real XCOL, Real Z1, Real Z2, Real R1, Real PQ1, Real R2, Real PQ2);
// RAOFUN_Z with both motions RAOIN, PHASEIN.
Real RAOFUN(Real K, Real XCOL, Real Z1, Real Z2, Real RAOIN, Real PHASEIN);

// The parts of the relative motion at one height Z and wave number K that REL_RAO and RAOFUN_Z
// are made of: E = e^(K Z) and the phase P = PQ + K XCOL with its sine and cosine. A caller that
// needs them at many pairs of heights takes them once per height; REL_RAO and RAOFUN_Z are these
// functions of them.
struct LevelMotion {
    Real E = 0.0f, P = 0.0f, SINP = 0.0f, COSP = 0.0f;
};
LevelMotion level_motion(Real K, Real XCOL, Real Z, Real PQ);
// REL_RAO of the parts: RAOIN sin P + E.
Real rel_rao_of(const LevelMotion& M, Real RAOIN);
// RAOFUN_Z of the parts of two heights, with the motions' moduli R1, R2.
Real raofun_of(const LevelMotion& M1, Real R1, const LevelMotion& M2, Real R2);

// Gaussian moments of the linearised drag of X = x + M, x standard normal (c = sqrt(2 pi)):
//   I0 = integral (X|X| - M|M|) e^(-x^2/2) dx,  I2 = the same with the weight x^2,
//   I1 = integral 2|X| e^(-x^2/2) dx,            IP0 = I0 - c erf(M / sqrt 2).
// Above |M| 8 the limit forms c sign(M) (I0), 3 c sign(M) (I2), 2 |M| c (I1), 0 (IP0).
// NXP: Simpson nodes of the error function (odd, >= 3).
void ISUB_N_GET(Real& I0, Real& I1, Real& I2, Real& IP0, Real M, Int NXP);

// The levels of a member's draft at which its drag takes the current: NDEPTHQ heights z, DZ =
// DRAFT / (NDEPTHQ - 1) apart, from the water line (level 1) down to the keel; the current is taken
// at the depth -z. The drag over the draft (SUB_SURF_DRAG_Z and its amplitude integrals) steps down
// a level at a time (z - DZ); the spectral preparation (G_FRC_PREP) scales, -(i - 1) DZ. The two can
// differ in the last place of a level, so each keeps its own. Both are given NDEPTHQ
// kMemberDragLevels by the member drag, and lower a larger count to kMostDraftLevels.
inline constexpr Int kMemberDragLevels = 11;
inline constexpr Int kMostDraftLevels = 31;
struct DraftLevels {
    Int count = 0;
    Real DZ = 0.0f;
    std::array<Real, kMostDraftLevels> z{};  // z(1..count) in z[0..count-1]
};
// NDEPTHQ 2 .. kMostDraftLevels.
DraftLevels stepped_draft_levels(Real DRAFT, Int NDEPTHQ);
DraftLevels scaled_draft_levels(Real DRAFT, Int NDEPTHQ);

// Where GET_VCX_LOC takes the profile at the depth Z: the interval MIN (1 .. N-1) of its table
// search, in which it interpolates, with the search's range flag IER (BSRCH); MIN 0 where it takes
// no interval of the table (no point or one, or Z above the first point). DPTHIPF: the NCURNTPF
// depths of the profile.
struct ProfileLookUp {
    Int MIN = 0;
    Int IER = 0;
};
ProfileLookUp profile_look_up(Real Z, const Real* DPTHIPF, Int NCURNTPF);
// The first interval of no width (its lower index: two equal depths) in which GET_VCX_LOC would
// interpolate at one of the depths Z, dividing by their difference of 0; 0 when there is none.
Int profile_interval_of_no_width(const Real* DPTHIPF, Int NCURNTPF, const std::vector<Real>& Z);

// The current component along the wave heading WAVHDG (degrees) at the depth Z (positive down):
// speed cos((heading - WAVHDG) / 57.295776), speed in knots. At or below the first profile depth
// speed and heading are interpolated in the profile (NCURNTPF points, depths ascending),
// extrapolated below the last point, where a negative speed becomes 0; above it they run linearly
// from the surface values CURSPD, CURHDG at depth 0.
Real GET_VCX_LOC(Real Z, Real CURSPD, Real CURHDG, Real WAVHDG, const Real* DPTHIPF, const Real* VELIPF,
                 const Real* CURHDGPF, Int NCURNTPF);

// One look-up of the members' drag: the depth Z where it takes the current along the wave heading
// WAVHDG (degrees), in its length unit per second, and whether it takes that current whole (WHOLE:
// the drag over the draft divides by it, the spectral preparation scales its surface zone by it) or
// deeper down, where its drag law tends to a limit as the current grows without bound and needs only
// a number.
struct DragLookUp {
    Real Z = 0.0f;
    Real WAVHDG = 0.0f;
    bool WHOLE = true;
};
// The first look-up of LOOK_UPS at which the current KNOTS GET_VCX_LOC (KNOTS the run's length unit
// per second in a knot) is no number it can take: not finite where it takes it whole, NaN elsewhere.
// None: NONE true; else the interval MIN of its look-up in the profile (MIN 0: above the first point,
// on the line from the surface values, or a profile of one point).
struct ProfileCurrentFault {
    bool NONE = true;
    Int MIN = 0;
};
ProfileCurrentFault profile_current_beyond_range(const Real* DPTHIPF, const Real* VELIPF, const Real* CURHDGPF,
                                                 Int NCURNTPF, Real CURSPD, Real CURHDG, Real KNOTS,
                                                 const std::vector<DragLookUp>& LOOK_UPS);

// Cycle mean of (1 + a cos t)|1 + a cos t| - 1, a = AA: a^2/2 while |a| <= 1.
Real FCF_SUB_EXACT(Real AA);
// |R e^(i PHI1) + ... |: sqrt(|R^2 + 2 e^Q R sin PHI1 + e^(2Q)|).
Real F_SUB_Z(Real R, Real PHI1, Real Q);

// The drag over the draft of a member for the wave amplitude ratio X (Simpson over NDEPTHQ levels
// from the water line to the keel, DRAFT of the data image):
//   DZ/3 sum w FCF_SUB_EXACT(X F_SUB_Z SIG0WV WPK_NB / V) V |V|
// with V the current along the waves at the level (CURPROF, in the run's length unit per second,
// 0 at a level contributes 0), the member motion HOR_WAV_RAO + (DRAFT + z - EFF_ROT_CTR)
// ANG_WAV_RAO with its phase shifted by PHSHFT_W (rad), WAVK the wave number and WAVHDG_LOC the
// wave heading (deg). NDEPTHQ (in-out, >= 2): lowered to 31 when larger.
Real SUB_SURF_DRAG_Z(Real X, Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR,
                     Real WAVHDG_LOC, Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ);
// Its Rayleigh mean and variance integrals over the amplitude x = (i-1) 5.5/NXP, Simpson on NXP
// nodes: D/3 sum w e^(-x^2/2) x s(x), and the same with the extra weight (x^2/2 - 1).
Real FCF_SUB_Z(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Int NXP, Real WAVHDG_LOC,
               Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ);
Real GISUB_Z(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Int NXP, Real WAVHDG_LOC,
             Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ);

// The member's drift coefficient at the grid frequency W(IW) along the wave energy flux:
//   DRFTC_TOT       out  coefficient x current enhancement 1 + 2 Ux/cg + U^2/cg^2 x factor
//   FLUXANG_TO_WVK  out  angle of the flux to the wave direction, rad (0 without current); left
//                        as it was when no wave of this frequency runs against the current
//                        (DRFTC_TOT 0 then)
//   DOUSER          nonzero: coefficient from the user drift table USERDAT (13 characters),
//                   otherwise the vertical-cylinder drift at the members' mean waterline radius
//                   times the relative motion of wave system IWAVID and 2 sqrt(k/g) cg
//   COSTHETACW, SINTHETACW  direction of the current relative to the waves
//   RELANG          wave direction relative to the vessel, rad (the flux angle without current)
//   CLDBY           caller's name, not read
// The reuse of CYLDFT results inside DFC_ALIGN: a call whose inputs (scaled frequency, radius,
// draft, depth) equal, bit for bit, those of an earlier call that reported nothing takes that
// call's result. CYLDFT depends on nothing else (its Hankel values are set afresh at order 0 of
// every call), so the reuse changes no digit. On by default; the switch is for tests that compare
// runs with and without it. The count is of the calls answered from the kept results.
// The same switch keeps, in DRAGF_SEMI, the member preparation of the mean-force pass for the
// spectral pass; its reuses are counted with the others.
void set_member_drift_reuse(bool on);
bool member_drift_reuse_on();
unsigned long long member_drift_reuse_count();
void count_member_drift_reuse();

void DFC_ALIGN(Real& DRFTC_TOT, Real& FLUXANG_TO_WVK, Int IW, Int DOUSER, std::string_view USERDAT,
               Real COSTHETACW, Real SINTHETACW, Real RELANG, std::string_view CLDBY, Int IWAVID);

}  // namespace brevant
