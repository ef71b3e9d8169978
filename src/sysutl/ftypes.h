// Basic numeric types and the fixed-size array and text types that every record and routine uses.
// Arrays are 1-based with the first index varying fastest, so formulas read as the program writes them.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <complex>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

namespace brevant {

using Real = float;
using Int = std::int32_t;
using Logical = std::int32_t;
using Complex = std::complex<float>;

static_assert(std::numeric_limits<float>::is_iec559, "REAL must be IEEE single precision");
static_assert(sizeof(Real) == 4 && sizeof(Int) == 4);

// A 1-based, column-major array of fixed extents with a plain C array inside (standard layout),
// so that it can sit inside a word image at a pinned offset.
template <typename T, int N1, int N2 = 1, int N3 = 1, int N4 = 1>
struct FArray {
    static_assert(N1 > 0 && N2 > 0 && N3 > 0 && N4 > 0);
    static constexpr int size_ = N1 * N2 * N3 * N4;
    T v[size_];

    static constexpr int size() { return size_; }
    static constexpr int extent(int dim) { return dim == 1 ? N1 : dim == 2 ? N2 : dim == 3 ? N3 : N4; }

    static constexpr int linear(int i, int j = 1, int k = 1, int l = 1) {
        return (i - 1) + N1 * ((j - 1) + N2 * ((k - 1) + N3 * (l - 1)));
    }
    T& operator()(int i, int j = 1, int k = 1, int l = 1) {
        assert(i >= 1 && i <= N1 && j >= 1 && j <= N2 && k >= 1 && k <= N3 && l >= 1 && l <= N4);
        return v[linear(i, j, k, l)];
    }
    const T& operator()(int i, int j = 1, int k = 1, int l = 1) const {
        assert(i >= 1 && i <= N1 && j >= 1 && j <= N2 && k >= 1 && k <= N3 && l >= 1 && l <= N4);
        return v[linear(i, j, k, l)];
    }
    // The element at 1-based linear position n (a Fortran array passed as a one-dimensional one).
    T& at_linear(int n) {
        assert(n >= 1 && n <= size_);
        return v[n - 1];
    }
    const T& at_linear(int n) const {
        assert(n >= 1 && n <= size_);
        return v[n - 1];
    }
    T* data() { return v; }
    const T* data() const { return v; }
    T* begin() { return v; }
    T* end() { return v + size_; }
    const T* begin() const { return v; }
    const T* end() const { return v + size_; }
    void fill(const T& x) { std::fill(v, v + size_, x); }
};

// A text of N characters as it sits inside a word image: four characters to a word in memory order,
// blank-padded by assign(). It has no constructor, so an image that holds it starts all zero like
// every other word.
template <int N>
struct ImageText {
    static_assert(N > 0);
    char c[N];

    static constexpr int length() { return N; }
    void assign(std::string_view s) {
        const std::size_t n = std::min<std::size_t>(s.size(), N);
        std::memcpy(c, s.data(), n);
        std::memset(c + n, ' ', N - n);
    }
    std::string_view view() const { return std::string_view(c, N); }
    std::string str() const { return std::string(c, N); }
    // The text without its trailing blanks.
    std::string trimmed() const {
        int n = N;
        while (n > 0 && c[n - 1] == ' ') --n;
        return std::string(c, n);
    }
    operator std::string_view() const { return view(); }
    char& operator[](int i) { return c[i]; }  // 0-based character access
    char operator[](int i) const { return c[i]; }
    bool operator==(const ImageText& o) const { return std::memcmp(c, o.c, N) == 0; }
};

// A fixed-length text of N characters, blank-padded, standard layout: a CHARACTER*N variable.
template <int N>
struct FixedText : ImageText<N> {
    FixedText() { std::memset(this->c, ' ', N); }
    FixedText(std::string_view s) { this->assign(s); }
    FixedText& operator=(std::string_view s) {
        this->assign(s);
        return *this;
    }
    bool operator==(const FixedText& o) const { return std::memcmp(this->c, o.c, N) == 0; }
    bool operator==(std::string_view s) const { return *this == FixedText(s); }
};

// Blank-padded (or truncated) copy of s at length n: the Fortran assignment to a CHARACTER*n.
inline std::string fixed_len(std::string_view s, std::size_t n) {
    std::string r(s.substr(0, std::min(s.size(), n)));
    r.resize(n, ' ');
    return r;
}

// A real turned into an integer with the value clamped to the 32-bit range, truncating toward zero;
// NaN gives 0. Plain conversion of an out-of-range float is undefined.
inline Int clamp_to_int(double x) {
    if (!(x == x)) return 0;
    if (x >= 2147483647.0) return std::numeric_limits<Int>::max();
    if (x <= -2147483648.0) return std::numeric_limits<Int>::min();
    return static_cast<Int>(x);
}

}  // namespace brevant
