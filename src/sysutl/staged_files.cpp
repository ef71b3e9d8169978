// Files written beside their names and renamed into place once complete.
#include "sysutl/staged_files.h"

#include <filesystem>
#include <system_error>

#include "platform/platform.h"
#include "sysutl/save_files.h"
#include "sysutl/save_journal.h"

namespace brevant {

namespace {

StagedSave* current_save = nullptr;

}  // namespace

std::string folder_refusing_renames(std::string_view name) {
    namespace fs = std::filesystem;
    const fs::path parent = fs::path(name_on_disk(name)).parent_path();
    const fs::path folder = parent.empty() ? fs::path(".") : parent;
    if (platform::folder_takes_renames(folder.string())) return {};
    std::error_code ec;
    fs::path shown = parent.empty() ? fs::current_path(ec) : fs::absolute(parent, ec).lexically_normal();
    if (ec) shown = folder;
    std::string text = shown.string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

bool write_protected(std::string_view name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(name_on_disk(name), ec);
    if (ec || !fs::exists(st)) return false;
    return (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool can_be_replaced(std::string_view name) {
    namespace fs = std::filesystem;
    const std::string file = name_on_disk(name);
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(file, ec);
    if (ec || !fs::exists(st)) return true;
    return !fs::is_directory(st) && !platform::file_is_locked(file) && !platform::is_mount_point(file);
}

std::string unfinished_save_record(std::string_view name) {
    namespace fs = std::filesystem;
    const std::string folder = fs::path(name_on_disk(name)).parent_path().string();
    const std::string record = in_folder(folder, kSaveJournal);
    std::error_code ec;
    return fs::exists(fs::symlink_status(record, ec)) ? record : std::string();
}

std::vector<std::string> refusal_lines(const SaveRefusal& refusal) {
    switch (refusal.why) {
        case SaveRefusal::Why::RecordStands:
            return {" ++> No save is made here while " + refusal.file + " stands: the record of a save that was not finished.",
                    "     Start the program again in this folder: it finishes or undoes that save. If it says it cannot,",
                    "     keep under each name the file you want (NAME.brvtmp holds the new content, NAME.brvold the old),",
                    "     then delete " + refusal.file + " and the NAME.brvtmp and NAME.brvold files that are left."};
        case SaveRefusal::Why::KeptCopyStands:
            return {" ++> No save replaces " + refusal.of + " while " + refusal.file +
                        " stands beside it: the copy an earlier save kept of it.",
                    "     " + refusal.of + " is as that save left it; " + refusal.file + " holds what it replaced.",
                    "     Move " + refusal.file + " elsewhere or delete it, then save again."};
        case SaveRefusal::Why::LockHeld:
            return {" ++> Another program has held the lock of this folder for " +
                        std::to_string(static_cast<int>(kLockWaitSeconds)) + " s: no save is made.",
                    "     Save again once that program has ended."};
        case SaveRefusal::Why::None: break;
    }
    return {};
}

StagedSave::StagedSave() : outer_(current_save) { current_save = this; }

StagedSave::~StagedSave() {
    discard();
    current_save = outer_;
}

StagedSave* StagedSave::in_progress() { return current_save; }

// Takes the lock of FOLDER for the save, waiting while another holder has it; false, with the
// refusal set, when the bound of the wait passed (now or at an earlier call) with the lock held.
bool StagedSave::take_lock(const std::string& folder) {
    if (lock_.held()) return true;
    if (refusal_.why == SaveRefusal::Why::LockHeld) return false;
    if (lock_.take_waiting(folder, kLockWaitSeconds, lock_notice_) != platform::LockResult::Busy) return true;
    refusal_ = {SaveRefusal::Why::LockHeld, {}, {}};
    return false;
}

bool StagedSave::admit(std::string_view name) {
    const std::string file = name_on_disk(name);
    if (!take_lock(std::filesystem::path(file).parent_path().string())) return false;
    if (std::string record = unfinished_save_record(file); !record.empty()) {
        refusal_ = {SaveRefusal::Why::RecordStands, std::move(record), {}};
        return false;
    }
    return true;
}

StageResult StagedSave::stage(std::string_view name, std::span<const char> bytes) {
    namespace fs = std::filesystem;
    const std::string file = name_on_disk(name);
    if (write_protected(file)) return StageResult::Protected;
    if (!admit(file))
        return refusal_.why == SaveRefusal::Why::LockHeld ? StageResult::LockHeld : StageResult::RecordStands;
    // A folder that takes the temporary but not its rename (append-only) would keep the temporary.
    if (!folder_refusing_renames(file).empty()) return StageResult::FolderRefused;
    std::error_code status_ec;  // a file that is not there yet is no error
    const fs::file_status old_status = fs::status(file, status_ec);
    std::optional<unsigned> mode;  // a replaced file keeps its permission bits
    if (fs::exists(old_status)) mode = static_cast<unsigned>(old_status.permissions() & fs::perms::mask);
    const std::string temp = staged_name(file);
    // The new file reaches the disk before anything may rename it into place.
    const platform::WriteResult written = platform::write_new_file(temp, bytes, mode);
    if (written == platform::WriteResult::NotCreated) return StageResult::NotCreated;
    files_.push_back({file, temp, std::string(name), false, false, mark_of(bytes)});
    switch (written) {
        case platform::WriteResult::Done: return StageResult::Staged;
        case platform::WriteResult::NotClosed: return StageResult::NotClosed;
        default: return StageResult::NotWritten;
    }
}

std::string StagedSave::commit() {
    namespace fs = std::filesystem;
    std::vector<Staged*> pending;
    for (Staged& f : files_)
        if (!f.placed) pending.push_back(&f);
    if (pending.empty()) {
        lock_.release();
        return {};
    }
    // A save that cannot put all its files in place puts none: a back-up rotated while the file it
    // keeps stays old would be rotated again by the next save, and its oldest generation lost.
    for (const Staged* f : pending) {
        if (!can_be_replaced(f->name)) {
            discard();
            return f->shown;
        }
    }
    // The record of the save names its files by their names in one folder.
    const fs::path first_folder = fs::path(pending.front()->name).parent_path();
    for (const Staged* f : pending) {
        if (fs::path(f->name).parent_path() != first_folder) {
            discard();
            return f->shown;
        }
    }
    const std::string folder = first_folder.empty() ? std::string(".") : first_folder.string();
    // No other program saves in this folder, or reads the case, while this save puts its files in place.
    if (!take_lock(folder)) return refuse(SaveRefusal::Why::LockHeld, {}, {}, pending.front()->shown);
    // The record of a save that was not finished, or an old content kept beside its file by a save
    // that could not put it back, holds what no later save may overwrite unseen.
    const std::string record = in_folder(folder, kSaveJournal);
    if (const std::string standing = unfinished_save_record(pending.front()->name); !standing.empty())
        return refuse(SaveRefusal::Why::RecordStands, standing, {}, standing);
    for (const Staged* f : pending) {
        std::error_code ec;
        if (const std::string kept = kept_name(f->name); fs::exists(fs::symlink_status(kept, ec)))
            return refuse(SaveRefusal::Why::KeptCopyStands, kept, f->name, kept);
    }

    // Before the first file is kept or renamed, the record of the whole save is on the disk: a save
    // stopped after this point is finished or undone at the next start (recover_stopped_save).
    std::vector<JournalEntry> entries;
    for (Staged* f : pending) {
        JournalEntry e{fs::path(f->name).filename().string(), false, {}, f->mark};
        std::error_code ec;
        if (fs::exists(fs::symlink_status(f->name, ec))) {
            const auto old_mark = mark_of_file(f->name);
            if (!old_mark) {
                discard();
                return f->shown;
            }
            e.existed = true;
            e.old_file = *old_mark;
        }
        entries.push_back(std::move(e));
    }
    if (write_save_journal(folder, entries) != 0) {
        discard();
        return record;
    }

    if (const std::string unkept = keep_replaced_files(); !unkept.empty()) {
        drop_kept(false);
        drop_temporaries();
        remove_save_journal(folder);
        lock_.release();
        return unkept;
    }
    for (std::size_t i = 0; i < files_.size(); ++i) {
        Staged& f = files_[i];
        if (f.placed) continue;
        if (platform::rename_file(f.temp, f.name) != 0) {
            const std::string shown = f.shown;
            const bool all_back = put_back(i);
            drop_kept(false);
            drop_temporaries();
            // A file that could not be put back keeps its old content under its kept name, and the
            // record stays: the next start puts it back.
            if (all_back) remove_save_journal(folder);
            lock_.release();
            return shown;
        }
        f.placed = true;
    }
    // The new names reach the disk before the old contents are let go, and the kept copies are gone
    // from it before the record is: a machine stop never leaves a kept copy without its record.
    platform::sync_folder(folder);
    drop_kept(true);
    platform::sync_folder(folder);
    remove_save_journal(folder);
    lock_.release();
    return {};
}

std::string StagedSave::refuse(SaveRefusal::Why why, std::string file, std::string of, std::string returned) {
    refusal_ = {why, std::move(file), std::move(of)};
    discard();
    return returned;
}

// Gives every file the save will replace a second name, its kept_name (a hard link where the file
// system has them, else a copy flushed to the disk), so that the file survives its replacement until
// the save is done. Empty when every file is kept; else the name of the first file that cannot be (as
// the caller gave it).
std::string StagedSave::keep_replaced_files() {
    namespace fs = std::filesystem;
    for (Staged& f : files_) {
        if (f.placed || f.kept) continue;
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(f.name, ec);
        if (ec || !fs::exists(st)) continue;  // nothing to replace
        const std::string kept = kept_name(f.name);
        if (platform::link_file(f.name, kept) != 0) {
            const fs::file_status shown = fs::status(f.name, ec);
            const auto old = file_on_disk(f.name);
            std::optional<unsigned> mode;
            if (!ec) mode = static_cast<unsigned>(shown.permissions() & fs::perms::mask);
            const platform::WriteResult copied =
                old ? platform::write_new_file(kept, *old, mode) : platform::WriteResult::NotCreated;
            if (copied != platform::WriteResult::Done) {
                if (copied != platform::WriteResult::NotCreated) platform::remove_file(kept);
                return f.shown;
            }
        }
        f.kept = true;
    }
    return {};
}

// The rename of file FAILED has failed: the files renamed before it go back as they were, last first
// (a file that was not there before is removed again). False when one of them could not be.
bool StagedSave::put_back(std::size_t failed) {
    bool all_back = true;
    for (std::size_t j = failed; j-- > 0;) {
        Staged& f = files_[j];
        if (f.kept) {
            if (platform::rename_file(kept_name(f.name), f.name) == 0) {
                f.kept = false;
            } else {
                all_back = false;
            }
        } else if (f.placed && platform::remove_file(f.name) != 0) {
            all_back = false;
        }
    }
    return all_back;
}

// Removes the second names of the files the save kept: of every file once the save is done
// (PLACED_TOO), else only of the files whose temporaries never went into place (the old file is
// still under its own name). A file that put_back could not put back keeps its second name: it
// holds the only copy of the old content.
void StagedSave::drop_kept(bool placed_too) {
    for (Staged& f : files_) {
        if (!f.kept || (f.placed && !placed_too)) continue;
        platform::remove_file(kept_name(f.name));
        f.kept = false;
    }
}

void StagedSave::drop_temporaries() {
    for (Staged& f : files_) {
        if (f.placed) continue;
        platform::remove_file(f.temp);
        f.placed = true;
    }
}

void StagedSave::discard() {
    drop_temporaries();
    lock_.release();
}

bool place_staged_file(std::string_view name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::string temp = staged_name(name);
    if (!fs::exists(temp, ec)) return true;
    // The whole file reaches the disk before it takes the name, and its new name after.
    const std::string file = name_on_disk(name);
    if (can_be_replaced(name) && platform::sync_file(temp) == 0 && platform::rename_file(temp, file) == 0) {
        const fs::path folder = fs::path(file).parent_path();
        platform::sync_folder(folder.empty() ? std::string(".") : folder.string());
        return true;
    }
    drop_staged_file(name);
    return false;
}

void drop_staged_file(std::string_view name) {
    platform::remove_file(staged_name(name));  // a file only: a folder of that name is not ours
}

}  // namespace brevant
