// The output-option pages of the chain: Brevant Output Options 1 (page 14), which tables of wave
// drift and of the wave and swell spectra the report holds, and 2 (page 15), the wind, current and
// net-load tables, the attack-angle grid and the controls of the report.
#pragma once

#include <string_view>

namespace brevant {

// PAGE is the page label of the header ("14", "15"). Both apply their clearing rule of BRVFLG on
// every call (the page dump included) and leave the navigation code in LBACK: 0 for the next page,
// else the command code of the selection prompt. The editor words LBACK, IPAG, LCOPY and EDUNIT are
// read and written in TPCM.
void BRVIO(std::string_view PAGE);
void BRVIO2(std::string_view PAGE);

}  // namespace brevant
