// The drift coefficient by type against closed forms: the buoy's tanh law, the legacy tanker and
// semi at hand-computed points, the cylinder series, the user table with the current's Doppler
// shift, enhancement and flux direction (wave numbers solved independently in double).
#include <cmath>

#include "drift_fixture.h"
#include "sysutl/pauses.h"

namespace brevant::testing {
namespace {

constexpr double kPiD = 3.141592653589793;
constexpr Real kPi = 3.14159265f;

class DriftCoefficientTest : public DriftTest {
protected:
    void SetUp() override {
        DriftTest::SetUp();
        TPCM.NUNTS = 1;
        TPCM.DEPTH = 1000.0f;
        TPCM.DRAFT = 10.0f;
        TPCM.LWL = 200.0f;
        TPCM.BWL = 30.0f;
        TPCM.WVFCX = 1.0f;
        TPCM.WVFCY = 1.0f;
        TPCM.WVFCM = 1.0f;
        WAVCOM.G = 9.81f;
    }
    // One grid frequency W(IW) with the wave number of the depth, G from WAVCOM.
    static void frequency(Int IW, Real w) {
        WAVCOM.W(IW) = w;
        WAVCOM.WVK(IW) = static_cast<Real>(wave_number(w, 0.0, WAVCOM.G, TPCM.DEPTH));
        TPCM.NWP = std::max(TPCM.NWP, IW);
    }
    static Real coefficient(Int LCOMP, Int DRFTYP, Real RELANG, Int IW = 1, const char* CLDBY = "DRIFTF") {
        Logical FRSTIM = 1;
        const Int DOUSER = DRFTYP == 1 ? 1 : 0;
        const Real c = DRFTC(LCOMP, IW, DOUSER, DRFTYP, FixedText<13>("DRFTCOFS.txt").view(), RELANG, FRSTIM, CLDBY, 1);
        EXPECT_EQ(FRSTIM, 0);
        return c;
    }
    // A user table over 0.2-2.0 rad/s and 0-360 degrees of the formula f.
    static void user_table(const DriftFormula& f) {
        put_file("DRFTCOFS.txt", drift_table_text({0.2, 0.8, 1.4, 2.0}, {0, 90, 180, 270, 360}, f));
    }
};

TEST_F(DriftCoefficientTest, BuoyFollowsTheTanhLawInDeepWater) {
    TPCM.DEPTH = 500.0f;
    TPCM.LWL = 40.0f;
    WAVCOM.W(1) = 1.0f;
    WAVCOM.WVK(1) = 0.1019368f;
    TPCM.NWP = 1;
    const double k = 1.0 / 9.81;
    const double want = 0.33333 * -std::cos(kPiD / 4.0) * (1.0 + std::tanh(0.5 * k * 40.0 - 3.5));
    EXPECT_NEAR(want, -0.0240655, 1e-7);
    EXPECT_NEAR(coefficient(1, 4, kPi / 4.0f), want, 1e-5 * std::fabs(want));
    EXPECT_EQ(coefficient(3, 4, kPi / 4.0f), 0.0f);
    // Sway: the sine of the direction and the sway factor.
    TPCM.WVFCY = 2.0f;
    EXPECT_NEAR(coefficient(2, 4, kPi / 4.0f), 2.0 * 0.33333 * -std::sin(kPiD / 4.0) * (1.0 + std::tanh(0.5 * k * 40.0 - 3.5)),
                2e-5 * std::fabs(want));
}

TEST_F(DriftCoefficientTest, FiniteDepthFactorOfTheBuoy) {
    // Depth 20: the finite-depth factor 2 sqrt(k/g) cg = 1 + 2kh / sinh 2kh with the group speed
    // 0.5 sqrt(g/k) (1 + 2kh / sinh 2kh) the drift models use.
    TPCM.DEPTH = 20.0f;
    TPCM.LWL = 40.0f;
    frequency(1, 0.7f);
    const double k = wave_number(0.7, 0.0, 9.81, 20.0);
    const double kh2 = 2.0 * k * 20.0;
    const double want = 0.33333 * -1.0 * (1.0 + std::tanh(0.5 * k * 40.0 - 3.5)) * (1.0 + kh2 / std::sinh(kh2));
    EXPECT_NEAR(coefficient(1, 4, 0.0f), want, 1e-4 * std::fabs(want));
}

TEST_F(DriftCoefficientTest, KeptFactorsServeTheWholeSeries) {
    TPCM.LWL = 40.0f;
    frequency(1, 1.0f);
    frequency(2, 0.8f);
    Logical FRSTIM = 1;
    const Real first = DRFTC(1, 1, 0, 4, "", kPi / 4.0f, FRSTIM, "DRIFTF", 1);
    EXPECT_EQ(FRSTIM, 0);
    // Later calls of the series keep the first call's direction factor, whatever RELANG they pass.
    const Real again = DRFTC(1, 1, 0, 4, "", 0.0f, FRSTIM, "DRIFTF", 1);
    EXPECT_EQ(again, first);
    const double k2 = wave_number(0.8, 0.0, 9.81, 1000.0);
    const double want = 0.33333 * -std::cos(kPiD / 4.0) * (1.0 + std::tanh(0.5 * k2 * 40.0 - 3.5));
    EXPECT_NEAR(DRFTC(1, 2, 0, 4, "", 0.0f, FRSTIM, "DRIFTF", 1), want, 1e-5 * std::fabs(want));
}

TEST_F(DriftCoefficientTest, LegacyTankerInHeadSeas) {
    // Bow factor 1: sin^2 of the bow half-angle is 0.36, the surge heading factor -0.36; the
    // surge factor at x = 0.9 is 2.275 0.9^4.105.
    EQUILB.BOWANG = std::asin(0.6f);
    EQUILB.COTBOW = 0.8f / 0.6f;
    EQUILB.BLRAT0 = 0.15f;
    TPCM.WPITCH = 1.0f;
    frequency(1, 0.9f);
    const double want = -0.36 * 2.275 * std::pow(0.9, 4.105);
    EXPECT_NEAR(want, -0.36 * 1.476206, 1e-6);
    EXPECT_NEAR(coefficient(1, 2, 0.0f), want, 1e-5 * std::fabs(want));
    // Head seas push no sway.
    EXPECT_NEAR(coefficient(2, 2, 0.0f), 0.0f, 1e-7);
}

TEST_F(DriftCoefficientTest, LegacySemiAtTheMiddleOfItsStep) {
    // x = w / (2 pi / sqrt(LWL / g)) = 1/3: the step (tanh 0 + 0.99627) 0.5001.
    TPCM.LWL = 100.0f;
    TPCM.XSHDOW = 0.8f;
    TPCM.WVFCX = 2.0f;
    const double scale = 2.0 * kPiD / std::sqrt(100.0 / 9.81);
    frequency(1, static_cast<Real>(scale / 3.0));
    const double want = 2.0 * -1.0 * 0.99627 * 0.5001 * 0.8;
    EXPECT_NEAR(coefficient(1, 3, 0.0f), want, 1e-4 * std::fabs(want));
}

TEST_F(DriftCoefficientTest, SparCylinderWithTheRelativeMotionFactor) {
    // Radius 10 (half the beam), k 0.1: ka 1, the deep cylinder's drift 0.664926. The relative
    // motion factor is read at k from RLRAOH2 over the grid's wave numbers (here 4 + 10 k, so 5).
    TPCM.BWL = 20.0f;
    TPCM.DRAFT = 200.0f;
    TPCM.WVFCX = 1.5f;
    TPCM.LEG_CYL_DFC = 1;
    const Real w_ka1 = static_cast<Real>(std::sqrt(0.1 * 9.81));
    const Real ws[] = {1.5f, 1.2f, w_ka1, 0.8f, 0.5f};
    for (Int i = 1; i <= 5; ++i) {
        frequency(i, ws[i - 1]);
        PASCOM.RLRAOH2(i, 1) = 4.0f + 10.0f * WAVCOM.WVK(i);
        PASCOM.RLRAOH2(i, 2) = 1.0f;
    }
    const double want = 1.5 * -1.0 * 1.5 * 0.664926 * 5.0;
    EXPECT_NEAR(coefficient(1, 5, 0.0f, 3), want, 1e-4 * std::fabs(want));
    // Type 7 is the same model; without the legacy switch the factor is the root; a member hull
    // takes its mean waterline measure for the diameter.
    EXPECT_NEAR(coefficient(1, 7, 0.0f, 3), want, 1e-4 * std::fabs(want));
    TPCM.LEG_CYL_DFC = 0;
    EXPECT_NEAR(coefficient(1, 5, 0.0f, 3), want / std::sqrt(5.0), 1e-4 * std::fabs(want));
    TPCM.SEMI_LIKE = 1;
    PASCOM.MENWLX = 20.0f;
    TPCM.BWL = 999.0f;
    EXPECT_NEAR(coefficient(1, 5, 0.0f, 3), want / std::sqrt(5.0), 1e-4 * std::fabs(want));
    EXPECT_EQ(coefficient(3, 5, 0.0f, 3), 0.0f);
}

TEST_F(DriftCoefficientTest, RelativeMotionFactorHoldsItsEndValuesOffTheGrid) {
    TPCM.BWL = 20.0f;
    TPCM.DRAFT = 200.0f;
    TPCM.LEG_CYL_DFC = 1;
    const Real ws[] = {1.5f, 1.2f, 1.0f, 0.8f, 0.5f};
    for (Int i = 1; i <= 5; ++i) frequency(i, ws[i - 1]);
    auto with_raos = [&](Real value_at_1, Real slope) {
        for (Int i = 1; i <= 5; ++i) PASCOM.RLRAOH2(i, 1) = value_at_1 + slope * static_cast<Real>(i - 1);
    };
    struct Case {
        const char* what;
        Real scale;  // grid wave numbers times this
        Int IW;
        Int end;     // grid entry expected
    };
    for (const Case& c : {Case{"above the largest", 0.5f, 1, 1}, Case{"below the smallest", 2.0f, 5, 5}}) {
        SCOPED_TRACE(c.what);
        for (Int i = 1; i <= 5; ++i) WAVCOM.WVK(i) = c.scale * WAVCOM.W(i) * WAVCOM.W(i) / 9.81f;
        with_raos(1.0f, 0.0f);
        const Real unit = coefficient(1, 5, 0.0f, c.IW);
        ASSERT_NE(unit, 0.0f);
        with_raos(3.0f, 2.0f);
        EXPECT_NEAR(coefficient(1, 5, 0.0f, c.IW) / unit, PASCOM.RLRAOH2(c.end, 1), 1e-5);
    }
}

TEST_F(DriftCoefficientTest, UserTableWithCurrentAlongTheWaves) {
    // Constant Cx 2, current 1.5 knots along the waves, legacy flux: 2 (1 + 2U / cg), k the root
    // of (w - kU)^2 = g k, cg = 0.5 sqrt(g / k).
    user_table([](double, double) { return DriftCoefficients{2.0, 2.0, 2.0}; });
    TPCM.CURCOR = 1;
    TPCM.LEGDFC = 1;
    TPCM.VESTYP = 1;
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 1.5f;
    TPCM.CURHDG = 180.0f;
    frequency(1, 0.8f);
    const double U = 1.5 * 0.5142;
    const double k = wave_number(0.8, U, 9.81, 1000.0);
    const double cg = 0.5 * std::sqrt(9.81 / k);
    EXPECT_NEAR(k, 0.05813163, 1e-7);
    EXPECT_NEAR(cg, 6.495286, 1e-5);
    const double want = 2.0 * (1.0 + 2.0 * U / cg);
    EXPECT_NEAR(want, 2.474991, 1e-6);
    EXPECT_NEAR(coefficient(1, 1, 0.0f), want, 1e-5 * want);
    EXPECT_EQ(DRFTC_KEPT.FLXANG1, 0.0f);
    EXPECT_EQ(DRFTC_KEPT.FLXANG2, 0.0f);
    // The caller's name changes nothing.
    EXPECT_EQ(coefficient(1, 1, 0.0f, 1, "GRPSPD"), coefficient(1, 1, 0.0f, 1, "DRAGF "));
    // Without the current correction the user's table is taken as it stands.
    TPCM.CURCOR = 0;
    EXPECT_EQ(coefficient(1, 1, 0.0f), 2.0f);
}

TEST_F(DriftCoefficientTest, UserTableReadAtTheFluxDirectionOfWavesOnACurrent) {
    // Waves from 60 degrees on a current of 2 knots along the vessel: the wave-action flux runs
    // along -(cg k^ + U), the enhancement is 1 + 2 U.k^ / cg + U^2 / cg^2. The table's sway
    // coefficient is 0.01 times its heading in degrees, so the value tells the direction read.
    user_table([](double, double h) { return DriftCoefficients{0.01 * h, 0.01 * h, 0.01 * h}; });
    TPCM.CURCOR = 1;
    TPCM.LEGDFC = 0;
    TPCM.VESTYP = 1;
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 2.0f;
    TPCM.CURHDG = 0.0f;
    TPCM.MUNKFAC1 = 1.0f;
    frequency(1, 0.8f);
    const double U = 2.0 * 0.5142;
    const double H = kPiD / 3.0 + kPiD;  // direction the waves travel towards
    const double Uk = U * std::cos(H);
    const double k = wave_number(0.8, Uk, 9.81, 1000.0);
    const double cg = 0.5 * std::sqrt(9.81 / k);
    const double flux = std::atan2(-cg * std::sin(H), -(cg * std::cos(H) + U));
    const double heading = std::fmod(flux * 180.0 / kPiD + 180.0 + 360.0, 360.0);
    const double enhancement = 1.0 + 2.0 * Uk / cg + U * U / (cg * cg);
    // Sway takes the flux direction behind the hull, which an along-ship current leaves as it is.
    const Real c = coefficient(2, 1, kPi / 3.0f);
    EXPECT_NEAR(DRFTC_KEPT.FLXANG2, flux, 1e-5);
    EXPECT_NEAR(DRFTC_KEPT.FLXANG1, flux, 1e-4);
    EXPECT_NEAR(c, 0.01 * heading * enhancement, 1e-4 * std::fabs(static_cast<double>(c)));
    EXPECT_NEAR(DRFTC_KEPT.CRNHNC, enhancement, 1e-5);
}

TEST_F(DriftCoefficientTest, NoWaveAgainstAStrongCurrentGivesZeroAndKeepsTheSeriesOpen) {
    // 5 knots against waves of 2 rad/s: the deep-water blocking speed g / (4 w) is 1.23 m/s.
    TPCM.LWL = 40.0f;
    TPCM.LCURNT = 1;
    TPCM.LEGDFC = 1;
    TPCM.CURSPD = 5.0f;
    TPCM.CURHDG = 0.0f;
    frequency(1, 2.0f);
    frequency(2, 0.3f);
    Logical FRSTIM = 1;
    EXPECT_EQ(DRFTC(1, 1, 0, 4, "", 0.0f, FRSTIM, "DRIFTF", 1), 0.0f);
    EXPECT_EQ(FRSTIM, 1);
    // The longer wave travels: the series starts there.
    const Real c = DRFTC(1, 2, 0, 4, "", 0.0f, FRSTIM, "DRIFTF", 1);
    EXPECT_EQ(FRSTIM, 0);
    const double U = -5.0 * 0.5142;
    const double k = wave_number(0.3, U, 9.81, 1000.0);
    const double cg = 0.5 * std::sqrt(9.81 / k);
    const double wi = 0.3 - U * k;
    const double kb = wi * wi / 9.81;  // the buoy's law is read at the intrinsic frequency
    const double want = 0.33333 * -1.0 * (1.0 + std::tanh(0.5 * kb * 40.0 - 3.5)) * (1.0 + 2.0 * U / cg);
    EXPECT_NEAR(c, want, 1e-4 * std::fabs(want));
}

TEST_F(DriftCoefficientTest, TypeWithoutAModelWarnsAtEveryFrequency) {
    frequency(1, 0.8f);
    answers("\n\n");
    Logical FRSTIM = 1;
    EXPECT_EQ(DRFTC(1, 1, 0, 9, "", 0.0f, FRSTIM, "DRIFTF", 1), 0.0f);
    EXPECT_EQ(DRFTC(1, 1, 0, 9, "", 0.0f, FRSTIM, "DRIFTF", 1), 0.0f);
    const std::string warning = "\n ++> Warning: Drift forces for this vessel type are not implemented.\n\n";
    const std::string s = screen();
    EXPECT_EQ(s.substr(0, warning.size()), warning);
    EXPECT_NE(s.find(warning, warning.size()), std::string::npos) << "asked again for the second frequency";

    answers("A\n");
    EXPECT_EQ(end_status([] {
                  Logical F = 1;
                  DRFTC(1, 1, 0, 0, "", 0.0f, F, "DRIFTF", 1);
              }),
              1);
    EXPECT_EQ(TPCM.LBACK, -1);
}

TEST_F(DriftCoefficientTest, ComponentOutsideTheThreeEndsTheRunOnAFirstCall) {
    frequency(1, 0.8f);
    answers("\n");
    EXPECT_EQ(end_status([] {
                  Logical F = 1;
                  DRFTC(4, 1, 0, 4, "", 0.0f, F, "DRIFTF", 1);
              }),
              1);
    EXPECT_EQ(screen().substr(0, screen().find('\n') + 1), " >>> LCOMP error in DRIFTF; contact Velmora.\n");
    EXPECT_NE(screen().find("Press <RETURN> to continue: "), std::string::npos);
}

}  // namespace
}  // namespace brevant::testing
