// The notes of the member page: the main page (CYHLP1), a member sub-page (CYHLP2) and the
// coordinate transformation of a copy (CYHLP3), with the two text sketches they show.
#include <span>
#include <string>
#include <string_view>

#include "edlib/pages/member_page.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

using Text = std::span<const std::string_view>;

constexpr std::string_view kDecompositionNote[] = {
    "",
    "     The vessel must be decomposed into members: surface-piercing",
    "     columns and wholly submerged pontoons. When a column is much",
    "     smaller than the pontoon it joins, the pair is two members",
    "     (Case A: the column stands on one continuous pontoon). Otherwise",
    "     the column ends at the base of the pontoon and the pontoon is",
    "     divided into two members that abut the column (Case B: three",
    "     members). The two ways rarely give greatly different results.",
    "",
    "              Case A                              Case B",
    "   ~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~   ~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~",
    "               |     |                              |     |",
    "               | Mem |                              | Mem |",
    "               |  2  |                              |  2  |",
    "               |     |                              |     |",
    "     +---------+-----+---------+     +-----------+  |     |  +-----------+",
    "     |           Mem 1         |     |   Mem 1   |  |     |  |   Mem 3   |",
    "     +-------------------------+     +-----------+  +-----+  +-----------+",
};
constexpr std::string_view kDefaultDampingNote[] = {
    "",
    "     A changed default square-law damping coefficient is applied to",
    "     all submerged parts of the vessel. The coefficients of each",
    "     member can later be set individually on its member sub-page.",
};
constexpr std::string_view kWarningsNote[] = {
    "",
    "     The program computes hydrostatic characteristics (displacement,",
    "     VKB, VKM, waterplane area) from the member data. When they",
    "     disagree with the values given elsewhere, warnings are issued at",
    "     run time. This item suppresses them; do so with caution.",
};
constexpr std::string_view kProfileNote[] = {
    "",
    "     A member has a well-defined long axis, Mz. A slice perpendicular",
    "     to it shows a rectangular (sharp corners), circular/elliptic (no",
    "     corners) or rectangular/elliptic (rectangular with highly rounded",
    "     corners) section.",
};
constexpr std::string_view kSystemsNote[] = {
    "",
    "     Two coordinate systems are used. The vessel system (Vx,Vy,Vz) is",
    "     right-handed, with its origin on the baseline (usually keel level)",
    "     directly above or below the waterplane centroid; Vx is positive",
    "     forward (towards the bow), Vz positive upwards and Vy positive to",
    "     port. It is the same for all members.",
    "     The member system (Mx,My,Mz) is fixed to the member and right-",
    "     handed, with its origin at the member centroid and Mz along",
    "     either the largest member dimension (the member axis, through",
    "     base and top) or an axis of symmetry. When Mz is vertical the",
    "     member and vessel systems coincide; otherwise Mx lies orthogonal",
    "     to Mz in the vertical plane that contains Mz, and My completes",
    "     the right-handed system.",
    "     Member dimensions are given in the member system.",
};
constexpr std::string_view kAreaNote[] = {
    "",
    "     The cross-sectional area is the area cut from the member by a",
    "     plane perpendicular to Mz.",
};
constexpr std::string_view kEndPointsNote[] = {
    "",
    "     The vessel system (Vx,Vy,Vz) is right-handed, with its origin on",
    "     the baseline directly above or below the waterplane centroid,",
    "     Vx forward, Vy to port and Vz upwards. Base and top are the",
    "     member ends on its Mz axis, given in the vessel system.",
};
constexpr std::string_view kEndTypesNote[] = {
    "",
    "     The termination type governs how added masses and driving forces",
    "     are computed near a member end. A wall-terminated end abuts",
    "     another submerged member of comparable or larger size; a water-",
    "     piercing end is out of the water; a free, submerged end lets",
    "     water circulate without interference from nearby members.",
    "     In the sketch of the main page help (item 1):",
    "       Case A: both ends of member 1 are free; member 2 has one",
    "               piercing and one terminated end.",
    "       Case B: members 1 and 3 have one free and one terminated end",
    "               each; member 2 has one free and one piercing end.",
};
constexpr std::string_view kAddedMassNote[] = {
    "",
    "     Added-mass coefficients are typed in or computed, either with a",
    "     deep-water assumption or with a free-surface correction for a",
    "     submerged member (usually a pontoon) near the waterline; the",
    "     correction formally applies only to horizontal members.",
};
constexpr std::string_view kCoefficientMeaningNote[] = {
    "",
    "     The Mx added-mass coefficient belongs to accelerations along Mx,",
    "     the Mx added-moment coefficient to angular accelerations about",
    "     Mx. For a very long circular cylinder the deep-water coefficients",
    "     perpendicular to its axis are 1.0.",
};
constexpr std::string_view kDragNote[] = {
    "",
    "     Drag coefficients serve the resonant damping and the square-law",
    "     drag driving forces, and are the user's to give. The Mx drag",
    "     coefficient belongs to motions along Mx, the Mx drag-moment",
    "     coefficient to rotations about Mx. Typical values are about 1,",
    "     the default for all coefficients except those for translation",
    "     along, or rotation about, the member z axis, whose default is 0.",
};
constexpr std::string_view kTransformIntro[] = {
    "     This sub-page enters the base and top points of physically",
    "     identical members related by symmetry. Reflections are through",
    "     vertical planes, rotations about vertical axes. The waterplane",
    "     usually has fore-aft as well as port-starboard symmetry. The",
    "     center of gravity is taken to lie above or below the waterplane",
    "     centroid.",
};
constexpr std::string_view kCenterlinePlaneNote[] = {
    "",
    "     The Vx-Vz plane contains the vessel centerline.",
};
constexpr std::string_view kCrossPlaneNote[] = {
    "",
    "     The Vy-Vz plane is perpendicular to the centerline through the",
    "     fore-aft waterplane centroid. Reflecting about both planes equals",
    "     a 180-degree rotation about Vz.",
};

constexpr std::string_view kPlanSketch[] = {
    "                            Vx",
    "                            ^",
    "                     +------|------+",
    "                     |      |      |",
    "                     |      |      |",
    "              Vy <----------o      |",
    "                     |             |",
    "                     |             |",
    "                     +-------------+",
};

constexpr std::string_view kOneItem = " ++> Item Number  ";
constexpr std::string_view kItemList = " ++> Item Numbers ";

void blank_line(Int unit) { write_record(unit, ""); }

// One note of the whole set under its heading.
void set_note(Int unit, std::string_view heading, std::string_view items, Text text) {
    blank_line(unit);
    write_record(unit, std::string(heading).append(items));
    write_records(unit, text);
}

void next_screen(Int IOSCRN, Int KBD, Int& LINE) {
    PRSRET(IOSCRN, KBD, LINE);
    CLEAR(IOSCRN);
}

void member_title(Int IOSCRN) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, Record().t(22).put("****  Member Definition Notes  ****").str());
}

// The note of one item asked about, or the no-help line, then the pause.
void single_note(Int IOSCRN, Int KBD, Int& LINE, Text text, Text more = {}) {
    blank_line(IOSCRN);
    write_record(IOSCRN, std::string(kOneItem).append(fmt_I(LINE, 2)));
    if (text.empty()) {
        write_record(IOSCRN, " ++> Sorry, no help for this line...");
        blank_line(IOSCRN);
    } else {
        write_records(IOSCRN, text);
        write_records(IOSCRN, more);
    }
    PRSRET(IOSCRN, KBD, LINE);
}

}  // namespace

void write_plan_sketch(Int IOSCRN) { write_records(IOSCRN, kPlanSketch); }

void CYHLP1(Int IOSCRN, Int KBD, Int& LINE) {
    member_title(IOSCRN);
    if (LINE != 0) {
        Text text;
        if (LINE == 1) text = kDecompositionNote;
        if (LINE >= 2 && LINE <= 4) text = kDefaultDampingNote;
        if (LINE == 5) text = kWarningsNote;
        single_note(IOSCRN, KBD, LINE, text);
        return;
    }
    set_note(IOSCRN, kOneItem, "1", kDecompositionNote);
    next_screen(IOSCRN, KBD, LINE);
    set_note(IOSCRN, kItemList, "2 -> 4", kDefaultDampingNote);
    set_note(IOSCRN, kOneItem, "5", kWarningsNote);
    PRSRET(IOSCRN, KBD, LINE);
}

void CYHLP2(Int IOSCRN, Int KBD, Int& LINE) {
    member_title(IOSCRN);
    if (LINE != 0) {
        switch (LINE) {
            case 3: single_note(IOSCRN, KBD, LINE, kProfileNote); return;
            case 4: single_note(IOSCRN, KBD, LINE, kSystemsNote); return;
            case 5: single_note(IOSCRN, KBD, LINE, kAreaNote); return;
            case 10:
            case 12: single_note(IOSCRN, KBD, LINE, kEndPointsNote, kPlanSketch); return;
            case 11:
            case 13: single_note(IOSCRN, KBD, LINE, kEndTypesNote); return;
            case 15: single_note(IOSCRN, KBD, LINE, kAddedMassNote, kCoefficientMeaningNote); return;
            case 16:
            case 17: single_note(IOSCRN, KBD, LINE, kCoefficientMeaningNote); return;
            case 18:
            case 19:
            case 20: single_note(IOSCRN, KBD, LINE, kDragNote); return;
            default: single_note(IOSCRN, KBD, LINE, {}); return;
        }
    }
    set_note(IOSCRN, kOneItem, "3", kProfileNote);
    next_screen(IOSCRN, KBD, LINE);
    set_note(IOSCRN, kOneItem, "4", kSystemsNote);
    next_screen(IOSCRN, KBD, LINE);
    set_note(IOSCRN, kOneItem, "5", kAreaNote);
    next_screen(IOSCRN, KBD, LINE);
    set_note(IOSCRN, kItemList, "10,12", kEndPointsNote);
    write_records(IOSCRN, kPlanSketch);
    next_screen(IOSCRN, KBD, LINE);
    set_note(IOSCRN, kItemList, "11,13", kEndTypesNote);
    next_screen(IOSCRN, KBD, LINE);
    set_note(IOSCRN, kOneItem, "15", kAddedMassNote);
    write_records(IOSCRN, kCoefficientMeaningNote);
    next_screen(IOSCRN, KBD, LINE);
    set_note(IOSCRN, kItemList, "16,17", kCoefficientMeaningNote);
    set_note(IOSCRN, kItemList, "18,19,20", kDragNote);
    PRSRET(IOSCRN, KBD, LINE);
}

void CYHLP3(Int IOSCRN, Int KBD, Int& LINE) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, Record().t(20).put("****  Reflection Definition Notes  ****").str());
    blank_line(IOSCRN);
    write_records(IOSCRN, kTransformIntro);
    if (LINE != 0) {
        Text text;
        if (LINE == 1) text = kCenterlinePlaneNote;
        if (LINE == 2 || LINE == 3) text = kCrossPlaneNote;
        single_note(IOSCRN, KBD, LINE, text);
        return;
    }
    set_note(IOSCRN, kOneItem, "1", kCenterlinePlaneNote);
    next_screen(IOSCRN, KBD, LINE);
    set_note(IOSCRN, kItemList, "2, 3", kCrossPlaneNote);
    PRSRET(IOSCRN, KBD, LINE);
}

void SHOSEL(Int EDUNIT, std::string_view TOPBOT) {
    CLEAR(EDUNIT);
    blank_line(EDUNIT);
    write_record(EDUNIT, std::string(" +++ ").append(TOPBOT).append("-End Termination Type Selection +++"));
    blank_line(EDUNIT);
    write_record(EDUNIT, " 1) Free, Submerged");
    write_record(EDUNIT, " 2) Water-piercing");
    write_record(EDUNIT, " 3) Wall-terminated");
    blank_line(EDUNIT);
}

}  // namespace brevant
