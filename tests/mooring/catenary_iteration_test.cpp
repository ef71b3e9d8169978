// The catenary iteration against the classic elastic catenary: single- and two-element lines solved
// for the fairlead tangent at a given height, the state recovered by solving the classic equations
// back, the water-level step of a buoyant element, and the searches that cannot succeed.
#include "mooring/morlib/catenary_iteration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "classic_catenary.h"
#include "mooring/catlib/element_functions.h"
#include "mooring/catlib/line_spans.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::classic_line;
using testing::ClassicElement;
using testing::solve_classic;

struct Element {
    Real L, w, a1;
    Real dry = 0.0f;
};

class CatenaryIteration : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_lincom();
        reset_locitr();
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    void TearDown() override {
        reset_tpcm();
        reset_lincom();
        reset_locitr();
        ConsoleTest::TearDown();
    }

    // Puts a line type into the data image and readies LINCOM for a solve at horizontal tension H.
    void set_line(Int ityp, const std::vector<Element>& el, Int anctyp, Real deltaz, double H) {
        els = el;
        n = static_cast<Int>(el.size());
        TPCM.NELEM(ityp) = n;
        TPCM.ANCTYP(ityp) = anctyp;
        for (Int j = 1; j <= n; ++j) {
            const Element& e = el[static_cast<std::size_t>(j - 1)];
            TPCM.SLEN(j, ityp) = e.L;
            TPCM.WETWT(j, ityp) = e.w;
            TPCM.ALPHA(1, j, ityp) = e.a1;
            TPCM.DRYWT(j, ityp) = e.dry;
        }
        LINCOM.ITYP = ityp;
        LINCOM.DELTAZ = deltaz;
        LINCOM.DPHLD = H;
        SCLWLD(LINCOM.SCLWT, element_column(TPCM.WETWT, ityp), H, n);
        BETALD(alpha_block(TPCM.ALPHA, ityp), LINCOM.BETA, H, n);
    }
    // The same line as the oracle sees it: the floats the solver holds, widened.
    std::vector<ClassicElement> classic() const {
        std::vector<ClassicElement> c;
        for (const Element& e : els)
            c.push_back({static_cast<double>(e.L), static_cast<double>(e.w), 1.0 / static_cast<double>(e.a1)});
        return c;
    }
    double xdist() const {
        return XDIST(LINCOM.SCLWT, LINCOM.SECARR, LINCOM.TMPTAN, LINCOM.BETA, n, n, TPCM.ANCTYP(LINCOM.ITYP),
                     element_column(TPCM.SLEN, LINCOM.ITYP), LINCOM.DSLOPE);
    }
    double zdist() const {
        return ZDIST(LINCOM.SCLWT, LINCOM.SECARR, LINCOM.BETA, n, element_column(TPCM.SLEN, LINCOM.ITYP),
                     LINCOM.TMPTAN);
    }

    std::vector<Element> els;
    Int n = 0;
};

double rel(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

// One element each, bracket (1, 4), no water-level step, no pull-down, flat floor. The expected
// values are the classic catenary at the required height.
TEST_F(CatenaryIteration, SingleElementLinesMatchTheClassicCatenary) {
    struct Case {
        const char* name;
        Element e;
        Int anctyp;
        Real deltaz;
        double H;
        double tan1, tan2, botln, x, tfair, tanchor;
    };
    const Case cases[] = {
        {"slack, on the floor", {1000, 0.8f, 2e-6f}, 1, 200, 100, 2.399376, 0, 700.2180, 901.4277, 259.9424, 100},
        {"taut, floor allowed, not reached", {250, 0.5f, 1e-5f}, 1, 200, 80, 2.248510, 0.686010, 0, 145.5416, 196.8682,
         97.01495},
        {"no floor, dips below the anchor", {300, 0.5f, 1e-5f}, 0, 100, 50, 2.111787, -0.888213, 0, 229.4119, 116.8294,
         66.87530},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        set_line(3, {c.e}, c.anctyp, c.deltaz, c.H);
        Real TOPT1 = 1.0f, TOPT2 = 4.0f;
        ITER8P(TOPT1, TOPT2);
        const double H = LINCOM.DPHLD;
        EXPECT_LT(rel(LINCOM.TMPTAN(1), c.tan1), 2e-4);
        if (c.tan2 == 0)
            EXPECT_EQ(LINCOM.TMPTAN(2), 0.0);
        else
            EXPECT_LT(rel(LINCOM.TMPTAN(2), c.tan2), 2e-4);
        if (c.botln == 0)
            EXPECT_EQ(LINCOM.BOTLN, 0.0);
        else
            EXPECT_LT(rel(LINCOM.BOTLN, c.botln), 2e-4);
        EXPECT_LT(rel(xdist(), c.x), 2e-4);
        EXPECT_LT(rel(H * LINCOM.SECARR(1), c.tfair), 2e-4);
        EXPECT_LT(rel(H * LINCOM.SECARR(2), c.tanchor), 2e-4);
        // The height lies within the height tolerance of the search.
        const double z = zdist();
        EXPECT_NEAR(z, c.deltaz, 0.01);

        // The solved state is a classic catenary to float accuracy: from its own span, height and
        // length the classic equations give back its tensions.
        const std::vector<ClassicElement> el = classic();
        const auto [Hc, Vc] = solve_classic(xdist(), z, el, c.anctyp == 1, 1.05 * H, 0.95 * H * LINCOM.TMPTAN(1));
        EXPECT_LT(rel(Hc, H), 1e-6);
        EXPECT_LT(rel(Vc, H * LINCOM.TMPTAN(1)), 1e-6);
        if (c.botln != 0) {
            const double V = H * LINCOM.TMPTAN(1);
            const double LB = el[0].L - V / el[0].w;
            EXPECT_LT(rel(LINCOM.BOTLN, LB * (1 + H / el[0].EA)), 1e-6);
        }
        // The caller's bracket comes back as (root / 4, root).
        EXPECT_LT(rel(TOPT2, LINCOM.TMPTAN(1)), 1e-5);
        EXPECT_EQ(TOPT1, TOPT2 / 4.0f);
    }
    EXPECT_EQ(screen(), "");  // no trace without NBUG
}

TEST_F(CatenaryIteration, TwoElementLineOnTheFloor) {
    set_line(150, {{400, 0.1f, 1e-5f}, {600, 0.9f, 2e-6f}}, 1, 250, 120);
    Real TOPT1 = 1.0f, TOPT2 = 4.0f;
    ITER8P(TOPT1, TOPT2);
    EXPECT_NEAR(LINCOM.TMPTAN(1), 0.880545, 1e-4);
    EXPECT_NEAR(LINCOM.TMPTAN(2), 0.547211, 1e-4);
    EXPECT_EQ(LINCOM.TMPTAN(3), 0.0);
    EXPECT_NEAR(LINCOM.BOTLN, 527.165, 0.05);
    EXPECT_NEAR(xdist(), 922.961, 0.05);
    EXPECT_NEAR(LINCOM.DPHLD * LINCOM.SECARR(1), 159.891, 159.891 * 2e-4);
    // Against the classic chain from the solver's own H and V, to float accuracy.
    const double H = LINCOM.DPHLD, V = H * LINCOM.TMPTAN(1);
    const auto oracle = classic_line(H, V, classic(), true);
    EXPECT_LT(rel(xdist(), oracle.x), 1e-9);
    EXPECT_LT(rel(zdist(), oracle.z), 1e-9);
    EXPECT_LT(rel(LINCOM.BOTLN, oracle.botln), 1e-9);
    EXPECT_LT(rel(H * LINCOM.TMPTAN(2), oracle.V[1]), 1e-9);
    // Where it touches down.
    Real BOTWGT = 0, UNSTRL = 0;
    Int BOTELM = 0;
    TUCHDN(static_cast<Real>(LINCOM.BOTLN), element_column(TPCM.WETWT, 150), element_column(TPCM.SLEN, 150),
           LINCOM.BETA, 2, 0.0, BOTWGT, BOTELM, UNSTRL);
    EXPECT_EQ(BOTELM, 2);
    EXPECT_NEAR(UNSTRL, 527.038, 0.05);
    EXPECT_NEAR(BOTWGT, 474.335, 0.05);
}

TEST_F(CatenaryIteration, HeightErrorInBothPrecisionsAndThePullDown) {
    set_line(2, {{300, 0.5f, 1e-5f}}, 0, 100, 50);
    Real t = 2.0f;
    const double e2 = HTERR2(t);
    EXPECT_EQ(HTERR(t), static_cast<Real>(e2));
    const auto oracle = classic_line(50, 100, classic(), false);
    EXPECT_NEAR(e2, oracle.z - 100.0, 1e-9);
    // Pull-down: the required height drops by 1000 n (V - TOPTEN(1, MIDLYR, ITYP)) / (AWP DWATR), n = NLINE(1)
    // whatever the line type.
    TPCM.PULLDN = 1;
    TPCM.NLINE(1) = 4;
    TPCM.NLINE(2) = 99;
    TPCM.AWP = 2000.0f;
    TPCM.DWATR = 64.0f;
    LINCOM.MIDLYR = 29;
    LINCOM.TOPTEN(1, 29, 2) = 60.0f;
    const double drop = 1000.0 * 4 * (50.0 * 2.0 - 60.0) / (2000.0 * 64.0);
    EXPECT_NEAR(HTERR2(t), oracle.z - (100.0 - drop), 1e-5);
    // No water-plane area: the height error is no number, and the search ends instead of looping.
    TPCM.AWP = 0.0f;
    answers("\n");
    Real TOPT1 = 1.0f, TOPT2 = 4.0f;
    try {
        ITER8P(TOPT1, TOPT2);
        ADD_FAILURE() << "the search went on";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_NE(screen().find(" ++> Iteration overflow in ITER8P:ITER8; line type  2"), std::string::npos);
}

// A line that cannot reach its height: the bracket widens 60 times, then the run ends.
TEST_F(CatenaryIteration, UnreachableHeightEndsTheRun) {
    for (Int unit : {SCREEN_UNIT, SILENT_UNIT}) {
        SCOPED_TRACE(unit);
        clear_captured(SCREEN_UNIT);
        clear_captured(SILENT_UNIT);
        TPCM.EDUNIT = unit;
        set_line(7, {{100, 1.0f, 0.0f}}, 0, 150, 10);
        answers("\nleft over\n");
        Real TOPT1 = 1.0f, TOPT2 = 4.0f;
        try {
            ITER8P(TOPT1, TOPT2);
            ADD_FAILURE() << "the search went on";
        } catch (const ProgramEnd& e) {
            EXPECT_EQ(e.status, 1);
        }
        EXPECT_EQ(captured(unit),
                  "\n ++> Iteration overflow in ITER8P:ITER8; line type  7\n     Press <Return> to Continue...\n");
        // The interactive console waits for one line; the silent one reads nothing.
        EXPECT_EQ(read_keyboard_line(), unit == SILENT_UNIT ? "" : "left over");
    }
}

// A bracket (0, 0) has no step to widen by; it ends the run at once instead of looping.
TEST_F(CatenaryIteration, BracketThatCannotWidenEndsTheRun) {
    set_line(1, {{1000, 0.8f, 2e-6f}}, 1, 200, 100);
    TPCM.EDUNIT = SILENT_UNIT;
    Real TOPT1 = 0.0f, TOPT2 = 0.0f;
    EXPECT_THROW(ITER8(TOPT1, TOPT2, 1, 0, SILENT_UNIT), ProgramEnd);
    EXPECT_NE(silent().find("line type  1"), std::string::npos);
    // A bracket that misses the root on one side widens until it holds it.
    TOPT1 = 3.0f;
    TOPT2 = 3.5f;
    ITER8(TOPT1, TOPT2, 1, 0, SILENT_UNIT);
    EXPECT_NEAR(TOPT2, 2.399376, 5e-4);
}

// A trace line: the label, an integer in 8 columns, a real as 1X,G15.7 (F11.6 and four blanks for
// a value from 1 to 10, the E form beyond the G range).
TEST_F(CatenaryIteration, TraceLineLayout) {
    trace_line(SCREEN_UNIT, " ZDIST", {3, 1.5f, -2.5e9f});
    EXPECT_EQ(screen(), " ZDIST       3    1.500000      -0.2500000E+10\n");
}

TEST_F(CatenaryIteration, TraceLinesWhenAsked) {
    set_line(1, {{1000, 0.8f, 2e-6f}}, 1, 200, 100);
    TPCM.NBUG = 1;
    Real TOPT1 = 1.0f, TOPT2 = 4.0f;
    ITER8P(TOPT1, TOPT2);
    const std::string s = "\n" + screen();
    for (const char* label : {"  ALEVER,TOPT1,TOPT2", " IN HTERR; ITYP, NELEM,TOPTAN,SCLWT(1),TMPTAN(1->NELEM+1),BOTLN",
                              "  IELEM,SECARR(IELEM)", " ZDIST,DELTZP,DHTERR", " LOOP DONE:ICOUNT,TOPT1,TOPT2,FUNC,TOPTAN"})
        EXPECT_NE(s.find(std::string("\n") + label), std::string::npos) << label;
}

// A buoyant element between two heavy ones, fairlead 100 above the anchor end; WTRLEV is the depth of
// the water level below the fairlead.
class BuoyantElement : public CatenaryIteration {
protected:
    void set_buoy_line() {
        set_line(4, {{40, 0.5f, 1e-5f}, {10, -2.0f, 1e-5f, 0.3f}, {150, 0.5f, 1e-5f}}, 0, 100, 50);
        TPCM.WLFLAG = 1;
    }
    // Depth of the middle of element 2 (half its vertical span below node 2) in the classic chain.
    double middle_depth(double wet_or_effective) {
        std::vector<ClassicElement> c = classic();
        c[1].w = wet_or_effective;
        const auto s = classic_line(LINCOM.DPHLD, LINCOM.DPHLD * LINCOM.TMPTAN(1), c, false);
        return s.depth[1] + (s.depth[2] - s.depth[1]) / 2;
    }
};

TEST_F(BuoyantElement, BelowTheWaterAtItsWetWeight) {
    set_buoy_line();
    LINCOM.WTRLEV = 5.0f;
    Real TOPT1 = 1.0f, TOPT2 = 4.0f;
    ITER8P(TOPT1, TOPT2);
    EXPECT_EQ(LINCOM.KELEM, 2);
    EXPECT_EQ(TOPT1, 1.0f);  // the caller's bracket is left as it came
    EXPECT_EQ(TOPT2, 4.0f);
    EXPECT_EQ(LINCOM.SCLWT(2), static_cast<double>(static_cast<Real>(-2.0 / 50.0)));
    EXPECT_NEAR(zdist(), 100.0, 0.01);  // the line solved with its wet weight
    EXPECT_GT(middle_depth(static_cast<double>(-2.0f)), 5.0);
}

TEST_F(BuoyantElement, EmergedEvenAtItsDryWeight) {
    set_buoy_line();
    LINCOM.WTRLEV = 300.0f;
    Real TOPT1 = 1.0f, TOPT2 = 4.0f;
    ITER8P(TOPT1, TOPT2);
    EXPECT_EQ(LINCOM.SCLWT(2), static_cast<double>(static_cast<Real>(static_cast<double>(0.3f) / 50.0)));
    EXPECT_NEAR(zdist(), 100.0, 0.01);  // solved with the dry weight
    EXPECT_LT(rel(TOPT2, LINCOM.TMPTAN(1)), 1e-5);  // on the caller's bracket directly
    EXPECT_LT(middle_depth(static_cast<double>(0.3f)), 300.0);
}

TEST_F(BuoyantElement, MiddleBroughtToTheWaterLevel) {
    set_buoy_line();
    // A water level between the middle's depths at the wet and at the dry weight.
    Real TOPT1 = 1.0f, TOPT2 = 4.0f;
    LINCOM.WTRLEV = 0.0f;
    TPCM.WLFLAG = 0;
    ITER8P(TOPT1, TOPT2);
    const double wet_depth = middle_depth(static_cast<double>(-2.0f));
    set_buoy_line();
    LINCOM.SCLWT(2) = static_cast<double>(0.3f) / 50.0;
    TPCM.WLFLAG = 0;
    TOPT1 = 1.0f;
    TOPT2 = 4.0f;
    ITER8P(TOPT1, TOPT2);
    const double dry_depth = middle_depth(static_cast<double>(0.3f));
    ASSERT_LT(wet_depth + 1.0, dry_depth);

    set_buoy_line();
    LINCOM.WTRLEV = static_cast<Real>((wet_depth + dry_depth) / 2);
    TOPT1 = 1.0f;
    TOPT2 = 4.0f;
    ITER8P(TOPT1, TOPT2);
    const double s = LINCOM.SCLWT(2);
    EXPECT_GT(s, static_cast<double>(-2.0f) / 50.0);
    EXPECT_LT(s, static_cast<double>(0.3f) / 50.0);
    EXPECT_NEAR(zdist(), 100.0, 0.01);
    EXPECT_NEAR(middle_depth(s * LINCOM.DPHLD), static_cast<double>(LINCOM.WTRLEV), 0.05);
    EXPECT_EQ(TOPT1, 1.0f);
    EXPECT_EQ(TOPT2, 4.0f);
}

TEST(WaterLevelError, WideVersionIsTheNarrowValue) {
    reset_tpcm();
    reset_lincom();
    reset_locitr();
    TPCM.EDUNIT = SILENT_UNIT;
    TPCM.NELEM(4) = 2;
    TPCM.SLEN(1, 4) = 40.0f;
    TPCM.SLEN(2, 4) = 150.0f;
    TPCM.WETWT(1, 4) = -0.5f;
    TPCM.WETWT(2, 4) = 0.5f;
    LINCOM.ITYP = 4;
    LINCOM.DELTAZ = 100.0f;
    LINCOM.DPHLD = 50.0;
    LINCOM.KELEM = 1;
    LINCOM.WTRLEV = 3.0f;
    SCLWLD(LINCOM.SCLWT, element_column(TPCM.WETWT, 4), 50.0, 2);
    LOCITR.TOPT1C = 1.0f;
    LOCITR.TOPT2C = 4.0f;
    Real w = -0.01f;
    const Real narrow = WLERR(w);
    LOCITR.TOPT1C = 1.0f;
    LOCITR.TOPT2C = 4.0f;
    EXPECT_EQ(WLERR2(w), static_cast<double>(narrow));
    EXPECT_EQ(LINCOM.SCLWT(1), static_cast<double>(w));
    reset_tpcm();
    reset_lincom();
    reset_locitr();
}

}  // namespace
}  // namespace brevant
