// The one-column array editor. The five whole-column operations are numbered after the last row,
// so that one selection prompt serves both the rows and the operations.
#include "sysutl/array_editor.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "sysutl/angles.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/error_exits.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr Int kRowsPerColumn = 40;
constexpr Int kMaxColumns = 4;

// Writes the prompt and reads one real; false when the answer is blank or unreadable.
bool ask_real(std::string_view prompt, Real& value, Int IOSCRN, Int KBD) {
    WRTLIN(prompt, static_cast<Int>(prompt.size()), IOSCRN);
    Logical CR = 0;
    CRREAD(value, CR, KBD);
    return CR == 0;
}

// A row number for delete or insert, truncated toward zero; false when cancelled or when the row
// is not one of 1..NUPDAT (with no rows, row 1 is accepted).
bool ask_row(std::string_view prompt, Int NUPDAT, Int IOSCRN, Int KBD, Int& k) {
    Real value = 0.0f;
    if (!ask_real(prompt, value, IOSCRN, KBD)) return false;
    k = clamp_to_int(value);
    Int checked = k;
    POSCHK(checked, NUPDAT);
    return checked == k;
}

}  // namespace

void AUTORP(std::string_view HEADER, std::span<Real> UPDAT, Int NUPDAT, Int MAXDAT, Int IOSCRN, Int KBD, Int& LCOPY) {
    // The counts a caller hands over never reach past the column itself: a count beyond the
    // display limit still gets the overflow message below, any other is held to the column.
    MAXDAT = std::clamp<Int>(MAXDAT, 0, static_cast<Int>(std::min<std::size_t>(UPDAT.size(), 1u << 30)));
    const Int n = NUPDAT > kRowsPerColumn * kMaxColumns ? NUPDAT : std::clamp<Int>(NUPDAT, 0, MAXDAT);
    // 1-based access to the column, as the operations are written.
    auto U = [&UPDAT](Int i) -> Real& { return UPDAT[static_cast<std::size_t>(i - 1)]; };

    for (;;) {
        // Drawing.
        if (LCOPY == 0) CLEAR(IOSCRN);
        write_record(IOSCRN, Record().x(1).A(HEADER).str());
        write_record(IOSCRN, "");
        if (n > kRowsPerColumn * kMaxColumns) {
            write_record(IOSCRN, " ++> Array overflow in AUTORP");
            Int ignored = 0;
            PRSRET(IOSCRN, KBD, ignored);
            stop_program(1);
        }
        const Int columns = (n + kRowsPerColumn - 1) / kRowsPerColumn;
        for (Int r = 1; r <= std::min(n, kRowsPerColumn); ++r) {
            Record line;
            line.x(1);
            for (Int c = 0; c < columns; ++c) {
                const Int row = r + c * kRowsPerColumn;
                if (row > n) break;
                if (c > 0) line.x(6);
                line.I(row, 3).put(")").F(U(row), 10, 2);
            }
            write_record(IOSCRN, line.str());
        }
        if (LCOPY > 0) {
            TWOPG(LCOPY, IOSCRN);
            return;
        }
        write_record(IOSCRN, "");
        write_record(IOSCRN, Record().x(1).I(n + 1, 3).put(") Auto repeat").str());
        write_record(IOSCRN, "");
        write_record(IOSCRN, Record().x(1).I(n + 2, 3).put(") Delete a row & collapse array").str());
        write_record(IOSCRN, Record().x(1).I(n + 3, 3).put(") Insert a null row & expand array").str());
        write_record(IOSCRN, Record().x(1).I(n + 4, 3).put(") Add a constant value to each array element").str());
        write_record(IOSCRN,
                     Record().x(1).I(n + 5, 3).put(") Add a constant value to each array element (modulo 360)").str());

        Int ITEMP = 0;
        Int IPAG = 0;
        ENTSEL(ITEMP, IOSCRN, KBD, IPAG);

        // Acting on the selection.
        if (ITEMP == NAV_HELP) {
            NOHELP(IOSCRN, KBD, IPAG);
        } else if (ITEMP == NAV_REDRAW) {
            // drawn again
        } else if (ITEMP <= 0) {
            return;
        } else if (ITEMP <= n) {
            for (Int k = ITEMP; k <= n; ++k) {
                WRTLNI("Enter new value for # ", 22, k, IOSCRN);
                Real value = U(k);
                Logical CR = 0;
                CRREAD(value, CR, KBD);
                if (CR != 0) break;
                U(k) = value;
            }
        } else if (ITEMP == n + 1) {
            Real start = 0.0f;
            if (ask_real("Enter starting value: ", start, IOSCRN, KBD)) {
                if (MAXDAT >= 1) U(1) = start;
                Real increment = 0.0f;
                if (!ask_real("Enter increment: ", increment, IOSCRN, KBD)) increment = 0.0f;
                for (Int i = 2; i <= MAXDAT; ++i) U(i) = U(i - 1) + increment;
            }
        } else if (ITEMP == n + 2) {
            Int k = 0;
            // With no rows in use, row 1 is accepted; an empty column has nothing to move.
            if (ask_row("Enter row number to delete: ", n, IOSCRN, KBD, k) && k <= MAXDAT) {
                for (Int i = k; i <= MAXDAT - 1; ++i) U(i) = U(i + 1);
                U(MAXDAT) = 0.0f;
            }
        } else if (ITEMP == n + 3) {
            Int k = 0;
            if (ask_row("Enter row number to nullify: ", n, IOSCRN, KBD, k) && k <= MAXDAT) {
                for (Int i = MAXDAT; i >= k + 1; --i) U(i) = U(i - 1);
                U(k) = 0.0f;
            }
        } else if (ITEMP == n + 4) {
            Real constant = 0.0f;
            if (ask_real("Enter constant value: ", constant, IOSCRN, KBD)) {
                for (Int i = 1; i <= n; ++i) U(i) = U(i) + constant;
            }
        } else if (ITEMP == n + 5) {
            Real constant = 0.0f;
            if (ask_real("Enter constant value: ", constant, IOSCRN, KBD)) {
                for (Int i = 1; i <= n; ++i) U(i) = std::fabs(REDDEG(U(i) + constant));
            }
        }
        // Any other selection above the operations: drawn again.
    }
}

}  // namespace brevant
