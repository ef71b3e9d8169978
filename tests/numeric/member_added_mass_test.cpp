// Ellipsoid added mass against Lamb's closed forms, the eccentricity warning, rectangular
// sections and the member waterline classes.
#include <cmath>
#include <numbers>

#include "numeric/member_added_mass.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;

class AddedMass : public ConsoleTest {
protected:
    Real integral(Real ab, Real ac, Int npoint, Int masmom) {
        Real e = 0.0f;
        Logical onewrn = 0;
        ELPCOF(ab, ac, npoint, masmom, e, SCREEN_UNIT, KBD_UNIT, onewrn, 0);
        return e;
    }
};

// Lamb's alpha0 of a prolate spheroid along its axis, eccentricity e.
double lamb_alpha0(double a_over_b) {
    const double e = std::sqrt(1.0 - 1.0 / (a_over_b * a_over_b));
    return 2.0 * (1.0 - e * e) / (e * e * e) * (0.5 * std::log((1.0 + e) / (1.0 - e)) - e);
}

TEST_F(AddedMass, SphereAndProlateSpheroidMatchLamb) {
    const Real sphere = integral(1.0f, 1.0f, 0, 1);
    EXPECT_NEAR(sphere, 0.66665f, 2e-5f);
    EXPECT_NEAR(COFCLC(1, sphere, 1.0f, 1.0f), 0.49998f, 2e-5f);

    for (const double ratio : {2.0, 5.0}) {
        const Real r2 = static_cast<Real>(ratio * ratio);
        const Real e = integral(r2, r2, 0, 1);
        const double alpha0 = lamb_alpha0(ratio);
        EXPECT_NEAR(e, alpha0, 2e-5) << ratio;
        EXPECT_NEAR(COFCLC(1, e, r2, r2), alpha0 / (2.0 - alpha0), 2e-5) << ratio;
    }
    const Real e2 = integral(4.0f, 4.0f, 0, 1);
    EXPECT_NEAR(e2, 0.34712f, 2e-5f);
    EXPECT_NEAR(COFCLC(1, e2, 4.0f, 4.0f), 0.2100f, 5e-5f);
}

TEST_F(AddedMass, SphereRotationHasNoAddedInertia) {
    const Real e = integral(1.0f, 1.0f, 0, 2);
    EXPECT_NEAR(e, 0.4f, 1e-5f);  // the integral of (1 + t)^(-7/2) over 0..infinity
    EXPECT_EQ(COFCLC(2, e, 1.0f, 1.0f), 0.0f);
}

TEST_F(AddedMass, RotationIntegralOfAnEllipsoidMatchesAnIndependentQuadrature) {
    // The integral of 1 / ((1 + A t)(1 + C t) sqrt((1 + t)(1 + A t)(1 + C t))) over 0..infinity,
    // taken here with t = u / (1 - u) in double precision on a fine midpoint grid.
    const double A = 2.5;
    const double C = 0.6;
    double sum = 0.0;
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        const double u = (i + 0.5) / n;
        const double t = u / (1.0 - u);
        const double dt = 1.0 / ((1.0 - u) * (1.0 - u));
        sum += dt / ((1 + A * t) * (1 + C * t) * std::sqrt((1 + t) * (1 + A * t) * (1 + C * t)));
    }
    EXPECT_NEAR(integral(2.5f, 0.6f, 0, 2), sum / n, 2e-5);
}

TEST_F(AddedMass, IntervalCountRules) {
    // An odd count is raised by one; small counts are raised to the floor of the quantity.
    EXPECT_EQ(integral(3.0f, 1.5f, 401, 1), integral(3.0f, 1.5f, 402, 1));
    EXPECT_EQ(integral(3.0f, 1.5f, 100, 1), integral(3.0f, 1.5f, 400, 1));
    EXPECT_EQ(integral(3.0f, 1.5f, 100, 2), integral(3.0f, 1.5f, 4000, 2));
    EXPECT_EQ(integral(1.0f, 1.0f, 0, 1), integral(1.0f, 1.0f, 400, 1));
    EXPECT_NE(integral(3.0f, 1.5f, 402, 1), integral(3.0f, 1.5f, 404, 1));
    EXPECT_EQ(screen(), "");
}

TEST_F(AddedMass, EccentricBodyWarnsOnceAndStillComputes) {
    answers("\n");
    Real e = 0.0f;
    Logical onewrn = 0;
    ELPCOF(5000.0f, 1.0f, 0, 1, e, SCREEN_UNIT, KBD_UNIT, onewrn, 0);
    EXPECT_EQ(onewrn, 1);
    EXPECT_EQ(screen(),
              "\n ++> Warning: A highly eccentric body requires  10000 integration points\n"
              "              in ELPCOF; this may result in pathological mass coefficients.\n"
              "              Contact Velmora to report this message.\n \n Press <RETURN> to continue: ");
    EXPECT_GT(e, 0.0f);
    EXPECT_LT(e, 0.05f);
    clear_captured(SCREEN_UNIT);
    Real again = 0.0f;
    ELPCOF(5000.0f, 1.0f, 0, 1, again, SCREEN_UNIT, KBD_UNIT, onewrn, 0);
    EXPECT_EQ(again, e);
    EXPECT_EQ(screen(), "");
}

TEST_F(AddedMass, MemberWarningNamesTheMemberAndSilentRunDoesNotWait) {
    Real e = 0.0f;
    Logical onewrn = 0;
    ELPCOF(1.0f, 1.0f, 7501, 1, e, SILENT_UNIT, KBD_UNIT, onewrn, 7);
    EXPECT_EQ(silent(),
              "\n ++> Warning: Member  7 requires   7502 integration points\n"
              "              in ELPCOF; this may result in pathological mass coefficients.\n"
              "              Consider using a less eccentric member model; this will not\n"
              "              appreciably affect your added mass estimates.\n");
    EXPECT_NEAR(e, 2.0f / 3.0f, 5e-5f);  // single-precision sums over 7502 points drift a little
}

TEST_F(AddedMass, NeedleThinBodyIsIntegratedOverAtMostAMillionIntervals) {
    // 2 x 1e9 intervals asked for; the count shown and used is the cap, and the call stays quick.
    Real e = 0.0f;
    Logical onewrn = 0;
    ELPCOF(1.0e9f, 1.0f, 0, 1, e, SILENT_UNIT, KBD_UNIT, onewrn, 3);
    EXPECT_NE(silent().find(" requires1000000 integration points"), std::string::npos) << silent();
    Real capped = 0.0f;
    ELPCOF(1.0e9f, 1.0f, static_cast<Int>(kMaxElpcofIntervals), 1, capped, SILENT_UNIT, KBD_UNIT, onewrn, 3);
    EXPECT_EQ(e, capped);
    EXPECT_TRUE(std::isfinite(e));
}

TEST(RectangularSection, AspectRatioPower) {
    EXPECT_EQ(RECTCM(1.0f), 1.215488f);
    EXPECT_NEAR(RECTCM(2.0f), 1.0963f, 1e-4f);
    EXPECT_NEAR(RECTCM(0.5f), 1.215488 * std::pow(0.5, -0.14883), 1e-6);
}

TEST(WaterlineCheck, MemberClasses) {
    struct Case {
        Real base[3], top[3];
        Int pierce;
        Real wetlen, tiltfc;
    };
    const Real draft = 10.0f;
    const Real s60 = static_cast<Real>(std::sin(std::numbers::pi / 3.0));
    const Real c60 = 0.5f;
    const Case cases[] = {
        {{0, 0, 5}, {0, 0, 15}, 1, 5.0f, 1.0f},                          // vertical, piercing upward
        {{0, 0, 5}, {10 * c60, 0, 5 + 10 * s60}, 1, 5.7735f, 1.1547f},  // tilted 60 degrees
        {{0, 0, 15}, {0, 0, 5}, -1, 5.0f, -1.0f},                        // piercing downward
        {{0, 0, 1}, {3, 4, 1}, 0, 5.0f, 1.0f},                           // wholly submerged
        {{0, 0, 1}, {0, 0, 10}, 0, 9.0f, 1.0f},                          // top on the waterline
        {{0, 0, 11}, {0, 0, 14}, 99, 0.0f, 1.0f},                        // dry
        {{0, 0, 10}, {0, 0, 14}, 99, 0.0f, 1.0f},                        // base on the waterline, going up
        {{0, 0, 14}, {0, 0, 10}, 99, 0.0f, 1.0f},                        // top on the waterline from above
        {{1, 1, 12}, {1, 1, 12}, 99, 0.0f, 1.0f},                        // no length, above
        {{1, 1, 2}, {1, 1, 2}, 0, 0.0f, 1.0f},                           // no length, below
    };
    for (const Case& c : cases) {
        Real memvec[3], dirvec[3], memlen, wetlen, tiltfc;
        Int pierce = -77;
        WPCHEK(c.base, c.top, draft, memvec, dirvec, memlen, wetlen, tiltfc, pierce);
        EXPECT_EQ(pierce, c.pierce) << c.base[2] << " -> " << c.top[2];
        EXPECT_NEAR(wetlen, c.wetlen, 1e-4f) << c.base[2] << " -> " << c.top[2];
        EXPECT_NEAR(tiltfc, c.tiltfc, 1e-4f) << c.base[2] << " -> " << c.top[2];
        EXPECT_TRUE(std::isfinite(dirvec[0]) && std::isfinite(dirvec[1]) && std::isfinite(dirvec[2]));
        for (int i = 0; i < 3; ++i) EXPECT_LE(dirvec[i], 1.0f);
    }
    Real memvec[3], dirvec[3], memlen, wetlen, tiltfc;
    Int pierce;
    const Real base[3] = {1, 2, 3};
    const Real top[3] = {4, 6, 3};
    WPCHEK(base, top, 10.0f, memvec, dirvec, memlen, wetlen, tiltfc, pierce);
    EXPECT_EQ(memlen, 5.0f);
    EXPECT_EQ(memvec[0], 3.0f);
    EXPECT_EQ(memvec[1], 4.0f);
    EXPECT_FLOAT_EQ(dirvec[0], 0.6f);
    EXPECT_FLOAT_EQ(dirvec[1], 0.8f);
}

}  // namespace
}  // namespace brevant
