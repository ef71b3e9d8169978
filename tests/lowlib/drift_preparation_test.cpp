// Load-coefficient preparation: the wedge and lever terms of a worked tanker, the Munk factors
// against Lamb's prolate spheroid, the size blend in both unit systems, external forces, the
// record layout, and the ellipsoid warning given once per run.
#include "lowlib/drift_preparation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "lowlib_fixture.h"
#include "records/equilibrium_record.h"

namespace brevant {
namespace {

class DriftPreparation : public testing::LowlibTest {
protected:
    void SetUp() override {
        LowlibTest::SetUp();
        reset_equilb();
        reset_cfprep();
    }
    void TearDown() override {
        reset_equilb();
        reset_cfprep();
        LowlibTest::TearDown();
    }
    // The worked tanker in English units.
    static void tanker() {
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.NUNTS = 0;
        WAVCOM.G = 32.152f;
        TPCM.LWL = 250.0f;
        TPCM.BWL = 40.0f;
        TPCM.BOWFAC = 1.2f;
        TPCM.STRNFC = 2.0f;
        TPCM.XSALM = -5.0f;
        TPCM.LWVCOF = 6 << 8;  // yaw drift (nibble 3): tanker 2001
        TPCM.DWTONS = 200000.0f;
        TPCM.DEPTH = 60.0f;
        TPCM.DRAFT = 15.0f;
        WAVCOM.RANCOF = 0.9f;
        TPCM.AUXFRC = 1;
        TPCM.XVFRC = -6.0f;
        TPCM.YVFRC = 8.0f;
    }
};

void expect_rel(double expected, Real actual, double tol = 1e-5) {
    EXPECT_NEAR(actual, expected, tol * std::fabs(expected)) << "expected " << expected;
}

TEST_F(DriftPreparation, WorkedTankerGivesItsGeometryTerms) {
    tanker();
    CFPREP();
    const Equilb& E = EQUILB;
    expect_rel(0.1547634, TPCM.SIZE);
    expect_rel(0.6572671, E.SINBOW);
    expect_rel(0.7171868, E.BOWANG);
    expect_rel(1.146654, E.COTBOW);
    expect_rel(std::sqrt(0.72), E.SINSTN);
    expect_rel(1.013198, E.STRNAN);
    expect_rel(0.6236095, E.COTSTN);
    expect_rel(0.16, E.BLRAT0);
    expect_rel(0.8165354, E.LEFRAT);
    expect_rel(0.8583789, E.LEFRT2);
    expect_rel(0.4541339, E.BOWARM);
    expect_rel(0.4750556, E.STRNRM);
    expect_rel(-5.0, E.YAWARM);
    expect_rel(0.2304416, E.WAVARM, 1e-4);  // a difference of two near values, times 250
    expect_rel(0.07691748, E.MOMCOF);
    expect_rel(0.3586196, E.WSCALE);
    expect_rel(4.0, SINES.HOVERD);
    expect_rel(225.0, WAVCOM.BEAMCF);
    expect_rel(36.0, WAVCOM.BOWCF);
    expect_rel(10.0, E.FEXTRN);
    expect_rel(2.214298, E.PHIFEX);
    // Switched off: both zero.
    EXPECT_EQ(E.FXTRN2, 0.0f);
    EXPECT_EQ(E.PHIFX2, 0.0f);
    EXPECT_EQ(E.FDPTOT, 0.0f);
    EXPECT_TRUE(screen().empty());
}

TEST_F(DriftPreparation, ZeroForceKeepsItsDirectionAndSwitchedOffForcesClear) {
    tanker();
    TPCM.AXFC2 = 1;
    TPCM.XVFRC2 = 0.0f;
    TPCM.YVFRC2 = -3.0f;
    TPCM.AXFC3 = 1;
    TPCM.XVFRC3 = 5.0f;
    TPCM.YVFRC3 = 0.0f;
    TPCM.DPRFLG = 1;
    TPCM.DPXFRC = 3.0f;
    TPCM.DPYFRC = 4.0f;
    CFPREP();
    expect_rel(3.0, EQUILB.FXTRN2);
    expect_rel(-std::numbers::pi / 2, EQUILB.PHIFX2);
    expect_rel(5.0, EQUILB.FXTRN3);
    EXPECT_EQ(EQUILB.PHIFX3, 0.0f);
    expect_rel(5.0, EQUILB.FDPTOT);
    expect_rel(std::atan2(4.0, 3.0), EQUILB.PHIFDP);

    TPCM.XVFRC = 0.0f;
    TPCM.YVFRC = 0.0f;
    TPCM.AXFC3 = 0;     // switched off: magnitude and direction both 0
    TPCM.DPRFLG = 2;    // bit 1 clear
    CFPREP();
    EXPECT_EQ(EQUILB.FEXTRN, 0.0f);
    expect_rel(2.214298, EQUILB.PHIFEX);  // kept from the first call
    EXPECT_EQ(EQUILB.FXTRN3, 0.0f);
    EXPECT_EQ(EQUILB.PHIFX3, 0.0f);
    EXPECT_EQ(EQUILB.FDPTOT, 0.0f);
    EXPECT_EQ(EQUILB.PHIFDP, 0.0f);
}

// Lamb's added-mass coefficients of a prolate spheroid of eccentricity e (Hydrodynamics, sec. 373).
void lamb(double length_over_beam, double& k1, double& k2) {
    const double e = std::sqrt(1.0 - 1.0 / (length_over_beam * length_over_beam));
    const double lg = std::log((1.0 + e) / (1.0 - e));
    const double alpha0 = 2.0 * (1.0 - e * e) / (e * e * e) * (0.5 * lg - e);
    const double beta0 = 1.0 / (e * e) - (1.0 - e * e) / (2.0 * e * e * e) * lg;
    k1 = alpha0 / (2.0 - alpha0);
    k2 = beta0 / (2.0 - beta0);
}

TEST_F(DriftPreparation, MunkFactorsMatchLambsProlateSpheroid) {
    tanker();
    CFPREP();
    double k1 = 0.0, k2 = 0.0;
    lamb(250.0 / 40.0, k1, k2);
    EXPECT_NEAR(1.0425125, 1.0 + k1, 1e-6);  // the oracle itself
    EXPECT_NEAR(TPCM.MUNKFAC1, 1.0 + k1, 1e-5);
    EXPECT_NEAR(TPCM.MUNKFAC2, 1.0 + k2, 3e-4);
}

TEST_F(DriftPreparation, SizeBlendReadsDeadweightInKipsOrMetricTonnes) {
    struct Case {
        Int nunts;
        Real dwtons;
        double size;
    };
    // 1000 long tons are 2240 kips and 1016.047 metric tonnes.
    const Case cases[] = {
        {0, 224000.0f, (100.0 - 80.0) / 60.0}, {1, 101604.7f, (100.0 - 80.0) / 60.0},
        {0, 170000.0f, 0.0},                    {1, 60000.0f, 0.0},
        {0, 400000.0f, 1.0},                    {1, 150000.0f, 1.0},
    };
    for (const Case& c : cases) {
        tanker();
        TPCM.NUNTS = c.nunts;
        TPCM.DWTONS = c.dwtons;
        CFPREP();
        EXPECT_NEAR(TPCM.SIZE, c.size, 1e-4) << "NUNTS " << c.nunts << " DWTONS " << c.dwtons;
    }
}

TEST_F(DriftPreparation, BluntEndsAndClampedLengthFractions) {
    tanker();
    TPCM.BOWFAC = 2.77777f;
    TPCM.STRNFC = 3.0f;
    TPCM.LWVCOF = 2 << 8;  // legacy tanker yaw: the wave arm is the yaw arm
    CFPREP();
    EXPECT_EQ(EQUILB.SINBOW, 1.0f);
    EXPECT_FLOAT_EQ(EQUILB.BOWANG, static_cast<Real>(std::numbers::pi / 2));
    EXPECT_EQ(EQUILB.COTBOW, 0.0f);
    EXPECT_EQ(EQUILB.COTSTN, 0.0f);
    EXPECT_EQ(EQUILB.LEFRAT, 1.0f);
    EXPECT_EQ(EQUILB.LEFRT2, 1.0f);
    EXPECT_EQ(EQUILB.BOWARM, 0.5f);
    EXPECT_EQ(EQUILB.WAVARM, EQUILB.YAWARM);
    // Just below the blunt limit the sine stays below 1.
    TPCM.BOWFAC = 2.7777f;
    CFPREP();
    EXPECT_LT(EQUILB.SINBOW, 1.0f);
    EXPECT_GT(EQUILB.COTBOW, 0.0f);

    // A fine bow and stern on a wide hull: both fractions would fall below zero.
    TPCM.BOWFAC = 0.1f;
    TPCM.STRNFC = 0.1f;
    TPCM.BWL = 125.0f;
    CFPREP();
    EXPECT_GT(EQUILB.BLRAT0 * EQUILB.COTBOW, 1.0f);
    EXPECT_EQ(EQUILB.LEFRAT, 0.0f);
    EXPECT_EQ(EQUILB.LEFRT2, 0.0f);
}

TEST_F(DriftPreparation, SinesHoldsTheLoadFactorsAfterwards) {
    tanker();
    TPCM.LWIND = 1;
    TPCM.WNDFAC = 1.1f;
    WAVCOM.RHOAIR = 0.0023f;
    TPCM.WNDSPD = 40.0f;
    TPCM.LCURNT = 1;
    TPCM.LCSTCR = 1;  // uniform current
    TPCM.CURSPD = 2.0f;
    TPCM.CURFAC = 0.9f;
    TPCM.DWATR = 64.0f;
    CFPREP();
    // Half rho V^2 with the knot in ft/s (1.687) and the force in kips; the program's constant
    // rounds that to 4 places.
    const double q = 0.5 * 1.687 * 1.687 / 1000.0;
    const double wind = 1.1 * 0.0023 * q * 1600.0;
    const double current = 64.0 / 32.152 * 0.9 * q * 4.0;
    EXPECT_NEAR(SINES.WNDCOF, wind, 1e-3 * wind);
    EXPECT_NEAR(SINES.CURCOF, current, 1e-3 * current);
    EXPECT_EQ(SINES.HOVERD, 4.0f);
}

TEST_F(DriftPreparation, EccentricHullWarnsOncePerRun) {
    tanker();
    TPCM.LWL = 1000.0f;  // length over beam 100: 20000 integration intervals both ways
    TPCM.BWL = 10.0f;
    answers("\n\n\n");
    CFPREP();
    CFPREP();
    const std::string out = screen();
    std::size_t count = 0;
    for (std::size_t p = out.find("highly eccentric"); p != std::string::npos; p = out.find("highly eccentric", p + 1))
        ++count;
    EXPECT_EQ(count, 1u) << out;
    // A new run may warn again.
    reset_cfprep();
    clear_captured(SCREEN_UNIT);
    CFPREP();
    EXPECT_NE(screen().find("highly eccentric"), std::string::npos);
}

TEST_F(DriftPreparation, RecordStartsAndResetsToZero) {
    Real words[490];
    std::memcpy(words, &EQUILB, sizeof words);
    for (Real w : words) EXPECT_EQ(w, 0.0f);
    tanker();
    EQUILB.VESANG = 1.0f;
    CFPREP();
    EXPECT_EQ(EQUILB.VESANG, 1.0f);  // the vessel heading is the analysis core's
    reset_equilb();
    std::memcpy(words, &EQUILB, sizeof words);
    for (Real w : words) EXPECT_EQ(w, 0.0f);
}

}  // namespace
}  // namespace brevant
