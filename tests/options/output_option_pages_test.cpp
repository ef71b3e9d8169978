// Output options pages 1 and 2: drawing by the state of the case, the item edits, the clamps of the
// angle grid, the output-device menu, the help screens and the page dump.
#include "options/output_option_pages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "options/output_option_help.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

Int word_of(std::initializer_list<int> bits) {
    std::uint32_t w = 0;
    for (int b : bits) w |= 1u << (b - 1);
    return static_cast<Int>(w);
}

std::size_t count_of(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

constexpr const char* kPause = "Press <RETURN> to continue: ";
constexpr const char* kSelection = "Enter number of selection";
constexpr const char* kSorry = " ++> Sorry, no help for this item ...";

class OutputOptionsTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.IUNIT = SCREEN_UNIT;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    // The first drawing of the page, up to its selection prompt.
    std::string first_page() const {
        const std::string s = screen();
        return s.substr(0, s.find(kSelection));
    }
    // The numbers of the item lines of a drawing, in order (" nn) " at the start of a line).
    static std::string item_numbers(const std::string& page) {
        std::string numbers;
        std::size_t start = 0;
        while (start < page.size()) {
            const std::size_t end = page.find('\n', start);
            const std::string line = page.substr(start, end == std::string::npos ? std::string::npos : end - start);
            if (line.size() > 4 && line[3] == ')' && line[0] == ' ' && line[2] >= '0' && line[2] <= '9')
                numbers += (numbers.empty() ? "" : ",") + std::to_string(std::stoi(line.substr(1, 2)));
            if (end == std::string::npos) break;
            start = end + 1;
        }
        return numbers;
    }
};

// ---- Page 1 ------------------------------------------------------------------------------------

TEST_F(OutputOptionsTest, Page1WithSwellOnlyShowsItsItemsWithFixedNumbers) {
    TPCM.LRANDM = 0;
    TPCM.LSWELL = 1;
    TPCM.BRVFLG = word_of({6});
    answers("\n");
    BRVIO("14");
    const std::string page = first_page();
    EXPECT_EQ(item_numbers(page), "1,2,3,4,5,6,7,8,9,12,13");
    EXPECT_NE(page.find(std::string(20, '*') + "  Page 14:  Brevant Output Options 1  " + std::string(20, '*') + "\n"),
              std::string::npos);
    EXPECT_NE(page.find("\n" + std::string(16, ' ') + "*** Wave <<Reflection>> Forces and Moments *** \n\n"
                        "  1) Dimensionless regular wave force/moment coefficients ............. No \n"),
              std::string::npos);
    EXPECT_NE(page.find("\n" + std::string(16, ' ') + "*** Wave <<Absorption>> Forces and Moments *** \n"),
              std::string::npos);
    EXPECT_NE(page.find("\n" + std::string(28, ' ') + "*** Wave Spectrum *** \n\n"
                        " 12) Specified swell spectrum ......................................... Yes\n"
                        " 13) Specified swell group spectrum ................................... No \n"),
              std::string::npos)
        << page;
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(OutputOptionsTest, Page1WithoutWavesOrSwellShowsTheCoefficientsOnly) {
    TPCM.BRVFLG = word_of({1, 11});
    // Hidden items and numbers past the last only draw the page again; "?3" shows no help.
    answers("2\n5\n7\n13\n14\n?3\n\n");
    BRVIO("14");
    EXPECT_EQ(item_numbers(first_page()), "1,6");
    EXPECT_EQ(screen().find("Wave Spectrum"), std::string::npos);
    EXPECT_EQ(count_of(screen(), "Brevant Output Options 1"), 7u);
    EXPECT_EQ(screen().find("I/O Definition Notes"), std::string::npos);
    EXPECT_EQ(TPCM.BRVFLG, word_of({1, 11}));
}

TEST_F(OutputOptionsTest, Page1ItemsToggleTheirBits) {
    struct Case {
        const char* item;
        int bit;
    };
    const Case cases[] = {{"1", 1},  {"2", 2},  {"3", 3},  {"4", 4},   {"5", 9},   {"6", 11}, {"7", 13},
                          {"8", 14}, {"9", 10}, {"10", 5}, {"11", 7}, {"12", 6}, {"13", 8}};
    TPCM.LRANDM = 1;
    TPCM.LSWELL = 1;
    for (const Case& c : cases) {
        TPCM.BRVFLG = word_of({27});
        answers(std::string(c.item) + "\n\n");
        BRVIO("14");
        EXPECT_EQ(TPCM.BRVFLG, word_of({27, c.bit})) << c.item;
        answers(std::string(c.item) + "\n\n");
        BRVIO("14");
        EXPECT_EQ(TPCM.BRVFLG, word_of({27})) << c.item;
    }
}

TEST_F(OutputOptionsTest, Page1SeaOffOnlyRedrawsItsItems) {
    TPCM.LRANDM = 0;
    TPCM.LSWELL = 1;
    answers("11\n10\n\n");
    BRVIO("14");
    EXPECT_EQ(TPCM.BRVFLG, 0);
    EXPECT_EQ(count_of(screen(), "Brevant Output Options 1"), 3u);
}

TEST_F(OutputOptionsTest, Page1BatchModifyAsksAndABlankKeepsTheBit) {
    TPCM.LRANDM = 1;
    TPCM.IBATCH = 1;
    TPCM.BRVFLG = word_of({2});
    answers("2\n\n3\n1\n4\n7\n\n");
    BRVIO("14");
    EXPECT_EQ(count_of(screen(), "Enter 1 for \"Yes\", 0 for \"No\": "), 3u);
    EXPECT_EQ(TPCM.BRVFLG, word_of({2, 3}));  // blank keeps 2, 1 sets 3, 7 keeps 4 clear
}

TEST_F(OutputOptionsTest, Page1EntryClearsWhatTheCaseCannotProduceAndLeavesOnCommands) {
    TPCM.LRANDM = 0;
    TPCM.LSWELL = 1;
    TPCM.BRVFLG = word_of({5, 6, 7, 8});
    answers("\n");
    BRVIO("14");
    EXPECT_EQ(TPCM.BRVFLG, word_of({6, 8}));
    EXPECT_EQ(TPCM.LBACK, 0);
    for (const auto& [answer, code] : {std::pair{"L\n", NAV_LAST}, {"B\n", NAV_BACK}, {"J3\n", NAV_JUMP}}) {
        answers(answer);
        BRVIO("14");
        EXPECT_EQ(TPCM.LBACK, code) << answer;
    }
}

TEST_F(OutputOptionsTest, Page1Help) {
    TPCM.LRANDM = 1;
    TPCM.LSWELL = 0;
    // All notes (seven pauses), then the notes of items 6 and 10, then leave.
    answers("?\n\n\n\n\n\n\n\n?6\n\n?10\n\n\n");
    BRVIO("14");
    const std::string s = screen();
    EXPECT_EQ(count_of(s, kPause), 9u);
    EXPECT_EQ(count_of(s, " " + std::string(26, '*') + "  I/O Definition Notes  " + std::string(26, '*') + "\n"), 3u);
    const std::size_t item6 = s.find("\n ++> Item Number 6\n\n     The dimensionless wave absorption");
    ASSERT_NE(item6, std::string::npos);
    EXPECT_NE(s.find("Fx(w,Theta) = Cx(w,Theta)*[.5*Dm*B*(w^2)*(a^3)]", item6), std::string::npos);
    const std::size_t item10 = s.find("\n ++> Item Number 10\n\n     An output table of the requested irregular wave");
    EXPECT_NE(item10, std::string::npos);
    EXPECT_EQ(s.find(kSorry), std::string::npos);
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(OutputOptionsTest, Page1HelpNotesByBit) {
    // The note of each bit, and the "Sorry" line for an identity without one.
    struct Case {
        Int bit;
        const char* text;
    };
    const Case cases[] = {
        {1, "Fx(w,Theta) = Cx(w,Theta)*[.5*Dw*B*a^2]"}, {2, "\"spectral\" distribution table"},
        {3, "\"product spectrum\""},                     {4, "\"low-frequency\" spectral density"},
        {14, "\"low-frequency\" spectral density"},      {9, "fixed-frequency, variable-angle display"},
        {10, "fixed-frequency, variable-angle display"}, {11, "Mz(w,Theta) = Cz(w,Theta)*[.5*Dm*(L^2)*(w^2)*(a^3)]"},
        {13, "absorption forces and moments"},           {5, "irregular wave spectral density"},
        {6, "irregular swell spectral density"},         {7, "[S(w)*S(w+W)dw]"},
        {8, "[S(w)*S(w+W)dw]"},                          {12, kSorry},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers("4\n");
        Int LINE = 3;
        BRHLP(SCREEN_UNIT, KBD_UNIT, LINE, c.bit);
        EXPECT_NE(screen().find(c.text), std::string::npos) << c.bit;
        EXPECT_EQ(count_of(screen(), kPause), 1u) << c.bit;
        EXPECT_EQ(LINE, 4) << c.bit;  // the number typed at the pause
    }
}

TEST_F(OutputOptionsTest, Page1DumpWritesOnceAndReadsNothing) {
    TPCM.LRANDM = 1;
    TPCM.LCOPY = 1;
    TPCM.LBACK = 5;
    answers("1\n");
    BRVIO("14");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 2);
    EXPECT_EQ(count_of(screen(), "Brevant Output Options 1"), 1u);
    EXPECT_EQ(screen().find(kSelection), std::string::npos);
    EXPECT_NE(screen().find(" 11) Specified wave group spectrum"), std::string::npos);
    EXPECT_EQ(TPCM.BRVFLG, 0);  // the answer was not read
}

// ---- Page 2 ------------------------------------------------------------------------------------

TEST_F(OutputOptionsTest, Page2EntryWithWindAndCurrentOff) {
    TPCM.LWIND = 0;
    TPCM.LCURNT = 0;
    TPCM.BRVFLG = word_of({15, 16, 17, 18, 19, 20, 21, 22, 24, 25});
    answers("\n");
    BRVIO2("15");
    EXPECT_EQ(TPCM.BRVFLG, word_of({17, 20, 24, 25}));
    // Bits 24 and 25 still ask for the frequency interval and the minimum period (22, 23).
    EXPECT_EQ(item_numbers(first_page()), "1,6,12,13,15,16,17,18,20,22,23,24,25,26");
    EXPECT_NE(first_page().find(std::string(20, '*') + "  Page 15:  Brevant Output Options 2  "), std::string::npos);
}

TEST_F(OutputOptionsTest, Page2LinesShownByTheBitsAndSwitches) {
    struct Case {
        const char* what;
        Int lrandm, lwind, lcurnt, langarr;
        Int flags;
        const char* numbers;
    };
    const Case cases[] = {
        {"bit 4 shows 21", 0, 0, 0, 0, word_of({4}), "1,6,12,13,15,16,17,18,20,21,24,25,26"},
        {"bit 19 shows 21", 0, 1, 0, 0, word_of({19}), "1,2,3,4,5,6,12,13,15,16,17,18,20,21,24,25,26"},
        {"bit 22 shows 21", 0, 0, 1, 1, word_of({22}), "1,6,7,8,9,10,11,12,13,15,16,19,20,21,24,25,26"},
        {"bit 7 shows 22, 23", 1, 0, 0, 0, word_of({7}), "1,6,12,13,14,15,16,17,18,20,22,23,24,25,26"},
        {"bit 8 shows 22, 23", 0, 0, 0, 0, word_of({8}), "1,6,12,13,15,16,17,18,20,22,23,24,25,26"},
        {"bit 9 shows 22, 23", 0, 0, 0, 0, word_of({9}), "1,6,12,13,15,16,17,18,20,22,23,24,25,26"},
        {"bit 10 shows 22, 23", 0, 0, 0, 0, word_of({10}), "1,6,12,13,15,16,17,18,20,22,23,24,25,26"},
        {"bit 14, 27 show neither", 0, 0, 0, 0, word_of({14, 27}), "1,6,12,13,15,16,17,18,20,24,25,26"},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.LRANDM = c.lrandm;
        TPCM.LWIND = c.lwind;
        TPCM.LCURNT = c.lcurnt;
        TPCM.LANGARR = c.langarr;
        TPCM.BRVFLG = c.flags;
        answers("\n");
        BRVIO2("15");
        EXPECT_EQ(item_numbers(first_page()), c.numbers) << c.what;
    }
}

TEST_F(OutputOptionsTest, Page2LabelsAndValues) {
    TPCM.LWIND = 1;
    TPCM.LCURNT = 1;
    TPCM.LRANDM = 1;
    TPCM.LEGDFC = 3;
    TPCM.LEGDRG = 1;
    TPCM.NUMBRV = 13;
    TPCM.BRVINC = 15.0f;
    TPCM.VESAN0 = -7.5f;
    TPCM.BRVARM = 12.5f;
    TPCM.BRVFRQ = 0.005f;
    TPCM.BRVFRQ_DELTA = 0.0025f;
    TPCM.BRV_PD_MIN() = 35.0f;
    TPCM.NUNTS = 1;
    TPCM.BRVFLG = word_of({4, 7, 17, 23});
    TPCM.IUNIT = 6;
    TPCM.NBUG0 = 1;
    answers("24\n\n");
    BRVIO2("15");
    const std::string page = first_page();
    const std::string expected[] = {
        std::string(23, ' ') + "*** Wind Forces and Moments *** \n\n"
                               "  1) Dimensionless wind force/moment coefficients ..................... Yes\n"
                               "  2) Mean wind forces/moments ......................................... No \n",
        " 11) Use \"Legacy\" current-wave drift force interaction model .......... Awk\n",
        " 14) Exclude wave drag from net loads tables .......................... Yes\n",
        " 15) Number of vessel-relative attack angles for evaluation ...........  13\n"
        " 16) Use uniform angular increments (toggle to specify an array) \n\n"
        " 17) Uniform azimuthal angular increment (deg) ........................  15.00\n"
        " 18) Starting attack angle (deg) ......................................  -7.50\n\n",
        std::string(24, ' ') + "*** Miscellaneous Controls *** \n\n"
                               " 20) Offset from CG for moment calculations (meters) ..................  12.50\n"
                               " 21) Frequency of \"low-frequency\" oscillations (radians/sec) ..........  .0050\n"
                               " 22) Frequency interval for group spectral tables (radians/sec) .......  .0025\n"
                               " 23) Minimum period for L.F. spectral tables (sec) ....................  35.00\n\n"
                               " 24) Use vessel-relative <<attack angles>> for environment in output tables\n\n",
        " 26) Debug option is  ................................................. on        \n",
    };
    for (const std::string& text : expected) EXPECT_NE(page.find(text), std::string::npos) << text << page;
    EXPECT_NE(page.find(" 25) Output goes to   ...."), std::string::npos);
    EXPECT_NE(page.find(". Console   \n"), std::string::npos);
    // Item 24 set bit 26: the label names headings, with the line written again above the toggle.
    EXPECT_EQ(TPCM.BRVFLG, word_of({4, 7, 17, 23, 26}));
    const std::string s = screen();
    EXPECT_EQ(count_of(s, "<<attack angles>>"), 2u);
    EXPECT_NE(s.find(" 24) Use vessel-relative <<headings>> for environment in output tables\n"), std::string::npos);

    clear_captured(SCREEN_UNIT);
    TPCM.NUNTS = 0;
    answers("\n");
    BRVIO2("15");
    EXPECT_NE(first_page().find(" 20) Offset from CG for moment calculations (feet) ...................."),
              std::string::npos);
}

TEST_F(OutputOptionsTest, Page2ItemsToggleTheirBitsAndWords) {
    TPCM.LWIND = 1;
    TPCM.LCURNT = 1;
    TPCM.LRANDM = 1;
    struct Case {
        const char* item;
        int bit;
    };
    const Case cases[] = {{"1", 17},  {"2", 18},  {"3", 19},  {"4", 24},  {"5", 16},  {"6", 20}, {"7", 21},
                          {"8", 22},  {"9", 25},  {"10", 15}, {"12", 23}, {"13", 27}, {"24", 26}};
    for (const Case& c : cases) {
        TPCM.BRVFLG = word_of({1});
        answers(std::string(c.item) + "\n\n");
        BRVIO2("15");
        EXPECT_EQ(TPCM.BRVFLG, word_of({1, c.bit})) << c.item;
    }
    TPCM.BRVFLG = 0;
    clear_captured(SCREEN_UNIT);
    answers("11\n14\n\n");
    BRVIO2("15");
    EXPECT_EQ(TPCM.LEGDFC, 1);
    EXPECT_EQ(TPCM.LEGDRG, 1);
    EXPECT_EQ(TPCM.BRVFLG, 0);
    // Item 12 writes its section heading before the toggle.
    EXPECT_EQ(count_of(screen(), "*** Net Load Tables ***"), 3u);
    answers("12\n\n");
    BRVIO2("15");
    EXPECT_EQ(count_of(screen(), "*** Net Load Tables ***"), 6u);
}

TEST_F(OutputOptionsTest, Page2HiddenItemsNeitherEditNorHelp) {
    TPCM.LWIND = 0;
    TPCM.LCURNT = 0;
    TPCM.LANGARR = 1;
    answers("2\n11\n14\n17\n21\n?2\n?27\n?-1\n30\n\n");
    BRVIO2("15");
    EXPECT_EQ(TPCM.BRVFLG, 0);
    EXPECT_EQ(TPCM.LEGDFC, 0);
    EXPECT_EQ(TPCM.LEGDRG, 0);
    EXPECT_EQ(screen().find("Enter new value"), std::string::npos);
    EXPECT_EQ(screen().find("I/O Definition Notes"), std::string::npos);
    EXPECT_EQ(count_of(screen(), "Brevant Output Options 2"), 10u);
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(OutputOptionsTest, AngleGridCountAndMode) {
    TPCM.LANGARR = 0;
    TPCM.NUMBRV = 45;
    struct Step {
        const char* answers;
        Int langarr, numbrv;
    };
    const Step steps[] = {
        {"16\n\n", 1, 37}, {"15\n40\n\n", 1, 37}, {"16\n\n", 0, 37}, {"15\n362\n\n", 0, 361},
        {"15\n-4\n\n", 0, 0}, {"15\n500\n\n", 0, 361}, {"15\n\n\n", 0, 361}, {"15\nX\n\n", 0, 0},
    };
    for (const Step& s : steps) {
        answers(s.answers);
        BRVIO2("15");
        EXPECT_EQ(TPCM.LANGARR, s.langarr) << s.answers;
        EXPECT_EQ(TPCM.NUMBRV, s.numbrv) << s.answers;
    }
}

TEST_F(OutputOptionsTest, AngleArrayOfAFileIsHeldToItsWords) {
    // A file with more angles than the array holds: the count is clamped on entry and stored.
    TPCM.LANGARR = 1;
    TPCM.NUMBRV = 50;
    for (int i = 1; i <= 40; ++i) TPCM.SEAHDG(i) = static_cast<float>(i);
    answers("\n");
    BRVIO2("15");
    EXPECT_EQ(TPCM.NUMBRV, 37);
    const std::string page = first_page();
    // Six angles a line, 13 columns each: angles 2 to 38 of the sea headings, seven lines.
    const std::size_t list = page.find(" 19) Angular array (degrees) -- \n");
    ASSERT_NE(list, std::string::npos);
    std::string expected;
    for (int i = 1; i <= 37; ++i) {
        std::string v = std::to_string(i + 1) + ".00";
        expected += std::string(13 - v.size(), ' ') + v;
        if (i % 6 == 0 || i == 37) expected += "\n";
    }
    EXPECT_EQ(page.substr(list + 33, expected.size() + 1), expected + "\n") << page;
    EXPECT_EQ(page.find("39.00"), std::string::npos);

    // A negative count is no list at all: one empty line, then the blank line.
    clear_captured(SCREEN_UNIT);
    TPCM.NUMBRV = -3;
    answers("\n");
    BRVIO2("15");
    EXPECT_EQ(TPCM.NUMBRV, 0);
    EXPECT_NE(first_page().find(" 19) Angular array (degrees) -- \n\n\n" + std::string(24, ' ') + "*** Misc"),
              std::string::npos);
}

TEST_F(OutputOptionsTest, AngleArrayEditorKeepsTheCount) {
    TPCM.LANGARR = 1;
    TPCM.NUMBRV = 3;
    TPCM.SEAHDG(1) = 99.0f;
    // Row 2 retyped; auto repeat from 0 by 10 over the 37 angles; leave the editor, then the page.
    answers("19\n2\n45\n\n4\n0\n10\n\n\n");
    BRVIO2("15");
    EXPECT_EQ(TPCM.NUMBRV, 3);
    EXPECT_EQ(TPCM.SEAHDG(1), 99.0f);  // the sea heading before the array is not touched
    EXPECT_EQ(TPCM.BRVHDG(1), 0.0f);
    EXPECT_EQ(TPCM.BRVHDG(2), 10.0f);
    EXPECT_EQ(TPCM.BRVHDG(37), 360.0f);
    EXPECT_EQ(TPCM.BRVHDG(38), 0.0f);  // the capacity given to the editor is 37
    EXPECT_NE(screen().find(" --- Angular array (degrees) ---"), std::string::npos);
}

TEST_F(OutputOptionsTest, RealItemsAreStoredAsTyped) {
    TPCM.BRVFLG = word_of({4, 9});
    struct Case {
        const char* item;
        Real* word;
        const char* typed;
        Real value;
    };
    const Case cases[] = {
        {"17", &TPCM.BRVINC, "-22.5", -22.5f},       {"18", &TPCM.VESAN0, "400", 400.0f},
        {"20", &TPCM.BRVARM, "-3", -3.0f},           {"21", &TPCM.BRVFRQ, "0", 0.0f},
        {"22", &TPCM.BRVFRQ_DELTA, "-0.01", -0.01f}, {"23", &TPCM.BRV_PD_MIN(), "1e4", 1e4f},
    };
    for (const Case& c : cases) {
        *c.word = 7.0f;
        answers(std::string(c.item) + "\n" + c.typed + "\n" + c.item + "\n\n\n");
        BRVIO2("15");
        EXPECT_EQ(*c.word, c.value) << c.item;  // the blank answer of the second edit keeps it
    }
    // The line stands again above the prompt, with its section heading for item 20.
    EXPECT_NE(screen().find("*** Miscellaneous Controls *** \n\n 20) Offset from CG"), std::string::npos);
}

TEST_F(OutputOptionsTest, OutputDeviceAndDebug) {
    TPCM.IUNIT = 99;
    TPCM.NBUG0 = 5;
    answers("\n");
    BRVIO2("15");
    EXPECT_NE(first_page().find(". Awk!      \n 26) Debug option is  "), std::string::npos);
    EXPECT_EQ(count_of(first_page(), "Awk!"), 2u);
    struct Step {
        const char* answers;
        Int iunit;
    };
    const Step steps[] = {{"25\n2\n\n", 1}, {"25\n3\n\n", 1}, {"25\nX\n\n", 1}, {"25\n0\n\n", 1},
                          {"25\n-5\n\n", 1}, {"25\n1\n\n", SCREEN_UNIT}, {"25\n7\n\n", SCREEN_UNIT}};
    for (const Step& s : steps) {
        clear_captured(SCREEN_UNIT);
        answers(s.answers);
        BRVIO2("15");
        EXPECT_EQ(TPCM.IUNIT, s.iunit) << s.answers;
    }
    EXPECT_NE(screen().find("\n *** Output Device Selection: ***\n\n 1) Console\n 2) Disc\n\n\n"), std::string::npos);
    EXPECT_NE(screen().find(". Console   \n"), std::string::npos);
    answers("25\n2\n\n");
    BRVIO2("15");
    EXPECT_NE(screen().find(". Disk      \n"), std::string::npos);

    answers("26\n\n");
    BRVIO2("15");
    EXPECT_EQ(TPCM.NBUG0, 0);
    EXPECT_NE(screen().find(" 26) Debug option is  ................................................. off       \n"),
              std::string::npos);
    TPCM.IBATCH = 1;
    answers("26\n1\n26\n\n\n");
    BRVIO2("15");
    EXPECT_EQ(TPCM.NBUG0, 1);
    EXPECT_EQ(count_of(screen(), "Enter 1 for \"On\", 0 for \"Off\": "), 2u);
}

TEST_F(OutputOptionsTest, Page2Help) {
    TPCM.LCURNT = 1;
    TPCM.LWIND = 1;
    answers("?9\n\n?10\n\n?25\n\n?\n\n\n\n\n\n\n\n\n\n\n");
    BRVIO2("15");
    const std::string s = screen();
    const std::size_t item9 = s.find("\n ++> Item Number 9\n\n     One table for each requested relative angle");
    EXPECT_NE(item9, std::string::npos);
    EXPECT_NE(s.find("\n ++> Item Number 10\n\n     The spectral density of the wind or current speed"),
              std::string::npos);
    EXPECT_NE(s.find("\n ++> Item Number 25\n" + std::string(kSorry) + "\n\n \n " + kPause), std::string::npos);
    EXPECT_EQ(count_of(s, kSorry), 1u);  // the general help never says sorry
    EXPECT_EQ(count_of(s, kPause), 3u + 9u);
    EXPECT_EQ(count_of(s, " " + std::string(26, '*') + "  I/O Definition Notes  " + std::string(26, '*') + "\n"), 4u);
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(OutputOptionsTest, Page2HelpCodesSharingANote) {
    const auto note_of = [this](Int code) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        BRHLP2(SCREEN_UNIT, KBD_UNIT, 1, code);
        const std::string s = screen();
        return s.substr(s.find(" ++> Item Number 1\n"));
    };
    for (const auto& [a, b] : {std::pair{17, 20}, {18, 21}, {19, 22}, {24, 25}, {16, 15}}) {
        EXPECT_EQ(note_of(a), note_of(b)) << a << " " << b;
        EXPECT_EQ(note_of(a).find(kSorry), std::string::npos) << a;
    }
    for (Int code : {100, 23, 27, 152, 124, 130, 125, 129, 131, 126, 127, 128, 132, 26, 151})
        EXPECT_EQ(note_of(code).find(kSorry), std::string::npos) << code;
    for (Int code : {150, 0, 1, 99, 153}) EXPECT_NE(note_of(code).find(kSorry), std::string::npos) << code;
    EXPECT_NE(note_of(124).find("attack angle = relative heading - 180."), std::string::npos);
    EXPECT_NE(note_of(17).find("Fy(Theta) = Cy(Theta)*[.5*Dm*Ab*V^2]"), std::string::npos);
}

TEST_F(OutputOptionsTest, Page2DumpWritesOnceAndReadsNothing) {
    TPCM.LCOPY = 1;
    TPCM.LANGARR = 1;
    TPCM.NUMBRV = 2;
    answers("1\n");
    BRVIO2("15");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 2);
    EXPECT_EQ(count_of(screen(), "Brevant Output Options 2"), 1u);
    EXPECT_EQ(screen().find(kSelection), std::string::npos);
    EXPECT_NE(screen().find(" 19) Angular array (degrees) -- \n          .00          .00\n"), std::string::npos);
    EXPECT_EQ(TPCM.BRVFLG, 0);
}

}  // namespace
}  // namespace brevant
