// Word-range housekeeping: copying, shifting, swapping, comparing and clearing runs of 4-byte
// words (of the data image or any work array), and clamping counts into their table sizes.
#pragma once

#include <cstddef>
#include <span>
#include <type_traits>

#include "sysutl/ftypes.h"

namespace brevant {

// A run of words is handed over as the bytes of the objects that hold it, so that the image of a
// record, an integer buffer and a real array can be moved into one another without a pointer
// cast. A count that reaches past the end of a span is a programming error (std::out_of_range).
using WordBytes = std::span<std::byte>;
using ConstWordBytes = std::span<const std::byte>;

// The bytes of one whole object (a record, an FArray, a plain array).
template <typename T>
    requires std::is_trivially_copyable_v<T>
WordBytes word_span(T& object) {
    return std::as_writable_bytes(std::span<T, 1>(&object, 1));
}
template <typename T>
    requires std::is_trivially_copyable_v<T>
ConstWordBytes word_span(const T& object) {
    return std::as_bytes(std::span<const T, 1>(&object, 1));
}
// The bytes of `count` elements starting at `first` (a range inside an array: element k onward).
template <typename T>
    requires std::is_trivially_copyable_v<T>
WordBytes word_span(T* first, std::size_t count) {
    return std::as_writable_bytes(std::span<T>(first, count));
}
template <typename T>
    requires std::is_trivially_copyable_v<T>
ConstWordBytes word_span(const T* first, std::size_t count) {
    return std::as_bytes(std::span<const T>(first, count));
}

// ---- Copies: word i of the source to word i of the destination, in the stated order ------------

// Words 1 to N ascending.
void MOVCOM(Int N, ConstWordBytes IFROM, WordBytes ITO);
// Ascending: moves a block toward lower addresses within one array without loss.
void MOVUP(Int N, ConstWordBytes IFROM, WordBytes ITO);
// Descending (N down to 1): moves a block toward higher addresses within one array, opening room.
void MOVDWN(Int N, ConstWordBytes IFROM, WordBytes ITO);
// N elements of 2 (3) words: elements N down to 1, the words of each element ascending.
void MOVDWN2(Int N, ConstWordBytes IFROM, WordBytes ITO);
void MOVDWN3(Int N, ConstWordBytes IFROM, WordBytes ITO);

// Typed copies, elements 1 to N ascending, exact to the bit.
void MOVREL(Int N, std::span<const Real> RFROM, std::span<Real> RTO);
void MOVDP(Int N, std::span<const double> DPFROM, std::span<double> DPTO);

// Elements 1 to NTOGO: IFLAG above 0 turns the integers into reals (RARRAY = NARRAY), otherwise
// the reals into integers truncated toward zero (a value beyond the integer range is clamped).
void FILLUP(std::span<Int> NARRAY, std::span<Real> RARRAY, Int IFLAG, Int NTOGO);

// ---- Swaps --------------------------------------------------------------------------------------

// Exchanges words 1 to N of the two runs.
void SWPCOM(Int N, WordBytes ISRC, WordBytes IDEST);
void SWPVAL(Real& X1, Real& X2);
void DSWPVAL(double& DX1, double& DX2);
void CSWPVAL(Complex& CX1, Complex& CX2);

// ---- Comparison, clearing and clamping --------------------------------------------------------

// NOCHG = 1 when words 1 to NTEST of the two runs are equal bit for bit (so +0.0 against -0.0
// is a change), else 0; always 1 when NTEST is 0 or below.
void NOCHNG(Int& NOCHG, ConstWordBytes ARRAY1, ConstWordBytes ARRAY2, Int NTEST);

// Stores all-zero words (0, +0.0) over the given 1-based index ranges of an array whose declared
// extents are N1 (by N2 by N3), first index fastest. An empty range (end below start) clears
// nothing; a range outside the declared extents is a programming error (std::out_of_range).
void CLEAR_1D(WordBytes ARRAY, Int N1, Int N1_start, Int N1_end);
void CLEAR_2D(WordBytes ARRAY, Int N1, Int N2, Int N1_start, Int N1_end, Int N2_start, Int N2_end);
void CLEAR_3D(WordBytes ARRAY, Int N1, Int N2, Int N3, Int N1_start, Int N1_end, Int N2_start, Int N2_end,
              Int N3_start, Int N3_end);

// N above MAX becomes MAX; then N below 0 becomes 0 (a count typed by the user).
void MAXCHK(Int& N, Int MAX);
// N above MAX becomes MAX; then N of 0 or below becomes 1 (a row or item number).
void POSCHK(Int& N, Int MAX);

// VERNO receives the word IVERSN bit for bit (an old layout kept the real version there).
void VRCVRT(Int IVERSN, Real& VERNO);

}  // namespace brevant
