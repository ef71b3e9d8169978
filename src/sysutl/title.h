// The framed title screen with the start menu, the report title page with its time stamp, the
// version captions both show, and the readers of the local time and date.
#pragma once

#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Draws the title screen of program NAME (8 characters), simulation type CREATR and version VER on
// IOSCRN. With LCOPY 0 the screen is cleared first and the start menu read from KBD until one of
// M, C, E or B is given, returned upper-case in ANSWER; with LCOPY non-zero only the box is drawn
// and ANSWER is left alone.
void TITLE(Int CREATR, std::string_view NAME, Real VER, Int IOSCRN, Int KBD, char& ANSWER, Int LCOPY);

// Writes the report title page on IUNIT: the first LEN1 characters of CLIN1, the first LEN2 of
// CLIN2 with the version caption, the capacity line, the two identification lines (72 characters
// each) and the time stamp "Executed at hh:mm on m/d/yy".
void TITLPG(Int CREATR, std::string_view CLIN1, Int LEN1, std::string_view CLIN2, Int LEN2, Real VERNO,
            std::string_view IDENT1, std::string_view IDENT2, Int IUNIT);

// "Version: " and |VERNO| as n.nn.00, then a blank, or "b" for a version that is not positive
// (a pre-release): 17 characters.
std::string VERSION_STRING(Real VERNO);
// |VERNO| as n.nn, the suffix as ".0s" (suffix up to 9) or ".ss", then blank or "b"; 17 characters.
std::string VERSION_STRING2(Real VERNO, Int IVERS_SUFX);

// Local time: minutes since midnight and seconds.
void RHTIME(Int& NMINS, Int& NSECS);
// Local date: month, day, four-digit year.
void RHDATE(Int& MM, Int& DD, Int& YYYY);

}  // namespace brevant
