// The mean wave-drift coefficient of one force component at one grid frequency, for the drift
// type of that component, corrected for a uniform current (Doppler shift, wave-action flux
// direction, group-speed enhancement) and for finite depth.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// What DRFTC keeps for a series (one run of calls started with FRSTIM true): the first call's
// current components, flux direction and component factors, and the last call's per-frequency
// values. Readers other than DRFTC (the drag models, the tests) may look, never write.
struct DrftcKept {
    Logical MODFLX;   // flux direction corrected behind the hull (user table with current, or type 6)
    Real FRQSCL;      // frequency scale of the type's factor, rad/s
    Real WKVAL;       // reference wave number 0.67139286 / DRAFT of the 2001 tanker's reflection
    Real RELHALF;     // reflection factor at WKVAL
    Real WDCNST;      // sqrt(DEPTH / G), s
    Real SINREL, COSREL;    // of RELANG
    Real RELHDG;            // direction the waves travel towards, RELANG + pi
    Real SRWVHD, CRWVHD;    // of RELHDG
    Real TMPCSP;            // current speed, m/s or ft/s
    Real TMPHDG;            // current direction relative to the vessel, radians
    Real COSCURVES, SINCURVES;
    Real CURCMP;            // current along the wave direction
    Real CRXCMP1, CRYCMP1;  // local current behind the hull (after the region-2 choice)
    Real CRXCMP2, CRYCMP2;  // current components along and across the vessel
    Real XCURNTDNQ, XCURNTUPQ;
    Real CRXCMPDN, CRYCMPDN;  // local current on the down-wave side
    Real CRXCMPUP, CRYCMPUP;  // and on the up-wave side
    Real SINFLX1, COSFLX1, FLXANG1;  // flux direction after the region-2 correction, radians
    Real SINFLX2, COSFLX2, FLXANG2;  // flux direction before it
    Real SMNGFC;   // component factor: -cos (surge) or -sin (sway) of the flux direction, 0 for yaw
    Real SINCUB;   // sin^3 of the flux direction (sway)
    Real FYENDK;   // sway end factor of the tanker models
    Real FYBFAC;   // sway body factor of the tanker models
    Real CUBFC2;   // yaw body factor of the 2001 tanker
    Real ANGFCQ;   // heading factor of the series
    // The last call's values.
    Real KCOMOV;   // wave number in the current, 1/length
    Real WCOMOV;   // intrinsic frequency w - CURCMP KCOMOV, rad/s
    Real WTMP;     // frequency the type's factor is read at
    Real GRPSPQ;   // group speed
    Real CRNHNC;   // current enhancement 1 + 2 CURCMP / GRPSPQ (+ TMPCSP^2 / GRPSPQ^2)
    Real SWATFC;   // finite-depth factor 2 sqrt(KCOMOV / G) GRPSPQ
    Real REGN2FAC;
};
extern DrftcKept DRFTC_KEPT;
// Test hook: every kept value zero.
void reset_drftc();

// The dimensionless mean drift coefficient of component LCOMP (1 surge, 2 sway, 3 yaw) at the grid
// frequency W(IW) of WAVCOM for the wave direction RELANG (radians, relative to the vessel):
//   DOUSER    nonzero: from the user table USERDAT (13 characters) through DRFTCB
//   DRFTYP    drift type otherwise: 2 legacy tanker, 3 legacy semi, 4 buoy, 5 spar, 6 2001 tanker,
//             7 semi/TLP; any other type is warned about (abort question) and gives 0
//   FRSTIM    in-out: true starts a series (current, flux direction and component factors are set
//             up from this call's frequency); the first call that gets through clears it. A
//             frequency at which no wave travels against the current returns 0 and leaves it.
//   CLDBY     the caller's name (6 characters); it never changes the result
//   IWAVID    wave system (1 sea, 2 swell, 3 second swell): column of PASCOM.RLRAOH2 (types 5, 7)
// Result: the type's coefficient times the heading factor, the current enhancement and the
// finite-depth factor; no density, gravity or amplitude. LCOMP outside 1..3 on a first call ends
// the run with a message.
Real DRFTC(Int LCOMP, Int IW, Int DOUSER, Int DRFTYP, std::string_view USERDAT, Real RELANG, Logical& FRSTIM,
           std::string_view CLDBY, Int IWAVID);

// A fresh series of DRFTC over the grid, as the drift force and the ship's drag take it: C[IW - 1]
// is DRFTC(LCOMP, IW, ...) for IW = 1 .. NWP, the first call starting the series (FRSTIM true).
// Inside a row series (lowlib/row_series_reuse.h) a series whose inputs, bit for bit, and whose
// starting state (DRFTC_KEPT and the solver records it writes) are those of a series already run
// in the same scope, and which talked to nobody, is not run again: its coefficients and the state
// it left are taken from that run. Never with a user table (it may read its file and talk).
void drift_coefficient_series(Int LCOMP, Int DOUSER, Int DRFTYP, std::string_view USERDAT, Real RELANG,
                              std::string_view CLDBY, Int IWAVID, Int NWP, Real* C);

// The squared relative motion PASCOM.RLRAOH2 of wave system IWAVID at the wave number WAVK,
// interpolated over the grid's wave numbers and held at the end values outside them (the
// relative-motion factor of the cylinder drift models).
Real relative_motion(Real WAVK, Int IWAVID);

}  // namespace brevant
