// Page 4, periods and damping: for heave, pitch and roll whether damping and natural period are
// computed or specified, the specified values, the two switches of the disc-shaped vessel, and the
// page's notes.
#include "edlib/pages/damping_page.h"

#include <span>
#include <string>
#include <string_view>

#include "edlib/pages/vessel_pages.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_drawing.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

namespace {

constexpr Int kLineLength = 56;  // the dotted label fills 57 columns
constexpr Int kLastItem = 14;
constexpr std::string_view kStatusFormat = "(A57,A10)";
constexpr std::string_view kValueFormat = "(A57,F9.2)";
constexpr std::string_view kYesNoFormat = "(A57,3X,A3)";

// ---- Notes ---------------------------------------------------------------------------------

constexpr std::string_view kDampingNote[] = {
    "",
    "     Pitch, roll and heave damping are computed internally unless they",
    "     are given here in percent of critical damping. User values become",
    "     simple linear damping coefficients, independent of the waves,",
    "     whereas the internal estimates are \"equivalent linear damping\"",
    "     coefficients that grow with the wave height.",
};
constexpr std::string_view kPeriodNote[] = {
    "",
    "     Pitch, roll and heave natural periods are normally computed",
    "     internally; they can be given here in special circumstances.",
};
constexpr std::string_view kFeedbackNote[] = {
    "",
    "     Mooring loads are usually negligible beside the wave loads for the",
    "     wave-frequency motions. Very small vessels with stiff moorings",
    "     (such as the CALM buoy of a CALM-tanker system) can, however, have",
    "     surge, sway and yaw natural periods shifted into the band of the",
    "     first-order wave forces. This toggle evaluates the wave-frequency",
    "     motions with or without the mooring feedback.",
};
constexpr std::string_view kStaticNote[] = {
    "",
    "     An unsupported and undocumented debugging option, normally \"no\",",
    "     that can cause long run times, warnings and failures. It writes",
    "     an \"OFFSETS\" output file (in the format of the OFFSETS file of",
    "     the Furnel documentation) giving the six-degree-of-freedom static",
    "     equilibrium position and orientation of the vessel and mooring",
    "     under first-order wave forces and moments, one row per 10 degree",
    "     phase shift of the wave field.",
};

std::span<const std::string_view> note_text(Int IDENT) {
    switch (IDENT) {
        case 1: return kDampingNote;
        case 2: return kPeriodNote;
        case 3: return kFeedbackNote;
        case 4: return kStaticNote;
        default: return {};
    }
}

void blank_line(Int unit) { write_record(unit, ""); }

void write_note(Int unit, Int IDENT) {
    for (std::string_view line : note_text(IDENT)) write_record(unit, line);
}

// ---- The page ------------------------------------------------------------------------------

// The status items 1, 3, ..., 11 and the value items that follow them.
struct Quantity {
    const char* status_label;
    const char* value_label;
    Int Tpcm::*flag;
    Real Tpcm::*value;
};

constexpr Quantity kQuantities[6] = {
    {"Heave damping is", "Heave damping (percent of critical)", &Tpcm::LHVDMP, &Tpcm::HVDAMP},
    {"Pitch damping is", "Pitch damping (percent of critical)", &Tpcm::LPTDMP, &Tpcm::PTDAMP},
    {"Roll damping is", "Roll damping (percent of critical)", &Tpcm::LRLDMP, &Tpcm::RLDAMP},
    {"Heave period is", "Heave period (sec)", &Tpcm::LHVPRD, &Tpcm::HEVPRD},
    {"Pitch period is", "Pitch period (sec)", &Tpcm::LPTPRD, &Tpcm::PITPRD},
    {"Roll period is", "Roll period (sec)", &Tpcm::LRLPRD, &Tpcm::ROLPRD},
};

const Quantity& quantity_of(Int item) { return kQuantities[(item - 1) / 2]; }

bool status_item(Int item) { return item >= 1 && item <= 12 && item % 2 == 1; }

bool item_shown(const Tpcm& T, Int item) {
    if (item < 1 || item > kLastItem) return false;
    if (item == 13) return T.CREATR() >= 10 && T.VESTYP == 4 && T.CREATR() != 16;
    if (item == 14) return T.CREATR() >= 10 && T.VESTYP == 4;
    if (status_item(item)) return true;
    return T.*(quantity_of(item).flag) != 0;
}

Int note_of_item(Int item) {
    if (item <= 6) return 1;
    if (item <= 12) return 2;
    return item == 13 ? 3 : 4;
}

// The line of one shown item; a shown value item other than the last is followed by a blank line.
void write_item(const Tpcm& T, Int item, Int unit) {
    Int I = item;
    if (item >= 13) {
        blank_line(unit);
        if (item == 13) {
            OUTCC0(I, "Feedback mooring forces to wave-frequency motions? ", YESNO(T.MORFBK), kYesNoFormat, unit,
                   kLineLength);
        } else {
            OUTCC0(I, "Output static wave force vs mooring force analysis? ", YESNO(T.CATFBK), kYesNoFormat, unit,
                   kLineLength);
        }
        return;
    }
    const Quantity& q = quantity_of(item);
    if (status_item(item)) {
        OUTCC0(I, q.status_label, T.*(q.flag) == 0 ? " Computed " : " Specified", kStatusFormat, unit, kLineLength);
        return;
    }
    OUTCF0(I, q.value_label, T.*(q.value), kValueFormat, unit, kLineLength);
}

void draw_page(const Tpcm& T, std::string_view PAGE, std::string_view TUGBAR, Int unit) {
    PAGHDR(PAGE, TUGBAR, " Period and Damping Specifications", 74, unit, T.LCOPY);
    for (Int item = 1; item <= kLastItem; ++item) {
        if (!item_shown(T, item)) {
            // The damping and period groups stay apart when the roll damping value is hidden.
            if (item == 6) blank_line(unit);
            continue;
        }
        write_item(T, item, unit);
        if (!status_item(item) && item <= 10) blank_line(unit);
    }
}

// The value item after its line is written once more.
void ask_value(Tpcm& T, Int item, Int unit) {
    Int I = item;
    OUTCF0(I, quantity_of(item).value_label, T.*(quantity_of(item).value), kValueFormat, unit, kLineLength);
    ENTERF(T.*(quantity_of(item).value), unit, KBD_UNIT);
}

void edit_item(Tpcm& T, Int item, Int unit) {
    if (!item_shown(T, item)) return;
    if (item == 13) {
        TOGGLE2(T.MORFBK, T.IBATCH, unit, KBD_UNIT);
    } else if (item == 14) {
        TOGGLE2(T.CATFBK, T.IBATCH, unit, KBD_UNIT);
    } else if (status_item(item)) {
        Int& flag = T.*(quantity_of(item).flag);
        TOGGLE3(flag, T.IBATCH, unit, KBD_UNIT, "Specified", "Computed");
        // Switched to specified: straight on to its value; switched back: the value stays stored.
        if (flag != 0) ask_value(T, item + 1, unit);
    } else {
        ask_value(T, item, unit);
    }
}

}  // namespace

void ITEMNO(Int IOSCRN, Int LINE) {
    blank_line(IOSCRN);
    write_record(IOSCRN, " ++> Item Number " + fmt_I(LINE, LINE < 10 ? 1 : 2));
}

void vessel_notes_title(Int IOSCRN) {
    CLEAR(IOSCRN);
    const std::string stars(21, '*');
    write_record(IOSCRN, Record().x(1).put(stars).x(2).put("Vessel Definition Notes").x(2).put(stars).str());
    blank_line(IOSCRN);
}

void V3HLP(Int IOSCRN, Int KBD, Int& LINE, Int IDENT, Int HLPFLG) {
    vessel_notes_title(IOSCRN);
    if (LINE != 0) {
        ITEMNO(IOSCRN, LINE);
        write_note(IOSCRN, IDENT);
        PRSRET(IOSCRN, KBD, LINE);
        return;
    }
    write_note(IOSCRN, 1);
    write_note(IOSCRN, 2);
    if (HLPFLG == 2) {
        PRSRET(IOSCRN, KBD, LINE);
        CLEAR(IOSCRN);
        write_note(IOSCRN, 3);
        PRSRET(IOSCRN, KBD, LINE);
        CLEAR(IOSCRN);
        write_note(IOSCRN, 4);
    }
    PRSRET(IOSCRN, KBD, LINE);
}

void VESEL3(std::string_view PAGE, std::string_view TUGBAR) {
    Tpcm& T = TPCM;
    PageParts parts;
    parts.clear = false;  // the page header clears the screen
    parts.draw = [&](Int unit) { draw_page(T, PAGE, TUGBAR, unit); };
    parts.help = [&](Int unit) {
        const Int HLPFLG = (T.CREATR() == 13 || T.VESTYP == 4) ? 2 : 1;
        if (T.IPAG == 0) {
            V3HLP(unit, KBD_UNIT, T.IPAG, 0, HLPFLG);
        } else if (T.IPAG > 0 && T.IPAG <= kLastItem && item_shown(T, T.IPAG)) {
            V3HLP(unit, KBD_UNIT, T.IPAG, note_of_item(T.IPAG), HLPFLG);
        }
    };
    parts.act = [&](Int choice, Int unit) {
        if (choice <= kLastItem) edit_item(T, choice, unit);
        return PageStep::Stay;
    };
    run_page({T.EDUNIT, T.LCOPY, T.LBACK, T.IPAG, T.IBATCH}, parts);
}

}  // namespace brevant
