// The defaults of a new case: what a data image holds when the user creates a case instead of
// loading one.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Stores the new-case defaults of running type CREATQ into TPCM. The caller has set words 1 to
// NTOGOQ to zero first; only the words that differ from zero are written here.
void store_new_case_defaults(Int CREATQ);

}  // namespace brevant
