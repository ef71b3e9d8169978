// Page drawing: the header and the item lines build their formats at run time, so that the runs
// of asterisks and dots follow the page's own line length.
#include "sysutl/page_drawing.h"

#include <cassert>

#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

const std::string kStars(40, '*');
const std::string kDots(50, '.');

// The count of a built format, always a 2-digit field.
std::string count2(Int n) { return fmt_I(n, 2); }

}  // namespace

void PAGHDR(std::string_view PAGE, std::string_view PRETXT, std::string_view HDRTXT, Int HDRLEN, Int IOSCRN,
            Int LCOPY) {
    const std::string TITLE =
        fixed_len("Page " + std::string(PAGE) + ": " + std::string(PRETXT) + std::string(HDRTXT), 79);
    const Int LENTIT = static_cast<Int>(PAGE.size() + PRETXT.size() + HDRTXT.size()) + 7;
    Int NSTARS = (HDRLEN - LENTIT - 4) / 2;
    std::string STARS = kStars;
    if (NSTARS <= 1) {
        STARS = std::string(kStars.size(), ' ');
        NSTARS = 1;
    }
    assert(NSTARS <= 99 && LENTIT <= 79);
    const std::string FRMT = "(1X,A" + count2(NSTARS) + ",2X,A" + count2(LENTIT) + ",2X,A" + count2(NSTARS) + ")";
    if (LCOPY == 0) CLEAR(IOSCRN);
    write_formatted(IOSCRN, FRMT, {STARS, TITLE, STARS});
    LINES(IOSCRN, 1);
}

std::string EDLNOT(Int I, std::string_view STRNG1, Int LENLIN) {
    Int LENDOT = LENLIN - static_cast<Int>(STRNG1.size()) - 5;
    std::string DOTS = kDots;
    if (LENDOT <= 1) {
        DOTS = std::string(kDots.size(), ' ');
        LENDOT = 1;
    }
    assert(LENDOT <= 99);
    const std::string FRMT = "(1X,I2,')',1X,A,1X,A" + count2(LENDOT) + ")";
    return fixed_len(format_line(FRMT, {I, STRNG1, DOTS}), 79);
}

void OUTCFU(Int& I, std::string_view TEXT, Real VAL, std::string_view FRMT, Int IUNTS, Int EDUNIT, Int LINLEN) {
    write_formatted(EDUNIT, FRMT, {EDLNOT(I, TEXT, LINLEN), VAL, EUNIT(IUNTS)});
    ++I;
}

void OUTCF0(Int& I, std::string_view TEXT, Real VAL, std::string_view FRMT, Int EDUNIT, Int LINLEN) {
    write_formatted(EDUNIT, FRMT, {EDLNOT(I, TEXT, LINLEN), VAL});
    ++I;
}

void OUTCI0(Int& I, std::string_view TEXT, Int IVAL, std::string_view FRMT, Int EDUNIT, Int LINLEN) {
    write_formatted(EDUNIT, FRMT, {EDLNOT(I, TEXT, LINLEN), IVAL});
    ++I;
}

void OUTCC0(Int& I, std::string_view TEXT1, std::string_view TEXT2, std::string_view FRMT, Int EDUNIT, Int LINLEN) {
    write_formatted(EDUNIT, FRMT, {EDLNOT(I, TEXT1, LINLEN), TEXT2});
    ++I;
}

void OUTTXT(Int& I, std::string_view TEXT, Int EDUNIT) {
    write_record(EDUNIT, Record().x(1).I(I, 2).put(") ").A(TEXT).str());
    ++I;
}

std::string EUNIT(Int NUNTS) {
    // English and metric captions of a quantity are neighbours.
    static const char* const kCaptions[22] = {
        "k.lbs",    "m.ton",   "deg", "in",     "mm",    "lbs/ft", "kgw/m",   "ft",     "m",    "ft/ft", "m/m",
        "lbs/ft^3", "kgw/m^3", "kts", "ft/sec", "m/sec", "sec",    "height:", "slope:", "ft^2", "m^2",   " ",
    };
    std::string CAPTN = "Index Error";
    if (NUNTS >= 0 && NUNTS <= 21) CAPTN = kCaptions[NUNTS];
    return fixed_len(CAPTN, 11);
}

void WRNINC(Int& NWRN, Int WARNEM, Int FWARN, Int EDUNIT, Int KBD, Int WRNLIM) {
    // A limit of 0 or below would divide by zero: such a list is never paged.
    const bool page_full = WRNLIM > 0 && (FWARN + WARNEM) % WRNLIM == 0;
    if (FWARN > 0 && WARNEM > 0 && page_full) {
        Int ignored = 0;
        PRSRET(EDUNIT, KBD, ignored);
        CLEAR(EDUNIT);
    }
    ++NWRN;
}

}  // namespace brevant
