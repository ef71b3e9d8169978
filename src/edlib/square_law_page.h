// Page 16 of the editor: how the square-law (quadratic) drag of a member-built hull enters the
// wave-frequency motions, stored in the data-image word SQLFRC.
#pragma once

#include <string>
#include <string_view>

#include "sysutl/ftypes.h"
#include "sysutl/paging.h"

namespace brevant {

// The page; PAGE is its number as text ("16"). Leaves the navigation code in LBACK.
void SEMSET(std::string_view PAGE);

// The caption of a treatment (75 characters); "Undefined" for a word outside 0..2.
std::string SQLTYP(Int SQLFRC);

// The treatment sub-page shared by this page and the member-model output options: the three
// treatments under their captions, one choice stored in SQLFRC (help and redraw stay on it).
void square_law_choice(const CaptionFunction& caption);

}  // namespace brevant
