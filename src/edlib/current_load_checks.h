// The current's loads as the run forms them from the mean current over the draft that a profile
// gives: for the checks before a run of the profile table of page 10 and of "CRNTPROF.txt", whose
// depths and speeds reach the loads only through that mean.
#pragma once

#include "lowlib/current_profile.h"
#include "records/data_image.h"
#include "sysutl/ftypes.h"

namespace brevant {

// The mean current over the draft (AVGCUR, knots) that the COUNT points of DEPTHS and SPEEDS give
// the run's current load factor, with the case's draft, water depth, surface speed and kind of
// variation with depth.
Real profile_mean_current(const Tpcm& t, const ProfileArray& DEPTHS, const ProfileArray& SPEEDS, Int COUNT);

// Whether a current of mean K knots over the draft gives loads beyond single precision where the
// report takes them, formed as the run forms them (CURCOF = DWATR / G CURFAC FCONST K K, times the
// area and the coefficient of the case's current model at each attack angle of the run):
//   VI, the mean loads and the moment about the reference point BRVARM;
//   IX, the net loads (the moment less the sway load's lever BRVARM) and X's resultant of them;
//   VII, the series of pages by attack angle and IX's net spectra: 4 F F S / V^2 of each load F,
//   S the density of the current's speed spectrum (at the row frequencies of the series), V the
//   surface current speed.
// Only with the current on and such a table asked for; false where the run would stop before the
// loads (no coefficient model, a user file it cannot read, a waterline length or beam of 0), which
// the checks report on their own.
bool current_loads_beyond_range(const Tpcm& t, Real K);

}  // namespace brevant
