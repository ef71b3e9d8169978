// The one-column array editor: shows a column of reals in up to four screen columns of 40 rows
// and lets the user retype rows or change the whole column at once.
#pragma once

#include <span>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Edits UPDAT(1..MAXDAT) in place, NUPDAT rows shown (at most 160); returns on a blank answer or
// any page command. With LCOPY positive the column is written once, without the menu, and the
// page is ended with TWOPG (which counts LCOPY on).
void AUTORP(std::string_view HEADER, std::span<Real> UPDAT, Int NUPDAT, Int MAXDAT, Int IOSCRN, Int KBD, Int& LCOPY);

}  // namespace brevant
