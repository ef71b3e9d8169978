// Page 16 of the editor: how the square-law (quadratic) drag of a member-built hull enters the
// wave-frequency motions, stored in the data-image word SQLFRC.
#pragma once

#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// The page; PAGE is its number as text ("16"). Leaves the navigation code in LBACK.
void SEMSET(std::string_view PAGE);

// The caption of a treatment (75 characters); "Undefined" for a word outside 0..2.
std::string SQLTYP(Int SQLFRC);

}  // namespace brevant
