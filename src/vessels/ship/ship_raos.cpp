// SHPRAO: the ship's six motion RAOs of the current heading, written over the exciting forces that
// the all-periods force pass left in the pool, at the encounter frequency of the moving ship.
#include <cmath>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "vessels/ship/ship_fits.h"
#include "vessels/ship/ship_hull.h"

namespace brevant {

// Heave, pitch and roll: RAO = S F wn^2 / ((wn^2 - we^2) + i c we), S = 1 for heave and k for the
// rotations, wn^2 the restoring term over the inertia at the encounter frequency we (or the square of
// the specified natural frequency), c the damping per unit inertia (0.02 p wn for p percent of
// critical). Surge and sway: RAO = g k F / (-we^2 (1 + C) + i SDMP we^2 C); yaw k (PRMT / YAWI) F over
// the sway denominator.
void SHPRAO() {
    Himem& H = HIMEM;
    const Tpcm& P = TPCM;
    const Real G = WAVCOM.G;

    const Real CSGP = 1.0f + H.CSG;
    const Real CSWP = 1.0f + H.CSW;
    const Real YAWFAC = H.PRMT / H.YAWI;
    const Real WH2 = H.WH * H.WH;
    const Real WP2 = H.WP * H.WP;
    const Real WR2 = H.WR * H.WR;
    const Real VCOMP = P.VFWD * std::cos((H.RAOANG(WAVCOM.IRAO) - P.VGLDIR) / 57.29578f);

    for (H.IW = 1; H.IW <= P.NWP; H.IW = H.IW + 1) {
        INDXUP();
        const Real W = H.RLDUM(H.LW);
        const Real WK = H.RLDUM(H.LWK);
        const Real WENC = W - WK * VCOMP;
        const Real WENC2 = WENC * WENC;
        const Real XX = WK * H.XSCALE;
        const Real XY = WK * H.YSCALE;

        Real A33 = 0.0f;
        Real A55 = 0.0f;
        Real B33 = 0.0f;
        Real B55 = 0.0f;
        DPMAS0(A33, A55, B33, B55, WENC, XX, H.HCONST, H.HMAS0, H.HMSRAT, H.PCONST, H.PMAS0, H.PMSRAT);
        if (P.VFWD != 0.0f) DAMMAS(A33, A55, B33, B55, WENC2, VCOMP);
        const Real RMS = H.RMAS0 * RMAS(XY, H.RMSRAT);

        // Heave.
        {
            const Real HEF = H.HVM1 + A33;
            const Real WH02 = P.LHVPRD != 0 ? WH2 : H.HC / HEF;
            const Real GAMH = P.LHVDMP != 0 ? 0.02f * P.HVDAMP * H.WH : B33 / HEF;
            Complex& F = H.CXDUM(H.LHV);
            F = F * WH02 / Complex(WH02 - WENC2, GAMH * WENC);
        }
        // Pitch.
        {
            const Real AIEF = H.PTCH1 + A55;
            const Real GAMP = P.LPTDMP != 0 ? 0.02f * P.PTDAMP * H.WP : B55 / AIEF;
            const Real WP02 = P.LPTPRD != 0 ? WP2 : H.PRMT / AIEF;
            Complex& F = H.CXDUM(H.LPT);
            F = WK * WP02 * F / Complex(WP02 - WENC2, GAMP * WENC);
        }
        // Surge, sway and yaw have no restoring term: a wave met at zero encounter frequency would
        // leave them no denominator, so a tiny one stands in for its square there.
        const Real WE2 = WENC2 == 0.0f ? 1.0e-10f : WENC2;
        {
            const Complex D(-WE2 * CSGP, SDMP(XX) * WE2 * H.CSG);
            Complex& F = H.CXDUM(H.LSG);
            F = G * WK * F / D;
        }
        const Complex DSW(-WE2 * CSWP, SDMP(XX) * WE2 * H.CSW);
        {
            Complex& F = H.CXDUM(H.LSW);
            F = G * WK * F / DSW;
        }
        {
            Complex& F = H.CXDUM(H.LYA);
            F = WK * YAWFAC * F / DSW;
        }
        // Roll, with the heading's equivalent linear damping of the force pass.
        {
            const Real AIEF = H.ROL1 + RMS;
            const Real WR02 = P.LRLPRD != 0 ? WR2 : H.RRMT / AIEF;
            const Real GAMR = P.LRLDMP != 0 ? 0.02f * P.RLDAMP * H.WR : H.GAMRLI * H.WR;
            Complex& F = H.CXDUM(H.LRL);
            F = WK * WR02 * F / Complex(WR02 - WENC2, GAMR * WENC);
        }
    }
}

}  // namespace brevant
