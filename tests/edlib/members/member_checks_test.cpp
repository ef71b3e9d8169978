// Checks of one member: length against its Mz dimension, position against the waterline, the axis
// class, and the added-mass computation it starts.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "records/data_image.h"
#include "edlib/members/member_checks.h"
#include "edlib/members/member_table.h"
#include "numeric/member_added_mass.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;

constexpr Int M = 12;

struct Flags {
    Int WARNEM = 5, FWARN = 5, WRNFLG = 5, PRCFLG = 0;
};

class MemberChecksTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.DRAFT = 20.0f;
        TPCM.NCYL = M;
        ends(END_FREE, END_FREE);
        // Wholly submerged, vertical, of the right length.
        member({0, 0, 2}, {0, 0, 12}, 10.0f);
    }
    void TearDown() override {
        reset_images();
        ConsoleTest::TearDown();
    }
    static void member(std::array<Real, 3> base, std::array<Real, 3> top, Real mz) {
        for (int j = 1; j <= 3; ++j) {
            TPCM.RCYLB(j, M) = base[j - 1];
            TPCM.RCYLT(j, M) = top[j - 1];
        }
        TPCM.DIAMS(1, M) = 1.0f;
        TPCM.DIAMS(2, M) = 1.0f;
        TPCM.DIAMS(3, M) = mz;
    }
    static void ends(Int bottom, Int top) {
        TPCM.BOTTYP(M) = bottom;
        TPCM.TOPTYP(M) = top;
    }
    static Flags check(Int prcflg = 0, Int icyl = M) {
        Flags f;
        f.PRCFLG = prcflg;
        CHKPAK(icyl, f.WARNEM, f.FWARN, f.WRNFLG, f.PRCFLG);
        return f;
    }
};

TEST_F(MemberChecksTest, MemberBeyondTheCountIsNotLookedAt) {
    TPCM.NCYL = M - 1;
    TPCM.MEMDIR(M) = 2;
    member({0, 0, 30}, {0, 0, 10}, 1.0f);  // every finding there is, were it checked
    for (Int prc : {0, 1}) {
        const Flags f = check(prc);
        EXPECT_EQ(f.WARNEM, 0);
        EXPECT_EQ(f.FWARN, 0);
        EXPECT_EQ(f.WRNFLG, 0);
        EXPECT_EQ(f.PRCFLG, prc);
    }
    EXPECT_EQ(TPCM.MEMDIR(M), 2);
    EXPECT_EQ(screen(), "");
    // Beyond the storage too, whatever NCYL holds.
    TPCM.NCYL = 60;
    const Flags f = check(0, 51);
    EXPECT_EQ(f.WARNEM, 0);
    EXPECT_EQ(screen(), "");
}

TEST_F(MemberChecksTest, SubmergedMemberOfTheRightLengthPasses) {
    const Flags f = check();
    EXPECT_EQ(f.WARNEM, 0);
    EXPECT_EQ(f.FWARN, 0);
    EXPECT_EQ(f.WRNFLG, 0);
    EXPECT_EQ(f.PRCFLG, 0);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(TPCM.MEMDIR(M), AXIS_VZ);
}

TEST_F(MemberChecksTest, LengthAgainstTheMzDimension) {
    struct Case {
        Real mz;
        bool warned;
    };
    const Case cases[] = {{10.0f, false}, {10.05f, false}, {9.95f, false}, {10.2f, true}, {9.8f, true}, {0.0f, true}};
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.DIAMS(3, M) = c.mz;
        const Flags f = check();
        EXPECT_EQ(f.WARNEM, c.warned ? 1 : 0) << c.mz;
        EXPECT_EQ(f.WRNFLG, c.warned ? 1 : 0) << c.mz;
        EXPECT_EQ(f.FWARN, 0) << c.mz;
        const char* expected = "\n ++> Warning: Mz-dimension inconsistent with top/base locations for member 12\n";
        EXPECT_EQ(screen(), c.warned ? expected : "") << c.mz;
    }
}

TEST_F(MemberChecksTest, MemberAboveTheWaterIsDryButNotFatal) {
    member({0, 0, 25}, {0, 0, 35}, 10.0f);
    const Flags f = check();
    EXPECT_EQ(f.WARNEM, 1);
    EXPECT_EQ(f.WRNFLG, 1);
    EXPECT_EQ(f.FWARN, 0);
    EXPECT_EQ(f.PRCFLG, 0);
    EXPECT_EQ(screen(), "\n ++> Warning: Member number 12 is completely dry!\n");
}

TEST_F(MemberChecksTest, ColumnThroughTheWaterline) {
    // From 5 below to 5 above the waterline: it pierces the surface with 5 of it wetted.
    member({0, 0, 15}, {0, 0, 25}, 10.0f);
    Real MEMVEC[3], DIRVEC[3];
    Real MEMLEN = 0, WETLEN = 0, TILTFC = 0;
    Int PIERCE = 7;
    WPCHEK(&TPCM.RCYLB(1, M), &TPCM.RCYLT(1, M), TPCM.DRAFT, MEMVEC, DIRVEC, MEMLEN, WETLEN, TILTFC, PIERCE);
    EXPECT_EQ(PIERCE, 1);
    EXPECT_FLOAT_EQ(WETLEN, 5.0f);

    struct Case {
        Int bottom, top;
        bool warned;
    };
    const Case cases[] = {{END_FREE, END_PIERCING, false}, {END_PIERCING, END_WALL, false},
                          {END_FREE, END_FREE, true},      {END_WALL, END_FREE, true},
                          {END_WALL, END_WALL, true}};
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        ends(c.bottom, c.top);
        const Flags f = check();
        EXPECT_EQ(f.PRCFLG, 1);
        EXPECT_EQ(f.FWARN, 0);
        EXPECT_EQ(f.WARNEM, c.warned ? 1 : 0);
        EXPECT_EQ(screen(), c.warned ? "\n ++> Warning: Member number 12 top/bottom types should be checked!\n" : "");
    }
}

TEST_F(MemberChecksTest, TopBelowTheBaseIsFatalWhereverItLies) {
    for (Real z : {5.0f, 18.0f, 30.0f}) {
        clear_captured(SCREEN_UNIT);
        member({0, 0, z + 10}, {0, 0, z}, 10.0f);
        const Flags f = check();
        EXPECT_EQ(f.WARNEM, 1) << z;
        EXPECT_EQ(f.FWARN, 1) << z;
        EXPECT_EQ(f.WRNFLG, 1) << z;
        EXPECT_EQ(f.PRCFLG, 1) << z;
        EXPECT_EQ(screen(), "\n ++> Fatal Warning: Top of member 12 is below the base!\n") << z;
    }
}

TEST_F(MemberChecksTest, TheLastSlotIsChecked) {
    // Member 50, the last the table holds, with its top below its base.
    TPCM.NCYL = kMemberCapacity;
    for (int j = 1; j <= 3; ++j) TPCM.DIAMS(j, kMemberCapacity) = TPCM.DIAMS(j, M);
    TPCM.RCYLB(3, kMemberCapacity) = 12.0f;
    TPCM.RCYLT(3, kMemberCapacity) = 2.0f;
    const Flags f = check(0, kMemberCapacity);
    EXPECT_EQ(f.WARNEM, 1);
    EXPECT_EQ(f.FWARN, 1);
    EXPECT_EQ(f.WRNFLG, 1);
    EXPECT_EQ(screen(), "\n ++> Fatal Warning: Top of member 50 is below the base!\n");
}

TEST_F(MemberChecksTest, LengthMessageComesFirst) {
    member({0, 0, 25}, {0, 0, 35}, 20.0f);
    check();
    EXPECT_EQ(screen(),
              "\n ++> Warning: Mz-dimension inconsistent with top/base locations for member 12\n"
              "\n ++> Warning: Member number 12 is completely dry!\n");
}

TEST_F(MemberChecksTest, AxisClass) {
    struct Case {
        std::array<Real, 3> top;
        Int axis;
    };
    const Real c99 = 0.99f, s99 = std::sqrt(1.0f - 0.99f * 0.99f);
    const Case cases[] = {
        {{10, 0, 2}, AXIS_VX},           {{0, -10, 2}, AXIS_VY},
        {{0, 0, 12}, AXIS_VZ},           {{7.0710678f, 0, 9.0710678f}, AXIS_INCLINED},
        {{10 * c99, 10 * s99, 2}, AXIS_VX}, {{0, 0, 2}, AXIS_INCLINED},
    };
    for (const Case& c : cases) {
        member({0, 0, 2}, c.top, 10.0f);
        check();
        EXPECT_EQ(TPCM.MEMDIR(M), c.axis) << c.top[0] << " " << c.top[1] << " " << c.top[2];
    }
    // Another kind of member keeps what it has.
    TPCM.MEMTYP(M) = 1;
    TPCM.MEMDIR(M) = 2;
    member({0, 0, 2}, {0, 0, 12}, 10.0f);
    check();
    EXPECT_EQ(TPCM.MEMDIR(M), 2);
}

TEST_F(MemberChecksTest, ComputedCoefficientsAreComputedHere) {
    TPCM.MASCMP(M) = MASS_DEEP_WATER;
    TPCM.NCYLTP(M) = SECTION_ELLIPTIC;
    Flags f = check();
    EXPECT_EQ(f.WARNEM, 0);
    EXPECT_GT(TPCM.CYLCM(1, M), 0.9f);  // a 1 x 1 x 10 spheroid

    // Incomplete data: the computation's message makes a warning, not a fatal one.
    TPCM.DIAMS(1, M) = 0.0f;
    f = check();
    EXPECT_EQ(f.WARNEM, 1);
    EXPECT_EQ(f.WRNFLG, 1);
    EXPECT_EQ(f.FWARN, 0);
    EXPECT_EQ(TPCM.MASCMP(M), MASS_USER);
}

TEST_F(MemberChecksTest, FailedSurfaceCorrectionIsAFatalFinding) {
    TPCM.DRAFT = 3.0e38f;
    member({0, 0, 0}, {20, 0, 0}, 20.0f);
    TPCM.XAREA(M) = 0.7853982f;
    TPCM.NCYLTP(M) = SECTION_ELLIPTIC;
    TPCM.MASCMP(M) = MASS_SURFACE;
    answers("\n");
    Flags f;
    EXPECT_NO_THROW(f = check());
    EXPECT_EQ(f.FWARN, 1);
    EXPECT_EQ(f.WARNEM, 1);
    EXPECT_EQ(f.WRNFLG, 1);
}

}  // namespace
}  // namespace brevant
