// Title screen and report title page. Every field goes through the formatting kit so the columns
// are those of the fixed-width layout the users know.
#include "sysutl/title.h"

#include <cmath>

#include "platform/platform.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

struct Capacity {
    const char* caption;  // 20 characters
    Int count;
    const char* word;  // 7 characters
};

Capacity capacity_of(Int CREATR) {
    if (CREATR <= 9) return {"Motion Evaluations: ", 149, " points"};
    if (CREATR == 10) return {"  Subline Capacity: ", 25, " items "};
    return {"  Mooring Capacity: ", 149, " lines "};
}

// Always blank in this single-precision build.
const std::string kInfoLine(27, ' ');

constexpr int kIndent = 11;
constexpr int kInner = 56;

std::string border() { return Record().x(kIndent).put("+").put(std::string(kInner, '=')).put("+").str(); }

std::string framed(std::string_view content) {
    return Record().x(kIndent).put("|").A(fixed_len(content, kInner)).put("|").str();
}

// The time-stamp pieces: two digits with a leading zero, or one digit with no leading blank.
std::string two_digits(Int v) { return v >= 10 ? "I2" : "'0',I1"; }
std::string no_padding(Int v) { return v >= 10 ? "I2" : "I1"; }

std::string version_number(Real VERNO) { return fmt_F(std::fabs(VERNO), 4, 2); }
char prerelease_mark(Real VERNO) { return VERNO > 0.0f ? ' ' : 'b'; }

}  // namespace

std::string VERSION_STRING(Real VERNO) {
    return "Version: " + version_number(VERNO) + ".0" + "0" + prerelease_mark(VERNO);
}

std::string VERSION_STRING2(Real VERNO, Int IVERS_SUFX) {
    std::string s = version_number(VERNO);
    if (IVERS_SUFX <= 9)
        s += ".0" + fmt_I(IVERS_SUFX, 1);
    else
        s += "." + fmt_I(IVERS_SUFX, 2);
    s += prerelease_mark(VERNO);
    return fixed_len(s, 17);
}

void TITLE(Int CREATR, std::string_view NAME, Real VER, Int IOSCRN, Int KBD, char& ANSWER, Int LCOPY) {
    const Capacity cap = capacity_of(CREATR);
    const std::string version = VERSION_STRING(VER);
    const std::string name = fixed_len(NAME, 8);
    if (LCOPY == 0) CLEAR(IOSCRN);

    write_record(IOSCRN, "");
    write_record(IOSCRN, border());
    for (int i = 0; i < 3; ++i) write_record(IOSCRN, framed(""));
    write_record(IOSCRN, framed(Record().x(14).A("**   Welcome to ").A(name).A("  **").x(14).str()));
    for (int i = 0; i < 2; ++i) write_record(IOSCRN, framed(""));
    write_record(IOSCRN, framed(Record().x(17).A(name).A(version).x(14).str()));
    write_record(IOSCRN, framed(Record().x(14).A(cap.caption).I(cap.count, 3).A(cap.word).x(12).str()));
    write_record(IOSCRN, framed(Record().x(15).A(kInfoLine).x(14).str()));
    for (int i = 0; i < 3; ++i) write_record(IOSCRN, framed(""));
    write_record(IOSCRN, border());
    LINES(IOSCRN, 4);
    write_record(IOSCRN, " " + std::string(78, '-'));
    if (LCOPY != 0) return;

    for (;;) {
        write_record(IOSCRN, "");
        write_record(IOSCRN, std::string(" (M) Modify existing, (C) Create new,") +
                                 " (E) Execute simulation, (B) Batch modify");
        write_record(IOSCRN, "");
        WRTLIN("Enter letter of selection: ", 27, IOSCRN);
        char letter = ' ';
        READC(letter, KBD);
        Int IERR = 0;
        UPCASE(letter, IERR);
        if (IERR == 0 && (letter == 'M' || letter == 'C' || letter == 'E' || letter == 'B')) {
            ANSWER = letter;
            return;
        }
    }
}

void TITLPG(Int CREATR, std::string_view CLIN1, Int LEN1, std::string_view CLIN2, Int LEN2, Real VERNO,
            std::string_view IDENT1, std::string_view IDENT2, Int IUNIT) {
    const Capacity cap = capacity_of(CREATR);
    const std::string count_text = Record().I(cap.count, 3).A(cap.word).str();
    const std::string version = VERSION_STRING(VERNO);
    const std::string rule = " " + std::string(30, '-');

    LINES(IUNIT, 7);
    CENTER(" Velmora Systems Simulation Library", 35, " ", 1, 80, IUNIT);
    LINES(IUNIT, 11);
    CENTER(Record().A("Volume ").I(CREATR, 2).str(), 9, " ", 1, 80, IUNIT);
    write_record(IUNIT, " ");
    CENTER(CLIN1, LEN1, " ", 1, 80, IUNIT);
    LINES(IUNIT, 15);
    CENTER(rule, 31, " ", 1, 80, IUNIT);
    write_record(IUNIT, " ");
    CENTER(CLIN2, LEN2, version, 17, 80, IUNIT);
    CENTER(cap.caption, 20, count_text, 10, 80, IUNIT);
    CENTER(kInfoLine, 27, " ", 1, 80, IUNIT);
    for (int i = 0; i < 4; ++i) write_record(IUNIT, " ");
    CENTER(rule, 31, " ", 1, 80, IUNIT);
    LINES(IUNIT, 6);
    write_record(IUNIT, Record().x(5).A(fixed_len(IDENT1, 72)).str());
    write_record(IUNIT, Record().x(5).A(fixed_len(IDENT2, 72)).str());
    LINES(IUNIT, 2);

    Int NMINS = 0, NSECS = 0, MM = 0, DD = 0, YYYY = 0;
    RHTIME(NMINS, NSECS);
    RHDATE(MM, DD, YYYY);
    const Int hour = NMINS / 60;
    const Int minute = NMINS % 60;
    const Int year = YYYY % 100;
    const std::string FRMT = "(5X,'Executed at '," + two_digits(hour) + ",':'," + two_digits(minute) + ",' on '," +
                             no_padding(MM) + ",'/'," + no_padding(DD) + ",'/'," + two_digits(year) + ")";
    write_formatted(IUNIT, FRMT, {hour, minute, MM, DD, year});
}

void RHTIME(Int& NMINS, Int& NSECS) {
    const platform::LocalTime t = platform::local_time();
    NMINS = t.hour * 60 + t.minute;
    NSECS = t.second;
}

void RHDATE(Int& MM, Int& DD, Int& YYYY) {
    const platform::LocalTime t = platform::local_time();
    MM = t.month;
    DD = t.day;
    YYYY = t.year;
}

}  // namespace brevant
