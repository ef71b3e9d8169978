// Page 5, member particulars: the main page (member count, default damping coefficients, warning
// switch), one sub-page per member with its selection lists and the member check, and the copy (with
// a symmetry transformation), delete and insert of members.
#include "edlib/pages/member_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "edlib/members/member_checks.h"
#include "edlib/members/member_drag.h"
#include "edlib/members/member_table.h"
#include "edlib/pages/vessel_pages.h"
#include "numeric/algebra.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr Int MXNDTP = 3;
constexpr Real kDegreesPerRadian = 57.295776f;

constexpr const char* kEndCaptions[3] = {"Free, submerged", "Water-piercing", "Wall terminated"};
constexpr const char* kProfileCaptions[3] = {"Rectangular", "Circular/elliptic", "Rectangular/elliptic (intermediate)"};
constexpr const char* kMassCaptions[3] = {"User-specified", "Computed (deep water assumption)",
                                          "Computed (with surface correction)"};

// A caption of a code; a code that no list holds (a damaged file) shows blank rather than reading
// beyond the list.
std::string caption_of(const char* const* list, Int code, std::size_t width) {
    return fixed_len(code >= 0 && code <= 2 ? list[code] : "", width);
}

void blank_line(Int unit) { write_record(unit, ""); }

// Only MRINIT sets the capacity, and a new case never runs it; a count from a damaged file may
// exceed the 50 members the image holds. Both are brought into range, and stored, on every entry.
void mend_counts(Tpcm& T) {
    if (T.MAXCYL < 1 || T.MAXCYL > kMemberCapacity) T.MAXCYL = kMemberCapacity;
    T.NCYL = std::clamp(T.NCYL, 0, T.MAXCYL);
}

// ---- Main page -----------------------------------------------------------------------------

void write_count_line(const Tpcm& T, Int unit) {
    write_record(unit,
                 Record().put("  1) Number of members (Max ").I(T.MAXCYL, 2).put("): ").I(T.NCYL, 2).str());
}

void write_default_line(const Tpcm& T, Int unit, Int item) {
    const char* labels[3] = {"  2) Default member Mx-damping coefficient ...........",
                             "  3) Default member My-damping coefficient ...........",
                             "  4) Default member Mz-damping coefficient ..........."};
    const Real values[3] = {T.CCOFDX, T.CCOFDY, T.CCOFDZ};
    write_record(unit, Record().put(labels[item - 2]).F(values[item - 2], 10, 2).str());
}

void draw_main_page(Tpcm& T, std::string_view PAGE, Int unit) {
    write_record(unit, Record().t(18).put(" ****  Page ").put(PAGE).put(": Member Particulars  ****").str());
    blank_line(unit);
    write_count_line(T, unit);
    for (Int item = 2; item <= 4; ++item) write_default_line(T, unit, item);
    blank_line(unit);
    write_record(unit, "  5) Suppress hydrostatic warning messages ........... " + YESNO(T.NOWARN));
    T.NMEM = T.NCYL;
    if (T.NCYL != 0) {
        blank_line(unit);
        write_record(unit, Record()
                               .put(" Note: the next ")
                               .I(T.NCYL, 2)
                               .put(" sub-pages consist of individual")
                               .put(" member information.")
                               .str());
    }
}

// Items 2-4: a new default damping coefficient goes to that component of every member in use.
void change_default(Tpcm& T, Int unit, Int item) {
    blank_line(unit);
    write_record(unit, " ++> NOTE: This will change the coefficient for ALL members;");
    write_record(unit, "           press <RETURN> to abort change operation");
    blank_line(unit);
    write_default_line(T, unit, item);
    Real& stored = item == 2 ? T.CCOFDX : item == 3 ? T.CCOFDY : T.CCOFDZ;
    Real value = stored;
    ENTERF(value, unit, KBD_UNIT);
    if (value == stored) {
        blank_line(unit);
        write_record(unit, " ++> To fill all member values with an EXISTING default value,");
        write_record(unit, "     first change to an (intermediate) NEW value,");
        write_record(unit, "     then BACK to the desired original value.");
        Int typed = 0;
        PRSRET(unit, KBD_UNIT, typed);
        return;
    }
    stored = value;
    const Int component = item - 1;
    for (Int m = 1; m <= T.NCYL; ++m) {
        T.DRGCMP(m) = 0;
        T.CYLCD(component, m) = value;
        T.CYLCDI(component, m) = value;
    }
}

// ---- Member sub-page -----------------------------------------------------------------------

std::string triple(const FArray<Real, 3, 50>& table, Int ICYL) {
    const Real* v = member_triple(table, ICYL);
    return Record().F(v[0], 10, 2).F(v[1], 10, 2).F(v[2], 10, 2).str();
}

// The line of a member item, drawn alike on the sub-page and before its prompt.
void write_member_item(const Tpcm& T, Int ICYL, Int item, Int unit) {
    switch (item) {
        case 1:
            write_record(unit, Record().put("  1) Member number: ").I(ICYL, 2).put(" of ").I(T.NCYL, 2).str());
            return;
        case 3:
            write_record(unit, "  3) Axial cross-section profile: " + caption_of(kProfileCaptions, T.NCYLTP(ICYL), 40));
            return;
        case 4: write_record(unit, "  4) Member dimensions (Mx,My,Mz) .........." + triple(T.DIAMS, ICYL)); return;
        case 5:
            write_record(unit, Record()
                                   .put("  5) Cross-sectional area ............................")
                                   .F(T.XAREA(ICYL), 10, 2)
                                   .put(" square")
                                   .put(UNITP(T.NUNTS + 7))
                                   .str());
            return;
        case 10: write_record(unit, " 10) (Vx,Vy,Vz) coordinate of member base:  " + triple(T.RCYLB, ICYL)); return;
        case 11:
            write_record(unit, " 11) Base end termination type: " + caption_of(kEndCaptions, T.BOTTYP(ICYL), 16));
            return;
        case 12: write_record(unit, " 12) (Vx,Vy,Vz) coordinate of member top:   " + triple(T.RCYLT, ICYL)); return;
        case 13:
            write_record(unit, " 13) Top end termination type:  " + caption_of(kEndCaptions, T.TOPTYP(ICYL), 16));
            return;
        case 15:
            write_record(unit, " 15) Added mass/moment coefficients: " + caption_of(kMassCaptions, T.MASCMP(ICYL), 40));
            return;
        case 16: write_record(unit, " 16) (Mx,My,Mz) Added mass coefficients:    " + triple(T.CYLCM, ICYL)); return;
        case 17: write_record(unit, " 17) (Mx,My,Mz) Added moment coefficients:  " + triple(T.CYLCMI, ICYL)); return;
        case 18:
            write_record(unit, " 18) Drag/drag moment coefficients: " +
                                   fixed_len(T.DRGCMP(ICYL) == DRAG_DEFAULT ? "Default" : "User-specified", 16));
            return;
        case 19: write_record(unit, " 19) (Mx,My,Mz) Drag coefficients           " + triple(T.CYLCD, ICYL)); return;
        case 20: write_record(unit, " 20) (Mx,My,Mz) Drag moment coefficients:   " + triple(T.CYLCDI, ICYL)); return;
        default: return;
    }
}

void draw_member(Tpcm& T, Int ICYL, Int unit) {
    if (T.LCOPY == 0) CLEAR(unit);
    if (T.MEMDIR(ICYL) == 0) T.MEMDIR(ICYL) = AXIS_VX;
    write_record(unit, Record().t(22).put(" +++ Member Specification +++").str());
    blank_line(unit);
    const bool prismatic = T.MEMTYP(ICYL) == 0;
    write_member_item(T, ICYL, 1, unit);
    if (prismatic) write_member_item(T, ICYL, 3, unit);
    blank_line(unit);
    write_member_item(T, ICYL, 4, unit);
    if (prismatic) write_member_item(T, ICYL, 5, unit);
    for (Int group : {10, 12, 15, 18}) {
        blank_line(unit);
        write_member_item(T, ICYL, group, unit);
        write_member_item(T, ICYL, group + 1, unit);
        if (group >= 15) write_member_item(T, ICYL, group + 2, unit);
    }
    blank_line(unit);
    write_record(unit, " (\"C\", \"D\", \"I\" to Copy, Delete, Insert)");
}

// Member check after an edit of a member whose added-mass coefficients are computed: a pause when
// anything was reported, and typed coefficients again after a fatal finding.
void check_member(Tpcm& T, Int ICYL, Int unit) {
    Int WARNEM = 0;
    Int FWARN = 0;
    Int WRNFLG = 0;
    Int PRCFLG = 0;
    CLEAR(unit);
    CHKPAK(ICYL, WARNEM, FWARN, WRNFLG, PRCFLG);
    if (WRNFLG != 0) {
        Int typed = 0;
        PRSRET(unit, KBD_UNIT, typed);
    }
    if (FWARN != 0) T.MASCMP(ICYL) = MASS_USER;
}

void check_if_computed(Tpcm& T, Int ICYL, Int unit) {
    if (T.MASCMP(ICYL) != MASS_USER) check_member(T, ICYL, unit);
}

// A choice from a selection list, 0 to MAXC (0 or a blank: no change).
Int read_choice(Int unit, Int MAXC) {
    Int choice = 0;
    ENTERI(choice, unit, KBD_UNIT);
    MAXCHK(choice, MAXC);
    return choice;
}

void read_triple(FArray<Real, 3, 50>& table, Int ICYL, std::string_view prompt, Int unit, Logical& CR) {
    WRTLIN(prompt, static_cast<Int>(prompt.size()), unit);
    Real* v = member_triple(table, ICYL);
    CRREAL(v[0], v[1], v[2], CR, KBD_UNIT);
}

void profile_selection(Tpcm& T, Int ICYL, Int unit) {
    CLEAR(unit);
    blank_line(unit);
    write_record(unit, " +++ Axial Cross-Section Profile Selection +++");
    blank_line(unit);
    write_record(unit, " 1) Rectangular");
    write_record(unit, " 2) Circular/elliptic");
    write_record(unit, " 3) Rectangular/elliptic (intermediate)");
    blank_line(unit);
    const Int choice = read_choice(unit, 3);
    if (choice != 0) T.NCYLTP(ICYL) = choice - 1;
    check_if_computed(T, ICYL, unit);
}

void edit_dimensions(Tpcm& T, Int ICYL, Int unit) {
    write_member_item(T, ICYL, 4, unit);
    Logical CR = 0;
    read_triple(T.DIAMS, ICYL, "Enter new (Mx,My,Mz) dimensions: ", unit, CR);
    const Real* d = member_triple(T.DIAMS, ICYL);
    if (d[0] != d[1] && (d[2] < d[0] || d[2] < d[1])) {
        LINES(unit, 2);
        write_record(unit, " ++> WARNING: The largest member dimension is NOT the axial dimension Mz.");
        write_record(unit, "              Be sure this is what you want...");
        Int typed = 0;
        PRSRET(unit, KBD_UNIT, typed);
    }
    if (CR == 0) check_if_computed(T, ICYL, unit);
}

void edit_end_point(Tpcm& T, Int ICYL, Int item, Int unit) {
    write_member_item(T, ICYL, item, unit);
    Logical CR = 0;
    read_triple(item == 10 ? T.RCYLB : T.RCYLT, ICYL, "Enter new (Vx,Vy,Vz) coordinate: ", unit, CR);
    if (T.MEMTYP(ICYL) == 0) {
        Real ALNGTH = 0.0f;
        VECLEN(member_triple(T.RCYLT, ICYL), member_triple(T.RCYLB, ICYL), ALNGTH, T.MEMDIR(ICYL));
    }
}

void end_type_selection(Tpcm& T, Int ICYL, Int item, Int unit) {
    SHOSEL(unit, item == 11 ? "Base" : " Top");
    const Int choice = read_choice(unit, MXNDTP);
    if (choice == 0) return;
    (item == 11 ? T.BOTTYP(ICYL) : T.TOPTYP(ICYL)) = choice - 1;
    check_if_computed(T, ICYL, unit);
}

void added_mass_selection(Tpcm& T, Int ICYL, Int unit) {
    CLEAR(unit);
    blank_line(unit);
    write_record(unit, " +++ Added Mass Specification Options +++");
    blank_line(unit);
    write_record(unit, " 1) User-specified");
    write_record(unit, " 2) Computed (deep water assumption)");
    write_record(unit, " 3) Computed (with surface correction)");
    const Int choice = read_choice(unit, 3);
    if (choice != 0) T.MASCMP(ICYL) = choice - 1;
    check_if_computed(T, ICYL, unit);
}

void edit_coefficients(Tpcm& T, Int ICYL, Int item, Int unit) {
    FArray<Real, 3, 50>& table = item == 16 ? T.CYLCM : item == 17 ? T.CYLCMI : item == 19 ? T.CYLCD : T.CYLCDI;
    write_member_item(T, ICYL, item, unit);
    Logical CR = 0;
    read_triple(table, ICYL, "Enter new (Mx,My,Mz) coefficients: ", unit, CR);
}

// ---- Copy, delete, insert ------------------------------------------------------------------

void copy_triple(FArray<Real, 3, 50>& table, Int from, Int to) {
    for (Int k = 1; k <= 3; ++k) table(k, to) = table(k, from);
}

// Hands each of a member's scalar fields (every one but its coordinate and coefficient triples) to
// VISIT, as the whole array over the members.
template <class Visit>
void for_each_scalar_field(Tpcm& T, Visit visit) {
    visit(T.XAREA);
    visit(T.MEMTYP);
    visit(T.NCYLTP);
    visit(T.MASCMP);
    visit(T.DRGCMP);
    visit(T.BOTTYP);
    visit(T.TOPTYP);
    visit(T.MEMDIR);
}

void copy_scalar_fields(Tpcm& T, Int from, Int to) {
    for_each_scalar_field(T, [&](auto& field) { field(to) = field(from); });
}

std::array<FArray<Real, 3, 50>*, 7> member_triples(Tpcm& T) {
    return {&T.RCYLB, &T.RCYLT, &T.DIAMS, &T.CYLCM, &T.CYLCMI, &T.CYLCD, &T.CYLCDI};
}

// Every field of member FROM into member TO.
void copy_member(Tpcm& T, Int from, Int to) {
    copy_scalar_fields(T, from, to);
    for (FArray<Real, 3, 50>* table : member_triples(T)) copy_triple(*table, from, to);
}

void clear_member(Tpcm& T, Int m) {
    for_each_scalar_field(T, [&](auto& field) { field(m) = 0; });
    for (FArray<Real, 3, 50>* table : member_triples(T))
        for (Int k = 1; k <= 3; ++k) (*table)(k, m) = 0.0f;
}

void delete_member(Tpcm& T, Int ICYL) {
    for (Int J = ICYL; J <= T.MAXCYL - 1; ++J) copy_member(T, J + 1, J);
}

void insert_member(Tpcm& T, Int ICYL) {
    for (Int J = T.MAXCYL; J >= ICYL + 1; --J) copy_member(T, J - 1, J);
    clear_member(T, ICYL);
}

void draw_transformation_page(Int unit) {
    CLEAR(unit);
    LINES(unit, 2);
    write_record(unit, " +++   Coordinate Transformation Properties  +++");
    write_record(unit, "         (<Return> for no transformation)");
    blank_line(unit);
    write_record(unit, " 1) Reflect about Vx-Vz plane  (x,y) -> (x, -y)");
    write_record(unit, " 2) Reflect about Vy-Vz plane  (x,y) -> (-x, y)");
    write_record(unit, " 3) Reflect through origin     (x,y) -> (-x,-y)");
    write_record(unit, " 4) Reflect about x-y diagonal (x,y) -> (y,  x)");
    write_record(unit, " 5) Counter-Clockwise rotation about z-axis");
    LINES(unit, 2);
    write_plan_sketch(unit);
    blank_line(unit);
    write_record(unit, "          (Vz is out of screen)");
    blank_line(unit);
}

// The transformed plan position of a point; z never changes.
void transform(Int selection, Real angle, Real& x, Real& y) {
    const Real x0 = x;
    const Real y0 = y;
    switch (selection) {
        case 1: y = -y0; break;
        case 2: x = -x0; break;
        case 3:
            x = -x0;
            y = -y0;
            break;
        case 4:
            x = y0;
            y = x0;
            break;
        case 5: {
            const Real theta = angle / kDegreesPerRadian;
            x = x0 * std::cos(theta) - y0 * std::sin(theta);
            y = x0 * std::sin(theta) + y0 * std::cos(theta);
            break;
        }
        default: break;
    }
}

void copy_into(Tpcm& T, Int ICYL, Int unit) {
    CLEAR(unit);
    WRTLIN("Copy data from which member? : ", 31, unit);
    Int NEWCYL = 0;
    Int typed = 0;
    READI(NEWCYL, KBD_UNIT, typed);
    if (NEWCYL == 0) return;
    MAXCHK(NEWCYL, T.NCYL);
    if (NEWCYL == 0) return;

    copy_scalar_fields(T, NEWCYL, ICYL);
    Real base[3];
    Real top[3];
    std::copy_n(member_triple(T.RCYLB, NEWCYL), 3, base);
    std::copy_n(member_triple(T.RCYLT, NEWCYL), 3, top);

    Int selection = 0;
    Real ANGLE = 0.0f;
    for (;;) {
        draw_transformation_page(unit);
        ENTSEL(selection, unit, KBD_UNIT, T.IPAG);
        if (selection == NAV_HELP) {
            CYHLP3(unit, KBD_UNIT, T.IPAG);
            continue;
        }
        if (selection == 5) {
            WRTLIN("Enter C-Clockwise rotation about vertical (degrees): ", 53, unit);
            ANGLE = 0.0f;
            Logical CR = 0;
            CRREAD(ANGLE, CR, KBD_UNIT);
            if (CR != 0) continue;
        }
        break;
    }
    transform(selection, ANGLE, base[0], base[1]);
    transform(selection, ANGLE, top[0], top[1]);
    std::copy_n(base, 3, member_triple(T.RCYLB, ICYL));
    std::copy_n(top, 3, member_triple(T.RCYLT, ICYL));
    for (FArray<Real, 3, 50>* table : {&T.DIAMS, &T.CYLCM, &T.CYLCMI, &T.CYLCD, &T.CYLCDI})
        copy_triple(*table, NEWCYL, ICYL);
}

enum class After { Redraw, MainPage, Return };

// One selection on member ICYL's sub-page.
After member_selection(Tpcm& T, Int& ICYL, Int unit) {
    ENTSEL(T.LBACK, unit, KBD_UNIT, T.IPAG);
    const Int choice = T.LBACK;
    switch (choice) {
        case NAV_HELP: CYHLP2(unit, KBD_UNIT, T.IPAG); return After::Redraw;
        case NAV_M: return After::Redraw;
        case NAV_C: copy_into(T, ICYL, unit); return After::Redraw;
        case NAV_D: delete_member(T, ICYL); return After::Redraw;
        case NAV_I: insert_member(T, ICYL); return After::Redraw;
        case NAV_BACK:
            if (ICYL <= 1) return After::MainPage;
            --ICYL;
            return After::Redraw;
        case 0:
            ++ICYL;
            T.LBACK = 1;
            return After::Redraw;  // the walk returns to the driver after the last member
        default: break;
    }
    if (choice < 0) return After::Return;
    const bool prismatic = T.MEMTYP(ICYL) == 0;
    switch (choice) {
        case 1:
            write_member_item(T, ICYL, 1, unit);
            ENTERI(ICYL, unit, KBD_UNIT);
            MAXCHK(ICYL, T.NCYL);
            if (ICYL == 0) ICYL = 1;
            break;
        case 3:
            if (prismatic) profile_selection(T, ICYL, unit);
            break;
        case 4: edit_dimensions(T, ICYL, unit); break;
        case 5:
            write_member_item(T, ICYL, 5, unit);
            ENTERF(T.XAREA(ICYL), unit, KBD_UNIT);
            break;
        case 10:
        case 12: edit_end_point(T, ICYL, choice, unit); break;
        case 11:
        case 13: end_type_selection(T, ICYL, choice, unit); break;
        case 15: added_mass_selection(T, ICYL, unit); break;
        case 16:
        case 17:
            if (T.MASCMP(ICYL) == MASS_USER) edit_coefficients(T, ICYL, choice, unit);
            break;
        case 18:
            TOGGLE3(T.DRGCMP(ICYL), T.IBATCH, unit, KBD_UNIT, "Default", "User-Specified");
            if (T.DRGCMP(ICYL) == DRAG_DEFAULT) DGCALC(ICYL);
            break;
        case 19:
        case 20:
            if (T.DRGCMP(ICYL) != DRAG_DEFAULT) edit_coefficients(T, ICYL, choice, unit);
            break;
        default: break;
    }
    return After::Redraw;
}

// An item of the main page; a number past the items goes on to the member walk.
PageStep main_item(Tpcm& T, Int choice, Int unit) {
    if (choice > 5) return PageStep::Leave;
    switch (choice) {
        case 1:
            write_count_line(T, unit);
            ENTERI(T.NCYL, unit, KBD_UNIT);
            MAXCHK(T.NCYL, T.MAXCYL);
            break;
        case 5: TOGGLE2(T.NOWARN, T.IBATCH, unit, KBD_UNIT); break;
        default: change_default(T, unit, choice); break;
    }
    return PageStep::Stay;
}

}  // namespace

void CYLNDR(std::string_view PAGE) {
    Tpcm& T = TPCM;
    run_as_drawing([&] { mend_counts(T); });
    Int ICYL = 1;
    PageParts main_page;
    main_page.draw = [&](Int unit) {
        draw_main_page(T, PAGE, unit);
        if (T.NCYL > 0 && ICYL > T.NCYL) ICYL = T.NCYL;
    };
    main_page.help = [&](Int unit) { CYHLP1(unit, KBD_UNIT, T.IPAG); };
    main_page.act = [&](Int choice, Int unit) { return main_item(T, choice, unit); };
    for (;;) {
        // A dump, Return or a number past the items go on from the main page to the member walk.
        run_page({T.EDUNIT, T.LCOPY, T.LBACK, T.IPAG, T.IBATCH}, main_page);
        if (T.LBACK < 0) return;  // a page command, for the driver
        // The member walk keeps a loop of its own: a dump writes every member in turn, Return steps
        // to the next member and the command letters copy, delete, insert or step back. Past the last
        // member (or with none) the driver goes on.
        for (;;) {
            const Int unit = T.EDUNIT;
            if (ICYL > T.NCYL || ICYL <= 0) return;
            run_as_drawing([&] { draw_member(T, ICYL, unit); });
            if (T.LCOPY != 0) {
                T.LBACK = 0;
                TWOPG(T.LCOPY, unit);
                if (ICYL >= T.NCYL) return;
                ++ICYL;
                continue;
            }
            const After after = member_selection(T, ICYL, unit);
            if (after == After::MainPage) break;
            if (after == After::Return) return;
        }
    }
}

}  // namespace brevant
