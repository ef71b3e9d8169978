// The wave environment record WAVCOM: gravity, the frequency grid and the spectra on it, shared by
// the motion library, the load models and the reports.
#pragma once

#include <cstddef>

#include "sysutl/ftypes.h"

namespace brevant {

// 656 words, in the order the program lays them out; zero at program start.
struct WavCom {
    // Each comment starts with the member's word in the record (1-based). Lengths in ft or m by the
    // case's units, periods in s, circular frequencies in rad/s.
    Real WV1Q;      // 1 spare word: no routine reads or writes it
    Real WV12W;     // 2 spare word: no routine reads or writes it
    Real WV3Q;      // 3 spare word: no routine reads or writes it
    Real G;         // 4 gravitational acceleration: 32.152 ft/s^2 (English units) or 9.8 m/s^2
    Real WV4Q;      // 5 spare word: no routine reads or writes it
    Real WL;        // 6 spare word: no routine reads or writes it
    Real WS;        // 7 meaning known to no routine: a word of the analysis core that nothing here uses
    Int NW;         // 8 NWP - 1, intervals of the frequency grid
    Real DW;        // 9 0: the grid is the period list, not an even frequency step
    Real TL;        // 10 last period T(NWP), s
    Real TS;        // 11 first period T(1), s
    Real DT;        // 12 period step T(2) - T(1), s
    Real DA;        // 13 spreading angle step of a spread sea, radians
    Real DADEG;     // 14 the same step, degrees
    Int NAP;        // 15 spare word: no routine reads or writes it
    Int NA2;        // 16 NA / 2 truncated, the middle spreading angle less one
    Int NRAO;       // 17 number of relative wave headings in RAOANG, at most 498
    Int ISWLHG;     // 18 spare word: no routine reads or writes it
    Logical LEXP;   // 19 true: the irregular sea is spread; false: long-crested
    Int IRAO;       // 20 index in RAOANG of the relative heading in hand
    Int ISWELL;     // 21 index in RAOANG of the swell heading, 0 when none
    Logical LWVCMP; // 22 false after motion phase 1; set by the response statistics
    Int NSPEC;      // 23 wave spectrum type, a copy of WAVTYP
    Real SWH;       // 24 significant height of the wind sea, ft or m
    Real TPK;       // 25 peak period of the wind sea, s
    Real UW;        // 26 spare word: no routine reads or writes it
    Int NSPRD;      // 27 spare word: no routine reads or writes it
    Real DELSWL;    // 28 swell spectral width, a copy of SWLWID
    Int NSWEL;      // 29 grid index nearest the swell peak period
    Real RHOAIR;    // 30 air mass density: 0.0024356 slug/ft^3 or 0.128 kgf s^2/m^4
    Real SWHSWL;    // 31 significant height of the swell from its spectrum, ft or m
    Real SWHSWL2;   // 32 significant height of the second swell, ft or m
    FArray<Real, 100> WVK;      // 33-132 finite-depth wave number of each grid frequency, 1/ft or 1/m
    FArray<Real, 100> SWLPSD;   // 133-232 swell spectrum on the grid, ft^2 or m^2 per rad/s
    FArray<Real, 100> SWLPSD2;  // 233-332 second-swell spectrum on the grid, ft^2 or m^2 per rad/s
    FArray<Real, 100> W;        // 333-432 grid circular frequencies 2 pi / T(i), descending, rad/s
    FArray<Real, 100> W2;       // 433-532 W(i) squared, (rad/s)^2
    FArray<Real, 100> WPSD;     // 533-632 wind-sea spectrum on the grid, ft^2 or m^2 per rad/s
    Real ANGNRM;    // 633 normaliser of the spreading weights of a spread sea (cosine-power weights)
    Int BIGWVS;     // 634 relative-heading index of the bigger waves: 1, or ISWELL for a higher swell
    Real RANCOF;    // 635 0.001 DWATR, water weight density in kips/ft^3 or t/m^3 (also named DWATRP)
    Real BEAMCF;    // 636 beam-on drift-force factor RANCOF x LWL, kips/ft^2 or t/m^2
    Real BOWCF;     // 637 bow-on drift-force factor RANCOF x BWL, kips/ft^2 or t/m^2
    Real WV1;       // 638 spare word: no routine reads or writes it
    Real RHOWTR;    // 639 water mass density 0.001 DWATR / G, kip s^2/ft^4 or t s^2/m^4
    Real TAVG;      // 640 mean wave period of the run, s
    Real XTRMWV;    // 641 extreme regular-wave amplitude, ft or m
    Real DURFAC;    // 642 extreme-value factor of the storm duration, dimensionless
    Real BEAMQ;     // 643 waterline beam, a copy of BWL, ft or m
    Real DRAFTQ;    // 644 draft, a copy of DRAFT, ft or m
    Real SHPLNQ;    // 645 waterline length, a copy of LWL, ft or m
    Real GAUSFK;    // 646 2.828 DURFAC, dimensionless
    Real WPK;       // 647 wind-sea peak circular frequency, rad/s
    Real WKPK;      // 648 wind-sea peak wave number, 1/ft or 1/m
    Real WSWLPK;    // 649 swell peak circular frequency, rad/s
    Real WKSWLPK;   // 650 swell peak wave number, 1/ft or 1/m
    Int ISWEL2;     // 651 index in RAOANG of the second-swell heading, 0 when none
    Real WSWLPK2;   // 652 second-swell peak circular frequency, rad/s
    Real WKSWLPK2;  // 653 second-swell peak wave number, 1/ft or 1/m
    Real DELSWL2;   // 654 second-swell spectral width; no routine writes it
    Int NSWEL2;     // 655 second-swell peak grid index; no routine writes it
    Int LAST;       // 656 end marker of the record; no routine writes it

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
