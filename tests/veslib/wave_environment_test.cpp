// The wave environment record: its layout, the grid rules, and Simpson integration over the
// period grid against integrals known in closed form or taken independently in double precision.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "records/data_image.h"
#include "veslib/wave_environment.h"

namespace brevant {
namespace {

class WaveGrid : public ::testing::Test {
protected:
    void SetUp() override { reset_wavcom(); }
    void TearDown() override {
        reset_wavcom();
        reset_tpcm();
    }
    // An even period grid T(i) = t1 + (i - 1) dt of n points.
    void grid(Int n, Real t1, Real dt, Int nunts = 1) {
        T.assign(static_cast<std::size_t>(n), 0.0f);
        for (Int i = 0; i < n; ++i) T[static_cast<std::size_t>(i)] = t1 + static_cast<Real>(i) * dt;
        TPCM.NWP = n;
        set_wave_grid(T.data(), n, nunts);
    }
    std::vector<Real> spectrum(double (*s)(double)) const {
        std::vector<Real> v;
        for (Int i = 1; i <= TPCM.NWP; ++i) v.push_back(static_cast<Real>(s(double(WAVCOM.W(i)))));
        return v;
    }
    std::vector<Real> T;
};

TEST_F(WaveGrid, GridRules) {
    grid(3, 4.0f, 2.0f, 1);
    EXPECT_EQ(WAVCOM.NW, 2);
    EXPECT_EQ(WAVCOM.DT, 2.0f);
    EXPECT_EQ(WAVCOM.TS, 4.0f);
    EXPECT_EQ(WAVCOM.TL, 8.0f);
    EXPECT_EQ(WAVCOM.DW, 0.0f);
    EXPECT_EQ(WAVCOM.G, 9.8f);
    EXPECT_EQ(WAVCOM.W(1), 6.2831855f / 4.0f);
    EXPECT_EQ(WAVCOM.W2(3), WAVCOM.W(3) * WAVCOM.W(3));
    EXPECT_EQ(swell_peak_index(6.9f), 2);
    EXPECT_EQ(swell_peak_index(7.0f), 3);
    grid(3, 4.0f, 2.0f, 0);
    EXPECT_EQ(WAVCOM.G, 32.152f);
}

TEST_F(WaveGrid, RecordStartsZeroAndResets) {
    WAVCOM.DWATRP() = 1.5f;
    EXPECT_EQ(WAVCOM.RANCOF, 1.5f);
    reset_wavcom();
    EXPECT_EQ(WAVCOM.RANCOF, 0.0f);
    EXPECT_EQ(WAVCOM.W(100), 0.0f);
}

double inv_w2(double w) { return 3.0 / (w * w); }
double inv_w4(double w) { return 3.0 / (w * w * w * w); }
double constant(double) { return 2.0; }
// Pierson-Moskowitz spectrum for Hs 4 m, Tp 10 s.
double pm(double w) {
    const double wp = 2.0 * std::numbers::pi / 10.0;
    return 5.0 / 16.0 * 16.0 * std::pow(wp, 4) / std::pow(w, 5) * std::exp(-1.25 * std::pow(wp / w, 4));
}
double pm_w2(double w) { return pm(w) * w * w; }

// The same integrals in double precision by a fine rule over frequency.
double fine_integral(double (*s)(double), double w_lo, double w_hi) {
    const int n = 200000;
    const double h = (w_hi - w_lo) / n;
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += s(w_lo + (i + 0.5) * h);
    return sum * h;
}

TEST_F(WaveGrid, SimpsonIsExactForSpectraPolynomialInPeriod) {
    // S = c / w^2 makes the period integrand constant; S = c / w^4 makes the rate integrand
    // constant and the variance integrand quadratic in T. Odd and even counts alike.
    for (const Int n : {3, 4, 5, 6, 29, 30, 31}) {
        grid(n, 4.0f, 0.75f);
        const double span = double(T.back()) - double(T.front());
        Real var = 0.0f;
        Real vardot = 0.0f;
        const auto s2 = spectrum(inv_w2);
        SMPINT(s2.data(), var, vardot);
        EXPECT_NEAR(double(var) / (3.0 * span / (2.0 * std::numbers::pi)), 1.0, 2e-6) << n;
        const auto s4 = spectrum(inv_w4);
        SMPINT(s4.data(), var, vardot);
        EXPECT_NEAR(double(vardot) / (3.0 * span / (2.0 * std::numbers::pi)), 1.0, 2e-6) << n;
        const double w1 = WAVCOM.W(1);
        const double wn = WAVCOM.W(n);
        EXPECT_NEAR(double(var) / (1.0 / (wn * wn * wn) - 1.0 / (w1 * w1 * w1)), 1.0, 2e-6) << n;
    }
}

TEST_F(WaveGrid, OddGridKeepsTheWrittenSimpsonSumToTheLastBit) {
    // 1 at every point of the periods 2, 4, 6, 8, 10 s: m0 = 2.6307931 (the exact area between
    // the extreme frequencies is 0.8 pi; the grid is coarse). The sums run odd and even points
    // apart, then 4 SUME + 2 SUMO - f(1) + f(NWP), times DT over 6 pi, in that order.
    grid(5, 2.0f, 2.0f);
    const Real one[5] = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
    Real var = 0.0f;
    Real vardot = 0.0f;
    SMPINT(one, var, vardot);
    EXPECT_EQ(var, 2.6307931f);
    Real SUMO = 0.0f, SUME = 0.0f, SUMOP = 0.0f, SUMEP = 0.0f;
    for (Int i = 1; i <= 3; i += 2) {
        SUMO = SUMO + WAVCOM.W2(i);
        SUME = SUME + WAVCOM.W2(i + 1);
        SUMOP = SUMOP + WAVCOM.W2(i) * WAVCOM.W2(i);
        SUMEP = SUMEP + WAVCOM.W2(i + 1) * WAVCOM.W2(i + 1);
    }
    const Real g1 = WAVCOM.W2(1) * WAVCOM.W2(1);
    const Real g5 = WAVCOM.W2(5) * WAVCOM.W2(5);
    EXPECT_EQ(vardot, (4.0f * SUMEP + 2.0f * SUMOP - g1 + g5) * WAVCOM.DT / 18.849556f);
}

TEST_F(WaveGrid, EvenDefaultGridIntegratesAWaveSpectrum) {
    // The default case has 30 periods; the written Simpson weights would give the last point
    // the weight 5 and the whole sum 30 steps instead of 29.
    for (const Int n : {30, 31}) {
        grid(n, 3.0f, 0.8f);
        const auto s = spectrum(pm);
        Real var = 0.0f;
        Real vardot = 0.0f;
        SMPINT(s.data(), var, vardot);
        const double w1 = WAVCOM.W(1);
        const double wn = WAVCOM.W(n);
        EXPECT_NEAR(double(var) / fine_integral(pm, wn, w1), 1.0, 2e-3) << n;
        EXPECT_NEAR(double(vardot) / fine_integral(pm_w2, wn, w1), 1.0, 2e-3) << n;
    }
    grid(30, 3.0f, 0.8f);
    const auto c = spectrum(constant);
    Real var = 0.0f;
    Real vardot = 0.0f;
    SMPINT(c.data(), var, vardot);
    const double exact = 2.0 * (double(WAVCOM.W(1)) - double(WAVCOM.W(30)));
    EXPECT_NEAR(double(var) / exact, 1.0, 2e-3);
}

TEST_F(WaveGrid, ShortGrids) {
    grid(1, 5.0f, 1.0f);
    EXPECT_EQ(WAVCOM.DT, 0.0f);
    Real s1[1] = {4.0f};
    Real var = -1.0f;
    Real vardot = -1.0f;
    SMPINT(s1, var, vardot);
    EXPECT_EQ(var, 0.0f);
    EXPECT_EQ(vardot, 0.0f);
    grid(2, 5.0f, 1.0f);
    const auto s = spectrum(inv_w2);  // constant in period: the trapezoid is exact
    SMPINT(s.data(), var, vardot);
    EXPECT_NEAR(var, 3.0 / (2.0 * std::numbers::pi), 1e-6);
}

double gauss(double w) { return 1.5 * std::exp(-(w - 0.8) * (w - 0.8) / (2.0 * 0.06 * 0.06)); }
double linear(double w) { return w; }

TEST_F(WaveGrid, GroupSpectrumOfAGaussianSea) {
    // 8 A^2 sqrt(pi) s exp(-mu^2 / (4 s^2)) for S = A exp(-(w - wn)^2 / (2 s^2)) inside the grid.
    grid(99, 4.0f, 0.1f);
    const auto s = spectrum(gauss);
    for (const double mu : {0.0, 0.05, 0.1}) {
        Real g = -1.0f;
        GRPSPC(s.data(), g, static_cast<Real>(mu));
        const double want = 8.0 * 1.5 * 1.5 * std::sqrt(std::numbers::pi) * 0.06 * std::exp(-mu * mu / (4 * 0.06 * 0.06));
        EXPECT_NEAR(double(g) / want, 1.0, 5e-3) << mu;
    }
    // Half the difference frequency beyond the grid's width: no overlap at all.
    Real g = -1.0f;
    GRPSPC(s.data(), g, 4.0f);
    EXPECT_EQ(g, 0.0f);
}

TEST_F(WaveGrid, GroupSpectrumFoldsNegativeFrequencies) {
    // S(w) = w on a grid from about 0.22 to 1.57 rad/s. At mu = 2 only w - 1 < 0 can meet the
    // grid: S(w + 1) S(|w - 1|) = (w + 1)(1 - w) for w up to 0.57, and 0 above.
    grid(99, 4.0f, 0.25f);
    const auto s = spectrum(linear);
    Real g = 0.0f;
    GRPSPC(s.data(), g, 2.0f);
    const double lo = WAVCOM.W(99);
    const double hi = double(WAVCOM.W(1)) - 1.0;
    const double want = 8.0 * ((hi - hi * hi * hi / 3.0) - (lo - lo * lo * lo / 3.0));
    EXPECT_NEAR(double(g) / want, 1.0, 0.03);
}

TEST_F(WaveGrid, CountBeyondTheHundredSlotsIsHeldToThem) {
    // A count of 150 read from a file: the grid and its integrals are those of the first 100
    // periods. The sea has weight up to the last period and the values given go on beyond point
    // 100, so any point past the slots, or other end weights, show.
    grid(100, 4.0f, 0.1f);
    std::vector<Real> s = spectrum(pm);
    s.resize(150, 1.0f);
    Real var100 = 0.0f, vardot100 = 0.0f, grp100 = 0.0f;
    SMPINT(s.data(), var100, vardot100);
    GRPSPC(s.data(), grp100, 0.05f);
    ASSERT_GT(var100, 0.0f);
    ASSERT_GT(grp100, 0.0f);
    const WavCom record100 = WAVCOM;

    std::vector<Real> t150 = T;
    for (Int i = 101; i <= 150; ++i) t150.push_back(4.0f + 0.1f * static_cast<Real>(i - 1));
    reset_wavcom();
    TPCM.NWP = 150;
    set_wave_grid(t150.data(), 150, 1);
    // Every word of the record as with 100 periods, but the count word NW, which is left aside here.
    WAVCOM.NW = record100.NW;
    EXPECT_EQ(std::memcmp(&WAVCOM, &record100, sizeof(WavCom)), 0);
    Real var = -1.0f, vardot = -1.0f, grp = -1.0f;
    SMPINT(s.data(), var, vardot);
    EXPECT_EQ(var, var100);
    EXPECT_EQ(vardot, vardot100);
    GRPSPC(s.data(), grp, 0.05f);
    EXPECT_EQ(grp, grp100);
}

TEST_F(WaveGrid, GroupSpectrumOfAOnePointGridIsZero) {
    grid(1, 5.0f, 1.0f);
    Real s1[1] = {3.0f};
    Real g = -1.0f;
    GRPSPC(s1, g, 0.0f);
    EXPECT_EQ(g, 0.0f);
}

}  // namespace
}  // namespace brevant
