// Whole-program runs through pages 3 to 5: the bilge keel and speed, a specified heave damping and
// period, and the members of a member-built hull reach the saved data file word by word.
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

WordFile saved_case(const std::string& answers, std::string* out = nullptr) {
    const ProgramResult r = run_brevant(answers);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    if (out) *out = r.out;
    return WordFile("BREVDAT");
}

TEST(VesselPagesRun, BilgeKeelAndSpeedAreSaved) {
    testing::ScratchDir dir;
    std::string out;
    const WordFile f = saved_case("C\nJ3\n5\n6\n45\n9\n12\nL\n1\n", &out);
    EXPECT_EQ(f.integer(762), 1);       // LKEEL
    EXPECT_EQ(f.real(1422), 45.0f);     // TKEEL
    EXPECT_EQ(f.real(1425), 12.0f * 1.687f);  // VFWD, ft/s from knots with the page's factor
    EXPECT_FLOAT_EQ(f.real(1425), 20.244f);
    EXPECT_NE(out.find("  9) Vessel speed (knots) ...............................     12.00       \n"),
              std::string::npos);
}

TEST(VesselPagesRun, SpecifiedDampingAndPeriodAreSaved) {
    testing::ScratchDir dir;
    const WordFile f = saved_case("C\nJ4\n1\n6.5\n7\n12.25\nL\n1\n");
    EXPECT_EQ(f.integer(767), 1);      // LHVDMP
    EXPECT_EQ(f.real(1371), 6.5f);     // HVDAMP
    EXPECT_EQ(f.integer(770), 1);      // LHVPRD
    EXPECT_EQ(f.real(1374), 12.25f);   // HEVPRD
}

TEST(VesselPagesRun, MembersOfANewMemberBuiltCaseAreSaved) {
    testing::ScratchDir dir;
    // Page 2 makes it a semisubmersible; Return walks on through pages 3 and 4 to page 5.
    const WordFile f = saved_case("C\nJ2\n11\n3\n\n\n\n1\n2\n2\n0.8\nL\n1\n");
    EXPECT_EQ(f.integer(777), 3);   // VESTYP
    EXPECT_NE(f.integer(791), 0);   // SEMI_LIKE
    EXPECT_EQ(f.integer(3663), 50); // MAXCYL, which a new case does not set
    EXPECT_EQ(f.integer(3661), 2);  // NCYL
    EXPECT_EQ(f.real(3669), 0.8f);  // CCOFDX
    EXPECT_EQ(f.real(4476), 0.8f);  // CYLCD(1) of member 1
    EXPECT_EQ(f.real(4479), 0.8f);  // ... of member 2
    EXPECT_EQ(f.real(4626), 0.8f);  // CYLCDI(1) of member 1
    EXPECT_EQ(f.real(4629), 0.8f);  // ... of member 2
    EXPECT_EQ(f.real(4482), 0.0f);  // member 3 is not in use
}

TEST(VesselPagesRun, AMemberIsDefinedOnItsSubPage) {
    testing::ScratchDir dir;
    // One member: its dimensions, base and top, Return past it, then the last page.
    const WordFile f =
        saved_case("C\nJ2\n11\n5\n\n\n\n1\n1\n\n4\n10,10,25\n10\n6,-14,-20\n12\n6,-14,5\n18\n\nL\n1\n");
    EXPECT_EQ(f.integer(3661), 1);
    EXPECT_EQ(f.real(4028), 25.0f);   // DIAMS(3) of member 1
    EXPECT_EQ(f.real(3676), 6.0f);    // RCYLB(1)
    EXPECT_EQ(f.real(3677), -14.0f);  // RCYLB(2)
    EXPECT_EQ(f.real(3828), 5.0f);    // RCYLT(3)
    EXPECT_EQ(f.integer(3408), 3);    // MEMDIR: along Vz
    EXPECT_EQ(f.integer(3608), 1);    // DRGCMP: the defaults
    EXPECT_EQ(f.real(4478), 1.0f);    // CYLCD(3): a free base keeps axial drag
    EXPECT_EQ(f.real(4628), 0.0f);    // CYLCDI(3)
}

}  // namespace
}  // namespace brevant::e2e
