// The formatting kit against gfortran's output (tables made once by tools/gfortran_cases.py, with
// the program's own rules for numbers applied), the no-leading-zero rule, the format interpreter,
// numeric input fields and list-directed input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "sysutl/fortran_format.h"
#include "test_support.h"

namespace brevant {
namespace {

// Rows of the gfortran tables (tools/gfortran_cases.py): an output format with its items and the
// records it gives (nullptr: the format is refused), a formatted input field, and a list-directed
// read into targets of the kinds I (integer), R (single), D (double), L (logical), A (text of 6).
// One item of an output row. The tables are constant data (no start-up code), which keeps the
// file quick to compile even in the sanitizer build; the items become FmtItems when a row is run.
struct GfItem {
    enum class Use { None, Integer, Real, Logical, Text } use = Use::None;
    long long i = 0;
    double r = 0;
    const char* s = nullptr;
    constexpr GfItem() = default;
    constexpr GfItem(int v) : use(Use::Integer), i(v) {}
    constexpr GfItem(long long v) : use(Use::Integer), i(v) {}
    constexpr GfItem(float v) : use(Use::Real), r(static_cast<double>(v)) {}
    constexpr GfItem(double v) : use(Use::Real), r(v) {}
    constexpr GfItem(bool v) : use(Use::Logical), i(v ? 1 : 0) {}
    constexpr GfItem(const char* v) : use(Use::Text), s(v) {}
};
constexpr int kMaxGfItems = 8;
struct GfOutput {
    const char* format;
    GfItem items[kMaxGfItems];
    const char* expected;
};

// The items of a row as the formatting kit takes them.
std::vector<FmtItem> items_of(const GfOutput& c) {
    std::vector<FmtItem> v;
    for (const GfItem& it : c.items) {
        switch (it.use) {
            case GfItem::Use::None: return v;
            case GfItem::Use::Integer: v.emplace_back(it.i); break;
            case GfItem::Use::Real: v.emplace_back(it.r); break;
            case GfItem::Use::Logical: v.emplace_back(it.i != 0); break;
            case GfItem::Use::Text: v.emplace_back(it.s); break;
        }
    }
    return v;
}
struct GfField {
    char kind;  // I, F (single), D (double)
    int w, d;
    const char* text;
    bool ok;
    long long ivalue;
    double rvalue;
};
struct GfList {
    const char* text;
    const char* kinds;
    int status;  // 0 complete, -1 the text ran out, 1 unreadable
    const char* values;
};

constexpr float kNaNf = std::numeric_limits<float>::quiet_NaN();
constexpr float kInff = std::numeric_limits<float>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

#define GF_OUTPUT_CASES
constexpr GfOutput kChosenOutput[] = {
#include "sysutl/gfortran_cases.inc"
};
constexpr GfOutput kRandomOutput[] = {
#include "sysutl/gfortran_random_cases.inc"
};
#undef GF_OUTPUT_CASES
#define GF_FIELD_CASES
constexpr GfField kChosenFields[] = {
#include "sysutl/gfortran_cases.inc"
};
constexpr GfField kRandomFields[] = {
#include "sysutl/gfortran_random_cases.inc"
};
#undef GF_FIELD_CASES
#define GF_LIST_CASES
constexpr GfList kChosenLists[] = {
#include "sysutl/gfortran_cases.inc"
};
constexpr GfList kRandomLists[] = {
#include "sysutl/gfortran_random_cases.inc"
};
#undef GF_LIST_CASES

std::string describe(const std::vector<FmtItem>& items) {
    std::string s;
    for (const FmtItem& it : items) {
        s += s.empty() ? "" : ", ";
        switch (it.kind()) {
            case FmtItem::Kind::Integer: s += std::to_string(it.integer()); break;
            case FmtItem::Kind::Real: {
                char buf[64];
                std::snprintf(buf, sizeof buf, "%a", it.real());
                s += buf;
                break;
            }
            case FmtItem::Kind::Logical: s += it.integer() ? "T" : "F"; break;
            case FmtItem::Kind::Text: s += "'" + it.text() + "'"; break;
        }
    }
    return s;
}

template <std::size_t N>
void check_output(const GfOutput (&cases)[N]) {
    for (const GfOutput& c : cases) {
        const std::vector<FmtItem> items = items_of(c);
        if (c.expected == nullptr) {
            EXPECT_THROW(format_line(c.format, items), std::invalid_argument) << c.format << " of " << describe(items);
        } else {
            EXPECT_EQ(format_line(c.format, items), c.expected) << c.format << " of " << describe(items);
        }
    }
}

template <std::size_t N>
void check_fields(const GfField (&cases)[N]) {
    for (const GfField& c : cases) {
        const std::string text(c.text);
        ASSERT_EQ(static_cast<int>(text.size()), c.w) << c.text;
        const std::string where = std::string(1, c.kind) + std::to_string(c.w) + "." + std::to_string(c.d) + " [" + text + "]";
        if (c.kind == 'I') {
            Int v = -7;
            EXPECT_EQ(read_int_field(text, v), c.ok) << where;
            EXPECT_EQ(v, c.ok ? c.ivalue : -7) << where;
        } else if (c.kind == 'F') {
            Real v = -1.5f;
            EXPECT_EQ(read_real_field(text, c.d, v), c.ok) << where;
            EXPECT_EQ(v, c.ok ? static_cast<float>(c.rvalue) : -1.5f) << where;
        } else {
            double v = -2.5;
            EXPECT_EQ(read_real_field(text, c.d, v), c.ok) << where;
            EXPECT_EQ(v, c.ok ? c.rvalue : -2.5) << where;
        }
    }
}

template <std::size_t N>
void check_lists(const GfList (&cases)[N]) {
    for (const GfList& c : cases) {
        const std::string kinds(c.kinds);
        std::vector<Int> iv(kinds.size(), -7);
        std::vector<Real> rv(kinds.size(), -1.5f);
        std::vector<double> dv(kinds.size(), -2.5);
        std::vector<Logical> lv(kinds.size(), 1);
        std::vector<std::string> av(kinds.size(), "init  ");
        std::vector<ListTarget> targets;
        for (std::size_t j = 0; j < kinds.size(); ++j) {
            switch (kinds[j]) {
                case 'I': targets.push_back(ListTarget::of(iv[j])); break;
                case 'R': targets.push_back(ListTarget::of(rv[j])); break;
                case 'D': targets.push_back(ListTarget::of(dv[j])); break;
                case 'L': targets.push_back(ListTarget::logical(lv[j])); break;
                default: targets.push_back(ListTarget::of(av[j], 6)); break;
            }
        }
        const ListResult r = read_list(c.text, targets);
        const ListStatus want = c.status == 0 ? ListStatus::Complete
                                              : (c.status < 0 ? ListStatus::EndOfText : ListStatus::Unreadable);
        const std::string where = std::string("[") + c.text + "] into " + kinds;
        EXPECT_EQ(r.status, want) << where;
        std::vector<std::string> values;
        std::string rest(c.values);
        for (std::size_t bar; (bar = rest.find('|')) != std::string::npos; rest.erase(0, bar + 1))
            values.push_back(rest.substr(0, bar));
        values.push_back(rest);
        ASSERT_EQ(values.size(), kinds.size()) << where;
        for (std::size_t j = 0; j < kinds.size(); ++j) {
            const std::string& v = values[j];
            switch (kinds[j]) {
                case 'I': EXPECT_EQ(iv[j], std::stoll(v)) << where << " item " << j + 1; break;
                case 'R': EXPECT_EQ(rv[j], std::strtof(v.c_str(), nullptr)) << where << " item " << j + 1; break;
                case 'D': EXPECT_EQ(dv[j], std::strtod(v.c_str(), nullptr)) << where << " item " << j + 1; break;
                case 'L': EXPECT_EQ(lv[j], v == "T" ? 1 : 0) << where << " item " << j + 1; break;
                default: EXPECT_EQ(av[j], v) << where << " item " << j + 1; break;
            }
        }
    }
}

TEST(FortranFormat, MatchesGfortranOnChosenCases) {
    check_output(kChosenOutput);
    check_fields(kChosenFields);
    check_lists(kChosenLists);
}

TEST(FortranFormat, MatchesGfortranOnRandomOutput) { check_output(kRandomOutput); }

TEST(FortranFormat, MatchesGfortranOnRandomInputFields) { check_fields(kRandomFields); }

TEST(FortranFormat, MatchesGfortranOnRandomListInput) { check_lists(kRandomLists); }

TEST(FortranFormat, FixedPointHasNoLeadingZeroBelowOne) {
    struct {
        double v;
        int w, d;
        const char* expected;
    } cases[] = {
        {0.5, 10, 2, "       .50"}, {0.0, 10, 2, "       .00"}, {-0.001, 5, 2, "-0.00"}, {0.004, 6, 2, "  0.00"},
        {-0.25, 6, 2, "  -.25"},     {0.999, 5, 2, " 1.00"},      {0.5, 3, 2, ".50"},       {-0.0, 5, 2, "  .00"},
        {0.0, 4, 0, "  0."},         {0.004, 4, 2, "0.00"},       {-0.001, 4, 2, "-.00"},   {12.345f, 10, 2, "     12.35"},
    };
    for (const auto& c : cases) EXPECT_EQ(fmt_F(c.v, c.w, c.d), c.expected) << c.v << " F" << c.w << "." << c.d;
}

TEST(FortranFormat, FieldHelpers) {
    EXPECT_EQ(fmt_F(1e9f, 10, 2), "**********");
    EXPECT_EQ(fmt_I(1000, 3), "***");
    EXPECT_EQ(fmt_I(-5, 2), "-5");
    EXPECT_EQ(fmt_I(-10, 2), "**");
    EXPECT_EQ(fmt_E(1234.5678f, 14, 7), " 0.1234568E+04");
    EXPECT_EQ(fmt_E(3600.0f, 14, 7, 2), " 0.3600000E+04");
    EXPECT_EQ(fmt_1PE(1234.5f, 12, 4), "  1.2345E+03");
    EXPECT_EQ(fmt_E(0.0f, 14, 7), " 0.0000000E+00");
    EXPECT_EQ(fmt_A("ABCDEFG", 3), "ABC");
    EXPECT_EQ(fmt_A("ABC", 8), "     ABC");
    EXPECT_EQ(fmt_A("ABC"), "ABC");
    EXPECT_EQ(fmt_L(false, 2), " F");
    EXPECT_EQ(fmt_L(true, 1), "T");
    EXPECT_EQ(fmt_F(std::nanf(""), 5, 2), "  NaN");
}

TEST(FortranFormat, InterpreterBuildsRecords) {
    EXPECT_EQ(format_line("(1X,I2,')',1X,A,1X,A5)", {3, "Water depth", "....."}), "  3) Water depth .....");
    EXPECT_EQ(format_line("(10X,A4,1X,5(1H.),F10.2,1X,A16)", {"Wind", 12.345f, fixed_len("knots", 16)}),
              "          Wind .....     12.35 knots           ");
    EXPECT_EQ(format_line("(5X,A30,A40)", {"abc", "de"}).size(), 75u);
    EXPECT_EQ(format_line("('It''s',2X,'x')"), "It's  x");
    EXPECT_EQ(format_line("(T16,'head')"), std::string(15, ' ') + "head");
    EXPECT_EQ(format_line("(A,T3,A)", {"abcdef", "XY"}), "abXYef");
    // Re-use from the last group while items remain, and '/' for new records.
    EXPECT_EQ(format_line("(I3,2(1X,I2))", {1, 2, 3, 4, 5}), "  1  2  3\n  4  5");
    EXPECT_EQ(format_line("(I2/I2)", {1, 2}), " 1\n 2");
    // Output stops at the first data descriptor without an item, or at a colon.
    EXPECT_EQ(format_line("(I2,' a',I2,' b')", {7}), " 7 a");
    EXPECT_EQ(format_line("(I2,:,' a')", {7}), " 7");
    // A scale factor goes on to the later descriptors of the same format.
    EXPECT_EQ(format_line("(1PE10.3,E12.4)", {1234.5f, 0.5f}), " 1.234E+03  5.0000E-01");
    EXPECT_EQ(format_line("(SP,I4,F6.1)", {5, 2.5f}), "  +5  +2.5");
    EXPECT_EQ(format_line("(L2,G12.5)", {false, 1.5f}), " F  1.5000    ");
    EXPECT_THROW(format_line("(I2", {1}), std::invalid_argument);
    EXPECT_THROW(format_line("(Q3)", {1}), std::invalid_argument);
    EXPECT_THROW(format_line("('x')", {1}), std::invalid_argument);
}

TEST(FortranFormat, RealGivenToAnIntegerEditIsTruncatedWithinTheIntegerRange) {
    // Truncated toward zero; beyond the integer range held at its ends, not converted out of range.
    EXPECT_EQ(format_line("(2I4)", {2.9f, -2.9f}), "   2  -2");
    EXPECT_EQ(format_line("(2I12)", {1.0e30f, -1.0e30f}), "  2147483647 -2147483648");
    EXPECT_EQ(format_line("(I3)", {std::numeric_limits<float>::quiet_NaN()}), "  0");
}

using FormattedWrite = testing::ConsoleTest;

TEST_F(FormattedWrite, DollarLeavesThePromptOpen) {
    write_formatted(SCREEN_UNIT, "(1X,A,$)", {"Enter new value: "});
    write_formatted(SCREEN_UNIT, "(A)", {"x"});
    EXPECT_EQ(screen(), " Enter new value: x\n");
}

TEST(FortranFormat, IntegerFields) {
    struct {
        const char* text;
        bool ok;
        Int value;
    } cases[] = {{"1 2", true, 12},    {"    15", true, 15}, {"", true, 0},         {"      ", true, 0},
                 {"-7", true, -7},     {"+5", true, 5},    {"1.5", false, 99},    {"1e3", false, 99},
                 {"j12", false, 99},   {"-", false, 99},   {"99999999999", false, 99}};
    for (const auto& c : cases) {
        Int v = 99;
        EXPECT_EQ(read_int_field(c.text, v), c.ok) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
}

TEST(FortranFormat, RealFields) {
    struct {
        const char* text;
        int d;
        bool ok;
        float value;
    } cases[] = {
        {"1d3", 0, true, 1000.0f}, {"1.5", 0, true, 1.5f},     {"15", 0, true, 15.0f},     {"1,5", 0, false, -1.0f},
        {" 2 . 5 ", 0, true, 2.5f}, {"-.25", 0, true, -0.25f}, {"1.5+3", 0, false, -1.0f}, {"1E-2", 0, true, 0.01f},
        {"125", 2, true, 1.25f},   {"abc", 0, false, -1.0f},   {"", 0, true, 0.0f},        {"1e", 0, false, -1.0f},
        {"E5", 0, false, -1.0f},   {"1e99", 0, false, -1.0f},  {"0.1", 0, true, 0.1f},     {"-", 0, false, -1.0f},  {".", 0, false, -1.0f},
    };
    for (const auto& c : cases) {
        Real v = -1.0f;
        EXPECT_EQ(read_real_field(c.text, c.d, v), c.ok) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
}

TEST(FortranFormat, ListDirectedInput) {
    struct {
        const char* text;
        ListStatus status;
        float x1, x2, x3;
    } cases[] = {
        {"1,,3", ListStatus::Complete, 1, -2, 3},     {"1, 2/ 3", ListStatus::Complete, 1, 2, -3},
        {"2*5", ListStatus::EndOfText, 5, 5, -3},     {"", ListStatus::EndOfText, -1, -2, -3},
        {"4", ListStatus::EndOfText, 4, -2, -3},      {"x 2 3", ListStatus::Unreadable, -1, -2, -3},
        {"1 x 3", ListStatus::Unreadable, 1, -2, -3}, {"1\t2\t3 4", ListStatus::Complete, 1, 2, 3},
        {"2*,7", ListStatus::Complete, -1, -2, 7},    {",5", ListStatus::EndOfText, -1, 5, -3},
        {"1 2 3,", ListStatus::Complete, 1, 2, 3},    {"1e1 .5d0 -3", ListStatus::Complete, 10, 0.5f, -3},
    };
    for (const auto& c : cases) {
        Real x1 = -1, x2 = -2, x3 = -3;
        const ListResult r = read_list(c.text, {ListTarget::of(x1), ListTarget::of(x2), ListTarget::of(x3)});
        EXPECT_EQ(r.status, c.status) << c.text;
        EXPECT_EQ(x1, c.x1) << c.text;
        EXPECT_EQ(x2, c.x2) << c.text;
        EXPECT_EQ(x3, c.x3) << c.text;
    }
}

TEST(FortranFormat, ListDirectedMixedTargets) {
    Int n = 0;
    Logical flag = 0;
    std::string word;
    Real r = 0;
    const ListResult res = read_list("3\tT  'it''s' 2.5", {ListTarget::of(n), ListTarget::logical(flag),
                                                          ListTarget::of(word, 6), ListTarget::of(r)});
    EXPECT_EQ(res.status, ListStatus::Complete);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(word, "it's  ");
    EXPECT_EQ(r, 2.5f);
    // An integer variable does not take a real.
    Int m = 4;
    EXPECT_EQ(read_list("1.5", {ListTarget::of(m)}).status, ListStatus::Unreadable);
    EXPECT_EQ(m, 4);
    Logical f2 = 1;
    EXPECT_EQ(read_list(".FALSE.", {ListTarget::logical(f2)}).status, ListStatus::Complete);
    EXPECT_EQ(f2, 0);
}

}  // namespace
}  // namespace brevant
