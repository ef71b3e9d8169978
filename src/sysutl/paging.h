// Starting screens and report pages, clearing the console, blank lines, centred captions and the
// dotted report line.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// A caption function: 16-character caption for a unit or spectrum number.
using CaptionFunction = std::function<std::string(Int)>;

void CLEAR(Int IOSCRN);
void PAGE(Int IUNIT, Int IOSCRN, Int IDISK, Int IPRINT);
void TWOPG(Int& LCOPY, Int IUNIT);
void LINES(Int IUNIT, Int N);
void CENTER(std::string_view STRNG1, Int LEN1, std::string_view STRNG2, Int LEN2, Int MAXLEN, Int IUNIT);
void ONELIN(std::string_view STRNG, Int LEN, Real VAL, const CaptionFunction& UNITS, Int NUNT, Int IUNIT);

}  // namespace brevant
