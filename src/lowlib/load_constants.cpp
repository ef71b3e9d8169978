// Wind and current load factors and the effective current speed.
#include "lowlib/load_constants.h"

#include <algorithm>
#include <cmath>

#include "records/data_image.h"
#include "records/sines_record.h"
#include "records/wave_record.h"

namespace brevant {

void COFLD() {
    const Real FCONST = load_fconst(TPCM.NUNTS);
    SINES.CURCOF = 0.0f;
    SINES.WNDCOF = 0.0f;
    if (TPCM.LWIND == 1) SINES.WNDCOF = TPCM.WNDFAC * WAVCOM.RHOAIR * FCONST * TPCM.WNDSPD * TPCM.WNDSPD;
    if (TPCM.LCURNT == 1) {
        const Real K = AVGCUR(TPCM.DEPTH, TPCM.DRAFT, TPCM.LCSTCR, CURPROF.VELIPF, CURPROF.DPTHIPF, TPCM.CURSPD,
                              CURPROF.NCURNTPF);
        SINES.CURCOF = TPCM.DWATR / WAVCOM.G * TPCM.CURFAC * FCONST * K * K;
    }
}

Real AVGCUR(Real DEPTH, Real DRAFT, Int LCSTCR, const ProfileArray& VELI, const ProfileArray& DPTHI, Real CURSPD,
            Int NCURNT) {
    // With no depth to average over, the mean is the surface speed.
    if (!(DRAFT > 0.0f)) return CURSPD;

    if (LCSTCR == 0) {
        constexpr Real NINE_SEVENTHS = 1.2857143f;
        const Real TAU = DRAFT / DEPTH;
        // Below the sea floor there is no current: a draft at or beyond the depth holds the base at 0.
        const Real base = std::max(1.0f - TAU, 0.0f);
        return CURSPD * std::sqrt((1.0f - std::pow(base, NINE_SEVENTHS)) / (TAU * NINE_SEVENTHS));
    }
    if (LCSTCR == 1) return CURSPD;

    const Int n = std::min<Int>(NCURNT, kMaxProfilePoints);
    if (n <= 0) return CURSPD;

    Real TMPVAR = 0.0f;
    Real VELT = CURSPD;  // the speed at the bottom of the last counted layer
    bool reached = false;
    for (Int I = 1; I <= n; ++I) {
        const Real TPDPTH = I == 1 ? 0.0f : DPTHI(I - 1);
        const Real TOPVEL = I == 1 ? CURSPD : VELI(I - 1);
        const Real DELZ = DPTHI(I) - TPDPTH;
        if (DELZ <= 0.0f) continue;
        const Real DELV = VELI(I) - TOPVEL;
        const Real ALPHI = DELV / DELZ;
        Real DELZP;
        if (DPTHI(I) < DRAFT) {
            DELZP = DELZ;
            VELT = VELI(I);
        } else {
            DELZP = DRAFT - TPDPTH;
            VELT = TOPVEL + DELZP * DELV / DELZ;
            reached = true;
        }
        if (ALPHI != 0.0f) {
            TMPVAR = TMPVAR + (VELT * VELT * VELT - TOPVEL * TOPVEL * TOPVEL) / (3.0f * ALPHI);
        } else {
            TMPVAR = TMPVAR + (VELT * VELT + VELT * TOPVEL + TOPVEL * TOPVEL) * DELZP / 3.0f;
        }
        if (reached) break;
    }
    if (!reached) TMPVAR = TMPVAR + (DRAFT - DPTHI(n)) * VELT * VELT;
    return std::sqrt(TMPVAR / DRAFT);
}

}  // namespace brevant
