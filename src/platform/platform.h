// Host services the program needs: clearing the screen, running another program,
// the local date and time, and a timed wait. Nothing outside this folder includes OS headers.
#pragma once

#include <chrono>
#include <functional>
#include <string>

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

// Renames the file FROM over TO, replacing a file of that name in one step. 0 when done, else the
// system's error number (nothing renamed).
int rename_file(const std::string& from, const std::string& to);

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

// Test hook: renames number FIRST to FIRST + COUNT - 1 from now (1 = the next rename_file) fail
// with the error number ERROR and rename nothing, as a mount point (EBUSY) or a failing device (EIO)
// would make them fail after every check has passed. COUNT 0 clears the hook.
void fail_renames(int first, int count, int error);

// Test hooks: a fixed local time, and a clock that only moves when the program sleeps.
void set_fixed_local_time(const LocalTime& t);
void set_manual_clock(double start_seconds);
void reset_clock();

}  // namespace brevant::platform
