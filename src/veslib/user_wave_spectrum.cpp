// The user wave spectrum table: load with its count and spacing checks, the one-time range
// warning, and straight-line interpolation.
#include "veslib/user_wave_spectrum.h"

#include <memory>
#include <string>

#include "numeric/table_search.h"
#include "numeric/user_spectrum_rows.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/units.h"
#include "sysutl/user_table.h"

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

// Reads the table of FILE into T, leaving the file open. Frequencies outside the table are
// extrapolated from its end intervals, so any look-up is interpolated.
bool read_spectrum_rows(UserTableFile& file, UserSpectrum& t) {
    return read_spectrum_rows(file, kMaxUserSpectrumPoints, SpectrumLookups::Anywhere, t.WARRAY.data(),
                              t.WSPEC.data(), t.NFREQ);
}

// Reads the table of USERDAT into the kept arrays; counts and order are checked before anything
// is kept, so a refused file leaves the old table (and its name) in place.
void load(const FixedText<13>& USERDAT, Int IOOUT, Int IOIN) {
    const auto read = std::make_unique<UserSpectrum>();
    UserTableFile file(USERDAT.view(), "UWVSPC", IOOUT, IOIN, kUserSpectrumUnit);
    if (!read_spectrum_rows(file, *read)) {
        if (file.outcome().fault == TableFault::Missing) {
            write_record(IOOUT, std::string(" ++>  User-supplied wave spectrum file \"") + USERDAT.str() + "\" not found");
            Int LBACK = 0;
            ABORT0(IOOUT, IOIN, LBACK);
            stop_program(1);
        }
        file.refuse([IOOUT, &USERDAT](Int n) {
            write_record(IOOUT, " ++>  User-supplied wave spectral array in " + USERDAT.str());
            write_record(IOOUT, "      dimension = [" + digits(n) + "] out of range; allowable");
            write_record(IOOUT, "      dimension = [" + digits(kMaxUserSpectrumPoints) + "]");
        });
    }
    file.close();
    UserSpectrum& k = kept();
    k.NFREQ = read->NFREQ;
    k.WARRAY = read->WARRAY;
    k.WSPEC = read->WSPEC;
    k.FRSTIM = 0;
    k.LASTFILE = USERDAT;
}

// The density at W by straight lines through the table T (its end intervals beyond its ends); IERW
// tells where W lies (0 inside, 1 and 2 beyond either end).
Real table_density(const UserSpectrum& T, Real W, Int& IERW) {
    Int MINW = 1;
    BSRCH(T.WARRAY.data(), W, IERW, MINW, T.NFREQ);
    Real TMPVAL = 0.0f;
    INTERP(T.WARRAY.data(), T.WSPEC.data(), W, TMPVAL, MINW);
    return TMPVAL;
}

}  // namespace

Real UWVSPC(Real W, Int IOOUT, Int IOIN, const FixedText<13>& USERDAT) {
    UserSpectrum& k = kept();
    if (k.FRSTIM != 0 || !(USERDAT == k.LASTFILE)) load(USERDAT, IOOUT, IOIN);

    Int IERW = 0;
    const Real TMPVAL = table_density(k, W, IERW);
    if ((IERW == 1 || IERW == 2) && k.WARN1 == 0) {
        write_record(IOOUT, " ++> Warning: Frequency outside user-supplied wave spectrum");
        write_record(IOOUT, "     range; \"continue\" to extrapolate outside available range.");
        Int LBACK = 0;
        ABORT0(IOOUT, IOIN, LBACK);
        if (LBACK < 0 || IOOUT == SILENT_UNIT) stop_on_abort_answer();
        k.WARN1 = 1;
    }
    return TMPVAL;
}

TableOutcome read_wave_spectrum_file(std::string_view NAME, Int IOOUT) {
    const auto scratch = std::make_unique<UserSpectrum>();
    UserTableFile file(NAME, "UWVSPC", IOOUT, KBD_UNIT, kUserSpectrumUnit);
    read_spectrum_rows(file, *scratch);
    return file.close_check();
}

bool wave_spectrum_file_values(std::string_view NAME, Int IOOUT, const Real* W, Int N, Real* PSD) {
    const auto scratch = std::make_unique<UserSpectrum>();
    UserTableFile file(NAME, "UWVSPC", IOOUT, KBD_UNIT, kUserSpectrumUnit);
    read_spectrum_rows(file, *scratch);
    if (!file.close_check().ok()) return false;
    for (Int i = 0; i < N; ++i) {
        Int IERW = 0;
        PSD[i] = table_density(*scratch, W[i], IERW);
    }
    return true;
}

void reset_uwvspc() { kept() = UserSpectrum{}; }

}  // namespace brevant
