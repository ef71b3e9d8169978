// Whole-program runs through the site conditions page: the depth, the density and the full unit
// conversion reach the saved data file, and nothing else does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

// Creates a case with the answers and saves it (with its coefficient file); returns the data file.
WordFile saved_case(const std::string& answers) {
    const ProgramResult r = run_brevant(answers);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));  // a new case writes its coefficient file too
    return WordFile("BREVDAT");
}

TEST(SitePageRun, FullConversionOfANewCaseIsSaved) {
    testing::ScratchDir dir;
    // Depth 250 ft, freshwater, then every value to metric (Return at the abort question).
    const WordFile f = saved_case("C\n4\n250\n5\n2\n3\n2\n\nL\n1\n");
    EXPECT_EQ(f.integer(117), 1);              // NUNTS
    EXPECT_EQ(f.real(446), 76.2000046f);       // DEPTH, 250 x 0.3048
    EXPECT_EQ(f.real(447), 1000.19305f);       // DWATR, 62.44 x 16.018467
    EXPECT_EQ(f.real(318), 5.0f);              // T(1): a period is not converted
}

TEST(SitePageRun, DepthTypedOnPageOneIsTheOnlyChange) {
    std::string plain;
    {
        testing::ScratchDir dir;
        plain = saved_case("C\nL\n1\n").raw();
    }
    testing::ScratchDir dir;
    const WordFile f = saved_case("C\n4\n88.25\nL\n1\n");
    EXPECT_EQ(f.real(446), 88.25f);
    EXPECT_EQ(f.integer(117), 0);
    // Every other word as in the case saved without a visit to the page's items.
    put_file(".run/plain", plain);
    const WordFile before(".run/plain");
    ASSERT_EQ(f.words(), before.words());
    std::vector<int> differing;
    for (int k = 1; k <= static_cast<int>(f.words()); ++k)
        if (f.word(k) != before.word(k)) differing.push_back(k);
    EXPECT_EQ(differing, std::vector<int>{446});
}

TEST(SitePageRun, AbortedConversionLeavesTheCaseInEnglishUnits) {
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("C\n4\n250\n3\n2\na\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.integer(117), 0);
    EXPECT_EQ(f.real(446), 250.0f);
    EXPECT_NE(r.out.find("                >>> Warning <<<"), std::string::npos);
    EXPECT_NE(r.out.find(" 4) Site water depth:          250.00 feet"), std::string::npos);
}

}  // namespace
}  // namespace brevant::e2e
