// Mooring loads from hand-made statics tables: a single layer whose tension is linear in distance (the
// energy is an exact trapezoid, the loads hand arithmetic), three equal layers (the vertical part of
// the energy and the span warnings), the perturbation modes against plain displacements, the excluded
// lines, the slack-line path of LOADUP, and VARUPD.
#include "mooring/morlib/table_mooring_force.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "mooring/catlib/vertical_lines.h"
#include "mooring/morlib/cubic_splines.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr Real kDeg = 57.295776f;

// Every argument of FMOOR2, set to the undisplaced single-layer case of one line of type 1.
struct Case {
    Real PITANG = -9, ROLANG = -9, YAWANG = -9;
    Real FG[3] = {-9, -9, -9}, TG[3] = {-9, -9, -9}, FV[3] = {-9, -9, -9}, TV[3] = {-9, -9, -9};
    Real ERGMOR = -9;
    FArray<Real, 3> RVES{};
    Real VESANG = 0, VESAN0 = 0;
    PerLine ANGDEP{}, ANGDPP{};
    Real ZVES = 0;
    FArray<Real, 3> ROTDIR_IN{};
    Real ROTVAL_DEG = 0, ROTMOD = 1;
    Int MIDLYR = 1;
    Real DLAYER = 0;
    Int NLAYER = 1;
    Real ZSPAN = 0;
    Int DRVFLG = 0;
    Mat3 EPSROT{}, TRIMHL{};
    Logical TRIMFL = 0;
    FArray<Real, 6> EPS{};
    Mat3 ASMCOR{};
    Int IOFLAG = 0, SPNERR = -7;
    FArray<Real, 29> ZDIST_ARR{};
    PerLine TOPTH{}, TOPTZ{}, TOPTT{}, TOPAN{}, BOTLIN{}, BOTAN{}, BOTTZ{}, BOTTH{}, LINERG{};
    PerLine RANC{}, RANCP{}, ZANCP{};
    FArray<Real, 3, 150> RFLD{};
    FArray<Int, 150> LINEID{};
    Int MINLN = 1, MAXLN = 1;
    Real XMCTR = 0, YMCTR = 0, ZMCTR = 0;
    Mat3 ROTVO{}, ZROTL{};
    Real ROTCTX = 0, ROTCTY = 0, ROTCTZ = 0;
    Int IEQSET = 0;
    Real DRAFT = 0;
    Int TENDON_FLG = 0;

    Case() {
        ROTDIR_IN(3) = 1.0f;
        LINEID(1) = 1;
        RANC(1) = 120.0f;
        for (Int i = 1; i <= 3; ++i) {
            EPSROT(i, i) = 1.0f;
            TRIMHL(i, i) = 1.0f;
        }
    }
    void run() {
        FMOOR2(PITANG, ROLANG, YAWANG, FG[0], FG[1], FG[2], TG[0], TG[1], TG[2], FV[0], FV[1], FV[2], TV[0], TV[1],
               TV[2], ERGMOR, RVES, VESANG, VESAN0, LINCOM.HLOD, ANGDEP, ANGDPP, ZVES, ROTDIR_IN, ROTVAL_DEG, ROTMOD,
               MIDLYR, DLAYER, NLAYER, ZSPAN, DRVFLG, EPSROT, TRIMHL, TRIMFL, EPS, ASMCOR, LINCOM.ANCDST,
               LINCOM.TOPTEN, LINCOM.BOTLEN, LINCOM.TOPANG, LINCOM.BOTANG, IOFLAG, SPNERR, LINCOM.TT_SPLINE_DERIV,
               ZDIST_ARR, TOPTH, TOPTZ, TOPTT, TOPAN, BOTLIN, BOTAN, BOTTZ, BOTTH, LINERG, RANC, RANCP, ZANCP, RFLD,
               LINEID, MINLN, MAXLN, 5, XMCTR, YMCTR, ZMCTR, LINCOM.TOTWT, TPCM.ANCHGT, ROTVO, ZROTL, ROTCTX, ROTCTY,
               ROTCTZ, 0, SCREEN_UNIT, KBD_UNIT, IEQSET, 0.0f, 0, DRAFT, TENDON_FLG);
    }
    // Three equal layers 5 apart, the middle one at the nominal height: span -5 .. 5.
    void layered() {
        NLAYER = 3;
        MIDLYR = 2;
        DLAYER = 5.0f;
        ZSPAN = 10.0f;
        for (Int l = 1; l <= 3; ++l) ZDIST_ARR(l) = static_cast<Real>(l);
    }
};

class TableMooringForce : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_all();
        // ANCDST 100 .. 140, HLOD 10 .. 90 (H = 10 + 2 (x - 100)), TOPTEN H sqrt(1.25), TOPANG atan 0.5,
        // BOTLEN 40 - x / 3.5 down to its lift-off, in each of three equal layers.
        for (Int i = 1; i <= 5; ++i) LINCOM.HLOD(i) = 20.0f * static_cast<Real>(i) - 10.0f;
        for (Int l = 1; l <= 3; ++l) {
            for (Int i = 1; i <= 5; ++i) {
                LINCOM.ANCDST(i, l, 1) = 90.0f + 10.0f * static_cast<Real>(i);
                LINCOM.TOPTEN(i, l, 1) = LINCOM.HLOD(i) * std::sqrt(1.25f);
                LINCOM.TOPANG(i, l, 1) = std::atan(0.5f);
            }
        }
        splie2(LINCOM.HLOD.data(), zdist().data(), &LINCOM.TOPTEN(1, 1, 1), 5, 3, &LINCOM.TT_SPLINE_DERIV(1, 1, 1));
    }
    void TearDown() override {
        reset_all();
        ConsoleTest::TearDown();
    }
    static void reset_all() {
        reset_tpcm();
        reset_lincom();
        reset_dummy1();
    }
    static FArray<Real, 29> zdist() {
        FArray<Real, 29> z{};
        for (Int l = 1; l <= 3; ++l) z(l) = static_cast<Real>(l);
        return z;
    }
};

TEST_F(TableMooringForce, DisplacedSingleLayerLineIsTheTrapezoid) {
    Case c;
    c.RVES(1) = -5.0f;
    c.RFLD(3, 1) = 0.0f;
    c.run();
    // The fairlead moves 5 away from the anchor: distance 125, H 60, vertical force -60 tan(a) = -30,
    // energy the integral of H from 100 to 125 (exact for a linear H).
    EXPECT_NEAR(c.TOPTH(1), 60.0f, 1e-4f);
    EXPECT_NEAR(c.TOPTZ(1), -30.0f, 1e-4f);
    EXPECT_NEAR(c.TOPTT(1), 60.0f * std::sqrt(1.25f), 1e-3f);
    EXPECT_NEAR(c.TOPAN(1), std::atan(0.5f), 1e-6f);
    EXPECT_NEAR(c.LINERG(1), 875.0f, 1e-3f);
    EXPECT_NEAR(c.ERGMOR, 875.0f, 1e-3f);
    EXPECT_NEAR(c.FG[0], 60.0f, 1e-4f);
    EXPECT_NEAR(c.FG[1], 0.0f, 1e-4f);
    EXPECT_NEAR(c.FG[2], -30.0f, 1e-4f);
    // No rotation and no heading: the vessel-axes force is the global one.
    EXPECT_NEAR(c.FV[0], 60.0f, 1e-4f);
    EXPECT_NEAR(c.FV[2], -30.0f, 1e-4f);
    EXPECT_EQ(c.SPNERR, -7);
    EXPECT_EQ(c.IOFLAG, 0);
    EXPECT_EQ(screen(), "");
}

TEST_F(TableMooringForce, MomentOfAFairleadOffTheCentre) {
    Case c;
    c.RFLD(2, 1) = 10.0f;  // fairlead at y 10, the anchor 120 along +x from it
    c.ZMCTR = 0.0f;
    c.run();
    // f = (50, 0, -25) at (0, 10, 0): r x f = (10 (-25), 0, -10 (50)).
    EXPECT_NEAR(c.FG[0], 50.0f, 1e-4f);
    EXPECT_NEAR(c.TV[0], -250.0f, 1e-3f);
    EXPECT_NEAR(c.TV[1], 0.0f, 1e-3f);
    EXPECT_NEAR(c.TV[2], -500.0f, 1e-3f);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(c.TG[k], c.TV[k], 1e-3f);
    }
    // Energy from 100 to 120.
    EXPECT_NEAR(c.ERGMOR, 600.0f, 1e-3f);
}

TEST_F(TableMooringForce, UndisplacedLinesKeepDistanceAndDirection) {
    Case c;
    c.MAXLN = 3;
    c.IEQSET = 2;
    const Real angles[3] = {30.0f, 200.0f, -90.0f};
    for (Int l = 1; l <= 3; ++l) {
        c.LINEID(l) = 1;
        c.RANC(l) = 110.0f + 5.0f * static_cast<Real>(l);
        c.ANGDEP(l) = angles[l - 1];
        c.RFLD(1, l) = 7.0f * static_cast<Real>(l);
        c.RFLD(2, l) = -3.0f;
    }
    c.run();
    for (Int l = 1; l <= 3; ++l) {
        EXPECT_NEAR(c.RANCP(l), c.RANC(l), 1e-4f);
        EXPECT_EQ(c.ZANCP(l), 0.0f);
        // The direction comes back in (-180, 180].
        const Real expected = angles[l - 1] > 180.0f ? angles[l - 1] - 360.0f : angles[l - 1];
        EXPECT_NEAR(c.ANGDPP(l), expected, 1e-3f);
        const Real H = 10.0f + 2.0f * (c.RANC(l) - 100.0f);
        EXPECT_NEAR(c.TOPTH(l), H, 1e-4f);
    }
    EXPECT_NEAR(c.PITANG, 0.0f, 1e-7f);
    EXPECT_NEAR(c.ROLANG, 0.0f, 1e-7f);
    EXPECT_NEAR(c.YAWANG, 0.0f, 1e-7f);
}

TEST_F(TableMooringForce, WordsThatNameNoLineTypeLeaveTheLineOut) {
    for (const Int word : {1024, 1025, 2049}) {
        Case c;
        c.LINEID(1) = word;
        c.IEQSET = 2;
        c.ANGDEP(1) = 45.0f;
        c.RVES(1) = -5.0f;
        c.TOPTH(1) = c.TOPTT(1) = c.LINERG(1) = 3.0f;
        c.run();
        EXPECT_EQ(c.TOPTH(1), 0.0f) << word;
        EXPECT_EQ(c.TOPTT(1), 0.0f) << word;
        EXPECT_EQ(c.LINERG(1), 0.0f) << word;
        EXPECT_EQ(c.FG[0], 0.0f) << word;
        EXPECT_EQ(c.ERGMOR, 0.0f) << word;
        EXPECT_EQ(c.RANCP(1), 120.0f) << word;
        EXPECT_EQ(c.ZANCP(1), 0.0f) << word;
        EXPECT_EQ(c.ANGDPP(1), 45.0f) << word;
    }
}

TEST_F(TableMooringForce, RotationAboutTheVerticalCarriesTheFairlead) {
    Case c;
    c.RFLD(1, 1) = 10.0f;
    c.ROTVAL_DEG = 90.0f;
    c.IEQSET = 2;
    c.run();
    // (10, 0) turns to (0, 10): the fairlead moved by (-10, 10), the anchor at (130, 0) lies at
    // (130, -10) from it.
    EXPECT_NEAR(c.RANCP(1), std::sqrt(130.0f * 130.0f + 100.0f), 1e-3f);
    EXPECT_NEAR(c.ANGDPP(1), std::atan2(-10.0f, 130.0f) * kDeg, 1e-3f);
    EXPECT_NEAR(c.YAWANG, std::asin(1.0f), 1e-3f);
    // The vessel-axes force is the global one turned back by 90 degrees.
    EXPECT_NEAR(c.FV[0], c.FG[1], 1e-3f);
    EXPECT_NEAR(c.FV[1], -c.FG[0], 1e-3f);
}

// Mode 1 (vessel axes) and mode 2 (global axes) with no small rotation shift the fairlead by EPS,
// exactly as a translation of the vessel does.
TEST_F(TableMooringForce, PerturbationByATranslationMatchesTheDisplacement) {
    struct Mode {
        Int DRVFLG;
        Logical TRIMFL;
    };
    for (const Mode m : {Mode{1, 0}, Mode{1, 1}, Mode{2, 0}}) {
        Case moved;
        moved.RFLD(2, 1) = 4.0f;
        moved.RVES(1) = -3.0f;
        moved.RVES(2) = 2.0f;
        moved.run();
        Case perturbed;
        perturbed.RFLD(2, 1) = 4.0f;
        perturbed.DRVFLG = m.DRVFLG;
        perturbed.TRIMFL = m.TRIMFL;
        perturbed.EPS(1) = -3.0f;
        perturbed.EPS(2) = 2.0f;
        perturbed.run();
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(perturbed.FG[k], moved.FG[k], 1e-3f) << m.DRVFLG;
            EXPECT_NEAR(perturbed.FV[k], moved.FV[k], 1e-3f) << m.DRVFLG;
        }
        EXPECT_NEAR(perturbed.ERGMOR, moved.ERGMOR, 1e-2f);
    }
}

TEST_F(TableMooringForce, ModeThreeRestartsAndAccumulatesTheCorrection) {
    Case c;
    c.DRVFLG = 3;
    c.RFLD(1, 1) = 3.0f;
    c.RFLD(2, 1) = 4.0f;
    c.ANGDEP(1) = 90.0f;
    c.ASMCOR.fill(11.0f);
    c.run();
    const Real v[3] = {c.FV[0], c.FV[1], c.FV[2]};
    const Real r0[3] = {3.0f, 4.0f, 0.0f};
    const Real s = v[0] * r0[0] + v[1] * r0[1] + v[2] * r0[2];
    for (Int i = 1; i <= 3; ++i) {
        for (Int j = 1; j <= 3; ++j) {
            const Real expected = v[i - 1] * r0[j - 1] - (i == j ? s : 0.0f);
            EXPECT_NEAR(c.ASMCOR(i, j), expected, 1e-3f) << i << "," << j;
        }
    }
    // Any other mode leaves the caller's matrix alone.
    Case other;
    other.ASMCOR.fill(11.0f);
    other.run();
    EXPECT_EQ(other.ASMCOR(2, 3), 11.0f);
}

TEST_F(TableMooringForce, RisingThroughTheLayersAddsTheVerticalWork) {
    Case c;
    c.layered();
    c.ZVES = 2.0f;
    c.run();
    // Identical layers: H 50 at 120 and a vertical force -25 at every height; the fairlead lies 7
    // above layer 1, so the energy gains 7 x 25 over the 600 along layer 1.
    EXPECT_NEAR(c.TOPTH(1), 50.0f, 1e-4f);
    EXPECT_NEAR(c.TOPTZ(1), -25.0f, 1e-4f);
    EXPECT_NEAR(c.TOPTT(1), 50.0f * std::sqrt(1.25f), 1e-3f);  // from the bicubic spline
    EXPECT_NEAR(c.ERGMOR, 775.0f, 1e-3f);
    EXPECT_EQ(c.SPNERR, -7);
}

const std::string kClosing =
    "     the bounds of the specified vertical interpolation span.\n"
    "     This may lead to interpolation errors. Consider increasing\n"
    "     the vertical interpolation span.\n\n";

TEST_F(TableMooringForce, RotationCarriesASecondFairleadOutOfTheSpan) {
    Case c;
    c.layered();
    c.MAXLN = 3;
    for (Int l = 1; l <= 3; ++l) {
        c.LINEID(l) = 1;
        c.RANC(l) = 120.0f;
    }
    c.RFLD(1, 2) = 50.0f;
    c.RFLD(1, 3) = 60.0f;
    c.ROTDIR_IN(2) = 1.0f;
    c.ROTDIR_IN(3) = 0.0f;
    c.ROTVAL_DEG = 8.0f;
    answers("\n");
    c.run();
    const std::string expected =
        "\n ++> Warning: A rotation of amount   8.0 degrees about direction\n"
        "     (  .0, 1.0,  .0) has carried fairlead number  2 outside \n" +
        kClosing;
    EXPECT_EQ(screen().substr(0, expected.size()), expected);
    EXPECT_NE(screen().find("Enter \"A\" to abort"), std::string::npos);
    EXPECT_EQ(testing::count_of(screen(), "Warning"), 1u);
    EXPECT_EQ(c.SPNERR, 3);  // the last line out of span, without a warning of its own
    EXPECT_EQ(c.IOFLAG, 99);
    EXPECT_NEAR(c.PITANG, 8.0f / kDeg, 1e-5f);
    // Line 1 on the axis stays inside; line 2 sank 50 sin 8 below the nominal height.
    c.IEQSET = 2;
    c.run();  // IOFLAG 99 now: no warning, no question
    EXPECT_NEAR(c.ZANCP(2), -50.0f * std::sin(8.0f / kDeg), 1e-3f);
    EXPECT_EQ(testing::count_of(screen(), "Warning"), 1u);
}

TEST_F(TableMooringForce, TheSpanWarningHasThreeForms) {
    struct Row {
        Real ZVES, ROTVAL_DEG;
        std::string text;
    };
    const Row rows[] = {
        {6.5f, 0.0f,
         "\n ++> Warning: A vertical translation of amount     6.50 has carried\n"
         "     fairlead number  1 outside the bounds of the specified vertical\n"
         "     interpolation span. This may lead to interpolation errors.\n"
         "     Consider increasing the vertical interpolation span.\n\n"},
        {-6.0f, 0.5f,
         "\n ++> Warning: A vertical translation of amount    -6.00\n"
         "     plus a rotation of amount    .5 degrees about direction\n"
         "     (  .0,  .0, 2.0) has carried fairlead number  1 outside \n" +
             kClosing},
    };
    for (const Row& row : rows) {
        testing::ConsoleTest::SetUp();
        Case c;
        c.layered();
        c.ZVES = row.ZVES;
        c.ROTVAL_DEG = row.ROTVAL_DEG;
        c.ROTMOD = 2.0f;
        answers("\n");
        c.run();
        EXPECT_EQ(screen().substr(0, row.text.size()), row.text);
        EXPECT_EQ(c.SPNERR, 1);
    }
}

TEST_F(TableMooringForce, TendonsWarnOnlyBelowTheSpan) {
    for (const Real z : {6.0f, -6.0f}) {
        testing::ConsoleTest::SetUp();
        Case c;
        c.layered();
        c.TENDON_FLG = 1;
        c.ZVES = z;
        answers("\n");
        c.run();
        EXPECT_EQ(c.IOFLAG, 99);
        EXPECT_EQ(c.SPNERR, 1);
        EXPECT_EQ(screen().find("Warning") != std::string::npos, z < 0.0f) << z;
    }
}

TEST_F(TableMooringForce, AbortAtTheSpanWarningEndsTheRun) {
    Case c;
    c.layered();
    c.ZVES = 9.0f;
    answers("A\n");
    try {
        c.run();
        FAIL() << "the run went on";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.status, 1);
    }
}

// A table whose horizontal tension is 0 at the first point: the line there hangs vertically.
TEST_F(TableMooringForce, SlackLineHangsVertically) {
    LINCOM.HLOD(1) = 0.0f;
    TPCM.TLOAD = 50.0f;
    TPCM.NELEM(1) = 1;
    TPCM.SLEN(1, 1) = 200.0f;
    TPCM.WETWT(1, 1) = 0.5f;
    TPCM.ALPHA(1, 1, 1) = 2e-4f;
    TPCM.ANCHGT(1) = 205.0f;
    LINCOM.TOTWT(1) = 100.0f;
    const auto z = zdist();
    Real DELZ = 0, DELLAY = -1, RFORCE = -1, TTTMP = 0, FGZTMP = 0, TOPANQ = 0, BTANGQ = -1, BTLENQ = -1;
    Int MIN = 0, ILAYER = 0;
    LOADUP(100.0f, 0.0f, 0.0f, 0.0f, 1, 1, 0.0f, 1, 0.0f, 5, LINCOM.HLOD, TPCM.ANCHGT, LINCOM.TOTWT, LINCOM.ANCDST,
           LINCOM.TOPTEN, LINCOM.BOTLEN, LINCOM.TOPANG, LINCOM.BOTANG, DELZ, MIN, DELLAY, LINCOM.TT_SPLINE_DERIV, z,
           RFORCE, TTTMP, FGZTMP, TOPANQ, BTANGQ, BTLENQ, ILAYER, SCREEN_UNIT, KBD_UNIT);
    // 200 of line hangs (100 + 2e-4 100^2 / 2) / 0.5 = 202; the 3 left over stretch it with a bottom
    // tension of 75, so the fairlead carries 175.
    EXPECT_EQ(RFORCE, 0.0f);
    EXPECT_EQ(DELZ, 205.0f);
    EXPECT_NEAR(TTTMP, 175.0f, 1e-3f);
    EXPECT_NEAR(FGZTMP, -175.0f, 1e-3f);
    EXPECT_EQ(BTLENQ, 0.0f);
    EXPECT_EQ(screen(), "");
}

// Bottom length 30, 20, 0, 0, 0 at 100 .. 140 (lift-off at 120): inside the interval past the
// lift-off the length continues the slope of the interval before it, raised to 0.
TEST_F(TableMooringForce, LiftOffTakesTheNeighbouringIntervals) {
    const Real bl[5] = {30.0f, 20.0f, 0.0f, 0.0f, 0.0f};
    const Real ba[5] = {0.0f, 0.0f, 0.0f, 0.1f, 0.3f};
    for (Int i = 1; i <= 5; ++i) {
        LINCOM.BOTLEN(i, 1, 1) = bl[i - 1];
        LINCOM.BOTANG(i, 1, 1) = ba[i - 1];
    }
    const auto z = zdist();
    struct Row {
        Real x, len, ang;
    };
    // 115 lies in the lift-off interval 2: the length continues interval 1 (20 - 5), the angle continues
    // interval 3 (0 - 0.01 x 5, raised to 0); 105 lies in an ordinary interval.
    for (const Row r : {Row{115.0f, 18.0f - 3.0f, 0.0f}, Row{105.0f, 25.0f, 0.0f}}) {
        Real DELZ = 0, DELLAY = -1, RFORCE = -1, TTTMP = 0, FGZTMP = 0, TOPANQ = 0, BTANGQ = -1, BTLENQ = -1;
        Int MIN = 0, ILAYER = 0;
        LOADUP(r.x, 0.0f, 0.0f, 0.0f, 1, 1, 0.0f, 1, 0.0f, 5, LINCOM.HLOD, TPCM.ANCHGT, LINCOM.TOTWT, LINCOM.ANCDST,
               LINCOM.TOPTEN, LINCOM.BOTLEN, LINCOM.TOPANG, LINCOM.BOTANG, DELZ, MIN, DELLAY, LINCOM.TT_SPLINE_DERIV,
               z, RFORCE, TTTMP, FGZTMP, TOPANQ, BTANGQ, BTLENQ, ILAYER, SCREEN_UNIT, KBD_UNIT);
        EXPECT_NEAR(BTLENQ, r.len, 1e-4f) << r.x;
        EXPECT_NEAR(BTANGQ, r.ang, 1e-6f) << r.x;
    }
}

TEST_F(TableMooringForce, VarupdTurnsADisplacementIntoTheInputs) {
    FArray<Real, 6> x{};
    const Real in[6] = {1, 2, 3, 0, 0, 0.1f};
    for (Int k = 1; k <= 6; ++k) x(k) = in[k - 1];
    FArray<Real, 3> RVES{}, ROTDIR{};
    RVES(3) = 77.0f;
    Real ZCG = 0, VESANG = 9, ROTVAL = 0, ROTMOD = 0;
    VARUPD(x, RVES, ZCG, VESANG, 0.25f, ROTDIR, ROTVAL, ROTMOD);
    EXPECT_EQ(RVES(1), 1.0f);
    EXPECT_EQ(RVES(2), 2.0f);
    EXPECT_EQ(RVES(3), 77.0f);
    EXPECT_EQ(ZCG, 3.0f);
    EXPECT_EQ(VESANG, 0.25f);
    EXPECT_EQ(ROTDIR(1), 0.0f);
    EXPECT_EQ(ROTDIR(2), 0.0f);
    EXPECT_EQ(ROTDIR(3), 1.0f);
    EXPECT_NEAR(ROTVAL, 5.729578f, 1e-5f);
    EXPECT_EQ(ROTMOD, 1.0f);

    x(6) = 0.0f;
    VARUPD(x, RVES, ZCG, VESANG, 0.25f, ROTDIR, ROTVAL, ROTMOD);
    EXPECT_EQ(ROTDIR(1), 1.0f);
    EXPECT_EQ(ROTDIR(2), 0.0f);
    EXPECT_EQ(ROTDIR(3), 0.0f);
    EXPECT_EQ(ROTVAL, 0.0f);
}

}  // namespace
}  // namespace brevant
