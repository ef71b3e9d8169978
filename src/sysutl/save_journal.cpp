// The record of a save in progress, and the finishing or undoing of a save stopped before it was done.
#include "sysutl/save_journal.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/platform.h"
#include "sysutl/save_files.h"

namespace brevant {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kJournalHead = "brevant save record 1";
constexpr std::size_t kMostFiles = 64;  // far more than any save writes; a larger count is damage

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t fnv1a(std::string_view bytes) {
    std::uint64_t h = kFnvOffset;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= kFnvPrime;
    }
    return h;
}

std::string hex16(std::uint64_t v) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string s(16, '0');
    for (int i = 15; i >= 0; --i) {
        s[static_cast<std::size_t>(i)] = kDigits[v & 0xFu];
        v >>= 4;
    }
    return s;
}

// A number of the record: decimal, or 16 hexadecimal digits; nothing when the text is not exactly that.
std::optional<std::uint64_t> parse_number(std::string_view text, int base) {
    if (text.empty() || (base == 16 && text.size() != 16)) return std::nullopt;
    // Only the digits the record writes: a changed letter case is damage too.
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (base == 16 && c >= 'a' && c <= 'f'))) return std::nullopt;
    std::uint64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, base);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

// The next blank-separated word of LINE from AT on, AT moved past it and its blank.
std::string_view next_word(std::string_view line, std::size_t& at) {
    const std::size_t end = std::min(line.find(' ', at), line.size());
    const std::string_view word = line.substr(at, end - at);
    at = end < line.size() ? end + 1 : end;
    return word;
}

bool stands(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// A file that a save made (a temporary, a kept copy): a plain file only; a folder of that name is
// the user's, not a save's.
bool file_of_a_save(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(path, ec));
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names) text += (text.empty() ? "" : ", ") + n;
    return text;
}

void say_finished(SaveRecovery& r) {
    const bool one = r.files.size() == 1;
    r.lines.push_back(" ++> A save stopped before it was done has been finished: " + joined(r.files) +
                      (one ? " is the new case." : " are the new case."));
}

void say_undone(SaveRecovery& r) {
    if (r.files.empty()) {
        r.lines.push_back(" ++> A save stopped before it was done has been undone: it had changed no file.");
        return;
    }
    const bool one = r.files.size() == 1;
    r.lines.push_back(" ++> A save stopped before it was done has been undone: " + joined(r.files) +
                      (one ? " is as it was before it." : " are as they were before it."));
}

void say_unresolved(SaveRecovery& r, bool with_record) {
    const bool one = r.left.size() == 1;
    const std::string left = joined(r.left) + (one ? " is left as it is." : " are left as they are.");
    if (r.unreadable) {
        r.lines.push_back(std::string(" ++> The record of a save stopped before it was done cannot be read: ") + left);
    } else if (with_record) {
        r.lines.push_back(" ++> A save stopped before it was done can be neither finished nor undone: " + left);
    } else {
        r.lines.push_back(" ++> Files left by an earlier save stand beside the case: " + left);
    }
    if (!r.changed.empty()) {
        const bool single = r.changed.size() == 1;
        r.lines.push_back("     " + joined(r.changed) +
                          (single ? " does not hold what the record gives it: neither its old nor its new content."
                                  : " do not hold what the record gives them: neither their old nor their new content."));
    }
    if (with_record) {
        r.lines.push_back(std::string("     The case may mix old and new files; no save is made here while ") +
                          kSaveJournal + " is there.");
    } else {
        r.lines.push_back("     No save replaces a file while its kept copy (NAME.brvold) is there: the file is as the last");
        r.lines.push_back("     save left it, and the copy holds what that save replaced. Move the copy elsewhere or delete it.");
    }
}

// What a record's save left in FOLDER: the record, its temporary, and the temporaries and kept
// copies of its files, as names in the folder.
std::vector<std::string> leftovers(const std::string& folder, const std::vector<std::string>& names) {
    std::vector<std::string> left;
    for (const std::string& n : {std::string(kSaveJournal), staged_name(kSaveJournal)})
        if (stands(in_folder(folder, n))) left.push_back(n);
    for (const std::string& n : names)
        for (const std::string& f : {staged_name(n), kept_name(n)})
            if (stands(in_folder(folder, f))) left.push_back(f);
    return left;
}

// No record: the save was stopped before it changed any file of the case.
SaveRecovery recover_without_record(std::span<const std::string> save_files, const std::string& folder) {
    SaveRecovery r;
    bool removed = false;
    for (const std::string& name : save_files) {
        const std::string temp = in_folder(folder, staged_name(name));
        if (!file_of_a_save(temp)) continue;
        if (platform::remove_file(temp) == 0) {
            r.files.push_back(name);
            removed = true;
        } else {
            r.left.push_back(staged_name(name));
        }
    }
    const std::string record_temp = in_folder(folder, staged_name(kSaveJournal));
    if (file_of_a_save(record_temp)) {
        if (platform::remove_file(record_temp) == 0) {
            removed = true;
        } else {
            r.left.push_back(staged_name(kSaveJournal));
        }
    }
    if (removed) {
        platform::sync_folder(folder);
        r.outcome = SaveRecovery::Outcome::Undone;
        say_undone(r);
    }
    for (const std::string& name : save_files)
        if (file_of_a_save(in_folder(folder, kept_name(name)))) r.left.push_back(kept_name(name));
    if (!r.left.empty()) {
        r.outcome = SaveRecovery::Outcome::Unresolved;
        say_unresolved(r, false);
    }
    return r;
}

}  // namespace

FileMark mark_of(std::span<const char> bytes) {
    return {bytes.size(), fnv1a(std::string_view(bytes.data(), bytes.size()))};
}

std::optional<FileMark> mark_of_file(const std::string& path) {
    const auto bytes = file_on_disk(path);
    if (!bytes) return std::nullopt;
    return mark_of(*bytes);
}

std::string journal_text(const std::vector<JournalEntry>& entries) {
    std::string text = std::string(kJournalHead) + "\nfiles " + std::to_string(entries.size()) + "\n";
    for (const JournalEntry& e : entries) {
        text += "new " + std::to_string(e.new_file.size) + " " + hex16(e.new_file.sum);
        text += e.existed ? " old " + std::to_string(e.old_file.size) + " " + hex16(e.old_file.sum) : " none";
        text += " " + e.name + "\n";
    }
    return text + "end " + hex16(fnv1a(text)) + "\n";
}

std::optional<std::vector<JournalEntry>> read_journal_text(const std::string& text,
                                                           std::span<const std::string> save_files) {
    // The record is whole only with its last line, whose checksum covers everything before it.
    if (text.empty() || text.back() != '\n') return std::nullopt;
    const std::size_t last = text.rfind('\n', text.size() - 2);
    if (last == std::string::npos) return std::nullopt;
    const std::string_view body(text.data(), last + 1);
    const std::string_view tail(text.data() + last + 1, text.size() - last - 2);
    if (tail.substr(0, 4) != "end " || parse_number(tail.substr(4), 16) != fnv1a(body)) return std::nullopt;

    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < body.size();) {
        const std::size_t end = body.find('\n', at);
        lines.push_back(body.substr(at, end - at));
        at = end + 1;
    }
    if (lines.size() < 2 || lines[0] != kJournalHead || lines[1].substr(0, 6) != "files ") return std::nullopt;
    const auto count = parse_number(lines[1].substr(6), 10);
    if (!count || *count == 0 || *count > kMostFiles || lines.size() != 2 + *count) return std::nullopt;

    std::vector<JournalEntry> entries;
    for (std::size_t k = 2; k < lines.size(); ++k) {
        const std::string_view line = lines[k];
        std::size_t at = 0;
        JournalEntry e{};
        if (next_word(line, at) != "new") return std::nullopt;
        const auto new_size = parse_number(next_word(line, at), 10);
        const auto new_sum = parse_number(next_word(line, at), 16);
        if (!new_size || !new_sum) return std::nullopt;
        e.new_file = {*new_size, *new_sum};
        const std::string_view kind = next_word(line, at);
        if (kind == "old") {
            const auto old_size = parse_number(next_word(line, at), 10);
            const auto old_sum = parse_number(next_word(line, at), 16);
            if (!old_size || !old_sum) return std::nullopt;
            e.existed = true;
            e.old_file = {*old_size, *old_sum};
        } else if (kind != "none") {
            return std::nullopt;
        }
        e.name = std::string(line.substr(at));
        // Only a plain name in the record's own folder: a damaged record moves nothing elsewhere.
        if (e.name.empty() || e.name == "." || e.name == ".." || e.name.find('/') != std::string::npos)
            return std::nullopt;
        // Printable characters only: the system would cut a name at a NUL and act on another file.
        for (const char c : e.name)
            if (c < ' ' || c > '~') return std::nullopt;
        // Only the files a save writes, each once: a record that names another file (the user's
        // own) would have the start remove or replace it, and one that names a file twice would
        // act on it twice, once with contents the file never held.
        if (std::find(save_files.begin(), save_files.end(), e.name) == save_files.end()) return std::nullopt;
        for (const JournalEntry& before : entries)
            if (before.name == e.name) return std::nullopt;
        entries.push_back(std::move(e));
    }
    return entries;
}

int write_save_journal(const std::string& folder, const std::vector<JournalEntry>& entries) {
    const std::string record = in_folder(folder, kSaveJournal);
    const std::string temp = staged_name(record);
    const std::string text = journal_text(entries);
    const platform::WriteResult written = platform::write_new_file(temp, text, std::nullopt);
    int rc = written == platform::WriteResult::Done ? 0 : EIO;
    if (rc == 0) rc = platform::rename_file(temp, record);
    if (rc != 0) {
        if (written != platform::WriteResult::NotCreated) platform::remove_file(temp);
        return rc;
    }
    // The record is in place before any file is linked or renamed. A record that cannot be made sure
    // of goes again: the save changes no file, and a record left behind would refuse every later save
    // of this session.
    rc = platform::sync_folder(folder.empty() ? "." : folder);
    if (rc != 0) platform::remove_file(record);
    return rc;
}

int remove_save_journal(const std::string& folder) {
    const int rc = platform::remove_file(in_folder(folder, kSaveJournal));
    if (rc != 0) return rc;
    return platform::sync_folder(folder.empty() ? "." : folder);
}

namespace {

// A stopped save with its record in FOLDER, the lock of the folder held.
SaveRecovery recover_from_record(std::span<const std::string> save_files, const std::string& folder) {
    const std::string record = in_folder(folder, kSaveJournal);
    SaveRecovery r;
    const auto text = file_on_disk(record);
    const auto entries = text ? read_journal_text(*text, save_files) : std::nullopt;
    if (!entries) {
        std::vector<std::string> names(save_files.begin(), save_files.end());
        r.outcome = SaveRecovery::Outcome::Unresolved;
        r.unreadable = true;
        r.left = leftovers(folder, names);
        say_unresolved(r, true);
        return r;
    }

    // What stands at each name, kept name and temporary of the save.
    struct State {
        std::string path, temp, kept;
        bool existed, temp_new, name_new, name_old, kept_old, name_stands, temp_stands, kept_stands;
    };
    std::vector<State> states;
    std::vector<std::string> names;
    for (const JournalEntry& e : *entries) {
        State s;
        s.path = in_folder(folder, e.name);
        s.temp = staged_name(s.path);
        s.kept = kept_name(s.path);
        const auto at_name = mark_of_file(s.path);
        const auto at_temp = mark_of_file(s.temp);
        const auto at_kept = mark_of_file(s.kept);
        s.existed = e.existed;
        s.temp_new = at_temp == e.new_file;
        s.name_new = at_name == e.new_file;
        s.name_old = e.existed && at_name == e.old_file;
        s.kept_old = e.existed && at_kept == e.old_file;
        s.name_stands = stands(s.path);
        s.temp_stands = stands(s.temp);
        s.kept_stands = stands(s.kept);
        states.push_back(std::move(s));
        names.push_back(e.name);
    }
    // The message names the case file first: the save puts it in place last.
    r.files.assign(names.rbegin(), names.rend());

    const auto unresolved = [&]() {
        r.outcome = SaveRecovery::Outcome::Unresolved;
        r.files.clear();
        std::vector<std::string> left = r.changed;
        for (std::string& n : leftovers(folder, names))
            if (std::find(r.changed.begin(), r.changed.end(), n) == r.changed.end()) left.push_back(std::move(n));
        r.left = std::move(left);
        say_unresolved(r, true);
        return r;
    };
    const std::string folder_shown = folder.empty() ? "." : folder;

    // Before anything is renamed or removed, every file the start may touch holds what the record
    // gives it: a name its old or its new content (or nothing, where the save added the file), a kept
    // copy its old content (or nothing). Anything else was changed after the save stopped (by hand, by
    // another program, by a later save whose record this is not): it and everything else stay.
    // A temporary is the save's own: it is used when it holds the new content, else removed.
    const std::string record_temp = staged_name(record);
    for (std::size_t k = 0; k < states.size(); ++k) {
        const State& s = states[k];
        const bool name_fits = s.existed ? (s.name_old || s.name_new) : (!s.name_stands || s.name_new);
        if (!name_fits) r.changed.push_back(names[k]);
        if (s.kept_stands && !s.kept_old) r.changed.push_back(kept_name(names[k]));
        if (s.temp_stands && !file_of_a_save(s.temp)) r.changed.push_back(staged_name(names[k]));
    }
    if (stands(record_temp) && !file_of_a_save(record_temp)) r.changed.push_back(staged_name(kSaveJournal));
    if (!r.changed.empty()) return unresolved();

    bool all_new = true;
    for (const State& s : states) all_new = all_new && (s.temp_new || s.name_new);
    if (all_new) {
        // Finish: every new file not yet in place takes its name, then the kept copies go.
        for (const State& s : states) {
            if (s.temp_new) {
                if (platform::rename_file(s.temp, s.path) != 0) return unresolved();
            } else if (s.temp_stands && platform::remove_file(s.temp) != 0) {
                return unresolved();
            }
        }
        // The new names reach the disk before the old contents are let go.
        platform::sync_folder(folder_shown);
        for (const State& s : states)
            if (s.kept_stands && platform::remove_file(s.kept) != 0) return unresolved();
        r.outcome = SaveRecovery::Outcome::Finished;
    } else {
        // Undo, only when every replaced file can be brought back: its old content under its name or
        // kept beside it.
        for (const State& s : states)
            if (s.existed && !s.name_old && !s.kept_old) return unresolved();
        for (std::size_t k = states.size(); k-- > 0;) {
            const State& s = states[k];
            int rc = 0;
            if (s.existed) {
                if (s.name_old) {
                    if (s.kept_stands) rc = platform::remove_file(s.kept);
                } else {
                    rc = platform::rename_file(s.kept, s.path);
                }
            } else if (s.name_stands) {
                rc = platform::remove_file(s.path);
            }
            if (rc == 0 && s.temp_stands) rc = platform::remove_file(s.temp);
            if (rc != 0) return unresolved();
        }
        r.outcome = SaveRecovery::Outcome::Undone;
    }
    if (stands(record_temp) && platform::remove_file(record_temp) != 0) return unresolved();
    // The kept copies are gone from the disk before the record is: a machine stop never leaves a
    // kept copy without the record that tells what it is.
    platform::sync_folder(folder_shown);
    if (remove_save_journal(folder) != 0 && stands(record)) return unresolved();
    if (r.outcome == SaveRecovery::Outcome::Finished) {
        say_finished(r);
    } else {
        say_undone(r);
    }
    return r;
}

}  // namespace

SaveRecovery recover_stopped_save(std::span<const std::string> save_files, const std::string& folder) {
    // The caller holds the lock of the folder: a save still running in another program would hold it,
    // so every leftover here is of a program that has ended.
    if (!stands(in_folder(folder, kSaveJournal))) return recover_without_record(save_files, folder);
    return recover_from_record(save_files, folder);
}

}  // namespace brevant
