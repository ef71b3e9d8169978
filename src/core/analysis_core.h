// The slow-drift analysis run on the saved case.
#pragma once

namespace brevant {

// Runs the analysis of the case in TPCM and LOWCOF and writes its report.
void BRVCOR();

}  // namespace brevant
