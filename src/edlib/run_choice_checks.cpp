// The pre-run checks of the choices a run branches on.
#include "edlib/run_choice_checks.h"

#include <algorithm>
#include <array>
#include <string>

#include "edlib/members/member_table.h"
#include "options/output_selection.h"
#include "sysutl/captions.h"
#include "sysutl/option_words.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

bool bit_on(const Tpcm& t, Int bit) { return BITVAL(t.BRVFLG, bit, t.EDUNIT) == 1; }

bool waves(const Tpcm& t) { return t.LRANDM != 0 || t.LSWELL != 0; }
bool always(const Tpcm&) { return true; }

bool wind_spectrum_on(const Tpcm& t) { return t.LWIND != 0 && speed_spectra_reported(t); }
bool current_spectrum_on(const Tpcm& t) { return t.LCURNT != 0 && speed_spectra_reported(t); }
bool current_on(const Tpcm& t) { return t.LCURNT != 0; }
bool sea_on(const Tpcm& t) { return t.LRANDM != 0; }
bool swell_on(const Tpcm& t) { return t.LSWELL != 0; }
bool force_on(const Tpcm& t) { return t.AUXFRC != 0; }
// The hull model of a member-built hull reads the semi output options' phantom weight switch.
bool members_hull(const Tpcm& t) { return t.VESTYP == 3 || t.VESTYP == 5 || t.VESTYP == 6; }

// Every code a page sets from a list, and every yes/no switch that the run tests against 1 in one
// place and against 0 in another (so that any other value takes both branches or neither). The
// swell page refuses Ochi-Hubble (9), which only the sea offers. Page 0 names a word by its number:
// the phantom weight switch of the semi output options, which no page of the walk shows.
const ChoiceCode kChoiceCodes[] = {
    {2, 11, "Vessel type for simulation", &Tpcm::VESTYP, 1, 6, kNoneSkipped, always},
    {4, 1, "Heave damping switch", &Tpcm::LHVDMP, 0, 1, kNoneSkipped, always},
    {4, 3, "Pitch damping switch", &Tpcm::LPTDMP, 0, 1, kNoneSkipped, always},
    {4, 5, "Roll damping switch", &Tpcm::LRLDMP, 0, 1, kNoneSkipped, always},
    {4, 7, "Heave period switch", &Tpcm::LHVPRD, 0, 1, kNoneSkipped, always},
    {4, 9, "Pitch period switch", &Tpcm::LPTPRD, 0, 1, kNoneSkipped, always},
    {4, 11, "Roll period switch", &Tpcm::LRLPRD, 0, 1, kNoneSkipped, always},
    {7, 1, "External force switch", &Tpcm::AUXFRC, 0, 1, kNoneSkipped, always},
    {7, 5, "External force coordinate system", &Tpcm::CRDSYS, 0, 1, kNoneSkipped, force_on},
    {8, 1, "Wind switch", &Tpcm::LWIND, 0, 1, kNoneSkipped, always},
    {8, 11, "Current switch", &Tpcm::LCURNT, 0, 1, kNoneSkipped, always},
    {9, 3, "Wind spectral type", &Tpcm::WNDTYP, 1, 6, kNoneSkipped, wind_spectrum_on},
    {10, 3, "Current variation with depth", &Tpcm::LCSTCR, 0, 3, kNoneSkipped, current_on},
    {10, 6, "Current spectral type", &Tpcm::CURTYP, 0, 3, kNoneSkipped, current_spectrum_on},
    {11, 3, "Constant wave height or slope", &Tpcm::LSLPHT, 0, 1, kNoneSkipped, always},
    {12, 1, "Irregular waves switch", &Tpcm::LRANDM, 0, 1, kNoneSkipped, always},
    {12, 2, "Wave type", &Tpcm::WAVTYP, 0, 10, kNoneSkipped, sea_on},
    {13, 1, "Swell switch", &Tpcm::LSWELL, 0, 1, kNoneSkipped, always},
    {13, 2, "Swell type", &Tpcm::SWLTYP, 0, 10, 9, swell_on},
    {13, 3, "Swell heading lock", &Tpcm::LSWLOK, 0, 1, kNoneSkipped, swell_on},
    {0, 189, "Phantom weight switch", &Tpcm::LPHANTOM_WGHT, 0, 1, kNoneSkipped, members_hull},
};

// "     its page offers the codes 0 to 8 and 10."
std::string offered(Int first, Int last, Int skipped) {
    const auto range = [](Int a, Int b) { return a == b ? std::to_string(a) : std::to_string(a) + " to " + std::to_string(b); };
    std::string s = "     its page offers the codes ";
    if (skipped == kNoneSkipped || skipped < first || skipped > last) return s + range(first, last) + ".";
    if (skipped == first) return s + range(first + 1, last) + ".";
    if (skipped == last) return s + range(first, last - 1) + ".";
    return s + range(first, skipped - 1) + " and " + range(skipped + 1, last) + ".";
}

bool offers(Int value, Int first, Int last, Int skipped) {
    return value >= first && value <= last && value != skipped;
}

RunInputFinding outside(std::string_view name, Int page, Int item, Int value, Int first, Int last,
                        Int skipped = kNoneSkipped) {
    return {where(name, page, item) + " is " + std::to_string(value) + ";", offered(first, last, skipped)};
}

// ---- Page 6: the three fields (Cx, Cy, Cz) of each load's model word ----------------------------

struct LoadModel {
    std::string_view load;  // "Wind", "Current", "Wave"
    Int first_item;         // the item of Cx, or of the one model of all three
    Int Tpcm::*word;
    Int rows;               // the captions of the model list
    bool (*used)(const Tpcm&);
};

Int field_of(const Tpcm& t, const LoadModel& m, Int k) { return NIBVAL(t.*(m.word), k, t.EDUNIT); }

// The page shows one item for the three fields while they agree (the current's field 1 of the
// NSMB mean curve agreeing with 4), and an item for each otherwise.
bool one_model(const Tpcm& t, const LoadModel& m) {
    const Int f1 = field_of(t, m, 1);
    const Int first = m.word == &Tpcm::LCBARG && f1 == kNsmbMeanCurrent ? 4 : f1;
    return first == field_of(t, m, 2) && first == field_of(t, m, 3);
}

Int field_item(const Tpcm& t, const LoadModel& m, Int k) { return one_model(t, m) ? m.first_item : m.first_item + k - 1; }

std::string field_name(const LoadModel& m, bool one, Int k) {
    static constexpr std::string_view kComponent[3] = {" Cx", " Cy", " Cz"};
    std::string name(m.load);
    if (!one) name.append(kComponent[k - 1]);
    return name.append(" force model");
}

const std::array<LoadModel, 3>& load_models() {
    static const std::array<LoadModel, 3> models = {{
        {"Wind", 2, &Tpcm::LWBARG, static_cast<Int>(TNKWND().size()), wind_model_used},
        {"Current", 12, &Tpcm::LCBARG, static_cast<Int>(TNKCUR().size()), current_model_used},
        {"Wave", 22, &Tpcm::LWVCOF, static_cast<Int>(TNKWAV().size()), drift_model_used},
    }};
    return models;
}

void model_field_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    for (const LoadModel& m : load_models()) {
        if (!m.used(t)) continue;
        const bool one = one_model(t, m);
        for (Int k = 1; k <= (one ? 1 : 3); ++k) {
            const Int value = field_of(t, m, k);
            // A current field also holds the NSMB mean curve: item 19 sets it in field 1, and the
            // version updates write it into any field.
            if (value >= 1 && value <= m.rows) continue;
            if (m.word == &Tpcm::LCBARG && value == kNsmbMeanCurrent) continue;
            found.push_back(outside(field_name(m, one, k), 6, field_item(t, m, k), value, 1, m.rows));
        }
    }
}

// ---- Page 5: the codes of each member of a member-built hull ------------------------------------

struct MemberCode {
    Int item;
    std::string_view name;
    FArray<Int, 50> Tpcm::*word;
    Int last;
};

const MemberCode kMemberCodes[] = {
    {3, "Axial cross-section profile", &Tpcm::NCYLTP, SECTION_INTERMEDIATE},
    {11, "Base end termination type", &Tpcm::BOTTYP, END_WALL},
    {13, "Top end termination type", &Tpcm::TOPTYP, END_WALL},
    {15, "Added mass/moment coefficients option", &Tpcm::MASCMP, MASS_SURFACE},
};

bool member_built(const Tpcm& t) { return t.VESTYP == 3 || t.VESTYP == 5 || t.VESTYP == 6; }

void member_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    if (!member_built(t)) return;
    const Int count = std::clamp<Int>(t.NCYL, 0, kMemberCapacity);
    for (Int ICYL = 1; ICYL <= count; ++ICYL) {
        for (const MemberCode& c : kMemberCodes) {
            const Int value = (t.*(c.word))(ICYL);
            if (value >= 0 && value <= c.last) continue;
            const std::string name = std::string(c.name) + " of member " + std::to_string(ICYL);
            found.push_back(outside(name, 5, c.item, value, 0, c.last));
        }
    }
}

}  // namespace

std::span<const ChoiceCode> choice_codes() { return kChoiceCodes; }

// The wind model gives the wind coefficient table (V) and the net loads (IX, X) whether the wind
// blows or not; its forces and spectra (VI, VII, VIIs) only while it blows.
bool wind_model_used(const Tpcm& t) {
    return bit_on(t, kBitWindCoefficients) || bit_on(t, kBitNetLoadTables) ||
           (t.LWIND != 0 && (bit_on(t, kBitWindMeanForces) || bit_on(t, kBitWindSpectraByAngle) ||
                             bit_on(t, kBitNetSpectralTables)));
}

// The current model gives its coefficient table (V), the net loads (IX, X) and the drag of the
// regular-wave tables (Ia, Ib) whether the current flows or not; with waves the drag of the mean
// force distribution (IIa), and for a ship the wave drag of the absorption forces and spectra (IIIb,
// IVb, VIIs); with current its forces and spectra (VI, VII, VIIs).
bool current_model_used(const Tpcm& t) {
    const bool spectra = bit_on(t, kBitNetSpectralTables);
    return bit_on(t, kBitReflectionCoefficients) || bit_on(t, kBitAbsorptionCoefficients) ||
           bit_on(t, kBitCurrentCoefficients) || bit_on(t, kBitNetLoadTables) ||
           (waves(t) && bit_on(t, kBitReflectionDistribution)) ||
           (t.LCURNT != 0 && (bit_on(t, kBitCurrentMeanForces) || bit_on(t, kBitCurrentSpectraByAngle) || spectra)) ||
           (waves(t) && t.VESTYP == 1 &&
            (bit_on(t, kBitAbsorptionMeanForces) || bit_on(t, kBitAbsorptionSpectraByAngle) || spectra));
}

// The tables with the drift forces of the sea and the swell: IIa, IIIa, IVa, IIIb, IVb, IX and X, and
// the spectra by attack angle.
bool drift_forces_reported(const Tpcm& t) {
    return bit_on(t, kBitReflectionDistribution) || bit_on(t, kBitReflectionMeanForces) ||
           bit_on(t, kBitReflectionSpectraByAngle) || bit_on(t, kBitAbsorptionMeanForces) ||
           bit_on(t, kBitAbsorptionSpectraByAngle) || bit_on(t, kBitNetLoadTables) ||
           bit_on(t, kBitNetSpectralTables);
}

// The drift model gives the regular-wave reflection table (Ia) whether waves are there or not; the
// mean forces of the sea and the swell, their spectra and the net loads only with waves.
bool drift_model_used(const Tpcm& t) {
    return bit_on(t, kBitReflectionCoefficients) || (waves(t) && drift_forces_reported(t));
}

// The wind and current speed spectra (VIIp, VII, VIIs) of a wind or current that is there.
bool speed_spectra_reported(const Tpcm& t) {
    return bit_on(t, kBitCurrentSpeedSpectrum) || bit_on(t, kBitWindSpeedSpectrum) ||
           bit_on(t, kBitWindSpectraByAngle) || bit_on(t, kBitCurrentSpectraByAngle) ||
           bit_on(t, kBitNetSpectralTables);
}

Int load_model_item(const Tpcm& t, Int Tpcm::*word, Int k) {
    for (const LoadModel& m : load_models())
        if (m.word == word) return field_item(t, m, k);
    return 0;
}

std::vector<RunInputFinding> run_choice_findings() {
    const Tpcm& t = TPCM;
    std::vector<RunInputFinding> found;
    for (const ChoiceCode& c : kChoiceCodes) {
        if (!c.applies(t)) continue;
        const Int value = t.*(c.word);
        if (!offers(value, c.first, c.last, c.skipped))
            found.push_back(outside(c.name, c.page, c.item, value, c.first, c.last, c.skipped));
    }
    // The report goes to the disk, the console or the printer unit, the only units the load keeps
    // (and "E" at the title screen does not load through it); any other unit would receive a report
    // that is written nowhere. A silent run sends the report to the disk whatever the word holds.
    if (t.EDUNIT != SILENT_UNIT && t.IUNIT != DISK_UNIT && t.IUNIT != SCREEN_UNIT && t.IUNIT != PRINTER_UNIT)
        found.push_back({where("Output goes to", 15, 25) + " is " + std::to_string(t.IUNIT) + ";",
                         "     its page offers the console (" + std::to_string(SCREEN_UNIT) + ") and the disk (" +
                             std::to_string(DISK_UNIT) + ")."});
    model_field_findings(t, found);
    member_findings(t, found);
    return found;
}

}  // namespace brevant
