// The names of a save's files and the reading of them as they stand on disk: the file's own name,
// the temporary its new content is written to ("NAME.brvtmp") and the second name its old content
// keeps while the save runs ("NAME.brvold"). The record of a save and the staged save both build on
// these.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace brevant {

// A file name as the platform takes it: the name without its trailing blanks.
std::string name_on_disk(std::string_view name);

// NAME in FOLDER ("." or empty for the current folder).
std::string in_folder(const std::string& folder, const std::string& name);

// The temporary a file is written to before it is put in place (trailing blanks of NAME are not
// part of the name).
std::string staged_name(std::string_view name);

// The second name ("NAME.brvold") under which a save keeps the file it replaces until its last file
// is in place, so that a rename that fails can put the old file back.
std::string kept_name(std::string_view name);

// A file exactly as it stands on disk, every byte and its own length (so that a back-up or a kept
// copy made of it is never padded or trimmed by another buffer). Nothing when no plain file stands
// there or it cannot be read.
std::optional<std::string> file_on_disk(const std::string& path);

// The lock of a save's folder (platform::lock_folder), held from take() until release() or the end
// of the object: while a save holds it, no start in another program finishes or undoes that save.
class SaveLock {
public:
    SaveLock() = default;
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;
    ~SaveLock() { release(); }
    // Takes the lock of FOLDER ("" or "." for the current one), giving up one held before.
    platform::LockResult take(const std::string& folder);
    void release();
    bool held() const { return handle_ >= 0; }

private:
    int handle_ = -1;
};

}  // namespace brevant
