// Shared test helpers: a fixture that gives each test fresh units, a scripted keyboard and a
// captured screen, and runs the body in a scratch folder when asked.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant::platform {
// A recorded file step as a failure message shows it.
inline void PrintTo(const FileStep& s, std::ostream* os) {
    static const char* const kKinds[] = {"create", "write", "flush file", "flush folder", "link", "rename", "remove"};
    *os << kKinds[static_cast<int>(s.kind)] << " " << s.name;
    if (!s.to.empty()) *os << " -> " << s.to;
    if (s.error != 0) *os << " (error " << s.error << ")";
}
}  // namespace brevant::platform

namespace brevant::testing {

// How many times WHAT occurs in TEXT, overlapping occurrences included.
inline std::size_t count_of(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

// k h from w^2 h / g = k h tanh(k h), by Newton's method in double precision: the wave number of
// the dispersion relation, solved independently of the program's own solver.
inline double dispersion_kh(double omega, double depth, double g) {
    const double w2 = omega * omega * depth / g;
    double x = w2 > 1.0 ? w2 : std::sqrt(w2);
    for (int i = 0; i < 200; ++i) {
        const double t = std::tanh(x);
        const double dx = (x * t - w2) / (t + x * (1.0 - t * t));
        x -= dx;
        if (std::fabs(dx) < 1e-15 * x) break;
    }
    return x;
}

// The lines of a text, without their line ends.
inline std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// True when one of the lines is exactly LINE.
inline bool has_line(const std::vector<std::string>& lines, const std::string& line) {
    for (const std::string& l : lines)
        if (l == line) return true;
    return false;
}

// How many of the lines hold PART.
inline std::size_t lines_holding(const std::vector<std::string>& lines, const std::string& part) {
    std::size_t n = 0;
    for (const std::string& l : lines)
        if (l.find(part) != std::string::npos) ++n;
    return n;
}

// The numbers of a line, read as free-format values up to the first that is not one.
inline std::vector<double> numbers(const std::string& line) {
    std::istringstream in(line);
    std::vector<double> v;
    for (double x = 0.0; in >> x;) v.push_back(x);
    return v;
}

// The pages of a report: the text after each form-feed record.
inline std::vector<std::string> pages_of(const std::string& report) {
    std::vector<std::string> pages;
    std::size_t p = 0;
    while ((p = report.find("\f\n", p)) != std::string::npos) {
        p += 2;
        const std::size_t next = report.find("\f\n", p);
        pages.push_back(report.substr(p, next == std::string::npos ? std::string::npos : next - p));
    }
    return pages;
}

// The numbers of the table rows of a page: the lines after the first empty line that follows the
// line holding HEAD, up to the next empty line or the end.
inline std::vector<std::vector<double>> table_rows(const std::string& page, const std::string& head) {
    std::vector<std::vector<double>> rows;
    const std::size_t at = page.find(head);
    if (at == std::string::npos) return rows;
    bool started = false;
    std::size_t from = page.find("\n\n", at);
    if (from == std::string::npos) return rows;
    for (const std::string& line : lines_of(page.substr(from + 2))) {
        if (line.empty()) {
            if (started) break;
            continue;
        }
        started = true;
        rows.push_back(numbers(line));
    }
    return rows;
}

// The first line of a page, without its line end.
inline std::string title_of(const std::string& page) { return page.substr(0, page.find('\n')); }

// The table lines of a page: those after the header line holding HEAD and its empty line, up to the
// next empty line or the end.
inline std::vector<std::string> row_lines(const std::string& page, const std::string& head) {
    std::vector<std::string> out;
    const std::size_t at = page.find(head);
    if (at == std::string::npos) return out;
    const std::size_t from = page.find("\n\n", at);
    if (from == std::string::npos) return out;
    for (const std::string& line : lines_of(page.substr(from + 2))) {
        if (line.empty()) break;
        out.push_back(line);
    }
    return out;
}

// Whole files as bytes, and files of 32-bit words stored big-endian as the data files hold them,
// made independently of the program's own record I/O.
inline std::string file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void put_file(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Every file of the current folder with its bytes, by name.
using Contents = std::map<std::string, std::string>;
inline Contents contents_here() {
    Contents all;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        all[entry.path().filename().string()] = file_bytes(entry.path().string());
    return all;
}

inline std::string big_endian(const std::vector<std::uint32_t>& words) {
    std::string out;
    for (std::uint32_t w : words) {
        out.push_back(static_cast<char>(w >> 24));
        out.push_back(static_cast<char>((w >> 16) & 0xFF));
        out.push_back(static_cast<char>((w >> 8) & 0xFF));
        out.push_back(static_cast<char>(w & 0xFF));
    }
    return out;
}

inline void write_words(const std::string& path, const std::vector<std::uint32_t>& words) {
    put_file(path, big_endian(words));
}

// Fresh unit table for each test: unit 5 reads the answers given, 6 and 41 are captured.
class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_units();
        capture_unit(SCREEN_UNIT);
        capture_unit(SILENT_UNIT);
        bind_keyboard("");
    }
    void TearDown() override {
        reset_units();
        platform::reset_clock();
    }
    void answers(const std::string& text) { bind_keyboard(text); }
    std::string screen() const { return captured(SCREEN_UNIT); }
    std::string silent() const { return captured(SILENT_UNIT); }
};

// Runs the test inside a new empty temporary folder and returns to the old one afterwards.
class ScratchDir {
public:
    ScratchDir() : old_(std::filesystem::current_path()) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("brevant_") + (info ? info->test_suite_name() : "t") + "_" +
                           (info ? info->name() : "x");
        for (char& c : name)
            if (c == '/') c = '_';
        // A random suffix keeps two runs of the suite (two build folders, two checkouts) apart.
        std::random_device rd;
        name += "_" + std::to_string(rd()) + std::to_string(rd());
        dir_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
    }
    ~ScratchDir() {
        reset_units();
        std::filesystem::current_path(old_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::filesystem::path& path() const { return dir_; }

private:
    std::filesystem::path old_;
    std::filesystem::path dir_;
};

// A file marked immutable (chattr +i) for the life of the object, so that not even root may replace
// or rename it; locked() is false where the file system or the privileges do not allow the mark.
// Declared after the scratch folder it lies in, so that the mark goes before the folder does.
class LockedFile {
public:
    explicit LockedFile(std::string name)
        : name_(std::move(name)), locked_(platform::run_command("chattr +i '" + name_ + "' > /dev/null 2>&1") == 0) {}
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile() {
        if (locked_) platform::run_command("chattr -i '" + name_ + "' > /dev/null 2>&1");
    }
    bool locked() const { return locked_; }

private:
    std::string name_;
    bool locked_;
};

// A folder marked append-only (chattr +a) for the life of the object: new names can be made in it,
// but none renamed or removed, not even by root; marked() is false where the file system or the
// privileges do not allow the mark. Declared after the scratch folder, as LockedFile.
class AppendOnlyFolder {
public:
    explicit AppendOnlyFolder(std::string name)
        : name_(std::move(name)), marked_(platform::run_command("chattr +a '" + name_ + "' > /dev/null 2>&1") == 0) {}
    AppendOnlyFolder(const AppendOnlyFolder&) = delete;
    AppendOnlyFolder& operator=(const AppendOnlyFolder&) = delete;
    ~AppendOnlyFolder() { lift(); }
    void lift() {
        if (marked_) platform::run_command("chattr -a '" + name_ + "' > /dev/null 2>&1");
        marked_ = false;
    }
    bool marked() const { return marked_; }

private:
    std::string name_;
    bool marked_;
};

// Renames that fail after every check has passed (platform::fail_renames) for the life of the object.
class RenameFaults {
public:
    RenameFaults(int first, int count, int error) { platform::fail_renames(first, count, error); }
    RenameFaults(const RenameFaults&) = delete;
    RenameFaults& operator=(const RenameFaults&) = delete;
    ~RenameFaults() { platform::fail_renames(0, 0, 0); }
};

// Another program holding the lock of the current folder (a second open of the folder in this
// process) from its making until the waiter's LET_GO-th look (never when 0), where it first does
// ACTION (puts files of its own in place, say) and then lets go. The platform's clock runs only while
// the waiter sleeps, so a bound passes at once; the clock and the lock go with the object.
class LockHolder {
public:
    explicit LockHolder(int let_go, std::function<void()> action = {}) {
        EXPECT_EQ(platform::lock_folder(".", handle_), platform::LockResult::Held);
        platform::set_manual_clock(0.0);
        platform::set_sleep_hook([this, let_go, action = std::move(action)] {
            if (++looks_ != let_go) return;
            if (action) action();
            let_go_now();
        });
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    ~LockHolder() {
        platform::reset_clock();
        let_go_now();
    }
    void let_go_now() {
        platform::release_folder_lock(handle_);
        handle_ = -1;
    }
    int looks() const { return looks_; }

private:
    int handle_ = -1;
    int looks_ = 0;
};

// The rows of a table that cannot run on this machine (a file the file system will not mark): the
// table runs every other row, and the test then reports itself skipped, naming them, instead of
// passing as if they had run:
//     if (!locked.locked()) { skipped.add(c.what); continue; }
//     ...
//     if (skipped.any()) GTEST_SKIP() << skipped.text();
class SkippedRows {
public:
    void add(const std::string& row) { rows_.push_back(row); }
    bool any() const { return !rows_.empty(); }
    std::string text() const {
        std::string t = "rows left out (the file system cannot mark a file or folder here):";
        for (const std::string& r : rows_) t += " [" + r + "]";
        return t;
    }

private:
    std::vector<std::string> rows_;
};

// The "NaN" and "Infinity" words of a report, counted independently of the program: every such word
// outside the zero-frequency rows (first field ".0000", whose period and spacings are the text
// "Infinity" on purpose) and the program's own messages.
inline long long non_finite_words(const std::string& report) {
    std::istringstream lines(report);
    std::string line;
    long long n = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("  .0000 ", 0) == 0 || line.find(" ++> ") != std::string::npos) continue;
        std::istringstream words(line);
        std::string w;
        while (words >> w) n += w == "NaN" || w == "Infinity" || w == "-Infinity";
    }
    return n;
}

// The lines of a transcript from the line HEAD up to the next finding (a line " ++>") or pause,
// without the empty lines that close it: one finding as it was shown (empty when HEAD is no line).
inline std::string finding_at(const std::string& text, const std::string& head) {
    const auto start = text.find("\n" + head + "\n");
    if (start == std::string::npos) return "";
    std::string block;
    std::size_t at = start + 1;
    while (at < text.size()) {
        const auto end = text.find('\n', at);
        const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (!block.empty() && (line.starts_with(" ++>") || line.starts_with(" Press <RETURN>"))) break;
        block += line + "\n";
        if (end == std::string::npos) break;
        at = end + 1;
    }
    while (block.ends_with("\n\n") || block.ends_with("\n \n")) block.erase(block.rfind('\n', block.size() - 2) + 1);
    return block;
}

}  // namespace brevant::testing
