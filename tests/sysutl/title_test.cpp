// Title screen, start menu, report title page with its time stamp, and the version captions.
#include "sysutl/title.h"

#include <sstream>
#include <vector>

#include "platform/platform.h"
#include "test_support.h"

namespace brevant {
namespace {

using brevant::testing::lines_of;

using Title = testing::ConsoleTest;

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }
std::string frame(const std::string& inner) { return blanks(11) + "|" + inner + "|"; }

// The box as the users know it, spelled out column by column.
std::vector<std::string> expected_box(const std::string& name_version, const std::string& capacity) {
    const std::string border = blanks(11) + "+" + std::string(56, '=') + "+";
    const std::string empty = frame(blanks(56));
    return {"",
            border,
            empty,
            empty,
            empty,
            frame(blanks(14) + "**   Welcome to Brevant   **" + blanks(14)),
            empty,
            empty,
            frame(blanks(17) + name_version + blanks(14)),
            frame(blanks(14) + capacity + blanks(12)),
            frame(blanks(56)),
            empty,
            empty,
            empty,
            border,
            "",
            "",
            "",
            "",
            " " + std::string(78, '-')};
}

const std::string kMenu = "\n (M) Modify existing, (C) Create new, (E) Execute simulation, (B) Batch modify\n\n";
const std::string kPrompt = " Enter letter of selection: ";

TEST_F(Title, BoxOfThisProgram) {
    answers("m\n");
    char answer = '?';
    TITLE(16, "Brevant", 6.8f, SCREEN_UNIT, KBD_UNIT, answer, 0);
    EXPECT_EQ(answer, 'M');
    auto got = lines_of(screen());
    auto want = expected_box("Brevant Version: 6.80.00 ", "  Mooring Capacity: 149 lines ");
    ASSERT_GE(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
    for (std::size_t i = 1; i < 15; ++i) EXPECT_EQ(got[i].size(), 69u) << "line " << i + 1;
    std::string box;
    for (const auto& l : want) box += l + "\n";
    EXPECT_EQ(screen(), box + kMenu + kPrompt);
}

TEST_F(Title, MenuRepeatsUntilOneOfTheFourLetters) {
    answers("x\n7\nm\n");
    char answer = '?';
    TITLE(16, "Brevant", 6.8f, SCREEN_UNIT, KBD_UNIT, answer, 0);
    EXPECT_EQ(answer, 'M');
    const std::string s = screen();
    std::size_t menus = 0;
    for (auto p = s.find(kMenu + kPrompt); p != std::string::npos; p = s.find(kMenu + kPrompt, p + 1)) ++menus;
    EXPECT_EQ(menus, 3u);

    for (const char* letter : {"c", "E", "b", "Create"}) {
        answers(std::string(" \n?\n") + letter + "\n");
        TITLE(16, "Brevant", 6.8f, SCREEN_UNIT, KBD_UNIT, answer, 0);
        EXPECT_EQ(answer, static_cast<char>(std::toupper(letter[0])));
    }
}

TEST_F(Title, PageDumpDrawsOnlyTheBox) {
    answers("m\n");
    char answer = '?';
    TITLE(16, "Brevant", 6.8f, SCREEN_UNIT, KBD_UNIT, answer, 1);
    EXPECT_EQ(answer, '?');
    EXPECT_EQ(lines_of(screen()), expected_box("Brevant Version: 6.80.00 ", "  Mooring Capacity: 149 lines "));
    EXPECT_EQ(read_keyboard_line(), "m") << "nothing was read";
}

TEST_F(Title, CapacityCaptionFollowsTheType) {
    struct {
        Int creatr;
        const char* capacity;
    } cases[] = {{1, "Motion Evaluations: 149 points"},
                 {9, "Motion Evaluations: 149 points"},
                 {10, "  Subline Capacity:  25 items "},
                 {11, "  Mooring Capacity: 149 lines "},
                 {16, "  Mooring Capacity: 149 lines "}};
    for (const auto& c : cases) {
        clear_captured(SCREEN_UNIT);
        char answer = ' ';
        TITLE(c.creatr, "Brevant", -6.8f, SCREEN_UNIT, KBD_UNIT, answer, 1);
        EXPECT_EQ(lines_of(screen()), expected_box("Brevant Version: 6.80.00b", c.capacity)) << c.creatr;
    }
}

TEST_F(Title, SilentRunWritesTheBoxButNoPrompt) {
    answers("e\n");
    char answer = ' ';
    TITLE(16, "Brevant", 6.8f, SILENT_UNIT, KBD_UNIT, answer, 0);
    EXPECT_EQ(answer, 'E');
    EXPECT_EQ(screen(), "");
    std::string box;
    for (const auto& l : expected_box("Brevant Version: 6.80.00 ", "  Mooring Capacity: 149 lines ")) box += l + "\n";
    EXPECT_EQ(silent(), box + kMenu);
}

TEST_F(Title, ClosedKeyboardEndsTheMenu) {
    answers("x\n");
    char answer = ' ';
    try {
        TITLE(16, "Brevant", 6.8f, SCREEN_UNIT, KBD_UNIT, answer, 0);
        ADD_FAILURE() << "the menu returned without an answer";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.status, 1);
    }
}

TEST_F(Title, VersionCaptions) {
    struct {
        Real v;
        const char* caption;
    } cases[] = {{6.8f, "Version: 6.80.00 "}, {4.95f, "Version: 4.95.00 "}, {-6.8f, "Version: 6.80.00b"},
                 {0.5f, "Version:  .50.00 "}, {0.0f, "Version:  .00.00b"}};
    for (const auto& c : cases) {
        EXPECT_EQ(VERSION_STRING(c.v), c.caption) << c.v;
        EXPECT_EQ(VERSION_STRING(c.v).size(), 17u);
    }
    EXPECT_EQ(VERSION_STRING(-6.8f).back(), 'b');

    struct {
        Real v;
        Int sufx;
        const char* caption;
    } cases2[] = {{6.8f, 0, "6.80.00          "}, {6.8f, 3, "6.80.03          "}, {6.8f, 12, "6.80.12          "},
                  {-4.95f, 9, "4.95.09b         "}};
    for (const auto& c : cases2) EXPECT_EQ(VERSION_STRING2(c.v, c.sufx), c.caption) << c.v << " " << c.sufx;
}

TEST_F(Title, ClockReaders) {
    platform::set_fixed_local_time({2021, 11, 12, 14, 30, 45, 0});
    Int nmins = 0, nsecs = 0, mm = 0, dd = 0, yyyy = 0;
    RHTIME(nmins, nsecs);
    RHDATE(mm, dd, yyyy);
    EXPECT_EQ(nmins, 14 * 60 + 30);
    EXPECT_EQ(nsecs, 45);
    EXPECT_EQ(mm, 11);
    EXPECT_EQ(dd, 12);
    EXPECT_EQ(yyyy, 2021);
}

TEST_F(Title, ReportTitlePage) {
    platform::set_fixed_local_time({2020, 3, 7, 9, 5, 0, 0});
    const std::string clin1 = "Low-frequency loads analysis";  // 28
    const std::string clin2 = "BREVANT";                       // 7
    TITLPG(16, clin1, 28, clin2, 7, 6.8f, "Case one", "Second line of the case", SCREEN_UNIT);
    const auto got = lines_of(screen());

    auto center = [](const std::string& a, const std::string& b) {
        return blanks((80 - static_cast<int>(a.size()) - static_cast<int>(b.size())) / 2) + a + b;
    };
    const std::string rule = " " + std::string(30, '-');
    std::vector<std::string> want(7, "");
    want.push_back(center(" Velmora Systems Simulation Library", " "));
    want.insert(want.end(), 11, "");
    want.push_back(center("Volume 16", " "));
    want.push_back(" ");
    want.push_back(center(clin1, " "));
    want.insert(want.end(), 15, "");
    want.push_back(center(rule, " "));
    want.push_back(" ");
    want.push_back(center(clin2, "Version: 6.80.00 "));
    want.push_back(center("  Mooring Capacity: ", "149 lines "));
    want.push_back(center(blanks(27), " "));
    want.insert(want.end(), 4, " ");
    want.push_back(center(rule, " "));
    want.insert(want.end(), 6, "");
    want.push_back(blanks(5) + fixed_len("Case one", 72));
    want.push_back(blanks(5) + fixed_len("Second line of the case", 72));
    want.insert(want.end(), 2, "");
    want.push_back("     Executed at 09:05 on 3/7/20");
    EXPECT_EQ(got, want);
}

TEST_F(Title, TimeStampDigits) {
    struct {
        platform::LocalTime t;
        const char* stamp;
    } cases[] = {{{2021, 11, 12, 14, 30, 0, 0}, "     Executed at 14:30 on 11/12/21"},
                 {{2005, 1, 1, 0, 7, 0, 0}, "     Executed at 00:07 on 1/1/05"},
                 {{2010, 10, 9, 23, 59, 0, 0}, "     Executed at 23:59 on 10/9/10"},
                 {{2000, 12, 31, 10, 0, 0, 0}, "     Executed at 10:00 on 12/31/00"}};
    for (const auto& c : cases) {
        clear_captured(SCREEN_UNIT);
        platform::set_fixed_local_time(c.t);
        TITLPG(10, "x", 1, "y", 1, 6.8f, "", "", SCREEN_UNIT);
        const auto got = lines_of(screen());
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got.back(), c.stamp);
        // Type 10 shows the subline caption on the report page too.
        EXPECT_NE(screen().find("  Subline Capacity:  25 items "), std::string::npos);
    }
}

}  // namespace
}  // namespace brevant
