// The help facility on scripted answers: the line-material calculator against its table, its menus
// and notes pages, the help menu of a subline, and the taut-line length of the fairlead subline
// against the hanging-line integral solved in double here.
#include "mooring/help_facility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "mooring/curve_fit.h"
#include "records/data_image.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

class HelpFacility : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_all();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
    }
    void TearDown() override {
        reset_all();
        ConsoleTest::TearDown();
    }
    static void reset_all() {
        reset_tpcm();
        reset_dummy2();
        reset_fitcrv();
    }
    struct Result {
        Real WLNGTH = -7.0f;
        Real ALPHA[3] = {-7.0f, -7.0f, -7.0f};
    };
    Result help(Int IFLAG, Int NUNTS, Real OD, const std::string& script) {
        answers(script);
        Result r;
        HELP(r.WLNGTH, r.ALPHA, NUNTS, OD, IFLAG, SCREEN_UNIT, KBD_UNIT);
        return r;
    }
};

TEST_F(HelpFacility, MaterialEstimates) {
    struct Row {
        Int IFLAG, NUNTS;
        Real OD;
        std::string script;  // medium (flag 0), source (flag 1), then the type
        double expected;
    };
    const Row rows[] = {
        {0, 0, 2.5f, "3\n6\n", 0.009628192},  // sea water, IWRC wire rope
        {0, 0, 2.5f, "1\n6\n", 0.0116},       // in air: the dry weight 0.001 1.856 2.5^2
        {3, 0, 2.5f, "6\n", 0.0116},
        {2, 0, 2.5f, "7\n", 756.096},
        {2, 0, 3.0f, "1\n", 970.2},            // 107.8 x 3^2
        {1, 1, 60.0f, "2\n12\n", 81.19048},    // 178.9438 kips in metric tons
        {3, 1, 40.0f, "11\n", 0.00096096},     // 0.001 0.26 40^2 0.00231
        {0, 1, 40.0f, "2\n11\n", 0.00096096 * (1.42 - 1.0) / 1.42},
        {2, 1, 76.0f, "1\n", 437.8919},       // 107.8 (76 / 25.4)^2 = 965.1138 kips in metric tons
    };
    for (const Row& r : rows) {
        testing::ConsoleTest::SetUp();
        const Result got = help(r.IFLAG, r.NUNTS, r.OD, r.script);
        EXPECT_NEAR(got.WLNGTH, r.expected, 1e-5 * r.expected) << r.IFLAG << " " << r.script;
    }
}

TEST_F(HelpFacility, BuiltInComplianceCoefficients) {
    const Result nylon = help(1, 1, 60.0f, "2\n12\n");
    EXPECT_NEAR(nylon.ALPHA[0], 0.009988856f, 1e-5f * 0.009988856f);
    EXPECT_NEAR(nylon.ALPHA[1], -8.860067e-05f, 1e-5f * 8.860067e-05f);
    EXPECT_NEAR(nylon.ALPHA[2], 2.877385e-07f, 1e-5f * 2.877385e-07f);

    testing::ConsoleTest::SetUp();
    const Result chain = help(1, 0, 3.0f, "2\n4\n");
    EXPECT_EQ(chain.ALPHA[0], 0.0f);
    EXPECT_EQ(chain.ALPHA[1], 0.0f);
    EXPECT_EQ(chain.ALPHA[2], 0.0f);

    // Generic chain, metric: 0.00948 / 965.1138 kips, per metric ton.
    testing::ConsoleTest::SetUp();
    const Result metric_chain = help(1, 1, 76.0f, "2\n1\n");
    EXPECT_NEAR(metric_chain.ALPHA[0], 2.164918e-5f, 1e-5f * 2.164918e-5f);
    EXPECT_EQ(metric_chain.ALPHA[1], 0.0f);

    // Wire rope: one coefficient, ELAS / TB in English units.
    testing::ConsoleTest::SetUp();
    const Result wire = help(1, 0, 2.0f, "2\n6\n");
    EXPECT_NEAR(wire.ALPHA[0], 0.013f / (91.9f * 4.0f), 1e-10f);
    EXPECT_EQ(wire.ALPHA[1], 0.0f);
}

TEST_F(HelpFacility, TypeMenuLayoutAndUnofferedSlots) {
    const Result r = help(2, 0, 2.0f, "5\n9\n10\n17\n\n");
    EXPECT_EQ(r.WLNGTH, -7.0f);
    EXPECT_EQ(testing::count_of(screen(), "***  Help for breaking strengths  ***"), 5u);
    const std::string menu =
        "***  Help for breaking strengths  ***\n\n"
        "        >>> Chain Types <<<\n\n"
        "  1) Stud-link chain (generic O.R.Q.; 1975)\n"
        "  2) Stud-link chain (Ramnas  O.R.Q.; 1994)\n"
        "  3) Studless Grade RQ4 Chain\n"
        "  4) Inextensible stud-link chain\n\n"
        "        >>> Wire Rope Types <<<\n\n"
        "  6) I.W.R.C. wire rope (O.R.Q.)\n"
        "  7) Brydon spiral strand wire rope (unsheathed)\n"
        "  8) Brydon spiral strand wire rope (unsheathed; remodeled 1995)\n\n"
        "        >>> Synthetic Rope Types <<<\n\n"
        " 11) Kevlar stranded rope (Samson)\n"
        " 12) Braided nylon rope (Samson \"two-in-one\")\n"
        " 13) Samson Nystron rope\n"
        " 14) Vermeire 100% polyester braided rope\n"
        " 15) Vermeire \"Monogrip\" 100% polypropylene rope\n"
        " 16) Vermeire manilla rope\n\n";
    EXPECT_EQ(screen().substr(0, menu.size()), menu);
}

TEST_F(HelpFacility, QuestionMarkShowsOneNoteOrTheSorryLine) {
    help(2, 0, 2.0f, "?12\n\n?5\n\n\n");
    const std::string s = screen();
    EXPECT_NE(s.find("****  Material Properties Help Notes  ****\n\n ++> Item Number  12\n"
                     "     Data from Samson for wet rope (ca 1983).\n"),
              std::string::npos);
    EXPECT_EQ(s.find("Item Number  11"), std::string::npos);
    EXPECT_NE(s.find(" ++> Item Number  5\n ++> Sorry, no help for this line...\n"), std::string::npos);
    // After each note the type menu again, under the same header.
    EXPECT_EQ(testing::count_of(s, "***  Help for breaking strengths  ***"), 3u);
}

TEST_F(HelpFacility, WholeNotesPagesWaitOncePerScreen) {
    answers("\n\n\n\n");
    HHLP3(SCREEN_UNIT, KBD_UNIT, 0);
    EXPECT_EQ(testing::count_of(screen(), "Press <RETURN> to continue: "), 4u);
    EXPECT_EQ(testing::count_of(screen(), " ++> Item Number  "), 13u);
    EXPECT_NE(screen().find("     Studless Grade RQ4 Chain from 1993 Vicinay Cadenas, S.A."), std::string::npos);

    testing::ConsoleTest::SetUp();
    answers("\n");
    HHLP2(SCREEN_UNIT, KBD_UNIT, 0);
    EXPECT_NE(screen().find(" ++> Item Numbers 1 -> 3\n     Weight per unit length will be estimated from the"),
              std::string::npos);
    testing::ConsoleTest::SetUp();
    answers("\n");
    HHLP2(SCREEN_UNIT, KBD_UNIT, 4);
    EXPECT_NE(screen().find(" ++> Sorry, no help for this line..."), std::string::npos);

    testing::ConsoleTest::SetUp();
    answers("\n");
    HHLP1(SCREEN_UNIT, KBD_UNIT, 0);
    EXPECT_EQ(testing::count_of(screen(), "Press <RETURN> to continue: "), 1u);
    EXPECT_NE(screen().find("Hooke's law (linear stress-strain characteristic)"), std::string::npos);
    EXPECT_NE(screen().find("in simulation-consistent units (kips or metric tons)"), std::string::npos);
}

TEST_F(HelpFacility, LeavingAMenuKeepsTheResults) {
    for (const Int flag : {0, 1, 2, 3}) {
        testing::ConsoleTest::SetUp();
        const Result r = help(flag, 0, 2.0f, "\n\n");
        EXPECT_EQ(r.WLNGTH, -7.0f) << flag;
        EXPECT_EQ(r.ALPHA[0], -7.0f) << flag;
    }
    // The user-specified curve hands over to the curve fit; "-1" there leaves ALPHA as it was.
    testing::ConsoleTest::SetUp();
    const Result r = help(1, 0, 2.0f, "1\n-1\n");
    EXPECT_EQ(r.ALPHA[0], -7.0f);
    EXPECT_NE(screen().find("Enter number of data points (max 20, min 4; -1 to abort): "), std::string::npos);
}

TEST_F(HelpFacility, ClosedKeyboardEndsTheDialogue) {
    try {
        help(1, 0, 2.0f, "2\n");  // the source menu answered, then nothing more at the type menu
        FAIL() << "the dialogue went on without input";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.status, 1);
    }
}

// ---- the help menu of a subline ----

TEST_F(HelpFacility, NoDiameterNoHelp) {
    for (const Real diam : {0.0f, -1.0f}) {
        testing::ConsoleTest::SetUp();
        answers("\n");
        Real d = diam, wet = 1, dry = 2, tb = 3, alpha[3] = {4, 5, 6};
        HELPUS(d, wet, dry, tb, alpha, 1);
        EXPECT_NE(screen().find("****  Simulation Help Facility  ****"), std::string::npos);
        EXPECT_NE(screen().find(" ++> Subline diameter must be input to obtain help."), std::string::npos);
        EXPECT_EQ(screen().find(" 1) HELP with"), std::string::npos);
    }
}

TEST_F(HelpFacility, MenuItemTwoSetsTheBreakingStrength) {
    answers("2\n7\n\n");
    Real d = 2.5f, wet = 1, dry = 2, tb = 3, alpha[3] = {4, 5, 6};
    HELPUS(d, wet, dry, tb, alpha, 1);
    EXPECT_NEAR(tb, 756.096f, 756.096f * 1e-5f);
    EXPECT_EQ(wet, 1.0f);
    EXPECT_EQ(dry, 2.0f);
    EXPECT_EQ(alpha[0], 4.0f);
    EXPECT_EQ(testing::count_of(screen(), "****  Simulation Help Facility  ****"), 2u);
    EXPECT_NE(screen().find(" 5) Fairlead subline length for specified tautwire tension..."), std::string::npos);
}

TEST_F(HelpFacility, MenuItemsOneThreeFourFillTheirOwnWords) {
    answers("1\n3\n6\n3\n2\n6\n4\n6\n\n");
    Real d = 2.5f, wet = 1, dry = 2, tb = 3, alpha[3] = {4, 5, 6};
    HELPUS(d, wet, dry, tb, alpha, 1);
    EXPECT_NEAR(wet, 0.009628192f, 1e-9f);
    EXPECT_NEAR(dry, 0.0116f, 1e-8f);
    EXPECT_NEAR(alpha[0], 0.013f / (91.9f * 6.25f), 1e-10f);
    EXPECT_EQ(tb, 3.0f);  // the compliance help writes only ALPHA
}

TEST_F(HelpFacility, CreatorSevenHasNoTautLineItem) {
    TPCM.SIMTYP = 7;
    answers("5\n?\n\n\n\n");
    Real d = 2.5f, wet = 1, dry = 2, tb = 3, alpha[3] = {4, 5, 6};
    HELPUS(d, wet, dry, tb, alpha, 1);
    EXPECT_EQ(screen().find(" 5) Fairlead"), std::string::npos);
    EXPECT_EQ(screen().find("REQUIRES"), std::string::npos);
    // The notes: items 1 to 4 on two screens, no item 5.
    EXPECT_NE(screen().find(" ++> Item Number  4"), std::string::npos);
    EXPECT_EQ(screen().find(" ++> Item Number  5"), std::string::npos);
    EXPECT_EQ(testing::count_of(screen(), "****  Simulation Help Facility  ****"), 3u);
}

TEST_F(HelpFacility, NotesOfTheMenu) {
    answers("\n\n\n");
    MTLHLP(SCREEN_UNIT, KBD_UNIT, 0, 16);
    EXPECT_EQ(testing::count_of(screen(), "Press <RETURN> to continue: "), 3u);
    EXPECT_NE(screen().find("     This item is normally used for taut-wire or tension-leg"), std::string::npos);
    EXPECT_NE(screen().find("ALL weights and elastic"), std::string::npos);
    for (const Int line : {5, 6, -2}) {
        testing::ConsoleTest::SetUp();
        answers("\n");
        MTLHLP(SCREEN_UNIT, KBD_UNIT, line, 7);
        EXPECT_NE(screen().find(" ++> Sorry, no help for this line..."), std::string::npos) << line;
    }
    testing::ConsoleTest::SetUp();
    answers("\n");
    MTLHLP(SCREEN_UNIT, KBD_UNIT, 2, 7);
    EXPECT_NE(screen().find(" ++> Item Number  2\n     Breaking strength will be estimated for the specified"),
              std::string::npos);
}

// ---- the fairlead subline of a taut vertical line ----

struct Subline {
    double w, a1;
};

// The stretched height of a hanging piece of weight w per unit length and strain a1 T whose tension
// runs from Tbot to Ttop: the integral of (1 + a1 T) dT / w.
double hanging_height(Subline s, double Ttop, double Tbot) {
    return (Ttop - Tbot + s.a1 * (Ttop * Ttop - Tbot * Tbot) / 2.0) / s.w;
}

class TautLine : public HelpFacility {
protected:
    void SetUp() override {
        HelpFacility::SetUp();
        TPCM.LODTYP = 2;
        TPCM.LINTYP(1, 1) = 3;
        TPCM.RFLD(3, 3) = 22.0f;
        TPCM.DRAFT = 12.0f;
        TPCM.ANCHGT(1) = 390.0f;
        TPCM.HTENS(3) = 200.0f;
        TPCM.NELEM(1) = 2;
        TPCM.SLEN(1, 1) = 99.0f;
        TPCM.SLEN(2, 1) = 150.0f;
        TPCM.WETWT(1, 1) = 0.05f;
        TPCM.WETWT(2, 1) = 0.6f;
        TPCM.ALPHA(1, 1, 1) = 4e-4f;
        TPCM.ALPHA(1, 2, 1) = 5e-5f;
    }
};

TEST_F(TautLine, ElasticLineSpansTheHeightExactly) {
    // Solve height(L1) = 400 in double by bisection: the fairlead subline from 200 down to
    // 200 - 0.05 L1, the lower one a further 90 down.
    const Subline top{0.05, 4e-4}, low{0.6, 5e-5};
    auto height = [&](double L1) {
        const double Tmid = 200.0 - top.w * L1;
        return hanging_height(top, 200.0, Tmid) + hanging_height(low, Tmid, Tmid - 150.0 * low.w);
    };
    double lo = 0.0, hi = 400.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (height(mid) < 400.0 ? lo : hi) = mid;
    }
    TENDNDP(1);
    EXPECT_NEAR(TPCM.SLEN(1, 1), lo, 1e-4);
    EXPECT_NEAR(TPCM.SLEN(1, 1), 230.97929f, 1e-4f);
    EXPECT_EQ(TPCM.SLEN(2, 1), 150.0f);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(DUMMY2.ITYP, 1);
    EXPECT_EQ(DUMMY2.DELTAZ, 400.0);
}

TEST_F(TautLine, RigidLineTakesTheHeightLessTheOtherSublines) {
    TPCM.ALPHA(1, 1, 1) = 0.0f;
    TPCM.ALPHA(1, 2, 1) = 0.0f;
    answers("\n");
    TENDNDP(1);
    EXPECT_EQ(TPCM.SLEN(1, 1), 250.0f);
    EXPECT_NE(screen().find(" ++> WARNING: This line type is totally inelastic..."), std::string::npos);
}

TEST_F(TautLine, NoPositiveLengthIsRefused) {
    TPCM.ALPHA(1, 1, 1) = 0.0f;
    TPCM.ALPHA(1, 2, 1) = 0.0f;
    TPCM.SLEN(2, 1) = 450.0f;
    answers("\n\n");
    TENDNDP(1);
    EXPECT_EQ(TPCM.SLEN(1, 1), 99.0f);
    EXPECT_NE(screen().find(" ++> WARNING: No positive fairlead subline length fits this line type.\n"),
              std::string::npos);
    EXPECT_NE(screen().find("Press <RETURN> to continue: "), std::string::npos);
}

// Sublines below the fairlead longer than the height on an elastic line: the residual keeps one sign
// over the first interval, the search reports it and waits for a key; nothing is stored.
TEST_F(TautLine, SearchWithoutABracketLeavesTheLength) {
    TPCM.SLEN(2, 1) = 450.0f;
    answers("\n");
    TENDNDP(1);
    EXPECT_EQ(TPCM.SLEN(1, 1), 99.0f);
    EXPECT_NE(screen().find(" ++> Bounds error in TENDON \n\n Press <Return> to Continue...\n"), std::string::npos);
}

// A line type that no line uses has no fairlead and no pretension to work from.
TEST_F(TautLine, TypeWithoutALineIsRefused) {
    TPCM.LINTYP(1, 1) = 0;
    answers("\n");
    TENDNDP(1);
    EXPECT_EQ(TPCM.SLEN(1, 1), 99.0f);
    EXPECT_NE(screen().find(" ++> WARNING: No line of this line type has been entered."), std::string::npos);
}

TEST_F(TautLine, WarningsOfferToAbandon) {
    struct Row {
        Int LODTYP;
        Real HTENS;
        std::string answer, warning;
        Real expected;
    };
    const Row rows[] = {
        {1, 200.0f, "A\n", " ++> WARNING: Pretension specification must be determined by \n"
                           "     fairlead tension for the exercise of this help option...\n", 99.0f},
        {2, 0.0f, "a\n", " ++> WARNING: The specified pretension for this line type is not positive\n", 99.0f},
        // Going on past the wrong kind of pretension: the length is found all the same.
        {1, 200.0f, "\n", " ++> WARNING: Pretension specification must be determined by ", 230.97929f},
    };
    for (const Row& r : rows) {
        testing::ConsoleTest::SetUp();
        TPCM.LODTYP = r.LODTYP;
        TPCM.HTENS(3) = r.HTENS;
        TPCM.SLEN(1, 1) = 99.0f;
        answers(r.answer);
        TENDNDP(1);
        EXPECT_NEAR(TPCM.SLEN(1, 1), r.expected, 1e-4f) << r.answer;
        EXPECT_NE(screen().find(r.warning), std::string::npos) << r.answer;
    }
}

TEST_F(TautLine, MenuItemFiveShowsTheRequirementsFirst) {
    answers("5\nA\n\n");
    Real d = 2.5f, wet = 1, dry = 2, tb = 3, alpha[3] = {4, 5, 6};
    HELPUS(d, wet, dry, tb, alpha, 1);
    EXPECT_EQ(TPCM.SLEN(1, 1), 99.0f);
    EXPECT_NE(screen().find(" ++> The requested computation REQUIRES the following data:\n\n"
                            "     1. Submerged weights for ALL sublines of this type\n"),
              std::string::npos);
    EXPECT_NE(screen().find(" The calculation will fail if any data is missing or incorrect."), std::string::npos);

    testing::ConsoleTest::SetUp();
    answers("5\n\n\n");
    HELPUS(d, wet, dry, tb, alpha, 1);
    EXPECT_NEAR(TPCM.SLEN(1, 1), 230.97929f, 1e-4f);
}

TEST_F(TautLine, WeightlessSublineStretchesUniformly) {
    DUMMY2.ITYP = 2;
    TPCM.NELEM(2) = 1;
    DUMMY2.WETWDP(1) = 0.0;
    DUMMY2.ALPHDP(1, 1) = 1e-3;
    DUMMY2.TOPTEN = 100.0;
    DUMMY2.DELTAZ = 60.0;
    // 50 (1 + 1e-3 100) = 55.
    EXPECT_NEAR(DVSTER(50.0), 5.0, 1e-12);
    EXPECT_EQ(DUMMY2.SLENDP(1), 50.0);
}

}  // namespace
}  // namespace brevant
