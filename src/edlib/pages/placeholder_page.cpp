// PENDING: stand-in for the editor pages that are not built yet; each real page replaces its call.
#include "edlib/pages/placeholder_page.h"

#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/page_drawing.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

void placeholder_page(std::string_view PAGE, std::string_view PRETXT, std::string_view HDRTXT) {
    for (;;) {
        PAGHDR(PAGE, PRETXT, HDRTXT, 78, TPCM.EDUNIT, TPCM.LCOPY);
        if (TPCM.LCOPY != 0) {
            TWOPG(TPCM.LCOPY, TPCM.EDUNIT);
            TPCM.LBACK = 0;
            return;
        }
        ENTSEL(TPCM.LBACK, TPCM.EDUNIT, KBD_UNIT, TPCM.IPAG);
        if (TPCM.LBACK != NAV_HELP) return;
        NOHELP(TPCM.EDUNIT, KBD_UNIT, TPCM.IPAG);
    }
}

}  // namespace brevant
