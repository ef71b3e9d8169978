#include "lowlib/drag_entry.h"

namespace brevant {

// PENDING: the viscous drag models (ship hull and member-built hull) come with the viscous drag
// work. Until then the entry gives no drag load and no interaction.
void DRAGF(Int, Int, Real, const Real*, Real&, Real& FOUTD, Real& FOUTR, Int) {
    FOUTD = 0.0f;
    FOUTR = 0.0f;
}

}  // namespace brevant
