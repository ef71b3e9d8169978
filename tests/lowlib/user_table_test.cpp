// The shared reader of user tables: opening, records over several lines, the count checks in the
// order the tables rely on, and the refusals.
#include "lowlib/user_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "lowlib/lowlib_fixture.h"

namespace brevant {
namespace {

using testing::LowlibTest;
using testing::put_file;

class UserTable : public LowlibTest {
protected:
    UserTableFile table{"TABLE.txt   ", "READER", SCREEN_UNIT, KBD_UNIT};
    static void dimension(Int n) { write_record(SCREEN_UNIT, "size " + std::to_string(n)); }
};

TEST_F(UserTable, MissingFileOrAFolderDoesNotOpen) {
    EXPECT_FALSE(table.open());
    std::filesystem::create_directory("TABLE.txt");
    EXPECT_FALSE(table.open());
    EXPECT_FALSE(unit_is_open(USER_TABLE_UNIT));
    EXPECT_EQ(screen(), "");
}

TEST_F(UserTable, TrailingBlanksOfTheNameAreNoPartOfTheFile) {
    put_file("TABLE.txt", "2\n");
    ASSERT_TRUE(table.open());
    EXPECT_EQ(table.read_count(1, 5, dimension), 2);
    table.close();
    EXPECT_FALSE(unit_is_open(USER_TABLE_UNIT));
}

TEST_F(UserTable, RecordsGoOnOverLinesAndIgnoreTheRestOfTheLast) {
    put_file("TABLE.txt", "3 7 8\r\n1.5,\n\n2.5 , 3.5 4.5\n6 7\n");
    ASSERT_TRUE(table.open());
    EXPECT_EQ(table.read_count(2, 3, dimension), 3);
    Real a = 0, b = 0, c = 0;
    table.read_record({ListTarget::of(a), ListTarget::of(b), ListTarget::of(c)});
    EXPECT_EQ(a, 1.5f);
    EXPECT_EQ(b, 2.5f);
    EXPECT_EQ(c, 3.5f);
    table.read_record({ListTarget::of(a), ListTarget::of(b)});  // 4.5 went with the last line
    EXPECT_EQ(a, 6.0f);
    EXPECT_EQ(b, 7.0f);
    // End of file: the file error report naming the file and the caller.
    answers("\n");
    EXPECT_EQ(end_status([&] { table.read_record({ListTarget::of(a)}); }), 1);
    EXPECT_EQ(screen(), "\n ++> End of file or related file error in routine READER\n"
                        "     file name TABLE.txt   \n \n Press <RETURN> to continue: ");
}

TEST_F(UserTable, CountChecksAtBothEnds) {
    struct Case {
        const char* count;
        int status;  // -1 accepted
        const char* screen_starts;
    };
    for (const Case& c : {Case{"2", -1, ""}, Case{"5", -1, ""}, Case{"6", 1, "size 6\n \n Press <RETURN>"},
                          Case{"1", 1, "\n ++> End of file"}, Case{"-8", 1, "\n ++> End of file"},
                          Case{"x", 1, "\n ++> End of file"}}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        put_file("TABLE.txt", std::string(c.count) + "\n");
        ASSERT_TRUE(table.open());
        Int n = -99;
        EXPECT_EQ(end_status([&] { n = table.read_count(2, 5, dimension); }), c.status) << c.count;
        EXPECT_EQ(screen().rfind(c.screen_starts, 0), 0u) << c.count << ": " << screen();
        if (c.status == -1) {
            EXPECT_EQ(n, std::stoi(c.count));
        }
        EXPECT_EQ(n == -99, c.status == 1) << c.count;  // a refused count never reaches the caller
    }
}

TEST_F(UserTable, TwoCountsOfOneHeaderAreCheckedOneByOne) {
    // A header of two sizes, as the drift table has: each checked against its own limit.
    put_file("TABLE.txt", "121 146\n");
    ASSERT_TRUE(table.open());
    Int nfreq = 0, naz = 0;
    table.read_record({ListTarget::of(nfreq), ListTarget::of(naz)});
    table.check_count(nfreq, 2, 121, dimension);
    answers("\n");
    EXPECT_EQ(end_status([&] { table.check_count(naz, 2, 145, dimension); }), 1);
    EXPECT_EQ(screen().rfind("size 146\n", 0), 0u);
}

}  // namespace
}  // namespace brevant
