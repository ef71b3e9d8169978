// Console and file units: the unit numbers the program writes to and reads from, mapped to streams.
// 5 keyboard, 6 screen, 41 the console of a silent run ("Diagnostics.stxt"), 99 the printer
// (standard output here), any other number a file opened with open_unit. One record is one line.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

inline constexpr Int KBD_UNIT = 5;
inline constexpr Int SCREEN_UNIT = 6;
inline constexpr Int SILENT_UNIT = 41;
inline constexpr Int DISK_UNIT = 1;
inline constexpr Int WARN_UNIT = 21;
inline constexpr Int PRINTER_UNIT = 99;
inline constexpr const char* kSilentFileName = "Diagnostics.stxt";

// The console of a run whose editor output unit is EDUNIT: the silent run's file "Diagnostics.stxt"
// while that is the editor's unit, the screen otherwise. The warnings and stops of a run that
// write to the console write there, so that a silent run keeps every message in its file.
inline constexpr Int console_unit(Int EDUNIT) { return EDUNIT == SILENT_UNIT ? SILENT_UNIT : SCREEN_UNIT; }

// Writes one record: the text followed by a line end.
void write_record(Int unit, std::string_view text);
// Writes one record for each line, in order (the fixed texts of help screens and notes).
void write_records(Int unit, std::span<const std::string_view> lines);

// Writes text and leaves the record open (a prompt answered on the same line); flushes.
void write_partial(Int unit, std::string_view text);

// Raw bytes on a file unit or a captured unit (the sequential binary files): written as they are;
// a read fills the whole span or fails (false: the unit is not open or the data ran short).
bool write_unit_bytes(Int unit, std::span<const std::byte> bytes);
bool read_unit_bytes(Int unit, std::span<std::byte> bytes);
// Bytes a read could still take from a unit before its end (0 when it is not open for reading).
std::size_t unit_bytes_left(Int unit);

// Reads one line of the keyboard (unit 5) or of a file unit opened for reading; a trailing
// carriage return is dropped. At the end of the keyboard input the program ends (end_of_input);
// at the end of a file the result is false.
std::string read_keyboard_line(Int unit = KBD_UNIT);

// A count that moves on with every record written to or read from the console (units 5, 6 and 41):
// a caller that would skip a repeated computation can tell whether the computation talked to the user.
unsigned long long console_activity();
bool read_unit_line(Int unit, std::string& line);

enum class UnitMode { Read, Write, Append };

// Opens a file on a unit (closing what was open there). False when the file cannot be opened.
bool open_unit(Int unit, const std::string& path, UnitMode mode);
// Closes a file unit. False when the data could not be written out.
bool close_unit(Int unit);
// Opens the silent run's console (unit 41) beside its name, on staged_name("Diagnostics.stxt"): the
// file of an earlier silent run stays whole until this one's messages are what the user is sent to
// (close_silent_console) or the run starts (place_silent_console). False, with nothing left behind,
// when the file cannot be made.
bool open_silent_console_beside_its_name();
// Whether unit 41 is open beside its name, the name not yet taken.
bool silent_console_waits_for_its_name();
// Gives the open console of a silent run that starts its name, "Diagnostics.stxt"; its records go
// on into it, each handed to the file as it is written (a run killed part way leaves what it said so
// far), as are those of a console opened under its name at its first use. True when done, or when
// there is nothing waiting for the name; false when the rename fails (the console is still open
// beside the name).
bool place_silent_console();
// Closes the console of a silent run that never started and that nothing points to: its file goes,
// and an earlier "Diagnostics.stxt" stays whole. A console that has its name is only closed.
void drop_silent_console();
// Closes the silent run's file "Diagnostics.stxt" (unit 41), giving it its name when it waits beside
// it: every caller then points the user to the file. Empty when it took every record written to it
// (or was not open); else the records it lacks (a full disk, a file-size limit, a name it could not
// take), one a line from the first that did not reach it (at most the last 64 KiB of them).
std::string close_silent_console();
bool unit_is_open(Int unit);
// Rewinds a file unit opened for reading.
bool rewind_unit(Int unit);

void flush_all_units();
// Flushes and closes every file unit (the normal and the fatal end of the program).
void close_all_units();

// Test hooks: the keyboard reads from a text of answers (lines separated by '\n'); the screen,
// the silent unit or any other unit writes into a string that captured() returns.
void bind_keyboard(std::string answers);
// Test hook: ACTION runs each time the program is about to read a line of the keyboard, so that a
// test can look at the folder (or the lock) while the program waits for an answer. An empty ACTION
// clears it; so does reset_units.
void set_keyboard_hook(std::function<void()> action);
void capture_unit(Int unit);
std::string captured(Int unit);
void clear_captured(Int unit);
// Puts the unit table back to its start: keyboard and screen on the process's streams, no files.
void reset_units();

}  // namespace brevant
