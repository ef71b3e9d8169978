// The array shapes the catenary library works on: per-element and per-node values of the line in hand
// (64-bit, as LINCOM holds them), the scaled compliances, and columns of the data image's per-element
// words for one line type.
#pragma once

#include <algorithm>
#include <span>

#include "sysutl/ftypes.h"

namespace brevant {

inline constexpr Int MAX_ELEMENTS = 25;  // elements of a line type
inline constexpr Int MAX_NODES = 26;     // nodes of a line type

using ElementArray = FArray<double, MAX_ELEMENTS>;  // SCLWT, SCLWTP, ...
using NodeArray = FArray<double, MAX_NODES>;        // TMPTAN, SECARR, AVTAN, AVSEC, ...
using BetaBlock = FArray<double, 3, MAX_ELEMENTS>;  // BETA(k, j) = a_k(j) H^k

// One line type's column of a per-element word of the data image (SLEN(1, ITYP), WETWT(1, ITYP)):
// element j is col[j - 1].
using ElementColumn = std::span<const Real, MAX_ELEMENTS>;
// One line type's (3, 25) block of compliance coefficients (ALPHA(1, 1, ITYP)): a_k of element j is
// block[(k - 1) + 3 (j - 1)].
using AlphaBlock = std::span<const Real, 3 * MAX_ELEMENTS>;

inline ElementColumn element_column(const FArray<Real, MAX_ELEMENTS, 150>& words, Int ITYP) {
    return ElementColumn(&words(1, ITYP), MAX_ELEMENTS);
}
inline AlphaBlock alpha_block(const FArray<Real, 3, MAX_ELEMENTS, 150>& ALPHA, Int ITYP) {
    return AlphaBlock(&ALPHA(1, 1, ITYP), 3 * MAX_ELEMENTS);
}
inline Real alpha_of(AlphaBlock ALPHA, Int k, Int IELEM) { return ALPHA[static_cast<std::size_t>((k - 1) + 3 * (IELEM - 1))]; }

// An element count as the loops may use it: a count from the data image is held to 0..25 so that
// no loop runs past the 25 elements (26 nodes) of the arrays.
inline Int element_count(Int NELEM) { return std::clamp<Int>(NELEM, 0, MAX_ELEMENTS); }

}  // namespace brevant
