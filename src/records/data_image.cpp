// The data image of the session and its reset.
#include "records/data_image.h"

#include <algorithm>

#include "records/coefficient_image.h"

namespace brevant {

Tpcm TPCM;

void reset_tpcm() { std::ranges::fill(image_bytes(TPCM), std::byte{0}); }

void reset_images() {
    reset_tpcm();
    reset_lowcof();
}

}  // namespace brevant
