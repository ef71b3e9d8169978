// Screen paging and line output. The unit number alone decides what a new page means: clear the
// screen, nothing on the silent-run console, "1" on the printer, a form feed on a file.
#include "sysutl/paging.h"

#include <cassert>

#include "platform/platform.h"
#include "sysutl/fortran_format.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

void CLEAR(Int IOSCRN) {
    if (IOSCRN == SILENT_UNIT) return;
    // What the cleared screen said is no reason for a later stop.
    forget_screen_message();
    platform::clear_screen();
}

void PAGE(Int IUNIT, Int IOSCRN, Int /*IDISK*/, Int IPRINT) {
    if (IUNIT == IOSCRN) {
        CLEAR(IOSCRN);
        return;
    }
    if (IUNIT == SILENT_UNIT) return;
    if (IUNIT == IPRINT) {
        write_record(IUNIT, "1");
        return;
    }
    write_record(IUNIT, "\f");
}

void TWOPG(Int& LCOPY, Int IUNIT) {
    ++LCOPY;
    if (LCOPY % 2 != 0) {
        PAGE(IUNIT, SCREEN_UNIT, 1, PRINTER_UNIT);
    } else {
        LINES(IUNIT, 3);
    }
}

void LINES(Int IUNIT, Int N) {
    for (Int i = 0; i < N; ++i) write_record(IUNIT, "");
}

void CENTER(std::string_view STRNG1, Int LEN1, std::string_view STRNG2, Int LEN2, Int MAXLEN, Int IUNIT) {
    const Int NBLNKL = (MAXLEN - LEN1 - LEN2) / 2;
    assert(NBLNKL >= 1 && NBLNKL <= 99);
    const std::string FRMT = "(" + fmt_I(NBLNKL, 2) + "X,A" + fmt_I(LEN1, 3) + ",A" + fmt_I(LEN2, 3) + ")";
    write_formatted(IUNIT, FRMT, {fixed_len(STRNG1, 80), fixed_len(STRNG2, 80)});
}

void ONELIN(std::string_view STRNG, Int LEN, Real VAL, const CaptionFunction& UNITS, Int NUNT, Int IUNIT) {
    assert(LEN >= 1 && LEN <= 36);
    const Int NDOT = 37 - LEN;
    const std::string FRMT = "(10X,A" + fmt_I(LEN, 2) + ",1X," + fmt_I(NDOT, 2) + "(1H.),F10.2,1X,A16)";
    const Real value = VAL;
    write_formatted(IUNIT, FRMT, {fixed_len(STRNG, 40), value, fixed_len(UNITS(NUNT), 16)});
}

}  // namespace brevant
