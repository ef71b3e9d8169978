// The one wave-frequency response results record of the program.
#include "records/response_record.h"

#include <cstring>

namespace brevant {

Pascom PASCOM{};

void reset_pascom() { std::memset(static_cast<void*>(&PASCOM), 0, sizeof(PASCOM)); }

}  // namespace brevant
