// Ellipsoid added mass against Lamb's closed forms (also for bodies so slender that the rounded
// abscissa reaches the end of the range), the eccentricity warning, rectangular sections and the
// member waterline classes.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "ellipsoid_closed_forms.h"
#include "numeric/member_added_mass.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;
using testing::oblate_edgewise;
using testing::prolate_across;
using testing::prolate_along;
using testing::prolate_rotation;
using testing::translation_coefficient;

class AddedMass : public ConsoleTest {
protected:
    Real integral(Real ab, Real ac, Int npoint, Int masmom) {
        Real e = 0.0f;
        Logical onewrn = 0;
        ELPCOF(ab, ac, npoint, masmom, e, SCREEN_UNIT, KBD_UNIT, onewrn, 0);
        return e;
    }
    // The same with the many-points warning already given, so that long sums stay quiet.
    Real warned_integral(Real ab, Real ac, Int npoint, Int masmom) {
        Real e = 0.0f;
        Logical onewrn = 1;
        ELPCOF(ab, ac, npoint, masmom, e, SCREEN_UNIT, KBD_UNIT, onewrn, 0);
        return e;
    }
};

TEST_F(AddedMass, SphereAndProlateSpheroidMatchLamb) {
    const Real sphere = integral(1.0f, 1.0f, 0, 1);
    EXPECT_NEAR(sphere, 0.66665f, 2e-5f);
    EXPECT_NEAR(COFCLC(1, sphere, 1.0f, 1.0f), 0.49998f, 2e-5f);

    for (const double ratio : {2.0, 5.0}) {
        const Real r2 = static_cast<Real>(ratio * ratio);
        const Real e = integral(r2, r2, 0, 1);
        const double alpha0 = prolate_along(ratio);
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

// The Simpson sum as it stood before the end of the range was guarded: the abscissa summed in
// single precision and every point evaluated, whatever the rounded sum reached. `reached` tells
// whether an abscissa came to the float just above pi/2.
struct PlainSum {
    Real value;
    bool reached;
};
PlainSum plain_simpson(Real ab, Real ac, std::int64_t n, Int masmom) {
    const Real h = 1.5707964f / static_cast<Real>(n);
    Real sum = 1.0f;
    Real q = 0.0f;
    bool reached = false;
    for (std::int64_t i = 2; i <= n; ++i) {
        q = q + h;
        reached = reached || q >= 1.5707964f;
        const Real fac = (i % 2 == 0) ? 4.0f : 2.0f;
        sum = sum + fac * (masmom == 1 ? ARGMAS(q, ab, ac) : ARGMOM(q, ab, ac));
    }
    return {sum * h / 3.0f, reached};
}

// Bodies so slender that the rounded abscissa comes to the end of the range before the last
// interval (the interval count grows with the square of the aspect ratio), against closed forms. The box fit of
// the ship model is checked the same way with its own tests.
TEST_F(AddedMass, EccentricBodiesWhoseAbscissaReachesTheEndMatchClosedForms) {
    struct Case {
        const char* body;
        Real ab, ac;  // squared ratios of the axis along the motion to the other two
        Int masmom;
        double alpha;  // the closed-form integral (MASMOM 1)
        double coefficient;
    };
    for (const double r : {85.0, 100.0, 150.0, 200.0}) {
        const Real r2 = static_cast<Real>(r * r);
        const double along = prolate_along(r), across = prolate_across(r), disc = oblate_edgewise(r);
        const Case cases[] = {
            {"prolate along its axis", r2, r2, 1, along, translation_coefficient(along)},
            {"prolate across its axis", 1.0f / r2, 1.0f, 1, across, translation_coefficient(across)},
            {"prolate turning about a cross axis", 1.0f / r2, 1.0f, 2, 0.0, prolate_rotation(r)},
            {"oblate disc edgewise", r2, 1.0f, 1, disc, translation_coefficient(disc)},
        };
        for (const Case& c : cases) {
            const Real e = warned_integral(c.ab, c.ac, 0, c.masmom);
            const std::int64_t n = static_cast<std::int64_t>(2.0 * r * r);
            ASSERT_TRUE(plain_simpson(c.ab, c.ac, n, c.masmom).reached) << c.body << " " << r;
            ASSERT_TRUE(std::isfinite(e)) << c.body << " " << r;
            if (c.masmom == 1) {
                EXPECT_NEAR(e, c.alpha, 1e-3) << c.body << " " << r;
            }
            EXPECT_NEAR(COFCLC(c.masmom, e, c.ab, c.ac), c.coefficient, 1e-3) << c.body << " " << r;
        }
    }
}

// Where no abscissa reaches the end, the integral is the plain sum to the bit; where one does, it
// is finite and agrees with its neighbour counts that do not, within the rounding of a
// single-precision sum of some 9000 terms.
TEST_F(AddedMass, CountsThatStopShortOfTheEndKeepTheirBits) {
    struct Case {
        Real ab, ac;
        Int masmom;
    };
    const Case bodies[] = {{1.0f, 1.0f, 1}, {4.0f, 4.0f, 1}, {3.0f, 1.5f, 1}, {2.5f, 0.6f, 2}, {4489.0f, 4489.0f, 1},
                           {1.0f / 4489.0f, 1.0f, 1}, {1.0f / 4489.0f, 1.0f, 2}, {7225.0f, 16.0f, 1}};
    const Int short_counts[] = {400, 4000, 7502, 8978, 9020, 9024, 12000, 25002, 40000};
    for (const Case& b : bodies) {
        for (const Int n : short_counts) {
            if (b.masmom == 2 && n < 4000) continue;
            const PlainSum plain = plain_simpson(b.ab, b.ac, n, b.masmom);
            ASSERT_FALSE(plain.reached) << n;
            EXPECT_EQ(std::bit_cast<std::uint32_t>(warned_integral(b.ab, b.ac, n, b.masmom)),
                      std::bit_cast<std::uint32_t>(plain.value))
                << b.ab << " " << b.ac << " " << b.masmom << " " << n;
        }
        // 9022 is the first count whose abscissa reaches the end; 9020 and 9024 do not.
        ASSERT_TRUE(plain_simpson(b.ab, b.ac, 9022, b.masmom).reached);
        EXPECT_FALSE(std::isfinite(plain_simpson(b.ab, b.ac, 9022, b.masmom).value));
        const Real reaching = warned_integral(b.ab, b.ac, 9022, b.masmom);
        EXPECT_NEAR(reaching, warned_integral(b.ab, b.ac, 9020, b.masmom), 3e-4f) << b.ab << " " << b.ac;
        EXPECT_NEAR(reaching, warned_integral(b.ab, b.ac, 9024, b.masmom), 3e-4f) << b.ab << " " << b.ac;
    }
    EXPECT_EQ(screen(), "");
}

// Whether the single-precision running sum of the abscissa lands exactly on 1.5707964 at a count.
bool lands_on_the_end(std::int64_t n) {
    const Real h = 1.5707964f / static_cast<Real>(n);
    Real q = 0.0f;
    for (std::int64_t i = 2; i <= n; ++i) {
        q = q + h;
        if (q == 1.5707964f) return true;
    }
    return false;
}

// Counts whose rounded abscissa lands exactly on the end of the range, 1.5707964 itself (22,388 is
// the first above 9,000; 36 even counts up to 60,000 do), against the closed forms of a sphere and of
// spheroids: the point there is the end of the range too and adds nothing, where its tangent
// would make the integral NaN.
TEST_F(AddedMass, CountsWhoseAbscissaLandsOnTheEndMatchClosedForms) {
    std::vector<std::int64_t> landing;
    for (std::int64_t n = 9000; n <= 60000; n += 2)
        if (lands_on_the_end(n)) landing.push_back(n);
    ASSERT_FALSE(landing.empty());
    EXPECT_EQ(landing.front(), 22388);
    for (const std::int64_t n : {landing.front(), landing.back()}) {
        SCOPED_TRACE(n);
        const Int count = static_cast<Int>(n);
        EXPECT_NEAR(warned_integral(1.0f, 1.0f, count, 1), 2.0 / 3.0, 5e-4);
        EXPECT_NEAR(warned_integral(25.0f, 25.0f, count, 1), prolate_along(5.0), 5e-4);
        EXPECT_NEAR(warned_integral(1.0f / 25.0f, 1.0f, count, 1), prolate_across(5.0), 5e-4);
        EXPECT_NEAR(COFCLC(2, warned_integral(1.0f / 25.0f, 1.0f, count, 2), 1.0f / 25.0f, 1.0f),
                    prolate_rotation(5.0), 1e-3);
    }
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
