// Whole-program runs through the external force page (7) and the environmental areas page (8): the
// values typed there reach the saved data file word for word.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

WordFile saved_case(const std::string& answers, std::string* out = nullptr) {
    const ProgramResult r = run_brevant(answers);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));  // a new case writes its coefficient file too
    if (out != nullptr) *out = r.out;
    return WordFile("BREVDAT");
}

TEST(ForceAndAreasRun, ExternalForceTypedOnPageSevenIsSaved) {
    testing::ScratchDir dir;
    std::string out;
    const WordFile f = saved_case("C\nJ7\n1\n2\n-40.25\n4\n-750\n5\n6\n12.5\nL\n1\n", &out);
    EXPECT_EQ(f.integer(1441), 1);      // AUXFRC
    EXPECT_EQ(f.real(1435), -40.25f);   // XVFRC
    EXPECT_EQ(f.real(1437), -750.0f);   // VESMOM
    EXPECT_EQ(f.integer(1442), 1);      // CRDSYS
    EXPECT_EQ(f.real(1439), 12.5f);     // XVLOC
    EXPECT_NE(out.find(" 4) Applied moment (force couple) value ...... -0.750E+03 k. ft-lbs \n"), std::string::npos);
}

TEST(ForceAndAreasRun, AreasTypedOnPageEightAreSaved) {
    testing::ScratchDir dir;
    const WordFile f = saved_case("C\nJ8\n1\n11\n12\n2345.5\n20\n23\n1.3\nL\n1\n");
    EXPECT_EQ(f.integer(175), 1);       // LWIND
    EXPECT_EQ(f.integer(176), 1);       // LCURNT
    EXPECT_EQ(f.real(1357), 2345.5f);   // XCURAR
    EXPECT_EQ(f.real(1404), 1.3f);      // WVFCX
    EXPECT_EQ(f.real(1361), 1.0f);      // BOWFAC
    EXPECT_EQ(f.real(1368), 1.25f);     // STRNFC
}

TEST(ForceAndAreasRun, ReflectionResetOnPageEightSavesTheDefaults) {
    testing::ScratchDir dir;
    // Stern and bow factors changed on one visit; on the next visit the group opens by itself and
    // switching it off (Return at the warning) stores the defaults again.
    std::string out;
    const WordFile f = saved_case("C\nJ8\n20\n22\n2.0\n21\n0.7\nJ8\n20\n\nL\n1\n", &out);
    EXPECT_EQ(f.real(1361), 1.0f);   // BOWFAC
    EXPECT_EQ(f.real(1368), 1.25f);  // STRNFC
    EXPECT_NE(out.find(" 22) Stern shape factor ..........................          2.00\n"), std::string::npos);
    EXPECT_NE(out.find(" >>> Warning: Completing this request will reset all wave reflection\n"), std::string::npos);
}

}  // namespace
}  // namespace brevant::e2e
