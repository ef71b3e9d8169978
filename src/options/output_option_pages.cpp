// Output options pages 1 and 2: one yes/no item per optional table of the analysis report (a bit of
// BRVFLG each), the attack-angle grid and the controls of the report.
#include "options/output_option_pages.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "options/output_option_help.h"
#include "options/output_selection.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/array_editor.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/page_drawing.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr Int kHeaderWidth = 78;
constexpr Int kHeadingWidth = 79;
constexpr Int kLineLength = 71;  // the numbered, dotted label fills 71 columns
constexpr std::string_view kCaptionFormat = "(A71,1X,A3)";
constexpr std::string_view kWordFormat = "(A71,1X,A10)";
constexpr std::string_view kCountFormat = "(A71,1X,I3)";
constexpr std::string_view kRealFormat2 = "(A71,F7.2)";
constexpr std::string_view kRealFormat4 = "(A71,F7.4)";

// The whole-list bounds of the attack-angle count: uniform increments, and the angle array (whose
// 39 words leave room for 37 angles).
constexpr Int kMaxUniformAngles = 361;
constexpr Int kMaxArrayAngles = 37;
constexpr std::size_t kAngleArrayWords = 39;

// A section heading centred in 79 columns (with its trailing blank).
void heading(std::string_view text, Int unit) {
    CENTER(text, static_cast<Int>(text.size()), " ", 1, kHeadingWidth, unit);
}

Int bit_of(Int bit) { return BITVAL(TPCM.BRVFLG, bit, TPCM.EDUNIT); }

// A bit item: its value through the toggle, read and written back with BITVAL and BITSET.
void toggle_bit(Int bit) {
    Tpcm& T = TPCM;
    Int v = BITVAL(T.BRVFLG, bit, T.EDUNIT);
    TOGGLE2(v, T.IBATCH, T.EDUNIT, KBD_UNIT);
    BITSET(T.BRVFLG, bit, v, T.EDUNIT);
}

// ---- Page 1 ------------------------------------------------------------------------------------

enum class Needs { Always, WavesOrSwell, Waves, Swell };

struct BitItem {
    Int bit;
    std::string_view label;
    Needs needs;
};

// Items 1 to 13 in their order; the bit of each is also the identity of its help note.
constexpr std::array<BitItem, 13> kPage1Items = {{
    {kBitReflectionCoefficients, "Dimensionless regular wave force/moment coefficients", Needs::Always},
    {kBitReflectionDistribution, "Mean irregular wave force/moment frequency distribution", Needs::WavesOrSwell},
    {kBitReflectionMeanForces, "Mean irregular wave forces/moments", Needs::WavesOrSwell},
    {kBitReflectionSpectraByAngle, "Spectral densities (fixed frequency, variable angle)", Needs::WavesOrSwell},
    {kBitReflectionSpectraByFrequency, "Spectral densities (fixed angle, variable frequency)", Needs::WavesOrSwell},
    {kBitAbsorptionCoefficients, "Dimensionless regular wave force/moment coefficients", Needs::Always},
    {kBitAbsorptionMeanForces, "Mean irregular wave forces/moments", Needs::WavesOrSwell},
    {kBitAbsorptionSpectraByAngle, "Spectral densities (fixed frequency, variable angle)", Needs::WavesOrSwell},
    {kBitAbsorptionSpectraByFrequency, "Spectral densities (fixed angle, variable frequency)", Needs::WavesOrSwell},
    {kBitWaveSpectrum, "Specified wave spectrum", Needs::Waves},
    {kBitWaveGroupSpectrum, "Specified wave group spectrum", Needs::Waves},
    {kBitSwellSpectrum, "Specified swell spectrum", Needs::Swell},
    {kBitSwellGroupSpectrum, "Specified swell group spectrum", Needs::Swell},
}};
constexpr Int kPage1LastItem = 13;

bool waves_or_swell() { return TPCM.LRANDM == 1 || TPCM.LSWELL == 1; }

bool page1_shown(const BitItem& item) {
    switch (item.needs) {
        case Needs::Always: return true;
        case Needs::WavesOrSwell: return waves_or_swell();
        case Needs::Waves: return TPCM.LRANDM == 1;
        case Needs::Swell: return TPCM.LSWELL == 1;
    }
    return false;
}

const BitItem& page1_item(Int n) { return kPage1Items[static_cast<std::size_t>(n - 1)]; }

// Items FIRST to LAST; a hidden item uses up its number.
void write_page1_items(Int& LINUM, Int FIRST, Int LAST) {
    for (Int n = FIRST; n <= LAST; ++n) {
        const BitItem& item = page1_item(n);
        if (page1_shown(item)) {
            OUTCC0(LINUM, item.label, YESNO(bit_of(item.bit)), kCaptionFormat, TPCM.EDUNIT, kLineLength);
        } else {
            ++LINUM;
        }
    }
}

void draw_page1(std::string_view PAGE) {
    Tpcm& T = TPCM;
    const Int unit = T.EDUNIT;
    PAGHDR(PAGE, " ", "Brevant Output Options 1", kHeaderWidth, unit, T.LCOPY);
    Int LINUM = 1;
    T.LBACK = 0;
    heading("*** Wave <<Reflection>> Forces and Moments ***", unit);
    LINES(unit, 1);
    write_page1_items(LINUM, 1, 5);
    LINES(unit, 1);
    heading("*** Wave <<Absorption>> Forces and Moments ***", unit);
    LINES(unit, 1);
    write_page1_items(LINUM, 6, 9);
    if (waves_or_swell()) {
        LINES(unit, 1);
        heading("*** Wave Spectrum ***", unit);
        LINES(unit, 1);
    }
    write_page1_items(LINUM, 10, kPage1LastItem);
}

// ---- Page 2 ------------------------------------------------------------------------------------

constexpr Int kPage2LastItem = 26;

bool wind_on() { return TPCM.LWIND != 0; }
bool current_on() { return TPCM.LCURNT != 0; }

// The bit items of page 2 (items 1-10, 12, 13; 24 is a text line of its own).
struct Page2Bit {
    Int item;
    Int bit;
    std::string_view label;
    bool (*shown)();
};

bool always() { return true; }

constexpr std::array<Page2Bit, 12> kPage2Bits = {{
    {1, kBitWindCoefficients, "Dimensionless wind force/moment coefficients", always},
    {2, kBitWindMeanForces, "Mean wind forces/moments", wind_on},
    {3, kBitWindSpectraByAngle, "Wind force spectral density (fixed frequency, variable angle)", wind_on},
    {4, kBitWindSpectraByFrequency, "Wind force spectral density (fixed angle, variable frequency)", wind_on},
    {5, kBitWindSpeedSpectrum, "Wind speed spectral density (variation with frequency)", wind_on},
    {6, kBitCurrentCoefficients, "Dimensionless current force/moment <<coefficients>>", always},
    {7, kBitCurrentMeanForces, "Mean current forces/moments", current_on},
    {8, kBitCurrentSpectraByAngle, "Current force spectral density (fixed frequency, variable angle)", current_on},
    {9, kBitCurrentSpectraByFrequency, "Current force spectral density (fixed angle, variable frequency)",
     current_on},
    {10, kBitCurrentSpeedSpectrum, "Current speed spectral density (variation with frequency)", current_on},
    {12, kBitNetLoadTables, "Net environmental moment and load tables", always},
    {13, kBitNetSpectralTables, "Net environmental moment and load spectral tables", always},
}};

const Page2Bit* page2_bit(Int n) {
    for (const Page2Bit& b : kPage2Bits)
        if (b.item == n) return &b;
    return nullptr;
}

constexpr std::string_view kLegacyLabel = "Use \"Legacy\" current-wave drift force interaction model";
constexpr std::string_view kWaveDragLabel = "Exclude wave drag from net loads tables";
constexpr std::string_view kCountLabel = "Number of vessel-relative attack angles for evaluation";
constexpr std::string_view kIncrementLabel = "Uniform azimuthal angular increment (deg)";
constexpr std::string_view kStartLabel = "Starting attack angle (deg)";
constexpr std::string_view kArrayLabel = "Angular array (degrees) --";
constexpr std::string_view kFrequencyLabel = "Frequency of \"low-frequency\" oscillations (radians/sec)";
constexpr std::string_view kIntervalLabel = "Frequency interval for group spectral tables (radians/sec)";
constexpr std::string_view kPeriodLabel = "Minimum period for L.F. spectral tables (sec)";

std::string_view angle_mode_label() {
    return TPCM.LANGARR == 0 ? "Use uniform angular increments (toggle to specify an array)"
                             : "Specify angular increments (toggle for uniform increments) ";
}
std::string_view offset_label() {
    return TPCM.NUNTS == 1 ? "Offset from CG for moment calculations (meters)"
                           : "Offset from CG for moment calculations (feet)";
}
std::string_view angle_convention_label() {
    return bit_of(kBitRelativeHeadings) == 0
               ? "Use vessel-relative <<attack angles>> for environment in output tables"
               : "Use vessel-relative <<headings>> for environment in output tables";
}
std::string device_caption() {
    const Int IUNIT = TPCM.IUNIT;
    return fixed_len(IUNIT == 6 ? "Console" : IUNIT == 1 ? "Disk" : "Awk!", 10);
}
std::string debug_caption() {
    const Int NBUG0 = TPCM.NBUG0;
    return fixed_len(NBUG0 == 1 ? "on" : NBUG0 == 0 ? "off" : "Awk!", 10);
}

bool page2_shown(Int n) {
    const Tpcm& T = TPCM;
    if (const Page2Bit* b = page2_bit(n)) return b->shown();
    switch (n) {
        case 11: return current_on();
        case 14: return T.LRANDM != 0 || T.LSWELL != 0;
        case 17:
        case 18: return T.LANGARR == 0;
        case 19: return T.LANGARR == 1;
        case 21: return any_output_bit(T.BRVFLG, kOscillationFrequencyBits);
        case 22:
        case 23: return any_output_bit(T.BRVFLG, kLowFrequencyTableBits);
        default: return n >= 1 && n <= kPage2LastItem;
    }
}

Int page2_help_code(Int n) {
    if (const Page2Bit* b = page2_bit(n)) return b->bit;
    switch (n) {
        case 11: return 100;
        case 14: return 152;
        case 15: return 124;
        case 16: return 130;
        case 17: return 125;
        case 18: return 129;
        case 19: return 131;
        case 20: return 126;
        case 21: return 127;
        case 22: return 128;
        case 23: return 132;
        case 24: return kBitRelativeHeadings;
        case 25: return 150;
        case 26: return 151;
        default: return 0;
    }
}

// The angles of the array, six to a line (one empty line for none).
void write_angle_list(Int unit) {
    const Int n = std::clamp<Int>(TPCM.NUMBRV, 0, kMaxArrayAngles);
    std::vector<FmtItem> values;
    for (Int i = 1; i <= n; ++i) values.emplace_back(TPCM.BRVHDG(i));
    write_formatted(unit, "(6F13.2)", values);
}

// The line of item n, written with the number n (nothing for a hidden item).
void write_page2_item(Int n) {
    const Tpcm& T = TPCM;
    const Int unit = T.EDUNIT;
    if (!page2_shown(n)) return;
    Int LINUM = n;
    if (const Page2Bit* b = page2_bit(n)) {
        OUTCC0(LINUM, b->label, YESNO(bit_of(b->bit)), kCaptionFormat, unit, kLineLength);
        return;
    }
    switch (n) {
        case 11: OUTCC0(LINUM, kLegacyLabel, YESNO(T.LEGDFC), kCaptionFormat, unit, kLineLength); break;
        case 14: OUTCC0(LINUM, kWaveDragLabel, YESNO(T.LEGDRG), kCaptionFormat, unit, kLineLength); break;
        case 15: OUTCI0(LINUM, kCountLabel, T.NUMBRV, kCountFormat, unit, kLineLength); break;
        case 16: {
            // Written at the label's own width: no dot leader, a blank for its value.
            const std::string_view label = angle_mode_label();
            const Int width = static_cast<Int>(label.size()) + 5;
            OUTCC0(LINUM, label, " ", "(A" + std::to_string(width) + ",A1)", unit, width);
            break;
        }
        case 17: OUTCF0(LINUM, kIncrementLabel, T.BRVINC, kRealFormat2, unit, kLineLength); break;
        case 18: OUTCF0(LINUM, kStartLabel, T.VESAN0, kRealFormat2, unit, kLineLength); break;
        case 19: {
            const Int width = static_cast<Int>(kArrayLabel.size()) + 5;
            OUTCC0(LINUM, kArrayLabel, " ", "(A" + std::to_string(width) + ",A1)", unit, width);
            break;
        }
        case 20: OUTCF0(LINUM, offset_label(), T.BRVARM, kRealFormat2, unit, kLineLength); break;
        case 21: OUTCF0(LINUM, kFrequencyLabel, T.BRVFRQ, kRealFormat4, unit, kLineLength); break;
        case 22: OUTCF0(LINUM, kIntervalLabel, T.BRVFRQ_DELTA, kRealFormat4, unit, kLineLength); break;
        case 23: OUTCF0(LINUM, kPeriodLabel, T.BRV_PD_MIN(), kRealFormat2, unit, kLineLength); break;
        case 24: OUTTXT(LINUM, angle_convention_label(), unit); break;
        case 25: OUTCC0(LINUM, "Output goes to", device_caption(), kWordFormat, unit, kLineLength); break;
        case 26: OUTCC0(LINUM, "Debug option is", debug_caption(), kWordFormat, unit, kLineLength); break;
        default: break;
    }
}

void write_page2_items(Int FIRST, Int LAST) {
    for (Int n = FIRST; n <= LAST; ++n) write_page2_item(n);
}

void net_load_heading(Int unit) {
    LINES(unit, 1);
    heading("*** Net Load Tables ***", unit);
    LINES(unit, 1);
}
void angular_grid_heading(Int unit) {
    LINES(unit, 1);
    heading("*** Angular Grid Controls ***", unit);
    LINES(unit, 1);
}
void miscellaneous_heading(Int unit) {
    heading("*** Miscellaneous Controls ***", unit);
    LINES(unit, 1);
}

void draw_page2(std::string_view PAGE) {
    Tpcm& T = TPCM;
    const Int unit = T.EDUNIT;
    PAGHDR(PAGE, " ", "Brevant Output Options 2", kHeaderWidth, unit, T.LCOPY);
    T.LBACK = 0;
    heading("*** Wind Forces and Moments ***", unit);
    LINES(unit, 1);
    write_page2_items(1, 5);
    LINES(unit, 1);
    heading("*** Current Forces and Moments ***", unit);
    LINES(unit, 1);
    write_page2_items(6, 11);
    net_load_heading(unit);
    write_page2_items(12, 14);
    angular_grid_heading(unit);
    write_page2_items(15, 16);
    LINES(unit, 1);
    if (T.LANGARR == 0) {
        write_page2_items(17, 18);
        LINES(unit, 1);
    } else if (T.LANGARR == 1) {
        write_page2_item(19);
        write_angle_list(unit);
        LINES(unit, 1);
    }
    miscellaneous_heading(unit);
    write_page2_items(20, 23);
    LINES(unit, 1);
    write_page2_item(24);
    LINES(unit, 1);
    write_page2_items(25, 26);
}

// Item 25: console or disk.
void output_device_menu() {
    Tpcm& T = TPCM;
    const Int unit = T.EDUNIT;
    CLEAR(unit);
    LINES(unit, 1);
    write_record(unit, " *** Output Device Selection: ***");
    LINES(unit, 1);
    write_record(unit, " 1) Console");
    write_record(unit, " 2) Disc");
    LINES(unit, 2);
    Int ITMP = 0;
    ENTSEL(ITMP, unit, KBD_UNIT, T.IPAG);
    MAXCHK(ITMP, 3);
    if (ITMP == 1) T.IUNIT = T.EDUNIT;
    if (ITMP == 2) T.IUNIT = 1;
}

// The count of angles held to the bound of the way they are given.
void clamp_angle_count() {
    Tpcm& T = TPCM;
    MAXCHK(T.NUMBRV, T.LANGARR == 0 ? kMaxUniformAngles : kMaxArrayAngles);
}

// Edits shown item n; items 15-24 write their line again first, so that the old value stands
// above the prompt.
void edit_page2_item(Int n) {
    Tpcm& T = TPCM;
    const Int unit = T.EDUNIT;
    if (const Page2Bit* b = page2_bit(n)) {
        if (n == 12) net_load_heading(unit);
        toggle_bit(b->bit);
        return;
    }
    if (n == 15) angular_grid_heading(unit);
    if (n == 20) miscellaneous_heading(unit);
    if (n >= 15 && n <= 24) write_page2_item(n);
    switch (n) {
        case 11: TOGGLE2(T.LEGDFC, T.IBATCH, unit, KBD_UNIT); break;
        case 14: TOGGLE2(T.LEGDRG, T.IBATCH, unit, KBD_UNIT); break;
        case 15:
            ENTERI(T.NUMBRV, unit, KBD_UNIT);
            clamp_angle_count();
            break;
        case 16:
            TOGGLE2(T.LANGARR, T.IBATCH, unit, KBD_UNIT);
            if (T.LANGARR == 1) MAXCHK(T.NUMBRV, kMaxArrayAngles);
            break;
        case 17: ENTERF(T.BRVINC, unit, KBD_UNIT); break;
        case 18: ENTERF(T.VESAN0, unit, KBD_UNIT); break;
        case 19:
            // The angles are the 39 words after the first sea heading; 37 of them are used at most.
            AUTORP("--- Angular array (degrees) ---", std::span<Real>(T.SEAHDG.data() + 1, kAngleArrayWords), T.NUMBRV,
                   kMaxArrayAngles, unit, KBD_UNIT, T.LCOPY);
            break;
        case 20: ENTERF(T.BRVARM, unit, KBD_UNIT); break;
        case 21: ENTERF(T.BRVFRQ, unit, KBD_UNIT); break;
        case 22: ENTERF(T.BRVFRQ_DELTA, unit, KBD_UNIT); break;
        case 23: ENTERF(T.BRV_PD_MIN(), unit, KBD_UNIT); break;
        case 24: toggle_bit(kBitRelativeHeadings); break;
        case 25: output_device_menu(); break;
        case 26: TOGGLE3(T.NBUG0, T.IBATCH, unit, KBD_UNIT, "On", "Off"); break;
        default: break;
    }
}

}  // namespace

void BRVIO(std::string_view PAGE) {
    Tpcm& T = TPCM;
    run_as_drawing([&] { tidy_wave_output_bits(T); });
    PageParts parts;
    parts.clear = false;  // the page header clears the screen
    parts.draw = [&](Int) { draw_page1(PAGE); };
    parts.help = [&](Int unit) {
        if (T.IPAG == 0) {
            BRHLP(unit, KBD_UNIT, T.IPAG, 0);
        } else if (T.IPAG >= 1 && T.IPAG <= kPage1LastItem && page1_shown(page1_item(T.IPAG))) {
            BRHLP(unit, KBD_UNIT, T.IPAG, page1_item(T.IPAG).bit);
        }
    };
    parts.act = [](Int sel, Int) {
        if (sel <= kPage1LastItem && page1_shown(page1_item(sel))) toggle_bit(page1_item(sel).bit);
        return PageStep::Stay;
    };
    run_page({T.EDUNIT, T.LCOPY, T.LBACK, T.IPAG, T.IBATCH}, parts);
}

void BRVIO2(std::string_view PAGE) {
    Tpcm& T = TPCM;
    run_as_drawing([&] {
        tidy_wind_current_output_bits(T);
        // A file may hold more angles than the array has room for: draw and edit no further than it.
        if (T.LANGARR == 1) MAXCHK(T.NUMBRV, kMaxArrayAngles);
    });
    PageParts parts;
    parts.clear = false;  // the page header clears the screen
    parts.draw = [&](Int) { draw_page2(PAGE); };
    parts.help = [&](Int unit) {
        const Int item = T.IPAG;
        if (item == 0) {
            BRHLP2(unit, KBD_UNIT, 0, 0);
        } else if (item >= 1 && item <= kPage2LastItem && page2_shown(item)) {
            BRHLP2(unit, KBD_UNIT, item, page2_help_code(item));
        }
    };
    parts.act = [](Int sel, Int) {
        if (sel <= kPage2LastItem && page2_shown(sel)) edit_page2_item(sel);
        return PageStep::Stay;
    };
    run_page({T.EDUNIT, T.LCOPY, T.LBACK, T.IPAG, T.IBATCH}, parts);
}

}  // namespace brevant
