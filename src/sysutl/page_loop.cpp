// The selection loop every editor page of the plain shape runs.
#include "sysutl/page_loop.h"

#include "sysutl/answers.h"
#include "sysutl/paging.h"
#include "sysutl/toggles.h"
#include "sysutl/value_entry.h"

namespace brevant {

namespace {

DrawingWrapper drawing_wrapper = nullptr;

}  // namespace

void set_drawing_wrapper(DrawingWrapper WRAPPER) { drawing_wrapper = WRAPPER; }

void run_as_drawing(const std::function<void()>& STEP) {
    if (drawing_wrapper != nullptr) {
        drawing_wrapper(STEP);
    } else {
        STEP();
    }
}

void run_page(const PageWords& words, const PageParts& parts) {
    for (;;) {
        const Int unit = words.EDUNIT;
        if (parts.clear && words.LCOPY == 0) CLEAR(unit);
        run_as_drawing([&] { parts.draw(unit); });
        if (words.LCOPY != 0) {
            TWOPG(words.LCOPY, unit);
            words.LBACK = 0;
            if (parts.dump_extras) parts.dump_extras(unit);
            return;
        }
        ENTSEL(words.LBACK, unit, words.KBD, words.IPAG);
        const Int choice = words.LBACK;
        if (choice == NAV_HELP) {
            if (parts.help) parts.help(unit);
            continue;
        }
        if (choice == NAV_REDRAW && parts.redraw_here) continue;
        if (choice <= 0) return;  // Return or a page command, for the driver
        if (parts.switch_word != nullptr) {
            if (choice == parts.switch_item) {
                TOGGLE2(*parts.switch_word, words.IBATCH, unit, words.KBD);
                continue;
            }
            if (*parts.switch_word == 0) continue;
        }
        if (parts.act && parts.act(choice, unit) == PageStep::Leave) return;
    }
}

}  // namespace brevant
