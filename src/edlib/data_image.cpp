// The data image of the session and its reset.
#include "edlib/data_image.h"

#include <algorithm>

#include "edlib/coefficient_image.h"

namespace brevant {

Tpcm TPCM;

void reset_tpcm() { std::ranges::fill(image_bytes(TPCM), std::byte{0}); }

void reset_images() {
    reset_tpcm();
    reset_lowcof();
}

}  // namespace brevant
