// The formatting kit's interpreter for format texts built at run time: it parses a text such as
// "(1X,I2,')',1X,A)" into edit descriptors and writes the items through the output fields.
#include <cctype>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "sysutl/fortran_fields.h"
#include "sysutl/fortran_format.h"
#include "sysutl/units.h"

namespace brevant {

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

}  // namespace brevant
