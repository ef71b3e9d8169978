// The legacy current profile table, the sub-page of the current page on which up to five rows of
// depth below the surface against current speed are typed, and its help screen.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

inline constexpr Int kProfileRows = 5;
using ProfileColumn = FArray<Real, kProfileRows>;

// The table. In: CTYPE the title text, DEPTH the water depth (the last-row check), CURSPD the
// surface speed (not used), IOSCRN/KBD the console units, LCOPY the dump flag (counted by TWOPG).
// In and out: DPTHI, VELI the five slots (depth, speed in knots) and NROW the row count, edited
// in place and clamped to 0..5. Out: ITEMP, -1 after the abort (everything as it was on entry), 0
// in dump mode, otherwise the selection the table was left with (0 for Return or the back command,
// or another page-command code, which the caller does not pass on).
void CRNTIN(std::string_view CTYPE, ProfileColumn& DPTHI, ProfileColumn& VELI, Real CURSPD, Real DEPTH, Int& NROW,
            Int IOSCRN, Int KBD, Int& ITEMP, Int& LCOPY);

// Help of the table: one screen of notes whatever LINE holds; the number typed at the pause
// comes back in LINE.
void CURHLP3(Int IOSCRN, Int KBD, Int& LINE);

}  // namespace brevant
