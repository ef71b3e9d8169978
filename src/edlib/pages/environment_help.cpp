// The help-screen layout of the wind and current pages.
#include "edlib/pages/environment_help.h"

#include <string>

#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

void note(Int IOSCRN, std::string_view number, HelpNote text) {
    write_record(IOSCRN, "");
    write_record(IOSCRN, std::string(" ++> Item Number  ").append(number));
    write_record(IOSCRN, "");
    for (std::string_view line : text) write_record(IOSCRN, line);
}

}  // namespace

void show_help_screens(Int IOSCRN, Int KBD, Int& LINE, std::string_view title, int title_column,
                       std::span<const std::vector<Int>> screens,
                       const std::function<std::vector<HelpNote>(Int)>& notes_of) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, Record().t(title_column).put(title).str());
    if (LINE == 0) {
        bool first = true;
        for (const std::vector<Int>& screen : screens) {
            if (!first) CLEAR(IOSCRN);
            first = false;
            for (Int n : screen)
                for (HelpNote text : notes_of(n)) note(IOSCRN, std::to_string(n), text);
            PRSRET(IOSCRN, KBD, LINE);
        }
        return;
    }
    const std::vector<HelpNote> notes = notes_of(LINE);
    if (notes.empty()) {
        note(IOSCRN, fmt_I(LINE, 2), {});
        write_record(IOSCRN, " ++> Sorry, no help for this line...");
        write_record(IOSCRN, "");
    }
    for (HelpNote text : notes) note(IOSCRN, fmt_I(LINE, 2), text);
    PRSRET(IOSCRN, KBD, LINE);
}

}  // namespace brevant
