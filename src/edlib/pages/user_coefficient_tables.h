// The user coefficient tables page: the wind or current table of the coefficient image LOWCOF
// (saved as "LOWDAT") with the columns of the force components that use it, and its help notes.
#pragma once

#include <span>
#include <string_view>

#include "records/coefficient_image.h"
#include "sysutl/ftypes.h"

namespace brevant {

inline constexpr Int kUserTableRows = 21;  // rows of every user table
inline constexpr Int kUserTableMinRows = 2;  // the fewest rows an interpolation can use

// One user table seen as the page edits it: 21 rows by 4 columns, column-major; column 1 the
// attack angles (degrees), columns 2, 3 and 4 the coefficients Cx, Cy and Cz. The image keeps the
// angles and the three coefficient columns as two neighbouring members of LOWCOF (84 words in a
// row); the block addresses both without reading across a member.
class CoefficientBlock {
public:
    CoefficientBlock(FArray<Real, 21>& ANG, FArray<Real, 21, 3>& CFS) : ang_(ANG), cfs_(CFS) {}
    // Element (row i, column j), 1-based.
    Real& operator()(int i, int j) const { return j == 1 ? ang_(i) : cfs_(i, j - 1); }
    // Column j as the 21 reals the array editor works on.
    std::span<Real> column(int j) const {
        return j == 1 ? std::span<Real>(ang_.data(), 21) : std::span<Real>(&cfs_(1, j - 1), 21);
    }

private:
    FArray<Real, 21>& ang_;
    FArray<Real, 21, 3>& cfs_;
};

// The two tables of LOWCOF the page edits.
inline CoefficientBlock wind_table() { return {LOWCOF.UWNANG, LOWCOF.UWNCFS}; }
inline CoefficientBlock current_table() { return {LOWCOF.UCRANG, LOWCOF.UCRCFS}; }

// The table page.
//   CTYPE   in      title text, written between " +++ " and " +++"
//   NIBPAK  in      the load's packed model word: component k (1 Cx, 2 Cy, 3 Cz) uses the table
//                   when field k equals USERID
//   ANGL    in/out  the table, edited in place
//   NROW    in/out  rows in use; brought into 2..21 on entry (also when the page is only echoed)
//                   and after every change of the count
//   USERID  in      the model value that marks a component as using the table (1)
//   IOSCRN, KBD     console and keyboard units
//   ITEMP   out     0 (back to the calling page) or a navigation code below 0 for the driver
//   LCOPY   in/out  page-echo counter: when set, the page is written once and the echo page ended
void COFUPD(std::string_view CTYPE, Int NIBPAK, const CoefficientBlock& ANGL, Int& NROW, Int USERID, Int IOSCRN,
            Int KBD, Int& ITEMP, Int& LCOPY);

// Notes of the page ("User Coefficient Specification Notes"): LINE the item asked about, 0 for all
// three; the number typed at the last pause comes back in LINE.
void COFHLP(Int IOSCRN, Int KBD, Int& LINE);

}  // namespace brevant
