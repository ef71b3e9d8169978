// The selection loop of an editor page: draw, in a dump write the page once, read a selection,
// show help, leave on a page command, flip the page's on/off item, or hand the item to the page.
#pragma once

#include <functional>

#include "sysutl/ftypes.h"
#include "sysutl/units.h"

namespace brevant {

// The words a page loop reads and leaves, usually those of the data image: the unit the page is
// written to (read afresh on every turn), the echo/dump counter, the code left for the driver, the
// number typed after "?" or "J", the batch-edit flag of the toggles, and the keyboard.
struct PageWords {
    const Int& EDUNIT;
    Int& LCOPY;
    Int& LBACK;
    Int& IPAG;
    const Int& IBATCH;
    Int KBD = KBD_UNIT;
};

// What a page's action on a selected item asks of the loop.
enum class PageStep {
    Stay,   // draw the page again and read the next selection
    Leave,  // return to the caller with LBACK as the action left it
};

// What is a page's own; every part but `draw` may be left empty.
struct PageParts {
    // True when the loop clears the screen before drawing (never in a dump); false when the page's
    // header does it itself.
    bool clear = true;
    std::function<void(Int unit)> draw;
    // What a dump writes after the page and its page break (a table the page opens, say).
    std::function<void(Int unit)> dump_extras;
    // The page's help on "?": IPAG holds the item typed after it, 0 for the whole page.
    std::function<void(Int unit)> help;
    // The page's on/off item and the word it flips; while the word is 0 every other item does
    // nothing (its values stay stored).
    Int switch_item = 0;
    Int* switch_word = nullptr;
    // True when "H" (after the command help) and "!" draw the page again here rather than going
    // back to the driver, which would enter the page afresh.
    bool redraw_here = false;
    // The page's action on a selected item (1 and up).
    std::function<PageStep(Int item, Int unit)> act;
};

// Runs the page until a dump is written (LBACK 0), Return or a page command is typed (LBACK holds
// its code, 0 for Return) or the action asks to leave.
void run_page(const PageWords& words, const PageParts& parts);

// Runs STEP as part of a page's drawing. What a page sets in the case as it is shown (on entry,
// before its first drawing, and as it draws itself) goes through here, and so through the wrapper
// given below when there is one (the editor's: what a page sets as it is shown is no edit of the
// user's); without one STEP simply runs. run_page draws every page through it.
void run_as_drawing(const std::function<void()>& STEP);
using DrawingWrapper = void (*)(const std::function<void()>& STEP);
void set_drawing_wrapper(DrawingWrapper WRAPPER);  // nullptr takes it away

}  // namespace brevant
