// The energy-equivalent offset: a spring table of stiffness 4 against the closed form, the one-step
// rule, the offset counted in steps, the side below equilibrium, and the failed search.
#include <cmath>
#include <vector>

#include "lowlib/offset_correction.h"
#include "lowlib_fixture.h"

namespace brevant::testing {
namespace {

class OffsetCorrectionTest : public LowlibTest {
protected:
    // OFFSET = 0, 0.5, ..., 10 and ERG = 2 OFFSET^2: a linear spring of stiffness 4.
    OffsetCorrectionTest() {
        for (int i = 0; i <= 20; ++i) {
            offset.push_back(0.5f * static_cast<Real>(i));
            erg.push_back(2.0f * offset.back() * offset.back());
        }
    }
    Real correct(Real DXLIN, bool LSPM, Real EQB = 0.0f, Real EQLOFF = 0.0f, Int* MIN_OUT = nullptr) {
        Real DXNLIN = -99.0f;
        Int MIN = -1;
        NLNCOR(erg.data(), EQB, offset.data(), DXLIN, DXNLIN, 1.0f, 0.0f, EQLOFF, static_cast<Int>(erg.size()), MIN,
               LSPM ? 1 : 0, SCREEN_UNIT);
        if (MIN_OUT != nullptr) *MIN_OUT = MIN;
        return DXNLIN;
    }
    std::vector<Real> offset, erg;
};

TEST_F(OffsetCorrectionTest, EnergyEquivalentOffsetOfAStifferSpring) {
    // 0.5 x 1 x 5.3^2 = 2 x d^2 gives d = 5.3 x sqrt(1 / 4) = 2.65; the table interpolates linearly
    // between 2.5 and 3.0, which gives 2.640455.
    Int MIN = 0;
    const Real interpolated = correct(5.3f, true, 0.0f, 0.0f, &MIN);
    EXPECT_NEAR(interpolated, 2.640455f, 2e-6f);
    EXPECT_NEAR(interpolated, 5.3f * std::sqrt(0.25f), 0.01f);
    EXPECT_EQ(MIN, 6);
    // Counted in steps of |OFFSET(1)|, which then holds the step.
    offset[0] = 0.5f;
    EXPECT_NEAR(correct(5.3f, false), 2.640455f, 2e-6f);
    // A negative offset where the equilibrium offset is negative searches the same way up the table
    // and keeps its sign.
    EXPECT_NEAR(correct(-5.3f, false, 0.0f, -1.0f), -2.640455f, 2e-6f);
}

TEST_F(OffsetCorrectionTest, WithinOneStepTheLinearOffsetStands) {
    for (bool LSPM : {true, false}) {
        EXPECT_EQ(correct(0.3f, LSPM), 0.3f) << LSPM;
        EXPECT_EQ(correct(0.0f, LSPM), 0.0f) << LSPM;
    }
}

TEST_F(OffsetCorrectionTest, StepsFromEquilibriumWithEqualSteps) {
    // Steps of 2 from equilibrium at point 1; the energy halfway between points 4 and 5 (offsets 6
    // and 8, energies 72 and 128): three whole steps and half of the fourth.
    for (std::size_t i = 0; i <= 20; ++i) {
        offset[i] = 2.0f * static_cast<Real>(i);
        erg[i] = 2.0f * offset[i] * offset[i];
    }
    offset[0] = 2.0f;
    const Real E = 100.0f;  // (72 + 128) / 2
    const Real DXLIN = std::sqrt(2.0f * E);
    EXPECT_NEAR(correct(DXLIN, false), 7.0f, 1e-5f);
}

TEST_F(OffsetCorrectionTest, NegativeOffsetSearchesBelowEquilibrium) {
    // A table symmetric about its middle point (offset 0 at point 11): the negative side reaches the
    // energy below equilibrium and gives the offset measured from it, negative.
    for (int i = 0; i <= 20; ++i) {
        const Real x = 0.5f * static_cast<Real>(i - 10);
        offset[static_cast<std::size_t>(i)] = x;
        erg[static_cast<std::size_t>(i)] = 2.0f * x * x;
    }
    // Equilibrium: the first pair bracketing 0 is (11, 12). The negative branch searches 1..11, where
    // 0.5 x 16 = 8 = 2 x 2^2 first brackets at the pair (7, 8), offset -2 exactly at point 7.
    Int MIN = 0;
    EXPECT_NEAR(correct(-4.0f, true, 0.0f, 0.0f, &MIN), -2.0f, 1e-6f);
    EXPECT_EQ(MIN, 7);
    // Counted in steps: four whole steps of 0.5 down from equilibrium.
    offset[0] = 0.5f;
    EXPECT_NEAR(correct(-4.0f, false), -2.0f, 1e-6f);
}

TEST_F(OffsetCorrectionTest, FailedSearchEndsTheRun) {
    struct Case {
        Real EQB, DXLIN;
        const char* line;
    };
    for (const Case& c : {Case{-1.0f, 5.3f, " ++> Nonzero IER =  1 in NLNCOR\n"},
                          Case{0.0f, 100.0f, " ++> Nonzero IER =  2 in NLNCOR\n"}}) {
        clear_captured(SCREEN_UNIT);
        answers("\nrest\n");
        const int status = end_status([&] { correct(c.DXLIN, true, c.EQB); });
        EXPECT_EQ(status, 1);
        EXPECT_EQ(screen(), std::string(c.line) + "     Press <RETURN> to continue\n");
        EXPECT_EQ(read_keyboard_line(), "rest");
    }
    // A silent run reads nothing.
    answers("kept\n");
    Real DXNLIN = 0.0f;
    Int MIN = 0;
    const int status = end_status([&] {
        NLNCOR(erg.data(), -1.0f, offset.data(), 5.3f, DXNLIN, 1.0f, 0.0f, 0.0f, 21, MIN, 1, SILENT_UNIT);
    });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(silent(), " ++> Nonzero IER =  1 in NLNCOR\n     Press <RETURN> to continue\n");
    EXPECT_EQ(read_keyboard_line(), "kept");
}

}  // namespace
}  // namespace brevant::testing
