// The record a save keeps of the files it is about to put in place ("BREVSAVE.brvjournal"), and
// what the next start of the program makes of a save that was stopped before it was done: the save
// is finished when every new file is whole, else undone, so that the case is the old one or the new
// one, each file with its back-ups, never a mix.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sysutl/save_files.h"

namespace brevant {

// The name of the record, in the folder of the files it names.
inline constexpr const char* kSaveJournal = "BREVSAVE.brvjournal";

// A file's content as the record keeps it: its length and a checksum of its bytes (64-bit FNV-1a),
// enough to tell a whole new file from a cut or an old one.
struct FileMark {
    std::uint64_t size = 0;
    std::uint64_t sum = 0;
    bool operator==(const FileMark&) const = default;
};
FileMark mark_of(std::span<const char> bytes);
// The mark of the file PATH as it stands; nothing when no plain file stands there or it cannot be read.
std::optional<FileMark> mark_of_file(const std::string& path);

// One file of a save.
struct JournalEntry {
    std::string name;    // its name in the save's folder
    bool existed;        // a file stood there before the save, and is kept under its kept_name while it runs
    FileMark old_file;   // that file (when it existed)
    FileMark new_file;   // the new file, staged under its staged_name
};

// Puts the record of ENTRIES in place in FOLDER before the save changes any file: written to its
// temporary, flushed, renamed into place, the folder flushed. 0 when it is in place; else the error
// number, with nothing left behind.
int write_save_journal(const std::string& folder, const std::vector<JournalEntry>& entries);

// Removes the record of a save that is done (or changed nothing) and flushes the folder. 0 when done.
int remove_save_journal(const std::string& folder);

// The record as text, and the entries read back from such a text: nothing when it is not whole, or
// when a name it holds is not one of SAVE_FILES (the files a save writes) or comes twice.
std::string journal_text(const std::vector<JournalEntry>& entries);
std::optional<std::vector<JournalEntry>> read_journal_text(const std::string& text,
                                                           std::span<const std::string> save_files);

// What the start found of a save stopped before it was done.
struct SaveRecovery {
    enum class Outcome {
        None,        // nothing to do: no record, no leftover
        Finished,    // the new files are in place
        Undone,      // the old files are back
        Unresolved,  // some leftovers could not be resolved: they stay as they are
    };
    Outcome outcome = Outcome::None;
    std::vector<std::string> files;  // Finished, Undone: the files of that save, the case file first
    std::vector<std::string> left;   // Unresolved: what stays as it is, first the files that hold
                                     // what the record does not give them
    std::vector<std::string> changed;  // Unresolved: those files alone
    bool unreadable = false;         // Unresolved because the record itself cannot be read
    std::vector<std::string> lines;  // the message for the console and the load report
};

// At the start of the program, before any file of the case is read, with the lock of FOLDER held by
// the caller (SaveLock; or found unavailable, where the file system keeps none): no other program's
// save or start is then at work in the folder, and whatever its files hold was left by one that has
// ended. With a record in FOLDER, every file the start could touch is checked first: each name
// holds its old or its new content (or nothing, for a file the save added), each kept copy
// ("NAME.brvold") its old content or is absent, each temporary ("NAME.brvtmp") is a plain file. When
// every new file is whole (beside its name, or in place) the renames are finished; else every file
// the save replaced is put back and every file it added is removed. Then the kept copies, the
// temporaries and, after a flush of the folder, the record go. Without a record, no file of the case
// was changed yet: the temporaries of SAVE_FILES (the files a save writes, the case file first) that
// a stopped save left are removed, and the save counts as undone. A record that cannot be read (cut,
// damaged, naming a file with anything but printable characters, a file not of SAVE_FILES, or one
// file twice), a file that does not hold what the record gives it, or one that neither the finish
// nor the undo can bring back, leaves everything as it stands, and the message names it; so does a
// kept copy of SAVE_FILES without a record. Every step goes through the platform's file operations:
// a start stopped in the middle of this is resolved the same way by the next one.
SaveRecovery recover_stopped_save(std::span<const std::string> save_files, const std::string& folder = ".");

}  // namespace brevant
