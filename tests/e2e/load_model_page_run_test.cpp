// Whole-program runs through page 6: model choices and tanker values reach the saved data file, and
// a user wind table typed on the page reaches "LOWDAT".
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

TEST(LoadModelPageRun, TankerWindModelAndItsValuesAreSaved) {
    testing::ScratchDir dir;
    // Wind model 4 in one-model mode, deadweight, freeboard-based load, then save.
    const ProgramResult r = run_brevant("C\nJ6\n2\n4\n31\n150000\n7\n55\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.integer(775), 1092);  // LWBARG: fields 4, 4, 4
    EXPECT_EQ(f.real(1666), 150000.0f);  // DWTONS
    EXPECT_EQ(f.real(1390), 55.0f);      // LOADED
    EXPECT_EQ(f.integer(774), 273);      // LCBARG untouched
    EXPECT_EQ(f.integer(787), 273);      // LWVCOF untouched
    EXPECT_NE(r.out.find(" 31) Vessel Deadweight ...........................  150000.00 kips           \n"),
              std::string::npos);
}

TEST(LoadModelPageRun, UserWindTableIsSavedInLowdat) {
    testing::ScratchDir dir;
    // Item 5: three angles, then the Cx column chosen on the selection page.
    const ProgramResult r = run_brevant(
        "C\nJ6\n5\n1\n3\n2\n1\n0\n90\n180\n\n3\n1\n1\n0.5\n0\n-0.5\n\n\n\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    const WordFile low("LOWDAT");
    EXPECT_EQ(low.bytes(), 2720u);
    EXPECT_EQ(low.integer(1), 3);  // NUWNPT
    EXPECT_EQ(low.real(5), 0.0f);  // UWNANG
    EXPECT_EQ(low.real(6), 90.0f);
    EXPECT_EQ(low.real(7), 180.0f);
    EXPECT_EQ(low.real(26), 0.5f);  // UWNCX
    EXPECT_EQ(low.real(27), 0.0f);
    EXPECT_EQ(low.real(28), -0.5f);
    EXPECT_EQ(low.integer(2), 0);  // NUCRPT: the current table was never opened
    EXPECT_NE(r.out.find(" +++ <<Wind Force>> Coefficient Specification +++\n"), std::string::npos);
}

TEST(LoadModelPageRun, ANavigationCodeFromTheTableLeavesThePage) {
    testing::ScratchDir dir;
    // "F" on the user table goes to page 1; Return there moves on to page 2. Opening the empty
    // table raised its count to 2, so leaving without saving warns first (Return goes on).
    const ProgramResult r = run_brevant("C\nJ6\n15\nF\n\nL\n2\n\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto table = r.out.find("<<Current Force>> Coefficient Specification");
    ASSERT_NE(table, std::string::npos);
    EXPECT_NE(r.out.find("Page 1:", table), std::string::npos);
    EXPECT_NE(r.out.find("Page 2:", table), std::string::npos);
}

}  // namespace
}  // namespace brevant::e2e
