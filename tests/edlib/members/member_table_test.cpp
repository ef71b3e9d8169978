// The member table sits in the data image at its words, three consecutive words to a member.
#include <gtest/gtest.h>

#include "records/data_image.h"
#include "edlib/members/member_table.h"

namespace brevant {
namespace {

class MemberTableTest : public ::testing::Test {
protected:
    void SetUp() override { reset_images(); }
    void TearDown() override { reset_images(); }
};

TEST_F(MemberTableTest, ThreeValuesOfAMemberAreConsecutiveWords) {
    // Member 3, z of the base: word 3676 + 3 * 2 + 2.
    TPCM.RCYLB(3, 3) = 7.5f;
    Int expected = 0;
    const Real v = 7.5f;
    std::memcpy(&expected, &v, 4);
    EXPECT_EQ(TPCM.IDUM(3676 + 3 * 2 + 2), expected);
    const Real* triple = member_triple(TPCM.RCYLB, 3);
    EXPECT_EQ(triple[2], 7.5f);
    EXPECT_EQ(&triple[0], &TPCM.RCYLB(1, 3));
}

TEST_F(MemberTableTest, PerMemberWordsFollowTheLayout) {
    struct Case {
        const char* name;
        Int* word;
        int number;
    };
    // Member 50 of each per-member integer array and the last member of each triple array.
    const Case cases[] = {
        {"BOTTYP", &TPCM.BOTTYP(50), 3357}, {"TOPTYP", &TPCM.TOPTYP(50), 3407}, {"MEMDIR", &TPCM.MEMDIR(50), 3457},
        {"MEMTYP", &TPCM.MEMTYP(50), 3507}, {"NCYLTP", &TPCM.NCYLTP(50), 3557}, {"MASCMP", &TPCM.MASCMP(50), 3607},
        {"DRGCMP", &TPCM.DRGCMP(50), 3657}, {"NMEM", &TPCM.NMEM, 3658},         {"NCYL", &TPCM.NCYL, 3661},
        {"MAXCYL", &TPCM.MAXCYL, 3663},     {"NOWARN", &TPCM.NOWARN, 144},
    };
    for (const Case& c : cases) {
        reset_images();
        *c.word = 12345;
        EXPECT_EQ(TPCM.IDUM(c.number), 12345) << c.name;
    }
    struct RealCase {
        const char* name;
        Real* word;
        int number;
    };
    const RealCase reals[] = {
        {"RCYLT", &TPCM.RCYLT(3, 50), 3975}, {"XAREA", &TPCM.XAREA(50), 4025},   {"DIAMS", &TPCM.DIAMS(3, 50), 4175},
        {"CYLCM", &TPCM.CYLCM(3, 50), 4325}, {"CYLCMI", &TPCM.CYLCMI(3, 50), 4475}, {"CYLCD", &TPCM.CYLCD(3, 50), 4625},
        {"CYLCDI", &TPCM.CYLCDI(3, 50), 4775}, {"CCOFDX", &TPCM.CCOFDX, 3669},   {"CCOFDZ", &TPCM.CCOFDZ, 3671},
    };
    for (const RealCase& c : reals) {
        reset_images();
        *c.word = 2.0f;
        EXPECT_EQ(TPCM.IDUM(c.number), 0x40000000) << c.name;
    }
}

TEST(MemberTableCapacity, OnlyMembersOneToFiftyHaveStorage) {
    EXPECT_FALSE(member_has_storage(0));
    EXPECT_TRUE(member_has_storage(1));
    EXPECT_TRUE(member_has_storage(50));
    EXPECT_FALSE(member_has_storage(51));
}

}  // namespace
}  // namespace brevant
