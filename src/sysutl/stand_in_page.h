// A stand-in page for a page that is not built yet, drawn with the page kit: its header, a
// selection, its navigation code. The editor words it works on are handed in, so that the editor
// and the output options share it without reading the data image from down here.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// PAGE, PRETXT, HDRTXT: the page number and the two parts of the title of the header.
// EDUNIT: the output unit of the page (the image's EDUNIT).
// LCOPY (in/out): page-dump run in progress; then the page writes itself once, advances the output
//   with TWOPG and leaves LBACK 0.
// LBACK (out): the selection read by ENTSEL (an item number or a navigation code); "?" shows that
//   no help exists yet and draws the page again.
// IPAG (in/out): the page slot counter that ENTSEL and NOHELP use for "J" and "?".
// The editor passes the image words of the same names.
void stand_in_page(std::string_view PAGE, std::string_view PRETXT, std::string_view HDRTXT, Int EDUNIT, Int& LCOPY,
                   Int& LBACK, Int& IPAG);

}  // namespace brevant
