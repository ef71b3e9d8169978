// Vertical lines: the touchdown search, the arch of buoyant elements on the floor, the tension
// search on the height residual, and the results.
#include "mooring/catlib/vertical_lines.h"

#include <cmath>

#include "mooring/catlib/vertical_line_formulas.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/option_words.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

Dummy1 DUMMY1{};

void reset_dummy1() { DUMMY1 = Dummy1{}; }

namespace {

constexpr Real kHalfPi = 1.5707964f;
constexpr Int kMaxTries = 20;  // failed tension searches, both kinds together, before the run ends

AlphaTriple alpha_of_element(Int j) { return AlphaTriple(&DUMMY1.ALPHDP(1, j), 3); }

// The stretched height of element i whose ends carry TTOP and TBOT; STRAIGHT: the element is taken as
// straight at the tension TTOP (a weightless element, whose tension does not change along it).
double element_height(Int i, double TTOP, double TBOT, bool straight) {
    if (straight) return DUMMY1.SLENDP(i) * SFCDP2(alpha_of_element(i), TTOP);
    double top = 0.0;
    double bottom = 0.0;
    SFNCDP(alpha_of_element(i), TTOP, DUMMY1.WETWDP(i), top);
    SFNCDP(alpha_of_element(i), TBOT, DUMMY1.WETWDP(i), bottom);
    return top - bottom;
}

void buoyant_line_warning(Int EDUNIT) {
    write_record(EDUNIT, "");
    write_record(EDUNIT, " ++> Buoyant line handling error. First data row of the interpolation tables");
    write_record(EDUNIT, "     will probably be in error; this is usually a non-issue.");
    write_record(EDUNIT, "");
    PRSRET(EDUNIT, KBD_UNIT, TPCM.LBACK);
}

// The end of a failed tension search, after its message: a wait for Return where somebody can
// answer, then the end of the program.
[[noreturn]] void stop_after(Int EDUNIT) {
    write_record(EDUNIT, "");
    write_record(EDUNIT, " Press <Return> to Continue...");
    write_record(EDUNIT, "");
    if (EDUNIT != SILENT_UNIT) {
        char answer = ' ';
        READCP(answer);
    }
    stop_program(1);
}

// The arch step below the touchdown element IELEM: each buoyant element lying on the floor rises and
// lifts part of its neighbours, the two legs balancing vertically. LOOPLN the length lifted. False when
// an arch cannot balance: the outputs have been zeroed, VRTFLG set 0, the warning given.
bool arch_step(Int IELEM, Int N, Int ITYP, double& LOOPLN, Int& VRTFLG, Real& ANCDST, Real& TOPANG, Real& TOPTEN,
               Real& BOTLEN, Real& BOTANG) {
    const Int EDUNIT = TPCM.EDUNIT;
    Int BYFLG = 0;
    LOOPLN = 0.0;
    for (Int m = IELEM + 1; m <= N; ++m)
        if (TPCM.WETWT(m, ITYP) < 0.0f) BITSET(BYFLG, m, 1, EDUNIT);

    for (Int m = IELEM + 1; m <= N; ++m) {
        if (BITVAL(BYFLG, m, EDUNIT) != 1) continue;
        const double L = DUMMY1.SLENDP(m);
        double FLDSID = 0.0;
        double ANCSID = 0.0;
        double TMPVAL = 0.0;
        // The balance divides by the weight of each neighbour: a weightless neighbour cannot hold
        // the arch down, and is handled like a zero balance denominator (no infinite arch).
        const bool weightless_neighbour = DUMMY1.WETWDP(m - 1) == 0.0 || (m < N && DUMMY1.WETWDP(m + 1) == 0.0);
        if (!weightless_neighbour) {
            const double FLDRAT = -DUMMY1.WETWDP(m) / DUMMY1.WETWDP(m - 1);
            if (m == N) {
                TMPVAL = 2.0 + FLDRAT;
                if (TMPVAL != 0.0) FLDSID = L * FLDRAT / TMPVAL;
            } else {
                const double ANCRAT = -DUMMY1.WETWDP(m) / DUMMY1.WETWDP(m + 1);
                TMPVAL = 2.0 + FLDRAT + ANCRAT;
                if (TMPVAL != 0.0) {
                    const double XVAL = (1.0 + ANCRAT) * L / TMPVAL;
                    FLDSID = XVAL * FLDRAT;
                    ANCSID = (L - XVAL) * ANCRAT;
                }
            }
        }
        if (weightless_neighbour || TMPVAL == 0.0) {
            ANCDST = 0.0f;
            TOPANG = 0.0f;
            TOPTEN = 0.0f;
            BOTLEN = 0.0f;
            BOTANG = 0.0f;
            VRTFLG = 0;
            buoyant_line_warning(EDUNIT);
            return false;
        }
        LOOPLN = LOOPLN + FLDSID + ANCSID + L;
        if (static_cast<double>(TPCM.SLEN(m - 1, ITYP)) < FLDSID ||
            (m < N && static_cast<double>(TPCM.SLEN(m + 1, ITYP)) < ANCSID))
            buoyant_line_warning(EDUNIT);
    }
    return true;
}

}  // namespace

void VRTLIN(Real DELTAZ, Int ITYP, Int& VRTFLG, Real TOTWT, Real& ANCDST, Real& TOPANG, Real& TOPTEN, Real& BOTLEN,
            Real& BOTANG) {
    const Int N = element_count(TPCM.NELEM(ITYP));
    const Int EDUNIT = TPCM.EDUNIT;
    Dummy1& D = DUMMY1;

    D.ITYPP = ITYP;
    D.DELZP = static_cast<double>(std::fabs(DELTAZ));
    for (Int j = 1; j <= N; ++j) {
        D.SLENDP(j) = static_cast<double>(TPCM.SLEN(j, ITYP));
        D.WETWDP(j) = static_cast<double>(TPCM.WETWT(j, ITYP));
        for (Int k = 1; k <= 3; ++k) D.ALPHDP(k, j) = static_cast<double>(TPCM.ALPHA(k, j, ITYP));
    }

    // Touchdown search: the first element whose lower end, at a slack bottom, would lie below the floor.
    FArray<double, MAX_NODES> TK{};
    double LOOPLN = 0.0;
    bool touches = false;
    for (Int IELEM = 1; IELEM <= N && !touches; ++IELEM) {
        for (Int i = 1; i <= IELEM; ++i) DTKLTN(D.SLENDP, D.WETWDP, i, N, IELEM, TK(i), 0.0);
        TK(IELEM + 1) = 0.0;
        double TMPZ = 0.0;
        for (Int i = 1; i <= IELEM; ++i) TMPZ += element_height(i, TK(i), TK(i + 1), TK(i) == TK(i + 1));
        if (TMPZ > D.DELZP) {
            if (!arch_step(IELEM, N, ITYP, LOOPLN, VRTFLG, ANCDST, TOPANG, TOPTEN, BOTLEN, BOTANG)) return;
            D.LSTFRE = IELEM - 1;
            if (TPCM.WETWT(IELEM, ITYP) == 0.0f) D.NULBOT = TMPZ - D.DELZP;
            touches = true;
        }
    }
    if (!touches) {
        D.LSTFRE = N;
        VRTFLG = DELTAZ >= 0.0f ? 1 : -1;
    }

    // Tension search on the height residual, widened or re-centred on failure.
    const double TLOAD = static_cast<double>(TPCM.TLOAD);
    double TN1 = 0.0;
    double TN2 = 100.0 * TLOAD;
    double EPSX = std::fabs(TOTWT) > 0.01f ? 1e-15 * static_cast<double>(std::fabs(TOTWT)) : 1e-15 * TLOAD;
    const Int MAXITR = 100;
    Int NTRIES = 0;
    double TN = 0.0;
    double FUNC = 0.0;
    Int IER = 0;
    Int ITRN = 0;
    for (;;) {
        RTMIDP(TN, FUNC, DPDSTER, TN1, TN2, EPSX, MAXITR, IER, ITRN);
        if (IER == 0) break;
        NTRIES = NTRIES + 1;
        if (IER == 1) {
            if (NTRIES >= kMaxTries) {
                write_record(EDUNIT, "");
                write_record(EDUNIT, " ++> Iteration overflow in VRTLIN");
                stop_after(EDUNIT);
            }
            EPSX = 5.0 * EPSX;
            TN1 = TN / 2.0;
            TN2 = 2.0 * TN;
        } else {
            if (NTRIES >= kMaxTries) {
                write_record(EDUNIT, "  ++> Bounds error in VRTLIN ");
                stop_after(EDUNIT);
            }
            TN2 = TN2 * std::pow(2.0, NTRIES);
            TN1 = -static_cast<double>(NTRIES) * TLOAD;
        }
    }

    // Results from the tension at the lower end of the hanging part.
    const Int L = D.LSTFRE;
    double TMPWT = TN;
    if (L > 0) DTKLTN(D.SLENDP, D.WETWDP, 1, N, L, TMPWT, TN);
    double TMPLEN = 0.0;
    double BOTTMP = 0.0;
    if (L + 1 <= N) {
        const Int j = L + 1;
        TMPLEN = TPCM.WETWT(j, ITYP) != 0.0f ? D.SLENDP(j) - TN / D.WETWDP(j) : D.NULBOT;
        if (L + 2 <= N) {
            for (Int m = L + 2; m <= N; ++m) BOTTMP += D.SLENDP(m);
            BOTTMP -= LOOPLN;
        }
    }
    BOTLEN = static_cast<Real>(BOTTMP + TMPLEN);
    ANCDST = BOTLEN;
    const Real top = static_cast<Real>(TMPWT);
    TOPTEN = std::fabs(top);
    if (BOTLEN > 0.0f) {
        TOPANG = std::copysign(kHalfPi, top >= 0.0f ? 1.0f : -1.0f);
        BOTANG = 0.0f;
    } else {
        TOPANG = std::copysign(kHalfPi, DELTAZ >= 0.0f ? 1.0f : -1.0f);
        BOTANG = TOPANG;
    }
}

double DPDSTER(double& TN) {
    const Dummy1& D = DUMMY1;
    const Int L = D.LSTFRE;
    const Int N = element_count(TPCM.NELEM(D.ITYPP));

    FArray<double, MAX_NODES> TK{};
    for (Int i = 1; i <= L; ++i) DTKLTN(D.SLENDP, D.WETWDP, i, N, L, TK(i), TN);
    TK(L + 1) = TN;
    double SUMLEN = 0.0;
    for (Int i = 1; i <= L; ++i) {
        const bool straight = !(std::fabs(TK(i) - TK(i + 1)) > 0.001 * std::fabs(TK(i)));
        SUMLEN += element_height(i, TK(i), TK(i + 1), straight);
    }
    double DSTEMP = D.DELZP - SUMLEN;

    if (L < N) {
        const Int j = L + 1;
        if (TPCM.WETWT(j, D.ITYPP) != 0.0f) {
            double hanging = 0.0;
            SFNCDP(alpha_of_element(j), TN, D.WETWDP(j), hanging);
            DSTEMP -= hanging;
        } else if (TN == 0.0) {
            DSTEMP = 0.0;
        } else {
            DSTEMP -= (D.SLENDP(j) - D.NULBOT) * SFCDP2(alpha_of_element(j), TN);
        }
    }
    return DSTEMP;
}

}  // namespace brevant
