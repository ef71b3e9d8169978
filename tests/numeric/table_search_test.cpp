// Table search against the standard library's binary searches, interpolation against a
// double-precision line, and the range and monotony checks.
#include "numeric/table_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace brevant {
namespace {

struct SearchCase {
    std::vector<Real> w;
    Real wp;
    Int ier, min;
};

TEST(Bsrch, EndsAndInteriorOfAscendingAndDescendingTables) {
    const std::vector<Real> up = {1, 2, 3, 4};
    const std::vector<Real> down = {4, 3, 2, 1};
    const SearchCase cases[] = {
        {up, 2.0f, 0, 1},        {up, 1.0f, 0, 1},        {up, 0.0f, 1, 1},        {up, 5.0f, 2, 3},
        {up, 4.0f, 0, 3},        {up, 2.5f, 0, 2},        {down, 3.0f, 0, 2},      {down, 0.0f, 1, 3},
        {down, 5.0f, 2, 1},      {down, 1.0f, 0, 3},      {down, 4.0f, 0, 1},      {down, 2.5f, 0, 2},
        {{7, 7, 7}, 7.0f, 0, 1}, {{7, 7, 7}, 8.0f, 2, 2}, {{7, 7, 7}, 6.0f, 1, 1}, {{5}, 5.0f, 0, 1},
        {{5}, 9.0f, 2, 1},
    };
    for (const SearchCase& k : cases) {
        Int IER = 99, MIN = 99;
        BSRCH(k.w.data(), k.wp, IER, MIN, static_cast<Int>(k.w.size()));
        EXPECT_EQ(IER, k.ier) << "WP " << k.wp << " first " << k.w.front();
        EXPECT_EQ(MIN, k.min) << "WP " << k.wp << " first " << k.w.front();
    }
}

// For strictly monotonic tables the interval is the one std::lower_bound / the first smaller
// entry points to, clamped to 1 .. NWP-1.
TEST(Bsrch, AgreesWithStandardSearchOnRandomTables) {
    std::mt19937 gen(20240611);
    std::uniform_real_distribution<float> step(0.01f, 3.0f);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 2 + trial % 40;
        std::vector<Real> up(n);
        up[0] = -20.0f + step(gen);
        for (int i = 1; i < n; ++i) up[i] = up[i - 1] + step(gen);
        std::vector<Real> down(up.rbegin(), up.rend());
        std::uniform_real_distribution<float> pick(up.front() - 2.0f, up.back() + 2.0f);
        std::vector<Real> probes = {pick(gen), up[trial % n], up.front(), up.back()};
        for (Real wp : probes) {
            Int IER = 0, MIN = 0;
            BSRCH(up.data(), wp, IER, MIN, n);
            const int p = static_cast<int>(std::lower_bound(up.begin(), up.end(), wp) - up.begin());
            EXPECT_EQ(MIN, std::clamp(p, 1, n - 1));
            EXPECT_EQ(IER, wp < up.front() ? 1 : wp > up.back() ? 2 : 0);

            BSRCH(down.data(), wp, IER, MIN, n);
            const int q = static_cast<int>(std::find_if(down.begin(), down.end(), [wp](Real v) { return v < wp; }) -
                                           down.begin());
            EXPECT_EQ(MIN, std::clamp(q, 1, n - 1));
            EXPECT_EQ(IER, wp < down.back() ? 1 : wp > down.front() ? 2 : 0);
        }
    }
}

TEST(BsrchMoor, OutOfOrderEndsAreFlaggedAndTheSearchStillRuns) {
    const SearchCase cases[] = {
        {{5, 1, 2, 3}, 2.5f, -1, 3},  // first entry breaks the ascending order
        {{1, 2, 3, 0}, 2.5f, -2, 2},  // last entry does
        {{9, 1, 2, 0}, 1.5f, -1, 2},  // both: only the first is reported
        {{1, 3, 2, 4}, 2.5f, -1, 2},  // inner entries descend, so the first is out of order
        {{1, 2, 3, 4}, 5.0f, 2, 3},   // in order: the flag of BSRCH
        {{4, 3, 2, 1}, 0.0f, 1, 3},  {{4, 3, 2, 5}, 2.5f, -2, 2},
    };
    for (const SearchCase& k : cases) {
        Int IER = 99, MIN = 99;
        BSRCH_MOOR(k.w.data(), k.wp, IER, MIN, static_cast<Int>(k.w.size()));
        EXPECT_EQ(IER, k.ier) << k.w[0] << k.w[1] << k.w[2] << k.w[3];
        EXPECT_EQ(MIN, k.min) << k.w[0] << k.w[1] << k.w[2] << k.w[3];
    }
}

TEST(Interp, StraightLineInsideAndBeyondTheInterval) {
    const Real X[] = {0.0f, 1.0f, 3.0f, 7.0f};
    const Real Y[] = {10.0f, 20.0f, 0.3f, -5.0f};
    struct Case {
        Real xval;
        Int mn;
    };
    const Case cases[] = {{0.25f, 1}, {2.0f, 2}, {2.9f, 2}, {6.0f, 3}, {9.5f, 3}, {-1.0f, 1}, {1.0f, 1}};
    for (const Case& k : cases) {
        Real YVAL = 0.0f;
        INTERP(X, Y, k.xval, YVAL, k.mn);
        const double x0 = X[k.mn - 1], x1 = X[k.mn], y0 = Y[k.mn - 1], y1 = Y[k.mn];
        const double line = y0 + (y1 - y0) * (static_cast<double>(k.xval) - x0) / (x1 - x0);
        EXPECT_FLOAT_EQ(YVAL, static_cast<Real>(line)) << k.xval;
    }
    Real YVAL = 0.0f;
    INTERP(X, Y, 1.0f, YVAL, 1);
    EXPECT_EQ(YVAL, 20.0f);
    INTERP(X, Y, 9.0f, YVAL, 3);  // 2 beyond X(4) = 7 at the slope -5.3 / 4
    EXPECT_FLOAT_EQ(YVAL, -5.0f + (-5.3f / 4.0f) * 2.0f);
}

// The search and the line together: a straight-line table is met everywhere (the ends extrapolate),
// a curved one gives the chord of the interval that holds the abscissa, in either table order.
TEST(TableValue, ChordOfTheIntervalThatHoldsTheAbscissa) {
    const Real up[] = {1.0f, 2.0f, 4.0f, 8.0f};
    const Real down[] = {8.0f, 4.0f, 2.0f, 1.0f};
    const Real line_up[] = {3.0f, 5.0f, 9.0f, 17.0f};  // 2 x + 1
    const Real line_down[] = {17.0f, 9.0f, 5.0f, 3.0f};
    const Real square_up[] = {1.0f, 4.0f, 16.0f, 64.0f};
    for (const Real x : {0.0f, 1.0f, 1.5f, 3.0f, 8.0f, 10.0f}) {
        EXPECT_FLOAT_EQ(table_value(up, line_up, x, 4), 2.0f * x + 1.0f) << x;
        EXPECT_FLOAT_EQ(table_value(down, line_down, x, 4), 2.0f * x + 1.0f) << x;
    }
    EXPECT_FLOAT_EQ(table_value(up, square_up, 3.0f, 4), 10.0f);   // between (2, 4) and (4, 16)
    EXPECT_FLOAT_EQ(table_value(up, square_up, 10.0f, 4), 88.0f);  // beyond (4, 16)-(8, 64)
    EXPECT_FLOAT_EQ(table_value(up, square_up, 0.0f, 4), -2.0f);   // before (1, 1)-(2, 4)
}

TEST(Cintrp, BothPartsFollowTheLine) {
    const Real X[] = {1.0f, 2.0f, 4.0f};
    const Complex CY[] = {{1.0f, -1.0f}, {3.0f, 5.0f}, {-1.0f, 1.0f}};
    Complex C;
    CINTRP(X, CY, 1.5f, C, 1);
    EXPECT_FLOAT_EQ(C.real(), 2.0f);
    EXPECT_FLOAT_EQ(C.imag(), 2.0f);
    CINTRP(X, CY, 5.0f, C, 2);  // half an interval beyond the end
    EXPECT_FLOAT_EQ(C.real(), -3.0f);
    EXPECT_FLOAT_EQ(C.imag(), -1.0f);
    CINTRP(X, CY, 2.0f, C, 1);
    EXPECT_EQ(C, CY[1]);
}

TEST(Rngchk, EveryFlagValue) {
    struct Case {
        std::vector<Real> a;
        Int mini, maxi;
        Real val;
        Int flag;
    };
    const Case cases[] = {
        {{1, 2, 3, 4}, 1, 4, 2.5f, 0},  {{1, 2, 2, 4}, 1, 4, 4.0f, 0},  // equal neighbours are allowed
        {{1, 2, 3, 4}, 1, 4, 4.5f, 1},  {{1, 2, 3, 4}, 2, 3, 1.5f, 1},  // only the stretch counts
        {{4, 3, 2, 1}, 1, 4, 0.5f, 2},  {{4, 3, 2, 1}, 1, 4, 2.0f, 0},
        {{2, 2, 2}, 1, 3, 2.5f, 2},  // flat counts as descending
        {{2, 2, 2}, 1, 3, 2.0f, 0},     {{1, 3, 2, 4}, 1, 4, 2.5f, 3},
        {{1, 3, 2, 4}, 1, 4, 5.0f, 4},  {{4, 2, 3, 1}, 1, 4, 0.0f, 5},
        {{4, 2, 3, 1}, 2, 2, 99.0f, 0},  // a single index
    };
    for (const Case& k : cases) {
        Int RNGFLG = -1;
        RNGCHK(k.a.data(), k.mini, k.maxi, k.val, RNGFLG);
        EXPECT_EQ(RNGFLG, k.flag) << k.a[0] << k.a[1] << " val " << k.val;
    }
}

TEST(MaxMin, AgreesWithStandardAlgorithmsAndKeepsTheFirstExtreme) {
    const std::vector<std::vector<Real>> tables = {
        {3, 1, 4, 1, 5, 9, 2, 6, 9}, {1, 2, 3}, {3, 2, 2, 1}, {5}, {2, 2}, {-1e20f, 7, 7, -1e20f},
    };
    for (const auto& t : tables) {
        Int MINI = 0, MAXI = 0, N = static_cast<Int>(t.size());
        Real MINVAL = 0, MAXVAL = 0;
        Logical MONOTN = -1, ASCEND = -1;
        MAX_MIN(t.data(), N, MINI, MAXI, MINVAL, MAXVAL, MONOTN, ASCEND);
        const auto lo = std::min_element(t.begin(), t.end());
        const auto hi = std::max_element(t.begin(), t.end());
        EXPECT_EQ(MINI, lo - t.begin() + 1);
        EXPECT_EQ(MAXI, hi - t.begin() + 1);
        EXPECT_EQ(MINVAL, *lo);
        EXPECT_EQ(MAXVAL, *hi);
        const bool asc = t.back() - t.front() > 0.0f;
        EXPECT_EQ(ASCEND, asc ? 1 : 0);
        const bool mono = asc ? std::is_sorted(t.begin(), t.end())
                              : std::is_sorted(t.begin(), t.end(), [](Real a, Real b) { return a > b; });
        EXPECT_EQ(MONOTN, mono ? 1 : 0);
    }
}

TEST(MaxMin, SingleEntry) {
    const Real a[] = {42.0f};
    Int MINI = 0, MAXI = 0;
    Real MINVAL = 0, MAXVAL = 0;
    Logical MONOTN = 0, ASCEND = 1;
    MAX_MIN(a, 1, MINI, MAXI, MINVAL, MAXVAL, MONOTN, ASCEND);
    EXPECT_EQ(MONOTN, 1);
    EXPECT_EQ(ASCEND, 0);
    EXPECT_EQ(MINI, 1);
    EXPECT_EQ(MAXI, 1);
    EXPECT_EQ(MINVAL, 42.0f);
    EXPECT_EQ(MAXVAL, 42.0f);
}

}  // namespace
}  // namespace brevant

namespace brevant {
namespace {

// The order of a table's abscissae: rising or falling, equal neighbours kept, a turn refused; an
// interval of no width refused only where a look-up between LOW and HIGH would pick it.
TEST(TableOrder, RepeatsKeepTheOrderTurnsBreakItAndEndRepeatsOnlyWhereLookedUp) {
    constexpr Real inf = std::numeric_limits<Real>::infinity();
    struct Case {
        const char* what;
        std::vector<Real> x;
        Real low, high;
        Int broken;  // order_break
    };
    const Case cases[] = {
        {"rising", {0, 90, 180}, -inf, inf, 0},
        {"falling", {180, 90, 0}, -inf, inf, 0},
        {"a repeat inside a rising table", {0, 90, 90, 180}, -inf, inf, 0},
        {"a repeat inside a falling table", {180, 90, 90, 0}, -inf, inf, 0},
        {"three equal inside", {0, 4, 4, 4, 10}, -inf, inf, 0},
        {"turning back", {0, 90, 45, 180}, -inf, inf, 3},
        {"turning back after a repeat", {0, 90, 90, 45}, -inf, inf, 4},
        {"turning at the end", {0, 90, 180, 170}, -inf, inf, 4},
        {"a flat start, then falling, then rising", {5, 5, 3, 4}, 3, 5, 4},
        // Rising: the first pair is picked at and below its value, the last pair only beyond it.
        {"rising, the first two equal, looked up at them", {0, 0, 90}, 0, 90, 2},
        {"rising, the first two equal, looked up above only", {0, 0, 90}, 1, 90, 0},
        {"rising, the last two equal, looked up at them", {0, 90, 90}, 0, 90, 0},
        {"rising, the last two equal, looked up beyond", {0, 90, 90}, 0, 91, 3},
        // Falling: the first pair only beyond its value, the last pair at and below it.
        {"falling, the first two equal, looked up at them", {90, 90, 0}, 0, 90, 0},
        {"falling, the first two equal, looked up beyond", {90, 90, 0}, 0, 91, 2},
        {"falling, the last two equal, looked up at them", {90, 0, 0}, 0, 90, 3},
        {"all equal", {7, 7, 7}, 7, 7, 2},
        {"one entry", {7}, -inf, inf, 0},
        {"no number", {0, std::numeric_limits<Real>::quiet_NaN(), 2}, -inf, inf, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(order_break(c.x.data(), static_cast<Int>(c.x.size()), c.low, c.high), c.broken) << c.what;
        // Where it is not refused, the search at both ends and between finds an interval that has width.
        if (c.broken != 0) continue;
        const Int n = static_cast<Int>(c.x.size());
        if (n < 2) continue;
        for (Real wp : {c.low, c.high, 0.5f * (c.low + c.high)}) {
            if (!std::isfinite(wp)) continue;
            Int IER = 0, MIN = 0;
            BSRCH(c.x.data(), wp, IER, MIN, n);
            EXPECT_NE(c.x[MIN - 1], c.x[MIN]) << c.what << " at " << wp;
        }
    }
}

// A step (two points at one abscissa) is interpolated as written: at the step the value of the
// row the search finds, finite; on either side the straight line to its own neighbour.
TEST(TableOrder, AStepIsInterpolatedOnEitherSideAndAtItself) {
    const std::vector<Real> up_x = {0, 4, 4, 10};
    const std::vector<Real> up_y = {1.0f, 0.9f, 0.6f, 0.2f};
    EXPECT_FLOAT_EQ(table_value(up_x.data(), up_y.data(), 2.0f, 4), 0.95f);
    EXPECT_FLOAT_EQ(table_value(up_x.data(), up_y.data(), 4.0f, 4), 0.9f);  // the interval below the step
    EXPECT_FLOAT_EQ(table_value(up_x.data(), up_y.data(), 7.0f, 4), 0.4f);
    const std::vector<Real> down_x = {10, 4, 4, 0};
    const std::vector<Real> down_y = {0.2f, 0.6f, 0.9f, 1.0f};
    EXPECT_FLOAT_EQ(table_value(down_x.data(), down_y.data(), 2.0f, 4), 0.95f);
    EXPECT_FLOAT_EQ(table_value(down_x.data(), down_y.data(), 4.0f, 4), 0.9f);  // the interval below the step
    EXPECT_FLOAT_EQ(table_value(down_x.data(), down_y.data(), 7.0f, 4), 0.4f);
}

}  // namespace
}  // namespace brevant
