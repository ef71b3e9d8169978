// The one SINES record of the program.
#include "records/sines_record.h"

#include <cstring>

namespace brevant {

Sines SINES{};

void reset_sines() { std::memset(static_cast<void*>(&SINES), 0, sizeof(SINES)); }

}  // namespace brevant
