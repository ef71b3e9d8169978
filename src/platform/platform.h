// Host services the program needs: clearing the screen, running another program,
// the local date and time, a timed wait, and the file operations of a save. Nothing outside this
// folder includes OS headers.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brevant::platform {

// True when standard output is a terminal.
bool stdout_is_terminal();
// True when standard input is a terminal.
bool stdin_is_terminal();

// Makes a write beyond the process's file-size limit fail like a full disk, with an error the
// caller reports, instead of the signal that would end the process at once. Called at program start.
void ignore_file_size_signal();

// True when the file system forbids replacing or renaming the file at PATH whatever its mode bits
// (a file marked immutable or append-only). False for a name that is not there, or where the file
// system cannot say.
bool file_is_locked(const std::string& path);

// True when PATH is the root of a mount (a file or a folder mounted over that name): no rename can
// replace it, whatever the file system beneath allows. Where the kernel does not say, a mount point
// is told by its device, which differs from its folder's. False for a name that is not there.
bool is_mount_point(const std::string& path);

// True when new names can be made in the folder PATH and its names renamed over and removed: false
// for a folder marked append-only or immutable (whatever the mode bits, root included), one on a
// read-only file system, or one whose mode bits deny this process.
bool folder_takes_renames(const std::string& path);

// ---- The lock of a save -----------------------------------------------------------------------
// An advisory lock (flock) on a folder: a save holds it while its files and its record stand in that
// folder, and a start takes it before it finishes or undoes a stopped save there, so that no start
// resolves the save of a program that is still running. The lock belongs to the folder opened for it
// and ends with the process that holds it, however that process ends: a killed program leaves no
// lock behind. Taking or giving it up is no file step.

enum class LockResult {
    Held,         // taken: HANDLE holds it until release_folder_lock
    Busy,         // another holder has it (another program, or another handle of this one)
    Unavailable,  // the folder cannot be opened or its file system keeps no such locks: nothing held
};

// Takes the lock of the folder PATH ("" for the current one) without waiting. HANDLE is set when Held.
LockResult lock_folder(const std::string& path, int& handle);

// Gives up the lock held by HANDLE (nothing for a negative handle).
void release_folder_lock(int handle);

// ---- The file operations of a save ----------------------------------------------------------
// Every operation that changes the disk while a file is saved (a creation, a write, a flush, a
// link, a rename, a removal) is one step here, so that a test can end the process at any of them
// (stop_at_file_step) and look at what a kill or a machine stop there would leave.

// How writing a whole file went.
enum class WriteResult {
    Done,        // written whole and flushed to the disk
    NotCreated,  // the file could not be created: nothing was made
    NotWritten,  // created, but not written whole or not flushed (a full disk, a file-size limit, an I/O error)
    NotClosed,   // written and flushed, but its close failed
};

// Writes BYTES as the whole content of the file PATH, created anew (a file of that name is
// truncated), with the permission bits MODE when given (else those a new file gets), flushes it to
// the disk (fsync) and closes it. Steps: the creation, the write, the flush. Whatever the result
// other than NotCreated, a file PATH stands there afterwards: removing it is the caller's choice.
WriteResult write_new_file(const std::string& path, std::span<const char> bytes, std::optional<unsigned> mode);

// Flushes the file PATH, written by other means, to the disk (fsync). One step. 0 when done, else
// the system's error number.
int sync_file(const std::string& path);

// Flushes the names of the folder PATH to the disk, so that the renames, links and removals made in
// it survive a machine stop (fsync of the folder). One step. 0 when done, and also where the file
// system keeps no such flush for folders; else the system's error number.
int sync_folder(const std::string& path);

// Gives the file FROM a second name TO (a hard link; TO must not exist). One step. 0 when done, else
// the system's error number (EPERM, EXDEV, ENOTSUP ... where the file system has no hard links).
int link_file(const std::string& from, const std::string& to);

// Renames the file FROM over TO, replacing a file of that name in one step. One step. 0 when done,
// else the system's error number (nothing renamed).
int rename_file(const std::string& from, const std::string& to);

// Removes the file PATH (never a folder). One step. 0 when it was removed or nothing stood there;
// else the system's error number.
int remove_file(const std::string& path);

// Test hook: the file steps, as they are made, for a test that looks at their order. Each step is
// recorded once, where its system call is made, with what that call gave: a flush where the fsync
// itself is called (the flush of a new file inside write_new_file is a step of its own, after its
// creation and its write), so that a flush the code no longer makes is missing from the record. A
// flush whose file cannot be opened makes no fsync: it is recorded with the error of the open.
enum class FileStepKind {
    Create,       // write_new_file creates (or truncates) NAME
    Write,        // write_new_file writes the content of NAME
    FlushFile,    // fsync of the file NAME (inside write_new_file, or sync_file)
    FlushFolder,  // fsync of the folder NAME (sync_folder)
    Link,         // NAME given the second name TO
    Rename,       // NAME renamed over TO
    Remove,       // NAME removed
};
struct FileStep {
    FileStepKind kind;
    std::string name;  // the file or folder, as the caller named it ("." for the current folder)
    std::string to;    // the second name of a link or rename; empty for the other steps
    int error = 0;     // 0 when the system call did it, else its error number
    bool operator==(const FileStep&) const = default;
};
// Starts a new record (an earlier one is dropped); the steps are recorded until the record stops.
void start_recording_file_steps();
void stop_recording_file_steps();
// The steps recorded since the record was last started.
std::vector<FileStep> recorded_file_steps();

// Test hook: the process ends at once at the N-th file step from now (1 = the next one), as a kill
// or a machine stop would end it there: no destructors, no clean-up, no buffer flushed, exit status
// kStoppedAtFileStep. The step itself is not done, except a write, which ends after the first half
// of its bytes. N 0 clears the hook.
void stop_at_file_step(int n);
inline constexpr int kStoppedAtFileStep = 86;
// The file steps taken since stop_at_file_step was last called.
int file_steps_taken();

// Clears the terminal with an ANSI sequence; writes nothing when standard output is not a terminal.
void clear_screen();

// Runs a command through the system shell and waits for it. Returns its exit status (128 plus the
// signal number when a signal ended it), 127 when the shell could not find the program, -1 when no
// shell could be started.
int run_command(const std::string& command);

// Local calendar time broken into fields.
struct LocalTime {
    int year;    // e.g. 2026
    int month;   // 1..12
    int day;     // 1..31
    int hour;    // 0..23
    int minute;  // 0..59
    int second;  // 0..59
    int hundredths;
};

// The local time now, or the time a test has set.
LocalTime local_time();

// Seconds on a monotonic clock; tests can replace the clock.
double clock_seconds();

// Sleeps for the given number of seconds (tests can replace the sleep with a clock advance).
void sleep_seconds(double seconds);

// Test hook: ACTION runs at every sleep_seconds, once the sleep is over (or the manual clock has
// moved), so that a test can act while the program waits (another holder letting go of a lock).
// An empty ACTION clears it; so does reset_clock.
void set_sleep_hook(std::function<void()> action);

// Test hook: renames number FIRST to FIRST + COUNT - 1 from now (1 = the next rename_file) fail
// with the error number ERROR and rename nothing, as a mount point (EBUSY) or a failing device (EIO)
// would make them fail after every check has passed. COUNT 0 clears the hook.
void fail_renames(int first, int count, int error);

// Test hook: is_mount_point as on a kernel that gives no mount-root mark, so that the device
// comparison decides. False gives the kernel's mark back.
void hide_mount_root_mark(bool hide);

// Test hook: the fsync of every folder flush (sync_folder) ends with the error number ERROR, as on a
// file system that keeps no such flush (EINVAL, ENOTSUP), a read-only one (EROFS) or a failing
// device (EIO). The fsync is still made. 0 clears the hook.
void fail_folder_flushes(int error);

// Test hooks: a fixed local time, and a clock that only moves when the program sleeps (reset_clock
// also clears the sleep hook).
void set_fixed_local_time(const LocalTime& t);
void set_manual_clock(double start_seconds);
void reset_clock();

}  // namespace brevant::platform
