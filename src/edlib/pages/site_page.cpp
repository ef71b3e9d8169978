// Page 1, the site conditions: titles, unit system, water depth and density, the conversion and
// density sub-pages and the two help screens.
#include "edlib/pages/site_page.h"

#include <span>
#include <string>
#include <string_view>

#include "edlib/pages/environment_pages.h"
#include "edlib/pages/unit_conversion.h"
#include "lowlib/speed_spectra.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

namespace {

// The relabelling factor of the water density, lbs/cubic foot to kgw/cubic meter. (The full
// conversion uses FDENCV, 16.018467, derived from the length and force factors.)
constexpr Real kDensityLabelFactor = 16.0185f;

constexpr Real kSeawater = 64.0f;     // lbs/cubic foot
constexpr Real kFreshwater = 62.44f;  // lbs/cubic foot

// Characters 1-72 of a title (18 words) are shown and replaced here; 73-80 are left alone.
constexpr int kTitleChars = 72;

constexpr std::string_view kUnitsTopic[] = {
    "",
    "     The \"Units of measure\" item allows work in either English units",
    "     (feet, inches, kips, etc.) or metric units (meters, millimeters,",
    "     metric tons, etc.), the units most commonly used in offshore",
    "     practice. The metric unit of force is therefore the metric ton",
    "     (the weight of 1000 kilograms), not the kiloNewton.",
    "",
    "     Selecting this item leads to a sub-page of units conversion",
    "     options.",
    "",
    "     Speed units are always entered and reported in knots, whatever",
    "     the state of the \"Units of measure\" toggle.",
};
constexpr std::string_view kDensityTopic[] = {
    "",
    "     The water density is user-controllable. Changing it changes",
    "     nothing else in the data: for example, the draft of a vessel of",
    "     given displacement and the weight in water of an underwater line",
    "     segment are not adjusted automatically. Such adjustments must be",
    "     made by hand to keep the hydrostatic parameters consistent.",
};
constexpr std::string_view kRelabelTopic[] = {
    "",
    "     With the single exception of the water density value, this",
    "     choice affects only the displayed dimensional units (ft to",
    "     meters, etc.). It is of use mainly while a data file is first",
    "     being created. It is reversible: two invocations return a data",
    "     file to the state it had before, whatever it contains. An",
    "     existing data file is converted with the other option.",
};
constexpr std::string_view kFullConversionTopic[] = {
    "",
    "     This option should be exercised with care.",
    "",
    "     (1) Converting twice does not in general reproduce the first data",
    "         file exactly, because of floating-point round-off: the file",
    "         before and after two conversions gives slightly different",
    "         output.",
    "",
    "     (2) The option may spoil transfers of data files between sibling",
    "         simulation types, because the set of converted values differs",
    "         from one simulation type to another. A file should therefore",
    "         be converted in the simulation that created it: to move a file",
    "         from Baskero in English units to Korvell in metric, convert it",
    "         in Baskero and give the converted BASKDAT file to Korvell.",
    "",
    "     (3) User-supplied dimensional data must be converted by hand, for",
    "         example the files \"WINDSPEC.txt\" and \"CRNTSPEC.txt\".",
};
constexpr std::string_view kUserFileNote[] = {
    "     This data set calls for dimensional user-supplied wind or current",
    "     spectral data (\"WINDSPEC.txt\" or \"CRNTSPEC.txt\"). These files",
    "     must be converted separately by the user to complete the units",
    "     conversion.",
};

void blank_line(Int unit) { write_record(unit, ""); }

std::string unit_caption(Int base) { return unit_caption_as_flagged(base, TPCM.NUNTS); }

ImageText<80>& title(Int item) { return item == 1 ? TPCM.CID1P : TPCM.CID2P; }

void write_title_line(Int unit, Int item) {
    write_record(unit, Record().x(1).I(item, 1).put(") [").A(title(item).view(), kTitleChars).put("]").str());
}

void write_depth_line(Int unit) {
    write_record(unit, Record().put(" 4) Site water depth: ").x(5).F(TPCM.DEPTH, 10, 2).A(unit_caption(7)).str());
}

void write_density_line(Int unit) {
    write_record(unit, Record().put(" 5) Water density: ").x(8).F(TPCM.DWATR, 10, 2).A(unit_caption(11)).str());
}

void draw_page(Int unit) {
    write_record(unit, Record().t(20).put(" ****  Page 1: Site conditions  ****").str());
    LINES(unit, 3);
    write_record(unit, "     Two-line Identification for this simulation:");
    blank_line(unit);
    write_title_line(unit, 1);
    write_title_line(unit, 2);
    blank_line(unit);
    if (TPCM.NUNTS == 0) write_record(unit, " 3) Units of measure: English");
    if (TPCM.NUNTS == 1) write_record(unit, " 3) Units of measure: Metric");
    blank_line(unit);
    write_depth_line(unit);
    write_density_line(unit);
}

// Items 1 and 2: the typed line as 18 words of 4 characters, stored as typed unless all blank.
void enter_title(Int item) {
    const Int unit = TPCM.EDUNIT;
    write_title_line(unit, item);
    const std::string prompt = std::to_string(item) + ") :";
    WRTLIN(prompt, static_cast<Int>(prompt.size()), unit);
    std::string typed = read_keyboard_line(KBD_UNIT);
    typed.resize(kTitleChars, ' ');
    if (typed.find_first_not_of(' ') == std::string::npos) return;
    std::copy(typed.begin(), typed.end(), title(item).c);
}

// The full conversion: the warning, the abort question, then every converter the case calls for.
void convert_all(Int unit) {
    CLEAR(unit);
    LINES(unit, 2);
    write_record(unit, "                >>> Warning <<<");
    write_records(unit, kFullConversionTopic);
    if (TPCM.CURTYP == kCurrentSpectrumFromFile || TPCM.WNDTYP == kWindSpectrumFromFile) {
        LINES(unit, 2);
        write_record(unit, "     >>> NOTE:");
        blank_line(unit);
        write_records(unit, kUserFileNote);
    }
    ABORT0(unit, KBD_UNIT, TPCM.LBACK);
    if (TPCM.LBACK == -1) return;
    convert_whole_case();
}

// Item 3, a loop until a choice is made: relabel (1), convert everything (2), anything else back.
void conversion_sub_page() {
    for (;;) {
        const Int unit = TPCM.EDUNIT;
        CLEAR(unit);
        Int NTEMP = TPCM.NUNTS;
        TOGGLE(NTEMP);
        blank_line(unit);
        write_record(unit, "      >>> Units Conversion Options <<<");
        blank_line(unit);
        write_record(unit, " 1) Convert only water density and unit labels to " + ENGMET(NTEMP) + " units");
        write_record(unit, " 2) Convert ALL data values and units labels to " + ENGMET(NTEMP) + " units");
        Int choice = 0;
        ENTSEL(choice, unit, KBD_UNIT, TPCM.IPAG);
        if (choice == NAV_HELP) {
            CNVHLP(unit, KBD_UNIT, TPCM.IPAG);
            continue;
        }
        if (choice == 1) {
            TOGGLE(TPCM.NUNTS);
            if (TPCM.NUNTS == 1) TPCM.DWATR = TPCM.DWATR * kDensityLabelFactor;
            if (TPCM.NUNTS == 0) TPCM.DWATR = TPCM.DWATR / kDensityLabelFactor;
        } else if (choice == 2) {
            convert_all(unit);
        }
        return;
    }
}

// Item 5, a loop until a choice is made: the two presets (in the case's units) or a typed value.
void density_sub_page() {
    for (;;) {
        const Int unit = TPCM.EDUNIT;
        if (TPCM.LCOPY == 0) CLEAR(unit);
        write_record(unit, " -- Water density --");
        blank_line(unit);
        write_record(unit, " 1) Seawater");
        write_record(unit, " 2) Freshwater");
        write_record(unit, " 3) User-specified fluid density in" + unit_caption(11));
        Int choice = 0;
        ENTSEL(choice, unit, KBD_UNIT, TPCM.IPAG);
        if (choice == NAV_HELP) {
            NOHELP(unit, KBD_UNIT, TPCM.IPAG);
            continue;
        }
        if (choice == 1 || choice == 2) {
            TPCM.DWATR = choice == 1 ? kSeawater : kFreshwater;
            if (TPCM.NUNTS == 1) TPCM.DWATR = TPCM.DWATR * kDensityLabelFactor;
        } else if (choice == 3) {
            write_density_line(unit);
            ENTERF(TPCM.DWATR, unit, KBD_UNIT);
        }
        return;
    }
}

void help_title(Int IOSCRN, std::string_view subject) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, Record().t(22).put(subject).str());
}

void item_heading(Int IOSCRN, std::string_view number) {
    blank_line(IOSCRN);
    write_record(IOSCRN, std::string(" ++> Item Number  ").append(number));
}

void no_help_line(Int IOSCRN) {
    blank_line(IOSCRN);
    write_record(IOSCRN, " ++> Sorry, no help for this line...");
    blank_line(IOSCRN);
}

// A help of two topics: topic ONE for the items up to FIRST, topic TWO for item SECOND, both (under
// the items FIRST and SECOND) when no line is asked about.
void two_topic_help(Int IOSCRN, Int KBD, Int& LINE, std::string_view title, Int FIRST,
                    std::span<const std::string_view> ONE, Int SECOND, std::span<const std::string_view> TWO) {
    help_title(IOSCRN, title);
    if (LINE == 0) {
        item_heading(IOSCRN, std::to_string(FIRST));
        write_records(IOSCRN, ONE);
        item_heading(IOSCRN, std::to_string(SECOND));
        write_records(IOSCRN, TWO);
    } else {
        item_heading(IOSCRN, fmt_I(LINE, 2));
        if (LINE <= FIRST) {
            write_records(IOSCRN, ONE);
        } else if (LINE == SECOND) {
            write_records(IOSCRN, TWO);
        } else {
            no_help_line(IOSCRN);
        }
    }
    PRSRET(IOSCRN, KBD, LINE);
}

}  // namespace

std::string ENGMET(Int NUNTS) {
    if (NUNTS == 0) return "English";
    if (NUNTS == 1) return "metric ";
    // A unit flag that is neither (a damaged file): named as such rather than read past the names.
    return "unknown";
}

void STATHLP(Int IOSCRN, Int KBD, Int& LINE) {
    two_topic_help(IOSCRN, KBD, LINE, "****  Site Definition Notes  ****", 3, kUnitsTopic, 5, kDensityTopic);
}

void CNVHLP(Int IOSCRN, Int KBD, Int& LINE) {
    two_topic_help(IOSCRN, KBD, LINE, "****  Units Conversion Notes  ****", 1, kRelabelTopic, 2, kFullConversionTopic);
}

void STATIC() {
    PageParts parts;
    parts.draw = [](Int unit) { draw_page(unit); };
    parts.help = [](Int unit) { STATHLP(unit, KBD_UNIT, TPCM.IPAG); };
    parts.act = [](Int choice, Int unit) {
        switch (choice) {
            case 1:
            case 2: enter_title(choice); break;
            case 3: conversion_sub_page(); break;
            case 4:
                write_depth_line(unit);
                ENTERF(TPCM.DEPTH, unit, KBD_UNIT);
                break;
            case 5: density_sub_page(); break;
            default: return PageStep::Leave;  // a number beyond the items
        }
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant
