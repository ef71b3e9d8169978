// PENDING: the environment pages are stand-ins that show their header and pass on the selection;
// their items come with the environment pages. The site page (page 1) is in site_page.cpp,
// the environmental areas page (page 8) in areas_page.cpp.
#include "edlib/pages/environment_pages.h"

#include "edlib/pages/placeholder_page.h"

namespace brevant {

void REGLAR(std::string_view PAGE) { placeholder_page(PAGE, "", "Regular Wave Characteristics"); }
void MORRAN(std::string_view PAGE) { placeholder_page(PAGE, "", "Irregular wave specifications"); }
void SWELL(std::string_view PAGE) { placeholder_page(PAGE, "", "Background swell characteristics"); }

}  // namespace brevant
