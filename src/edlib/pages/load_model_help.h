// Help screens of the low-frequency load-model page's sub-pages: the notes on the wind, current and
// wave-drift model lists and on the wind and current bow shapes, and the frame they (and the notes
// of the user coefficient tables) are drawn in.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// One screen of a set of notes: the item numbers it serves (FIRST..LAST), the label of its heading
// when the whole set is shown ("1" or "1, 2") and its text, indented five blanks.
struct HelpScreen {
    Int FIRST;
    Int LAST;
    std::string_view LABEL;
    std::span<const std::string_view> TEXT;
};

// The title line of a set of notes: the screen cleared, the title between two runs of
// (73 - its length) / 2 asterisks, then an empty line.
void help_title(Int IOSCRN, std::string_view TITLE);

// The heading of a note when the whole set is shown: " ++> Item Numbers " and the label when it
// names several items ("1, 2", "5, 15"), else " ++> Item Number  " and the label.
std::string help_heading(std::string_view LABEL);

// The frame of the notes: the screen cleared, the title between two runs of (73 - its length) / 2
// asterisks, an empty line. LINE 0: every screen in turn, each closed by a pause and the screen
// cleared before the next; an item number: the heading " ++> Item Number  " with the number in two
// columns, the screen serving it and a pause; any other number the "Sorry" line and a pause. The
// number typed at the last pause comes back in LINE.
void show_help_screens(Int IOSCRN, Int KBD, Int& LINE, std::string_view TITLE, std::span<const HelpScreen> SCREENS);

// The notes, each with the console units and the item asked about (0 for all); the number typed at
// the last pause comes back in LINE.
void WNDFHP(Int IOSCRN, Int KBD, Int& LINE);  // "Wind Load Model Notes", items 1-5
void CURFHP(Int IOSCRN, Int KBD, Int& LINE);  // "Current Load Model Notes", items 1-7
void WAVFHP(Int IOSCRN, Int KBD, Int& LINE);  // "Wave Load Model Notes", items 1-7
void WBOWHP(Int IOSCRN, Int KBD, Int& LINE);  // "Wind-Associated Bow Shape Notes", items 1-3
void OCIMHP(Int IOSCRN, Int KBD, Int& LINE);  // "OCIMF '77 Current-Associated Bow Shape Notes", items 1-3
void NSMBHP(Int IOSCRN, Int KBD, Int& LINE);  // "NSMB '91 Current-Associated Bow Shape Notes", items 1-3

}  // namespace brevant
