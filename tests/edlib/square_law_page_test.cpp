// The square-law option page: choosing a treatment, commands on the sub-page, help, dump walk.
#include <ostream>
#include <string>

#include "records/data_image.h"
#include "edlib/square_law_page.h"
#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

class SquareLawPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    static int count(const std::string& text, const std::string& what) { return static_cast<int>(testing::count_of(text, what)); }
    static std::string caption_line(const std::string& caption) {
        std::string s = "     " + caption;
        s.resize(5 + 75, ' ');
        return s + "\n";
    }
};

constexpr const char* kCaption0 = "++> Resonant damping ONLY, no square-law driving forces";
constexpr const char* kCaption1 = "++> Full square-law driving force calculation at all wave periods";
constexpr const char* kCaption2 = "++> Resonant damping PLUS square-law driving forces on fixed vessel";

TEST_F(SquareLawPageTest, MainPageLayout) {
    answers("\n");
    SEMSET("16");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string expected = std::string(19, ' ') + " ****  Page 16: Output options 2 ****\n" + "\n\n" +
                                 "  1) Square-law driving force treatment:\n\n" + caption_line(kCaption0) + "\n";
    EXPECT_EQ(screen().substr(0, expected.size()), expected);
    EXPECT_NE(screen().find("Enter number of selection (\"H\" for help): ", expected.size()), std::string::npos);
}

TEST_F(SquareLawPageTest, ChoosingThreeStoresTwoAndShowsItsCaption) {
    answers("1\n3\n\n");
    SEMSET("16");
    EXPECT_EQ(TPCM.SQLFRC, 2);
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string s = screen();
    // The sub-page lists the three treatments in order.
    const auto sub = s.find(" +++ Square-Law Driving Force Treatment Options +++\n");
    ASSERT_NE(sub, std::string::npos);
    const auto row1 = s.find(std::string(" 1) ") + kCaption0, sub);
    const auto row2 = s.find(std::string(" 2) ") + kCaption1, sub);
    const auto row3 = s.find(std::string(" 3) ") + kCaption2, sub);
    EXPECT_TRUE(row1 != std::string::npos && row1 < row2 && row2 < row3 && row3 != std::string::npos);
    // The main page drawn after the choice shows the third caption.
    EXPECT_NE(s.find(caption_line(kCaption2), row3), std::string::npos);
}

struct SubPageCase {
    const char* answer;
    Int before;
    Int after;
};

void PrintTo(const SubPageCase& c, std::ostream* os) { *os << "answer \"" << c.answer << "\" from " << c.before; }

class SquareLawSubPageTest : public SquareLawPageTest, public ::testing::WithParamInterface<SubPageCase> {};

TEST_P(SquareLawSubPageTest, AnswerSetsOrKeepsTheTreatmentAndReturnsToThePage) {
    const SubPageCase& c = GetParam();
    TPCM.SQLFRC = c.before;
    answers(std::string("1\n") + c.answer + "\n\n");
    SEMSET("16");
    EXPECT_EQ(TPCM.SQLFRC, c.after) << c.answer;
    // The command went no further than the sub-page: the page was drawn again and left on Return.
    EXPECT_EQ(TPCM.LBACK, 0) << c.answer;
    EXPECT_EQ(count(screen(), "****  Page 16: Output options 2 ****"), 2) << c.answer;
}

INSTANTIATE_TEST_SUITE_P(SquareLawPage, SquareLawSubPageTest,
                         ::testing::Values(SubPageCase{"1", 2, 0}, SubPageCase{"2", 0, 1}, SubPageCase{"3", 0, 2},
                                           SubPageCase{"7", 0, 2},  // clamped to the last treatment
                                           SubPageCase{"F", 1, 1}, SubPageCase{"B", 1, 1}, SubPageCase{"", 1, 1},
                                           SubPageCase{"0", 1, 1}, SubPageCase{"-5", 2, 2}));

TEST_F(SquareLawPageTest, RedrawOnTheSubPageStaysThere) {
    answers("1\n!\n2\n\n");
    SEMSET("16");
    EXPECT_EQ(TPCM.SQLFRC, 1);
    EXPECT_EQ(count(screen(), " +++ Square-Law Driving Force Treatment Options +++"), 2);
}

TEST_F(SquareLawPageTest, SelectionsOtherThanOneGoBackToTheDriver) {
    answers("2\n");
    SEMSET("16");
    EXPECT_EQ(TPCM.LBACK, 2);
    answers("B\n");
    SEMSET("16");
    EXPECT_EQ(TPCM.LBACK, NAV_BACK);
    answers("J4\n");
    SEMSET("16");
    EXPECT_EQ(TPCM.LBACK, NAV_JUMP);
    EXPECT_EQ(TPCM.IPAG, 4);
}

TEST_F(SquareLawPageTest, HelpOnTheSubPageShowsOneNoteAndPauses) {
    answers("1\n?2\n\n3\n\n");
    SEMSET("16");
    EXPECT_EQ(TPCM.SQLFRC, 2);
    const std::string s = screen();
    const auto title = s.find(std::string(21, ' ') + "****  Output Definition Notes  ****\n");
    ASSERT_NE(title, std::string::npos);
    EXPECT_NE(s.find(" ++> Item Number   2\n", title), std::string::npos);
    EXPECT_NE(s.find("     Full square-law calculation", title), std::string::npos);
    EXPECT_EQ(s.find("     Resonant damping only", title), std::string::npos);
    EXPECT_NE(s.find("Press <RETURN> to continue: ", title), std::string::npos);
    // Back on the sub-page after the pause.
    EXPECT_EQ(count(s, " +++ Square-Law Driving Force Treatment Options +++"), 2);
}

TEST_F(SquareLawPageTest, HelpAloneShowsTheThreeNotesInTurn) {
    answers("1\n?\n\n\n\n2\n\n");
    SEMSET("16");
    EXPECT_EQ(TPCM.SQLFRC, 1);
    const std::string s = screen();
    EXPECT_EQ(count(s, "Press <RETURN> to continue: "), 3);
    const auto n1 = s.find("     Resonant damping only");
    const auto n2 = s.find("     Full square-law calculation");
    const auto n3 = s.find("     Resonant damping plus square-law forces");
    EXPECT_TRUE(n1 != std::string::npos && n1 < n2 && n2 < n3 && n3 != std::string::npos);
}

TEST_F(SquareLawPageTest, HelpOnTheMainPageHasNoNotes) {
    answers("?\n\n\n");
    SEMSET("16");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_NE(screen().find(" ++> Sorry, no help for this page..."), std::string::npos);
    EXPECT_EQ(count(screen(), "****  Page 16: Output options 2 ****"), 2);
}

TEST_F(SquareLawPageTest, StoredValueOutsideTheTreatmentsShowsUndefinedAndIsKept) {
    for (Int bad : {3, -1, 1000}) {
        clear_captured(SCREEN_UNIT);
        TPCM.SQLFRC = bad;
        answers("\n");
        SEMSET("16");
        EXPECT_NE(screen().find("\n     Undefined"), std::string::npos) << bad;
        EXPECT_EQ(TPCM.SQLFRC, bad);
    }
}

TEST_F(SquareLawPageTest, DumpWalkWritesThePageOnceWithoutReading) {
    capture_unit(DISK_UNIT);
    TPCM.EDUNIT = DISK_UNIT;
    TPCM.LCOPY = 2;
    TPCM.LBACK = 5;
    TPCM.SQLFRC = 1;
    answers("");  // any read would end the run
    SEMSET("16");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 3);
    const std::string out = captured(DISK_UNIT);
    EXPECT_EQ(count(out, "****  Page 16: Output options 2 ****"), 1);
    EXPECT_NE(out.find(caption_line(kCaption1)), std::string::npos);
    EXPECT_EQ(out.find("Enter number of selection"), std::string::npos);
}

}  // namespace
}  // namespace brevant
