// Point motions, relative motions, drag-transfer arrays by hull and their statistics.
#include "veslib/relative_motions.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "numeric/grid_integrals.h"
#include "numeric/quadrature.h"
#include "numeric/spectrum_stats.h"
#include "records/data_image.h"
#include "records/member_table.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/error_exits.h"
#include "sysutl/option_words.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

using Spectrum = FArray<Real, 100>;

// The response spectra of one call, one value per grid point.
struct Spectra {
    Spectrum MOORCTR_Z_MOT, BOW_Z_MOT, VXCNTR, VYCNTR, VZCNTR, GXCNTR, GYCNTR, PTCHSPC, ROLLSPC, YAWSPEC;
    Spectrum ACPTX1, ACPTY1, ACPTZ1, ACPTX2, ACPTY2, ACPTZ2;
    Spectrum GWREL1, GWREL2, GWRELMOON;
    Spectrum GWREL1_X, GWREL2_X, GWRELMOON_X;
};

// exp(-i x): a unit wave of phase -x.
Complex wave(Real x) { return Complex(std::cos(x), -std::sin(x)); }

// RMS and rate combined root-sum-square; bandwidth and peak period replaced when this wave system
// is the one that describes the sea state.
void fold(const Spectrum& S, bool describes, Real& RMS, Real& RATE, Real& BANDW, Real& TPEAK) {
    Real q = 0.0f, qdot = 0.0f, bw = 0.0f, tp = 0.0f;
    SPCPROCES(S.data(), WAVCOM.W.data(), q, qdot, bw, tp);
    RMS = std::sqrt(RMS * RMS + q * q);
    RATE = std::sqrt(RATE * RATE + qdot * qdot);
    if (describes) {
        BANDW = bw;
        TPEAK = tp;
    }
}

// The integral of a spectrum over the grid, added to what the record holds.
void add_integral(const Spectrum& S, Real& M) {
    Real var = 0.0f, vardot = 0.0f;
    SMPINT(S.data(), var, vardot);
    M += var;
}

void statistics(const Spectra& s, Int IWAVID) {
    Pascom& P = PASCOM;
    const Real* W = WAVCOM.W.data();
    Real rms = 0.0f, rate = 0.0f, tp = 0.0f;
    SPCPROCES(WAVCOM.WPSD.data(), W, rms, rate, P.WVBANDW, tp);
    SPCPROCES(WAVCOM.SWLPSD.data(), W, rms, rate, P.SWLBANDW, tp);
    SPCPROCES(WAVCOM.SWLPSD2.data(), W, rms, rate, P.SWLBANDW2, tp);

    const bool d = (IWAVID == 1 && TPCM.LRANDM != 0) || (IWAVID == 2 && TPCM.LRANDM == 0);
    fold(s.VXCNTR, d, P.WSGRMS, P.WSGRMSDOT, P.VXBANDW, P.VXTPEAK);
    fold(s.VYCNTR, d, P.WSWRMS, P.WSWRMSDOT, P.VYBANDW, P.VYTPEAK);
    fold(s.VZCNTR, d, P.WHVRMS, P.WHVRMSDOT, P.VZBANDW, P.VZTPEAK);
    fold(s.GXCNTR, d, P.WXGRMS, P.WXGRMSDOT, P.GXBANDW, P.GXTPEAK);
    fold(s.GYCNTR, d, P.WYGRMS, P.WYGRMSDOT, P.GYBANDW, P.GYTPEAK);
    fold(s.GWREL1, d, P.GWSIG1, P.GWSIG1DOT, P.GW1BANDW, P.GW1TPEAK);
    fold(s.GWREL2, d, P.GWSIG2, P.GWSIG2DOT, P.GW2BANDW, P.GW2TPEAK);
    fold(s.ROLLSPC, d, P.WRLRMS, P.WRLRMSDOT, P.ROLBANDW, P.ROLTPEAK);
    fold(s.PTCHSPC, d, P.WPTRMS, P.WPTRMSDOT, P.PTCHBANDW, P.PTCHTPEAK);
    fold(s.YAWSPEC, d, P.WYWRMS, P.WYWRMSDOT, P.YAWBANDW, P.YAWTPEAK);
    fold(s.GWRELMOON, d, P.WMOONRMS, P.WMOONRMSDOT, P.VMOONBANDW, P.VMOONTPEAK);
    fold(s.ACPTX1, d, P.ACXRMS1, P.ACXDOT1, P.ACX1BDW, P.ACX1TPK);
    fold(s.ACPTY1, d, P.ACYRMS1, P.ACYDOT1, P.ACY1BDW, P.ACY1TPK);
    fold(s.ACPTZ1, d, P.ACZRMS1, P.ACZDOT1, P.ACZ1BDW, P.ACZ1TPK);
    fold(s.ACPTX2, d, P.ACXRMS2, P.ACXDOT2, P.ACX2BDW, P.ACX2TPK);
    fold(s.ACPTY2, d, P.ACYRMS2, P.ACYDOT2, P.ACY2BDW, P.ACY2TPK);
    fold(s.ACPTZ2, d, P.ACZRMS2, P.ACZDOT2, P.ACZ2BDW, P.ACZ2TPK);

    add_integral(s.GWRELMOON_X, P.WMOON_X);
    add_integral(s.GWREL1_X, P.GWSIG1_X);
    add_integral(s.GWREL2_X, P.GWSIG2_X);
    add_integral(s.BOW_Z_MOT, P.BOW_Z_VAR);
    add_integral(s.MOORCTR_Z_MOT, P.MOORCTR_Z_VAR);
}

}  // namespace

void RELRAO(Real VESANG, Logical DOSPEC, Int IWAVID) {
    Tpcm& T = TPCM;
    Himem& H = HIMEM;
    WavCom& V = WAVCOM;
    Pascom& P = PASCOM;

    const Real b = H.RAOANG(V.IRAO) / 57.2957764f;
    const Real COSWAV = std::cos(b);
    const Real SINWAV = std::sin(b);
    const Real COSGLB = std::cos(VESANG);
    const Real SINGLB = std::sin(VESANG);
    constexpr Int RINTPNT = 5;
    const Real DELTAX = T.LWL / 5.0f;
    const Real YLOC0 = SINWAV >= 0.0f ? -T.BWL / 2.0f : T.BWL / 2.0f;
    const Real XLOCBOW = T.LWL / 2.0f;
    const bool turret = T.SIMTYP == 13 || T.SIMTYP == 15;
    const Real XLOCTRT = turret ? T.XSALM : 0.0f;
    const bool MULTICOL =
        T.SEMI_LIKE != 0 && (ONEON(T.LWVCOF, 7, T.EDUNIT) != 0 || ONEON(T.LWVCOF, 1, T.EDUNIT) != 0);

    const Real* S = nullptr;
    switch (IWAVID) {
        case 1: S = V.WPSD.data(); break;
        case 2: S = V.SWLPSD.data(); break;
        case 3: S = V.SWLPSD2.data(); break;
        default:
            write_record(T.EDUNIT, " +=> Invalid IWAVID in RELRAO");
            PRSRET(T.EDUNIT, KBD_UNIT, T.LBACK);
            stop_program(1);
    }

    const Real G = V.G;
    const Real DRAFT = T.DRAFT;
    const Real VTCRP = H.VTCRP;
    const Real VTCRR = H.VTCRR;
    const Real VKG = T.VKG;
    const Int c = IWAVID;
    static Spectra s;  // 22 spectra of 100 reals: kept off the stack, rewritten by every call
    s = Spectra{};

    for (H.IW = 1; H.IW <= T.NWP; ++H.IW) {
        INDXUP();
        const Int IW = H.IW;
        const Complex SG = H.CXDUM(H.LSG), SW = H.CXDUM(H.LSW), HV = H.CXDUM(H.LHV);
        const Complex RL = H.CXDUM(H.LRL), PT = H.CXDUM(H.LPT), YA = H.CXDUM(H.LYA);
        const Real WENC = H.RLDUM(H.LW);
        const Real WAVEK = H.RLDUM(H.LWK);

        const Real WENC2 = WENC * WENC;
        const Complex HORRAO(0.0f, WAVEK * G / WENC2);
        const Real PSDQ = S[IW - 1];
        const Real W2 = V.W2(IW);

        P.HOR_WAV_RAO(IW, c) = SG * COSWAV + SW * SINWAV;
        P.ANG_WAV_RAO(IW, c) = PT * COSWAV - RL * SINWAV;

        // Waterline motions, the bow's vertical one.
        Complex CQXP = SG + (DRAFT - VTCRP) * PT;
        Complex CQYP = SW + XLOCBOW * YA - (DRAFT - VTCRR) * RL;
        Complex CQZP = HV - XLOCBOW * PT;
        // The turret point.
        Complex CQX = CQXP;
        Complex CQY = SW + XLOCTRT * YA - (DRAFT - VTCRR) * RL;
        Complex CQZ = HV - XLOCTRT * PT;
        // Accelerations on the centreline at the turret abscissa, keel level and 100 above it.
        const Complex CQXA1 = G * PT + WENC2 * (SG - VTCRP * PT);
        const Complex CQYA1 = -G * RL + WENC2 * (SW + XLOCTRT * YA + VTCRR * RL);
        const Complex CQZA1 = WENC2 * CQZ;
        const Complex CQXA2 = CQXA1 + 100.0f * WENC2 * PT;
        const Complex CQYA2 = CQYA1 - 100.0f * WENC2 * RL;
        const Complex CQZA2 = CQZA1;
        // The reference point: the turret for the turret-moored types, else the centre of gravity.
        Complex CQXREF, CQYREF, CQZREF, EM(1.0f, 0.0f);
        if (turret) {
            CQXREF = CQX;
            CQYREF = CQY;
            CQZREF = CQZ;
            EM = wave(WAVEK * XLOCTRT * COSWAV);
        } else {
            CQXREF = SG + (VKG - VTCRP) * PT;
            CQYREF = SW - (VKG - VTCRR) * RL;
            CQZREF = HV;
        }

        s.MOORCTR_Z_MOT(IW) = PSDQ * std::norm(CQZ);
        s.BOW_Z_MOT(IW) = PSDQ * std::norm(CQZP);
        s.VXCNTR(IW) = PSDQ * std::norm(CQXREF);
        s.VYCNTR(IW) = PSDQ * std::norm(CQYREF);
        s.VZCNTR(IW) = PSDQ * std::norm(CQZREF);
        s.GXCNTR(IW) = PSDQ * std::norm(CQXREF * COSGLB - CQYREF * SINGLB);
        s.GYCNTR(IW) = PSDQ * std::norm(CQXREF * SINGLB + CQYREF * COSGLB);
        s.PTCHSPC(IW) = PSDQ * std::norm(PT);
        s.ROLLSPC(IW) = PSDQ * std::norm(RL);
        s.YAWSPEC(IW) = PSDQ * std::norm(YA);
        s.ACPTX1(IW) = PSDQ * std::norm(CQXA1);
        s.ACPTY1(IW) = PSDQ * std::norm(CQYA1);
        s.ACPTZ1(IW) = PSDQ * std::norm(CQZA1);
        s.ACPTX2(IW) = PSDQ * std::norm(CQXA2);
        s.ACPTY2(IW) = PSDQ * std::norm(CQYA2);
        s.ACPTZ2(IW) = PSDQ * std::norm(CQZA2);

        // Relative motion at the bow against a unit wave there.
        Complex E = wave(WAVEK * XLOCBOW * COSWAV);
        CQX = CQXP + HORRAO * E * COSWAV;
        CQY = CQYP + HORRAO * E * SINWAV;
        CQZ = CQZP - E;
        s.GWREL1(IW) = PSDQ * std::norm(CQZ);
        s.GWREL1_X(IW) = PSDQ * (CQZP * std::conj(E)).real();

        // Depth factor of the wave pressure at keel depth.
        const Real k = V.WVK(IW);
        const Real DF1 = k * T.DEPTH > 10.0f ? std::exp(-k * DRAFT)
                                             : std::cosh(k * (T.DEPTH - DRAFT)) / std::cosh(k * T.DEPTH);
        s.GWRELMOON(IW) = PSDQ * std::norm(CQZREF - DF1 * EM);
        s.GWREL2(IW) = PSDQ * std::norm(CQZREF - EM);
        s.GWREL2_X(IW) = PSDQ * (CQZREF * std::conj(EM)).real();
        s.GWRELMOON_X(IW) = DF1 * s.GWREL2_X(IW);

        // Drag-transfer arrays by hull.
        if (T.VESTYP == 1) {
            P.RLRAO2(IW, c) = W2 * std::abs(CQX * CQX * CQZ);
            P.RLRAOH2(IW, c) = 0.0f;
            Complex CQFCUM(0.0f, 0.0f), CQMCUM(0.0f, 0.0f);
            for (Int I = 1; I <= RINTPNT; ++I) {
                const Real x = -T.LWL / 2.0f + (static_cast<Real>(I) - 0.5f) * DELTAX;
                CQYP = SW + x * YA - (DRAFT - VTCRR) * RL;
                CQZP = HV + YLOC0 * RL - x * PT;
                E = wave(WAVEK * (x * COSWAV + YLOC0 * SINWAV));
                CQY = CQYP + HORRAO * E * SINWAV;
                CQZ = CQZP - E;
                Real FAC = 0.0f;
                SMPFAC(I, RINTPNT, FAC);
                CQFCUM += FAC * CQY * CQY * CQZ;
                CQMCUM += FAC * x * CQY * CQY * CQZ;
            }
            const Real n = static_cast<Real>(3 * RINTPNT);
            P.FDRGLAT(IW, c) = W2 * std::abs(CQFCUM) / n;
            P.MDRGLAT(IW, c) = W2 * std::abs(CQMCUM) / (n * T.LWL);
        } else {
            CQXP = SG + (DRAFT - VTCRP) * PT;
            CQYP = SW - (DRAFT - VTCRR) * RL;
            Real TMPH2 = 0.0f, TMPT2 = 0.0f;
            if (MULTICOL) {
                const Simcom& M = SIMCOM;
                Real SUMH2 = 0.0f, SUMT2 = 0.0f, AVGWLL = 0.0f;
                const Int NCYL = std::clamp<Int>(T.NCYL, 0, 50);
                for (Int m = 1; m <= NCYL; ++m) {
                    if (M.LPIERCE(m) == 0) continue;
                    const Real x = T.RCYLB(1, m) + M.CYLLEN(m) * M.DIRVEC(1, m);
                    const Real y = T.RCYLB(2, m) + M.CYLLEN(m) * M.DIRVEC(2, m);
                    const Real EFFDIA = 2.0f * std::sqrt(T.XAREA(m) / 3.14159274f);
                    E = wave(WAVEK * (x * COSWAV + y * SINWAV));
                    CQX = CQXP + HORRAO * E * COSWAV;
                    CQY = CQYP + HORRAO * E * SINWAV;
                    CQZ = E;
                    const Real H2 = std::norm(CQX) + std::norm(CQY);
                    const Real T2 = W2 * H2 * std::abs(CQZ);
                    SUMH2 += H2 * EFFDIA;
                    SUMT2 += T2 * EFFDIA;
                    AVGWLL += EFFDIA;
                }
                if (AVGWLL <= 0.0f) AVGWLL = 1.0f;
                TMPH2 = SUMH2 / AVGWLL;
                TMPT2 = SUMT2 / AVGWLL;
            } else {
                CQZP = HV;
                CQX = CQXP + HORRAO * COSWAV;
                CQY = CQYP + HORRAO * SINWAV;
                CQZ = CQZP - 1.0f;
                TMPH2 = std::norm(CQX) + std::norm(CQY);
                TMPT2 = W2 * TMPH2 * std::abs(CQZ);
            }
            P.HRAO(IW, c) = std::sqrt(std::norm(CQXP) + std::norm(CQYP));
            P.RLRAO2(IW, c) = TMPT2 * std::fabs(COSWAV);
            P.FDRGLAT(IW, c) = TMPT2 * std::fabs(SINWAV);
            P.MDRGLAT(IW, c) = 0.0f;
            P.RLRAOH2(IW, c) = TMPH2;
        }
    }

    if (DOSPEC != 0) statistics(s, IWAVID);
}

}  // namespace brevant
