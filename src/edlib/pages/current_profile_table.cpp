// The legacy current profile table: drawing, row editing, count, eliminate, insert, abort and the
// two checks on leaving; and its help screen.
#include "edlib/pages/current_profile_table.h"

#include <string>
#include <string_view>

#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr std::string_view kProfileNotes[] = {
    "",
    "     The current profile serves (1) to determine an \"average\" current",
    "     on the submerged part of the vessel and, if requested, (2) to",
    "     estimate current loads on subsurface mooring structures.",
    "",
    "     The current speed varies linearly between the levels given.",
    "",
    "     Depths are positive: the water surface is depth zero, and depths",
    "     increase monotonically down the table.",
    "",
    "     An implicit data point, the surface current at depth 0, is always",
    "     included. It must not be typed as a first row.",
    "",
    "     For current-associated mooring loads the last row should be either",
    "     the full water depth (with the bottom current, if any) or a",
    "     subsurface level with zero current speed.",
};

void blank_line(Int unit) { write_record(unit, ""); }

void draw_table(std::string_view CTYPE, const ProfileColumn& DPTHI, const ProfileColumn& VELI, Int n, Int IOSCRN,
                Int LCOPY) {
    if (LCOPY == 0) CLEAR(IOSCRN);
    write_record(IOSCRN, std::string(" ++> Enter ").append(CTYPE));
    blank_line(IOSCRN);
    write_record(IOSCRN, "        Depth Below    Current");
    write_record(IOSCRN, "          Surface       Speed");
    write_record(IOSCRN, "            (x)        (y, kts)");
    blank_line(IOSCRN);
    for (Int i = 1; i <= n; ++i)
        write_record(IOSCRN, Record().x(1).I(i, 2).put(") ").F(DPTHI(i), 12, 2).F(VELI(i), 12, 2).str());
    blank_line(IOSCRN);
    write_record(IOSCRN, Record().x(1).I(n + 1, 2).put(") Change the number of points in current profile").str());
    write_record(IOSCRN, Record().x(1).I(n + 2, 2).put(") Eliminate a row and collapse array").str());
    write_record(IOSCRN, Record().x(1).I(n + 3, 2).put(") Insert a null row and expand array").str());
    write_record(IOSCRN, Record().x(1).I(n + 4, 2).put(") Abort entry").str());
}

// The row number asked for at the eliminate and insert prompts. It starts at 0, so a blank answer
// names no row and changes nothing.
Int ask_row(std::string_view prompt, Int IOSCRN, Int KBD) {
    WRTLIN(prompt, static_cast<Int>(prompt.size()), IOSCRN);
    Int r = 0;
    Int ignored = 0;
    READI(r, KBD, ignored);
    return r;
}

// The checks on leaving; true when the table may be left. An empty table has no rows to check.
bool leaving_checks_pass(const ProfileColumn& DPTHI, const ProfileColumn& VELI, Real DEPTH, Int n, Int IOSCRN,
                         Int KBD) {
    if (n == 0) return true;
    Int ignored = 0;
    if (DPTHI(n) != DEPTH && VELI(n) != 0.0f) {
        blank_line(IOSCRN);
        write_record(IOSCRN, " ++> WARNING: If current-associated mooring loads are required,");
        write_record(IOSCRN, "              the last row of data above must represent either");
        write_record(IOSCRN, "              the current at the bottom or a zero current value");
        write_record(IOSCRN, "              in the last row");
        PRSRET(IOSCRN, KBD, ignored);
        return false;
    }
    if (DPTHI(1) == 0.0f) {
        blank_line(IOSCRN);
        write_record(IOSCRN, " ++> WARNING: A surface point at depth 0.00 is implicit. You must");
        write_record(IOSCRN, "              therefore eliminate the surface point in this array.");
        PRSRET(IOSCRN, KBD, ignored);
        return false;
    }
    return true;
}

}  // namespace

void CURHLP3(Int IOSCRN, Int KBD, Int& LINE) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, Record().t(22).put("****  Current Profile Notes  ****").str());
    for (std::string_view line : kProfileNotes) write_record(IOSCRN, line);
    PRSRET(IOSCRN, KBD, LINE);
}

// Not the page kit's loop: the item numbers follow the row count, and Return or a page command
// leaves only once the profile passes its checks.
void CRNTIN(std::string_view CTYPE, ProfileColumn& DPTHI, ProfileColumn& VELI, Real /*CURSPD*/, Real DEPTH, Int& NROW,
            Int IOSCRN, Int KBD, Int& ITEMP, Int& LCOPY) {
    // A count from a damaged file must not draw or edit past the five slots.
    MAXCHK(NROW, kProfileRows);
    // The abort puts back the count and all five slots: an insert shifts rows into slots beyond
    // the count, which a copy of the rows in use alone would not undo.
    const Int NROWQ = NROW;
    const ProfileColumn DPTHIQ = DPTHI;
    const ProfileColumn VELIQ = VELI;
    Int page = 0;  // the number typed after a command letter is of no use here
    for (;;) {
        const Int n = NROW;
        draw_table(CTYPE, DPTHI, VELI, n, IOSCRN, LCOPY);
        if (LCOPY != 0) {
            TWOPG(LCOPY, IOSCRN);
            ITEMP = 0;
            return;
        }
        Int choice = 0;
        ENTSEL(choice, IOSCRN, KBD, page);
        if (choice == NAV_HELP) {
            CURHLP3(IOSCRN, KBD, page);
        } else if (choice > n + 4) {
            // no such selection: the table is drawn again
        } else if (choice == n + 1) {
            ENTERI(NROW, IOSCRN, KBD);
            MAXCHK(NROW, kProfileRows);
        } else if (choice == n + 2) {
            const Int r = ask_row("Enter row to eliminate: ", IOSCRN, KBD);
            if (r >= 1 && r <= n) {
                for (Int i = r; i < kProfileRows; ++i) {
                    DPTHI(i) = DPTHI(i + 1);
                    VELI(i) = VELI(i + 1);
                }
            }
        } else if (choice == n + 3) {
            const Int r = ask_row("Enter row to nullify/insert: ", IOSCRN, KBD);
            if (r >= 1 && r <= n) {
                for (Int i = kProfileRows; i > r; --i) {
                    DPTHI(i) = DPTHI(i - 1);
                    VELI(i) = VELI(i - 1);
                }
                DPTHI(r) = 0.0f;
                VELI(r) = 0.0f;
            }
        } else if (choice == n + 4) {
            NROW = NROWQ;
            DPTHI = DPTHIQ;
            VELI = VELIQ;
            ITEMP = -1;
            return;
        } else if (choice >= 1) {
            // The rows from the one chosen to the last, until a blank line.
            for (Int i = choice; i <= n; ++i) {
                Real unused = 0.0f;
                Logical CR = 0;
                ENTCRD(i, DPTHI(i), VELI(i), unused, 2, IOSCRN, KBD, CR);
                if (CR == 1) break;
            }
        } else if (leaving_checks_pass(DPTHI, VELI, DEPTH, n, IOSCRN, KBD)) {
            // Only the abort answers -1: the back command leaves like Return.
            ITEMP = choice == NAV_BACK ? 0 : choice;
            return;
        }
    }
}

}  // namespace brevant
