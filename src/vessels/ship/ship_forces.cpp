// SHPFRC and GETGAM: closed-form wave exciting forces on the box (Froude-Krylov terms with
// finite-depth pressure factors, corrected by the fitted added mass and damping), and the roll
// damping fixed at roll resonance in beam seas.
#include "vessels/ship/ship_forces.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/units.h"
#include "vessels/ship/ship_fits.h"
#include "vessels/ship/ship_hull.h"

namespace brevant {

namespace {

constexpr Real DEGRAD = 57.29578f;
constexpr Real BEAM_SEAS = 1.5707964f;

void trace_reals(std::initializer_list<Real> values) {
    std::vector<FmtItem> items;
    for (Real v : values) items.emplace_back(v);
    write_formatted(TPCM.EDUNIT, "(1X,6E13.5)", items);
}

Real pow5(Real x) {
    const Real x2 = x * x;
    return x2 * x2 * x;
}

}  // namespace

void GETGAM(Real& GAMRLI, Real THETA, Real CLIN, Real RMASRT, Real RSLOPE, Real TQFAC, Real BLGFAC, Real CQUAD,
            Real SHIPL, Int LKEEL, Real TKEEL, Real DKEEL) {
    const Real DEN = CLIN * CLIN * RMASRT;
    const Real S0 = std::sqrt(1.0f + 4.0f * RSLOPE * std::fabs(std::sin(THETA)) * TQFAC * BLGFAC * CQUAD / DEN);
    const Real G0 = CLIN * RMASRT * (0.424f * S0 + 0.576f);
    if (LKEEL != 0 && TKEEL != 0.0f && DKEEL != 0.0f) {
        const Real SK = std::sqrt(1.0f + 4.0f * RSLOPE * TQFAC * CQUAD / DEN);
        const Real GK = CLIN * RMASRT * (0.424f * SK + 0.576f);
        GAMRLI = (1.0f - TKEEL / SHIPL) * G0 + TKEEL * GK / SHIPL;
    } else {
        GAMRLI = G0;
    }
}

void SHPFRC(Int& NPASS2) {
    Himem& H = HIMEM;
    Tpcm& P = TPCM;
    const Real g = WAVCOM.G;
    const bool trace = P.NBUG == 1;
    const Int U = P.EDUNIT;

    // 1-2. Linear and square-law roll damping; bilge keels enlarge the square law.
    const Real CLIN = 0.1f;
    Real CQUAD = 1.85f;
    if (P.LKEEL != 0) {
        const Real EPSFAC = P.DKEEL > 0.0f ? P.RKEEL / P.DKEEL : 0.0f;
        CQUAD = 1.85f * pow5(1.0f + EPSFAC);
    }

    // 3. Scale factors of the RAO report pages.
    H.SCALE(3) = P.DWATR * P.AWP / 1000.0f;
    H.SCALE(1) = H.EDRAFT * H.SCALE(3) / DEGRAD;
    H.SCALE(2) = H.SCALE(1);
    H.SCALE(5) = H.SCALE(1) * H.GML;
    H.SCALE(4) = H.SCALE(1) * H.GMT;
    H.SCALE(6) = H.SCALE(5);

    // 4-5. Effective depths of the added-mass pressure.
    const Real R = 1.0f / std::sqrt(1.0f / (H.BEAM * H.BEAM) + 1.0f / (H.SHIPL * H.SHIPL));
    const Real DEFF = H.EDRAFT + 0.212f * R;
    const Real DEFF_RL = H.EDRAFT + 0.3333f * R;
    if (trace)
        trace_reals({H.SCALE(1), H.SCALE(2), H.SCALE(3), H.SCALE(4), H.SCALE(5), H.SCALE(6), H.BEAM, H.SHIPL, H.EDRAFT,
                     P.DWATR, P.AWP, DEFF, P.DEPTH, DEGRAD, H.CSG, H.CSW, H.VTCRR, H.VTCRP, H.BLRAT, H.WRL, H.WPL});

    // 6. Ratios.
    H.SDEPTH = P.DEPTH / H.EDRAFT;
    const Real CSGP = 1.0f + H.CSG;
    const Real CSWP = 1.0f + H.CSW;
    const Real HSCAL2 = P.AWP * g;
    const Real HGLRAT = (H.VTCRP - H.EDRAFT) / H.GML;
    const Real HGTRAT = (H.VTCRR - H.EDRAFT) / H.GMT;
    const Real DGTRAT = H.EDRAFT / H.GMT;
    const Real DGLRAT = H.EDRAFT / H.GML;
    H.BLRAT2 = H.BLRAT * H.BLRAT;
    const Real PMRAT = H.PCONST / H.PMAS0;
    const Real WPRRAT = (H.WRL / H.WPL) * (H.WRL / H.WPL);

    // 7-9. The resonance pass computes the roll grid point alone, in beam seas at zero speed; the
    // all-periods pass every period of the heading, after the heading's roll damping.
    const bool resonance = NPASS2 <= 0;
    Int IFIRST = 1;
    Int ILAST = P.NWP;
    Real THETA = 0.0f;
    Real VTEMP = 0.0f;
    Real VCOMP = 0.0f;
    if (resonance) {
        IFIRST = H.JR;
        ILAST = H.JR;
        THETA = BEAM_SEAS;
        VTEMP = P.VFWD;
        P.VFWD = 0.0f;
    } else {
        const Real HEADING = H.RAOANG(WAVCOM.IRAO);
        THETA = HEADING / DEGRAD;
        GETGAM(H.GAMRLI, THETA, CLIN, H.RMASRT, H.RSLOPE, H.TQFAC, H.BLGFAC, CQUAD, H.SHIPL, P.LKEEL, P.TKEEL,
               P.DKEEL);
        if (WAVCOM.IRAO == WAVCOM.BIGWVS) {
            PASCOM.ROLGAM = H.GAMRLI;
            PASCOM.WFROLF = H.WR;
            PASCOM.ROLSPR = H.GMT * P.DISPL;
            PASCOM.ROLARM = H.VTCRR;
        }
        // The speed is zeroed in the resonance pass, where this is 0 whatever the heading.
        VCOMP = P.VFWD * std::cos((HEADING - P.VGLDIR) / DEGRAD);
    }

    // 10-11. Headings along the hull keep every phase argument away from zero.
    if (THETA == 0.0f) THETA = 1.0e-10f;
    const Real SINT = std::sin(THETA);
    Real COST = std::cos(THETA);
    if (COST == 0.0f) COST = 1.0e-10f;
    if (trace) {
        trace_reals({H.BEAM2, H.SHIPL2});
        trace_reals({H.EVKG, H.EDRAFT, H.GML, H.GMT, H.BLRAT, H.HCONST, H.HMAS0, H.PCONST, H.PMAS0, H.DELTA, HGTRAT,
                     DGTRAT, SINT, COST, PMRAT});
    }

    Real TRI = 0.0f;
    for (H.IW = IFIRST; H.IW <= ILAST; H.IW = H.IW + 1) {
        // 12-13.
        if (trace) write_formatted(U, "(1X,I5)", {H.IW});
        INDXUP();
        const Real W = H.RLDUM(H.LW);
        const Real WK = H.RLDUM(H.LWK);
        const Real XMSDMP = WK * H.XSCALE;
        const Real YMSDMP = WK * H.YSCALE;
        const Real XX = WK * H.EDRAFT;
        const Real WENC = W - VCOMP * WK;
        const Real WENC2 = WENC * WENC;
        if (trace) {
            write_record(U, " LW,LWK");
            write_formatted(U, "(1X,2I10)", {H.LW, H.LWK});
            write_record(U, std::string(" RLDUM(LW),RLDUM(LWK),WENC,VCOMP,XSCALE,") + "EDRAFT,XMSDMP");
            trace_reals({W, WK, WENC, VCOMP, H.XSCALE, H.EDRAFT, XMSDMP});
        }

        // 14. Heave and pitch added mass and damping at the encounter frequency, corrected for
        // speed. Without speed the factors are exactly 1; a zero-speed value of 0 (the pitch
        // damping fit underflows for short waves on a long hull, and every damping vanishes at a
        // zero encounter frequency) gives no ratio, so the pitch damping term is taken from the
        // corrected damping itself.
        Real A33 = 0.0f;
        Real A55 = 0.0f;
        Real B33 = 0.0f;
        Real B55 = 0.0f;
        DPMAS0(A33, A55, B33, B55, WENC, XMSDMP, H.HCONST, H.HMAS0, H.HMSRAT, H.PCONST, H.PMAS0, H.PMSRAT);
        const Real A33_0 = A33;
        const Real A55_0 = A55;
        const Real B33_0 = B33;
        const Real B55_0 = B55;
        Real A33EF = 1.0f;
        Real B33EF = 1.0f;
        Real A55EF = 1.0f;
        Real B55EF = 1.0f;
        Real PDMP_B55EF = PDMP(XMSDMP);
        if (P.VFWD != 0.0f) {
            DAMMAS(A33, A55, B33, B55, WENC2, VCOMP);
            if (A33_0 != 0.0f) A33EF = A33 / A33_0;
            if (B33_0 != 0.0f) B33EF = B33 / B33_0;
            if (A55_0 != 0.0f) A55EF = A55 / A55_0;
            if (B55_0 != 0.0f) {
                B55EF = B55 / B55_0;
                PDMP_B55EF = PDMP(XMSDMP) * B55EF;
            } else if (WENC != 0.0f) {
                PDMP_B55EF = B55 / (WENC * H.PCONST);
            }
        }
        if (trace) {
            write_record(U, " ENHANCEMENT FACTORS AND ADDED MASS COEFFS");
            trace_reals({A33EF, B33EF, A55EF, B55EF, A33, B33, A55, B55});
        }

        // 15-16. Phase and depth arguments; pressure factors over the draft.
        const Real BKY2 = H.BEAM2 * WK * SINT;
        const Real LKX2 = H.SHIPL2 * WK * COST;
        const Real X1 = WK * P.DEPTH;
        const Real XXP = WK * DEFF;
        const Real XXPRL = WK * DEFF_RL;
        Real DF1, DF2, DF3, DF1_AM_HV, DF1_AM_RL;
        if (X1 > 10.0f) {
            DF1 = std::exp(-XX);
            DF2 = (1.0f - DF1) / XX;
            DF3 = ((1.0f + XX) * DF1 - 1.0f) / (XX * XX);
            DF1_AM_HV = std::exp(-XXP);
            DF1_AM_RL = std::exp(-XXPRL);
        } else {
            const Real CH1 = std::cosh(X1);
            const Real FAC = std::sinh(X1 - XX) / CH1;
            DF1 = std::cosh(X1 - XX) / CH1;
            DF2 = (std::tanh(X1) - FAC) / XX;
            DF3 = (XX * FAC + DF1 - 1.0f) / (XX * XX);
            DF1_AM_HV = std::cosh(X1 - XXP) / CH1;
            DF1_AM_RL = std::cosh(X1 - XXPRL) / CH1;
        }

        // 17. Shape factors.
        const Real FAC0 = std::sin(BKY2) * std::sin(LKX2);
        const Real FAC1 = FAC0 / (BKY2 * LKX2);
        const Real FAC2 = FAC1 * DF2;
        const Real FAC4 = FAC2;
        const Real FAC5 = FAC1 * DF3;
        Real FAC3 = DF1_AM_RL * WENC2 / (H.WRL * H.WRL);

        // 18. Heave.
        const Real FHVR = FAC1 * (DF1 - DF1_AM_HV * A33 * WENC2 / HSCAL2);
        const Real FHVI = FAC1 * DF1_AM_HV * B33 * WENC / HSCAL2;
        H.CXDUM(H.LHV) = Complex(FHVR, FHVI);

        // 19. Surge.
        const Real FSGR = DF2 * std::cos(LKX2) * (std::sin(BKY2) / BKY2) * COST * SDMP(XMSDMP) * H.CSG;
        const Real FSGI = FAC2 * COST * CSGP;
        H.CXDUM(H.LSG) = Complex(FSGR, FSGI);

        // 20. Sway.
        const Real FSWR = DF2 * std::cos(BKY2) * (std::sin(LKX2) / LKX2) * SINT * SDMP(YMSDMP) * H.CSW;
        const Real FSWI = FAC2 * SINT * CSWP;
        H.CXDUM(H.LSW) = Complex(FSWR, FSWI);

        // 21. Yaw.
        const Real C = DF2 / (H.BLRAT * H.GML * WK);
        const Real YFACR = -C * (YAWFKF(LKX2, BKY2) - H.BLRAT2 * YAWFKF(BKY2, LKX2));
        const Real YFACI = -C * (SINT * YAWDRG(LKX2, BKY2) - COST * YAWDRG(BKY2, LKX2));
        const Real TYR = YFACR * CSWP;
        const Real TYI = -YFACI * SDMP(YMSDMP) * H.CSW;
        H.CXDUM(H.LYA) = Complex(TYR, TYI);

        // 22. Roll: water-plane and lever-arm Froude-Krylov terms less the added-inertia share; the
        // damping part is scaled by the pitch ratio PMRAT, there being no roll counterpart.
        {
            const Real TWPC = 3.0f * g * H.WPMT * SINT * YAWFKF(BKY2, LKX2) / (H.RRMT * BKY2 * LKX2);
            const Real FK_WP_CONTR = TWPC * DF1;
            const Real FK_ARM_CONTR = (HGTRAT * DF2 - DGTRAT * DF3) * SINT * FAC1;
            const Real AM_CORR = TWPC * FAC3 * H.RMAS1 / H.ROLI;
            TRI = FK_WP_CONTR - AM_CORR + (1.0f + H.CSW) * FK_ARM_CONTR;
            const Real TRR = -TWPC * PMRAT * RDMP(YMSDMP) * FAC3;
            H.CXDUM(H.LRL) = Complex(TRR, TRI);
            if (trace) {
                trace_reals({FAC0, FAC1, FAC2, FAC3, FAC4, FAC5});
                trace_reals({DF1, DF1_AM_HV, DF2, DF3, RMAS(XMSDMP * H.BLRAT, H.RMSRAT)});
                trace_reals({TWPC, TRR, TRI, H.WPMT, H.RRMT, YAWFKF(BKY2, LKX2), SINT, PDMP(XMSDMP)});
            }
        }

        // 23. Pitch; its lever-arm term carries no (1 + CSG).
        {
            const Real TWPC = 3.0f * g * FAC1 * H.WPML * COST * YAWFKF(LKX2, BKY2) / (FAC0 * H.PRMT);
            FAC3 = FAC3 * WPRRAT;
            const Real TPI =
                -TWPC * (DF1 - FAC3 * A55EF * PMAS(XMSDMP, H.PMSRAT)) - (HGLRAT * FAC4 - DGLRAT * FAC5) * COST;
            const Real TPR = TWPC * PMRAT * PDMP_B55EF * FAC3;
            H.CXDUM(H.LPT) = Complex(TPR, TPI);
        }
    }

    if (!resonance) return;

    // 24-29. The inputs of the roll damping law that do not depend on the heading, and the beam-sea
    // damping of the vessel.
    H.TQFAC = std::fabs(TRI);
    if (P.LSLPHT <= 0) {
        Real QQ = 0.0f;
        WAVVEC(H.WCONST * H.WR, QQ, TPCM.EDUNIT);
        H.RSLOPE = QQ * P.SLPHT / (P.DEPTH + P.DEPTH);
    } else {
        H.RSLOPE = P.SLPHT / DEGRAD;
    }
    // A bilge radius beyond the distance from the roll centre to the bilge corner would make the
    // base negative and the roll damping law the root of a negative number: the base stops at 0.
    Real BLGBASE = 1.0f - P.BILGR / std::sqrt(H.BEAM2 * H.BEAM2 + H.VTCRR * H.VTCRR);
    if (BLGBASE < 0.0f) BLGBASE = 0.0f;
    H.BLGFAC = pow5(BLGBASE);
    H.RMASRT = H.RMAS1 / H.ROLI;
    GETGAM(H.GAMRLI, BEAM_SEAS, CLIN, H.RMASRT, H.RSLOPE, H.TQFAC, H.BLGFAC, CQUAD, H.SHIPL, P.LKEEL, P.TKEEL, P.DKEEL);
    H.GAMROL = H.GAMRLI;
    P.VFWD = VTEMP;
}

}  // namespace brevant
