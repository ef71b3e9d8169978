// The pool layout of the vessel-motion record and the two locators INDXUP and LOCAT0. Expected
// locations are written out by hand from the layout rules (sizes of the blocks), not from the routine.
#include <gtest/gtest.h>

#include <set>

#include "records/motion_record.h"

namespace brevant {
namespace {

class MotionPool : public ::testing::Test {
protected:
    void SetUp() override { reset_himem(); }
    void TearDown() override { reset_himem(); }
};

TEST_F(MotionPool, LayoutSetsEveryDimensionAndLocation) {
    lay_out_himem_pool();
    const Himem& H = HIMEM;
    struct Expect {
        const char* name;
        Int got;
        Int want;
    };
    const Expect table[] = {
        {"NARRAY", H.NARRAY, 100},        {"MAXHT", H.MAXHT, 6},
        {"MAXHDG", H.MAXHDG, 37},         {"NDOF", H.NDOF, 6},
        {"NHTNHD", H.NHTNHD, 222},        {"MAXDIF", H.MAXDIF, 2664},
        {"MAX_HT_TOT", H.MAX_HT_TOT, 8},  {"MAX_HDG_TOT", H.MAX_HDG_TOT, 39},
        {"NHTNHD_TOT", H.NHTNHD_TOT, 312}, {"LCNSG", H.LCNSG, 1},
        {"LCNSWY", H.LCNSWY, 101},        {"LCNHV", H.LCNHV, 201},
        {"LCNROL", H.LCNROL, 301},        {"LCNPIT", H.LCNPIT, 401},
        {"LCNYAW", H.LCNYAW, 501},        {"NBASE", H.NBASE, 1200},
        {"LCNW", H.LCNW, 1201},           {"LCNWK", H.LCNWK, 1301},
        {"LCNW2", H.LCNW2, 1401},         {"LCNPSD", H.LCNPSD, 1501},
        {"LCNFTQ", H.LCNFTQ, 2301},       {"LCNMOT", H.LCNMOT, 4965},
        {"LCNACC", H.LCNACC, 7629},       {"LCNVEL", H.LCNVEL, 206097},
        {"LCNHNG", H.LCNHNG, 404565},     {"LCNDSP", H.LCNDSP, 603033},
        {"LCNSIG", H.LCNSIG, 801501},     {"LCNSIG2", H.LCNSIG2, 801503},
        {"LCNSWL", H.LCNSWL, 801505},     {"LCNSWL2", H.LCNSWL2, 801507},
        {"LCNWV", H.LCNWV, 801509},       {"LACRAO", H.LACRAO, 801533},
        {"NXTFRE", H.NXTFRE, 802333},
    };
    for (const Expect& e : table) EXPECT_EQ(e.got, e.want) << e.name;
    // Each point-motion block is 149 points x 6 degrees of freedom x 222 height-heading pairs, in the
    // order accelerations, velocities, hinge, displacements; the free part lies inside the pool.
    for (Int step : {H.LCNVEL - H.LCNACC, H.LCNHNG - H.LCNVEL, H.LCNDSP - H.LCNHNG, H.LCNSIG - H.LCNDSP})
        EXPECT_EQ(step, 149 * 6 * 222);
    EXPECT_LE(H.NXTFRE, kPoolReals);
    // The six complex RAO arrays end exactly where the reals of the frequencies begin.
    EXPECT_EQ(2 * (H.LCNYAW + H.NARRAY - 1), H.LCNW - 1);
}

TEST_F(MotionPool, LayoutIsTheSameOnEveryRun) {
    lay_out_himem_pool();
    HIMEM.LCNACC = -1;  // a block moved by a stray write is laid out afresh
    HIMEM.NXTFRE = 0;
    lay_out_himem_pool();
    EXPECT_EQ(HIMEM.LCNACC, 7629);
    EXPECT_EQ(HIMEM.NXTFRE, 802333);
}

TEST_F(MotionPool, IndxupGivesTheLocationsOfTheCurrentFrequency) {
    lay_out_himem_pool();
    struct Case {
        Int IW;
        Int LW, LWK, LW2, LSG, LSW, LHV, LRL, LPT, LYA;
    };
    const Case cases[] = {
        {1, 1201, 1301, 1401, 1, 101, 201, 301, 401, 501},
        {37, 1237, 1337, 1437, 37, 137, 237, 337, 437, 537},
        {100, 1300, 1400, 1500, 100, 200, 300, 400, 500, 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.IW);
        HIMEM.IW = c.IW;
        INDXUP();
        EXPECT_EQ(HIMEM.IWM, c.IW - 1);
        EXPECT_EQ(HIMEM.LW, c.LW);
        EXPECT_EQ(HIMEM.LWK, c.LWK);
        EXPECT_EQ(HIMEM.LW2, c.LW2);
        EXPECT_EQ(HIMEM.LSG, c.LSG);
        EXPECT_EQ(HIMEM.LSW, c.LSW);
        EXPECT_EQ(HIMEM.LHV, c.LHV);
        EXPECT_EQ(HIMEM.LRL, c.LRL);
        EXPECT_EQ(HIMEM.LPT, c.LPT);
        EXPECT_EQ(HIMEM.LYA, c.LYA);
        EXPECT_EQ(HIMEM.IW, c.IW);  // the index itself is left as set
    }
}

TEST_F(MotionPool, IndxupLocationsAddressTheRaoWindowsAndTheFrequencyArrays) {
    lay_out_himem_pool();
    HIMEM.IW = 42;
    INDXUP();
    EXPECT_EQ(&HIMEM.CXDUM(HIMEM.LHV), &HIMEM.HVRAO(42));
    EXPECT_EQ(&HIMEM.CXDUM(HIMEM.LYA), &HIMEM.SEARAO(42, 6));
    // The frequency reals follow the 600 complex values: real 1201 is the first after them.
    EXPECT_EQ(&HIMEM.RLDUM(HIMEM.LW), &HIMEM.RLDUM(1200 + 42));
    HIMEM.CXDUM(600) = Complex(8.0f, 9.0f);
    EXPECT_EQ(HIMEM.RLDUM(1200), 9.0f);
}

TEST_F(MotionPool, Locat0PlacesHeightThenHeadingThenDegreeOfFreedom) {
    EXPECT_EQ(LOCAT0(222, 6, 1, 1, 1, 2301), 2301);
    EXPECT_EQ(LOCAT0(222, 6, 2, 3, 4, 7629), 8977);
    // The last complex value of the block at LCNFTQ: its imaginary part is real 4964, just before LCNMOT.
    EXPECT_EQ(LOCAT0(222, 6, 37, 6, 6, 2301), 4963);
    EXPECT_EQ(LOCAT0(222, 6, 1, 2, 1, 0), 2);    // next height: one complex value on
    EXPECT_EQ(LOCAT0(222, 6, 2, 1, 1, 0), 12);   // next heading: six heights on
    EXPECT_EQ(LOCAT0(222, 6, 1, 1, 2, 0), 444);  // next degree of freedom: 222 pairs on
}

TEST_F(MotionPool, Locat0VisitsEveryComplexValueOfABlockOnce) {
    const Int L0 = 7629;
    std::set<Int> seen;
    for (Int IHD = 1; IHD <= 37; ++IHD)
        for (Int IHT = 1; IHT <= 6; ++IHT)
            for (Int IDOF = 1; IDOF <= 6; ++IDOF) {
                const Int L = LOCAT0(222, 6, IHD, IHT, IDOF, L0);
                ASSERT_EQ((L - L0) % 2, 0) << IHD << " " << IHT << " " << IDOF;
                seen.insert(L);
            }
    ASSERT_EQ(seen.size(), 37u * 6u * 6u);
    EXPECT_EQ(*seen.begin(), L0);
    EXPECT_EQ(*seen.rbegin(), L0 + 2662);
}

}  // namespace
}  // namespace brevant
