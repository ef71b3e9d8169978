// The layout shared by the help screens of the wind and current pages: a title on the first screen,
// notes introduced by " ++> Item Number  " and the item, a pause after every screen.
#pragma once

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "sysutl/ftypes.h"

namespace brevant {

using HelpNote = std::span<const std::string_view>;

// LINE 0: every screen of `screens` (the item numbers it shows, in order), the screen cleared
// before each and the title on the first only. LINE not 0: the title and the notes of that item,
// or " ++> Sorry, no help for this line..." when `notes_of` gives none. The title starts in column
// `title_column`. The number typed at the last pause comes back in LINE.
void show_help_screens(Int IOSCRN, Int KBD, Int& LINE, std::string_view title, int title_column,
                       std::span<const std::vector<Int>> screens,
                       const std::function<std::vector<HelpNote>(Int)>& notes_of);

}  // namespace brevant
