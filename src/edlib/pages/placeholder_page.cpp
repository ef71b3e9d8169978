// PENDING: stand-in for the editor pages that are not built yet; each real page replaces its call.
#include "edlib/pages/placeholder_page.h"

#include "records/data_image.h"
#include "sysutl/stand_in_page.h"

namespace brevant {

void placeholder_page(std::string_view PAGE, std::string_view PRETXT, std::string_view HDRTXT) {
    stand_in_page(PAGE, PRETXT, HDRTXT, TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG);
}

}  // namespace brevant
