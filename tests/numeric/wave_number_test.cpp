// The dispersion relation checked in double precision, height to slope, and the JONSWAP
// normaliser against a direct double-precision integration of the spectral shape.
#include <cmath>

#include "numeric/wave_number.h"
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
