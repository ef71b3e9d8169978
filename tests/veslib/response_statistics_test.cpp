// Irregular-wave response statistics: the Simpson moments against closed forms and SMPINT, the
// filing of moment pairs by height, heading and response, the spreading weights against the
// normalised cosine spreading, the transfer to the centre of gravity and the encounter-frequency
// re-gridding.
#include "veslib/response_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "motion_stats_fixture.h"
#include "numeric/grid_integrals.h"
#include "numeric/quadrature.h"
#include "numeric/table_search.h"
#include "veslib/wave_spectra.h"

namespace brevant {
namespace {

using Stats = testing::MotionStatsTest;
constexpr double kPi = std::numbers::pi;

TEST_F(Stats, Smpin2GivesTheClosedFormMomentsOfAnOmegaToTheMinusFourSpectrum) {
    // S = c / w^4 on an even period step: both moments are integrals of polynomials in T of degree
    // up to 2, which Simpson's rule and the 3/8 rule integrate exactly.
    struct Case {
        int n;
        double t_last;
    };
    for (const Case c : {Case{21, 24.0}, Case{20, 23.0}, Case{4, 7.0}}) {
        SCOPED_TRACE(c.n);
        grid(4.0f, 1.0f, c.n);
        const float cc = 3.0f;
        std::vector<Real> S(100, 0.0f);
        for (int j = 1; j <= c.n; ++j) S[static_cast<std::size_t>(j - 1)] = cc / (WAVCOM.W2(j) * WAVCOM.W2(j));
        const Int L = HIMEM.NXTFRE;
        SMPIN2(S.data(), L);
        const double m2 = 3.0 * (c.t_last - 4.0) / (2.0 * kPi);
        const double m0 = 3.0 * (c.t_last * c.t_last * c.t_last - 64.0) / (24.0 * kPi * kPi * kPi);
        EXPECT_NEAR(HIMEM.RLDUM(L), m0, 2e-6 * m0);
        EXPECT_NEAR(HIMEM.RLDUM(L + 1), m2, 2e-6 * m2);
    }
}

TEST_F(Stats, Smpin2EqualsSmpintOnOddAndEvenGrids) {
    for (int n : {2, 3, 4, 7, 10, 30, 31}) {
        SCOPED_TRACE(n);
        grid(3.0f, 0.75f, n);
        std::vector<Real> S(100, 0.0f);
        for (int j = 1; j <= n; ++j) S[static_cast<std::size_t>(j - 1)] = std::exp(-std::pow(WAVCOM.W(j) - 0.6f, 2.0f));
        Real m0 = 0.0f;
        Real m2 = 0.0f;
        SMPINT(S.data(), m0, m2);
        const Int L = HIMEM.NXTFRE;
        SMPIN2(S.data(), L);
        EXPECT_FLOAT_EQ(HIMEM.RLDUM(L), m0);
        EXPECT_FLOAT_EQ(HIMEM.RLDUM(L + 1), m2);
    }
}

TEST_F(Stats, StatcpWithUnitResponseFilesTheSeaSpectrumsOwnMoments) {
    grid(4.0f, 1.0f, 15);
    sea_spectrum(1, [](Real w) { return 1.0f / (1.0f + w * w); });
    const std::vector<Real> ones(100, 1.0f);
    const Int L = HIMEM.NXTFRE;
    STATCP(ones.data(), sea_slot(1), L);
    SMPIN2(&HIMEM.RLDUM(sea_slot(1)), L + 2);
    EXPECT_EQ(HIMEM.RLDUM(L), HIMEM.RLDUM(L + 2));
    EXPECT_EQ(HIMEM.RLDUM(L + 1), HIMEM.RLDUM(L + 3));
    EXPECT_GT(HIMEM.RLDUM(L), 0.0f);
}

// A long-crested sea in point-motion mode: unit squared responses of one point's three components.
class LongCrested : public Stats {
protected:
    void SetUp() override {
        Stats::SetUp();
        grid(4.0f, 1.0f, 15);
        sea_spectrum(1, [](Real w) { return w * std::exp(-w); });
        TPCM.LRANDM = 1;
        TPCM.NSEAHT() = 1;
        TPCM.NSEAHG = 2;
        HIMEM.IRAN(1) = 1;
        HIMEM.IRAN(2) = 2;
        WAVCOM.IRAO = 1;
        HIMEM.LFRFLG = 2;
        HIMEM.NCOL = 1;
        HIMEM.IREP = 1;
        HIMEM.LBASEX = HIMEM.NXTFRE;
        for (int k = 0; k < 300; ++k) HIMEM.RLDUM(HIMEM.LBASEX + k) = 1.0f;
        HIMEM.LOCSIG = HIMEM.LCNACC;
        // Every pair of the block starts from a value of its own, so that a stray addition shows.
        for (Int k = 0; k < 2 * 12 * HIMEM.NHTNHD; ++k) HIMEM.RLDUM(HIMEM.LOCSIG + k) = 0.5f + static_cast<Real>(k);
    }
};

TEST_F(LongCrested, OneHeadingAddsExactlyTheSeaPairAtHeightOneHeadingOne) {
    const Int L = HIMEM.NXTFRE + 400;
    SMPIN2(&HIMEM.RLDUM(sea_slot(1)), L);
    for (Int IREP : {1, 2}) {
        SCOPED_TRACE(IREP);
        HIMEM.IREP = IREP;
        std::vector<Real> before(static_cast<std::size_t>(2 * 12 * HIMEM.NHTNHD));
        for (std::size_t k = 0; k < before.size(); ++k) before[k] = HIMEM.RLDUM(HIMEM.LOCSIG + static_cast<Int>(k));
        STAT1();
        for (Int IIN = 1; IIN <= 12; ++IIN) {
            for (Int IHD = 1; IHD <= HIMEM.MAXHDG; ++IHD) {
                for (Int IHT = 1; IHT <= HIMEM.MAXHT; ++IHT) {
                    const Int k = pair(IHT, IHD, IIN);
                    const std::size_t b = static_cast<std::size_t>(k - HIMEM.LOCSIG);
                    const bool hit = IHT == 1 && IHD == 1 && IIN > 6 * (IREP - 1) && IIN <= 6 * (IREP - 1) + 3;
                    if (hit) {
                        EXPECT_EQ(HIMEM.RLDUM(k), before[b] + HIMEM.RLDUM(L)) << IIN;
                        EXPECT_EQ(HIMEM.RLDUM(k + 1), before[b + 1] + HIMEM.RLDUM(L + 1)) << IIN;
                    } else {
                        ASSERT_EQ(HIMEM.RLDUM(k), before[b]) << IHT << " " << IHD << " " << IIN;
                        ASSERT_EQ(HIMEM.RLDUM(k + 1), before[b + 1]) << IHT << " " << IHD << " " << IIN;
                    }
                }
            }
        }
    }
    EXPECT_NE(WAVCOM.LWVCMP, 0);
}

TEST_F(LongCrested, HeadingOfNoSeaAddsNothing) {
    WAVCOM.IRAO = 3;
    const Real first = HIMEM.RLDUM(pair(1, 1, 1));
    const Real second = HIMEM.RLDUM(pair(1, 2, 1));
    STAT1();
    EXPECT_EQ(HIMEM.RLDUM(pair(1, 1, 1)), first);
    EXPECT_EQ(HIMEM.RLDUM(pair(1, 2, 1)), second);
}

TEST_F(Stats, MotionFlagZeroLeavesTheHeavePairsUntouched) {
    grid(4.0f, 1.0f, 11);
    sea_spectrum(1, [](Real w) { return w; });
    unit_raos();
    TPCM.LRANDM = 1;
    TPCM.NSEAHT() = 1;
    TPCM.NSEAHG = 1;
    TPCM.MOTION(3) = 0;
    HIMEM.IRAN(1) = 1;
    WAVCOM.IRAO = 1;
    HIMEM.LOCSIG = HIMEM.LCNMOT;
    STAT1();
    for (Int d = 1; d <= 6; ++d) {
        SCOPED_TRACE(d);
        if (d == 3) {
            EXPECT_EQ(HIMEM.RLDUM(pair(1, 1, d)), 0.0f);
            EXPECT_EQ(HIMEM.RLDUM(pair(1, 1, d) + 1), 0.0f);
        } else {
            EXPECT_GT(HIMEM.RLDUM(pair(1, 1, d)), 0.0f);
        }
    }
}

TEST_F(Stats, SeaSpectraAreBuiltOnceAndHoldTheEnergyOfTheirHeight) {
    grid(3.0f, 0.5f, 99);
    unit_raos();
    TPCM.LRANDM = 1;
    TPCM.NSEAHT() = 2;
    TPCM.NSEAHG = 1;
    TPCM.WAVTYP = kPiersonMoskowitz;
    TPCM.SWHT(1) = 4.0f;
    TPCM.SIGPD(1) = 10.0f;
    TPCM.SWHT(2) = 8.0f;
    TPCM.SIGPD(2) = 12.0f;
    HIMEM.IRAN(1) = 1;
    WAVCOM.IRAO = 1;
    HIMEM.LOCSIG = HIMEM.LCNMOT;
    STAT1();
    ASSERT_NE(WAVCOM.LWVCMP, 0);
    // m0 = (Hs / 4)^2 for a spectrum of significant height Hs.
    EXPECT_NEAR(HIMEM.RLDUM(HIMEM.LCNWV), 1.0f, 0.02f);
    EXPECT_NEAR(HIMEM.RLDUM(HIMEM.LCNWV + 3), 4.0f, 0.08f);
    EXPECT_EQ(HIMEM.RLDUM(pair(2, 1, 1)), HIMEM.RLDUM(HIMEM.LCNWV + 3));
    // A second call reuses the spectra: a new height changes nothing.
    const Real kept = HIMEM.RLDUM(sea_slot(1) + 20);
    TPCM.SWHT(1) = 1.0f;
    STAT1();
    EXPECT_EQ(HIMEM.RLDUM(sea_slot(1) + 20), kept);
    EXPECT_EQ(HIMEM.RLDUM(pair(1, 1, 1)), 2.0f * HIMEM.RLDUM(HIMEM.LCNWV));
}

TEST_F(Stats, WithoutSeaHeightsTheSwellStillGoesIntoHeightOneAndTheSeaIsMarkedDone) {
    grid(3.0f, 0.5f, 99);
    unit_raos();
    TPCM.LSWELL = 1;
    TPCM.LSWLOK = 0;
    TPCM.LRANDM = 1;
    TPCM.NSEAHT() = 0;
    TPCM.NSEAHG = 0;
    TPCM.SWLTYP = kPiersonMoskowitz;
    TPCM.SWELHT = 2.0f;
    TPCM.SWELPD = 14.0f;
    WAVCOM.IRAO = 2;
    WAVCOM.ISWELL = 2;
    HIMEM.LOCSIG = HIMEM.LCNMOT;
    STAT1();
    EXPECT_NE(WAVCOM.LWVCMP, 0);
    // The swell's own moments are those of the spectrum in its slot.
    const Int L = HIMEM.NXTFRE;
    SMPIN2(&HIMEM.RLDUM(HIMEM.LCNPSD + HIMEM.MAXHT * HIMEM.NARRAY), L);
    EXPECT_GT(HIMEM.RLDUM(HIMEM.LCNSWL), 0.0f);
    EXPECT_EQ(HIMEM.RLDUM(HIMEM.LCNSWL), HIMEM.RLDUM(L));
    EXPECT_EQ(HIMEM.RLDUM(HIMEM.LCNSWL + 1), HIMEM.RLDUM(L + 1));
    for (Int d = 1; d <= 6; ++d) {
        EXPECT_EQ(HIMEM.RLDUM(pair(1, 1, d)), HIMEM.RLDUM(HIMEM.LCNSWL)) << d;
        EXPECT_EQ(HIMEM.RLDUM(pair(2, 1, d)), 0.0f) << d;
    }
}

// Spread seas: ANGNRM as motion phase 1 forms it, the spreading integral in closed form.
struct SpreadCase {
    Int NA;
    Real COSEXP;
    Real ANGSEC;
    std::vector<double> weights;  // empty: only the sum is checked
    double sum;
};

TEST_F(Stats, SpreadingWeightsAreTheNormalisedCosinePowerTimesTheSimpsonWeight) {
    const SpreadCase cases[] = {
        {8, 4.0f, 240.0f, {0, 0.0095318, 0.0555556, 0.3238015, 0.2222222, 0.3238015, 0.0555556, 0.0095318, 0}, 1.0},
        {6, 2.0f, 180.0f, {0, 1.0 / 9, 1.0 / 6, 4.0 / 9, 1.0 / 6, 1.0 / 9, 0}, 1.0},
        {6, 2.0f, 540.0f, {}, 1.00041},
    };
    for (const SpreadCase& c : cases) {
        SCOPED_TRACE(c.ANGSEC);
        reset_records();
        TPCM.MOTION.fill(1);
        TPCM.NUNTS = 1;
        TPCM.DEPTH = 1000.0f;
        grid(4.0f, 1.0f, 11);
        sea_spectrum(1, [](Real w) { return 2.0f * w; });
        unit_raos();
        TPCM.LRANDM = 1;
        TPCM.NSEAHT() = 1;
        TPCM.NSEAHG = 1;
        TPCM.NA = c.NA;
        TPCM.COSEXP = c.COSEXP;
        TPCM.ANGSEC = c.ANGSEC;
        WAVCOM.LEXP = 1;
        WAVCOM.NA2 = c.NA / 2;
        const double sector = std::min(static_cast<double>(c.ANGSEC), 360.0);
        WAVCOM.DA = static_cast<Real>(sector / (c.NA * 57.2957764));
        // The integral of |cos|^n over the lobe the sector spans, in closed form.
        double QF = 0.0;
        if (c.ANGSEC <= 360.0f) {
            const double n = c.COSEXP;
            QF = std::sqrt(kPi) * std::tgamma((n + 1) / 2) / std::tgamma(n / 2 + 1);
        } else {
            ASSERT_EQ(c.COSEXP, 2.0f);
            const double x = kPi * 180.0 / static_cast<double>(c.ANGSEC);  // cos^2 from 0 to x, twice
            QF = 2.0 * (x / 2 + std::sin(2 * x) / 4);
        }
        WAVCOM.ANGNRM = static_cast<Real>((180.0 / static_cast<double>(c.ANGSEC)) * static_cast<double>(WAVCOM.DA) / (3.0 * QF));
        for (Int I = 1; I <= c.NA + 1; ++I) HIMEM.INTGFL(I, 1) = I;
        HIMEM.LOCSIG = HIMEM.LCNMOT;
        const Int L = HIMEM.NXTFRE;
        SMPIN2(&HIMEM.RLDUM(sea_slot(1)), L);
        double total = 0.0;
        double last = 0.0;
        std::vector<double> got;
        for (Int IRAO = 1; IRAO <= c.NA + 1; ++IRAO) {
            WAVCOM.IRAO = IRAO;
            STAT1();
            const double now = HIMEM.RLDUM(pair(1, 1, 4));
            got.push_back((now - last) / static_cast<double>(HIMEM.RLDUM(L)));
            last = now;
            total += got.back();
        }
        for (std::size_t i = 0; i < c.weights.size(); ++i) EXPECT_NEAR(got[i], c.weights[i], 2e-6) << i + 1;
        EXPECT_NEAR(total, c.sum, 2e-6);
        // m2 follows with the same weight.
        const double m2 = HIMEM.RLDUM(L + 1);
        EXPECT_NEAR(HIMEM.RLDUM(pair(1, 1, 4) + 1), c.sum * m2, 2e-5 * m2);
        if (c.weights.empty()) {
            // Both edges of a sector wider than a circle carry the formula's (equal, non-zero) weight.
            EXPECT_GT(got.front(), 0.01);
            EXPECT_NEAR(got.back(), got.front(), 1e-7);
        }
    }
}

TEST_F(Stats, CentreOfGravityTransferUndoesTheLeverArmOfTheTable) {
    grid(4.0f, 1.0f, 13);
    sea_spectrum(1, [](Real w) { return 1.0f + w; });
    HIMEM.VTCRP = 7.0f;
    HIMEM.VTCRR = 9.0f;
    TPCM.VKG = 4.0f;
    WAVCOM.IRAO = 1;
    HIMEM.LFRFLG = 0;
    struct Case {
        Int dof;
        Int lever_dof;
        Real arm;  // the table's translation = s + arm x rotation
    };
    for (const Case c : {Case{1, 5, 3.0f}, Case{2, 4, -5.0f}}) {
        SCOPED_TRACE(c.dof);
        for (int i = 1; i <= 13; ++i) {
            const Complex s(0.3f * static_cast<Real>(i), -0.1f * static_cast<Real>(i * i) / 10.0f);
            const Complex rot(0.02f * static_cast<Real>(i), 0.05f);
            HIMEM.SEARAO(i, c.lever_dof) = rot;
            HIMEM.SEARAO(i, c.dof) = s + c.arm * rot;
            HIMEM.SEARAO(i, 6) = s;  // the plain response, for the reference
        }
        const Int L = HIMEM.NXTFRE;
        TPCM.LCGFLG = 1;
        STATCM((c.dof - 1) * 100 + 1, sea_slot(1), L);
        TPCM.LCGFLG = 0;
        STATCM(5 * 100 + 1, sea_slot(1), L + 2);
        EXPECT_NEAR(HIMEM.RLDUM(L), HIMEM.RLDUM(L + 2), 1e-5f * HIMEM.RLDUM(L + 2));
        EXPECT_NEAR(HIMEM.RLDUM(L + 1), HIMEM.RLDUM(L + 3), 1e-5f * HIMEM.RLDUM(L + 3));
        // Without the transfer the lever arm stays in.
        STATCM((c.dof - 1) * 100 + 1, sea_slot(1), L + 4);
        EXPECT_GT(std::fabs(HIMEM.RLDUM(L + 4) - HIMEM.RLDUM(L)), 1e-3f * HIMEM.RLDUM(L));
    }
}

TEST_F(Stats, ForcesOtherThanHeaveAreScaledByTheWaveNumberAndRotationsMovedByTheMetacentricHeights) {
    grid(4.0f, 1.0f, 9);
    sea_spectrum(1, [](Real w) { return 2.0f - w; });
    HIMEM.VTCRP = 7.0f;
    HIMEM.VTCRR = 9.0f;
    HIMEM.GML = 50.0f;
    HIMEM.GMT = 2.0f;
    TPCM.VKG = 4.0f;
    WAVCOM.IRAO = 1;
    HIMEM.LFRFLG = 1;
    for (int i = 1; i <= 9; ++i)
        for (int d = 1; d <= 6; ++d)
            HIMEM.SEARAO(i, d) = Complex(0.1f * static_cast<Real>(d + i), 0.05f * static_cast<Real>(d - i));
    struct Case {
        Int dof;
        Int LCGFLG;
    };
    for (const Case c : {Case{1, 0}, Case{3, 0}, Case{4, 1}, Case{5, 1}, Case{1, 1}}) {
        SCOPED_TRACE(std::to_string(c.dof) + " " + std::to_string(c.LCGFLG));
        TPCM.LCGFLG = c.LCGFLG;
        std::vector<Real> expected(100, 0.0f);
        for (int i = 1; i <= 9; ++i) {
            Complex C = HIMEM.SEARAO(i, c.dof);
            if (c.LCGFLG == 1 && c.dof == 4) C -= (5.0f / 2.0f) * HIMEM.SEARAO(i, 2);
            if (c.LCGFLG == 1 && c.dof == 5) C += (3.0f / 50.0f) * HIMEM.SEARAO(i, 1);
            if (c.dof != 3) C *= HIMEM.RLDUM(HIMEM.LCNWK + i - 1);
            expected[static_cast<std::size_t>(i - 1)] = std::norm(C);
        }
        const Int L = HIMEM.NXTFRE;
        STATCM((c.dof - 1) * 100 + 1, sea_slot(1), L);
        STATCP(expected.data(), sea_slot(1), L + 2);
        EXPECT_NEAR(HIMEM.RLDUM(L), HIMEM.RLDUM(L + 2), 1e-5f * HIMEM.RLDUM(L + 2));
        EXPECT_NEAR(HIMEM.RLDUM(L + 1), HIMEM.RLDUM(L + 3), 1e-5f * HIMEM.RLDUM(L + 3));
    }
}

TEST_F(Stats, ForwardSpeedReadsTheResponseAtTheEncounterFrequency) {
    grid(4.0f, 1.0f, 17);
    sea_spectrum(1, [](Real w) { return std::exp(-w); });
    TPCM.VFWD = 1.5f;
    TPCM.VGLDIR = 30.0f;
    HIMEM.RAOANG(1) = 30.0f;
    WAVCOM.IRAO = 1;
    const Real VCOMP = 1.5f;
    // A response linear in the encounter frequency we: a + b we, given at the encounter frequencies.
    const Complex a(0.4f, -0.2f);
    const Complex b(0.3f, 0.6f);
    std::vector<Real> expected(100, 0.0f);
    for (int i = 1; i <= 17; ++i) {
        const Real w = WAVCOM.W(i);
        const Real we = w - HIMEM.RLDUM(HIMEM.LCNWK + i - 1) * VCOMP;
        HIMEM.SEARAO(i, 2) = a + b * we;
        expected[static_cast<std::size_t>(i - 1)] = std::norm(a + b * w);
    }
    const Int L = HIMEM.NXTFRE;
    STATCM(101, sea_slot(1), L);
    STATCP(expected.data(), sea_slot(1), L + 2);
    EXPECT_NEAR(HIMEM.RLDUM(L), HIMEM.RLDUM(L + 2), 1e-5f * HIMEM.RLDUM(L + 2));
    EXPECT_NEAR(HIMEM.RLDUM(L + 1), HIMEM.RLDUM(L + 3), 1e-5f * HIMEM.RLDUM(L + 3));
}

TEST_F(Stats, EqualEncounterFrequenciesTakeTheFirstValueInsteadOfDividingByZero) {
    grid(4.0f, 1.0f, 5);
    sea_spectrum(1, [](Real) { return 1.0f; });
    TPCM.VFWD = 1.0f;
    WAVCOM.IRAO = 1;
    // Encounter frequencies w - k with the last two equal: the grid's lowest frequency lies beyond
    // them and is extrapolated from that interval of zero width.
    const Real we[5] = {WAVCOM.W(1), WAVCOM.W(2), WAVCOM.W(3), WAVCOM.W(4), WAVCOM.W(4)};
    for (int i = 1; i <= 5; ++i) {
        HIMEM.RLDUM(HIMEM.LCNWK + i - 1) = WAVCOM.W(i) - we[i - 1];
        HIMEM.SEARAO(i, 1) = Complex(static_cast<Real>(i), 0.0f);
    }
    HIMEM.LFRFLG = 0;
    const Int L = HIMEM.NXTFRE;
    STATCM(1, sea_slot(1), L);
    EXPECT_TRUE(std::isfinite(HIMEM.RLDUM(L)));
    EXPECT_TRUE(std::isfinite(HIMEM.RLDUM(L + 1)));
    Int IER = 0;
    Int MIN = 0;
    BSRCH(we, WAVCOM.W(5), IER, MIN, 5);
    ASSERT_EQ(MIN, 4);
    // The value at the first of the two (4) is taken; the others are read where they lie.
    EXPECT_EQ(HIMEM.PSD(5), 16.0f);
    EXPECT_EQ(HIMEM.PSD(2), 4.0f);
}

TEST_F(Stats, DebugLevelOneWritesTheEntryLineAndAsksForANewLevel) {
    grid(4.0f, 1.0f, 5);
    TPCM.NBUG = 1;
    WAVCOM.IRAO = 12;
    HIMEM.LFRFLG = 3;
    answers("0\n");
    STAT1();
    // The text is right-aligned in its field of 30 after the one blank.
    EXPECT_NE(screen().find("       IN STAT1. IRAO,LRFGLG =    12    3\n"), std::string::npos) << screen();
    EXPECT_EQ(TPCM.NBUG, 0);
}

}  // namespace
}  // namespace brevant
