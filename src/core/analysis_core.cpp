// The analysis run: the set-up, then the report sections in report order, then the report closed.
#include "core/analysis_core.h"

#include "core/attack_angle_spectra.h"
#include "core/drift_coefficient_pages.h"
#include "core/force_distribution_page.h"
#include "core/net_force_pages.h"
#include "core/net_force_spectra.h"
#include "core/run_setup.h"
#include "core/run_values.h"
#include "core/spectrum_pages.h"
#include "core/wave_force_pages.h"
#include "core/wind_current_pages.h"
#include "records/data_image.h"
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

    if (TPCM.IUNIT == DISK_UNIT) HCLOSE(TPCM.IUNIT, R.OUTFIL.view(), R.SIMNAM.view(), TPCM.EDUNIT);
}

}  // namespace brevant
