// The user wave spectrum table: load with its count and spacing checks, the one-time range
// warning, and straight-line interpolation.
#include "veslib/user_wave_spectrum.h"

#include <string>
#include <vector>

#include "numeric/table_search.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/free_read.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// What is kept between calls.
struct UserSpectrum {
    Logical FRSTIM = 1;
    FixedText<13> LASTFILE{"========"};
    Int NFREQ = 0;
    FArray<Real, kMaxUserSpectrumPoints> WARRAY{};
    FArray<Real, kMaxUserSpectrumPoints> WSPEC{};
    Logical WARN1 = 0;
};

UserSpectrum& kept() {
    static UserSpectrum s;
    return s;
}

// An integer as written in the dimension message: its digits, no padding.
std::string digits(Int n) {
    std::string s = fmt_I(n, 11);
    return s.substr(s.find_first_not_of(' '));
}

// A table that cannot be read or used: the file-error report, which ends the run.
[[noreturn]] void refuse(const FixedText<13>& USERDAT, Int IOOUT, Int IOIN) {
    close_unit(kUserSpectrumUnit);
    FILERR(USERDAT.view(), "UWVSPC", IOOUT, IOIN);
}

// Reads the table of USERDAT into the kept arrays; counts and spacing are checked before anything
// is stored, so a refused file leaves the old table (and its name) in place.
void load(const FixedText<13>& USERDAT, Int IOOUT, Int IOIN) {
    UserSpectrum& k = kept();
    const std::string name = USERDAT.trimmed();
    close_unit(kUserSpectrumUnit);
    if (!open_unit(kUserSpectrumUnit, name, UnitMode::Read)) {
        write_record(IOOUT, std::string(" ++>  User-supplied wave spectrum file \"") + USERDAT.str() + "\" not found");
        Int LBACK = 0;
        ABORT0(IOOUT, IOIN, LBACK);
        stop_program(1);
    }

    Int NFREQ = 0;
    if (!read_free(kUserSpectrumUnit, {ListTarget::of(NFREQ)})) refuse(USERDAT, IOOUT, IOIN);
    if (NFREQ > kMaxUserSpectrumPoints) {
        close_unit(kUserSpectrumUnit);
        write_record(IOOUT, " ++>  User-supplied wave spectral array in " + USERDAT.str());
        write_record(IOOUT, "      dimension = [" + digits(NFREQ) + "] out of range; allowable");
        write_record(IOOUT, "      dimension = [" + digits(kMaxUserSpectrumPoints) + "]");
        Int LBACK = 0;
        PRSRET(IOOUT, IOIN, LBACK);
        stop_program(1);
    }
    // Interpolation needs two points: a shorter table is unreadable like a damaged file.
    if (NFREQ < 2) refuse(USERDAT, IOOUT, IOIN);
    std::vector<Real> w(static_cast<std::size_t>(NFREQ));
    std::vector<Real> s(static_cast<std::size_t>(NFREQ));
    for (Int i = 0; i < NFREQ; ++i) {
        if (!read_free(kUserSpectrumUnit, {ListTarget::of(w[i]), ListTarget::of(s[i])})) refuse(USERDAT, IOOUT, IOIN);
        // Equal neighbouring frequencies would make an interval of zero width to divide by.
        if (i > 0 && w[i] == w[i - 1]) refuse(USERDAT, IOOUT, IOIN);
    }
    HCLOSE(kUserSpectrumUnit, USERDAT.view(), "UWVSPC", IOOUT);

    k.NFREQ = NFREQ;
    for (Int i = 1; i <= NFREQ; ++i) {
        k.WARRAY(i) = w[i - 1];
        k.WSPEC(i) = s[i - 1];
    }
    k.FRSTIM = 0;
    k.LASTFILE = USERDAT;
}

}  // namespace

Real UWVSPC(Real W, Int IOOUT, Int IOIN, const FixedText<13>& USERDAT) {
    UserSpectrum& k = kept();
    if (k.FRSTIM != 0 || !(USERDAT == k.LASTFILE)) load(USERDAT, IOOUT, IOIN);

    Int IERW = 0;
    Int MINW = 1;
    BSRCH(k.WARRAY.data(), W, IERW, MINW, k.NFREQ);
    if ((IERW == 1 || IERW == 2) && k.WARN1 == 0) {
        write_record(IOOUT, " ++> Warning: Frequency outside user-supplied wave spectrum");
        write_record(IOOUT, "     range; \"continue\" to extrapolate outside available range.");
        Int LBACK = 0;
        ABORT0(IOOUT, IOIN, LBACK);
        if (LBACK < 0 || IOOUT == SILENT_UNIT) stop_program(1);
        k.WARN1 = 1;
    }
    Real TMPVAL = 0.0f;
    INTERP(k.WARRAY.data(), k.WSPEC.data(), W, TMPVAL, MINW);
    return TMPVAL;
}

void reset_uwvspc() { kept() = UserSpectrum{}; }

}  // namespace brevant
