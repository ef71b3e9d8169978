// Page 3, gyradii and bilge: the three gyradii, the bilge radius and keel, the speed (shown and typed
// in knots, stored in ft/s or m/s), the direction of motion, trim and heel, the two user RAO switches
// and the page's notes.
#include "edlib/pages/gyradii_page.h"

#include <span>
#include <string>
#include <string_view>

#include "edlib/pages/damping_page.h"
#include "edlib/pages/vessel_pages.h"
#include "records/data_image.h"
#include "sysutl/captions.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_drawing.h"
#include "sysutl/paging.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

namespace {

constexpr Int kLineLength = 56;  // the dotted label fills 57 columns
constexpr Int kLastItem = 14;
constexpr std::string_view kRealFormat = "(A57,F10.2,1X,A6)";
constexpr std::string_view kYesNoFormat = "(A57,3X,A3)";

// Short unit captions: "ft" (English; "m" follows it) and the blank one.
constexpr Int kLengthCaption = 7;
constexpr Int kBlankCaption = 21;

// The knot factors of the page, deliberately these single-precision values.
constexpr Real kKnotFeet = 1.687f;
constexpr Real kKnotMeters = 0.514f;

// ---- Notes ---------------------------------------------------------------------------------

constexpr std::string_view kPitchNote[] = {
    "",
    "     For slender displacement hulls the pitch gyradius is usually",
    "     between 0.24 and 0.30 times the vessel length.",
};
constexpr std::string_view kRollNote[] = {
    "",
    "     For displacement hulls of conventional form the roll gyradius is",
    "     usually between 0.28 and 0.40 times the beam; most vessels lie",
    "     between 0.32 and 0.36 times the beam. Loaded wing tanks or",
    "     especially deep hulls give values near the upper limits.",
};
constexpr std::string_view kYawNote[] = {
    "",
    "     For slender displacement hulls the yaw gyradius is usually",
    "     comparable to, and slightly larger than, the pitch gyradius.",
    "     An approximate rule is",
    "",
    "          Yaw gyradius = SQRT(Pg^2 + Rg^2)",
    "",
    "     with Pg and Rg the pitch and roll gyradii.",
};
constexpr std::string_view kKeelNote[] = {
    "",
    "     The bilge radius and the presence of a bilge keel set the level",
    "     of square-law roll damping. When a bilge keel is present the",
    "     bilge radius is not used.",
};
constexpr std::string_view kKeelLengthNote[] = {
    "",
    "     The bilge keel length must be given. For Voskarn it is normally",
    "     the vessel circumference.",
};
constexpr std::string_view kKeelWidthNote[] = {
    "",
    "     The average bilge keel width, from the attach line to the",
    "     outboard edge of the keel, must be given.",
};
constexpr std::string_view kKeelDistanceNote[] = {
    "",
    "     The average plan-view distance from the vessel centerline (or",
    "     the axis of symmetry for Voskarn) to the bilge keel attach line",
    "     must be given.",
};
constexpr std::string_view kSpeedNote[] = {
    "",
    "     The mean motion of the vessel relative to the water changes the",
    "     relation between encounter period and wavelength. In unusual",
    "     cases (a large negative forward speed, for example) one encounter",
    "     period belongs to two wavelengths, which makes an irregular-wave",
    "     spectrum defined in the vessel frame ambiguous. Use this option",
    "     with caution, mainly to study the effect of forward speed on the",
    "     RAOs.",
};
constexpr std::string_view kDirectionNote[] = {
    "",
    "     The vessel speed has a direction in the global right-handed",
    "     coordinate system; 0 degrees means forward speed. Motion towards",
    "     90 degrees is physically a \"current\" with a 270 degree",
    "     \"heading\".",
};
constexpr std::string_view kTrimHeelNote[] = {
    "",
    "     Positive trim and heel angles are right-hand-rule rotations about",
    "     the pitch (Vy) and roll (Vx) axes. Responses in all six degrees",
    "     of freedom are reported in an earth-relative system whose",
    "     vertical axis is perpendicular to the waterplane, whatever the",
    "     trim and heel. The corrections are valid for small angles (below",
    "     10 degrees).",
};
constexpr std::string_view kUserRaoNote[] = {
    "",
    "     User RAOs need a formatted input file of complex dimensionless",
    "     RAOs about the center of gravity for all six degrees of freedom,",
    "     on a two-dimensional array of circular wave frequencies and wave",
    "     headings (angular RAOs in degrees of motion per degree of wave",
    "     slope). They are interpolated for other frequencies and headings.",
};
constexpr std::string_view kDeckVerticalNote[] = {
    "",
    "     With user RAOs and a nonzero trim or heel angle the coordinate",
    "     system of the RAOs must be chosen:",
    "       \"Deck Vertical\":  heave perpendicular to the deck, yaw about",
    "                         the deck normal;",
    "       \"Earth Vertical\": heave perpendicular to the water surface,",
    "                         yaw about its normal.",
    "     The toggle chooses between them.",
};

std::span<const std::string_view> note_text(Int IDENT) {
    switch (IDENT) {
        case 1: return kPitchNote;
        case 2: return kRollNote;
        case 3: return kYawNote;
        case 5: return kKeelNote;
        case 6: return kKeelLengthNote;
        case 7: return kKeelWidthNote;
        case 8: return kKeelDistanceNote;
        case 9: return kSpeedNote;
        case 14: return kDirectionNote;
        case 10:
        case 11: return kTrimHeelNote;
        case 12: return kUserRaoNote;
        case 13: return kDeckVerticalNote;
        default: return {};
    }
}

void blank_line(Int unit) { write_record(unit, ""); }

void write_note(Int unit, Int IDENT) {
    for (std::string_view line : note_text(IDENT)) write_record(unit, line);
    if (IDENT == 12) {
        // The limits of the user RAO table.
        write_record(unit, Record().put("     Maximum number of array frequencies = ").I(121, 3).str());
        write_record(unit, Record().put("     Maximum number of attack angles in [0,360] circle = ").I(145, 3).str());
    }
}

// The pause that ends a screen of the whole set, then a clean screen for the next one.
void next_screen(Int IOSCRN, Int KBD, Int& LINE) {
    PRSRET(IOSCRN, KBD, LINE);
    CLEAR(IOSCRN);
}

// ---- The page ------------------------------------------------------------------------------

struct RealItem {
    const char* label;
    Real Tpcm::*word;
    Int caption;  // English index; -1: none
};

Real speed_in_knots(const Tpcm& T) { return T.NUNTS == 0 ? T.VFWD / kKnotFeet : T.VFWD / kKnotMeters; }

bool item_shown(const Tpcm& T, Int item) {
    switch (item) {
        case 6:
        case 7:
        case 8: return T.LKEEL != 0;
        case 10: return T.VFWD != 0.0f;
        case 11:
        case 12: return T.CREATR() != 16;
        case 13: return T.CREATR() != 8;
        case 14: return T.AUXVSH != 0 && (T.TRIMDG != 0.0f || T.HEELDG != 0.0f);
        default: return item >= 1 && item <= kLastItem;
    }
}

Int note_of_item(Int item) {
    switch (item) {
        case 10: return 14;
        case 11: return 10;
        case 12: return 11;
        case 13: return 12;
        case 14: return 13;
        default: return item;
    }
}

// The real items other than the speed.
RealItem real_item(Int item) {
    switch (item) {
        case 1: return {"Pitch Gyradius", &Tpcm::PGYR, kLengthCaption};
        case 2: return {"Roll Gyradius", &Tpcm::RGYR, kLengthCaption};
        case 3: return {"Yaw Gyradius", &Tpcm::YGYR, kLengthCaption};
        case 4: return {"Bilge radius at maximum beam station", &Tpcm::BILGR, kLengthCaption};
        case 6: return {"Bilge keel length", &Tpcm::TKEEL, kLengthCaption};
        case 7: return {"Bilge keel width", &Tpcm::RKEEL, kLengthCaption};
        case 8: return {"Inboard keel-to-vessel centerline distance", &Tpcm::DKEEL, kLengthCaption};
        case 10: return {"Global direction of vessel motion (degrees)", &Tpcm::VGLDIR, -1};
        case 11: return {"Trim angle (deg; bow down positive)", &Tpcm::TRIMDG, -1};
        default: return {"Heel angle (deg; starboard down positive)", &Tpcm::HEELDG, -1};
    }
}

// The line of one item (which must be shown); item 9 shows the speed in knots.
void write_item(const Tpcm& T, Int item, Int unit) {
    Int I = item;
    switch (item) {
        case 5: OUTCC0(I, "Is there a bilge keel", YESNO(T.LKEEL), kYesNoFormat, unit, kLineLength); return;
        case 9:
            OUTCFU(I, "Vessel speed (knots)", speed_in_knots(T), kRealFormat, kBlankCaption, unit, kLineLength);
            return;
        case 13:
            OUTCC0(I, "Utilize user-supplied vessel RAO data", YESNO(T.AUXVSH), kYesNoFormat, unit, kLineLength);
            return;
        case 14:
            OUTCC0(I, "User RAOs in Deck-Vertical Coordinate System?", YESNO(T.DECKUP), kYesNoFormat, unit,
                   kLineLength);
            return;
        default: {
            const RealItem it = real_item(item);
            const Int caption = it.caption < 0 ? kBlankCaption : unit_caption_index(it.caption, T.NUNTS);
            OUTCFU(I, it.label, T.*(it.word), kRealFormat, caption, unit, kLineLength);
        }
    }
}

void draw_page(const Tpcm& T, std::string_view PAGE, std::string_view TUGBAR, Int unit) {
    PAGHDR(PAGE, TUGBAR, " Gyradii and Bilge Specifications", 74, unit, T.LCOPY);
    for (Int item = 1; item <= kLastItem; ++item) {
        if (item == 13 && item_shown(T, 13)) blank_line(unit);
        if (item_shown(T, item)) write_item(T, item, unit);
        if (item == 3 || item == 8 || item == 10) blank_line(unit);
    }
}

// Carries out a selected item: a shown value is asked for, a shown switch flipped; a hidden item
// does nothing.
void edit_item(Tpcm& T, Int item, Int unit) {
    if (!item_shown(T, item)) return;
    switch (item) {
        case 5: TOGGLE2(T.LKEEL, T.IBATCH, unit, KBD_UNIT); return;
        case 13: TOGGLE2(T.AUXVSH, T.IBATCH, unit, KBD_UNIT); return;
        case 14: TOGGLE2(T.DECKUP, T.IBATCH, unit, KBD_UNIT); return;
        case 9: {
            Real VFWDP = speed_in_knots(T);
            write_item(T, 9, unit);
            ENTERF(VFWDP, unit, KBD_UNIT);
            T.VFWD = T.NUNTS == 0 ? VFWDP * kKnotFeet : VFWDP * kKnotMeters;
            return;
        }
        default:
            write_item(T, item, unit);
            ENTERF(T.*(real_item(item).word), unit, KBD_UNIT);
            return;
    }
}

}  // namespace

void V2HELP(Int IOSCRN, Int KBD, Int& LINE, Int IDENT) {
    vessel_notes_title(IOSCRN);
    if (LINE != 0) {
        ITEMNO(IOSCRN, LINE);
        if (note_text(IDENT).empty()) {
            write_record(IOSCRN, " ++> Sorry, no help for this item...");
            blank_line(IOSCRN);
        } else {
            write_note(IOSCRN, IDENT);
        }
        PRSRET(IOSCRN, KBD, LINE);
        return;
    }
    for (Int id : {1, 2, 3}) write_note(IOSCRN, id);
    next_screen(IOSCRN, KBD, LINE);
    for (Int id : {5, 6, 7, 8}) write_note(IOSCRN, id);
    next_screen(IOSCRN, KBD, LINE);
    for (Int id : {9, 14}) write_note(IOSCRN, id);
    next_screen(IOSCRN, KBD, LINE);
    write_note(IOSCRN, 10);
    next_screen(IOSCRN, KBD, LINE);
    for (Int id : {12, 13}) write_note(IOSCRN, id);
    PRSRET(IOSCRN, KBD, LINE);
}

void VESEL2(std::string_view PAGE, std::string_view TUGBAR) {
    Tpcm& T = TPCM;
    for (;;) {
        const Int unit = T.EDUNIT;
        draw_page(T, PAGE, TUGBAR, unit);
        T.LBACK = 0;
        if (T.LCOPY != 0) {
            TWOPG(T.LCOPY, unit);
            T.LBACK = 0;
            return;
        }
        ENTSEL(T.LBACK, unit, KBD_UNIT, T.IPAG);
        const Int choice = T.LBACK;
        if (choice == NAV_HELP) {
            if (T.IPAG == 0) {
                V2HELP(unit, KBD_UNIT, T.IPAG, 0);
            } else if (T.IPAG > 0 && T.IPAG <= kLastItem && item_shown(T, T.IPAG)) {
                V2HELP(unit, KBD_UNIT, T.IPAG, note_of_item(T.IPAG));
            }
            continue;
        }
        if (choice <= 0) return;  // Return or a page command, for the driver
        if (choice <= kLastItem) edit_item(T, choice, unit);
    }
}

}  // namespace brevant
