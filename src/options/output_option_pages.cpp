// PENDING: the output-option pages are stand-ins that show their header and pass on the selection;
// their items come with the output options.
#include "options/output_option_pages.h"

#include "edlib/pages/placeholder_page.h"

namespace brevant {

void BRVIO(std::string_view PAGE) { placeholder_page(PAGE, " ", "Brevant Output Options 1"); }
void BRVIO2(std::string_view PAGE) { placeholder_page(PAGE, " ", "Brevant Output Options 2"); }

}  // namespace brevant
