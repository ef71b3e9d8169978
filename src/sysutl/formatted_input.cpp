// The formatting kit's input: numeric fields read under the answer rules, and list-directed
// ("free-format") input of a list of variables.
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "sysutl/fortran_format.h"

namespace brevant {

// ---- Formatted input ------------------------------------------------------------------------

namespace {

// Only blanks are ignored: any other character, a tab included, stays and makes the field
// unreadable unless it belongs to the number.
std::string strip_blanks(std::string_view field) {
    std::string s;
    for (char c : field)
        if (c != ' ') s += c;
    return s;
}

// Checks a real number in the program's input form and rewrites it for strtod: [sign] digits
// [. digits] [exponent], the exponent introduced by "E" or "D" with optional sign and digits.
// A lone sign or point, and an exponent without its letter, are unreadable.
bool normalise_real(const std::string& s, int d, std::string& out) {
    std::size_t i = 0;
    std::string mant_sign;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) mant_sign = s[i++] == '-' ? "-" : "";
    std::string ip, fp;
    bool point = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ip += s[i++];
    if (i < s.size() && s[i] == '.') {
        point = true;
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) fp += s[i++];
    }
    if (ip.empty() && fp.empty()) return false;
    int expo = 0;
    if (i < s.size()) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
        if (c != 'E' && c != 'D') return false;
        ++i;
        int esign = 1;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) esign = s[i++] == '-' ? -1 : 1;
        std::string ed;
        bool any = false;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            any = true;
            if (!ed.empty() || s[i] != '0') ed += s[i];  // leading zeros carry nothing
            ++i;
        }
        if (!any) return false;
        // An exponent beyond any float range is capped: the conversion then overflows (unreadable)
        // or underflows to zero as the full exponent would.
        expo = ed.size() > 6 ? esign * 999999 : esign * std::atoi(ed.empty() ? "0" : ed.c_str());
    }
    if (i != s.size()) return false;
    if (!point && d > 0) expo -= d;  // implied decimals
    out = mant_sign + (ip.empty() ? "0" : ip) + "." + (fp.empty() ? "0" : fp) + "e" + std::to_string(expo);
    return true;
}

}  // namespace

bool read_int_field(std::string_view field, Int& value) {
    const std::string s = strip_blanks(field);
    if (s.empty()) {
        value = 0;
        return true;
    }
    std::size_t i = 0;
    bool neg = false;
    if (s[0] == '+' || s[0] == '-') {
        neg = s[0] == '-';
        i = 1;
    }
    if (i == s.size()) return false;  // a sign without digits
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
        v = v * 10 + (s[i] - '0');
        if (v > 2147483648LL) return false;
    }
    if (neg) v = -v;
    if (v > 2147483647LL || v < -2147483648LL) return false;
    value = static_cast<Int>(v);
    return true;
}

namespace {

// Reads a real field into T, converting the checked decimal text straight to T so that a single-
// precision value is rounded once.
template <typename T, typename Convert>
bool read_real_as(std::string_view field, int d, T& value, Convert convert) {
    const std::string stripped = strip_blanks(field);
    if (stripped.empty()) {
        value = 0;
        return true;
    }
    std::string norm;
    if (!normalise_real(stripped, d, norm)) return false;
    const T v = convert(norm.c_str(), nullptr);
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

}  // namespace

bool read_real_field(std::string_view field, int d, double& value) {
    return read_real_as(field, d, value, [](const char* s, char** e) { return std::strtod(s, e); });
}

bool read_real_field(std::string_view field, int d, Real& value) {
    return read_real_as(field, d, value, [](const char* s, char** e) { return std::strtof(s, e); });
}

// ---- List-directed input --------------------------------------------------------------------

namespace {

bool is_sep(char c) { return c == ' ' || c == ',' || c == '\t' || c == '/'; }

bool assign_value(const ListTarget& t, const std::string& tok, bool quoted) {
    switch (t.kind) {
        case ListTarget::Kind::Integer: {
            if (quoted) return false;
            Int v = 0;
            if (tok.empty() || !read_int_field(tok, v)) return false;
            *static_cast<Int*>(t.target) = v;
            return true;
        }
        case ListTarget::Kind::Real: {
            if (quoted) return false;
            Real v = 0;
            if (tok.empty() || !read_real_field(tok, 0, v)) return false;
            *static_cast<Real*>(t.target) = v;
            return true;
        }
        case ListTarget::Kind::Double: {
            if (quoted) return false;
            double v = 0;
            if (tok.empty() || !read_real_field(tok, 0, v)) return false;
            *static_cast<double*>(t.target) = v;
            return true;
        }
        case ListTarget::Kind::Logical: {
            if (quoted || tok.empty()) return false;
            std::size_t p = tok[0] == '.' ? 1 : 0;
            if (p >= tok.size()) return false;
            const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(tok[p])));
            if (c != 'T' && c != 'F') return false;
            *static_cast<Logical*>(t.target) = c == 'T' ? 1 : 0;
            return true;
        }
        case ListTarget::Kind::Text:
            *static_cast<std::string*>(t.target) = fixed_len(tok, static_cast<std::size_t>(t.text_len));
            return true;
    }
    return false;
}

}  // namespace

ListResult read_list(std::string_view text, const std::vector<ListTarget>& targets) {
    ListCursor cursor;
    return read_list(text, targets, cursor);
}

ListResult read_list(std::string_view text, const std::vector<ListTarget>& targets, ListCursor& c) {
    std::size_t i = c.pos;
    const std::size_t n = text.size();
    auto skip_blanks = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    // The text ran out before the list was whole: the read goes on from here when more comes.
    auto ran_out = [&] {
        c.pos = i;
        return ListResult{ListStatus::EndOfText, c.assigned};
    };
    // A quoted text at text[i], with a doubled quote standing for one; false when it is not closed.
    auto read_quoted = [&](std::string& tok) {
        const char q = text[i++];
        for (;;) {
            if (i >= n) return false;
            if (text[i] == q) {
                if (i + 1 < n && text[i + 1] == q) {
                    tok += q;
                    i += 2;
                    continue;
                }
                ++i;
                return true;
            }
            tok += text[i++];
        }
    };
    while (c.next < targets.size()) {
        // Find the next value: skip blanks, then at most one comma (a second comma means a null).
        // The comma may stand after a line end, so a read that runs out before it knows nothing yet.
        skip_blanks();
        if (!c.first && !c.separated) {
            if (i >= n) return ran_out();
            if (text[i] == ',') {
                ++i;
                skip_blanks();
            }
            c.separated = true;
        }
        if (i >= n) return ran_out();
        c.first = false;
        c.separated = false;
        if (text[i] == '/') return {ListStatus::Complete, c.assigned};
        if (text[i] == ',') {
            ++c.next;  // a null value: the variable keeps its value
            continue;
        }
        // Read one token: a quoted text, or characters up to a separator. A token never runs on
        // into text appended later: a line end counts as a blank, and a quote left open is unreadable.
        std::string tok;
        bool quoted = false;
        if (text[i] == '\'' || text[i] == '"') {
            quoted = true;
            if (!read_quoted(tok)) return {ListStatus::Unreadable, c.assigned};
        } else {
            while (i < n && !is_sep(text[i])) {
                tok += text[i++];
                // A repeat count before a quoted text: the text is read whole below, blanks and all.
                if (tok.back() == '*' && i < n && (text[i] == '\'' || text[i] == '"')) break;
            }
        }
        // A repeat count r*c or r*.
        int repeat = 1;
        const auto star = quoted ? std::string::npos : tok.find('*');
        bool null_value = false;
        if (star != std::string::npos) {
            const std::string r = tok.substr(0, star);
            Int rv = 0;
            if (r.empty() || r.find_first_not_of("0123456789") != std::string::npos || !read_int_field(r, rv) ||
                rv <= 0)
                return {ListStatus::Unreadable, c.assigned};
            repeat = rv;
            tok = tok.substr(star + 1);
            if (tok.empty()) {
                null_value = true;
                if (i < n && (text[i] == '\'' || text[i] == '"')) {
                    // r*'text'
                    null_value = false;
                    quoted = true;
                    if (!read_quoted(tok)) return {ListStatus::Unreadable, c.assigned};
                }
            }
        }
        for (int r = 0; r < repeat && c.next < targets.size(); ++r, ++c.next) {
            if (null_value) continue;
            if (!assign_value(targets[c.next], tok, quoted)) return {ListStatus::Unreadable, c.assigned};
            ++c.assigned;
        }
    }
    return {ListStatus::Complete, c.assigned};
}

}  // namespace brevant
