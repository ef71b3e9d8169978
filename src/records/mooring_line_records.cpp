// The two mooring-line records of the program.
#include "records/mooring_line_records.h"

#include <cstring>

namespace brevant {

// Zero-initialised storage; both records are large (the statics tables alone are 11 MB).
LinCom LINCOM{};
CatCom CATCOM{};

void reset_lincom() { std::memset(static_cast<void*>(&LINCOM), 0, sizeof(LINCOM)); }
void reset_catcom() { std::memset(static_cast<void*>(&CATCOM), 0, sizeof(CATCOM)); }

}  // namespace brevant
