// When the run reads a load model, a user file or a code of the case.
#include "edlib/run_reads.h"

#include <algorithm>
#include <cmath>

#include "lowlib/current_profile.h"
#include "lowlib/depth_current_drag.h"
#include "lowlib/speed_spectra.h"
#include "numeric/member_added_mass.h"
#include "options/low_frequency_rows.h"
#include "options/output_selection.h"
#include "records/member_words.h"
#include "sysutl/captions.h"
#include "sysutl/option_words.h"
#include "veslib/wave_spectra.h"

namespace brevant {

bool output_bit_on(const Tpcm& t, Int bit) { return BITVAL(t.BRVFLG, bit, t.EDUNIT) == 1; }

bool waves_on(const Tpcm& t) { return t.LRANDM != 0 || t.LSWELL != 0; }

bool sea_characteristics_reported(const Tpcm& t) {
    if (t.LRANDM == 0) return false;
    const bool spectra = output_bit_on(t, kBitWaveSpectrum) || output_bit_on(t, kBitSwellSpectrum) ||
                         output_bit_on(t, kBitWaveGroupSpectrum) || output_bit_on(t, kBitSwellGroupSpectrum);
    const bool series = t.LRANDM == 1 && output_bit_on(t, kBitNetSpectralTables) &&
                        (output_bit_on(t, kBitReflectionSpectraByFrequency) ||
                         output_bit_on(t, kBitAbsorptionSpectraByFrequency));
    return spectra || series;
}

// The wind model gives the wind coefficient table (V) and the net loads (IX, X) whether the wind
// blows or not; its forces and spectra (VI, VII, VIIs) only while it blows.
bool wind_model_used(const Tpcm& t) {
    return output_bit_on(t, kBitWindCoefficients) || output_bit_on(t, kBitNetLoadTables) ||
           (t.LWIND != 0 && (output_bit_on(t, kBitWindMeanForces) || output_bit_on(t, kBitWindSpectraByAngle) ||
                             output_bit_on(t, kBitNetSpectralTables)));
}

// The current model gives its coefficient table (V), the net loads (IX, X) and the drag of the
// regular-wave tables (Ia, Ib) whether the current flows or not; with waves the drag of the mean
// force distribution (IIa), and for a ship the wave drag of the absorption forces and spectra (IIIb,
// IVb, VIIs); with current its forces and spectra (VI, VII, VIIs).
bool current_model_used(const Tpcm& t) {
    const bool spectra = output_bit_on(t, kBitNetSpectralTables);
    return output_bit_on(t, kBitReflectionCoefficients) || output_bit_on(t, kBitAbsorptionCoefficients) ||
           output_bit_on(t, kBitCurrentCoefficients) || output_bit_on(t, kBitNetLoadTables) ||
           (waves_on(t) && output_bit_on(t, kBitReflectionDistribution)) ||
           (t.LCURNT != 0 &&
            (output_bit_on(t, kBitCurrentMeanForces) || output_bit_on(t, kBitCurrentSpectraByAngle) || spectra)) ||
           (waves_on(t) && t.VESTYP == 1 &&
            (output_bit_on(t, kBitAbsorptionMeanForces) || output_bit_on(t, kBitAbsorptionSpectraByAngle) ||
             spectra));
}

// The tables with the drift forces of the sea and the swell: IIa, IIIa, IVa, IIIb, IVb, IX and X, and
// the spectra by attack angle.
bool drift_forces_reported(const Tpcm& t) {
    return output_bit_on(t, kBitReflectionDistribution) || output_bit_on(t, kBitReflectionMeanForces) ||
           output_bit_on(t, kBitReflectionSpectraByAngle) || output_bit_on(t, kBitAbsorptionMeanForces) ||
           output_bit_on(t, kBitAbsorptionSpectraByAngle) || output_bit_on(t, kBitNetLoadTables) ||
           output_bit_on(t, kBitNetSpectralTables);
}

// The drift model gives the regular-wave reflection table (Ia) whether waves are there or not; the
// mean forces of the sea and the swell, their spectra and the net loads only with waves.
bool drift_model_used(const Tpcm& t) {
    return output_bit_on(t, kBitReflectionCoefficients) || (waves_on(t) && drift_forces_reported(t));
}

// The wind and current speed spectra (VIIp, VII, VIIs) of a wind or current that is there.
bool speed_spectra_reported(const Tpcm& t) {
    return output_bit_on(t, kBitCurrentSpeedSpectrum) || output_bit_on(t, kBitWindSpeedSpectrum) ||
           output_bit_on(t, kBitWindSpectraByAngle) || output_bit_on(t, kBitCurrentSpectraByAngle) ||
           output_bit_on(t, kBitNetSpectralTables);
}

Int field_choosing(const Tpcm& t, Int Tpcm::*word, Int model) {
    for (Int k = 1; k <= 3; ++k)
        if (NIBVAL(t.*word, k, t.EDUNIT) == model) return k;
    return 0;
}

bool load_model_fields_agree(const Tpcm& t, Int Tpcm::*word) {
    const auto field = [&t, word](Int k) { return NIBVAL(t.*word, k, t.EDUNIT); };
    const Int f1 = field(1);
    const Int first = word == &Tpcm::LCBARG && f1 == kNsmbMeanCurrent ? 4 : f1;
    return first == field(2) && first == field(3);
}

Int load_model_item(const Tpcm& t, Int Tpcm::*word, Int k) {
    // The item of Cx, or of the one model of all three.
    const Int first = word == &Tpcm::LWBARG ? 2 : word == &Tpcm::LCBARG ? 12 : word == &Tpcm::LWVCOF ? 22 : 0;
    if (first == 0) return 0;
    return load_model_fields_agree(t, word) ? first : first + k - 1;
}

bool wind_coefficient_file_read(const Tpcm& t) {
    return wind_model_used(t) && field_choosing(t, &Tpcm::LWBARG, 2) != 0;
}
bool current_coefficient_file_read(const Tpcm& t) {
    return current_model_used(t) && field_choosing(t, &Tpcm::LCBARG, 2) != 0;
}

bool wind_spectrum_read(const Tpcm& t) { return t.LWIND != 0 && speed_spectra_reported(t); }
bool current_spectrum_read(const Tpcm& t) { return t.LCURNT != 0 && speed_spectra_reported(t); }

bool wind_spectrum_file_read(const Tpcm& t) { return wind_spectrum_read(t) && t.WNDTYP == kWindSpectrumFromFile; }
bool current_spectrum_file_read(const Tpcm& t) {
    return current_spectrum_read(t) && t.CURTYP == kCurrentSpectrumFromFile;
}
bool current_profile_file_read(const Tpcm& t) { return t.LCURNT != 0 && t.LCSTCR == kProfileFromFile; }
bool sea_spectrum_file_read(const Tpcm& t) { return t.LRANDM != 0 && t.WAVTYP == kUserSpectrumFile; }
bool swell_spectrum_file_read(const Tpcm& t) { return t.LSWELL != 0 && t.SWLTYP == kUserSpectrumFile; }

// Drift model 1 reads the user's table.
bool regular_wave_drift_file_read(const Tpcm& t) {
    return field_choosing(t, &Tpcm::LWVCOF, 1) != 0 &&
           (output_bit_on(t, kBitReflectionCoefficients) ||
            (waves_on(t) && output_bit_on(t, kBitReflectionDistribution)));
}
bool wave_drift_file_read(const Tpcm& t) {
    return field_choosing(t, &Tpcm::LWVCOF, 1) != 0 && waves_on(t) && drift_forces_reported(t);
}

namespace {

// The member drags of the waves act only on the members that pierce the surface, as the hull model
// finds them at the draft (a dry member, or one of no length, is none): the drag over the draft of
// each (with the current looked up at its levels) and, for the regular waves, its drag diameter
// sqrt(XAREA / pi) (CD1 + CD2), summed over them in member order. Without a piercing member no
// drag is taken; with drag diameters that sum to 0 the regular waves' coefficient is 0 and the
// drags over the draft are taken for nothing.
struct PiercingMembers {
    bool any = false;
    Real drag_diameters = 0.0f;
};

PiercingMembers piercing_members(const Tpcm& t) {
    PiercingMembers m;
    const Int members = std::clamp<Int>(t.NCYL, 0, 50);
    for (Int i = 1; i <= members; ++i) {
        Real MEMVEC[3], DIRVEC[3];
        Real MEMLEN = 0.0f, WETLEN = 0.0f, TILTFC = 1.0f;
        Int PIERCE = 0;
        WPCHEK(member_triple(t.RCYLB, i), member_triple(t.RCYLT, i), t.DRAFT, MEMVEC, DIRVEC, MEMLEN, WETLEN, TILTFC,
               PIERCE);
        if (PIERCE == 99 || !(MEMLEN > 0.0f) || PIERCE == 0) continue;
        m.any = true;
        m.drag_diameters += std::sqrt(t.XAREA(i) / 3.1415927f) * (t.CYLCD(1, i) + t.CYLCD(2, i));
    }
    return m;
}

}  // namespace

// A member-built hull's drag of the waves (DRAGF, and NB_DRAG_RAO for the regular waves) takes the
// current along the waves at each level of its draft, for each member that pierces the surface.
// With the current off the run looks up a profile of its own (no current at any depth), not the
// case's; a ship or a disc buoy takes its drag from the relative motions alone, and every section
// computes per attack angle. Counted are the look-ups whose result a table of the report shows:
// - Ib, the regular waves' absorption coefficients, waves or not: with the wave drag in (LEGDRG 0),
//   a regular wave of some height or slope (none scales no drag) and piercing members whose drag
//   diameters do not sum to 0 (the coefficient is 0 then, whatever the look-up gave);
// - IIIb and IVb, the mean absorption forces and their spectra, of a sea or a swell: the drag
//   whether LEGDRG leaves it out of the other tables or not;
// - IX, the net loads, and the net spectra when a source of theirs is asked for: with the wave
//   drag in;
// - the force spectra by attack angle (bit 27), down the low-frequency rows they hold (none without
//   rows, none beyond 1000): the absorption rows of the sea and the swell on their own pages
//   (VIIs), and with the wave drag in on the summed page, which comes with any page of the series.
//   Without a page the series computes them for nothing.
// The regular waves' drag integrates over the levels it steps down to; the mean forces take the
// levels of the spectral preparation; the spectra take both.
ProfileLevels current_profile_levels(const Tpcm& t) {
    ProfileLevels u;
    if (t.LCURNT == 0 || !semi_like_type(t.VESTYP) || t.NUMBRV < 1) return u;
    const PiercingMembers members = piercing_members(t);
    if (!members.any) return u;
    const auto mean = [&u] { u.scaled = true; };
    const auto spectra = [&u] { u.scaled = u.stepped = u.spectra = true; };
    const bool drag = t.LEGDRG == 0;
    if (drag && output_bit_on(t, kBitAbsorptionCoefficients) && t.SLPHT != 0.0f && members.drag_diameters != 0.0f)
        u.stepped = u.regular = true;
    if (!waves_on(t)) return u;
    if (output_bit_on(t, kBitAbsorptionMeanForces)) mean();
    if (output_bit_on(t, kBitAbsorptionSpectraByAngle)) spectra();
    if (drag && output_bit_on(t, kBitNetLoadTables)) mean();
    if (!output_bit_on(t, kBitNetSpectralTables)) return u;
    const bool net_spectra_source = output_bit_on(t, kBitReflectionSpectraByAngle) ||
                                    (t.LCURNT == 1 && output_bit_on(t, kBitCurrentSpectraByAngle)) ||
                                    (t.LWIND == 1 && output_bit_on(t, kBitWindSpectraByAngle));
    if (drag && net_spectra_source) spectra();
    const Int rows = low_frequency_rows(t.BRV_PD_MIN(), t.BRVFRQ_DELTA);
    if (rows < 1 || rows > kMaxAngleSpectrumRows) return u;
    const bool summed_page = output_bit_on(t, kBitReflectionSpectraByFrequency) ||
                             output_bit_on(t, kBitWindSpectraByFrequency) ||
                             output_bit_on(t, kBitCurrentSpectraByFrequency);
    if (output_bit_on(t, kBitAbsorptionSpectraByFrequency) || (drag && summed_page)) spectra();
    return u;
}

bool current_profile_looked_up(const Tpcm& t) {
    const ProfileLevels u = current_profile_levels(t);
    return u.stepped || u.scaled;
}

std::vector<Real> current_profile_look_up_depths(const Tpcm& t) {
    const ProfileLevels u = current_profile_levels(t);
    std::vector<Real> depths;
    const auto add = [&depths](const DraftLevels& L) {
        for (Int i = 0; i < L.count; ++i) depths.push_back(-L.z[static_cast<std::size_t>(i)]);
    };
    if (u.stepped) add(stepped_draft_levels(t.DRAFT, kMemberDragLevels));
    if (u.scaled) add(scaled_draft_levels(t.DRAFT, kMemberDragLevels));
    return depths;
}

std::vector<DragLookUp> current_profile_drag_look_ups(const Tpcm& t) {
    const ProfileLevels u = current_profile_levels(t);
    std::vector<DragLookUp> at;
    const DraftLevels stepped = stepped_draft_levels(t.DRAFT, kMemberDragLevels);
    const DraftLevels scaled = scaled_draft_levels(t.DRAFT, kMemberDragLevels);
    const auto add = [&at](const DraftLevels& L, Real WAVHDG, bool whole_below_surface) {
        for (Int i = 0; i < L.count; ++i)
            at.push_back({-L.z[static_cast<std::size_t>(i)], WAVHDG, i == 0 || whole_below_surface});
    };
    if (u.regular) {
        // The regular waves' heading of each attack angle, formed as their pages turn the vessel to it.
        constexpr Real kDegPerRad = 57.295776f, kPi = 3.1415927f;
        const Int angles = run_attack_angles(t);
        const Real TMPANG = t.LRANDM == 1 ? t.SEAHDG(1) : t.LSWELL == 1 ? t.SWLHDG : 180.0f;
        for (Int I = 1; I <= angles; ++I) {
            const Real RELDEG = t.LANGARR != 0 ? t.BRVHDG(I) : static_cast<Real>(I - 1) * t.BRVINC + t.VESAN0;
            const Real RELANG = RELDEG / kDegPerRad;
            const Real VESANG = TMPANG / kDegPerRad + kPi - RELANG;
            add(stepped, (RELANG + VESANG + kPi) * kDegPerRad, true);
        }
    }
    if (u.scaled) {
        // The sea's and the swell's headings, as their drag takes them.
        std::vector<Real> headings;
        if (t.LRANDM != 0) headings.push_back(t.SEAHDG(1));
        if (t.LSWELL != 0) headings.push_back(t.SWLHDG);
        for (const Real WAVHDG : headings) {
            if (u.spectra) add(stepped, WAVHDG, true);
            add(scaled, WAVHDG, false);
        }
    }
    return at;
}

Int run_attack_angles(const Tpcm& t) {
    constexpr Int kMostUniform = 361, kMostListed = 37;
    return std::clamp<Int>(t.NUMBRV, 0, t.LANGARR == 0 ? kMostUniform : kMostListed);
}

bool user_raos_read(const Tpcm& t) {
    if (t.AUXVSH == 0 || !waves_on(t)) return false;
    for (const Int bit : {kBitReflectionCoefficients, kBitAbsorptionCoefficients, kBitReflectionDistribution,
                          kBitAbsorptionDistribution, kBitReflectionMeanForces, kBitAbsorptionMeanForces,
                          kBitReflectionSpectraByAngle, kBitAbsorptionSpectraByAngle, kBitNetLoadTables,
                          kBitNetSpectralTables})
        if (output_bit_on(t, bit)) return true;
    return false;
}

bool tension_leg_program(const Tpcm& t) { return t.CREATR() == 14 || t.CREATR() == 17; }

bool phantom_weight_switch_read(const Tpcm& t) { return semi_like_type(t.VESTYP) && !tension_leg_program(t); }

}  // namespace brevant
