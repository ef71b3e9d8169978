// The wave spectra on the period grid: identities between the types, integrals against their
// closed forms, the TMA depth factor against a double-precision dispersion solver, the Gaussian
// swell and its off-grid peak, the user tables, the Ochi-Hubble gamma failure, and what WVSPEC
// leaves in the motion record.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "test_support.h"
#include "veslib/user_wave_spectrum.h"
#include "veslib/wave_environment.h"
#include "veslib/wave_spectra.h"

namespace brevant {
namespace {

using Spectrum = std::vector<Real>;

class WaveSpectra : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_wavcom();
        reset_himem();
        reset_uwvspc();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.DEPTH = 1000.0f;
    }
    void TearDown() override {
        reset_tpcm();
        reset_wavcom();
        reset_himem();
        reset_uwvspc();
        ConsoleTest::TearDown();
    }

    // Periods first, first + step, ... (n of them), metric units unless told otherwise.
    static void grid(float first, float step, int n, Int NUNTS = 1) {
        TPCM.NWP = n;
        TPCM.NUNTS = NUNTS;
        for (int i = 1; i <= n; ++i) TPCM.T(i) = first + step * static_cast<float>(i - 1);
        set_wave_grid(TPCM.T.data(), TPCM.NWP, TPCM.NUNTS);
    }
    // The acceptance grid: 3.0, 3.5, ..., 52.0 s.
    static void wide_grid() { grid(3.0f, 0.5f, 99); }

    struct Result {
        Spectrum psd;
        Real QSWH, QTPK, QWPK, QWKPK;
    };
    static Result spectrum(Int type, Real hs, Real tp, Int system = 0) {
        Result r{Spectrum(100, -7.0f), hs, tp, 0.0f, 0.0f};
        WVSPEC(type, r.psd.data(), r.QSWH, r.QTPK, r.QWPK, r.QWKPK, system);
        r.psd.resize(static_cast<std::size_t>(TPCM.NWP));
        return r;
    }
    static Real m0_of(const Spectrum& s) {
        Real m0 = 0.0f;
        Real m2 = 0.0f;
        SMPINT(s.data(), m0, m2);
        return m0;
    }
    static void general_jonswap(Real gamma, Real below = 0.07f, Real above = 0.09f) {
        TPCM.JONGAM = gamma;
        TPCM.JONPL = below;
        TPCM.JONPG = above;
    }
};

// a and b agree within a relative tolerance, or are both negligible.
::testing::AssertionResult close_or_both_tiny(double a, double b, double rel, double tiny = 1e-20) {
    if (std::fabs(a) < tiny && std::fabs(b) < tiny) return ::testing::AssertionSuccess();
    const double scale = std::fmax(std::fabs(a), std::fabs(b));
    if (std::fabs(a - b) <= rel * scale) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a << " vs " << b << " (relative " << std::fabs(a - b) / scale << ")";
}

// kh from w^2 h / g = kh tanh(kh), by Newton's method in double precision.
double kh_of(double w, double depth, double g) {
    const double y = w * w * depth / g;
    double x = y > 1.0 ? y : std::sqrt(y);
    for (int it = 0; it < 100; ++it) {
        const double t = std::tanh(x);
        const double f = x * t - y;
        const double df = t + x * (1.0 - t * t);
        const double dx = f / df;
        x -= dx;
        if (std::fabs(dx) < 1e-15 * x) break;
    }
    return x;
}

TEST_F(WaveSpectra, PiersonMoskowitzDerivesItsPeakAndIsBretschneiderAtThatPeak) {
    wide_grid();
    const Result pm = spectrum(kPiersonMoskowitz, 3.0f, 0.0f);
    EXPECT_NEAR(pm.QTPK, 15.66 * std::sqrt(3.0 / 9.8), 1e-5 * 8.66442);
    EXPECT_NEAR(pm.QTPK, 8.66442, 1e-4);
    EXPECT_FLOAT_EQ(pm.QWPK, 6.2831855f / pm.QTPK);
    const Result br = spectrum(kBretschneider, 3.0f, pm.QTPK);
    for (int i = 0; i < TPCM.NWP; ++i) EXPECT_TRUE(close_or_both_tiny(pm.psd[i], br.psd[i], 1e-5)) << i + 1;
    // With the grid wide enough, m0 is 1.00019 Hs^2 / 16 less the tail beyond 2.09 rad/s.
    const double tail = 1.0 - std::exp(-1.25 * std::pow(pm.QWPK / WAVCOM.W(1), 4.0));
    EXPECT_NEAR(m0_of(pm.psd), 1.0001901 * 9.0 / 16.0 * (1.0 - tail), 2e-3 * 9.0 / 16.0);
}

TEST_F(WaveSpectra, PiersonMoskowitzPeriodForAHeightOfFour) {
    grid(5.0f, 1.0f, 5);
    EXPECT_NEAR(spectrum(kPiersonMoskowitz, 4.0f, 0.0f).QTPK, 10.005f, 5e-4f);
}

TEST_F(WaveSpectra, OchiHubbleWithOneComponentOfLambdaOneIsJonswapWithGammaOne) {
    wide_grid();
    TPCM.N_OCHI_COMP = 1;
    TPCM.SWHT(1) = 2.0f;
    TPCM.SIGPD(1) = 10.0f;
    TPCM.OCHI_LAMBDA(1) = 1.0f;
    general_jonswap(1.0f);
    const Result ochi = spectrum(kOchiHubble, 2.0f, 10.0f);
    const Result jonswap = spectrum(kGeneralJonswap, 2.0f, 10.0f);
    for (int i = 0; i < TPCM.NWP; ++i) EXPECT_TRUE(close_or_both_tiny(ochi.psd[i], jonswap.psd[i], 1e-5)) << i + 1;
}

TEST_F(WaveSpectra, BretschneiderIsJonswapWithGammaOneTimesItsOwnConstant) {
    wide_grid();
    general_jonswap(1.0f);
    const double factor = 0.0081 * 245.2356 * 245.2356 * 16.0 / (5.0 * std::pow(2.0 * std::numbers::pi, 4.0));
    ASSERT_NEAR(factor, 1.0001901, 1e-7);
    const Result br = spectrum(kBretschneider, 4.0f, 11.0f);
    const Result jonswap = spectrum(kGeneralJonswap, 4.0f, 11.0f);
    for (int i = 0; i < TPCM.NWP; ++i)
        EXPECT_TRUE(close_or_both_tiny(br.psd[i], factor * static_cast<double>(jonswap.psd[i]), 1e-5)) << i + 1;
}

TEST_F(WaveSpectra, EveryJonswapShapeHoldsTheEnergyOfItsHeight) {
    // Tp 14 s puts 99.7 % of the energy within the grid; each normaliser is good to 0.1 %.
    wide_grid();
    general_jonswap(3.3f);
    for (Int type : {kMeanJonswap, kSharpJonswap, kSquatJonswap, kGeneralJonswap}) {
        const Result r = spectrum(type, 5.0f, 14.0f);
        EXPECT_NEAR(m0_of(r.psd), 25.0 / 16.0, 0.01 * 25.0 / 16.0) << type;
        EXPECT_EQ(r.QSWH, 5.0f);
        EXPECT_EQ(r.QTPK, 14.0f);
    }
}

TEST_F(WaveSpectra, AtThePeakTheEnhancementIsGammaWithTheSigmaBelowThePeak) {
    // A grid point exactly at Tp = 10 s: S = ALPH g^2 wp^-5 e^-1.25 gamma.
    grid(6.0f, 1.0f, 9);
    ASSERT_EQ(TPCM.T(5), 10.0f);
    struct Case {
        Int type;
        double gamma, norm;
    };
    general_jonswap(2.0f, 0.07f, 0.09f);
    for (const Case& c : {Case{kMeanJonswap, 3.3, 0.3049}, Case{kSharpJonswap, 4.2, 0.3076},
                          Case{kSquatJonswap, 7.0, 0.7114}}) {
        const Result r = spectrum(c.type, 3.0f, 10.0f);
        const double wp = 2.0 * std::numbers::pi / 10.0;
        const double alpha = 9.0 * std::pow(wp, 4.0) / (16.0 * 9.8 * 9.8) / c.norm;
        const double expected = alpha * 9.8 * 9.8 * std::pow(wp, -5.0) * std::exp(-1.25) * c.gamma;
        EXPECT_NEAR(r.psd[4], expected, 2e-5 * expected) << c.type;
    }
}

// One width below and one above the peak the enhancement is gamma^exp(-(w/wp - 1)^2 / 2 sigma^2)
// with the width of that side. Each shape is divided by the general JONSWAP of gamma 1 (the same
// Pierson-Moskowitz shape, its own scale) and the ratio taken against the ratio at the peak, so
// that the normalisers drop out: r(w) / r(wp) = gamma^(e - 1), e the exponent above.
TEST_F(WaveSpectra, EnhancementOneWidthFromThePeakTakesTheWidthOfItsSide) {
    const double tp = 10.0;
    // Periods of w = wp (1 + 0.09), wp (1 + 0.07), wp, wp (1 - 0.07), wp (1 - 0.09).
    const double offsets[] = {0.09, 0.07, 0.0, -0.07, -0.09};
    TPCM.NWP = 5;
    TPCM.NUNTS = 1;
    for (int i = 1; i <= 5; ++i) TPCM.T(i) = static_cast<float>(tp / (1.0 + offsets[i - 1]));
    set_wave_grid(TPCM.T.data(), TPCM.NWP, TPCM.NUNTS);
    constexpr int kPeak = 3;
    ASSERT_EQ(TPCM.T(kPeak), 10.0f);
    struct Case {
        const char* what;
        Int type;
        double gamma, below, above;
    };
    const Case cases[] = {
        {"mean", kMeanJonswap, 3.3, 0.07, 0.09},
        {"general", kGeneralJonswap, 2.0, 0.07, 0.09},
        {"general, widths exchanged", kGeneralJonswap, 5.0, 0.09, 0.07},
    };
    const double wp = 2.0 * std::numbers::pi / tp;
    for (const Case& c : cases) {
        general_jonswap(1.0f);
        const Result plain = spectrum(kGeneralJonswap, 3.0f, static_cast<Real>(tp));
        general_jonswap(static_cast<Real>(c.gamma), static_cast<Real>(c.below), static_cast<Real>(c.above));
        const Result sharp = spectrum(c.type, 3.0f, static_cast<Real>(tp));
        const double at_peak = static_cast<double>(sharp.psd[kPeak - 1]) / static_cast<double>(plain.psd[kPeak - 1]);
        for (int i = 1; i <= 5; ++i) {
            if (i == kPeak) continue;
            const double w = static_cast<double>(WAVCOM.W(i));
            const double sigma = w <= wp ? c.below : c.above;
            const double e = std::exp(-(w / wp - 1.0) * (w / wp - 1.0) / (2.0 * sigma * sigma));
            const double ratio = static_cast<double>(sharp.psd[i - 1]) / static_cast<double>(plain.psd[i - 1]) / at_peak;
            EXPECT_NEAR(ratio, std::pow(c.gamma, e - 1.0), 1e-4) << c.what << ", period " << TPCM.T(i);
        }
    }
}

TEST_F(WaveSpectra, OchiHubbleHoldsTheEnergyOfItsComponents) {
    wide_grid();
    TPCM.N_OCHI_COMP = 2;
    TPCM.SWHT(1) = 2.5f;
    TPCM.SIGPD(1) = 9.0f;
    TPCM.OCHI_LAMBDA(1) = 1.5f;
    TPCM.SWHT(2) = 1.5f;
    TPCM.SIGPD(2) = 14.0f;
    TPCM.OCHI_LAMBDA(2) = 4.0f;
    const Result r = spectrum(kOchiHubble, 3.1f, 12.5f);
    EXPECT_NEAR(m0_of(r.psd), 0.53125, 0.005 * 0.53125);
    EXPECT_EQ(r.QSWH, 3.1f);
    EXPECT_EQ(r.QTPK, 12.5f);
    // The result does not depend on what the array held: spectrum() fills it with -7 first.
    const Result again = spectrum(kOchiHubble, 3.1f, 12.5f);
    EXPECT_EQ(again.psd, r.psd);
}

TEST_F(WaveSpectra, OchiHubbleWithALargeLambdaStaysFiniteAtLowFrequencies) {
    // y^lambda alone overflows at the long periods (y about 1400, lambda 30) where exp(-y) is 0.
    wide_grid();
    TPCM.N_OCHI_COMP = 1;
    TPCM.SWHT(1) = 2.0f;
    TPCM.SIGPD(1) = 20.0f;
    TPCM.OCHI_LAMBDA(1) = 30.0f;
    const Result r = spectrum(kOchiHubble, 2.0f, 20.0f);
    for (int i = 0; i < TPCM.NWP; ++i) EXPECT_TRUE(std::isfinite(r.psd[i])) << i + 1;
    EXPECT_EQ(r.psd[TPCM.NWP - 1], 0.0f);
    EXPECT_NEAR(m0_of(r.psd), 0.25, 0.02 * 0.25);
}

TEST_F(WaveSpectra, OchiHubbleLambdaWithoutGammaValueStopsAfterAPause) {
    wide_grid();
    TPCM.N_OCHI_COMP = 1;
    TPCM.SWHT(1) = 2.0f;
    TPCM.SIGPD(1) = 10.0f;
    TPCM.OCHI_LAMBDA(1) = 40.0f;
    answers("\n");
    try {
        spectrum(kOchiHubble, 2.0f, 10.0f);
        FAIL() << "no end of the run";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(screen(), " ++> Gamma function error in WVSPEC\n \n Press <RETURN> to continue: ");
}

// Whether a wave system's spectrum can be normalised is judged by the type passed and that system's
// own gamma and widths: each system in turn is given a gamma or a sigma a the integration cannot
// converge with, the others a sea's shape; a type that integrates nothing passes whatever its words.
TEST_F(WaveSpectra, EachSystemsNormaliserIsJudgedByItsOwnTypeAndShape) {
    struct Shape {
        Real gamma, below;
    };
    const Shape good{3.3f, 0.07f};
    const Shape bad_shapes[] = {{1.0e-5f, 0.07f}, {5000.0f, 0.07f}, {3.3f, 100.0f}};
    const auto set = [](Int system, const Shape& s) {
        Tpcm& P = TPCM;
        Real* gamma[] = {&P.JONGAM, &P.JONGAM_SWL, &P.JONGAM_SWL2};
        Real* below[] = {&P.JONPL, &P.JONPL_SWL, &P.JONPL_SWL2};
        Real* above[] = {&P.JONPG, &P.JONPG_SWL, &P.JONPG_SWL2};
        *gamma[system] = s.gamma;
        *below[system] = s.below;
        *above[system] = 0.09f;
    };
    for (const Shape& bad : bad_shapes) {
        for (Int judged = 0; judged <= 2; ++judged) {
            SCOPED_TRACE(::testing::Message() << "system " << judged << ", gamma " << bad.gamma << ", sigma a "
                                              << bad.below);
            for (Int other = 0; other <= 2; ++other) set(other, good);
            set(judged, bad);
            for (Int system = 0; system <= 2; ++system) {
                for (Int type = kGaussianSwell; type <= kTmaShallowWater; ++type) {
                    const bool integrated = type == kGeneralJonswap || type == kTmaShallowWater;
                    EXPECT_EQ(wave_spectrum_normalised(type, system), !(integrated && system == judged))
                        << "type " << type << " of system " << system;
                }
            }
        }
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(WaveSpectra, TmaInDeepWaterIsTheGeneralJonswap) {
    wide_grid();
    general_jonswap(3.3f);
    TPCM.DEPTH = 5000.0f;
    const Result tma = spectrum(kTmaShallowWater, 4.0f, 10.0f);
    const Result jonswap = spectrum(kGeneralJonswap, 4.0f, 10.0f);
    for (int i = 0; i < TPCM.NWP; ++i) EXPECT_TRUE(close_or_both_tiny(tma.psd[i], jonswap.psd[i], 1e-3)) << i + 1;
    EXPECT_EQ(screen(), "");
}

TEST_F(WaveSpectra, TmaInShallowWaterKeepsTheEnergyAndTakesTheDepthFactorsShape) {
    wide_grid();
    general_jonswap(3.3f);
    TPCM.DEPTH = 20.0f;
    const Result tma = spectrum(kTmaShallowWater, 4.0f, 10.0f);
    const Result jonswap = spectrum(kGeneralJonswap, 4.0f, 10.0f);
    const double m0 = m0_of(jonswap.psd);
    EXPECT_NEAR(m0_of(tma.psd), m0, 1e-5 * m0);
    auto phi = [](int i) {
        const double kh = kh_of(WAVCOM.W(i), 20.0, 9.8);
        const double t = std::tanh(kh);
        return t * t / (1.0 + 2.0 * kh / std::sinh(2.0 * kh));
    };
    // The ratio at every point against the ratio at the peak (index 15, 10 s).
    ASSERT_EQ(TPCM.T(15), 10.0f);
    auto ratio = [&](int i) { return static_cast<double>(tma.psd[i - 1]) / static_cast<double>(jonswap.psd[i - 1]); };
    const double ref = ratio(15) / phi(15);
    int compared = 0;
    for (int i = 1; i <= TPCM.NWP; ++i) {
        if (jonswap.psd[i - 1] < 1e-6f * jonswap.psd[14]) continue;  // too small to hold 2 % in float
        EXPECT_NEAR(ratio(i) / phi(i), ref, 0.02 * ref) << i;
        ++compared;
    }
    EXPECT_GT(compared, 30);
    // The depth factor cuts the long waves: the ratio falls with the period.
    EXPECT_LT(tma.psd[40] / jonswap.psd[40], tma.psd[10] / jonswap.psd[10]);
}

TEST_F(WaveSpectra, TmaWithoutEnergyStaysZero) {
    wide_grid();
    general_jonswap(3.3f);
    TPCM.DEPTH = 20.0f;
    const Result r = spectrum(kTmaShallowWater, 0.0f, 10.0f);
    for (int i = 0; i < TPCM.NWP; ++i) EXPECT_EQ(r.psd[i], 0.0f) << i + 1;
}

TEST_F(WaveSpectra, RwhfunVanishesAtTheCothOfTheDispersionRoot) {
    TPCM.DEPTH = 20.0f;
    LOCALWAVE.WH_TMA = 0.5f;
    const double kh = kh_of(0.5 * std::sqrt(9.8 / 20.0), 20.0, 9.8);
    Real R = static_cast<Real>(1.0 / std::tanh(kh));
    EXPECT_NEAR(RWHFUN(R), 0.0f, 1e-5f);
    Real one = 1.0f;
    EXPECT_NEAR(RWHFUN(one), 1.0 - std::tanh(0.25), 1e-6);
}

// Type 0 on 4.0, 4.5, ..., 18.0 s: the shape sits on the grid period nearest the peak period.
TEST_F(WaveSpectra, GaussianSwellPeaksOnTheNearestGridPeriod) {
    grid(4.0f, 0.5f, 29);
    TPCM.SWLWID = 0.08f;
    const Result r = spectrum(kGaussianSwell, 3.0f, 9.2f, 1);
    const double wn = 2.0 * std::numbers::pi / 9.0;
    EXPECT_NEAR(r.psd[10], 9.0 / (16.0 * std::sqrt(2.0 * std::numbers::pi) * 0.08 * wn), 1e-6 * 4.017957);
    EXPECT_NEAR(r.psd[10], 4.017957, 1e-6 * 4.017957);
    for (int i = 0; i < 29; ++i) EXPECT_LE(r.psd[i], r.psd[10]) << i + 1;
    // The full-line integral of the shape is Hs^2 / 16; here the grid holds nearly all of it.
    EXPECT_NEAR(m0_of(r.psd), 9.0 / 16.0, 0.01 * 9.0 / 16.0);
    // The width comes from the system: the sea's width gives another shape.
    TPCM.WAVWID = 0.16f;
    EXPECT_NEAR(spectrum(kGaussianSwell, 3.0f, 9.2f, 0).psd[10], 4.017957 / 2.0, 1e-6 * 4.017957);
}

TEST_F(WaveSpectra, GaussianSwellCutsOffBeyondFiftyAndCentresAnOffGridPeakOnTheNearestEnd) {
    grid(4.0f, 0.5f, 29);
    TPCM.SWLWID = 0.08f;
    // At 4 s the exponent is 0.5 (4.5 / 4 - 1)^2 / 0.08^2 = 122: exactly 0, not a tiny value. At
    // 18 s it is 19.5 and the value is still A exp(-19.5).
    const Result on = spectrum(kGaussianSwell, 3.0f, 9.2f, 1);
    EXPECT_EQ(on.psd[0], 0.0f);
    const double a = 0.5 * std::pow(9.0 / 18.0 - 1.0, 2.0) / (0.08 * 0.08);
    EXPECT_NEAR(on.psd[28], 4.017957 * std::exp(-a), 1e-4 * 4.017957 * std::exp(-a));
    struct Case {
        Real tp;
        int peak;
    };
    for (const Case& c : {Case{2.0f, 1}, Case{-50.0f, 1}, Case{60.0f, 29}, Case{1.0e30f, 29}}) {
        const Result r = spectrum(kGaussianSwell, 3.0f, c.tp, 1);
        const double wn = WAVCOM.W(c.peak);
        EXPECT_NEAR(r.psd[c.peak - 1], 9.0 / (16.0 * std::sqrt(2.0 * std::numbers::pi) * 0.08 * wn),
                    1e-5 * static_cast<double>(r.psd[c.peak - 1]))
            << c.tp;
        for (float v : r.psd) EXPECT_TRUE(std::isfinite(v)) << c.tp;
    }
}

TEST_F(WaveSpectra, CallsBeforeTheMotionPoolExistWriteNothingOutsideIt) {
    grid(4.0f, 0.5f, 29);
    TPCM.SWLWID = 0.08f;
    auto before = std::make_unique<Himem>(HIMEM);
    spectrum(kGaussianSwell, 3.0f, 9.2f, 1);
    spectrum(kGaussianSwell, 3.0f, 2.0f, 1);
    // Only the loop counter and WCONST changed.
    EXPECT_EQ(HIMEM.IW, 30);
    EXPECT_FLOAT_EQ(HIMEM.WCONST, std::sqrt(1000.0f / 9.8f));
    before->IW = HIMEM.IW;
    before->WCONST = HIMEM.WCONST;
    EXPECT_EQ(std::memcmp(before.get(), &HIMEM, sizeof(Himem)), 0);
}

TEST_F(WaveSpectra, OnceThePoolIsLaidOutThePeakPeriodGoesToTheSlotOfTheHeight) {
    grid(4.0f, 0.5f, 29);
    lay_out_himem_pool();
    for (Int IHT : {1, 6}) {
        HIMEM.IHT = IHT;
        spectrum(kPiersonMoskowitz, 4.0f + static_cast<float>(IHT), 0.0f);
        EXPECT_FLOAT_EQ(HIMEM.RLDUM(801509 + 3 * (IHT - 1) + 2), 15.66f * std::sqrt((4.0f + IHT) / 9.8f)) << IHT;
    }
    // A height index outside the six slots writes nothing.
    for (Int IHT : {0, 7}) {
        HIMEM.IHT = IHT;
        auto before = std::make_unique<Himem>(HIMEM);
        spectrum(kPiersonMoskowitz, 3.0f, 0.0f);
        before->IW = HIMEM.IW;
        before->WCONST = HIMEM.WCONST;
        EXPECT_EQ(std::memcmp(before.get(), &HIMEM, sizeof(Himem)), 0) << IHT;
    }
}

TEST_F(WaveSpectra, PeakFrequencyAndWaveNumberAtTheEnd) {
    grid(4.0f, 0.5f, 29, 0);
    TPCM.DEPTH = 60.0f;
    const Result r = spectrum(kMeanJonswap, 10.0f, 12.0f);
    const double wp = 2.0 * std::numbers::pi / 12.0;
    EXPECT_NEAR(r.QWPK, wp, 1e-6);
    const double k = kh_of(wp, 60.0, 32.152) / 60.0;
    EXPECT_NEAR(r.QWKPK, k, 1e-4 * k);
    EXPECT_FLOAT_EQ(HIMEM.WCONST, std::sqrt(60.0f / 32.152f));
}

// Types 7 and 8 derive height and period from the values; a swell call writes them back.
TEST_F(WaveSpectra, TableSpectrumDerivesItsHeightAndPeriod) {
    grid(4.0f, 1.0f, 15);  // odd: Simpson is exact for S = c / w^2 (polynomial in T)
    for (int i = 1; i <= 15; ++i) TPCM.USRPSD(i) = 2.0f / (WAVCOM.W(i) * WAVCOM.W(i));
    Result r = spectrum(kSpectrumTable, 0.0f, 0.0f);
    // S = c / w^2: m0 = c (T(n) - T(1)) / 2 pi; the largest value at the longest period.
    const double m0 = 2.0 * 14.0 / (2.0 * std::numbers::pi);
    EXPECT_NEAR(r.QSWH, 4.0 * std::sqrt(m0), 1e-5 * 4.0 * std::sqrt(m0));
    EXPECT_NEAR(r.QTPK, 18.0f, 1e-5f);
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(r.psd[i - 1], TPCM.USRPSD(i));

    // A maximum held at several points: the peak frequency midway between the first and last.
    for (int i = 1; i <= 15; ++i) TPCM.USRPSD(i) = (i >= 5 && i <= 9) ? 3.0f : 1.0f;
    TPCM.USRPSD(7) = 2.0f;
    r = spectrum(kSpectrumTable, 0.0f, 0.0f);
    EXPECT_NEAR(r.QTPK, 6.2831855f / ((WAVCOM.W(5) + WAVCOM.W(9)) / 2.0f), 1e-5f);

    // The swell passes the data-image words themselves.
    TPCM.SWELHT = 1.0f;
    TPCM.SWELPD = 1.0f;
    Spectrum swell(100);
    WVSPEC(kSpectrumTable, swell.data(), TPCM.SWELHT, TPCM.SWELPD, WAVCOM.WSWLPK, WAVCOM.WKSWLPK, 1);
    EXPECT_EQ(TPCM.SWELPD, r.QTPK);
    EXPECT_EQ(TPCM.SWELHT, r.QSWH);
    EXPECT_FLOAT_EQ(WAVCOM.WSWLPK, 6.2831855f / r.QTPK);
}

TEST_F(WaveSpectra, TableWithoutEnergyHasNoHeightAndKeepsThePeriod) {
    grid(4.0f, 1.0f, 15);
    struct Case {
        Real value, tp, wp;
    };
    for (const Case& c : {Case{0.0f, 12.0f, 6.2831855f / 12.0f}, Case{-1.0f, 12.0f, 6.2831855f / 12.0f},
                          Case{0.0f, 0.0f, 0.0f}}) {
        for (int i = 1; i <= 15; ++i) TPCM.USRPSD(i) = c.value;
        const Result r = spectrum(kSpectrumTable, 7.0f, c.tp);
        EXPECT_EQ(r.QSWH, 0.0f) << c.value;
        EXPECT_EQ(r.QTPK, c.tp);
        EXPECT_FLOAT_EQ(r.QWPK, c.wp);
        EXPECT_TRUE(std::isfinite(r.QWKPK));
        if (c.tp == 0.0f) {
            EXPECT_EQ(r.QWKPK, 0.0f);
        }
    }
}

TEST_F(WaveSpectra, UserFileSpectrumInterpolatesTheFileAtEveryGridFrequency) {
    testing::ScratchDir dir;
    grid(4.0f, 1.0f, 15);
    // Densities linear in w over 0.3 .. 1.7 rad/s, which holds the grid (0.349 .. 1.571).
    testing::put_file("WAVSPEC.txt", "3\n0.3 0.0\n1.0, 1.4\n1.7 0.0\n");
    const Result r = spectrum(kUserSpectrumFile, 0.0f, 0.0f);
    for (int i = 1; i <= 15; ++i) {
        const double w = WAVCOM.W(i);
        const double expected = w <= 1.0 ? 2.0 * (w - 0.3) : 2.0 * (1.7 - w);
        EXPECT_NEAR(r.psd[i - 1], expected, 1e-6) << i;
    }
    EXPECT_GT(r.QSWH, 0.0f);
    EXPECT_EQ(screen(), "");
}

}  // namespace
}  // namespace brevant
