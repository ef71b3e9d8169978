// Drift force integration: the mean force of a c / w^2 spectrum (exact on the period grid), the
// slowly-varying variance through the group integral, the file chosen by the kind of case, and
// the ends of the run that the coefficient routine reaches.
#include <cmath>
#include <cstdio>

#include "drift_fixture.h"
#include "lowlib/drift_forces.h"
#include "lowlib/group_variance.h"

namespace brevant::testing {
namespace {

constexpr double kTwoPi = 6.283185307179586;

class DriftForceTest : public DriftTest {
protected:
    void SetUp() override {
        DriftTest::SetUp();
        TPCM.DEPTH = 1000.0f;
        TPCM.DRAFT = 10.0f;
        TPCM.LWL = 100.0f;
        TPCM.BWL = 20.0f;
        TPCM.WVFCX = 1.0f;
        TPCM.WVFCY = 1.0f;
        TPCM.WVFCM = 1.0f;
        TPCM.LWVCOF = 0x111;  // the user table for all three components
        grid(periods(4.0f, 2.0f, 9));  // T 4, 6, ..., 20 s
    }
    static std::vector<Real> inverse_square(Real c) {
        std::vector<Real> S(100, 0.0f);
        for (Int i = 1; i <= TPCM.NWP; ++i) S[i - 1] = c / WAVCOM.W2(i);
        return S;
    }
    static void table(const char* name, const DriftFormula& f) {
        put_file(name, drift_table_text({0.2, 0.8, 1.4, 2.0}, {0, 90, 180, 270, 360}, f));
    }
    static DriftFormula constant(double c) {
        return [c](double, double) { return DriftCoefficients{c, c, c}; };
    }
    static Real mean(Int LCOMP, const std::vector<Real>& S, Real RELANG = 0.0f) {
        Real WC = 0.0f;
        return DRIFTF(0, LCOMP, RELANG, S.data(), WC, 0, 1);
    }
};

TEST_F(DriftForceTest, MeanForceOfAnInverseSquareSpectrumIsExact) {
    // int 1.5 (2 / w^2) dw from 2 pi / 20 to 2 pi / 4 = 1.5 x 2 x 16 / (2 pi).
    table("DRFTCOFS.txt", constant(1.5));
    const auto S = inverse_square(2.0f);
    const double want = 1.5 * 2.0 * 16.0 / kTwoPi;
    EXPECT_NEAR(want, 7.639437, 1e-6);
    EXPECT_NEAR(mean(1, S), want, 1e-5 * want);
    // Head seas: the same for every component (the table is flat), the user factors apply.
    TPCM.WVFCY = 2.0f;
    EXPECT_NEAR(mean(2, S), 2.0 * want, 2e-5 * want);
    EXPECT_EQ(screen(), "");
}

TEST_F(DriftForceTest, SlowlyVaryingModeIsTheGroupIntegralOfTheWeightedSpectrum) {
    table("DRFTCOFS.txt", constant(1.5));
    const auto S = inverse_square(2.0f);
    // At WC 0: int (3 / w^2)^2 dw = 3 (1/wmin^3 - 1/wmax^3), exact on the period grid.
    const double wmin = kTwoPi / 20.0;
    const double wmax = kTwoPi / 4.0;
    const double want = 3.0 * (1.0 / std::pow(wmin, 3) - 1.0 / std::pow(wmax, 3));
    Real WC = 0.0f;
    EXPECT_NEAR(DRIFTF(1, 1, 0.0f, S.data(), WC, 0, 1), want, 1e-5 * want);

    // At WC 0.2 it is GET_GVAR of 1.5 S.
    std::vector<Real> weighted(100, 0.0f);
    for (Int i = 1; i <= TPCM.NWP; ++i) weighted[i - 1] = 1.5f * S[i - 1];
    Real D = 0.2f, GVAR = 0.0f, GVARDOT = 0.0f, VG = 0.0f, VDG = 0.0f;
    GET_GVAR(D, WAVCOM.W.data(), TPCM.NWP, weighted.data(), GVAR, GVARDOT, VG, VDG);
    WC = 0.2f;
    EXPECT_EQ(DRIFTF(2, 1, 0.0f, S.data(), WC, 0, 1), std::fabs(GVAR));

    // A negative difference frequency is made positive in the caller's variable.
    answers("c\n");
    WC = -0.2f;
    EXPECT_EQ(DRIFTF(1, 1, 0.0f, S.data(), WC, 0, 1), std::fabs(GVAR));
    EXPECT_EQ(WC, 0.2f);
}

TEST_F(DriftForceTest, SlowlyVaryingModeIsNeverNegative) {
    // A coefficient that changes sign across the band (w - 0.9) makes the group integral negative
    // at some difference frequencies; the variance density is its magnitude.
    put_file("DRFTCOFS.txt", drift_table_text({0.2, 0.8, 1.4, 2.2}, {0, 180, 360}, [](double w, double) {
                 return DriftCoefficients{w - 0.9, 0.0, 0.0};
             }));
    grid(periods(3.0f, 0.5f, 31));
    const auto S = inverse_square(1.0f);
    std::vector<Real> weighted(100, 0.0f);
    for (Int i = 1; i <= TPCM.NWP; ++i) weighted[i - 1] = S[i - 1] * (WAVCOM.W(i) - 0.9f);
    bool met_negative = false;
    for (Real D = 0.05f; D < 1.5f; D += 0.05f) {
        Real DG = D, GVAR = 0.0f, GVARDOT = 0.0f, VG = 0.0f, VDG = 0.0f;
        GET_GVAR(DG, WAVCOM.W.data(), TPCM.NWP, weighted.data(), GVAR, GVARDOT, VG, VDG);
        Real WC = D;
        const Real r = DRIFTF(1, 1, 0.0f, S.data(), WC, 0, 1);
        EXPECT_GE(r, 0.0f);
        EXPECT_NEAR(r, std::fabs(GVAR), 1e-5f * std::fabs(GVAR) + 1e-9f) << D;
        if (GVAR < 0.0f) met_negative = true;
    }
    EXPECT_TRUE(met_negative) << "the case must reach a negative group integral";
}

TEST_F(DriftForceTest, TraceLineWhenDebugging) {
    table("DRFTCOFS.txt", constant(1.5));
    const auto S = inverse_square(2.0f);
    TPCM.NBUG = 1;
    Real WC = 0.0f;
    const Real r = DRIFTF(1, 1, 0.0f, S.data(), WC, 0, 1);
    // Above 1 the fixed-point field is printf's %10.4f.
    ASSERT_GT(r, 1.0f);
    char field[32];
    std::snprintf(field, sizeof field, "%10.4f", static_cast<double>(r));
    EXPECT_EQ(screen(), std::string(" GVAR =") + field + "\n");
    // The mean mode writes no trace.
    clear_captured(SCREEN_UNIT);
    mean(1, S);
    EXPECT_EQ(screen(), "");
}

TEST_F(DriftForceTest, NoGridPointGivesZeroWithoutAskingForACoefficient) {
    TPCM.NWP = 0;
    std::vector<Real> S(100, 1.0f);
    // No table exists and the component is out of range: any coefficient asked for would end the run.
    Real WC = 0.0f;
    EXPECT_EQ(DRIFTF(0, 4, 0.0f, S.data(), WC, 0, 1), 0.0f);
    EXPECT_EQ(DRIFTF(1, 1, 0.0f, S.data(), WC, 0, 1), 0.0f);
    EXPECT_EQ(screen(), "");
}

TEST_F(DriftForceTest, FileChosenByTheKindOfCase) {
    struct Case {
        Int SIMTYP, ISPM;
        const char* name;
    };
    const Case cases[] = {{13, 2, "BUOYDRFT.txt"}, {13, 3, "TANKDRFT.txt"}, {10, 2, "TUGDRFT.txt"},
                          {10, 3, "BARGDRFT.txt"}, {16, 2, "DRFTCOFS.txt"}, {13, 5, "DRFTCOFS.txt"},
                          {10, 0, "DRFTCOFS.txt"}, {16, 0, "DRFTCOFS.txt"}};
    for (const Case& c : cases) {
        EXPECT_EQ(drift_file_name(c.SIMTYP, c.ISPM), FixedText<13>(c.name)) << c.SIMTYP << " " << c.ISPM;
        EXPECT_EQ(drift_file_name(c.SIMTYP, c.ISPM).length(), 13);
    }
    // The run reads the file of its kind: only the buoy's exists here.
    table("BUOYDRFT.txt", constant(3.0));
    TPCM.SIMTYP = 13;
    TPCM.ISPM = 2;
    const auto S = inverse_square(2.0f);
    EXPECT_NEAR(mean(1, S), 2.0 * 7.639437, 2e-5 * 7.639437);
}

TEST_F(DriftForceTest, ComponentsReadTheirOwnDriftType) {
    // Surge from the user table, sway from the buoy's law (type 4 in the second field), yaw of the
    // buoy 0.
    table("DRFTCOFS.txt", constant(1.5));
    TPCM.LWVCOF = 0x441;
    const auto S = inverse_square(2.0f);
    EXPECT_NEAR(mean(1, S), 7.639437, 1e-4);
    const Real sway = mean(2, S, -1.5707964f);
    EXPECT_GT(sway, 0.0f) << "waves from port push to starboard";
    EXPECT_EQ(mean(3, S, -1.5707964f), 0.0f);
}

TEST_F(DriftForceTest, TypeWithoutAModelAsksOncePerFrequency) {
    TPCM.LWVCOF = 0x009;
    grid(periods(6.0f, 2.0f, 3));
    const auto S = inverse_square(2.0f);
    answers("\n\n\n");
    EXPECT_EQ(mean(1, S), 0.0f);
    const std::string warning = "\n ++> Warning: Drift forces for this vessel type are not implemented.\n\n";
    const std::string s = screen();
    int count = 0;
    for (auto at = s.find(warning); at != std::string::npos; at = s.find(warning, at + 1)) ++count;
    EXPECT_EQ(count, 3);
}

TEST_F(DriftForceTest, ComponentOutsideTheThreeEndsTheRun) {
    TPCM.LWVCOF = 0x4444;
    const auto S = inverse_square(2.0f);
    answers("\n");
    EXPECT_EQ(end_status([&] { mean(4, S); }), 1);
    EXPECT_EQ(screen().substr(0, screen().find('\n') + 1), " >>> LCOMP error in DRIFTF; contact Velmora.\n");
}

}  // namespace
}  // namespace brevant::testing
