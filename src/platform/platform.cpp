// POSIX implementation of the host services.
#include "platform/platform.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brevant::platform {

namespace {
std::optional<LocalTime> fixed_time;
std::optional<double> manual_clock;
std::function<void()> sleep_hook;
// The renames a test makes fail: numbers rename_first .. rename_first + rename_count - 1 counted from
// the moment the hook was set.
int rename_first = 0;
int rename_count = 0;
int rename_error = 0;
int renames_seen = 0;
// The file step a test ends the process at (0: none), and the steps taken since it was set.
int stop_step = 0;
int steps_taken = 0;
// The record of the file steps a test has asked for (nothing while none is made).
std::optional<std::vector<FileStep>> step_record;
// The test hooks of the mount-root mark and of the folder flushes.
bool mount_mark_hidden = false;
int folder_flush_error = 0;

// Counts one file step; true when the process is to end at it.
bool stop_here() {
    ++steps_taken;
    return stop_step > 0 && steps_taken == stop_step;
}

[[noreturn]] void end_as_killed() { ::_exit(kStoppedAtFileStep); }

int error_number() { return errno != 0 ? errno : EIO; }

// Records a file step that has been made, with the error number its system call gave (0: done).
void record(FileStepKind kind, const std::string& name, int error, const std::string& to = {}) {
    if (step_record) step_record->push_back({kind, name, to, error});
}

// Flushes the open file or folder FD to the disk and records the flush where the fsync is made.
// 0 when done, else the error number of the fsync.
int flush_to_disk(int fd, FileStepKind kind, const std::string& name) {
    const int rc = ::fsync(fd) == 0 ? 0 : error_number();
    const int shown = kind == FileStepKind::FlushFolder && folder_flush_error != 0 ? folder_flush_error : rc;
    record(kind, name, shown);
    return shown;
}

// Writes all of BYTES to FD, going on after a short write; 0 when done, else the error number.
int write_all(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return error_number();
        }
        if (n == 0) return EIO;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}
}  // namespace

bool stdout_is_terminal() { return ::isatty(STDOUT_FILENO) == 1; }
bool stdin_is_terminal() { return ::isatty(STDIN_FILENO) == 1; }

void ignore_file_size_signal() { std::signal(SIGXFSZ, SIG_IGN); }

bool file_is_locked(const std::string& path) {
    struct statx st {};
    if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS, &st) != 0) return false;
    constexpr auto kLocked = static_cast<decltype(st.stx_attributes)>(STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND);
    return (st.stx_attributes & st.stx_attributes_mask & kLocked) != 0;
}

bool is_mount_point(const std::string& path) {
    struct statx st {};
    if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS, &st) != 0) return false;
    if (!mount_mark_hidden && (st.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) != 0) return (st.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
    const std::filesystem::path parent_path = std::filesystem::path(path).parent_path();
    const std::string folder = parent_path.empty() ? std::string(".") : parent_path.string();
    struct statx parent {};
    if (::statx(AT_FDCWD, folder.c_str(), 0, STATX_BASIC_STATS, &parent) != 0) return false;
    return st.stx_dev_major != parent.stx_dev_major || st.stx_dev_minor != parent.stx_dev_minor;
}

bool folder_takes_renames(const std::string& path) {
    if (::access(path.c_str(), W_OK | X_OK) != 0) return false;
    return !file_is_locked(path);
}

LockResult lock_folder(const std::string& path, int& handle) {
    handle = -1;
    // Close-on-exec: a program the session starts never inherits the lock.
    const int fd = ::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return LockResult::Unavailable;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? LockResult::Busy : LockResult::Unavailable;
    }
    handle = fd;
    return LockResult::Held;
}

void release_folder_lock(int handle) {
    if (handle >= 0) ::close(handle);  // the lock goes with the last descriptor of its open folder
}

WriteResult write_new_file(const std::string& path, std::span<const char> bytes, std::optional<unsigned> mode) {
    if (stop_here()) end_as_killed();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    record(FileStepKind::Create, path, fd < 0 ? error_number() : 0);
    if (fd < 0) return WriteResult::NotCreated;
    if (stop_here()) {
        (void)write_all(fd, bytes.data(), bytes.size() / 2);
        end_as_killed();
    }
    int written = write_all(fd, bytes.data(), bytes.size());
    if (written == 0 && mode && ::fchmod(fd, static_cast<mode_t>(*mode)) != 0) written = error_number();
    record(FileStepKind::Write, path, written);
    bool whole = written == 0;
    if (whole) {
        if (stop_here()) end_as_killed();
        whole = flush_to_disk(fd, FileStepKind::FlushFile, path) == 0;
    }
    const bool closed = ::close(fd) == 0;
    if (!whole) return WriteResult::NotWritten;
    return closed ? WriteResult::Done : WriteResult::NotClosed;
}

int sync_file(const std::string& path) {
    if (stop_here()) end_as_killed();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int rc = error_number();
        record(FileStepKind::FlushFile, path, rc);
        return rc;
    }
    const int rc = flush_to_disk(fd, FileStepKind::FlushFile, path);
    ::close(fd);
    return rc;
}

int sync_folder(const std::string& path) {
    if (stop_here()) end_as_killed();
    const std::string folder = path.empty() ? std::string(".") : path;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        const int rc = error_number();
        record(FileStepKind::FlushFolder, folder, rc);
        return rc;
    }
    int rc = flush_to_disk(fd, FileStepKind::FlushFolder, folder);
    // Some file systems keep no flush for folders: their names are then as safe as they get.
    if (rc == EINVAL || rc == ENOTSUP || rc == EROFS) rc = 0;
    ::close(fd);
    return rc;
}

int link_file(const std::string& from, const std::string& to) {
    if (stop_here()) end_as_killed();
    const int rc = ::link(from.c_str(), to.c_str()) == 0 ? 0 : error_number();
    record(FileStepKind::Link, from, rc, to);
    return rc;
}

int remove_file(const std::string& path) {
    if (stop_here()) end_as_killed();
    const int rc = ::unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : error_number();
    record(FileStepKind::Remove, path, rc);
    return rc;
}

void stop_at_file_step(int n) {
    stop_step = n;
    steps_taken = 0;
}

int file_steps_taken() { return steps_taken; }

void start_recording_file_steps() { step_record.emplace(); }
void stop_recording_file_steps() { step_record.reset(); }
std::vector<FileStep> recorded_file_steps() { return step_record ? *step_record : std::vector<FileStep>{}; }

int rename_file(const std::string& from, const std::string& to) {
    if (stop_here()) end_as_killed();
    int rc = -1;
    if (rename_count > 0) {
        ++renames_seen;
        if (renames_seen >= rename_first && renames_seen < rename_first + rename_count) rc = rename_error;
    }
    if (rc < 0) rc = std::rename(from.c_str(), to.c_str()) == 0 ? 0 : error_number();
    record(FileStepKind::Rename, from, rc, to);
    return rc;
}

void fail_renames(int first, int count, int error) {
    rename_first = first;
    rename_count = count;
    rename_error = error;
    renames_seen = 0;
}

void hide_mount_root_mark(bool hide) { mount_mark_hidden = hide; }
void fail_folder_flushes(int error) { folder_flush_error = error; }

void clear_screen() {
    if (!stdout_is_terminal()) return;
    std::cout << "\x1b[H\x1b[2J";
    std::cout.flush();
}

int run_command(const std::string& command) {
    std::cout.flush();
    const int rc = std::system(command.c_str());
    if (rc == -1) return -1;
    if (WIFEXITED(rc)) return WEXITSTATUS(rc);
    // Ended by a signal: it did start, so report it the way a shell does.
    if (WIFSIGNALED(rc)) return 128 + WTERMSIG(rc);
    return -1;
}

LocalTime local_time() {
    if (fixed_time) return *fixed_time;
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tmv{};
    localtime_r(&t, &tmv);
    const auto since = now.time_since_epoch();
    const auto cs = std::chrono::duration_cast<std::chrono::milliseconds>(since).count() % 1000 / 10;
    return LocalTime{tmv.tm_year + 1900, tmv.tm_mon + 1, tmv.tm_mday, tmv.tm_hour, tmv.tm_min, tmv.tm_sec,
                     static_cast<int>(cs)};
}

double clock_seconds() {
    if (manual_clock) return *manual_clock;
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void sleep_seconds(double seconds) {
    if (seconds > 0) {
        if (manual_clock) {
            *manual_clock += seconds;
        } else {
            std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        }
    }
    if (sleep_hook) sleep_hook();
}

void set_sleep_hook(std::function<void()> action) { sleep_hook = std::move(action); }

void set_fixed_local_time(const LocalTime& t) { fixed_time = t; }
void set_manual_clock(double start_seconds) { manual_clock = start_seconds; }
void reset_clock() {
    fixed_time.reset();
    manual_clock.reset();
    sleep_hook = nullptr;
}

}  // namespace brevant::platform
