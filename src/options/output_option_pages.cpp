// PENDING: the output-option pages are stand-ins that show their header and pass on the selection;
// their items come with the output options.
#include "options/output_option_pages.h"

#include "records/data_image.h"
#include "sysutl/stand_in_page.h"

namespace brevant {

void BRVIO(std::string_view PAGE) {
    stand_in_page(PAGE, " ", "Brevant Output Options 1", TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG);
}
void BRVIO2(std::string_view PAGE) {
    stand_in_page(PAGE, " ", "Brevant Output Options 2", TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG);
}

}  // namespace brevant
