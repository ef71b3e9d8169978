// Complex linear systems and complex vectors of the member-built hull's square-law iteration: a
// Gauss elimination with row pivoting, and the copy, clear and difference of complex vectors.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Solves A x = B in place. A is N x N by columns (element (i, j) at A[(j - 1) N + i - 1]) and is
// destroyed; B holds x on return. KS = 0 on success, 1 when a column has no non-zero pivot left
// (A and B are then partly processed and are no solution). The pivot of a column is the first
// candidate of largest modulus, so equal moduli keep the upper row; any non-zero pivot is taken.
void CSIMQ(Complex* A, Complex* B, Int N, Int& KS);

// CNEW(i) = COLD(i), i = 1 .. N; nothing for N of 0 or less.
void CEQUAL(Complex* CNEW, const Complex* COLD, Int N);

// CNEW(i) = 0, i = 1 .. N; nothing for N of 0 or less.
void CCLEAR(Complex* CNEW, Int N);

// CDIF(i) = CP(i) - CM(i) for the six degrees of freedom.
void CDIFF(Complex* CDIF, const Complex* CP, const Complex* CM);

}  // namespace brevant
