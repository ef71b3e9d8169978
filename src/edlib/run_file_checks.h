// The pre-run checks of the user files a run will read: each file that a chosen model, spectrum
// type or profile reads is read here, before the run, with the run's own reader, so that a file
// the run could not read whole is refused by name (and line) while the report of the last run is
// still there. The user RAO table is read the same way; when it is missing the run replaces it by
// unit RAOs: a warning for a run on the screen, a fatal finding for a silent run, which stops on it.
// When the run reads each file is told by run_reads.
#pragma once

#include <vector>

#include "edlib/run_input_checks.h"
#include "records/data_image.h"

namespace brevant {

struct RunFileFinding {
    bool fatal;
    RunInputFinding lines;
};

// The findings of the spectrum file "WAVSPEC.txt" where the irregular sea or the swell of T reads
// it, in the order of run_file_findings (all of them fatal): a file the run could not read whole, and
// a table whose densities on the period grid give no significant height the run can compute with.
// Reads the file; changes nothing.
void sea_and_swell_file_findings(const Tpcm& t, std::vector<RunFileFinding>& found);

// The findings of the case in TPCM, in a fixed order: the coefficient and drift files of page 6,
// the spectra and the profile of pages 9, 10, 12 and 13, then the user RAO table of page 3. Reads
// the image and the files in the working directory; changes nothing. A silent run is one whose
// console unit (EDUNIT) is the file unit 41.
std::vector<RunFileFinding> run_file_findings();

}  // namespace brevant
