// Page 6, the low-frequency load models (LOWVES), with its sub-pages for the model of one force
// component and for the tanker bow shapes, and the page's notes (LOWVHP).
#include "edlib/pages/load_model_page.h"

#include <span>
#include <string>
#include <string_view>

#include "edlib/load_model_flags.h"
#include "edlib/pages/load_model_help.h"
#include "edlib/pages/user_coefficient_tables.h"
#include "edlib/pages/vessel_pages.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

namespace {

// ---- Notes ----------------------------------------------------------------------------------

constexpr std::string_view kComponentsNote[] = {
    "",
    "     For each load type three coefficient sets must be designated:",
    "          Cx: longitudinal force coefficients",
    "          Cy: lateral force coefficients",
    "          Cz: moment coefficients about the vertical axis",
    "     They determine all static and low-frequency environmental forces",
    "     and moments; the built-in databases are described in the help of",
    "     the model sub-page. Normally all three come from one database (the",
    "     1977 OCIMF VLCC tanker set, for example), but they may be chosen",
    "     independently: Cx user-specified, for instance, while Cy and Cz use",
    "     built-in sets.",
};
constexpr std::string_view kModelSubpageNote[] = {
    "",
    "     The item leads to a sub-page of coefficient model options, which",
    "     has its own help.",
};
constexpr std::string_view kUserTableNote[] = {
    "",
    "     The item leads to a sub-page where the user specifies the",
    "     coefficients, which has its own help.",
};
constexpr std::string_view kBowSubpageNote[] = {
    "",
    "     The item leads to a sub-page choosing the bow type used with the",
    "     chosen load database, which has its own help.",
};
constexpr std::string_view kFreeboardNote[] = {
    "",
    "     The wind load condition of VLCC tankers as defined by the 1977",
    "     OCIMF report follows from the simulation freeboard:",
    "          Freeboard Load % = 100 x (full-load freeboard)",
    "                                 / (simulation freeboard)",
    "     It is used only for wind loads. 100% selects the OCIMF \"Loaded\"",
    "     data and 32% the \"Ballasted\" data; other values interpolate or",
    "     extrapolate linearly between the two curves, with care outside 32%",
    "     to 100%. It is generally close to, but seldom equal to, the draft",
    "     percentage used for current loads.",
};
constexpr std::string_view kInterpolationNote[] = {
    "",
    "     When the above- or below-water bow shape is \"interpolated\", the",
    "     interpolation factor, between 0 and 1, must be given; the bow shape",
    "     sub-page says more.",
};
constexpr std::string_view kDraftNote[] = {
    "",
    "     The current load condition of VLCC tankers as defined by the NSMB",
    "     1991 rework of the 1977 OCIMF results follows from the draft",
    "     percentage:",
    "          Draft Load % = 100 x (simulation draft) / (full-load draft)",
    "     It is used only for current loads, and only needed (and shown) when",
    "     the NSMB '91 database is used. 100% selects the NSMB \"Loaded\" data",
    "     and 40% the 40% draft condition; other values interpolate or",
    "     extrapolate linearly between the \"40%\" and \"100%\" curves, with",
    "     care outside 40% to 100%. It is generally close to, but seldom equal",
    "     to, the freeboard-based percentage of the wind loads. The 1977 OCIMF",
    "     report found current loads nearly independent of the load",
    "     condition, depending only on bow type and water depth-to-draft",
    "     ratio.",
};
constexpr std::string_view kMeanCurveNote[] = {
    "",
    "     A preliminary NSMB '91 report gave current data for ballasted",
    "     conditions (40% of loaded draft), for both bow types and several",
    "     depth-to-draft ratios. As the differences were small, the final",
    "     report merged much of the ballasted data into one \"Mean\" curve for",
    "     all bow types and shallow water depths. The item switches between",
    "     the NSMB \"Mean\" data and the complete raw data of the preliminary",
    "     report.",
};
constexpr std::string_view kCurrentCorrectionNote[] = {
    "",
    "     Current strongly affects wave drift (reflection) forces. Complete",
    "     user drift coefficients would include the current, which needs a",
    "     separate \"DRFTCOFS.txt\" for every combination of current speed and",
    "     direction relative to the waves. To use one file for all current",
    "     directions, the user may supply zero-current coefficients and set",
    "     this toggle to yes; the program then adjusts them approximately for",
    "     the current. This is a convenience only: coefficients from a",
    "     \"DRFTCOFS.txt\" file should carry the current corrections of the",
    "     software that produced them.",
};
constexpr std::string_view kShadowingNote[] = {
    "",
    "     Used only by the legacy semi-submersible built-in drift model. The",
    "     factors are subjective, adjustable constants multiplied by the",
    "     user's beam and length to give an effective waterline length for",
    "     the short-wave limit of the head-on and beam-on drift force. They",
    "     are 1.0 for no shadowing between columns and flat-faced rectangular",
    "     columns, and 0.67 for circular columns without shadowing (a",
    "     circular waterline scatters incident wave energy in all",
    "     directions); shadowing reduces them further, but rarely below about",
    "     0.4. They do not apply to the default \"semi/TLP (2001)\" and",
    "     \"Caisson Spar\" models.",
};
constexpr std::string_view kLegacyCylinderNote[] = {
    "",
    "     The legacy cylinder drift force coefficients (DFCs), used before",
    "     late 2001 for semi-submersibles, TLPs and spars, remain for backward",
    "     compatibility. They generally give slightly smaller wave drift",
    "     forces and force spectra than the default coefficients and are for",
    "     special purposes only, not for production runs.",
};
constexpr std::string_view kDeadweightNote[] = {
    "",
    "     The deadweight serves only to tell VLCCs (above 155 thousand tons",
    "     deadweight) from smaller tankers (below 80) in the \"OCIMF '77",
    "     (extended)\" wind database; tankers between 80 and 155 are treated",
    "     by interpolating between the OCIMF and \"Small\" wind load data by",
    "     deadweight. The item is neither used nor shown for any other wind",
    "     model.",
};

struct PageNote {
    std::string_view items;  // the heading's item list when all notes are shown
    std::span<const std::string_view> text;
};

constexpr PageNote kNotes[12] = {
    {"1, 11, 21", kComponentsNote},
    {"2->4, 12->14, 22->24", kModelSubpageNote},
    {"5, 15", kUserTableNote},
    {"6, 16", kBowSubpageNote},
    {"7", kFreeboardNote},
    {"8, 18", kInterpolationNote},
    {"17", kDraftNote},
    {"19", kMeanCurveNote},
    {"26", kCurrentCorrectionNote},
    {"27, 28", kShadowingNote},
    {"29", kLegacyCylinderNote},
    {"31", kDeadweightNote},
};

// The note (0-based) serving an item of the page, -1 for none.
int note_of_item(Int item) {
    switch (item) {
        case 1: case 11: case 21: return 0;
        case 2: case 3: case 4: case 12: case 13: case 14: case 22: case 23: case 24: return 1;
        case 5: case 15: return 2;
        case 6: case 16: return 3;
        case 7: return 4;
        case 8: case 18: return 5;
        case 17: return 6;
        case 19: return 7;
        case 26: return 8;
        case 27: case 28: return 9;
        case 29: return 10;
        case 31: return 11;
        default: return -1;
    }
}

// ---- Captions and flags ---------------------------------------------------------------------

constexpr Int kWind = 1, kCurrent = 2, kWave = 3;
constexpr Int kUserTable = 1;  // the row of the wind and current lists that uses the LOWDAT table
constexpr int kBowCaptionLength = 24;

constexpr std::string_view kWindTitle = "<<Wind Force>> Coefficient Specification";
constexpr std::string_view kCurrentTitle = "<<Current Force>> Coefficient Specification";

// The page-local flags: the one-model flags of INITFM, the model classes of TNKRID.
struct Flags {
    Int SWNFM = 0, SCRFM = 0, SWVFM = 0;
    Int WNDUSR = 0, CURUSR = 0, WAVUSR = 0, LCTNKR = 0, LWTNKR = 0, LWNBRG = 0, LCRBRG = 0;
};

void refresh(Flags& f) {
    TNKRID(TPCM.LWBARG, f.SWNFM, f.WNDUSR, TPCM.LCBARG, f.SCRFM, f.CURUSR, TPCM.LWVCOF, f.SWVFM, f.WAVUSR, f.LCTNKR,
           f.LWTNKR, f.LWNBRG, f.LCRBRG, TPCM.EDUNIT);
}

Int& model_word(Int load) {
    if (load == kWind) return TPCM.LWBARG;
    if (load == kCurrent) return TPCM.LCBARG;
    return TPCM.LWVCOF;
}

Int field(Int load, Int k) { return NIBVAL(model_word(load), k, TPCM.EDUNIT); }

bool drift_uses(Int row) { return ONEON(TPCM.LWVCOF, row, TPCM.EDUNIT) != 0; }

std::string wind_bow() { return bow_caption(TPCM.BOWWND, "Conventional", "Cylindrical"); }
std::string current_bow() { return bow_caption(TPCM.BOWCUR, "Conventional (w/bulb)", "Cylindrical (no bulb)"); }
bool interpolated(const std::string& caption) { return caption.starts_with("Interpolated"); }

bool shadowing_shown() {
    return (drift_uses(3) || drift_uses(5) || drift_uses(7)) && (TPCM.LEG_CYL_DFC == 1 || drift_uses(3));
}
bool legacy_cylinder_shown() { return drift_uses(3) || drift_uses(5) || drift_uses(7); }
bool mean_curve_shown(const Flags& f) {
    const Int f1 = field(kCurrent, 1);
    return f.LCTNKR != 0 && TPCM.DFTPCT != 100.0f && (f1 == kNsmbMeanCurrent || f1 == 4);
}

// ---- Drawing --------------------------------------------------------------------------------

Record item_start(Int item) {
    Record r;
    r.x(1).I(item, 2).put(") ");
    return r;
}

void item_line(Int unit, Int item, std::string_view text) {
    write_record(unit, item_start(item).put(text).str());
}

void value_line(Int unit, Int item, std::string_view label, Real value, std::string_view tail = {}) {
    write_record(unit, item_start(item).put(label).F(value, 11, 2).put(tail).str());
}

// Items 7 and 17, the freeboard-based and the draft-based load condition.
void load_line(Int unit, Int item) {
    if (item == 7)
        value_line(unit, 7, "Freeboard-Based Load ........................", TPCM.LOADED, " Percent");
    else
        value_line(unit, 17, "Draft-Based Load ............................", TPCM.DFTPCT, " Percent");
}

constexpr std::string_view kComponentLabels[3] = {
    "Head-on Coefficients (Cx) ................... ",
    "Beam-on Coefficients (Cy) ................... ",
    "Moment Coefficients  (Cz) ................... ",
};

// Items 1-4, 11-14 or 21-24 of one load type.
void model_lines(Int unit, Int load, Int one_model) {
    constexpr std::string_view kLoadTag[3] = {"<<Wind>>", "<<Current>>", "<<Wave>>"};
    constexpr std::string_view kOneModel[3] = {
        "Wind force model ............................ ",
        "Current force model ......................... ",
        "Wave force model ............................ ",
    };
    const Int base = 10 * (load - 1);
    write_record(unit, "");
    item_line(unit, base + 1, std::string("Toggle independent ").append(kLoadTag[load - 1]).append(" Cx, Cy, Cz"));
    if (one_model == 1) {
        item_line(unit, base + 2, std::string(kOneModel[load - 1]) + model_caption(load, field(load, 1)));
        return;
    }
    for (Int k = 1; k <= 3; ++k)
        item_line(unit, base + 1 + k, std::string(kComponentLabels[k - 1]) + model_caption(load, field(load, k)));
}

void deadweight_line(Int unit) {
    value_line(unit, 31, "Vessel Deadweight ...........................", TPCM.DWTONS, UNITP(TPCM.NUNTS));
}

void draw_page(std::string_view PAGE, std::string_view TUGBAR, Flags& f) {
    const Int unit = TPCM.EDUNIT;
    write_record(unit, std::string("****  Page ")
                           .append(PAGE)
                           .append(": ")
                           .append(TUGBAR)
                           .append(" Low-Frequency ")
                           .append("Dynamics Characteristics  ****"));
    refresh(f);

    model_lines(unit, kWind, f.SWNFM);
    if (f.WNDUSR == 1) item_line(unit, 5, "Specify wind force coefficients");
    if (f.LWTNKR == 1) {
        const std::string bow = wind_bow();
        write_record(unit, "");
        item_line(unit, 6, "Above-Water Bow Shape ....................... " + bow);
        load_line(unit, 7);
        if (interpolated(bow)) value_line(unit, 8, "Bow Interpolation Factor ....................", TPCM.BOWWND);
    }

    model_lines(unit, kCurrent, f.SCRFM);
    if (f.CURUSR == 1) item_line(unit, 15, "Specify current force coefficients");
    if (f.LCTNKR != 0) {
        const std::string bow = current_bow();
        write_record(unit, "");
        item_line(unit, 16, "Below-Water Bow Shape ....................... " + bow);
        if (f.LCTNKR == 2) load_line(unit, 17);
        if (interpolated(bow)) value_line(unit, 18, "Bow Interpolation Factor ....................", TPCM.BOWCUR);
        if (mean_curve_shown(f))
            item_line(unit, 19, std::string("Use NSMB \"Mean\" curve for 40% load condition: ")
                                    .append(field(kCurrent, 1) == kNsmbMeanCurrent ? "Yes" : "No"));
    }

    model_lines(unit, kWave, f.SWVFM);
    if (f.WAVUSR == 1) {
        write_record(unit, "");
        item_line(unit, 26, "Apply current correction to drift forces?     " + YESNO(TPCM.CURCOR));
    }
    if (shadowing_shown()) {
        write_record(unit, "");
        value_line(unit, 27, "Head-on shadowing & geometry factor .........", TPCM.XSHDOW);
        value_line(unit, 28, "Beam-on shadowing & geometry factor .........", TPCM.YSHDOW);
    }
    if (legacy_cylinder_shown()) {
        write_record(unit, "");
        item_line(unit, 29, "Use legacy cylinder DFCs ....................       " + YESNO(TPCM.LEG_CYL_DFC));
    }
    if (f.LWTNKR == 1) {
        write_record(unit, "");
        deadweight_line(unit);
    }
}

// Whether a selected item is acted on. Items that are not shown at the moment are ignored, except
// 19, 27 and 28, which act while hidden; 29 acts only for the cylinder drift models (rows 5, 7).
bool accepted(Int item, const Flags& f) {
    switch (item) {
        case 1: case 2: case 11: case 12: case 21: case 22: case 19: case 27: case 28: return true;
        case 3: case 4: return f.SWNFM != 1;
        case 5: return f.WNDUSR == 1;
        case 6: case 7: case 31: return f.LWTNKR != 0;
        case 8: return f.LWTNKR == 1 && interpolated(wind_bow());
        case 13: case 14: return f.SCRFM != 1;
        case 15: return f.CURUSR == 1;
        case 16: return f.LCTNKR != 0;
        case 17: return f.LCTNKR == 2;
        case 18: return f.LCTNKR != 0 && interpolated(current_bow());
        case 23: case 24: return f.SWVFM != 1;
        case 26: return f.WAVUSR == 1;
        case 29: return drift_uses(5) || drift_uses(7);
        default: return false;
    }
}

// ---- Actions --------------------------------------------------------------------------------

enum class Next { Redraw, AfterEdit, Leave };

// The model-selection sub-page of items 2-4, 12-14 and 22-24. A first choice of the user table
// for a wind or current component turns the item into 5 or 15 (left in LBACK).
Next model_selection(Int item, const Flags& f) {
    const Int unit = TPCM.EDUNIT;
    const Int load = item / 10 + 1;
    const Int k = item % 10 - 1;  // the field: 1 Cx, 2 Cy, 3 Cz
    constexpr std::string_view kLoadName[3] = {"Wind", "Current", "Wave"};
    const Int one_model = load == kWind ? f.SWNFM : (load == kCurrent ? f.SCRFM : f.SWVFM);
    std::string name(kLoadName[load - 1]);
    if (!(k == 1 && one_model != 0)) name.append(k == 1 ? " Cx" : (k == 2 ? " Cy" : " Cz"));
    const Int rows = load == kWind ? static_cast<Int>(TNKWND().size())
                                   : static_cast<Int>(load == kCurrent ? TNKCUR().size() : TNKWAV().size());
    for (;;) {
        CLEAR(unit);
        write_record(unit, "");
        write_record(unit, " +++  " + name + " Model Selection  +++");
        write_record(unit, "");
        for (Int r = 1; r <= rows; ++r)
            write_record(unit, Record().x(1).I(r, 1).put(") ").put(model_caption(load, r)).str());
        Int choice = 0;
        ENTSEL(choice, unit, KBD_UNIT, TPCM.IPAG);
        if (choice == NAV_HELP) {
            if (load == kWind) WNDFHP(unit, KBD_UNIT, TPCM.IPAG);
            if (load == kCurrent) CURFHP(unit, KBD_UNIT, TPCM.IPAG);
            if (load == kWave) WAVFHP(unit, KBD_UNIT, TPCM.IPAG);
            continue;
        }
        if (choice == NAV_REDRAW || choice > rows) continue;
        if (choice == 0) return Next::Redraw;
        if (choice < 0) {
            TPCM.LBACK = choice;
            return Next::Leave;
        }
        Int& word = model_word(load);
        const Int before = NIBVAL(word, k, unit);
        NIBSET(word, k, choice, unit);
        if (load != kWave && choice == kUserTable && before != kUserTable) {
            TPCM.LBACK = load == kWind ? 5 : 15;
            return Next::AfterEdit;
        }
        return Next::Redraw;
    }
}

// The bow-type sub-page of items 6 (wind) and 16 (current). Leaving it without a choice, by a
// blank or by any page command, only draws the page again.
Next bow_selection(Int item) {
    const Int unit = TPCM.EDUNIT;
    Real& bow = item == 6 ? TPCM.BOWWND : TPCM.BOWCUR;
    for (;;) {
        CLEAR(unit);
        write_record(unit, "");
        write_record(unit, std::string("+++  ").append(item == 6 ? "Wind" : "Current")
                               .append("-Related Bow Type Selection  +++"));
        write_record(unit, "");
        write_record(unit, " 1) Conventional (with bulb)");
        write_record(unit, " 2) Cylindrical (no bulb)");
        write_record(unit, " 3) Interpolated (on 1 & 2)");
        write_record(unit, "");
        Int choice = 0;
        ENTSEL(choice, unit, KBD_UNIT, TPCM.IPAG);
        if (choice == NAV_HELP) {
            const Int f1 = field(kCurrent, 1);
            if (item == 6) {
                WBOWHP(unit, KBD_UNIT, TPCM.IPAG);
            } else if (f1 != 6 && (ONEON(TPCM.LCBARG, 4, unit) != 0 || f1 == kNsmbMeanCurrent)) {
                NSMBHP(unit, KBD_UNIT, TPCM.IPAG);
            } else {
                OCIMHP(unit, KBD_UNIT, TPCM.IPAG);
            }
            continue;
        }
        if (choice == NAV_REDRAW || choice > 3) continue;
        if (choice < 1) return Next::Redraw;
        constexpr Real kFactor[3] = {0.0f, 1.0f, 0.5f};
        bow = kFactor[choice - 1];
        return Next::AfterEdit;
    }
}

// Items 7, 17, 27, 28 and 31: the line again, then the new value (a blank answer keeps it).
void value_entry(Int item) {
    const Int unit = TPCM.EDUNIT;
    switch (item) {
        case 7:
        case 17: {
            // A load condition is held to 0..100 percent.
            Real& load = item == 7 ? TPCM.LOADED : TPCM.DFTPCT;
            load_line(unit, item);
            ENTERF(load, unit, KBD_UNIT);
            if (load > 100.0f) load = 100.0f;
            if (load < 0.0f) load = 0.0f;
            break;
        }
        case 27:
            value_line(unit, 27, "Head-on shadowing & geometry factor .........", TPCM.XSHDOW);
            ENTERF(TPCM.XSHDOW, unit, KBD_UNIT);
            break;
        case 28:
            value_line(unit, 28, "Beam-on shadowing & geometry factor .........", TPCM.YSHDOW);
            ENTERF(TPCM.YSHDOW, unit, KBD_UNIT);
            break;
        case 31:
            deadweight_line(unit);
            ENTERF(TPCM.DWTONS, unit, KBD_UNIT);
            if (TPCM.DWTONS < 0.0f) TPCM.DWTONS = 0.0f;
            break;
        default: break;
    }
}

// Items 8 and 18: a factor outside 0..1 is dropped.
Next interpolation_entry(Int item) {
    const Int unit = TPCM.EDUNIT;
    Real& bow = item == 8 ? TPCM.BOWWND : TPCM.BOWCUR;
    value_line(unit, item, "Bow Interpolation Factor ....................", bow);
    Real factor = bow;
    ENTERF(factor, unit, KBD_UNIT);
    if (factor < 0.0f || factor > 1.0f) return Next::Redraw;
    bow = factor;
    return Next::AfterEdit;
}

Next act(Int item, Flags& f) {
    const Int unit = TPCM.EDUNIT;
    switch (item) {
        case 1: TOGGLE2(f.SWNFM, TPCM.IBATCH, unit, KBD_UNIT); return Next::AfterEdit;
        case 11: TOGGLE2(f.SCRFM, TPCM.IBATCH, unit, KBD_UNIT); return Next::AfterEdit;
        case 21: TOGGLE2(f.SWVFM, TPCM.IBATCH, unit, KBD_UNIT); return Next::AfterEdit;
        case 2: case 3: case 4: case 12: case 13: case 14: case 22: case 23: case 24: return model_selection(item, f);
        case 5: case 15: return Next::AfterEdit;
        case 6: case 16: return bow_selection(item);
        case 7: case 17: case 27: case 28: case 31: value_entry(item); return Next::AfterEdit;
        case 8: case 18: return interpolation_entry(item);
        case 19: {
            if (f.LCTNKR == 2) {
                const Int f1 = field(kCurrent, 1);
                if (f1 == 4) NIBSET(TPCM.LCBARG, 1, kNsmbMeanCurrent, unit);
                if (f1 == kNsmbMeanCurrent) NIBSET(TPCM.LCBARG, 1, 4, unit);
            }
            return Next::AfterEdit;
        }
        case 26: TOGGLE2(TPCM.CURCOR, TPCM.IBATCH, unit, KBD_UNIT); return Next::AfterEdit;
        case 29: TOGGLE2(TPCM.LEG_CYL_DFC, TPCM.IBATCH, unit, KBD_UNIT); return Next::AfterEdit;
        default: return Next::Redraw;
    }
}

// One user table page (wind or current). Interactive: true when its answer is a navigation code,
// left in LBACK for the driver.
bool open_table(Int load) {
    Int code = 0;
    if (load == kWind)
        COFUPD(kWindTitle, TPCM.LWBARG, wind_table(), LOWCOF.NUWNPT, kUserTable, TPCM.EDUNIT, KBD_UNIT, code,
               TPCM.LCOPY);
    else
        COFUPD(kCurrentTitle, TPCM.LCBARG, current_table(), LOWCOF.NUCRPT, kUserTable, TPCM.EDUNIT, KBD_UNIT, code,
               TPCM.LCOPY);
    if (code < 0) {
        TPCM.LBACK = code;
        return true;
    }
    return false;
}

// After an edit of ITEM (5 or 15 open their table; in dump mode every table in use is written).
// True when the page is to return to the driver.
bool after_edit(Int item, Flags& f) {
    const bool dump = TPCM.LCOPY != 0;
    refresh(f);
    if (item == 5 || (dump && f.WNDUSR == 1)) {
        const bool leave = open_table(kWind);
        if (!dump) return leave;
    }
    refresh(f);
    if (item == 15 || (dump && f.CURUSR == 1)) {
        const bool leave = open_table(kCurrent);
        if (!dump) return leave;
    }
    if (dump) {
        TPCM.LBACK = 0;
        return true;
    }
    return false;
}

}  // namespace

std::string model_caption(Int LOAD, Int VALUE) {
    std::span<const ModelCaption> list;
    if (LOAD == kWind) list = TNKWND();
    if (LOAD == kCurrent) list = TNKCUR();
    if (LOAD == kWave) list = TNKWAV();
    if (LOAD == kCurrent && VALUE == kNsmbMeanCurrent) VALUE = 4;
    if (VALUE >= 1 && VALUE <= static_cast<Int>(list.size())) return std::string(list[VALUE - 1].view());
    std::string undefined("Undefined model");
    undefined.resize(kModelCaptionLength, ' ');
    return undefined;
}

std::string bow_caption(Real BOW, std::string_view CONVENTIONAL, std::string_view CYLINDRICAL) {
    std::string_view caption = "Interpolated";
    if (BOW == 0.0f) caption = CONVENTIONAL;
    else if (BOW == 1.0f) caption = CYLINDRICAL;
    else if (BOW > 1.0f) caption = "Whoops!";
    std::string text(caption);
    text.resize(kBowCaptionLength, ' ');
    return text;
}

void LOWVHP(Int IOSCRN, Int KBD, Int& LINE) {
    help_title(IOSCRN, "Vessel Environmental Load Notes");
    // The pauses answer into LINE, so the item asked about is taken first.
    const Int item = LINE;
    if (item == 0) {
        for (int n = 0; n < 12; ++n) {
            if (n > 0) CLEAR(IOSCRN);
            write_record(IOSCRN, help_heading(kNotes[n].items));
            write_records(IOSCRN, kNotes[n].text);
            PRSRET(IOSCRN, KBD, LINE);
        }
        return;
    }
    write_record(IOSCRN, " ++> Item Number  " + fmt_I(item, 2));
    if (const int n = note_of_item(item); n >= 0) {
        write_records(IOSCRN, kNotes[n].text);
    } else {
        write_record(IOSCRN, " ++> Sorry, no help for this line...");
        write_record(IOSCRN, "");
    }
    PRSRET(IOSCRN, KBD, LINE);
}

void LOWVES(std::string_view PAGE, std::string_view TUGBAR) {
    Flags f;
    INITFM(TPCM.LWBARG, f.SWNFM, TPCM.LCBARG, f.SCRFM, TPCM.LWVCOF, f.SWVFM, TPCM.EDUNIT);
    PageParts parts;
    parts.draw = [&](Int) { draw_page(PAGE, TUGBAR, f); };
    parts.dump_extras = [&](Int) { after_edit(0, f); };
    parts.help = [](Int unit) { LOWVHP(unit, KBD_UNIT, TPCM.IPAG); };
    // Entering the page afresh would take the one-model switches from the words again.
    parts.redraw_here = true;
    parts.act = [&](Int item, Int) {
        if (!accepted(item, f)) return PageStep::Stay;
        const Next next = act(item, f);
        if (next == Next::Leave) return PageStep::Leave;
        // A first choice of a user table has left 5 or 15 in LBACK.
        if (next == Next::AfterEdit && after_edit(TPCM.LBACK, f)) return PageStep::Leave;
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant
