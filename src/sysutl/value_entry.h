// The question-and-answer step of an editor page: which item to change, then its new value.
// Every routine stores straight into the caller's word and keeps it on a blank answer.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Asks for the item to change: an item number, 0 for a blank answer, or a navigation code (with
// the number after "J" or "?" in PAGNO). "H" shows the command help and gives NAV_REDRAW, as does "!".
void ENTSEL(Int& LBACK, Int IOSCRN, Int KBD, Int& PAGNO);

// A new real value; a blank or unreadable answer (a letter included) keeps X.
void ENTERF(Real& X, Int IOSCRN, Int KBD);

// A new integer value; a blank answer keeps I, a command letter gives its navigation code.
void ENTERI(Int& I, Int IOSCRN, Int KBD);

// The two (NPER 2) or three (NPER 3) coordinates of point INDEX from one line; a missing value
// keeps its coordinate and CR is 1 on a blank line.
void ENTCRD(Int INDEX, Real& U1, Real& U2, Real& U3, Int NPER, Int IOSCRN, Int KBD, Logical& CR);

}  // namespace brevant
