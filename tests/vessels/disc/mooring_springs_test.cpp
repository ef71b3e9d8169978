// DYNSPR on fixture line tables, with a linear double of the line dynamics in place of the real ones:
// the fairlead tension amplitude is (K + i omega C) times the along-line fairlead displacement, so the
// springs and dampings have closed forms for simple layouts.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/mooring_line_records.h"
#include "records/wave_record.h"
#include "vessels/disc/disc_line_calls.h"
#include "vessels/disc/mooring_springs.h"

namespace brevant::testing {
namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kDegToRad = 0.017453292519943295;
constexpr double K_LINE = 40.0;  // in-phase tension per unit along-line displacement
constexpr double C_LINE = 5.0;   // quadrature tension per unit along-line velocity

struct Seen {
    Int ILIN;
    Complex CAFLD, CABOT;
    Int BOTELM;
    Real DIAMFC, TFAC, WFREQ;
    Int ITYP;
};

struct Result {
    std::array<Real, 6> spr{};
    std::array<Real, 6> dmp{};
    std::array<Complex, 6> net{};
};

class MooringSprings : public ::testing::Test {
protected:
    std::vector<Seen> seen;

    void SetUp() override {
        fresh();
        TPCM.NUNTS = 1;
        TPCM.SIMTYP = 16;
        TPCM.NTAB = 3;
        TPCM.DRAFT = 2.0f;
        WAVCOM.G = 9.8f;
        LINCOM.MIDLYR = 1;
        LINCOM.DHFRAC = 0.01;
        // Line type 1: one element, 200 long, of wet weight 100; line type 2 two elements of 100.
        TPCM.NELEM(1) = 1;
        TPCM.SLEN(1, 1) = 200.0f;
        TPCM.WETWT(1, 1) = 100.0f;
        TPCM.NELEM(2) = 2;
        for (int j = 1; j <= 2; ++j) {
            TPCM.SLEN(j, 2) = 100.0f;
            TPCM.WETWT(j, 2) = 100.0f;
        }
        for (int t = 1; t <= 2; ++t) set_tables(t, 0.5f);
        for (int i = 1; i <= 3; ++i) LINCOM.HLOD(i) = 1000.0f * static_cast<float>(i);
        disc_line_calls().dyncod = [this](Int ILIN, double&, Logical&, Real WFREQ, Real DIAMFC, Real TFAC, Complex&,
                                          Complex&, Complex&, Complex&, Complex& CTOPFP, Complex&, Complex&, Complex&,
                                          Real&, Real&, const FArray<Real, 150>&, NodeForces&, NodeForces&,
                                          NodeForces&, NodeForces&, Int, Real&, Logical) {
            seen.push_back({ILIN, CATCOM.CAFLD, CATCOM.CABOT, LINCOM.BOTELM, DIAMFC, TFAC, WFREQ, LINCOM.ITYP});
            CTOPFP = Complex(static_cast<float>(K_LINE), WFREQ * static_cast<float>(C_LINE)) * CATCOM.CAFLD;
        };
    }
    void TearDown() override { fresh(); }
    static void fresh() {
        reset_tpcm();
        reset_lincom();
        reset_catcom();
        reset_equilb();
        reset_wavcom();
        reset_disc_line_calls();
    }

    // Anchor distances 90, 100, 110 with a constant fairlead angle; fairlead tension 1500 .. 3500.
    static void set_tables(int type, float topang) {
        for (int i = 1; i <= 3; ++i) {
            const float fi = static_cast<float>(i);
            LINCOM.ANCDST(i, 1, type) = 80.0f + 10.0f * fi;
            LINCOM.TOPANG(i, 1, type) = topang;
            LINCOM.TOPTEN(i, 1, type) = 500.0f + 1000.0f * fi;
            LINCOM.BOTANG(i, 1, type) = 0.0f;
            LINCOM.FFRICT(i, 1, type) = 0.0f;
            LINCOM.BOTLEN(i, 1, type) = 0.0f;
        }
    }

    // Line n of type 1 at azimuth az (degrees) with its fairlead at (x, y, z) of the vessel frame, at the
    // anchor distance 100 (the middle of the tables) and with fixed sensitivities.
    static void set_line(int n, float az, float x, float y, float z, Int word = 1) {
        TPCM.NLIN = std::max<Int>(TPCM.NLIN, n);
        LINCOM.LINEID(n) = word;
        LINCOM.ANGDPP(n) = az;
        LINCOM.RANCK(n) = 100.0f;
        TPCM.RFLD(1, n) = x;
        TPCM.RFLD(2, n) = y;
        TPCM.RFLD(3, n) = z;
        CATCOM.DTFDXF(n) = 50.0f;
        CATCOM.DTFDZF(n) = 20.0f;
        CATCOM.DXSDZF(1, n) = 0.3f;
        CATCOM.DXSDH(1, n) = 0.01f;
        CATCOM.DTZFDH(n) = 0.4f;
        CATCOM.DTZFDZ(n) = 30.0f;
    }
    // Four identical lines at 0, 90, 180, 270 degrees, fairleads on a circle of 5 at the keel.
    static void four_lines() {
        for (int n = 1; n <= 4; ++n) {
            const double a = 90.0 * (n - 1) * kDegToRad;
            set_line(n, 90.0f * static_cast<float>(n - 1), static_cast<float>(5.0 * std::cos(a)),
                     static_cast<float>(5.0 * std::sin(a)), 0.0f);
        }
    }

    static Result run(std::array<Real, 6> amp, Real wfreq = 0.8f) {
        Result r;
        r.spr.fill(-7.0f);
        r.dmp.fill(-7.0f);
        r.net.fill(Complex(3.0f, -3.0f));
        DYNSPR(amp[0], amp[1], amp[2], amp[3], amp[4], amp[5], wfreq, LINCOM.RANCK, r.spr[0], r.spr[1], r.spr[2],
               r.spr[3], r.spr[4], r.spr[5], r.dmp[0], r.dmp[1], r.dmp[2], r.dmp[3], r.dmp[4], r.dmp[5], r.net[0],
               r.net[1], r.net[2], r.net[3], r.net[4], r.net[5]);
        return r;
    }
    static std::array<Real, 6> mode(int m, Real a) {
        std::array<Real, 6> amp{};
        amp[static_cast<std::size_t>(m)] = a;
        return amp;
    }
};

TEST_F(MooringSprings, NoMotionGivesZeroOutputsThoughEveryLineIsVisited) {
    four_lines();
    const Result r = run({});
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(r.spr[i], 0.0f) << i;
        EXPECT_EQ(r.dmp[i], 0.0f) << i;
        EXPECT_EQ(r.net[i], Complex(0.0f, 0.0f)) << i;
    }
    ASSERT_EQ(seen.size(), 4u);
    for (std::size_t n = 0; n < 4; ++n) {
        EXPECT_EQ(seen[n].ILIN, static_cast<Int>(n + 1));
        EXPECT_EQ(seen[n].CAFLD, Complex(0.0f, 0.0f));
    }
}

TEST_F(MooringSprings, NoLinesGiveZeroOutputs) {
    TPCM.NLIN = 0;
    const Result r = run(mode(0, 1.0f));
    EXPECT_EQ(r.spr[0], 0.0f);
    EXPECT_EQ(r.dmp[0], 0.0f);
    EXPECT_EQ(r.net[0], Complex(0.0f, 0.0f));
    EXPECT_TRUE(seen.empty());
}

// A line count from the file beyond the 150 lines of the records visits the 150 and no more.
TEST_F(MooringSprings, LineCountBeyondTheRecordsStopsAtTheLast) {
    four_lines();
    for (int n = 5; n <= 150; ++n) LINCOM.LINEID(n) = 1030;
    TPCM.NLIN = 400;
    const Result r = run(mode(0, 0.5f));
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_GT(r.spr[0], 0.0f);
}

// A line left out, or whose type word names no line type of the tables, adds nothing and leaves the
// working words as the line before it left them.
TEST_F(MooringSprings, LeftOutLinesAddNothingAndKeepTheWorkingWords) {
    set_line(1, 30.0f, 4.0f, 1.0f, 0.0f);
    TPCM.ALPHA(1, 1, 1) = 1.0e-5f;
    const Result alone = run(mode(0, 0.5f));
    const Int ITYP = LINCOM.ITYP;
    const Real HMEAN = LINCOM.HMEAN;
    const double TPTEN0 = LINCOM.TPTEN0, BTTEN0 = LINCOM.BTTEN0, DPHLD = LINCOM.DPHLD, DPHLD2 = LINCOM.DPHLD2;
    const double SCLWT = LINCOM.SCLWT(1), BETA = LINCOM.BETA(1, 1);
    const Int BOTELM = LINCOM.BOTELM;
    const Complex CAFLD = CATCOM.CAFLD;
    for (Int word : {1030, 1024, 0, 151, 1023, -5}) {
        SCOPED_TRACE(word);
        seen.clear();
        set_line(2, 200.0f, -4.0f, 0.0f, 0.0f, word);
        const Result r = run(mode(0, 0.5f));
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].ILIN, 1);
        EXPECT_EQ(r.spr[0], alone.spr[0]);
        EXPECT_EQ(r.dmp[0], alone.dmp[0]);
        EXPECT_EQ(r.net[0], alone.net[0]);
        EXPECT_EQ(LINCOM.ITYP, ITYP);
        EXPECT_EQ(LINCOM.HMEAN, HMEAN);
        EXPECT_EQ(LINCOM.TPTEN0, TPTEN0);
        EXPECT_EQ(LINCOM.BTTEN0, BTTEN0);
        EXPECT_EQ(LINCOM.DPHLD, DPHLD);
        EXPECT_EQ(LINCOM.DPHLD2, DPHLD2);
        EXPECT_EQ(LINCOM.SCLWT(1), SCLWT);
        EXPECT_EQ(LINCOM.BETA(1, 1), BETA);
        EXPECT_EQ(LINCOM.BOTELM, BOTELM);
        EXPECT_EQ(CATCOM.CAFLD, CAFLD);
    }
}

TEST_F(MooringSprings, WorkingWordsAndCallValuesOfALine) {
    set_line(1, 0.0f, 5.0f, 0.0f, 0.0f);
    LINCOM.RANCK(1) = 95.0f;  // half-way between the first two table points
    LINCOM.BOTANG(1, 1, 1) = LINCOM.BOTANG(2, 1, 1) = 0.6f;
    run(mode(0, 1.0f), 0.7f);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(LINCOM.ITYP, 1);
    EXPECT_FLOAT_EQ(LINCOM.HMEAN, 1500.0f);
    EXPECT_DOUBLE_EQ(LINCOM.TPTEN0, 2000.0);
    EXPECT_NEAR(LINCOM.BTTEN0, 1500.0 / std::cos(0.6), 1e-3);
    EXPECT_DOUBLE_EQ(LINCOM.DPHLD, 1500.0);
    EXPECT_NEAR(LINCOM.DPHLD2, 1515.0, 1e-9);
    EXPECT_NEAR(LINCOM.SCLWT(1), 100.0 / 1500.0, 1e-12);
    EXPECT_NEAR(LINCOM.SCLWTP(1), 100.0 / 1515.0, 1e-12);
    EXPECT_FLOAT_EQ(seen[0].TFAC, 1500.0f / 9.8f);
    EXPECT_FLOAT_EQ(seen[0].DIAMFC, 0.001f);
    EXPECT_FLOAT_EQ(seen[0].WFREQ, 0.7f);
    EXPECT_EQ(seen[0].CABOT, Complex(0.0f, 0.0f));

    seen.clear();
    TPCM.NUNTS = 0;
    run(mode(0, 1.0f));
    EXPECT_FLOAT_EQ(seen.at(0).DIAMFC, 0.0833f);
}

// The touchdown element reaches the line dynamics only for a line type with touchdown and a grounded
// length; otherwise it is 0 whatever an earlier line left.
TEST_F(MooringSprings, TouchdownElement) {
    set_line(1, 0.0f, 5.0f, 0.0f, 0.0f, 2);
    struct Case {
        Int anctyp;
        float grounded;
        Int botelm;
    };
    for (const Case c : {Case{0, 50.0f, 0}, Case{1, 0.0f, 0}, Case{1, 50.0f, 2}, Case{1, 150.0f, 1}}) {
        SCOPED_TRACE(c.grounded);
        TPCM.ANCTYP(2) = c.anctyp;
        for (int i = 1; i <= 3; ++i) LINCOM.BOTLEN(i, 1, 2) = c.grounded;
        LINCOM.BOTELM = 7;
        seen.clear();
        run(mode(0, 1.0f));
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].BOTELM, c.botelm);
        EXPECT_EQ(seen[0].ITYP, 2);
    }
}

// One line along x pulled by a surge: the along-line displacement is -A sin(theta), the damping is
// C sin^2(theta) (the mean tension turning adds only to the in-phase part), and the spring is
// K sin^2(theta) + 1/DXSDH - DTFDXF sin(theta) (dtheta cos(theta) T0 = dH - dT sin(theta)).
TEST_F(MooringSprings, SurgeOfOneLineAgainstTheClosedForm) {
    set_line(1, 0.0f, 5.0f, 0.0f, 2.0f);
    const double A = 0.3;
    const Result r = run(mode(0, static_cast<float>(A)), 0.9f);
    const double s = std::sin(0.5 + kHalfPi);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NEAR(static_cast<double>(seen[0].CAFLD.real()), -A * s, 1e-6);
    EXPECT_NEAR(r.dmp[0], C_LINE * s * s, 1e-4);
    EXPECT_NEAR(r.spr[0], std::fabs(K_LINE * s * s + 1.0 / 0.01 - 50.0 * s), 1e-3);
    EXPECT_NEAR(r.net[0].real(), -(K_LINE * s * s + 1.0 / 0.01 - 50.0 * s) * A, 1e-3);
    EXPECT_NEAR(r.net[0].imag(), -C_LINE * s * s * A * 0.9, 1e-4);
    // No other mode moves, so no other output takes anything.
    for (std::size_t i = 1; i < 6; ++i) {
        EXPECT_EQ(r.spr[i], 0.0f);
        EXPECT_EQ(r.net[i], Complex(0.0f, 0.0f));
    }
}

TEST_F(MooringSprings, FourSymmetricLinesUnderSurgeSwayAndYaw) {
    four_lines();
    const Result surge = run(mode(0, 0.5f));
    EXPECT_GT(std::abs(surge.net[0]), 1.0f);
    EXPECT_NEAR(std::abs(surge.net[1]), 0.0f, 1e-6f * std::abs(surge.net[0]));
    const Result sway = run(mode(1, 0.5f));
    EXPECT_NEAR(sway.spr[1], surge.spr[0], 1e-5f * surge.spr[0]);
    EXPECT_NEAR(sway.dmp[1], surge.dmp[0], 1e-5f * surge.dmp[0]);
    // A diagonal motion: the same net force in x and in y.
    std::array<Real, 6> diagonal{};
    diagonal[0] = diagonal[1] = 0.5f;
    const Result diag = run(diagonal);
    EXPECT_NEAR(std::abs(diag.net[0] - diag.net[1]), 0.0f, 1e-5f * std::abs(diag.net[0]));
    EXPECT_GT(std::abs(diag.net[0]), 1.0f);

    // Yaw: the yaw spring and damping are the sums of the lines' magnitudes.
    const Result yaw = run(mode(5, 0.02f));
    float spring_sum = 0.0f;
    float damping_sum = 0.0f;
    for (int n = 1; n <= 4; ++n) {
        for (int m = 1; m <= 4; ++m) LINCOM.LINEID(m) = m == n ? 1 : 1030;
        const Result one = run(mode(5, 0.02f));
        spring_sum += one.spr[5];
        damping_sum += one.dmp[5];
    }
    EXPECT_GT(yaw.spr[5], 0.0f);
    EXPECT_NEAR(yaw.spr[5], spring_sum, 1e-5f * spring_sum);
    EXPECT_NEAR(yaw.dmp[5], damping_sum, 1e-5f * damping_sum + 1e-6f);
    // Identical lines spread evenly turn the buoy back alike: the net yaw moment is four lines' worth.
    EXPECT_NEAR(std::abs(yaw.net[5]), yaw.spr[5] * 0.02f, 1e-5f * yaw.spr[5]);
}

// The yaw moments of two lines can cancel in the net while the yaw spring adds their magnitudes. For a
// line along x whose fairlead sits on its own axis at x = a (anchor distance Rq), a yaw Omega moves the
// fairlead sideways only: the line's azimuth turns by -a Omega / Rq and with the buoy, and the mean
// tension T0 gives the yaw moment -T0 sin(theta) Omega a (1 + a / Rq). A fairlead behind the centre at
// a' with a' (1 + a'/Rq) = -a (1 + a/Rq) gives the opposite moment.
TEST_F(MooringSprings, YawMomentsCancelInTheNetWhileTheSpringAddsThem) {
    const double Rq = 100.0;
    const double a = 5.0;
    const double lever = a * (1.0 + a / Rq);
    const double a2 = 0.5 * Rq * (-1.0 + std::sqrt(1.0 - 4.0 * lever / Rq));
    set_line(1, 0.0f, static_cast<float>(a), 0.0f, 2.0f);
    set_line(2, 0.0f, static_cast<float>(a2), 0.0f, 2.0f);
    const float omega = 0.02f;
    const Result both = run(mode(5, omega));
    const double moment = 2500.0 * std::sin(0.5 + kHalfPi) * lever;  // per unit yaw
    EXPECT_NEAR(both.spr[5], 2.0 * moment, 1e-4 * moment);
    EXPECT_NEAR(std::abs(both.net[5]), 0.0, 1e-4 * moment * static_cast<double>(omega));
    LINCOM.LINEID(2) = 1030;
    const Result first = run(mode(5, omega));
    EXPECT_NEAR(first.net[5].real(), -moment * static_cast<double>(omega), 1e-4 * moment);
}

TEST_F(MooringSprings, AFifthLineNeverLowersASpringOrDamping) {
    four_lines();
    for (int m = 0; m < 6; ++m) {
        SCOPED_TRACE(m);
        TPCM.NLIN = 4;
        const Result four = run(mode(m, 0.05f));
        set_line(5, 45.0f, -3.0f, 2.0f, 1.0f);
        const Result five = run(mode(m, 0.05f));
        EXPECT_GE(five.spr[static_cast<std::size_t>(m)], four.spr[static_cast<std::size_t>(m)]);
        EXPECT_GE(five.dmp[static_cast<std::size_t>(m)], four.dmp[static_cast<std::size_t>(m)]);
    }
}

// A roll of 0.01 moves a fairlead at (0, 5, -2) from the waterline by (0, 0.02, 0.05); the line
// dynamics see minus its component along the line (TENSRF 0) or along the sensitivity direction.
TEST_F(MooringSprings, FairleadDisplacementAlongTheLine) {
    set_line(1, 30.0f, 0.0f, 5.0f, 0.0f);
    const double phi = 30.0 * kDegToRad;
    const double d[3] = {0.0, 0.02, 0.05};
    auto along = [&](double theta) {
        return -(d[0] * std::sin(theta) * std::cos(phi) + d[1] * std::sin(theta) * std::sin(phi) +
                 d[2] * std::cos(theta));
    };
    run(mode(3, 0.01f));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NEAR(seen[0].CAFLD.real(), along(0.5 + kHalfPi), 1e-7);
    EXPECT_EQ(seen[0].CAFLD.imag(), 0.0f);

    seen.clear();
    TPCM.TENSRF = 1;
    run(mode(3, 0.01f));
    EXPECT_NEAR(seen.at(0).CAFLD.real(), along(std::atan(20.0 / 50.0) + kHalfPi), 1e-7);
}

// The heading reference: the buoy heading for a buoy-type case (SIMTYP 13), else the vessel heading.
TEST_F(MooringSprings, LineAzimuthsAreReckonedFromTheHeading) {
    set_line(1, 30.0f, 0.0f, 0.0f, 2.0f);
    auto cafld = [&](Int simtyp, float vesang, float buyngl) {
        TPCM.SIMTYP = simtyp;
        EQUILB.VESANG = vesang;
        EQUILB.BUYNGL = buyngl;
        seen.clear();
        run(mode(1, 1.0f));  // a sway: the along-line part is -sin(theta) sin(phi)
        return seen.at(0).CAFLD.real();
    };
    const float s = static_cast<float>(std::sin(0.5 + kHalfPi));
    const float rad30 = static_cast<float>(30.0 * kDegToRad);
    EXPECT_NEAR(cafld(16, 0.0f, rad30), -s * 0.5f, 1e-6f);
    EXPECT_NEAR(cafld(16, rad30, 0.0f), 0.0f, 1e-6f);
    EXPECT_NEAR(cafld(13, 0.0f, rad30), 0.0f, 1e-6f);
    EXPECT_NEAR(cafld(13, rad30, 0.0f), -s * 0.5f, 1e-6f);
}

// Near a horizontal fairlead angle (|cos theta| <= 0.02) the inclination change comes from the
// vertical-force change: dtheta = (dT cos(theta) - dV) / (sin(theta) T0).
TEST_F(MooringSprings, NearlyHorizontalLineTakesTheVerticalForceFormula) {
    set_tables(1, 0.01f);
    set_line(1, 0.0f, 0.0f, 0.0f, 2.0f);
    const double A = 0.2;
    const Result r = run(mode(2, static_cast<float>(A)));  // heave
    const double th = 0.01 + kHalfPi;
    const double s = std::sin(th);
    const double c = std::cos(th);
    const double T0 = 2500.0;
    const double dT = 20.0 * A;
    const double dH = (0.0 - 0.3 * A) / 0.01;
    const double dV = 0.4 * dH + 30.0 * A;
    const double dtheta = (dT * c - dV) / (s * T0);
    const double along = -A * c;
    const double fz = K_LINE * along * c + T0 * (-s * dtheta);
    EXPECT_NEAR(r.net[2].real(), fz, 1e-3 * std::fabs(fz));
    const double other = (dH - dT * s) / (c * T0);
    EXPECT_GT(std::fabs(T0 * s * (other - dtheta)), 1.0);  // the other formula would be far off
}

// A vertical line has no azimuth to turn: finite results, and a sideways motion turns it only with
// the buoy's rotation.
TEST_F(MooringSprings, VerticalLineGivesFiniteResults) {
    set_tables(1, static_cast<float>(-kHalfPi));
    set_line(1, 0.0f, 0.0f, 0.0f, 2.0f);
    for (int m = 0; m < 6; ++m) {
        SCOPED_TRACE(m);
        const Result r = run(mode(m, 0.1f));
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_TRUE(std::isfinite(r.spr[i]));
            EXPECT_TRUE(std::isfinite(r.dmp[i]));
            EXPECT_TRUE(std::isfinite(r.net[i].real()));
        }
    }
}

}  // namespace
}  // namespace brevant::testing
