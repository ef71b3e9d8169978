// A one-element line on a frictionless sea floor with its statics table made from the classic elastic
// catenary: L 1000, w 0.8, a1 2e-6, anchor 200 below the water level, fairlead at the draft, so the
// fairlead stands DELTAZ 200 above the anchor. Table points at H 80, 100, 120: ANCDST the oracle's
// span and TOPANG its fairlead angle at that height.
#pragma once

#include <cmath>
#include <vector>

#include "classic_catenary.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/units.h"

namespace brevant::testing {

inline constexpr float kLineL = 1000.0f;
inline constexpr float kLineW = 0.8f;
inline constexpr float kLineA1 = 2e-6f;

inline std::vector<ClassicElement> fixture_line() {
    return {{static_cast<double>(kLineL), static_cast<double>(kLineW), 1.0 / static_cast<double>(kLineA1)}};
}

// The fairlead vertical force V at which the line of horizontal tension H stands Z above its anchor
// (on the floor), by bisection: the height grows with V.
inline double classic_V_at(double H, double Z, const std::vector<ClassicElement>& line) {
    double lo = 1e-9, hi = 0.0;
    for (const ClassicElement& e : line) hi += std::fabs(e.w) * e.L;
    hi *= 2.0;
    for (int it = 0; it < 200; ++it) {
        const double mid = 0.5 * (lo + hi);
        if (classic_line(H, mid, line, true).z < Z)
            lo = mid;
        else
            hi = mid;
    }
    return 0.5 * (lo + hi);
}

struct OracleState {
    double H, V, x, T, botln;
};
inline OracleState oracle_at(double H, double Z) {
    const std::vector<ClassicElement> line = fixture_line();
    const double V = classic_V_at(H, Z, line);
    const ClassicShape s = classic_line(H, V, line, true);
    return {H, V, s.x, std::sqrt(H * H + V * V), s.botln};
}

// Line type ITYP in the data image and its statics table in layer LAYER, tabulated at height Z.
inline void put_fixture_line(Int ITYP, Int LAYER = 1, double Z = 200.0) {
    TPCM.NELEM(ITYP) = 1;
    TPCM.SLEN(1, ITYP) = kLineL;
    TPCM.WETWT(1, ITYP) = kLineW;
    TPCM.ALPHA(1, 1, ITYP) = kLineA1;
    TPCM.ANCTYP(ITYP) = 1;
    TPCM.ANCHGT(ITYP) = 200.0f;
    TPCM.LINTYP(1, ITYP) = 1;
    TPCM.RFLD(3, 1) = 12.0f;
    TPCM.DRAFT = 12.0f;
    TPCM.NTAB = 3;
    const double H[3] = {80.0, 100.0, 120.0};
    for (Int i = 1; i <= 3; ++i) {
        const OracleState s = oracle_at(H[i - 1], Z);
        LINCOM.HLOD(i) = static_cast<Real>(H[i - 1]);
        LINCOM.ANCDST(i, LAYER, ITYP) = static_cast<Real>(s.x);
        LINCOM.TOPANG(i, LAYER, ITYP) = static_cast<Real>(std::atan(s.V / s.H));
    }
}

}  // namespace brevant::testing
