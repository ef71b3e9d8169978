// The unit table behind write_record/read_keyboard_line.
#include "sysutl/units.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

#include "platform/platform.h"
#include "sysutl/program_end.h"
#include "sysutl/report_field_guard.h"
#include "sysutl/save_files.h"
#include "sysutl/staged_files.h"

namespace brevant {

namespace {

struct UnitState {
    std::unique_ptr<std::fstream> file;       // a file unit
    std::unique_ptr<std::stringstream> text;  // a captured unit or a bound keyboard
    std::string path;                         // the file's name, for a file unit
};

// The last text written to the silent run's file, and how much was written in all: when the file
// cannot take it (a full disk, a file-size limit), what it lacks can still be said elsewhere.
constexpr std::size_t kSilentTailKept = 64 * 1024;
std::string silent_tail;
unsigned long long silent_written = 0;
// True while unit 41 writes beside "Diagnostics.stxt", the name not yet taken.
bool silent_beside_its_name = false;

void note_silent_text(std::string_view text, bool line_end) {
    silent_tail.append(text);
    if (line_end) silent_tail.push_back('\n');
    silent_written += text.size() + (line_end ? 1 : 0);
    if (silent_tail.size() > 2 * kSilentTailKept) silent_tail.erase(0, silent_tail.size() - kSilentTailKept);
}

// Once the silent run's console has its name, each record is handed to the file as it is written,
// so that a run stopped part way (killed) leaves in "Diagnostics.stxt" everything it had said. Beside
// its name there is no need: a run that never starts leaves the earlier file whole, whatever it wrote.
void write_silent_through(std::ostream& os) {
    if (!silent_beside_its_name) os.flush();
}

std::map<Int, UnitState>& table() {
    static std::map<Int, UnitState> t;
    return t;
}

std::ostream* out_stream(Int unit) {
    auto& t = table();
    auto it = t.find(unit);
    if (it != t.end()) {
        if (it->second.text) return it->second.text.get();
        if (it->second.file) return it->second.file.get();
    }
    if (unit == SCREEN_UNIT || unit == PRINTER_UNIT) return &std::cout;
    if (unit == 0) return &std::cerr;
    if (unit == SILENT_UNIT) {
        // The silent-run console is the file "Diagnostics.stxt", opened at its first use.
        if (open_unit(SILENT_UNIT, kSilentFileName, UnitMode::Write)) return table()[SILENT_UNIT].file.get();
    }
    return nullptr;
}

std::istream* in_stream(Int unit) {
    auto& t = table();
    auto it = t.find(unit);
    if (it != t.end()) {
        if (it->second.text) return it->second.text.get();
        if (it->second.file) return it->second.file.get();
    }
    if (unit == KBD_UNIT) return &std::cin;
    return nullptr;
}

// Whether the last write to standard output left its line open: a prompt waiting for its answer.
bool stdout_line_open = false;

void note_line(const std::ostream* os, bool open) {
    if (os == &std::cout) stdout_line_open = open;
}

void drop_cr(std::string& line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
}

}  // namespace

namespace {
unsigned long long console_count = 0;
void note_console(Int unit) {
    if (unit == SCREEN_UNIT || unit == SILENT_UNIT || unit == KBD_UNIT) ++console_count;
}
}  // namespace

unsigned long long console_activity() { return console_count; }

void write_record(Int unit, std::string_view text) {
    note_console(unit);
    note_record_written(unit, text);
    if (unit == SCREEN_UNIT) note_screen_record(text);
    if (std::ostream* os = out_stream(unit)) {
        if (unit == SILENT_UNIT) note_silent_text(text, true);
        os->write(text.data(), static_cast<std::streamsize>(text.size()));
        os->put('\n');
        if (unit == SILENT_UNIT) write_silent_through(*os);
        note_line(os, false);
    }
}

void write_records(Int unit, std::span<const std::string_view> lines) {
    for (std::string_view line : lines) write_record(unit, line);
}

void write_partial(Int unit, std::string_view text) {
    note_console(unit);
    note_record_written(unit, text);
    if (std::ostream* os = out_stream(unit)) {
        if (unit == SILENT_UNIT) note_silent_text(text, false);
        os->write(text.data(), static_cast<std::streamsize>(text.size()));
        os->flush();
        if (!text.empty()) note_line(os, true);
    }
}

namespace {
std::function<void()> keyboard_hook;
}  // namespace

std::string read_keyboard_line(Int unit) {
    if (unit == KBD_UNIT && keyboard_hook) keyboard_hook();
    note_console(unit);
    note_answer_read();  // an "A" before this answer is no longer the last one
    std::cout.flush();
    std::istream* is = in_stream(unit);
    std::string line;
    if (is == nullptr || !std::getline(*is, line)) {
        // On a terminal the message of the end of input starts a line of its own, not after the prompt.
        if (stdout_line_open && platform::stdout_is_terminal()) {
            std::cout.put('\n');
            std::cout.flush();
            stdout_line_open = false;
        }
        end_of_input();
    }
    // A line typed on a terminal ends with the echo of its Return.
    if (is == &std::cin && platform::stdin_is_terminal()) stdout_line_open = false;
    drop_cr(line);
    return line;
}

bool write_unit_bytes(Int unit, std::span<const std::byte> bytes) {
    std::ostream* os = out_stream(unit);
    if (os == nullptr) return false;
    os->write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return !os->bad();
}

bool read_unit_bytes(Int unit, std::span<std::byte> bytes) {
    std::istream* is = in_stream(unit);
    if (is == nullptr || unit == KBD_UNIT) return false;
    is->read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<std::size_t>(is->gcount()) == bytes.size();
}

std::size_t unit_bytes_left(Int unit) {
    std::istream* is = in_stream(unit);
    if (is == nullptr || unit == KBD_UNIT || !*is) return 0;
    const std::istream::pos_type here = is->tellg();
    if (here == std::istream::pos_type(-1)) return 0;
    is->seekg(0, std::ios::end);
    const std::istream::pos_type end = is->tellg();
    is->seekg(here);
    if (end == std::istream::pos_type(-1) || end < here) return 0;
    return static_cast<std::size_t>(end - here);
}

bool read_unit_line(Int unit, std::string& line) {
    std::istream* is = in_stream(unit);
    if (is == nullptr || !std::getline(*is, line)) return false;
    drop_cr(line);
    return true;
}

bool open_unit(Int unit, const std::string& path, UnitMode mode) {
    close_unit(unit);
    std::ios::openmode m = std::ios::in;
    if (mode == UnitMode::Write) m = std::ios::out | std::ios::trunc;
    if (mode == UnitMode::Append) m = std::ios::out | std::ios::app;
    auto f = std::make_unique<std::fstream>(path, m);
    if (!f->is_open()) return false;
    table()[unit].file = std::move(f);
    table()[unit].path = path;
    if (unit == SILENT_UNIT) {
        silent_tail.clear();
        silent_written = 0;
        silent_beside_its_name = false;
    }
    return true;
}

bool open_silent_console_beside_its_name() {
    if (open_unit(SILENT_UNIT, staged_name(kSilentFileName), UnitMode::Write)) {
        silent_beside_its_name = true;
        return true;
    }
    drop_staged_file(kSilentFileName);
    return false;
}

bool silent_console_waits_for_its_name() { return silent_beside_its_name && unit_is_open(SILENT_UNIT); }

bool place_silent_console() {
    if (!silent_console_waits_for_its_name()) return true;
    UnitState& st = table()[SILENT_UNIT];
    if (!st.file) return true;  // captured by a test: no file to name
    st.file->flush();
    // What the console holds reaches the disk before it takes the name of the last run's messages.
    if (!can_be_replaced(kSilentFileName) || platform::sync_file(st.path) != 0 ||
        platform::rename_file(st.path, kSilentFileName) != 0)
        return false;
    platform::sync_folder(".");
    // The open file is the one renamed: its records go on under the new name.
    st.path = kSilentFileName;
    silent_beside_its_name = false;
    return true;
}

void drop_silent_console() {
    const bool beside = silent_console_waits_for_its_name();
    close_unit(SILENT_UNIT);
    if (beside) drop_staged_file(kSilentFileName);
    silent_beside_its_name = false;
}

std::string close_silent_console() {
    auto& t = table();
    auto it = t.find(SILENT_UNIT);
    if (it == t.end() || !it->second.file) return {};
    it->second.file->flush();
    const std::string path = it->second.path;
    const bool beside = silent_beside_its_name;
    silent_beside_its_name = false;
    const bool all_written = close_unit(SILENT_UNIT);
    if (beside && !place_staged_file(kSilentFileName)) {
        // The messages have no file under the name the user is sent to: all of them are lacking.
        std::string text = silent_tail;
        if (silent_written > text.size()) {
            // The kept text starts inside a line: from the next whole one.
            const std::size_t line_end = text.find('\n');
            if (line_end != std::string::npos) text.erase(0, line_end + 1);
        }
        if (text.empty() || text.back() != '\n') text.push_back('\n');
        return text;
    }
    if (all_written) return {};
    // The file holds what reached the disk; the rest, from the start of its first line, is what it lacks.
    std::error_code ec;
    const auto on_disk = static_cast<unsigned long long>(std::filesystem::file_size(beside ? kSilentFileName : path, ec));
    const unsigned long long held = ec || on_disk > silent_written ? 0 : on_disk;
    const unsigned long long lacking = silent_written - held;
    if (lacking == 0) return {};  // every byte reached the file: only the close itself failed
    std::size_t from = lacking >= silent_tail.size() ? 0 : silent_tail.size() - static_cast<std::size_t>(lacking);
    if (from > 0) {
        const std::size_t line_start = silent_tail.rfind('\n', from - 1);
        from = line_start == std::string::npos ? 0 : line_start + 1;
    }
    std::string text = silent_tail.substr(from);
    if (text.empty() || text.back() != '\n') text.push_back('\n');
    return text;
}

bool close_unit(Int unit) {
    auto& t = table();
    auto it = t.find(unit);
    if (it == t.end() || !it->second.file) return true;
    // Reading a file to its end leaves the fail bit set: that is no failure of the close. A write that
    // failed (bad bit) or a last flush that fails is.
    const bool write_failed = it->second.file->bad();
    it->second.file->clear();
    it->second.file->close();
    const bool ok = !write_failed && !it->second.file->fail();
    if (it->second.text) {
        it->second.file.reset();
    } else {
        t.erase(it);
    }
    return ok;
}

bool unit_is_open(Int unit) {
    auto it = table().find(unit);
    return it != table().end() && (it->second.file || it->second.text);
}

bool rewind_unit(Int unit) {
    auto it = table().find(unit);
    if (it == table().end()) return false;
    std::iostream* s = it->second.text ? static_cast<std::iostream*>(it->second.text.get())
                                       : static_cast<std::iostream*>(it->second.file.get());
    if (s == nullptr) return false;
    s->clear();
    s->seekg(0);
    return !s->fail();
}

void flush_all_units() {
    std::cout.flush();
    std::cerr.flush();
    for (auto& [unit, st] : table())
        if (st.file) st.file->flush();
}

void close_all_units() {
    std::cout.flush();
    // A silent console that never took its name was pointed to by nothing: an earlier file stays.
    if (silent_console_waits_for_its_name()) drop_silent_console();
    std::vector<Int> units;
    for (auto& [unit, st] : table())
        if (st.file) units.push_back(unit);
    for (Int u : units) close_unit(u);
}

void bind_keyboard(std::string answers) {
    table()[KBD_UNIT].text = std::make_unique<std::stringstream>(std::move(answers));
}

void set_keyboard_hook(std::function<void()> action) { keyboard_hook = std::move(action); }

void capture_unit(Int unit) { table()[unit].text = std::make_unique<std::stringstream>(); }

std::string captured(Int unit) {
    auto it = table().find(unit);
    if (it == table().end() || !it->second.text) return {};
    return it->second.text->str();
}

void clear_captured(Int unit) {
    auto it = table().find(unit);
    if (it != table().end() && it->second.text) it->second.text->str(std::string());
}

void reset_units() {
    close_all_units();
    table().clear();
    keyboard_hook = nullptr;
    // A fresh console is that of a program that has saved and said nothing yet.
    forget_how_the_program_ends();
}

}  // namespace brevant
