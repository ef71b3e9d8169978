// The drag entry on a hull not built of members: the mean and slowly-varying loads of a 1/w^2 sea
// on the period grid T = 4, 6, ..., 20 s, where the Simpson integrals are exact, checked against
// the closed forms (variance 16 / (2 pi), integral of the squared spectrum (20^3 - 4^3) / (24 pi^3));
// the hull kinds, the components, the early end and the invalid wave system.
#include "lowlib/drag_entry.h"

#include <cmath>
#include <vector>

#include "drift_fixture.h"
#include "records/response_record.h"

namespace brevant::testing {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kV = 16.0 / (2.0 * kPi);                                    // integral of 1/w^2
constexpr double kGroup = (8000.0 - 64.0) / (24.0 * kPi * kPi * kPi);        // integral of 1/w^4
const double kCos30 = std::cos(kPi / 6.0);

class ShipDragTest : public DriftTest {
protected:
    std::vector<Real> S = std::vector<Real>(100, 0.0f);
    Real FOUTD = -99.0f, FOUTR = -99.0f;

    void SetUp() override {
        DriftTest::SetUp();
        grid(periods(4.0f, 2.0f, 9), 9.81f);
        TPCM.DEPTH = 1000.0f;
        TPCM.DRAFT = 10.0f;
        SINES.HOVERD = 100.0f;
        TPCM.VESTYP = 1;
        TPCM.LCBARG = 1911;  // the cylinder current model in all three fields
        TPCM.CURFAC = 1.2f;
        TPCM.BWL = 40.0f;
        TPCM.LWL = 100.0f;
        TPCM.DWATR = 10.05f;
        TPCM.WVDGCX = 1.5f;
        TPCM.WVDGCY = 1.0f;
        TPCM.WVDGCM = 1.0f;
        TPCM.VWDFAC = 1.0f;
        TPCM.VWDRGFC = 1.0f;
        TPCM.WVFCX = 1.0f;
        TPCM.WVFCY = 1.0f;
        TPCM.WVFCM = 1.0f;
        TPCM.LWVCOF = 0x111;  // the user drift table
        put_file("DRFTCOFS.txt", drift_table_text({0.2, 0.8, 1.4, 2.0}, {0, 90, 180, 270, 360}, [](double, double) {
                     return DriftCoefficients{0.8, 0.8, 0.8};
                 }));
        for (Int i = 1; i <= TPCM.NWP; ++i) {
            S[static_cast<std::size_t>(i - 1)] = 1.0f / WAVCOM.W2(i);
            PASCOM.RLRAO2(i, 1) = 1.0f;
            PASCOM.FDRGLAT(i, 1) = 1.0f;
        }
    }
    void call(Int LVARST, Int LCOMP = 1, Real WC = 0.0f, Int IWAVID = 1) {
        DRAGF(LVARST, LCOMP, kRelang, S.data(), WC, FOUTD, FOUTR, IWAVID);
    }
    static constexpr Real kRelang = 0.52359878f;  // 30 degrees
    // Mean drag, drift and their constants of the surge case, from the data of the fixture.
    static double a_const() { return 0.0005 * 10.05 * 40.0 / 9.81; }
    static double cdeff() { return -1.2 * kCos30; }
    static double fr_const() { return 0.001 * 10.05 * 40.0; }
};

TEST_F(ShipDragTest, MeanSurgeOfADisplacementHull) {
    call(0);
    const double D = 1.5958 * a_const() * cdeff() * std::pow(kV, 1.5);
    EXPECT_NEAR(1.5 * D, -0.2071185, 1e-6);
    EXPECT_NEAR(FOUTD, 1.5 * D, 1e-5 * std::fabs(D));
    EXPECT_NEAR(FOUTR, fr_const() * 0.8 * kV, 1e-5 * 0.8189477);
    EXPECT_NEAR(fr_const() * 0.8 * kV, 0.8189477, 1e-6);
    // The mean drag follows its enhancement factor, the drift does not.
    const Real drift = FOUTR;
    TPCM.WVDGCX = 3.0f;
    call(0);
    EXPECT_NEAR(FOUTD, 3.0 * D, 1e-5 * std::fabs(D));
    EXPECT_FLOAT_EQ(FOUTR, drift);
    EXPECT_EQ(screen(), "");
}

TEST_F(ShipDragTest, SlowlyVaryingSurgeAtZeroDifferenceFrequency) {
    const double GQ = kGroup / (kV * kV);
    const double fd = a_const() * cdeff();
    const double want_d = 11.46 * fd * fd * GQ * kV * kV * kV;
    const double want_r = std::fabs(9.575 * fd * fr_const() * GQ * (0.8 * kV) * std::pow(kV, 1.5));
    EXPECT_NEAR(kGroup, 10.66451, 1e-5);
    EXPECT_NEAR(want_d, 0.1411053, 1e-6);
    EXPECT_NEAR(want_r, 1.115847, 1e-5);
    for (Int LVARST : {1, 2, -1}) {
        SCOPED_TRACE(LVARST);
        for (Real enhance : {1.5f, 0.0f}) {
            TPCM.WVDGCX = enhance;
            call(LVARST);
            EXPECT_NEAR(FOUTD, want_d, 1e-5 * want_d);
            EXPECT_NEAR(FOUTR, want_r, 1e-5 * want_r);
        }
    }
    // The interaction is weighted by the square root of the two enhancement factors, the drag by
    // its own.
    TPCM.VWDFAC = 4.0f;
    TPCM.VWDRGFC = 9.0f;
    call(1);
    EXPECT_NEAR(FOUTD, 9.0 * want_d, 1e-5 * 9.0 * want_d);
    EXPECT_NEAR(FOUTR, 6.0 * want_r, 1e-5 * 6.0 * want_r);
}

TEST_F(ShipDragTest, DragTransferIsRaisedToTheLiteralPowerNotTwoThirds) {
    call(0);
    const Real base = FOUTD;
    for (Int i = 1; i <= TPCM.NWP; ++i) PASCOM.RLRAO2(i, 1) = 8.0f;
    call(0);
    // (8^0.66667)^1.5 = 8.0000832; 4^1.5 would be 8 exactly.
    const double ratio = static_cast<double>(FOUTD) / static_cast<double>(base);
    EXPECT_NEAR(ratio, std::pow(8.0, 0.66667 * 1.5), 2e-6 * 8.0);
    EXPECT_GT(std::fabs(ratio - 8.0), 5e-5);
}

TEST_F(ShipDragTest, OtherHullsUseTheCylinderCurrentModelAndTheDiscOnlyItsSign) {
    call(0);
    const Real displacement = FOUTD;
    TPCM.LCBARG = 0x222;  // ignored by every hull but the displacement hull
    TPCM.VESTYP = 3;
    call(0);
    EXPECT_FLOAT_EQ(FOUTD, displacement);
    TPCM.VESTYP = 4;
    TPCM.CURFAC = 5.0f;
    call(0);
    const double disc = -1.5 * 1.5958 * a_const() * std::pow(kV, 1.5);
    EXPECT_NEAR(FOUTD, disc, 1e-5 * std::fabs(disc));
}

TEST_F(ShipDragTest, SwayAndYawScales) {
    // Sway scales with the waterline length (the coefficient itself is the current model's).
    call(0, 2);
    const Real sway = FOUTD;
    TPCM.LWL = 200.0f;
    call(0, 2);
    EXPECT_NEAR(FOUTD, 2.0f * sway, 1e-5f * std::fabs(2.0f * sway));
    // Yaw with no yaw transfer: no drag in either mode and no interaction, while the mean drift
    // stays (the drift table is 0.8 for the moment too).
    call(0, 3);
    EXPECT_EQ(FOUTD, 0.0f);
    EXPECT_NEAR(FOUTR, 0.001 * 10.05 * 200.0 * 200.0 * 0.8 * kV, 1e-4);
    call(1, 3);
    EXPECT_EQ(FOUTD, 0.0f);
    EXPECT_EQ(FOUTR, 0.0f);
}

TEST_F(ShipDragTest, EmptySpectrumGivesNothingAndNoGroupIntegral) {
    std::fill(S.begin(), S.end(), 0.0f);
    for (Int LVARST : {0, 1}) {
        Real WC = -0.05f;
        FOUTD = FOUTR = -99.0f;
        DRAGF(LVARST, 1, kRelang, S.data(), WC, FOUTD, FOUTR, 1);
        EXPECT_EQ(FOUTD, 0.0f);
        EXPECT_EQ(FOUTR, 0.0f);
        EXPECT_EQ(WC, -0.05f);
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(ShipDragTest, NoDragTransferLeavesNoSlowlyVaryingLoad) {
    for (Int i = 1; i <= TPCM.NWP; ++i) PASCOM.RLRAO2(i, 1) = 0.0f;
    call(1);
    EXPECT_EQ(FOUTD, 0.0f);
    EXPECT_EQ(FOUTR, 0.0f);
}

TEST_F(ShipDragTest, InvalidWaveSystemEndsTheRun) {
    for (Int IWAVID : {0, 4}) {
        answers("\n");
        FOUTD = FOUTR = -99.0f;
        EXPECT_EQ(end_status([&] { call(0, 1, 0.0f, IWAVID); }), 1);
        EXPECT_EQ(FOUTD, -99.0f);
        EXPECT_EQ(FOUTR, -99.0f);
    }
    EXPECT_EQ(count_of(screen(), " =+> Invalid IWAVID in dragf\n"), 2u);
    EXPECT_EQ(count_of(screen(), "Press <RETURN> to continue: "), 2u);
    // A silent run: the line in its file "Diagnostics.stxt", nothing on the screen, no pause read.
    const std::string before = screen();
    TPCM.EDUNIT = SILENT_UNIT;
    answers("X\n");
    EXPECT_EQ(end_status([&] { call(0, 1, 0.0f, 4); }), 1);
    EXPECT_EQ(silent(), " =+> Invalid IWAVID in dragf\n");
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(read_keyboard_line(), "X");
}

}  // namespace
}  // namespace brevant::testing
