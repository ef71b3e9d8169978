// The longitudinal elastic wave against the elastic bar fixed at the anchor end whose upper end moves
// by the elastic stretch: a uniform bar has F_top = EA k cot(kL) u and F_bottom = EA k / sin(kL) u; a
// bar of two materials is solved in double precision from the standing wave of each part. Wave numbers
// come from KELAST, as in a run.
#include "mooring/morlib/longitudinal_waves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "mooring/morlib/line_stiffness.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "records/wave_record.h"
#include "test_support.h"

namespace brevant {
namespace {

using CD = std::complex<double>;

struct Element {
    Real L, a1, dry;
};

class LongitudinalWave : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_lincom();
        reset_catcom();
        reset_wavcom();
        reset_kelast();
        TPCM.EDUNIT = SCREEN_UNIT;
        WAVCOM.G = 9.8f;
    }
    void TearDown() override {
        reset_tpcm();
        reset_lincom();
        reset_catcom();
        reset_wavcom();
        reset_kelast();
        ConsoleTest::TearDown();
    }
    // The line type in the data image and its wave numbers in LINCOM at the frequency omega.
    void set_line(const std::vector<Element>& els, Real omega) {
        n = static_cast<Int>(els.size());
        TPCM.NELEM(1) = n;
        for (Int j = 1; j <= n; ++j) {
            const Element& e = els[static_cast<std::size_t>(j - 1)];
            TPCM.SLEN(j, 1) = e.L;
            TPCM.ALPHA(1, j, 1) = e.a1;
            TPCM.DRYWT(j, 1) = e.dry;
        }
        Real KELAS = 0.0f;
        KELAST(KELAS, 1, LINCOM.WAVEK, omega, 100.0f);
        w = omega;
    }
    void run(Complex cyelas, Int irevrs = 1, Int getnode = 1) {
        for (Int k = 1; k <= MAX_NODES; ++k) CTOPFI(k) = Complex(-99.0f, -99.0f);
        LNGWAV(w, cycat, cyelas, catmasq, cqcnst, xcat, sigcat, 100.0f, CTOPF, CBOTF, 0, SCREEN_UNIT, irevrs,
               element_column(TPCM.SLEN, 1), alpha_block(TPCM.ALPHA, 1), n, CTOPFI, getnode);
    }
    Int n = 0;
    Real w = 0.0f;
    Complex cycat{0.3f, -0.1f};
    Real catmasq = 5.0f, cqcnst = 0.7f, xcat = 0.8f, sigcat = 2.0f;
    Complex CTOPF, CBOTF;
    NodeForces CTOPFI{};
};

// Bar wave number omega sqrt(m / EA), m = dry weight / g.
double bar_k(double omega, double dry, double a1) { return omega * std::sqrt(dry / 9.8 * a1); }

void expect_near(Complex got, CD want, double rel, const char* what) {
    const double tol = rel * std::abs(want);
    EXPECT_NEAR(static_cast<double>(got.real()), want.real(), tol) << what;
    EXPECT_NEAR(static_cast<double>(got.imag()), want.imag(), tol) << what;
}

TEST_F(LongitudinalWave, UniformBarFixedAtTheAnchor) {
    const CD u(0.2, 0.1);
    const double EA = 5000.0;
    const double k = bar_k(1.5, 0.4, 2e-4);
    const double L = 250.0;
    const CD top = EA * k / std::tan(k * L) * u;
    const CD bottom = EA * k / std::sin(k * L) * u;

    set_line({{250.0f, 2e-4f, 0.4f}}, 1.5f);
    EXPECT_NEAR(LINCOM.WAVEK(1), 4.285714e-3f, 1e-8f);
    run({0.2f, 0.1f});
    expect_near(CTOPF, top, 1e-4, "top");
    expect_near(CBOTF, bottom, 1e-4, "bottom");
    EXPECT_NEAR(CTOPF.real(), 2.337779f, 1e-4f * 2.34f);
    EXPECT_NEAR(CTOPF.imag(), 1.168890f, 1e-4f * 1.17f);
    EXPECT_NEAR(CBOTF.real(), 4.881860f, 1e-4f * 4.88f);
    EXPECT_NEAR(CBOTF.imag(), 2.440930f, 1e-4f * 2.44f);
    EXPECT_EQ(CTOPFI(1), CTOPF);
    EXPECT_EQ(CTOPFI(2), CBOTF);

    // The same bar in two elements, 100 above 150: the same ends, and at the joint, 150 above the
    // anchor, the force EA k cos(150 k) / sin(kL) u.
    reset_kelast();
    set_line({{100.0f, 2e-4f, 0.4f}, {150.0f, 2e-4f, 0.4f}}, 1.5f);
    run({0.2f, 0.1f});
    expect_near(CTOPF, top, 1e-4, "top, two elements");
    expect_near(CBOTF, bottom, 1e-4, "bottom, two elements");
    expect_near(CTOPFI(2), EA * k * std::cos(150.0 * k) / std::sin(k * L) * u, 1e-4, "joint");
    EXPECT_NEAR(CTOPFI(2).real(), 3.907374f, 1e-4f * 3.91f);
    EXPECT_NEAR(CTOPFI(2).imag(), 1.953687f, 1e-4f * 1.95f);
    EXPECT_EQ(CTOPFI(1), CTOPF);
    EXPECT_EQ(CTOPFI(3), CBOTF);
    EXPECT_EQ(CTOPFI(4), Complex(-99.0f, -99.0f)) << "nothing below the anchor node";
}

// Element 1 above element 2, both elastic bars, the anchor fixed: the joint force and the end forces
// from the standing waves u = C sin(k2 x) below and P cos(k1 y) + Q sin(k1 y) above.
struct TwoBar {
    CD top, joint, bottom;
};
TwoBar two_bar(double omega, const Element& upper, const Element& lower, CD u) {
    const double k1 = bar_k(omega, upper.dry, upper.a1), EA1 = 1.0 / static_cast<double>(upper.a1);
    const double k2 = bar_k(omega, lower.dry, lower.a1), EA2 = 1.0 / static_cast<double>(lower.a1);
    const double L1 = upper.L, L2 = lower.L;
    const double P = std::sin(k2 * L2), Q = EA2 * k2 * std::cos(k2 * L2) / (EA1 * k1);  // per unit C
    const CD C = u / (P * std::cos(k1 * L1) + Q * std::sin(k1 * L1));
    return {EA1 * k1 * (Q * std::cos(k1 * L1) - P * std::sin(k1 * L1)) * C, EA2 * k2 * std::cos(k2 * L2) * C,
            EA2 * k2 * C};
}

TEST_F(LongitudinalWave, BarOfTwoMaterials) {
    const Element upper{120.0f, 1e-4f, 1.0f}, lower{200.0f, 3e-4f, 0.3f};
    const TwoBar want = two_bar(2.0, upper, lower, CD(0.4, -0.3));

    set_line({upper, lower}, 2.0f);
    run({0.4f, -0.3f});
    expect_near(CTOPF, want.top, 1e-4, "top");
    expect_near(CBOTF, want.bottom, 1e-4, "bottom");
    expect_near(CTOPFI(2), want.joint, 1e-4, "joint");

    // Numbered from the anchor up: the same forces, the nodes counted from the anchor.
    reset_kelast();
    set_line({lower, upper}, 2.0f);
    run({0.4f, -0.3f}, 0);
    expect_near(CTOPF, want.top, 1e-4, "top, from the anchor up");
    expect_near(CBOTF, want.bottom, 1e-4, "bottom, from the anchor up");
    EXPECT_EQ(CTOPFI(1), CBOTF);
    expect_near(CTOPFI(2), want.joint, 1e-4, "joint, from the anchor up");
    EXPECT_EQ(CTOPFI(3), CTOPF);
}

TEST_F(LongitudinalWave, LowFrequencyLimitIsTheElasticSpring) {
    // k L small: both ends carry the stretch times the elastic stiffness, 1 / (120e-4 + 600e-4).
    set_line({{120.0f, 1e-4f, 1.0f}, {200.0f, 3e-4f, 0.3f}}, 1e-3f);
    run({0.4f, -0.3f});
    const CD want = CD(0.4, -0.3) / (120.0 * 1e-4 + 200.0 * 3e-4);
    expect_near(CTOPF, want, 1e-5, "top");
    expect_near(CBOTF, want, 1e-5, "bottom");
    expect_near(CTOPFI(2), want, 1e-5, "joint");
}

TEST_F(LongitudinalWave, ElementsWithoutAWaveArePassedOver) {
    const double EA = 5000.0, k = bar_k(1.5, 0.4, 2e-4), L = 250.0;
    const CD u(0.2, 0.1);
    const CD top = EA * k / std::tan(k * L) * u, bottom = EA * k / std::sin(k * L) * u;
    const CD at150 = EA * k * std::cos(150.0 * k) / std::sin(k * L) * u;
    {
        // An inextensible piece between the two halves of the bar: the force runs through it.
        set_line({{100.0f, 2e-4f, 0.4f}, {30.0f, 0.0f, 0.4f}, {150.0f, 2e-4f, 0.4f}}, 1.5f);
        EXPECT_EQ(LINCOM.WAVEK(2), 0.0f);
        run({0.2f, 0.1f});
        expect_near(CTOPF, top, 1e-4, "top");
        expect_near(CBOTF, bottom, 1e-4, "bottom");
        expect_near(CTOPFI(2), at150, 1e-4, "above the rigid piece");
        expect_near(CTOPFI(3), at150, 1e-4, "below the rigid piece");
    }
    {
        // An inextensible piece at the anchor: the bar's fixed end moves up to its top; below it the
        // force stays that of the bar's lower end.
        reset_kelast();
        set_line({{100.0f, 2e-4f, 0.4f}, {150.0f, 2e-4f, 0.4f}, {40.0f, 0.0f, 0.4f}}, 1.5f);
        run({0.2f, 0.1f});
        expect_near(CTOPF, top, 1e-4, "top");
        expect_near(CBOTF, bottom, 1e-4, "bottom");
        expect_near(CTOPFI(2), at150, 1e-4, "joint");
        EXPECT_EQ(CTOPFI(3), CBOTF);
        EXPECT_EQ(CTOPFI(4), CBOTF);
    }
    {
        // Only the top element carries a wave, numbered either way: the bar of 250 alone.
        reset_kelast();
        set_line({{250.0f, 2e-4f, 0.4f}, {40.0f, 0.0f, 0.4f}}, 1.5f);
        run({0.2f, 0.1f}, 1);
        expect_near(CTOPF, top, 1e-4, "top, fairlead first");
        expect_near(CBOTF, bottom, 1e-4, "bottom, fairlead first");
        reset_kelast();
        set_line({{40.0f, 0.0f, 0.4f}, {250.0f, 2e-4f, 0.4f}}, 1.5f);
        run({0.2f, 0.1f}, 0);
        expect_near(CTOPF, top, 1e-4, "top, anchor first");
        expect_near(CBOTF, bottom, 1e-4, "bottom, anchor first");
        EXPECT_EQ(CTOPFI(1), CBOTF);
        EXPECT_EQ(CTOPFI(2), CBOTF);
        EXPECT_EQ(CTOPFI(3), CTOPF);
    }
}

TEST_F(LongitudinalWave, NoWaveAnywhereGivesTheCatenaryForce) {
    CATCOM.KCTAN = 12.0f;
    for (const Int count : {1, 3}) {
        set_line(std::vector<Element>(static_cast<std::size_t>(count), Element{100.0f, 0.0f, 0.4f}), 1.5f);
        run({0.2f, 0.1f});
        // CYCAT (KCTAN + SIGCAT |CYCAT| - omega^2 CATMASQ + i CQCNST omega XCAT)
        const CD c(0.3, -0.1);
        const CD want = c * CD(12.0 + 2.0 * std::abs(c) - 2.25 * 5.0, 0.7 * 1.5 * 0.8);
        expect_near(CTOPF, want, 1e-5, "top");
        EXPECT_EQ(CBOTF, CTOPF);
        for (Int k = 1; k <= count + 1; ++k) EXPECT_EQ(CTOPFI(k), CTOPF) << k;
    }
}

TEST_F(LongitudinalWave, ExactResonanceStaysFinite) {
    // An element of no length with a wave: the unit wave has no displacement at its top, the
    // denominator of the scale is exactly 0; the forces come out large but finite.
    set_line({{0.0f, 2e-4f, 0.4f}}, 1.5f);
    ASSERT_GT(LINCOM.WAVEK(1), 0.0f);
    run({0.2f, 0.1f});
    EXPECT_TRUE(std::isfinite(CTOPF.real()) && std::isfinite(CTOPF.imag()));
    EXPECT_TRUE(std::isfinite(CBOTF.real()) && std::isfinite(CBOTF.imag()));
    EXPECT_GT(std::abs(CBOTF), 1e5f);
}

TEST_F(LongitudinalWave, NodesLeftAloneWithoutGetnode) {
    set_line({{100.0f, 2e-4f, 0.4f}, {150.0f, 2e-4f, 0.4f}}, 1.5f);
    run({0.2f, 0.1f}, 1, 0);
    for (Int k = 1; k <= 3; ++k) EXPECT_EQ(CTOPFI(k), Complex(-99.0f, -99.0f));
    EXPECT_NE(CTOPF, Complex(0.0f, 0.0f));
}

}  // namespace
}  // namespace brevant
