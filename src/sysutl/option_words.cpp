// Packed option words, computed on the unsigned 32-bit form of the word so that shifts and masks
// are defined for every value, the sign bit included.
#include "sysutl/option_words.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "sysutl/answers.h"
#include "sysutl/program_end.h"

namespace brevant {

namespace {

std::uint32_t as_bits(Int word) { return static_cast<std::uint32_t>(word); }
Int as_word(std::uint32_t bits) { return static_cast<Int>(bits); }

// The message, a wait for one keystroke on an interactive console, and the fatal end.
[[noreturn]] void misuse(std::string_view message, Int IOSCRN) {
    write_record(IOSCRN, message);
    write_record(IOSCRN, " Press <Return> to continue");
    if (IOSCRN != SILENT_UNIT) {
        char answer = ' ';
        READCP(answer);
    }
    stop_program(1);
}

void check_bit_position(Int BITPOS, const char* who, Int IOSCRN) {
    if (BITPOS >= 1 && BITPOS <= 32) return;
    misuse(std::string(" Incorrect bit position in ") + who + "; contact Velmora.", IOSCRN);
}

}  // namespace

Int BITVAL(Int ITEST, Int BITPOS, Int IOSCRN) {
    check_bit_position(BITPOS, "BITVAL", IOSCRN);
    return static_cast<Int>((as_bits(ITEST) >> (BITPOS - 1)) & 1u);
}

void BITSWP(Int& ITEST, Int BITPOS, Int IOSCRN) {
    check_bit_position(BITPOS, "BITSWP", IOSCRN);
    ITEST = as_word(as_bits(ITEST) ^ (1u << (BITPOS - 1)));
}

void BITSET(Int& ITEST, Int BITPOS, Int IBIT, Int IOSCRN) {
    if (IBIT != 0 && IBIT != 1) misuse(" Incorrect bit value in BITSET; contact Velmora.", IOSCRN);
    check_bit_position(BITPOS, "BITSET", IOSCRN);
    if (BITVAL(ITEST, BITPOS, IOSCRN) == IBIT) return;
    BITSWP(ITEST, BITPOS, IOSCRN);
}

Int NIBVAL(Int ITEST, Int NIBPOS, Int IOSCRN) {
    if (NIBPOS < 1 || NIBPOS > 8) misuse(" Incorrect NIBBLE value in NIBVAL; contact Velmora", IOSCRN);
    return static_cast<Int>((as_bits(ITEST) >> (4 * (NIBPOS - 1))) & 15u);
}

void NIBSET(Int& ITEST, Int NIBPOS, Int NIBBLE, Int IOSCRN) {
    if (NIBPOS < 1 || NIBPOS > 8 || NIBBLE < 0 || NIBBLE > 15)
        misuse(" Incorrect NIBBLE/position value in NIBSET; contact Velmora.", IOSCRN);
    // Nibble 8 holds 0 to 7 only, which keeps every packed word non-negative.
    if (NIBPOS == 8 && NIBBLE > 7) misuse(" Attempt to set most significant bit in NIBSET; contact Velmora", IOSCRN);
    if (NIBVAL(ITEST, NIBPOS, IOSCRN) == NIBBLE) return;
    const unsigned shift = 4u * static_cast<unsigned>(NIBPOS - 1);
    const std::uint32_t cleared = as_bits(ITEST) & ~(15u << shift);
    ITEST = as_word(cleared | (static_cast<std::uint32_t>(NIBBLE) << shift));
}

Logical ONEON(Int LPARAM, Int LTYPE, Int EDUNIT) {
    for (Int n = 1; n <= 3; ++n)
        if (NIBVAL(LPARAM, n, EDUNIT) == LTYPE) return 1;
    return 0;
}

}  // namespace brevant
