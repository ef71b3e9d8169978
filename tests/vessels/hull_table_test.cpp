// The table of the real hulls: every entry point of every hull is there, so that a run that
// installs it never meets a missing one. (Each hull's models are checked in its own folder.)
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

}  // namespace
}  // namespace brevant
