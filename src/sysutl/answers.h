// Reading the user's answers: numbers, page-command letters and single characters, and the
// prompts they answer.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Navigation codes an integer prompt returns in place of a number.
inline constexpr Int NAV_HELP = -1978;     // "?"
inline constexpr Int NAV_REDRAW = -1979;   // "H": show the page again
inline constexpr Int NAV_FIRST = -1980;    // "F"
inline constexpr Int NAV_LAST = -1981;     // "L"
inline constexpr Int NAV_SKIP = -1982;     // "S"
inline constexpr Int NAV_EXECUTE = -1983;  // "E"
inline constexpr Int NAV_JUMP = -1984;     // "J" followed by a page number
inline constexpr Int NAV_M = -1985;
inline constexpr Int NAV_C = -1986;
inline constexpr Int NAV_D = -1987;
inline constexpr Int NAV_I = -1988;
inline constexpr Int NAV_X = -1989;
inline constexpr Int NAV_BACK = -1;        // "B"
inline constexpr Int NAV_BANG = -2013;     // "!"

// One answer: a number or a navigation code in NUM, the number after the first character in PAGNO.
// A blank or unreadable answer leaves NUM as it came in.
void READI(Int& NUM, Int KBD, Int& PAGNO);

// One real; a blank or unreadable answer keeps X and sets CR to 1.
void CRREAD(Real& X, Logical& CR, Int KBD);

// Up to three reals from one line in free form; CR is 1 on a blank line.
void CRREAL(Real& X1, Real& X2, Real& X3, Logical& CR, Int KBD);

// The first character of one line (blank for an empty line): READC from KBD, READCP from the keyboard.
void READC(char& ANSWER, Int KBD);
void READCP(char& ANSWER);

// Upper-cases a character (every code after "Z" moves down by 32); IERR 0 for a letter,
// 1 for another non-blank character, 2 for a blank.
void UPCASE(char& CHAR1, Int& IERR);

// A prompt on the screen without a line end: one blank and the text (WRTLNI adds the number in
// three columns and two blanks). Nothing in a silent run (unit 41).
void WRTLIN(std::string_view STRING, Int LEN, Int IOSCRN);
void WRTLNI(std::string_view STRING, Int LEN, Int INDEX, Int IOSCRN);

}  // namespace brevant
