// The findings of the checks before the run that the wave report (End of Session item 6) refuses
// with: those about the words it computes from (the depth, the periods, the regular wave, the sea
// and the swell), as the checks give them.
#pragma once

#include <vector>

#include "edlib/run_input_checks.h"

namespace brevant {

struct Tpcm;

// The fatal findings of the checks before the run about the words of T every regular wave of the
// report is computed from (the water depth, against the vessel's draft too, the table of wave
// periods, the regular wave's height or slope), about the irregular sea and the first swell of T
// as far as each is on (their switches and spectrum types, the heights and periods they take, the
// words of their pages, their spectrum parameters, "WAVSPEC.txt" where they read it), about the
// table of wave periods as their spectra take it (with one of them on, from two periods on: with
// fewer the report has its own rule), and about the periods that have no wave number (every period
// of the list becomes one), in the order the checks before the run give them. The second swell is
// not part of the report. Reads the case and the spectrum file; the records the checks use as
// scratch are put back.
std::vector<RunInputFinding> wave_report_findings(const Tpcm& T);

}  // namespace brevant
