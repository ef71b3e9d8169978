// The set-up of an analysis run: run-wide captions and constants, the banner, the report file and
// its title page, the frequency grid with its wave numbers, the sea and swell spectra, the
// external-force note, motion phase 1, the current profile, the load-coefficient terms and the arm.
#pragma once

#include <optional>
#include <string_view>

#include "core/run_values.h"

namespace brevant {

// The first phase of BRVCOR, in the order of its steps. Fills R and the records WAVCOM, EQUILB
// (SWHC, YAWARM), HIMEM (IW), the current profile, SINES, and the data-image words LBACK, AXFC2,
// AXFC3; an attack-angle count above what the output options keep is reduced in TPCM.NUMBRV, and the
// second swell (no page or spectrum here) is switched off in TPCM.LSWEL2: the caller puts both
// back when the run ends. Ends the program (status 1) when the swell peak, or the peak of a
// Gaussian sea, lies off the period grid.
void run_setup(RunValues& R);

// The steps of the set-up, in the order run_setup takes them.

// Steps 1-12 without console output: speeds, captions, unit captions, the leading wave system,
// STARTA, and G, RHOAIR (in WAVCOM) and WDCNST by the unit system and the depth.
void set_run_constants(RunValues& R);
// Step 7's guard: an attack-angle count above the limit the output options keep (361 uniform, 37
// listed) is reduced in TPCM.NUMBRV, with a note on the console.
void limit_attack_angles();
// Steps 14-15: the grid from the period list, and the wave number at each period (HIMEM.IW ends at
// NWP + 1).
void run_frequency_grid(const RunValues& R);
// Step 16: the sea spectrum, NWAVPK and EQUILB.SWHC. A Gaussian sea whose peak lies off the grid
// stops the run (message, pause, status 1).
void run_sea_spectrum(RunValues& R);
// Step 17: the swell, whose peak must lie on the grid (else message, pause, status 1).
void run_swell_spectrum(RunValues& R);
// The leading wave system of the case: the sea where there is one, otherwise the swell, none
// without waves. Its caption ("Wave " or "Swell"), its plural ("Waves" or "Swell") and the
// current's heading relative to it, degrees.
struct LeadingSystem {
    std::string_view caption;
    std::string_view plural;
    Real RELCUR;
};
std::optional<LeadingSystem> leading_wave_system();
// Step 19: the note on a second external force instance, a pause, and AXFC2, AXFC3 cleared.
void single_external_force_note();

}  // namespace brevant
