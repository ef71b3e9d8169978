// The clearing rules of the output selection word: page 1 on entry, page 2 on entry, the last page.
#include "options/output_selection.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "edlib/end_of_session.h"
#include "edlib/last_page.h"
#include "options/output_option_pages.h"
#include "records/data_image.h"
#include "test_support.h"

namespace brevant {
namespace {

// The word with the given bits set, made independently of BITSET.
Int word_of(std::initializer_list<int> bits) {
    std::uint32_t w = 0;
    for (int b : bits) w |= 1u << (b - 1);
    return static_cast<Int>(w);
}

constexpr Int kBits1To27 = 134217727;

class OutputSelectionTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    void TearDown() override {
        reset_images();
        reset_end_of_session();
        reset_last_page();
        ConsoleTest::TearDown();
    }
    static void environments(Int lrandm, Int lswell, Int lwind, Int lcurnt) {
        TPCM.LRANDM = lrandm;
        TPCM.LSWELL = lswell;
        TPCM.LWIND = lwind;
        TPCM.LCURNT = lcurnt;
    }
};

TEST_F(OutputSelectionTest, ClearingRulesOnAllBits) {
    enum class Rule { Page1, Page2, Last };
    struct Case {
        const char* what;
        Rule rule;
        Int lrandm, lswell, lwind, lcurnt;
        Int expected;
    };
    const Case cases[] = {
        {"page 1, sea on, swell off: bits 6 and 8", Rule::Page1, 1, 0, 1, 1, 134217567},
        {"page 1, sea off, swell on: bits 5 and 7", Rule::Page1, 0, 1, 1, 1, kBits1To27 & ~word_of({5, 7})},
        {"page 1, neither: all wave bits but 1 and 11", Rule::Page1, 0, 0, 1, 1,
         kBits1To27 & ~word_of({2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14})},
        {"page 1 ignores wind and current", Rule::Page1, 1, 1, 0, 0, kBits1To27},
        {"page 2, wind off, current on: 16, 18, 19", Rule::Page2, 1, 1, 0, 1, 133791743},
        {"page 2, wind on, current off: 15, 21, 22", Rule::Page2, 1, 1, 1, 0, kBits1To27 & ~word_of({15, 21, 22})},
        {"page 2 ignores waves and swell", Rule::Page2, 0, 0, 1, 1, kBits1To27},
        {"last page, everything off", Rule::Last, 0, 0, 0, 0, 130627329},
        {"last page, everything on: bit 12 only", Rule::Last, 1, 1, 1, 1, kBits1To27 & ~word_of({12})},
    };
    for (const Case& c : cases) {
        environments(c.lrandm, c.lswell, c.lwind, c.lcurnt);
        TPCM.BRVFLG = kBits1To27;
        switch (c.rule) {
            case Rule::Page1: tidy_wave_output_bits(TPCM); break;
            case Rule::Page2: tidy_wind_current_output_bits(TPCM); break;
            case Rule::Last: tidy_output_bits_at_last_page(TPCM); break;
        }
        EXPECT_EQ(TPCM.BRVFLG, c.expected) << c.what;
    }
    // The kept bits of the last page with everything off, named.
    EXPECT_EQ(130627329, word_of({1, 9, 10, 11, 13, 14, 17, 20, 23, 24, 25, 26, 27}));
}

TEST_F(OutputSelectionTest, BitsAboveTwentySevenAreLeftAlone) {
    // Only bits 1-27 are ever cleared, whatever else a file holds.
    environments(0, 0, 0, 0);
    const Int high = word_of({28, 31, 32});
    TPCM.BRVFLG = high | kBits1To27;
    tidy_wave_output_bits(TPCM);
    tidy_wind_current_output_bits(TPCM);
    tidy_output_bits_at_last_page(TPCM);
    EXPECT_EQ(TPCM.BRVFLG, high | word_of({1, 11, 17, 20, 23, 24, 25, 26, 27}));
}

TEST_F(OutputSelectionTest, LowFrequencyTableBits) {
    EXPECT_FALSE(any_output_bit(word_of({1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 17, 18, 19, 20}), kLowFrequencyTableBits));
    for (int b : {7, 8, 9, 10, 15, 16, 24, 25})
        EXPECT_TRUE(any_output_bit(word_of({b}), kLowFrequencyTableBits)) << b;
    EXPECT_FALSE(any_output_bit(word_of({14, 27}), kOscillationFrequencyBits));
    for (int b : {4, 19, 22}) EXPECT_TRUE(any_output_bit(word_of({b}), kOscillationFrequencyBits)) << b;
}

TEST_F(OutputSelectionTest, LastPageNeverLeavesBitTwelve) {
    // Through the last page itself, leaving without a save: the word it leaves has no bit 12.
    environments(1, 1, 1, 1);
    TPCM.SIMTYP = 16;
    TPCM.BRVFLG = word_of({1, 12, 23});
    answers("2\n");
    BRVFIN("17");
    EXPECT_EQ(TPCM.BRVFLG, word_of({1, 23}));
}

TEST_F(OutputSelectionTest, PassingThePagesInADumpAppliesTheirRules) {
    // In the page dump each page writes itself once and still cleans up on entry.
    testing::ScratchDir dir;
    capture_unit(SCREEN_UNIT);
    environments(0, 0, 0, 0);
    TPCM.BRVFLG = kBits1To27;
    TPCM.LCOPY = 1;
    BRVIO("14");
    EXPECT_EQ(TPCM.BRVFLG, kBits1To27 & ~word_of({2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14}));
    BRVIO2("15");
    EXPECT_EQ(TPCM.BRVFLG, word_of({1, 11, 17, 20, 23, 24, 25, 26, 27}));
    EXPECT_EQ(TPCM.LBACK, 0);
}

}  // namespace
}  // namespace brevant
