// PENDING: stand-in for the pages that are not built yet; each real page replaces its call.
#include "sysutl/stand_in_page.h"

#include "sysutl/answers.h"
#include "sysutl/page_drawing.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

void stand_in_page(std::string_view PAGE, std::string_view PRETXT, std::string_view HDRTXT, Int EDUNIT, Int& LCOPY,
                   Int& LBACK, Int& IPAG) {
    for (;;) {
        PAGHDR(PAGE, PRETXT, HDRTXT, 78, EDUNIT, LCOPY);
        if (LCOPY != 0) {
            TWOPG(LCOPY, EDUNIT);
            LBACK = 0;
            return;
        }
        ENTSEL(LBACK, EDUNIT, KBD_UNIT, IPAG);
        if (LBACK != NAV_HELP) return;
        NOHELP(EDUNIT, KBD_UNIT, IPAG);
    }
}

}  // namespace brevant
