// Stiffness of a mooring line along its fairlead direction, from the statics tables.
#include "mooring/morlib/oblique_stiffness.h"

#include <cmath>
#include <string_view>

#include "mooring/catlib/line_spans.h"
#include "mooring/catlib/vertical_lines.h"
#include "numeric/layered_tables.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// Kept for the whole run (see reset_foblq).
struct FoblqState {
    Int FRSTIM = 1;  // the out-of-span warning is still to be given
    Int KFIRST = 1;  // the KCAT/KCATO warning is still wanted
    Int LSTLN = 0;   // the line of the last KCAT/KCATO warning
    Int KFRSTP = 1;  // the singular-KCATO warning is still to be given
    Int SGFRST = 1;  // the singular-SIGCQ warning is still wanted
};
FoblqState foblq_state;

// The infinitely stiff catenary.
constexpr Real KCAT_RIGID = 1.23e23f;
// Rounds of 100 step doublings after which the search gives up.
constexpr Int MAX_STEP_ROUNDS = 10;

// "A" to a question ends the run.
void stop_on_abort(Int LBACK) {
    if (LBACK == -1) stop_program(1);
}

void ask_abort0(Int IOSCRN, Int KBD) {
    TPCM.LBACK = 0;
    ABORT0(IOSCRN, KBD, TPCM.LBACK);
    stop_on_abort(TPCM.LBACK);
}

void write_step_overflow(Int IOSCRN) {
    write_record(IOSCRN, "");
    write_record(IOSCRN, " ++> Warning: DO-loop overflow in FOBLQ (label 49).");
    write_record(IOSCRN, "");
}

// The offer of 99 that follows a warning that may be silenced, then ABORT3: 1 to keep warning, 0 to
// stop warning for the run. On the silent unit the answer counts as 99.
Int ask_with_silence(Int IOSCRN, Int KBD) {
    if (IOSCRN == SILENT_UNIT) {
        write_record(IOSCRN, "");
        return 0;
    }
    write_record(IOSCRN, "              Enter 99 to ignore additional ocurrences of this condition OR...");
    write_record(IOSCRN, "");
    TPCM.LBACK = 0;
    ABORT3(IOSCRN, KBD, TPCM.LBACK);
    stop_on_abort(TPCM.LBACK);
    return TPCM.LBACK == 99 ? 0 : 1;
}

void write_singular(Int IOSCRN, std::string_view name, Int ILINE) {
    write_record(IOSCRN, "");
    Record r;
    r.put(" ++> Warning: Singular ").put(name).put(" in line").I(ILINE, 3).put("; routine FOBLQ.");
    write_record(IOSCRN, r.str());
}

// Pass 1: the smallest step 0.01 2^k whose expected tension change KEFF e exceeds 1 % of F0.
Real step_search(Real F0, Real KEFF, Int IOSCRN, Int KBD) {
    if (!(F0 > 0.0f) || !(KEFF > 0.0f)) {
        // The test can never pass: no number of rounds would end the search.
        write_step_overflow(IOSCRN);
        stop_program(1);
    }
    Real e = 0.01f;
    for (Int round = 1;; ++round) {
        for (Int k = 1; k <= 100; ++k) {
            if (KEFF * e / F0 > 0.01f) return e;
            e = e * 2.0f;
        }
        write_step_overflow(IOSCRN);
        if (round >= MAX_STEP_ROUNDS) stop_program(1);
        ask_abort0(IOSCRN, KBD);
    }
}

}  // namespace

void reset_foblq() { foblq_state = FoblqState{}; }

void FOBLQ(Int ILINE, Int ITYP, Real RANCQ, Real EXTNSN, Real KCAT, Real KELAS, const LineTable& ANCDST,
           const LineTable& TOPANG, const LineTable& TOPTEN, const FArray<Real, 150>& TOTWT,
           const FArray<Real, 150>& ANCHGT, const FArray<Real, 90>& HLOAD, const FArray<Real, 3, 150>& RFLD,
           Int MIDLYR, Real DLAYER, Int NLAYER, Int NTAB, Real ZSPAN, Real /*XMCTR*/, Real /*YMCTR*/, Real ZMCTR,
           Int IOSCRN, Int KBD, Real& RFORCE, Real& FGZTMP, Real& KSTATN, Real FXCOMP, Real FZCOMP, Real& KCATO,
           Real& SIGCP, Real& SIGCM, Real& YCATP, Real& YCATM) {
    FoblqState& S = foblq_state;
    Int LSTLN2 = 0;

    // Reference state: the tension at the mean position, in the mean layer.
    Int IER = 0, MIN = 1;
    BSRCH(&ANCDST(1, MIDLYR, ITYP), RANCQ, IER, MIN, NTAB);
    Real F0 = 0.0f;
    INTERP(&ANCDST(1, MIDLYR, ITYP), &TOPTEN(1, MIDLYR, ITYP), RANCQ, F0, MIN);
    const Real KEFF = 1.0f / (1.0f / KCAT + 1.0f / KELAS);

    for (Int pass = 1; pass <= 3; ++pass) {
        bool ELASFL = false;
        Real e = 0.0f;
        if (pass == 1)
            e = step_search(F0, KEFF, IOSCRN, KBD);
        else
            e = pass == 2 ? EXTNSN : -EXTNSN;

        const Real dx = FXCOMP * e;
        const Real dz = FZCOMP * e;

        Int ILAYER = 1, OUTWRN = 0;
        Real DELLAY = 0.0f;
        SETLYR(NLAYER, MIDLYR, DLAYER, ZSPAN, dz, ILAYER, DELLAY, OUTWRN);
        if (OUTWRN == 1 && S.FRSTIM == 1) {
            S.FRSTIM = 0;
            write_record(IOSCRN, "");
            Record r1;
            r1.put(" ++> Warning: A vertical translation of amount ").F(dz, 6, 2).put(" has carried");
            write_record(IOSCRN, r1.str());
            Record r2;
            r2.put("     fairlead number ").I(ILINE, 2).put(" (and possibly others)").put(" outside the bounds of the");
            write_record(IOSCRN, r2.str());
            write_record(IOSCRN, "     specified vertical interpolation span in FOBLQ.");
            write_record(IOSCRN, "     Consider increasing the span before continuing simulation.");
            write_record(IOSCRN, "");
            ask_abort0(IOSCRN, KBD);
        }

        // The displaced line from the tables blended between the two layers around its height; the
        // search codes are not examined, so a distance beyond the table extrapolates its end interval.
        const Real r = RANCQ + dx;
        const Real* dist = &ANCDST(1, ILAYER, ITYP);
        BSRCHQ(dist, DELLAY, r, IER, MIN, NTAB);
        INTRPR(dist, &HLOAD(1), r, RFORCE, MIN, DELLAY);
        Real F = 0.0f;
        if (RFORCE > 0.0f) {
            Real a = 0.0f;
            INTRPQ(dist, &TOPTEN(1, ILAYER, ITYP), r, F, MIN, DELLAY);
            INTRPQ(dist, &TOPANG(1, ILAYER, ITYP), r, a, MIN, DELLAY);
            FGZTMP = -RFORCE * std::tan(a);
        } else {
            // No horizontal tension: the line hangs straight down. The span is measured from the line
            // type's column of RFLD and the moment centre's height, as this stiffness has always been.
            RFORCE = 0.0f;
            const Real h = RFLD(3, ITYP) - ZMCTR + ANCHGT(ITYP) + dz;
            Int VRTFLG = 0;
            Real anc = 0.0f, a = 0.0f, botlen = 0.0f, botang = 0.0f;
            VRTLIN(h, ITYP, VRTFLG, TOTWT(ITYP), anc, a, F, botlen, botang);
            FGZTMP = a >= 0.0f ? -std::fabs(F) : std::fabs(F);
            if (std::fabs(anc - botlen) > 1e-5f) {
                write_record(IOSCRN, "Bottom length mismatch in FOBLQ:VRTLIN");
                ask_abort0(IOSCRN, KBD);
            }
        }

        // Split of the displacement into elastic stretch and catenary displacement.
        const Real dF = F - F0;
        Real y = 0.0f;
        if (KCAT == KCAT_RIGID || std::fabs(KELAS * e) <= std::fabs(dF))
            ELASFL = true;
        else
            y = e - dF / KELAS;

        if (pass == 1) {
            KCATO = ELASFL ? KCAT : dF / y;
            KSTATN = dF / e;
            if (S.KFIRST == 1 && S.LSTLN != ILINE && std::fabs(KCAT - KCATO) / KCAT > 0.5f) {
                write_record(IOSCRN, "");
                Record r1;
                r1.put(" ++> Warning: KCAT, KCATO differ in FOBLQ for line #").I(ILINE, 3);
                write_record(IOSCRN, r1.str());
                S.LSTLN = ILINE;
                S.KFIRST = ask_with_silence(IOSCRN, KBD);
            }
            if (S.KFRSTP == 1 && KCATO <= 0.0f) {
                S.KFRSTP = 0;
                write_singular(IOSCRN, "KCATO", ILINE);
                if (IOSCRN == SILENT_UNIT) {
                    write_record(IOSCRN, "");
                } else {
                    write_record(IOSCRN, "              Enter 99 to ignore additional ocurrences of this condition OR...");
                    write_record(IOSCRN, "");
                    ask_abort0(IOSCRN, KBD);
                }
            }
            continue;
        }

        // dF = KCATO y + s y^2 with e = y + dF / KELAS.
        Real s = 0.0f, f1 = dF, f2 = 0.0f;
        if (!ELASFL) {
            s = (dF * (KCATO / KELAS + 1.0f) - KCATO * e) / (y * y);
            f1 = KCAT * y;
            f2 = s * y * y;
        }
        const Real q = f1 != 0.0f ? f2 / f1 : 0.0f;
        if (pass == 2) {
            SIGCP = s;
            YCATP = y;
        } else {
            SIGCM = s;
            YCATM = y;
        }
        if (LSTLN2 != ILINE && s < 0.0f && std::fabs(q) > 0.5f && std::fabs(dF / F0) > 0.5f && S.SGFRST == 1) {
            LSTLN2 = ILINE;
            write_singular(IOSCRN, "SIGCQ", ILINE);
            S.SGFRST = ask_with_silence(IOSCRN, KBD);
        }
    }
}

}  // namespace brevant
