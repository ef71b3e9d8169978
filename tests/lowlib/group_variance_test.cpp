// The group-envelope integrals against closed forms (Simpson on the period grid is exact for
// spectra like c / w^2), the group spectrum of the wave library, and the negative-difference notice.
#include <cmath>

#include "drift_fixture.h"
#include "lowlib/group_variance.h"
#include "numeric/grid_integrals.h"

namespace brevant::testing {
namespace {

constexpr double kTwoPi = 6.283185307179586;

class GroupVarianceTest : public DriftTest {
protected:
    // S = c / w^2 on the grid.
    static std::vector<Real> inverse_square(Real c) {
        std::vector<Real> S(100, 0.0f);
        for (Int i = 1; i <= TPCM.NWP; ++i) S[i - 1] = c / WAVCOM.W2(i);
        return S;
    }
    // A JONSWAP-shaped spectrum (peak enhancement 3.3) of peak frequency wp.
    static std::vector<Real> jonswap(double hs, double wp) {
        std::vector<Real> S(100, 0.0f);
        for (Int i = 1; i <= TPCM.NWP; ++i) {
            const double w = WAVCOM.W(i);
            const double sigma = w <= wp ? 0.07 : 0.09;
            const double r = std::exp(-(w - wp) * (w - wp) / (2.0 * sigma * sigma * wp * wp));
            const double pm = 5.0 / 16.0 * hs * hs * std::pow(wp, 4) / std::pow(w, 5) * std::exp(-1.25 * std::pow(wp / w, 4));
            S[i - 1] = static_cast<Real>(pm * std::pow(3.3, r));
        }
        return S;
    }
    struct Result {
        Real GVAR, GVARDOT;
    };
    static Result gvar(Real D, const std::vector<Real>& S) {
        Real GVAR = -1.0f, GVARDOT = -1.0f, VG = -1.0f, VDG = -1.0f;
        GET_GVAR(D, WAVCOM.W.data(), TPCM.NWP, S.data(), GVAR, GVARDOT, VG, VDG);
        EXPECT_EQ(VG, 0.0f);
        EXPECT_EQ(VDG, 0.0f);
        return {GVAR, GVARDOT};
    }
    static Result gvar2(Real D, const std::vector<Real>& S1, const std::vector<Real>& S2) {
        Real GVAR = -1.0f, GVARDOT = -1.0f;
        GET_GVAR2(D, WAVCOM.W.data(), TPCM.NWP, S1.data(), S2.data(), GVAR, GVARDOT);
        return {GVAR, GVARDOT};
    }
};

TEST_F(GroupVarianceTest, AtZeroDifferenceTheIntegralOfTheSquaredSpectrum) {
    // Both parities of the grid: an odd count (Simpson) and an even one (Simpson and 3/8 rule).
    for (int n : {9, 10}) {
        SCOPED_TRACE(n);
        grid(periods(4.0f, 2.0f, n));
        const double wmin = kTwoPi / (4.0 + 2.0 * (n - 1));
        const double wmax = kTwoPi / 4.0;
        const auto S = inverse_square(2.0f);
        // int (2 / w^2)^2 dw = 4/3 (1/wmin^3 - 1/wmax^3); in the period the integrand is
        // quadratic, so the grid rule is exact. The second moment: int 4 / w^2 dw.
        const double m0 = 4.0 / 3.0 * (1.0 / std::pow(wmin, 3) - 1.0 / std::pow(wmax, 3));
        const double m2 = 4.0 * (1.0 / wmin - 1.0 / wmax);
        const Result r = gvar(0.0f, S);
        EXPECT_NEAR(r.GVAR, m0, 1e-5 * m0);
        EXPECT_NEAR(r.GVARDOT, m2, 1e-5 * m2);
        // The cross form of two such spectra: int (2 / w^2)(3 / w^2) dw.
        const Result c = gvar2(0.0f, S, inverse_square(3.0f));
        EXPECT_NEAR(c.GVAR, 1.5 * m0, 1.5e-5 * m0);
    }
}

TEST_F(GroupVarianceTest, EightTimesTheIntegralIsTheGroupSpectrum) {
    grid(periods(3.0f, 0.5f, 31));
    const auto S = jonswap(4.0, 0.6);
    // 2.0 folds the lower frequency for the long periods (w - 1 < 0).
    for (Real D : {0.0f, 0.05f, 0.35f, 0.9f, 2.0f}) {
        SCOPED_TRACE(D);
        Real GRPPSD = 0.0f;
        GRPSPC(S.data(), GRPPSD, D);
        const Result r = gvar(D, S);
        EXPECT_FLOAT_EQ(8.0f * r.GVAR, GRPPSD);
        // The two-spectrum form with the same spectrum twice is the same integral, bit for bit,
        // whether it is given one array twice (read once) or two arrays of the same values.
        const std::vector<Real> copy = S;
        for (const Result c : {gvar2(D, S, S), gvar2(D, S, copy)}) {
            EXPECT_EQ(c.GVAR, r.GVAR);
            EXPECT_EQ(c.GVARDOT, r.GVARDOT);
        }
    }
    EXPECT_GT(gvar(0.35f, S).GVAR, 0.0f);
}

TEST_F(GroupVarianceTest, CrossFormIsSymmetricInItsSpectra) {
    grid(periods(3.0f, 0.5f, 31));
    const auto S1 = jonswap(4.0, 0.6);
    const auto S2 = jonswap(2.0, 0.9);
    for (Real D : {0.1f, 0.4f}) {
        EXPECT_EQ(gvar2(D, S1, S2).GVAR, gvar2(D, S2, S1).GVAR);
        EXPECT_NE(gvar2(D, S1, S2).GVAR, 0.0f);
    }
}

TEST_F(GroupVarianceTest, DifferenceBeyondTwiceTheTopFrequencyGivesZero) {
    grid(periods(3.0f, 0.5f, 31));
    const auto S = inverse_square(1.0f);
    const Real top = WAVCOM.W(1);
    EXPECT_EQ(gvar(2.0f * top + 0.01f, S).GVAR, 0.0f);
    EXPECT_EQ(gvar2(2.0f * top + 0.01f, S, S).GVAR, 0.0f);
    EXPECT_GT(gvar(0.5f * top, S).GVAR, 0.0f);
}

TEST_F(GroupVarianceTest, NegativeDifferenceIsNoticedAndMadePositiveInPlace) {
    grid(periods(3.0f, 0.5f, 31));
    const auto S = jonswap(4.0, 0.6);
    const Real positive = gvar(0.3f, S).GVAR;
    const std::string notice = " Negative DELTAW in GET_GVAR, using ABS[DELTAW]; press c + <Return> to continue\n";

    answers("c\nnext\n");
    Real D = -0.3f;
    Real GVAR = 0.0f, GVARDOT = 0.0f, VG = 0.0f, VDG = 0.0f;
    GET_GVAR(D, WAVCOM.W.data(), TPCM.NWP, S.data(), GVAR, GVARDOT, VG, VDG);
    EXPECT_EQ(D, 0.3f);
    EXPECT_EQ(GVAR, positive);
    EXPECT_EQ(screen(), notice);
    EXPECT_EQ(read_keyboard_line(), "next") << "one answer is read, not more";

    // The two-spectrum form says the same.
    clear_captured(SCREEN_UNIT);
    answers("c\n");
    D = -0.3f;
    GET_GVAR2(D, WAVCOM.W.data(), TPCM.NWP, S.data(), S.data(), GVAR, GVARDOT);
    EXPECT_EQ(D, 0.3f);
    EXPECT_EQ(GVAR, positive);
    EXPECT_EQ(screen(), notice);
}

TEST_F(GroupVarianceTest, SilentRunWritesTheNoticeAndReadsNothing) {
    grid(periods(3.0f, 0.5f, 31));
    const auto S = jonswap(4.0, 0.6);
    TPCM.EDUNIT = SILENT_UNIT;
    answers("");  // a read would meet the end of input and end the program
    for (int call = 0; call < 2; ++call) {
        Real D = -0.3f;
        Real GVAR = 0.0f, GVARDOT = 0.0f, VG = 0.0f, VDG = 0.0f;
        EXPECT_EQ(end_status([&] { GET_GVAR(D, WAVCOM.W.data(), TPCM.NWP, S.data(), GVAR, GVARDOT, VG, VDG); }), -1);
        EXPECT_EQ(D, 0.3f);
    }
    // Once per call that receives a negative value.
    EXPECT_EQ(silent(), " Negative DELTAW in GET_GVAR, using ABS[DELTAW]; press c + <Return> to continue\n"
                        " Negative DELTAW in GET_GVAR, using ABS[DELTAW]; press c + <Return> to continue\n");
    EXPECT_EQ(screen(), "");
}

TEST_F(GroupVarianceTest, FewerThanTwoGridPointsGiveZero) {
    grid(periods(5.0f, 1.0f, 1));
    std::vector<Real> S(100, 1.0f);
    EXPECT_EQ(gvar(0.0f, S).GVAR, 0.0f);
    EXPECT_EQ(gvar2(0.0f, S, S).GVAR, 0.0f);
}

}  // namespace
}  // namespace brevant::testing
