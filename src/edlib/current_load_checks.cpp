// The current's loads as the run forms them from the mean current over the draft.
#include "edlib/current_load_checks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "edlib/run_reads.h"
#include "lowlib/heading_functions.h"
#include "lowlib/load_constants.h"
#include "lowlib/speed_spectra.h"
#include "lowlib/wind_current_coefficients.h"
#include "options/low_frequency_rows.h"
#include "options/output_selection.h"
#include "records/sines_record.h"
#include "sysutl/angles.h"
#include "sysutl/captions.h"
#include "sysutl/option_words.h"

namespace brevant {

namespace {

constexpr Real kDegPerRad = 57.295776f;
constexpr Real kPi = 3.1415927f;

// The tables of the report that take the current's loads.
struct LoadTables {
    bool mean = false;         // VI
    bool spectra = false;      // VII
    bool net = false;          // IX's net loads and X's summary of them
    bool series = false;       // the pages by attack angle
    bool net_spectra = false;  // IX's net spectra
    bool any() const { return mean || spectra || net || series || net_spectra; }
};

LoadTables load_tables(const Tpcm& t) {
    LoadTables u;
    u.mean = output_bit_on(t, kBitCurrentMeanForces);
    u.spectra = output_bit_on(t, kBitCurrentSpectraByAngle);
    u.net = output_bit_on(t, kBitNetLoadTables);
    const bool net_spectral = output_bit_on(t, kBitNetSpectralTables);
    const Int rows = low_frequency_rows(t.BRV_PD_MIN(), t.BRVFRQ_DELTA);
    // The series computes the current's page at each angle and adds it to the summed page, which
    // it writes with any page of its own.
    u.series = net_spectral && rows >= 1 && rows <= kMaxAngleSpectrumRows &&
               (output_bit_on(t, kBitReflectionSpectraByFrequency) ||
                output_bit_on(t, kBitAbsorptionSpectraByFrequency) || output_bit_on(t, kBitWindSpectraByFrequency) ||
                output_bit_on(t, kBitCurrentSpectraByFrequency));
    // The net spectra take every source once one of theirs is asked for.
    u.net_spectra = net_spectral && ((t.LWIND == 1 && output_bit_on(t, kBitWindSpectraByAngle)) || u.spectra ||
                                     (waves_on(t) && (output_bit_on(t, kBitReflectionSpectraByAngle) ||
                                                      output_bit_on(t, kBitAbsorptionSpectraByAngle))));
    return u;
}

// The run's current coefficients stop it (a model code it does not know, a waterline length or
// beam of 0 to divide by) and its coefficients and speed spectrum may come from user files: where
// it would stop, or cannot read such a file whole, it never forms the loads. The files are read by
// the run's own readers, here and again by the run.
bool loads_computable(const Tpcm& t) {
    bool file = false;
    for (Int k = 1; k <= 3; ++k) {
        const Int model = NIBVAL(t.LCBARG, k, t.EDUNIT);
        if (!((model >= 1 && model <= 7) || model == kNsmbMeanCurrent)) return false;
        const bool series = model == 4 || model == 5 || model == 6 || model == kNsmbMeanCurrent;
        if (k == 1 && series && t.BWL == 0.0f) return false;
        if (k == 3 && (model == 3 || model == 7) && t.LWL == 0.0f) return false;
        file = file || model == 2;
    }
    if (file && !read_user_coefficient_file(current_coefficient_file(t.SIMTYP, t.ISPM).trimmed(), t.EDUNIT).ok())
        return false;
    const bool spectrum_file = t.CURTYP != 0 && t.CURTYP != 1 && t.CURTYP != 3;
    return !spectrum_file || read_speed_spectrum_file(kCurrentSpectrumFile, t.EDUNIT).ok();
}

// The coefficient of component K at ANGLE (radians), the trigonometric words loaded for it.
Real coefficient(const Tpcm& t, Int K, Real ANGLE) {
    return CRNTCF(K, t.LCBARG, t.DFTPCT, t.BOWCUR, SINES.HOVERD, ANGLE, t.XCURAR, t.YCURAR, t.XCARM, t.YCARM, t.LWL,
                  t.BWL, t.EDUNIT, t.ISPM, t.SIMTYP);
}

// What a speed spectrum makes of the load F: 4 F F S over the squared surface speed V (0 at rest).
bool finite_spectrum(Real F, Real S, Real V) {
    const Real V2 = V * V;
    return V2 == 0.0f || std::isfinite(4.0f * F * F * S / V2);
}

// The attack angle of row I, degrees: the uniform grid from the starting angle, or the list.
Real attack_angle(const Tpcm& t, Int I) {
    return t.LANGARR == 0 ? static_cast<Real>(I - 1) * t.BRVINC + t.VESAN0 : t.BRVHDG(I);
}

// Sections VI and VII at row I: the loads CURCOF A C, the moment's A of YCURAR and LWL in turn;
// VI's moment about the reference point, VII's spectra of density S.
bool rows_within(const Tpcm& t, const LoadTables& u, Real CURCOF, Int I, Real S, Real V) {
    const Real RELANG = attack_angle(t, I) / kDegPerRad;
    TRIGLD(RELANG);
    const std::array<Real, 3> F = {CURCOF * t.XCURAR * coefficient(t, 1, RELANG),
                                   CURCOF * t.YCURAR * coefficient(t, 2, RELANG),
                                   CURCOF * t.YCURAR * t.LWL * coefficient(t, 3, RELANG)};
    for (const Real f : F)
        if (!std::isfinite(f) || (u.spectra && !finite_spectrum(f, S, V))) return false;
    return !u.mean || std::isfinite(F[2] - t.BRVARM * F[1]);
}

// The pages by attack angle and the net spectra: the loads CURCOF A C, the moment's area YCURAR
// LWL formed first, at ANGLE (radians), and their spectra of density S.
bool spectral_loads_within(const Tpcm& t, Real CURCOF, Real ANGLE, Real S, Real V) {
    TRIGLD(ANGLE);
    for (Int k = 1; k <= 3; ++k) {
        const Real A = k == 1 ? t.XCURAR : k == 2 ? t.YCURAR : t.YCURAR * t.LWL;
        if (!finite_spectrum(CURCOF * A * coefficient(t, k, ANGLE), S, V)) return false;
    }
    return true;
}

// IX's net loads at the vessel heading of row I (the current's angle from its heading; the load
// A C less the sway load's lever for the moment, times CURCOF), and X's resultant of the two
// forces. The other sources' loads lie far below the last place of a load that comes near the
// limit of single precision, and leave its sums as they are.
bool net_loads_within(const Tpcm& t, Real CURCOF, Int I) {
    const Real HEADING = t.LANGARR != 0 ? 360.0f - t.BRVHDG(I) : 360.0f - static_cast<Real>(I - 1) * t.BRVINC - t.VESAN0;
    const Real ANGLE = REDRAD(t.CURHDG / kDegPerRad - HEADING / kDegPerRad + kPi);
    TRIGLD(ANGLE);
    std::array<Real, 3> F{};
    for (Int k = 1; k <= 3; ++k) {
        const Real AREA = k == 1 ? t.XCURAR : k == 2 ? t.YCURAR : t.YCURAR * t.LWL;
        const Real YFORCE = k == 3 ? t.YCURAR * coefficient(t, 2, ANGLE) : 0.0f;
        F[static_cast<std::size_t>(k - 1)] = (AREA * coefficient(t, k, ANGLE) - t.BRVARM * YFORCE) * CURCOF;
    }
    return std::isfinite(F[0]) && std::isfinite(F[1]) && std::isfinite(F[2]) &&
           std::isfinite(F[0] * F[0] + F[1] * F[1]);
}

// The angle of the current relative to the vessel in the net spectra of row I, radians.
Real net_spectrum_angle(const Tpcm& t, Int I) {
    const Real ALPHA = t.LANGARR == 0 ? t.VESAN0 + static_cast<Real>(I - 1) * t.BRVINC : t.BRVHDG(I);
    const Real VESANG = (360.0f - ALPHA) / kDegPerRad;
    return REDRAD(t.CURHDG / kDegPerRad - VESANG + kPi);
}

// The density of the current's speed spectrum of largest size over the rows of the pages by
// attack angle (0, DELTA, 2 DELTA, ...): the largest spectrum of a load there.
Real largest_row_density(const Tpcm& t) {
    const Int rows = low_frequency_rows(t.BRV_PD_MIN(), t.BRVFRQ_DELTA);
    Real largest = 0.0f;
    Real WFREQ = 0.0f;
    for (Int IW = 1; IW <= rows; ++IW) {
        const Real S = CURSPC(WFREQ, t.CURDEN, t.CURTYP, t.EDUNIT);
        if (!(std::fabs(S) <= std::fabs(largest))) largest = S;
        WFREQ = WFREQ + t.BRVFRQ_DELTA;
    }
    return largest;
}

}  // namespace

Real profile_mean_current(const Tpcm& t, const ProfileArray& DEPTHS, const ProfileArray& SPEEDS, Int COUNT) {
    return AVGCUR(t.DEPTH, t.DRAFT, t.LCSTCR, SPEEDS, DEPTHS, t.CURSPD, COUNT);
}

bool current_loads_beyond_range(const Tpcm& t, Real K) {
    if (t.LCURNT != 1) return false;
    const LoadTables u = load_tables(t);
    if (!u.any()) return false;
    const Real CURCOF = t.DWATR / gravity(t.NUNTS) * t.CURFAC * load_fconst(t.NUNTS) * K * K;
    if (!std::isfinite(CURCOF)) return true;
    if (!loads_computable(t)) return false;

    // The trigonometric words and the depth ratio of the run's coefficients, set here as the run
    // sets them and given back after.
    const Sines kept = SINES;
    SINES.HOVERD = t.DEPTH / t.DRAFT;
    const Real V = t.CURSPD * (t.NUNTS == 1 ? 0.5142f : 1.687f);
    const Real S = CURSPC(t.BRVFRQ, t.CURDEN, t.CURTYP, t.EDUNIT);
    const Real S_ROWS = u.series ? largest_row_density(t) : 0.0f;
    bool within = true;
    const Int angles = run_attack_angles(t);
    for (Int I = 1; I <= angles && within; ++I) {
        if (u.mean || u.spectra) within = rows_within(t, u, CURCOF, I, S, V);
        if (within && u.series) within = spectral_loads_within(t, CURCOF, attack_angle(t, I) / kDegPerRad, S_ROWS, V);
        if (within && u.net) within = net_loads_within(t, CURCOF, I);
        if (within && u.net_spectra) within = spectral_loads_within(t, CURCOF, net_spectrum_angle(t, I), S, V);
    }
    SINES = kept;
    // The user files read here are read afresh by the run.
    reset_usrcrn();
    reset_ucurspec();
    return !within;
}

}  // namespace brevant
