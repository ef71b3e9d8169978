// The buoy's mooring springs: every active line's fairlead follows the small harmonic motion of the
// buoy, the line dynamics give back the complex dynamic tension at the fairlead, and that tension along
// the (moving) line direction becomes a complex force and moment on the buoy, summed over the lines.
#include "vessels/disc/mooring_springs.h"

#include <cmath>

#include "mooring/catlib/element_functions.h"
#include "mooring/catlib/line_arrays.h"
#include "mooring/catlib/line_spans.h"
#include "mooring/morlib/dynamic_coefficients.h"
#include "mooring/morlib/stress_strain.h"
#include "numeric/algebra.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/mooring_line_records.h"
#include "records/wave_record.h"
#include "sysutl/angles.h"
#include "vessels/disc/disc_line_calls.h"

namespace brevant {

namespace {

constexpr Real HALF_PI = 1.5707964f;
constexpr Real DEG_PER_RAD = 57.29578f;

// One mode's share of a line's complex force or moment P: its magnitude per unit amplitude goes to
// the spring (in phase) and the damping (in quadrature, per unit velocity); the signed value to the
// net. A mode that does not move (amplitude exactly 0) takes nothing.
void add_mode(Real A, Real WFREQ, Complex P, Real& spring, Real& damping, Complex& net) {
    if (A == 0.0f) return;
    spring += std::fabs(P.real() / A);
    damping += std::fabs(P.imag() / (A * WFREQ));
    net += P;
}

}  // namespace

void DYNSPR(Real XOFF, Real YOFF, Real ZOFF, Real XTOFF, Real YTOFF, Real ZTOFF, Real WFREQ,
            const FArray<Real, 150>& RANCQ, Real& XSPR, Real& YSPR, Real& ZSPR, Real& XTSPR, Real& YTSPR,
            Real& ZTSPR, Real& XDMP, Real& YDMP, Real& ZDMP, Real& XTDMP, Real& YTDMP, Real& ZTDMP,
            Complex& CFNETX, Complex& CFNETY, Complex& CFNETZ, Complex& CTNETX, Complex& CTNETY,
            Complex& CTNETZ) {
    LinCom& L = LINCOM;
    CatCom& C = CATCOM;

    // Line diameters are given in inches or millimetres. The English factor is the rounded 1/12 the
    // line dynamics have always been tuned with.
    const Real DIAMFC = TPCM.NUNTS == 1 ? 0.001f : 0.0833f;

    XSPR = YSPR = ZSPR = XTSPR = YTSPR = ZTSPR = 0.0f;
    XDMP = YDMP = ZDMP = XTDMP = YTDMP = ZTDMP = 0.0f;
    CFNETX = CFNETY = CFNETZ = C.ZERO;
    CTNETX = CTNETY = CTNETZ = C.ZERO;

    const Real OMEGA[3] = {XTOFF, YTOFF, ZTOFF};
    const Real ZUNIT[3] = {0.0f, 0.0f, 1.0f};
    const Real PSI0 = TPCM.SIMTYP == 13 ? EQUILB.BUYNGL : EQUILB.VESANG;

    for (Int ILIN = 1; ILIN <= TPCM.NLIN && ILIN <= 150; ++ILIN) {
        // A line marked as left out, or whose type word names no line type of the tables (0, or
        // above 150), adds nothing and leaves the working words as the previous line left them.
        const LineTypeWord word = line_type_of(L.LINEID(ILIN));
        if (word.excluded) continue;
        const Int ITYP = word.ITYP;
        L.ITYP = ITYP;

        // The line's mean state from the statics tables at its anchor distance.
        const Real* ANCDST = &L.ANCDST(1, L.MIDLYR, ITYP);
        const Real RQ = RANCQ(ILIN);
        Int IER = 0;
        Int MIN = 1;
        BSRCH(ANCDST, RQ, IER, MIN, TPCM.NTAB);
        Real TOPANG = 0.0f;
        INTERP(ANCDST, &L.TOPANG(1, L.MIDLYR, ITYP), RQ, TOPANG, MIN);
        const Real THETA = TOPANG + HALF_PI;
        INTERP(ANCDST, &L.HLOD(1), RQ, L.HMEAN, MIN);
        Real TPTEN = 0.0f;
        INTERP(ANCDST, &L.TOPTEN(1, L.MIDLYR, ITYP), RQ, TPTEN, MIN);
        L.TPTEN0 = static_cast<double>(TPTEN);
        Real BETAB = 0.0f;
        INTERP(ANCDST, &L.BOTANG(1, L.MIDLYR, ITYP), RQ, BETAB, MIN);
        const Real TANB = std::tan(BETAB);
        L.BTTEN0 = static_cast<double>(L.HMEAN * std::sqrt(1.0f + TANB * TANB));
        INTERP(ANCDST, &L.FFRICT(1, L.MIDLYR, ITYP), RQ, L.FRICTN, MIN);

        const Real PHI = ANGSYM(L.ANGDPP(ILIN) / DEG_PER_RAD - PSI0);

        // Fairlead relative to the waterline and its displacement: translation plus rotation x r.
        const Real R[3] = {TPCM.RFLD(1, ILIN), TPCM.RFLD(2, ILIN), TPCM.RFLD(3, ILIN) - TPCM.DRAFT};
        const Real D[3] = {XOFF + R[2] * YTOFF - R[1] * ZTOFF, YOFF + R[0] * ZTOFF - R[2] * XTOFF,
                           ZOFF + R[1] * XTOFF - R[0] * YTOFF};

        // The line direction from the fairlead towards the anchor, and the direction along which the
        // fairlead-tension sensitivities point; TENSRF chooses which one carries the displacement.
        Real U[3];
        RCTNGL(THETA, PHI, U);
        const Real THETAP = std::atan(C.DTFDZF(ILIN) / C.DTFDXF(ILIN)) + HALF_PI;
        Real UP[3];
        RCTNGL(THETAP, PHI, UP);
        C.CAFLD = Complex(TPCM.TENSRF == 0 ? -DOTP(D, U) : -DOTP(D, UP), 0.0f);
        C.CABOT = Complex(0.0f, 0.0f);

        const Real TFAC = L.HMEAN / WAVCOM.G;
        L.DPHLD = static_cast<double>(L.HMEAN);
        L.DPHLD2 = (1.0 + L.DHFRAC) * static_cast<double>(L.HMEAN);

        if (L.NEED_STRAIN_FILE && TPCM.STRESS_STRAIN_FILE(ITYP) != 0) LOAD_ALPHAS(L.DPHLD, L.MIDLYR);

        const Int NEL = element_count(TPCM.NELEM(ITYP));
        const ElementColumn WETWT = element_column(TPCM.WETWT, ITYP);
        const AlphaBlock ALPHA = alpha_block(TPCM.ALPHA, ITYP);
        SCLWLD(L.SCLWTP, WETWT, L.DPHLD2, NEL);
        BETALD(ALPHA, L.BETAP, L.DPHLD2, NEL);
        SCLWLD(L.SCLWT, WETWT, L.DPHLD, NEL);
        BETALD(ALPHA, L.BETA, L.DPHLD, NEL);

        Real GROUND = 0.0f;
        INTERP(ANCDST, &L.BOTLEN(1, L.MIDLYR, ITYP), RQ, GROUND, MIN);
        if (TPCM.ANCTYP(ITYP) != 0 && GROUND > 0.0f) {
            Real BOTWGT = 0.0f;
            Real UNSTRL = 0.0f;
            TUCHDN(GROUND, WETWT, element_column(TPCM.SLEN, ITYP), L.BETA, NEL, L.DSLOPE, BOTWGT, L.BOTELM,
                   UNSTRL);
        } else {
            L.BOTELM = 0;
        }

        // The dynamic tension at the fairlead; the other outputs are not wanted here.
        double TX = 0.0;
        Logical CATSKP = false;
        Complex CYCATP{}, CYCATM{}, CYELAP{}, CYELAM{};
        Complex CTOPFP{}, CBOTFP{}, CTOPFM{}, CBOTFM{};
        Real STOPFP = 0.0f;
        Real STOPFM = 0.0f;
        NodeForces CTOPFIP{}, CTOPFIM{}, CXTEND_N{}, C_ADA_END_N{};
        Real XCATP = 0.0f;
        disc_line_calls().dyncod(ILIN, TX, CATSKP, WFREQ, DIAMFC, TFAC, CYCATP, CYCATM, CYELAP, CYELAM, CTOPFP,
                                 CBOTFP, CTOPFM, CBOTFM, STOPFP, STOPFM, RANCQ, CTOPFIP, CTOPFIM, CXTEND_N,
                                 C_ADA_END_N, 0, XCATP, false);

        // The line direction turns as the fairlead moves: in azimuth by the sideways displacement over
        // the anchor distance, in inclination by the changes of tension and horizontal load.
        const Real T0 = TPTEN;
        const Real SINT = std::sin(THETA);
        const Real COST = std::cos(THETA);
        const Real SINP = std::sin(PHI);
        const Real COSP = std::cos(PHI);
        const Real E[3] = {-COSP, -SINP, 0.0f};
        const Real DXP = DOTP(E, D);
        Real UXZ[3];
        XPROD(U, ZUNIT, UXZ);
        // A vertical line (or one at no anchor distance) has no azimuth to turn.
        const Real SIDE = RQ * VMOD(UXZ);
        const Real DPHI = SIDE != 0.0f ? DOTP(UXZ, D) / SIDE : 0.0f;
        const Real DT = C.DTFDXF(ILIN) * DXP + C.DTFDZF(ILIN) * D[2];
        const Real DH = (DXP - C.DXSDZF(1, ILIN) * D[2]) / C.DXSDH(1, ILIN);
        const Real DV = C.DTZFDH(ILIN) * DH + C.DTZFDZ(ILIN) * D[2];
        const Real DTHETA = std::fabs(COST) > 0.02f ? (DH - DT * SINT) / (COST * T0) : (DT * COST - DV) / (SINT * T0);
        Real UXO[3];
        XPROD(U, OMEGA, UXO);
        const Real DU[3] = {COST * COSP * DTHETA - SINT * SINP * DPHI + UXO[0],
                            COST * SINP * DTHETA + SINT * COSP * DPHI + UXO[1], -SINT * DTHETA + UXO[2]};

        // The complex fairlead force: the dynamic tension along the line plus the mean tension turned
        // with it; and its moment about the buoy origin.
        Complex F[3];
        for (int k = 0; k < 3; ++k) F[k] = CTOPFP * U[k] + Complex(T0 * DU[k], 0.0f);
        Complex M[3];
        CXPROD(R, F, M);

        add_mode(XOFF, WFREQ, F[0], XSPR, XDMP, CFNETX);
        add_mode(XTOFF, WFREQ, M[0], XTSPR, XTDMP, CTNETX);
        add_mode(YOFF, WFREQ, F[1], YSPR, YDMP, CFNETY);
        add_mode(YTOFF, WFREQ, M[1], YTSPR, YTDMP, CTNETY);
        add_mode(ZOFF, WFREQ, F[2], ZSPR, ZDMP, CFNETZ);
        add_mode(ZTOFF, WFREQ, M[2], ZTSPR, ZTDMP, CTNETZ);
    }
}

}  // namespace brevant
