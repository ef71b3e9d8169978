// The set-up of an analysis run: run-wide captions and constants, the banner, the report file and
// its title page, the frequency grid with its wave numbers, the sea and swell spectra, the
// external-force note, motion phase 1, the current profile, the load-coefficient terms and the arm.
#pragma once

#include "core/run_values.h"

namespace brevant {

// The first phase of BRVCOR, in the order of its steps. Fills R and the records WAVCOM, EQUILB
// (SWHC, YAWARM), HIMEM (IW), the current profile, SINES, and the data-image words LBACK, AXFC2,
// AXFC3; an attack-angle count above what the output options keep is reduced in TPCM.NUMBRV, and the
// second swell (no page or spectrum here) is switched off in TPCM.LSWEL2: the caller puts both
// back when the run ends. Ends the program (status 1) when the swell peak, or the peak of a
// Gaussian sea, lies off the period grid.
void run_setup(RunValues& R);

// The captions and constants of the set-up's steps 1-12 that depend only on the data image (no
// console output, no records written): speeds, bow, spectrum, unit and leading-system captions.
void set_run_captions(RunValues& R);

}  // namespace brevant
