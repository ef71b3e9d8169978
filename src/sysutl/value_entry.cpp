// Item selection and value entry on the editor pages.
#include "sysutl/value_entry.h"

#include <string_view>

#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/error_exits.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr std::string_view kSelectPrompt = "Enter number of selection (\"H\" for help): ";
constexpr std::string_view kValuePrompt = "Enter new value: ";

constexpr std::string_view kCommandHelp[] = {
    "",
    "",
    " At any \"Enter number of selection\" prompt:",
    "",
    " (F)  First page",
    " (L)  Last page",
    " (S)  Skip ahead a page",
    " (E)  Execute program",
    " (B)  Back a page",
    " (Jn) Jump to page \"n\"",
    " (?)  Help summary for current page",
    " (?n) Help on current page for selection \"n\"",
    "",
};

}  // namespace

void ENTSEL(Int& LBACK, Int IOSCRN, Int KBD, Int& PAGNO) {
    write_record(IOSCRN, " ");
    WRTLIN(kSelectPrompt, static_cast<Int>(kSelectPrompt.size()), IOSCRN);
    LBACK = 0;
    READI(LBACK, KBD, PAGNO);
    if (LBACK == NAV_BANG) {
        LBACK = NAV_REDRAW;
        return;
    }
    if (LBACK == NAV_REDRAW) {
        CLEAR(IOSCRN);
        for (std::string_view line : kCommandHelp) write_record(IOSCRN, line);
        Int ignored = 0;
        PRSRET(IOSCRN, KBD, ignored);
    }
}

void ENTERF(Real& X, Int IOSCRN, Int KBD) {
    WRTLIN(kValuePrompt, static_cast<Int>(kValuePrompt.size()), IOSCRN);
    Logical CR = 0;
    CRREAD(X, CR, KBD);
}

void ENTERI(Int& I, Int IOSCRN, Int KBD) {
    WRTLIN(kValuePrompt, static_cast<Int>(kValuePrompt.size()), IOSCRN);
    Int page = 0;
    READI(I, KBD, page);
}

void ENTCRD(Int INDEX, Real& U1, Real& U2, Real& U3, Int NPER, Int /*IOSCRN*/, Int KBD, Logical& CR) {
    // The point prompt always goes to the screen, whatever the console unit.
    const std::string_view tail = NPER == 2 ? "(x,y): " : NPER == 3 ? "(x,y,z): " : "ERROR!";
    write_partial(SCREEN_UNIT, Record().put(" Enter new data for #").I(INDEX, 3).x(1).put(tail).str());
    CRREAL(U1, U2, U3, CR, KBD);
}

}  // namespace brevant
