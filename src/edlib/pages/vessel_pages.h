// The vessel definition pages of the chain: hydrostatics (page 2), gyradii and bilge (3), periods and
// damping (4), the member-built hull (5), low-frequency load models (6) and the external force (7).
#pragma once

#include <string_view>

namespace brevant {

// Each page takes its page number as text; the vessel pages also the title prefix TUGBAR ("Vessel").
// The editor words LBACK, IPAG, LCOPY and EDUNIT are read and written in TPCM.
void VESEL1(std::string_view PAGE, std::string_view TUGBAR);
void VESEL2(std::string_view PAGE, std::string_view TUGBAR);
void VESEL3(std::string_view PAGE, std::string_view TUGBAR);
void CYLNDR(std::string_view PAGE);
void LOWVES(std::string_view PAGE, std::string_view TUGBAR);
void EXTFRC(std::string_view PAGE, std::string_view TUGBAR);

}  // namespace brevant
