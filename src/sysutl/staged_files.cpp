// Files written beside their names and renamed into place once complete.
#include "sysutl/staged_files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/platform.h"
#include "sysutl/report_files.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

StagedSave* current_save = nullptr;

}  // namespace

std::string staged_name(std::string_view name) { return name_on_disk(name) + ".brvtmp"; }

std::string kept_name(std::string_view name) { return name_on_disk(name) + ".brvold"; }

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

StagedSave::StagedSave() : outer_(current_save) { current_save = this; }

StagedSave::~StagedSave() {
    discard();
    current_save = outer_;
}

StagedSave* StagedSave::in_progress() { return current_save; }

StageResult StagedSave::stage(std::string_view name, std::span<const char> bytes) {
    namespace fs = std::filesystem;
    const std::string file = name_on_disk(name);
    if (write_protected(file)) return StageResult::Protected;
    // A folder that takes the temporary but not its rename (append-only) would keep the temporary.
    if (!folder_refusing_renames(file).empty()) return StageResult::FolderRefused;
    std::error_code status_ec;  // a file that is not there yet is no error
    const fs::file_status old_status = fs::status(file, status_ec);
    const std::string temp = staged_name(file);
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return StageResult::NotCreated;
    files_.push_back({file, temp, std::string(name), false});
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool written = !out.fail();
    out.close();
    if (!written) return StageResult::NotWritten;
    if (out.fail()) return StageResult::NotClosed;
    std::error_code ec;
    if (fs::exists(old_status)) fs::permissions(temp, old_status.permissions(), ec);
    return ec ? StageResult::NotWritten : StageResult::Staged;
}

std::string StagedSave::commit() {
    // A save that cannot put all its files in place puts none: a back-up rotated while the file it
    // keeps stays old would be rotated again by the next save, and its oldest generation lost.
    for (const Staged& f : files_) {
        if (!f.placed && !can_be_replaced(f.name)) {
            discard();
            return f.shown;
        }
    }
    if (const std::string unkept = keep_replaced_files(); !unkept.empty()) {
        drop_kept(false);
        discard();
        return unkept;
    }
    for (std::size_t i = 0; i < files_.size(); ++i) {
        Staged& f = files_[i];
        if (f.placed) continue;
        if (platform::rename_file(f.temp, f.name) != 0) {
            const std::string shown = f.shown;
            put_back(i);
            drop_kept(false);
            discard();
            return shown;
        }
        f.placed = true;
    }
    drop_kept(true);
    return {};
}

// Gives every file the save will replace a second name, its kept_name (a hard link where the file
// system has them, else a copy), so that the file survives its replacement until the save is done.
// Empty when every file is kept; else the name of the first file that cannot be (as the caller
// gave it), or the second name itself when something already stands there: the old content of a
// save that could not be undone, which no later save may overwrite unseen.
std::string StagedSave::keep_replaced_files() {
    namespace fs = std::filesystem;
    for (Staged& f : files_) {
        if (f.placed || f.kept) continue;
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(f.name, ec);
        if (ec || !fs::exists(st)) continue;  // nothing to replace
        const std::string kept = kept_name(f.name);
        if (fs::exists(fs::symlink_status(kept, ec))) return kept;
        fs::create_hard_link(f.name, kept, ec);
        if (ec) {
            ec.clear();
            if (!fs::copy_file(f.name, kept, fs::copy_options::none, ec) || ec) {
                fs::remove(kept, ec);
                return f.shown;
            }
        }
        f.kept = true;
    }
    return {};
}

// The rename of file FAILED has failed: the files renamed before it go back as they were, last first
// (a file that was not there before is removed again).
void StagedSave::put_back(std::size_t failed) {
    namespace fs = std::filesystem;
    for (std::size_t j = failed; j-- > 0;) {
        Staged& f = files_[j];
        std::error_code ec;
        if (f.kept) {
            if (platform::rename_file(kept_name(f.name), f.name) == 0) f.kept = false;
        } else {
            fs::remove(f.name, ec);
        }
    }
}

// Removes the second names of the files the save kept: of every file once the save is done
// (PLACED_TOO), else only of the files whose temporaries never went into place (the old file is
// still under its own name). A file that put_back could not put back keeps its second name: it
// holds the only copy of the old content.
void StagedSave::drop_kept(bool placed_too) {
    for (Staged& f : files_) {
        if (!f.kept || (f.placed && !placed_too)) continue;
        std::error_code ec;
        std::filesystem::remove(kept_name(f.name), ec);
        f.kept = false;
    }
}

void StagedSave::discard() {
    for (Staged& f : files_) {
        if (f.placed) continue;
        std::error_code ec;
        std::filesystem::remove(f.temp, ec);
        f.placed = true;
    }
}

std::string open_staged_file(Int unit, std::string_view name) {
    if (std::string folder = folder_refusing_renames(name); !folder.empty()) return folder;
    if (open_unit(unit, staged_name(name), UnitMode::Write)) return {};
    drop_staged_file(name);
    return std::string(name);
}

bool place_staged_file(std::string_view name) {
    std::error_code ec;
    const std::string temp = staged_name(name);
    if (!std::filesystem::exists(temp, ec)) return true;
    if (can_be_replaced(name) && platform::rename_file(temp, name_on_disk(name)) == 0) return true;
    drop_staged_file(name);
    return false;
}

void drop_staged_file(std::string_view name) {
    std::error_code ec;
    std::filesystem::remove(staged_name(name), ec);
}

}  // namespace brevant
