// The checks before the run that concern the wave report's sea and swell.
#include "edlib/wave_report_findings.h"

#include <utility>

#include "edlib/consistency_warnings.h"
#include "edlib/run_choice_checks.h"
#include "edlib/run_file_checks.h"
#include "edlib/spectrum_parameter_checks.h"
#include "edlib/wave_frequency_checks.h"
#include "records/data_image.h"

namespace brevant {

std::vector<RunInputFinding> wave_report_findings(const Tpcm& t) {
    std::vector<RunInputFinding> found;
    if (RunInputFinding lines = wave_specification_finding(t, false); !lines.empty()) found.push_back(std::move(lines));
    // Every wave number of the report is computed at the water depth.
    if (RunInputFinding lines = draft_depth_finding(t); !lines.empty()) found.push_back(std::move(lines));
    // The periods as the spectra take them; with fewer than two the report has its own message, and
    // without a sea or swell the kinematics alone take the list (a count beyond the table held to it).
    if (t.NWP >= 2 && (t.LRANDM != 0 || t.LSWELL != 0)) {
        if (RunInputFinding lines = wave_period_table_finding(t); !lines.empty()) found.push_back(std::move(lines));
    }
    regular_wave_real_findings(t, found);
    sea_and_swell_real_findings(t, found);
    sea_and_swell_parameter_findings(t, found);
    // Every period of the list becomes a wave number on the report's first page, sea or no sea.
    period_table_wave_number_findings(t, found);
    sea_and_swell_choice_findings(t, found);
    std::vector<RunFileFinding> files;
    sea_and_swell_file_findings(t, files);
    for (RunFileFinding& f : files) found.push_back(std::move(f.lines));
    return found;
}

}  // namespace brevant
