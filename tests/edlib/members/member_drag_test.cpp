// Default drag coefficients of a member from its end types.
#include <gtest/gtest.h>

#include "records/data_image.h"
#include "edlib/members/member_drag.h"
#include "edlib/members/member_table.h"

namespace brevant {
namespace {

TEST(MemberDrag, DefaultsFollowTheEndTypes) {
    struct Case {
        Int bottom, top;
        Real axial_drag;
    };
    const Case cases[] = {
        {END_FREE, END_FREE, 1.0f},         {END_FREE, END_PIERCING, 1.0f}, {END_WALL, END_FREE, 1.0f},
        {END_WALL, END_WALL, 0.0f},         {END_PIERCING, END_WALL, 0.0f}, {END_PIERCING, END_PIERCING, 0.0f},
    };
    for (const Case& c : cases) {
        reset_images();
        const Int ICYL = 7;
        TPCM.BOTTYP(ICYL) = c.bottom;
        TPCM.TOPTYP(ICYL) = c.top;
        // Earlier typed values are overwritten, every one of the six.
        TPCM.CYLCD(1, ICYL) = TPCM.CYLCD(2, ICYL) = TPCM.CYLCD(3, ICYL) = 3.0f;
        TPCM.CYLCDI(1, ICYL) = TPCM.CYLCDI(2, ICYL) = TPCM.CYLCDI(3, ICYL) = 3.0f;
        DGCALC(ICYL);
        SCOPED_TRACE(::testing::Message() << "ends " << c.bottom << "," << c.top);
        EXPECT_EQ(TPCM.CYLCD(1, ICYL), 1.0f);
        EXPECT_EQ(TPCM.CYLCD(2, ICYL), 1.0f);
        EXPECT_EQ(TPCM.CYLCD(3, ICYL), c.axial_drag);
        EXPECT_EQ(TPCM.CYLCDI(1, ICYL), 1.0f);
        EXPECT_EQ(TPCM.CYLCDI(2, ICYL), 1.0f);
        EXPECT_EQ(TPCM.CYLCDI(3, ICYL), 0.0f);
        // The neighbours are untouched.
        EXPECT_EQ(TPCM.CYLCD(3, ICYL - 1), 0.0f);
        EXPECT_EQ(TPCM.CYLCD(1, ICYL + 1), 0.0f);
    }
    reset_images();
}

TEST(MemberDrag, AMemberNumberWithoutStorageChangesNothing) {
    reset_images();
    DGCALC(51);
    DGCALC(0);
    EXPECT_EQ(TPCM.CYLCD(1, 50), 0.0f);
    EXPECT_EQ(TPCM.CYLCDI(3, 50), 0.0f);
    EXPECT_EQ(TPCM.CCOFMX, 0.0f);
}

}  // namespace
}  // namespace brevant
