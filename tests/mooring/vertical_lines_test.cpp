// Vertical lines against the hanging line in closed form: the height of a hanging element of linear
// strain law is (dT + a1 (Ttop^2 - Tbot^2) / 2) / w, so the tension that spans a given height solves a
// quadratic. Free lines, touchdown, weightless touchdown elements, the arch of buoyant elements on the
// floor, and the searches that cannot succeed.
#include "mooring/catlib/vertical_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "records/data_image.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

struct Element {
    Real L, w, a1;
    Real a2 = 0.0f;
};

constexpr Real kHalfPi = 1.5707964f;
const std::string kBuoyantWarning =
    "\n ++> Buoyant line handling error. First data row of the interpolation tables\n"
    "     will probably be in error; this is usually a non-issue.\n\n";
const std::string kPause = " \n Press <RETURN> to continue: ";

class VerticalLine : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_dummy1();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.TLOAD = 50.0f;
    }
    void TearDown() override {
        reset_tpcm();
        reset_dummy1();
        ConsoleTest::TearDown();
    }
    void set_line(Int ityp, const std::vector<Element>& els) {
        TPCM.NELEM(ityp) = static_cast<Int>(els.size());
        for (Int j = 1; j <= static_cast<Int>(els.size()); ++j) {
            const Element& e = els[static_cast<std::size_t>(j - 1)];
            TPCM.SLEN(j, ityp) = e.L;
            TPCM.WETWT(j, ityp) = e.w;
            TPCM.ALPHA(1, j, ityp) = e.a1;
            TPCM.ALPHA(2, j, ityp) = e.a2;
        }
    }
    struct Result {
        Int VRTFLG;
        Real ANCDST, TOPANG, TOPTEN, BOTLEN, BOTANG;
    };
    Result run(Real deltaz, Int ityp = 3, Int vrtflg = 7, Real totwt = 100.0f) {
        Result r{vrtflg, -1, -1, -1, -1, -1};
        VRTLIN(deltaz, ityp, r.VRTFLG, totwt, r.ANCDST, r.TOPANG, r.TOPTEN, r.BOTLEN, r.BOTANG);
        return r;
    }
};

// The positive root of c2 T^2 + c1 T + c0 = 0.
double positive_root(double c2, double c1, double c0) { return (-c1 + std::sqrt(c1 * c1 - 4.0 * c2 * c0)) / (2.0 * c2); }

TEST_F(VerticalLine, FreeLineIsStretchedToTheAnchor) {
    set_line(3, {{200.0f, 0.5f, 2e-4f}});
    // At a slack bottom the line hangs (100 + 2e-4 100^2 / 2) / 0.5 = 202; the 3 left over stretch it
    // with the bottom tension 3 / (a1 L) = 75.
    for (const Real dz : {205.0f, -205.0f}) {
        const Result r = run(dz);
        EXPECT_NEAR(r.TOPTEN, 175.0f, 1e-4f);
        EXPECT_EQ(r.VRTFLG, dz > 0 ? 1 : -1);
        EXPECT_EQ(r.BOTLEN, 0.0f);
        EXPECT_EQ(r.ANCDST, 0.0f);
        EXPECT_EQ(r.TOPANG, std::copysign(kHalfPi, dz));
        EXPECT_EQ(r.BOTANG, r.TOPANG);
        EXPECT_EQ(DUMMY1.LSTFRE, 1);
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(VerticalLine, LineTouchesDownInItsOnlyElement) {
    set_line(3, {{200.0f, 0.5f, 2e-4f}});
    // (T + a1 T^2 / 2) / w = 150: the hanging part; the rest, 200 - T / w, lies on the floor.
    const double T = positive_root(1e-4, 1.0, -75.0);
    for (const Real dz : {150.0f, -150.0f}) {
        const Result r = run(dz);
        EXPECT_NEAR(r.TOPTEN, 74.44578f, 1e-5f * 74.44578f);
        EXPECT_NEAR(r.TOPTEN, T, 1e-5 * T);
        EXPECT_NEAR(r.BOTLEN, 200.0 - T / 0.5, 1e-5 * 51.1);
        EXPECT_NEAR(r.BOTLEN, 51.10843f, 1e-5f * 51.1f);
        EXPECT_EQ(r.ANCDST, r.BOTLEN);
        EXPECT_EQ(r.TOPANG, kHalfPi) << "the sign of the fairlead tension, not of DELTAZ";
        EXPECT_EQ(r.BOTANG, 0.0f);
        EXPECT_EQ(r.VRTFLG, 7) << "left as the caller set it";
        EXPECT_EQ(DUMMY1.LSTFRE, 0);
    }
}

TEST_F(VerticalLine, TwoElementsFreeAndTouchingDown) {
    // Upper element 100 of weight 0.8, lower 150 of weight 0.3: a hanging element of length L adds
    // L + a1 L (Ttop + Tbot) / 2 to the height.
    set_line(3, {{100.0f, 0.8f, 1e-4f}, {150.0f, 0.3f, 2e-4f}});
    {
        // Free: height = 250 + 0.01 (TN + 85) + 0.03 (TN + 22.5) = 251.525 + 0.04 TN.
        const Result r = run(253.525f);
        EXPECT_NEAR(r.TOPTEN, 50.0f + 125.0f, 2e-4f);
        EXPECT_EQ(r.VRTFLG, 1);
        EXPECT_EQ(r.BOTLEN, 0.0f);
    }
    {
        // The first element hangs 100.4 at a slack bottom, the two together 251.5: a height of 130
        // puts the touchdown in element 2, hanging from tension TN up from the floor:
        // 80 + 1e-4 ((TN + 80)^2 - TN^2) / 2) / 0.8 + (TN + 2e-4 TN^2 / 2) / 0.3 = 130.
        const double c2 = 1e-4 / 0.3;
        const double c1 = 1e-4 * 80.0 / 0.8 + 1.0 / 0.3;
        const double c0 = (80.0 + 1e-4 * 6400.0 / 2.0) / 0.8 - 130.0;
        const double TN = positive_root(c2, c1, c0);
        const Result r = run(130.0f);
        EXPECT_NEAR(r.TOPTEN, TN + 80.0, 1e-5 * (TN + 80.0));
        EXPECT_NEAR(r.BOTLEN, 150.0 - TN / 0.3, 1e-5 * 150.0);
        EXPECT_EQ(DUMMY1.LSTFRE, 1);
        EXPECT_EQ(r.VRTFLG, 7);
    }
}

TEST_F(VerticalLine, WeightlessTouchdownElementLiesSlack) {
    // Element 2 has no weight: at a slack bottom it hangs straight, 50 long, below the 100.4 of
    // element 1; with 120 to span, 30.4 of it lies slack on the floor, and the bottom tension is 0.
    set_line(3, {{100.0f, 0.8f, 1e-4f}, {50.0f, 0.0f, 1e-4f}, {40.0f, 0.6f, 1e-4f}});
    const Result r = run(120.0f);
    EXPECT_EQ(DUMMY1.LSTFRE, 1);
    EXPECT_NEAR(DUMMY1.NULBOT, 30.4, 1e-7);
    EXPECT_NEAR(r.TOPTEN, 80.0f, 1e-5f);
    EXPECT_NEAR(r.BOTLEN, 30.4f + 40.0f, 1e-4f);
}

TEST_F(VerticalLine, BuoyantElementsOnTheFloorLiftArches) {
    // Touchdown in element 1 (as in the one-element case: 51.10843 of it on the floor). A float of 20
    // and buoyancy 0.25 between neighbours of weight 0.5 rises into two legs of 15: 10 of the float
    // and 5 of its neighbour each (0.25 x 10 = 0.5 x 5), so 30 of line leaves the floor.
    struct Case {
        std::vector<Element> els;
        double lifted_floor;  // floor length below element 1, less what the arches lift
        bool warns;
    };
    const std::vector<Case> cases = {
        {{{200.0f, 0.5f, 2e-4f}, {50.0f, 0.5f, 0.0f}, {20.0f, -0.25f, 0.0f}, {50.0f, 0.5f, 0.0f}}, 120.0 - 30.0, false},
        // A float at the anchor end has one leg on the fairlead side: 8 of it and 4 of the neighbour
        // (0.25 x 8 = 0.5 x 4), legs 12 and 12; 24 lifted.
        {{{200.0f, 0.5f, 2e-4f}, {50.0f, 0.5f, 0.0f}, {20.0f, -0.25f, 0.0f}}, 70.0 - 24.0, false},
        // A neighbour of 3 is shorter than the 5 the arch needs: warned, computed all the same.
        {{{200.0f, 0.5f, 2e-4f}, {3.0f, 0.5f, 0.0f}, {20.0f, -0.25f, 0.0f}, {50.0f, 0.5f, 0.0f}}, 73.0 - 30.0, true},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        set_line(3, c.els);
        const Result r = run(150.0f);
        EXPECT_NEAR(r.TOPTEN, 74.44578f, 1e-4f);
        EXPECT_NEAR(r.BOTLEN, 51.10843 + c.lifted_floor, 1e-4);
        EXPECT_EQ(r.ANCDST, r.BOTLEN);
        EXPECT_EQ(r.VRTFLG, 7);
        if (c.warns)
            EXPECT_EQ(screen(), kBuoyantWarning + kPause);
        else
            EXPECT_EQ(screen(), "");
    }
}

TEST_F(VerticalLine, ArchThatCannotBalanceZeroesTheResults) {
    const std::vector<std::vector<Element>> lines = {
        // A weightless neighbour cannot hold the float down: no infinite arch length.
        {{200.0f, 0.5f, 2e-4f}, {50.0f, 0.0f, 0.0f}, {20.0f, -0.25f, 0.0f}, {50.0f, 0.5f, 0.0f}},
        {{200.0f, 0.5f, 2e-4f}, {50.0f, 0.5f, 0.0f}, {20.0f, -0.25f, 0.0f}, {50.0f, 0.0f, 0.0f}},
        // Buoyant on both sides of element 3: the balance denominator 2 - 1 - 1 vanishes.
        {{200.0f, 0.5f, 2e-4f}, {50.0f, -0.25f, 0.0f}, {20.0f, -0.25f, 0.0f}, {50.0f, -0.25f, 0.0f}},
    };
    for (const auto& els : lines) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        set_line(3, els);
        const Result r = run(150.0f);
        EXPECT_EQ(r.VRTFLG, 0);
        EXPECT_EQ(r.TOPTEN, 0.0f);
        EXPECT_EQ(r.BOTLEN, 0.0f);
        EXPECT_EQ(r.ANCDST, 0.0f);
        EXPECT_EQ(r.TOPANG, 0.0f);
        EXPECT_EQ(r.BOTANG, 0.0f);
        EXPECT_EQ(screen(), kBuoyantWarning + kPause);
    }
}

TEST_F(VerticalLine, LineThatCannotReachTheAnchorEndsTheRun) {
    // Inextensible and 10 short: no tension stretches it, every search finds one sign.
    set_line(3, {{200.0f, 0.5f, 0.0f}});
    for (const Int unit : {SILENT_UNIT, SCREEN_UNIT}) {
        TPCM.EDUNIT = unit;
        answers("\n");
        try {
            run(210.0f);
            ADD_FAILURE() << "the run should end";
        } catch (const ProgramEnd& e) {
            EXPECT_EQ(e.status, 1);
        }
        EXPECT_EQ(captured(unit), "  ++> Bounds error in VRTLIN \n\n Press <Return> to Continue...\n\n");
    }
}

TEST_F(VerticalLine, SearchThatNeverConvergesEndsTheRunAfterTwentyTries) {
    // A light, very elastic element: the residual takes it as straight once its weight is below a
    // thousandth of its tension (TN above 999), which lengthens it by a1 L w L / 2 = 5 at once. The
    // root of 10097 lies in that jump: every search runs out, and the retries around it, each with a
    // tolerance 5 times the last, never reach a tolerance of 5 on the residual.
    set_line(3, {{100.0f, 0.01f, 0.1f}});
    TPCM.EDUNIT = SILENT_UNIT;
    try {
        run(10097.0f, 3, 7, 1.0f);
        ADD_FAILURE() << "the run should end";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(silent(), "\n ++> Iteration overflow in VRTLIN\n\n Press <Return> to Continue...\n\n");
}

TEST_F(VerticalLine, DpdsterIsTheHeightLeftToSpan) {
    set_line(3, {{100.0f, 0.8f, 1e-4f}, {150.0f, 0.3f, 2e-4f}});
    Int VRTFLG = 0;
    Real a, b, c, d, e;
    VRTLIN(300.0f, 3, VRTFLG, 125.0f, a, b, c, d, e);
    // Free line: each element adds L + a1 L (Ttop + Tbot) / 2 (about 251.525 + 0.04 TN), with the
    // coefficients as the data image holds them.
    const double a1 = static_cast<double>(1e-4f), a2 = static_cast<double>(2e-4f);
    const double W1 = 100.0 * static_cast<double>(0.8f), W2 = 150.0 * static_cast<double>(0.3f);
    for (double TN : {0.0, 10.0, 1000.0}) {
        const double height = 250.0 + a1 * 100.0 * (2.0 * (TN + W2) + W1) / 2.0 + a2 * 150.0 * (2.0 * TN + W2) / 2.0;
        double tn = TN;
        EXPECT_NEAR(DPDSTER(tn), 300.0 - height, 1e-10 * 300.0);
    }
}

}  // namespace
}  // namespace brevant
