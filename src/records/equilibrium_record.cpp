// The one EQUILB record of the program.
#include "records/equilibrium_record.h"

#include <cstring>

namespace brevant {

Equilb EQUILB{};

void reset_equilb() { std::memset(static_cast<void*>(&EQUILB), 0, sizeof(EQUILB)); }

}  // namespace brevant
