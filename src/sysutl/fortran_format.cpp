// The formatting kit's output fields (Iw, Fw.d, Ew.d, Gw.d, Aw, Lw, list-directed reals) and the
// record builder; the format interpreter and the input fields have files of their own.
#include "sysutl/fortran_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "sysutl/fortran_fields.h"
#include "sysutl/report_field_guard.h"

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

}  // namespace

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

}  // namespace brevant
