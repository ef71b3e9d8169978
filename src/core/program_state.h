// The whole program's state back to its start: for running one case after another in one process
// (the fuzz target of the analysis, the sweeps of the tests) as separate starts of the program would.
#pragma once

namespace brevant {

// Every record, kept result, unit and session value back to its start, as at the start of the
// program: the data and coefficient images, the run's records, the values the routines keep between
// calls, the console units and the installed hull models.
void reset_program_state();

}  // namespace brevant
