// The free-format record read from a file unit: a list that runs over lines, a list that ends
// early, and the failures.
#include "sysutl/free_read.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;
using testing::put_file;
using testing::ScratchDir;

constexpr Int kUnit = 31;
using ReadEnd = FreeRead;  // the enum, before the fixture below takes its name

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

// A record read over lines gives what one list read of its lines joined by blanks gives, wherever
// the lines break: after a comma, between a repeat count and its value, before a slash.
TEST_F(FreeRead, ARecordOverLinesReadsAsItsLinesJoined) {
    const char* const kTexts[] = {
        "1,\n,2 3\n",     "1\n,\n,3\n",        "1,\n\n, 3\n",   ",\n2\n3\n",     "\n  \n1 2 3\n",
        "2*\n7\n",        "2*7\n8\n",           "1\n2*\n",        "1 ,\n/\n",       "1\n2 / 9\n",
        "  1\t\n\t2,3\n", "1 2\n\n\n\n3 4\n", "1,,\n3\n",       "1 , \n , 3\n",  "1\n,,\n3\n"};
    for (const char* text : kTexts) {
        std::string joined = text;
        joined.pop_back();  // the last line end
        std::replace(joined.begin(), joined.end(), '\n', ' ');
        Int e1 = -1, e2 = -1, e3 = -1;
        const ListResult expected = read_list(joined, {ListTarget::of(e1), ListTarget::of(e2), ListTarget::of(e3)});
        ASSERT_EQ(expected.status, ListStatus::Complete) << text;

        open_text(text);
        Int a = -1, b = -1, c = -1;
        ASSERT_TRUE(read_free(kUnit, {ListTarget::of(a), ListTarget::of(b), ListTarget::of(c)})) << text;
        EXPECT_EQ(a, e1) << text;
        EXPECT_EQ(b, e2) << text;
        EXPECT_EQ(c, e3) << text;
    }
}

// A record spread over 200,000 blank lines reads in time of its length. Reading the whole record
// again at each line would step through about 2e10 blanks here and hold the suite up for minutes;
// read on from where the last line left off, it takes a moment.
TEST_F(FreeRead, ARecordOverManyBlankLinesReadsInOnePass) {
    constexpr int kBlankLines = 200000;
    std::string text = "1\n";
    for (int i = 0; i < kBlankLines; ++i) text += i % 2 == 0 ? "  \n" : "\r\n";
    text += "2, 3\n4\n";
    open_text(text);
    Int a = 0, b = 0, c = 0;
    Int lines = 0;
    ASSERT_EQ(read_free_counted(kUnit, {ListTarget::of(a), ListTarget::of(b), ListTarget::of(c)}, lines),
              ReadEnd::Complete);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(lines, kBlankLines + 2);
    ASSERT_TRUE(read_free(kUnit, {ListTarget::of(a)}));  // the next record
    EXPECT_EQ(a, 4);
}

}  // namespace
}  // namespace brevant
