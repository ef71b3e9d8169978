// PENDING: the environment pages are stand-ins that show their header and pass on the selection;
// their items come with the environment pages. The site page (page 1) is in site_page.cpp, the
// regular-wave page (11) in regular_wave_page.cpp.
#include "edlib/pages/environment_pages.h"

#include "edlib/pages/placeholder_page.h"

namespace brevant {

void AREAS(std::string_view PAGE, std::string_view TUGBAR) {
    placeholder_page(PAGE, TUGBAR, " Environmental Area, Moment and Enhancement Data");
}
void WIND(std::string_view PAGE) { placeholder_page(PAGE, "", "Wind Conditions"); }
void CURENT(Int /*FRESLM*/, std::string_view PAGE) { placeholder_page(PAGE, "", "Current Conditions"); }
void MORRAN(std::string_view PAGE) { placeholder_page(PAGE, "", "Irregular wave specifications"); }
void SWELL(std::string_view PAGE) { placeholder_page(PAGE, "", "Background swell characteristics"); }

}  // namespace brevant
