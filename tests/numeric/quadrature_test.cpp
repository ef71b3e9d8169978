// Romberg quadrature against closed-form integrals, the spreading normaliser against std::tgamma
// and its fatal path, and the Simpson point weights.
#include <cmath>
#include <numbers>
#include <vector>

#include "numeric/quadrature.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;

int g_calls = 0;
Real count_const3(Real& /*x*/) {
    ++g_calls;
    return 3.0f;
}
Real f_sin(Real& x) { return std::sin(x); }
Real f_x4(Real& x) { return x * x * x * x; }
Real f_exp(Real& x) { return std::exp(x); }
Real f_line(Real& x) { return 2.0f * x + 1.0f; }
Real f_clobber(Real& x) {
    const Real v = x;
    x = -99.0f;  // a careless integrand must not move the caller's limits
    return v;
}

TEST(Qatr, ClosedFormIntegrals) {
    struct Case {
        QatrFunction f;
        Real xl, xu, want;
    };
    const Case cases[] = {{f_sin, 0.0f, 3.14159265f, 2.0f},
                          {f_x4, 0.0f, 1.0f, 0.2f},
                          {f_exp, 0.0f, 1.0f, 1.7182818f},
                          {f_sin, 3.14159265f, 0.0f, -2.0f}};
    for (const Case& c : cases) {
        Real aux[20];
        Real y = 0.0f;
        Int ier = -1;
        QATR(c.xl, c.xu, 1e-5f, 20, c.f, y, ier, aux);
        EXPECT_EQ(ier, 0);
        EXPECT_NEAR(y, c.want, 1e-5f);
    }
}

TEST(Qatr, ConstantConvergesOnlyAtStageFive) {
    Real aux[10];
    Real y = 0.0f;
    Int ier = -1;
    g_calls = 0;
    QATR(0.0f, 2.0f, 0.0f, 10, count_const3, y, ier, aux);
    EXPECT_EQ(ier, 0);
    EXPECT_EQ(y, 6.0f);
    EXPECT_EQ(g_calls, 2 + 1 + 2 + 4 + 8);  // ends, then stages 2..5
}

TEST(Qatr, EmptyIntervalAndTooFewStages) {
    Real aux[10];
    Real y = -1.0f;
    Int ier = -1;
    g_calls = 0;
    QATR(1.0f, 1.0f, 1e-5f, 10, count_const3, y, ier, aux);
    EXPECT_EQ(ier, 0);
    EXPECT_EQ(y, 0.0f);
    EXPECT_EQ(g_calls, 2);

    QATR(1.0f, 3.0f, 1e-5f, 1, f_line, y, ier, aux);  // one trapezoid: 2 (3 + 7) / 2
    EXPECT_EQ(ier, 2);
    EXPECT_EQ(y, 10.0f);

    QATR(0.0f, 3.14159265f, 1e-5f, 4, f_sin, y, ier, aux);  // the loop ends before stage 5
    EXPECT_EQ(ier, 2);
    EXPECT_NEAR(y, 2.0f, 1e-3f);
}

TEST(Qatr, UnreachableToleranceReportsRoundOff) {
    Real aux[30];
    Real y = 0.0f;
    Int ier = -1;
    QATR(0.0f, 3.14159265f, -1.0f, 30, f_sin, y, ier, aux);
    EXPECT_EQ(ier, 1);
    EXPECT_NEAR(y, 2.0f, 1e-5f);
}

Real f_nan(Real& /*x*/) {
    ++g_calls;
    return std::nanf("");
}

TEST(Qatr, IntegrandThatIsNotANumberStopsAtStageFive) {
    Real aux[80];
    Real y = 0.0f;
    Int ier = -1;
    g_calls = 0;
    QATR(0.0f, 1.0f, 1e-4f, 80, f_nan, y, ier, aux);
    EXPECT_EQ(ier, 1);
    EXPECT_EQ(g_calls, 2 + 1 + 2 + 4 + 8);
}

std::vector<Real> g_seen;
Real record_abscissa(Real& x) {
    g_seen.push_back(x);
    return 1.0f;
}

TEST(Qatr, EvaluatesTheLowerEndFirstThenTheMidpointsInOrder) {
    // An integrand with state (a counter, a recorded path) sees the points in a fixed order:
    // both ends, lower first, then each stage's new midpoints from left to right.
    Real aux[10];
    Real y = 0.0f;
    Int ier = -1;
    g_seen.clear();
    QATR(1.0f, 3.0f, 0.0f, 3, record_abscissa, y, ier, aux);
    EXPECT_EQ(ier, 2);
    EXPECT_EQ(g_seen, (std::vector<Real>{1.0f, 3.0f, 2.0f, 1.5f, 2.5f}));
}

TEST(Qatr, IntegrandCannotMoveTheLimits) {
    Real aux[10];
    Real y = 0.0f;
    Int ier = -1;
    Real xl = 0.0f;
    Real xu = 2.0f;
    QATR(xl, xu, 1e-6f, 10, f_clobber, y, ier, aux);
    EXPECT_EQ(ier, 0);
    EXPECT_NEAR(y, 2.0f, 1e-6f);
}

class FactriTest : public ConsoleTest {};

TEST_F(FactriTest, MatchesTheGammaRatio) {
    for (const double n : {0.0, 1.0, 2.0, 3.0, -0.5, 4.5, 10.0, 67.0}) {
        const double want = std::sqrt(std::numbers::pi) * std::tgamma((n + 1) / 2) / std::tgamma((n + 2) / 2);
        const double got = FACTRI(static_cast<Real>(n), SCREEN_UNIT, KBD_UNIT);
        EXPECT_NEAR(got / want, 1.0, 5e-6) << n;
    }
    EXPECT_NEAR(FACTRI(0.0f, SCREEN_UNIT, KBD_UNIT), 3.14159265f, 2e-5f);
    EXPECT_NEAR(FACTRI(2.0f, SCREEN_UNIT, KBD_UNIT), 1.5707963f, 1e-5f);
    EXPECT_EQ(screen(), "");
}

// The factor's test alone, for the checks before a run: the value against the gamma ratio, and no
// value exactly where FACTRI would end the program.
TEST_F(FactriTest, SpreadingFactorTellsWhereFactriWouldEnd) {
    for (const double n : {0.0, 2.0, -0.5, 67.0}) {
        Real value = 0.0f;
        ASSERT_TRUE(spreading_factor(static_cast<Real>(n), value)) << n;
        const double want = std::sqrt(std::numbers::pi) * std::tgamma((n + 1) / 2) / std::tgamma((n + 2) / 2);
        EXPECT_NEAR(static_cast<double>(value) / want, 1.0, 5e-6) << n;
        EXPECT_EQ(value, FACTRI(static_cast<Real>(n), SCREEN_UNIT, KBD_UNIT)) << n;
    }
    // Just beyond the gamma function's tolerance about a pole: a value (of its single-precision
    // accuracy there), FACTRI's.
    for (const Real n : {-0.999997f, -1.000002f}) {
        Real value = 0.0f;
        ASSERT_TRUE(spreading_factor(n, value)) << n;
        EXPECT_TRUE(std::isfinite(value)) << n;
        EXPECT_EQ(value, FACTRI(n, SCREEN_UNIT, KBD_UNIT)) << n;
    }
    for (const Real n : {-1.0f, -0.9999985f, -2.0f, -3.0000005f, 67.00001f, 68.0f, 1.0e30f, -1.0e30f}) {
        Real value = 0.0f;
        EXPECT_FALSE(spreading_factor(n, value)) << n;
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(FactriTest, InvalidIndexWritesTheMessagePausesAndEnds) {
    for (const Real n : {68.0f, -3.0f, -1.0e30f}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        try {
            FACTRI(n, SCREEN_UNIT, KBD_UNIT);
            FAIL() << "FACTRI(" << n << ") must end the program";
        } catch (const ProgramEnd& e) {
            EXPECT_EQ(e.status, 1);
        }
        EXPECT_EQ(screen(),
                  "\n ++> Invalid spreading index in FACTRI; reduce spreading index & retry\n\n \n"
                  " Press <RETURN> to continue: ");
    }
}

TEST_F(FactriTest, SilentRunDoesNotWaitAtTheMessage) {
    try {
        FACTRI(68.0f, SILENT_UNIT, KBD_UNIT);
        FAIL();
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(silent(), "\n ++> Invalid spreading index in FACTRI; reduce spreading index & retry\n\n");
}

TEST(SimpsonWeights, SeiveAndSmpfac) {
    struct SeiveCase {
        Int iang, imin, imax;
        Real fac;
    };
    const SeiveCase seive[] = {{5, 1, 9, 2.0f}, {4, 1, 9, 4.0f}, {9, 1, 9, 1.0f}, {1, 1, 9, 1.0f}, {3, 2, 8, 4.0f}, {-3, -5, 5, 2.0f}};
    for (const auto& c : seive) {
        Real fac = 0.0f;
        SEIVE(c.iang, c.imin, c.imax, fac);
        EXPECT_EQ(fac, c.fac) << c.iang << " in " << c.imin << ".." << c.imax;
    }
    struct SmpCase {
        Int ivar, nqp;
        Real fac;
    };
    const SmpCase smp[] = {{1, 7, 1.0f}, {2, 7, 4.0f}, {3, 7, 2.0f}, {7, 7, 1.0f}, {1, 1, 1.0f}};
    for (const auto& c : smp) {
        Real fac = 0.0f;
        SMPFAC(c.ivar, c.nqp, fac);
        EXPECT_EQ(fac, c.fac) << c.ivar << " of " << c.nqp;
    }
}

TEST(SimpsonWeights, EveryCountIntegratesACubicExactly) {
    // Sum of weight * x^3 * h / 3 over n points spread on 0..1 is 1/4 for odd and even counts
    // alike (two points: the trapezoid, exact for a straight line).
    for (Int n = 3; n <= 12; ++n) {
        const double h = 1.0 / (n - 1);
        double smp = 0.0;
        double seive = 0.0;
        for (Int i = 1; i <= n; ++i) {
            Real fac = 0.0f;
            SMPFAC(i, n, fac);
            const double x = (i - 1) * h;
            smp += double(fac) * x * x * x;
            SEIVE(i + 4, 5, n + 4, fac);
            seive += double(fac) * x * x * x;
        }
        EXPECT_NEAR(smp * h / 3.0, 0.25, 1e-12) << n;
        EXPECT_NEAR(seive * h / 3.0, 0.25, 1e-12) << n;
    }
    Real a = 0.0f;
    Real b = 0.0f;
    SMPFAC(1, 2, a);
    SMPFAC(2, 2, b);
    EXPECT_NEAR((double(a) * 0.0 + double(b) * 1.0) / 3.0, 0.5, 1e-12);  // integral of x over 0..1
    // The default 30-point grid: the last point no longer gets the plain weight 4.
    SMPFAC(30, 30, a);
    EXPECT_EQ(a, 1.125f);
    SMPFAC(8, 8, a);
    EXPECT_EQ(a, 1.125f);
}

}  // namespace
}  // namespace brevant
