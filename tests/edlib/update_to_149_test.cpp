// The general conversion to the 150-line layout: top block, second vessel and mooring sub-block by
// creator type, the bottom bound, and agreement with the updater's own resize.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <vector>

#include "records/data_image.h"
#include "edlib/data_update.h"
#include "edlib/update_to_149.h"
#include "image_moves.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr Int kMooringWords = 78635;
constexpr Int kOldMooringEnd = 13784;  // where the same data ended in the 50-line layout

class LayoutTo149 : public ::testing::Test {
protected:
    void SetUp() override { reset_images(); }
    void TearDown() override { reset_images(); }

    // Fills words 1..n with distinct values and returns them (index = word).
    std::vector<Int> fill(int n, Int base) {
        std::vector<Int> old(n + 1);
        for (int k = 1; k <= n; ++k) {
            old[k] = base + k;
            set_image_word(TPCM, k, old[k]);
        }
        return old;
    }
};

TEST_F(LayoutTo149, OwnTypeGivesTheWordsOfTheUpdatersResize) {
    // The general routine on a type-16 image against the updater on the same image.
    reset_units();
    capture_unit(SCREEN_UNIT);
    capture_unit(WARN_UNIT);
    auto old = fill(NTOGOQ, 3000000);
    TPCM.SIMTYP = 16;
    TPCM.VERNO = 6.05f;
    TPCM.DAT_ID = 49;
    TPCM.EDUNIT = SCREEN_UNIT;
    old[703] = SCREEN_UNIT;
    const Tpcm start = TPCM;

    Int flag = 0;
    BRVUPD(6.05f, flag);
    const Tpcm by_updater = TPCM;

    for (Int bottom : {NTOGOQ + 1, NTOGOQ + 500, kTpcmWords + 1}) {
        SCOPED_TRACE(bottom);
        TPCM = start;
        UPDATE_TO_149(6.05f, NTOGOQ, 1, bottom);
        for (int k = 1; k <= kTpcmWords; ++k) {
            if (k == 15 || k == 703) continue;  // DAT_ID and the session's unit are the updater's own
            ASSERT_EQ(image_word(TPCM, k), image_word(by_updater, k)) << "word " << k;
        }
    }
    // And both agree with the old shapes of the arrays.
    for (int k = 1; k <= NTOGOQ; ++k)
        if (int p = testing::after_149(k); p && p != 2 && p != 15 && p != 217 && p != 703) {
            ASSERT_EQ(image_word(TPCM, p), old[k]) << "old word " << k;
        }
    reset_units();
}

TEST_F(LayoutTo149, VesselOnlyTypesConvertTheTopBlockOnly) {
    for (Int creator : {1, 4, 11}) {
        SCOPED_TRACE(creator);
        reset_images();
        const Int size = creator == 11 ? NTOGOQ : 1987;
        const auto old = fill(size, 7000000);
        TPCM.SIMTYP = creator;
        UPDATE_TO_149(0.0f, size, 0, size + 1);
        for (int k = 1; k <= size; ++k) {
            if (testing::opened_by_149(k) && k < 2038) {
                ASSERT_EQ(image_word(TPCM, k), 0) << k;
                continue;
            }
            // Positions up to the top block's end as the old shapes give them; nothing past the image.
            int p = k;
            if (k >= 1387) p = k + 601;
            else if (k >= 752) p = k + 600;
            else if (k >= 604) p = k + 300;
            else if (k >= 500) p = k + 200;
            if (p <= size && p != 2) {
                ASSERT_EQ(image_word(TPCM, p), old[k]) << "old word " << k;
            }
        }
        if (creator != 11) {
            EXPECT_EQ(image_word(TPCM, 1988), 0) << "a 1987-word image moves nothing past its end";
            EXPECT_EQ(image_word(TPCM, 1987), old[1387]);
        }
    }
}

TEST_F(LayoutTo149, MooringImageOpensLinesAndSegments) {
    // An old image of type 12: the mooring sub-block of 50 lines of 10 segments.
    const auto old = fill(kOldMooringEnd, 0);
    TPCM.SIMTYP = 12;
    // Old SLEN: 28201 words before it were opened in the top block, second vessel and the mooring
    // arrays in front of it; ten lengths per line.
    const int old_slen = 36082 - 28201;
    for (int L = 1; L <= 50; ++L)
        for (int s = 1; s <= 10; ++s)
            set_image_word(TPCM, old_slen + 10 * (L - 1) + (s - 1),
                           std::bit_cast<Int>(static_cast<Real>(100 * L + s)));
    // Old end markers.
    set_image_word(TPCM, kOldMooringEnd - 1, 777);
    set_image_word(TPCM, kOldMooringEnd, 888);
    // Old SCOMP: line 1's names 1 and 10 (two words each).
    const int old_scomp = 28582 - (601 + 400 + 300 + 20100 + 300);
    set_image_word(TPCM, old_scomp, 0x41414141);
    set_image_word(TPCM, old_scomp + 19, 0x42424242);
    set_image_word(TPCM, old_scomp + 20, 0x43434343);  // line 2, name 1

    UPDATE_TO_149(5.0f, kMooringWords, 1, kMooringWords + 1);

    for (int s = 1; s <= 10; ++s) EXPECT_EQ(TPCM.SLEN(s, 1), static_cast<Real>(100 + s)) << s;
    for (int k = 36092; k <= 36106; ++k) EXPECT_EQ(image_word(TPCM, k), 0) << k;
    EXPECT_EQ(image_word(TPCM, 36107), std::bit_cast<Int>(201.0f));
    for (int L = 1; L <= 150; ++L)
        for (int s = 1; s <= 25; ++s) {
            const Real want = (L <= 50 && s <= 10) ? static_cast<Real>(100 * L + s) : 0.0f;
            ASSERT_EQ(TPCM.SLEN(s, L), want) << "line " << L << " segment " << s;
        }
    EXPECT_EQ(TPCM.MORCOM_LAST0, 777);
    EXPECT_EQ(TPCM.MORCOM_LAST, 888);
    EXPECT_EQ(TPCM.ISCOMP(1), 0x41414141);
    EXPECT_EQ(TPCM.ISCOMP(20), 0x42424242);
    EXPECT_EQ(TPCM.ISCOMP(21), 0);
    EXPECT_EQ(TPCM.ISCOMP(51), 0x43434343) << "line 2 starts 25 names on";
    // Opened room of every other per-line and per-segment array is zero.
    for (int L = 51; L <= 150; ++L) {
        ASSERT_EQ(TPCM.NLINE(L), 0);
        ASSERT_EQ(TPCM.ANCTYP(L), 0);
        ASSERT_EQ(TPCM.HTENS(L), 0.0f);
        ASSERT_EQ(TPCM.BOTFRC(L), 0.0f);
        for (int s = 1; s <= 25; ++s) {
            ASSERT_EQ(TPCM.COFMST(s, L), 0.0f);
            ASSERT_EQ(TPCM.MOORDUMMY(s, L), 0.0f);
            ASSERT_EQ(TPCM.ALPHA(3, s, L), 0.0f);
        }
    }
    for (int r = 52; r <= 151; ++r) ASSERT_EQ(TPCM.LINTYP(r, 7), 0) << r;
    for (int k = 18; k <= 217; ++k) ASSERT_EQ(TPCM.DUMCOM(k), 0) << k;
    for (int k = 10; k <= 109; ++k) ASSERT_EQ(TPCM.IDUM0(k), 0) << k;
    // Every old word not opened keeps its value somewhere: the counts of the arrays that stay
    // (9 IDUM0 words, 51 rows of each old line) are carried through.
    EXPECT_EQ(TPCM.IDUM0(9), old[5018 - 1001 + 8]);
    EXPECT_EQ(TPCM.LINTYP(51, 50), old[5427 - 1001 - 300 + 51 * 50 - 1]);
}

TEST_F(LayoutTo149, TheBottomBoundCutsEachBlocksTail) {
    const auto old = fill(NTOGOQ, 9000000);
    TPCM.SIMTYP = 16;
    const Int bottom = 3000;
    const Int beyond = 123;
    set_image_word(TPCM, 3000, beyond);
    set_image_word(TPCM, 4000, beyond);
    UPDATE_TO_149(0.0f, NTOGOQ, 1, bottom);
    EXPECT_EQ(image_word(TPCM, 3000), beyond) << "no move writes at the bottom bound";
    EXPECT_EQ(image_word(TPCM, 4000), beyond);
    // Below the bound the words stand where the full conversion puts them.
    for (int k = 1; k <= NTOGOQ; ++k)
        if (int p = testing::after_149(k); p && p < bottom && p != 2 && !testing::opened_by_149(p)) {
            ASSERT_EQ(image_word(TPCM, p), old[k]) << "old word " << k;
        }
}

}  // namespace
}  // namespace brevant
