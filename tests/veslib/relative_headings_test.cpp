// The relative wave headings: the merge test LOGFIL, and LOADN's list and index tables for regular
// waves, free and locked swells, long-crested and spread seas, its debug record and its capacity.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "test_support.h"
#include "veslib/relative_headings.h"

namespace brevant {
namespace {

class RelativeHeadings : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_wavcom();
        reset_himem();
        TPCM.EDUNIT = 6;
    }
    void TearDown() override {
        reset_tpcm();
        reset_wavcom();
        reset_himem();
        ConsoleTest::TearDown();
    }
};

// A direction in [0, 360), worked out here rather than by the program's own reduction.
float wrap(float a) {
    float r = std::fmod(a, 360.0f);
    return r < 0.0f ? r + 360.0f : r;
}

// What every built list must satisfy: the entries lie in [0, 360), and each source (its direction and
// the index it was given) lies within 0.05 degrees of the entry it points to, without wrapping.
void expect_sound_list(const std::vector<std::pair<float, Int>>& sources) {
    const Int NRAO = WAVCOM.NRAO;
    ASSERT_GE(NRAO, 0);
    ASSERT_LE(NRAO, static_cast<Int>(sources.size()));
    for (Int k = 1; k <= NRAO; ++k) {
        EXPECT_GE(HIMEM.RAOANG(k), 0.0f) << k;
        EXPECT_LT(HIMEM.RAOANG(k), 360.0f) << k;
    }
    for (const auto& [direction, index] : sources) {
        SCOPED_TRACE(direction);
        ASSERT_GE(index, 1);
        ASSERT_LE(index, NRAO);
        EXPECT_LT(std::fabs(wrap(direction) - HIMEM.RAOANG(index)), 0.05f);
    }
}

TEST(HeadingMerge, LogfilFindsTheLastEntryWithinAFewHundredthsOfADegree) {
    struct Case {
        const char* what;
        std::vector<float> list;
        float heading;
        Int match;
    };
    const Case cases[] = {
        {"no wrap at 360", {359.98f}, 0.01f, 0},
        {"just inside", {10.0f}, 10.04f, 1},
        {"the bound itself is outside", {10.0f}, 10.05f, 0},
        {"below as above", {10.0f}, 9.96f, 1},
        {"the largest index wins", {30.0f, 30.0f, 45.0f}, 30.02f, 2},
        {"no entry", {}, 30.0f, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Int MATCH = -1;
        LOGFIL(MATCH, c.heading, c.list.data(), static_cast<Int>(c.list.size()));
        EXPECT_EQ(MATCH, c.match);
    }
    const float one[] = {30.0f};
    Int MATCH = -1;
    LOGFIL(MATCH, 30.0f, one, -3);
    EXPECT_EQ(MATCH, 0);
}

TEST_F(RelativeHeadings, LockedSwellsAndALongCrestedSea) {
    TPCM.NDIR = 1;
    TPCM.WAVHDG(1) = 0.0f;
    TPCM.LSWELL = 1;
    TPCM.LSWLOK = 1;
    TPCM.SWLHDG = 20.0f;
    TPCM.LSWEL2 = 1;
    TPCM.SWLHDG2 = -20.0f;
    TPCM.LRANDM = 1;
    WAVCOM.LEXP = 0;
    TPCM.NSEAHG = 2;
    TPCM.SEAHDG(1) = 0.0f;
    TPCM.SEAHDG(2) = 340.0f;
    WAVCOM.ISWELL = 9;  // left over from an earlier run
    WAVCOM.ISWEL2 = 9;
    LOADN();
    ASSERT_EQ(WAVCOM.NRAO, 4);
    const float want[] = {0.0f, 20.0f, 340.0f, 320.0f};
    for (Int k = 1; k <= 4; ++k) {
        EXPECT_FLOAT_EQ(HIMEM.RAOANG(k), want[k - 1]) << k;
        EXPECT_EQ(HIMEM.LRAO(k), 1) << k;
    }
    EXPECT_EQ(HIMEM.ISWL(1), 2);
    EXPECT_EQ(HIMEM.ISWL(2), 1);  // 340 + 20 is the regular heading 0
    EXPECT_EQ(HIMEM.ISWL2(1), 3);
    EXPECT_EQ(HIMEM.ISWL2(2), 4);
    EXPECT_EQ(HIMEM.IRAN(1), 1);
    EXPECT_EQ(HIMEM.IRAN(2), 3);
    EXPECT_EQ(WAVCOM.ISWELL, 0);
    EXPECT_EQ(WAVCOM.ISWEL2, 0);
    expect_sound_list({{0.0f, 1},
                       {0.0f + 20.0f, HIMEM.ISWL(1)},
                       {340.0f + 20.0f, HIMEM.ISWL(2)},
                       {0.0f - 20.0f, HIMEM.ISWL2(1)},
                       {340.0f - 20.0f, HIMEM.ISWL2(2)},
                       {0.0f, HIMEM.IRAN(1)},
                       {340.0f, HIMEM.IRAN(2)}});
}

TEST_F(RelativeHeadings, SpreadSeaAddsItsAnglesFlaggedFalse) {
    TPCM.NDIR = 1;
    TPCM.WAVHDG(1) = 60.03f;
    TPCM.LRANDM = 1;
    WAVCOM.LEXP = 1;
    TPCM.NA = 4;
    TPCM.ANGSEC = 120.0f;
    WAVCOM.DADEG = 30.0f;
    TPCM.NSEAHG = 1;
    TPCM.SEAHDG(1) = 90.0f;
    LOADN();
    ASSERT_EQ(WAVCOM.NRAO, 5);
    const float want[] = {60.03f, 30.0f, 90.0f, 120.0f, 150.0f};
    const Logical flag[] = {1, 0, 0, 0, 0};
    const Int index[] = {2, 1, 3, 4, 5};
    std::vector<std::pair<float, Int>> sources = {{60.03f, 1}};
    for (Int k = 1; k <= 5; ++k) {
        EXPECT_FLOAT_EQ(HIMEM.RAOANG(k), want[k - 1]) << k;
        EXPECT_EQ(HIMEM.LRAO(k), flag[k - 1]) << k;
        EXPECT_EQ(HIMEM.INTGFL(k, 1), index[k - 1]) << k;
        sources.push_back({90.0f - 60.0f + 30.0f * static_cast<float>(k - 1), HIMEM.INTGFL(k, 1)});
    }
    expect_sound_list(sources);
}

TEST_F(RelativeHeadings, SpreadAnglesRoundNorth) {
    TPCM.LRANDM = 1;
    WAVCOM.LEXP = 1;
    TPCM.NA = 6;
    TPCM.ANGSEC = 90.0f;
    WAVCOM.DADEG = 15.0f;
    TPCM.NSEAHG = 1;
    TPCM.SEAHDG(1) = 0.0f;
    LOADN();
    ASSERT_EQ(WAVCOM.NRAO, 7);
    const float want[] = {315.0f, 330.0f, 345.0f, 0.0f, 15.0f, 30.0f, 45.0f};
    for (Int k = 1; k <= 7; ++k) {
        EXPECT_FLOAT_EQ(HIMEM.RAOANG(k), want[k - 1]) << k;
        EXPECT_EQ(HIMEM.LRAO(k), 0) << k;
        EXPECT_EQ(HIMEM.INTGFL(k, 1), k);
    }
}

TEST_F(RelativeHeadings, RegularHeadingsAreReducedAndNeverMerged) {
    TPCM.NDIR = 3;
    TPCM.WAVHDG(1) = -90.0f;
    TPCM.WAVHDG(2) = 30.0f;
    TPCM.WAVHDG(3) = 30.0f;
    TPCM.LSWELL = 1;
    TPCM.LSWLOK = 0;
    TPCM.SWLHDG = 30.02f;
    TPCM.LSWEL2 = 1;
    TPCM.SWLHDG2 = 400.0f;
    LOADN();
    ASSERT_EQ(WAVCOM.NRAO, 4);
    EXPECT_FLOAT_EQ(HIMEM.RAOANG(1), 270.0f);
    EXPECT_FLOAT_EQ(HIMEM.RAOANG(2), 30.0f);
    EXPECT_FLOAT_EQ(HIMEM.RAOANG(3), 30.0f);
    EXPECT_EQ(WAVCOM.ISWELL, 3);  // the later of the two equal regular headings
    EXPECT_EQ(WAVCOM.ISWEL2, 4);
    EXPECT_FLOAT_EQ(HIMEM.RAOANG(4), 40.0f);
    expect_sound_list({{-90.0f, 1}, {30.0f, 2}, {30.0f, 3}, {30.02f, WAVCOM.ISWELL}, {400.0f, WAVCOM.ISWEL2}});
}

TEST_F(RelativeHeadings, NothingToListGivesAnEmptyList) {
    WAVCOM.NRAO = 12;
    TPCM.NSEAHG = 3;  // sea headings without an irregular sea add nothing
    TPCM.SEAHDG(1) = 10.0f;
    LOADN();
    EXPECT_EQ(WAVCOM.NRAO, 0);
    EXPECT_EQ(WAVCOM.ISWELL, 0);
    EXPECT_EQ(WAVCOM.ISWEL2, 0);
}

TEST_F(RelativeHeadings, DebugRecordForEverySpreadAngle) {
    TPCM.NBUG = 1;
    TPCM.NDIR = 1;
    TPCM.WAVHDG(1) = 0.0f;
    TPCM.LRANDM = 1;
    WAVCOM.LEXP = 1;
    TPCM.NA = 2;
    TPCM.ANGSEC = 90.0f;
    WAVCOM.DADEG = 45.0f;
    TPCM.NSEAHG = 1;
    TPCM.SEAHDG(1) = 0.0f;
    LOADN();
    const std::string head = " In LOADN; IHDG,IANG,MATCH,NRAO,ANG,SEAHDG,DADEG\n";
    EXPECT_EQ(screen(), head + "    1    1    0    1    315.0000       .0000     45.0000\n" + head +
                            "    1    2    1    2       .0000       .0000     45.0000\n" + head +
                            "    1    3    0    2     45.0000       .0000     45.0000\n");
    EXPECT_EQ(WAVCOM.NRAO, 3);

    clear_captured(SCREEN_UNIT);
    TPCM.NBUG = 2;  // only level 1 writes it
    LOADN();
    EXPECT_EQ(screen(), "");
}

// More directions than the list holds: it stops at its 500 entries, the directions that did not fit
// get no index, and nothing beyond the tables is written.
TEST_F(RelativeHeadings, ListStopsGrowingAtItsCapacity) {
    TPCM.LRANDM = 1;
    WAVCOM.LEXP = 1;
    TPCM.NA = 400;
    TPCM.ANGSEC = 40.0f;
    WAVCOM.DADEG = 0.1f;
    TPCM.NSEAHG = 2;
    TPCM.SEAHDG(1) = 0.0f;
    TPCM.SEAHDG(2) = 180.0f;
    HIMEM.PSD(1) = -1.0f;  // the word after the list
    LOADN();
    EXPECT_EQ(WAVCOM.NRAO, 500);
    for (Int I = 1; I <= 401; ++I) ASSERT_EQ(HIMEM.INTGFL(I, 1), I) << I;
    for (Int I = 1; I <= 99; ++I) ASSERT_EQ(HIMEM.INTGFL(I, 2), 401 + I) << I;
    for (Int I = 100; I <= 401; ++I) ASSERT_EQ(HIMEM.INTGFL(I, 2), 0) << I;
    EXPECT_NEAR(HIMEM.RAOANG(500), 160.0f + 9.8f, 1e-3f);
    EXPECT_EQ(HIMEM.PSD(1), -1.0f);
}

// Counts from a damaged file are held to the tables they index.
TEST_F(RelativeHeadings, CountsAreHeldToTheTables) {
    TPCM.NDIR = 40;
    for (int i = 1; i <= 12; ++i) TPCM.WAVHDG(i) = static_cast<float>(10 * i);
    TPCM.SWHT(1) = 77.0f;  // the word after WAVHDG would read as a heading of 77
    TPCM.LRANDM = 1;
    WAVCOM.LEXP = 0;
    TPCM.NSEAHG = 40;
    for (int i = 1; i <= 40; ++i) TPCM.SEAHDG(i) = 200.0f + static_cast<float>(i);
    LOADN();
    EXPECT_EQ(WAVCOM.NRAO, 12 + 37);
    for (Int k = 1; k <= WAVCOM.NRAO; ++k) EXPECT_NE(HIMEM.RAOANG(k), 77.0f) << k;
    EXPECT_EQ(HIMEM.IRAN(37), 49);
}

}  // namespace
}  // namespace brevant
