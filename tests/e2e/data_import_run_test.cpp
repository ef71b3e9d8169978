// Importing the vessel and environment of another data file from the End of Session page of the
// built program: the import is wired, the file's data come in under their own names whatever wrote
// it, the case keeps its own type, mooring type and session words (a foreign page-pass word never
// starts a pass or a run), and a file that cannot be read onto its names leaves the case as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "e2e_support.h"
#include "older_eras.h"
#include "reference/reference_cases.h"
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

// The vessel and environment of a file of every version class imported into a new case and saved:
// the file is brought to the current layout by the loader's own update before the exchange, so the
// saved case is word for word the case a load of that file gives, with the new case's own mooring
// type, and with the data's version where the update converted a file older than 6.01 (a later load
// then resizes nothing again). The file's words 700-702 reach their own names.
void every_era_imports(const SampleCase& sample) {
    testing::ScratchDir source;
    sample.write();
    const WordFile now("BREVDAT");
    ASSERT_EQ(now.words(), static_cast<std::size_t>(kStoredWords));
    const std::string lowdat = file_bytes("LOWDAT");
    std::filesystem::remove("BREVDAT");
    ASSERT_EQ(run_brevant("C\nL\n1\n", 120).status, 0);
    const WordFile fresh("BREVDAT");
    ASSERT_NE(fresh.raw(), now.raw()) << "the new case must differ from the imported one";
    for (const Era& e : kEras) {
        SCOPED_TRACE(::testing::Message() << sample.what << ", " << e.what);
        testing::ScratchDir dir;
        put_file("LOWDAT", lowdat);
        const WordFile older = era_file(now, e);
        older.save("OTHER.DAT");
        const std::string returns(static_cast<std::size_t>(returns_for(e, older)), '\n');
        const ProgramResult r = run_brevant("C\nL\n7\nOTHER.DAT\n" + returns + "1\n", 120);
        ASSERT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_EQ(r.out.find(" ++> Data file resized for 149 Fairleads") != std::string::npos, e.layout_49());
        EXPECT_EQ(r.out.find("across version number boundaries") == std::string::npos, e.version == 6.8f);
        EXPECT_EQ(r.out.find(" >>> Import successful!") != std::string::npos, e.version == 6.8f);
        WordFile expected = updated_case(now, older, e);
        expected.set(118, fresh.word(118));  // ISPM: the case keeps its own
        if (!(e.version < 6.00999f)) expected.set_real(VERNO, e.version);
        const WordFile saved("BREVDAT");
        ASSERT_EQ(saved.words(), static_cast<std::size_t>(kStoredWords));
        std::vector<int> differ;
        for (int k = 1; k <= kStoredWords; ++k)
            if (saved.word(k) != expected.word(k)) differ.push_back(k);
        EXPECT_EQ(differ, std::vector<int>{}) << "words that differ from the updated case";
    }
}

TEST(DataImportRun, FilesOfEveryVersionClassComeInUnderTheirOwnNames) {
    using reference::Hull;
    using reference::ShipOptions;
    using reference::Units;
    const auto with = [](Hull hull, Units units) {
        ShipOptions o;
        o.hull = hull;
        o.units = units;
        return o;
    };
    every_era_imports({"the sample ship", [] { copy_sample(); }});
    for (const auto& [what, o] : {std::pair{"the semi-submersible in feet", with(Hull::semi, Units::english)},
                                  std::pair{"the semi-submersible in metres", with(Hull::semi, Units::metric)},
                                  std::pair{"the disc buoy in metres", with(Hull::disc, Units::metric)},
                                  std::pair{"the disc buoy in feet", with(Hull::disc, Units::english)},
                                  std::pair{"the ship in metres", with(Hull::ship, Units::metric)}}) {
        const ShipOptions options = o;
        every_era_imports({what, [options] { reference::write_reference_ship(options); }});
    }
}


// A file whose words cannot be put under their names, imported into the sample case: the program
// names it and why, and the case is the one loaded, so that a save writes nothing (the save writes
// only a case that differs from the files as loaded, every word compared).
TEST(DataImportRun, FilesThatCannotBeReadOntoTheirNamesLeaveTheCaseAsItWas) {
    struct Case {
        const char* what;
        const char* path;
        const char* said;
    };
    const Case cases[] = {
        {"an empty file", "EMPTY", " >>> Cannot import EMPTY: the file is empty."},
        {"a file cut short of its version", "CUT", " >>> Cannot import CUT: the file is cut short at word 216,"},
        {"a version that is no number", "NAN", " >>> Cannot import NAN: its version word is not a number."},
        {"a stopped save's record beside it", "other/BREVDAT",
         " >>> Cannot import other/BREVDAT: its folder holds other/BREVSAVE.brvjournal,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        const std::string data = file_bytes("BREVDAT");
        const std::string lowdat = file_bytes("LOWDAT");
        std::filesystem::create_directories("other");
        put_file("EMPTY", "");
        put_file("CUT", data.substr(0, 4 * 216));
        WordFile nan("BREVDAT");
        nan.set(VERNO, 0x7FC00000u);
        nan.save("NAN");
        put_file("other/BREVDAT", data);
        put_file("other/BREVSAVE.brvjournal", "a record\n");
        const ProgramResult r = run_brevant("M\nL\n7\n'" + std::string(c.path) + "'\n\n1\n", 60);
        ASSERT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_NE(r.out.find(c.said), std::string::npos) << r.out;
        EXPECT_EQ(files_here(), (Files{"BREVDAT", "CUT", "EMPTY", "LOWDAT", "NAN", "other"})) << "nothing saved";
        EXPECT_EQ(file_bytes("BREVDAT"), data);
        EXPECT_EQ(file_bytes("LOWDAT"), lowdat);
        EXPECT_EQ(file_bytes("other/BREVSAVE.brvjournal"), "a record\n");
    }
}

// The sample ship written by another program of the family in the 49-line layout at the running
// version, with a creator word no program has (0, 18): it comes in under its own names, as the file
// of any other program of the family does, and the case keeps its own type and mooring type.
TEST(DataImportRun, AFileOfAnUnknownCreatorComesInUnderItsOwnNames) {
    testing::ScratchDir source;
    copy_sample();
    const WordFile now("BREVDAT");
    const std::string lowdat = file_bytes("LOWDAT");
    const Era e{"6.80, 49 lines", 6.8f, 49};
    for (std::uint32_t creator : {0u, 18u}) {
        SCOPED_TRACE(creator);
        testing::ScratchDir dir;
        put_file("LOWDAT", lowdat);
        WordFile older = era_file(now, e);
        older.set(2, creator);
        older.save("OTHER.DAT");
        const ProgramResult r = run_brevant("C\nL\n7\nOTHER.DAT\n\n1\n", 120);
        ASSERT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_NE(r.out.find(" >>> Import successful!"), std::string::npos) << r.out;
        WordFile expected = updated_case(now, older, e);
        expected.set(118, 0);  // ISPM: the new case's own
        const WordFile saved("BREVDAT");
        ASSERT_EQ(saved.words(), static_cast<std::size_t>(kStoredWords));
        std::vector<int> differ;
        for (int k = 1; k <= kStoredWords; ++k)
            if (saved.word(k) != expected.word(k)) differ.push_back(k);
        EXPECT_EQ(differ, std::vector<int>{}) << "words that differ from the case in the current layout";
    }
}

}  // namespace
}  // namespace brevant::e2e
