// Packed option words: bit and nibble reading and setting, and the misuse stops.
#include "sysutl/option_words.h"

#include <cstdint>
#include <random>

#include "test_support.h"

namespace brevant {
namespace {

using OptionWords = testing::ConsoleTest;

// The arithmetic reading of a non-negative word, in 64 bits: an oracle independent of the masks.
std::int64_t arith_nibble(std::int64_t w, int n) { return (w / (std::int64_t{1} << (4 * (n - 1)))) % 16; }
std::int64_t arith_bit(std::int64_t w, int n) { return (w / (std::int64_t{1} << (n - 1))) % 2; }

TEST_F(OptionWords, BitValues) {
    EXPECT_EQ(BITVAL(5, 1), 1);
    EXPECT_EQ(BITVAL(5, 2), 0);
    EXPECT_EQ(BITVAL(5, 3), 1);
    EXPECT_EQ(BITVAL(-1, 32), 1);
    EXPECT_EQ(BITVAL(2147483647, 32), 0);
    EXPECT_EQ(BITVAL(-2147483647 - 1, 32), 1);
    EXPECT_EQ(BITVAL(-2147483647 - 1, 31), 0);
    // A negative word reads as its binary form.
    EXPECT_EQ(BITVAL(-3, 1), 1);
    EXPECT_EQ(BITVAL(-3, 2), 0);
    EXPECT_EQ(BITVAL(-3, 3), 1);
}

TEST_F(OptionWords, SettingAndFlippingBits) {
    Int w = 0;
    BITSET(w, 3, 1, SCREEN_UNIT);
    EXPECT_EQ(w, 4);
    BITSET(w, 3, 1, SCREEN_UNIT);
    EXPECT_EQ(w, 4);
    BITSET(w, 1, 1, SCREEN_UNIT);
    EXPECT_EQ(w, 5);
    BITSET(w, 3, 0, SCREEN_UNIT);
    EXPECT_EQ(w, 1);
    BITSET(w, 32, 1, SCREEN_UNIT);
    EXPECT_EQ(w, -2147483647);
    EXPECT_EQ(BITVAL(w, 32), 1);
    BITSET(w, 32, 0, SCREEN_UNIT);
    EXPECT_EQ(w, 1);
    BITSWP(w, 31);
    EXPECT_EQ(w, 1073741825);
    BITSWP(w, 31);
    EXPECT_EQ(w, 1);
    EXPECT_EQ(screen(), "");
}

TEST_F(OptionWords, AgreeWithArithmeticReadingOnNonNegativeWords) {
    std::mt19937 gen(149);
    std::uniform_int_distribution<Int> words(0, 2147483647);
    for (int t = 0; t < 200; ++t) {
        const Int w = words(gen);
        for (int n = 1; n <= 8; ++n) ASSERT_EQ(NIBVAL(w, n, SCREEN_UNIT), arith_nibble(w, n)) << w << " nibble " << n;
        for (int n = 1; n <= 31; ++n) ASSERT_EQ(BITVAL(w, n), arith_bit(w, n)) << w << " bit " << n;
        const int pos = 1 + t % 8;
        const Int nib = static_cast<Int>(t % (pos == 8 ? 8 : 16));
        Int set = w;
        NIBSET(set, pos, nib, SCREEN_UNIT);
        const std::int64_t weight = std::int64_t{1} << (4 * (pos - 1));
        ASSERT_EQ(set, w + (nib - arith_nibble(w, pos)) * weight) << w << " nibble " << pos << " := " << nib;
    }
}

TEST_F(OptionWords, NibbleCases) {
    EXPECT_EQ(NIBVAL(4660, 1, SCREEN_UNIT), 4);
    EXPECT_EQ(NIBVAL(4660, 4, SCREEN_UNIT), 1);
    EXPECT_EQ(NIBVAL(4660, 5, SCREEN_UNIT), 0);
    Int w = 4660;
    NIBSET(w, 2, 15, SCREEN_UNIT);
    EXPECT_EQ(w, 4852);
    w = 4660;
    NIBSET(w, 8, 7, SCREEN_UNIT);
    EXPECT_EQ(w, 1879052852);
    NIBSET(w, 8, 0, SCREEN_UNIT);
    EXPECT_EQ(w, 4660);
    NIBSET(w, 1, 4, SCREEN_UNIT);
    EXPECT_EQ(w, 4660);
}

TEST_F(OptionWords, OneonLooksAtTheThreeLowNibbles) {
    const Int w = 3 + 16 * 1 + 256 * 5 + 4096 * 2;  // nibbles 3, 1, 5 and a 2 above them
    EXPECT_EQ(ONEON(w, 1, SCREEN_UNIT), 1);
    EXPECT_EQ(ONEON(w, 3, SCREEN_UNIT), 1);
    EXPECT_EQ(ONEON(w, 5, SCREEN_UNIT), 1);
    EXPECT_EQ(ONEON(w, 2, SCREEN_UNIT), 0);
}

struct Misuse {
    const char* what;
    void (*call)(Int unit);
    const char* message;
};

const Misuse kMisuses[] = {
    {"NIBSET 8 := 8", [](Int u) { Int w = 4660; NIBSET(w, 8, 8, u); },
     " Attempt to set most significant bit in NIBSET; contact Velmora"},
    {"NIBSET 9", [](Int u) { Int w = 0; NIBSET(w, 9, 1, u); },
     " Incorrect NIBBLE/position value in NIBSET; contact Velmora."},
    {"NIBSET := 16", [](Int u) { Int w = 0; NIBSET(w, 2, 16, u); },
     " Incorrect NIBBLE/position value in NIBSET; contact Velmora."},
    {"NIBSET := -1", [](Int u) { Int w = 0; NIBSET(w, 2, -1, u); },
     " Incorrect NIBBLE/position value in NIBSET; contact Velmora."},
    {"NIBVAL 0", [](Int u) { (void)NIBVAL(1, 0, u); }, " Incorrect NIBBLE value in NIBVAL; contact Velmora"},
    {"BITSET := 2", [](Int u) { Int w = 0; BITSET(w, 1, 2, u); }, " Incorrect bit value in BITSET; contact Velmora."},
    {"BITSET 33", [](Int u) { Int w = 0; BITSET(w, 33, 1, u); },
     " Incorrect bit position in BITSET; contact Velmora."},
    {"BITVAL 0", [](Int u) { (void)BITVAL(1, 0, u); }, " Incorrect bit position in BITVAL; contact Velmora."},
    {"BITSWP 40", [](Int u) { Int w = 0; BITSWP(w, 40, u); }, " Incorrect bit position in BITSWP; contact Velmora."},
};

TEST_F(OptionWords, MisuseStopsAfterOneKeystroke) {
    for (const Misuse& m : kMisuses) {
        clear_captured(SCREEN_UNIT);
        answers("\nleft over\n");
        try {
            m.call(SCREEN_UNIT);
            ADD_FAILURE() << m.what << " did not stop";
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.status, 1) << m.what;
        }
        EXPECT_EQ(screen(), std::string(m.message) + "\n Press <Return> to continue\n") << m.what;
        EXPECT_EQ(read_keyboard_line(), "left over") << m.what << ": exactly one line is read";
    }
}

TEST_F(OptionWords, MisuseInASilentRunDoesNotWait) {
    for (const Misuse& m : kMisuses) {
        clear_captured(SILENT_UNIT);
        answers("kept\n");
        EXPECT_THROW(m.call(SILENT_UNIT), ProgramEnd) << m.what;
        EXPECT_EQ(silent(), std::string(m.message) + "\n Press <Return> to continue\n") << m.what;
        EXPECT_EQ(read_keyboard_line(), "kept") << m.what;
    }
    EXPECT_EQ(screen(), "");
}

}  // namespace
}  // namespace brevant
