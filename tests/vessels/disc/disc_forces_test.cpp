// DSKFRC: the all-periods forces of a truncated cylinder against the Froude-Krylov closed forms with
// std::cyl_bessel_j, the heading factors, the resonance pass (which dampings and responses it writes,
// the speed it restores), the removable singularity at k R = pi/2, and the Bessel failure.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

#include "disc_fixture.h"
#include "numeric/grid_point.h"
#include "sysutl/program_end.h"
#include "vessels/disc/disc_characteristics.h"
#include "vessels/disc/disc_forces.h"

namespace brevant::testing {
namespace {

class DiscForces : public DiscTest {
protected:
    // A cylinder of radius and draft R in 400 m of water, one pool point of wave number k, the heave
    // natural frequency so high that the heave radiation correction vanishes.
    static void cylinder_with_one_point(float R, float k) {
        TPCM.DEPTH = 400.0f;
        TPCM.DRAFT = R;
        TPCM.AWP = 3.1415927f * R * R;
        TPCM.NWP = 1;
        TPCM.T(1) = 6.0f;
        lay_out_himem_pool();
        set_grid_point(1, 6.2831855f / 6.0f, k);
        HIMEM.RADIUS() = R;
        HIMEM.XSCALE = R;
        HIMEM.EDRAFT = R;
        HIMEM.SDRAFT = 1.0f;
        HIMEM.WH = 1.0e6f;
        HIMEM.WP = 1.0f;
        HIMEM.PTCHI = 2000.0f;
        HIMEM.HVMAS = 800.0f;
        HIMEM.HVM1 = 400.0f;
        HIMEM.HCONST = R * R * R;
        HIMEM.PCONST = R * R * R * R * R;
        HIMEM.TQCNST = 1.2f;
        HIMEM.SWLCRP = -0.2f;
        HIMEM.CSG = 0.5f;
        HIMEM.CSW = 0.5f;
        set_heading(0.0f);
    }
    static Int all_periods() { return 5; }
};

TEST_F(DiscForces, AllPeriodsMatchTheFroudeKrylovForcesOfACylinder) {
    cylinder_with_one_point(5.0f, 0.2f);  // k R = k T = 1, k h = 80: deep water
    Int npass = all_periods();
    DSKFRC(npass);
    const double J0 = std::cyl_bessel_j(0.0, 1.0);
    const double J1 = std::cyl_bessel_j(1.0, 1.0);
    const double heave = 2.0 * std::exp(-1.0) * J1;
    EXPECT_NEAR(pool(3, 1).real(), heave, 1e-5 * heave);
    const double surge = (1.0 - std::exp(-1.0)) * (2.0 * J1 + 0.49998 * J0);
    EXPECT_NEAR(pool(1, 1).imag(), surge, 1e-5 * surge);
    EXPECT_EQ(pool(6, 1), Complex(1.0e-10f, 1.0e-10f));
    // Heading 0 is taken as 1e-10 rad: sway and roll are 1e-10 of surge and (minus) pitch.
    EXPECT_NEAR(pool(2, 1).imag(), 1.0e-10 * dbl(pool(1, 1).imag()), 1e-16 * std::fabs(dbl(pool(1, 1).imag())));
    EXPECT_NEAR(pool(2, 1).real(), 1.0e-10 * dbl(pool(1, 1).real()), 1e-16 * std::fabs(dbl(pool(1, 1).real())));
    EXPECT_NEAR(pool(4, 1).imag(), -1.0e-10 * dbl(pool(5, 1).imag()), 1e-16 * std::fabs(dbl(pool(5, 1).imag())));
    EXPECT_NE(pool(5, 1).imag(), 0.0f);
    // The set-up words: elliptic coefficient, scales, depth ratio.
    EXPECT_NEAR(HIMEM.CSG, 0.49998f, 2e-5f);
    EXPECT_EQ(HIMEM.CSW, HIMEM.CSG);
    EXPECT_FLOAT_EQ(HIMEM.SDEPTH, 80.0f);
    EXPECT_FLOAT_EQ(HIMEM.BLGFAC, 1.0f);  // no bilge radius
}

// In water four wave numbers deep the forces take the finite-depth attenuation:
// cosh k(h - T) / cosh kh for the bottom pressure, (sinh kh - sinh k(h - T)) / cosh kh for the side.
TEST_F(DiscForces, FiniteDepthAttenuation) {
    cylinder_with_one_point(5.0f, 0.2f);
    TPCM.DEPTH = 20.0f;  // k h = 4, k T = 1
    Int npass = all_periods();
    DSKFRC(npass);
    const double J0 = std::cyl_bessel_j(0.0, 1.0);
    const double J1 = std::cyl_bessel_j(1.0, 1.0);
    const double heave = 2.0 * std::cosh(3.0) / std::cosh(4.0) * J1;
    EXPECT_NEAR(pool(3, 1).real(), heave, 1e-5 * heave);
    const double side = (std::sinh(4.0) - std::sinh(3.0)) / std::cosh(4.0);
    const double surge = side * (2.0 * J1 + dbl(HIMEM.CSG) * J0);
    EXPECT_NEAR(pool(1, 1).imag(), surge, 1e-5 * surge);
}

TEST_F(DiscForces, YawForceIsTheSameAtEveryPeriodAndHeading) {
    for (float heading : {0.0f, 45.0f, 90.0f, 210.0f}) {
        set_heading(heading);
        DSKCHR();
        Int npass = all_periods();
        DSKFRC(npass);
        for (int j = 1; j <= TPCM.NWP; ++j) EXPECT_EQ(pool(6, j), Complex(1.0e-10f, 1.0e-10f));
    }
}

// k R exactly pi/2: the water-plane correction takes its limit instead of 0/0, and the forces join
// those of a neighbouring wave number.
TEST_F(DiscForces, QuarterWaveRadiusGivesFiniteContinuousForces) {
    const float R = 4.0f;
    const float k0 = 1.5707964f / R;
    ASSERT_EQ(k0 * R, 1.5707964f);
    Complex at[6];
    Complex near[6];
    for (int pass = 0; pass < 2; ++pass) {
        cylinder_with_one_point(R, pass == 0 ? k0 : k0 * 1.0001f);
        Int npass = all_periods();
        DSKFRC(npass);
        for (int m = 1; m <= 6; ++m) (pass == 0 ? at : near)[m - 1] = pool(m, 1);
    }
    for (int m = 1; m <= 6; ++m) {
        EXPECT_TRUE(std::isfinite(at[m - 1].real()) && std::isfinite(at[m - 1].imag())) << m;
        EXPECT_NEAR(std::abs(at[m - 1]), std::abs(near[m - 1]), 1e-3 * dbl(std::abs(near[m - 1]))) << m;
    }
}

TEST(DiscBessel2Ratio, AgainstTheLibraryBesselFunction) {
    EXPECT_EQ(bessel2_ratio(0.0f, 1e-5f), 1.0f);
    for (double x : {1.0e-4, 0.01, 0.5, 1.0, 3.0, 5.1356223}) {
        const double expected = 8.0 * std::cyl_bessel_j(2.0, x) / (x * x);
        EXPECT_NEAR(bessel2_ratio(static_cast<float>(x), 1e-6f), expected, 1e-5) << x;
    }
}

TEST_F(DiscForces, ResonancePassWithoutFeedbackFixesRollPitchHeaveOnly) {
    DSKCHR();
    WAVCOM.IRAO = 0;  // as in motion phase 1: no heading chosen yet
    TPCM.VFWD = 3.7f;
    const std::uint32_t speed_bits = std::bit_cast<std::uint32_t>(TPCM.VFWD);
    const Real sentinel = -123.0f;
    const Complex csentinel(-7.0f, 9.0f);
    HIMEM.GAMSRG = HIMEM.GAMSWY = HIMEM.GAMROL = HIMEM.GAMPIT = HIMEM.GAMHEV = sentinel;
    HIMEM.CRLRAX = HIMEM.CPTRAX = HIMEM.CHVRAX = HIMEM.CSGRAX = HIMEM.CSWRAX = HIMEM.CYWRAX = csentinel;
    {
        TPCM.MORFBK = 0;
        Int npass = 0;
        DSKFRC(npass);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(TPCM.VFWD), speed_bits);
        for (Real g : {HIMEM.GAMROL, HIMEM.GAMPIT, HIMEM.GAMHEV}) {
            EXPECT_NE(g, sentinel);
            EXPECT_TRUE(std::isfinite(g) && g > 0.0f) << g;
        }
        EXPECT_EQ(HIMEM.GAMSRG, sentinel);
        EXPECT_EQ(HIMEM.GAMSWY, sentinel);
        for (Complex c : {HIMEM.CRLRAX, HIMEM.CPTRAX, HIMEM.CHVRAX, HIMEM.CSGRAX, HIMEM.CSWRAX, HIMEM.CYWRAX})
            EXPECT_EQ(c, csentinel);
    }
}

// The design wave of the resonance pass: a height gives the slope k H (k at the heave natural
// frequency, the last mode), a slope in degrees gives its radians twice over.
TEST_F(DiscForces, DesignWaveSlope) {
    DSKCHR();
    TPCM.SLPHT = 2.0f;
    Int npass = 0;
    DSKFRC(npass);
    const double k = dispersion_kh(dbl(HIMEM.WH), 150.0, 9.8) / 150.0;
    EXPECT_NEAR(HIMEM.RSLOPE, k * 1.86 * 2.0, 1e-4 * k * 1.86 * 2.0);
    TPCM.LSLPHT = 1;
    TPCM.SLPHT = 3.0f;
    DSKFRC(npass);
    EXPECT_NEAR(HIMEM.RSLOPE, 2.0 * 1.86 * 3.0 / 57.295776, 1e-6);
}

TEST_F(DiscForces, ResonancePassWithFeedbackRunsAllSixModes) {
    DSKCHR();
    TPCM.MORFBK = 1;
    moor_surge_sway();
    TPCM.XCURAR = 0.0f;  // no drag area: the response factor takes its limit
    const Real sentinel = -123.0f;
    const Complex csentinel(-7.0f, 9.0f);
    HIMEM.GAMSRG = HIMEM.GAMSWY = sentinel;
    HIMEM.CRLRAX = HIMEM.CPTRAX = HIMEM.CHVRAX = HIMEM.CSGRAX = HIMEM.CSWRAX = HIMEM.CYWRAX = csentinel;
    Int npass = 0;
    DSKFRC(npass);
    for (Real g : {HIMEM.GAMSRG, HIMEM.GAMSWY, HIMEM.GAMROL, HIMEM.GAMPIT, HIMEM.GAMHEV})
        EXPECT_TRUE(std::isfinite(g) && g > 0.0f) << g;
    for (Complex c : {HIMEM.CRLRAX, HIMEM.CPTRAX, HIMEM.CHVRAX, HIMEM.CSGRAX, HIMEM.CSWRAX}) {
        EXPECT_NE(c, csentinel);
        EXPECT_TRUE(std::isfinite(c.real()) && std::isfinite(c.imag()));
    }
    EXPECT_EQ(HIMEM.CYWRAX, Complex(0.0f, 0.0f));
}

// A feedback word other than 0 and 1 runs roll, pitch and heave as 1 does and writes their three
// responses; surge, sway and yaw are not run, so their dampings and responses stay as they were.
TEST_F(DiscForces, OtherFeedbackValuesWriteTheFirstThreeResponsesOfOne) {
    DSKCHR();
    moor_surge_sway();
    moor_heave_pitch_roll();
    const Real sentinel = -123.0f;
    const Complex csentinel(-7.0f, 9.0f);
    const auto resonance_pass = [&](Int morfbk) {
        TPCM.MORFBK = morfbk;
        HIMEM.GAMSRG = HIMEM.GAMSWY = HIMEM.GAMROL = HIMEM.GAMPIT = HIMEM.GAMHEV = sentinel;
        HIMEM.CRLRAX = HIMEM.CPTRAX = HIMEM.CHVRAX = HIMEM.CSGRAX = HIMEM.CSWRAX = HIMEM.CYWRAX = csentinel;
        Int npass = 0;
        DSKFRC(npass);
    };
    resonance_pass(1);
    const Complex roll = HIMEM.CRLRAX, pitch = HIMEM.CPTRAX, heave = HIMEM.CHVRAX;
    const Real gamrol = HIMEM.GAMROL, gampit = HIMEM.GAMPIT, gamhev = HIMEM.GAMHEV;
    for (Complex c : {roll, pitch, heave}) {
        EXPECT_NE(c, csentinel);
        EXPECT_GT(std::abs(c), 0.0f);
    }
    for (Int morfbk : {2, -1, 9}) {
        resonance_pass(morfbk);
        EXPECT_EQ(HIMEM.CRLRAX, roll) << morfbk;
        EXPECT_EQ(HIMEM.CPTRAX, pitch) << morfbk;
        EXPECT_EQ(HIMEM.CHVRAX, heave) << morfbk;
        EXPECT_EQ(HIMEM.GAMROL, gamrol) << morfbk;
        EXPECT_EQ(HIMEM.GAMPIT, gampit) << morfbk;
        EXPECT_EQ(HIMEM.GAMHEV, gamhev) << morfbk;
        EXPECT_EQ(HIMEM.GAMSRG, sentinel) << morfbk;
        EXPECT_EQ(HIMEM.GAMSWY, sentinel) << morfbk;
        for (Complex c : {HIMEM.CSGRAX, HIMEM.CSWRAX, HIMEM.CYWRAX}) EXPECT_EQ(c, csentinel) << morfbk;
    }
}

// A bilge radius beyond the lever of the roll centre leaves no bilge term: the roll damping is
// its linear part, not the root of a negative number.
TEST_F(DiscForces, OversizedBilgeRadiusLeavesTheLinearRollDamping) {
    DSKCHR();
    TPCM.BILGR = 100.0f;
    Int npass = 0;
    DSKFRC(npass);
    EXPECT_EQ(HIMEM.BLGFAC, 0.0f);
    EXPECT_FLOAT_EQ(HIMEM.GAMROL, 0.1f * HIMEM.RMAS1 / HIMEM.ROLI);
    EXPECT_TRUE(std::isfinite(HIMEM.GAMPIT));
}

// The resonance pass with an input at 0 and at two shrinking values: the damping read at 0 is finite
// and positive, and it is the limit the shrinking values approach (as long as the rounding of the
// formula stays below the effect of the input itself).
void expect_damping_is_the_limit_of_small_inputs(Real& input, const Real& damping, float small, float smaller) {
    const float inputs[3] = {0.0f, small, smaller};
    Real d[3] = {0.0f, 0.0f, 0.0f};
    for (int i = 0; i < 3; ++i) {
        input = inputs[i];
        Int npass = 0;
        DSKFRC(npass);
        d[i] = damping;
    }
    EXPECT_TRUE(std::isfinite(d[0]) && d[0] > 0.0f) << d[0];
    EXPECT_LT(std::fabs(d[2] - d[0]), std::fabs(d[1] - d[0]));
    EXPECT_NEAR(d[0], d[2], 0.01f * d[2]);
}

// Without a drag area the surge and sway dampings take the limit of a vanishing drag area.
TEST_F(DiscForces, NoDragAreaGivesTheLimitOfASmallOne) {
    DSKCHR();
    TPCM.MORFBK = 1;
    moor_surge_sway();
    expect_damping_is_the_limit_of_small_inputs(TPCM.XCURAR, HIMEM.GAMSRG, 1.0e-1f, 1.0e-2f);
}

// A design wave height of 0 (a new case's) makes both terms of the heave damping's root infinite: the
// damping is their limit, which a shrinking height approaches, never NaN.
TEST_F(DiscForces, NoDesignWaveGivesTheHeaveDampingLimitOfASmallOne) {
    DSKCHR();
    expect_damping_is_the_limit_of_small_inputs(TPCM.SLPHT, HIMEM.GAMHEV, 1.0e-2f, 1.0e-3f);
    // A height so low that the terms themselves leave single precision (they were infinity minus
    // infinity, NaN) takes the same limit, as a height or as a slope.
    TPCM.SLPHT = 0.0f;
    Int zero = 0;
    DSKFRC(zero);
    const Real limit = HIMEM.GAMHEV;
    for (const Int slope : {0, 1}) {
        for (const Real height : {std::numeric_limits<Real>::denorm_min(), 1.0e-40f, 1.0e-30f}) {
            TPCM.LSLPHT = slope;
            TPCM.SLPHT = height;
            Int npass = 0;
            DSKFRC(npass);
            EXPECT_NEAR(HIMEM.GAMHEV, limit, 1.0e-6f * limit) << height << (slope != 0 ? " degrees" : "");
        }
    }
}

TEST_F(DiscForces, BesselFailureEndsTheRun) {
    cylinder_with_one_point(5.0f, 0.0f);  // k R = 0: no Bessel value
    answers("\n");
    Int npass = all_periods();
    try {
        DSKFRC(npass);
        FAIL() << "no stop";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_NE(screen().find("\n ++> BESSEL function error. Increase smallest period and retry\n\n"), std::string::npos)
        << screen();
    EXPECT_NE(screen().find("Press <RETURN> to continue: "), std::string::npos);
}

// An effective draft 100 radii deep makes the surge added-mass integral need 20000 points. Every
// force pass of a run asks for it (a deep disc buoy made hundreds of passes, each with the warning
// and a pause): the warning and its pause come once until the program starts again.
TEST_F(DiscForces, ManyPointsWarningComesOncePerRun) {
    const std::string warning =
        "\n ++> Warning: A highly eccentric body requires  20000 integration points\n"
        "              in ELPCOF; this may result in pathological mass coefficients.\n"
        "              Contact Velmora to report this message.\n";
    const auto passes = [] {
        for (int pass = 0; pass < 4; ++pass) {
            cylinder_with_one_point(5.0f, 0.2f);
            HIMEM.EDRAFT = 500.0f;
            Int npass = all_periods();
            DSKFRC(npass);
        }
    };
    answers("\n\n\n\n\n\n\n\n");
    passes();
    EXPECT_EQ(count_of(screen(), warning), 1u) << screen();
    EXPECT_EQ(count_of(screen(), "Press <RETURN> to continue: "), 1u);
    EXPECT_EQ(disc_elpcof_warned(), 1);
    // The next run of the program starts without the flag and warns again, once.
    reset_disc_warnings();
    passes();
    EXPECT_EQ(count_of(screen(), warning), 2u);
    EXPECT_EQ(count_of(screen(), "Press <RETURN> to continue: "), 2u);
}

}  // namespace
}  // namespace brevant::testing
