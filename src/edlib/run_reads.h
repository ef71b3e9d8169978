// When the run reads a load model, a user file or a code of the case: the predicates that the
// checks before the run share, so that a value or a file is looked at exactly where the run uses
// it. Each follows the branches of the run (the report sections, the motions and the load models).
#pragma once

#include <vector>

#include "lowlib/depth_current_drag.h"
#include "records/data_image.h"
#include "sysutl/ftypes.h"

namespace brevant {

// A bit of the output selection word BRVFLG is set.
bool output_bit_on(const Tpcm& t, Int bit);
// A wave system is on: the sea or the swell (the run has no spectrum of a second swell).
bool waves_on(const Tpcm& t);

// The attack angles the run computes its tables at: NUMBRV, as the run holds it (to 361 on a uniform
// grid, to the 37 of a list).
Int run_attack_angles(const Tpcm& t);

// Whether the run evaluates the wind, current and wave-drift load models of page 6 (and so reads
// their model words and the user files they choose).
bool wind_model_used(const Tpcm& t);
bool current_model_used(const Tpcm& t);
bool drift_model_used(const Tpcm& t);
// Whether the report writes the sea's wave characteristics (its characteristic wind speed among them):
// the wave and group spectra (VIII, VIIIp), and the sea's pages of the spectra by attack angle (VIIs).
bool sea_characteristics_reported(const Tpcm& t);
// Whether the report holds a wind or current speed spectrum.
bool speed_spectra_reported(const Tpcm& t);
// Whether the report holds drift forces of the sea and the swell (IIa, IIIa, IVa, IIIb, IVb, IX, X
// and the spectra by attack angle).
bool drift_forces_reported(const Tpcm& t);

// The first field (1 Cx .. 3 Cz) of the load model word WORD (LWBARG, LCBARG or LWVCOF) that chose
// MODEL, 0 when none did.
Int field_choosing(const Tpcm& t, Int Tpcm::*word, Int model);
// Page 6 shows one item for the three fields of WORD while they agree (the current's NSMB mean
// curve in field 1 agreeing with 4), and an item each otherwise.
bool load_model_fields_agree(const Tpcm& t, Int Tpcm::*word);
// The item of page 6 that shows field K (1 Cx .. 3 Cz) of WORD.
Int load_model_item(const Tpcm& t, Int Tpcm::*word, Int k);

// The coefficient file of the wind or current force model (model 2 in some field) is read.
bool wind_coefficient_file_read(const Tpcm& t);
bool current_coefficient_file_read(const Tpcm& t);

// The wind and current speed spectra are evaluated (and their spectral types read).
bool wind_spectrum_read(const Tpcm& t);
bool current_spectrum_read(const Tpcm& t);

// The user files of the spectra and the current profile are read.
bool wind_spectrum_file_read(const Tpcm& t);
bool current_spectrum_file_read(const Tpcm& t);
bool current_profile_file_read(const Tpcm& t);
bool sea_spectrum_file_read(const Tpcm& t);
bool swell_spectrum_file_read(const Tpcm& t);

// The drift model's user file (model 1 in some field): the regular-wave tables (Ia, IIa) read
// "DRFTCOFS.txt", the forces of the sea and the swell the vessel's own file.
bool regular_wave_drift_file_read(const Tpcm& t);
bool wave_drift_file_read(const Tpcm& t);

// The run looks up the case's current at depths below the surface in its profile (GET_VCX_LOC: at
// and below the first point of the profile, the table search and its interpolation) for a value the
// report shows: the wave drag of a member-built hull in a current. It does so at the levels of the
// members' draft, from the surface down to the draft DRAFT, as the drag over the draft steps down
// to them (stepped_draft_levels), as the spectral preparation scales them (scaled_draft_levels), or
// both.
struct ProfileLevels {
    bool stepped = false;
    bool scaled = false;
    bool regular = false;  // the regular waves' drag over the draft (Ib), at the stepped levels
    bool spectra = false;  // the spectra of a sea or a swell, at both
};
ProfileLevels current_profile_levels(const Tpcm& t);
// Either.
bool current_profile_looked_up(const Tpcm& t);
// The depths of those levels; none where the run does not look the profile up.
std::vector<Real> current_profile_look_up_depths(const Tpcm& t);
// The look-ups of those levels with the wave headings the drag takes the current along there: the
// regular waves' of each attack angle of the run at the stepped levels, the sea's and the swell's at
// the levels of their spectra and mean forces; whole at the stepped levels and at the surface.
std::vector<DragLookUp> current_profile_drag_look_ups(const Tpcm& t);

// The user RAO table of page 3 is read: by the wave-frequency responses of a wave system that is
// on, which the drift and drag tables by attack angle, the net loads and their spectra ask for.
bool user_raos_read(const Tpcm& t);

// The hull model reads the semi output options' phantom weight switch: a member-built hull of a
// program other than the tension-leg ones, whose own tendons take its place.
bool phantom_weight_switch_read(const Tpcm& t);
// A tension-leg program (creators 14 and 17) made the data.
bool tension_leg_program(const Tpcm& t);

}  // namespace brevant
