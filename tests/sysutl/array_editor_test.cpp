// The one-column array editor: drawing the column, retyping rows and the whole-column operations.
#include "sysutl/array_editor.h"

#include <vector>

#include "sysutl/fortran_format.h"
#include "test_support.h"

namespace brevant {
namespace {

class ArrayEditor : public testing::ConsoleTest {
protected:
    // A column of the given capacity with row i holding i.
    static std::vector<Real> column(int capacity) {
        std::vector<Real> v(static_cast<std::size_t>(capacity));
        for (int i = 0; i < capacity; ++i) v[static_cast<std::size_t>(i)] = static_cast<Real>(i + 1);
        return v;
    }
    static std::string operations(int n) {
        return "\n" + fmt_I(n + 1, 4) + ") Auto repeat\n\n" + fmt_I(n + 2, 4) + ") Delete a row & collapse array\n" +
               fmt_I(n + 3, 4) + ") Insert a null row & expand array\n" + fmt_I(n + 4, 4) +
               ") Add a constant value to each array element\n" + fmt_I(n + 5, 4) +
               ") Add a constant value to each array element (modulo 360)\n";
    }
    static inline const std::string kSelect = " \n Enter number of selection (\"H\" for help): ";
    static int count(const std::string& text, const std::string& what) { return static_cast<int>(testing::count_of(text, what)); }
    void edit(std::vector<Real>& v, Int nupdat, const std::string& typed) {
        answers(typed);
        Int lcopy = 0;
        AUTORP("Wave periods", v, nupdat, static_cast<Int>(v.size()), SCREEN_UNIT, KBD_UNIT, lcopy);
        EXPECT_EQ(lcopy, 0);
    }
};

TEST_F(ArrayEditor, DrawsUpToFourColumnsOfFortyRows) {
    std::vector<Real> v = column(100);
    edit(v, 45, "\n");
    std::string expected = " Wave periods\n\n";
    for (int r = 1; r <= 40; ++r) {
        expected += " " + fmt_I(r, 3) + ")" + fmt_F(static_cast<Real>(r), 10, 2);
        if (r + 40 <= 45) expected += "      " + fmt_I(r + 40, 3) + ")" + fmt_F(static_cast<Real>(r + 40), 10, 2);
        expected += "\n";
    }
    expected += operations(45) + kSelect;
    EXPECT_EQ(screen(), expected);
    EXPECT_NE(screen().find("\n   1)      1.00       41)     41.00\n"), std::string::npos);
    EXPECT_NE(screen().find("\n  46) Auto repeat\n"), std::string::npos);
}

TEST_F(ArrayEditor, GroupsPerScreenRowFollowTheRowsInUse) {
    struct Case {
        Int n;
        int groups_row1, groups_row2, groups_row40;
    };
    const Case cases[] = {{40, 1, 1, 1}, {80, 2, 2, 2}, {81, 3, 2, 2}, {121, 4, 3, 3}, {160, 4, 4, 4}};
    for (const Case& c : cases) {
        std::vector<Real> v = column(160);
        clear_captured(SCREEN_UNIT);
        edit(v, c.n, "\n");
        const std::string s = screen();
        auto row_line = [&s](int r) {
            const std::string start = "\n" + fmt_I(r, 4) + ")";
            const std::size_t p = s.find(start);
            return p == std::string::npos ? std::string() : s.substr(p + 1, s.find('\n', p + 1) - p - 1);
        };
        EXPECT_EQ(count(row_line(1), ")"), c.groups_row1) << c.n;
        EXPECT_EQ(count(row_line(2), ")"), c.groups_row2) << c.n;
        EXPECT_EQ(count(row_line(40), ")"), c.groups_row40) << c.n;
        EXPECT_EQ(row_line(1).size(), static_cast<std::size_t>(1 + 14 * c.groups_row1 + 6 * (c.groups_row1 - 1)));
    }
}

TEST_F(ArrayEditor, ValueTooWideShowsAsterisks) {
    std::vector<Real> v = {1.0e9f, -0.5f};
    edit(v, 2, "\n");
    EXPECT_NE(screen().find("\n   1)**********\n   2)      -.50\n"), std::string::npos);
}

TEST_F(ArrayEditor, MoreThan160RowsEndsTheRun) {
    std::vector<Real> v = column(200);
    answers("\n");
    Int lcopy = 0;
    try {
        AUTORP("Big", v, 161, 200, SCREEN_UNIT, KBD_UNIT, lcopy);
        FAIL() << "expected the run to end";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(screen(), " Big\n\n ++> Array overflow in AUTORP\n \n Press <RETURN> to continue: ");
}

TEST_F(ArrayEditor, CountsBeyondTheColumnAreHeldToIt) {
    // 12 rows claimed, capacity 50 claimed, but the column has only 5 values: nothing is read or
    // written past it (the sanitizer run would catch a stray access).
    std::vector<Real> v = column(5);
    Int lcopy = 1;
    AUTORP("Short", v, 12, 50, SCREEN_UNIT, KBD_UNIT, lcopy);
    EXPECT_NE(screen().find("   5)      5.00"), std::string::npos);
    EXPECT_EQ(screen().find("   6)"), std::string::npos);
    // Auto repeat over the claimed capacity fills the column only.
    clear_captured(SCREEN_UNIT);
    answers("6\n10\n5\n\n");
    lcopy = 0;
    AUTORP("Short", v, 5, 50, SCREEN_UNIT, KBD_UNIT, lcopy);
    EXPECT_EQ(v, (std::vector<Real>{10, 15, 20, 25, 30}));
}

TEST_F(ArrayEditor, RetypesRowsUntilABlankAnswer) {
    std::vector<Real> v = column(20);
    edit(v, 12, "5\n50\n60.5\n\n\n");
    EXPECT_EQ(v[3], 4.0f);
    EXPECT_EQ(v[4], 50.0f);
    EXPECT_EQ(v[5], 60.5f);
    EXPECT_EQ(v[6], 7.0f);
    EXPECT_NE(screen().find(kSelect +
                            " Enter new value for #   5   Enter new value for #   6   Enter new value for #   7  "),
              std::string::npos);
    EXPECT_EQ(count(screen(), " Wave periods\n"), 2);

    // The last row ends the run of prompts by itself; an unreadable answer stops it like a blank.
    v = column(20);
    edit(v, 12, "11\n1\n2\n\n");
    EXPECT_EQ(v[10], 1.0f);
    EXPECT_EQ(v[11], 2.0f);
    EXPECT_EQ(v[12], 13.0f);
    v = column(20);
    edit(v, 12, "3\n9\nx\n\n");
    EXPECT_EQ(v[2], 9.0f);
    EXPECT_EQ(v[3], 4.0f);
}

TEST_F(ArrayEditor, AutoRepeatFillsTheWholeCapacity) {
    std::vector<Real> v = column(20);
    edit(v, 8, "9\n10\n5\n\n");
    for (int i = 0; i < 20; ++i) EXPECT_EQ(v[static_cast<std::size_t>(i)], static_cast<Real>(10 + 5 * i)) << i;
    EXPECT_NE(screen().find(" Enter starting value:  Enter increment: "), std::string::npos);

    // A blank increment repeats the start value.
    v = column(20);
    edit(v, 8, "9\n2.5\n\n\n");
    for (Real x : v) EXPECT_EQ(x, 2.5f);
    // So does an unreadable one.
    v = column(20);
    edit(v, 8, "9\n-4\nten\n\n");
    for (Real x : v) EXPECT_EQ(x, -4.0f);

    // A blank start cancels before the increment is asked.
    v = column(20);
    clear_captured(SCREEN_UNIT);
    edit(v, 8, "9\n\n\n");
    EXPECT_EQ(v, column(20));
    EXPECT_NE(screen().find(" Enter starting value: "), std::string::npos);
    EXPECT_EQ(screen().find("Enter increment"), std::string::npos);
}

TEST_F(ArrayEditor, DeleteCollapsesTheCapacity) {
    std::vector<Real> v = column(10);
    edit(v, 5, "7\n3\n\n");
    const std::vector<Real> expected = {1, 2, 4, 5, 6, 7, 8, 9, 10, 0};
    EXPECT_EQ(v, expected);
    EXPECT_NE(screen().find(" Enter row number to delete: "), std::string::npos);
    // The old row 6 is now shown as row 5.
    EXPECT_NE(screen().find("\n   5)      6.00\n"), std::string::npos);

    struct Case {
        const char* row;
        std::vector<Real> out;
    };
    const Case cases[] = {
        {"2.9", {1, 3, 4, 5, 6, 7, 8, 9, 10, 0}},  // truncated toward zero
        {"6", column(10)},                        // beyond the rows in use
        {"0", column(10)},
        {"-1", column(10)},
        {"", column(10)},
        {"Q", column(10)},
    };
    for (const Case& c : cases) {
        v = column(10);
        edit(v, 5, std::string("7\n") + c.row + "\n\n");
        EXPECT_EQ(v, c.out) << '"' << c.row << '"';
    }
}

TEST_F(ArrayEditor, InsertExpandsAndLosesTheLastElement) {
    std::vector<Real> v = column(10);
    edit(v, 5, "8\n2\n\n");
    const std::vector<Real> expected = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(v, expected);
    EXPECT_NE(screen().find(" Enter row number to nullify: "), std::string::npos);

    v = column(10);
    edit(v, 5, "8\n5\n\n");
    const std::vector<Real> last = {1, 2, 3, 4, 0, 5, 6, 7, 8, 9};
    EXPECT_EQ(v, last);
    v = column(10);
    edit(v, 5, "8\n6\n\n");
    EXPECT_EQ(v, column(10));
}

TEST_F(ArrayEditor, EmptyColumnShowsOnlyTheOperations) {
    std::vector<Real> v = column(4);
    edit(v, 0, "\n");
    EXPECT_EQ(screen(), " Wave periods\n\n" + operations(0) + kSelect);
    // Row 1 is accepted for delete and insert even with no rows in use.
    edit(v, 0, "2\n1\n\n");
    EXPECT_EQ(v, (std::vector<Real>{2, 3, 4, 0}));
    edit(v, 0, "3\n1\n\n");
    EXPECT_EQ(v, (std::vector<Real>{0, 2, 3, 4}));
    edit(v, 0, "2\n2\n\n");
    EXPECT_EQ(v, (std::vector<Real>{0, 2, 3, 4}));
}

TEST_F(ArrayEditor, AddAConstantToTheRowsInUse) {
    std::vector<Real> v = column(6);
    edit(v, 4, "8\n0.5\n\n");
    EXPECT_EQ(v, (std::vector<Real>{1.5f, 2.5f, 3.5f, 4.5f, 5, 6}));
    EXPECT_NE(screen().find(" Enter constant value: "), std::string::npos);
    edit(v, 4, "8\n\n\n");  // cancelled
    EXPECT_EQ(v, (std::vector<Real>{1.5f, 2.5f, 3.5f, 4.5f, 5, 6}));
}

TEST_F(ArrayEditor, AddAConstantModulo360) {
    std::vector<Real> v = {350, -30, 720, 10, 99};
    edit(v, 4, "9\n20\n\n");
    EXPECT_EQ(v, (std::vector<Real>{10, 350, 20, 30, 99}));
    v = {350, -30, -400, 0, 99};
    edit(v, 4, "9\n0\n\n");
    EXPECT_EQ(v, (std::vector<Real>{350, 330, 320, 0, 99}));
    // Results are never negative and stay within 0..360.
    v = {-0.00001f, 1, 2, 3};
    edit(v, 1, "6\n0\n\n");
    EXPECT_EQ(v[0], 360.0f);
}

TEST_F(ArrayEditor, CommandsReturnOrRedraw) {
    // A page command returns like a blank line, without passing the code on.
    std::vector<Real> v = column(5);
    edit(v, 3, "F\n");
    EXPECT_EQ(count(screen(), " Wave periods\n"), 1);
    // "!", "H" (after its help and pause), a number above the operations and "?" (after the
    // no-help screen and its pause) draw the column again.
    clear_captured(SCREEN_UNIT);
    edit(v, 3, "!\nH\n\n9\n?\n\nB\n");
    const std::string s = screen();
    EXPECT_EQ(count(s, " Wave periods\n"), 5);
    EXPECT_EQ(count(s, " (Jn) Jump to page \"n\""), 1);
    EXPECT_EQ(count(s, " ++> Sorry, no help for this page..."), 1);
    EXPECT_EQ(v, column(5));
}

TEST_F(ArrayEditor, DumpModeWritesTheColumnOnceAndEndsThePage) {
    std::vector<Real> v = column(3);
    capture_unit(1);
    Int lcopy = 1;
    AUTORP("Heights", v, 2, 3, 1, KBD_UNIT, lcopy);  // no answers: nothing may be read
    EXPECT_EQ(lcopy, 2);
    EXPECT_EQ(captured(1), " Heights\n\n   1)      1.00\n   2)      2.00\n\n\n\n");
    EXPECT_EQ(screen(), "");
}

TEST_F(ArrayEditor, SilentRunWritesNoPrompts) {
    std::vector<Real> v = column(3);
    answers("1\n7\n\n\n");
    Int lcopy = 0;
    AUTORP("Heights", v, 3, 3, SILENT_UNIT, KBD_UNIT, lcopy);
    EXPECT_EQ(v, (std::vector<Real>{7, 2, 3}));
    EXPECT_EQ(screen(), "");
    EXPECT_NE(silent().find("   1)      7.00\n"), std::string::npos);
    EXPECT_EQ(silent().find("Enter"), std::string::npos);
}

}  // namespace
}  // namespace brevant
