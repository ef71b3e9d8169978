// Drawing an editor page: the starred page header, numbered item lines with a dotted label and a
// value in the page's own format, short unit captions, and the pager of warning lists.
#pragma once

#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// The starred header "Page <PAGE>: <PRETXT><HDRTXT>" centred in HDRLEN columns, then one empty
// line. The screen is cleared first unless the pages are being echoed or dumped (LCOPY not 0).
void PAGHDR(std::string_view PAGE, std::string_view PRETXT, std::string_view HDRTXT, Int HDRLEN, Int IOSCRN,
            Int LCOPY);

// The 79-character dotted label of item I: " nn) label ......" ending in column LENLIN + 1.
std::string EDLNOT(Int I, std::string_view STRNG1, Int LENLIN);

// Item lines: the dotted label of item I followed by the value in the page's format FRMT, written
// to EDUNIT; each leaves I one higher.
void OUTCFU(Int& I, std::string_view TEXT, Real VAL, std::string_view FRMT, Int IUNTS, Int EDUNIT, Int LINLEN);
void OUTCF0(Int& I, std::string_view TEXT, Real VAL, std::string_view FRMT, Int EDUNIT, Int LINLEN);
void OUTCI0(Int& I, std::string_view TEXT, Int IVAL, std::string_view FRMT, Int EDUNIT, Int LINLEN);
void OUTCC0(Int& I, std::string_view TEXT1, std::string_view TEXT2, std::string_view FRMT, Int EDUNIT, Int LINLEN);

// A plain numbered line " nn) TEXT"; leaves I one higher.
void OUTTXT(Int& I, std::string_view TEXT, Int EDUNIT);

// The 11-character unit caption of an item line (English index + NUNTS gives the metric one).
std::string EUNIT(Int NUNTS);

// Counts one more warning in NWRN; pauses and clears the screen first when both counts are
// positive and their sum is a multiple of WRNLIM.
void WRNINC(Int& NWRN, Int WARNEM, Int FWARN, Int EDUNIT, Int KBD, Int WRNLIM);

}  // namespace brevant
