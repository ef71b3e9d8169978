// Free-surface correction of a horizontal member's added mass: the series, the map functions, the
// factor, the limit of the centre draft parameter and the failures of the map search.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "edlib/members/surface_correction.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;

TEST(SurfaceSeries, StopsAfterTheFirstSmallTermAndCountsIt) {
    Real SUM = 0.0f;
    Real ERVAL = 0.0f;
    Int IER = -1;
    DUMSUM(SUM, 0.5f, 1, 1.0E-6f, 100000, IER, ERVAL, 1.0f);
    EXPECT_EQ(IER, 0);
    // The same series in double precision, stopping by the same rule.
    double expected = 0.0;
    double last = 0.0;
    for (int n = 1;; ++n) {
        const double p = std::pow(0.5, n);
        last = n * p * (1.0 + p) / (1.0 - p);
        expected += last;
        if (std::fabs(last) <= 1.0e-6) break;
    }
    EXPECT_NEAR(SUM, expected, 1e-5);
    EXPECT_NEAR(ERVAL, last, 1e-9);
    EXPECT_LE(std::fabs(ERVAL), 1.0E-6f);
}

TEST(SurfaceSeries, TheTermLimitReturnsTheFirstTermWithIer1) {
    Real SUM = 0.0f;
    Real ERVAL = 0.0f;
    Int IER = 0;
    DUMSUM(SUM, 0.5f, 1, 1.0E-6f, 1, IER, ERVAL, 1.0f);
    EXPECT_EQ(IER, 1);
    EXPECT_FLOAT_EQ(SUM, 1.5f);  // 1 x 0.5 x 1.5 / 0.5
    EXPECT_FLOAT_EQ(ERVAL, 1.5f);
    // A negative sign flips the ratio's sign in the fraction: 0.5 x 0.5 / 1.5.
    DUMSUM(SUM, 0.5f, 1, 1.0E-6f, 1, IER, ERVAL, -1.0f);
    EXPECT_FLOAT_EQ(SUM, 0.5f * 0.5f / 1.5f);
    // Higher powers: 1 x 0.5^2 x 1.5 / 0.5.
    DUMSUM(SUM, 0.5f, 2, 1.0E-6f, 1, IER, ERVAL, 1.0f);
    EXPECT_FLOAT_EQ(SUM, 0.75f);
}

TEST(SurfaceMap, ThicknessAndWidthOfTheCircle) {
    for (Real d2 : {4.0f, 9.0f, 100.0f}) {
        EXPECT_EQ(THICK(0.0f, d2), 2.0f);
        EXPECT_EQ(WIDE(0.0f, d2), 2.0f);
    }
    // The second parameter vanishes when the first equals the centre draft parameter.
    EXPECT_EQ(C1FUN(5.0f, 25.0f, 5.0f), 0.0f);
    EXPECT_FLOAT_EQ(THICK(0.5f, 9.0f), 2.0f * (1.0f - 0.5f * (2.0f - 9.0f) / (1.0f - 9.0f)));
    EXPECT_FLOAT_EQ(WIDE(0.5f, 9.0f), 2.0f * (1.0f + 0.5f * 11.0f / 10.0f));
}

class SurfaceCorrectionTest : public ConsoleTest {
protected:
    Real factor(Real dcntr, Real bovra, Int unit, Int& WRNFLG, Int& IER) {
        TEMPCM.DCNTR = dcntr;
        TEMPCM.BOVRA = bovra;
        Real MASFAC = 0.0f;
        SRFCOR(MASFAC, 3, unit, WRNFLG, IER);
        return MASFAC;
    }
};

TEST_F(SurfaceCorrectionTest, CircularSectionFactorsAndTheirTrendWithDepth) {
    Int WRNFLG = 7;
    Int IER = -1;
    EXPECT_NEAR(factor(20.0f, 1.0f, SCREEN_UNIT, WRNFLG, IER), 1.005f, 0.0005f);
    EXPECT_EQ(IER, 0);
    EXPECT_NEAR(factor(2.5f, 1.0f, SCREEN_UNIT, WRNFLG, IER), 1.416f, 0.0005f);
    EXPECT_EQ(WRNFLG, 7);  // no message, the pause flag untouched
    EXPECT_EQ(screen(), "");
    // For a circle the map's first parameter is the centre draft parameter itself.
    Real previous = 10.0f;
    for (Real d : {2.5f, 3.0f, 4.0f, 6.0f, 10.0f, 20.0f, 50.0f}) {
        const Real f = factor(d, 1.0f, SCREEN_UNIT, WRNFLG, IER);
        EXPECT_LT(f, previous) << d;
        EXPECT_GT(f, 1.0f) << d;
        previous = f;
    }
}

TEST_F(SurfaceCorrectionTest, FarBelowTheSurfaceTheFactorIsOne) {
    Int WRNFLG = 0;
    Int IER = -1;
    // Single precision loses the map's ratio this deep: the limit stands, never a NaN.
    for (Real d : {1.0e5f, 1.0e7f}) {
        const Real f = factor(d, 1.0f, SCREEN_UNIT, WRNFLG, IER);
        EXPECT_EQ(IER, 0);
        EXPECT_EQ(f, 1.0f) << d;
    }
}

TEST_F(SurfaceCorrectionTest, ParameterAtItsLimitIsRaisedWithAMessageAndAPause) {
    answers("\n");
    Int WRNFLG = 1;
    Int IER = -1;
    const Real f = factor(2.0f, 1.0f, SCREEN_UNIT, WRNFLG, IER);
    EXPECT_EQ(TEMPCM.DCNTR, 2.0f + 1.0E-5f);
    EXPECT_EQ(WRNFLG, 0);
    EXPECT_EQ(IER, 0);
    EXPECT_TRUE(std::isfinite(f));
    EXPECT_EQ(screen(),
              "\n"
              " ++> Warning: Member  3 center draft parameter too small;\n"
              "              limiting value for this aspect ratio is   2.0000.\n"
              "              Added mass will default to its limiting value.\n"
              "\n"
              "     Press <RETURN> to continue\n");
    // The pause took the one line given: a further read would find the input closed.
    EXPECT_THROW(read_keyboard_line(KBD_UNIT), ProgramEnd);
}

TEST_F(SurfaceCorrectionTest, SilentRunSetsThePauseFlagAndReadsNothing) {
    Int WRNFLG = 0;
    Int IER = -1;
    // Thinner section: limit (2 / 0.5 + 12) / 7.
    factor(1.0f, 0.5f, SILENT_UNIT, WRNFLG, IER);
    EXPECT_EQ(WRNFLG, 1);
    EXPECT_EQ(IER, 0);
    EXPECT_FLOAT_EQ(TEMPCM.DCNTR, 16.0f / 7.0f + 1.0E-5f);
    EXPECT_NE(silent().find("limiting value for this aspect ratio is   2.2857."), std::string::npos);
    EXPECT_EQ(screen(), "");
}

TEST_F(SurfaceCorrectionTest, NoBracketIsReportedToTheCallerNotTheEndOfTheProgram) {
    answers("\n");
    Int WRNFLG = 0;
    Int IER = 0;
    Real f = 0.0f;
    EXPECT_NO_THROW(f = factor(std::numeric_limits<Real>::infinity(), 1.0f, SCREEN_UNIT, WRNFLG, IER));
    EXPECT_EQ(IER, SRFCOR_NO_BRACKET);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(screen(),
              "\n"
              " ++> SRFCOR:RTMI1 - Root not found within initial bounds; contact Velmora.\n"
              "\n"
              "     Press <RETURN> to Continue\n");
}

TEST_F(SurfaceCorrectionTest, IterationOverflowIsReportedToTheCaller) {
    Int WRNFLG = 0;
    Int IER = 0;
    EXPECT_NO_THROW(factor(1.0e20f, 0.1f, SILENT_UNIT, WRNFLG, IER));
    EXPECT_EQ(IER, SRFCOR_NO_CONVERGENCE);
    EXPECT_EQ(silent(),
              "\n"
              " ++> Iteration overflow in SRFCOR:RTMI1 at; 100 iterations, contact Velmora.\n"
              "\n"
              "     Press <RETURN> to continue\n");
}

// A very flat section close to the surface fails the map's check: the user may go on with the map
// or abandon the correction, which the caller then reports; the program goes on either way.
TEST_F(SurfaceCorrectionTest, MapFailureAsksWhetherToGoOn) {
    answers("\n");
    Int WRNFLG = 1;
    Int IER = -1;
    const Real f = factor(10.0f, 0.05f, SCREEN_UNIT, WRNFLG, IER);
    EXPECT_EQ(IER, SRFCOR_OK);
    EXPECT_EQ(WRNFLG, 0);
    EXPECT_NEAR(f, 1.905f, 0.001f);
    EXPECT_NE(screen().find(" ++> Warning: conformal map failure in surface added-mass correction algorithm;\n"),
              std::string::npos);

    clear_captured(SCREEN_UNIT);
    answers("A\n");
    WRNFLG = 1;
    EXPECT_NO_THROW(factor(10.0f, 0.05f, SCREEN_UNIT, WRNFLG, IER));
    EXPECT_EQ(IER, SRFCOR_MAP_REFUSED);
    EXPECT_EQ(WRNFLG, 1);
}

}  // namespace
}  // namespace brevant
