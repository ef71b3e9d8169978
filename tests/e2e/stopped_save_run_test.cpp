// The built program started in a folder where a save was stopped half-way (the program ended at
// once in the middle of its renames, as a kill or a machine stop ends it): the start finishes the
// save, or undoes it when a new file is damaged, before anything is read; it says which on the
// console and in "DATUPWRN.stxt", and the case loads whole, old or new, with its back-ups.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

namespace fs = std::filesystem;

using Contents = std::map<std::string, std::string>;

Contents contents_here() {
    Contents all;
    for (const std::string& name : files_here()) all[name] = file_bytes(name);
    return all;
}

// The water depth (page 1, item 4) set to 777, then save and exit.
const std::string kEditAndSave = "M\nJ1\n4\n777\nL\n1\n";

// Runs the edit and save with the program ending at its rename number STOP (the first is the
// record of the save, then "LASTLOW", "LOWBAK", "LOWDAT", "LASTBAK", "BREVBAK", "BREVDAT").
ProgramResult run_stopped_at_rename(int stop) {
    return run_with_file_fault(kEditAndSave, "BREVANT_TEST_STOPPING_RENAME=" + std::to_string(stop));
}

const char* const kFiles = "BREVDAT, BREVBAK, LASTBAK, LOWDAT, LOWBAK, LASTLOW";

TEST(StoppedSaveRun, TheNextStartFinishesOrUndoesTheSaveAndSaysSo) {
    // The folder as the save leaves it when nothing stops it.
    Contents saved;
    {
        testing::ScratchDir dir;
        put_case_with_backups();
        const ProgramResult r = run_brevant(kEditAndSave, 60);
        ASSERT_EQ(r.status, 0) << r.err;
        saved = contents_here();
    }
    struct Case {
        const char* what;
        bool damage;  // the new data file, still beside its name, is cut short before the start
        std::string line;
    };
    const Case cases[] = {
        {"finished", false,
         std::string(" ++> A save stopped before it was done has been finished: ") + kFiles + " are the new case."},
        {"undone", true,
         std::string(" ++> A save stopped before it was done has been undone: ") + kFiles +
             " are as they were before it."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        put_case_with_backups();
        const Contents before = contents_here();
        const float depth = WordFile("BREVDAT").real(446);
        ASSERT_NE(depth, 777.0f);
        // Stopped before the rename of "LOWDAT": "LASTLOW" and "LOWBAK" are new, the rest old.
        const ProgramResult stopped = run_stopped_at_rename(4);
        ASSERT_EQ(stopped.status, 86) << stopped.err;
        ASSERT_TRUE(fs::exists("BREVSAVE.brvjournal"));
        ASSERT_EQ(file_bytes("LOWBAK"), saved.at("LOWBAK"));
        ASSERT_EQ(file_bytes("BREVBAK"), before.at("BREVBAK"));
        if (c.damage) fs::resize_file("BREVDAT.brvtmp", 1000);

        // The next start: modify, the pause of the message, then leave without a change.
        const ProgramResult r = run_brevant("M\n\nL\n2\n", 60);
        EXPECT_EQ(r.status, 0) << r.err;
        const auto line = r.out.find(c.line + "\n");
        ASSERT_NE(line, std::string::npos) << r.out;
        EXPECT_LT(r.out.find("Enter letter of selection: "), line);
        EXPECT_NE(r.out.find("Press <RETURN> to continue: ", line), std::string::npos);
        EXPECT_NE(file_bytes("DATUPWRN.stxt").find(c.line + "\n"), std::string::npos) << file_bytes("DATUPWRN.stxt");

        // The case is the whole new one or the whole old one, back-ups and all, and nothing else stays.
        Contents after = contents_here();
        after.erase("DATUPWRN.stxt");
        EXPECT_EQ(after, c.damage ? before : saved);
        EXPECT_EQ(WordFile("BREVDAT").real(446), c.damage ? depth : 777.0f);
        // The loaded case is what the files say: page 1 shows the water depth of the data file.
        EXPECT_EQ(r.out.find("777", line) != std::string::npos, !c.damage);
    }
}

}  // namespace
}  // namespace brevant::e2e
