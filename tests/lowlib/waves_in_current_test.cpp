// Group speed against its formula and the textbook contrast, the current-shifted wave number
// against the Doppler dispersion relation solved independently in double, the transverse wave
// number behind a current step, and the plane-vector products.
#include "lowlib/waves_in_current.h"
#include "sysutl/result_reuse.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "lowlib_fixture.h"
#include "numeric/wave_number.h"

namespace brevant {
namespace {

class WavesInCurrent : public testing::LowlibTest {
protected:
    void SetUp() override {
        LowlibTest::SetUp();
        reset_localq();
    }
    void TearDown() override {
        reset_localq();
        LowlibTest::TearDown();
    }
};

double textbook_group_speed(double k, double h, double g) {
    return 0.5 * std::sqrt(g * std::tanh(k * h) / k) * (1.0 + 2.0 * k * h / std::sinh(2.0 * k * h));
}

TEST_F(WavesInCurrent, GroupSpeedHasNoTanhFactor) {
    struct Case {
        double k, depth, g;
    };
    const Case cases[] = {{0.05f, 40.0f, 9.81f}, {0.1f, 10.0f, 9.8f}, {0.01f, 100.0f, 32.152f}, {2.0f, 14.9f, 9.8f}};
    for (const Case& c : cases) {
        const double kh = c.k * c.depth;
        const double expected = 0.5 * std::sqrt(c.g / c.k) * (1.0 + 2.0 * kh / std::sinh(2.0 * kh));
        EXPECT_NEAR(GRPVEL(Real(c.k), 1.0f, Real(c.depth), Real(c.g)), expected, 2e-6 * expected) << "kh " << kh;
    }
    EXPECT_NEAR(GRPVEL(0.05f, 1.0f, 40.0f, 9.81f), 8.030114, 1e-5);
    // The textbook speed carries sqrt(tanh kh): 7.884360 here, and the reports keep the other.
    const double textbook = textbook_group_speed(0.05, 40.0, 9.81);
    EXPECT_NEAR(textbook, 7.884360, 1e-5);
    EXPECT_GT(double(GRPVEL(0.05f, 1.0f, 40.0f, 9.81f)) - textbook, 0.1);
}

TEST_F(WavesInCurrent, GroupSpeedDeepWaterSignAndNoDepth) {
    const Real k = 0.31f;
    const Real deep = 0.5f * std::sqrt(9.8f / k);
    EXPECT_EQ(GRPVEL(k, 2.0f, 100.0f, 9.8f), deep);  // kh 31
    EXPECT_EQ(GRPVEL(k, -2.0f, 100.0f, 9.8f), -deep);
    // No depth: the finite-depth factor's limit 2 (shallow-water group speed equals phase speed).
    EXPECT_FLOAT_EQ(GRPVEL(k, 1.0f, 0.0f, 9.8f), 2.0f * deep);
    // A negative frequency negates the finite-depth speed too.
    EXPECT_EQ(GRPVEL(0.05f, -1.0f, 40.0f, 9.81f), -GRPVEL(0.05f, 1.0f, 40.0f, 9.81f));
}

// kh of (Omega - kh U)^2 = kh tanh kh by bisection in double on [0, hi], the residual changing sign.
double doppler_root(double omega, double u, double hi) {
    auto f = [&](double x) { return (omega - x * u) * (omega - x * u) - x * std::tanh(x); };
    double lo = 0.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        if ((f(mid) > 0.0) == (f(lo) > 0.0)) lo = mid; else hi = mid;
    }
    return 0.5 * (lo + hi);
}

TEST_F(WavesInCurrent, WaveOnACurrentSatisfiesTheDopplerRelation) {
    struct Case {
        double omega, u, bracket;
    };
    // Following current: the root lies below Omega / U; opposing (not blocking): the smaller root.
    const Case cases[] = {{1.2f, 0.1f, 12.0}, {1.2f, -0.1f, 3.0}, {0.4f, 0.05f, 8.0}, {2.5f, 0.3f, 8.3}};
    for (const Case& c : cases) {
        Real kh = -1.0f;
        WAVCURVEC(Real(c.omega), Real(c.u), kh);
        const double x = kh;
        const double residual = (c.omega - x * c.u) * (c.omega - x * c.u) - x * std::tanh(x);
        EXPECT_LT(std::fabs(residual), 1e-4 * c.omega * c.omega) << c.omega << " " << c.u;
        EXPECT_NEAR(x, doppler_root(c.omega, c.u, c.bracket), 1e-4 * x) << c.omega << " " << c.u;
        // The search leaves its parameters in the shared record under both names.
        EXPECT_EQ(LOCALCS.OMEGATMP(), Real(c.omega));
        EXPECT_EQ(LOCALCS.CURTMP(), Real(c.u));
        EXPECT_EQ(&LOCALCS.OMEGATMP(), &LOCALCS.OMEGA2);
        EXPECT_EQ(&LOCALCS.CURTMP(), &LOCALCS.DUMMY);
    }
    // A following current lengthens the wave, an opposing one shortens it.
    Real still = 0.0f, with = 0.0f, against = 0.0f;
    WAVVEC(1.2f, still, SCREEN_UNIT);
    WAVCURVEC(1.2f, 0.1f, with);
    WAVCURVEC(1.2f, -0.1f, against);
    EXPECT_LT(with, still);
    EXPECT_GT(against, still);
}

// A repeat is answered from the kept roots: the same bits as a fresh search, and the same parameters
// left in the shared record, whatever was searched in between (a blocked wave too).
TEST_F(WavesInCurrent, KeptRootsAreTheSearchedOnes) {
    struct Input {
        Real omega, u;
    };
    const Input inputs[] = {{1.2f, 0.1f}, {1.2f, -0.1f}, {0.4f, 0.05f}, {2.5f, 0.3f}, {3.0f, -1.0f}, {1.2f, 0.1000001f}};
    std::vector<Real> searched;
    set_result_reuse(false);
    for (const Input& in : inputs) {
        Real kh = -1.0f;
        WAVCURVEC(in.omega, in.u, kh);
        searched.push_back(kh);
    }
    set_result_reuse(true);
    unsigned long long before = current_root_reuse_count();
    for (int pass = 0; pass < 2; ++pass) {
        // The first pass keeps what it searched (or finds it kept by an earlier test).
        if (pass == 1) before = current_root_reuse_count();
        for (std::size_t i = 0; i < std::size(inputs); ++i) {
            LOCALCS.OMEGA2 = 99.0f;
            LOCALCS.DUMMY = 99.0f;
            Real kh = -1.0f;
            WAVCURVEC(inputs[i].omega, inputs[i].u, kh);
            EXPECT_EQ(std::bit_cast<std::uint32_t>(kh), std::bit_cast<std::uint32_t>(searched[i])) << i;
            EXPECT_EQ(LOCALCS.OMEGATMP(), inputs[i].omega);
            EXPECT_EQ(LOCALCS.CURTMP(), inputs[i].u);
        }
    }
    // The second pass was answered from the kept roots.
    EXPECT_EQ(current_root_reuse_count() - before, std::size(inputs));
    // Switched off, nothing is answered from them.
    set_result_reuse(false);
    Real kh = 0.0f;
    WAVCURVEC(1.2f, 0.1f, kh);
    EXPECT_EQ(current_root_reuse_count() - before, std::size(inputs));
    set_result_reuse(true);
}

TEST_F(WavesInCurrent, BlockingCurrentGivesNoWave) {
    Real kh = 5.0f;
    WAVCURVEC(3.0f, -1.0f, kh);
    EXPECT_EQ(kh, 0.0f);
    EXPECT_TRUE(screen().empty());
}

TEST_F(WavesInCurrent, NonConvergenceStopsWithOrWithoutAKey) {
    TPCM.EDUNIT = SCREEN_UNIT;
    answers("C\n");
    EXPECT_EQ(end_status([] { wavcurvec_stop(1); }), 1);
    EXPECT_EQ(screen(), " >>> In WAVCURVEC; IER =            1\n"
                        "     Contact Velmora; press \"C\" + <RETURN> to continue\n");

    // A silent run writes to its console and reads nothing: an empty keyboard would end the
    // program through the end-of-input road instead.
    clear_captured(SCREEN_UNIT);
    TPCM.EDUNIT = SILENT_UNIT;
    answers("");
    EXPECT_EQ(end_status([] { wavcurvec_stop(1); }), 1);
    EXPECT_TRUE(screen().empty());
    EXPECT_EQ(silent(), " >>> In WAVCURVEC; IER =            1\n"
                        "     Contact Velmora; press \"C\" + <RETURN> to continue\n");
}

TEST_F(WavesInCurrent, TransverseWaveNumberBehindACurrentStep) {
    LOCALQ.ALPHAX = 0.6f;
    LOCALQ.BETAX = 0.0f;
    Real yy = 1.0f;
    GETVKY(yy, -1.6f, SCREEN_UNIT, KBD_UNIT);
    EXPECT_NEAR(yy, -0.8, 1e-5);
    GETVKY(yy, 1.6f, SCREEN_UNIT, KBD_UNIT);
    EXPECT_NEAR(yy, 0.8, 1e-5);

    // With a transverse current the root satisfies the residual evaluated in double.
    LOCALQ.BETAX = 0.3f;
    GETVKY(yy, 1.6f, SCREEN_UNIT, KBD_UNIT);
    const double y = yy;
    EXPECT_NEAR(1.0 - std::pow(y * y + 0.36, 0.25) - 0.3 * y, 0.0, 1e-5);
    EXPECT_GT(y, 0.0);
    EXPECT_LT(y, 0.8);

    // No sign change in the bracket: 0.
    LOCALQ.BETAX = 0.0f;
    yy = 7.0f;
    GETVKY(yy, 0.5f, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(yy, 0.0f);
    EXPECT_TRUE(screen().empty());
}

TEST_F(WavesInCurrent, ScaledDerivativeCompanion) {
    LOCALQ.ALPHAX = 0.45f;
    LOCALQ.BETAX = -0.2f;
    for (double y : {-0.7, 0.1, 0.9}) {
        const double a = 0.45, b = -0.2, h = 1e-6;
        auto f = [&](double t) { return 1.0 - std::pow(t * t + a * a, 0.25) - b * t; };
        const double derivative = (f(y + h) - f(y - h)) / (2.0 * h);
        const double expected = -2.0 * std::pow(y * y + a * a, 0.75) * derivative;
        Real yy = static_cast<Real>(y);
        EXPECT_NEAR(VKYPFUN(yy), expected, 1e-5) << y;
    }
}

TEST_F(WavesInCurrent, PlaneProducts) {
    const Real x[2] = {3.0f, -2.0f};
    const Real y[2] = {0.5f, 4.0f};
    EXPECT_EQ(DOTP2D(x, y), 3.0f * 0.5f - 2.0f * 4.0f);
    EXPECT_EQ(XPRD2D(x, y), 3.0f * 4.0f + 2.0f * 0.5f);  // counter-clockwise from x to y: positive
    EXPECT_EQ(XPRD2D(y, x), -XPRD2D(x, y));
}

}  // namespace
}  // namespace brevant
