// Cubic and bicubic splines against closed forms: the natural spline of four points of x^3 worked by
// hand, a cubic reproduced by the clamped spline with its own end slopes, straight lines reproduced
// everywhere, the two-point spline, the table layout of the statics tables, and the zero interval.
#include "mooring/morlib/cubic_splines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "records/data_image.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr Real kNatural = 1.0e30f;

Real spline_at(const std::vector<Real>& x, const std::vector<Real>& y, const std::vector<Real>& y2, Real at) {
    Real v = 0.0f;
    splint(x.data(), y.data(), y2.data(), static_cast<Int>(x.size()), at, v);
    return v;
}

std::vector<Real> second_derivatives(const std::vector<Real>& x, const std::vector<Real>& y, Real yp1, Real ypn) {
    std::vector<Real> y2(x.size(), std::numeric_limits<Real>::quiet_NaN());
    spline(x.data(), y.data(), static_cast<Int>(x.size()), yp1, ypn, y2.data());
    return y2;
}

TEST(CubicSplines, NaturalSplineOfFourPointsOfTheCube) {
    // Worked by hand: with h = 1 the interior equations are 4 M2 + M3 = 36, M2 + 4 M3 = 72 and
    // M1 = M4 = 0, so M2 = 4.8, M3 = 16.8; at 1.5 (a = b = 1/2) y = 4.5 - (3/48)(21.6) = 3.15.
    const std::vector<Real> x{0.0f, 1.0f, 2.0f, 3.0f};
    const std::vector<Real> y{0.0f, 1.0f, 8.0f, 27.0f};
    const std::vector<Real> y2 = second_derivatives(x, y, kNatural, kNatural);
    EXPECT_FLOAT_EQ(y2[0], 0.0f);
    EXPECT_NEAR(y2[1], 4.8f, 1e-5f);
    EXPECT_NEAR(y2[2], 16.8f, 1e-5f);
    EXPECT_FLOAT_EQ(y2[3], 0.0f);
    EXPECT_NEAR(spline_at(x, y, y2, 1.5f), 3.15f, 1e-5f);
    // At a point the spline gives that point's ordinate.
    for (std::size_t i = 0; i < x.size(); ++i) EXPECT_FLOAT_EQ(spline_at(x, y, y2, x[i]), y[i]);
}

TEST(CubicSplines, ClampedSplineWithTheCubicsOwnEndSlopesIsTheCubic) {
    // f = 2x^3 - x^2 + 3x - 1 on uneven abscissae: the clamped spline with f'(x1), f'(xn) satisfies
    // every equation with y2 = f'' = 12x - 2, so it is f itself between the points.
    auto f = [](double t) { return 2 * t * t * t - t * t + 3 * t - 1; };
    auto fp = [](double t) { return 6 * t * t - 2 * t + 3; };
    const std::vector<double> xs{-1.0, -0.25, 0.5, 0.75, 1.5, 2.0};
    std::vector<Real> x, y;
    for (double t : xs) {
        x.push_back(static_cast<Real>(t));
        y.push_back(static_cast<Real>(f(t)));
    }
    const std::vector<Real> y2 = second_derivatives(x, y, static_cast<Real>(fp(-1.0)), static_cast<Real>(fp(2.0)));
    for (std::size_t i = 0; i < xs.size(); ++i) EXPECT_NEAR(y2[i], 12 * xs[i] - 2, 2e-4) << "point " << i;
    for (double t = -1.0; t <= 2.0; t += 0.125)
        EXPECT_NEAR(spline_at(x, y, y2, static_cast<Real>(t)), f(t), 2e-5 * (1 + std::fabs(f(t)))) << "at " << t;
}

TEST(CubicSplines, StraightLineHasNoCurvatureAndIsReproducedBeyondItsEnds) {
    const std::vector<Real> x{-2.0f, 0.5f, 1.0f, 4.0f, 7.5f};
    std::vector<Real> y;
    for (Real t : x) y.push_back(3.0f - 0.5f * t);
    struct Ends {
        Real yp1, ypn;
    };
    for (const Ends e : {Ends{kNatural, kNatural}, Ends{-0.5f, -0.5f}, Ends{kNatural, -0.5f}}) {
        const std::vector<Real> y2 = second_derivatives(x, y, e.yp1, e.ypn);
        for (Real v : y2) EXPECT_NEAR(v, 0.0f, 1e-6f);
        for (Real t : {-10.0f, -2.0f, 0.75f, 5.0f, 7.5f, 20.0f})
            EXPECT_NEAR(spline_at(x, y, y2, t), 3.0f - 0.5f * t, 1e-5f * (1.0f + std::fabs(t))) << "at " << t;
    }
}

TEST(CubicSplines, TwoPointsSolveTheEndEquationsAlone) {
    // x^3 on [0, 1] with its slopes 0 and 3: the clamped two-point spline is the cube (y2 = 0, 6).
    const std::vector<Real> x{0.0f, 1.0f};
    const std::vector<Real> y{0.0f, 1.0f};
    const std::vector<Real> clamped = second_derivatives(x, y, 0.0f, 3.0f);
    EXPECT_NEAR(clamped[0], 0.0f, 1e-6f);
    EXPECT_NEAR(clamped[1], 6.0f, 1e-5f);
    EXPECT_NEAR(spline_at(x, y, clamped, 0.5f), 0.125f, 1e-6f);
    // Natural at both ends: the chord.
    const std::vector<Real> natural = second_derivatives(x, y, kNatural, kNatural);
    EXPECT_FLOAT_EQ(natural[0], 0.0f);
    EXPECT_FLOAT_EQ(natural[1], 0.0f);
    EXPECT_FLOAT_EQ(spline_at(x, y, natural, 0.25f), 0.25f);
}

// The statics-table layout: entry (j, k) at (j - 1) + 90 (k - 1); every word the table does not use is
// a NaN, so a read outside the m rows and n columns shows in the result.
struct Table {
    std::vector<Real> words = std::vector<Real>(90 * 6, std::numeric_limits<Real>::quiet_NaN());
    Real& operator()(Int j, Int k) { return words[static_cast<std::size_t>((j - 1) + 90 * (k - 1))]; }
};

TEST(CubicSplines, TableSplineOfAPlaneIsThePlaneEverywhere) {
    // f = 1 + 2 x1 + 3 x2 + 0.5 x1 x2 is a straight line along every row and every column, so each
    // natural spline of the bicubic reproduces it exactly, also outside the table.
    auto f = [](Real a, Real b) { return 1.0f + 2.0f * a + 3.0f * b + 0.5f * a * b; };
    const std::vector<Real> x1{80.0f, 100.0f, 120.0f};
    const std::vector<Real> x2{-10.0f, 0.0f, 5.0f, 20.0f};
    Table ya, y2a;
    for (Int j = 1; j <= 3; ++j)
        for (Int k = 1; k <= 4; ++k) ya(j, k) = f(x1[static_cast<std::size_t>(j - 1)], x2[static_cast<std::size_t>(k - 1)]);
    splie2(x1.data(), x2.data(), ya.words.data(), 3, 4, y2a.words.data());
    for (Int j = 1; j <= 3; ++j)
        for (Int k = 1; k <= 4; ++k) EXPECT_NEAR(y2a(j, k), 0.0f, 1e-5f) << j << "," << k;
    EXPECT_TRUE(std::isnan(y2a(4, 1)));  // nothing written beyond the m rows
    for (Real a : {70.0f, 85.0f, 100.0f, 131.0f})
        for (Real b : {-12.0f, 2.5f, 19.0f, 30.0f}) {
            Real v = 0.0f;
            splin2(x1.data(), x2.data(), ya.words.data(), y2a.words.data(), 3, 4, a, b, v);
            EXPECT_NEAR(v, f(a, b), 2e-5f * std::fabs(f(a, b))) << a << "," << b;
        }
}

TEST(CubicSplines, RowsStoredInTheTableGetTheirOwnSplines) {
    // A curved row: splie2 stores for row 2 what spline gives for that row alone.
    const std::vector<Real> x1{1.0f, 2.0f, 3.0f};
    const std::vector<Real> x2{0.0f, 1.0f, 3.0f, 4.0f, 6.0f};
    Table ya, y2a;
    std::vector<Real> row2;
    for (Int j = 1; j <= 3; ++j)
        for (Int k = 1; k <= 5; ++k) {
            const Real t = x2[static_cast<std::size_t>(k - 1)];
            ya(j, k) = static_cast<Real>(j) * t * t - t;
            if (j == 2) row2.push_back(ya(j, k));
        }
    splie2(x1.data(), x2.data(), ya.words.data(), 3, 5, y2a.words.data());
    const std::vector<Real> expected = second_derivatives(x2, row2, kNatural, kNatural);
    for (Int k = 1; k <= 5; ++k) EXPECT_FLOAT_EQ(y2a(2, k), expected[static_cast<std::size_t>(k - 1)]);
    // Equal rows: the value is the row's spline at x2, whatever x1.
    Table eq, eq2;
    for (Int j = 1; j <= 3; ++j)
        for (Int k = 1; k <= 5; ++k) eq(j, k) = row2[static_cast<std::size_t>(k - 1)];
    splie2(x1.data(), x2.data(), eq.words.data(), 3, 5, eq2.words.data());
    const Real along = spline_at(x2, row2, expected, 2.2f);
    for (Real a : {-5.0f, 1.0f, 1.7f, 3.0f, 9.0f}) {
        Real v = 0.0f;
        splin2(x1.data(), x2.data(), eq.words.data(), eq2.words.data(), 3, 5, a, 2.2f, v);
        EXPECT_NEAR(v, along, 1e-5f * std::fabs(along)) << "x1 " << a;
    }
}

class SplineZeroInterval : public testing::ConsoleTest {
protected:
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
};

TEST_F(SplineZeroInterval, IsReportedWithAPauseOnTheScreenAndWithoutOneWhenSilent) {
    // The bisection brackets a repeated abscissa only outside the points: here beyond the last two.
    const std::vector<Real> x{0.0f, 1.0f, 2.0f, 2.0f};
    const std::vector<Real> y{0.0f, 1.0f, 2.0f, 5.0f};
    const std::vector<Real> y2{0.0f, 0.0f, 0.0f, 0.0f};
    reset_tpcm();
    TPCM.EDUNIT = SCREEN_UNIT;
    answers("\nleft over\n");
    const Real v = spline_at(x, y, y2, 2.5f);
    EXPECT_EQ(screen(), " bad xa input in splint\n");
    EXPECT_TRUE(std::isfinite(v));
    // The pause took exactly one line: the next one is still there.
    EXPECT_EQ(read_keyboard_line(), "left over");

    TPCM.EDUNIT = SILENT_UNIT;
    answers("");  // a read here would end the program
    const Real w = spline_at(x, y, y2, 3.0f);
    EXPECT_EQ(silent(), " bad xa input in splint\n");
    EXPECT_TRUE(std::isfinite(w));
    // A good interval says nothing.
    clear_captured(SILENT_UNIT);
    EXPECT_NEAR(spline_at(x, y, y2, 1.5f), 1.5f, 1e-6f);
    EXPECT_EQ(silent(), "");
}

}  // namespace
}  // namespace brevant
