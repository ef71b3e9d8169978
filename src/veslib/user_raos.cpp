// The user RAO table: file choice, load with its count and spacing checks, bilinear interpolation
// with the one-time range warning, unit RAOs for a missing file, and the slope and lever-arm
// transforms that every RAO passes.
#include "veslib/user_raos.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "numeric/table_search.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/free_read.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/units.h"
#include "sysutl/user_table.h"

namespace brevant {

namespace {

constexpr std::size_t kSlice = static_cast<std::size_t>(kUserRaoFrequencies) * kUserRaoHeadings;

// What is kept between calls. CURAO(IW, IANG, d) sits at (IW-1) + 121 (IANG-1) + 121 x 145 (d-1).
struct UserRaoTable {
    FixedText<13> LASTFILE{"========"};
    Logical FRSTIM = 1;
    Int IERR = 0;
    Int NFREQ = 0;
    Int NAZ = 0;
    FArray<Real, kUserRaoFrequencies> WARRAY{};
    FArray<Real, kUserRaoHeadings> DEGARR{};
    std::vector<Complex> CURAO = std::vector<Complex>(kSlice * 6);
    Int WARN1 = 0;
};

UserRaoTable& kept() {
    static UserRaoTable t;
    return t;
}

// One table as the file gives it, before it is kept. CURAO's layout: (IW-1) + 121 (IANG-1) +
// 121 x 145 (d-1).
struct RaoRows {
    Int NFREQ = 0;
    Int NAZ = 0;
    std::vector<Real> w;
    std::vector<Real> deg;
    std::vector<Complex> raos;
};

// Reads the table of FILE into T: the counts NFREQ (2 to 121) and NAZ (2 to 145), then per heading
// block its heading and NFREQ records of a frequency and the six RAOs as real and imaginary parts.
// The headings, and the frequencies of each block, keep their order; a value given twice is read as
// written, except at an end of the table, where the look-up (which extrapolates beyond both ends)
// would pick the interval of no width and divide by it.
// False when the file cannot be read whole (the outcome of FILE says why).
bool read_rao_rows(UserTableFile& file, RaoRows& t) {
    if (!file.open()) return false;
    if (!file.read_record({ListTarget::of(t.NFREQ), ListTarget::of(t.NAZ)})) return false;
    // The size limits first, as the run has always told them; then the two values of each
    // direction that the bracketing pair of the interpolation needs.
    constexpr Int kNoLowerLimit = -2147483647 - 1;
    if (!file.check_count(t.NFREQ, kNoLowerLimit, kUserRaoFrequencies, "frequencies") ||
        !file.check_count(t.NAZ, kNoLowerLimit, kUserRaoHeadings, "headings") ||
        !file.check_count(t.NFREQ, 2, kUserRaoFrequencies, "frequencies") ||
        !file.check_count(t.NAZ, 2, kUserRaoHeadings, "headings"))
        return false;
    t.w.assign(static_cast<std::size_t>(t.NFREQ), 0.0f);
    t.deg.assign(static_cast<std::size_t>(t.NAZ), 0.0f);
    t.raos.assign(kSlice * 6, Complex(0.0f, 0.0f));
    Int heading_lines[2] = {0, 0};    // the lines of the second and of the last heading
    Int frequency_lines[2] = {0, 0};  // the lines of the second and of the last frequency of the last block
    for (Int IANG = 1; IANG <= t.NAZ; ++IANG) {
        if (!file.read_record({ListTarget::of(t.deg[IANG - 1])})) return false;
        if (!file.check_order(IANG < 2 || keeps_order(t.deg.data(), IANG), "headings")) return false;
        if (IANG == 2) heading_lines[0] = file.lines();
        heading_lines[1] = file.lines();
        // The frequencies are read again in every block; the last block's are kept.
        for (Int IW = 1; IW <= t.NFREQ; ++IW) {
            Real v[12] = {};
            std::vector<ListTarget> list{ListTarget::of(t.w[IW - 1])};
            for (Real& x : v) list.push_back(ListTarget::of(x));
            if (!file.read_record(list)) return false;
            if (!file.check_order(IW < 2 || keeps_order(t.w.data(), IW), "frequencies")) return false;
            if (IW == 2) frequency_lines[0] = file.lines();
            frequency_lines[1] = file.lines();
            for (int d = 0; d < 6; ++d)
                t.raos[static_cast<std::size_t>(IW - 1) + kUserRaoFrequencies * static_cast<std::size_t>(IANG - 1) +
                       kSlice * static_cast<std::size_t>(d)] = Complex(v[2 * d], v[2 * d + 1]);
        }
    }
    constexpr Real kAny = std::numeric_limits<Real>::infinity();
    const Int heading_picked = empty_interval_picked(t.deg.data(), t.NAZ, -kAny, kAny);
    if (!file.check_interval(heading_picked != 0, heading_lines[heading_picked == 1 ? 0 : 1], "headings")) return false;
    const Int frequency_picked = empty_interval_picked(t.w.data(), t.NFREQ, -kAny, kAny);
    if (!file.check_interval(frequency_picked != 0, frequency_lines[frequency_picked == 1 ? 0 : 1], "frequencies"))
        return false;
    file.close();
    return true;
}

// Reads the table of DATFIL into the kept table. False (nothing kept) when the file cannot be
// opened: the caller goes on with unit RAOs. A table that cannot be read whole ends the run: an
// oversize count with the dimension message and a pause, anything else with the file-error report.
// The next call (in a process that goes on, as tests do) reads again.
bool read_table(const FixedText<13>& DATFIL) {
    UserRaoTable& t = kept();
    UserTableFile file(DATFIL.view(), "USRRAO", TPCM.EDUNIT, KBD_UNIT, kUserRaoUnit);
    RaoRows rows;
    if (read_rao_rows(file, rows)) {
        t.NFREQ = rows.NFREQ;
        t.NAZ = rows.NAZ;
        for (Int i = 1; i <= rows.NFREQ; ++i) t.WARRAY(i) = rows.w[static_cast<std::size_t>(i - 1)];
        for (Int i = 1; i <= rows.NAZ; ++i) t.DEGARR(i) = rows.deg[static_cast<std::size_t>(i - 1)];
        t.CURAO.swap(rows.raos);
        return true;
    }
    if (file.outcome().fault == TableFault::Missing) return false;
    t.FRSTIM = 1;
    const Int EDUNIT = TPCM.EDUNIT;
    file.refuse([EDUNIT, &rows](Int) {
        write_record(EDUNIT, "");
        write_record(EDUNIT, " ++>  User-supplied RAO array dimensions = [" + fmt_I(rows.NFREQ, 3) + "," +
                                 fmt_I(rows.NAZ, 3) + "] out of range;");
        write_record(EDUNIT, "      maximum allowable array dimensions = [" + fmt_I(kUserRaoFrequencies, 3) + "," +
                                 fmt_I(kUserRaoHeadings, 3) + "]");
        write_record(EDUNIT, "");
    });
}

}  // namespace

void USRDATSEL(Int CREATR, Int ISPM, FixedText<13>& USRDAT) {
    if (CREATR == 13)
        USRDAT = ISPM == 2 ? "UBUOYRAO.txt" : "UTANKRAO.txt";
    else if (CREATR == 10)
        USRDAT = ISPM == 2 ? "UTUGSRAO.txt" : "UBARGRAO.txt";
    else
        USRDAT = "USERRAOS.txt";
}

void CINTRP4(const Complex* CPLXAR, const Real* WARRAY, const Real* ANGARR, Real WVAL, Real AVAL, Complex& CXOUT,
             Int MINW, Int MINA, Int /*NFREQ*/, Int /*NAZ*/) {
    const auto at = [CPLXAR](Int i, Int j) {
        return CPLXAR[static_cast<std::size_t>(i - 1) + kUserRaoFrequencies * static_cast<std::size_t>(j - 1)];
    };
    const Int MAXW = MINW + 1;
    const Int MAXA = MINA + 1;
    const Real FA = (AVAL - ANGARR[MINA - 1]) / (ANGARR[MAXA - 1] - ANGARR[MINA - 1]);
    const Complex CYWMIN = at(MINW, MINA) + FA * (at(MINW, MAXA) - at(MINW, MINA));
    const Complex CYWMAX = at(MAXW, MINA) + FA * (at(MAXW, MAXA) - at(MAXW, MINA));
    const Real FW = (WVAL - WARRAY[MINW - 1]) / (WARRAY[MAXW - 1] - WARRAY[MINW - 1]);
    CXOUT = CYWMIN + FW * (CYWMAX - CYWMIN);
}

void UNITRAO(Real /*FREQ*/, Real /*WVANGL*/, Complex& SGRAO, Complex& SWRAO, Complex& HVRAO, Complex& PTRAO,
             Complex& RLRAO, Complex& YWRAO) {
    const Complex c(0.5f, 0.8660254f);
    SGRAO = Complex(0.70710677f, 0.70710677f);
    SWRAO = c * SGRAO;
    HVRAO = c * SWRAO;
    RLRAO = c * HVRAO;
    PTRAO = c * RLRAO;
    YWRAO = c * PTRAO;
}

void USRRAO(const FixedText<13>& DATFIL) {
    UserRaoTable& t = kept();
    Himem& H = HIMEM;
    const Int EDUNIT = TPCM.EDUNIT;

    if (!(DATFIL == t.LASTFILE) || t.FRSTIM != 0) {
        t.FRSTIM = 0;
        t.LASTFILE = DATFIL;
        t.IERR = read_table(DATFIL) ? 0 : 1;
        if (t.IERR != 0) {
            write_record(EDUNIT, "");
            write_record(EDUNIT, " ++> Warning: User-supplied vessel RAOs \"" + DATFIL.str() + "\" not found;");
            write_record(EDUNIT, "     Dimensionless RAOs will default to unity.");
            write_record(EDUNIT, "");
            ABORT0(EDUNIT, KBD_UNIT, TPCM.LBACK);
            if (TPCM.LBACK < 0 || EDUNIT == SILENT_UNIT) stop_program(1);
        }
    }

    const Real DEGTMP = H.RAOANG(WAVCOM.IRAO);
    const Real VTCRP = H.VTCRP;
    const Real VTCRR = H.VTCRR;
    const Real VKG = TPCM.VKG;
    for (H.IW = 1; H.IW <= TPCM.NWP; ++H.IW) {
        INDXUP();
        const Int IW = H.IW;
        const Real omega = H.RLDUM(H.LW);
        const Real k = H.RLDUM(H.LWK);
        if (t.IERR == 0) {
            Int IERA = 0;
            Int MINA = 1;
            BSRCH(t.DEGARR.data(), DEGTMP, IERA, MINA, t.NAZ);
            Int IERW = 0;
            Int MINW = 1;
            BSRCH(t.WARRAY.data(), omega, IERW, MINW, t.NFREQ);
            if ((IERW == 1 || IERW == 2) && t.WARN1 == 0) {
                write_record(EDUNIT, "");
                write_record(EDUNIT, " ++> Warning: Frequency outside user-supplied RAO range;");
                write_record(EDUNIT, "     \"continue\" to extrapolate outside available range.");
                ABORT0(EDUNIT, KBD_UNIT, TPCM.LBACK);
                if (TPCM.LBACK < 0 || EDUNIT == SILENT_UNIT) stop_program(1);
                t.WARN1 = 1;
            }
            for (int d = 1; d <= 6; ++d) {
                Complex CTMP;
                CINTRP4(t.CURAO.data() + kSlice * static_cast<std::size_t>(d - 1), t.WARRAY.data(), t.DEGARR.data(),
                        omega, DEGTMP, CTMP, MINW, MINA, t.NFREQ, t.NAZ);
                H.SEARAO(IW, d) = CTMP;
            }
        } else {
            UNITRAO(omega, DEGTMP, H.SGRAO(IW), H.SWRAO(IW), H.HVRAO(IW), H.PTRAO(IW), H.RLRAO(IW), H.YWRAO(IW));
        }
        // Rotations per unit wave slope become rotations per unit wave amplitude.
        H.PTRAO(IW) *= k;
        H.RLRAO(IW) *= k;
        H.YWRAO(IW) *= k;
        // Translations move from the centre of gravity to the centres of rotation.
        H.SGRAO(IW) += (VTCRP - VKG) * H.PTRAO(IW);
        H.SWRAO(IW) -= (VTCRR - VKG) * H.RLRAO(IW);
    }
}

TableOutcome read_user_rao_file(std::string_view NAME, Int IOOUT) {
    UserTableFile file(NAME, "USRRAO", IOOUT, KBD_UNIT, kUserRaoUnit);
    RaoRows scratch;
    read_rao_rows(file, scratch);
    return file.close_check();
}

void reset_usrrao() {
    UserRaoTable& t = kept();
    t.LASTFILE = "========";
    t.FRSTIM = 1;
    t.IERR = 0;
    t.NFREQ = 0;
    t.NAZ = 0;
    t.WARRAY.fill(0.0f);
    t.DEGARR.fill(0.0f);
    std::fill(t.CURAO.begin(), t.CURAO.end(), Complex(0.0f, 0.0f));
    t.WARN1 = 0;
}

}  // namespace brevant
