// The site and environment pages of the chain: site conditions (page 1), environmental areas (8),
// wind (9), current (10), regular waves (11), irregular waves (12) and background swell (13), and
// the two-swell variant of the swell page.
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

// The words of one swell as the two-swell page edits them: the first swell's (LSWELL, SWLTYP, ...)
// or the second swell's (LSWEL2, SWLTYP2, ...). The lock LSWLOK and the table USRPSD are shared.
struct SwellWords {
    Int& LSWELL;
    Int& SWLTYP;
    Real& SWELHT;
    Real& SWELPD;
    Real& SWLHDG;
    Real& JONPL_SWL;
    Real& JONPG_SWL;
    Real& JONGAM_SWL;
    Real& SWLWID;
};
SwellWords first_swell_words();
SwellWords second_swell_words();

// The two-swell variant of the swell page (items 1-11 the first swell, 21-31 the second, 41 the
// lock). No page of the chain calls it.
void SWELL2(std::string_view PAGE);
// One swell's block of that page, its items numbered NFIRST + 1 .. NFIRST + 11: DATUPD 0 draws its
// lines, 1 carries out item LBACK.
void SWEL_BLOK(Int NFIRST, Int DATUPD, SwellWords& swell);

}  // namespace brevant
