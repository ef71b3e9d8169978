// The RAO report pages: header, tables and scale factors.
#include "veslib/motion_pages.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "numeric/algebra.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/toggles.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr Real DEGRAD = 57.295776f;
const std::string kFrame = "   **" + std::string(72, ' ') + "**";
const std::string kTitle = "   ***************  II.  UNMOORED VESSEL MOTION CHARACTERISTICS  **************";

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// Writes a line on the report unit and, when asked, the same line on the plot unit.
void both(const std::string& line, bool copy) {
    write_record(TPCM.IUNIT, line);
    if (copy) write_record(PLOT_UNIT, line);
}

// The values of one row of a table at frequency HIMEM.IW.
struct Row {
    bool finite_period = true;  // false where the encounter frequency is exactly zero
    Real TENC = 0.0f;
    Real length = 0.0f;
    Real SLPHTP = 0.0f;
    Real AMP[6] = {};
};

// Where the encounter frequency is exactly zero there is no finite encounter period: the field
// shows asterisks rather than the result of a division by zero.
std::string period_field(const Row& r, int w, int d) {
    return r.finite_period ? fmt_F(r.TENC, w, d) : std::string(static_cast<std::size_t>(w), '*');
}

class Table {
public:
    Table() {
        const Tpcm& P = TPCM;
        const Himem& H = HIMEM;
        force = H.LFRFLG == 1;
        // At most three columns to a page, whatever the word holds.
        ncol = std::clamp(H.NCOL, Int{0}, Int{3});
        VCOMP = P.VFWD * std::cos((H.RAOANG(WAVCOM.IRAO) - P.VGLDIR) / DEGRAD);
        const Complex CTMPR(H.VTCRR - P.VKG, 0.0f);
        CTMPP = Complex(H.VTCRP - P.VKG, 0.0f);
        CTMPR_ = CTMPR;
        CTMPRF = H.GMT > 0.0f ? CTMPR / Complex(H.GMT, 0.0f) : Complex(0.0f, 0.0f);
        CTMPPF = H.GML > 0.0f ? CTMPP / Complex(H.GML, 0.0f) : Complex(0.0f, 0.0f);
    }

    // Steps 4.1 to 4.6 of a row: the RAOs at the centre the user asked for, rotations scaled, the
    // period (or encounter period), wave length and slope or height.
    Row row() const {
        const Tpcm& P = TPCM;
        Himem& H = HIMEM;
        INDXUP();
        const Real w = H.RLDUM(H.LW);
        const Real kw = H.RLDUM(H.LWK);
        Row r;
        for (Int k = 1; k <= ncol; ++k) {
            const Int dof = H.IDCLMN(k);
            const Int L = (dof - 1) * H.NARRAY + H.IW;
            Complex C = H.CXDUM(L);
            if (P.LCGFLG == 1) {
                if (force) {
                    if (L == H.LPT) C = C + CTMPPF * H.CXDUM(H.LSG);
                    if (L == H.LRL) C = C - CTMPRF * H.CXDUM(H.LSW);
                } else {
                    if (L == H.LSG) C = C - CTMPP * H.CXDUM(H.LPT);
                    if (L == H.LSW) C = C + CTMPR_ * H.CXDUM(H.LRL);
                }
            }
            Real amplitude = std::abs(C);
            if (!force && dof >= 4) amplitude = P.LENDEG == 1 ? amplitude * DEGRAD : amplitude / kw;
            r.AMP[2 * (k - 1)] = amplitude;
            r.AMP[2 * (k - 1) + 1] = PHASE(C);
        }
        r.SLPHTP = P.LSLPHT == 1 ? (P.SLPHT + P.SLPHT) / DEGRAD / kw : P.SLPHT * kw * DEGRAD / 2.0f;
        r.TENC = P.T(H.IW);
        if (P.VFWD != 0.0f) {
            const Real we = w - kw * VCOMP;
            r.finite_period = we != 0.0f;
            r.TENC = r.finite_period ? kTwoPi / we : 0.0f;
        }
        r.length = kTwoPi / kw;
        return r;
    }

    bool force = false;
    Int ncol = 0;
    Real VCOMP = 0.0f;

private:
    Complex CTMPP, CTMPR_, CTMPRF, CTMPPF;
};

// Column captions of a response table: the table caption and the two halves of a curve block's
// unit line.
struct ColumnCaption {
    std::string CDUM, FRSTHF, SCNDHF;
};

ColumnCaption column_caption(Int dof) {
    const bool metric = TPCM.NUNTS == 1;
    const bool rotation = dof >= 4;
    const bool per_length = TPCM.LENDEG == 1;
    ColumnCaption c;
    if (!rotation) {
        c = metric ? ColumnCaption{"( M./ M.)", "  M", "M  "} : ColumnCaption{"(FT./FT.)", " FT", "FT "};
    } else if (per_length) {
        c = metric ? ColumnCaption{"(DEG/ M.)", "DEG", "M  "} : ColumnCaption{"(DEG/FT.)", "DEG", "FT "};
    } else {
        c = ColumnCaption{"(DEG/DEG)", "DEG", "DEG"};
    }
    c.CDUM = fixed_len(c.CDUM, 15);
    return c;
}

}  // namespace

void HEADR2(bool& ROLINF) {
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    const Int U = P.IUNIT;
    const bool copy = P.IPLOTS == 1;
    PAGE(U, P.EDUNIT, 1, PRINTER_UNIT);
    both(kFrame, copy);
    both(kTitle, copy);
    both(kFrame, copy);

    std::string AMPUN = fixed_len(CAPUN(P.NUNTS + 2), 3);
    if (P.LSLPHT != 0) AMPUN = "DEG";
    Int LTEMP = P.LSLPHT;
    TOGGLE(LTEMP);
    const std::string wave = CAPUN(LTEMP + 10);
    const std::string speed = CAPUN(P.NUNTS + 2);

    both("", copy);
    both("", copy);
    both("     ----  REGULAR WAVE DATA:  WAVE HEADING" + blanks(8) + "=" + fmt_F(H.RAOANG(WAVCOM.IRAO), 6, 1) + " DEG",
         copy);
    both(blanks(31) + "WAVE " + fixed_len(wave, 7) + blanks(8) + "=" + fmt_F(P.SLPHT, 6, 1) + " " + AMPUN, copy);
    both(blanks(31) + "VESSEL SPEED        =" + fmt_F(P.VFWD, 6, 1) + " " + fixed_len(speed, 2) + "/SEC", copy);
    const Real direction = P.VFWD != 0.0f ? P.VGLDIR : 0.0f;
    write_record(U, blanks(31) + "DIRECTION OF MOTION =" + fmt_F(direction, 6, 1) + " DEG");
    if (H.LFRFLG == 0 && ROLINF && P.VESTYP == 1) {
        const Real GAMRQ = P.LRLDMP != 0 ? P.RLDAMP : 50.0f * H.GAMRLI;
        write_record(U, blanks(31) + "ROLL DAMPING        =" + fmt_F(GAMRQ, 6, 1) + " PERCENT");
    } else {
        write_record(U, "");
    }
    write_record(U, "");
    write_record(U, "");
}

void SCALEF() {
    const Tpcm& P = TPCM;
    const bool copy = P.IPLOTS == 1;
    const bool metric = P.NUNTS == 1;
    const std::string CDUM1 = fixed_len(metric ? "M.TON-METER/DEG" : "FT-KIPS/DEG", 15);
    const std::string CDUM2 = fixed_len(metric ? "M.TON/DEG" : "KIPS/DEG", 15);
    const std::string CDUM3 = fixed_len(metric ? "M.TON/METER" : "KIPS/FT", 15);
    both("", copy);
    both("", copy);
    both("     ----  REGULAR WAVE FORCE/TORQUE SCALE FACTORS  ----", copy);
    both("", copy);
    for (Int I = 1; I <= 6; ++I) {
        const std::string& CDUM4 = I <= 2 ? CDUM2 : (I == 3 ? CDUM3 : CDUM1);
        both(blanks(7) + fixed_len(DOF(I), 5) + " " + std::string(34, '.') + fmt_F(HIMEM.SCALE(I), 12, 1) + " " + CDUM4,
             copy);
    }
    write_record(P.IUNIT, "");
    write_record(P.IUNIT, "");
    write_record(P.IUNIT, std::string(" ++> Note: Moments evaluated about ") +
                              (P.LCGFLG == 1 ? "vessel center of gravity (VKG)" : "\"natural\" roll and pitch centers"));
}

void RUTIL() {
    Himem& H = HIMEM;
    Int NTOT = 0;
    H.NCOL = 0;
    bool ROLINF = TPCM.MOTION(4) == 1;
    for (Int I = 1; I <= 6; ++I) {
        if (TPCM.MOTION(I) == 0) continue;
        ++NTOT;
        ++H.NCOL;
        H.IDCLMN(H.NCOL) = I;
        if (NTOT == 3) {
            bool page_roll = I >= 4 && ROLINF;
            if (page_roll) ROLINF = false;
            RAOOUT(page_roll);
            H.NCOL = 0;
        }
    }
    if (NTOT != 0 && NTOT != 3) RAOOUT(ROLINF);
}

void RAOOUT(bool& ROLINF) {
    Tpcm& P = TPCM;
    Himem& H = HIMEM;
    const Int U = P.IUNIT;
    const bool lines = P.IPLOTS == 1;
    const std::string ENCNTR = P.VFWD != 0.0f ? "ENCOUNTER" : blanks(9);
    const std::string CTAB = "\t";
    const Table table;
    const bool force = table.force;
    std::vector<ColumnCaption> captions;
    for (Int k = 1; k <= table.ncol; ++k) captions.push_back(column_caption(H.IDCLMN(k)));
    std::string DEGLEN = "DEG";
    if (P.LSLPHT == 1) DEGLEN = fixed_len(CAPUN(P.NUNTS + 2), 3);

    do {
        HEADR2(ROLINF);
        both(blanks(29) + (force ? "+++  DIMENSIONLESS DRIVING FORCE/TORQUE RAOS  +++"
                                 : "+++  QUASI-LINEAR RESPONSE RAOS (S.A./S.A.)  +++"),
             lines);
        both("", lines);
        both("", lines);
        if (!force && P.AUXVSH != 0) {
            both(" >>> NOTE:  The following RAO data are USER-SUPPLIED", lines);
            both("", lines);
        }

        std::string H1 = " " + ENCNTR + blanks(24);
        std::vector<FmtItem> E1 = {ENCNTR, CTAB, CTAB, CTAB};
        for (Int k = 1; k <= table.ncol; ++k) {
            if (k > 1) H1 += blanks(9);
            H1 += DOF(H.IDCLMN(k));
            E1.insert(E1.end(), {FmtItem(DOF(H.IDCLMN(k))), CTAB, CTAB});
        }
        write_record(U, H1);
        if (lines) write_record(PLOT_UNIT, list_record(E1));

        if (!force) {
            std::string H2 = blanks(28);
            std::vector<FmtItem> E2 = {CTAB, CTAB, CTAB};
            for (const ColumnCaption& c : captions) {
                H2 += blanks(4) + c.CDUM.substr(0, 9) + blanks(4);
                E2.insert(E2.end(), {FmtItem(c.CDUM), CTAB, CTAB});
            }
            write_record(U, H2);
            if (lines) write_record(PLOT_UNIT, list_record(E2));
        }

        const std::string wave = CAPUN(P.LSLPHT + 10);
        write_record(U, "   WAVE     WAVE    WAVE");
        std::string H4 = "  PERIOD   LENGTH   " + fixed_len(wave, 6);
        std::vector<FmtItem> E4 = {"PERIOD", CTAB, "LENGTH", CTAB, wave, CTAB};
        for (Int k = 1; k <= table.ncol; ++k) {
            H4 += blanks(7) + "AM/PHASE" + blanks(2);
            E4.insert(E4.end(), {FmtItem("AM/PHASE"), CTAB, CTAB});
        }
        write_record(U, H4);
        if (lines) {
            write_record(PLOT_UNIT, list_record({"WAVE", CTAB, "WAVE", CTAB, "WAVE", CTAB}));
            write_record(PLOT_UNIT, list_record(E4));
        }
        const std::string length = CAPUN(P.NUNTS + 2);
        write_record(U, "  (SEC)" + blanks(5) + "(" + fixed_len(length, 2) + ")" + blanks(4) + "(" + DEGLEN + ")");
        if (lines) write_record(PLOT_UNIT, list_record({"(SEC)", CTAB, length, CTAB, DEGLEN}));
        write_record(U, "");
        write_record(U, "");

        for (H.IW = 1; H.IW <= P.NWP; ++H.IW) {
            const Row r = table.row();
            std::string R = "  " + period_field(r, 6, 2) + "  " + fmt_F(r.length, 7, 1) + "  " + fmt_F(r.SLPHTP, 6, 2);
            std::vector<FmtItem> E6 = {r.finite_period ? FmtItem(r.TENC) : FmtItem(std::string("Infinity")), CTAB,
                                       r.length, CTAB, r.SLPHTP, CTAB};
            for (Int k = 1; k <= table.ncol; ++k) {
                R += fmt_F(r.AMP[2 * (k - 1)], 10, 3) + "/" + fmt_F(r.AMP[2 * (k - 1) + 1], 6, 1);
                E6.insert(E6.end(), {FmtItem(r.AMP[2 * (k - 1)]), CTAB, FmtItem(r.AMP[2 * (k - 1) + 1]), CTAB});
            }
            write_record(U, R);
            if (lines) write_record(PLOT_UNIT, list_record(E6));
        }

        if (force) {
            SCALEF();
        } else {
            write_record(U, "");
            write_record(U, "");
            write_record(U, std::string(" >>> Note: Surge and sway RAOs evaluated at ") +
                                (P.LCGFLG == 1 ? "vessel center of gravity (VKG)" : "\"natural\" pitch and roll centers"));
        }

        P.LBACK = 0;
        if (U == P.EDUNIT) PRSRET(P.EDUNIT, KBD_UNIT, P.LBACK);
    } while (P.LBACK < 0);

    if (P.IPLOTS != 2) return;
    // The curve blocks, once after the last pass: only the first block of the file carries the
    // periods.
    for (Int k = 1; k <= table.ncol; ++k) {
        write_record(PLOT_UNIT, fmt_I(H.NCURV, 5));
        write_record(PLOT_UNIT, fixed_len("ENCOUNTER PERIOD IN SECONDS", 30));
        const ColumnCaption& c = captions[static_cast<std::size_t>(k - 1)];
        write_record(PLOT_UNIT, force ? "DIMENSIONLESS RAO" : c.FRSTHF + " PER " + c.SCNDHF);
        write_record(PLOT_UNIT, std::string(force ? "FORCE/TORQUE RAO (S.A./S.A.) FOR WAVE HEADING"
                                                  : "RESPONSE RAO (S.A./S.A.) FOR WAVE HEADING") +
                                    fmt_F(H.RAOANG(WAVCOM.IRAO), 8, 2) + " DEGREES");
        write_record(PLOT_UNIT, fmt_I(P.NWP, 5));
        write_record(PLOT_UNIT, fmt_I(H.IXFLAG, 5));
        if (H.IXFLAG != 0) {
            for (H.IW = 1; H.IW <= P.NWP; ++H.IW) write_record(PLOT_UNIT, period_field(table.row(), 8, 2));
            H.IXFLAG = 0;
        }
        for (H.IW = 1; H.IW <= P.NWP; ++H.IW) write_record(PLOT_UNIT, fmt_F(table.row().AMP[2 * (k - 1)], 8, 2));
        write_record(PLOT_UNIT, DOF(H.IDCLMN(k)));
    }
}

}  // namespace brevant
