// The user coefficient tables page (COFUPD) with its coefficient selection page, and its notes.
#include "edlib/pages/user_coefficient_tables.h"

#include <array>
#include <string>

#include "edlib/pages/load_model_help.h"
#include "sysutl/answers.h"
#include "sysutl/array_editor.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr std::string_view kLabels[3] = {"Cx ", "Cy ", "Cz "};
constexpr int kLabelColumns[3] = {18, 27, 36};

// The components that use the table, in the order Cx, Cy, Cz (1, 2, 3).
struct Used {
    std::array<Int, 3> k{};
    int n = 0;
};

Used used_components(Int NIBPAK, Int USERID, Int IOSCRN) {
    Used used;
    for (Int k = 1; k <= 3; ++k)
        if (NIBVAL(NIBPAK, k, IOSCRN) == USERID) used.k[used.n++] = k;
    return used;
}

// The columns drawn: those of the used components, or the Cz column alone when neither Cx nor Cy
// uses the table (whether or not Cz does).
Used drawn_components(const Used& used) {
    if (used.n > 0 && used.k[0] != 3) return used;
    Used cz;
    cz.k[0] = 3;
    cz.n = 1;
    return cz;
}

// A count from anywhere is brought into 2..21: never a row past the table, and the two rows any
// interpolation needs.
void clamp_count(Int& NROW) {
    MAXCHK(NROW, kUserTableRows);
    if (NROW < kUserTableMinRows) NROW = kUserTableMinRows;
}

void title_lines(Int IOSCRN, std::string_view CTYPE) {
    write_record(IOSCRN, std::string(" +++ ").append(CTYPE).append(" +++"));
    write_record(IOSCRN, "");
}

void draw_main_page(std::string_view CTYPE, const Used& drawn, const CoefficientBlock& ANGL, Int NROW, Int IOSCRN) {
    title_lines(IOSCRN, CTYPE);
    Record header;
    header.put(" Bow-Relative");
    for (int c = 0; c < drawn.n; ++c) header.t(kLabelColumns[c]).put(kLabels[drawn.k[c] - 1]);
    write_record(IOSCRN, header.str());
    write_record(IOSCRN, " Attack Angle");
    write_record(IOSCRN, "");
    for (Int i = 1; i <= NROW; ++i) {
        Record row;
        row.x(1).F(ANGL(i, 1), 8, 2).x(4);
        for (int c = 0; c < drawn.n; ++c) row.F(ANGL(i, 1 + drawn.k[c]), 9, 3);
        write_record(IOSCRN, row.str());
    }
    write_record(IOSCRN, "");
    write_record(IOSCRN, Record()
                             .x(2)
                             .I(1, 2)
                             .put(")")
                             .put(" Number of angles (")
                             .I(kUserTableRows, 2)
                             .put(" Maximum): ")
                             .I(NROW, 2)
                             .str());
    write_record(IOSCRN, Record().x(2).I(2, 2).put(") Specify ").put("Angle").put(" array").str());
    write_record(IOSCRN, Record().x(2).I(3, 2).put(") Specify ").put("Coefficient").put(" array").str());
}

// Column editor of component k; a component that does not use the table is not edited.
void edit_component(Int k, const Used& used, const CoefficientBlock& ANGL, Int NROW, Int IOSCRN, Int KBD,
                    Int& LCOPY) {
    for (int c = 0; c < used.n; ++c)
        if (used.k[c] == k) {
            AUTORP("  -- Table of Coefficients --", ANGL.column(1 + k), NROW, kUserTableRows, IOSCRN, KBD, LCOPY);
            return;
        }
}

// Item 3. Returns true when the page is to return with ITEMP (a navigation code), false to draw the
// main page again.
bool select_coefficients(std::string_view CTYPE, const Used& used, const CoefficientBlock& ANGL, Int NROW,
                         Int IOSCRN, Int KBD, Int& ITEMP, Int& LCOPY) {
    if (used.n <= 1) {
        // One column (or none: Cz, which then does not use the table) goes straight to its editor.
        edit_component(used.n == 1 ? used.k[0] : 3, used, ANGL, NROW, IOSCRN, KBD, LCOPY);
        return false;
    }
    for (;;) {
        // Never echoed: the selection page exists only while somebody answers it.
        CLEAR(IOSCRN);
        title_lines(IOSCRN, CTYPE);
        write_record(IOSCRN, " ++> Select coefficient array to modify");
        write_record(IOSCRN, "");
        for (int c = 0; c < used.n; ++c)
            write_record(IOSCRN,
                         Record().x(2).I(used.k[c], 2).put(") ").put(kLabels[used.k[c] - 1].substr(0, 2)).str());
        Int choice = 0;
        Int PAGNO = 0;
        ENTSEL(choice, IOSCRN, KBD, PAGNO);
        if (choice == NAV_HELP) {
            NOHELP(IOSCRN, KBD, PAGNO);
            continue;
        }
        if (choice == NAV_REDRAW || choice > 3) continue;
        if (choice == 0) return false;
        if (choice < 0) {
            ITEMP = choice;
            return true;
        }
        edit_component(choice, used, ANGL, NROW, IOSCRN, KBD, LCOPY);
    }
}

// ---- Notes ----------------------------------------------------------------------------------

constexpr std::string_view kCountNote[] = {
    "",
    "     Arrays of angles and coefficients covering the half circle from 0",
    "     to 180 degrees are to be given, with no more values than the shown",
    "     maximum. The half circle is extended to the full circle, 0 up to",
    "     (not including) 360 degrees, by symmetry, assuming the vessel is",
    "     symmetric about its centreline.",
};
constexpr std::string_view kAngleNote[] = {
    "",
    "     The angles must rise monotonically, start at 0 and end at 180",
    "     degrees, and there must be at least two of them. Usual choices are",
    "     19 values 10 degrees apart, 13 values 15 degrees apart or 10 values",
    "     20 degrees apart, but any monotonic array may be used and the steps",
    "     need not be equal. Coefficients between the given angles are found",
    "     by interpolation.",
};
constexpr std::string_view kCoefficientNote[] = {
    "",
    "     For wind and current the coefficients give the forces and the",
    "     moment by the OCIMF formulation:",
    "          Fx = 0.5 Dm Cx Ah V**2",
    "          Fy = 0.5 Dm Cy Ab V**2",
    "          Mz = 0.5 Dm Cz Ab LBP V**2",
    "     where Dm is the mass density of water (or air), V the speed, Ah and",
    "     Ab the given head-on and beam-on projected areas of the vessel and",
    "     LBP the length between perpendiculars or the waterline length.",
    "     For regular-wave drift the coefficients give",
    "          Fx = 0.5 Dw Cx B a**2",
    "          Fy = 0.5 Dw Cy LBP a**2",
    "          Mz = 0.5 Dw Cz LBP**2 a**2",
    "     where Dw is the weight density of water, a the regular wave",
    "     amplitude, B the beam and LBP as before.",
};

constexpr HelpScreen kTableScreens[] = {
    {1, 1, "1", kCountNote}, {2, 2, "2", kAngleNote}, {3, 3, "3", kCoefficientNote}};

}  // namespace

void COFHLP(Int IOSCRN, Int KBD, Int& LINE) {
    show_help_screens(IOSCRN, KBD, LINE, "User Coefficient Specification Notes", kTableScreens);
}

void COFUPD(std::string_view CTYPE, Int NIBPAK, const CoefficientBlock& ANGL, Int& NROW, Int USERID, Int IOSCRN,
            Int KBD, Int& ITEMP, Int& LCOPY) {
    run_as_drawing([&] { clamp_count(NROW); });
    const Used used = used_components(NIBPAK, USERID, IOSCRN);
    const Used drawn = drawn_components(used);
    Int PAGNO = 0;
    const Int no_batch = 0;  // the page has no on/off item
    PageParts parts;
    parts.draw = [&](Int) {
        PAGNO = 0;
        draw_main_page(CTYPE, drawn, ANGL, NROW, IOSCRN);
    };
    parts.help = [&](Int) { COFHLP(IOSCRN, KBD, PAGNO); };
    parts.redraw_here = true;
    parts.act = [&](Int item, Int) {
        if (item == 1) {
            // A command letter here leaves its code in the count, which the clamp turns into 2.
            ENTERI(NROW, IOSCRN, KBD);
            clamp_count(NROW);
        } else if (item == 2) {
            AUTORP("  -- Table of Bow-On Attack Angles (degrees) --", ANGL.column(1), NROW, kUserTableRows, IOSCRN,
                   KBD, LCOPY);
        } else if (item == 3) {
            if (select_coefficients(CTYPE, used, ANGL, NROW, IOSCRN, KBD, ITEMP, LCOPY)) return PageStep::Leave;
        }
        return PageStep::Stay;
    };
    run_page({IOSCRN, LCOPY, ITEMP, PAGNO, no_batch, KBD}, parts);
}

}  // namespace brevant
