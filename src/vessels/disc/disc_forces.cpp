// DSKFRC: the floating vertical cylinder's exciting forces from Bessel functions of k R with
// finite-depth attenuation, its fitted added masses and dampings, and the resonance pass that fixes
// the amplitude-dependent dampings at each mode's natural frequency.
#include "vessels/disc/disc_forces.h"

#include <cmath>

#include "numeric/member_added_mass.h"
#include "numeric/special_functions.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/error_exits.h"
#include "sysutl/paging.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "vessels/disc/disc_fits.h"
#include "vessels/disc/disc_trace.h"

namespace brevant {

namespace {

constexpr Real DEGRAD = 57.295776f;
constexpr Real HALFPI = 1.5707964f;
constexpr Real TINY = 1.0e-10f;

Logical ELPCOF_WARNED = 0;

[[noreturn]] void bessel_failure() {
    Tpcm& P = TPCM;
    CLEAR(P.EDUNIT);
    write_record(P.EDUNIT, "");
    write_record(P.EDUNIT, " ++> BESSEL function error. Increase smallest period and retry");
    write_record(P.EDUNIT, "");
    PRSRET(P.EDUNIT, KBD_UNIT, P.LBACK);
    stop_program(1);
}

// One mode's resonant response F S / ((w0^2 - we^2) + i g we).
Complex response(Complex F, Real S, Real W02, Real WENC, Real WENC2, Real GAM) {
    return F * S / Complex(W02 - WENC2, GAM * WENC);
}

}  // namespace

Logical& disc_elpcof_warned() { return ELPCOF_WARNED; }

void reset_disc_warnings() { ELPCOF_WARNED = 0; }

Real bessel2_ratio(Real XP, Real EPS) {
    // Below 1e-3 the series 1 - x^2/12 is exact to float precision, and the recurrence of BESJ
    // would divide by a vanishing argument.
    if (XP < 1.0e-3f) return 1.0f - XP * XP / 12.0f;
    Real BES2P = 0.0f;
    Int IER = 0;
    BESJ(XP, 2, BES2P, EPS, IER);
    return 8.0f * BES2P / (XP * XP);
}

void DSKFRC(Int& NPASS2) {
    Himem& H = HIMEM;
    Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    const Real G = V.G;
    const bool debug = P.NBUG == 1;
    // Any non-zero MORFBK asks for the resonant responses; only 1 adds surge, sway and yaw to the
    // resonance pass (the modes whose springs the moored-period iteration finds).
    const bool feedback = P.MORFBK != 0;
    const bool six_modes = P.MORFBK == 1;

    // 1-2.
    const Real CLIN = 0.1f;
    const Real GPSG = G / (1.0f + H.CSG);
    const Real GPSW = G / (1.0f + H.CSW);

    // 3. Keel factors.
    Real CQUAD = 1.5f;
    Real CHQUAD = 1.0f;
    if (P.LKEEL != 0) {
        const Real EPSFAC = P.DKEEL > 0.0f ? P.RKEEL / P.DKEEL : 0.0f;
        const Real E1 = 1.0f + EPSFAC;
        CQUAD = 1.5f * (E1 * E1 * E1 * E1 * E1);
        CHQUAD = E1 * E1;
    }

    // 4. Report scales.
    H.SCALE(3) = 0.001f * P.DWATR * P.AWP;
    H.SCALE(1) = H.EDRAFT * H.SCALE(3) / DEGRAD;
    H.SCALE(2) = H.SCALE(1);
    H.SCALE(5) = H.SCALE(1) * H.GML;
    H.SCALE(4) = H.SCALE(1) * H.GMT;
    H.SCALE(6) = H.SCALE(5);

    // 5. Elliptic added-mass coefficient of surge and sway.
    H.DLRAT = H.EDRAFT / H.RADIUS();
    const Real ABRAT2 = 1.0f / (H.DLRAT * H.DLRAT);
    const Real ACRAT2 = 1.0f;
    Real ELPSCF = 0.0f;
    ELPCOF(ABRAT2, ACRAT2, 0, 1, ELPSCF, P.EDUNIT, KBD_UNIT, disc_elpcof_warned(), 0);
    const Real CS = COFCLC(1, ELPSCF, ABRAT2, ACRAT2);

    // 6-7.
    const Real WH2 = H.WH * H.WH;
    const Real WP2 = H.WP * H.WP;
    const Real WR2 = H.WR * H.WR;
    const Real DEFF_AM = H.EDRAFT + 0.287f * H.RADIUS();
    const Real SDEFF_AM = DEFF_AM / H.RADIUS();
    H.SDEPTH = P.DEPTH / H.RADIUS();
    if (debug)
        disc_trace_reals(P.EDUNIT, {H.SCALE(1), H.SCALE(2), H.SCALE(3), H.SCALE(4), H.SCALE(5), H.SCALE(6), H.BEAM,
                                    H.SHIPL, H.EDRAFT, P.DWATR, P.AWP, DEFF_AM, P.DEPTH, DEGRAD, H.CSG, H.CSW,
                                    H.VTCRR, H.VTCRP, H.BLRAT, H.WRL, H.WPL});

    // 8. Bilge factor; a bilge radius beyond the lever of the roll centre leaves no base (not a
    // negative one, whose fifth power would turn the roll damping into the root of a negative).
    {
        const Real BASE = 1.0f - P.BILGR / std::sqrt(H.RADIUS() * H.RADIUS() + H.VTCRR * H.VTCRR);
        const Real B = BASE > 0.0f ? BASE : 0.0f;
        H.BLGFAC = B * B * B * B * B;
    }

    // 9. Pass selection.
    const bool resonance = NPASS2 == 0;
    Int IWMAX = 0;
    Real VTEMP = 0.0f;
    Real THETA = 0.0f;
    if (resonance) {
        IWMAX = six_modes ? 6 : 3;
        VTEMP = P.VFWD;
        P.VFWD = 0.0f;
    } else {
        IWMAX = P.NWP;
        THETA = H.RAOANG(V.IRAO) / DEGRAD;
    }

    for (Int IWP = 1; IWP <= IWMAX; ++IWP) {
        // 10. Frequency index and heading of the pass.
        Real XFREQ = 0.0f;
        if (!resonance) {
            H.IW = IWP;
        } else {
            switch (IWP) {
                case 1: H.IW = H.JR; THETA = HALFPI; XFREQ = H.WR; break;
                case 2: H.IW = H.JP; THETA = 0.0f; XFREQ = H.WP; break;
                case 3: H.IW = H.JH; THETA = 0.0f; XFREQ = H.WH; break;
                case 4: H.IW = H.JSG; THETA = 0.0f; XFREQ = H.WSG; break;
                case 5: H.IW = H.JSW; THETA = HALFPI; XFREQ = H.WSW; break;
                default: H.IW = H.JY; THETA = 0.0f; XFREQ = H.WY; break;
            }
        }
        // 11. No exact zero in the heading factors.
        if (THETA == 0.0f) THETA = TINY;
        const Real SINT = std::sin(THETA);
        Real COST = std::cos(THETA);
        if (COST == 0.0f) COST = TINY;
        // 12. Speed along the waves. The resonance pass runs at zero speed, and before any heading
        // is chosen (motion phase 1 has none yet): it reads no heading.
        const Real VCOMP = resonance ? 0.0f : P.VFWD * std::cos((H.RAOANG(V.IRAO) - P.VGLDIR) / DEGRAD);
        if (debug) disc_trace_ints(P.EDUNIT, {H.IW});

        // 13-14.
        INDXUP();
        const Real W = H.RLDUM(H.LW);
        const Real WK = H.RLDUM(H.LWK);
        const Real X = WK * H.RADIUS();
        const Real XP = std::fabs(X - HALFPI);
        const Real X1 = X * H.SDEPTH;
        const Real X2 = X * H.SDRAFT;
        const Real X2P = X * (P.DRAFT - 2.7f) / H.RADIUS();
        const Real X2_AM = X * SDEFF_AM;
        const Real ARG = X1 - X2;
        const Real ARGP = X1 - X2P;
        const Real ARG_AM = X1 - X2_AM;
        const Real WENC = W - VCOMP * WK;
        const Real WENC2 = WENC * WENC;
        if (debug) {
            disc_trace_label(P.EDUNIT, " LW,LWK");
            disc_trace_ints(P.EDUNIT, {H.LW, H.LWK});
            disc_trace_label(P.EDUNIT, " RLDUM(LW),RLDUM(LWK),WENC,VCOMP,XSCALE,EDRAFT");
            disc_trace_reals(P.EDUNIT, {W, WK, WENC, VCOMP, H.XSCALE, H.EDRAFT});
        }

        // 15. Depth factors.
        Real DF1 = 0.0f;
        Real DF1P = 0.0f;
        Real DF2 = 0.0f;
        Real DF3 = 0.0f;
        Real DF1_AM = 0.0f;
        if (X1 > 60.0f) {
            DF1 = std::exp(-X2);
            DF1P = std::exp(-X2P);
            DF2 = (1.0f - DF1) / X;
            DF3 = ((1.0f + X2) * DF1 - 1.0f) / (X * X);
            DF1_AM = std::exp(-X2_AM);
        } else {
            const Real CH1 = std::cosh(X1);
            DF1 = std::cosh(ARG) / CH1;
            DF1P = std::cosh(ARGP) / CH1;
            DF2 = (std::tanh(X1) - std::sinh(ARG) / CH1) / X;
            DF3 = (std::cosh(ARG) / CH1 + X2 * std::sinh(ARG) / CH1 - 1.0f) / (X * X);
            DF1_AM = std::cosh(ARG_AM) / CH1;
        }

        // 16. Bessel functions of k R.
        Real BES0 = 0.0f;
        Real BES1 = 0.0f;
        Real BES2 = 0.0f;
        Int IER0 = 0;
        Int IER1 = 0;
        Int IER2 = 0;
        BESJ(X, 0, BES0, H.EPS, IER0);
        BESJ(X, 1, BES1, H.EPS, IER1);
        BESJ(X, 2, BES2, H.EPS, IER2);
        if (IER0 > 0 || IER1 > 0 || IER2 > 0) bessel_failure();
        const Real J2RATIO = bessel2_ratio(XP, H.EPS);

        // 17.
        H.CSG = CS;
        H.CSW = CS;

        // 18. Exciting forces.
        const Real DUM1 = BES1 / X;
        const Real WPINT = 8.0f * DF1 * BES2 / (X * X);
        const Real FHV = 2.0f * DF1 * DUM1;
        const Real FSG = 2.0f * DF2 * DUM1 / H.SDRAFT;
        const Real TQSG = 8.0f * H.TQCNST * DF3 * DUM1;
        const Real TQWP = H.TQCNST * WPINT;
        const Real TQSGP = TQSG - 4.0f * H.SWLCRP * FSG * H.TQCNST * H.SDRAFT;

        // Roll and pitch. The water-plane correction WPINT (BES2P / BES2) (X / XP)^2 is taken in its
        // cancelled form DF1 8 J2(XP) / XP^2, which stays finite at k R = pi/2 and at zeros of J2.
        const Real PMS = DF1_AM * PMASD(X) * H.PCONST + DF1P * H.SKAMRL;
        const Real PDP = PDMPD(X) * H.PCONST;
        const Real WEWP = WENC / H.WP;
        const Real TQCOR1 = (PMS / H.PTCHI) * (WEWP * WEWP) * DF1 * J2RATIO;
        const Real TQCOR2 = CS * TQSGP;
        const Real TQIM = -TQWP - TQSGP + TQCOR1 - TQCOR2;
        const Real TQRL = TQCOR1 * PDP / PMS;
        H.CXDUM(H.LPT) = -Complex(TQRL, TQIM) * COST;
        H.CXDUM(H.LRL) = Complex(TQRL, TQIM) * SINT;

        // Heave.
        const Real HDP = HDMPD(X) * H.HCONST;
        const Real HMS = DF1_AM * HMASD(X) * H.HCONST + DF1P * H.SKAMHV;
        const Real HEF = H.HVM1 + HMS;
        const Real WEWH = WENC / H.WH;
        const Real HVCOR = 2.0f * DUM1 * (HMS / H.HVMAS) * (WEWH * WEWH);
        const Real FHRL = FHV - HVCOR;
        const Real FHIM = HVCOR * HDP / H.HVMAS;
        H.CXDUM(H.LHV) = Complex(FHRL, FHIM);

        // Surge and sway.
        const Real SDP = SDMPD(X);
        const Real FSCOR = BES0 * CS * DF2 / H.SDRAFT;
        const Real FSIM = FSG + FSCOR;
        const Real FSRL = 3.0f * FSCOR * SDP / CS;
        H.CXDUM(H.LSG) = Complex(FSRL, FSIM) * COST;
        H.CXDUM(H.LSW) = Complex(FSRL, FSIM) * SINT;

        // Yaw.
        H.CXDUM(H.LYA) = Complex(TINY, TINY);

        // 19.
        if (!resonance) continue;

        // 20. Design wave at the natural frequency.
        Real QQ = 0.0f;
        WAVVEC(H.WCONST * XFREQ, QQ, P.EDUNIT);
        Real WVAMP = 0.0f;
        if (P.LSLPHT == 0) {
            WVAMP = V.DURFAC * P.SLPHT;
            H.RSLOPE = QQ * WVAMP / P.DEPTH;
        } else {
            H.RSLOPE = 2.0f * V.DURFAC * P.SLPHT / DEGRAD;
            WVAMP = H.RSLOPE * P.DEPTH / QQ;
        }

        // 21-22. Force modulus; for surge and sway the force of the mooring at the wave's orbital
        // excursion (local values: the pool keeps the exciting forces).
        Real VHOR = 0.0f;
        Real HRZAMP = 0.0f;
        if (IWP == 4 || IWP == 5) {
            const Real WIW = V.W(H.IW);
            const Real ORBSP = WIW * WVAMP;
            const Real TNHFAC = WIW * WIW / (V.WVK(H.IW) * G);
            VHOR = ORBSP / TNHFAC;
            HRZAMP = VHOR / H.WSG;
        }
        switch (IWP) {
            case 1: H.TQFAC = std::abs(H.CXDUM(H.LRL)); break;
            case 2: H.TQFAC = std::abs(H.CXDUM(H.LPT)); break;
            case 3: H.TQFAC = std::abs(H.CXDUM(H.LHV)); break;
            case 6: H.TQFAC = std::abs(H.CXDUM(H.LYA)); break;
            default: {
                const bool surge = IWP == 4;
                const Real TRIG = surge ? COST : SINT;
                const Real WM = surge ? H.WSG : H.WSW;
                const Int LPRD = surge ? P.LSGPRD : P.LSWPRD;
                const Int LDMP = surge ? P.LSGDMP : P.LSWDMP;
                const Real SPR = surge ? P.SGK : P.SWK;
                const Real DMP = surge ? P.SGMDMP : P.SWMDMP;
                const Real MRL = LPRD == 0 ? TRIG * SPR * HRZAMP : TRIG * HRZAMP * WM * WM * V.RHOWTR * H.SGMAS;
                const Real MIM =
                    LDMP == 0 ? TRIG * DMP * VHOR : TRIG * 0.00002f * DMP * WM * V.RHOWTR * H.SGMAS * VHOR;
                H.TQFAC = std::abs(Complex(MRL, MIM));
                break;
            }
        }

        // 23. Quasi-linear dampings.
        const Real GFACTR = WVAMP * XFREQ * XFREQ / G;
        Real FAC1 = 0.0f;
        const auto roll_pitch_law = [&](Real F1) {
            return CLIN * F1 *
                   (0.576f + 0.424f * std::sqrt(1.0f + 4.0f * CQUAD * H.RSLOPE * H.TQFAC * H.BLGFAC /
                                                           (CLIN * CLIN * F1)));
        };
        switch (IWP) {
            case 1:
                FAC1 = H.RMAS1 / H.ROLI;
                H.GAMROL = roll_pitch_law(FAC1);
                break;
            case 2:
                FAC1 = H.PMAS1 / H.PTCHI;
                H.GAMPIT = roll_pitch_law(FAC1);
                break;
            case 3: {
                Real DENOM = 0.0f;
                bool limit = WVAMP == 0.0f;
                if (!limit) {
                    const Real FTILDE = 2.0f * H.TQFAC / (GFACTR * CHQUAD);
                    const Real DFACTR = 0.63661975f * (H.RADIUS() / WVAMP) * HDMPD(X) / CHQUAD;
                    DENOM = std::sqrt(std::sqrt(FTILDE + 0.25f * DFACTR * DFACTR) - 0.5f * DFACTR);
                    // A design wave so low that the terms leave single precision takes the limit too.
                    limit = !std::isfinite(FTILDE) || !std::isfinite(0.25f * DFACTR * DFACTR);
                }
                if (limit) {
                    // No design wave (a height of 0): both terms grow as 1/WVAMP and their difference is
                    // infinity minus infinity. The root tends to sqrt(FTILDE / DFACTR), where WVAMP cancels:
                    // sqrt(F + D^2/4) - D/2 = F / (sqrt(F + D^2/4) + D/2) -> F / D.
                    const Real F_TIMES_A = 2.0f * H.TQFAC * G / (XFREQ * XFREQ * CHQUAD);
                    const Real D_TIMES_A = 0.63661975f * H.RADIUS() * HDMPD(X) / CHQUAD;
                    DENOM = std::sqrt(F_TIMES_A / D_TIMES_A);
                }
                H.GAMHEV = H.TQFAC / DENOM;
                break;
            }
            case 4:
            case 5: {
                const Real DMPTMP = IWP == 4 ? P.SGMDMP : P.SWMDMP;
                const Real GSGLIN = SDMPD(X) * H.HCONST / H.SGMAS;
                const Real GSGMOR = DMPTMP / (H.SGMAS * V.RHOWTR * XFREQ);
                const Real GSGDRG = 0.5f * P.XCURAR * HRZAMP / H.SGMAS;
                Real RSAMPF = 0.0f;
                if (GSGDRG != 0.0f) {
                    const Real GAMRAT = (GSGLIN + GSGMOR) / GSGDRG;
                    RSAMPF = 0.5f * (std::sqrt(GAMRAT * GAMRAT + 4.0f * std::sqrt(1.0f + GSGMOR) / GSGDRG) - GAMRAT);
                } else {
                    // Without a drag area the drag part vanishes; the response factor is its limit.
                    RSAMPF = std::sqrt(1.0f + GSGMOR) / (GSGLIN + GSGMOR);
                }
                const Real GAMTMP = H.TQFAC / (HRZAMP * V.RHOWTR * H.SGMAS * XFREQ * XFREQ *
                                               std::sqrt(1.0f + RSAMPF * RSAMPF));
                if (IWP == 4)
                    H.GAMSRG = GAMTMP;
                else
                    H.GAMSWY = GAMTMP;
                break;
            }
            default: break;
        }

        // 24.
        if (debug)
            disc_trace_reals(P.EDUNIT, {H.BLGFAC, P.BILGR, H.VTCRR, H.VTCRP, H.WCONST, H.RSLOPE, FAC1, CLIN, CQUAD,
                                        H.RMAS1, H.ROLI, H.TQFAC, H.GAMROL, P.SLPHT, H.WR});

        // 25. Resonant responses that the moored-period iteration feeds into the line springs.
        if (!feedback) continue;
        const Real AIEF = H.PTCH1 + PMS + H.SKAMRL;
        // Roll and pitch: the restoring over the effective inertia scales the excitation; the natural
        // frequency is the moored one unless the user gave the period (then WN2), the damping the
        // model's with the user's moment damping unless the user gave a percentage.
        const auto rotation = [&](const Complex& CX, Real restoring, Int LPRD, Real K, Real WN2, Int LDMP, Real MDMP,
                                  Real WN, Real inertia, Real GAMMA, Real PERCENT) {
            const Real SCL2 = restoring / AIEF;
            const Real W02 = LPRD == 0 ? (K / V.RHOWTR + restoring) / AIEF : WN2;
            const Real GAM =
                LDMP == 0 ? (MDMP / (WN * V.RHOWTR * inertia) + GAMMA) * WN : 0.02f * PERCENT * WN;
            return response(CX, WK * SCL2, W02, WENC, WENC2, GAM);
        };
        // Surge and sway, the same way on the hull's mass, scaled by the mode's excitation factor.
        const auto translation = [&](const Complex& CX, Real GP, Int LPRD, Real K, Real WN, Int LDMP, Real GAMMA,
                                     Real PERCENT) {
            const Real W02 = LPRD == 0 ? K / (V.RHOWTR * H.SGMAS) : WN * WN;
            const Real GAM = LDMP == 0 ? GAMMA * WN : 0.02f * PERCENT * WN;
            return response(CX, WK * GP, W02, WENC, WENC2, GAM);
        };
        switch (IWP) {
            case 1:
                H.CRLRAX = rotation(H.CXDUM(H.LRL), H.RRMT, P.LRLPRD, P.RLK, WR2, P.LRLDMP, P.RLMDMP, H.WR, H.ROLI,
                                    H.GAMROL, P.RLDAMP);
                break;
            case 2:
                H.CPTRAX = rotation(H.CXDUM(H.LPT), H.PRMT, P.LPTPRD, P.PTK, WP2, P.LPTDMP, P.PTMDMP, H.WP, H.PTCHI,
                                    H.GAMPIT, P.PTDAMP);
                break;
            case 3: {
                const Real WHSCL2 = H.HC / HEF;
                const Real W02 = P.LHVPRD == 0 ? (P.HVK / V.RHOWTR + H.HC) / HEF : WH2;
                const Real GAM = P.LHVDMP == 0 ? (P.HVMDMP / (V.RHOWTR * H.WH * H.HVMAS) + H.GAMHEV) * H.WH
                                               : 0.02f * P.HVDAMP * H.WH;
                H.CHVRAX = response(H.CXDUM(H.LHV), WHSCL2, W02, WENC, WENC2, GAM);
                break;
            }
            case 4:
                H.CSGRAX = translation(H.CXDUM(H.LSG), GPSG, P.LSGPRD, P.SGK, H.WSG, P.LSGDMP, H.GAMSRG, P.SGMDMP);
                break;
            case 5:
                H.CSWRAX = translation(H.CXDUM(H.LSW), GPSW, P.LSWPRD, P.SWK, H.WSW, P.LSWDMP, H.GAMSWY, P.SWMDMP);
                break;
            default: H.CYWRAX = Complex(0.0f, 0.0f); break;
        }
    }

    // 26.
    if (resonance) P.VFWD = VTEMP;
}

}  // namespace brevant
