// The low-frequency load-model page: its drawing and which items show for which models, the
// selection filter and the actions (toggles, model and bow sub-pages, value entries with their
// clamps), the user tables opened from it, dump mode, its notes and the codes it hands back.
#include "edlib/pages/load_model_page.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "edlib/pages/vessel_pages.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/option_words.h"
#include "test_support.h"

namespace brevant {
namespace {

const std::string kPrompt = " \n Enter number of selection (\"H\" for help): ";
const std::string kTitle = "****  Page 6: Vessel Low-Frequency Dynamics Characteristics  ****\n";
const std::string kPause = "Press <RETURN> to continue: ";

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

// A packed model word from its three fields (Cx, Cy, Cz).
Int word(Int cx, Int cy, Int cz) {
    Int w = 0;
    NIBSET(w, 1, cx, SCREEN_UNIT);
    NIBSET(w, 2, cy, SCREEN_UNIT);
    NIBSET(w, 3, cz, SCREEN_UNIT);
    return w;
}

Int field(Int w, Int k) { return NIBVAL(w, k, SCREEN_UNIT); }

// The item numbers of one drawing of the page, in order.
std::vector<int> items_of(const std::string& drawing) {
    std::vector<int> items;
    const std::regex line("(^|\n) ([ 0-9][0-9])\\) ");
    for (auto it = std::sregex_iterator(drawing.begin(), drawing.end(), line); it != std::sregex_iterator(); ++it)
        items.push_back(std::stoi((*it)[2].str()));
    return items;
}

class LoadModelPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_lowcof();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.LWBARG = 273;
        TPCM.LCBARG = 273;
        TPCM.LWVCOF = 273;
        TPCM.DFTPCT = 100.0f;
        TPCM.LOADED = 100.0f;
    }
    void TearDown() override {
        reset_tpcm();
        reset_lowcof();
        ConsoleTest::TearDown();
    }
    void run(const std::string& script) {
        answers(script);
        LOWVES("6", "Vessel");
    }
    // The n-th drawing of the page (0-based), up to its selection prompt.
    std::string drawing(int n = 0) const {
        const std::string s = screen();
        std::size_t start = 0;
        for (int k = 0; k <= n; ++k) {
            start = s.find(kTitle, k == 0 ? 0 : start + 1);
            if (start == std::string::npos) return {};
        }
        const auto end = s.find(kPrompt, start);
        return s.substr(start, end == std::string::npos ? std::string::npos : end + kPrompt.size() - start);
    }
    // The tanker case of the acceptance: OCIMF wind, OCIMF current, legacy tanker drift.
    static void tanker_case() {
        TPCM.LWBARG = 1092;  // 4, 4, 4
        TPCM.LCBARG = 1638;  // 6, 6, 6
        TPCM.LWVCOF = 546;   // 2, 2, 2
        TPCM.BOWWND = 0.0f;
        TPCM.LOADED = 55.0f;
        TPCM.DWTONS = 150000.0f;
    }
};

TEST_F(LoadModelPageTest, TankerCaseAsDrawn) {
    tanker_case();
    run("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string expected = kTitle +
                                 "\n"
                                 "  1) Toggle independent <<Wind>> Cx, Cy, Cz\n"
                                 "  2) Wind force model ............................ OCIMF Tanker '77 (extended)  \n"
                                 "\n"
                                 "  6) Above-Water Bow Shape ....................... Conventional            \n"
                                 "  7) Freeboard-Based Load ........................      55.00 Percent\n"
                                 "\n"
                                 " 11) Toggle independent <<Current>> Cx, Cy, Cz\n"
                                 " 12) Current force model ......................... OCIMF Tanker '77             \n"
                                 "\n"
                                 " 16) Below-Water Bow Shape ....................... Conventional (w/bulb)   \n"
                                 "\n"
                                 " 21) Toggle independent <<Wave>> Cx, Cy, Cz\n"
                                 " 22) Wave force model ............................ Tanker (Legacy)              \n"
                                 "\n"
                                 " 31) Vessel Deadweight ...........................  150000.00 kips           \n" +
                                 kPrompt;
    EXPECT_EQ(screen(), expected);
}

TEST_F(LoadModelPageTest, MetricDeadweightAndIndependentModels) {
    TPCM.NUNTS = 1;
    TPCM.LWBARG = word(3, 5, 4);
    TPCM.LCBARG = word(2, 7, 1);
    TPCM.LWVCOF = word(6, 7, 1);
    TPCM.DWTONS = 50.5f;
    run("\n");
    const std::string d = drawing();
    EXPECT_TRUE(has(d, "  2) Head-on Coefficients (Cx) ................... Barge (Velmora)              \n"));
    EXPECT_TRUE(has(d, "  3) Beam-on Coefficients (Cy) ................... Cylindrical Vessel           \n"));
    EXPECT_TRUE(has(d, "  4) Moment Coefficients  (Cz) ................... OCIMF Tanker '77 (extended)  \n"));
    EXPECT_TRUE(has(d, " 12) Head-on Coefficients (Cx) ................... User-Specified CRNTCOFS.txt  \n"));
    EXPECT_TRUE(has(d, " 14) Moment Coefficients  (Cz) ................... User-Specified LOWDAT        \n"));
    EXPECT_TRUE(has(d, " 15) Specify current force coefficients\n"));
    EXPECT_TRUE(has(d, " 22) Head-on Coefficients (Cx) ................... Tanker (2001)                \n"));
    EXPECT_TRUE(has(d, " 23) Beam-on Coefficients (Cy) ................... Semi/TLP (2001)              \n"));
    EXPECT_TRUE(has(d, " 26) Apply current correction to drift forces?     No \n"));
    EXPECT_TRUE(has(d, " 29) Use legacy cylinder DFCs ....................       No \n"));
    EXPECT_TRUE(has(d, " 31) Vessel Deadweight ...........................      50.50 metric tons    \n"));
}

TEST_F(LoadModelPageTest, ItemsShownFollowTheModels) {
    struct Case {
        const char* what;
        Int wind, current, drift;
        Real BOWWND, BOWCUR, DFTPCT;
        Int LEG_CYL_DFC;
        std::vector<int> items;
    };
    const Case cases[] = {
        {"new case", 273, 273, 273, 0, 0, 100, 0, {1, 2, 5, 11, 12, 15, 21, 22, 26}},
        {"tankers", 1092, 1638, 546, 0, 0, 100, 0, {1, 2, 6, 7, 11, 12, 16, 21, 22, 31}},
        {"interpolated wind bow", 1092, 273, 546, 0.5f, 0, 100, 0, {1, 2, 6, 7, 8, 11, 12, 15, 21, 22, 31}},
        {"negative wind bow is interpolated", 1092, 546, 546, -0.5f, 0, 100, 0, {1, 2, 6, 7, 8, 11, 12, 21, 22, 31}},
        {"wind bow above 1", 1092, 546, 546, 2.0f, 0, 100, 0, {1, 2, 6, 7, 11, 12, 21, 22, 31}},
        {"NSMB current at 100%", 546, 1092, 546, 0, 0, 100, 0, {1, 2, 11, 12, 16, 17, 21, 22}},
        {"NSMB current at 40%", 546, 1092, 546, 0, 0, 40, 0, {1, 2, 11, 12, 16, 17, 19, 21, 22}},
        {"NSMB mean curve", 546, word(15, 4, 4), 546, 0, 0.5f, 40, 0, {1, 2, 11, 12, 16, 17, 18, 19, 21, 22}},
        {"NSMB in Cy only", 546, word(2, 4, 2), 546, 0, 0, 40, 0, {1, 2, 11, 12, 13, 14, 16, 17, 21, 22}},
        {"legacy semi drift", 546, 546, word(3, 3, 3), 0, 0, 100, 0, {1, 2, 11, 12, 21, 22, 27, 28, 29}},
        {"spar drift", 546, 546, word(5, 5, 5), 0, 0, 100, 0, {1, 2, 11, 12, 21, 22, 29}},
        {"spar drift, legacy cylinders", 546, 546, word(5, 5, 5), 0, 0, 100, 1, {1, 2, 11, 12, 21, 22, 27, 28, 29}},
        {"semi/TLP drift with user Cz", 546, 546, word(7, 7, 1), 0, 0, 100, 0,
         {1, 2, 11, 12, 21, 22, 23, 24, 26, 29}},
        {"no model at all", 0, 0, 0, 0, 0, 100, 0, {1, 2, 11, 12, 21, 22}},
    };
    for (const Case& c : cases) {
        SetUp();
        TPCM.LWBARG = c.wind;
        TPCM.LCBARG = c.current;
        TPCM.LWVCOF = c.drift;
        TPCM.BOWWND = c.BOWWND;
        TPCM.BOWCUR = c.BOWCUR;
        TPCM.DFTPCT = c.DFTPCT;
        TPCM.LEG_CYL_DFC = c.LEG_CYL_DFC;
        run("\n");
        EXPECT_EQ(items_of(drawing()), c.items) << c.what << "\n" << drawing();
    }
}

TEST_F(LoadModelPageTest, BowCaptions) {
    struct Case {
        Real bow;
        const char* wind;
        const char* current;
    };
    const Case cases[] = {
        {0.0f, "Conventional            ", "Conventional (w/bulb)   "},
        {1.0f, "Cylindrical             ", "Cylindrical (no bulb)   "},
        {0.25f, "Interpolated            ", "Interpolated            "},
        {-0.5f, "Interpolated            ", "Interpolated            "},
        {1.0001f, "Whoops!                 ", "Whoops!                 "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bow_caption(c.bow, "Conventional", "Cylindrical"), c.wind) << c.bow;
        EXPECT_EQ(bow_caption(c.bow, "Conventional (w/bulb)", "Cylindrical (no bulb)"), c.current) << c.bow;
    }
}

TEST_F(LoadModelPageTest, ModelCaptionsOutsideTheListsAreUndefined) {
    const std::string undefined = "Undefined model              ";
    EXPECT_EQ(model_caption(1, 4), "OCIMF Tanker '77 (extended)  ");
    EXPECT_EQ(model_caption(1, 0), undefined);
    EXPECT_EQ(model_caption(1, 6), undefined);
    EXPECT_EQ(model_caption(1, 15), undefined);
    EXPECT_EQ(model_caption(2, 15), "NSMB Tanker '91              ");
    EXPECT_EQ(model_caption(2, 8), undefined);
    EXPECT_EQ(model_caption(3, 7), "Semi/TLP (2001)              ");
    EXPECT_EQ(model_caption(3, 15), undefined);
    EXPECT_EQ(model_caption(3, 0), undefined);

    // On the page: a damaged word draws its lines and the sub-page still works.
    TPCM.LWBARG = word(9, 0, 12);
    run("2\n3\n\n");
    EXPECT_TRUE(has(drawing(), "  2) Head-on Coefficients (Cx) ................... Undefined model              \n"));
    EXPECT_TRUE(has(drawing(), "  4) Moment Coefficients  (Cz) ................... Undefined model              \n"));
    EXPECT_EQ(field(TPCM.LWBARG, 1), 3);
    EXPECT_EQ(field(TPCM.LWBARG, 3), 12);
}

TEST_F(LoadModelPageTest, CurrentFifteenShowsAsNsmbWithTheMeanCurveSwitch) {
    TPCM.LCBARG = word(15, 4, 4);
    TPCM.DFTPCT = 40.0f;
    run("\n");
    const std::string d = drawing();
    EXPECT_TRUE(has(d, " 12) Current force model ......................... NSMB Tanker '91              \n")) << d;
    EXPECT_TRUE(has(d, " 19) Use NSMB \"Mean\" curve for 40% load condition: Yes\n")) << d;
    EXPECT_EQ(TPCM.LCBARG, word(15, 4, 4));  // one model; 15 stays in field 1

    SetUp();
    TPCM.LCBARG = 1092;
    TPCM.DFTPCT = 40.0f;
    run("\n");
    EXPECT_TRUE(has(drawing(), " 19) Use NSMB \"Mean\" curve for 40% load condition: No\n"));
}

TEST_F(LoadModelPageTest, ToggleToOneModelCopiesFieldOneAtTheNextDisplay) {
    TPCM.LWBARG = 1107;  // 3, 5, 4: opens in independent mode
    run("1\n\n");
    EXPECT_TRUE(has(drawing(0), "  3) Beam-on Coefficients (Cy)"));
    EXPECT_EQ(TPCM.LWBARG, 819);  // 3, 3, 3
    EXPECT_TRUE(has(drawing(1), "  2) Wind force model ............................ Barge (Velmora)"));
    EXPECT_FALSE(has(drawing(1), "  3) "));

    // Back to independent: the three equal rows stay until one is changed.
    SetUp();
    TPCM.LCBARG = word(6, 6, 6);
    run("11\n13\n4\n\n");
    EXPECT_EQ(TPCM.LCBARG, word(6, 4, 6));
    EXPECT_TRUE(has(drawing(2), " 13) Beam-on Coefficients (Cy) ................... NSMB Tanker '91"));
}

TEST_F(LoadModelPageTest, ItemsNotShownAreIgnored) {
    struct Case {
        const char* what;
        const char* script;
    };
    // The new case hides 3, 4, 6-8, 13, 14, 16-18, 23, 24, 29, 31; 9, 10, 20, 25, 30 and 32 do not exist.
    const Case cases[] = {{"3", "3\n"},   {"4", "4\n"},   {"6", "6\n"},   {"7", "7\n"},   {"8", "8\n"},
                          {"9", "9\n"},   {"10", "10\n"}, {"13", "13\n"}, {"14", "14\n"}, {"16", "16\n"},
                          {"17", "17\n"}, {"18", "18\n"}, {"20", "20\n"}, {"23", "23\n"}, {"24", "24\n"},
                          {"25", "25\n"}, {"29", "29\n"}, {"30", "30\n"}, {"31", "31\n"}, {"32", "32\n"},
                          {"99", "99\n"}};
    for (const Case& c : cases) {
        SetUp();
        const Tpcm before = TPCM;
        run(std::string(c.script) + "\n");
        EXPECT_EQ(count(screen(), kTitle), 2u) << c.what;
        EXPECT_FALSE(has(screen(), "Enter new value")) << c.what;
        EXPECT_FALSE(has(screen(), "Model Selection")) << c.what;
        EXPECT_FALSE(has(screen(), "Bow Type Selection")) << c.what;
        EXPECT_EQ(TPCM.LWBARG, before.LWBARG) << c.what;
        EXPECT_EQ(TPCM.LCBARG, before.LCBARG) << c.what;
        EXPECT_EQ(TPCM.LEG_CYL_DFC, before.LEG_CYL_DFC) << c.what;
    }
}

TEST_F(LoadModelPageTest, HiddenItemsThatStillAct) {
    // 19 hidden by a draft-based load of exactly 100 still switches the mean curve.
    TPCM.LCBARG = 1092;
    TPCM.DFTPCT = 100.0f;
    run("19\n\n");
    EXPECT_EQ(TPCM.LCBARG, 1103);
    SetUp();
    TPCM.LCBARG = 1103;
    run("19\n\n");
    EXPECT_EQ(TPCM.LCBARG, 1092);
    // With field 1 neither 4 nor 15 (NSMB only in Cy), or no NSMB at all, 19 changes nothing.
    for (Int w : {word(6, 4, 4), word(6, 6, 6), Int{273}}) {
        SetUp();
        TPCM.LCBARG = w;
        run("19\n\n");
        EXPECT_EQ(TPCM.LCBARG, w);
    }

    // 27 and 28 prompt and store while hidden.
    SetUp();
    TPCM.LWVCOF = 546;
    run("27\n0.67\n28\n-1.5\n\n");
    EXPECT_EQ(TPCM.XSHDOW, 0.67f);
    EXPECT_EQ(TPCM.YSHDOW, -1.5f);

    // 29 is drawn for legacy semi drift (row 3) but acts only for rows 5 and 7.
    SetUp();
    TPCM.LWVCOF = word(3, 3, 3);
    run("29\n\n");
    EXPECT_TRUE(has(drawing(), " 29) Use legacy cylinder DFCs"));
    EXPECT_EQ(TPCM.LEG_CYL_DFC, 0);
    SetUp();
    TPCM.LWVCOF = word(3, 7, 3);
    run("29\n\n");
    EXPECT_EQ(TPCM.LEG_CYL_DFC, 1);
    EXPECT_TRUE(has(drawing(1), " 29) Use legacy cylinder DFCs ....................       Yes\n"));
}

TEST_F(LoadModelPageTest, ValueEntriesAndTheirClamps) {
    struct Case {
        const char* what;
        const char* script;
        Real Tpcm::*word;
        Real start;
        Real stored;
    };
    const Case cases[] = {
        {"load below 0", "7\n-3\n", &Tpcm::LOADED, 55.0f, 0.0f},
        {"load above 100", "7\n150\n", &Tpcm::LOADED, 55.0f, 100.0f},
        {"load kept on a blank", "7\n\n", &Tpcm::LOADED, 55.0f, 55.0f},
        {"load kept on a letter", "7\nF\n", &Tpcm::LOADED, 55.0f, 55.0f},
        {"load in range", "7\n32.5\n", &Tpcm::LOADED, 55.0f, 32.5f},
        {"negative deadweight", "31\n-1\n", &Tpcm::DWTONS, 5000.0f, 0.0f},
        {"deadweight", "31\n150000\n", &Tpcm::DWTONS, 5000.0f, 150000.0f},
        {"wind factor above 1 dropped", "8\n1.2\n", &Tpcm::BOWWND, 0.5f, 0.5f},
        {"wind factor below 0 dropped", "8\n-0.1\n", &Tpcm::BOWWND, 0.5f, 0.5f},
        {"wind factor 0 stored", "8\n0\n", &Tpcm::BOWWND, 0.5f, 0.0f},
        {"wind factor 1 stored", "8\n1\n", &Tpcm::BOWWND, 0.5f, 1.0f},
        {"wind factor kept on a blank", "8\n\n", &Tpcm::BOWWND, 0.5f, 0.5f},
        {"negative factor kept on a blank", "8\n\n", &Tpcm::BOWWND, -0.5f, -0.5f},
        {"negative factor replaced", "8\n0.75\n", &Tpcm::BOWWND, -0.5f, 0.75f},
    };
    for (const Case& c : cases) {
        SetUp();
        TPCM.LWBARG = 1092;
        TPCM.*c.word = c.start;
        run(std::string(c.script) + "\n");
        EXPECT_EQ(TPCM.*c.word, c.stored) << c.what;
        EXPECT_EQ(count(screen(), "Enter new value: "), 1u) << c.what;
    }
    // A factor of 0 makes the caption "Conventional" and hides item 8.
    SetUp();
    TPCM.LWBARG = 1092;
    TPCM.BOWWND = 0.5f;
    run("8\n0\n\n");
    EXPECT_TRUE(has(drawing(1), "  6) Above-Water Bow Shape ....................... Conventional            \n"));
    EXPECT_EQ(items_of(drawing(1)), (std::vector<int>{1, 2, 6, 7, 11, 12, 15, 21, 22, 26, 31}));
}

TEST_F(LoadModelPageTest, ValueLineIsWrittenAgainBeforeThePrompt) {
    TPCM.LCBARG = 1092;
    TPCM.DFTPCT = 80.0f;
    run("17\n120\n\n");
    EXPECT_EQ(TPCM.DFTPCT, 100.0f);
    EXPECT_TRUE(has(screen(), kPrompt + " 17) Draft-Based Load ............................      80.00 Percent\n"
                                        " Enter new value: "))
        << screen();
    SetUp();
    TPCM.LCBARG = 1092;
    TPCM.DFTPCT = 80.0f;
    run("17\n-20\n\n");
    EXPECT_EQ(TPCM.DFTPCT, 0.0f);
}

TEST_F(LoadModelPageTest, WhoopsBowOffersNoFactorUntilABowTypeIsChosen) {
    TPCM.LWBARG = 1092;
    TPCM.BOWWND = 2.0f;
    run("8\n6\n3\n8\n0.25\n\n");
    EXPECT_TRUE(has(drawing(0), "  6) Above-Water Bow Shape ....................... Whoops!                 \n"));
    // 8 did nothing: the page came again without a prompt; 6 then 3 repairs the factor.
    EXPECT_TRUE(has(drawing(1), "Whoops!"));
    EXPECT_TRUE(has(drawing(2), "  8) Bow Interpolation Factor ....................        .50\n"));
    EXPECT_EQ(TPCM.BOWWND, 0.25f);
}

TEST_F(LoadModelPageTest, BowTypeSubPage) {
    struct Case {
        const char* what;
        Int item;
        const char* choice;
        Real stored;
    };
    const Case cases[] = {
        {"wind conventional", 6, "1", 0.0f},   {"wind cylindrical", 6, "2", 1.0f},
        {"wind interpolated", 6, "3", 0.5f},   {"current conventional", 16, "1", 0.0f},
        {"current cylindrical", 16, "2", 1.0f}, {"current interpolated", 16, "3", 0.5f},
        {"blank", 6, "", 0.75f},                {"first-page letter", 16, "F", 0.75f},
        {"back letter", 16, "B", 0.75f},
    };
    for (const Case& c : cases) {
        SetUp();
        TPCM.LWBARG = 1092;
        TPCM.LCBARG = 1638;
        TPCM.BOWWND = 0.75f;
        TPCM.BOWCUR = 0.75f;
        run(std::to_string(c.item) + "\n4\nH\n\n" + c.choice + "\n\n");
        EXPECT_EQ(c.item == 6 ? TPCM.BOWWND : TPCM.BOWCUR, c.stored) << c.what;
        EXPECT_EQ(c.item == 6 ? TPCM.BOWCUR : TPCM.BOWWND, 0.75f) << c.what;
        // The page comes back and ends on the final blank: no code goes to the driver.
        EXPECT_EQ(TPCM.LBACK, 0) << c.what;
        EXPECT_EQ(count(screen(), kTitle), 2u) << c.what;
        const std::string sub = std::string("\n+++  ") + (c.item == 6 ? "Wind" : "Current") +
                                "-Related Bow Type Selection  +++\n\n"
                                " 1) Conventional (with bulb)\n"
                                " 2) Cylindrical (no bulb)\n"
                                " 3) Interpolated (on 1 & 2)\n\n" +
                                kPrompt;
        // Drawn first, again after 4 (above 3) and after H.
        EXPECT_EQ(count(screen(), sub), 3u) << c.what << screen();
    }
}

TEST_F(LoadModelPageTest, BowHelpFollowsTheCurrentSet) {
    struct Case {
        Int current;
        const char* title;
    };
    const Case cases[] = {
        {word(6, 6, 6), "OCIMF '77 Current-Associated Bow Shape Notes"},
        {word(6, 4, 4), "OCIMF '77 Current-Associated Bow Shape Notes"},  // field 1 decides first
        {word(4, 6, 6), "NSMB '91 Current-Associated Bow Shape Notes"},
        {word(3, 4, 3), "NSMB '91 Current-Associated Bow Shape Notes"},
        {word(15, 4, 4), "NSMB '91 Current-Associated Bow Shape Notes"},
        {word(2, 6, 6), "OCIMF '77 Current-Associated Bow Shape Notes"},
    };
    for (const Case& c : cases) {
        SetUp();
        TPCM.LCBARG = c.current;
        run("16\n?3\n\n\n\n");
        EXPECT_TRUE(has(screen(), c.title)) << c.title;
        EXPECT_EQ(count(screen(), "Bow Shape Notes"), 1u);
    }
    SetUp();
    TPCM.LWBARG = 1092;
    run("6\n?\n\n\n\n\n");
    EXPECT_TRUE(has(screen(), "  Wind-Associated Bow Shape Notes  "));
    EXPECT_EQ(count(screen(), kPause), 2u);
}

TEST_F(LoadModelPageTest, ModelSubPage) {
    TPCM.LWBARG = word(2, 3, 4);
    run("3\n6\n?2\n\n5\n\n");
    const std::string sub =
        "\n +++  Wind Cy Model Selection  +++\n\n"
        " 1) User-Specified LOWDAT        \n"
        " 2) User-Specified WINDCOFS.txt  \n"
        " 3) Barge (Velmora)              \n"
        " 4) OCIMF Tanker '77 (extended)  \n"
        " 5) Cylindrical Vessel           \n" +
        kPrompt;
    // First drawing, again after 6 (no such row), again after the help.
    EXPECT_EQ(count(screen(), sub), 3u) << screen();
    EXPECT_TRUE(has(screen(), "  Wind Load Model Notes  "));
    EXPECT_TRUE(has(screen(), " ++> Item Number   2\n"));
    EXPECT_EQ(TPCM.LWBARG, word(2, 5, 4));
    EXPECT_EQ(TPCM.LBACK, 0);

    // In one-model mode item 2 is the whole load; the lists of current and drift have seven rows.
    SetUp();
    run("2\n\n12\n\n22\n\n24\n\n");
    EXPECT_TRUE(has(screen(), "\n +++  Wind Model Selection  +++\n"));
    EXPECT_TRUE(has(screen(), "\n +++  Current Model Selection  +++\n"));
    EXPECT_TRUE(has(screen(), " 7) Cylindrical Vessel           \n"));
    EXPECT_TRUE(has(screen(), "\n +++  Wave Model Selection  +++\n"));
    EXPECT_TRUE(has(screen(), " 7) Semi/TLP (2001)              \n"));
    EXPECT_FALSE(has(screen(), "Wave Cz"));  // 24 is hidden in one-model mode
    EXPECT_EQ(TPCM.LWBARG, 273);
    SetUp();
    TPCM.LWVCOF = word(2, 3, 4);
    run("24\n7\n\n");
    EXPECT_TRUE(has(screen(), "\n +++  Wave Cz Model Selection  +++\n"));
    EXPECT_EQ(TPCM.LWVCOF, word(2, 3, 7));
}

TEST_F(LoadModelPageTest, ModelSubPageCodes) {
    // A navigation letter leaves the page with its code; a blank only shows the page again.
    TPCM.LWBARG = 1092;
    run("2\nF\n");
    EXPECT_EQ(TPCM.LBACK, NAV_FIRST);
    EXPECT_EQ(TPCM.LWBARG, 1092);
    SetUp();
    run("22\nB\n");
    EXPECT_EQ(TPCM.LBACK, NAV_BACK);
    SetUp();
    run("12\nJ9\n");
    EXPECT_EQ(TPCM.LBACK, NAV_JUMP);
    EXPECT_EQ(TPCM.IPAG, 9);
    SetUp();
    TPCM.LWBARG = 1092;
    run("2\n\n\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LWBARG, 1092);
    EXPECT_EQ(count(screen(), kTitle), 2u);
}

TEST_F(LoadModelPageTest, FirstChoiceOfTheUserTableOpensItAtOnce) {
    TPCM.LCBARG = 1638;
    run("12\n1\n\n\n");
    EXPECT_EQ(TPCM.LCBARG, 273);
    const std::string s = screen();
    const auto table = s.find(" +++ <<Current Force>> Coefficient Specification +++\n");
    ASSERT_NE(table, std::string::npos);
    EXPECT_GT(table, s.find("Current Model Selection"));
    EXPECT_LT(table, s.find(kTitle, s.find("Current Model Selection")));
    EXPECT_EQ(count(s, kTitle), 2u);
    EXPECT_EQ(LOWCOF.NUCRPT, 2);  // the table's count was brought to 2 on entry
    EXPECT_EQ(TPCM.LBACK, 0);

    struct Case {
        const char* what;
        Int wind, current, drift;
        const char* script;
        bool opens;
    };
    const Case cases[] = {
        {"wind Cy held row 3", word(4, 3, 4), 546, 546, "3\n1\n\n\n", true},
        {"current Cy held row 3", 546, word(2, 3, 2), 546, "13\n1\n\n\n", true},
        {"field already row 1", word(4, 1, 4), 546, 546, "3\n1\n\n", false},
        {"drift row 1", 546, 546, 546, "22\n1\n\n", false},
        {"another row", 546, 546, 546, "2\n3\n\n", false},
    };
    for (const Case& c : cases) {
        SetUp();
        TPCM.LWBARG = c.wind;
        TPCM.LCBARG = c.current;
        TPCM.LWVCOF = c.drift;
        run(c.script);
        EXPECT_EQ(has(screen(), "Coefficient Specification +++"), c.opens) << c.what;
        EXPECT_EQ(TPCM.LBACK, 0) << c.what;
    }
    SetUp();
    TPCM.LWVCOF = 546;
    run("22\n1\n\n");
    EXPECT_EQ(TPCM.LWVCOF, 273);
}

TEST_F(LoadModelPageTest, UserTableItemsAndTheirCodes) {
    // 5 opens the wind table; B there goes back to the driver as -1.
    run("5\nB\n");
    EXPECT_TRUE(has(screen(), " +++ <<Wind Force>> Coefficient Specification +++\n"));
    EXPECT_EQ(TPCM.LBACK, NAV_BACK);
    EXPECT_EQ(count(screen(), kTitle), 1u);
    SetUp();
    run("15\nF\n");
    EXPECT_TRUE(has(screen(), " +++ <<Current Force>> Coefficient Specification +++\n"));
    EXPECT_EQ(TPCM.LBACK, NAV_FIRST);
    // A blank at the table shows the page again.
    SetUp();
    run("15\n\n\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(count(screen(), kTitle), 2u);
    // Edits reach the current table of LOWCOF.
    SetUp();
    run("15\n1\n3\n2\n1\n0\n90\n180\n\n\n\n");
    EXPECT_EQ(LOWCOF.NUCRPT, 3);
    EXPECT_EQ(LOWCOF.UCRANG(1), 0.0f);
    EXPECT_EQ(LOWCOF.UCRANG(2), 90.0f);
    EXPECT_EQ(LOWCOF.UCRANG(3), 180.0f);
    EXPECT_EQ(LOWCOF.UWNANG(2), 0.0f);
}

TEST_F(LoadModelPageTest, PageCodesAndToggles) {
    struct Case {
        const char* answer;
        Int code;
    };
    const Case cases[] = {{"\n", 0}, {"0\n", 0}, {"F\n", NAV_FIRST}, {"L\n", NAV_LAST}, {"B\n", NAV_BACK},
                          {"S\n", NAV_SKIP}, {"E\n", NAV_EXECUTE}, {"J3\n", NAV_JUMP}};
    for (const Case& c : cases) {
        SetUp();
        run(c.answer);
        EXPECT_EQ(TPCM.LBACK, c.code) << c.answer;
        EXPECT_EQ(count(screen(), kTitle), 1u) << c.answer;
    }
    SetUp();
    run("H\n\n26\n26\n26\n\n");
    EXPECT_EQ(TPCM.CURCOR, 1);
    EXPECT_EQ(count(screen(), kTitle), 5u);
    EXPECT_TRUE(has(drawing(2), " 26) Apply current correction to drift forces?     Yes\n"));
    // In a batch-modify session the toggles ask.
    SetUp();
    TPCM.IBATCH = 1;
    TPCM.LWVCOF = word(5, 5, 5);
    run("29\n1\n21\n0\n\n");
    EXPECT_EQ(TPCM.LEG_CYL_DFC, 1);
    EXPECT_TRUE(has(drawing(2), " 22) Head-on Coefficients (Cx)"));
}

TEST_F(LoadModelPageTest, PageNotes) {
    run("?26\n\n\n");
    const std::string title = " *********************  Vessel Environmental Load Notes  *********************\n\n";
    EXPECT_TRUE(has(screen(), title + " ++> Item Number  26\n\n     Current strongly affects wave drift")) << screen();
    EXPECT_EQ(count(screen(), kPause), 1u);
    EXPECT_EQ(count(screen(), kTitle), 2u);

    SetUp();
    run("?30\n\n\n");
    EXPECT_TRUE(has(screen(), title + " ++> Item Number  30\n ++> Sorry, no help for this line...\n\n \n " + kPause));

    SetUp();
    run("?\n" + std::string(11, '\n') + "7\n\n");
    EXPECT_EQ(count(screen(), kPause), 12u);
    EXPECT_EQ(count(screen(), title), 1u);
    EXPECT_EQ(TPCM.IPAG, 7);  // the answer of the last pause
    EXPECT_EQ(count(screen(), kTitle), 2u);
}

TEST_F(LoadModelPageTest, NotesOfEachItem) {
    struct Case {
        Int line;
        const char* start;  // first text line of the note, or the sorry line
    };
    const Case cases[] = {
        {1, "     For each load type three coefficient sets"},   {11, "     For each load type three coefficient sets"},
        {21, "     For each load type three coefficient sets"},  {3, "     The item leads to a sub-page of coefficient"},
        {14, "     The item leads to a sub-page of coefficient"}, {23, "     The item leads to a sub-page of coefficient"},
        {5, "     The item leads to a sub-page where the user"}, {15, "     The item leads to a sub-page where the user"},
        {6, "     The item leads to a sub-page choosing"},       {16, "     The item leads to a sub-page choosing"},
        {7, "     The wind load condition of VLCC tankers"},     {8, "     When the above- or below-water bow shape"},
        {18, "     When the above- or below-water bow shape"},    {17, "     The current load condition of VLCC tankers"},
        {19, "     A preliminary NSMB '91 report"},              {26, "     Current strongly affects wave drift"},
        {27, "     Used only by the legacy semi-submersible"},   {28, "     Used only by the legacy semi-submersible"},
        {29, "     The legacy cylinder drift force"},            {31, "     The deadweight serves only to tell VLCCs"},
        {9, " ++> Sorry, no help for this line..."},             {10, " ++> Sorry, no help for this line..."},
        {20, " ++> Sorry, no help for this line..."},            {25, " ++> Sorry, no help for this line..."},
        {30, " ++> Sorry, no help for this line..."},            {32, " ++> Sorry, no help for this line..."},
        {-4, " ++> Sorry, no help for this line..."},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        Int line = c.line;
        LOWVHP(SCREEN_UNIT, KBD_UNIT, line);
        EXPECT_TRUE(has(screen(), std::string(c.start))) << c.line << screen();
        EXPECT_EQ(count(screen(), kPause), 1u);
        EXPECT_EQ(line, 0);
    }
    // The full set: the twelve headings in order.
    clear_captured(SCREEN_UNIT);
    answers(std::string(12, '\n'));
    Int line = 0;
    LOWVHP(SCREEN_UNIT, KBD_UNIT, line);
    std::vector<std::string> headings;
    const std::string s = screen();
    const std::regex heading(" \\+\\+> Item Numbers? +([^\n]*)\n");
    for (auto it = std::sregex_iterator(s.begin(), s.end(), heading); it != std::sregex_iterator(); ++it)
        headings.push_back((*it)[0].str());
    EXPECT_EQ(headings, (std::vector<std::string>{
                            " ++> Item Numbers 1, 11, 21\n", " ++> Item Numbers 2->4, 12->14, 22->24\n",
                            " ++> Item Numbers 5, 15\n", " ++> Item Numbers 6, 16\n", " ++> Item Number  7\n",
                            " ++> Item Numbers 8, 18\n", " ++> Item Number  17\n", " ++> Item Number  19\n",
                            " ++> Item Number  26\n", " ++> Item Numbers 27, 28\n", " ++> Item Number  29\n",
                            " ++> Item Number  31\n"}));
    for (std::size_t p = 0, end; (end = s.find('\n', p)) != std::string::npos; p = end + 1)
        EXPECT_LE(end - p, 80u) << s.substr(p, end - p);
}

TEST_F(LoadModelPageTest, DumpWritesThePageAndTheTablesInUse) {
    TPCM.LWBARG = 1092;
    TPCM.LCBARG = 273;
    TPCM.LCOPY = 1;
    answers("");  // nothing may be read
    LOWVES("6", "Vessel");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string s = screen();
    EXPECT_EQ(count(s, kTitle), 1u);
    EXPECT_EQ(count(s, " +++ <<Current Force>> Coefficient Specification +++\n"), 1u);
    EXPECT_FALSE(has(s, "<<Wind Force>>"));
    EXPECT_FALSE(has(s, "Enter"));
    EXPECT_LT(s.find(kTitle), s.find("<<Current Force>> Coefficient"));
    EXPECT_EQ(LOWCOF.NUCRPT, 2);  // an echo raises an empty table's count
    EXPECT_EQ(LOWCOF.NUWNPT, 0);
    EXPECT_EQ(TPCM.LCOPY, 3);     // the page and the table page each end an echo page

    SetUp();
    TPCM.LCOPY = 1;
    answers("");
    LOWVES("6", "Vessel");
    EXPECT_EQ(count(screen(), "Coefficient Specification +++\n"), 2u);
    EXPECT_LT(screen().find("<<Wind Force>>"), screen().find("<<Current Force>>"));

    SetUp();
    TPCM.LWBARG = 1092;
    TPCM.LCBARG = 1092;
    TPCM.LCOPY = 1;
    answers("");
    LOWVES("6", "Vessel");
    EXPECT_FALSE(has(screen(), "Coefficient Specification"));
    EXPECT_EQ(TPCM.LCOPY, 2);
}

}  // namespace
}  // namespace brevant
