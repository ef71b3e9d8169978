// The shared reader of user tables: opening, records over several lines, the count and order
// checks, the outcome that says why and where a file cannot be read whole, and the run's refusals.
#include "sysutl/user_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "lowlib/lowlib_fixture.h"
#include "numeric/table_search.h"

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
    EXPECT_EQ(table.outcome().fault, TableFault::Missing);
    std::filesystem::create_directory("TABLE.txt");
    EXPECT_FALSE(table.open());
    EXPECT_EQ(table.outcome().fault, TableFault::Missing);
    EXPECT_FALSE(unit_is_open(USER_TABLE_UNIT));
    EXPECT_EQ(screen(), "");
}

TEST_F(UserTable, TrailingBlanksOfTheNameAreNoPartOfTheFile) {
    put_file("TABLE.txt", "2\n");
    ASSERT_TRUE(table.open());
    Int n = 0;
    EXPECT_TRUE(table.read_count(n, 1, 5, "rows"));
    EXPECT_EQ(n, 2);
    table.close();
    EXPECT_FALSE(unit_is_open(USER_TABLE_UNIT));
    EXPECT_TRUE(table.outcome().ok());
}

TEST_F(UserTable, RecordsGoOnOverLinesAndIgnoreTheRestOfTheLast) {
    put_file("TABLE.txt", "3 7 8\r\n1.5,\n\n2.5 , 3.5 4.5\n6 7\n");
    ASSERT_TRUE(table.open());
    Int n = 0;
    EXPECT_TRUE(table.read_count(n, 2, 3, "rows"));
    EXPECT_EQ(n, 3);
    Real a = 0, b = 0, c = 0;
    EXPECT_TRUE(table.read_record({ListTarget::of(a), ListTarget::of(b), ListTarget::of(c)}));
    EXPECT_EQ(a, 1.5f);
    EXPECT_EQ(b, 2.5f);
    EXPECT_EQ(c, 3.5f);
    EXPECT_TRUE(table.read_record({ListTarget::of(a), ListTarget::of(b)}));  // 4.5 went with the last line
    EXPECT_EQ(a, 6.0f);
    EXPECT_EQ(b, 7.0f);
    // End of file after the fifth line.
    EXPECT_FALSE(table.read_record({ListTarget::of(a)}));
    EXPECT_EQ(table.outcome().fault, TableFault::EndOfFile);
    EXPECT_EQ(table.outcome().line, 5);
    // The run refuses it with the file error report naming the file and the caller.
    answers("\n");
    EXPECT_EQ(end_status([&] { table.refuse(dimension); }), 1);
    EXPECT_EQ(screen(), "\n ++> End of file or related file error in routine READER\n"
                        "     file name TABLE.txt   \n \n Press <RETURN> to continue: ");
    EXPECT_FALSE(unit_is_open(USER_TABLE_UNIT));
}

// Each count: accepted within its limits; beyond the most the table holds, the caller's dimension
// message and a pause; below the fewest its use needs, or no number, the file error report.
TEST_F(UserTable, CountChecksAtBothEnds) {
    struct Case {
        const char* count;
        TableFault fault;
        const char* screen_starts;
    };
    for (const Case& c : {Case{"2", TableFault::None, ""}, Case{"5", TableFault::None, ""},
                          Case{"6", TableFault::TooMany, "size 6\n \n Press <RETURN>"},
                          Case{"1", TableFault::TooFew, "\n ++> End of file"},
                          Case{"-8", TableFault::TooFew, "\n ++> End of file"},
                          Case{"x", TableFault::NotANumber, "\n ++> End of file"},
                          Case{"NaN", TableFault::NotANumber, "\n ++> End of file"}}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        put_file("TABLE.txt", std::string(c.count) + "\n");
        ASSERT_TRUE(table.open());
        Int n = -99;
        EXPECT_EQ(table.read_count(n, 2, 5, "rows"), c.fault == TableFault::None) << c.count;
        EXPECT_EQ(table.outcome().fault, c.fault) << c.count;
        if (c.fault == TableFault::None) continue;
        EXPECT_EQ(table.outcome().line, 1) << c.count;
        EXPECT_EQ(end_status([&] { table.refuse(dimension); }), 1) << c.count;
        EXPECT_EQ(screen().rfind(c.screen_starts, 0), 0u) << c.count << ": " << screen();
    }
}

TEST_F(UserTable, TwoCountsOfOneHeaderAreCheckedOneByOne) {
    // A header of two sizes, as the drift table has: each checked against its own limit.
    put_file("TABLE.txt", "121 146\n");
    ASSERT_TRUE(table.open());
    Int nfreq = 0, naz = 0;
    ASSERT_TRUE(table.read_record({ListTarget::of(nfreq), ListTarget::of(naz)}));
    EXPECT_TRUE(table.check_count(nfreq, 2, 121, "frequencies"));
    EXPECT_FALSE(table.check_count(naz, 2, 145, "headings"));
    EXPECT_EQ(table.outcome().what, "headings");
    EXPECT_EQ(table.outcome().count, 146);
    EXPECT_EQ(table.outcome().limit, 145);
    answers("\n");
    EXPECT_EQ(end_status([&] { table.refuse(dimension); }), 1);
    EXPECT_EQ(screen().rfind("size 146\n", 0), 0u);
}

// The order of the abscissae is checked row by row, at the line of the row that breaks it: a
// repeat goes on, a turn stops the read.
TEST_F(UserTable, AnAbscissaThatTurnsBackStopsTheReadAtItsLine) {
    put_file("TABLE.txt", "0\n\n10\n10\n20\n5\n");
    ASSERT_TRUE(table.open());
    Real x[5] = {};
    Int i = 0;
    for (; i < 5; ++i) {
        if (!table.read_record({ListTarget::of(x[i])})) break;
        if (!table.check_order(i < 1 || keeps_order(x, i + 1), "angles")) break;
    }
    EXPECT_EQ(i, 4);
    EXPECT_EQ(table.outcome().fault, TableFault::OutOfOrder);
    EXPECT_EQ(table.outcome().line, 6);
    EXPECT_EQ(table_fault_text(table.outcome()), "     has angles that turn back at line 6.");
}

// An interval of no width is refused at the line the caller names (the row that closes it), and
// the unit of a check's read is closed whatever the read found.
TEST_F(UserTable, AnEmptyIntervalIsRefusedAtTheLineGivenAndACheckClosesTheUnit) {
    put_file("TABLE.txt", "1\n2\n3\n");
    ASSERT_TRUE(table.open());
    Int n = 0;
    ASSERT_TRUE(table.read_record({ListTarget::of(n)}));
    EXPECT_EQ(table.lines(), 1);
    EXPECT_TRUE(table.check_interval(false, 1, "frequencies"));
    EXPECT_FALSE(table.check_interval(true, 2, "frequencies"));
    EXPECT_EQ(table.outcome().fault, TableFault::EmptyInterval);
    EXPECT_EQ(table.outcome().line, 2);
    EXPECT_EQ(table.outcome().what, "frequencies");
    EXPECT_TRUE(unit_is_open(USER_TABLE_UNIT));
    EXPECT_EQ(table.close_check().fault, TableFault::EmptyInterval);
    EXPECT_FALSE(unit_is_open(USER_TABLE_UNIT));
    EXPECT_EQ(screen(), "");
}

// The texts of the findings before a run, one for each way a file cannot be read whole.
TEST(UserTableFaultText, EachFaultSaysWhatAndWhere) {
    const auto text = [](TableFault f, Int line, Int count = 0, Int limit = 0, const char* what = "") {
        TableOutcome o;
        o.fault = f;
        o.line = line;
        o.count = count;
        o.limit = limit;
        o.what = what;
        return table_fault_text(o);
    };
    EXPECT_EQ(text(TableFault::Missing, 0), "     is missing or cannot be read.");
    EXPECT_EQ(text(TableFault::EndOfFile, 0), "     is empty.");
    EXPECT_EQ(text(TableFault::EndOfFile, 1), "     ends after line 1, before the table its count gives is whole.");
    EXPECT_EQ(text(TableFault::EndOfFile, 3), "     ends after line 3, before the table its count gives is whole.");
    EXPECT_EQ(text(TableFault::NotANumber, 4), "     holds a value that is not a number at line 4.");
    EXPECT_EQ(text(TableFault::TooMany, 1, 146, 145, "headings"),
              "     gives a count of 146 at line 1; its table holds at most 145 headings.");
    EXPECT_EQ(text(TableFault::TooFew, 1, 1, 2, "points"),
              "     gives a count of 1 at line 1; the run needs at least 2 points.");
    EXPECT_EQ(text(TableFault::OutOfOrder, 7, 0, 0, "depths"), "     has depths that turn back at line 7.");
    EXPECT_EQ(text(TableFault::EmptyInterval, 3, 0, 0, "frequencies"),
              "     has equal frequencies at line 3 at an end of the table: no interval to interpolate in.");
}

}  // namespace
}  // namespace brevant
