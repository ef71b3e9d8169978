// The free-format record read from a file unit: a list that runs over lines, a list that ends
// early, and the failures.
#include "sysutl/free_read.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;
using testing::put_file;
using testing::ScratchDir;

constexpr Int kUnit = 31;

class FreeRead : public ConsoleTest {
protected:
    void open_text(const std::string& text) {
        put_file("list.txt", text);
        ASSERT_TRUE(open_unit(kUnit, "list.txt", UnitMode::Read));
    }
    ScratchDir scratch_;
};

TEST_F(FreeRead, ListRunsOverLinesAndTheRestOfTheLastLineIsSkipped) {
    open_text("1,\r\n\n 2.5 3 4\n5\n");
    Int a = 0, c = 0;
    Real b = 0;
    ASSERT_TRUE(read_free(kUnit, {ListTarget::of(a), ListTarget::of(b), ListTarget::of(c)}));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2.5f);
    EXPECT_EQ(c, 3);
    ASSERT_TRUE(read_free(kUnit, {ListTarget::of(a)}));  // the next record, not the 4
    EXPECT_EQ(a, 5);
    EXPECT_FALSE(read_free(kUnit, {ListTarget::of(a)}));  // end of file
    EXPECT_EQ(a, 5);
}

TEST_F(FreeRead, SlashEndsTheListAndEmptyValuesKeepTheirVariables) {
    open_text("7 / 8\n,9\n");
    Int a = 0, b = -1;
    ASSERT_TRUE(read_free(kUnit, {ListTarget::of(a), ListTarget::of(b)}));
    EXPECT_EQ(a, 7);
    EXPECT_EQ(b, -1);
    ASSERT_TRUE(read_free(kUnit, {ListTarget::of(a), ListTarget::of(b)}));
    EXPECT_EQ(a, 7);
    EXPECT_EQ(b, 9);
}

TEST_F(FreeRead, UnreadableValueFails) {
    open_text("1 x 3\n");
    Int a = 0, b = 0, c = 0;
    EXPECT_FALSE(read_free(kUnit, {ListTarget::of(a), ListTarget::of(b), ListTarget::of(c)}));
    EXPECT_EQ(a, 1);
}

}  // namespace
}  // namespace brevant
