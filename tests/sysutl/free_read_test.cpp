// The shared free-format reader: each read starts on a new line, runs on over lines, drops what is
// left on its last line, and fails at the end of the file or on an unreadable value.
#include <gtest/gtest.h>

#include "sysutl/free_read.h"
#include "test_support.h"

namespace brevant {
namespace {

class FreeRead : public testing::ConsoleTest {
protected:
    static constexpr Int kUnit = 77;
    testing::ScratchDir dir_;
    void open_text(const std::string& text) {
        testing::put_file("table.txt", text);
        ASSERT_TRUE(open_unit(kUnit, "table.txt", UnitMode::Read));
    }
};

TEST_F(FreeRead, ReadsRunOverLinesAndStartOnANewLine) {
    open_text("2 7 8\n1.5,\n\n-2.5E1 3\r\n4\n");
    Int n = 0;
    Real a = 0.0f, b = 0.0f, c = 0.0f;
    ASSERT_TRUE(read_free(kUnit, {ListTarget::of(n)}));
    EXPECT_EQ(n, 2);  // 7 and 8 are dropped with the rest of the line
    ASSERT_TRUE(read_free(kUnit, {ListTarget::of(a), ListTarget::of(b)}));
    EXPECT_EQ(a, 1.5f);
    EXPECT_EQ(b, -25.0f);  // after an empty line
    ASSERT_TRUE(read_free(kUnit, {ListTarget::of(c)}));
    EXPECT_EQ(c, 4.0f);  // the 3 went with its line
    EXPECT_FALSE(read_free(kUnit, {ListTarget::of(c)}));
    EXPECT_EQ(c, 4.0f);
}

TEST_F(FreeRead, UnreadableValueOrShortFileFails) {
    open_text("1.0 abc\n");
    Real a = 0.0f, b = 0.0f;
    EXPECT_FALSE(read_free(kUnit, {ListTarget::of(a), ListTarget::of(b)}));
    open_text("1.0\n");
    EXPECT_FALSE(read_free(kUnit, {ListTarget::of(a), ListTarget::of(b)}));
}

}  // namespace
}  // namespace brevant
