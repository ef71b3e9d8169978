// The program's state back to its start.
#include "core/program_state.h"

#include "core/attack_angle_spectra.h"
#include "edlib/editor_driver.h"
#include "edlib/end_of_session.h"
#include "edlib/last_page.h"
#include "edlib/pages/tanker_database.h"
#include "lowlib/current_profile.h"
#include "lowlib/drag_entry.h"
#include "lowlib/drift_coefficients.h"
#include "lowlib/drift_preparation.h"
#include "lowlib/speed_spectra.h"
#include "lowlib/tanker_headings.h"
#include "lowlib/user_drift_table.h"
#include "lowlib/waves_in_current.h"
#include "lowlib/wind_current_coefficients.h"
#include "mooring/catlib/vertical_lines.h"
#include "mooring/curve_fit.h"
#include "mooring/help_facility.h"
#include "mooring/morlib/catenary_iteration.h"
#include "mooring/morlib/catenary_string.h"
#include "mooring/morlib/dynamic_coefficients.h"
#include "mooring/morlib/line_stiffness.h"
#include "mooring/morlib/oblique_stiffness.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/member_table.h"
#include "records/mooring_line_records.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "sysutl/squall_options.h"
#include "sysutl/units.h"
#include "veslib/hull_dispatch.h"
#include "veslib/motion_phase1.h"
#include "veslib/rao_refresh.h"
#include "veslib/user_raos.h"
#include "veslib/user_wave_spectrum.h"
#include "vessels/disc/disc_forces.h"
#include "vessels/disc/disc_line_calls.h"
#include "vessels/semi/member_forces.h"
#include "vessels/semi/semi_characteristics.h"
#include "vessels/semi/semi_forces.h"
#include "vessels/ship/ship_characteristics.h"

namespace brevant {

void reset_program_state() {
    reset_units();
    reset_images();
    reset_wavcom();
    reset_equilb();
    reset_himem();
    reset_pascom();
    reset_sines();
    reset_simcom();
    reset_lincom();
    reset_catcom();
    reset_squalcom();
    reset_session();
    reset_end_of_session();
    reset_last_page();
    reset_tanker_state();
    reset_curprof();
    reset_cfprep();
    reset_dragf_semi();
    reset_drftc();
    reset_drftcb();
    reset_localq();
    reset_opacity();
    reset_usrwnd();
    reset_usrcrn();
    reset_uwndspec();
    reset_ucurspec();
    reset_uwvspc();
    reset_usrrao();
    reset_vesl1();
    reset_relraoup();
    reset_ship_characteristics();
    reset_semi_characteristics();
    reset_semi_forces();
    reset_member_forces();
    reset_disc_line_calls();
    reset_disc_warnings();
    reset_dummy1();
    reset_dummy2();
    reset_fitcrv();
    reset_kelast();
    reset_tmpcm2();
    reset_dyncod();
    reset_locitr();
    reset_foblq();
    clear_hull_table();
    reset_angspec_row_refusal();
}

}  // namespace brevant
