// The one way this program writes a file that must never be left half-written: the new content goes
// to a temporary beside the file ("NAME.brvtmp"), reaches the disk, and is renamed over it only once
// it is complete; the files of one save are put in place together, only when every one of them is
// written, a save that cannot put them all in place puts back the ones it had replaced, and a save
// stopped half-way (the process killed, the machine stopped) is finished or undone at the next start
// from its record (save_journal.h).
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sysutl/save_files.h"
#include "sysutl/save_journal.h"

namespace brevant {

// The folder of NAME, as a message names it (its full path, ending in "/"), when that folder cannot
// take the temporary and the rename that put a file in place (a folder marked append-only or
// immutable, a read-only file system); empty when it can.
std::string folder_refusing_renames(std::string_view name);

// Whether NAME is a file whose owner may not write it by its mode bits (whoever runs the program,
// root included): the user has protected it, and no save replaces it.
bool write_protected(std::string_view name);

// Whether a file renamed over NAME would take its place: nothing stands there, or a file that may be
// replaced. A folder of that name, a file the file system has locked (immutable, append-only), or a
// file or folder mounted over that name, cannot be.
bool can_be_replaced(std::string_view name);

// The record of a save that was not finished (kSaveJournal) in the folder of NAME, as a message
// names it, when one stands there; empty when none does. While it stands, no save writes there: its
// temporaries and kept copies may hold what the record needs.
std::string unfinished_save_record(std::string_view name);

// Why a save may not be made now, though every file could be written: something of an earlier save
// stands in its way, or another program has held the lock of the folder for longer than a save
// waits. Such a save is refused with words (refusal_lines), not as a file that cannot be accessed.
struct SaveRefusal {
    enum class Why {
        None,
        RecordStands,    // the record of a save not finished (FILE) stands in the folder
        KeptCopyStands,  // FILE, the copy an earlier save kept of OF, stands beside it
        LockHeld,        // another program held the lock of the folder past kLockWaitSeconds
    };
    Why why = Why::None;
    std::string file;  // the record or the kept copy, as a message names it
    std::string of;    // KeptCopyStands: the file it was kept of
    explicit operator bool() const { return why != Why::None; }
};

// The message of a refused save: why, and what the user can do.
std::vector<std::string> refusal_lines(const SaveRefusal& refusal);

// How the staging of one file went.
enum class StageResult {
    Staged,         // written whole beside its name
    Protected,      // the file to replace is write-protected: nothing written
    LockHeld,       // another program held the lock of the folder past the wait: nothing written
    RecordStands,   // the record of a save not finished stands in the folder: nothing written
    FolderRefused,  // the folder cannot take the temporary and its rename: nothing written
    NotCreated,  // the temporary could not be created
    NotWritten,  // the temporary could not be written whole (a full disk, a file-size limit)
    NotClosed,   // the temporary was written but its close failed
};

// The files of one save. Each is written beside its name first; commit() renames them into place in
// the order they were staged. A save that is not committed (a failed write, an early return, an end
// of the program) removes its temporaries, so that it leaves every file on disk as it was. From its
// first file until it is committed or discarded, the save holds the lock of its folder (SaveLock), so
// that no start in another program takes its files for the leftovers of a stopped save.
// While a save exists it is the save in progress (one at a time): the writes of the routines it
// calls (BACKIT, DISKIO) join it instead of putting their files in place themselves.
class StagedSave {
public:
    StagedSave();
    StagedSave(const StagedSave&) = delete;
    StagedSave& operator=(const StagedSave&) = delete;
    ~StagedSave();

    // The save in progress; nullptr when there is none.
    static StagedSave* in_progress();

    // Takes the lock of the folder of NAME for this save and looks for the record of a save not
    // finished there. True when the save may go on; else nothing is written and refusal() says why.
    // While another program holds the lock (its save, or its start reading the case) the save waits
    // for it as a start does (SaveLock::take_waiting, kLockWaitSeconds), and is refused only past
    // that bound; a save once refused so does not wait again.
    bool admit(std::string_view name);

    // NOTICE is called once, when the save first finds the lock of its folder held and begins to wait
    // (the caller says so on its console).
    void on_lock_wait(std::function<void()> notice) { lock_notice_ = std::move(notice); }

    // Writes BYTES beside NAME (blank-padded as the caller holds it) and flushes them to the disk. A
    // replaced file keeps its permission bits; a write-protected one is refused before anything is
    // written, and so is any file while admit() refuses the save.
    StageResult stage(std::string_view name, std::span<const char> bytes);

    // Renames every staged file over its name. Every name is checked first (can_be_replaced): when
    // one cannot take its file, none is renamed, every temporary is removed and that name (as the
    // caller gave it) is returned. Empty when all are in place. Before the first file is touched,
    // the record of the save (kSaveJournal, in the files' folder) is on the disk, naming each file,
    // whether it existed and the marks of its old and new content; each file to be replaced is then
    // kept under its kept_name until the last rename is done, and the folder is flushed after the
    // renames; the kept names and the record go last. Should a rename still fail (a mount point, an
    // I/O error), the files renamed before it are put back as they were, every temporary goes, and
    // that name is returned; the save has then changed no file. (Only when a file cannot even be put
    // back does its old content stay under its kept_name, and the record with it, so that nothing
    // is lost and the next start puts it back; while either stands there, no save replaces that
    // file, and the message names the kept file or the record.) A record that cannot be written is
    // named as such, with nothing changed. The folder is flushed again after the kept copies go and
    // before the record goes. A save refused because a record or a kept copy stands, or because
    // another program is saving there, changes nothing and says why in refusal().
    std::string commit();

    // Why the save was refused (admit, stage or commit); nothing when it was not.
    const SaveRefusal& refusal() const { return refusal_; }

    // Removes every temporary not yet in place, and gives up the lock of the folder.
    void discard();

private:
    struct Staged {
        std::string name;   // the file's name on disk
        std::string temp;   // its temporary
        std::string shown;  // the name as the caller holds it, for the messages
        bool placed;        // its temporary is gone (renamed into place, or removed)
        bool kept = false;  // the file it replaces is kept under kept_name(name)
        FileMark mark;      // the new content, for the record of the save
    };
    std::string keep_replaced_files();
    bool put_back(std::size_t failed);
    void drop_kept(bool placed_too);
    void drop_temporaries();
    bool take_lock(const std::string& folder);
    std::string refuse(SaveRefusal::Why why, std::string file, std::string of, std::string returned);
    std::vector<Staged> files_;
    StagedSave* outer_;
    SaveLock lock_;
    std::function<void()> lock_notice_;
    SaveRefusal refusal_;
};

// The save a routine's writes go into: the save in progress when there is one (its owner puts the
// files in place), else a save of the routine's own that finish() puts in place.
class JoinedSave {
public:
    JoinedSave() : save_(StagedSave::in_progress()) {
        if (save_ == nullptr) save_ = &own_.emplace();
    }
    StagedSave& save() { return *save_; }
    // Whether the save is the routine's own (no save was in progress).
    bool owned() const { return own_.has_value(); }
    // Commits the routine's own save; nothing to do (empty) when the files joined a save in progress.
    std::string finish() { return own_ ? own_->commit() : std::string(); }

private:
    std::optional<StagedSave> own_;
    StagedSave* save_;
};

// A text file written line by line on a unit (the page echo) is written to staged_name(NAME) first
// (open_staged_file, report_files.h);
// place_staged_file flushes it to the disk and renames it over NAME once it is complete and closed.
// False when NAME cannot be replaced, the flush or the rename failed: the temporary is then removed
// and NAME stays as it was. True, with nothing done, when there is no temporary.
bool place_staged_file(std::string_view name);
// Removes the temporary of NAME, when there is one.
void drop_staged_file(std::string_view name);

}  // namespace brevant
