// The viscous wave drag load on the hull (wave absorption) of one force component and wave system:
// the mean drag, or the slowly-varying drag and drift-drag interaction densities at one difference
// frequency. Ship-like hulls and the disc use a relative-motion drag model on the whole hull,
// member-built hulls the drag of their surface-piercing members.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Drag of component LCOMP (1 surge force, 2 sway force, 3 yaw moment) for the wave system IWAVID
// (1 sea, 2 swell, 3 second swell) at the relative wave angle RELANG (radians), spectrum PSD on the
// grid of WAVCOM:
//   LVARST 0   FOUTD the mean drag load (dimensional), FOUTR the mean drift load (ship-like hulls;
//              a member-built hull leaves FOUTR as it was unless it has no load at all)
//   otherwise  at the difference frequency WC: FOUTD the drag load spectral density, FOUTR the
//              drift-drag interaction density (never negative)
// A member-built hull (SEMI_LIKE) goes to DRAGF_SEMI with cross-spectral tables of this call only,
// cleared first; none of them is handed back. Any other hull goes to DRAGF_SHIP.
// A negative WC in slowly-varying mode is replaced by its magnitude (with a notice). An IWAVID
// other than 1..3 ends the run. LEGDRG is the caller's to honour.
void DRAGF(Int LVARST, Int LCOMP, Real RELANG, const Real* PSD, Real& WC, Real& FOUTD, Real& FOUTR, Int IWAVID);

// The relative-motion drag model of a hull not built of members: the drag velocity spectrum is the
// wave spectrum weighted by the hull's drag transfer (PASCOM RLRAO2, FDRGLAT, MDRGLAT) to the power
// 0.66667, the drag coefficient the current coefficient at the wave angle (model 7, the cylinder,
// for every hull but the displacement hull; only its sign for the disc). Arguments as DRAGF;
// FOUTD and FOUTR are written on every path that returns. A spectrum with no mean drag and no mean
// drift gives 0, 0 in both modes without the group integral.
void DRAGF_SHIP(Int LVARST, Int LCOMP, Real RELANG, const Real* PSD, Real& WC, Real& FOUTD, Real& FOUTR, Int IWAVID);

// Cross-spectral matrices (I, J, K): I, J 1 x and 2 y in vessel axes, K the contribution 1 BB,
// 2 RR, 3 WD, 4 BR, 5 WB, 6 WR.
using CrossSpectra = FArray<Real, 2, 2, 6>;

// The member-built hull: arguments 1-8 as DRAGF (LVARST non-zero is the slowly-varying mode);
//   WAV_XSPEC_SEMI       out  the six contributions' cross spectra (slowly-varying mode only)
//   WDFT_XSPEC_SEMI      out  its drift slice K = 3 only
//   *_CUM                     only cleared here
//   FRSTIM               true: all four tables are cleared before anything is stored
// Mean mode: FOUTD the mean drag, FOUTR untouched (0 when no member carries load). Yaw has no
// drag here. A spectrum that is zero everywhere gives FOUTD = FOUTR = 0 before any table is read.
// Warnings: the separation of the pitch and roll rotation centres on every call that meets it;
// the correlation underflow once per wave system and run.
void DRAGF_SEMI(Int LVARST, Int LCOMP, Real RELANG, const Real* PSD, Real& WC, Real& FOUTD, Real& FOUTR, Int IWAVID,
                CrossSpectra& WAV_XSPEC_SEMI, CrossSpectra& WAV_XSPEC_SEMI_CUM, CrossSpectra& WDFT_XSPEC_SEMI,
                CrossSpectra& WDFT_XSPEC_SEMI_CUM, Logical FRSTIM);

// Test hook: the three kept correlation-warning flags set again, as at program start.
void reset_dragf_semi();

}  // namespace brevant
