// The formatting kit: Fortran-style edit descriptors for every formatted write and read of the
// program, as field helpers, a record builder, and an interpreter for format texts built at run time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "sysutl/ftypes.h"

namespace brevant {

// ---- Output fields -------------------------------------------------------------------------

// Iw (Iw.m): right-aligned integer; w asterisks when it does not fit.
std::string fmt_I(long long v, int w, int m = -1);

// Fw.d: fixed point, rounded from the exact binary value. A magnitude below 1 prints without a
// zero before the point (".50"); a value that is not zero but rounds to zero prints "0.00" or
// "-0.00"; with no decimals (Fw.0) a value below 1 keeps its zero ("0."). A zero prints without a
// sign. `scale` is a kP factor: the point moves k places in the exact decimal value, so a tie that
// the move makes rounds to even like any other.
std::string fmt_F(double v, int w, int d, int scale = 0);
inline std::string fmt_F(float v, int w, int d, int scale = 0) { return fmt_F(static_cast<double>(v), w, d, scale); }

// Ew.d (Ew.dEe): exponent form with the point first (0.123E+02); with scale 1 (1PEw.d) one digit
// before the point (1.23E+01). e = 0 means the default exponent width.
std::string fmt_E(double v, int w, int d, int e = 0, int scale = 0);
inline std::string fmt_E(float v, int w, int d, int e = 0, int scale = 0) {
    return fmt_E(static_cast<double>(v), w, d, e, scale);
}
// 1PEw.d, the form "one digit before the point".
inline std::string fmt_1PE(double v, int w, int d, int e = 0) { return fmt_E(v, w, d, e, 1); }
inline std::string fmt_1PE(float v, int w, int d, int e = 0) { return fmt_E(static_cast<double>(v), w, d, e, 1); }

// Gw.d (Gw.dEe): fixed point when the magnitude suits (followed by the blanks of the exponent part),
// else exponent form. A value too wide for the fixed form fills all w columns with asterisks.
std::string fmt_G(double v, int w, int d, int e = 0, int scale = 0);
inline std::string fmt_G(float v, int w, int d, int e = 0, int scale = 0) {
    return fmt_G(static_cast<double>(v), w, d, e, scale);
}

// Aw: the leftmost w characters, or right-aligned after blanks when w is longer; w < 0 writes the text whole.
std::string fmt_A(std::string_view s, int w = -1);

// Lw: right-aligned T or F.
std::string fmt_L(bool v, int w);

// nX: n blanks.
inline std::string fmt_X(int n) { return std::string(n > 0 ? n : 0, ' '); }

// One output record built field by field, with Tc/TLn/TRn positioning (a field written after a
// tab to the left overwrites what stood there).
class Record {
public:
    Record& put(std::string_view s);
    Record& x(int n);    // nX
    Record& t(int col);  // Tc: the next field starts at column c
    Record& tl(int n);
    Record& tr(int n) { return x(n); }
    Record& I(long long v, int w, int m = -1) { return put(fmt_I(v, w, m)); }
    Record& F(double v, int w, int d) { return put(fmt_F(v, w, d)); }
    Record& F(float v, int w, int d) { return put(fmt_F(v, w, d)); }
    Record& E(double v, int w, int d, int e = 0) { return put(fmt_E(v, w, d, e)); }
    Record& E(float v, int w, int d, int e = 0) { return put(fmt_E(v, w, d, e)); }
    Record& PE(double v, int w, int d, int e = 0) { return put(fmt_1PE(v, w, d, e)); }
    Record& PE(float v, int w, int d, int e = 0) { return put(fmt_1PE(v, w, d, e)); }
    Record& A(std::string_view s, int w = -1) { return put(fmt_A(s, w)); }
    Record& L(bool v, int w) { return put(fmt_L(v, w)); }
    std::string str() const;
    int position() const { return static_cast<int>(pos_); }

private:
    std::string buf_;
    std::size_t pos_ = 0;
};

// ---- The run-time format interpreter -------------------------------------------------------

// One item of an output list.
class FmtItem {
public:
    enum class Kind { Integer, Real, Text, Logical };
    FmtItem(int v) : kind_(Kind::Integer), i_(v) {}
    FmtItem(long v) : kind_(Kind::Integer), i_(v) {}
    FmtItem(long long v) : kind_(Kind::Integer), i_(v) {}
    FmtItem(float v) : kind_(Kind::Real), r_(static_cast<double>(v)) {}
    FmtItem(double v) : kind_(Kind::Real), r_(v) {}
    FmtItem(bool v) : kind_(Kind::Logical), i_(v ? 1 : 0) {}
    FmtItem(std::string_view s) : kind_(Kind::Text), s_(s) {}
    FmtItem(const char* s) : kind_(Kind::Text), s_(s) {}
    FmtItem(const std::string& s) : kind_(Kind::Text), s_(s) {}
    template <int N>
    FmtItem(const ImageText<N>& t) : kind_(Kind::Text), s_(t.view()) {}

    Kind kind() const { return kind_; }
    // A real given to an integer edit is clamped to the integer range first (NaN gives 0).
    long long integer() const { return kind_ == Kind::Real ? clamp_to_int(r_) : i_; }
    double real() const { return kind_ == Kind::Real ? r_ : static_cast<double>(i_); }
    const std::string& text() const { return s_; }

private:
    Kind kind_;
    long long i_ = 0;
    double r_ = 0;
    std::string s_;
};

// List-directed output of a default real: the 16-column item, 9 significant digits, fixed form
// (4 blanks where the exponent would stand) for magnitudes from 0.1 to below 1.0E9 and for zero,
// exponent form (1.23456789E+02) otherwise; the form gfortran gives. A zero prints without a sign.
std::string fmt_list_real(float v);

// One list-directed output record: a leading blank, then the items, a blank between two items
// unless both are texts; texts as they stand, without quotes; reals through fmt_list_real.
std::string list_record(const std::vector<FmtItem>& items);

struct FormatResult {
    std::vector<std::string> records;
    bool advance = true;  // false when the format ends with '$' (a prompt: no line end)
};

// Applies a format text such as "(1X,I2,')',1X,A,1X,A10)" to the items. A '/' starts a new record;
// the format is re-used from its last top-level group while items remain. SP puts a plus before
// every value that is not negative (never before NaN) until S or SS; G edits an integer item as Iw,
// a logical as Lw and a text as Aw. A malformed format, and items left over for a re-used part that
// takes none, are programming errors and throw std::invalid_argument naming the format.
FormatResult apply_format(std::string_view format, const std::vector<FmtItem>& items);

// The single record a format gives (records joined by '\n' when it gives several).
std::string format_line(std::string_view format, const std::vector<FmtItem>& items = {});

// Writes the records of a format to a unit (the last one left open when the format ends in '$').
void write_formatted(Int unit, std::string_view format, const std::vector<FmtItem>& items = {});

// ---- Formatted input fields ----------------------------------------------------------------
// Blanks anywhere in a numeric field are ignored and an all-blank field reads as 0; any other
// character that is not part of the number (a tab included) makes the field unreadable.

// Iw: optional sign and digits (a lone sign is unreadable). False when the field is unreadable
// (the value is then untouched).
bool read_int_field(std::string_view field, Int& value);

// Fw.d: sign, digits, optional point, optional exponent introduced by "E" or "D" (with any number
// of leading zeros). Without a point the last d digits are decimals. A lone sign or point, an
// exponent without its letter ("1.5+3") and a value beyond the range of the type are unreadable.
// False when unreadable (value untouched).
bool read_real_field(std::string_view field, int d, Real& value);
bool read_real_field(std::string_view field, int d, double& value);

// ---- List-directed ("free-format") input ---------------------------------------------------

// One variable of an input list. Text targets take a quoted or an unquoted word.
struct ListTarget {
    enum class Kind { Integer, Real, Double, Logical, Text } kind;
    void* target;
    int text_len = 0;  // for Text: the declared length (blank-padded)
    static ListTarget of(Int& v) { return {Kind::Integer, &v}; }
    static ListTarget of(Real& v) { return {Kind::Real, &v}; }
    static ListTarget of(double& v) { return {Kind::Double, &v}; }
    static ListTarget logical(Logical& v) { return {Kind::Logical, &v}; }
    static ListTarget of(std::string& v, int len) { return {Kind::Text, &v, len}; }
};

enum class ListStatus {
    Complete,    // every variable got a value, a null value or the list was ended by '/'
    EndOfText,   // the text ran out first: the rest keep their values
    Unreadable,  // a value could not be read: it and the rest keep their values
};

struct ListResult {
    ListStatus status;
    int assigned;  // variables given a value (nulls excluded)
};

// Reads the variables from one text in free form: values separated by blanks, commas or tabs; an
// empty value between commas leaves its variable as it was; '/' ends the list; "r*c" repeats c
// r times ("r*'text'" gives the text without its quotes to each) and "r*" gives r empty values.
ListResult read_list(std::string_view text, const std::vector<ListTarget>& targets);

// Where a list read stopped when its text ran out, so that the read can go on when more text is
// appended to the same text (a record read over several lines), without reading again what it read.
struct ListCursor {
    std::size_t pos = 0;     // the first character not yet read
    std::size_t next = 0;    // the next variable of the list
    int assigned = 0;        // variables given a value so far
    bool first = true;       // no value found yet (a comma here is a null value, not a separator)
    bool separated = false;  // the separator before the next value has been passed
};

// read_list going on from CURSOR over TEXT, which starts with the text of the earlier calls on the
// same cursor: the result of read_list on the whole of TEXT, in time of the part not yet read.
ListResult read_list(std::string_view text, const std::vector<ListTarget>& targets, ListCursor& cursor);

}  // namespace brevant
