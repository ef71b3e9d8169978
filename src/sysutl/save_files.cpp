// The names of a save's files, and the files read as they stand on disk.
#include "sysutl/save_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace brevant {

std::string name_on_disk(std::string_view name) {
    std::size_t n = name.size();
    while (n > 0 && name[n - 1] == ' ') --n;
    return std::string(name.substr(0, n));
}

std::string in_folder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder == ".") return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string staged_name(std::string_view name) { return name_on_disk(name) + ".brvtmp"; }

std::string kept_name(std::string_view name) { return name_on_disk(name) + ".brvold"; }

std::optional<std::string> file_on_disk(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

platform::LockResult SaveLock::take(const std::string& folder) {
    release();
    return platform::lock_folder(folder.empty() ? std::string(".") : folder, handle_);
}

platform::LockResult SaveLock::take_waiting(const std::string& folder, double bound,
                                           const std::function<void()>& waiting) {
    platform::LockResult got = take(folder);
    if (got != platform::LockResult::Busy) return got;
    if (waiting) waiting();
    const double until = platform::clock_seconds() + bound;
    while (got == platform::LockResult::Busy && platform::clock_seconds() < until) {
        platform::sleep_seconds(kLockPollSeconds);
        got = take(folder);
    }
    return got;
}

void SaveLock::release() {
    platform::release_folder_lock(handle_);
    handle_ = -1;
}

}  // namespace brevant
