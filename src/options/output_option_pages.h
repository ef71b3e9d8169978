// The output-option pages of the chain: Brevant Output Options 1 (page 14) and 2 (page 15).
#pragma once

#include <string_view>

namespace brevant {

// The editor words LBACK, IPAG, LCOPY and EDUNIT are read and written in TPCM.
void BRVIO(std::string_view PAGE);
void BRVIO2(std::string_view PAGE);

}  // namespace brevant
