// PENDING: the vessel definition pages are stand-ins that show their header and pass on the
// selection; their items come with the vessel pages.
#include "edlib/pages/vessel_pages.h"

#include "edlib/pages/placeholder_page.h"

namespace brevant {

void VESEL2(std::string_view PAGE, std::string_view TUGBAR) {
    placeholder_page(PAGE, TUGBAR, " Gyradii and Bilge Specifications");
}
void VESEL3(std::string_view PAGE, std::string_view TUGBAR) {
    placeholder_page(PAGE, TUGBAR, " Period and Damping Specifications");
}
void CYLNDR(std::string_view PAGE) { placeholder_page(PAGE, "", "Member Particulars"); }

}  // namespace brevant
