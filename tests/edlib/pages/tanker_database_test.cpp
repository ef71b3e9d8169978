// The average-tanker database page: its answer reader, its layout, the copy-back by letters or "Z",
// the deadweight conversion both ways, the working copies kept from visit to visit, and the
// answers that re-estimate or leave.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "edlib/pages/tanker_database.h"
#include "edlib/pages/tanker_estimator.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "test_support.h"

namespace brevant {
namespace {

std::size_t count(const std::string& text, const std::string& what) { return testing::count_of(text, what); }

// The words of the image that differ from a copy taken before.
std::vector<int> changed_words(const std::vector<std::byte>& before) {
    const auto now = image_bytes(TPCM);
    std::vector<int> words;
    for (std::size_t k = 0; k < before.size() / 4; ++k)
        if (std::memcmp(now.data() + 4 * k, before.data() + 4 * k, 4) != 0) words.push_back(static_cast<int>(k) + 1);
    return words;
}

std::vector<std::byte> image() {
    const auto b = image_bytes(TPCM);
    return {b.begin(), b.end()};
}

// Word numbers of the 21 values.
constexpr int kDISPL = 1409, kVKB = 1410, kVKG = 1411, kDRAFT = 1412, kAWP = 1413, kPGYR = 1414, kRGYR = 1415,
              kYGYR = 1416, kVKMT = 1417, kVKML = 1418, kLWL = 1419, kBWL = 1420, kBILGR = 1421, kXWNDAR = 1353,
              kYWNDAR = 1355, kXCURAR = 1357, kYCURAR = 1359, kLOADED = 1390, kDFTPCT = 1392, kDSPPCT = 1394,
              kDWTONS = 1666;

const std::string kInstructions =
    "\n >>> Change items 1 or 2 for new estimates or input letter(s) (\"ACD...\")\n"
    "     to select individual replacements (or \"Z\" to replace all);\n"
    "    \"?\" for help, <Return> to continue WITHOUT replacement: ";

class TankerDatabaseTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_tanker_state();
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    void TearDown() override {
        reset_tpcm();
        reset_tanker_state();
        ConsoleTest::TearDown();
    }
    void visit(const std::string& script) {
        clear_captured(SCREEN_UNIT);
        answers(script);
        TANKER("2", "Vessel");
    }
    // A case of 50000 long tons at 30 ft: the page estimates at entry.
    void english_tanker() {
        TPCM.DWTONS = 112000.0f;
        TPCM.DRAFT = 30.0f;
    }
    // Working copies estimated for 50000 long tons at 30 ft on an earlier visit, and a case whose
    // words all differ from them.
    void earlier_estimate() {
        TPCM.DWTONS = 112000.0f;
        TPCM.DRAFT = 0.0f;
        visit("2\n30\n\n");
        TPCM.DWTONS = 1.0f;
        TPCM.DRAFT = 1.0f;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
    }
};

TEST_F(TankerDatabaseTest, AnswerMeanings) {
    struct Case {
        const char* answer;
        Int code;
        const char* letters;  // CHARAY up to its end mark
    };
    const Case cases[] = {
        {"Z", TANKER_COPY_ALL, ""},
        {"z", TANKER_COPY_ALL, ""},
        {"ZAB", TANKER_COPY_ALL, ""},
        {"AZ", TANKER_LETTERS, "A"},
        {"", 0, ""},
        {"1", 1, ""},
        {"2", 2, ""},
        {"15", 15, ""},
        {" 15", 15, ""},
        {"1 5", 15, ""},
        {" 3", 3, ""},
        {" -5", -5, ""},
        {"2000000", 200000, ""},  // the first six characters
        {"1x", 0, ""},
        {"2.5", 0, ""},
        {" abc", 0, ""},
        {" -1977", 0, ""},
        {" -1978", 0, ""},
        {" -1", TANKER_LETTERS, ""},
        {"?", NAV_HELP, ""},
        {"?AB", NAV_HELP, ""},
        {"3", TANKER_LETTERS, ""},
        {"0A", TANKER_LETTERS, "A"},
        {"-AB", TANKER_LETTERS, "AB"},
        {"agq", TANKER_LETTERS, "AGQ"},
        {"A,G,Q", TANKER_LETTERS, "AGQ"},
        {"HES", TANKER_LETTERS, "HES"},
        {"vwxy", TANKER_LETTERS, "VWXY"},
        {"a?z!Y", TANKER_LETTERS, "AY"},
        {"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", TANKER_LETTERS, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers(std::string(c.answer) + "\n");
        Int LBACK = 99;
        FixedText<41> CHARAY("STALE");
        ENTEST(LBACK, SCREEN_UNIT, KBD_UNIT, CHARAY);
        EXPECT_EQ(LBACK, c.code) << '"' << c.answer << '"';
        EXPECT_EQ(CHARAY.trimmed(), c.letters) << c.answer;
        EXPECT_EQ(CHARAY[40], ' ') << c.answer;
        EXPECT_EQ(screen(), kInstructions) << c.answer;
    }
}

TEST_F(TankerDatabaseTest, EnglishPageAsDrawn) {
    english_tanker();
    visit("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    const TankerPageState& Q = TANKER_STATE;
    const std::string s = screen();
    // Independent variables, in long tons and the case's length unit.
    EXPECT_NE(s.find("\n >>> Independent variables for     1. Deadweight (DWT)....   50000. Long Tons\n"
                     "     tanker property estimates:    2. Simulation Draft ...   30.00  feet           \n"),
              std::string::npos)
        << s;
    // Column 43 starts the second value of a line.
    const auto line_of = [&](const std::string& start) {
        const std::size_t p = s.find("\n" + start);
        EXPECT_NE(p, std::string::npos) << start << s;
        return s.substr(p + 1, s.find('\n', p + 1) - p - 1);
    };
    EXPECT_EQ(line_of("A. Vessel Displacement   "),
              "A. Vessel Displacement   " + fmt_F(Q.DISPLQ, 9, 0) + " Kips   L. Freeboard-based load..." +
                  fmt_F(Q.LOADEQ, 8, 1) + "%");
    EXPECT_EQ(line_of("B. Displacement-based load"), "B. Displacement-based load" + fmt_F(Q.DSPPCQ, 9, 1) +
                                                         "%      M. Draft-based load......." + fmt_F(Q.DFTPCQ, 8, 1) +
                                                         "%");
    struct Pair {
        const char* left;
        Real a;
        const char* right;
        Real b;
        int decimals;
    };
    for (const Pair& p : {Pair{"C. Length (LPP) ..........", Q.LWLQ, "N. Transverse KM .........", Q.VKMTQ, 2},
                          Pair{"D. Beam ..................", Q.BWLQ, "O. Longitudinal KM .......", Q.VKMLQ, 2},
                          Pair{"E. Draft .................", Q.DRAFTQ, "P. VKB ...................", Q.VKBQ, 2},
                          Pair{"F. Roll Gyradius..........", Q.RGYRQ, "Q. VKG ...................", Q.VKGQ, 2},
                          Pair{"G. Pitch Gyradius ........", Q.PGYRQ, "R. Bilge radius ..........", Q.BILGRQ, 2},
                          Pair{"I. Water Plane Area ...... ", Q.AWPQ, "S. Deadweight (DWT) ...... ", Q.DWTONQ, 0},
                          Pair{"J. Head-on Current Area .. ", Q.XCURAQ, "T. Head-on Wind Area ..... ", Q.XWNDAQ, 0},
                          Pair{"K. Beam-on Current Area .. ", Q.YCURAQ, "U. Beam-on Wind Area ..... ", Q.YWNDAQ, 0}}) {
        std::string expected = p.left + fmt_F(p.a, 9, p.decimals);
        expected.resize(42, ' ');  // the second value from column 43
        EXPECT_EQ(line_of(p.left), expected + p.right + fmt_F(p.b, 9, p.decimals)) << p.left;
    }
    EXPECT_EQ(line_of("H. Yaw Gyradius"), "H. Yaw Gyradius .........." + fmt_F(Q.YGYRQ, 9, 2));
    EXPECT_EQ(line_of("C. Length").substr(26, 9), "   656.32");
    EXPECT_EQ(line_of("I. Water").substr(69), "   50000.");
    EXPECT_NE(s.find(kInstructions), std::string::npos);
    EXPECT_EQ(Q.CMPSPC.trimmed(), "Kips");
    // Nothing copied on Return.
    EXPECT_EQ(TPCM.LWL, 0.0f);
}

TEST_F(TankerDatabaseTest, CaptionsOfTheUnitSystem) {
    struct Case {
        Int NUNTS;
        const char* displacement;
        const char* length;
    };
    for (const Case& c : {Case{0, "Kips  ", " feet"}, Case{1, "M.Tons", " meters"}, Case{2, "Whoops", " feet/feet"}}) {
        reset_tanker_state();
        TPCM.NUNTS = c.NUNTS;
        TPCM.DRAFT = 0.0f;  // no estimate
        visit("\n");
        const std::string s = screen();
        EXPECT_NE(s.find("A. Vessel Displacement          0. " + std::string(c.displacement)), std::string::npos)
            << c.NUNTS << s;
        EXPECT_NE(s.find("2. Simulation Draft ...     .00 " + std::string(c.length)), std::string::npos) << c.NUNTS;
    }
}

TEST_F(TankerDatabaseTest, LettersCopyExactlyTheirValues) {
    struct Case {
        const char* answer;
        std::vector<int> words;
    };
    const Case cases[] = {
        {"HES", {kDRAFT, kYGYR, kDWTONS}},
        {"agq", {kDISPL, kVKG, kPGYR}},
        {"A,G,Q", {kDISPL, kVKG, kPGYR}},
        {"AZ", {kDISPL}},
        {"AA", {kDISPL}},
        {"B", {kDSPPCT}},
        {"CDFIJKLMNOPRTU", {kXWNDAR, kYWNDAR, kXCURAR, kYCURAR, kLOADED, kDFTPCT, kVKB, kAWP, kRGYR, kVKMT, kVKML,
                            kLWL, kBWL, kBILGR}},
        {"VWXY", {}},
        {"3", {}},
        {"", {}},
        {" -5", {}},
        {"1x", {}},
        {" -1", {}},
        {" -1977", {}},
    };
    for (const Case& c : cases) {
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        reset_tanker_state();
        earlier_estimate();
        const auto before = image();
        visit(std::string(c.answer) + "\n");
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        EXPECT_EQ(changed_words(before), c.words) << c.answer;
        EXPECT_EQ(count(screen(), ">>> Independent variables"), 1u) << c.answer;
    }
    // The copied values are the page's.
    reset_tpcm();
    TPCM.EDUNIT = SCREEN_UNIT;
    reset_tanker_state();
    earlier_estimate();
    visit("HES\n");
    const TankerPageState& Q = TANKER_STATE;
    EXPECT_EQ(TPCM.YGYR, Q.YGYRQ);
    EXPECT_EQ(TPCM.DRAFT, 30.0f);
    EXPECT_NEAR(TPCM.DWTONS, 112000.0f, 0.02f);
    EXPECT_EQ(TPCM.DWTONS, Q.DWTONQ / 0.44642857f);
    EXPECT_EQ(TPCM.LBACK, TANKER_LETTERS);
}

TEST_F(TankerDatabaseTest, ZCopiesAllTwentyOneValues) {
    for (const char* answer : {"z\n", "Z\n", "Zq\n"}) {
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        reset_tanker_state();
        earlier_estimate();
        visit(answer);
        const TankerPageState& Q = TANKER_STATE;
        EXPECT_EQ(TPCM.LBACK, TANKER_COPY_ALL);
        const Real pairs[][2] = {
            {TPCM.DISPL, Q.DISPLQ},   {TPCM.VKB, Q.VKBQ},       {TPCM.VKG, Q.VKGQ},       {TPCM.DRAFT, Q.DRAFTQ},
            {TPCM.AWP, Q.AWPQ},       {TPCM.VKMT, Q.VKMTQ},     {TPCM.VKML, Q.VKMLQ},     {TPCM.LWL, Q.LWLQ},
            {TPCM.BWL, Q.BWLQ},       {TPCM.PGYR, Q.PGYRQ},     {TPCM.RGYR, Q.RGYRQ},     {TPCM.YGYR, Q.YGYRQ},
            {TPCM.BILGR, Q.BILGRQ},   {TPCM.XWNDAR, Q.XWNDAQ},  {TPCM.YWNDAR, Q.YWNDAQ},  {TPCM.XCURAR, Q.XCURAQ},
            {TPCM.YCURAR, Q.YCURAQ},  {TPCM.LOADED, Q.LOADEQ},  {TPCM.DFTPCT, Q.DFTPCQ},  {TPCM.DSPPCT, Q.DSPPCQ},
        };
        for (const auto& p : pairs) EXPECT_EQ(p[0], p[1]) << answer;
        EXPECT_EQ(TPCM.DWTONS, Q.DWTONQ / 0.44642857f);
        EXPECT_EQ(TPCM.DRAFT, 30.0f);
        EXPECT_NEAR(TPCM.LWL, 656.32f, 0.7f);
        EXPECT_GT(TPCM.XWNDAR, 0.0f);
    }
}

TEST_F(TankerDatabaseTest, MetricDeadweightShowsInLongTonsAndCopiesBack) {
    TPCM.NUNTS = 1;
    TPCM.DWTONS = 100000.0f;  // metric tonnes
    visit("S\n");
    EXPECT_NE(screen().find("1. Deadweight (DWT)....   98420. Long Tons\n"), std::string::npos) << screen();
    EXPECT_NE(screen().find("S. Deadweight (DWT) ......    98420.\n"), std::string::npos);
    EXPECT_EQ(TPCM.DWTONS, 98420.0f / 0.9842f);
    EXPECT_NEAR(TPCM.DWTONS, 100000.0f, 0.02f);
    // English: kips to long tons by 1/2.24 and back.
    reset_tanker_state();
    TPCM.NUNTS = 0;
    TPCM.DWTONS = 224000.0f;
    visit("S\n");
    EXPECT_NE(screen().find("1. Deadweight (DWT)....  100000. Long Tons\n"), std::string::npos) << screen();
    EXPECT_NEAR(TPCM.DWTONS, 224000.0f, 0.05f);
}

TEST_F(TankerDatabaseTest, ItemsOneAndTwoEstimateAgain) {
    // A new case: nothing to estimate at entry, the case's zeros shown.
    visit("1\n50000\n\n2\n30\n\n");
    const std::string s = screen();
    EXPECT_NE(s.find(kInstructions + "\n1. Deadweight ...............      0. Long Tons\n Enter new value: "),
              std::string::npos)
        << s;
    // Draft 0: the minimum-draft warning, Return, then the redrawn estimate.
    EXPECT_NE(s.find(" ++> Requested draft is less than the minimum"), std::string::npos);
    const std::size_t draft = s.find(kInstructions + "\n2. Simulation Draft .........   7.61  feet ");
    ASSERT_NE(draft, std::string::npos) << s;
    EXPECT_EQ(s.find("\n Enter new value: ", draft), s.find('\n', draft + kInstructions.size() + 1));
    EXPECT_EQ(count(s, ">>> Independent variables"), 3u);
    const TankerPageState& Q = TANKER_STATE;
    EXPECT_EQ(Q.DWTONQ, 50000.0f);
    EXPECT_EQ(Q.DRAFTQ, 30.0f);
    EXPECT_NEAR(Q.DFTPCQ, 79.99f, 0.08f);
    EXPECT_NEAR(Q.DISPLQ, 107350.0f, 107.0f);
    EXPECT_EQ(TPCM.DRAFT, 0.0f);  // left without copying
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(TankerDatabaseTest, OtherNumbersEstimateAgainAndRedraw) {
    TPCM.DWTONS = 112000.0f;  // a draft of 0 is not estimated at entry
    visit(" 15\n\n\n");
    const std::string s = screen();
    EXPECT_EQ(count(s, ">>> Independent variables"), 2u);
    // The estimate ran: its warning, then the minimum draft on the page.
    const std::size_t warning = s.find(" ++> Requested draft is less than the minimum");
    ASSERT_NE(warning, std::string::npos);
    EXPECT_NE(s.find("2. Simulation Draft ...    7.61  feet", warning), std::string::npos) << s;
    EXPECT_EQ(TPCM.DRAFT, 0.0f);
}

TEST_F(TankerDatabaseTest, HelpKeepsThePageWithoutEstimating) {
    english_tanker();
    visit("?\n4\n\n");
    const std::string s = screen();
    EXPECT_EQ(count(s, ">>> Independent variables"), 2u);
    EXPECT_NE(s.find("     deadweight (ALWAYS in long tons)"), std::string::npos);
    EXPECT_NE(s.find("     >>> Physical properties of tankers of the same deadweight"), std::string::npos);
    EXPECT_NE(s.find(" Press <RETURN> to continue: "), std::string::npos);
    EXPECT_EQ(TPCM.IPAG, 4);
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(TankerDatabaseTest, WorkingCopiesOutliveTheVisit) {
    english_tanker();
    visit("1\n60000\n\n");  // a new deadweight, estimated, then left without copying
    EXPECT_EQ(TPCM.DWTONS, 112000.0f);
    // The case changes in between (the units too): the page keeps its own values.
    TPCM.DWTONS = 50.0f;
    TPCM.DRAFT = 5.0f;
    visit("\n");
    const std::string s = screen();
    EXPECT_NE(s.find("1. Deadweight (DWT)....   60000. Long Tons"), std::string::npos) << s;
    EXPECT_NE(s.find("2. Simulation Draft ...   30.00  feet"), std::string::npos) << s;
    EXPECT_EQ(TANKER_STATE.DWTONQ, 60000.0f);
    // Nor are they converted when the case changes its units: 30 is now read as metres, beyond
    // the full-load draft of the page's deadweight (39.66 ft, 12.09 m), which takes its place.
    TPCM.NUNTS = 1;
    visit("\n\n");
    const std::string m = screen();
    EXPECT_NE(m.find(" ++> Requested draft is greater than the maximum"), std::string::npos) << m;
    EXPECT_NE(m.find("1. Deadweight (DWT)....   60000. Long Tons"), std::string::npos) << m;
    EXPECT_NE(m.find("2. Simulation Draft ...   12.09  meters"), std::string::npos) << m;
}

TEST_F(TankerDatabaseTest, AnAbortedEstimateKeepsTheLastOne) {
    english_tanker();
    TPCM.DRAFT = 35.0f;
    visit("2\n200\nA\nZ\n");
    const std::string s = screen();
    EXPECT_NE(s.find(" ++> Requested draft is greater than the maximum"), std::string::npos);
    // The page still shows the estimate at 35 ft, with the typed draft.
    EXPECT_EQ(TANKER_STATE.DRAFTQ, 200.0f);
    EXPECT_NEAR(TPCM.LWL, 656.32f, 0.7f);
    EXPECT_GT(TPCM.DFTPCT, 90.0f);
    EXPECT_LT(TPCM.DFTPCT, 95.0f);
}

}  // namespace
}  // namespace brevant
