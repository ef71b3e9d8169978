// The line statics driver.
#include "mooring/line_statics.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <span>
#include <string_view>

#include "mooring/catlib/element_functions.h"
#include "mooring/catlib/line_spans.h"
#include "mooring/morlib/catenary_iteration.h"
#include "mooring/morlib/stress_strain.h"
#include "numeric/algebra.h"
#include "numeric/layered_tables.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr Int kTablePoints = 90;
constexpr Int kLayers = 29;
constexpr Int kLineTypes = 150;

// One trace line on EDUNIT when the run is traced.
void trace(std::string_view label, std::initializer_list<FmtItem> values) {
    if (TPCM.NBUG == 1) trace_line(TPCM.EDUNIT, label, values);
}

// The chance to change the trace level between the solves of a traced run. Nobody can answer on the
// silent-run console, so nothing is asked there.
void offer_inbug() {
    if (TPCM.NBUG == 1 && TPCM.EDUNIT != SILENT_UNIT) INBUG(TPCM.NBUG, TPCM.EDUNIT, KBD_UNIT);
}

// A fatal end of the driver: an empty line, the message with the line type, the wait for Return
// (none on the silent unit), status 1.
[[noreturn]] void stop_for_line_type(std::string_view text, Int ITYP) {
    const Int EDUNIT = TPCM.EDUNIT;
    write_record(EDUNIT, "");
    write_record(EDUNIT, std::string(text) + fmt_I(ITYP, 3));
    write_record(EDUNIT, "     Press <Return> to Continue...");
    if (EDUNIT != SILENT_UNIT) {
        char answer = ' ';
        READCP(answer);
    }
    stop_program(1);
}

[[noreturn]] void tables_unusable(Int ITYP) {
    stop_for_line_type(" ++> Statics tables missing or invalid for mooring line type", ITYP);
}

bool is_simtyp_14_or_17(Int SIMTYP) { return SIMTYP == 14 || SIMTYP == 17; }

// The height of the fairlead above the anchor end, by simulation type (the hawser to the second
// vessel's far end, the other lines to their anchors).
Real fairlead_height(Int ITYP, Int ILINE, const FArray<Real, 150>& ZANCHR) {
    const Tpcm& T = TPCM;
    const Int F = T.LINTYP(1, ITYP);
    if (F < 1 || F > kLineTypes) stop_for_line_type(" ++> Fairlead number out of range for mooring line type", ITYP);
    const Real zf = T.RFLD(3, F);
    if (T.SIMTYP == 10 || ((T.SIMTYP == 13 || T.SIMTYP == 8) && T.IARCO == 1)) {
        if (ITYP == T.HAWSTP) return (zf - T.BDRAFT) - (T.ENDHT - T.DRAFT);
        return (zf - T.BDRAFT) + T.ANCHGT(ITYP);
    }
    if (is_simtyp_14_or_17(T.SIMTYP)) return zf - T.DRAFT + T.ANCHGT(ITYP) + ZANCHR(ILINE);
    return zf - T.DRAFT + T.ANCHGT(ITYP);
}

// Whether the column (blended between two layers by DELLAY, the term of weight 0 not read) is strictly
// monotonic over its NTAB points, so that a search and a straight-line interpolation on it are sound.
bool strictly_monotonic(const Real* column, Real DELLAY, Int NTAB) {
    const Real first = MIDLAY(column, DELLAY);
    const Real second = MIDLAY(column + 1, DELLAY);
    const bool up = second > first;
    Real prev = first;
    for (Int i = 2; i <= NTAB; ++i) {
        const Real v = MIDLAY(column + (i - 1), DELLAY);
        if (!(up ? v > prev : v < prev)) return false;  // also false for a NaN
        prev = v;
    }
    return true;
}

// The table a line reads must give a tension: enough points for an interval, HLOD increasing, and
// a distance column that a search can bracket (an all-zero column would leave a 0/0 tension).
void check_tables(Int ITYP, Int layer, Real DELLAY, bool blended) {
    const LinCom& L = LINCOM;
    const Int NTAB = TPCM.NTAB;
    if (NTAB < 2 || NTAB > kTablePoints) tables_unusable(ITYP);
    for (Int i = 2; i <= NTAB; ++i)
        if (!(L.HLOD(i) > L.HLOD(i - 1))) tables_unusable(ITYP);
    // Each layer that carries weight must be a table of its own (an empty upper layer would still
    // blend into a monotonic column, of the wrong distances), and so must their blend.
    const bool lower_used = !blended || DELLAY != 1.0f;
    const bool upper_used = blended && DELLAY != 0.0f;
    if (layer < 1 || layer + (upper_used ? 1 : 0) > kLayers) tables_unusable(ITYP);
    if (lower_used && !strictly_monotonic(&L.ANCDST(1, layer, ITYP), 0.0f, NTAB)) tables_unusable(ITYP);
    if (upper_used && !strictly_monotonic(&L.ANCDST(1, layer + 1, ITYP), 0.0f, NTAB)) tables_unusable(ITYP);
    if (!strictly_monotonic(&L.ANCDST(1, layer, ITYP), blended ? DELLAY : 0.0f, NTAB)) tables_unusable(ITYP);
}

// The starting bracket of the fairlead-tangent iteration: the tangents of the tabulated fairlead angles
// at the two ends of the table interval, widened to +/- 0.1 about the tangent where they are equal.
void bracket(Int MIN, Int L1, Int L2, Int ITYP, Real& TOPT1, Real& TOPT2) {
    TOPT1 = std::tan(LINCOM.TOPANG(MIN + 1, L1, ITYP));
    TOPT2 = std::tan(LINCOM.TOPANG(MIN, L2, ITYP));
    if (TOPT1 == TOPT2) {
        TOPT2 = TOPT1 + 0.1f;
        TOPT1 = TOPT2 - 0.2f;
    }
}

std::span<double> whole(FArray<double, 25>& a) { return {a.data(), 25}; }

void solve_line(const FArray<Real, 150>& RANCHR, const FArray<Real, 150>& ZANCHR, Int ILINE) {
    LinCom& L = LINCOM;
    CatCom& C = CATCOM;
    const Tpcm& T = TPCM;
    const Int ITYP = L.ITYP;
    const Int N = element_count(T.NELEM(ITYP));
    const ElementColumn SLEN = element_column(T.SLEN, ITYP);
    const ElementColumn WETWT = element_column(T.WETWT, ITYP);
    const AlphaBlock ALPHA = alpha_block(T.ALPHA, ITYP);
    const Int ANCTYP = T.ANCTYP(ITYP);
    const bool layered = is_simtyp_14_or_17(T.SIMTYP);

    // Total length and the height the line must span.
    L.TOTLEN = 0.0f;
    for (Int j = 1; j <= N; ++j) L.TOTLEN = L.TOTLEN + SLEN[static_cast<std::size_t>(j - 1)];
    L.DELTAZ = fairlead_height(ITYP, ILINE, ZANCHR);

    // The horizontal tension from the tables at the line's anchor distance.
    Int MIN = 0;
    Int IER = 0;
    Real DELLAY = 0.0f;
    Int LYRTMP = 0;
    if (layered) {
        trace("Before SETLYR call; ILINE = ", {ILINE});
        Int OUTWRN = 0;
        // A layer count beyond the tables is no table the driver can read.
        if (T.NLAYER < 1 || T.NLAYER > kLayers) tables_unusable(ITYP);
        SETLYR(T.NLAYER, L.MIDLYR, L.DLAYER, T.ZSPAN, ZANCHR(ILINE), L.ILAYER, DELLAY, OUTWRN);
        check_tables(ITYP, L.ILAYER, DELLAY, true);
        BSRCHQ(&L.ANCDST(1, L.ILAYER, ITYP), DELLAY, RANCHR(ILINE), IER, MIN, T.NTAB);
        INTRPR(&L.ANCDST(1, L.ILAYER, ITYP), &L.HLOD(1), RANCHR(ILINE), L.HMEAN, MIN, DELLAY);
        LYRTMP = L.ILAYER;
    } else {
        check_tables(ITYP, L.MIDLYR, 0.0f, false);
        BSRCH(&L.ANCDST(1, L.MIDLYR, ITYP), RANCHR(ILINE), IER, MIN, T.NTAB);
        INTERP(&L.ANCDST(1, L.MIDLYR, ITYP), &L.HLOD(1), RANCHR(ILINE), L.HMEAN, MIN);
        LYRTMP = L.MIDLYR;
    }
    trace("DPHLD,DPHLD2,DHFRAC", {L.DPHLD, L.DPHLD2, L.DHFRAC});
    trace(" SETTING MEAN TMPTANS & SECARRS: MIN = ", {MIN});

    L.DPHLD = static_cast<double>(L.HMEAN);
    if (L.NEED_STRAIN_FILE != 0 && T.STRESS_STRAIN_FILE(ITYP) != 0) LOAD_ALPHAS(L.DPHLD, LYRTMP);
    SCLWLD(L.SCLWT, WETWT, L.DPHLD, N);
    BETALD(ALPHA, L.BETA, L.DPHLD, N);

    // The layers of the bracket.
    Int L1 = L.MIDLYR;
    Int L2 = L.MIDLYR;
    if (layered) {
        L1 = L.ILAYER;
        L2 = L.ILAYER < T.NLAYER ? L.ILAYER + 1 : L.ILAYER;
    }

    // Unperturbed solve.
    Real TOPT1 = 0.0f;
    Real TOPT2 = 0.0f;
    // A traced solve from a fresh bracket; the element weights it leaves are copied to KEPT.
    const auto solve = [&](FArray<double, 25>& KEPT) {
        bracket(MIN, L1, L2, ITYP, TOPT1, TOPT2);
        trace("ITERATION LOOP FOLLOWS:", {});
        offer_inbug();
        ITER8P(TOPT1, TOPT2);
        MOVDP(MAX_ELEMENTS, whole(L.SCLWT), whole(KEPT));
        offer_inbug();
    };
    FArray<double, 25> SCLWT0{};
    solve(SCLWT0);

    for (Int k = 1; k <= N + 1; ++k) C.TANARR(k, ILINE) = static_cast<Real>(L.TMPTAN(k));
    L.QF = static_cast<Real>(L.TMPTAN(1));
    L.QB = static_cast<Real>(L.TMPTAN(N + 1));
    L.FXCOMP = COSPHT(L.QF);
    L.FZCOMP = SINPHT(L.QF);
    L.BXCOMP = COSPHT(L.QB);
    L.BZCOMP = SINPHT(L.QB);
    L.TPTEN0 = L.DPHLD * L.SECARR(1);
    const double TZTEN0 = -L.DPHLD * L.TMPTAN(1);
    L.BTTEN0 = L.DPHLD * L.SECARR(N + 1);
    L.BOTLNM = L.BOTLN;
    const double DQF0 = L.TMPTAN(1);
    trace("HMEAN,RANCHR,TPTEN0,BTTEN0,BOTLNM,BXCOMP,BZCOMP,FXCOMP,FZCOMP",
          {L.HMEAN, RANCHR(ILINE), L.TPTEN0, L.BTTEN0, L.BOTLNM, L.BXCOMP, L.BZCOMP, L.FXCOMP, L.FZCOMP});
    trace("Dynamic line request: ILINE,ILINE,ITYP", {ILINE, ILINE, ITYP});
    for (Int k = 1; k <= N + 1; ++k) {
        L.AVSEC(k) = L.SECARR(k);
        L.AVTAN(k) = L.TMPTAN(k);
    }

    // Spans of the first IELEM elements of the unperturbed shape and of a perturbed one.
    auto x_unperturbed = [&](Int IELEM) {
        return XDIST(SCLWT0, L.AVSEC, L.AVTAN, L.BETA, IELEM, N, ANCTYP, SLEN, L.DSLOPE);
    };
    auto z_unperturbed = [&](Int IELEM) { return ZDIST(SCLWT0, L.AVSEC, L.BETA, IELEM, SLEN, L.AVTAN); };

    // Fairlead raised by dz, horizontal tension held.
    const Real dz = L.DZFRAC * L.TOTLEN;
    L.DELTAZ = fairlead_height(ITYP, ILINE, ZANCHR) + dz;
    FArray<double, 25> SCLWTH{};
    solve(SCLWTH);
    L.TPTEN_CSTH = L.DPHLD * L.SECARR(1);
    L.BTTEN_CSTH = L.DPHLD * L.SECARR(N + 1);
    const double TZTEN_CSTH = -L.DPHLD * L.TMPTAN(1);
    C.DTZFDZ(ILINE) = static_cast<Real>((TZTEN_CSTH - TZTEN0) / static_cast<double>(dz));
    const Real DQF_DZF = static_cast<Real>((L.TMPTAN(1) - DQF0) / static_cast<double>(dz));
    {
        auto x_raised = [&](Int IELEM) {
            return XDIST(SCLWTH, L.SECARR, L.TMPTAN, L.BETA, IELEM, N, ANCTYP, SLEN, L.DSLOPE);
        };
        auto z_raised = [&](Int IELEM) { return ZDIST(SCLWTH, L.SECARR, L.BETA, IELEM, SLEN, L.TMPTAN); };
        const double DX = x_raised(N) - x_unperturbed(N);
        trace("BEFORE DXSDZF", {});
        for (Int k = 1; k <= N + 1; ++k) {
            const double Dk = k == 1 ? 0.0 : x_raised(k - 1) - x_unperturbed(k - 1);
            C.DXSDZF(k, ILINE) = static_cast<Real>((DX - Dk) / static_cast<double>(dz));
        }
        trace("BEFORE DZSDZF", {});
        for (Int k = 1; k <= N + 1; ++k) {
            const double Ek = k == 1 ? 0.0 : z_raised(k - 1) - z_unperturbed(k - 1);
            C.DZSDZF(k, ILINE) = static_cast<Real>(1.0 - Ek / static_cast<double>(dz));
        }
    }

    // Horizontal tension raised by DHFRAC, fairlead height held.
    L.DELTAZ = fairlead_height(ITYP, ILINE, ZANCHR);
    L.DPHLD2 = (1.0 + L.DHFRAC) * L.DPHLD;
    SCLWLD(L.SCLWT, WETWT, L.DPHLD2, N);
    BETALD(ALPHA, L.BETA, L.DPHLD2, N);
    bracket(MIN, L1, L2, ITYP, TOPT1, TOPT2);
    DSWPVAL(L.DPHLD, L.DPHLD2);
    ITER8P(TOPT1, TOPT2);
    DSWPVAL(L.DPHLD, L.DPHLD2);
    MOVDP(MAX_ELEMENTS, whole(L.SCLWT), whole(L.SCLWTP));
    offer_inbug();
    L.TPTEN_CSTZ = L.DPHLD2 * L.SECARR(1);
    L.BTTEN_CSTZ = L.DPHLD2 * L.SECARR(N + 1);
    const double TZTEN_CSTZ = -L.DPHLD2 * L.TMPTAN(1);
    const double dH = L.DHFRAC * L.DPHLD;
    C.DTZFDH(ILINE) = static_cast<Real>((TZTEN_CSTZ - TZTEN0) / dH);
    const double DQF_DH = (L.TMPTAN(1) - DQF0) / dH;
    BETALD(ALPHA, L.BETAP, L.DPHLD2, N);
    MOVDP(MAX_ELEMENTS, whole(SCLWT0), whole(L.SCLWT));
    BETALD(ALPHA, L.BETA, L.DPHLD, N);
    {
        auto x_pulled = [&](Int IELEM) {
            return XDIST(L.SCLWTP, L.SECARR, L.TMPTAN, L.BETAP, IELEM, N, ANCTYP, SLEN, L.DSLOPE);
        };
        auto z_pulled = [&](Int IELEM) { return ZDIST(L.SCLWTP, L.SECARR, L.BETAP, IELEM, SLEN, L.TMPTAN); };
        const double DX = x_pulled(N) - x_unperturbed(N);
        const double DZ = z_pulled(N) - z_unperturbed(N);
        trace("BEFORE DXSDH", {});
        for (Int k = 1; k <= N + 1; ++k) {
            const double Dk = k == 1 ? 0.0 : x_pulled(k - 1) - x_unperturbed(k - 1);
            C.DXSDH(k, ILINE) = static_cast<Real>((DX - Dk) / dH);
        }
        trace("BEFORE DZSDH", {});
        for (Int k = 1; k <= N + 1; ++k) {
            const double Ek = k == 1 ? 0.0 : z_pulled(k - 1) - z_unperturbed(k - 1);
            C.DZSDH(k, ILINE) = static_cast<Real>((DZ - Ek) / dH);
        }
    }
    for (Int I = 1; I <= N + 1; ++I)
        trace(" I,DXSDZF(I,ILINE),DZSDZF(I,ILINE),DXSDH(I,ILINE),DZSDH(IELEM,ILINE)",
              {I, C.DXSDZF(I, ILINE), C.DZSDZF(I, ILINE), C.DXSDH(I, ILINE), C.DZSDH(I, ILINE)});

    // Tension derivatives. The horizontal fairlead motion of the tension-perturbed solve turns its
    // tension changes into derivatives in the fairlead position; the height perturbation's own
    // horizontal motion is taken out, so the vertical derivatives hold the fairlead's x fixed.
    const Real DENOM =
        static_cast<Real>(static_cast<double>(C.DXSDH(1, ILINE)) * L.DHFRAC * static_cast<double>(L.HMEAN));
    const Real DTFDXQ = static_cast<Real>((L.TPTEN_CSTZ - L.TPTEN0) / static_cast<double>(DENOM));
    const Real DTBDXQ = static_cast<Real>((L.BTTEN0 - L.BTTEN_CSTZ) / static_cast<double>(DENOM));
    C.DTFDXF(ILINE) = DTFDXQ;
    C.DTBDXB(ILINE) = DTBDXQ;
    const Real DQF_DXF = static_cast<Real>(DQF_DH / static_cast<double>(C.DXSDH(1, ILINE)));
    const Real DTFTMP = static_cast<Real>((L.TPTEN_CSTH - L.TPTEN0) / static_cast<double>(dz));
    const Real DTBTMP = static_cast<Real>((L.BTTEN0 - L.BTTEN_CSTH) / static_cast<double>(dz));
    C.DTFDZF(ILINE) = DTFTMP - C.DXSDZF(1, ILINE) * DTFDXQ;
    C.DTBDZB(ILINE) = DTBTMP - C.DXSDZF(1, ILINE) * DTBDXQ;
    C.DTFDAF(ILINE) = DTFDXQ * L.FXCOMP + C.DTFDZF(ILINE) * L.FZCOMP;
    C.DTBDAB(ILINE) = DTBDXQ * L.BXCOMP + C.DTBDZB(ILINE) * L.BZCOMP;
    L.DPHIF_DAF(ILINE) = static_cast<double>(DQF_DXF * L.FXCOMP + DQF_DZF * L.FZCOMP) / (1.0 + DQF0 * DQF0);
}

}  // namespace

void LINDRV(const FArray<Real, 150>& RANCHR, const FArray<Real, 150>& ZANCHR) {
    Tpcm& T = TPCM;
    LinCom& L = LINCOM;
    if (T.NBUG0 == 1) {
        write_record(T.EDUNIT, " ### In LINDRV:");
        // INBUG waits for an answer: on the silent-run console nobody gives one, so the trace stays off.
        if (T.EDUNIT != SILENT_UNIT)
            INBUG(T.NBUG, T.EDUNIT, KBD_UNIT);
        else
            T.NBUG = 0;
    } else {
        T.NBUG = 0;
    }
    L.DHFRAC = 0.0078125;
    L.DZFRAC = 0.001f;

    const Int NLIN = std::clamp<Int>(T.NLIN, 0, kLineTypes);
    for (Int ILINE = 1; ILINE <= NLIN; ++ILINE) {
        const LineTypeWord word = line_type_of(L.LINEID(ILINE));
        L.ITYP = word.ITYP;
        if (word.excluded) continue;
        solve_line(RANCHR, ZANCHR, ILINE);
    }
}

}  // namespace brevant
