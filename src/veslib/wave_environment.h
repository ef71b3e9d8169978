// The wave environment record WAVCOM (gravity, the frequency grid and the spectra on it) with the
// grid rules its writers share, and the spectral integrals over that grid (SMPINT, GRPSPC).
#pragma once

#include <cstddef>

#include "sysutl/ftypes.h"

namespace brevant {

// 656 words, in the order the program lays them out; zero at program start.
struct WavCom {
    Real WV1Q, WV12W, WV3Q;
    Real G;  // 32.152 (English units) or 9.8
    Real WV4Q, WL;
    Real WS;
    Int NW;    // NWP - 1
    Real DW;   // 0: the grid is the period list, not an even frequency step
    Real TL;   // last period T(NWP)
    Real TS;   // first period T(1)
    Real DT;   // T(2) - T(1)
    Real DA;   // spreading angle step, radians
    Real DADEG;
    Int NAP;
    Int NA2;
    Int NRAO;
    Int ISWLHG;
    Logical LEXP;
    Int IRAO;
    Int ISWELL;
    Logical LWVCMP;
    Int NSPEC;
    Real SWH;
    Real TPK;
    Real UW;
    Int NSPRD;
    Real DELSWL;
    Int NSWEL;
    Real RHOAIR;
    Real SWHSWL;
    Real SWHSWL2;
    FArray<Real, 100> WVK;
    FArray<Real, 100> SWLPSD;
    FArray<Real, 100> SWLPSD2;
    FArray<Real, 100> W;   // 2 pi / T(i), descending
    FArray<Real, 100> W2;  // W(i) squared
    FArray<Real, 100> WPSD;
    Real ANGNRM;
    Int BIGWVS;
    Real RANCOF;  // also named DWATRP
    Real BEAMCF, BOWCF;
    Real WV1;
    Real RHOWTR;
    Real TAVG;
    Real XTRMWV;
    Real DURFAC;
    Real BEAMQ, DRAFTQ, SHPLNQ;
    Real GAUSFK;
    Real WPK, WKPK;
    Real WSWLPK, WKSWLPK;
    Int ISWEL2;
    Real WSWLPK2, WKSWLPK2;
    Real DELSWL2;
    Int NSWEL2;
    Int LAST;

    Real& DWATRP() { return RANCOF; }
    const Real& DWATRP() const { return RANCOF; }
};

static_assert(sizeof(WavCom) == 4 * 656);
static_assert(offsetof(WavCom, G) == 4 * 3);
static_assert(offsetof(WavCom, NW) == 4 * 7);
static_assert(offsetof(WavCom, WVK) == 4 * 32);
static_assert(offsetof(WavCom, W) == 4 * 332);
static_assert(offsetof(WavCom, WPSD) == 4 * 532);
static_assert(offsetof(WavCom, ANGNRM) == 4 * 632);
static_assert(offsetof(WavCom, LAST) == 4 * 655);

extern WavCom WAVCOM;

// Puts WAVCOM back to all zero (tests start from a fresh record).
void reset_wavcom();

// The grid rules every writer of the grid shares: from the period list T(1..NWP) (T points at
// T(1)) and the unit system NUNTS (0 English), sets G, NW, DW, TS, TL, DT, W and W2.
void set_wave_grid(const Real* T, Int NWP, Int NUNTS);

// The grid index nearest to the swell peak period SWELPD: integer part of (SWELPD - TS) / DT + 1.5.
Int swell_peak_index(Real SWELPD);

// Zeroth and second moments over circular frequency of the spectrum PSDEN (one value per grid
// point, PSDEN points at element 1) by Simpson's rule on the period grid.
void SMPINT(const Real* PSDEN, Real& VAR, Real& VARDOT);

// The spectrum of the wave-group envelope at the difference frequency WFREQ (rad/s) from the wave
// spectrum PSDQ on the grid: 8 times the integral of S(w + WFREQ/2) S(|w - WFREQ/2|) over the grid.
void GRPSPC(const Real* PSDQ, Real& GRPPSD, Real WFREQ);

}  // namespace brevant
