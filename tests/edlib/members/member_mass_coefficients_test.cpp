// Added-mass and added-moment coefficients of a member, checked against the closed forms of the
// sphere, the prolate spheroid and the two-dimensional ellipse, and the fallbacks of the option.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "records/data_image.h"
#include "edlib/members/member_mass_coefficients.h"
#include "edlib/members/member_table.h"
#include "edlib/members/surface_correction.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;

constexpr Int M = 4;  // the member under test

class MemberMassTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.DRAFT = 20.0f;
        TPCM.VESTYP = 3;
        TPCM.NCYL = 10;
        member({0, 0, 2}, {0, 0, 12}, {1, 1, 10});
        TPCM.NCYLTP(M) = SECTION_ELLIPTIC;
        TPCM.MASCMP(M) = MASS_DEEP_WATER;
        TPCM.XAREA(M) = 0.7853982f;
    }
    void TearDown() override {
        reset_images();
        ConsoleTest::TearDown();
    }
    static void member(std::array<Real, 3> base, std::array<Real, 3> top, std::array<Real, 3> dims) {
        for (int j = 1; j <= 3; ++j) {
            TPCM.RCYLB(j, M) = base[j - 1];
            TPCM.RCYLT(j, M) = top[j - 1];
            TPCM.DIAMS(j, M) = dims[j - 1];
        }
    }
    static void ends(Int bottom, Int top) {
        TPCM.BOTTYP(M) = bottom;
        TPCM.TOPTYP(M) = top;
    }
    Int run() {
        Int WRNFLG = 0;
        Int IFAIL = -1;
        MSCALC(M, WRNFLG, IFAIL);
        EXPECT_EQ(IFAIL, 0);
        return WRNFLG;
    }
    static Real cm(int j) { return TPCM.CYLCM(j, M); }
    static Real cmi(int j) { return TPCM.CYLCMI(j, M); }
};

// Lamb's coefficients of a prolate spheroid of axis ratio r (length over diameter): along the axis,
// across it, and for rotation about a transverse axis.
struct Spheroid {
    double axial, lateral, rotation;
};
Spheroid prolate(double r) {
    const double e = std::sqrt(1.0 - 1.0 / (r * r));
    const double L = std::log((1.0 + e) / (1.0 - e));
    const double a0 = 2.0 * (1.0 - e * e) / (e * e * e) * (0.5 * L - e);
    const double b0 = 1.0 / (e * e) - (1.0 - e * e) / (2.0 * e * e * e) * L;
    const double e2 = e * e;
    const double rot = e2 * e2 * (b0 - a0) / ((2.0 - e2) * (2.0 * e2 - (2.0 - e2) * (b0 - a0)));
    return {a0 / (2.0 - a0), b0 / (2.0 - b0), rot};
}

TEST_F(MemberMassTest, SubmergedSphereHasHalfItsVolumeAndNoMoment) {
    member({0, 0, 2}, {0, 0, 4}, {2, 2, 2});
    ends(END_FREE, END_FREE);
    EXPECT_EQ(run(), 0);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_NEAR(cm(j), 0.5f, 1e-4f) << j;
        EXPECT_NEAR(cmi(j), 0.0f, 1e-6f) << j;
    }
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(TPCM.MASCMP(M), MASS_DEEP_WATER);
}

TEST_F(MemberMassTest, SlenderFreeMemberIsAProlateSpheroid) {
    ends(END_FREE, END_FREE);
    run();
    const Spheroid s = prolate(10.0);
    EXPECT_NEAR(cm(1), s.lateral, 2e-3);
    EXPECT_NEAR(cm(2), s.lateral, 2e-3);
    EXPECT_NEAR(cm(3), s.axial, 5e-4);
    EXPECT_NEAR(cm(1), 0.96f, 0.005f);
    EXPECT_NEAR(cm(3), 0.021f, 0.0005f);
    EXPECT_NEAR(cmi(1), s.rotation, 5e-3);
    EXPECT_NEAR(cmi(2), s.rotation, 5e-3);
    EXPECT_NEAR(cmi(3), 0.0f, 1e-6f);
}

TEST_F(MemberMassTest, WallImageDoublesTheLength) {
    // A member on a wall: the ellipsoid of twice its length.
    member({0, 0, 2}, {0, 0, 7}, {1, 1, 5});
    ends(END_WALL, END_FREE);
    run();
    const Spheroid s = prolate(10.0);
    EXPECT_NEAR(cm(1), s.lateral, 2e-3);
    EXPECT_NEAR(cm(3), s.axial, 5e-4);  // submerged: EFF_DIA is 0, no column term
}

TEST_F(MemberMassTest, BothEndsClosedGiveTheTwoDimensionalEllipse) {
    member({0, 0, 2}, {10, 0, 2}, {2, 3, 10});
    ends(END_WALL, END_PIERCING);
    run();
    EXPECT_FLOAT_EQ(cm(1), 1.5f);  // D2 / D1
    EXPECT_FLOAT_EQ(cm(2), 2.0f / 3.0f);
    EXPECT_EQ(cm(3), 0.0f);
    EXPECT_FLOAT_EQ(cmi(1), 2.0f / 3.0f);
    EXPECT_FLOAT_EQ(cmi(2), 1.5f);
    // Ellipse of semi-axes a, b turning in its plane: (a^2 - b^2)^2 / (2 a b (a^2 + b^2)).
    const double a = 1.0, b = 1.5;
    EXPECT_NEAR(cmi(3), (a * a - b * b) * (a * a - b * b) / (2 * a * b * (a * a + b * b)), 1e-6);

    member({0, 0, 2}, {10, 0, 2}, {2, 2, 10});
    run();
    EXPECT_EQ(cmi(3), 0.0f);
}

TEST_F(MemberMassTest, SectionShapeFactors) {
    member({0, 0, 2}, {10, 0, 2}, {2, 2, 10});
    ends(END_WALL, END_WALL);
    TPCM.NCYLTP(M) = SECTION_RECTANGULAR;
    run();
    EXPECT_FLOAT_EQ(cm(1), 1.215488f);
    EXPECT_FLOAT_EQ(cm(2), 1.215488f);
    EXPECT_FLOAT_EQ(cmi(1), 1.215488f);
    EXPECT_EQ(cm(3), 0.0f);

    TPCM.NCYLTP(M) = SECTION_INTERMEDIATE;
    run();
    EXPECT_FLOAT_EQ(cm(1), (1.215488f + 1.0f) * 0.5f);

    // Unequal sides: RECTCM of the other side over this one.
    member({0, 0, 2}, {10, 0, 2}, {2, 4, 10});
    TPCM.NCYLTP(M) = SECTION_RECTANGULAR;
    run();
    EXPECT_FLOAT_EQ(cm(1), 2.0f * 1.215488f * std::pow(2.0f, -0.14883f));
    EXPECT_FLOAT_EQ(cm(2), 0.5f * 1.215488f * std::pow(0.5f, -0.14883f));
}

TEST_F(MemberMassTest, ColumnThroughTheWaterline) {
    // Base free 20 below the waterline, top water-piercing above it; diameter 4.
    member({0, 0, 0}, {0, 0, 30}, {4, 4, 30});
    ends(END_FREE, END_PIERCING);
    TPCM.XAREA(M) = 3.1415927f * 4.0f;
    run();
    EXPECT_GE(cm(3), 0.849f * 4.0f / 20.0f);
    // The wetted length, not the whole length, makes the ellipsoid: 4 x 4 x 40 with the image.
    const Spheroid s = prolate(10.0);
    EXPECT_NEAR(cm(1), s.lateral, 2e-3);

    // A tension leg platform adds the monopole term to the ellipsoid instead.
    TPCM.VESTYP = 5;
    run();
    EXPECT_NEAR(cm(3), s.axial + 0.125 * 4.0 / 20.0, 1e-3);
}

TEST_F(MemberMassTest, IncompleteDataFallBackToUserValues) {
    struct Case {
        const char* what;
        void (*set)();
    };
    const Case cases[] = {
        {"zero Mx", [] { TPCM.DIAMS(1, M) = 0.0f; }},
        {"negative Mz", [] { TPCM.DIAMS(3, M) = -10.0f; }},
        {"NaN My", [] { TPCM.DIAMS(2, M) = std::numeric_limits<Real>::quiet_NaN(); }},
        {"top on base", [] { TPCM.RCYLT(3, M) = TPCM.RCYLB(3, M); }},
        {"no area for the surface correction",
         [] {
             TPCM.XAREA(M) = 0.0f;
             TPCM.MASCMP(M) = MASS_SURFACE;
         }},
        {"no area for a column", [] {
             TPCM.XAREA(M) = 0.0f;
             TPCM.RCYLT(3, M) = 30.0f;
         }},
        {"end type 3", [] { TPCM.TOPTYP(M) = 3; }},
        {"profile 5", [] { TPCM.NCYLTP(M) = 5; }},
    };
    for (const Case& c : cases) {
        SetUp();
        c.set();
        for (int j = 1; j <= 3; ++j) TPCM.CYLCM(j, M) = TPCM.CYLCMI(j, M) = 9.0f;
        EXPECT_EQ(run(), 1) << c.what;
        EXPECT_EQ(TPCM.MASCMP(M), MASS_USER) << c.what;
        for (int j = 1; j <= 3; ++j) {
            EXPECT_EQ(cm(j), 9.0f) << c.what;
            EXPECT_EQ(cmi(j), 9.0f) << c.what;
        }
        EXPECT_EQ(screen(),
                  "\n"
                  " ++> All member dimension data and member endpoint data must be\n"
                  "     specified before mass/damping coefficients can be computed.\n"
                  "     Check for missing or incorrect data...\n")
            << c.what;
    }
}

TEST_F(MemberMassTest, NoDivisionByZeroForSparAndTlpMembersAwayFromTheSurface) {
    ends(END_FREE, END_WALL);
    for (Int hull : {5, 6}) {
        TPCM.VESTYP = hull;
        // Submerged (no waterplane diameter), then wholly above the water (no wetted length).
        for (Real z : {2.0f, 25.0f}) {
            member({0, 0, z}, {0, 0, z + 10}, {1, 1, 10});
            run();
            for (int j = 1; j <= 3; ++j) {
                EXPECT_TRUE(std::isfinite(cm(j))) << hull << " " << z << " " << j;
                EXPECT_TRUE(std::isfinite(cmi(j))) << hull << " " << z << " " << j;
            }
            EXPECT_NEAR(cm(3), prolate(20.0).axial, 5e-4);
        }
    }
}

TEST_F(MemberMassTest, SurfaceCorrectionOfAHorizontalMember) {
    // Circular section of diameter 2 with its centre 10 below the waterline: parameter 20.
    member({0, 0, 10}, {20, 0, 10}, {2, 2, 20});
    ends(END_FREE, END_FREE);
    TPCM.XAREA(M) = 3.1415927f;
    run();
    const Real deep[6] = {cm(1), cm(2), cm(3), cmi(1), cmi(2), cmi(3)};
    TPCM.MASCMP(M) = MASS_SURFACE;
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(TPCM.MASCMP(M), MASS_SURFACE);
    EXPECT_NEAR(cm(1) / deep[0], 1.005f, 0.0005f);
    EXPECT_NEAR(cmi(2) / deep[4], 1.005f, 0.0005f);
    EXPECT_EQ(cm(2), deep[1]);
    EXPECT_EQ(cm(3), deep[2]);
    EXPECT_EQ(cmi(1), deep[3]);
    EXPECT_EQ(cmi(3), deep[5]);
    EXPECT_FLOAT_EQ(TEMPCM.DCNTR, 20.0f);
    EXPECT_FLOAT_EQ(TEMPCM.BOVRA, 1.0f);
}

TEST_F(MemberMassTest, VerticalMemberGetsNoSurfaceCorrection) {
    ends(END_FREE, END_FREE);
    run();
    const Real deep1 = cm(1);
    TPCM.MASCMP(M) = MASS_SURFACE;
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(TPCM.MASCMP(M), MASS_DEEP_WATER);
    EXPECT_EQ(cm(1), deep1);
    EXPECT_EQ(screen(),
              "\n"
              " ++> Member  4 is perfectly vertical; no surface\n"
              " proximity correction applies...\n");
}

TEST_F(MemberMassTest, TiltedMemberAsksBeforeTheSurfaceCorrection) {
    member({0, 0, 9}, {20, 0, 11}, {2, 2, 20.1f});
    ends(END_FREE, END_FREE);
    TPCM.XAREA(M) = 3.1415927f;
    run();
    const Real deep1 = cm(1);

    answers("A\n");
    TPCM.MASCMP(M) = MASS_SURFACE;
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(TPCM.MASCMP(M), MASS_DEEP_WATER);
    EXPECT_EQ(cm(1), deep1);
    EXPECT_NE(screen().find(" ++> Member  4 is not perfectly horizontal; the surface\n"
                            "     proximity correction applies rigorously only to horizontal\n"
                            "     members.  Proceed with caution or enter \"A\" at the \n"
                            "     \"Press Return\" prompt to abort surface correction\n"),
              std::string::npos);

    answers("\n");
    TPCM.MASCMP(M) = MASS_SURFACE;
    run();
    EXPECT_EQ(TPCM.MASCMP(M), MASS_SURFACE);
    EXPECT_NEAR(cm(1) / deep1, 1.005f, 0.001f);
}

TEST_F(MemberMassTest, FailedSurfaceCorrectionReportsTheMemberAndKeepsTheSession) {
    // So deep that the centre draft parameter overflows: the map search has no bracket.
    TPCM.DRAFT = 3.0e38f;
    member({0, 0, 0}, {20, 0, 0}, {1, 1, 20});
    ends(END_FREE, END_FREE);
    TPCM.MASCMP(M) = MASS_SURFACE;
    answers("\n");
    Int WRNFLG = 0;
    Int IFAIL = 0;
    EXPECT_NO_THROW(MSCALC(M, WRNFLG, IFAIL));
    EXPECT_EQ(IFAIL, 1);
    EXPECT_EQ(WRNFLG, 1);
    EXPECT_EQ(TPCM.MASCMP(M), MASS_DEEP_WATER);
    EXPECT_TRUE(std::isfinite(cm(1)));
    EXPECT_NE(screen().find(" ++> SRFCOR:RTMI1 - Root not found within initial bounds; contact Velmora.\n"),
              std::string::npos);
    EXPECT_NE(screen().find("\n ++> Fatal Warning: No surface proximity correction for member  4;\n"
                            "     its deep water added mass coefficients are kept.\n"),
              std::string::npos);
}

}  // namespace
}  // namespace brevant
