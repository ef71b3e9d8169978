// A stand-in editor page for a page that is not built yet: its header, a selection, its code.
#pragma once

#include <string_view>

namespace brevant {

// Keeps the page contract: draws the header (page number, prefix and title) on EDUNIT, clearing the
// screen unless a page pass is writing; in a page pass it writes itself once, advances the output and
// leaves LBACK 0; otherwise it reads a selection with ENTSEL into LBACK and returns it ("?" shows
// that no help exists yet and draws the page again).
void placeholder_page(std::string_view PAGE, std::string_view PRETXT, std::string_view HDRTXT);

}  // namespace brevant
