// The site and environment pages of the chain: site conditions (page 1), environmental areas (8),
// wind (9), current (10), regular waves (11), irregular waves (12) and background swell (13).
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// The editor words LBACK, IPAG, LCOPY and EDUNIT are read and written in TPCM.
void STATIC();
void AREAS(std::string_view PAGE, std::string_view TUGBAR);
void WIND(std::string_view PAGE);
void CURENT(Int FRESLM, std::string_view PAGE);
void REGLAR(std::string_view PAGE);
void MORRAN(std::string_view PAGE);
void SWELL(std::string_view PAGE);

}  // namespace brevant
