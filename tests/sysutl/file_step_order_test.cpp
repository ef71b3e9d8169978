// The order of the file steps that keep a save whole through a machine stop, which may persist
// any write or change of names that was not flushed, in any order: a save, a start that finishes
// a stopped save, one that undoes it, one that finds only the temporaries of a save stopped before
// its record, and the placing of an output written beside its name. Each row is one order rule
// over the steps the platform records, and every flush it records must be an fsync the process
// really made (seen below the platform, at the system's own fsync).
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/syscall.h>
#include <unistd.h>

#include "platform/platform.h"
#include "sysutl/save_journal.h"
#include "sysutl/staged_files.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace {
// While a test watches: the path of every file or folder this process has flushed, in order.
std::vector<std::string>* fsyncs_seen = nullptr;
}  // namespace

// Every fsync of this test program comes here instead of the C library's: the kernel's own call,
// made as the library makes it, and the path of what it flushes while a test watches. A flush the
// platform records but never makes shows as a recorded flush without its fsync.
extern "C" int fsync(int fd) {
    if (fsyncs_seen != nullptr) {
        char path[PATH_MAX];
        const std::string link = "/proc/self/fd/" + std::to_string(fd);
        const ssize_t n = ::readlink(link.c_str(), path, sizeof path);
        fsyncs_seen->push_back(n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string("?"));
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace brevant {
namespace {

namespace fs = std::filesystem;
using platform::FileStep;
using Kind = platform::FileStepKind;
using Steps = std::vector<FileStep>;
using testing::put_file;

// The steps of a scenario, and the flushes among them that the process did not really make (or
// the fsyncs it made that were not recorded).
struct History {
    Steps steps;
    std::vector<std::string> unmatched;
    std::size_t start = 0;  // where the steps of the start begin, after those of the stopped save
};

// A name as the fsync watcher sees it: the absolute path, without a trailing "/".
std::string absolute_path(const std::string& name) {
    std::string path = (fs::current_path() / name).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// Runs BODY with the steps recorded and the fsyncs watched.
History recorded(const std::function<void()>& body) {
    std::vector<std::string> seen;
    fsyncs_seen = &seen;
    platform::start_recording_file_steps();
    body();
    History h{platform::recorded_file_steps(), {}};
    platform::stop_recording_file_steps();
    fsyncs_seen = nullptr;
    std::vector<std::string> flushed;
    for (const FileStep& s : h.steps)
        if (s.kind == Kind::FlushFile || s.kind == Kind::FlushFolder) flushed.push_back(absolute_path(s.name));
    const std::string here = absolute_path(".");
    const auto shown = [&here](const std::string& path) {
        return path == here ? std::string(".") : path.starts_with(here + "/") ? path.substr(here.size() + 1) : path;
    };
    for (std::size_t k = 0; k < std::max(flushed.size(), seen.size()); ++k) {
        const std::string rec = k < flushed.size() ? shown(flushed[k]) : "nothing";
        const std::string real = k < seen.size() ? shown(seen[k]) : "no fsync";
        if (rec != real) h.unmatched.push_back("flush " + std::to_string(k + 1) + " recorded " + rec + ", made " + real);
    }
    return h;
}

bool temporary(const std::string& name) { return name.ends_with(".brvtmp"); }
bool kept_copy(const std::string& name) { return name.ends_with(".brvold"); }
bool is_record(const std::string& name) { return name == kSaveJournal; }
bool record_temporary(const std::string& name) { return name == staged_name(kSaveJournal); }
bool folder_flush(const FileStep& s) { return s.kind == Kind::FlushFolder && s.error == 0; }

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The first step from FROM on (up to, not including, TO) for which PICK holds; kNone when none.
std::size_t first(const Steps& s, const std::function<bool(const FileStep&)>& pick, std::size_t from = 0,
                  std::size_t to = kNone) {
    for (std::size_t k = from; k < std::min(to, s.size()); ++k)
        if (pick(s[k])) return k;
    return kNone;
}
// The last such step before BEFORE; kNone when none.
std::size_t last(const Steps& s, const std::function<bool(const FileStep&)>& pick, std::size_t before = kNone) {
    for (std::size_t k = std::min(before, s.size()); k-- > 0;)
        if (pick(s[k])) return k;
    return kNone;
}

std::string at(std::size_t k) { return "step " + std::to_string(k + 1); }

// Whether the file NAME was flushed since its last creation or write, before step BEFORE.
bool flushed_before(const Steps& s, const std::string& name, std::size_t before) {
    for (std::size_t k = before; k-- > 0;) {
        if (s[k].name != name) continue;
        if (s[k].kind == Kind::FlushFile && s[k].error == 0) return true;
        if (s[k].kind == Kind::Create || s[k].kind == Kind::Write) return false;
    }
    return false;
}

// ---- The order rules: each gives what breaks it, or nothing ----

using Rule = std::string (*)(const History&);

std::string every_flush_is_a_real_fsync(const History& h) {
    if (first(h.steps, [](const FileStep& s) { return s.kind == Kind::FlushFile || s.kind == Kind::FlushFolder; }) ==
        kNone)
        return "no flush recorded";
    std::string text;
    for (const std::string& u : h.unmatched) text += u + "; ";
    return text;
}

std::string each_new_file_flushed_before_its_rename(const History& h) {
    const Steps& s = h.steps;
    int renames = 0;
    for (std::size_t k = 0; k < s.size(); ++k) {
        if (s[k].kind != Kind::Rename || !temporary(s[k].name)) continue;
        ++renames;
        if (!flushed_before(s, s[k].name, k)) return s[k].name + " renamed at " + at(k) + ", not flushed since written";
    }
    return renames == 0 ? "no new file renamed into place" : "";
}

std::string record_then_folder_flushed_before_the_first_link(const History& h) {
    const Steps& s = h.steps;
    const std::size_t named = first(s, [](const FileStep& t) { return t.kind == Kind::Rename && is_record(t.to); });
    if (named == kNone) return "the record never takes its name";
    if (!flushed_before(s, s[named].name, named)) return "the record is not flushed before its rename";
    const std::size_t touched = first(
        s, [](const FileStep& t) { return (t.kind == Kind::Link || t.kind == Kind::Rename) && !is_record(t.to); },
        named + 1);
    if (touched == kNone) return "no file linked or renamed after the record";
    if (first(s, folder_flush, named + 1, touched) == kNone)
        return "no folder flush between the record's rename (" + at(named) + ") and the first link (" + at(touched) +
               ")";
    return "";
}

std::string folder_flushed_after_the_renames_before_the_kept_copies_go(const History& h) {
    const Steps& s = h.steps;
    const std::size_t gone = first(s, [](const FileStep& t) { return t.kind == Kind::Remove && kept_copy(t.name); });
    if (gone == kNone) return "no kept copy removed";
    const std::size_t renamed = last(s, [](const FileStep& t) {
        return t.kind == Kind::Rename && temporary(t.name) && !record_temporary(t.name);
    });
    if (renamed == kNone) return "no new file renamed into place";
    if (renamed > gone) return "a new file renamed (" + at(renamed) + ") after a kept copy went (" + at(gone) + ")";
    if (first(s, folder_flush, renamed + 1, gone) == kNone)
        return "no folder flush between the last rename (" + at(renamed) + ") and the first kept copy gone (" +
               at(gone) + ")";
    return "";
}

std::string folder_flushed_after_the_kept_copies_go_before_the_record_goes(const History& h) {
    const Steps& s = h.steps;
    const std::size_t gone = first(s, [](const FileStep& t) { return t.kind == Kind::Remove && is_record(t.name); });
    if (gone == kNone) return "the record never goes";
    const std::size_t kept = last(
        s, [](const FileStep& t) { return (t.kind == Kind::Remove || t.kind == Kind::Rename) && kept_copy(t.name); },
        gone);
    if (kept == kNone) return "no kept copy goes before the record";
    if (first(s, folder_flush, kept + 1, gone) == kNone)
        return "no folder flush between the last kept copy gone (" + at(kept) + ") and the record's removal (" +
               at(gone) + ")";
    return "";
}

std::string folder_flushed_after_the_record_goes(const History& h) {
    const Steps& s = h.steps;
    const std::size_t gone = last(s, [](const FileStep& t) { return t.kind == Kind::Remove && is_record(t.name); });
    if (gone == kNone) return "the record never goes";
    if (first(s, folder_flush, gone + 1) == kNone) return "no folder flush after the record's removal (" + at(gone) + ")";
    return "";
}

std::string folder_flushed_after_the_temporaries_go(const History& h) {
    const Steps& s = h.steps;
    const std::size_t gone = last(s, [](const FileStep& t) { return t.kind == Kind::Remove && temporary(t.name); });
    if (gone == kNone) return "no temporary removed";
    if (first(s, folder_flush, gone + 1) == kNone)
        return "no folder flush after the last temporary removed (" + at(gone) + ")";
    return "";
}

std::string folder_flushed_after_the_output_takes_its_name(const History& h) {
    const Steps& s = h.steps;
    const std::size_t named = last(s, [](const FileStep& t) { return t.kind == Kind::Rename && temporary(t.name); });
    if (named == kNone) return "the output never takes its name";
    if (first(s, folder_flush, named + 1) == kNone) return "no folder flush after its rename (" + at(named) + ")";
    return "";
}

// ---- The scenarios ----

// A save of three files: A and C replace files that stand, B is new.
const std::vector<std::string> kFiles = {"A", "B", "C"};

void put_old_files() {
    put_file("A", "old a");
    put_file("C", "old c, a little longer");
}

void save_all() {
    StagedSave save;
    for (const std::string& name : kFiles) {
        const std::string bytes = "new " + name + " " + std::string(40, name[0]);
        EXPECT_EQ(save.stage(name, bytes), StageResult::Staged);
    }
    EXPECT_EQ(save.commit(), "");
}

// The whole save, recorded. Each step counted for a stop is recorded, so that the steps of a save
// stopped at step N are the first N - 1 recorded here.
History whole_save() {
    testing::ScratchDir dir;
    put_old_files();
    platform::stop_at_file_step(0);
    History h = recorded(save_all);
    EXPECT_EQ(static_cast<std::size_t>(platform::file_steps_taken()), h.steps.size());
    return h;
}

// The step of the whole save at which a save is stopped for the start to resolve: the rename of
// the last file (the record and two files in place: a finish renames, an undo puts back), or the
// rename of the record (only temporaries made).
std::size_t step_of_the_last_rename(const Steps& s) {
    return first(s, [](const FileStep& t) { return t.kind == Kind::Rename && t.to == "C"; });
}
std::size_t step_of_the_records_rename(const Steps& s) {
    return first(s, [](const FileStep& t) { return t.kind == Kind::Rename && is_record(t.to); });
}

enum class Scenario { Save, StartFinishes, StartUndoes, StartWithoutRecord, PlaceOutput, PlaceSilentConsole };

// The save stopped at the step INDEX of WHOLE (the step not made, as a kill or a machine stop ends
// it there), then the start in that folder, recorded; the history is the save's steps up to the stop
// followed by the start's.
History start_after_a_stop(const History& whole, std::size_t index, bool cut_a_new_file,
                           SaveRecovery::Outcome expected) {
    History h;
    if (index == kNone) {
        ADD_FAILURE() << "the save has no such step";
        return h;
    }
    testing::ScratchDir dir;
    put_old_files();
    EXPECT_EXIT(
        {
            platform::stop_at_file_step(static_cast<int>(index) + 1);
            save_all();
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(platform::kStoppedAtFileStep), "");
    // A new file not yet in place damaged after the record was written: the save cannot be finished.
    if (cut_a_new_file) fs::resize_file("C.brvtmp", fs::file_size("C.brvtmp") / 2);
    SaveRecovery r;
    const History start = recorded([&r] { r = recover_stopped_save(kFiles); });
    EXPECT_EQ(r.outcome, expected) << (r.lines.empty() ? std::string() : r.lines.front());
    h.steps.assign(whole.steps.begin(), whole.steps.begin() + static_cast<std::ptrdiff_t>(index));
    h.start = index;
    h.steps.insert(h.steps.end(), start.steps.begin(), start.steps.end());
    h.unmatched = whole.unmatched;
    h.unmatched.insert(h.unmatched.end(), start.unmatched.begin(), start.unmatched.end());
    return h;
}

History history_of(Scenario scenario) {
    switch (scenario) {
        case Scenario::Save: return whole_save();
        case Scenario::StartFinishes: {
            const History whole = whole_save();
            return start_after_a_stop(whole, step_of_the_last_rename(whole.steps), false,
                                      SaveRecovery::Outcome::Finished);
        }
        case Scenario::StartUndoes: {
            const History whole = whole_save();
            return start_after_a_stop(whole, step_of_the_last_rename(whole.steps), true, SaveRecovery::Outcome::Undone);
        }
        case Scenario::StartWithoutRecord: {
            const History whole = whole_save();
            return start_after_a_stop(whole, step_of_the_records_rename(whole.steps), false,
                                      SaveRecovery::Outcome::Undone);
        }
        case Scenario::PlaceOutput: {
            testing::ScratchDir dir;
            put_file("REPORT.stxt", "the last report\n");
            put_file(staged_name("REPORT.stxt"), "the new report\n");
            bool placed = false;
            History h = recorded([&placed] { placed = place_staged_file("REPORT.stxt"); });
            EXPECT_TRUE(placed);
            EXPECT_EQ(testing::file_bytes("REPORT.stxt"), "the new report\n");
            return h;
        }
        case Scenario::PlaceSilentConsole: {
            // The console of a silent run takes the name of the last run's messages when the run
            // starts: what it holds then is on the disk before the earlier file is let go.
            testing::ScratchDir dir;
            put_file(kSilentFileName, "the last run's messages\n");
            EXPECT_TRUE(open_silent_console_beside_its_name());
            write_record(SILENT_UNIT, " the first line of this run");
            bool placed = false;
            History h = recorded([&placed] { placed = place_silent_console(); });
            close_unit(SILENT_UNIT);
            EXPECT_TRUE(placed);
            EXPECT_EQ(testing::file_bytes(kSilentFileName), " the first line of this run\n");
            return h;
        }
    }
    return {};
}

struct Row {
    const char* name;
    Scenario scenario;
    Rule rule;
};

const Row kRows[] = {
    {"Save_EveryFlushIsARealFsync", Scenario::Save, every_flush_is_a_real_fsync},
    {"Save_EachNewFileFlushedBeforeItsRename", Scenario::Save, each_new_file_flushed_before_its_rename},
    {"Save_RecordThenFolderFlushedBeforeTheFirstLink", Scenario::Save,
     record_then_folder_flushed_before_the_first_link},
    {"Save_FolderFlushedAfterTheRenamesBeforeTheKeptCopiesGo", Scenario::Save,
     folder_flushed_after_the_renames_before_the_kept_copies_go},
    {"Save_FolderFlushedAfterTheKeptCopiesGoBeforeTheRecordGoes", Scenario::Save,
     folder_flushed_after_the_kept_copies_go_before_the_record_goes},
    {"Save_FolderFlushedAfterTheRecordGoes", Scenario::Save, folder_flushed_after_the_record_goes},

    {"Finish_EveryFlushIsARealFsync", Scenario::StartFinishes, every_flush_is_a_real_fsync},
    {"Finish_EachNewFileFlushedBeforeItsRename", Scenario::StartFinishes, each_new_file_flushed_before_its_rename},
    {"Finish_FolderFlushedAfterTheRenamesBeforeTheKeptCopiesGo", Scenario::StartFinishes,
     folder_flushed_after_the_renames_before_the_kept_copies_go},
    {"Finish_FolderFlushedAfterTheKeptCopiesGoBeforeTheRecordGoes", Scenario::StartFinishes,
     folder_flushed_after_the_kept_copies_go_before_the_record_goes},
    {"Finish_FolderFlushedAfterTheRecordGoes", Scenario::StartFinishes, folder_flushed_after_the_record_goes},

    {"Undo_EveryFlushIsARealFsync", Scenario::StartUndoes, every_flush_is_a_real_fsync},
    {"Undo_FolderFlushedAfterTheKeptCopiesGoBeforeTheRecordGoes", Scenario::StartUndoes,
     folder_flushed_after_the_kept_copies_go_before_the_record_goes},
    {"Undo_FolderFlushedAfterTheRecordGoes", Scenario::StartUndoes, folder_flushed_after_the_record_goes},

    {"StartWithoutRecord_EveryFlushIsARealFsync", Scenario::StartWithoutRecord, every_flush_is_a_real_fsync},
    {"StartWithoutRecord_FolderFlushedAfterTheTemporariesGo", Scenario::StartWithoutRecord,
     folder_flushed_after_the_temporaries_go},

    {"PlaceOutput_EveryFlushIsARealFsync", Scenario::PlaceOutput, every_flush_is_a_real_fsync},
    {"PlaceOutput_FileFlushedBeforeItsRename", Scenario::PlaceOutput, each_new_file_flushed_before_its_rename},
    {"PlaceOutput_FolderFlushedAfterItsRename", Scenario::PlaceOutput, folder_flushed_after_the_output_takes_its_name},
    {"PlaceSilentConsole_EveryFlushIsARealFsync", Scenario::PlaceSilentConsole, every_flush_is_a_real_fsync},
    {"PlaceSilentConsole_FileFlushedBeforeItsRename", Scenario::PlaceSilentConsole,
     each_new_file_flushed_before_its_rename},
    {"PlaceSilentConsole_FolderFlushedAfterItsRename", Scenario::PlaceSilentConsole,
     folder_flushed_after_the_output_takes_its_name},
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class FileStepOrderDeathTest : public ::testing::TestWithParam<Row> {
protected:
    void TearDown() override {
        platform::stop_recording_file_steps();
        platform::stop_at_file_step(0);
    }
};

TEST_P(FileStepOrderDeathTest, Holds) {
    const History h = history_of(GetParam().scenario);
    EXPECT_EQ(GetParam().rule(h), "") << ::testing::PrintToString(h.steps)
                                      << (h.start > 0 ? "\nthe start from " + at(h.start) : std::string());
}

INSTANTIATE_TEST_SUITE_P(Rows, FileStepOrderDeathTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brevant
