// The wave environment record WAVCOM: gravity, the frequency grid and the spectra on it, shared by
// the motion library, the load models and the reports.
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

}  // namespace brevant
