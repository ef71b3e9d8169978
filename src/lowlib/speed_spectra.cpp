// Wind and current speed spectra and the readers of the user spectrum files.
#include "lowlib/speed_spectra.h"

#include <cmath>
#include <memory>
#include <string>

#include "numeric/table_search.h"
#include "numeric/user_spectrum_rows.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"

namespace brevant {

namespace {


// A fatal message of WNDSPC: the line, the Return key (not in a silent run), the end.
[[noreturn]] void quit_wndspc(const char* text, Int IOSCRN) {
    write_record(IOSCRN, text);
    if (IOSCRN != SILENT_UNIT) {
        char ANSWER = ' ';
        READCP(ANSWER);
    }
    stop_program(1);
}

// What one user-spectrum reader keeps for the run.
struct UserSpectrum {
    Int NPOINT = 0;
    FArray<Real, kMaxSpectrumPoints> WARRAY{};
    FArray<Real, kMaxSpectrumPoints> WSPEC{};
    FixedText<13> LASTFILE{"========"};
    Int FRSTIM = 1;
    Int WARN1 = 0;
    Int IERR = 0;
};

// The texts that tell the two readers apart.
struct SpectrumReader {
    const char* WHOAMI;  // 13 characters, blank-padded
    const char* warning1;
    const char* warning2;
};

constexpr SpectrumReader kWindReader{
    "UWNDSPEC     ",
    " ++> Warning: Frequencies are required lying outside the range of your user-supplied wind spectrum.",
    "     The associated spectral values will be set to zero. If this is not what you want, extend the spectrum. "};
constexpr SpectrumReader kCurrentReader{
    "UCURSPEC     ",
    " ++> Warning: Frequencies are required lying outside the range of your user-supplied current spectrum.",
    "     The associated spectral values will be set to zero. If this is not what you want, extend the spectrum."};

UserSpectrum wind_table;
UserSpectrum current_table;

// Reads the spectrum of FILE into T, leaving the file open. The table gives 0 outside its range,
// so only look-ups inside it are interpolated.
bool read_spectrum_rows(UserTableFile& file, UserSpectrum& t) {
    return read_spectrum_rows(file, kMaxSpectrumPoints, SpectrumLookups::InsideTable, t.WARRAY.data(),
                              t.WSPEC.data(), t.NPOINT);
}

void load_spectrum(UserSpectrum& t, const SpectrumReader& r, Int IOOUT, std::string_view USERDAT) {
    t.FRSTIM = 0;
    t.LASTFILE = USERDAT;
    UserTableFile file(USERDAT, r.WHOAMI, IOOUT, KBD_UNIT);
    const bool whole = read_spectrum_rows(file, t);
    t.IERR = file.outcome().fault == TableFault::Missing ? 1 : 0;
    if (t.IERR != 0) {
        write_record(IOOUT, "");
        write_record(IOOUT, " ++>  User-supplied spectrum file \"" + std::string(USERDAT) + "\" not found");
        write_record(IOOUT, "");
        Int LBACK = 0;
        ABORT0(IOOUT, KBD_UNIT, LBACK);
        stop_program(1);
    }
    if (whole) {
        file.close();
        return;
    }
    file.refuse([IOOUT, USERDAT](Int n) {
        write_record(IOOUT, "");
        write_record(IOOUT, " ++>  User-supplied spectrum array in " + std::string(USERDAT));
        write_record(IOOUT, "      dimension = [" + std::to_string(n) + "] out of range; allowable");
        write_record(IOOUT, "      dimension = [" + std::to_string(kMaxSpectrumPoints) + "]");
        write_record(IOOUT, "");
    });
}

Real user_spectrum(UserSpectrum& t, const SpectrumReader& r, Real W, Int IOOUT, std::string_view USERDAT) {
    if (t.FRSTIM == 1 || !(t.LASTFILE == USERDAT)) load_spectrum(t, r, IOOUT, USERDAT);

    Int IER = 0;
    Int MIN = 1;
    BSRCH(t.WARRAY.data(), W, IER, MIN, t.NPOINT);
    if (IER == 1 || IER == 2) {
        if (t.WARN1 == 0) {
            write_record(IOOUT, "");
            write_record(IOOUT, r.warning1);
            write_record(IOOUT, r.warning2);
            write_record(IOOUT, "     Required Interval: " + fmt_E(t.WARRAY(1), 9, 3) + " to " +
                                    fmt_E(t.WARRAY(t.NPOINT), 9, 3) + " radians/sec");
            write_record(IOOUT, "");
            t.WARN1 = 1;
            Int LBACK = 0;
            ABORT0(IOOUT, KBD_UNIT, LBACK);
            if (LBACK == -1) stop_program(1);
        }
        return 0.0f;
    }
    Real value = 0.0f;
    INTERP(t.WARRAY.data(), t.WSPEC.data(), W, value, MIN);
    return value;
}

}  // namespace

TableOutcome read_speed_spectrum_file(std::string_view NAME, Int IOOUT) {
    const auto scratch = std::make_unique<UserSpectrum>();
    UserTableFile file(NAME, kWindReader.WHOAMI, IOOUT, KBD_UNIT);
    read_spectrum_rows(file, *scratch);
    return file.close_check();
}

Real WNDSPC(Real W0, Real VEL, Real WNDDEN, Int NUNTS, Int WNDTYP, Real APIPRM, Real WSPEC_HGT, Real& V_ADJ_RAT,
            Int IOSCRN) {
    Real U, L, ZR;
    if (NUNTS == 0) {
        U = VEL * 1.6867f;
        L = 626.67f;
        ZR = 32.81f;
    } else if (NUNTS == 1) {
        U = VEL * 0.5139f;
        L = 191.0f;
        ZR = 10.0f;
    } else {
        quit_wndspc(" >>! NUNTS error in WNDSPC, <RETURN> to quit", IOSCRN);
    }
    V_ADJ_RAT = 1.0f;

    switch (WNDTYP) {
        case 1: {  // Davenport
            if (VEL == 0.0f) return 0.0f;
            const Real X = W0 * L / U;
            const Real D = std::pow(1.0f + X * X, 1.333333f);
            return 0.02f * U * L * X / D;
        }
        case 2:
            return WNDDEN;
        case 3:
            return 0.0f;
        case 4: {  // A.P.I.
            if (!(APIPRM > 0.0f)) quit_wndspc(" >>! API parameter error in WNDSPC, <RETURN> to quit", IOSCRN);
            if (VEL == 0.0f) return 0.0f;
            const Real WP = APIPRM * U * kTwoPi / ZR;
            const Real D = std::pow(1.0f + 1.5f * W0 / WP, 1.66667f);
            return 0.02676f * U * U / (WP * D);
        }
        case 5: {  // N.P.D., in metric units whatever the case's units
            const Real H = NUNTS == 0 ? WSPEC_HGT / 32.81f : WSPEC_HGT * 0.1f;
            const Real UU = VEL * 0.05139f;
            const Real C = 0.0573f * std::sqrt(1.0f + 1.5f * UU);
            const Real ZCRIT = std::exp(-1.0f / C);
            if (H > 1.01f * ZCRIT) {
                const Real ratio = 1.0f + C * std::log(H);
                V_ADJ_RAT = 1.0f / (ratio * ratio);
            } else {
                V_ADJ_RAT = 0.0f;
            }
            if (VEL == 0.0f) return 0.0f;
            const Real F = (W0 / kTwoPi) * 172.0f * std::pow(H, 0.6666667f) / std::pow(UU, 0.75f);
            const Real DENOM = std::pow(1.0f + std::pow(F, 0.468f), 3.5612535f);
            Real S = (320.0f / kTwoPi) * UU * UU * std::pow(H, 0.45f) / DENOM;
            if (NUNTS == 0) S = S * 10.764f;
            return S;
        }
        case kWindSpectrumFromFile:
            return UWNDSPEC(W0, IOSCRN, kWindSpectrumFile);
        default: {
            // The wind page offers types 1 to 6 only: another one is an invalid selector.
            write_record(IOSCRN, " =+> Invalid WNDTYP in WNDSPC");
            Int LBACK = 0;
            PRSRET(IOSCRN, KBD_UNIT, LBACK);
            stop_program(1);
        }
    }
}

Real CURSPC(Real W0, Real CURDEN, Int CURTYP, Int IOSCRN) {
    switch (CURTYP) {
        case 0:
            return 0.0f;
        case 1:
            return CURDEN;
        case 3:
            return W0 > 0.1257f ? 0.0f : CURDEN;
        default:
            return UCURSPEC(W0, IOSCRN, kCurrentSpectrumFile);
    }
}

Real UWNDSPEC(Real W, Int IOOUT, std::string_view USERDAT) {
    return user_spectrum(wind_table, kWindReader, W, IOOUT, USERDAT);
}

Real UCURSPEC(Real W, Int IOOUT, std::string_view USERDAT) {
    return user_spectrum(current_table, kCurrentReader, W, IOOUT, USERDAT);
}

void reset_uwndspec() { wind_table = UserSpectrum{}; }
void reset_ucurspec() { current_table = UserSpectrum{}; }

}  // namespace brevant
