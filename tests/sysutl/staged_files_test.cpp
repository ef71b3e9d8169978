// Files written beside their names: a save puts its files in place only when it commits, and one
// that does not leaves every file as it was; a whole-image write joins the save in progress.
#include "sysutl/staged_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "platform/platform.h"
#include "records/data_image.h"
#include "sysutl/record_io.h"
#include "sysutl/save_files.h"
#include "sysutl/report_files.h"
#include "sysutl/save_journal.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

namespace fs = std::filesystem;
using testing::file_bytes;
using testing::put_file;

std::vector<char> bytes_of(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<std::string> names_here() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(StagedFiles, NothingIsInPlaceBeforeTheCommitAndEverythingAfterIt) {
    testing::ScratchDir dir;
    put_file("A", "old a");
    {
        StagedSave save;
        EXPECT_EQ(save.stage("A   ", bytes_of("new a")), StageResult::Staged);
        EXPECT_EQ(save.stage("B", bytes_of("new b")), StageResult::Staged);
        EXPECT_EQ(file_bytes("A"), "old a");
        EXPECT_FALSE(fs::exists("B"));
        EXPECT_EQ(save.commit(), "");
    }
    EXPECT_EQ(file_bytes("A"), "new a");
    EXPECT_EQ(file_bytes("B"), "new b");
    EXPECT_EQ(names_here(), (std::vector<std::string>{"A", "B"}));
}

TEST(StagedFiles, ASaveLeftWithoutCommitLeavesEveryFileAsItWas) {
    testing::ScratchDir dir;
    put_file("A", "old a");
    {
        StagedSave save;
        EXPECT_EQ(save.stage("A", bytes_of("new a")), StageResult::Staged);
        EXPECT_TRUE(fs::exists("A.brvtmp"));
    }
    EXPECT_EQ(file_bytes("A"), "old a");
    EXPECT_EQ(names_here(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(StagedSave::in_progress(), nullptr);
}

// A name that cannot take its file (a folder there, a file the file system has locked) stops the
// whole commit before the first rename: no file is replaced, no temporary stays, and the name comes
// back as the caller gave it.
TEST(StagedFiles, ANameThatCannotTakeItsFileStopsTheWholeCommit) {
    struct Case {
        const char* what;
        bool lock;  // C is a locked file; otherwise a folder (not empty, as no rename may replace it)
    };
    testing::SkippedRows skipped;
    for (const Case& c : {Case{"a folder", false}, Case{"a locked file", true}}) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        put_file("A", "old a");
        if (c.lock) {
            put_file("C", "old c");
        } else {
            fs::create_directories("C/inside");
        }
        const testing::LockedFile locked(c.lock ? "C" : "");
        if (c.lock && !locked.locked()) {
            skipped.add(c.what);
            continue;
        }
        EXPECT_FALSE(can_be_replaced("C  "));
        EXPECT_TRUE(can_be_replaced("A"));
        EXPECT_TRUE(can_be_replaced("B"));  // nothing there
        StagedSave save;
        EXPECT_EQ(save.stage("A", bytes_of("a")), StageResult::Staged);
        EXPECT_EQ(save.stage("B", bytes_of("b")), StageResult::Staged);
        EXPECT_EQ(save.stage("C  ", bytes_of("c")), StageResult::Staged);
        EXPECT_EQ(save.commit(), "C  ");
        EXPECT_EQ(names_here(), (std::vector<std::string>{"A", "C"}));
        EXPECT_EQ(file_bytes("A"), "old a");
        if (c.lock) {
            EXPECT_EQ(file_bytes("C"), "old c");
        } else {
            EXPECT_TRUE(fs::is_directory("C/inside"));
        }
    }
    if (skipped.any()) GTEST_SKIP() << skipped.text();
}

// A rename that fails after every check (a mount point over the file: EBUSY; a failing device: EIO)
// puts back every file the save had already replaced, and removes a file it had newly made: the
// save changes no file, leaves no temporary, no kept copy and no record, and names the file whose
// rename failed. The first rename puts the record of the save in place: when that one fails, the
// save names the record and has touched nothing.
TEST(StagedFiles, ARenameThatFailsPutsBackWhatTheSaveHadReplaced) {
    const char* const named[] = {kSaveJournal, "A", "B  ", "C"};
    for (const int error : {EBUSY, EIO}) {
        for (int failing = 1; failing <= 4; ++failing) {
            SCOPED_TRACE("rename " + std::to_string(failing) + " error " + std::to_string(error));
            testing::ScratchDir dir;
            put_file("A", "old a");
            put_file("C", "old c");
            StagedSave save;
            EXPECT_EQ(save.stage("A", bytes_of("new a")), StageResult::Staged);
            EXPECT_EQ(save.stage("B  ", bytes_of("new b")), StageResult::Staged);  // not there before
            EXPECT_EQ(save.stage("C", bytes_of("new c")), StageResult::Staged);
            const testing::RenameFaults fault(failing, 1, error);
            EXPECT_EQ(save.commit(), std::string(named[failing - 1]));
            EXPECT_EQ(names_here(), (std::vector<std::string>{"A", "C"}));
            EXPECT_EQ(file_bytes("A"), "old a");
            EXPECT_EQ(file_bytes("C"), "old c");
        }
    }
}

// A record whose folder cannot be flushed after it takes its name (a failing device) is not made
// sure of: the save fails naming it, changes no file and takes the record away again, so that the
// next save of the session is not refused by a record of a save that never began.
TEST(StagedFiles, ARecordThatCannotReachTheDiskGoesAgainAndTheNextSaveRuns) {
    testing::ScratchDir dir;
    put_file("A", "old a");
    {
        StagedSave save;
        EXPECT_EQ(save.stage("A", bytes_of("new a")), StageResult::Staged);
        platform::fail_folder_flushes(EIO);
        const std::string failed = save.commit();
        platform::fail_folder_flushes(0);
        EXPECT_EQ(failed, std::string(kSaveJournal));
    }
    EXPECT_EQ(names_here(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(file_bytes("A"), "old a");
    StagedSave again;
    EXPECT_EQ(again.stage("A", bytes_of("new a")), StageResult::Staged);
    EXPECT_EQ(again.commit(), "");
    EXPECT_EQ(file_bytes("A"), "new a");
}

// When even the putting back fails (the device stays broken), no content is lost: the file that
// could not be put back keeps its old content under its kept name, and the record of the save stays
// beside it. No later save writes anything while the record stands (the message names it), and
// none replaces that file while its kept copy stands there (the message names the kept copy); the
// next start puts the old file back and the case is whole again.
TEST(StagedFiles, AFileThatCannotBePutBackKeepsItsOldContentBesideIt) {
    testing::ScratchDir dir;
    put_file("A", "old a");
    put_file("C", "old c");
    {
        StagedSave save;
        EXPECT_EQ(save.stage("A", bytes_of("new a")), StageResult::Staged);
        EXPECT_EQ(save.stage("C", bytes_of("new c")), StageResult::Staged);
        const testing::RenameFaults fault(3, 100, EIO);  // C's rename and every rename after it
        EXPECT_EQ(save.commit(), "C");
    }
    EXPECT_EQ(names_here(), (std::vector<std::string>{"A", "A.brvold", "BREVSAVE.brvjournal", "C"}));
    EXPECT_EQ(file_bytes("A"), "new a");
    EXPECT_EQ(file_bytes("A.brvold"), "old a");
    EXPECT_EQ(file_bytes("C"), "old c");
    {
        StagedSave again;
        EXPECT_EQ(again.stage("A", bytes_of("newer a")), StageResult::RecordStands);
        EXPECT_EQ(again.stage("D", bytes_of("d")), StageResult::RecordStands);
        EXPECT_EQ(again.commit(), "");
    }
    EXPECT_EQ(unfinished_save_record("A"), kSaveJournal);
    EXPECT_EQ(file_bytes("A.brvold"), "old a");
    EXPECT_EQ(names_here(), (std::vector<std::string>{"A", "A.brvold", "BREVSAVE.brvjournal", "C"}));

    const std::string files[] = {"C", "A"};
    const SaveRecovery r = recover_stopped_save(files);
    EXPECT_EQ(r.outcome, SaveRecovery::Outcome::Undone);
    EXPECT_EQ(r.lines, std::vector<std::string>{
                           " ++> A save stopped before it was done has been undone: C, A are as they were before it."});
    EXPECT_EQ(names_here(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(file_bytes("A"), "old a");
    EXPECT_EQ(file_bytes("C"), "old c");

    // A kept copy without a record (nothing tells which save it belongs to) still stops a save of
    // its file, naming it, and is named at the start.
    put_file("A.brvold", "older a");
    {
        StagedSave again;
        EXPECT_EQ(again.stage("A", bytes_of("newer a")), StageResult::Staged);
        EXPECT_EQ(again.commit(), "A.brvold");
    }
    EXPECT_EQ(file_bytes("A"), "old a");
    const SaveRecovery left = recover_stopped_save(files);
    EXPECT_EQ(left.outcome, SaveRecovery::Outcome::Unresolved);
    EXPECT_EQ(left.lines, (std::vector<std::string>{
                              " ++> Files left by an earlier save stand beside the case: A.brvold is left as it is.",
                              "     No save replaces a file while its kept copy (NAME.brvold) is there: the file is as the last",
                              "     save left it, and the copy holds what that save replaced. Move the copy elsewhere or delete it."}));
    EXPECT_EQ(names_here(), (std::vector<std::string>{"A", "A.brvold", "C"}));
}

// What commit() looks for once every file is staged, before it writes the record: a record that
// appeared in the folder since the staging (a save of another program stopped there), a kept copy
// beside a file of the save, files of two folders (one record names the files of one folder). Each
// refuses the whole save: no file changes, no temporary stays, and the record found is not
// overwritten.
TEST(StagedFiles, WhatStandsInTheWayAtTheCommitRefusesTheWholeSave) {
    struct Row {
        const char* what;
        const char* put;       // the file put in the way after the staging ("" for none)
        const char* second;    // the name the second file is staged under
        const char* returned;  // what commit() returns
        SaveRefusal::Why why;
    };
    const Row rows[] = {
        {"a record that appeared after the staging", kSaveJournal, "B", kSaveJournal, SaveRefusal::Why::RecordStands},
        {"a kept copy beside a file of the save", "A.brvold", "B", "A.brvold", SaveRefusal::Why::KeptCopyStands},
        {"files of two folders", "", "sub/B", "sub/B", SaveRefusal::Why::None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::ScratchDir dir;
        fs::create_directory("sub");
        put_file("A", "old a");
        StagedSave save;
        ASSERT_EQ(save.stage("A", bytes_of("new a")), StageResult::Staged);
        ASSERT_EQ(save.stage(row.second, bytes_of("new b")), StageResult::Staged);
        if (*row.put != '\0') put_file(row.put, "in the way");
        EXPECT_EQ(save.commit(), row.returned);
        EXPECT_EQ(save.refusal().why, row.why);
        std::vector<std::string> expected{"A", "sub"};
        if (*row.put != '\0') expected.push_back(row.put);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names_here(), expected);
        EXPECT_TRUE(fs::is_empty("sub"));
        EXPECT_EQ(file_bytes("A"), "old a");
        if (*row.put != '\0') {
            EXPECT_EQ(file_bytes(row.put), "in the way");
        }
    }
}

// A save holds the lock of its folder from its first file until it is committed or discarded: while
// another holder has it, the save waits for it (its notice said once) and, past the bound of the
// wait on the platform's clock, nothing is staged and the save is refused, without waiting again at
// its next file; while the save has it, nobody else can take it.
TEST(StagedFiles, ASaveHoldsTheLockOfItsFolderFromItsFirstFileToItsEnd) {
    testing::ScratchDir dir;
    put_file("A", "old a");
    int other = -1;
    ASSERT_EQ(platform::lock_folder(".", other), platform::LockResult::Held);
    {
        platform::set_manual_clock(0.0);
        int notices = 0;
        StagedSave save;
        save.on_lock_wait([&] { ++notices; });
        EXPECT_EQ(save.stage("A", bytes_of("new a")), StageResult::LockHeld);
        const double waited = platform::clock_seconds();
        EXPECT_EQ(save.stage("B", bytes_of("new b")), StageResult::LockHeld);
        EXPECT_EQ(platform::clock_seconds(), waited) << "a refused save waited again";
        platform::reset_clock();
        EXPECT_GE(waited, 30.0);
        EXPECT_LT(waited, 30.1);
        EXPECT_EQ(notices, 1);
        EXPECT_EQ(save.refusal().why, SaveRefusal::Why::LockHeld);
        EXPECT_EQ(names_here(), std::vector<std::string>{"A"});
    }
    platform::release_folder_lock(other);
    for (const bool commit : {true, false}) {
        SCOPED_TRACE(commit ? "committed" : "discarded");
        StagedSave save;
        int probe = -1;
        ASSERT_EQ(platform::lock_folder(".", probe), platform::LockResult::Held);
        platform::release_folder_lock(probe);
        ASSERT_EQ(save.stage("A", bytes_of(commit ? "new a" : "not kept")), StageResult::Staged);
        EXPECT_EQ(platform::lock_folder(".", probe), platform::LockResult::Busy);
        if (commit) {
            EXPECT_EQ(save.commit(), "");
        } else {
            save.discard();
        }
        ASSERT_EQ(platform::lock_folder(".", probe), platform::LockResult::Held);
        platform::release_folder_lock(probe);
        EXPECT_FALSE(save.refusal());
    }
    EXPECT_EQ(file_bytes("A"), "new a");
    EXPECT_EQ(names_here(), std::vector<std::string>{"A"});
}

// A save that stages again after its commit takes the lock anew: the lock it let go at the commit
// is no longer its own, and its descriptor is not closed a second time (here the descriptor number
// the lock had is reused by a file opened between the two saves, and stays open).
TEST(StagedFiles, ASaveThatStagesAgainAfterItsCommitTakesTheLockAnew) {
    testing::ScratchDir dir;
    StagedSave save;
    ASSERT_EQ(save.stage("A", bytes_of("first")), StageResult::Staged);
    ASSERT_EQ(save.commit(), "");
    int probe = -1;
    ASSERT_EQ(platform::lock_folder(".", probe), platform::LockResult::Held);
    platform::release_folder_lock(probe);
    const int opened = ::open("A", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(opened, 0);
    ASSERT_EQ(save.stage("B", bytes_of("second")), StageResult::Staged);
    EXPECT_EQ(platform::lock_folder(".", probe), platform::LockResult::Busy);
    EXPECT_EQ(save.commit(), "");
    EXPECT_NE(::fcntl(opened, F_GETFD), -1) << "a descriptor opened between the saves was closed by the second";
    ::close(opened);
    EXPECT_EQ(file_bytes("A"), "first");
    EXPECT_EQ(file_bytes("B"), "second");
    ASSERT_EQ(platform::lock_folder(".", probe), platform::LockResult::Held);
    platform::release_folder_lock(probe);
}

// The lock taken with a wait: at once when it is free or where the folder keeps none; while another
// holder has it, the wait looks again on the platform's clock every 0.05 s, calls its notice once,
// and gives up Busy past its bound of 30 s, or takes the lock once the holder lets go. (The times
// are written out: a look of another period, or another bound, is a fault these rows must see.)
TEST(StagedFiles, TheLockTakenWithAWaitIsBoundedAndSaysOnceThatItWaits) {
    struct Case {
        const char* what;
        const char* folder;
        bool held_by_another;
        int let_go_at;  // the look at which the other holder lets go; 0 never
        platform::LockResult result;
        int notices;
        double waited;  // on the platform's clock
    };
    const Case cases[] = {
        {"free", ".", false, 0, platform::LockResult::Held, 0, 0.0},
        {"no such folder", "no/such/folder", false, 0, platform::LockResult::Unavailable, 0, 0.0},
        {"let go at the fourth look", ".", true, 4, platform::LockResult::Held, 1, 0.2},
        {"never let go", ".", true, 0, platform::LockResult::Busy, 1, 30.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        int other = -1;
        if (c.held_by_another) {
            ASSERT_EQ(platform::lock_folder(".", other), platform::LockResult::Held);
        }
        int looks = 0;
        platform::set_manual_clock(0.0);
        platform::set_sleep_hook([&] {
            if (++looks == c.let_go_at) {
                platform::release_folder_lock(other);
                other = -1;
            }
        });
        int notices = 0;
        SaveLock lock;
        EXPECT_EQ(lock.take_waiting(c.folder, kLockWaitSeconds, [&] { ++notices; }), c.result);
        const double waited = platform::clock_seconds();
        platform::reset_clock();
        platform::release_folder_lock(other);
        EXPECT_EQ(lock.held(), c.result == platform::LockResult::Held);
        EXPECT_EQ(notices, c.notices);
        EXPECT_NEAR(waited, c.waited, 0.051);
        lock.release();
        EXPECT_FALSE(lock.held());
    }
}

// A folder that takes new names but lets none be renamed or removed (append-only) is found before
// anything is written: the save and a text file written line by line are refused naming the folder,
// and no temporary is left in it.
TEST(StagedFiles, AnAppendOnlyFolderIsRefusedBeforeAnythingIsWritten) {
    testing::ScratchDir dir;
    fs::create_directory("case");
    put_file("case/A", "old a");
    testing::AppendOnlyFolder folder("case");
    if (!folder.marked()) GTEST_SKIP() << "the file system cannot mark a folder append-only here";
    const std::string shown = (fs::current_path() / "case").string() + "/";
    EXPECT_EQ(folder_refusing_renames("case/A"), shown);
    EXPECT_EQ(folder_refusing_renames("A"), "");  // the scratch folder itself takes them
    {
        StagedSave save;
        EXPECT_EQ(save.stage("case/A", bytes_of("new a")), StageResult::FolderRefused);
        EXPECT_EQ(save.commit(), "");
    }
    EXPECT_EQ(open_staged_file(DISK_UNIT, "case/REPORT.stxt "), shown);
    EXPECT_FALSE(unit_is_open(DISK_UNIT));
    folder.lift();
    std::vector<std::string> inside;
    for (const auto& entry : fs::directory_iterator("case")) inside.push_back(entry.path().filename().string());
    EXPECT_EQ(inside, std::vector<std::string>{"A"});
    EXPECT_EQ(file_bytes("case/A"), "old a");
    EXPECT_EQ(open_staged_file(DISK_UNIT, "case/REPORT.stxt "), "");
    close_unit(DISK_UNIT);
}

TEST(StagedFiles, AWriteProtectedFileIsRefusedBeforeAnythingIsWritten) {
    testing::ScratchDir dir;
    put_file("A", "old a");
    fs::permissions("A", fs::perms::owner_read);
    StagedSave save;
    EXPECT_EQ(save.stage("A", bytes_of("new a")), StageResult::Protected);
    EXPECT_EQ(names_here(), (std::vector<std::string>{"A"}));
    fs::permissions("A", fs::perms::owner_all);
}

// A whole-image write within a save in progress waits for that save; without one it is in place at once.
TEST(StagedFiles, AWholeImageWriteJoinsTheSaveInProgress) {
    testing::ScratchDir dir;
    reset_images();
    TPCM.NTOGO = NTOGOQ;
    Int ntogo = NTOGOQ, ierr = -1;
    {
        StagedSave save;
        DISKIO(0, ntogo, "BREVDAT     ", 1, ierr, image_bytes(TPCM), 5);
        EXPECT_EQ(ierr, 0);
        EXPECT_FALSE(fs::exists("BREVDAT"));
        EXPECT_TRUE(fs::exists("BREVDAT.brvtmp"));
    }
    EXPECT_EQ(names_here(), std::vector<std::string>{});
    {
        StagedSave save;
        DISKIO(0, ntogo, "BREVDAT", 1, ierr, image_bytes(TPCM), 5);
        EXPECT_EQ(save.commit(), "");
    }
    EXPECT_EQ(file_bytes("BREVDAT").size(), 4u * NTOGOQ);
    fs::remove("BREVDAT");
    DISKIO(0, ntogo, "BREVDAT", 1, ierr, image_bytes(TPCM), 5);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(names_here(), (std::vector<std::string>{"BREVDAT"}));
    reset_images();
}

TEST(StagedFiles, AStagedReportIsPlacedOrDropped) {
    testing::ScratchDir dir;
    put_file("REPORT.stxt", "old");
    put_file(staged_name("REPORT.stxt  "), "new");
    drop_staged_file("REPORT.stxt");
    EXPECT_TRUE(place_staged_file("REPORT.stxt"));  // nothing to place
    EXPECT_EQ(file_bytes("REPORT.stxt"), "old");
    put_file("REPORT.stxt.brvtmp", "new");
    EXPECT_TRUE(place_staged_file("REPORT.stxt "));
    EXPECT_EQ(file_bytes("REPORT.stxt"), "new");
    EXPECT_EQ(names_here(), (std::vector<std::string>{"REPORT.stxt"}));
    // A folder of the report's name: the temporary goes, the folder stays.
    fs::remove("REPORT.stxt");
    fs::create_directories("REPORT.stxt/inside");
    put_file("REPORT.stxt.brvtmp", "new");
    EXPECT_FALSE(place_staged_file("REPORT.stxt"));
    EXPECT_EQ(names_here(), (std::vector<std::string>{"REPORT.stxt"}));
    EXPECT_TRUE(fs::is_directory("REPORT.stxt/inside"));
}

}  // namespace
}  // namespace brevant
