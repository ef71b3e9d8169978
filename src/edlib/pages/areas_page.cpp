// Page 8, the environmental areas, moments and enhancement factors, with its help screens.
#include "edlib/pages/areas_page.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "edlib/load_model_flags.h"
#include "edlib/pages/environment_pages.h"
#include "edlib/pages/reflection_factor_flag.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

namespace {

// ---- Help notes -----------------------------------------------------------------------------

constexpr std::string_view kWindAreasNote[] = {
    "",
    "     The effective wind drag areas are the net above-water vessel area",
    "     projected onto the appropriate vertical planes (across the head-on",
    "     and the beam-on direction).",
    "     For tankers, the effect of area centroids away from the center of",
    "     gravity, and of other asymmetries, is taken into account by the",
    "     OCIMF wind coefficients. For barges, the lateral (x,y) centroids of",
    "     the areas, in the vessel coordinate system, must also be given to",
    "     form the wind moments. Where overturning moments are wanted (for",
    "     example for caisson spars), the vertical (z) centroids of the",
    "     areas must be given as well.",
};
constexpr std::string_view kWindFactorNote[] = {
    "",
    "     The wind force enhancement factor acts as an average drag",
    "     coefficient: a constant multiplier on all wind forces and moments.",
    "     It is normally about 1.",
};
constexpr std::string_view kCurrentAreasNote[] = {
    "",
    "     The effective current drag areas are the net below-water vessel",
    "     area projected onto the appropriate vertical planes. Tankers,",
    "     barges and overturning moments are treated as for wind: lateral",
    "     (x,y) centroids for the moments of barges, vertical (z) centroids",
    "     for overturning moments.",
    "     Note that the OCIMF current loads are based on the vessel beam,",
    "     length and draft instead of submerged areas. To duplicate OCIMF loads,",
    "     the specified current areas MUST equal draft times beam (head-on)",
    "     and draft times length (beam-on).",
};
constexpr std::string_view kCurrentFactorNote[] = {
    "",
    "     The current force enhancement factor acts as an average drag",
    "     coefficient: a constant multiplier on all current forces and",
    "     moments. It is normally about 1.",
};
constexpr std::string_view kReflectionSwitchNote[] = {
    "",
    "     This switch gives access to the adjustable parameters of the",
    "     built-in wave reflection (\"drift\") force models of the tanker-type",
    "     vessels. Not all of them apply to every drift model: the bow shape",
    "     factor, for example, is ignored for spars, semis and buoys.",
};
constexpr std::string_view kBowNote[] = {
    "",
    "     The bow shape factor is used for the wave reflection moments and",
    "     the head-on reflection forces of ship-shaped vessels. A value of",
    "     1.0 is roughly a conventional VLCC tanker bow; smaller values stand",
    "     for a sharper bow, larger ones for a blunter bow. Normal values lie",
    "     between 0.5 and 2.0; the extreme upper bound is 2.78. Head-on",
    "     reflection forces are proportional to the factor: 2.0, for an",
    "     extremely blunt barge bow, roughly doubles them.",
};
constexpr std::string_view kSternNote[] = {
    "",
    "     The stern shape factor is used for the stern-on wave reflection",
    "     forces and moments of ship-shaped vessels. A value of 1.25 is",
    "     roughly a conventional VLCC tanker stern. Normal values lie between",
    "     1.0 and 2.0; the extreme upper bound is 2.78. Stern-on reflection",
    "     forces are proportional to the factor; the default 1.25 may be",
    "     raised to 2.0 for an extremely blunt stern.",
};
constexpr std::string_view kReflectionFactorsNote[] = {
    "",
    "     For ship-shaped vessels these factors govern how the regular-wave",
    "     reflection coefficients decline with increasing wave period. They",
    "     have little effect in short-period seas (peak periods of 7 or 8",
    "     seconds or so) and a marked effect for spectra rich in long-period",
    "     waves: raising them above the default 1.0 raises the long-period",
    "     coefficients. The coefficients are sensitive; factors above 1.5 or",
    "     below .5 should never be needed. The program itself can be used to",
    "     explore the sensitivity. For vessels that are not ship-shaped the",
    "     factors are plain constant multipliers of the reflection",
    "     coefficients at all periods.",
};
constexpr std::string_view kVariableReflectionNote[] = {
    "",
    "     The variable wave reflection spectrum enhancement factor adjusts",
    "     the strength of the slowly-varying wave reflection force",
    "     oscillations on its own, for example to match wave-basin group",
    "     spectra that differ from the theoretical ones. The default is 1.0.",
    "     It multiplies all low-frequency wave reflection forcing (surge,",
    "     sway and yaw). For a linear mooring the low-frequency variance is",
    "     multiplied by the same factor; for a nonlinear mooring the change",
    "     also depends on the mooring and on the mean environment.",
};
constexpr std::string_view kAbsorptionSwitchNote[] = {
    "",
    "     This switch gives access to the parameters of the built-in wave",
    "     absorption (\"drag\") force model, a higher-order square-law wave",
    "     effect that may be an important low-frequency forcing in some",
    "     circumstances.",
};
constexpr std::string_view kAbsorptionFactorsNote[] = {
    "",
    "     These are simple multipliers, analogous to the wave reflection",
    "     enhancement factors, on the built-in absorption-based force and",
    "     moment estimates. The defaults are 1; values outside [.5, 2.0] are",
    "     not likely to be physically meaningful.",
};

constexpr std::string_view kOneItem = " ++> Item Number  ";
constexpr std::string_view kItemRange = " ++> Item Numbers ";

void blank_line(Int unit) { write_record(unit, ""); }

void note(Int unit, std::string_view heading, std::string_view items, std::span<const std::string_view> text) {
    blank_line(unit);
    write_record(unit, std::string(heading).append(items));
    write_records(unit, text);
}

// The note that serves one item, empty for an item without one.
std::span<const std::string_view> note_of(Int LINE) {
    if (LINE >= 2 && LINE <= 7) return kWindAreasNote;
    if (LINE == 8) return kWindFactorNote;
    if (LINE >= 12 && LINE <= 17) return kCurrentAreasNote;
    if (LINE == 18) return kCurrentFactorNote;
    if (LINE == 20) return kReflectionSwitchNote;
    if (LINE == 21) return kBowNote;
    if (LINE == 22) return kSternNote;
    if (LINE >= 23 && LINE <= 25) return kReflectionFactorsNote;
    if (LINE == 26) return kVariableReflectionNote;
    if (LINE == 30) return kAbsorptionSwitchNote;
    if (LINE >= 31 && LINE <= 34) return kAbsorptionFactorsNote;
    return {};
}

// ---- The page ---------------------------------------------------------------------------------

// Page-local state of one visit, worked out once on entry.
struct Visit {
    Int SHOFAC = 0;  // the wave-reflection group (21-26) is open
    Int SHODRG = 0;  // the wave-absorption group (31-34) is open
    Int LWNBRG = 0;  // the wind model needs the lateral centroids (3, 6)
    Int LCRBRG = 0;  // the current model needs the lateral centroids (13, 16)
    Int NEWTKR = 0;  // drift-model indicator handed to SETFGS
};

enum class Shown { Always, WindArms, CurrentArms, Vertical, Reflection, Absorption };
enum class Tail { Area, Length, None };

struct ValueItem {
    Int item;
    std::string_view label;
    Real Tpcm::*word;
    Shown shown;
    Tail tail;
    bool blank_before_dots;
};

constexpr ValueItem kValueItems[] = {
    {2, "Head-on effective drag area", &Tpcm::XWNDAR, Shown::Always, Tail::Area, true},
    {3, "Head-on drag area centroid (y, from CG)", &Tpcm::XWARM, Shown::WindArms, Tail::Length, true},
    {4, "Head-on drag area centroid (z, from Keel)", &Tpcm::ZXWARM, Shown::Vertical, Tail::Length, true},
    {5, "Beam-on effective drag area", &Tpcm::YWNDAR, Shown::Always, Tail::Area, true},
    {6, "Beam-on drag area centroid (x, from CG)", &Tpcm::YWARM, Shown::WindArms, Tail::Length, true},
    {7, "Beam-on drag area centroid (z, from Keel)", &Tpcm::ZYWARM, Shown::Vertical, Tail::Length, true},
    {8, "Wind force enhancement factor", &Tpcm::WNDFAC, Shown::Always, Tail::None, true},
    {12, "Head-on effective drag area", &Tpcm::XCURAR, Shown::Always, Tail::Area, true},
    {13, "Head-on drag area centroid (y, from CG)", &Tpcm::XCARM, Shown::CurrentArms, Tail::Length, true},
    {14, "Head-on drag area centroid (z, from Keel)", &Tpcm::ZXCARM, Shown::Vertical, Tail::Length, true},
    {15, "Beam-on effective drag area", &Tpcm::YCURAR, Shown::Always, Tail::Area, true},
    {16, "Beam-on drag area centroid (x, from CG)", &Tpcm::YCARM, Shown::CurrentArms, Tail::Length, true},
    {17, "Beam-on drag area centroid (z, from Keel)", &Tpcm::ZYCARM, Shown::Vertical, Tail::Length, true},
    {18, "Current force enhancement factor", &Tpcm::CURFAC, Shown::Always, Tail::None, true},
    {21, "Bow shape factor", &Tpcm::BOWFAC, Shown::Reflection, Tail::None, true},
    {22, "Stern shape factor", &Tpcm::STRNFC, Shown::Reflection, Tail::None, true},
    {23, "Wave reflection HEAD-ON enhancement factor", &Tpcm::WVFCX, Shown::Reflection, Tail::None, true},
    {24, "Wave reflection BEAM-ON enhancement factor", &Tpcm::WVFCY, Shown::Reflection, Tail::None, true},
    {25, "Wave reflection MOMENT enhancement factor", &Tpcm::WVFCM, Shown::Reflection, Tail::None, false},
    {26, "Variable wave reflection enhancement factor", &Tpcm::VWDFAC, Shown::Reflection, Tail::None, true},
    {31, "Wave absorption HEAD-ON enhancement factor", &Tpcm::WVDGCX, Shown::Absorption, Tail::None, true},
    {32, "Wave absorption BEAM-ON enhancement factor", &Tpcm::WVDGCY, Shown::Absorption, Tail::None, true},
    {33, "Wave absorption MOMENT enhancement factor", &Tpcm::WVDGCM, Shown::Absorption, Tail::None, false},
    {34, "Variable wave absorption enhancement factor", &Tpcm::VWDRGFC, Shown::Absorption, Tail::None, true},
};

// The order of the page: item numbers, and 0 for an empty line. A hidden value item leaves no line
// of its own; the empty lines stay, so an empty line stands where a hidden vertical centroid was.
constexpr Int kLayout[] = {1,  0,  2,  3,  4,  0,  5,  6,  7,  0,  8,  0,  0,  11, 0,  12, 13, 14, 0,
                           15, 16, 17, 0,  18, 0,  0,  20, 0,  21, 22, 23, 24, 25, 26, 0,  0,  30, 0,
                           31, 32, 33, 34};

const ValueItem* value_item(Int item) {
    for (const ValueItem& v : kValueItems)
        if (v.item == item) return &v;
    return nullptr;
}

bool is_shown(const ValueItem& v, const Visit& visit) {
    switch (v.shown) {
        case Shown::Always: return true;
        case Shown::WindArms: return visit.LWNBRG == 1;
        case Shown::CurrentArms: return visit.LCRBRG == 1;
        case Shown::Vertical: return TPCM.CREATR() == 14 || TPCM.CREATR() == 17;
        case Shown::Reflection: return visit.SHOFAC == 1;
        case Shown::Absorption: return visit.SHODRG == 1;
    }
    return false;
}

// The length caption of the case's units, " feet" or " meters" (UNITP 7 + NUNTS). A unit flag from
// a damaged file far outside the captions gets the caption function's error text without
// overflowing the index.
std::string length_caption() {
    const long long index = std::clamp(7LL + TPCM.NUNTS, -1LL, 21LL);
    return UNITP(static_cast<Int>(index));
}

// A value line: the numbered label and its dots in 50 columns, three blanks, the value in columns
// 54-64 and the unit.
void write_value_line(Int unit, const ValueItem& v) {
    std::string line = " " + fmt_I(v.item, 2) + ") " + std::string(v.label);
    if (v.blank_before_dots) line += ' ';
    if (line.size() < 50) line.append(50 - line.size(), '.');
    Record r;
    r.put(line).x(3).F(TPCM.*v.word, 11, 2);
    if (v.tail == Tail::Area) r.put(" square").A(length_caption(), 7);
    if (v.tail == Tail::Length) r.A(length_caption(), 7);
    write_record(unit, r.str());
}

// The labels of the two group switches, 61 columns each, so that both captions line up.
constexpr std::string_view kReflectionSwitch = " 20) Micromanage wave reflection (aka \"drift\") settings?     ";
constexpr std::string_view kAbsorptionSwitch = " 30) Micromanage wave absorption (aka \"drag\") settings?      ";

void write_switch_line(Int unit, std::string_view label, Int flag) {
    write_record(unit, std::string(label) + fmt_A(YESNO(flag), 5));
}

void draw_page(Int unit, std::string_view PAGE, std::string_view TUGBAR, const Visit& visit) {
    write_record(unit, Record()
                           .put(" ****  Page ")
                           .put(PAGE)
                           .put(": ")
                           .put(TUGBAR)
                           .put(" Environmental ")
                           .put("Area, Moment and Enhancement Data  ****")
                           .str());
    blank_line(unit);
    for (Int item : kLayout) {
        switch (item) {
            case 0: blank_line(unit); break;
            case 1: write_switch_line(unit, "  1) Simulate <<Wind>>? ", TPCM.LWIND); break;
            case 11: write_switch_line(unit, " 11) Simulate <<Current>>? ", TPCM.LCURNT); break;
            case 20: write_switch_line(unit, kReflectionSwitch, visit.SHOFAC); break;
            case 30: write_switch_line(unit, kAbsorptionSwitch, visit.SHODRG); break;
            default: {
                const ValueItem& v = *value_item(item);
                if (is_shown(v, visit)) write_value_line(unit, v);
            }
        }
    }
}

bool absorption_at_defaults() {
    return TPCM.WVDGCX == 1.0f && TPCM.WVDGCY == 1.0f && TPCM.WVDGCM == 1.0f && TPCM.VWDRGFC == 1.0f;
}

void set_reflection_defaults() {
    TPCM.BOWFAC = kBowFactorDefault;
    TPCM.STRNFC = kSternFactorDefault;
    TPCM.VWDFAC = kReflectionFactorDefault;
    TPCM.WVFCX = kReflectionFactorDefault;
    TPCM.WVFCY = kReflectionFactorDefault;
    TPCM.WVFCM = kReflectionFactorDefault;
}

void set_absorption_defaults() {
    TPCM.WVDGCX = 1.0f;
    TPCM.WVDGCY = 1.0f;
    TPCM.WVDGCM = 1.0f;
    TPCM.VWDRGFC = 1.0f;
}

// Items 20 and 30: opening a group is a plain switch; closing one whose values are not all at
// their defaults warns that they will be reset, and an "A" at the question keeps everything.
void switch_group(Int unit, Int& flag, bool at_defaults, std::string_view group, void (*reset)()) {
    if (flag == 0 || at_defaults) {
        TOGGLE2(flag, TPCM.IBATCH, unit, KBD_UNIT);
        return;
    }
    blank_line(unit);
    write_record(unit, std::string(" >>> Warning: Completing this request will reset all wave ").append(group));
    write_record(unit, "              parameters to their default values.");
    ABORT0(unit, KBD_UNIT, TPCM.LBACK);
    if (TPCM.LBACK < 0) return;
    TOGGLE2(flag, TPCM.IBATCH, unit, KBD_UNIT);
    // The defaults are stored whatever the switch ended as (a batch answer may keep it open).
    reset();
}

Visit enter_page() {
    Visit visit;
    const Int unit = TPCM.EDUNIT;
    if (ONEON(TPCM.LWVCOF, 6, unit) != 0) {
        visit.NEWTKR = 2;
    } else if (ONEON(TPCM.LWVCOF, 2, unit) != 0) {
        visit.NEWTKR = 1;
    }
    visit.SHODRG = absorption_at_defaults() ? 0 : 1;
    SETFGS(TPCM.BOWFAC, TPCM.VWDFAC, TPCM.STRNFC, TPCM.WVFCX, TPCM.WVFCY, TPCM.WVFCM, TPCM.EDUNIT, visit.NEWTKR,
           visit.SHOFAC);
    // Copies of the model words: after INITFM on the same words TNKRID changes none of them, and a
    // visit of this page must never rewrite them, so nothing is written back.
    Int LWBARG = TPCM.LWBARG, LCBARG = TPCM.LCBARG, LWVCOF = TPCM.LWVCOF;
    Int SWNFM = 0, SCRFM = 0, SWVFM = 0;
    INITFM(LWBARG, SWNFM, LCBARG, SCRFM, LWVCOF, SWVFM, unit);
    Int WNDUSR = 0, CURUSR = 0, WAVUSR = 0, LCTNKR = 0, LWTNKR = 0;
    TNKRID(LWBARG, SWNFM, WNDUSR, LCBARG, SCRFM, CURUSR, LWVCOF, SWVFM, WAVUSR, LCTNKR, LWTNKR, visit.LWNBRG,
           visit.LCRBRG, unit);
    return visit;
}

// The notes of every item, one screen to a row, for the help on the whole page.
struct ItemNote {
    std::string_view heading;
    std::string_view items;
    std::span<const std::string_view> text;
};
constexpr ItemNote kWindScreen[] = {{kItemRange, "2 -> 7", kWindAreasNote}, {kOneItem, "8", kWindFactorNote}};
constexpr ItemNote kCurrentScreen[] = {{kItemRange, "12 -> 17", kCurrentAreasNote},
                                       {kOneItem, "18", kCurrentFactorNote}};
constexpr ItemNote kReflectionSwitchScreen[] = {{kOneItem, "20", kReflectionSwitchNote}};
constexpr ItemNote kBowScreen[] = {{kOneItem, "21", kBowNote}};
constexpr ItemNote kSternScreen[] = {{kOneItem, "22", kSternNote}};
constexpr ItemNote kReflectionFactorsScreen[] = {{kOneItem, "23-25", kReflectionFactorsNote}};
constexpr ItemNote kAbsorptionScreen[] = {{kOneItem, "26", kVariableReflectionNote},
                                          {kOneItem, "30", kAbsorptionSwitchNote},
                                          {kOneItem, "31-34", kAbsorptionFactorsNote}};
constexpr std::span<const ItemNote> kAllNotes[] = {kWindScreen,  kCurrentScreen,           kReflectionSwitchScreen,
                                                   kBowScreen,   kSternScreen,             kReflectionFactorsScreen,
                                                   kAbsorptionScreen};

}  // namespace

void ARHLP(Int IOSCRN, Int KBD, Int& LINE) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, Record().x(17).put("****  Vessel Environmental Load Notes  ****").str());
    if (LINE == 0) {
        for (std::size_t k = 0; k < std::size(kAllNotes); ++k) {
            if (k > 0) CLEAR(IOSCRN);
            for (const ItemNote& n : kAllNotes[k]) note(IOSCRN, n.heading, n.items, n.text);
            PRSRET(IOSCRN, KBD, LINE);
        }
        return;
    }
    const auto text = note_of(LINE);
    if (text.empty()) {
        note(IOSCRN, kOneItem, fmt_I(LINE, 2), {});
        blank_line(IOSCRN);
        write_record(IOSCRN, " ++> Sorry, no help for this line...");
        blank_line(IOSCRN);
    } else {
        note(IOSCRN, kOneItem, fmt_I(LINE, 2), text);
    }
    PRSRET(IOSCRN, KBD, LINE);
}

void AREAS(std::string_view PAGE, std::string_view TUGBAR) {
    Visit visit = enter_page();
    PageParts parts;
    parts.draw = [&](Int unit) { draw_page(unit, PAGE, TUGBAR, visit); };
    parts.help = [](Int unit) { ARHLP(unit, KBD_UNIT, TPCM.IPAG); };
    parts.act = [&](Int choice, Int unit) {
        if (choice == 1) {
            TOGGLE2(TPCM.LWIND, TPCM.IBATCH, unit, KBD_UNIT);
        } else if (choice == 11) {
            TOGGLE2(TPCM.LCURNT, TPCM.IBATCH, unit, KBD_UNIT);
        } else if (choice == 20) {
            Int SHOTMP = 0;
            if (visit.SHOFAC != 0)
                SETFGS(TPCM.BOWFAC, TPCM.VWDFAC, TPCM.STRNFC, TPCM.WVFCX, TPCM.WVFCY, TPCM.WVFCM, TPCM.EDUNIT,
                       visit.NEWTKR, SHOTMP);
            switch_group(unit, visit.SHOFAC, SHOTMP == 0, "reflection", set_reflection_defaults);
        } else if (choice == 30) {
            switch_group(unit, visit.SHODRG, absorption_at_defaults(), "absorption", set_absorption_defaults);
        } else if (const ValueItem* v = value_item(choice); v != nullptr && is_shown(*v, visit)) {
            write_value_line(unit, *v);
            if (v->shown == Shown::Vertical) blank_line(unit);
            ENTERF(TPCM.*(v->word), unit, KBD_UNIT);
        }
        // Anything else (no item, or an item hidden at the moment) draws the page again.
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant
