// DSKRAO: each mode of the disc buoy as a single-degree-of-freedom oscillator at the encounter
// frequency, in place of the exciting forces of the latest all-periods pass; with mooring feedback
// the mooring springs and dampings join in and the surge RAO takes the energy-equivalent correction
// of the nonlinear mooring.
#include "vessels/disc/disc_buoy_hull.h"

#include <cmath>

#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "vessels/disc/disc_fits.h"
#include "vessels/disc/disc_line_calls.h"

namespace brevant {

namespace {

// RAO = F S / ((wn^2 - we^2) + i g we).
void to_rao(Complex& F, Real S, Real WN2, Real WE, Real WE2, Real GAM) { F = F * S / Complex(WN2 - WE2, GAM * WE); }

}  // namespace

void DSKRAO() {
    Himem& H = HIMEM;
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    const Real G = V.G;
    const Real RHO = V.RHOWTR;
    // Any non-zero MORFBK brings the mooring springs and dampings of the data image in, and the
    // surge correction.
    const bool feedback = P.MORFBK != 0;
    const Real m = feedback ? 1.0f : 0.0f;

    const Real GPSG = G / (1.0f + H.CSG);
    const Real GPSW = G / (1.0f + H.CSW);
    const Real BETA = (H.RAOANG(V.IRAO) - P.VGLDIR) / 57.29578f;
    const Real VSPD = P.VFWD * std::cos(BETA);

    H.IW = 1;
    for (Int n = 1; n <= P.NWP; ++n) {
        INDXUP();
        const Real W = H.RLDUM(H.LW);
        const Real K = H.RLDUM(H.LWK);
        const Real WENC = W - K * VSPD;
        // A wave met at zero encounter frequency: a tiny one keeps the denominators of the modes
        // without restoring finite.
        const Real WE = WENC == 0.0f ? 1.0e-10f : WENC;
        const Real WE2 = WE * WE;
        const Real X = K * H.XSCALE;
        const Real A = H.PCONST * PMASD(X);

        // Heave.
        {
            const Real MH = H.HVM1 + H.HCONST * HMASD(X) + H.SKAMHV;
            const Real WN2 = P.LHVPRD != 0 ? H.WH * H.WH : (H.HC + m * P.HVK / RHO) / MH;
            const Real GAM = P.LHVDMP != 0 ? 0.02f * P.HVDAMP * H.WH
                                           : (H.GAMHEV + m * P.HVMDMP / (RHO * H.WH * H.HVMAS)) * H.WH;
            to_rao(H.CXDUM(H.LHV), H.HC / MH, WN2, WE, WE2, GAM);
        }
        // Pitch.
        {
            const Real IP = H.PTCH1 + A + H.SKAMRL;
            const Real WN2 = P.LPTPRD != 0 ? H.WP * H.WP : (H.PRMT + m * P.PTK / RHO) / IP;
            const Real GAM = P.LPTDMP != 0 ? 0.02f * P.PTDAMP * H.WP
                                           : (H.GAMPIT + m * P.PTMDMP / (RHO * H.WP * H.PTCHI)) * H.WP;
            to_rao(H.CXDUM(H.LPT), K * H.PRMT / IP, WN2, WE, WE2, GAM);
        }
        // Yaw: no wave moment on the axisymmetric buoy.
        H.CXDUM(H.LYA) = Complex(0.0f, 0.0f);
        // Surge, then its correction.
        {
            Real WN2 = 0.0f;
            Real GAM = SDMPD(X) * WE * H.HCONST / H.SGMAS;
            if (feedback) {
                WN2 = P.LSGPRD != 0 ? H.WSG * H.WSG : P.SGK / (RHO * H.SGMAS);
                GAM = P.LSGDMP != 0 ? 0.02f * P.SGMDMP * H.WSG : H.GAMSRG * H.WSG;
            }
            Complex& F = H.CXDUM(H.LSG);
            to_rao(F, K * GPSG, WN2, WE, WE2, GAM);
            if (feedback) {
                const Real DXLIN = V.XTRMWV * std::abs(F);
                // A table that holds no energy (lines that store none, or no table built) reaches
                // the linear energy at no offset: the correction, which never enlarges the
                // amplitude, leaves it as it is. The search would end the run instead.
                const bool table_holds_energy = LINCOM.WFERGF(90) > 0.0f;
                if (DXLIN > 0.0f && table_holds_energy) {
                    // With a specified surge period the word SGK holds that period: the linear
                    // spring is the one of the period. The energy table has equal offset steps,
                    // of which only the first offset word is written, so the offsets are counted
                    // in steps whatever LSPM says.
                    const Real SPRING = P.LSGPRD != 0 ? RHO * H.SGMAS * H.WSG * H.WSG : P.SGK;
                    Real DXNLIN = 0.0f;
                    Int MIN = 0;
                    disc_line_calls().nlncor(LINCOM.WFERGF.data(), 0.0f, LINCOM.WVOFST.data(), DXLIN, DXNLIN,
                                             SPRING, 0.0f, 0.0f, 90, MIN, 0, P.EDUNIT);
                    if (std::fabs(DXNLIN) > std::fabs(DXLIN)) DXNLIN = DXLIN;
                    F = F * (DXNLIN / DXLIN);
                }
            }
        }
        // Sway, with the surge mass of the axisymmetric buoy.
        {
            Real WN2 = 0.0f;
            Real GAM = SDMPD(X) * WE * H.HCONST / H.SGMAS;
            if (feedback) {
                WN2 = P.LSWPRD != 0 ? H.WSW * H.WSW : P.SWK / (RHO * H.SGMAS);
                GAM = P.LSWDMP != 0 ? 0.02f * P.SWMDMP * H.WSW : H.GAMSWY * H.WSW;
            }
            to_rao(H.CXDUM(H.LSW), K * GPSW, WN2, WE, WE2, GAM);
        }
        // Roll.
        {
            const Real IR = H.ROL1 + A + H.SKAMRL;
            const Real WN2 = P.LRLPRD != 0 ? H.WR * H.WR : (H.RRMT + m * P.RLK / RHO) / IR;
            const Real GAM = P.LRLDMP != 0 ? 0.02f * P.RLDAMP * H.WR
                                           : (H.GAMROL + m * P.RLMDMP / (RHO * H.WR * H.ROLI)) * H.WR;
            to_rao(H.CXDUM(H.LRL), K * H.RRMT / IR, WN2, WE, WE2, GAM);
        }
        H.IW = H.IW + 1;
    }
}

}  // namespace brevant
