// Peak and half-power search of a response spectrum, and its statistics on the period grid.
#include <cmath>
#include <numbers>
#include <vector>

#include "numeric/spectrum_stats.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"
#include "records/data_image.h"
#include "veslib/wave_environment.h"

namespace brevant {
namespace {

using testing::ConsoleTest;

class SpectrumStats : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_wavcom();
        grid(11);
    }
    void TearDown() override {
        reset_wavcom();
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    void grid(Int n, Real dt = 1.0f) {
        T.clear();
        for (Int i = 0; i < n; ++i) T.push_back(4.0f + dt * static_cast<Real>(i));
        TPCM.NWP = n;
        set_wave_grid(T.data(), n, 1);
    }
    const Real* W() const { return WAVCOM.W.data(); }
    struct Peak {
        Real psdpk = -1, tpeak = -1;
        Int ifirst = -1, ilast = -1, ihalfp = -1, ihalfm = -1;
    };
    Peak peak(const std::vector<Real>& psd, Logical gethalf = 1) {
        Peak p;
        PSDPEK(psd.data(), W(), p.psdpk, p.tpeak, p.ifirst, p.ilast, gethalf, p.ihalfp, p.ihalfm);
        return p;
    }
    std::vector<Real> T;
};

TEST_F(SpectrumStats, PeakShapes) {
    const Real tau = 6.2831855f;
    // One sharp maximum, half-power points on both sides.
    Peak p = peak({0, 1, 2, 3, 9, 3, 2, 1, 0, 0, 0});
    EXPECT_EQ(p.ifirst, 5);
    EXPECT_EQ(p.ilast, 5);
    EXPECT_EQ(p.psdpk, 9.0f);
    EXPECT_FLOAT_EQ(p.tpeak, tau / WAVCOM.W(5));
    EXPECT_EQ(p.ihalfp, 6);
    EXPECT_EQ(p.ihalfm, 4);
    // A flat top over 4..6: the period of the mid frequency.
    p = peak({0, 1, 2, 5, 5, 5, 2, 1, 0, 0, 0});
    EXPECT_EQ(p.ifirst, 4);
    EXPECT_EQ(p.ilast, 6);
    EXPECT_FLOAT_EQ(p.tpeak, tau / ((WAVCOM.W(4) + WAVCOM.W(6)) / 2.0f));
    // Two separate equal maxima, judged by magnitude (the second one negative).
    p = peak({0, 1, 7, 1, 0, 0, 0, 1, -7, 1, 0});
    EXPECT_EQ(p.ifirst, 3);
    EXPECT_EQ(p.ilast, 9);
    EXPECT_EQ(p.psdpk, 7.0f);
    EXPECT_FLOAT_EQ(p.tpeak, tau / ((WAVCOM.W(3) + WAVCOM.W(9)) / 2.0f));
    // Without GETHALF no half-power search.
    p = peak({0, 1, 2, 3, 9, 3, 2, 1, 0, 0, 0}, 0);
    EXPECT_EQ(p.ihalfp, 0);
    EXPECT_EQ(p.ihalfm, 0);
}

TEST_F(SpectrumStats, PeakAtEitherEndOfTheGrid) {
    Peak p = peak({9, 6, 3, 1, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(p.ifirst, 1);
    EXPECT_EQ(p.ihalfp, 3);
    EXPECT_EQ(p.ihalfm, 0);  // the mirror index is held at 1, the peak itself
    p = peak({0, 0, 0, 0, 0, 0, 0, 1, 3, 6, 9});
    EXPECT_EQ(p.ifirst, 11);
    EXPECT_EQ(p.ihalfp, 0);
    EXPECT_EQ(p.ihalfm, 0);
    // The walk below the peak takes only as many steps as the walk above it.
    p = peak({0, 0, 0, 0, 0, 0, 0, 1, 9, 8, 7});
    EXPECT_EQ(p.ihalfp, 0);
    EXPECT_EQ(p.ihalfm, 8);
}

TEST_F(SpectrumStats, HalfPowerPointOnTheLastGridPoint) {
    // Read off the input: the peak 9 at point 9, 6 at point 10 still above half of it, 4 at the
    // last point 11 the first below; below the peak, 0 at point 8. The scan must reach point NWP.
    const Peak p = peak({0, 0, 0, 0, 0, 0, 0, 0, 9, 6, 4});
    EXPECT_EQ(p.ifirst, 9);
    EXPECT_EQ(p.ihalfp, 11);
    EXPECT_EQ(p.ihalfm, 8);
}

TEST_F(SpectrumStats, ZeroSpectrumHasNoPeak) {
    const std::vector<Real> zero(11, 0.0f);
    const Peak p = peak(zero);
    EXPECT_EQ(p.psdpk, 0.0f);
    EXPECT_EQ(p.tpeak, 0.0f);
    EXPECT_EQ(p.ifirst, 0);
    EXPECT_EQ(p.ilast, 0);
    EXPECT_EQ(p.ihalfp, 0);
    EXPECT_EQ(p.ihalfm, 0);
    Real rms = -1, rmsdot = -1, bw = -1, tp = -1;
    SPCPROCES(zero.data(), W(), rms, rmsdot, bw, tp);
    EXPECT_EQ(rms, 0.0f);
    EXPECT_EQ(rmsdot, 0.0f);
    EXPECT_EQ(bw, 0.0f);
    EXPECT_EQ(tp, 0.0f);
    EXPECT_EQ(screen(), "");
}

TEST_F(SpectrumStats, BroadSpectrumStatistics) {
    // A smooth bump well inside a fine grid: RMS from the integrals, the bandwidth the distance
    // between the half-power points, capped at VAR / PSDPK.
    grid(41, 0.2f);
    std::vector<Real> psd;
    for (Int i = 1; i <= 41; ++i) {
        const double w = WAVCOM.W(i);
        psd.push_back(static_cast<Real>(2.0 * std::exp(-std::pow((w - 1.0) / 0.1, 2))));
    }
    Real var = 0, vardot = 0;
    SMPINT(psd.data(), var, vardot);
    Real rms = 0, rmsdot = 0, bw = 0, tp = 0;
    SPCPROCES(psd.data(), W(), rms, rmsdot, bw, tp);
    EXPECT_FLOAT_EQ(rms, std::sqrt(var));
    EXPECT_FLOAT_EQ(rmsdot, std::sqrt(vardot));
    // The variance of a Gaussian bump: 2 sqrt(pi) 0.1.
    EXPECT_NEAR(double(var), 2.0 * std::sqrt(std::numbers::pi) * 0.1, 2e-3);
    // Read off the input, not from the search: the peak at point 12 (T 6.2 s, 0.982 of it at
    // point 13); above it the first point under half is 16 (0.357 of the peak, 15 holds 0.571);
    // mirrored below it, 10 holds 0.509 and 9 is the first under half (0.230).
    const Int ipeak = 12, ihalfp = 16, ihalfm = 9;
    const Peak p = peak(psd);
    EXPECT_EQ(p.ifirst, ipeak);
    EXPECT_EQ(p.ihalfp, ihalfp);
    EXPECT_EQ(p.ihalfm, ihalfm);
    const double psdpk = psd[ipeak - 1];
    const double gap = std::fabs(double(WAVCOM.W(ihalfm)) - double(WAVCOM.W(ihalfp)));
    const double want = std::min(gap, double(var) / psdpk) / (2.0 * std::numbers::pi);
    EXPECT_NEAR(double(bw), want, 1e-6);
    const double tpeak = 6.2;
    EXPECT_LE(double(tp), tpeak + 1e-5);
    EXPECT_NEAR(double(tp), std::min(tpeak, 2.0 * std::numbers::pi * std::sqrt(double(var) / double(vardot))), 1e-5);
    EXPECT_EQ(screen(), "");
}

TEST_F(SpectrumStats, NarrowOrOneSidedPeaksUseTheEquivalentWidth) {
    struct Case {
        std::vector<Real> psd;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 1, 9, 1, 0, 0, 0, 0}},  // half-power points 2 apart
        {{0, 0, 0, 0, 9, 1, 0, 0, 0, 0, 0}},  // 1 apart
        {{9, 9, 9, 9, 9, 9, 9, 9, 1, 0, 0}},  // only the upper point is found, 9 from index 0
        {{0, 0, 0, 0, 0, 9, 9, 9, 9, 9, 9}},  // only the lower point is found, 5 from index 0
    };
    for (const Case& c : cases) {
        Real var = 0, vardot = 0;
        SMPINT(c.psd.data(), var, vardot);
        Real rms = 0, rmsdot = 0, bw = -1, tp = 0;
        SPCPROCES(c.psd.data(), W(), rms, rmsdot, bw, tp);
        EXPECT_TRUE(std::isfinite(bw));
        EXPECT_NEAR(double(bw), double(var) / (2.0 * std::numbers::pi * 9.0), 1e-6);
        EXPECT_EQ(tp, peak(c.psd).tpeak);  // the peak period stays as the search gave it
    }
}

TEST_F(SpectrumStats, CountBeyondTheHundredSlotsIsHeldToThem) {
    // A count of 150 read from a file: peak and statistics over the first 100 points only, though
    // the spectrum given holds a far larger value at point 120.
    grid(100, 0.1f);
    std::vector<Real> psd(150, 0.0f);
    for (Int i = 40; i <= 60; ++i) psd[static_cast<std::size_t>(i - 1)] = static_cast<Real>(10 - std::abs(i - 50));
    psd[119] = 1000.0f;
    const Peak p100 = peak(psd);
    Real rms100 = 0, rmsdot100 = 0, bw100 = 0, tp100 = 0;
    SPCPROCES(psd.data(), W(), rms100, rmsdot100, bw100, tp100);
    EXPECT_EQ(p100.ifirst, 50);
    EXPECT_EQ(p100.psdpk, 10.0f);

    TPCM.NWP = 150;
    const Peak p = peak(psd);
    EXPECT_EQ(p.ifirst, 50);
    EXPECT_EQ(p.ilast, 50);
    EXPECT_EQ(p.psdpk, 10.0f);
    EXPECT_EQ(p.ihalfp, 56);  // 4, the first value under 5, six points either side of the peak
    EXPECT_EQ(p.ihalfm, 44);
    Real rms = 0, rmsdot = 0, bw = 0, tp = 0;
    SPCPROCES(psd.data(), W(), rms, rmsdot, bw, tp);
    EXPECT_EQ(rms, rms100);
    EXPECT_EQ(rmsdot, rmsdot100);
    EXPECT_EQ(bw, bw100);
    EXPECT_EQ(tp, tp100);
    EXPECT_EQ(screen(), "");
}

TEST_F(SpectrumStats, PeakAtTheLastPointGivesNoBandwidth) {
    const std::vector<Real> psd = {0, 0, 0, 0, 0, 0, 0, 1, 3, 6, 9};
    Real rms = 0, rmsdot = 0, bw = -1, tp = 0;
    SPCPROCES(psd.data(), W(), rms, rmsdot, bw, tp);
    EXPECT_EQ(bw, 0.0f);
    EXPECT_FLOAT_EQ(tp, 6.2831855f / WAVCOM.W(11));
}

// The variance overflow: a grid whose squared frequencies times its period step leave single
// precision (no case gives one; the guard is for the run's own grids) makes the equivalent width
// of a narrow peak infinite. On a screen the run asks to quit or continue; in a silent run the two
// lines go to its console, "Diagnostics.stxt", nothing is read and the run goes on as "c" would.
TEST_F(SpectrumStats, VarianceOverflowAsksOnTheScreenAndGoesOnInASilentRun) {
    const std::vector<Real> psd = {0, 0, 0, 0, 1e-20f, 9e-20f, 1e-20f, 0, 0, 0, 0};  // half-power points 2 apart
    const auto overflowing_grid = [] {
        for (Int i = 1; i <= 11; ++i) WAVCOM.W2(i) = 1.0e10f;
        WAVCOM.DT = 1.0e30f;
    };
    const std::string lines = " ++> Variance overflow in SPCPROCES;\n     press \"q\" to quit or \"c\" to continue\n";
    Real rms = 0, rmsdot = 0, bw = 0, tp = 0;
    overflowing_grid();
    TPCM.EDUNIT = SCREEN_UNIT;
    answers("c\nq\n");
    SPCPROCES(psd.data(), W(), rms, rmsdot, bw, tp);
    EXPECT_TRUE(std::isfinite(rms));
    EXPECT_EQ(testing::count_of(screen(), lines), 1u) << screen();
    try {
        SPCPROCES(psd.data(), W(), rms, rmsdot, bw, tp);
        FAIL() << "\"q\" ends the run";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(testing::count_of(screen(), lines), 2u);
    // The silent run: the lines in its file, nothing on the screen, the answer "q" left unread.
    const std::string before = screen();
    TPCM.EDUNIT = SILENT_UNIT;
    answers("q\n");
    SPCPROCES(psd.data(), W(), rms, rmsdot, bw, tp);
    EXPECT_EQ(silent(), lines);
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(read_keyboard_line(), "q");
    // The sound grid of the same spectrum: no overflow.
    grid(11);
    SPCPROCES(psd.data(), W(), rms, rmsdot, bw, tp);
    EXPECT_EQ(silent(), lines);
}

}  // namespace
}  // namespace brevant
