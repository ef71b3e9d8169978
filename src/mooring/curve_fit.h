// Turning a typed tension-elongation curve into the three compliance coefficients of the strain law
// strain = a1 T + a2 T^2 + a3 T^3: the dialogue FITCRV, its full-screen array editor ARAYIN, the
// weighted least-squares polynomial POLFIT and the determinant DETRM it solves the normal equations with.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// The elimination work array of DETRM and POLFIT: (20, 20) 64-bit reals, hence at most 20 terms.
using FitMatrix = FArray<double, 20, 20>;
inline constexpr Int MAX_FIT_TERMS = 20;

// The determinant of the leading NORDER x NORDER block of ARRAY, by elimination to triangular form;
// ARRAY is left reduced (columns possibly exchanged). A zero pivot is replaced by the first nonzero
// entry to its right in its row (columns exchanged, sign changed); a row with none gives 0. The running
// product is rounded to a 32-bit real at every step.
Real DETRM(FitMatrix& ARRAY, Int NORDER);

// Least-squares polynomial y = A(1) + A(2) x + ... + A(NTERMS) x^(NTERMS-1) through the points
// (X(i), Y(i)), i = 1..NPTS, by the normal equations solved with determinants (sums in 64-bit reals).
// MODE below 0 weights a point by 1/|Y| (1 for Y 0), 0 not at all, above 0 by 1/SIGMAY^2. CHISQR is the
// reduced chi-square (left as it was with as many terms as points). A singular system gives A and
// CHISQR 0. NTERMS outside 1..20 is a programming error (std::invalid_argument).
void POLFIT(const Real* X, const Real* Y, const Real* SIGMAY, Int NPTS, Int NTERMS, Int MODE, Real* A, Real& CHISQR);

// Full-screen editor of USRPSD(1..NWP) under the caption " -->> Array input for " THENAM: the values in
// up to 15 rows (a second column from 16 on, nothing past 30); an item number starts a run of entries
// at that item (one per following item, a blank answer ends it); Return alone leaves with ITEMP 0;
// "?" shows the no-help page and navigation letters show the editor again. NUMPRD is not read.
void ARAYIN(Int NWP, Int NUMPRD, Int EDUNIT, Int KBD, Real* USRPSD, Int& ITEMP, std::string_view THENAM);

// The curve-fit dialogue: the number of points (4 to 20; below 1 leaves with A untouched), the tensions
// and the elongations in the editor, the zero check, the weighting question (not asked on the silent
// unit 41), and the fit: A(1), A(2), A(3) = a1, a2, a3. The points and the weighting are kept for the
// whole run (reset_fitcrv starts a new run).
void FITCRV(Real* A, Int EDUNIT, Int KBD);

// What FITCRV keeps between calls, for inspection.
struct FitcrvState {
    FArray<Real, 20> X{};       // tensions
    FArray<Real, 20> Y{};       // elongations
    FArray<Real, 20> YP{};      // elongation / tension, the fitted quantity
    FArray<Real, 20> SIGMAY{};  // never set: the instrumental weighting is not offered
    Int NPTS = 0;
    Int NTERMS = 0;
    Int MODE = 0;  // 0 unweighted, -1 weighted by 1/elongation
    Real CHISQR = 0.0f;
    char ANSWER = ' ';
};
FitcrvState& fitcrv_state();
void reset_fitcrv();

}  // namespace brevant
