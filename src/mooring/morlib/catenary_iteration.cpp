// The catenary iteration: height and water-level residuals and the two searches on them.
#include "mooring/morlib/catenary_iteration.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "mooring/catlib/element_functions.h"
#include "mooring/catlib/line_spans.h"
#include "numeric/root_finders.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

LocItr LOCITR{};

void reset_locitr() { LOCITR = LocItr{}; }

void trace_line(Int unit, std::string_view label, std::initializer_list<FmtItem> values) {
    Record r;
    r.put(label);
    for (const FmtItem& v : values) {
        if (v.kind() == FmtItem::Kind::Integer)
            r.I(v.integer(), 8);
        else
            r.x(1).put(fmt_G(v.real(), 15, 7));
    }
    write_record(unit, r.str());
}

namespace {

// The widenings of the fairlead-tangent bracket that ITER8 tries before it gives up: the step doubles
// each time, so 60 of them cover every tangent a float can hold from any sensible start.
constexpr Int kMaxWidenings = 60;

// True when an element below element j floats: it keeps the line off the sea floor.
bool floats_below(Int j, Int N) {
    for (Int k = j + 1; k <= N; ++k)
        if (LINCOM.SCLWT(k) < 0.0) return true;
    return false;
}

// The fatal end of a search, after its message: a wait for Return on an interactive console.
[[noreturn]] void stop_after_message(Int EDUNIT) {
    if (EDUNIT != SILENT_UNIT) {
        char answer = ' ';
        READCP(answer);
    }
    stop_program(1);
}

// HTERR and HTERR2: the trial shape of fairlead tangent TOPTAN into LINCOM, and its height error.
double height_error(Real TOPTAN) {
    LinCom& L = LINCOM;
    const Int ITYP = L.ITYP;
    const Int N = element_count(TPCM.NELEM(ITYP));
    const ElementColumn SLEN = element_column(TPCM.SLEN, ITYP);
    const Int NBUG = TPCM.NBUG;
    const Int EDUNIT = TPCM.EDUNIT;

    L.BOTLN = 0.0;
    L.TMPTAN(1) = static_cast<double>(TOPTAN);

    // The vessel's pull-down lowers the fairlead by the change of the vertical fairlead force over the
    // water-plane stiffness, shared by NLINE(1) lines. A middle layer outside the tables has no
    // tabulated tension to compare with: it counts as 0.
    Real DELTZP = L.DELTAZ;
    if (TPCM.PULLDN != 0) {
        const double n = static_cast<double>(TPCM.NLINE(1));
        const double tabulated =
            (L.MIDLYR >= 1 && L.MIDLYR <= 29) ? static_cast<double>(L.TOPTEN(1, L.MIDLYR, ITYP)) : 0.0;
        DELTZP = static_cast<Real>(static_cast<double>(L.DELTAZ) -
                                   1000.0 * n * (L.DPHLD * static_cast<double>(TOPTAN) - tabulated) /
                                       static_cast<double>(TPCM.AWP * TPCM.DWATR));
    }

    const bool floor = TPCM.ANCTYP(ITYP) == 1;
    for (Int j = 1; j <= N; ++j) {
        const double Lj = static_cast<double>(SLEN[static_cast<std::size_t>(j - 1)]);
        L.TMPTAN(j + 1) = L.TMPTAN(j) - L.SCLWT(j) * Lj;
        // The slope reaches the sea-floor slope inside element j or at its ends: the rest of the line
        // lies on the floor, unless a buoyant element below holds it up.
        if (floor && L.TMPTAN(j) >= L.DSLOPE && L.TMPTAN(j + 1) <= L.DSLOPE && !floats_below(j, N)) {
            if (L.SCLWT(j) != 0.0)
                L.BOTLN += STRECH(L.DSLOPE, L.BETA, j) * (L.DSLOPE - L.TMPTAN(j + 1)) / L.SCLWT(j);
            else
                L.BOTLN += Lj * STRECH(L.DSLOPE, L.BETA, j);
            L.TMPTAN(j + 1) = L.DSLOPE;
        }
    }

    if (NBUG == 1) {
        Record r;
        r.put(" IN HTERR; ITYP, NELEM,TOPTAN,SCLWT(1),TMPTAN(1->NELEM+1),BOTLN");
        r.I(ITYP, 8).I(N, 8).x(1).put(fmt_G(TOPTAN, 15, 7)).x(1).put(fmt_G(L.SCLWT(1), 15, 7));
        for (Int k = 1; k <= N + 1; ++k) r.x(1).put(fmt_G(L.TMPTAN(k), 15, 7));
        r.x(1).put(fmt_G(L.BOTLN, 15, 7));
        write_record(EDUNIT, r.str());
    }
    for (Int k = 1; k <= N + 1; ++k) {
        L.SECARR(k) = SECFCN(L.TMPTAN(k));
        if (NBUG == 1) trace_line(EDUNIT, "  IELEM,SECARR(IELEM)", {k, L.SECARR(k)});
    }

    const double ZTOT = ZDIST(L.SCLWT, L.SECARR, L.BETA, N, SLEN, L.TMPTAN);
    const double DHTERR = ZTOT - static_cast<double>(DELTZP);
    if (NBUG == 1) trace_line(EDUNIT, " ZDIST,DELTZP,DHTERR", {ZTOT, DELTZP, DHTERR});
    return DHTERR;
}

// WLERR and WLERR2: the line solved with element KELEM at the trial scaled weight, and the depth of
// that element's middle below the water level (32-bit).
Real water_level_error(Real TMPWT) {
    LinCom& L = LINCOM;
    const Int K = L.KELEM;
    L.SCLWT(K) = static_cast<double>(TMPWT);
    ITER8(LOCITR.TOPT1C, LOCITR.TOPT2C, L.ITYP, TPCM.NBUG, TPCM.EDUNIT);
    const ElementColumn SLEN = element_column(TPCM.SLEN, L.ITYP);
    const double ERRTMP = K > 1 ? ZDIST(L.SCLWT, L.SECARR, L.BETA, K - 1, SLEN, L.TMPTAN) : 0.0;
    double DELZ;
    if (L.SCLWT(K) != 0.0)
        DELZ = (ZFCN(L.SECARR(K), K, L.BETA) - ZFCN(L.SECARR(K + 1), K, L.BETA)) / L.SCLWT(K);
    else
        DELZ = static_cast<double>(SLEN[static_cast<std::size_t>(K - 1)]) * STRECH(L.TMPTAN(K), L.BETA, K) *
               L.TMPTAN(K) / L.SECARR(K);
    return static_cast<Real>(ERRTMP + DELZ / 2.0 - static_cast<double>(L.WTRLEV));
}

}  // namespace

Real HTERR(Real& TOPTAN) { return static_cast<Real>(height_error(TOPTAN)); }

double HTERR2(Real& TOPTAN) { return height_error(TOPTAN); }

Real WLERR(Real& TMPWT) { return water_level_error(TMPWT); }

double WLERR2(Real& TMPWT) { return static_cast<double>(water_level_error(TMPWT)); }

void ITER8(Real& TOPT1, Real& TOPT2, Int ITYP, Int NBUG, Int EDUNIT) {
    Real ALEVER = TOPT2 / 2.0f;
    Int ICOUNT = 0;
    // The 32-bit setting of the search.
    const Real EPSX = 1e-5f;
    const Real EPSF = 0.01f;
    const Int MAXIT = 100;
    Int widenings = 0;
    for (;;) {
        if (NBUG == 1) trace_line(EDUNIT, "  ALEVER,TOPT1,TOPT2", {ALEVER, TOPT1, TOPT2});
        Real TOPTAN = 0.0f;
        Real FUNC = 0.0f;
        Int IER = 0;
        bool non_finite = false;
        const RootFunction residual = [&non_finite](Real& t) {
            const Real f = HTERR(t);
            if (!std::isfinite(f)) non_finite = true;
            return f;
        };
        // The upper end first: the shape left in LINCOM is the finder's last trial from this order.
        RTMI1(TOPTAN, FUNC, residual, TOPT2, TOPT1, EPSX, EPSF, MAXIT, IER);
        if (NBUG == 1 && IER != 0) trace_line(EDUNIT, " ++> RTMI ERROR # ", {IER});

        // A bracket that cannot widen any further (a zero or overflowing step, or the widenings used
        // up) or a height error that is not a number can never give a sign change: the search has
        // failed as surely as one that does not converge.
        if (non_finite) IER = 1;
        if (IER == 2 && (widenings >= kMaxWidenings || ALEVER == 0.0f || !std::isfinite(ALEVER))) IER = 1;

        if (IER == 1) {
            write_record(EDUNIT, "");
            write_record(EDUNIT, " ++> Iteration overflow in ITER8P:ITER8; line type" + fmt_I(ITYP, 3));
            write_record(EDUNIT, "     Press <Return> to Continue...");
            stop_after_message(EDUNIT);
        }
        if (IER == 2) {
            TOPT2 = TOPT2 + ALEVER;
            TOPT1 = TOPT1 - ALEVER;
            ALEVER = 2.0f * ALEVER;
            ++widenings;
            if (NBUG == 1)
                trace_line(EDUNIT, " LOOP DONE:ICOUNT,TOPT1,TOPT2,FUNC,TOPTAN", {ICOUNT, TOPT1, TOPT2, FUNC, TOPTAN});
            continue;
        }
        TOPT2 = TOPTAN;
        TOPT1 = TOPT2 / 4.0f;
        ICOUNT = ICOUNT + 1;
        if (NBUG == 1) trace_line(EDUNIT, " LOOP DONE:ICOUNT,TOPT1,TOPT2,FUNC,TOPTAN", {ICOUNT, TOPT1, TOPT2, FUNC, TOPTAN});
        return;
    }
}

void ITER8P(Real& TOPT1, Real& TOPT2) {
    LinCom& L = LINCOM;
    const Int ITYP = L.ITYP;
    const Int N = element_count(TPCM.NELEM(ITYP));
    bool EMERGED = false;
    for (;;) {
        LOCITR.TOPT1C = TOPT1;
        LOCITR.TOPT2C = TOPT2;
        if (TPCM.WLFLAG == 0 || EMERGED) {
            ITER8(TOPT1, TOPT2, ITYP, TPCM.NBUG, TPCM.EDUNIT);
            return;
        }
        // Only the first buoyant element from the fairlead takes part in the water-level step.
        L.KELEM = N + 1;
        for (Int j = 1; j <= N; ++j) {
            if (L.SCLWT(j) < 0.0) {
                L.KELEM = j;
                break;
            }
        }
        if (L.KELEM > N) {
            ITER8(TOPT1, TOPT2, ITYP, TPCM.NBUG, TPCM.EDUNIT);
            return;
        }
        Real WETVAL = static_cast<Real>(L.SCLWT(L.KELEM));
        Real FUNC = WLERR(WETVAL);
        if (FUNC >= 0.0f) return;  // the middle lies at or below the water level at the wet weight
        Real DRYVAL = static_cast<Real>(static_cast<double>(TPCM.DRYWT(L.KELEM, ITYP)) / L.DPHLD);
        Real X = 0.0f;
        Int IER = 0;
        RTMI2(X, FUNC, WLERR, WETVAL, DRYVAL, 1e-5f, 1e-3f, 100, IER);
        if (IER == 0) return;
        if (IER == 1) {
            const Int EDUNIT = TPCM.EDUNIT;
            write_record(EDUNIT, "");
            write_record(EDUNIT, " ++> Iteration overflow in RTMI2 (WLERR) at Htens = " +
                                     fmt_F(static_cast<Real>(L.DPHLD), 8, 2) + "; ");
            write_record(EDUNIT, "     Check data file and retry");
            write_record(EDUNIT, "");
            write_record(EDUNIT, " Press <Return> to Continue...");
            write_record(EDUNIT, "");
            stop_after_message(EDUNIT);
        }
        // Even the dry weight leaves the middle above the water: the element has emerged.
        L.SCLWT(L.KELEM) = static_cast<double>(DRYVAL);
        EMERGED = true;
    }
}

}  // namespace brevant
