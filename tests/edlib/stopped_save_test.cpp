// A save stopped at any step (the process ends there, as a kill or a machine stop would end it) is
// finished or undone by the next start in that folder: every file of the case with its back-ups is
// the whole old set or the whole new set, byte for byte, nothing of the save is left, and the
// message says which. Each stopped save runs in a child process (a death test), so that the stop
// is a real end of a process: no destructor, no clean-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "edlib/finish.h"
#include "edlib/loader.h"
#include "platform/platform.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/record_io.h"
#include "sysutl/save_journal.h"
#include "sysutl/staged_files.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"
#include "test_support.h"
#include "brevant_paths.h"

namespace brevant {
namespace {

namespace fs = std::filesystem;
using testing::big_endian;
using testing::file_bytes;
using testing::put_file;

using testing::Contents;
using testing::contents_here;

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

bool no_kept_copy(const Contents& files) {
    for (const auto& [name, bytes] : files)
        if (name.ends_with(".brvold")) return false;
    return true;
}

bool holds(const Contents& files, const std::string& name, const std::string& bytes) {
    const auto it = files.find(name);
    return it != files.end() && it->second == bytes;
}

// Changes bytes of the file NAME in place: the same file, so that every other name of it (a kept
// copy made as a second name) shows the change too.
void change_in_place(const std::string& name) {
    std::fstream f(name, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(40);
    f.write("CHANGED", 7);
}

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
        set_case_file_seen(std::nullopt);  // as a load that found no files
        set_coefficient_file_seen(std::nullopt);
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
                 // The coefficients unchanged; the load found no coefficient file either (an empty
                 // folder), so the save writes it too.
                 MOVCOM(kLowcofWords, word_span(ILOBUF), word_span(LOWCOF));
                 finish(1, 1);
             },
             " ++> A save stopped before it was done has been finished: BREVDAT, LOWDAT are the new case.",
             " ++> A save stopped before it was done has been undone: BREVDAT, LOWDAT are as they were before it."},
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

    // The smallest step at which ROW's save stops leaving the folder as WANTED says; 0 when none does.
    static int first_stop_where(const SaveRow& row, const std::function<bool(const Contents&)>& wanted) {
        for (int n = 1; n < 200; ++n) {
            testing::ScratchDir dir;
            put_all(row.before);
            if (!save_stopped_at(row.save, n)) break;
            if (wanted(contents_here())) return n;
        }
        return 0;
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

    // A stop of ROW's save with its record in place and a kept copy of every file it replaces (each
    // with a temporary beside it), before its first rename: every file still holds what it held.
    static std::function<bool(const Contents&)> before_every_rename(const SaveRow& row) {
        return [&row](const Contents& left) {
            if (!left.count(kSaveJournal)) return false;
            for (const auto& [name, bytes] : row.before) {
                if (!holds(left, name, bytes)) return false;
                if (left.count(staged_name(name)) && !left.count(kept_name(name))) return false;
            }
            return true;
        };
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
        // The stops of a finishing start that leave the record with every kept copy gone: at the
        // flush of the folder that follows the removal of the kept copies, and at the record's own
        // removal. Without that flush a machine stop could keep the removal of the record and lose
        // that of a kept copy, leaving the copy with no record to tell what it is.
        int between = 0;
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
            const Contents left = contents_here();
            if (!damaged && stopped && left.count(kSaveJournal) && no_kept_copy(left)) ++between;
            const SaveRecovery r = recover();
            EXPECT_EQ(contents_here(), damaged ? row.before : saved);
            if (!stopped) {
                EXPECT_EQ(r.outcome, SaveRecovery::Outcome::None);
                break;
            }
            EXPECT_NE(r.outcome, SaveRecovery::Outcome::Unresolved);
        }
        if (!damaged) {
            EXPECT_EQ(between, 2);
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
    EXPECT_NE(screen().find(" ++> No save is made here while BREVSAVE.brvjournal stands: the record of a save that was not "
                            "finished.\n"),
              std::string::npos)
        << screen();
    EXPECT_EQ(screen().find("File not found"), std::string::npos) << screen();
    EXPECT_EQ(contents_here(), stopped);
}


// What the start cannot resolve without losing something stops it before it renames or removes
// anything: the files, the record and every leftover stay as they are, and the message names them,
// first the files that hold what the record does not give them. A file of the save that holds
// neither its old nor its new content (changed by hand, by another program): finishing would
// overwrite the change, undoing would put the kept copy over it. A temporary that is not a plain
// file is no temporary of a save: renaming it would put a link or a folder at the file's name.
// A replaced file whose old content is neither at its name nor kept beside it cannot be put back,
// so the save is not undone at all rather than half undone.
TEST_F(StoppedSaveDeathTest, WhatTheStartCannotResolveLeavesEverything) {
    const std::vector<SaveRow> save_rows = rows();
    const SaveRow& first_save = save_rows.front();
    const SaveRow& full = save_rows.back();
    const SaveRow two_files{"the data and coefficient files, both replaced",
                            {{"BREVDAT", big_endian({4975, 16, 1, 2, 3})}, {"LOWDAT", big_endian({680, 0, 7, 8})}},
                            [] {
                                StagedSave save;
                                save.stage("LOWDAT", big_endian({680, 0, 70, 80}));
                                save.stage("BREVDAT", big_endian({4975, 16, 10, 20, 30}));
                                save.commit();
                            },
                            "", ""};
    const Contents full_saved = saved_set(full);
    struct Case {
        const char* what;
        const SaveRow& row;
        std::function<bool(const Contents&)> stop;  // where the save is stopped
        std::function<void()> change;
        std::vector<std::string> changed;
        const char* line;  // the line that names them; none when no file holds what it should not
    };
    const Case cases[] = {
        {"the data file changed in place before its rename (it would be finished)", full, before_every_rename(full),
         [] {
             ASSERT_TRUE(fs::equivalent("BREVDAT", "BREVDAT.brvold"));
             change_in_place("BREVDAT");
         },
         {"BREVDAT", "BREVDAT.brvold"},
         "     BREVDAT, BREVDAT.brvold do not hold what the record gives them: neither their old nor their new "
         "content."},
        {"LASTBAK replaced after its rename (it would be undone)", full,
         [&](const Contents& left) {
             return holds(left, "LASTBAK", full_saved.at("LASTBAK")) && left.count("BREVDAT.brvtmp");
         },
         [] {
             fs::remove("LASTBAK");
             put_file("LASTBAK", " another file\n");
         },
         {"LASTBAK"},
         "     LASTBAK does not hold what the record gives it: neither its old nor its new content."},
        {"a data file put where the first save of a new case adds one (it would be finished over it)", first_save,
         [](const Contents& left) { return left.count(kSaveJournal) && left.count("BREVDAT.brvtmp"); },
         [] {
             ASSERT_FALSE(fs::exists("BREVDAT"));
             put_file("BREVDAT", big_endian({4975, 16, 99}));
         },
         {"BREVDAT"},
         "     BREVDAT does not hold what the record gives it: neither its old nor its new content."},
        {"a link in place of the data file's temporary, to a copy of it (it would become the data file)", full,
         before_every_rename(full),
         [] {
             fs::rename("BREVDAT.brvtmp", "elsewhere");
             fs::create_symlink("elsewhere", "BREVDAT.brvtmp");
         },
         {"BREVDAT.brvtmp"},
         "     BREVDAT.brvtmp does not hold what the record gives it: neither its old nor its new content."},
        {"a folder in place of the record's temporary (it cannot be removed as a file)", full,
         before_every_rename(full), [] { fs::create_directories("BREVSAVE.brvjournal.brvtmp/inside"); },
         {"BREVSAVE.brvjournal.brvtmp"},
         "     BREVSAVE.brvjournal.brvtmp does not hold what the record gives it: neither its old nor its new "
         "content."},
        {"the first file renamed, its kept copy gone, the second damaged beside its name (it would be undone)",
         two_files,
         [](const Contents& left) {
             return left.count(kSaveJournal) && holds(left, "LOWDAT", big_endian({680, 0, 70, 80})) &&
                    left.count("BREVDAT.brvtmp");
         },
         [] {
             ASSERT_TRUE(fs::remove("LOWDAT.brvold"));
             fs::resize_file("BREVDAT.brvtmp", 10);
         },
         {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int n = first_stop_where(c.row, c.stop);
        ASSERT_GT(n, 0);
        testing::ScratchDir dir;
        put_all(c.row.before);
        ASSERT_TRUE(save_stopped_at(c.row.save, n));
        c.change();
        const Contents stopped = contents_here();
        const auto links = [] {
            std::vector<std::string> names;
            for (const auto& entry : fs::directory_iterator("."))
                if (entry.is_symlink()) names.push_back(entry.path().filename().string());
            return names;
        };
        const std::vector<std::string> links_before = links();
        for (int start = 1; start <= 2; ++start) {
            const SaveRecovery r = recover();
            EXPECT_EQ(r.outcome, SaveRecovery::Outcome::Unresolved);
            EXPECT_FALSE(r.unreadable);
            EXPECT_EQ(r.changed, c.changed);
            EXPECT_EQ(contents_here(), stopped);
            EXPECT_EQ(links(), links_before);
            ASSERT_EQ(r.lines.size(), c.line ? 3u : 2u);
            std::string named;
            for (const std::string& f : c.changed) named += f + ", ";
            EXPECT_EQ(r.lines[0].rfind(" ++> A save stopped before it was done can be neither finished nor undone: " +
                                           named + "BREVSAVE.brvjournal, ",
                                       0),
                      0u)
                << r.lines[0];
            if (c.line) {
                EXPECT_EQ(r.lines[1], c.line);
            }
            EXPECT_EQ(r.lines.back(),
                      "     The case may mix old and new files; no save is made here while BREVSAVE.brvjournal is there.");
        }
    }
}

// A record kept aside (a restore from a back-up, a folder sync) and brought back, with the
// temporaries of its save, after a later save has gone through: the start finds the later save's
// files at the names and leaves them, instead of finishing the old save over them.
TEST_F(StoppedSaveDeathTest, AStaleRecordBroughtBackAfterALaterSaveLeavesThatSave) {
    const SaveRow row = rows().back();
    const Contents saved = saved_set(row);
    const int first_link = first_stop_where(row, [](const Contents& left) { return left.count(kSaveJournal) > 0; });
    ASSERT_GT(first_link, 0);
    testing::ScratchDir dir;
    put_all(row.before);
    ASSERT_TRUE(save_stopped_at(row.save, first_link));
    Contents aside;
    for (const auto& [name, bytes] : contents_here())
        if (name == kSaveJournal || name.ends_with(".brvtmp")) aside[name] = bytes;
    ASSERT_GT(aside.size(), 1u);
    ASSERT_EQ(recover().outcome, SaveRecovery::Outcome::Finished);
    ASSERT_EQ(contents_here(), saved);

    TPCM.DEPTH = 80.0f;  // the later save: another case
    row.save();
    const Contents later = contents_here();
    ASSERT_NE(later.at("BREVDAT"), saved.at("BREVDAT"));
    put_all(aside);
    const Contents restored = contents_here();
    const SaveRecovery r = recover();
    EXPECT_EQ(r.outcome, SaveRecovery::Outcome::Unresolved);
    EXPECT_EQ(contents_here(), restored);
    EXPECT_EQ(file_bytes("BREVDAT"), later.at("BREVDAT"));
    ASSERT_FALSE(r.changed.empty());
    EXPECT_EQ(r.changed.back(), "BREVDAT");
}

// A record whose checksum matches but whose entry names a file with a NUL (the system would cut
// "BREVDAT<NUL>x" to "BREVDAT" and act on the case file itself) cannot be read: every file stays,
// and the message names the leftovers of the case's own files, the data file's among them.
TEST_F(StoppedSaveDeathTest, ARecordNamingAFileWithANulLeavesEveryFile) {
    const SaveRow row = rows().back();
    const Contents saved = saved_set(row);
    const int middle = step_in_the_renames(row, saved);
    ASSERT_GT(middle, 0);
    for (const std::string& bad : {std::string("BREVDAT\0x", 9), std::string("\0", 1), std::string("..\0", 3)}) {
        SCOPED_TRACE(::testing::PrintToString(bad));
        testing::ScratchDir dir;
        put_all(row.before);
        ASSERT_TRUE(save_stopped_at(row.save, middle));
        auto entries = read_journal_text(file_bytes(kSaveJournal), kSaveFiles);
        ASSERT_TRUE(entries.has_value());
        for (JournalEntry& e : *entries)
            if (e.name == "BREVDAT") e.name = bad;
        put_file(kSaveJournal, journal_text(*entries));
        const Contents stopped = contents_here();
        ASSERT_TRUE(stopped.count("BREVDAT.brvtmp") && stopped.count("BREVDAT.brvold"));

        const SaveRecovery r = recover();
        EXPECT_EQ(r.outcome, SaveRecovery::Outcome::Unresolved);
        EXPECT_TRUE(r.unreadable);
        EXPECT_EQ(contents_here(), stopped);
        ASSERT_FALSE(r.lines.empty());
        EXPECT_EQ(r.lines[0].find('\0'), std::string::npos);
        EXPECT_NE(r.lines[0].find("BREVDAT.brvtmp"), std::string::npos) << r.lines[0];
        EXPECT_NE(r.lines[0].find("BREVDAT.brvold"), std::string::npos) << r.lines[0];
    }
}

// The sample case's two files, as the program's example holds them.
Contents sample_case() {
    Contents files;
    for (const char* name : {"BREVDAT", "LOWDAT"})
        files[name] = file_bytes((fs::path(BREVANT_SOURCE_DIR) / "examples" / "ship" / name).string());
    return files;
}

// A record whose checksum is right but whose names are not the files of one save, each once (a
// damaged copy, a restore, a crafted file), cannot be read: the start changes no file and names
// what it leaves, each name once. Read as it stands, the first record would have the start remove
// the data file (added, it says, with the content it holds), the second the user's own notes, the
// third finish the data file twice over and leave it half done.
TEST_F(StoppedSaveDeathTest, ARecordNamingAFileASaveDoesNotWriteOrOneTwiceLeavesEveryFile) {
    const Contents sample = sample_case();
    const SaveRow sample_save{"a save of the sample case", sample, [this] { finish(0, 0); }, "", ""};
    const int stop = first_stop_where(sample_save, before_every_rename(sample_save));
    ASSERT_GT(stop, 0);
    const std::string unheld = "a content no file has";
    const std::string notes = "the user's notes\n";
    const std::vector<std::string> only_the_record = {
        " ++> The record of a save stopped before it was done cannot be read: BREVSAVE.brvjournal is left as it is.",
        "     The case may mix old and new files; no save is made here while BREVSAVE.brvjournal is there."};
    struct Case {
        const char* what;
        std::function<void()> make;
        std::vector<std::string> lines;  // the message; when empty, see below
    };
    const Case cases[] = {
        {"the data file twice: replaced by a content no file has, then added with its own",
         [&] {
             put_all(sample);
             const FileMark dat = mark_of(sample.at("BREVDAT"));
             put_file(kSaveJournal, journal_text({{"BREVDAT", true, dat, mark_of(unheld)}, {"BREVDAT", false, {}, dat}}));
         },
         only_the_record},
        {"the user's notes.txt, added with its own content, beside the coefficient file",
         [&] {
             put_all(sample);
             put_file("notes.txt", notes);
             put_file(kSaveJournal, journal_text({{"notes.txt", false, {}, mark_of(notes)},
                                                  {"LOWDAT", true, mark_of(sample.at("LOWDAT")), mark_of(unheld)}}));
         },
         only_the_record},
        {"a stopped save's record with its own data file line twice",
         [&] {
             put_all(sample);
             ASSERT_TRUE(save_stopped_at(sample_save.save, stop));
             auto entries = read_journal_text(file_bytes(kSaveJournal), kSaveFiles);
             ASSERT_TRUE(entries.has_value());
             const auto dat = std::find_if(entries->begin(), entries->end(),
                                           [](const JournalEntry& e) { return e.name == "BREVDAT"; });
             ASSERT_NE(dat, entries->end());
             entries->push_back(*dat);
             put_file(kSaveJournal, journal_text(*entries));
             ASSERT_TRUE(fs::exists("BREVDAT.brvtmp") && fs::exists("BREVDAT.brvold"));
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        c.make();
        const Contents stopped = contents_here();
        for (int start = 1; start <= 2; ++start) {
            const SaveRecovery r = recover();
            EXPECT_EQ(r.outcome, SaveRecovery::Outcome::Unresolved);
            EXPECT_TRUE(r.unreadable);
            EXPECT_EQ(contents_here(), stopped);
            if (!c.lines.empty()) {
                EXPECT_EQ(r.lines, c.lines);
                continue;
            }
            // Everything the stopped save left is named, and once.
            ASSERT_EQ(r.lines.size(), 2u);
            const std::string head = " ++> The record of a save stopped before it was done cannot be read: ";
            ASSERT_EQ(r.lines[0].rfind(head, 0), 0u) << r.lines[0];
            ASSERT_TRUE(r.lines[0].ends_with(" are left as they are.")) << r.lines[0];
            std::vector<std::string> named;
            const std::string list = r.lines[0].substr(head.size(), r.lines[0].size() - head.size() - 22);
            for (std::size_t at = 0; at <= list.size();) {
                const std::size_t end = std::min(list.find(", ", at), list.size());
                named.push_back(list.substr(at, end - at));
                at = end + 2;
            }
            std::vector<std::string> left;
            for (const auto& [name, bytes] : stopped)
                if (!sample.count(name)) left.push_back(name);
            std::sort(named.begin(), named.end());
            EXPECT_EQ(named, left) << r.lines[0];
            EXPECT_EQ(r.lines[1], only_the_record[1]);
        }
    }
}

// The save flushes its folder after its kept copies go and before its record goes: two of its stops
// (at that flush, and at the record's removal) leave the record with the new files in place and no
// kept copy, and the next start finishes it. Without the flush a machine stop could keep the
// removal of the record and lose that of a kept copy: a kept copy without a record, which every
// later save of that file is refused for.
TEST_F(StoppedSaveDeathTest, AFlushSeparatesTheRemovalOfTheKeptCopiesFromThatOfTheRecord) {
    const SaveRow row = rows().back();
    const Contents saved = saved_set(row);
    int between = 0;
    for (int n = 1; n < 200; ++n) {
        SCOPED_TRACE("stopped at file step " + std::to_string(n));
        testing::ScratchDir dir;
        put_all(row.before);
        if (!save_stopped_at(row.save, n)) break;
        const Contents left = contents_here();
        bool in_place = true;
        for (const auto& [name, bytes] : saved) in_place = in_place && holds(left, name, bytes);
        if (!left.count(kSaveJournal) || !no_kept_copy(left) || !in_place) continue;
        ++between;
        const SaveRecovery r = recover();
        EXPECT_EQ(r.outcome, SaveRecovery::Outcome::Finished);
        EXPECT_EQ(contents_here(), saved);
    }
    EXPECT_EQ(between, 2);
}

// The start's own steps. A rename of the finish that fails (a failing device) stops the finish
// there: no kept copy or record goes, and the next start finishes the save. A stray temporary of a
// file already in place, or of the record, goes with the finish.
TEST_F(StoppedSaveDeathTest, TheFinishStopsAtAFailedRenameAndLeavesNoStrayTemporary) {
    const SaveRow row = rows().back();
    const Contents saved = saved_set(row);
    const int middle = step_in_the_renames(row, saved);
    ASSERT_GT(middle, 0);
    for (int failing = 1; failing <= 3; ++failing) {
        SCOPED_TRACE("rename " + std::to_string(failing) + " of the finish fails");
        testing::ScratchDir dir;
        put_all(row.before);
        ASSERT_TRUE(save_stopped_at(row.save, middle));
        const Contents stopped = contents_here();
        {
            const testing::RenameFaults fault(failing, 1, EIO);
            const SaveRecovery r = recover();
            EXPECT_EQ(r.outcome, SaveRecovery::Outcome::Unresolved);
        }
        const Contents left = contents_here();
        EXPECT_TRUE(left.count(kSaveJournal));
        for (const auto& [name, bytes] : stopped) {
            if (name.ends_with(".brvold")) {
                EXPECT_TRUE(holds(left, name, bytes)) << name;
            }
        }
        EXPECT_EQ(recover().outcome, SaveRecovery::Outcome::Finished);
        EXPECT_EQ(contents_here(), saved);
    }
    for (const std::string& stray : {std::string("LASTLOW.brvtmp"), staged_name(kSaveJournal)}) {
        SCOPED_TRACE(stray);
        testing::ScratchDir dir;
        put_all(row.before);
        ASSERT_TRUE(save_stopped_at(row.save, middle));
        ASSERT_TRUE(holds(contents_here(), "LASTLOW", saved.at("LASTLOW")));  // already in place
        put_file(stray, "a stray temporary");
        EXPECT_EQ(recover().outcome, SaveRecovery::Outcome::Finished);
        EXPECT_EQ(contents_here(), saved);
    }
}

// A save into an empty folder (the data file and the coefficient file, both new) stopped after its
// first file took its name, the second damaged beside its name: the undo removes the file already in
// place, since it holds the save's own new content, and the folder is empty again.
TEST_F(StoppedSaveDeathTest, TheUndoOfASaveIntoAnEmptyFolderRemovesWhatItHadPutInPlace) {
    const SaveRow row{"both files of a new case", {},
                      [this] {
                          LOWCOF.UWNANG(1) = 45.0f;
                          finish(0, 1);
                      },
                      "", ""};
    const Contents saved = saved_set(row);
    ASSERT_EQ(saved.size(), 2u);
    const int n = first_stop_where(row, [](const Contents& left) {
        return left.count("LOWDAT") && left.count("BREVDAT.brvtmp") && left.count(kSaveJournal);
    });
    ASSERT_GT(n, 0);
    testing::ScratchDir dir;
    ASSERT_TRUE(save_stopped_at(row.save, n));
    EXPECT_EQ(file_bytes("LOWDAT"), saved.at("LOWDAT"));
    fs::resize_file("BREVDAT.brvtmp", 100);
    const SaveRecovery r = recover();
    EXPECT_EQ(r.outcome, SaveRecovery::Outcome::Undone);
    EXPECT_EQ(r.lines, std::vector<std::string>{
                           " ++> A save stopped before it was done has been undone: BREVDAT, LOWDAT are as they were "
                           "before it."});
    EXPECT_TRUE(contents_here().empty());
}

// A start while another program is saving in the folder (it holds the lock of the folder) waits for
// that program, saying so once, and leaves that save's record, temporaries and kept copies as they
// are meanwhile, whether it is in its renames or still before its record. Once that program has
// ended, however it ended (killed here), its lock is gone with it, and the start finishes or undoes
// what it left before it reads the case.
TEST_F(StoppedSaveDeathTest, AStartWaitsForTheSaveOfAProgramStillRunning) {
    const SaveRow row = rows().back();
    const Contents saved = saved_set(row);
    struct Case {
        const char* what;
        int stop;
        Contents after;
        std::string line;
    };
    const Case cases[] = {
        {"in its renames", step_in_the_renames(row, saved), saved, row.finished},
        {"before its record",
         first_stop_where(row, [](const Contents& left) { return left.count("BREVDAT.brvtmp") && !left.count(kSaveJournal); }),
         row.before, " ++> A save stopped before it was done has been undone: "},
    };
    const std::string waiting = " >>> Another program is saving in this folder: the case is read once its save has ended.";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_GT(c.stop, 0);
        testing::ScratchDir dir;
        put_all(row.before);
        ASSERT_TRUE(save_stopped_at(row.save, c.stop));
        const Contents stopped = contents_here();

        // The other program: a process that takes the lock of the folder and waits.
        int ready[2], hold[2];
        ASSERT_EQ(::pipe(ready), 0);
        ASSERT_EQ(::pipe(hold), 0);
        const pid_t other = ::fork();
        ASSERT_GE(other, 0);
        if (other == 0) {
            int handle = -1;
            const char held = platform::lock_folder(".", handle) == platform::LockResult::Held ? 'y' : 'n';
            (void)!::write(ready[1], &held, 1);
            char go = 0;
            (void)!::read(hold[0], &go, 1);
            ::_exit(0);
        }
        char held = 0;
        ASSERT_EQ(::read(ready[0], &held, 1), 1);
        ASSERT_EQ(held, 'y');

        // The start, with the clock of the platform: while it waits the folder stays as the other
        // program has it; at its third look the other program is killed.
        int looks = 0;
        bool untouched = true;
        platform::set_manual_clock(0.0);
        platform::set_sleep_hook([&] {
            if (++looks > 3) return;
            untouched = untouched && contents_here() == stopped;
            if (looks < 3) return;
            ::kill(other, SIGKILL);
            int status = 0;
            ::waitpid(other, &status, 0);
        });
        reset_units();  // the scratch folders of the steps above gave the units back
        capture_unit(SCREEN_UNIT);
        hold_start_work([] { return recover().lines; });
        // A new case ("C") reads the files without checking them: the start's own work is what counts.
        answers("C\n\n");
        LoadCopies copies;
        char ANSWER = ' ';
        Int JMPLOC = -7, IERR0 = -7, IERR1 = -7;
        IOINIT("Brevant ", "     ", copies, ANSWER, JMPLOC, "BREVDAT     ", IERR0, IERR1, 6.8f, 2020, 16,
               "BrevEdit    ", 5, 0, NTOGOQ);
        close_unit(WARN_UNIT);
        hold_start_work(nullptr);
        platform::reset_clock();
        if (looks < 3) {
            ::kill(other, SIGKILL);
            ::waitpid(other, nullptr, 0);
        }
        for (int fd : {ready[0], ready[1], hold[0], hold[1]}) ::close(fd);

        EXPECT_EQ(looks, 3);
        EXPECT_TRUE(untouched);
        EXPECT_EQ(testing::count_of(screen(), waiting + "\n"), 1u) << screen();
        const auto said = screen().find(c.line);
        EXPECT_NE(said, std::string::npos) << screen();
        EXPECT_LT(screen().find(waiting), said);
        Contents after = contents_here();
        after.erase("DATUPWRN.stxt");
        EXPECT_EQ(after, c.after);
    }
}
}  // namespace
}  // namespace brevant
