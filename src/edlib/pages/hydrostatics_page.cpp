// Page 2, the hydrostatic characteristics: the numbered item lines, the walk that resumes at a
// chosen item to edit it or show its note, the vessel-type sub-page, the opening of the tanker
// database, and the two help screens.
#include "edlib/pages/hydrostatics_page.h"

#include <span>
#include <string>
#include <string_view>

#include "edlib/pages/tanker_database.h"
#include "edlib/pages/vessel_pages.h"
#include "records/data_image.h"
#include "sysutl/captions.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_drawing.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr Int kLineLength = 56;   // the dotted label fills 57 columns
constexpr Int kLastItem = 12;
constexpr std::string_view kNumberFormat = "(A57,F11.2,1X,A6)";
constexpr std::string_view kTypeFormat = "(A57,A26)";

// Short unit captions (English index; the metric one follows it).
constexpr Int kWeightCaption = 0;   // k.lbs
constexpr Int kLengthCaption = 7;   // ft
constexpr Int kAreaCaption = 19;    // ft^2

// Items 1-10: a number in a word of the data image, its caption and its note code.
struct NumberItem {
    const char* label;
    Real Tpcm::*word;
    Int caption;
    Int note;
};

constexpr NumberItem kNumberItems[10] = {
    {"Vessel displacement", &Tpcm::DISPL, kWeightCaption, 1},
    {"Transverse metacentric height (KMT)", &Tpcm::VKMT, kLengthCaption, 2},
    {"Longitudinal metacentric height (KML)", &Tpcm::VKML, kLengthCaption, 3},
    {"Vertical center of buoyancy (VKB)", &Tpcm::VKB, kLengthCaption, 4},
    {"Vertical center of gravity (VKG)", &Tpcm::VKG, kLengthCaption, 5},
    {"LCG-to-Midships distance", &Tpcm::CG_to_Midship, kLengthCaption, 15},
    {"Vessel water plane area", &Tpcm::AWP, kAreaCaption, 6},
    {"Length of vessel at waterline", &Tpcm::LWL, kLengthCaption, 7},
    {"Beam of vessel at waterline", &Tpcm::BWL, kLengthCaption, 8},
    {"Mean vessel draft", &Tpcm::DRAFT, kLengthCaption, 9},
};
constexpr Int kTypeNote = 10;
constexpr Int kTankerNote = 11;

constexpr const char* kTypeCaptions[6] = {
    " Ship/barge/tanker", " Floating Jack-up ", " Semisubmersible", " Disc-shaped vessel", " Tension Leg Platform",
    " Caisson Spar",
};
constexpr const char* kTypeMenu[6] = {
    " 1) Displacement hull (ship/barge/tanker)",
    " 2) Floating Jack-up",
    " 3) Semisubmersible",
    " 4) Disc-shaped vessel (CALM buoy, arctic drillship)",
    " 5) Tension Leg Platform",
    " 6) Caisson Spar",
};

// ---- Notes ---------------------------------------------------------------------------------

constexpr std::string_view kDisplacementNote[] = {
    "",
    "     The vessel displacement is the total weight of the vessel being",
    "     simulated.",
};
constexpr std::string_view kMetacentreNote[] = {
    "",
    "     The metacentric height KM (transverse or longitudinal), the",
    "     metacentric height GM, VKG, VKB and the moment of inertia IWP of",
    "     the water plane are related by",
    "",
    "          GM = KM - VKG",
    "          GM = IWP/(Displacement Volume) - (VKG-VKB)",
    "",
    "     For a rectangular water plane of width B and length L, IWP is",
    "     L*B**3/12 (transverse) and B*L**3/12 (longitudinal). For a",
    "     circular water plane of radius R, IWP is PI*R**4/4.",
};
constexpr std::string_view kBuoyancyNote[] = {
    "",
    "     VKB should be taken from the vessel hydrostatics. For displacement-",
    "     hulled offshore vessels it is generally 1.0 to 1.2 times half the",
    "     draft.",
};
constexpr std::string_view kGravityNote[] = {
    "",
    "     VKG should include free-surface corrections, if any.",
};
constexpr std::string_view kMidshipsNote[] = {
    "",
    "     The LCG-to-Midships distance is the longitudinal distance from the",
    "     center of gravity to midships (usually the Lpp/2 point). It is used",
    "     with OCIMF-type moment coefficients, and it is positive for a",
    "     center of gravity aft of midships.",
};
constexpr std::string_view kWaterplaneNote[] = {
    "",
    "     The water plane area can be obtained",
    "       (a) by calculation or estimation,",
    "       (b) as the product of beam, length and the published water plane",
    "           coefficient at the draft, or",
    "       (c) from the hydrostatic immersion curves, as the curve value at",
    "           the draft (for example tons per foot) divided by the water",
    "           density used for the curves (for example tons per cubic foot).",
};
constexpr std::string_view kLengthBeamNote[] = {
    "",
    "     Length and beam are the total waterline lengths projected on the",
    "     appropriate vertical plane, for every vessel type, semisubmersibles",
    "     included. For semisubmersibles they are the sum of the waterlines",
    "     of the individual columns, ignoring blanketing.",
};
constexpr std::string_view kDraftNote[] = {
    "",
    "     The mean draft is the draft in the simulated condition. When trim",
    "     or heel is given, the \"mean\" draft is the draft reached at the same",
    "     displacement with zero trim and heel.",
};
constexpr std::string_view kVesselTypeNote[] = {
    "",
    "     The vessel type selects the wave-frequency simulation that",
    "     evaluates the vessel motion characteristics. The choices are",
    "     listed on the item's sub-page.",
};
constexpr std::string_view kTankerNoteText[] = {
    "",
    "     A built-in database of nominal crude-oil tankers can estimate the",
    "     hydrostatic, inertial and other physical properties of a",
    "     displacement hull. Use the values with caution: variations about",
    "     the mean for one tanker size can reach 20%. They give a starting",
    "     point for most displacement hulls with block coefficients above",
    "     about 0.75.",
};

std::span<const std::string_view> note_text(Int IDENT) {
    switch (IDENT) {
        case 1: return kDisplacementNote;
        case 2:
        case 3: return kMetacentreNote;
        case 4: return kBuoyancyNote;
        case 5: return kGravityNote;
        case 15: return kMidshipsNote;
        case 6: return kWaterplaneNote;
        case 7:
        case 8: return kLengthBeamNote;
        case 9: return kDraftNote;
        case kTypeNote: return kVesselTypeNote;
        case kTankerNote: return kTankerNoteText;
        default: return {};
    }
}

constexpr std::string_view kTypeChoiceProgram[4] = {"Korvell", "Tandril", "Pelmaro", "Voskarn"};

void blank_line(Int unit) { write_record(unit, ""); }

void notes_title(Int IOSCRN) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, Record().x(1).put(std::string(20, '*')).x(2).put("Vessel Definition Notes").x(2)
                             .put(std::string(20, '*')).str());
    blank_line(IOSCRN);
}

// One note of the full set under its heading ("Item Number  n" or "Item Numbers ...").
void full_set_note(Int IOSCRN, std::string_view heading, Int IDENT) {
    blank_line(IOSCRN);
    write_record(IOSCRN, std::string(" ++> ").append(heading));
    write_records(IOSCRN, note_text(IDENT));
}

// The pause between two screens of the full set.
void next_screen(Int IOSCRN, Int KBD, Int& LINE) {
    PRSRET(IOSCRN, KBD, LINE);
    CLEAR(IOSCRN);
}

// ---- The page ------------------------------------------------------------------------------

bool item_11_shown(Int CREATR) { return CREATR == 3 || (CREATR >= 10 && CREATR != 14 && CREATR != 17); }
bool item_12_shown(Int VESTYP) { return VESTYP == 1; }

Int note_of_item(Int item) {
    if (item >= 1 && item <= 10) return kNumberItems[item - 1].note;
    return item == 11 ? kTypeNote : kTankerNote;
}

// Item 11: the vessel-type sub-page, until a choice or a code other than help.
void vessel_type_sub_page() {
    Tpcm& T = TPCM;
    for (;;) {
        const Int unit = T.EDUNIT;
        CLEAR(unit);
        LINES(unit, 2);
        write_record(unit, " +++   Vessel type for wave-frequency dynamics simulation  +++");
        blank_line(unit);
        if (T.CREATR() == 3) {
            // The simulations of creator 3 know only the member-built hulls.
            for (Int type : {3, 5, 6}) write_record(unit, kTypeMenu[type - 1]);
            T.SEMI_LIKE = 1;
        } else {
            for (const char* line : kTypeMenu) write_record(unit, line);
        }
        LINES(unit, 2);
        Int ITMP = 0;
        ENTSEL(ITMP, unit, KBD_UNIT, T.IPAG);
        if (ITMP == NAV_HELP) {
            MRHP3B(unit, KBD_UNIT, T.IPAG, T.CREATR());
            continue;
        }
        MAXCHK(ITMP, 6);
        if (ITMP != 0) {
            T.VESTYP = ITMP;
            T.SEMI_LIKE = semi_like_type(ITMP) ? 1 : 0;
        }
        return;
    }
}

// Walks the items from LINUM on: writes the line of each item shown, skipping the hidden ones with
// their numbers. With DATUPD set the walk stops at its first item: a help request (LBACK -1978)
// shows that item's note, otherwise the item is edited; a hidden item does neither. Either way the
// page is then drawn again.
void walk_items(std::string_view PAGE, std::string_view TUGBAR, Int& LINUM, bool DATUPD, Int HLPFLG) {
    Tpcm& T = TPCM;
    const Int unit = T.EDUNIT;
    while (LINUM <= kLastItem) {
        const Int item = LINUM;
        const bool shown = item <= 10 || (item == 11 ? item_11_shown(T.CREATR()) : item_12_shown(T.VESTYP));
        if (!shown) {
            ++LINUM;
            if (DATUPD) return;
            continue;
        }
        if (T.LBACK == NAV_HELP) {
            V1HLP(unit, KBD_UNIT, LINUM, note_of_item(item), HLPFLG);
            return;
        }
        if (item <= 10) {
            const NumberItem& it = kNumberItems[item - 1];
            OUTCFU(LINUM, it.label, T.*(it.word), kNumberFormat, unit_caption_index(it.caption, T.NUNTS), unit, kLineLength);
            if (DATUPD) {
                ENTERF(T.*(it.word), unit, KBD_UNIT);
                return;
            }
            continue;
        }
        if (DATUPD) {
            if (item == 11) {
                vessel_type_sub_page();
            } else {
                TANKER(PAGE, TUGBAR);  // may copy its values into the case; its code is not ours
            }
            return;
        }
        blank_line(unit);
        if (item == 11) {
            OUTCC0(LINUM, "Vessel type for simulation", vessel_type_caption(T.VESTYP), kTypeFormat, unit, kLineLength);
        } else {
            OUTTXT(LINUM, "Help for Tanker-Type Physical Characteristics", unit);
        }
    }
}

}  // namespace

std::string vessel_type_caption(Int VESTYP) {
    return fixed_len(VESTYP >= 1 && VESTYP <= 6 ? kTypeCaptions[VESTYP - 1] : " Undefined!", 26);
}

void V1HLP(Int IOSCRN, Int KBD, Int& LINE, Int IDENT, Int HLPFLG) {
    notes_title(IOSCRN);
    if (LINE != 0) {
        blank_line(IOSCRN);
        write_record(IOSCRN, " ++> Item Number " + fmt_I(LINE, LINE < 10 ? 1 : 2));
        const auto text = note_text(IDENT);
        if (text.empty()) {
            write_record(IOSCRN, " ++> Sorry, no help for this item ...");
            blank_line(IOSCRN);
        } else {
            write_records(IOSCRN, text);
        }
        PRSRET(IOSCRN, KBD, LINE);
        return;
    }
    full_set_note(IOSCRN, "Item Number  1", 1);
    full_set_note(IOSCRN, "Item Numbers 2 and 3", 2);
    next_screen(IOSCRN, KBD, LINE);
    full_set_note(IOSCRN, "Item Number  4", 4);
    full_set_note(IOSCRN, "Item Number  5", 5);
    full_set_note(IOSCRN, "Item Number  6", 15);
    next_screen(IOSCRN, KBD, LINE);
    full_set_note(IOSCRN, "Item Number  7", 6);
    full_set_note(IOSCRN, "Item Numbers 8 and 9", 7);
    next_screen(IOSCRN, KBD, LINE);
    full_set_note(IOSCRN, "Item Number 10", 9);
    if (HLPFLG == 2) {
        next_screen(IOSCRN, KBD, LINE);
        full_set_note(IOSCRN, "Item Number 11", kTypeNote);
    }
    full_set_note(IOSCRN, "Item Number 12", kTankerNote);
    PRSRET(IOSCRN, KBD, LINE);
}

void MRHP3B(Int IOSCRN, Int KBD, Int& LINE, Int /*CREATR*/) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, Record().t(18).put("****  Vessel Definition Notes  ****").str());
    const auto choice_note = [&](Int choice) {
        blank_line(IOSCRN);
        write_record(IOSCRN, "     Choosing this type makes the simulation look for the wave-frequency");
        write_record(IOSCRN, std::string("     program ")
                                 .append(kTypeChoiceProgram[choice - 1])
                                 .append(" to evaluate the vessel motion response."));
    };
    if (LINE == 0) {
        for (Int choice = 1; choice <= 4; ++choice) {
            blank_line(IOSCRN);
            write_record(IOSCRN, " ++> Item Number  " + fmt_I(choice, 1));
            choice_note(choice);
        }
    } else {
        blank_line(IOSCRN);
        write_record(IOSCRN, " ++> Item Number  " + fmt_I(LINE, 2));
        if (LINE >= 1 && LINE <= 4) {
            choice_note(LINE);
        } else {
            write_record(IOSCRN, " ++> Sorry, no help for this line...");
            blank_line(IOSCRN);
        }
    }
    PRSRET(IOSCRN, KBD, LINE);
}

void VESEL1(std::string_view PAGE, std::string_view TUGBAR) {
    Tpcm& T = TPCM;
    Int HLPFLG = 1;
    PageParts parts;
    parts.clear = false;  // the page header clears the screen
    parts.draw = [&](Int unit) {
        PAGHDR(PAGE, TUGBAR, " Hydrostatic Characteristics", 74, unit, T.LCOPY);
        Int LINUM = 1;
        T.LBACK = 0;  // the walk takes a help code in LBACK as a request
        walk_items(PAGE, TUGBAR, LINUM, false, HLPFLG);
    };
    // The note of one item, and the edit of a selected one, come from a walk that starts at it.
    parts.help = [&](Int unit) {
        if (T.IPAG == 0) {
            HLPFLG = (T.CREATR() >= 10 && T.CREATR() != 17) ? 2 : 1;
            V1HLP(unit, KBD_UNIT, T.IPAG, 0, HLPFLG);
        } else if (T.IPAG > 0 && T.IPAG <= kLastItem) {
            Int LINUM = T.IPAG;
            walk_items(PAGE, TUGBAR, LINUM, true, HLPFLG);
        }
    };
    parts.act = [&](Int item, Int) {
        if (item <= kLastItem) {
            Int LINUM = item;
            walk_items(PAGE, TUGBAR, LINUM, true, HLPFLG);
        }
        return PageStep::Stay;
    };
    run_page({T.EDUNIT, T.LCOPY, T.LBACK, T.IPAG, T.IBATCH}, parts);
}

}  // namespace brevant
