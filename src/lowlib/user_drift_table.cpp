// The user drift coefficient table: reading the file, keeping it for the run, and the bilinear
// lookup with its once-per-run warning for frequencies outside the table.
#include "lowlib/user_drift_table.h"

#include <memory>
#include <string>

#include "numeric/angles.h"
#include "numeric/table_search.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

DrftcbTable DRFTCB_TABLE{};

namespace {

// The sizes and values of the table: all zero.
void clear_table(DrftcbTable& t) {
    t.NFREQ = 0;
    t.NAZ = 0;
    t.ANGARR.fill(0.0f);
    t.WARRAY.fill(0.0f);
    t.COF.fill(0.0f);
}

}  // namespace

void reset_drftcb() {
    DrftcbTable& t = DRFTCB_TABLE;
    t.FRSTIM = 1;
    t.LASTFILE = FixedText<13>("========     ");
    t.WARN1 = 0;
    t.IERR = 0;
    clear_table(t);
}

namespace {

// The start of the run: the kept table as reset_drftcb leaves it.
const bool drftcb_started = (reset_drftcb(), true);

const char* const kCaption = "DRFTCB";

// Reads the table of FILE into T: the sizes NFREQ and NAZ (as reals, truncated: 2 to 121 frequencies
// and 2 to 145 headings), then per heading block the heading (stored in radians) and a record of
// frequency, Cx, Cy, Cz per frequency; the headings and the first block's frequencies rise or fall
// (equal neighbours are taken: the bilinear look-up holds the lower entry across an interval of no
// width). The file is left open. False when it cannot be read whole (the outcome of FILE says why).
bool read_drift_rows(UserTableFile& file, DrftcbTable& t, Int& NFREQ, Int& NAZ) {
    if (!file.open()) return false;
    // The sizes come as reals and are truncated (clamped first: a huge value is no integer).
    Real XNFREQ = 0.0f;
    Real XNAZ = 0.0f;
    if (!file.read_record({ListTarget::of(XNFREQ), ListTarget::of(XNAZ)})) return false;
    NFREQ = clamp_to_int(static_cast<double>(XNFREQ));
    NAZ = clamp_to_int(static_cast<double>(XNAZ));
    // An oversize table is refused first, with its message of both sizes. The interpolation needs a
    // pair of frequencies and a pair of headings: less is no table.
    constexpr Int kAnySize = -2147483647 - 1;
    if (!file.check_count(NFREQ, kAnySize, kDriftTableFrequencies, "frequencies") ||
        !file.check_count(NAZ, kAnySize, kDriftTableHeadings, "headings") ||
        !file.check_count(NFREQ, 2, kDriftTableFrequencies, "frequencies") ||
        !file.check_count(NAZ, 2, kDriftTableHeadings, "headings"))
        return false;

    for (Int IANG = 1; IANG <= NAZ; ++IANG) {
        Real ANGTMP = 0.0f;
        if (!file.read_record({ListTarget::of(ANGTMP)})) return false;
        t.ANGARR(IANG) = ANGTMP / 57.295776f;
        if (!file.check_order(IANG < 2 || keeps_order(t.ANGARR.data(), IANG), "headings")) return false;
        for (Int IW = 1; IW <= NFREQ; ++IW) {
            // Every block repeats the frequencies; only the first block's are kept.
            Real WFREQ = 0.0f;
            if (!file.read_record({ListTarget::of(WFREQ), ListTarget::of(t.CFX(IW, IANG)),
                                   ListTarget::of(t.CFY(IW, IANG)), ListTarget::of(t.CMZ(IW, IANG))}))
                return false;
            if (IANG == 1) {
                t.WARRAY(IW) = WFREQ;
                if (!file.check_order(IW < 2 || keeps_order(t.WARRAY.data(), IW), "frequencies"))
                    return false;
            }
        }
    }
    return true;
}

void read_drift_table(const FixedText<13>& USERDAT, Int IOOUT, Int IOIN) {
    DrftcbTable& t = DRFTCB_TABLE;
    // The table of the file read before goes: a short record ended by a slash leaves zeros, never
    // another file's values.
    clear_table(t);

    const std::string name = USERDAT.str();
    UserTableFile file(name, kCaption, IOOUT, IOIN);
    Int NFREQ = 0;
    Int NAZ = 0;
    const bool whole = read_drift_rows(file, t, NFREQ, NAZ);
    t.IERR = file.outcome().fault == TableFault::Missing ? 1 : 0;
    if (t.IERR != 0) {
        write_record(IOOUT, "");
        write_record(IOOUT, " ++>  User-supplied drift force coefficients \"" + name + "\" not found.");
        write_record(IOOUT, "");
        Int LBACK = 0;
        PRSRET(IOOUT, IOIN, LBACK);
        stop_program(1);
    }
    if (!whole)
        file.refuse([IOOUT, NFREQ, NAZ](Int) {
            write_record(IOOUT, "");
            write_record(IOOUT, " ++>  User-supplied drift force coefficient array ");
            write_record(IOOUT, "      dimensions = [" + fmt_I(NFREQ, 3) + "," + fmt_I(NAZ, 3) +
                                    "] out of range; allowable");
            write_record(IOOUT, "      dimensions = [" + fmt_I(kDriftTableFrequencies, 3) + "," +
                                    fmt_I(kDriftTableHeadings, 3) + "]");
        });
    file.close();
    t.NFREQ = NFREQ;
    t.NAZ = NAZ;
    // Only a table read to its end counts as read.
    t.FRSTIM = 0;
    t.LASTFILE = USERDAT;
}

}  // namespace

TableOutcome read_drift_file(std::string_view NAME, Int IOOUT) {
    const auto scratch = std::make_unique<DrftcbTable>();
    UserTableFile file(NAME, kCaption, IOOUT, KBD_UNIT);
    Int NFREQ = 0;
    Int NAZ = 0;
    read_drift_rows(file, *scratch, NFREQ, NAZ);
    return file.close_check();
}

void INTRP4(const Real* COFARR, const Real* WARRAY, const Real* ANGARR, Real WVAL, Real AVAL, Real& OUTVAL, Int MINW,
            Int MINA, Int /*NFREQ*/, Int /*NAZ*/) {
    constexpr Int MAXW = kDriftTableFrequencies;
    auto C = [&](Int i, Int j) { return COFARR[(i - 1) + MAXW * (j - 1)]; };
    // Two equal neighbours (a repeated heading or frequency) give no slope: the lower entry holds.
    const Real dA = ANGARR[MINA] - ANGARR[MINA - 1];
    const Real FACINC = dA != 0.0f ? (AVAL - ANGARR[MINA - 1]) / dA : 0.0f;
    const Real YWMIN = C(MINW, MINA) + (C(MINW, MINA + 1) - C(MINW, MINA)) * FACINC;
    const Real YWMAX = C(MINW + 1, MINA) + (C(MINW + 1, MINA + 1) - C(MINW + 1, MINA)) * FACINC;
    const Real dW = WARRAY[MINW] - WARRAY[MINW - 1];
    const Real FACW = dW != 0.0f ? (WVAL - WARRAY[MINW - 1]) / dW : 0.0f;
    OUTVAL = YWMIN + (YWMAX - YWMIN) * FACW;
}

Real DRFTCB(Real WCOMOV, Int LCOMP, Real ANGLE, Int IOOUT, Int IOIN, std::string_view USERDAT) {
    DrftcbTable& t = DRFTCB_TABLE;
    const FixedText<13> name(USERDAT);
    if (t.FRSTIM == 1 || !(t.LASTFILE == name)) read_drift_table(name, IOOUT, IOIN);

    const Real ANGTMP = REDRAD(ANGLE + 3.1415927f);
    Int IERA = 0;
    Int MINA = 1;
    Int IERW = 0;
    Int MINW = 1;
    BSRCH(t.ANGARR.data(), ANGTMP, IERA, MINA, t.NAZ);
    BSRCH(t.WARRAY.data(), WCOMOV, IERW, MINW, t.NFREQ);

    if ((IERW == 1 || IERW == 2) && t.WARN1 == 0) {
        write_record(IOOUT, "");
        write_record(IOOUT, " ++> Warning: Frequency outside user-supplied drift coefficient");
        write_record(IOOUT, "     range; \"continue\" to extrapolate outside available range.");
        Int LBACK = 0;
        ABORT0(IOOUT, IOIN, LBACK);
        // Nobody can agree to the extrapolation in a silent run: it ends there.
        if (LBACK < 0 || IOOUT == SILENT_UNIT) stop_program(1);
        t.WARN1 = 1;
    }

    // A component the table does not hold has no coefficient (no read beyond the table).
    if (LCOMP < 1 || LCOMP > 3) return 0.0f;
    Real OUTVAL = 0.0f;
    INTRP4(&t.COF(1, 1, LCOMP), t.WARRAY.data(), t.ANGARR.data(), WCOMOV, ANGTMP, OUTVAL, MINW, MINA, t.NFREQ, t.NAZ);
    return OUTVAL;
}

}  // namespace brevant
