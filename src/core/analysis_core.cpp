// The analysis run: the set-up, then the report sections in report order, then the report closed;
// a report that holds NaN or Infinity ends the run with a warning and status 1.
#include "core/analysis_core.h"

#include <string>

#include "core/attack_angle_spectra.h"
#include "core/drift_coefficient_pages.h"
#include "core/force_distribution_page.h"
#include "core/net_force_pages.h"
#include "core/net_force_spectra.h"
#include "core/report_guard.h"
#include "core/run_setup.h"
#include "core/run_values.h"
#include "core/spectrum_pages.h"
#include "core/wave_force_pages.h"
#include "core/wind_current_pages.h"
#include "records/data_image.h"
#include "sysutl/program_end.h"
#include "sysutl/report_field_guard.h"
#include "sysutl/report_files.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// The data-image words the run changes for its own duration only: the attack-angle count it can
// hold and the second swell it has no spectrum for. They are put back when the run returns.
class RunScopedWords {
public:
    RunScopedWords() : NUMBRV_(TPCM.NUMBRV), LSWEL2_(TPCM.LSWEL2) {}
    ~RunScopedWords() {
        TPCM.NUMBRV = NUMBRV_;
        TPCM.LSWEL2 = LSWEL2_;
    }
    RunScopedWords(const RunScopedWords&) = delete;
    RunScopedWords& operator=(const RunScopedWords&) = delete;

private:
    Int NUMBRV_;
    Int LSWEL2_;
};

}  // namespace

void BRVCOR() {
    const RunScopedWords words;
    RunValues R;
    NonFiniteFields bad;
    {
        const ReportFieldCount count(TPCM.IUNIT, report_section_title);
        run_setup(R);
        set_angle_convention(R);

        drift_coefficient_pages(R);
        mean_force_distribution_pages(R);
        wave_force_pages(R);
        wind_current_coefficient_pages(R);
        wind_current_mean_force_pages(R);
        wind_current_spectrum_pages(R);
        speed_spectrum_pages(R);
        wave_spectrum_pages(R);
        group_spectrum_pages(R);
        net_force_pages(R);
        net_force_spectrum_pages(R);
        attack_angle_spectra_series(R);
        net_force_summary_page(R);
        bad = report_non_finite_fields();
    }

    // A report that holds NaN or Infinity is no success: one warning as its last line and on the
    // console (a single line when the report is the console), and the run ends with status 1.
    const Tpcm& P = TPCM;
    if (bad.count > 0) {
        const std::string warning = non_finite_fields_warning(bad);
        write_record(P.IUNIT, warning);
        if (P.EDUNIT != P.IUNIT) {
            write_record(P.EDUNIT, "");
            write_record(P.EDUNIT, warning);
        }
    }
    if (P.IUNIT == DISK_UNIT) HCLOSE(P.IUNIT, R.OUTFIL.view(), R.SIMNAM.view(), P.EDUNIT);
    if (bad.count > 0) stop_program(1);
}

}  // namespace brevant
