// Tanker heading functions against their head- and following-sea closed forms and symmetries, the
// sector filter sector by sector, and the opacity factor against its physical limits.
#include "lowlib/tanker_headings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace brevant {
namespace {

constexpr Real kPi = std::numbers::pi_v<float>;

// The wedge of the worked tanker: BOWFAC 1.2, STRNFC 2.0, LWL 250, BWL 40.
struct Wedge {
    Real BOWANG = std::asin(std::sqrt(0.36f * 1.2f));
    Real STRNAN = std::asin(std::sqrt(0.36f * 2.0f));
    Real COTBOW = 1.0f / std::tan(BOWANG);
    Real COTSTN = 1.0f / std::tan(STRNAN);
    Real BLRAT0 = 0.16f;
    Real BOWARM = 0.5f * (1.0f - 0.5f * BLRAT0 * COTBOW);
    Real STRNRM = 0.5f * (1.0f - 0.5f * BLRAT0 * COTSTN);
};

class TankerHeadings : public ::testing::Test {
protected:
    void SetUp() override { reset_opacity(); }
    void TearDown() override { reset_opacity(); }
    Wedge w;
    Real angfc2(Int comp, Real ang) const {
        return ANGFC2(comp, ang, w.BOWANG, w.STRNAN, w.BOWARM, w.STRNRM, w.BLRAT0, w.COTBOW, w.COTSTN);
    }
    Real opacity(Int comp, Real k, Real theta) const {
        Real r = -7.0f;
        OPACITY(r, k, theta, 250.0f, 40.0f, 15.0f, w.BOWARM, w.STRNRM, w.BOWANG, w.STRNAN, comp);
        return r;
    }
};

TEST_F(TankerHeadings, LegacyHeadSeasAndSymmetry) {
    EXPECT_NEAR(ANGFC(1, 0.0f, w.BOWANG, w.BLRAT0, w.COTBOW), -0.36 * 1.2, 1e-6);
    EXPECT_EQ(ANGFC(2, 0.0f, w.BOWANG, w.BLRAT0, w.COTBOW), 0.0f);
    EXPECT_EQ(ANGFC(3, 0.0f, w.BOWANG, w.BLRAT0, w.COTBOW), 0.0f);
    EXPECT_EQ(ANGFC(4, 0.7f, w.BOWANG, w.BLRAT0, w.COTBOW), 0.0f);
    // Surge is even in the wave direction, sway and yaw odd.
    for (Real a : {0.3f, 1.1f, 2.0f}) {
        EXPECT_FLOAT_EQ(ANGFC(1, a, w.BOWANG, w.BLRAT0, w.COTBOW), ANGFC(1, -a, w.BOWANG, w.BLRAT0, w.COTBOW));
        EXPECT_FLOAT_EQ(ANGFC(2, a, w.BOWANG, w.BLRAT0, w.COTBOW), -ANGFC(2, -a, w.BOWANG, w.BLRAT0, w.COTBOW));
        EXPECT_FLOAT_EQ(ANGFC(3, a, w.BOWANG, w.BLRAT0, w.COTBOW), -ANGFC(3, -a, w.BOWANG, w.BLRAT0, w.COTBOW));
    }
    // Yaw: -(sin^2(b + a) - sin^2(b - a)) / 2 = -sin 2b sin 2a / 2.
    const Real a = 0.4f;
    EXPECT_NEAR(ANGFC(3, a, w.BOWANG, w.BLRAT0, w.COTBOW), -0.5 * std::sin(2.0 * double(w.BOWANG)) * std::sin(2.0 * double(a)), 1e-6);
}

TEST_F(TankerHeadings, HalfTurnSineSquares) {
    EXPECT_EQ(S2LTPI(0.0f), 0.0f);
    EXPECT_EQ(S2LTPI(kPi), 0.0f);
    EXPECT_EQ(S2LTPI(kPi / 2), 1.0f);
    EXPECT_EQ(S2LTPI(-kPi / 2), 0.0f);
    EXPECT_EQ(S2GTPI(-kPi / 2), 1.0f);
    EXPECT_EQ(S2GTPI(kPi / 2), 0.0f);
    EXPECT_EQ(S2GTPI(0.0f), 0.0f);
    EXPECT_FLOAT_EQ(S2LTPI(0.5f), std::sin(0.5f) * std::sin(0.5f));
    EXPECT_FLOAT_EQ(S2GTPI(4.0f), std::sin(4.0f) * std::sin(4.0f));
    EXPECT_NEAR(S2LTPI(0.5f + 2.0f * kPi), S2LTPI(0.5f), 1e-6);
}

TEST_F(TankerHeadings, SectorFilterTakesTheFacingEnds) {
    // Boundaries 0.5 .. 5.4, step 0.7; bow part 2, stern part 6 (half sums 1, 3, 4).
    const Real b[8] = {0.5f, 1.2f, 1.9f, 2.6f, 3.3f, 4.0f, 4.7f, 5.4f};
    auto filta = [&](Real a, Logical swp) { return FILTA(a, 2.0f, 6.0f, b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], swp); };
    struct Case {
        Real a;
        Real unswapped, swapped;
    };
    const Case cases[] = {
        {0.2f, 1, 1}, {0.5f, 1, 1},  // a boundary belongs to the sector below
        {0.8f, 1, 4}, {1.2f, 1, 4}, {1.5f, 4, 4}, {2.2f, 4, 3}, {3.0f, 3, 3},
        {3.6f, 4, 3}, {4.3f, 4, 4}, {5.0f, 1, 4}, {5.8f, 1, 1}, {-0.3f, 1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(filta(c.a, 0), c.unswapped) << "a " << c.a;
        EXPECT_EQ(filta(c.a, 1), c.swapped) << "a " << c.a;
    }
}

TEST_F(TankerHeadings, TankerHeadAndFollowingSeas) {
    // Head seas: the bow facets alone, -sin^2 BOWANG = -0.36 BOWFAC, as the legacy model.
    EXPECT_NEAR(angfc2(1, 0.0f), -0.36 * 1.2, 1e-6);
    // Following seas: the stern facets alone, +sin^2 STRNAN.
    EXPECT_NEAR(angfc2(1, kPi), 0.36 * 2.0, 1e-6);
    EXPECT_NEAR(angfc2(2, 0.0f), 0.0, 1e-6);
    EXPECT_NEAR(angfc2(3, kPi), 0.0, 1e-6);
    EXPECT_EQ(angfc2(5, 1.0f), 0.0f);
    // Surge is even in the direction, sway odd.
    for (Real a : {0.3f, 1.3f, 2.0f, 2.9f}) {
        EXPECT_NEAR(angfc2(1, a), angfc2(1, -a), 1e-6) << a;
        EXPECT_NEAR(angfc2(2, a), -angfc2(2, -a), 1e-6) << a;
    }
}

TEST_F(TankerHeadings, EqualWedgeAnglesLeaveTheSecondSectorEmpty) {
    const Real ang = 0.8f;
    // Just above ANG1 = ANG2 both ends count (third sector), not the bow alone.
    const Real a = ang + 0.01f;
    const Real s2pbow = S2LTPI(a + ang), s2mbow = S2GTPI(a - ang);
    const Real s2psrn = S2LTPI(a - ang), s2msrn = S2GTPI(a + ang);
    const Real both = 0.5f * (-(s2mbow + s2pbow) + (s2msrn + s2psrn));
    EXPECT_FLOAT_EQ(ANGFC2(1, a, ang, ang, 0.45f, 0.45f, 0.16f, 1.0f, 1.0f), both);
    EXPECT_NE(both, 0.5f * -(s2mbow + s2pbow));
    // Exactly on the boundary: the bow alone.
    EXPECT_FLOAT_EQ(ANGFC2(1, ang, ang, ang, 0.45f, 0.45f, 0.16f, 1.0f, 1.0f),
                    0.5f * -(S2GTPI(0.0f) + S2LTPI(2.0f * ang)));
}

TEST_F(TankerHeadings, OpacityPassesLongWavesAndReflectsShortOnes) {
    EXPECT_LT(std::fabs(opacity(1, 1e-4f, 0.0f)), 1e-3);
    EXPECT_LT(std::fabs(opacity(2, 1e-4f, kPi / 2)), 1e-3);
    EXPECT_NEAR(opacity(1, 5.0f, 0.0f), 1.0, 1e-3);
    EXPECT_NEAR(opacity(2, 5.0f, kPi / 2), 1.0, 1e-3);
    EXPECT_LT(std::fabs(opacity(3, 1e-4f, kPi / 4)), 1e-3);
    EXPECT_NEAR(opacity(3, 5.0f, kPi / 4), 1.0, 1e-3);
    // In between it is no longer small.
    EXPECT_GT(opacity(1, 0.01f, 0.0f), 0.1f);
    // Surge is even in the direction.
    for (Real t : {0.2f, 0.9f, 2.5f}) {
        for (Real k : {0.01f, 0.05f, 0.3f}) EXPECT_NEAR(opacity(1, k, t), opacity(1, k, -t), 1e-5) << t << " " << k;
    }
    // Another component leaves the factor untouched.
    EXPECT_EQ(opacity(4, 0.05f, 0.3f), -7.0f);
}

TEST_F(TankerHeadings, OpacityWithoutDraftOrWaveNumberTakesTheLimit) {
    // kT = 0: D1 = D2 = 1. With no wave number the hull lets everything pass.
    EXPECT_EQ(opacity(1, 0.0f, 0.3f), 0.0f);
    EXPECT_EQ(opacity(2, 0.0f, 1.3f), 0.0f);
    EXPECT_NEAR(opacity(3, 0.0f, 0.8f), 0.0, 1e-6);
    Real r = -7.0f;
    OPACITY(r, 0.05f, 0.3f, 250.0f, 40.0f, 0.0f, w.BOWARM, w.STRNRM, w.BOWANG, w.STRNAN, 1);
    EXPECT_TRUE(std::isfinite(r));
    // The limit is continuous with a tiny draft.
    Real tiny = -7.0f;
    OPACITY(tiny, 0.05f, 0.3f, 250.0f, 40.0f, 1e-4f, w.BOWARM, w.STRNRM, w.BOWANG, w.STRNAN, 1);
    EXPECT_NEAR(r, tiny, 1e-3);
}

TEST_F(TankerHeadings, FacetsAreFixedByTheFirstCallOfTheRun) {
    const Real first = opacity(3, 0.05f, 0.6f);
    // Another wedge later in the run: the facets stay those of the first call.
    Real later = 0.0f;
    OPACITY(later, 0.05f, 0.6f, 250.0f, 40.0f, 15.0f, w.BOWARM, w.STRNRM, 1.2f, 0.3f, 3);
    EXPECT_EQ(later, first);
    // A new run takes the other wedge.
    reset_opacity();
    Real fresh = 0.0f;
    OPACITY(fresh, 0.05f, 0.6f, 250.0f, 40.0f, 15.0f, w.BOWARM, w.STRNRM, 1.2f, 0.3f, 3);
    EXPECT_NE(fresh, first);
}

}  // namespace
}  // namespace brevant
