// Whole-program runs through page 2: an edited draft and vessel type, and the tanker database's
// estimate copied into the case, reach the saved data file.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

// Creates a case with the answers and saves it (with its coefficient file); returns the data file.
WordFile saved_case(const std::string& answers, std::string* out = nullptr) {
    const ProgramResult r = run_brevant(answers);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    if (out) *out = r.out;
    return WordFile("BREVDAT");
}

void expect_within(float value, double expected, double rel, const char* what) {
    EXPECT_NEAR(static_cast<double>(value), expected, rel * std::fabs(expected)) << what;
}

TEST(HydrostaticsPageRun, DraftAndVesselTypeAreSaved) {
    testing::ScratchDir dir;
    const WordFile f = saved_case("C\nJ2\n10\n32.5\n11\n4\nL\n1\n");
    EXPECT_EQ(f.real(1412), 32.5f);  // DRAFT
    EXPECT_EQ(f.integer(777), 4);    // VESTYP
    EXPECT_EQ(f.integer(791), 0);    // SEMI_LIKE
}

TEST(HydrostaticsPageRun, MemberBuiltTypeSetsTheMemberFlag) {
    testing::ScratchDir dir;
    const WordFile f = saved_case("C\nJ2\n11\n5\nL\n1\n");
    EXPECT_EQ(f.integer(777), 5);
    EXPECT_EQ(f.integer(791), 1);
}

TEST(HydrostaticsPageRun, TankerEstimateIsCopiedIntoTheCase) {
    testing::ScratchDir dir;
    std::string out;
    // Deadweight 50000 long tons (Return at the minimum-draft warning), draft 30 ft, copy all.
    const WordFile f = saved_case("C\nJ2\n12\n1\n50000\n\n2\n30\nZ\nL\n1\n", &out);
    EXPECT_NE(out.find(" ++> Requested draft is less than the minimum"), std::string::npos);
    EXPECT_EQ(f.real(1666), 112000.0f);  // DWTONS, 50000 / 0.44642857 kips
    EXPECT_EQ(f.real(1412), 30.0f);      // DRAFT
    expect_within(f.real(1409), 107350.0, 1e-3, "DISPL");
    expect_within(f.real(1392), 79.99, 1e-3, "DFTPCT");
    expect_within(f.real(1419), 656.32, 1e-3, "LWL");
    // The redrawn page 2 shows the copied draft.
    EXPECT_NE(out.find(" 10) Mean vessel draft ..................................      30.00 ft    \n"),
              std::string::npos);
}

TEST(HydrostaticsPageRun, LeavingTheDatabaseWithoutCopyingChangesNothing) {
    std::string plain;
    {
        testing::ScratchDir dir;
        plain = saved_case("C\nL\n1\n").raw();
    }
    testing::ScratchDir dir;
    const WordFile f = saved_case("C\nJ2\n12\n1\n50000\n\n2\n30\n\nL\n1\n");
    EXPECT_EQ(f.raw(), plain);
}

}  // namespace
}  // namespace brevant::e2e
