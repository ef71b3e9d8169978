// Compliance coefficients from stress-strain curves: the cubic that GET_ALPHAS makes from a curve
// against the curve's own spline, a quadratic curve recovered exactly, and LOAD_ALPHAS on a line whose
// curve-defined elements end up with the compliance of the classic catenary oracle, with its solve
// count and its stops for tensions outside a curve.
#include "mooring/morlib/stress_strain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "classic_catenary.h"
#include "mooring/morlib/catenary_iteration.h"
#include "mooring/morlib/cubic_splines.h"
#include "mooring_statics_fixture.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::classic_line;
using testing::classic_V_at;
using testing::ClassicElement;

struct Curve {
    std::vector<Real> T, E, D2;
    Int n() const { return static_cast<Int>(T.size()); }
    Real val(Real t) const { return STRAIN_VAL(T.data(), E.data(), D2.data(), n(), t); }
    Real slope(Real t) const { return STRAIN_SLOPE(T.data(), E.data(), D2.data(), n(), t); }
    std::array<Real, 3> alphas(Real t) const {
        std::array<Real, 3> a{-1.0f, -1.0f, -1.0f};
        GET_ALPHAS(t, T.data(), E.data(), D2.data(), n(), std::span<Real, 3>(a));
        return a;
    }
};

Curve make_curve(std::vector<Real> T, Real (*strain)(Real), Real yp1 = 1.0e30f, Real ypn = 1.0e30f) {
    Curve c;
    c.T = std::move(T);
    for (Real t : c.T) c.E.push_back(strain(t));
    c.D2.assign(c.T.size(), 0.0f);
    spline(c.T.data(), c.E.data(), c.n(), yp1, ypn, c.D2.data());
    return c;
}

TEST(StressStrainCurve, CubicMatchesTheCurveAtTheTensionAndAtZero) {
    const Curve c = make_curve({0.0f, 50.0f, 120.0f, 200.0f, 300.0f},
                               [](Real t) { return 0.01f * (1.0f - std::exp(-t / 150.0f)); });
    for (Real T : {80.0f, 260.0f}) {
        const auto a = c.alphas(T);
        const Real cubic = a[0] * T + a[1] * T * T + a[2] * T * T * T;
        const Real slope = a[0] + 2.0f * a[1] * T + 3.0f * a[2] * T * T;
        EXPECT_NEAR(cubic, c.val(T), 1e-5f * c.val(T)) << T;
        EXPECT_NEAR(slope, c.slope(T), 1e-5f * c.slope(T)) << T;
        EXPECT_NEAR(a[0], c.slope(0.0f), 1e-5f * c.slope(0.0f)) << T;
    }
    // No tension: the linear law of the curve's slope at zero.
    const auto a0 = c.alphas(0.0f);
    EXPECT_EQ(a0[0], c.slope(0.0f));
    EXPECT_EQ(a0[1], 0.0f);
    EXPECT_EQ(a0[2], 0.0f);
    const auto neg = c.alphas(-10.0f);
    EXPECT_EQ(neg[1], 0.0f);
    EXPECT_EQ(neg[2], 0.0f);
}

TEST(StressStrainCurve, QuadraticCurveGivesItsOwnCoefficients) {
    // strain = 1e-4 T + 2e-7 T^2 with its exact end slopes: the clamped spline is the parabola, so its
    // slope is 1e-4 + 4e-7 T and the cubic of any tension is the parabola itself.
    auto strain = [](Real t) { return 1e-4f * t + 2e-7f * t * t; };
    const Curve c = make_curve({0.0f, 100.0f, 250.0f, 400.0f, 600.0f}, strain, 1e-4f, 1e-4f + 4e-7f * 600.0f);
    for (Real T : {0.0f, 75.0f, 330.0f, 600.0f}) EXPECT_NEAR(c.slope(T), 1e-4f + 4e-7f * T, 2e-9f) << T;
    const auto a = c.alphas(330.0f);
    EXPECT_NEAR(a[0], 1e-4f, 1e-8f);
    EXPECT_NEAR(a[1], 2e-7f, 2e-10f);
    EXPECT_NEAR(a[2] * 330.0f, 0.0f, 2e-10f);
}

class StressStrainZero : public testing::ConsoleTest {
protected:
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
};

TEST_F(StressStrainZero, RepeatedTensionIsReportedWithoutAPauseWhenSilent) {
    reset_tpcm();
    TPCM.EDUNIT = SILENT_UNIT;
    const std::vector<Real> T{0.0f, 100.0f, 100.0f};
    const std::vector<Real> E{0.0f, 0.001f, 0.002f};
    const std::vector<Real> D2{0.0f, 0.0f, 0.0f};
    const Real v = STRAIN_VAL(T.data(), E.data(), D2.data(), 3, 150.0f);
    const Real s = STRAIN_SLOPE(T.data(), E.data(), D2.data(), 3, 150.0f);
    EXPECT_EQ(silent(), " bad xa input in splint\n bad xa input in splint\n");
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_TRUE(std::isfinite(s));
}

// A line of two elements (200 and 800 long, w 0.8) of line type 12 spanning 200 on the floor at
// H 110, its table point tangents from the oracle; both elements may be curve-defined.
class LoadAlphas : public testing::ConsoleTest {
protected:
    static constexpr Int kType = 12;
    static constexpr double kH = 110.0;

    void SetUp() override {
        ConsoleTest::SetUp();
        reset_all();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.NELEM(kType) = 2;
        TPCM.SLEN(1, kType) = 200.0f;
        TPCM.SLEN(2, kType) = 800.0f;
        for (Int j = 1; j <= 2; ++j) {
            TPCM.WETWT(j, kType) = 0.8f;
            TPCM.ALPHA(1, j, kType) = 2e-6f;
        }
        TPCM.ANCTYP(kType) = 1;
        TPCM.NTAB = 3;
        LINCOM.ITYP = kType;
        LINCOM.DELTAZ = 200.0f;
        LINCOM.DPHLD = kH;
        const double H[3] = {80.0, 100.0, 120.0};
        for (Int i = 1; i <= 3; ++i) {
            LINCOM.HLOD(i) = static_cast<Real>(H[i - 1]);
            LINCOM.TANPHI(i, 1, 1) = static_cast<Real>(testing::oracle_at(H[i - 1], 200.0).V / H[i - 1]);
        }
    }
    void TearDown() override {
        reset_all();
        ConsoleTest::TearDown();
    }
    static void reset_all() {
        reset_tpcm();
        reset_lincom();
        reset_locitr();
    }
    // Element IELEM follows the straight curve strain = a1 T through the given tensions.
    static void straight_curve(Int IELEM, std::vector<Real> T, Real a1) {
        LINCOM.NSTRS_STRN(IELEM, kType) = static_cast<Int>(T.size());
        for (std::size_t p = 0; p < T.size(); ++p) {
            const Int i = static_cast<Int>(p) + 1;
            LINCOM.TENS_ARR(i, IELEM, kType) = T[p];
            LINCOM.E_ARR(i, IELEM, kType) = a1 * T[p];
        }
        spline(&LINCOM.TENS_ARR(1, IELEM, kType), &LINCOM.E_ARR(1, IELEM, kType), static_cast<Int>(T.size()),
               1.0e30f, 1.0e30f, &LINCOM.SPLINE_2DERIV(1, IELEM, kType));
    }
    // Tension at the upper end of element 2 of the oracle's line with the axial stiffnesses EA1, EA2.
    static double oracle_node2_tension(double EA1, double EA2) {
        const std::vector<ClassicElement> line{{200.0, static_cast<double>(0.8f), EA1},
                                               {800.0, static_cast<double>(0.8f), EA2}};
        const double V = classic_V_at(kH, 200.0, line);
        const double V2 = classic_line(kH, V, line, true).V[1];
        return std::sqrt(kH * kH + V2 * V2);
    }
    static int run_to_end() {
        try {
            LOAD_ALPHAS(kH, 1);
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
    static std::size_t count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }
};

TEST_F(LoadAlphas, StableIntervalsTakeOneEvaluationAndTwoSolves) {
    // Element 2 starts far too soft; its straight curve gives it the oracle's compliance 2e-6.
    // Element 1 is not curve-defined, and bit 5 lies beyond the line's two elements (element 5 has no
    // curve: reading it would stop the run).
    TPCM.ALPHA(1, 2, kType) = 1e-4f;
    TPCM.ALPHA(2, 2, kType) = 3e-9f;
    TPCM.STRESS_STRAIN_FILE(kType) = (1 << 1) | (1 << 4);
    straight_curve(2, {0.0f, 1000.0f, 3000.0f}, 2e-6f);
    TPCM.NBUG = 1;  // each successful fairlead-tangent search traces ICOUNT 1
    LOAD_ALPHAS(kH, 1);
    EXPECT_EQ(count(screen(), " LOOP DONE:ICOUNT,TOPT1,TOPT2,FUNC,TOPTAN       1"), 2u);
    EXPECT_EQ(TPCM.ALPHA(1, 1, kType), 2e-6f);  // not curve-defined: untouched
    EXPECT_NEAR(TPCM.ALPHA(1, 2, kType), 2e-6f, 1e-10f);
    EXPECT_NEAR(TPCM.ALPHA(2, 2, kType) * 300.0f, 0.0f, 1e-10f);
    EXPECT_NEAR(TPCM.ALPHA(3, 2, kType) * 300.0f * 300.0f, 0.0f, 1e-10f);
    // The line left in the records is the one of the new coefficients: the oracle's line.
    EXPECT_NEAR(LINCOM.BETA(1, 2), static_cast<double>(TPCM.ALPHA(1, 2, kType)) * kH, 1e-15);
    EXPECT_EQ(LINCOM.SCLWT(1), static_cast<double>(0.8f) / kH);
    const testing::OracleState o = testing::oracle_at(kH, 200.0);
    EXPECT_NEAR(LINCOM.TMPTAN(1), o.V / o.H, 2e-4);
}

TEST_F(LoadAlphas, TensionBeyondTheCurveOnTheFirstPassStops) {
    TPCM.STRESS_STRAIN_FILE(kType) = 3;
    straight_curve(1, {0.0f, 5000.0f}, 2e-6f);
    straight_curve(2, {0.0f, 50.0f}, 2e-6f);  // every tension of element 2 is above 110
    answers("\nleft\n");
    EXPECT_EQ(run_to_end(), 1);
    EXPECT_EQ(screen().rfind("\n ++> MIN2 evaluation produced a nonzero IER in LOAD_ALPHAS.\n"
                             "     (ITYP,IELEM) = (12, 2).\n\n",
                             0),
              0u)
        << screen();
    EXPECT_NE(screen().find("Press <RETURN> to continue: "), std::string::npos);
    EXPECT_EQ(read_keyboard_line(), "left");
}

TEST_F(LoadAlphas, TensionThatLeavesTheCurveAfterTheResolveStops) {
    // Element 2 starts soft (a1 1e-4); its curve is the stiff 2e-6. The oracle gives the tension at its
    // upper end in both lines: the curve ends half way between them, holding only the first.
    TPCM.ALPHA(1, 1, kType) = 1e-4f;
    TPCM.ALPHA(1, 2, kType) = 1e-4f;
    TPCM.STRESS_STRAIN_FILE(kType) = 3;
    const double soft = oracle_node2_tension(1.0 / static_cast<double>(1e-4f), 1.0 / static_cast<double>(1e-4f));
    const double stiff = oracle_node2_tension(1.0 / static_cast<double>(2e-6f), 1.0 / static_cast<double>(2e-6f));
    ASSERT_GT(std::fabs(stiff - soft), 1.0);
    const Real mid = static_cast<Real>(0.5 * (soft + stiff));
    straight_curve(1, {0.0f, 5000.0f}, 2e-6f);
    if (soft < stiff)
        straight_curve(2, {0.0f, mid}, 2e-6f);
    else
        straight_curve(2, {mid, 5000.0f}, 2e-6f);
    TPCM.EDUNIT = SILENT_UNIT;
    EXPECT_EQ(run_to_end(), 1);
    EXPECT_EQ(silent(),
              "\n ++> MIN2Q evaluation produced a nonzero IER in LOAD_ALPHAS.\n"
              "     (ITYP,IELEM) = (12, 2).\n\n");
}

}  // namespace
}  // namespace brevant
