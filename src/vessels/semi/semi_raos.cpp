// SEMRAO: the six motion RAOs of the member-built hull for the current heading, written over the
// normalised wave forces that SEMFRC left in the pool.
#include <cmath>
#include <complex>

#include "records/data_image.h"
#include "records/member_table.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "vessels/semi/member_built_hull.h"

namespace brevant {

namespace {

constexpr Real TINY = 1.0e-10f;

// The resonance denominator q + i d, with a zero q taken as 1.0e-10 as the force routine does.
Complex resonance(Real WN2, Real WENC2, Real damping) {
    Real q = WN2 - WENC2;
    if (q == 0.0f) q = TINY;
    return Complex(q, damping);
}

}  // namespace

// Heave, roll and pitch: damped single-degree oscillators, F wn^2 / (wn^2 - we^2 + i gamma we wn)
// (times k for the rotations), the damping term everywhere except in the full square-law option,
// where the drag of the converged motion is in the forces and only a user damping is added. Surge,
// sway and yaw have no restoring term and respond by inertia. TLP-type data and user periods rescale
// heave, roll and pitch by the hydrostatic over the particulars' restoring term.
void SEMRAO() {
    Himem& H = HIMEM;
    const Tpcm& P = TPCM;
    const Simcom& S = SIMCOM;
    const Real G = WAVCOM.G;

    const bool NEEDSCALE = P.SIMTYP == 14 || P.SIMTYP == 17;
    const Real PFCTLP = P.LPTPRD == 1 || NEEDSCALE ? G * std::fabs(H.GML) * H.DELTA / H.PRMT : 1.0f;
    const Real RFCTLP = P.LRLPRD == 1 || NEEDSCALE ? G * std::fabs(H.GMT) * H.DELTA / H.RRMT : 1.0f;
    const Real HFCTLP = (P.LHVPRD == 1 || NEEDSCALE) && P.AWP > 0.0f ? G * P.AWP / H.HC : 1.0f;
    const Real GPSG = G / (1.0f + H.CSG);
    const Real GPSW = G / (1.0f + H.CSW);
    const Real YAWFAC = G * H.GML * H.DELTA / H.YAWI;
    const Real WH2 = H.WH * H.WH;
    const Real WP2 = H.WP * H.WP;
    const Real WR2 = H.WR * H.WR;
    const Real W2SCAL = G / std::pow(H.DELTA, 0.33333334f);
    const Real VCOMP = P.VFWD * std::cos((H.REDANG()(WAVCOM.IRAO) - P.VGLDIR) / 57.2957764f);
    const bool all_damped = P.SQLFRC != 1;

    for (H.IW = 1; H.IW <= P.NWP; H.IW = H.IW + 1) {
        INDXUP();
        const Real SLPFAC = H.RLDUM(H.LWK);
        const Real W = H.RLDUM(H.LW);
        const Real WENC = W - SLPFAC * VCOMP;
        const Real WENC2 = WENC * WENC;
        // A wave met at zero encounter frequency (following seas at the wave speed) leaves the
        // inertia terms no divisor; a tiny one keeps the result finite.
        const Real WE2 = WENC2 == 0.0f ? TINY : WENC2;

        Complex& HV = H.CXDUM(H.LHV);
        if (H.WH > 0.0f) {
            const Real QI = all_damped || P.LHVDMP == 1 ? S.GAMHV * WENC * H.WH : 0.0f;
            HV = HV * WH2 / resonance(WH2, WENC2, QI);
        } else {
            HV = -HV * W2SCAL / WE2;
        }
        Complex& SG = H.CXDUM(H.LSG);
        SG = -GPSG * SLPFAC * SG / WE2;
        Complex& SW = H.CXDUM(H.LSW);
        SW = -GPSW * SLPFAC * SW / WE2;
        // Pitch and roll, per unit wave slope.
        const auto rotation = [&](Complex& X, Real WN, Real WN2, Int LDMP, Real GAM) {
            if (WN > 0.0f) {
                const Real QI = all_damped || LDMP == 1 ? GAM * WENC * WN : 0.0f;
                X = SLPFAC * WN2 * X / resonance(WN2, WENC2, QI);
            } else {
                X = -X * SLPFAC * W2SCAL / WE2;
            }
        };
        Complex& PT = H.CXDUM(H.LPT);
        rotation(PT, H.WP, WP2, P.LPTDMP, S.GAMPT);
        Complex& RL = H.CXDUM(H.LRL);
        rotation(RL, H.WR, WR2, P.LRLDMP, S.GAMRL);
        Complex& YA = H.CXDUM(H.LYA);
        YA = -YAWFAC * SLPFAC * YA / WE2;
        HV *= HFCTLP;
        RL *= RFCTLP;
        PT *= PFCTLP;
    }
}

}  // namespace brevant
