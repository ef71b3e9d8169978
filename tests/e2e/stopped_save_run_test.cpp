// The built program started in a folder where a save was stopped half-way (the program ended at
// once in the middle of its renames, as a kill or a machine stop ends it): the start finishes the
// save, or undoes it when a new file is damaged, before anything is read; it says which on the
// console and in "DATUPWRN.stxt", and the case loads whole, old or new, with its back-ups.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

const char* const kWaiting = " >>> Another program is saving in this folder: the case is read once its save has ended.\n";

// Waits (at most 20 s) until the run whose files are in RUN has said on the screen that it waits for
// another program's save; true when it has.
bool says_it_waits(const std::string& run) {
    for (int i = 0; i < 1000; ++i) {
        if (fs::exists(run + "/out.txt") && file_bytes(run + "/out.txt").find(kWaiting) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// Waits (at most 50 s) until the folder shows WANTED.
bool comes_to(const std::function<bool()>& wanted) {
    for (int i = 0; i < 2500; ++i) {
        if (wanted()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// Program A sets the water depth to 90 and a user wind table on page 6, so that its save changes
// both "BREVDAT" and "LOWDAT"; program B sets the depth to 80 and saves.
const std::string kSaveA = "M\n4\n90\nJ6\n2\n1\n1\n3\n2\n2\n90\n180\n\n\n\nL\n1\n";
const std::string kSaveB = "M\n4\n80\nL\n1\n";

// A start while another program in the folder is in the middle of its save (A, held at its fourth
// rename: "LOWDAT" in place, "BREVDAT" not) waits for that save, saying so, and touches nothing
// meanwhile; A ends its save as if nothing had happened, and B then loads A's whole case: B's save
// of depth 80 leaves exactly what B would leave after A in turn, back-ups and all, never B's data
// file beside A's coefficient file or the reverse.
TEST(StoppedSaveRun, AStartBesideASaveInProgressWaitsAndLoadsItsWholeCase) {
    Contents in_turn;
    {
        testing::ScratchDir dir;
        copy_sample();
        ASSERT_EQ(run_brevant(kSaveA, 60).status, 0);
        ASSERT_EQ(WordFile("BREVDAT").real(446), 90.0f);
        ASSERT_NE(file_bytes("LOWDAT"), file_bytes("LOWBAK"));
        ASSERT_EQ(run_brevant(kSaveB, 60).status, 0);
        in_turn = contents_here();
    }
    testing::ScratchDir dir;
    copy_sample();
    fs::create_directories(".run");
    const std::string go = (fs::current_path() / ".run" / "go").string();
    ProgramResult a, b;
    std::thread saving([&] {
        a = run_with_file_fault(kSaveA, "BREVANT_TEST_HELD_RENAMES='" + go + "' BREVANT_TEST_HELD_FROM=4", ".run/a");
    });
    const bool held = comes_to([] {
        return fs::exists("BREVSAVE.brvjournal") && !fs::exists("LOWDAT.brvtmp") && fs::exists("BREVDAT.brvtmp");
    });
    const Contents during = contents_here();
    std::thread starting([&] {
        if (held) b = run_brevant(kSaveB, 90, "", ".run/b");
    });
    const bool waits = held && says_it_waits(".run/b");
    const Contents while_b_waits = contents_here();
    put_file(go, "");
    saving.join();
    starting.join();
    ASSERT_TRUE(held) << a.out;

    EXPECT_TRUE(waits) << b.out;
    EXPECT_TRUE(while_b_waits == during) << listing(while_b_waits) << " /" << listing(during);
    EXPECT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out.find("File not found"), std::string::npos) << a.out;
    EXPECT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(count_of(b.out, kWaiting), 1u) << b.out;
    EXPECT_EQ(b.out.find("No save is made"), std::string::npos) << b.out;
    EXPECT_EQ(WordFile("BREVDAT").real(446), 80.0f);
    EXPECT_TRUE(contents_here() == in_turn) << listing(contents_here()) << " /" << listing(in_turn);
}

// A start that finishes a stopped save holds the lock of the folder while it works: a second start
// in that folder meanwhile (the first held at its renames) waits for it, saying so, and acts on no
// file; it then finds the save finished and loads the new case, with nothing to say of it.
TEST(StoppedSaveRun, ASecondStartWaitsForAFirstThatIsFinishingAStoppedSave) {
    const Contents saved = saved_case();
    testing::ScratchDir dir;
    put_case_with_backups();
    // Stopped before the rename of "LOWDAT": "LASTLOW" and "LOWBAK" are new, the rest old.
    ASSERT_EQ(run_stopped_at_rename(4).status, 86);
    fs::create_directories(".run");
    const std::string go = (fs::current_path() / ".run" / "go").string();
    ProgramResult first, second;
    // The first start puts "LOWDAT" in place (its first rename) and is held at its second.
    std::thread finishing(
        [&] { first = run_with_file_fault("M\n\nL\n2\n", "BREVANT_TEST_HELD_RENAMES='" + go + "'", ".run/first"); });
    const bool held = comes_to([] { return !fs::exists("LOWDAT.brvtmp") && fs::exists("LASTBAK.brvtmp"); });
    const Contents during = contents_here();
    std::thread starting([&] {
        if (held) second = run_brevant("M\nL\n2\n", 90, "", ".run/second");
    });
    const bool waits = held && says_it_waits(".run/second");
    const Contents while_second_waits = contents_here();
    put_file(go, "");
    finishing.join();
    starting.join();
    ASSERT_TRUE(held) << first.out;

    EXPECT_TRUE(waits) << second.out;
    EXPECT_TRUE(while_second_waits == during) << listing(while_second_waits) << " /" << listing(during);
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find(std::string(" ++> A save stopped before it was done has been finished: ") + kFiles +
                             " are the new case.\n"),
              std::string::npos)
        << first.out;
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(count_of(second.out, kWaiting), 1u) << second.out;
    EXPECT_EQ(second.out.find("A save stopped before it was done"), std::string::npos) << second.out;
    EXPECT_TRUE(without_load_report(contents_here()) == saved) << listing(without_load_report(contents_here()));
}

// The program with its answers given step by step through a pipe, so that a test can look at the
// folder while the program waits for an answer. ENVIRONMENT, when given, is put before the command
// (file_fault_environment).
class PipedRun {
public:
    explicit PipedRun(const std::string& run, const std::string& environment = "") : run_(run) {
        fs::create_directories(run_);
        const std::string in = run_ + "/in";
        ::mkfifo(in.c_str(), 0600);
        program_ = std::thread([this, in, environment] {
            status_ = platform::run_command(environment + (environment.empty() ? "" : " ") + "timeout 60 '" +
                                            std::string(BREVANT_BINARY) + "' < " + in + " > " + run_ +
                                            "/out.txt 2> " + run_ + "/err.txt");
        });
        fd_ = ::open(in.c_str(), O_WRONLY);  // waits until the program has opened its input
    }
    ~PipedRun() { end(); }
    void answer(const std::string& text) { (void)!::write(fd_, text.data(), text.size()); }
    std::string out() const { return file_bytes(run_ + "/out.txt"); }
    // Waits (at most 20 s) until the screen shows TEXT after the first N of its showings, and the
    // program has written nothing more after it: it waits for an answer there. True when it does.
    bool waits_after(const std::string& text, std::size_t n) const {
        for (int i = 0; i < 1000; ++i) {
            const std::string o = out();
            std::size_t at = std::string::npos, from = 0;
            for (std::size_t k = 0; k <= n; ++k, from = at + 1)
                if ((at = o.find(text, from)) == std::string::npos) break;
            if (at != std::string::npos && at + text.size() == o.size()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }
    std::string err() const { return file_bytes(run_ + "/err.txt"); }
    int end() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        if (program_.joinable()) program_.join();
        return status_;
    }

private:
    std::string run_;
    std::thread program_;
    int fd_ = -1;
    int status_ = -1;
};

// Whether the lock of the current folder is free: another program could take it now.
bool lock_is_free() {
    int handle = -1;
    const platform::LockResult got = platform::lock_folder(".", handle);
    platform::release_folder_lock(handle);
    return got == platform::LockResult::Held;
}

// No program holds the lock of its folder while it waits for an answer: at the pause after the
// start's notes (a stopped save finished, a record that cannot be read), after a save refused in
// words (a kept copy beside its file, the record of an earlier save), after a save that cannot write
// a file (the access error), and on the screen after a silent run's refused save, another program
// could take the lock.
TEST(StoppedSaveRun, NoProgramHoldsTheLockWhileItWaitsForAnAnswer) {
    const std::string pause = "Press <RETURN> to continue: ";
    struct Step {
        std::string answers;  // given before the pause
        std::string shown;    // what the screen shows before it
    };
    struct Case {
        const char* what;
        std::function<void()> folder;
        std::vector<Step> steps;
        std::string rest;  // after the last pause: the program leaves
    };
    const Case cases[] = {
        {"the start's notes",
         [] {
             put_case_with_backups();
             ASSERT_EQ(run_stopped_at_rename(4).status, 86);
         },
         {{"M\n", " ++> A save stopped before it was done has been finished: "}},
         "\nL\n2\n"},
        {"a refused save and a refused silent run",
         [] {
             copy_sample();
             put_file("BREVDAT.brvold", " left by an earlier save\n");
         },
         {{"M\n", " ++> Files left by an earlier save stand beside the case: "},
          {"\nJ1\n4\n777\nL\n1\n", " ++> No save replaces BREVDAT while BREVDAT.brvold stands beside it"},
          {"\n4\n", " ++> No save replaces BREVDAT while BREVDAT.brvold stands beside it"}},
         "\n2\n\n"},
        {"a save refused by the record of an earlier save",
         [] {
             copy_sample();
             put_file("BREVSAVE.brvjournal", " left by an earlier save\n");
         },
         {{"M\n", " ++> The record of a save stopped before it was done cannot be read: "},
          {"\nJ1\n4\n777\nL\n1\n", " ++> No save is made here while BREVSAVE.brvjournal stands"}},
         "\n2\n\n"},
        {"a file that cannot be written",
         [] {
             copy_sample();
             fs::permissions("BREVDAT", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         {{"M\nJ1\n4\n777\nL\n1\n", " ++> File not found or file access error in BrevEdit"}},
         "\n2\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        c.folder();
        PipedRun run(".run/piped");
        std::size_t pauses = 0;
        for (const Step& step : c.steps) {
            SCOPED_TRACE(step.shown);
            run.answer(step.answers);
            const bool waits = run.waits_after(pause, pauses);
            ++pauses;
            const std::string out = run.out();
            ASSERT_TRUE(waits) << out;
            const auto shown = out.rfind(step.shown);
            ASSERT_NE(shown, std::string::npos) << out;
            EXPECT_LT(shown, out.rfind(pause));
            EXPECT_TRUE(lock_is_free());
        }
        run.answer(c.rest);
        EXPECT_EQ(run.end(), 0) << run.out();
    }
}

// The line of a save that finds the lock of its folder held.
const char* const kSaveWaits = " >>> Another program holds the lock of this folder: the case is saved once it lets go.\n";

// A session at the End of Session page with an edit (the water depth 80 on page 1) chooses to save
// while the lock of its folder is held: by another program's start held while it reads the case (at
// its open of "BREVDAT"), or from outside (as `flock DIR sleep 2` holds it). The save waits, says so
// once, writes nothing meanwhile, and saves once the lock is let go: status 0, the edit in "BREVDAT",
// the sample as its back-up. In a folder that keeps no lock (every flock failing with ENOLCK) neither
// the start nor the save says anything of a lock, and the save is made.
TEST(StoppedSaveRun, ASaveWaitsForTheLockOfItsFolderAndSavesOnceItIsLetGo) {
    enum class Holder { Start, Outside, NoLocks };
    struct Case {
        const char* what;
        Holder holder;
    };
    const Case cases[] = {
        {"another program's start reading the case", Holder::Start},
        {"the lock held from outside", Holder::Outside},
        {"a folder that keeps no lock", Holder::NoLocks},
    };
    const std::string prompt = "Enter number of selection (\"H\" for help): ";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        const std::string sample = file_bytes("BREVDAT");
        fs::create_directories(".run");
        const std::string go = (fs::current_path() / ".run" / "go").string();
        PipedRun run(".run/saving",
                     c.holder == Holder::NoLocks ? file_fault_environment("BREVANT_TEST_NO_FLOCK=1") : "");
        run.answer("M\nJ1\n4\n80\nL\n");
        ASSERT_TRUE(comes_to([&] {
            const std::string out = run.out();
            return out.find("End of Session") != std::string::npos && out.ends_with(prompt);
        })) << run.out();

        ProgramResult start;
        std::thread starting;
        int outside = -1;
        if (c.holder == Holder::Start) {
            starting = std::thread([&] {
                start = run_with_file_fault("M\nL\n2\n",
                                            "BREVANT_TEST_HELD_OPEN=BREVDAT BREVANT_TEST_HELD_UNTIL='" + go + "'",
                                            ".run/start");
            });
            ASSERT_TRUE(comes_to([] { return !lock_is_free(); }));
        }
        if (c.holder == Holder::Outside) {
            ASSERT_EQ(platform::lock_folder(".", outside), platform::LockResult::Held);
        }
        const Contents before = contents_here();
        run.answer("1\n");
        const bool waits = c.holder != Holder::NoLocks;
        if (waits) {
            EXPECT_TRUE(comes_to([&] { return run.out().find(kSaveWaits) != std::string::npos; })) << run.out();
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            EXPECT_TRUE(contents_here() == before) << listing(contents_here());
        }
        put_file(go, "");
        platform::release_folder_lock(outside);
        if (starting.joinable()) starting.join();
        const int status = run.end();

        EXPECT_EQ(status, 0) << run.err();
        const std::string out = run.out();
        EXPECT_EQ(count_of(out, kSaveWaits), waits ? 1u : 0u) << out;
        EXPECT_EQ(out.find(kWaiting), std::string::npos) << out;
        EXPECT_EQ(out.find("held the lock"), std::string::npos) << out;
        EXPECT_EQ(out.find("No save is made"), std::string::npos) << out;
        EXPECT_EQ(WordFile("BREVDAT").real(446), 80.0f);
        EXPECT_EQ(file_bytes("BREVBAK"), sample);
        if (c.holder == Holder::Start) {
            EXPECT_EQ(start.status, 0) << start.err;
        }
    }
}

}  // namespace
}  // namespace brevant::e2e
