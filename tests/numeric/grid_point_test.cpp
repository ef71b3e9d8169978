// GRIDPT: the period of the list nearest 2 pi / OMEGA, on ascending and descending lists, checked
// against a brute-force nearest search; the ends of the list, one period, and an infinite period.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "numeric/grid_point.h"
#include "records/data_image.h"

namespace brevant {
namespace {

class GridPoint : public ::testing::Test {
protected:
    void SetUp() override { reset_tpcm(); }
    void TearDown() override { reset_tpcm(); }

    static void set_periods(const std::vector<float>& periods) {
        TPCM.NWP = static_cast<Int>(periods.size());
        for (std::size_t i = 0; i < periods.size(); ++i) TPCM.T(static_cast<int>(i) + 1) = periods[i];
    }
    static Int grid_index_of_period(float period) {
        Int JJ = -1;
        GRIDPT(6.2831855f / period, JJ);
        return JJ;
    }
};

// The default grid of a new case, 5.0 to 19.5 s in steps of 0.5 s, and the same list reversed.
std::vector<float> default_grid(bool reversed) {
    std::vector<float> t;
    for (int i = 0; i < 30; ++i) t.push_back(5.0f + 0.5f * static_cast<float>(i));
    if (reversed) std::reverse(t.begin(), t.end());
    return t;
}

TEST_F(GridPoint, ShortListsBothWays) {
    struct Case {
        float period;
        Int ascending;   // on 4, 6, 8 s
        Int descending;  // on 8, 6, 4 s
    };
    // Half-way (5 s) stays at the first index of the bracketing pair: 4-6 ascending, 6-4 descending.
    const Case cases[] = {{5.0f, 1, 2}, {5.1f, 2, 2}, {20.0f, 3, 1}, {2.0f, 1, 3}, {6.0f, 2, 2}, {7.2f, 3, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.period);
        set_periods({4.0f, 6.0f, 8.0f});
        EXPECT_EQ(grid_index_of_period(c.period), c.ascending);
        set_periods({8.0f, 6.0f, 4.0f});
        EXPECT_EQ(grid_index_of_period(c.period), c.descending);
    }
}

TEST_F(GridPoint, AgreesWithBruteForceNearestPeriod) {
    std::mt19937 rng(17);
    std::uniform_real_distribution<float> draw(2.0f, 40.0f);
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "descending" : "ascending");
        const std::vector<float> t = default_grid(reversed);
        set_periods(t);
        int checked = 0;
        while (checked < 2000) {
            const float wanted = draw(rng);
            const float omega = 6.2831855f / wanted;
            const float period = 6.2831855f / omega;  // the period GRIDPT sees
            // Nearest by brute force; periods close to a half-way point are left out.
            std::size_t best = 0;
            bool tie = false;
            for (std::size_t i = 1; i < t.size(); ++i) {
                const float d = std::fabs(t[i] - period);
                const float b = std::fabs(t[best] - period);
                if (std::fabs(d - b) < 1e-4f) tie = true;
                if (d < b) best = i;
            }
            if (tie) continue;
            Int JJ = -1;
            GRIDPT(omega, JJ);
            ASSERT_EQ(JJ, static_cast<Int>(best) + 1) << "period " << period;
            ++checked;
        }
    }
}

TEST_F(GridPoint, EndsOfTheDefaultGrid) {
    set_periods(default_grid(false));
    EXPECT_EQ(grid_index_of_period(5.0f), 1);
    EXPECT_EQ(grid_index_of_period(19.5f), 30);
    EXPECT_EQ(grid_index_of_period(1000.0f), 30);
    set_periods(default_grid(true));
    EXPECT_EQ(grid_index_of_period(5.0f), 30);
    EXPECT_EQ(grid_index_of_period(19.5f), 1);
    EXPECT_EQ(grid_index_of_period(0.5f), 30);
}

// An infinite period (the unmoored surge, sway and yaw of a disc buoy) is the longest period listed.
TEST_F(GridPoint, ZeroFrequencyGivesTheLongestPeriod) {
    Int JJ = -1;
    set_periods(default_grid(false));
    GRIDPT(0.0f, JJ);
    EXPECT_EQ(JJ, 30);
    set_periods(default_grid(true));
    GRIDPT(0.0f, JJ);
    EXPECT_EQ(JJ, 1);
    GRIDPT(-0.0f, JJ);
    EXPECT_EQ(JJ, 1);
}

// One period is its own nearest: the second entry, not part of the list, is never consulted.
TEST_F(GridPoint, OnePeriodGivesIndexOne) {
    set_periods({4.0f});
    TPCM.T(2) = 10.0f;
    TPCM.T(3) = 12.0f;
    EXPECT_EQ(grid_index_of_period(10.0f), 1);
    EXPECT_EQ(grid_index_of_period(3.0f), 1);
    Int JJ = -1;
    GRIDPT(0.0f, JJ);
    EXPECT_EQ(JJ, 1);
}

TEST_F(GridPoint, TwoPeriods) {
    set_periods({4.0f, 6.0f});
    EXPECT_EQ(grid_index_of_period(4.9f), 1);
    EXPECT_EQ(grid_index_of_period(5.1f), 2);
    EXPECT_EQ(grid_index_of_period(30.0f), 2);
    EXPECT_EQ(grid_index_of_period(1.0f), 1);
}

// A count beyond the 100 periods the list holds reads no word past it.
TEST_F(GridPoint, CountAboveTheListIsHeldToIt) {
    std::vector<float> t;
    for (int i = 0; i < 100; ++i) t.push_back(1.0f + static_cast<float>(i));
    set_periods(t);
    TPCM.NWP = 150;
    EXPECT_EQ(grid_index_of_period(500.0f), 100);
    EXPECT_EQ(grid_index_of_period(50.2f), 50);
}

}  // namespace
}  // namespace brevant
