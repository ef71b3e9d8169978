// PENDING: the environment pages are stand-ins that show their header and pass on the selection;
// their items come with the environment pages. The site page (page 1) is in site_page.cpp, the
// environmental areas page (page 8) in areas_page.cpp, the wave pages (11 to 13) in
// regular_wave_page.cpp, irregular_wave_page.cpp and swell_page.cpp.
#include "edlib/pages/environment_pages.h"

#include "edlib/pages/placeholder_page.h"

namespace brevant {

void WIND(std::string_view PAGE) { placeholder_page(PAGE, "", "Wind Conditions"); }
void CURENT(Int /*FRESLM*/, std::string_view PAGE) { placeholder_page(PAGE, "", "Current Conditions"); }

}  // namespace brevant
