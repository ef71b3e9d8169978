// Dynamic coefficients of one mooring line at one wave frequency.
#include "mooring/morlib/dynamic_coefficients.h"

#include <cmath>
#include <complex>

#include "mooring/catlib/line_drag_damping.h"
#include "mooring/morlib/catenary_string.h"
#include "mooring/morlib/line_stiffness.h"
#include "mooring/morlib/oblique_stiffness.h"
#include "numeric/algebra.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// Kept for the whole run.
struct DyncodState {
    Int MAS_TYPE = 2;  // nonzero: the catenary has an effective mass
    Int FRSTIM = 1;    // the inertial-correction warning has not been given yet
};
DyncodState dyncod_state;
DyncodWork dyncod_last;

// The inertial-correction warning's question: "A" (or any negative answer) ends the run.
void ask_after_inertial_warning(Int EDUNIT) {
    TPCM.LBACK = 0;
    ABORT0(EDUNIT, KBD_UNIT, TPCM.LBACK);
    if (TPCM.LBACK < 0) stop_program(1);
}

// Z scaled to the modulus M: M Z / |Z|, and 0 for Z 0.
Complex with_phase_of(Real M, Complex Z) {
    const Real a = std::abs(Z);
    return a > 0.0f ? M * Z / a : Complex{};
}

}  // namespace

const DyncodWork& dyncod_work() { return dyncod_last; }

void reset_dyncod() {
    dyncod_state = DyncodState{};
    dyncod_last = DyncodWork{};
}

void DYNCOD(Int ILIN, double& TX, Logical& CATSKP, Real WFREQ, Real DIAMFC, Real /*TFAC*/, Complex& CYCATP,
            Complex& CYCATM, Complex& CYELAP, Complex& CYELAM, Complex& CTOPFP, Complex& CBOTFP, Complex& CTOPFM,
            Complex& CBOTFM, Real& STOPFP, Real& STOPFM, const FArray<Real, 150>& RANCPT, NodeForces& CTOPFIP,
            NodeForces& CTOPFIM, NodeForces& CXTEND_N, NodeForces& C_ADA_END_N, Int GETNODEQ, Real& XCATP,
            Logical WRNFLG) {
    DyncodState& S = dyncod_state;
    LinCom& L = LINCOM;
    CatCom& C = CATCOM;
    const Int EDUNIT = TPCM.EDUNIT;
    const Int CREATR = TPCM.CREATR();
    const Int ITYP = L.ITYP;
    const Real G = WAVCOM.G;

    // 1. Line-mass switch: off for the rest of the run.
    if ((CREATR != 17 && CREATR != 14) || TPCM.LEG_WF_LOADS == 1) S.MAS_TYPE = 0;

    // 2. Extension of the line between its ends.
    const Complex CAFLD = C.CAFLD, CABOT = C.CABOT;
    const Complex CXTEND = CAFLD - CABOT;
    Real AXTEND = std::abs(CXTEND);

    // 3. End angles.
    if (TPCM.TENSRF != 0) {
        L.QF = C.DTFDZF(ILIN) / C.DTFDXF(ILIN);
        L.QB = C.DTBDZB(ILIN) / C.DTBDXB(ILIN);
    } else {
        const Int NEL = element_count(TPCM.NELEM(ITYP));
        L.QF = C.TANARR(1, ILIN);
        L.QB = C.TANARR(NEL + 1, ILIN);
    }
    L.FXCOMP = COSPHT(L.QF);
    L.FZCOMP = SINPHT(L.QF);
    L.BXCOMP = COSPHT(L.QB);
    L.BZCOMP = SINPHT(L.QB);

    // 4. End motions.
    const Complex DXFLD = CAFLD * L.FXCOMP, DZFLD = CAFLD * L.FZCOMP;
    const Complex DXBOT = CABOT * L.BXCOMP, DZBOT = CABOT * L.BZCOMP;

    // 5. Horizontal tension changes by the fairlead and by the anchor-end motion.
    const Complex DELH1 = (DXFLD - C.DXSDZF(1, ILIN) * DZFLD) / C.DXSDH(1, ILIN);
    const Complex DELH2 = (C.DXSDZF(1, ILIN) * DZBOT - DXBOT) / C.DXSDH(1, ILIN);
    const Complex DELH = DELH1 + DELH2;

    // 6. Start values.
    Complex CTACCT{};
    Real TMPDIS = 0.0f, KELINT = 0.0f, KELINL = 0.0f;
    const Real DWOVRG = 0.001f * TPCM.DWATR / G;
    const Int NELEM = TPCM.NELEM(ITYP) > 0 ? element_count(TPCM.NELEM(ITYP)) : 0;
    CXTEND_N(NELEM + 1) = Complex{};
    C_ADA_END_N(NELEM + 1) = Complex{};
    FArray<Real, MAX_NODES> KELINL_N{}, KELINT_N{}, AXTENDN{};

    // 7. Drag energy and kinetic energy element by element.
    for (Int IELEM = 1; IELEM <= NELEM; ++IELEM) {
        const Int n = IELEM;
        const Int BOTFLG = (L.BOTELM != 0 && L.BOTELM == IELEM) ? 1 : 0;
        TPCM.COFDMP = TPCM.COFDMT(IELEM, ITYP);
        TPCM.COFMAS = TPCM.COFMST(IELEM, ITYP);
        const Real WETWT = TPCM.WETWT(IELEM, ITYP);
        TX = L.DPHLD / static_cast<double>(WETWT);

        const Complex DZREL = DZFLD - DZBOT;
        const Complex DXTOP1 = C.DXSDH(n, ILIN) * DELH + C.DXSDZF(n, ILIN) * DZREL + DXBOT;
        const Complex DZTOP1 = C.DZSDH(n, ILIN) * DELH + C.DZSDZF(n, ILIN) * DZREL + DZBOT;
        const Complex DXBOT1 = C.DXSDH(n + 1, ILIN) * DELH + C.DXSDZF(n + 1, ILIN) * DZREL + DXBOT;
        const Complex DZBOT1 = C.DZSDH(n + 1, ILIN) * DELH + C.DZSDZF(n + 1, ILIN) * DZREL + DZBOT;
        const double DQTOP = static_cast<double>(C.TANARR(n, ILIN));
        const double DQBOT = static_cast<double>(C.TANARR(n + 1, ILIN));
        const Complex DXTOP2 = DXTOP1 - DXBOT1, DZTOP2 = DZTOP1 - DZBOT1;

        Real DISIPD = 0.0f, DISOOP = 0.0f, KEELMT = 0.0f, KEELML = 0.0f, KEOOP = 0.0f;
        Real ADAMAXQ = 0.0f, ADATOPQ = 0.0f, LONTOPQ = 0.0f;
        Complex CTXACC{}, CTZACC{};
        CATDMP(TX, DQTOP, DQBOT, DISIPD, DISOOP, KEELMT, KEELML, KEOOP, 0.0f, 0.0f, 5, DXTOP2, DZTOP2, DXBOT1, DZBOT1,
               ADAMAXQ, ADATOPQ, LONTOPQ, TPCM.NBUG, IELEM, CTXACC, CTZACC, BOTFLG, 0);

        // Drag: the dissipation per unit drag force coefficient times the line's.
        const Real DIAM = TPCM.DIAM(IELEM, ITYP);
        Real MASDSP = DIAM * DWOVRG * DIAMFC;
        DISIPD = DISIPD * MASDSP * TPCM.COFDMP;
        TMPDIS = TMPDIS + DISIPD;

        // Displaced mass per unit length.
        const Real DRYWT = TPCM.DRYWT(IELEM, ITYP);
        if (DRYWT > 0.0f)
            MASDSP = (DRYWT - WETWT) / G;
        else
            MASDSP = 0.7853982f * MASDSP * DIAM * DIAMFC;

        Real TMPMAS = WETWT / G + MASDSP;
        if (!(TMPMAS >= 0.0f)) TMPMAS = 0.0f;
        KELINL = KELINL + 0.5f * KEELML * TMPMAS;
        KELINL_N(IELEM) = KELINL;
        TMPMAS = TMPMAS + MASDSP * TPCM.COFMAS;
        if (!(TMPMAS >= 0.0f)) TMPMAS = 0.0f;
        KELINT = KELINT + 0.5f * KEELMT * TMPMAS;
        KELINT_N(IELEM) = KELINT;

        // With no extension the node amplitudes have no phase to take: 0, so no node correction.
        AXTENDN(IELEM) = std::fabs(LONTOPQ);
        CXTEND_N(IELEM) = with_phase_of(std::fabs(LONTOPQ), CXTEND);
        C_ADA_END_N(IELEM) = with_phase_of(std::fabs(ADATOPQ), CXTEND);
    }

    // 8. Per squared (cubed) extension amplitude.
    Real CQUAD = 0.0f;
    if (AXTEND < 1e-9f || TMPDIS == 0.0f) {
        KELINL = 0.0f;
        KELINT = 0.0f;
    } else {
        if (GETNODEQ != 0) {
            for (Int IELEM = 1; IELEM <= NELEM; ++IELEM) {
                const Real a2 = AXTENDN(IELEM) * AXTENDN(IELEM);
                // An entry without longitudinal motion is never used; 0 keeps it finite.
                KELINL_N(IELEM) = a2 > 0.0f ? (KELINL - KELINL_N(IELEM)) / a2 : 0.0f;
                KELINT_N(IELEM) = a2 > 0.0f ? (KELINT - KELINT_N(IELEM)) / a2 : 0.0f;
            }
        }
        CQUAD = 3.0f * TMPDIS / (8.0f * AXTEND * AXTEND * AXTEND);
        KELINL = KELINL / (AXTEND * AXTEND);
        KELINT = KELINT / (AXTEND * AXTEND);
    }

    // 9.
    CATSKP = 1;

    // 10. Elastic stiffness (and the element wave numbers).
    KELAST(C.KELAS, ITYP, L.WAVEK, WFREQ, static_cast<Real>(L.TPTEN0));

    // 11. Catenary stiffness.
    if (TPCM.TENSRF == 0) {
        KCATN(C.KCTAN, C.KELAS, C.KSTAT, CAFLD, CABOT, C.DTFDAF(ILIN), C.DTBDAB(ILIN));
    } else {
        const Real DTFDAQ = L.FXCOMP * C.DTFDXF(ILIN) + L.FZCOMP * C.DTFDZF(ILIN);
        const Real DTBDAQ = L.BXCOMP * C.DTBDXB(ILIN) + L.BZCOMP * C.DTBDZB(ILIN);
        KCATN(C.KCTAN, C.KELAS, C.KSTAT, CAFLD, CABOT, DTFDAQ, DTBDAQ);
    }

    // 12. Line mass.
    const Real CATMASQ = S.MAS_TYPE != 0 ? 2.0f * (KELINL + KELINT) : 0.0f;

    // 13.
    const Complex CTMPT = CAFLD - CABOT;
    AXTEND = std::abs(CTMPT);
    C.KRAT = C.KCTAN / C.KELAS;

    // 14. The linear or the nonlinear line model.
    const ElementColumn SLEN = element_column(TPCM.SLEN, ITYP);
    const AlphaBlock ALPHA = alpha_block(TPCM.ALPHA, ITYP);
    const Int NELEM_T = TPCM.NELEM(ITYP);
    const bool nonlinear =
        TPCM.NLWVFG == 1 && CREATR != 10 && !(CREATR == 13 && ITYP == TPCM.HAWSTP);
    Real CQCNST = 0.0f;
    if (!nonlinear) {
        Real TPTEMP = static_cast<Real>(L.TPTEN0);
        Complex CTOPF{}, CBOTF{}, CYCAT{}, CYELAS{};
        Real SIGCP = 0.0f;
        const Real PARITQ = 1.0f;
        const Int IREVRS = 1;
        CATSTR(WFREQ, CTMPT, SIGCP, PARITQ, CATMASQ, CQUAD, CYCAT, CYELAS, C.KRAT, C.KELAS, CQCNST, XCATP, EDUNIT,
               KBD_UNIT, 0, CREATR, ILIN);
        LNGWAV(WFREQ, CYCAT, CYELAS, CATMASQ, CQCNST, XCATP, SIGCP, TPTEMP, CTOPF, CBOTF, TPCM.NBUG, EDUNIT, IREVRS,
               SLEN, ALPHA, NELEM_T, CTOPFIP, GETNODEQ);
        if (GETNODEQ != 0)
            for (Int k = 1; k <= NELEM + 1; ++k) CTOPFIM(k) = -CTOPFIP(k);
        if (AXTEND != 0.0f) {
            XCATP = std::abs(CYCAT) / AXTEND;
            TPTEMP = 2.0f * WFREQ * WFREQ * (XCATP * XCATP * KELINT + KELINL);
            CTACCT = TPTEMP * CTMPT;
        } else {
            CTACCT = Complex{};
        }
        CTOPFP = CTOPF;
        CTOPFM = -CTOPF;
        CBOTFP = CBOTF;
        CBOTFM = -CBOTF;
        CYCATP = CYCAT;
        CYCATM = -CYCAT;
        CYELAP = CYELAS;
        CYELAM = -CYELAS;
        STOPFP = C.KSTAT * AXTEND;
        STOPFM = -STOPFP;
    } else {
        Real RFORCE = 0.0f, FGZTMP = 0.0f, KSTATN = 0.0f, KCATO = 0.0f;
        Real SIGCP = 0.0f, SIGCM = 0.0f, YCATP = 0.0f, YCATM = 0.0f;
        FOBLQ(ILIN, ITYP, RANCPT(ILIN), AXTEND, C.KCTAN, C.KELAS, L.ANCDST, L.TOPANG, L.TOPTEN, L.TOTWT, TPCM.ANCHGT,
              L.HLOD, TPCM.RFLD, L.MIDLYR, L.DLAYER, TPCM.NLAYER, TPCM.NTAB, TPCM.ZSPAN, TPCM.RMCTRG(1), TPCM.YMCTR,
              TPCM.ZMCTR, EDUNIT, KBD_UNIT, RFORCE, FGZTMP, KSTATN, L.FXCOMP, L.FZCOMP, KCATO, SIGCP, SIGCM, YCATP,
              YCATM);
        if (!(AXTEND >= 1e-10f)) {
            SIGCP = 0.0f;
            SIGCM = 0.0f;
        }
        STOPFP = YCATP != 0.0f ? YCATP * (SIGCP * YCATP + KCATO) : C.KSTAT * AXTEND;
        STOPFM = YCATM != 0.0f ? YCATM * (SIGCM * YCATM + KCATO) : -C.KSTAT * AXTEND;
        C.KRAT = KCATO / C.KELAS;

        Real XCATM = 0.0f;
        CATSTR(WFREQ, CTMPT, SIGCP, 1.0f, CATMASQ, CQUAD, CYCATP, CYELAP, C.KRAT, C.KELAS, CQCNST, XCATP, EDUNIT,
               KBD_UNIT, 1, CREATR, ILIN);
        CATSTR(WFREQ, -CTMPT, SIGCM, -1.0f, CATMASQ, CQUAD, CYCATM, CYELAM, C.KRAT, C.KELAS, CQCNST, XCATM, EDUNIT,
               KBD_UNIT, 1, CREATR, ILIN);

        const Real TPTEMP = static_cast<Real>(L.TPTEN0);
        const Int IREVRS = 1;
        LNGWAV(WFREQ, CYCATP, CYELAP, CATMASQ, CQCNST, XCATP, SIGCP, TPTEMP, CTOPFP, CBOTFP, TPCM.NBUG, EDUNIT, IREVRS,
               SLEN, ALPHA, NELEM_T, CTOPFIP, GETNODEQ);
        LNGWAV(WFREQ, CYCATM, CYELAM, CATMASQ, CQCNST, XCATM, SIGCM, TPTEMP, CTOPFM, CBOTFM, TPCM.NBUG, EDUNIT, IREVRS,
               SLEN, ALPHA, NELEM_T, CTOPFIM, GETNODEQ);
        if (AXTEND != 0.0f) {
            const Real T = 2.0f * WFREQ * WFREQ * (XCATP * XCATP * KELINT + KELINL);
            CTACCT = T * CAFLD;
        } else {
            CTACCT = Complex{};
        }
    }

    // 15. Inertial correction at the fairlead, directed against the fairlead motion.
    const bool active = TPCM.INRLFG == 1 &&
                        (TPCM.NEXCLD_I == 0 || (TPCM.NEXCLD_I > 0 && L.INRT_EXCL(ILIN) == 0));
    if (active && CAFLD != Complex{}) {
        if (0.1f * std::abs(CTACCT) > std::abs(CTOPFP) && S.FRSTIM == 1 && WRNFLG != 0) {
            write_record(EDUNIT, "");
            Record r1;
            r1.put(" ++> The inertial load correction for line ").I(ILIN, 2).put(", and probably").put(" others,");
            write_record(EDUNIT, r1.str());
            write_record(EDUNIT, "     may be excessive; consider disabling the inertial");
            write_record(EDUNIT, "     correction for these lines.");
            write_record(EDUNIT, "");
            S.FRSTIM = 0;
            ask_after_inertial_warning(EDUNIT);
        }
        CTACCT = with_phase_of(-std::abs(CTACCT), CAFLD);
    } else {
        CTACCT = Complex{};
    }
    CTOPFP = CTOPFP + CTACCT;
    CTOPFM = CTOPFM - CTACCT;

    // 16. Inertial corrections at the nodes.
    if (GETNODEQ != 0) {
        for (Int IELEM = 1; IELEM <= NELEM; ++IELEM) {
            Complex CTACCT_COR{};
            if (AXTENDN(IELEM) != 0.0f) {
                const Real T = 2.0f * WFREQ * WFREQ * (XCATP * XCATP * KELINT_N(IELEM) + KELINL_N(IELEM));
                CTACCT_COR = T * CXTEND_N(IELEM);
            }
            if (active && CXTEND_N(IELEM) != Complex{}) {
                CTACCT_COR = with_phase_of(-std::abs(CTACCT_COR), CXTEND_N(IELEM));
                if (0.1f * std::abs(CTACCT_COR) > std::abs(CTOPFIP(IELEM)) && S.FRSTIM == 1 && WRNFLG != 0) {
                    write_record(EDUNIT, "");
                    Record r1;
                    r1.put(" ++> The inertial load correction for node ")
                        .I(IELEM, 2)
                        .put(" of line ")
                        .I(ILIN, 2)
                        .put(", and probably others, may be excessive;");
                    write_record(EDUNIT, r1.str());
                    write_record(EDUNIT, "     consider disabling the inertial corrections for these lines.");
                    write_record(EDUNIT, "");
                    S.FRSTIM = 0;
                    ask_after_inertial_warning(EDUNIT);
                }
            } else {
                CTACCT_COR = Complex{};
            }
            CTOPFIP(IELEM) = CTOPFIP(IELEM) + CTACCT_COR;
            CTOPFIM(IELEM) = CTOPFIM(IELEM) - CTACCT_COR;
        }
    }

    // 17. Quasi-static end forces: the static force amplitude, real.
    if (TPCM.QSFLAG2 != 0) {
        // A vertical fairlead end (FXCOMP 0) has no table distance to move to: STOPFP stays as above.
        if (TPCM.TENSRF == 0 && L.FXCOMP != 0.0f) {
            const Real ANCDSTQ = RANCPT(ILIN) + AXTEND / L.FXCOMP;
            Int IER = 0, MIN = 1;
            BSRCH(&L.ANCDST(1, L.MIDLYR, ITYP), ANCDSTQ, IER, MIN, TPCM.NTAB);
            Real FTMPQ0 = 0.0f;
            INTERP(&L.ANCDST(1, L.MIDLYR, ITYP), &L.TOPTEN(1, L.MIDLYR, ITYP), ANCDSTQ, FTMPQ0, MIN);
            STOPFP = FTMPQ0 - static_cast<Real>(L.TPTEN0);
        }
        CTOPFP = Complex(STOPFP, 0.0f);
        CTOPFM = -CTOPFP;
        CBOTFP = CTOPFP;
        CBOTFM = CTOPFM;
    }

    dyncod_last = DyncodWork{CQUAD, KELINL, KELINT, CATMASQ, CTACCT, TMPDIS};
}

}  // namespace brevant
