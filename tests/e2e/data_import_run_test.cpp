// Importing the vessel and environment of another data file from the End of Session page of the
// built program: the import is wired, the file's data come in, the case keeps its own type, mooring
// type and session words (a foreign page-pass word never starts a pass or a run).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

// A saved new case renamed NAME, with the depth 123.5, the mooring type 7 and the page-pass word
// LCOPY (702) as given.
void other_data_file(const std::string& name, std::uint32_t lcopy) {
    create_case();
    WordFile f("BREVDAT");
    f.set_real(446, 123.5f);  // DEPTH
    f.set(118, 7);            // ISPM
    f.set(702, lcopy);        // LCOPY
    f.save(name);
    std::filesystem::remove("BREVDAT");
}

TEST(DataImportRun, VesselDataComeInAndTheCaseKeepsItsOwnWords) {
    testing::ScratchDir dir;
    other_data_file("OTHER.DAT", 0);
    const ProgramResult r = run_brevant("C\nL\n7\nOTHER.DAT\n\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" >>> Import successful!"), std::string::npos);
    EXPECT_EQ(r.out.find(" >>> Importing from another data file is not available yet."), std::string::npos);
    WordFile f("BREVDAT");
    ASSERT_EQ(f.words(), 4975u);
    EXPECT_EQ(f.integer(1), 4975);
    EXPECT_EQ(f.integer(2), 16);
    EXPECT_EQ(f.integer(118), 0);
    EXPECT_EQ(f.real(446), 123.5f);
}

TEST(DataImportRun, ForeignPagePassWordNeitherRunsNorSaves) {
    testing::ScratchDir dir;
    other_data_file("OTHER.DAT", 1);
    // Import, then leave without saving: nothing runs, nothing is written.
    const ProgramResult r = run_brevant("C\nL\n7\nOTHER.DAT\n\n2\n\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" >>> Import successful!"), std::string::npos);
    EXPECT_EQ(r.out.find("Computing"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("BREVDAT"));
    EXPECT_FALSE(std::filesystem::exists("BREVOUT.stxt"));
    EXPECT_FALSE(std::filesystem::exists("BREVIN.stxt"));
}

}  // namespace
}  // namespace brevant::e2e
