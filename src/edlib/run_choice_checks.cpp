// The pre-run checks of the choices a run branches on.
#include "edlib/run_choice_checks.h"

#include <algorithm>
#include <array>
#include <string>

#include "edlib/members/member_table.h"
#include "edlib/run_reads.h"
#include "options/output_selection.h"
#include "sysutl/captions.h"
#include "sysutl/option_words.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

bool always(const Tpcm&) { return true; }

bool current_on(const Tpcm& t) { return t.LCURNT != 0; }
bool sea_on(const Tpcm& t) { return t.LRANDM != 0; }
bool swell_on(const Tpcm& t) { return t.LSWELL != 0; }
bool force_on(const Tpcm& t) { return t.AUXFRC != 0; }

// Every code a page sets from a list, and every yes/no switch that the run tests against 1 in one
// place and against 0 in another (so that any other value takes both branches or neither). The
// swell page refuses Ochi-Hubble (9), which only the sea offers. Page 0 names a word by its number:
// the phantom weight switch of the semi output options, which no page of the walk shows (the hull
// model of a member-built hull reads it, but for the tension-leg programs).
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
    {9, 3, "Wind spectral type", &Tpcm::WNDTYP, 1, 6, kNoneSkipped, wind_spectrum_read},
    {10, 3, "Current variation with depth", &Tpcm::LCSTCR, 0, 3, kNoneSkipped, current_on},
    {10, 6, "Current spectral type", &Tpcm::CURTYP, 0, 3, kNoneSkipped, current_spectrum_read},
    {11, 3, "Constant wave height or slope", &Tpcm::LSLPHT, 0, 1, kNoneSkipped, always},
    {12, 1, "Irregular waves switch", &Tpcm::LRANDM, 0, 1, kNoneSkipped, always},
    {12, 2, "Wave type", &Tpcm::WAVTYP, 0, 10, kNoneSkipped, sea_on},
    {13, 1, "Swell switch", &Tpcm::LSWELL, 0, 1, kNoneSkipped, always},
    {13, 2, "Swell type", &Tpcm::SWLTYP, 0, 10, 9, swell_on},
    {13, 3, "Swell heading lock", &Tpcm::LSWLOK, 0, 1, kNoneSkipped, swell_on},
    {0, 189, "Phantom weight switch", &Tpcm::LPHANTOM_WGHT, 0, 1, kNoneSkipped, phantom_weight_switch_read},
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
    Int Tpcm::*word;
    Int rows;               // the captions of the model list
    bool (*used)(const Tpcm&);
};

Int field_of(const Tpcm& t, const LoadModel& m, Int k) { return NIBVAL(t.*(m.word), k, t.EDUNIT); }

std::string field_name(const LoadModel& m, bool one, Int k) {
    static constexpr std::string_view kComponent[3] = {" Cx", " Cy", " Cz"};
    std::string name(m.load);
    if (!one) name.append(kComponent[k - 1]);
    return name.append(" force model");
}

const std::array<LoadModel, 3>& load_models() {
    static const std::array<LoadModel, 3> models = {{
        {"Wind", &Tpcm::LWBARG, static_cast<Int>(TNKWND().size()), wind_model_used},
        {"Current", &Tpcm::LCBARG, static_cast<Int>(TNKCUR().size()), current_model_used},
        {"Wave", &Tpcm::LWVCOF, static_cast<Int>(TNKWAV().size()), drift_model_used},
    }};
    return models;
}

void model_field_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    for (const LoadModel& m : load_models()) {
        if (!m.used(t)) continue;
        const bool one = load_model_fields_agree(t, m.word);
        for (Int k = 1; k <= (one ? 1 : 3); ++k) {
            const Int value = field_of(t, m, k);
            // A current field also holds the NSMB mean curve: item 19 sets it in field 1, and the
            // version updates write it into any field.
            if (value >= 1 && value <= m.rows) continue;
            if (m.word == &Tpcm::LCBARG && value == kNsmbMeanCurrent) continue;
            found.push_back(outside(field_name(m, one, k), 6, load_model_item(t, m.word, k), value, 1, m.rows));
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

void member_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    if (!semi_like_type(t.VESTYP)) return;
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

namespace {

// The findings of the codes of single words that KEEP takes, in their order.
void code_findings(const Tpcm& t, bool (*keep)(const ChoiceCode&), std::vector<RunInputFinding>& found) {
    for (const ChoiceCode& c : kChoiceCodes) {
        if (!keep(c) || !c.applies(t)) continue;
        const Int value = t.*(c.word);
        if (!offers(value, c.first, c.last, c.skipped))
            found.push_back(outside(c.name, c.page, c.item, value, c.first, c.last, c.skipped));
    }
}

bool every_code(const ChoiceCode&) { return true; }

// The switches and spectrum types of the sea and the swell: items 1 and 2 of pages 12 and 13.
bool sea_or_swell_code(const ChoiceCode& c) { return (c.page == 12 || c.page == 13) && c.item <= 2; }

}  // namespace

void sea_and_swell_choice_findings(const Tpcm& t, std::vector<RunInputFinding>& found) {
    code_findings(t, sea_or_swell_code, found);
}

std::vector<RunInputFinding> run_choice_findings() {
    const Tpcm& t = TPCM;
    std::vector<RunInputFinding> found;
    code_findings(t, every_code, found);
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
