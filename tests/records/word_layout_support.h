// Checking a word record against its transcribed layout: the row of a layout table, and where a name
// lands in a struct (the byte range, element type and extents of a member or an accessor's window).
// The data image, the coefficient image and the vessel-motion records are all checked this way.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>

#include "records/data_image.h"

namespace brevant::testing {

// One name of a layout table. Kinds: P a member, F a spare filler word range, R a second name of the
// same words (a reference accessor), V an integer view of other-typed words (a value accessor).
// Types: I integer, R real, L logical, C text, X complex (two words a value).
struct LayoutRow {
    const char* view;  // the record or view: "TPCM", "SALM", "LOWCOF", "HIMEM", ...
    const char* name;
    int first;         // first word, 1-based
    int last;          // last word
    char type;
    const char* dims;  // extents, first varying fastest ("3x149"); "" for one word
    char kind;
    const char* target;  // the member a second name belongs to
};

// A byte range [first, end) inside a record, the type code of its elements and the extents of the
// member ("3x149", text lengths first, "" for one word; "?" for a window that is no whole member).
struct Span {
    std::size_t first;
    std::size_t end;
    char type;
    std::string shape;
};

template <class T>
constexpr char type_code() {
    if constexpr (std::is_same_v<T, Int>) return 'I';
    else if constexpr (std::is_same_v<T, Real>) return 'R';
    else if constexpr (std::is_same_v<T, char>) return 'C';
    else if constexpr (std::is_same_v<T, Complex>) return 'X';
    else return '?';
}
template <class T>
struct ElemCode { static constexpr char value = type_code<T>(); };
template <class T, int N1, int N2, int N3, int N4>
struct ElemCode<FArray<T, N1, N2, N3, N4>> { static constexpr char value = ElemCode<T>::value; };
template <int N>
struct ElemCode<ImageText<N>> { static constexpr char value = 'C'; };
template <class T, std::size_t N>
struct ElemCode<T[N]> { static constexpr char value = ElemCode<T>::value; };

// The extents of a member type, written as the layout table writes them.
template <class T>
struct Shape { static std::string get() { return ""; } };
template <class T, int N1, int N2, int N3, int N4>
struct Shape<FArray<T, N1, N2, N3, N4>> {
    static std::string get() {
        std::string s = Shape<T>::get();
        const int extents[] = {N1, N2, N3, N4};
        int rank = 4;
        while (rank > 1 && extents[rank - 1] == 1) --rank;
        for (int d = 0; d < rank; ++d) s += (s.empty() ? "" : "x") + std::to_string(extents[d]);
        return s;
    }
};
template <int N>
struct Shape<ImageText<N>> { static std::string get() { return std::to_string(N); } };
template <class T, std::size_t N>
struct Shape<T[N]> {
    static std::string get() {
        const std::string inner = Shape<T>::get();
        return (inner.empty() ? "" : inner + "x") + std::to_string(N);
    }
};

template <class Rec>
std::size_t offset_in(const Rec& rec, const void* p) {
    return static_cast<std::size_t>(static_cast<const std::byte*>(p) - image_bytes(rec).data());
}
template <class Rec, class M>
Span span_of(const Rec& rec, const M& m) {
    const std::size_t f = offset_in(rec, &m);
    return Span{f, f + sizeof(M), ElemCode<std::remove_cv_t<M>>::value, Shape<std::remove_cv_t<M>>::get()};
}
template <class Rec, class E>
Span span_of_elems(const Rec& rec, const E& first, const E& last) {
    return Span{offset_in(rec, &first), offset_in(rec, &last) + sizeof(E), ElemCode<E>::value, "?"};
}

template <class Rec>
struct Locator {
    const char* view;
    const char* name;
    Span (*locate)(Rec&);
};

template <class Rec>
struct Probe {
    const char* view;
    const char* name;
    void (*set_first)(Rec&, Int);
    void (*set_last)(Rec&, Int);
    Int (*get_first)(const Rec&);
    Int (*get_last)(const Rec&);
};

}  // namespace brevant::testing
