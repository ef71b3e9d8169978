// Answer reading: every line the user types is read as a fixed-width text first and interpreted
// afterwards, so that one integer prompt can return either a number or a page command.
#include "sysutl/answers.h"

#include <string>

#include "sysutl/fortran_format.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// The first n characters of one keyboard line, blank-padded.
std::string read_answer(Int kbd, std::size_t n) { return fixed_len(read_keyboard_line(kbd), n); }

bool all_blank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

struct Letter {
    char upper;
    char lower;
    Int code;
};

// Tested in this order; the first match wins.
constexpr Letter kLetters[] = {
    {'?', '?', NAV_HELP},    {'H', 'h', NAV_REDRAW}, {'F', 'f', NAV_FIRST}, {'L', 'l', NAV_LAST},
    {'S', 's', NAV_SKIP},    {'E', 'e', NAV_EXECUTE}, {'J', 'j', NAV_JUMP},  {'M', 'm', NAV_M},
    {'C', 'c', NAV_C},       {'D', 'd', NAV_D},       {'I', 'i', NAV_I},     {'X', 'x', NAV_X},
    {'B', 'b', NAV_BACK},
};

}  // namespace

void READI(Int& NUM, Int KBD, Int& PAGNO) {
    const std::string ADUM = read_answer(KBD, 6);
    if (all_blank(ADUM)) return;
    if (ADUM[0] == '!') {
        NUM = NAV_BANG;
        return;
    }
    // APAG: answer characters 2 to 6, then one blank.
    const std::string APAG = ADUM.substr(1) + " ";
    Int page = 0;
    if (!read_int_field(APAG, page)) return;
    PAGNO = page;
    NUM = 0;
    for (const Letter& l : kLetters) {
        if (ADUM[0] == l.upper || ADUM[0] == l.lower) {
            NUM = l.code;
            return;
        }
    }
    Int n = 0;
    if (read_int_field(ADUM, n)) NUM = n;
    if (NUM < -1) NUM = 0;
}

void CRREAD(Real& X, Logical& CR, Int KBD) {
    const std::string ANUM = read_answer(KBD, 12);
    if (all_blank(ANUM)) {
        CR = 1;
        return;
    }
    CR = 0;
    if (!read_real_field(ANUM, 0, X)) CR = 1;
}

void CRREAL(Real& X1, Real& X2, Real& X3, Logical& CR, Int KBD) {
    const std::string ANUM = read_answer(KBD, 63);
    CR = all_blank(ANUM) ? 1 : 0;
    read_list(ANUM, {ListTarget::of(X1), ListTarget::of(X2), ListTarget::of(X3)});
}

void READC(char& ANSWER, Int KBD) {
    const std::string line = read_keyboard_line(KBD);
    ANSWER = line.empty() ? ' ' : line[0];
}

void READCP(char& ANSWER) { READC(ANSWER, KBD_UNIT); }

void UPCASE(char& CHAR1, Int& IERR) {
    auto code = static_cast<unsigned char>(CHAR1);
    if (code > static_cast<unsigned char>('Z')) {
        code = static_cast<unsigned char>(code - 32);
        CHAR1 = static_cast<char>(code);
    }
    if (CHAR1 >= 'A' && CHAR1 <= 'Z')
        IERR = 0;
    else if (CHAR1 == ' ')
        IERR = 2;
    else
        IERR = 1;
}

void WRTLIN(std::string_view STRING, Int /*LEN*/, Int IOSCRN) {
    if (IOSCRN == SILENT_UNIT) return;
    write_partial(SCREEN_UNIT, Record().x(1).A(STRING).str());
}

void WRTLNI(std::string_view STRING, Int /*LEN*/, Int INDEX, Int IOSCRN) {
    if (IOSCRN == SILENT_UNIT) return;
    write_partial(SCREEN_UNIT, Record().x(1).A(STRING).I(INDEX, 3).x(2).str());
}

}  // namespace brevant
