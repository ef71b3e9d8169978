// A small reader of "BREVOUT.stxt" for the reference runs: finds each section by its title (the
// text between the rows of asterisks), reads its rows as numbers, and drops the title page's time
// stamp, the one line that follows the host clock.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace brevant::e2e::reference {

using Row = std::vector<double>;

// Every blank-separated field of the line read as a number (".0000", "-5.842E+00", "Infinity"), or
// an empty row when any field is not one.
inline Row numbers_of(const std::string& line) {
    std::istringstream in(line);
    Row row;
    for (std::string field; in >> field;) {
        const char* begin = field.c_str();
        char* end = nullptr;
        errno = 0;
        const double v = std::strtod(begin, &end);
        if (end == begin || *end != '\0') return {};
        row.push_back(v);
    }
    return row;
}

struct Section {
    std::string title;               // as printed between the asterisks, trimmed
    std::vector<std::string> lines;  // the lines up to the next section's title

    // The lines of at least `min_fields` numbers, in order.
    std::vector<Row> rows(std::size_t min_fields = 2) const {
        std::vector<Row> out;
        for (const std::string& line : lines) {
            Row r = numbers_of(line);
            if (r.size() >= min_fields) out.push_back(std::move(r));
        }
        return out;
    }
    // The first number after `label` on the first line holding it; NaN when there is none.
    double value_after(const std::string& label) const {
        for (const std::string& line : lines) {
            const std::size_t at = line.find(label);
            if (at == std::string::npos) continue;
            std::istringstream in(line.substr(at + label.size()));
            for (std::string field; in >> field;) {
                char* end = nullptr;
                const double v = std::strtod(field.c_str(), &end);
                if (end != field.c_str()) return v;
            }
        }
        return std::numeric_limits<double>::quiet_NaN();
    }
};

inline bool is_time_stamp(const std::string& line) { return line.rfind("     Executed at ", 0) == 0; }

// The report without its time-stamp line, for comparisons between runs.
inline std::string without_time_stamp(const std::string& report) {
    std::istringstream in(report);
    std::string out;
    for (std::string line; std::getline(in, line);)
        if (!is_time_stamp(line)) out += line + "\n";
    return out;
}

// The first line where a report leaves its fixture, the time-stamp lines skipped on both sides;
// `line` is 0 when the two agree. A line missing on one side reads as "(end of report)".
struct LineDifference {
    std::size_t line = 0;  // from 1, the line number in the report
    std::string expected, got;
};

inline LineDifference first_difference(const std::string& expected, const std::string& got) {
    std::istringstream a(expected), b(got);
    const std::string end = "(end of report)";
    std::size_t number = 0;
    while (true) {
        std::string x, y;
        const bool more_a = static_cast<bool>(std::getline(a, x));
        const bool more_b = static_cast<bool>(std::getline(b, y));
        ++number;
        if (!more_a && !more_b) return {};
        if (!more_a) return {number, end, y};
        if (!more_b) return {number, x, end};
        if (is_time_stamp(x) && is_time_stamp(y)) continue;
        if (x != y) return {number, x, y};
    }
}

class Report {
public:
    explicit Report(const std::string& text) {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (is_time_stamp(line)) continue;
            const std::string title = title_of(line);
            if (!title.empty()) {
                sections_.push_back({title, {}});
            } else if (!sections_.empty()) {
                sections_.back().lines.push_back(line);
            }
        }
    }
    const std::vector<Section>& sections() const { return sections_; }

    // The sections whose title starts with `prefix` ("IIIa.", "IX. Net Environmental Forces"), in
    // report order.
    std::vector<const Section*> all(const std::string& prefix) const {
        std::vector<const Section*> out;
        for (const Section& s : sections_)
            if (s.title.rfind(prefix, 0) == 0) out.push_back(&s);
        return out;
    }
    // The n-th (from 0) section with that prefix, or nullptr.
    const Section* find(const std::string& prefix, std::size_t n = 0) const {
        const auto found = all(prefix);
        return n < found.size() ? found[n] : nullptr;
    }

    // A title line is a row of at least two asterisks, text, and two asterisks again.
    static std::string title_of(const std::string& line) {
        const std::size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos || line.compare(first, 2, "**") != 0) return {};
        const std::size_t text = line.find_first_not_of('*', first);
        if (text == std::string::npos) return {};
        const std::size_t close = line.find("**", text);
        if (close == std::string::npos) return {};
        std::string t = line.substr(text, close - text);
        const std::size_t a = t.find_first_not_of(' ');
        const std::size_t b = t.find_last_not_of(' ');
        return a == std::string::npos ? std::string() : t.substr(a, b - a + 1);
    }

private:
    std::vector<Section> sections_;
};

}  // namespace brevant::e2e::reference
