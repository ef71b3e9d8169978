// The one member table of the program.
#include "records/member_table.h"

#include <cstring>

namespace brevant {

Simcom SIMCOM{};

void reset_simcom() { std::memset(static_cast<void*>(&SIMCOM), 0, sizeof(SIMCOM)); }

}  // namespace brevant
