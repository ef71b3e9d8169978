// The built program started in a folder where a save was stopped half-way (the program ended at
// once in the middle of its renames, as a kill or a machine stop ends it): the start finishes the
// save, or undoes it when a new file is damaged, before anything is read; it says which on the
// console and in "DATUPWRN.stxt", and the case loads whole, old or new, with its back-ups.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <filesystem>
#include <map>
#include <string>
#include <thread>

#include "e2e_support.h"
#include "sysutl/save_journal.h"
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

// The folder as the edit and save leaves it when nothing stops it.
Contents saved_case() {
    testing::ScratchDir dir;
    put_case_with_backups();
    const ProgramResult r = run_brevant(kEditAndSave, 60);
    EXPECT_EQ(r.status, 0) << r.err;
    return contents_here();
}

// The names and sizes of FILES, for a message.
std::string listing(const Contents& files) {
    std::string text;
    for (const auto& [name, bytes] : files) text += " " + name + " (" + std::to_string(bytes.size()) + ")";
    return text;
}

// The folder without the load report, which a start that has something to say writes.
Contents without_load_report(Contents files) {
    files.erase("DATUPWRN.stxt");
    return files;
}

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


// A save stopped before its record (the program ended at its first rename, the one that puts the
// record in place) has changed no file of the case; it leaves a temporary of each, the oldest
// back-ups' included, and one of the record. The next start removes every one and says so.
TEST(StoppedSaveRun, TheTemporariesOfASaveStoppedBeforeItsRecordAllGo) {
    testing::ScratchDir dir;
    put_case_with_backups();
    const Contents before = contents_here();
    const ProgramResult stopped = run_stopped_at_rename(1);
    ASSERT_EQ(stopped.status, 86) << stopped.err;
    ASSERT_TRUE(fs::exists("LASTLOW.brvtmp"));
    ASSERT_TRUE(fs::exists("BREVSAVE.brvjournal.brvtmp"));
    ASSERT_FALSE(fs::exists("BREVSAVE.brvjournal"));
    const ProgramResult r = run_brevant("M\n\nL\n2\n", 60);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(std::string(" ++> A save stopped before it was done has been undone: ") + kFiles +
                         " are as they were before it.\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(without_load_report(contents_here()) == before) << listing(without_load_report(contents_here()));
}

// A record whose checksum is right but which names a file no save writes, or one file twice (a
// damaged copy, a restore, a crafted file), cannot be read: the start changes no file, names what
// it leaves, each once, and the case loads as it stands. Read as it stood, the first would have
// the start delete the data file and the load then fail, the second delete the user's notes, the
// third rename the stopped save's files into place and then leave the rest half done.
TEST(StoppedSaveRun, ARecordNamingAFileASaveDoesNotWriteOrOneTwiceLeavesEveryFile) {
    const std::string unheld = "a content no file has";
    const std::string notes = "the user's notes\n";
    const std::string tail = "     The case may mix old and new files; no save is made here while BREVSAVE.brvjournal is there.\n";
    struct Case {
        const char* what;
        std::function<void()> make;
        std::string line;
    };
    const Case cases[] = {
        {"the data file twice: replaced by a content no file has, then added with its own",
         [&] {
             const FileMark dat = mark_of(file_bytes("BREVDAT"));
             put_file("BREVSAVE.brvjournal",
                      journal_text({{"BREVDAT", true, dat, mark_of(unheld)}, {"BREVDAT", false, {}, dat}}));
         },
         " ++> The record of a save stopped before it was done cannot be read: BREVSAVE.brvjournal is left as it is.\n"},
        {"the user's notes.txt, added with its own content, beside the coefficient file",
         [&] {
             put_file("notes.txt", notes);
             put_file("BREVSAVE.brvjournal",
                      journal_text({{"notes.txt", false, {}, mark_of(notes)},
                                    {"LOWDAT", true, mark_of(file_bytes("LOWDAT")), mark_of(unheld)}}));
         },
         " ++> The record of a save stopped before it was done cannot be read: BREVSAVE.brvjournal is left as it is.\n"},
        {"a save stopped at its second rename, its record's data file line twice",
         [] {
             // The water depth set, then save and exit: the save writes "BREVBAK" and "BREVDAT".
             const ProgramResult stopped = run_with_file_fault("M\n4\n90\nL\n1\n", "BREVANT_TEST_STOPPING_RENAME=2");
             ASSERT_EQ(stopped.status, 86) << stopped.err;
             const std::string files[] = {"BREVDAT", "BREVBAK"};
             auto entries = read_journal_text(file_bytes("BREVSAVE.brvjournal"), files);
             ASSERT_TRUE(entries.has_value());
             ASSERT_EQ(entries->size(), 2u);
             ASSERT_EQ(entries->back().name, "BREVDAT");
             entries->push_back(entries->back());
             put_file("BREVSAVE.brvjournal", journal_text(*entries));
         },
         " ++> The record of a save stopped before it was done cannot be read: BREVSAVE.brvjournal, BREVDAT.brvtmp, "
         "BREVDAT.brvold, BREVBAK.brvtmp are left as they are.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        c.make();
        const Contents before = contents_here();

        // The start: modify, the pause of the message, then leave without a change.
        const ProgramResult r = run_brevant("M\n\nL\n2\n", 60);
        EXPECT_EQ(r.status, 0) << r.err;
        const auto line = r.out.find(c.line + tail);
        EXPECT_NE(line, std::string::npos) << r.out;
        if (line != std::string::npos) {
            EXPECT_NE(r.out.find("Press <RETURN> to continue: ", line), std::string::npos);
        }
        EXPECT_NE(file_bytes("DATUPWRN.stxt").find(c.line + tail), std::string::npos) << file_bytes("DATUPWRN.stxt");
        EXPECT_EQ(r.out.find("has been undone"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("has been finished"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("File not found"), std::string::npos) << r.out;
        EXPECT_TRUE(without_load_report(contents_here()) == before) << listing(without_load_report(contents_here()));
    }
}

// A save that cannot keep the files it replaces (no hard links on the file system, and the copies
// made instead cannot be flushed: a failing device) changes nothing: its record and every copy it
// began go with it, the message names the file and the End of Session page comes back with the
// edit. Without hard links alone, the copies are made and the save goes through.
TEST(StoppedSaveRun, ASaveThatCannotKeepTheFilesItReplacesLeavesNothingBehind) {
    const Contents saved = saved_case();
    {
        SCOPED_TRACE("no hard links");
        testing::ScratchDir dir;
        put_case_with_backups();
        const ProgramResult r = run_with_file_fault(kEditAndSave, "BREVANT_TEST_NO_LINKS=1");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(contents_here() == saved) << listing(contents_here());
    }
    SCOPED_TRACE("no hard links, and copies that cannot be flushed");
    testing::ScratchDir dir;
    put_case_with_backups();
    const Contents before = contents_here();
    const ProgramResult r = run_with_file_fault("M\nJ1\n4\n777\nL\n1\n\n2\n\n",
                                                "BREVANT_TEST_NO_LINKS=1 BREVANT_TEST_FAILING_SYNC=.brvold");
    EXPECT_EQ(r.status, 0) << r.err;
    const auto error =
        r.out.find(" ++> File not found or file access error in BrevEdit    \n     File name: LASTLOW   \n");
    ASSERT_NE(error, std::string::npos) << r.out;
    EXPECT_NE(r.out.find("This action will result in the loss of data changes", error), std::string::npos);
    EXPECT_TRUE(contents_here() == before) << listing(contents_here());
}

// A save refused because something of an earlier save stands in its way says why in words and what
// to do, not that a file cannot be accessed; the End of Session page comes back with the edit, and
// every file stays as it was.
TEST(StoppedSaveRun, ARefusedSaveSaysWhyInWords) {
    struct Case {
        const char* what;
        const char* file;    // put beside the case before the start
        const char* choice;  // on the End of Session page: save and exit, or a silent run
        const char* line;    // the refusal on the screen
        const char* err;     // standard error
    };
    const char* const kept_copy =
        " ++> No save replaces BREVDAT while BREVDAT.brvold stands beside it: the copy an earlier save kept of it.\n"
        "     BREVDAT is as that save left it; BREVDAT.brvold holds what it replaced.\n"
        "     Move BREVDAT.brvold elsewhere or delete it, then save again.\n";
    const Case cases[] = {
        {"a record that cannot be read", "BREVSAVE.brvjournal", "1",
         " ++> No save is made here while BREVSAVE.brvjournal stands: the record of a save that was not finished.\n"
         "     Start the program again in this folder: it finishes or undoes that save. If it says it cannot,\n",
         ""},
        {"a kept copy without its record", "BREVDAT.brvold", "1", kept_copy, ""},
        {"a kept copy without its record, a silent run", "BREVDAT.brvold", "4", kept_copy,
         " ++> The silent run cannot start: the case cannot be saved.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        put_file(c.file, " left by an earlier save\n");
        const Contents before = contents_here();
        const ProgramResult r = run_brevant(std::string("M\n\nJ1\n4\n777\nL\n") + c.choice + "\n\n2\n\n", 60);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, c.err);
        const auto refusal = r.out.find(c.line);
        ASSERT_NE(refusal, std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("File not found"), std::string::npos) << r.out;
        const auto pause = r.out.find("Press <RETURN> to continue: ", refusal);
        EXPECT_NE(r.out.find("End of Session", pause), std::string::npos);
        EXPECT_NE(r.out.find("This action will result in the loss of data changes", pause), std::string::npos);
        EXPECT_TRUE(without_load_report(contents_here()) == before) << listing(without_load_report(contents_here()));
    }
}

// A start while another program in the folder is in the middle of its save (slowed at its renames,
// the record in place) leaves that save alone and says that a save is running; the other program
// then ends its save as if nothing had happened, and the folder holds its saved case.
TEST(StoppedSaveRun, AStartBesideASaveInProgressLeavesIt) {
    const Contents saved = saved_case();
    testing::ScratchDir dir;
    put_case_with_backups();
    fs::create_directories(".run");
    const std::string go = (fs::current_path() / ".run" / "go").string();
    ProgramResult first;
    std::thread saving(
        [&] { first = run_with_file_fault(kEditAndSave, "BREVANT_TEST_HELD_RENAMES='" + go + "'", ".run/first"); });
    // The record in place and the last file kept: the first program waits at its first rename of a
    // file of the case.
    for (int i = 0; i < 2500 && !fs::exists("BREVDAT.brvold"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const bool in_its_renames = fs::exists("BREVDAT.brvold") && fs::exists("BREVSAVE.brvjournal");
    const Contents during = contents_here();
    ProgramResult second{};
    if (in_its_renames) second = run_brevant("M\n\nL\n2\n", 60, "", ".run/second");
    const Contents after_second = without_load_report(contents_here());
    put_file(go, "");
    saving.join();
    ASSERT_TRUE(in_its_renames) << first.out;

    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_NE(second.out.find(" ++> A save is running in this folder: another program holds its lock, and its files are "
                              "left to it.\n"
                              "     The case may mix old and new files; no save is made here while that save runs.\n"),
              std::string::npos)
        << second.out;
    EXPECT_EQ(second.out.find("has been finished"), std::string::npos);
    EXPECT_TRUE(after_second == during) << listing(after_second) << " /" << listing(during);

    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out.find("File not found"), std::string::npos) << first.out;
    EXPECT_TRUE(without_load_report(contents_here()) == saved) << listing(without_load_report(contents_here()));
}

}  // namespace
}  // namespace brevant::e2e
