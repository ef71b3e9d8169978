// Page 11, the regular waves: the period list (also the frequency grid of every spectrum), constant
// height or slope, and the wave headings of data sets made by the older simulation types.
#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "edlib/pages/environment_pages.h"
#include "edlib/pages/spectrum_page_kit.h"
#include "edlib/pages/wave_help.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/array_editor.h"
#include "sysutl/captions.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr Int kMaxPeriods = 100;  // fixed in the page; the size of T
constexpr Int kHeadingSlots = 12; // the size of WAVHDG

// Headings are offered only on data sets made by the simulation types below 10.
bool headings_offered() { return TPCM.SIMTYP < 10; }

std::string slope_or_height() { return TPCM.LSLPHT == 1 ? " slope " : " height"; }

std::string slope_or_height_unit() {
    if (TPCM.LSLPHT == 1) return UNITP(2);
    return length_caption(TPCM.NUNTS);
}

Int heading_limit() { return std::min<Int>(TPCM.MAXDIR, kHeadingSlots); }

void write_period_count_line(Int unit) {
    write_record(unit,
                 Record().put(" 1) Number of different periods (Max ").I(kMaxPeriods, 3).put("): ").I(TPCM.NWP, 3).str());
}

void write_slope_line(Int unit) {
    write_record(unit, Record()
                           .put(" 4) Wave")
                           .A(slope_or_height(), 7)
                           .F(TPCM.SLPHT, 11, 2)
                           .x(1)
                           .A(slope_or_height_unit(), 16)
                           .str());
}

void write_heading_count_line(Int unit) {
    write_record(unit, "");
    write_record(unit,
                 Record().put(" 5) Number of wave headings (Max ").I(TPCM.MAXDIR, 3).put("): ").I(TPCM.NDIR, 3).str());
}

void draw_page(std::string_view PAGE, Int unit) {
    write_record(unit, Record().x(7).put("****  Page ").put(PAGE).put(": Regular Wave Characteristics  ****").str());
    LINES(unit, 2);
    write_period_count_line(unit);
    if (TPCM.NWP != 0) {
        write_record(unit, " 2) Periods (seconds) --");
        write_value_rows(unit, std::span<const Real>(TPCM.T.data(), kMaxPeriods),
                         shown_count(TPCM.NWP, kMaxPeriods, kMaxPeriods), 2);
    }
    write_record(unit, "");
    write_record(unit, Record().put(" 3) Use constant wave height or wave slope: ").A(slope_or_height(), 7).str());
    write_slope_line(unit);
    if (!headings_offered()) return;
    write_heading_count_line(unit);
    if (TPCM.NDIR != 0) {
        write_record(unit, " 6) Wave headings (degrees) --");
        write_value_rows(unit, std::span<const Real>(TPCM.WAVHDG.data(), kHeadingSlots),
                         shown_count(TPCM.NDIR, TPCM.MAXDIR, kHeadingSlots), 2);
    }
}

}  // namespace

void REGLAR(std::string_view PAGE) {
    Int HLPFLG = 0;
    PageParts parts;
    parts.draw = [&](Int unit) { draw_page(PAGE, unit); };
    parts.help = [&](Int unit) {
        // Help on the heading items only where the headings are offered.
        if (headings_offered() || TPCM.IPAG < 5) {
            HLPFLG = 1;
            REGHLP(unit, KBD_UNIT, TPCM.IPAG, HLPFLG);
        }
    };
    parts.act = [](Int selection, Int unit) {
        if (selection > 6) return PageStep::Leave;  // a number past the items
        switch (selection) {
            case 1:
                write_period_count_line(unit);
                ENTERI(TPCM.NWP, unit, KBD_UNIT);
                MAXCHK(TPCM.NWP, kMaxPeriods);
                break;
            case 2: {
                // The editor gets the whole list and a count held to it, whatever the file held.
                const Int rows = shown_count(TPCM.NWP, kMaxPeriods, kMaxPeriods);
                AUTORP("  -- Table of wave periods (seconds) --", std::span<Real>(TPCM.T.data(), kMaxPeriods), rows,
                       kMaxPeriods, unit, KBD_UNIT, TPCM.LCOPY);
                break;
            }
            case 3: TOGGLE3(TPCM.LSLPHT, TPCM.IBATCH, unit, KBD_UNIT, "Slope", "Height"); break;
            case 4:
                write_slope_line(unit);
                ENTERF(TPCM.SLPHT, unit, KBD_UNIT);
                break;
            case 5:
                // Acted on whatever SIMTYP, as the item numbers of a page are fixed.
                write_heading_count_line(unit);
                ENTERI(TPCM.NDIR, unit, KBD_UNIT);
                MAXCHK(TPCM.NDIR, heading_limit());
                break;
            case 6: {
                const Int rows = shown_count(TPCM.NDIR, TPCM.MAXDIR, kHeadingSlots);
                AUTORP("  -- Table of wave headings (degrees) --", std::span<Real>(TPCM.WAVHDG.data(), kHeadingSlots),
                       rows, std::clamp<Int>(TPCM.MAXDIR, 0, kHeadingSlots), unit, KBD_UNIT, TPCM.LCOPY);
                break;
            }
            default: break;
        }
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant
