// The table of the real hulls: every entry point of every hull is there, so that a run that
// installs it never meets a missing one; the pending hulls run as the empty steps they are.
#include <gtest/gtest.h>

#include "records/data_image.h"
#include "vessels/hull_table.h"

namespace brevant {
namespace {

TEST(HullTable, EveryHullHasAllFiveEntryPoints) {
    const HullTable t = real_hull_table();
    for (const HullEntryPoints* h : {&t.ship, &t.jackup, &t.member_built, &t.disc_buoy}) {
        EXPECT_TRUE(h->CHR);
        EXPECT_TRUE(h->FRC);
        EXPECT_TRUE(h->RAO);
        EXPECT_TRUE(h->SUM);
        EXPECT_TRUE(h->OUT);
    }
}

TEST(HullTable, DispatchThroughTheRealTableReachesThePendingHulls) {
    reset_tpcm();
    install_hull_table(real_hull_table());
    // The ship and the member-built hull are real models now (their dispatch is checked with real
    // hulls in tests/vessels/ship and tests/vessels/semi); the disc buoy (type 4) is run here.
    TPCM.VESTYP = 4;
    TPCM.SEMI_LIKE = 0;
    Int NPASS2 = 0;
    EXPECT_NO_THROW({
        hull_characteristics();
        hull_forces(NPASS2);
        hull_raos();
        hull_summary();
        hull_output();
    });
    clear_hull_table();
    reset_tpcm();
}

}  // namespace
}  // namespace brevant
