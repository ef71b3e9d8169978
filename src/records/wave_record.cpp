// The one wave environment record of the program.
#include "records/wave_record.h"

#include <cstring>

namespace brevant {

WavCom WAVCOM{};

void reset_wavcom() { std::memset(static_cast<void*>(&WAVCOM), 0, sizeof(WAVCOM)); }

}  // namespace brevant
