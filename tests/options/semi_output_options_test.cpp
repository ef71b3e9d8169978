// The semi-submersible output options page: drawing, items, sub-pages, help and dump walk.
#include <string>
#include <vector>

#include "records/data_image.h"
#include "options/semi_output_options.h"
#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

class SemiOutputOptionsTest : public testing::ConsoleTest {
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
    static int count(const std::string& text, const std::string& what) { return static_cast<int>(testing::count_of(text, what)); }
    // The text of the first drawing of the page, up to its selection prompt.
    std::string first_page() const {
        const std::string s = screen();
        return s.substr(0, s.find("\n \n Enter number of selection"));
    }
};

constexpr const char* kDots = "................ ";

TEST_F(SemiOutputOptionsTest, PageLayoutWithEveryLineShown) {
    TPCM.LFORCE = 1;
    TPCM.LMOTN = 0;
    TPCM.LSPRED = 1;
    TPCM.ALLRAO = 5;
    TPCM.SQLFRC = 2;
    TPCM.DRAG_ONLY = 1;
    TPCM.LPHANTOM_WGHT = 1;
    TPCM.TLP_TENSION = 1234.567f;
    TPCM.NUNTS = 1;
    TPCM.IUNIT = 1;
    TPCM.IDRIVE = 3;
    TPCM.NBUG0 = 1;
    answers("\n");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.LBACK, 0);
    std::string caption = "<<Resonant damping PLUS square-law driving forces on fixed vessel>>";
    caption.resize(75, ' ');
    const std::string expected =
        std::string(17, ' ') + " ****  Page S2: More output options  ****\n\n\n" +
        "  1) Output force/torque RAOs .................." + kDots + "Yes\n" +
        "  2) Output motion RAOs ........................" + kDots + "No \n" +
        "  3) Output RAOs for all spread sea angles .... " + kDots + "Awk\n" + "\n" +
        "  4) Square-law driving force treatment:\n" + "\n" + "     " + caption + "\n" + "\n" +
        "  5) Utilize ONLY square law driving forces ...." + kDots + "Yes\n" +
        "  6) Simulate TLP mooring (\"phantom weight\") ..." + kDots + "Yes\n" +
        "  7) Phantom weight value ..................." + "......... " + "  1234.57" + " metric tons\n" + "\n" +
        "  9) Output goes to Disk, on drive C\n" + " 10) Debug option is on";
    EXPECT_EQ(first_page(), expected);
}

TEST_F(SemiOutputOptionsTest, HiddenAndVaryingLines) {
    TPCM.LSPRED = 0;
    TPCM.LPHANTOM_WGHT = 0;
    answers("\n");
    SEMOT2("S2");
    std::string page = first_page();
    EXPECT_EQ(page.find("  3) Output RAOs"), std::string::npos);
    EXPECT_EQ(page.find("  7) Phantom weight"), std::string::npos);
    EXPECT_NE(page.find("\n  9) Output goes to Console\n 10) Debug option is off"), std::string::npos);

    clear_captured(SCREEN_UNIT);
    TPCM.IUNIT = 1;
    TPCM.IDRIVE = 0;
    TPCM.LPHANTOM_WGHT = 1;
    TPCM.TLP_TENSION = -5.0f;
    answers("\n");
    SEMOT2("S2");
    page = first_page();
    EXPECT_NE(page.find(std::string("\n  7) Phantom weight value ...................") + "......... " + "    -5.00" +
                        " kips       \n"),
              std::string::npos);
    EXPECT_NE(page.find("\n  9) Output goes to Disk, on logged drive\n"), std::string::npos);

    clear_captured(SCREEN_UNIT);
    TPCM.IUNIT = 99;  // neither the console nor the disk: no line
    answers("\n");
    SEMOT2("S2");
    EXPECT_EQ(first_page().find("  9) Output goes"), std::string::npos);
}

TEST_F(SemiOutputOptionsTest, OnOffItemsFlipTheirWordsEvenWhenHidden) {
    struct Case {
        const char* sel;
        Int* word;
    };
    const Case cases[] = {{"1", &TPCM.LFORCE},    {"2", &TPCM.LMOTN},         {"3", &TPCM.ALLRAO},
                          {"5", &TPCM.DRAG_ONLY}, {"6", &TPCM.LPHANTOM_WGHT}, {"10", &TPCM.NBUG0}};
    for (const Case& c : cases) {
        *c.word = 0;
        answers(std::string(c.sel) + "\n" + c.sel + "\n" + c.sel + "\n\n");
        SEMOT2("S2");
        EXPECT_EQ(*c.word, 1) << c.sel;  // flipped three times
        EXPECT_EQ(TPCM.LBACK, 0) << c.sel;
    }
    EXPECT_EQ(TPCM.LSPRED, 0);
}

TEST_F(SemiOutputOptionsTest, BatchEditAsksForTheDebugValue) {
    TPCM.IBATCH = 1;
    answers("10\n1\n10\n7\n\n");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.NBUG0, 1);  // 1 sets it, 7 is no answer and keeps it
    EXPECT_NE(screen().find("Enter 1 for \"On\", 0 for \"Off\": "), std::string::npos);
}

TEST_F(SemiOutputOptionsTest, PhantomWeightIsEditedEvenWhenHidden) {
    TPCM.LPHANTOM_WGHT = 0;
    TPCM.TLP_TENSION = 10.0f;
    answers("7\n250.5\n7\nX\n\n");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.TLP_TENSION, 250.5f);
    // The item line is written again above each value prompt.
    EXPECT_EQ(count(screen(), "  7) Phantom weight value"), 2);
    EXPECT_NE(screen().find("  250.50 kips"), std::string::npos);
}

TEST_F(SemiOutputOptionsTest, SelectionsThatLeaveOrRedraw) {
    answers("8\n11\n");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.LBACK, 11);
    EXPECT_EQ(count(screen(), ": More output options  ****"), 2);
    answers("L\n");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.LBACK, NAV_LAST);
}

TEST_F(SemiOutputOptionsTest, SquareLawSubPage) {
    answers("4\n9\n\n");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.SQLFRC, 2);
    const std::string s = screen();
    EXPECT_NE(s.find(" +++ Square-Law Driving Force Treatment Options +++\n\n 1) <<Resonant damping ONLY"),
              std::string::npos);
    TPCM.SQLFRC = 2;
    answers("4\nS\n4\n?1\n\n1\n\n");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.SQLFRC, 0);
    EXPECT_NE(screen().find(" ++> Item Number   1\n\n     Resonant damping only"), std::string::npos);
}

TEST_F(SemiOutputOptionsTest, OutputDeviceSubPage) {
    answers("9\n2\n\n");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.IUNIT, 1);
    EXPECT_NE(screen().find("\n >>> Output Device Selection: <<<\n\n 1) Console\n 2) Disc\n\n\n"), std::string::npos);
    answers("9\n?\n\n3\n\n");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.IUNIT, 1);  // 3 leaves it
    EXPECT_NE(screen().find(" ++> Sorry, no help for this page..."), std::string::npos);
}

TEST_F(SemiOutputOptionsTest, ConsoleInASilentRunIsTheSilentUnit) {
    TPCM.EDUNIT = SILENT_UNIT;
    TPCM.IUNIT = 1;
    answers("9\n1\n\n");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.IUNIT, SILENT_UNIT);
    const std::string s = silent();
    const auto last = s.rfind(": More output options  ****");
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(s.find("  9) Output goes", last), std::string::npos);
    EXPECT_TRUE(screen().empty());
}

TEST_F(SemiOutputOptionsTest, PageHelpForOneItem) {
    answers("?7\n\n\n");
    SEMOT2("S2");
    std::string s = screen();
    const auto title = s.find(std::string(21, ' ') + "****  Output Definition Notes  ****\n");
    ASSERT_NE(title, std::string::npos);
    EXPECT_NE(s.find("\n ++> Item Number   7\n\n     The phantom weight lets", title), std::string::npos);
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 1);

    answers("?9\n\n\n");
    clear_captured(SCREEN_UNIT);
    SEMOT2("S2");
    s = screen();
    EXPECT_NE(s.find(" ++> Item Number   9\n\n ++> Sorry, no help for this line...\n\n"), std::string::npos);
}

TEST_F(SemiOutputOptionsTest, PageHelpForEveryItemIsFourScreens) {
    Int line = 0;
    answers("\n\n\n\n");
    SMO2HP(SCREEN_UNIT, KBD_UNIT, line);
    const std::string s = screen();
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 4);
    EXPECT_EQ(count(s, "****  Output Definition Notes  ****"), 1);  // on the first screen only
    const char* headings[] = {" ++> Item Numbers 1, 2\n", " ++> Item Number  3\n", " ++> Item Number  4\n",
                              "Press <RETURN>",           " ++> Item Number  5\n", "Press <RETURN>",
                              " ++> Item Number  6,7\n",  "Press <RETURN>",        " ++> Item Number  10\n"};
    std::size_t at = 0;
    for (const char* h : headings) {
        const auto p = s.find(h, at);
        ASSERT_NE(p, std::string::npos) << h;
        at = p + 1;
    }
}

// The notes quote some words and one report heading as they stand; every note line fits the screen.
TEST_F(SemiOutputOptionsTest, NotesQuoteTheirTermsExactly) {
    struct Case {
        void (*help)(Int, Int, Int&);
        int screens;
        std::vector<std::string> quoted;
    };
    const Case cases[] = {
        {SMO2HP,
         4,
         {"\"reactive\" (in phase)", "\"restorative\" (180 degrees", "\"dissipative\" (90 degrees", "\"hardwired\"",
          "\"VFz+\"", "\"on\"", "\"******   I.  PHYSICAL CHARACTERISTICS SUMMARY (AS ESTIMATED)  *****\"",
          "Velmora", "Pelmaro", "(such as Zelfor, Lomiras or Baskero)"}},
        {SMO3HP, 3, {"\"hardwired\" linear damping", "(useful for TLPs)"}},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        Int line = 0;
        answers(std::string(static_cast<std::size_t>(c.screens), '\n'));
        c.help(SCREEN_UNIT, KBD_UNIT, line);
        const std::string s = screen();
        for (const std::string& q : c.quoted) EXPECT_NE(s.find(q), std::string::npos) << q;
        EXPECT_EQ(s.find("Hardwired"), std::string::npos);
        std::size_t start = 0;
        for (auto end = s.find('\n'); end != std::string::npos; start = end + 1, end = s.find('\n', start))
            EXPECT_LE(end - start, 80u) << s.substr(start, end - start);
    }
}

TEST_F(SemiOutputOptionsTest, HelpPauseStoresTheNumberTyped) {
    Int line = 2;
    answers("5\n");
    SMO3HP(SCREEN_UNIT, KBD_UNIT, line);
    EXPECT_EQ(line, 5);
    line = 4;
    clear_captured(SCREEN_UNIT);
    answers("\n");
    SMO3HP(SCREEN_UNIT, KBD_UNIT, line);
    EXPECT_EQ(line, 0);
    EXPECT_NE(screen().find(" ++> Item Number   4\n\n ++> Sorry, no help for this line..."), std::string::npos);
}

TEST_F(SemiOutputOptionsTest, StoredTreatmentOutsideTheCaptionsShowsUndefined) {
    TPCM.SQLFRC = 9;
    answers("\n");
    SEMOT2("S2");
    EXPECT_NE(first_page().find("\n     Undefined"), std::string::npos);
    EXPECT_EQ(TPCM.SQLFRC, 9);
}

TEST_F(SemiOutputOptionsTest, DumpWalkWritesOnceWithoutReading) {
    capture_unit(DISK_UNIT);
    TPCM.EDUNIT = DISK_UNIT;
    TPCM.LCOPY = 1;
    TPCM.LBACK = -1980;
    answers("");
    SEMOT2("S2");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 2);
    const std::string out = captured(DISK_UNIT);
    EXPECT_EQ(count(out, ": More output options  ****"), 1);
    EXPECT_EQ(out.find("Enter number of selection"), std::string::npos);
}

}  // namespace
}  // namespace brevant
