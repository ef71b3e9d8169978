// The dispersion relation checked in double precision, height to slope, and the JONSWAP
// normaliser against a direct double-precision integration of the spectral shape.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numeric/quadrature.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;

// The area under x^-5 exp(-1.25 x^-4) gamma^r(x), r = exp(-(x - 1)^2 / (2 sigma^2)), by a fine
// midpoint rule in u = 1 / x (the shape decays like x^-5, so the range in u is 0..large).
double jonswap_area(double pl, double pg, double gamma) {
    double sum = 0.0;
    const int n = 400000;
    const double umax = 4.0;  // x down to 0.25, where exp(-1.25 x^-4) is below e^-300
    const double h = umax / n;
    for (int i = 0; i < n; ++i) {
        const double u = (i + 0.5) * h;
        const double x = 1.0 / u;
        const double sig = x <= 1.0 ? pl : pg;
        const double r = std::exp(-(x - 1.0) * (x - 1.0) / (2.0 * sig * sig));
        // dx = dx/du du = -du / u^2; x^-5 = u^5.
        sum += std::pow(u, 3) * std::exp(-1.25 * std::pow(u, 4)) * std::pow(gamma, r);
    }
    return sum * h;
}

class Jonswap : public ConsoleTest {};

TEST_F(Jonswap, NormaliserMatchesTheAreaUnderTheShape) {
    Real v = 0.0f;
    JONSVAL(0.07f, 0.09f, 1.0f, v, SCREEN_UNIT);
    EXPECT_EQ(v, 0.2f);
    EXPECT_NEAR(jonswap_area(0.07, 0.09, 1.0), 0.2, 1e-9);
    for (const double gamma : {2.0, 3.3, 7.0}) {
        JONSVAL(0.07f, 0.09f, static_cast<Real>(gamma), v, SCREEN_UNIT);
        const double want = jonswap_area(0.07, 0.09, gamma);
        EXPECT_NEAR(double(v) / want, 1.0, 0.01) << gamma;
    }
    JONSVAL(0.07f, 0.09f, 3.3f, v, SCREEN_UNIT);
    EXPECT_NEAR(double(v) / 0.30499, 1.0, 0.01);
    EXPECT_EQ(LOCALJ.BRANCH, 2);
    EXPECT_EQ(LOCALJ.PVAL, 0.09f);
    EXPECT_EQ(screen(), "");
}

TEST_F(Jonswap, PeakFactorWithoutALogarithmEndsWithTheRoundOffMessage) {
    // gamma 0 has no logarithm: the integral is not a number, which ends with a message (and
    // a pause) rather than running the quadrature through all its stages.
    answers("\n");
    Real v = 0.0f;
    try {
        JONSVAL(0.07f, 0.09f, 0.0f, v, SCREEN_UNIT);
        FAIL() << "JONSVAL must end the program";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(screen(), " ++> FATAL error: unfixable roundoff error in JONSVAL\n \n Press <RETURN> to continue: ");
}

// The normaliser's integration as it stood with no bound on its stages: each side's passes of
// QATR with the tolerance loosened on round-off and the stages doubled up to 80, every failure
// returned in place of a question or a stop. It counts the evaluations of each pass, so that a row
// can show how deep it went. Only for cases that end: the unbounded stages are what never ends.
struct Unbounded {
    JonswapOutcome outcome = JonswapOutcome::Converged;
    Real JONVAL = 0.0f;
    int deepest = 0;  // the largest Romberg stage of any pass
};

std::int64_t g_evaluations = 0;
Real counted_jonint(Real& Z) {
    ++g_evaluations;
    return JONINT(Z);
}

// A pass of I stages evaluates 2^(I-1) + 1 points (two, the ends, for the first).
int stage_of(std::int64_t evaluations) {
    int I = 1;
    while ((std::int64_t{1} << (I - 1)) + 1 < evaluations) ++I;
    return I;
}

JonswapOutcome unbounded_side(Real XL, int NITER_WARN, Real& Y, int& deepest) {
    Real EPS = 0.0001f;
    Int NDIM = 10;
    Real AUX[80];
    for (int NITER = 1;; ++NITER) {
        if (NITER > NITER_WARN) return JonswapOutcome::IterationLimit;
        Int IER = 0;
        g_evaluations = 0;
        QATR(XL, 1.0f, EPS, NDIM, counted_jonint, Y, IER, AUX);
        deepest = std::max(deepest, stage_of(g_evaluations));
        if (IER == 1) {
            if (std::fabs(Y) > 10.0f * EPS) {
                EPS = 10.0f * EPS;
                continue;
            }
            return JonswapOutcome::RoundOff;
        }
        if (IER == 2) {
            if (NDIM <= 40) {
                NDIM = 2 * NDIM;
                continue;
            }
            return JonswapOutcome::StagesUsedUp;
        }
        if (0.01f * Y >= EPS) return JonswapOutcome::Converged;
        EPS = 0.008f * Y;
    }
}

Unbounded unbounded_normaliser(Real PL, Real PG, Real GAMMA) {
    Unbounded u;
    LOCALJ.GAM = GAMMA;
    LOCALJ.BRANCH = 1;
    LOCALJ.PVAL = PL;
    Real YL = 0.0f, YG = 0.0f;
    u.outcome = unbounded_side(std::exp(-(0.5f / (PL * PL))), 100, YL, u.deepest);
    if (u.outcome != JonswapOutcome::Converged) return u;
    LOCALJ.BRANCH = 2;
    LOCALJ.PVAL = PG;
    u.outcome = unbounded_side(0.0f, 20, YG, u.deepest);
    if (u.outcome == JonswapOutcome::Converged) u.JONVAL = 0.2f * (1.0f - (YL - YG) * std::log(GAMMA));
    return u;
}

// The integration takes at most a bounded number of stages. The cases that go deepest of all that
// end (found by scanning gamma and both widths over their whole float ranges) keep what the
// unbounded integration gives them, to the bit, and where they converge that is the area under the
// shape. The rows of very large gammas go to 23 and 24 stages, the deepest any ending case reached.
TEST_F(Jonswap, TheDeepestCasesThatEndKeepTheirValue) {
    struct Row {
        Real PL, PG, GAMMA;
        int deepest;
        JonswapOutcome outcome;
    };
    const Row rows[] = {
        {0.07f, 0.09f, 3.3f, 12, JonswapOutcome::Converged},
        {0.68f, 0.123f, 7.0f, 12, JonswapOutcome::Converged},
        {0.5f, 53.1805115f, 5607.16992f, 23, JonswapOutcome::Converged},
        {0.1f, 51522.2188f, 407091.625f, 24, JonswapOutcome::Converged},
        {0.9f, 12629018.0f, 177027.234f, 24, JonswapOutcome::Converged},
        // Deep on the side below the peak, then no convergence above it.
        {0.177059934f, 1.0f, 3.90816823e27f, 23, JonswapOutcome::IterationLimit},
        {0.169915006f, 0.09f, 4.10869501e34f, 22, JonswapOutcome::IterationLimit},
        {0.673415065f, 0.09f, 4977.02344f, 19, JonswapOutcome::IterationLimit},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.PL << ", " << r.PG << ", " << r.GAMMA);
        const Unbounded want = unbounded_normaliser(r.PL, r.PG, r.GAMMA);
        ASSERT_EQ(want.outcome, r.outcome);
        EXPECT_EQ(want.deepest, r.deepest);
        Real got = -1.0f;
        EXPECT_EQ(jonswap_outcome(r.PL, r.PG, r.GAMMA, got), r.outcome);
        if (r.outcome != JonswapOutcome::Converged) continue;
        EXPECT_EQ(got, want.JONVAL);
        Real asked = -2.0f;
        JONSVAL(r.PL, r.PG, r.GAMMA, asked, SCREEN_UNIT);
        EXPECT_EQ(asked, want.JONVAL);
        EXPECT_NEAR(double(got) / jonswap_area(r.PL, r.PG, r.GAMMA), 1.0, 0.01);
    }
    EXPECT_EQ(screen(), "");
}

// With gamma 1 the difference of the integrals is multiplied by ln 1 = 0: every shape that the
// integration converged with gave exactly 0.2, and every shape now gives it without integrating,
// those the integration never ended with (sigma a 1000 and 2000) and those it failed with (100)
// among them.
TEST_F(Jonswap, GammaOneIsThePiersonMoskowitzAreaWhateverTheWidths) {
    const Real widths[] = {1.0e-3f, 0.05f, 0.07f, 0.09f, 0.5f, 1.0f, 10.0f, 100.0f, 1000.0f, 2000.0f, 5000.0f, 1.0e10f};
    for (Real PL : widths) {
        for (Real PG : widths) {
            SCOPED_TRACE(::testing::Message() << PL << ", " << PG);
            Real JONVAL = -1.0f;
            EXPECT_EQ(jonswap_outcome(PL, PG, 1.0f, JONVAL), JonswapOutcome::Converged);
            EXPECT_EQ(JONVAL, 0.2f);
            Real asked = -1.0f;
            JONSVAL(PL, PG, 1.0f, asked, SCREEN_UNIT);
            EXPECT_EQ(asked, 0.2f);
            if (PL >= 1000.0f && PL < 4096.0f) continue;  // the integration of these never ends
            // The integration failed with a sigma a of 100 and converged with all the others.
            const Unbounded u = unbounded_normaliser(PL, PG, 1.0f);
            EXPECT_EQ(u.outcome == JonswapOutcome::Converged, PL != 100.0f);
            if (u.outcome == JonswapOutcome::Converged) {
                EXPECT_EQ(u.JONVAL, 0.2f);
            }
        }
    }
    EXPECT_EQ(screen(), "");
}

TEST(JonswapIntegrand, BranchesAndLimits) {
    LOCALJ.PVAL = 0.07f;
    LOCALJ.GAM = 3.3f;
    LOCALJ.BRANCH = 2;
    Real z = 0.0f;
    EXPECT_FLOAT_EQ(JONINT(z), std::exp(-1.25f));  // Z exactly 0 is taken at the peak
    z = 1.0f;
    EXPECT_FLOAT_EQ(JONINT(z), std::exp(std::log(3.3f) - 1.25f));
    LOCALJ.BRANCH = 1;
    z = std::exp(-(0.5f / (0.07f * 0.07f)));  // zero frequency: the shape factor vanishes
    const Real at_zero = JONINT(z);
    EXPECT_TRUE(std::isfinite(at_zero));
    EXPECT_LT(at_zero, 1e-30f);
}

}  // namespace
}  // namespace brevant

namespace brevant {
namespace {

// The root of k tanh k = omega^2 in double precision by Newton's method.
double dispersion_root(double omega) {
    const double o2 = omega * omega;
    double k = o2 > 1.0 ? o2 : omega;
    for (int i = 0; i < 60; ++i) {
        const double t = std::tanh(k);
        const double f = k * t - o2;
        const double d = t + k * (1.0 - t * t);
        k -= f / d;
    }
    return k;
}

TEST(WaveNumber, SolvesTheDispersionRelation) {
    Real kh = 0.0f;
    WAVVEC(1.0f, kh, SCREEN_UNIT);
    EXPECT_NEAR(kh, 1.199679f, 2e-6f);
    for (double om = 0.05; om <= 5.0001; om += 0.05) {
        const Real omega = static_cast<Real>(om);
        WAVVEC(omega, kh, SCREEN_UNIT);
        const double want = dispersion_root(double(omega));
        EXPECT_NEAR(double(kh), want, 1e-5 * std::max(1.0, want)) << om;
        const double residual = double(kh) * std::tanh(double(kh)) - double(omega) * double(omega);
        EXPECT_NEAR(residual / (double(omega) * double(omega)), 0.0, 2e-5) << om;
        EXPECT_FLOAT_EQ(LOCALCS.OMEGA2, omega * omega);
    }
}

TEST(WaveNumber, LimitsOfDepth) {
    Real kh = -1.0f;
    WAVVEC(0.0f, kh, SCREEN_UNIT);
    EXPECT_EQ(kh, 0.0f);
    WAVVEC(4.0f, kh, SCREEN_UNIT);  // deep water: tanh is 1 in single precision
    EXPECT_NEAR(kh, 16.0f, 16.0f * 1e-5f);
    WAVVEC(0.1f, kh, SCREEN_UNIT);  // shallow water: omega (1 + omega^2 / 6)
    EXPECT_NEAR(kh, 0.100167f, 2e-6f);
}

TEST(WaveNumber, HeightToSlope) {
    Real h = 5.0f;
    CNHTSP(h, 10.0f, 1000.0f, 9.81f, SCREEN_UNIT);
    EXPECT_NEAR(h, 5.764f, 5e-4f);
    // Independently: half the steepness k H in degrees, k from the deep-water relation.
    const double omega = 6.283 / 10.0;
    const double k = omega * omega / 9.81;
    EXPECT_NEAR(double(h), 28.65 * k * 5.0, 1e-3);
}

// Shallow water down to omega 3e-4: the wave number follows the dispersion relation there too,
// about omega (1 + omega^2 / 6), instead of a point the root finder stalled on next to the lower
// bound omega^2.
class ShallowWaveNumber : public ConsoleTest {};

TEST_F(ShallowWaveNumber, FollowsTheDispersionRelationDownToTheShallowestFrequencies) {
    // k tanh k = omega^2 by Newton's method in long double.
    auto root = [](long double omega) {
        const long double o2 = omega * omega;
        long double k = o2 > 1.0L ? o2 : omega;
        for (int i = 0; i < 100; ++i) {
            const long double t = std::tanh(k);
            k -= (k * t - o2) / (t + k * (1.0L - t * t));
        }
        return k;
    };
    const int n = 30;
    for (int i = 0; i < n; ++i) {
        const Real omega = static_cast<Real>(3.0e-4 * std::pow(20.0 / 3.0e-4, i / double(n - 1)));
        Real kh = -1.0f;
        WAVVEC(omega, kh, SCREEN_UNIT);  // a root-finder failure would end the program with a message
        const double want = static_cast<double>(root(static_cast<long double>(omega)));
        EXPECT_NEAR(double(kh), want, 1.0e-5) << omega;
        if (omega > 0.01f) {
            EXPECT_NEAR(double(kh) / want, 1.0, 1.0e-5) << omega;
        } else {
            const double o = omega;
            EXPECT_NEAR(double(kh), o * (1.0 + o * o / 6.0), 1.0e-5) << omega;
        }
    }
    Real kh = 0.0f;
    WAVVEC(3.0e-4f, kh, SCREEN_UNIT);
    EXPECT_NEAR(kh, 3.0e-4f, 1.0e-5f);
    EXPECT_EQ(screen(), "");
}

class WaveNumberFailure : public ConsoleTest {};

TEST_F(WaveNumberFailure, RootFinderFailureIsWrittenAndEndsTheProgram) {
    // A frequency that is not a number leaves the root finder without a sign change. The message
    // goes to the unit handed in, whatever the data image's console word holds.
    TPCM.EDUNIT = SILENT_UNIT;
    answers("x\n");
    Real kh = 0.0f;
    try {
        WAVVEC(std::nanf(""), kh, SCREEN_UNIT);
        FAIL() << "WAVVEC must end the program";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(screen(),
              " >>> IER = 2 in WAVVEC; Please contact Velmora.\n"
              "     press any letter key + <RETURN> to continue...\n");
    EXPECT_EQ(silent(), "");
}

// A silent run's console is its file: the message goes there, and nothing is read (nobody can
// press a key), so the end is the stop's own and not the end of the input.
TEST_F(WaveNumberFailure, SilentRunWritesTheFailureInItsFileAndReadsNothing) {
    TPCM.EDUNIT = SCREEN_UNIT;
    answers("");
    Real kh = 0.0f;
    try {
        WAVVEC(std::numeric_limits<Real>::infinity(), kh, SILENT_UNIT);
        FAIL() << "WAVVEC must end the program";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
        EXPECT_FALSE(e.said);
    }
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(silent(),
              " >>> IER = 2 in WAVVEC; Please contact Velmora.\n"
              "     press any letter key + <RETURN> to continue...\n");
    TPCM.EDUNIT = SCREEN_UNIT;
}

}  // namespace
}  // namespace brevant
