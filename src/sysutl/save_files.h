// The names of a save's files and the reading of them as they stand on disk: the file's own name,
// the temporary its new content is written to ("NAME.brvtmp") and the second name its old content
// keeps while the save runs ("NAME.brvold"). The record of a save and the staged save both build on
// these.
#pragma once

#include <functional>
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

// How long a start waits for another program to let go of the lock of its folder, and how often it
// looks again meanwhile. A save holds the lock for milliseconds, a start that finishes or undoes a
// stopped save hardly longer: a lock held past the bound belongs to a program that is stuck.
inline constexpr double kLockWaitSeconds = 30.0;
inline constexpr double kLockPollSeconds = 0.05;

// The lock of a save's folder (platform::lock_folder), held from take() until release() or the end
// of the object: while a save holds it, no start in another program finishes or undoes that save,
// and no start reads the case.
class SaveLock {
public:
    SaveLock() = default;
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;
    ~SaveLock() { release(); }
    // Takes the lock of FOLDER ("" or "." for the current one), giving up one held before.
    platform::LockResult take(const std::string& folder);
    // Takes the lock of FOLDER as take() does, waiting while another holder has it: it looks again
    // every kLockPollSeconds on the platform's clock, for at most BOUND seconds. WAITING (when given)
    // is called once, when the lock is first found held by another. Busy only when the bound has
    // passed with the lock still held; Unavailable at once where the folder keeps no such lock.
    platform::LockResult take_waiting(const std::string& folder, double bound, const std::function<void()>& waiting);
    void release();
    bool held() const { return handle_ >= 0; }

private:
    int handle_ = -1;
};

}  // namespace brevant
