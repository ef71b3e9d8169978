// The coefficient image of the session and its reset.
#include "records/coefficient_image.h"

#include <algorithm>

namespace brevant {

Lowcof LOWCOF;

void reset_lowcof() { std::ranges::fill(image_bytes(LOWCOF), std::byte{0}); }

}  // namespace brevant
