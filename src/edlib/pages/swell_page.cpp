// Page 13, the background swell: on or off, its spectrum type, heading (global, or relative to the
// irregular-sea headings), height and period, and the bandwidth or JONSWAP shape of its spectrum.
#include <string>
#include <string_view>

#include "edlib/pages/environment_pages.h"
#include "edlib/pages/spectrum_page_kit.h"
#include "edlib/pages/wave_help.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/captions.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

namespace {

constexpr Int kLastItem = 11;

// Working values of one visit to the page.
struct SwellPage {
    Real G = 0.0f;
    Real JONSWH = 0.0f;
    Real JONTPK = 0.0f;
};

bool jonswap_shape() { return TPCM.SWLTYP == 5 || TPCM.SWLTYP == 10; }

// The lock is offered only on data sets of the older simulation types with the irregular sea on.
bool lock_offered() { return TPCM.CREATR() < 10 && TPCM.LRANDM == 1; }

void write_heading_line(Int unit) {
    write_record(unit, Record()
                           .put(TPCM.LSWLOK == 0 ? "  4) Global swell heading ......................... "
                                                 : "  4) Relative swell heading ....................... ")
                           .F(TPCM.SWLHDG, 11, 2)
                           .put(" degrees")
                           .str());
}

void write_height_line(Int unit) {
    write_record(unit, Record()
                           .put("  6) Swell significant height ..................... ")
                           .F(TPCM.SWELHT, 11, 2)
                           .A(length_caption(TPCM.NUNTS), 16)
                           .str());
}

void write_period_line(Int unit) {
    write_record(unit,
                 Record().put("  7) Swell peak period ............................ ").F(TPCM.SWELPD, 11, 2).put(" seconds").str());
}

void write_bandwidth_line(Int unit) {
    write_record(unit, Record().put("  8) Swell spectral bandwidth parameter ........... ").F(TPCM.SWLWID, 11, 2).str());
}

void write_gamma_line(Int unit) {
    write_record(unit, "");
    write_record(unit,
                 Record().put("  8) JONSWAP \"Gamma\" Parameter .................... ").F(TPCM.JONGAM_SWL, 13, 4).str());
}

void write_sigma_a_line(Int unit) {
    write_record(unit,
                 Record().put("  9) JONSWAP \"Sigma a\" Shape Parameter ............ ").F(TPCM.JONPL_SWL, 13, 4).str());
}

void write_sigma_b_line(Int unit) {
    write_record(unit,
                 Record().put(" 10) JONSWAP \"Sigma b\" Shape Parameter ............ ").F(TPCM.JONPG_SWL, 13, 4).str());
}

void draw_page(std::string_view PAGE, Int unit) {
    write_record(unit, Record().x(16).put("****  Page ").put(PAGE).put(": Background swell characteristics  ***").str());
    write_record(unit, "");
    write_record(unit, Record().put("  1) Simulate swell? ...........................").x(7).A(YESNO(TPCM.LSWELL), 5).str());
    if (TPCM.LSWELL == 0) return;
    write_record(unit, "");
    write_record(unit, "  2) Swell type: " + (TPCM.SWLTYP == 0 ? std::string("Velmora default swell") : WAVPRT(TPCM.SWLTYP)));
    if (lock_offered()) {
        write_record(unit, Record().put("  3) Lock swell heading to irregular waves? ").A(YESNO(TPCM.LSWLOK), 5).str());
        write_record(unit, "");
    } else {
        TPCM.LSWLOK = 0;  // stored: the heading is global wherever the lock is not offered
    }
    write_heading_line(unit);
    if (TPCM.SWLTYP == 7 || TPCM.SWLTYP == 8) return;
    write_record(unit, "");
    write_record(unit, Record().x(26).put("-- Swell parameters --").str());
    write_record(unit, "");
    write_height_line(unit);
    write_period_line(unit);
    if (TPCM.SWLTYP == 0) write_bandwidth_line(unit);
    if (jonswap_shape()) {
        write_gamma_line(unit);
        write_sigma_a_line(unit);
        write_sigma_b_line(unit);
        if (TPCM.JONGAM_SWL > 0.0f && TPCM.JONPL_SWL > 0.0f && TPCM.JONPG_SWL > 0.0f)
            write_record(unit, " 11) Compute JONSWAP \"Alpha\" parameter");
    }
}

// A parameter that may not be negative: its line and the prompt again while it is.
template <typename WriteLine>
void enter_non_negative(Real& value, WriteLine write_line, Int unit) {
    do {
        write_line(unit);
        ENTERF(value, unit, KBD_UNIT);
    } while (value < 0.0f);
}

void act(Int selection, SwellPage& page, Int unit) {
    const bool shape = jonswap_shape();
    switch (selection) {
        case 2: spectrum_type_list("-- Irregular swell types --", TPCM.SWLTYP, true); break;
        case 3: TOGGLE2(TPCM.LSWLOK, TPCM.IBATCH, unit, KBD_UNIT); break;
        case 4:
            write_heading_line(unit);
            ENTERF(TPCM.SWLHDG, unit, KBD_UNIT);
            break;
        case 6:
            write_height_line(unit);
            ENTERF(TPCM.SWELHT, unit, KBD_UNIT);
            break;
        case 7:
            write_period_line(unit);
            ENTERF(TPCM.SWELPD, unit, KBD_UNIT);
            break;
        case 8:
            if (shape)
                enter_non_negative(TPCM.JONGAM_SWL, write_gamma_line, unit);
            else
                enter_non_negative(TPCM.SWLWID, write_bandwidth_line, unit);
            break;
        case 9:
            if (shape) enter_non_negative(TPCM.JONPL_SWL, write_sigma_a_line, unit);
            break;
        case 10:
            if (shape) enter_non_negative(TPCM.JONPG_SWL, write_sigma_b_line, unit);
            break;
        case 11:
            if (shape)
                jonswap_alpha_calculator(TPCM.JONGAM_SWL, TPCM.JONPL_SWL, TPCM.JONPG_SWL, page.G, page.JONSWH,
                                         page.JONTPK);
            break;
        default: break;  // 5 and the numbers of lines not offered: the page is drawn again
    }
}

}  // namespace

void SWELL(std::string_view PAGE) {
    SwellPage page;
    page.G = page_gravity(TPCM.NUNTS);
    // A swell without an irregular sea takes its heading as the first regular-wave heading, also
    // when the page is only written out.
    run_as_drawing([] {
        if (TPCM.LSWELL == 1 && TPCM.LRANDM == 0) TPCM.WAVHDG(1) = TPCM.SWLHDG;
    });
    PageParts parts;
    parts.draw = [&](Int unit) { draw_page(PAGE, unit); };
    parts.dump_extras = [](Int unit) {
        if (TPCM.SWLTYP == 8) {
            TWOPG(TPCM.LCOPY, unit);
            TPCM.LBACK = 0;
            custom_spectrum_table();
        }
    };
    parts.help = [](Int unit) { RANHP1(unit, KBD_UNIT, TPCM.IPAG, TPCM.CREATR(), 1, TPCM.SWLTYP); };
    parts.switch_item = 1;
    parts.switch_word = &TPCM.LSWELL;
    parts.act = [&](Int selection, Int unit) {
        if (selection <= kLastItem) act(selection, page, unit);
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant
