// Fortran-style edit descriptors: output fields, the record builder, the format interpreter,
// numeric input fields and list-directed input.
#include "sysutl/fortran_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include "sysutl/report_field_guard.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

std::string stars(int w) { return std::string(w > 0 ? w : 0, '*'); }

std::string right(std::string s, int w) {
    if (static_cast<int>(s.size()) > w) return stars(w);
    return std::string(w - s.size(), ' ') + s;
}

// Infinity and NaN in a field of w columns. NaN never carries a sign; under SP an infinity that
// is not negative shows its plus where the field has room for it.
std::string non_finite(double v, int w, bool plus) {
    note_non_finite_field();
    if (std::isnan(v)) return right("NaN", w);
    const std::string sign = v < 0 ? "-" : (plus ? "+" : "");
    if (static_cast<int>(sign.size()) + 8 <= w) return right(sign + "Infinity", w);
    if (static_cast<int>(sign.size()) + 3 <= w) return right(sign + "Inf", w);
    return right(v < 0 ? "-Inf" : "Inf", w);
}

// The decimal digits of |v| rounded to n significant digits, and the exponent such that
// |v| ~ 0.d1d2...dn x 10^exp. Zero gives n zeros and exponent 0.
void significant_digits(double v, int n, std::string& digits, int& exp10) {
    if (v == 0) {
        digits.assign(n, '0');
        exp10 = 0;
        return;
    }
    // to_chars gives what printf's "%.*e" gives (the exact binary value rounded to n digits), without
    // the cost of printf's machinery: the report formats hundreds of thousands of fields.
    char buf[512];
    const char* end = nullptr;
    const auto r = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(v), std::chars_format::scientific, n - 1);
    if (r.ec == std::errc()) {
        *r.ptr = '\0';
        end = r.ptr;
    } else {
        std::snprintf(buf, sizeof buf, "%.*e", n - 1, std::fabs(v));
        end = buf + std::strlen(buf);
    }
    const char* epos = std::find(static_cast<const char*>(buf), end, 'e');
    digits.clear();
    for (const char* c = buf; c != epos; ++c)
        if (std::isdigit(static_cast<unsigned char>(*c))) digits += *c;
    exp10 = (epos != end ? std::atoi(epos + 1) : 0) + 1;
}

// |v| x 10^k rounded to d decimals, as "digits.digits" ("digits." when d is 0). The point is moved
// in the exact decimal expansion of the binary value, so a decimal tie that the shift creates
// rounds to even like every other tie, as printf rounds.
std::string shifted_fixed(double v, int d, int k) {
    char buf[1600];  // a double has at most 309 integer and 1074 fraction digits
    std::snprintf(buf, sizeof buf, "%.1100f", std::fabs(v));
    std::string all(buf);
    const auto dot = all.find('.');
    std::string digits = all.substr(0, dot) + all.substr(dot + 1);
    long point = static_cast<long>(dot) + k;  // digits before the point after the shift
    if (point < 1) {
        digits.insert(0, static_cast<std::size_t>(1 - point), '0');
        point = 1;
    }
    const long cut = point + d;  // digits kept
    if (static_cast<long>(digits.size()) < cut + 1) digits.append(static_cast<std::size_t>(cut + 1 - digits.size()), '0');
    const char next = digits[static_cast<std::size_t>(cut)];
    const bool rest_zero = digits.find_first_not_of('0', static_cast<std::size_t>(cut) + 1) == std::string::npos;
    std::string kept = digits.substr(0, static_cast<std::size_t>(cut));
    const bool last_odd = !kept.empty() && ((kept.back() - '0') % 2 == 1);
    if (next > '5' || (next == '5' && (!rest_zero || last_odd))) {
        long i = cut - 1;
        for (; i >= 0; --i) {
            if (kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i)] = '0';
            } else {
                ++kept[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            kept.insert(0, 1, '1');
            ++point;
        }
    }
    std::string ip = kept.substr(0, static_cast<std::size_t>(point));
    const auto nz = ip.find_first_not_of('0');
    ip = nz == std::string::npos ? "0" : ip.substr(nz);
    return ip + "." + kept.substr(static_cast<std::size_t>(point));
}

// Fw.d with the sign mode: plus is true under SP.
std::string fixed_field(double v, int w, int d, int scale, bool plus) {
    if (w <= 0) return {};
    if (!std::isfinite(v)) return non_finite(v, w, plus);
    std::string s;
    if (scale == 0) {
        if (std::fabs(v) >= 1e300) return stars(w);
        // The digits of printf's "%.*f" (to_chars gives the same, exactly rounded), at less cost.
        char buf[512];
        const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed, d);
        if (r.ec == std::errc()) {
            s.assign(buf, r.ptr);
        } else {
            std::snprintf(buf, sizeof buf, "%.*f", d, std::fabs(v));
            s = buf;
        }
        if (d == 0) s += '.';
    } else {
        s = shifted_fixed(v, d, scale);
    }
    bool all_zero = true;
    for (char c : s)
        if (c >= '1' && c <= '9') all_zero = false;
    // A zero prints without its sign bit; a value that is not zero keeps its sign.
    const std::string sign = (v != 0 && std::signbit(v)) ? "-" : (plus ? "+" : "");
    // No zero before the point below 1, except for a value that is not zero but rounds to zero,
    // which keeps its zero so that it does not read as an exact zero, and for Fw.0, where the zero
    // is the only digit.
    const bool leading_zero = s.size() > 1 && s[0] == '0' && s[1] == '.' && d > 0;
    if (leading_zero && !(all_zero && v != 0)) s.erase(0, 1);
    s.insert(0, sign);
    // A zero before the point that does not fit is dropped before the field overflows.
    if (static_cast<int>(s.size()) > w && leading_zero && s[sign.size()] == '0') s.erase(sign.size(), 1);
    return right(s, w);
}

std::string exponent_field(double v, int w, int d, int e, int scale, bool plus) {
    if (w <= 0) return {};
    if (!std::isfinite(v)) return non_finite(v, w, plus);
    const int k = scale;
    // Significant digits: d for k <= 0 (of which -k leading zeros), d + 1 for k > 0.
    int sig = k > 0 ? d + 1 : d + k;
    if (sig <= 0 || (k > 0 && k >= d + 2)) return stars(w);
    std::string digits;
    int exp10 = 0;
    significant_digits(v, sig, digits, exp10);
    const int expo = (v == 0) ? 0 : exp10 - k;
    // The exponent part: Ee with e digits, E and two digits, or the sign and three digits.
    const int ae = std::abs(expo);
    const char esign = expo < 0 ? '-' : '+';
    char edigits[16];
    const auto er = std::to_chars(edigits, edigits + sizeof edigits, ae);
    const int en = static_cast<int>(er.ptr - edigits);
    std::string s;
    s.reserve(static_cast<std::size_t>(std::max(w, 0)) + 8);
    if (v != 0 && std::signbit(v)) {
        s += '-';
    } else if (plus) {
        s += '+';
    }
    const std::size_t after_sign = s.size();
    if (k > 0) {
        s.append(digits, 0, static_cast<std::size_t>(k));
        s += '.';
        s.append(digits, static_cast<std::size_t>(k));
    } else {
        s += '.';
        s.append(static_cast<std::size_t>(-k), '0');
        s += digits;
    }
    if (e > 0) {
        if (en > e) return stars(w);
        s += 'E';
        s += esign;
        s.append(static_cast<std::size_t>(e - en), '0');
        s.append(edigits, static_cast<std::size_t>(en));
    } else if (ae <= 99) {
        s += 'E';
        s += esign;
        if (ae < 10) s += '0';
        s.append(edigits, static_cast<std::size_t>(en));
    } else if (ae <= 999) {
        s += esign;
        s.append(edigits, static_cast<std::size_t>(en));
    } else {
        return stars(w);
    }
    if (k <= 0 && static_cast<int>(s.size()) < w) s.insert(after_sign, 1, '0');  // the optional zero, when it fits
    if (static_cast<int>(s.size()) > w) return stars(w);
    s.insert(0, static_cast<std::size_t>(w) - s.size(), ' ');
    return s;
}

std::string general_field(double v, int w, int d, int e, int scale, bool plus) {
    if (w <= 0) return {};
    if (!std::isfinite(v)) return non_finite(v, w, plus);
    const int n = e > 0 ? e + 2 : 4;
    // The fixed form leaves n blanks where the exponent would stand; a value that does not fit its
    // part of the field fills the whole field with asterisks.
    auto fixed_form = [&](int decimals) {
        const std::string f = fixed_field(v, w - n, decimals, 0, plus);
        if (f.find_first_not_of('*') == std::string::npos) return stars(w);
        return f + std::string(n, ' ');
    };
    if (v == 0) return fixed_form(d > 0 ? d - 1 : 0);
    // The magnitude after rounding to d significant digits decides the form.
    std::string digits;
    int exp10 = 0;
    significant_digits(v, d > 0 ? d : 1, digits, exp10);
    if (d > 0 && exp10 >= 0 && exp10 <= d) return fixed_form(d - exp10);
    return exponent_field(v, w, d, e, scale, plus);
}

std::string integer_field(long long v, int w, int m, bool plus) {
    if (w <= 0) return {};
    std::string digits = std::to_string(v < 0 ? -static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v));
    if (m >= 0) {
        if (m == 0 && v == 0) return std::string(w, ' ');
        if (static_cast<int>(digits.size()) < m) digits.insert(0, m - digits.size(), '0');
    }
    if (v < 0) {
        digits.insert(0, 1, '-');
    } else if (plus) {
        digits.insert(0, 1, '+');
    }
    return right(digits, w);
}

}  // namespace

std::string fmt_I(long long v, int w, int m) { return integer_field(v, w, m, false); }

std::string fmt_F(double v, int w, int d, int scale) { return fixed_field(v, w, d, scale, false); }

std::string fmt_E(double v, int w, int d, int e, int scale) { return exponent_field(v, w, d, e, scale, false); }

std::string fmt_G(double v, int w, int d, int e, int scale) { return general_field(v, w, d, e, scale, false); }

std::string fmt_A(std::string_view s, int w) {
    if (w < 0) return std::string(s);
    if (static_cast<int>(s.size()) >= w) return std::string(s.substr(0, w));
    return std::string(w - s.size(), ' ') + std::string(s);
}

std::string fmt_list_real(float v) {
    if (!std::isfinite(v)) note_non_finite_field();
    if (std::isnan(v)) return fmt_A("NaN", 16);
    if (std::isinf(v)) return fmt_A(v < 0 ? "-Infinity" : "Infinity", 16);
    if (v == 0.0f) return "  0.00000000    ";
    const double d = static_cast<double>(v);
    // Nine significant digits of the exact value; the decimal exponent of the rounded digits picks
    // the form.
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.8E", d);
    const char* e = std::strchr(buf, 'E');
    const int exponent = std::atoi(e + 1);
    if (exponent >= -1 && exponent < 9) {
        std::snprintf(buf, sizeof buf, "%#.*f", 8 - exponent, d);
        return fmt_A(buf, 12) + "    ";
    }
    std::string mantissa(buf, static_cast<std::size_t>(e - buf));
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return fmt_A(mantissa + tail, 16);
}

std::string list_record(const std::vector<FmtItem>& items) {
    std::string r = " ";
    bool previous_text = false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const FmtItem& item = items[i];
        const bool text = item.kind() == FmtItem::Kind::Text;
        if (i > 0 && !(text && previous_text)) r += ' ';
        switch (item.kind()) {
            case FmtItem::Kind::Text: r += item.text(); break;
            case FmtItem::Kind::Real: r += fmt_list_real(static_cast<float>(item.real())); break;
            case FmtItem::Kind::Integer: r += fmt_I(item.integer(), 12); break;
            case FmtItem::Kind::Logical: r += item.integer() != 0 ? "T" : "F"; break;
        }
        previous_text = text;
    }
    return r;
}

std::string fmt_L(bool v, int w) {
    if (w <= 0) return {};
    return std::string(w - 1, ' ') + (v ? "T" : "F");
}

// ---- Record ---------------------------------------------------------------------------------

Record& Record::put(std::string_view s) {
    if (buf_.size() < pos_) buf_.resize(pos_, ' ');
    const std::size_t over = std::min(s.size(), buf_.size() - pos_);
    buf_.replace(pos_, over, s.substr(0, over));
    if (s.size() > over) buf_.append(s.substr(over));
    pos_ += s.size();
    return *this;
}

Record& Record::x(int n) {
    if (n > 0) pos_ += n;
    return *this;
}

Record& Record::t(int col) {
    pos_ = col > 1 ? static_cast<std::size_t>(col - 1) : 0;
    return *this;
}

Record& Record::tl(int n) {
    pos_ = (n > 0 && static_cast<std::size_t>(n) < pos_) ? pos_ - n : (n > 0 ? 0 : pos_);
    return *this;
}

std::string Record::str() const {
    std::string s = buf_;
    if (s.size() < pos_) s.resize(pos_, ' ');
    return s;
}

// ---- Format interpreter ---------------------------------------------------------------------

namespace {

struct Node {
    enum Kind { Data, Literal, Blanks, Tab, TabLeft, TabRight, Slash, Colon, Scale, Dollar, SignMode, Group };
    Kind kind = Data;
    Node() = default;
    explicit Node(Kind k) : kind(k) {}
    char desc = 0;  // I F E G A L (D read as E)
    int repeat = 1;
    int w = -1, d = -1, e = 0;
    std::string text;
    std::vector<Node> children;
};

class Parser {
public:
    explicit Parser(std::string_view f) : f_(f) {}

    std::vector<Node> parse() {
        skip();
        if (i_ >= f_.size() || f_[i_] != '(') fail("format must start with '('");
        ++i_;
        auto nodes = list();
        expect(')');
        skip();
        if (i_ != f_.size()) fail("text after the closing parenthesis");
        return nodes;
    }

private:
    std::string_view f_;
    std::size_t i_ = 0;

    [[noreturn]] void fail(const char* why) {
        throw std::invalid_argument(std::string("bad format ") + std::string(f_) + ": " + why);
    }
    void skip() {
        while (i_ < f_.size() && f_[i_] == ' ') ++i_;
    }
    void expect(char c) {
        skip();
        if (i_ >= f_.size() || f_[i_] != c) fail("missing character");
        ++i_;
    }
    bool digit() {
        skip();
        return i_ < f_.size() && std::isdigit(static_cast<unsigned char>(f_[i_]));
    }
    int number() {
        skip();
        int n = 0;
        bool any = false;
        while (i_ < f_.size() && (std::isdigit(static_cast<unsigned char>(f_[i_])) || f_[i_] == ' ')) {
            if (f_[i_] != ' ') {
                n = n * 10 + (f_[i_] - '0');
                any = true;
            }
            ++i_;
        }
        if (!any) fail("number expected");
        return n;
    }

    std::vector<Node> list() {
        std::vector<Node> out;
        for (;;) {
            skip();
            if (i_ >= f_.size()) fail("unclosed parenthesis");
            const char c = f_[i_];
            if (c == ')') return out;
            if (c == ',') {
                ++i_;
                continue;
            }
            if (c == '/') {
                ++i_;
                out.push_back(Node{Node::Slash});
                continue;
            }
            if (c == ':') {
                ++i_;
                out.push_back(Node{Node::Colon});
                continue;
            }
            if (c == '$' || c == '\\') {
                ++i_;
                out.push_back(Node{Node::Dollar});
                continue;
            }
            out.push_back(item());
        }
    }

    Node item() {
        skip();
        bool negative = false;
        if (f_[i_] == '-' || f_[i_] == '+') {
            negative = f_[i_] == '-';
            ++i_;
        }
        int rep = -1;
        if (digit()) rep = number();
        skip();
        if (i_ >= f_.size()) fail("descriptor expected");
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(f_[i_])));
        Node n{Node::Data};
        if (c == '(') {
            ++i_;
            n.kind = Node::Group;
            n.children = list();
            expect(')');
            n.repeat = rep < 0 ? 1 : rep;
            return n;
        }
        if (c == '\'' || c == '"') {
            const char q = f_[i_++];
            n.kind = Node::Literal;
            for (;;) {
                if (i_ >= f_.size()) fail("unclosed literal");
                if (f_[i_] == q) {
                    if (i_ + 1 < f_.size() && f_[i_ + 1] == q) {
                        n.text += q;
                        i_ += 2;
                        continue;
                    }
                    ++i_;
                    break;
                }
                n.text += f_[i_++];
            }
            n.repeat = rep < 0 ? 1 : rep;
            return n;
        }
        ++i_;
        switch (c) {
            case 'H': {
                if (rep <= 0 || i_ + rep > f_.size()) fail("bad Hollerith count");
                n.kind = Node::Literal;
                n.text = std::string(f_.substr(i_, rep));
                i_ += rep;
                return n;
            }
            case 'X':
                n.kind = Node::Blanks;
                n.w = rep < 0 ? 1 : rep;
                return n;
            case 'P':
                n.kind = Node::Scale;
                n.w = (rep < 0 ? 0 : rep) * (negative ? -1 : 1);
                return n;
            case 'T': {
                skip();
                char nx = i_ < f_.size() ? static_cast<char>(std::toupper(static_cast<unsigned char>(f_[i_]))) : 0;
                if (nx == 'L' || nx == 'R') {
                    ++i_;
                    n.kind = nx == 'L' ? Node::TabLeft : Node::TabRight;
                } else {
                    n.kind = Node::Tab;
                }
                n.w = number();
                return n;
            }
            case 'S': {
                // SP turns the optional plus on; S and SS turn it off again.
                n.kind = Node::SignMode;
                n.desc = 'S';
                skip();
                if (i_ < f_.size()) {
                    const char nx = static_cast<char>(std::toupper(static_cast<unsigned char>(f_[i_])));
                    if (nx == 'P' || nx == 'S') {
                        ++i_;
                        n.desc = nx == 'P' ? 'P' : 'S';
                    }
                }
                return n;
            }
            case 'B': {
                skip();
                if (i_ < f_.size() && (std::toupper(static_cast<unsigned char>(f_[i_])) == 'N' ||
                                       std::toupper(static_cast<unsigned char>(f_[i_])) == 'Z'))
                    ++i_;
                n.kind = Node::SignMode;  // blank handling (BN, BZ) has no effect on output
                n.desc = 'B';
                return n;
            }
            case 'I':
            case 'F':
            case 'E':
            case 'D':
            case 'G':
            case 'A':
            case 'L': {
                n.desc = c == 'D' ? 'E' : c;
                n.repeat = rep < 0 ? 1 : rep;
                if (digit()) n.w = number();
                skip();
                if (i_ < f_.size() && f_[i_] == '.') {
                    ++i_;
                    n.d = number();
                }
                skip();
                if ((c == 'E' || c == 'G') && i_ < f_.size() && std::toupper(static_cast<unsigned char>(f_[i_])) == 'E') {
                    ++i_;
                    n.e = number();
                }
                if (c != 'A' && n.w < 0) fail("width expected");
                return n;
            }
            default:
                fail("unknown descriptor");
        }
    }
};

bool has_data(const std::vector<Node>& nodes) {
    for (const Node& n : nodes) {
        if (n.kind == Node::Data) return true;
        if (n.kind == Node::Group && has_data(n.children)) return true;
    }
    return false;
}

class Writer {
public:
    Writer(std::string_view format, const std::vector<FmtItem>& items) : format_(format), items_(items) {}

    FormatResult run(const std::vector<Node>& top) {
        // Where the format is re-used from: the last top-level group, or the whole format.
        std::size_t restart = 0;
        for (std::size_t i = 0; i < top.size(); ++i)
            if (top[i].kind == Node::Group) restart = i;
        const bool data = has_data(top);
        // Re-use of a part that takes no item would add records for ever.
        const bool tail_data = has_data(std::vector<Node>(top.begin() + static_cast<std::ptrdiff_t>(restart), top.end()));
        std::size_t from = 0;
        for (;;) {
            for (std::size_t i = from; i < top.size() && !stop_; ++i) exec(top[i]);
            if (stop_ || next_ >= items_.size() || !data) break;
            if (!tail_data)
                throw std::invalid_argument("bad format " + std::string(format_) +
                                            ": items remain and the part re-used takes none");
            new_record();
            from = restart;
        }
        result_.records.push_back(rec_.str());
        result_.advance = advance_;
        return result_;
    }

private:
    std::string_view format_;
    const std::vector<FmtItem>& items_;
    std::size_t next_ = 0;
    Record rec_;
    FormatResult result_;
    int scale_ = 0;
    bool plus_ = false;
    bool stop_ = false;
    bool advance_ = true;

    void new_record() {
        result_.records.push_back(rec_.str());
        rec_ = Record();
    }

    void exec(const Node& n) {
        switch (n.kind) {
            case Node::Group:
                for (int r = 0; r < n.repeat && !stop_; ++r)
                    for (const Node& c : n.children) {
                        if (stop_) break;
                        exec(c);
                    }
                break;
            case Node::Literal:
                for (int r = 0; r < n.repeat; ++r) rec_.put(n.text);
                break;
            case Node::Blanks:
                rec_.x(n.w);
                break;
            case Node::Tab:
                rec_.t(n.w);
                break;
            case Node::TabLeft:
                rec_.tl(n.w);
                break;
            case Node::TabRight:
                rec_.tr(n.w);
                break;
            case Node::Slash:
                new_record();
                break;
            case Node::Colon:
                if (next_ >= items_.size()) stop_ = true;
                break;
            case Node::Scale:
                scale_ = n.w;
                break;
            case Node::Dollar:
                advance_ = false;
                break;
            case Node::SignMode:
                if (n.desc == 'P') plus_ = true;
                if (n.desc == 'S') plus_ = false;
                break;
            case Node::Data:
                for (int r = 0; r < n.repeat; ++r) {
                    if (next_ >= items_.size()) {
                        stop_ = true;
                        return;
                    }
                    rec_.put(field(n, items_[next_++]));
                }
                break;
        }
    }

    std::string field(const Node& n, const FmtItem& item) const {
        const int d = n.d < 0 ? 0 : n.d;
        switch (n.desc) {
            case 'I':
                return integer_field(item.integer(), n.w, n.d, plus_);
            case 'F':
                return fixed_field(item.real(), n.w, d, scale_, plus_);
            case 'E':
                return exponent_field(item.real(), n.w, d, n.e, scale_, plus_);
            case 'G':
                // G edits an integer as Iw, a text as Aw and a logical as Lw.
                if (item.kind() == FmtItem::Kind::Integer) return integer_field(item.integer(), n.w, -1, plus_);
                if (item.kind() == FmtItem::Kind::Text) return fmt_A(item.text(), n.w);
                if (item.kind() == FmtItem::Kind::Logical) return fmt_L(item.integer() != 0, n.w);
                return general_field(item.real(), n.w, d, n.e, scale_, plus_);
            case 'A':
                return fmt_A(item.text(), n.w);
            case 'L':
                return fmt_L(item.integer() != 0, n.w);
        }
        return {};
    }
};

}  // namespace

FormatResult apply_format(std::string_view format, const std::vector<FmtItem>& items) {
    const std::vector<Node> nodes = Parser(format).parse();
    if (!items.empty() && !has_data(nodes)) throw std::invalid_argument("format has no data descriptor");
    return Writer(format, items).run(nodes);
}

std::string format_line(std::string_view format, const std::vector<FmtItem>& items) {
    const FormatResult r = apply_format(format, items);
    std::string s;
    for (std::size_t i = 0; i < r.records.size(); ++i) {
        if (i) s += '\n';
        s += r.records[i];
    }
    return s;
}

void write_formatted(Int unit, std::string_view format, const std::vector<FmtItem>& items) {
    const FormatResult r = apply_format(format, items);
    for (std::size_t i = 0; i < r.records.size(); ++i) {
        if (i + 1 == r.records.size() && !r.advance)
            write_partial(unit, r.records[i]);
        else
            write_record(unit, r.records[i]);
    }
}

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
    std::size_t i = 0;
    std::size_t next = 0;
    int assigned = 0;
    const std::size_t n = text.size();
    auto skip_blanks = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
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
    bool first = true;
    while (next < targets.size()) {
        // Find the next value: skip blanks, then at most one comma (a second comma means a null).
        skip_blanks();
        if (!first) {
            if (i < n && text[i] == ',') {
                ++i;
                skip_blanks();
            }
        }
        first = false;
        if (i >= n) return {ListStatus::EndOfText, assigned};
        if (text[i] == '/') return {ListStatus::Complete, assigned};
        if (text[i] == ',') {
            ++next;  // a null value: the variable keeps its value
            continue;
        }
        // Read one token: a quoted text, or characters up to a separator.
        std::string tok;
        bool quoted = false;
        if (text[i] == '\'' || text[i] == '"') {
            quoted = true;
            if (!read_quoted(tok)) return {ListStatus::Unreadable, assigned};
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
                return {ListStatus::Unreadable, assigned};
            repeat = rv;
            tok = tok.substr(star + 1);
            if (tok.empty()) {
                null_value = true;
                if (i < n && (text[i] == '\'' || text[i] == '"')) {
                    // r*'text'
                    null_value = false;
                    quoted = true;
                    if (!read_quoted(tok)) return {ListStatus::Unreadable, assigned};
                }
            }
        }
        for (int r = 0; r < repeat && next < targets.size(); ++r, ++next) {
            if (null_value) continue;
            if (!assign_value(targets[next], tok, quoted)) return {ListStatus::Unreadable, assigned};
            ++assigned;
        }
    }
    return {ListStatus::Complete, assigned};
}

}  // namespace brevant
