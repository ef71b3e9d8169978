// A save stopped at any step (the process ends there, as a kill or a machine stop would end it) is
// finished or undone by the next start in that folder: every file of the case with its back-ups is
// the whole old set or the whole new set, byte for byte, nothing of the save is left, and the
// message says which. Each stopped save runs in a child process (a death test), so that the stop
// is a real end of a process: no destructor, no clean-up.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "edlib/finish.h"
#include "platform/platform.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/record_io.h"
#include "sysutl/save_journal.h"
#include "sysutl/staged_files.h"
#include "sysutl/word_ops.h"
#include "test_support.h"

namespace brevant {
namespace {

namespace fs = std::filesystem;
using testing::big_endian;
using testing::file_bytes;
using testing::put_file;

using Contents = std::map<std::string, std::string>;

// Every file of the current folder with its bytes.
Contents contents_here() {
    Contents all;
    for (const auto& entry : fs::directory_iterator(".")) all[entry.path().filename().string()] = file_bytes(entry.path().string());
    return all;
}

// The files a save of the case writes, the case file first, as the start passes them.
const std::vector<std::string> kSaveFiles = {"BREVDAT", "BREVBAK", "LASTBAK", "LOWDAT", "LOWBAK", "LASTLOW"};

SaveRecovery recover() { return recover_stopped_save(kSaveFiles); }

// Runs SAVE in a child process that ends at its file step N. True when the child was stopped
// there; false when the save went through before step N came.
bool save_stopped_at(const std::function<void()>& save, int n) {
    int status = -1;
    EXPECT_EXIT(
        {
            platform::stop_at_file_step(n);
            save();
            std::_Exit(0);
        },
        [&status](int s) {
            status = s;
            return true;
        },
        "");
    if (::testing::ExitedWithCode(0)(status)) return false;
    EXPECT_TRUE(::testing::ExitedWithCode(platform::kStoppedAtFileStep)(status)) << "status " << status;
    return true;
}

struct SaveRow {
    const char* what;
    Contents before;              // the folder before the save
    std::function<void()> save;   // the save, as the session makes it
    const char* finished;         // the message when the start finishes it
    const char* undone;           // the message when the start undoes it after the record was written
};

class StoppedSaveDeathTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        TPCM.NTOGO = NTOGOQ;
        TPCM.SIMTYP = 16;
        MOVCOM(NTOGOQ, word_span(TPCM), word_span(IOBUF));
        MOVCOM(kLowcofWords, word_span(LOWCOF), word_span(ILOBUF));
        TPCM.LRANDM = 1;  // the data image is edited in every save below
    }
    void TearDown() override {
        platform::stop_at_file_step(0);
        reset_images();
        ConsoleTest::TearDown();
    }

    // The end of an edit that saves and goes on to the run (FINISH returns).
    void finish(Int IERR0, Int IERR1) {
        TPCM.LBACK = -1983;
        Int JMPLOC = -7;
        FINISH(5, TPCM.SRCDAT, 0, KBD_UNIT, TPCM.LBACK, JMPLOC, image_bytes(TPCM), word_span(IOBUF),
               image_bytes(LOWCOF), word_span(ILOBUF), TPCM.IPAG, 16, SCREEN_UNIT, IERR0, IERR1, kLowcofWords, NTOGOQ,
               "BREVDAT     ", "BREVBAK     ", "LOWDAT      ", "LOWBAK      ", "BrevEdit    ", 0);
        EXPECT_EQ(JMPLOC, 0);
    }

    // The three saves: the first save of a new case (the data file alone, no file before), a lone
    // whole-image write over the data file, and a save of both files with every back-up rotated.
    std::vector<SaveRow> rows() {
        const Contents full = {
            {"BREVDAT", big_endian({4975, 16, 1, 2, 3})},        {"BREVBAK", big_endian({4975, 16, 4})},
            {"LASTBAK", big_endian({4975, 16, 5, 6})},           {"LOWDAT", big_endian({680, 0, 7, 8, 9, 10})},
            {"LOWBAK", big_endian({680, 11})},                   {"LASTLOW", big_endian({680, 12, 13})},
        };
        return {
            {"first save of a new case", {},
             [this] {
                 MOVCOM(kLowcofWords, word_span(ILOBUF), word_span(LOWCOF));  // the coefficients unchanged
                 finish(0, 1);
             },
             " ++> A save stopped before it was done has been finished: BREVDAT is the new case.",
             " ++> A save stopped before it was done has been undone: BREVDAT is as it was before it."},
            {"whole-image write of BREVDAT alone", {{"BREVDAT", big_endian({4975, 16, 1, 2, 3})}},
             [] {
                 Int ntogo = NTOGOQ, ierr = -1;
                 DISKIO(0, ntogo, "BREVDAT     ", DISK_UNIT, ierr, image_bytes(TPCM), 5);
             },
             " ++> A save stopped before it was done has been finished: BREVDAT is the new case.",
             " ++> A save stopped before it was done has been undone: BREVDAT is as it was before it."},
            {"both files with full back-up rotations", full,
             [this] {
                 LOWCOF.UWNANG(1) = 45.0f;  // both images edited: both groups are written
                 finish(0, 0);
             },
             " ++> A save stopped before it was done has been finished: BREVDAT, BREVBAK, LASTBAK, LOWDAT, LOWBAK, "
             "LASTLOW are the new case.",
             " ++> A save stopped before it was done has been undone: BREVDAT, BREVBAK, LASTBAK, LOWDAT, LOWBAK, "
             "LASTLOW are as they were before it."},
        };
    }

    static void put_all(const Contents& files) {
        for (const auto& [name, bytes] : files) put_file(name, bytes);
    }

    // The folder after ROW's save has gone through, made in a scratch folder of its own.
    static Contents saved_set(const SaveRow& row) {
        testing::ScratchDir dir;
        put_all(row.before);
        row.save();
        return contents_here();
    }

    // The smallest step at which ROW's save stops with its record in place, at least one new file
    // renamed into place and at least one still beside its name: the middle of its renames.
    static int step_in_the_renames(const SaveRow& row, const Contents& saved) {
        for (int n = 1; n < 200; ++n) {
            testing::ScratchDir dir;
            put_all(row.before);
            if (!save_stopped_at(row.save, n)) break;
            const Contents left = contents_here();
            bool renamed = false, waiting = false;
            for (const auto& [name, bytes] : saved) {
                if (left.count(name) && left.at(name) == bytes && row.before.count(name) &&
                    row.before.at(name) != bytes)
                    renamed = true;
                if (left.count(name + ".brvtmp")) waiting = true;
            }
            if (left.count(kSaveJournal) && renamed && waiting) return n;
        }
        return 0;
    }

    FArray<Int, NTOGOQ> IOBUF{};
    FArray<Int, kLowcofWords> ILOBUF{};
};

// A stop at every step of each save, then the start's recovery in that folder.
TEST_F(StoppedSaveDeathTest, EveryStopIsFinishedOrUndoneAtTheNextStart) {
    for (const SaveRow& row : rows()) {
        SCOPED_TRACE(row.what);
        const Contents saved = saved_set(row);
        ASSERT_NE(saved, row.before);
        int finished = 0, undone = 0, stops = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE("stopped at file step " + std::to_string(n));
            ASSERT_LT(n, 200) << "the save never went through";
            testing::ScratchDir dir;
            put_all(row.before);
            if (!save_stopped_at(row.save, n)) {
                // The save went through: the new set, and nothing for the start to do.
                EXPECT_EQ(contents_here(), saved);
                EXPECT_EQ(recover().outcome, SaveRecovery::Outcome::None);
                break;
            }
            ++stops;
            const Contents stopped = contents_here();
            const SaveRecovery r = recover();
            const Contents after = contents_here();
            switch (r.outcome) {
                case SaveRecovery::Outcome::Finished:
                    ++finished;
                    EXPECT_EQ(after, saved);
                    EXPECT_EQ(r.lines, std::vector<std::string>{row.finished});
                    break;
                case SaveRecovery::Outcome::Undone:
                    ++undone;
                    EXPECT_EQ(after, row.before);
                    ASSERT_EQ(r.lines.size(), 1u);
                    if (stopped.count(kSaveJournal)) {
                        EXPECT_EQ(r.lines[0], row.undone);
                    } else {
                        // Stopped before the record: only temporaries were made, and they are named.
                        EXPECT_EQ(r.lines[0].rfind(" ++> A save stopped before it was done has been undone: ", 0), 0u)
                            << r.lines[0];
                    }
                    break;
                case SaveRecovery::Outcome::None:
                    // Only a stop before the first file was made, or after the last was let go.
                    EXPECT_TRUE(stopped == row.before || stopped == saved);
                    EXPECT_TRUE(r.lines.empty());
                    break;
                case SaveRecovery::Outcome::Unresolved: ADD_FAILURE() << r.lines.at(0); break;
            }
            // Whole old or whole new, never a mix, and nothing of the save left beside them.
            EXPECT_TRUE(after == row.before || after == saved);
            // A second start finds nothing more to do.
            EXPECT_EQ(recover().outcome, SaveRecovery::Outcome::None);
        }
        EXPECT_GT(stops, 5);
        EXPECT_GT(finished, 0);
        EXPECT_GT(undone, 0);
    }
}

// A start that is itself stopped at any of its steps, in the middle of finishing a save or of undoing
// one (a new file damaged after the record, the last one still beside its name): the next start ends
// the work the same way.
TEST_F(StoppedSaveDeathTest, AStartStoppedWhileItResolvesASaveIsResolvedByTheNext) {
    const SaveRow row = rows().back();
    const Contents saved = saved_set(row);
    const int middle = step_in_the_renames(row, saved);
    ASSERT_GT(middle, 0);
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "undoing" : "finishing");
        for (int m = 1;; ++m) {
            SCOPED_TRACE("start stopped at file step " + std::to_string(m));
            ASSERT_LT(m, 200);
            testing::ScratchDir dir;
            put_all(row.before);
            ASSERT_TRUE(save_stopped_at(row.save, middle));
            if (damaged) {
                ASSERT_TRUE(fs::exists("BREVDAT.brvtmp"));
                fs::resize_file("BREVDAT.brvtmp", fs::file_size("BREVDAT.brvtmp") / 2);
            }
            const bool stopped = save_stopped_at([] { recover(); }, m);
            const SaveRecovery r = recover();
            EXPECT_EQ(contents_here(), damaged ? row.before : saved);
            if (!stopped) {
                EXPECT_EQ(r.outcome, SaveRecovery::Outcome::None);
                break;
            }
            EXPECT_NE(r.outcome, SaveRecovery::Outcome::Unresolved);
        }
    }
}

// A new file damaged after the record was written (cut short beside its name) cannot be finished:
// every file the save had already replaced is put back, the files it added are removed, and the
// message says so, naming every file of the save.
TEST_F(StoppedSaveDeathTest, ADamagedNewFileUndoesTheSave) {
    const SaveRow row = rows().back();
    const Contents saved = saved_set(row);
    const int middle = step_in_the_renames(row, saved);
    ASSERT_GT(middle, 0);
    testing::ScratchDir dir;
    put_all(row.before);
    ASSERT_TRUE(save_stopped_at(row.save, middle));
    ASSERT_NE(contents_here(), row.before);
    fs::resize_file("BREVDAT.brvtmp", 100);
    const SaveRecovery r = recover();
    EXPECT_EQ(r.outcome, SaveRecovery::Outcome::Undone);
    EXPECT_EQ(r.lines, std::vector<std::string>{row.undone});
    EXPECT_EQ(contents_here(), row.before);
}

// A record that cannot be read (damaged on the disk) resolves nothing: it and every leftover stay as
// they are, and the message names them; no later save is made while the record stands.
TEST_F(StoppedSaveDeathTest, AnUnreadableRecordLeavesEverythingAndIsNamed) {
    const SaveRow row = rows().back();
    const Contents saved = saved_set(row);
    const int middle = step_in_the_renames(row, saved);
    ASSERT_GT(middle, 0);
    testing::ScratchDir dir;
    put_all(row.before);
    ASSERT_TRUE(save_stopped_at(row.save, middle));
    std::string record = file_bytes(kSaveJournal);
    record[record.size() / 2] ^= 0x01;
    put_file(kSaveJournal, record);
    const Contents stopped = contents_here();

    const SaveRecovery r = recover();
    EXPECT_EQ(r.outcome, SaveRecovery::Outcome::Unresolved);
    EXPECT_TRUE(r.unreadable);
    EXPECT_EQ(contents_here(), stopped);
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0].rfind(" ++> The record of a save stopped before it was done cannot be read: BREVSAVE.brvjournal, ", 0),
              0u)
        << r.lines[0];
    for (const auto& [name, bytes] : stopped) {
        if (name != kSaveJournal && (name.ends_with(".brvtmp") || name.ends_with(".brvold"))) {
            EXPECT_NE(r.lines[0].find(name), std::string::npos) << name;
        }
    }
    EXPECT_EQ(r.lines[1], "     The case may mix old and new files; no save is made here while BREVSAVE.brvjournal is there.");

    // The session saves again: refused, naming the record, and nothing changes.
    reset_units();  // the scratch folders of the steps above gave the units back
    capture_unit(SCREEN_UNIT);
    answers("\n");
    TPCM.LBACK = -1983;
    Int JMPLOC = -7;
    FINISH(5, TPCM.SRCDAT, 0, KBD_UNIT, TPCM.LBACK, JMPLOC, image_bytes(TPCM), word_span(IOBUF), image_bytes(LOWCOF),
           word_span(ILOBUF), TPCM.IPAG, 16, SCREEN_UNIT, 0, 0, kLowcofWords, NTOGOQ, "BREVDAT     ", "BREVBAK     ",
           "LOWDAT      ", "LOWBAK      ", "BrevEdit    ", 0);
    EXPECT_EQ(JMPLOC, 1);
    EXPECT_NE(screen().find("     File name: BREVSAVE.brvjournal"), std::string::npos) << screen();
    EXPECT_EQ(contents_here(), stopped);
}

}  // namespace
}  // namespace brevant
