// Whole-program runs through output options pages 1 and 2: the items typed there reach the saved
// data file word by word (a page that took the item number as a selection would move on instead).
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

TEST(OutputOptionsRun, Page1BitsAfterSwitchingTheSeaOn) {
    testing::ScratchDir dir;
    // The sea switched on at page 12, pages 12 and 13 passed, then items 1, 2 and 10 of page 14.
    const ProgramResult r = run_brevant("C\nJ12\n1\n\n\n1\n2\n10\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.integer(172), 1);   // LRANDM
    EXPECT_EQ(f.integer(180), 19);  // BRVFLG: bits 1, 2 and 5
    EXPECT_NE(r.out.find(" 10) Specified wave spectrum " + std::string(42, '.') + " Yes\n"), std::string::npos);
}

TEST(OutputOptionsRun, Page2TablesAngleGridDeviceAndDebug) {
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("C\nJ15\n1\n12\n15\n20\n17\n15\n25\n1\n26\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.integer(180), 4259840);  // BRVFLG: bits 17 and 23
    EXPECT_EQ(f.integer(179), 20);       // NUMBRV
    EXPECT_EQ(f.real(472), 15.0f);       // BRVINC
    EXPECT_EQ(f.integer(109), 6);        // IUNIT: the console
    EXPECT_EQ(f.integer(114), 1);        // NBUG0
}

TEST(OutputOptionsRun, PassingTheOutputPagesClearsWhatTheCaseCannotProduce) {
    testing::ScratchDir dir;
    create_case();
    // Every output bit set in the file; no waves, swell, wind or current in the case.
    edit_on_disk({{180, 134217727u}});
    const std::string before = file_bytes("BREVDAT");
    // What the pages clear is theirs, not an edit: alone, it leaves nothing to save.
    ProgramResult r = run_brevant("M\nJ14\n\n\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(file_bytes("BREVDAT"), before);
    // With an edit (the water depth on page 1) the case is saved as the pages left it.
    r = run_brevant("M\n4\n777\nJ14\n\n\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.real(446), 777.0f);
    // Pages 14 and 15 and the last page: only the bits that need no environment stay.
    EXPECT_EQ(f.integer(180), 130627329 & ~((1 << 8) | (1 << 9) | (1 << 12) | (1 << 13)));
}

}  // namespace
}  // namespace brevant
