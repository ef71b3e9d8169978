// The pre-run checks of the user files a run will read.
#include "edlib/run_file_checks.h"

#include <cmath>
#include <memory>
#include <string>
#include <string_view>

#include "edlib/current_load_checks.h"
#include "edlib/current_profile_checks.h"
#include "edlib/run_reads.h"
#include "edlib/spectrum_parameter_checks.h"
#include "lowlib/current_profile.h"
#include "lowlib/drift_forces.h"
#include "lowlib/speed_spectra.h"
#include "lowlib/user_drift_table.h"
#include "lowlib/wind_current_coefficients.h"
#include "sysutl/units.h"
#include "sysutl/user_table.h"
#include "veslib/user_raos.h"
#include "veslib/user_wave_spectrum.h"

namespace brevant {

namespace {

// " ++> Fatal Warning: The file "NAME" of the CHOOSER (page PAGE, item ITEM)" (or a warning).
std::string file_head(std::string_view head, std::string_view name, std::string_view chooser, Int page, Int item) {
    return std::string(head) + "The file \"" + std::string(name) + "\" of the " + std::string(chooser) + " (page " +
           std::to_string(page) + ", item " + std::to_string(item) + ")";
}

// The name of a user coefficient file as the load models form it: the vessel of a two-vessel
// program has a file of its own.
std::string coefficient_file(const Tpcm& t, bool wind) {
    return (wind ? wind_coefficient_file(t.SIMTYP, t.ISPM) : current_coefficient_file(t.SIMTYP, t.ISPM)).trimmed();
}

using Reader = TableOutcome (*)(std::string_view name, Int IOOUT);

// The file read whole by the reader the run uses; what keeps it from being read is the finding.
void check_file(const Tpcm& t, std::vector<RunFileFinding>& found, std::string_view name, Reader read,
                std::string_view chooser, Int page, Int item) {
    const TableOutcome outcome = read(name, t.EDUNIT);
    if (!outcome.ok())
        found.push_back({true, {file_head(kFatalFindingHead, name, chooser, page, item), table_fault_text(outcome)}});
}

// The profile file, read as the run reads it: its depths given twice refused only where the run
// looks the profile up between them or at equal first depths. A depth or speed reaches the loads
// through the mean current over the draft: where the profile's mean passes the surface speed (which
// its own bound keeps computable) to loads beyond single precision, the finding names the first line
// from which the profile read so far does so. The members' drag takes them at the levels of its
// draft: where that current leaves single precision, the finding names the lines of the points it
// lies between.
void profile_file_findings(const Tpcm& t, std::vector<RunFileFinding>& found) {
    const std::string head =
        file_head(kFatalFindingHead, kCurrentProfileFile, "current variation with depth", 10, 3);
    const auto read = std::make_unique<ProfileFileRead>(
        read_current_profile_file(kCurrentProfileFile, t.EDUNIT, current_profile_look_up_depths(t)));
    if (!read->outcome.ok()) {
        found.push_back({true, {head, table_fault_text(read->outcome)}});
        return;
    }
    const CurProf& p = read->profile;
    // The points between which the members' drag would take a current it cannot compute with.
    const DragCurrentPoints drag =
        drag_current_beyond_range(t, p.DPTHIPF.data(), p.VELIPF.data(), p.CURHDGPF.data(), p.NCURNTPF);
    if (drag.first != 0) {
        const auto line = [&read](Int point) { return std::to_string(read->lines[static_cast<std::size_t>(point - 1)]); };
        found.push_back({true,
                         {head, drag.first == drag.last
                                    ? "     has a point at line " + line(drag.first) +
                                          " that gives the members' drag a current too large to compute."
                                    : "     has points at lines " + line(drag.first) + " and " + line(drag.last) +
                                          " that give the members' drag a current too large to compute."}});
    }
    const auto beyond = [&t, &p](Int count) {
        const Real K = profile_mean_current(t, p.DPTHIPF, p.VELIPF, count);
        return !(std::fabs(K) <= std::fabs(t.CURSPD)) && current_loads_beyond_range(t, K);
    };
    if (!beyond(p.NCURNTPF)) return;
    Int j = 1;
    while (j < p.NCURNTPF && !beyond(j)) ++j;
    found.push_back({true,
                     {head, "     has a depth or speed at line " +
                                std::to_string(read->lines[static_cast<std::size_t>(j - 1)]) +
                                " whose current loads are too large to compute."}});
}

void user_file_findings(const Tpcm& t, std::vector<RunFileFinding>& found) {
    const auto check = [&found, &t](std::string_view name, Reader read, std::string_view chooser, Int page, Int item) {
        check_file(t, found, name, read, chooser, page, item);
    };

    // Page 6: the coefficient files of wind and current (model 2) and the drift file (model 1).
    if (wind_coefficient_file_read(t))
        check(coefficient_file(t, true), read_user_coefficient_file, "wind force model", 6,
              load_model_item(t, &Tpcm::LWBARG, field_choosing(t, &Tpcm::LWBARG, 2)));
    if (current_coefficient_file_read(t))
        check(coefficient_file(t, false), read_user_coefficient_file, "current force model", 6,
              load_model_item(t, &Tpcm::LCBARG, field_choosing(t, &Tpcm::LCBARG, 2)));
    if (const Int k = field_choosing(t, &Tpcm::LWVCOF, 1); k != 0) {
        const Int item = load_model_item(t, &Tpcm::LWVCOF, k);
        const bool tables = regular_wave_drift_file_read(t);
        const std::string own = drift_file_name(t.SIMTYP, t.ISPM).trimmed();
        if (tables) check(kDriftCoefficientFile, read_drift_file, "wave force model", 6, item);
        if (wave_drift_file_read(t) && !(tables && own == kDriftCoefficientFile))
            check(own, read_drift_file, "wave force model", 6, item);
    }

    // The spectra and the current profile read from files.
    if (wind_spectrum_file_read(t))
        check(kWindSpectrumFile, read_speed_spectrum_file, "wind spectral type", 9, 3);
    if (current_profile_file_read(t)) profile_file_findings(t, found);
    if (current_spectrum_file_read(t))
        check(kCurrentSpectrumFile, read_speed_spectrum_file, "current spectral type", 10, 6);
    sea_and_swell_file_findings(t, found);

    // Page 3: the user RAO table. Without it the run goes on with unit RAOs after a warning and a
    // question, which a silent run cannot answer: it stops there. A table it cannot read whole
    // ends any run.
    if (user_raos_read(t)) {
        FixedText<13> name;
        USRDATSEL(t.SIMTYP, t.ISPM, name);
        const std::string_view chooser = "user-supplied vessel RAO data";
        const TableOutcome outcome = read_user_rao_file(name.trimmed(), t.EDUNIT);
        if (outcome.fault == TableFault::Missing) {
            if (t.EDUNIT == SILENT_UNIT)
                found.push_back({true,
                                 {file_head(kFatalFindingHead, name.trimmed(), chooser, 3, 13),
                                  "     is missing or cannot be read; a silent run would stop on it."}});
            else
                found.push_back({false,
                                 {file_head(" ++> Warning: ", name.trimmed(), chooser, 3, 13),
                                  "     is missing or cannot be read; the run will use unit RAOs."}});
        } else if (!outcome.ok()) {
            found.push_back(
                {true, {file_head(kFatalFindingHead, name.trimmed(), chooser, 3, 13), table_fault_text(outcome)}});
        }
    }
}

}  // namespace

// The spectrum file where the sea or the swell reads it: read whole, and its densities on the period
// grid giving a significant height the run can compute with, as a custom table must.
void sea_and_swell_file_findings(const Tpcm& t, std::vector<RunFileFinding>& found) {
    const auto check = [&](std::string_view chooser, Int page) {
        const std::size_t before = found.size();
        check_file(t, found, kWaveSpectrumFile, read_wave_spectrum_file, chooser, page, 2);
        if (found.size() != before) return;
        const std::string head = file_head(kFatalFindingHead, kWaveSpectrumFile, chooser, page, 2);
        switch (wave_spectrum_file_fault(t)) {
            case SpectrumSizeFault::NegativeVariance:
                found.push_back({true, {head, "     integrates to a negative variance: no significant height to compute."}});
                break;
            case SpectrumSizeFault::TooLarge:
                found.push_back({true,
                                 {head, "     gives a significant height too large to compute (beyond " +
                                            std::to_string(static_cast<long>(wave_height_bound(t.NUNTS))) + ")."}});
                break;
            case SpectrumSizeFault::None: break;
        }
    };
    if (sea_spectrum_file_read(t)) check("wave type", 12);
    if (swell_spectrum_file_read(t)) check("swell type", 13);
}

std::vector<RunFileFinding> run_file_findings() {
    std::vector<RunFileFinding> found;
    user_file_findings(TPCM, found);
    return found;
}

}  // namespace brevant
