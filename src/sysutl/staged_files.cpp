// Files written beside their names and renamed into place once complete.
#include "sysutl/staged_files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/platform.h"
#include "sysutl/report_files.h"

namespace brevant {

namespace {

StagedSave* current_save = nullptr;

}  // namespace

std::string staged_name(std::string_view name) { return name_on_disk(name) + ".brvtmp"; }

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
    return !fs::is_directory(st) && !platform::file_is_locked(file);
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
    for (Staged& f : files_) {
        std::error_code ec;
        std::filesystem::rename(f.temp, f.name, ec);
        if (ec) {
            discard();
            return f.shown;
        }
        f.placed = true;
    }
    return {};
}

void StagedSave::discard() {
    for (Staged& f : files_) {
        if (f.placed) continue;
        std::error_code ec;
        std::filesystem::remove(f.temp, ec);
        f.placed = true;
    }
}

bool place_staged_file(std::string_view name) {
    std::error_code ec;
    const std::string temp = staged_name(name);
    if (!std::filesystem::exists(temp, ec)) return true;
    if (can_be_replaced(name)) {
        std::filesystem::rename(temp, name_on_disk(name), ec);
        if (!ec) return true;
    }
    drop_staged_file(name);
    return false;
}

void drop_staged_file(std::string_view name) {
    std::error_code ec;
    std::filesystem::remove(staged_name(name), ec);
}

}  // namespace brevant
