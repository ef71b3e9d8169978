// The mooring-line records: the line-type word, the second names, and the resets.
#include "records/mooring_line_records.h"

#include <gtest/gtest.h>

#include <bit>

namespace brevant {
namespace {

TEST(LineTypeWord, LowTenBitsAndExclusion) {
    struct Case {
        Int word;
        Int type;
        bool excluded;
    };
    const Case cases[] = {
        {1, 1, false},      {150, 150, false}, {151, 151, true}, {0, 0, true},     {1023, 1023, true},
        {1024, 0, true},    {1025, 1, true},   {1174, 150, true}, {2048 + 5, 5, true}, {-1, 1023, true},
    };
    for (const Case& c : cases) {
        const LineTypeWord t = line_type_of(c.word);
        EXPECT_EQ(t.ITYP, c.type) << c.word;
        EXPECT_EQ(t.excluded, c.excluded) << c.word;
    }
}

TEST(MooringRecords, SecondNamesAndResets) {
    LINCOM.SEPVES()(90, 29, 150) = 3.5f;
    EXPECT_EQ(LINCOM.ANCDST(90, 29, 150), 3.5f);
    LINCOM.set_LINEND(42);
    EXPECT_EQ(std::bit_cast<Int>(LINCOM.BOTOMZ), 42);
    EXPECT_EQ(LINCOM.LINEND(), 42);
    LINCOM.DPHLD = 7.0;
    CATCOM.CAFLD = Complex(1.0f, 2.0f);
    CATCOM.CATEND = 9;
    reset_lincom();
    reset_catcom();
    EXPECT_EQ(LINCOM.DPHLD, 0.0);
    EXPECT_EQ(LINCOM.LINEND(), 0);
    EXPECT_EQ(LINCOM.ANCDST(90, 29, 150), 0.0f);
    EXPECT_EQ(CATCOM.CAFLD, Complex(0.0f, 0.0f));
    EXPECT_EQ(CATCOM.ZERO, Complex(0.0f, 0.0f));
    EXPECT_EQ(CATCOM.CATEND, 0);
}

}  // namespace
}  // namespace brevant
