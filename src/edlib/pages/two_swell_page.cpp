// The two-swell variant of the background swell page: the first swell as items 1 to 11, a second,
// smaller swell as items 21 to 31, and one heading lock for both. No page of the chain calls it;
// the analysis reads the second swell's words all the same.
#include <string>
#include <string_view>
#include <utility>

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

constexpr Int kSecondSwellFirst = 20;
constexpr Int kLockItem = 41;

// The item label of number NFIRST + k: one blank, the number in two columns.
Record item(Int NFIRST, Int k) { return std::move(Record().x(1).I(NFIRST + k, 2)); }

void write_heading_line(Int NFIRST, const SwellWords& s, Int unit) {
    write_record(unit, item(NFIRST, 4)
                           .put(TPCM.LSWLOK == 0 ? ") Global swell heading ...................... "
                                                 : ") Relative swell heading .................... ")
                           .F(s.SWLHDG, 11, 2)
                           .put(" degrees")
                           .str());
}

void write_height_line(Int NFIRST, const SwellWords& s, Int unit) {
    write_record(unit, item(NFIRST, 6)
                           .put(") Swell significant height .................. ")
                           .F(s.SWELHT, 11, 2)
                           .A(length_caption(TPCM.NUNTS), 13)
                           .str());
}

void write_period_line(Int NFIRST, const SwellWords& s, Int unit) {
    write_record(unit,
                 item(NFIRST, 7).put(") Swell peak period ......................... ").F(s.SWELPD, 11, 2).put(" seconds").str());
}

void write_bandwidth_line(Int NFIRST, const SwellWords& s, Int unit) {
    write_record(unit, item(NFIRST, 8).put(") Swell spectral bandwidth parameter ........ ").F(s.SWLWID, 11, 2).str());
}

void write_gamma_line(Int NFIRST, const SwellWords& s, Int unit) {
    write_record(unit, item(NFIRST, 8).put(") JONSWAP \"Gamma\" Parameter ................. ").F(s.JONGAM_SWL, 13, 4).str());
}

void write_sigma_a_line(Int NFIRST, const SwellWords& s, Int unit) {
    write_record(unit, item(NFIRST, 9).put(") JONSWAP \"Sigma a\" Shape Parameter ......... ").F(s.JONPL_SWL, 13, 4).str());
}

void write_sigma_b_line(Int NFIRST, const SwellWords& s, Int unit) {
    write_record(unit, item(NFIRST, 10).put(") JONSWAP \"Sigma b\" Shape Parameter ......... ").F(s.JONPG_SWL, 13, 4).str());
}

bool jonswap_shape(const SwellWords& s) { return s.SWLTYP == 5 || s.SWLTYP == 10; }

// A parameter that may not be negative: its line and the prompt again while it is.
template <typename WriteLine>
void enter_non_negative(Real& value, WriteLine write_line, Int NFIRST, const SwellWords& s, Int unit) {
    do {
        write_line(NFIRST, s, unit);
        ENTERF(value, unit, KBD_UNIT);
    } while (value < 0.0f);
}

void draw_block(Int NFIRST, const SwellWords& s, Int unit) {
    write_record(unit, "");
    write_record(unit, item(NFIRST, 2)
                           .put(") Swell type: ")
                           .put(s.SWLTYP == 0 ? std::string("Velmora default swell") : WAVPRT(s.SWLTYP))
                           .str());
    write_heading_line(NFIRST, s, unit);
    if (s.SWLTYP == 8 && TPCM.LCOPY != 0) {
        TWOPG(TPCM.LCOPY, unit);
        TPCM.LBACK = 0;
        custom_spectrum_table();
    }
    if (s.SWLTYP == 7 || s.SWLTYP == 8) return;
    write_height_line(NFIRST, s, unit);
    if (s.SWLTYP == 1) return;  // the Pierson-Moskowitz period follows from the height
    write_period_line(NFIRST, s, unit);
    if (s.SWLTYP == 0) {
        write_bandwidth_line(NFIRST, s, unit);
        return;
    }
    if (!jonswap_shape(s)) return;
    write_gamma_line(NFIRST, s, unit);
    write_sigma_a_line(NFIRST, s, unit);
    write_sigma_b_line(NFIRST, s, unit);
}

void edit_block(Int NFIRST, SwellWords& s, Int unit) {
    const Int NUPDAT = TPCM.LBACK - NFIRST;
    if (NUPDAT == 1) {
        TOGGLE2(s.LSWELL, TPCM.IBATCH, unit, KBD_UNIT);
        return;
    }
    if (s.LSWELL != 1) return;
    if (NUPDAT == 2) {
        // On leaving the list the table type opens its table, whether chosen now or kept.
        two_swell_type_list("-- Irregular swell types --", s.SWLTYP);
        if (s.SWLTYP == 8) custom_spectrum_table();
        return;
    }
    if (NUPDAT == 4) {
        write_heading_line(NFIRST, s, unit);
        ENTERF(s.SWLHDG, unit, KBD_UNIT);
        return;
    }
    if (s.SWLTYP == 7 || s.SWLTYP == 8) return;
    if (NUPDAT == 6) {
        write_height_line(NFIRST, s, unit);
        ENTERF(s.SWELHT, unit, KBD_UNIT);
        return;
    }
    if (s.SWLTYP == 1) return;
    if (NUPDAT == 7) {
        write_period_line(NFIRST, s, unit);
        ENTERF(s.SWELPD, unit, KBD_UNIT);
        return;
    }
    if (NUPDAT == 8 && s.SWLTYP == 0) {
        enter_non_negative(s.SWLWID, write_bandwidth_line, NFIRST, s, unit);
        return;
    }
    if (!jonswap_shape(s)) return;
    switch (NUPDAT) {
        case 8: enter_non_negative(s.JONGAM_SWL, write_gamma_line, NFIRST, s, unit); break;
        case 9: enter_non_negative(s.JONPL_SWL, write_sigma_a_line, NFIRST, s, unit); break;
        case 10: enter_non_negative(s.JONPG_SWL, write_sigma_b_line, NFIRST, s, unit); break;
        case 11:
            // Only on a valid shape: the normalising integral takes the log of gamma and divides by
            // the sigmas, and its failure would end the program with the edits unsaved.
            if (s.JONGAM_SWL > 0.0f && s.JONPL_SWL > 0.0f && s.JONPG_SWL > 0.0f) {
                // The block keeps nothing between calls: a value not typed is taken as 0.
                Real JONSWH = 0.0f;
                Real JONTPK = 0.0f;
                jonswap_alpha_calculator(s.JONGAM_SWL, s.JONPL_SWL, s.JONPG_SWL, page_gravity(TPCM.NUNTS), JONSWH, JONTPK);
            }
            break;
        default: break;
    }
}

void draw_page(std::string_view PAGE, SwellWords& first, SwellWords& second, Int unit) {
    Tpcm& P = TPCM;
    write_record(unit, Record().x(16).put("****  Page ").put(PAGE).put(": Background swell characteristics  ***").str());
    write_record(unit, "");
    write_record(unit, Record().put("  1) Simulate swell? ...........................").x(7).A(YESNO(P.LSWELL), 5).str());
    if (P.LSWELL == 0) {
        P.LSWEL2 = 0;  // no second swell without the first
        return;
    }
    SWEL_BLOK(0, 0, first);
    write_record(unit, "");
    write_record(unit, Record().put("21) ++> Simulate SECOND, *smaller* swell? .....").x(7).A(YESNO(P.LSWEL2), 5).str());
    if (P.LSWEL2 != 0) SWEL_BLOK(kSecondSwellFirst, 0, second);
    if (P.CREATR() < 10 && P.LRANDM == 1 && P.LSWELL > 0) {
        write_record(unit, "");
        write_record(unit, Record().put("41) Lock swell heading to irregular waves?").x(12).A(YESNO(P.LSWLOK), 5).str());
    } else {
        P.LSWLOK = 0;
    }
}

}  // namespace

SwellWords first_swell_words() {
    Tpcm& P = TPCM;
    return {P.LSWELL, P.SWLTYP, P.SWELHT, P.SWELPD, P.SWLHDG, P.JONPL_SWL, P.JONPG_SWL, P.JONGAM_SWL, P.SWLWID};
}

SwellWords second_swell_words() {
    Tpcm& P = TPCM;
    return {P.LSWEL2, P.SWLTYP2, P.SWELHT2, P.SWELPD2, P.SWLHDG2, P.JONPL_SWL2, P.JONPG_SWL2, P.JONGAM_SWL2, P.SWLWID2};
}

void SWEL_BLOK(Int NFIRST, Int DATUPD, SwellWords& swell) {
    const Int unit = TPCM.EDUNIT;
    if (DATUPD == 0) {
        draw_block(NFIRST, swell, unit);
        return;
    }
    edit_block(NFIRST, swell, unit);
}

void SWELL2(std::string_view PAGE) {
    Tpcm& P = TPCM;
    SwellWords first = first_swell_words();
    SwellWords second = second_swell_words();
    run_as_drawing([&] {
        if (P.LSWELL != 0 && P.LRANDM == 0) P.WAVHDG(1) = P.SWLHDG;
    });
    PageParts parts;
    parts.draw = [&](Int unit) { draw_page(PAGE, first, second, unit); };
    parts.help = [&](Int unit) { RANHP1(unit, KBD_UNIT, P.IPAG, P.CREATR(), 1, P.SWLTYP); };
    parts.act = [&](Int selection, Int unit) {
        if (selection == kLockItem) {
            TOGGLE2(P.LSWLOK, P.IBATCH, unit, KBD_UNIT);
        } else if (selection <= kSecondSwellFirst) {
            SWEL_BLOK(0, 1, first);
        } else if (selection <= 2 * kSecondSwellFirst) {
            SWEL_BLOK(kSecondSwellFirst, 1, second);
        }
        return PageStep::Stay;
    };
    run_page({P.EDUNIT, P.LCOPY, P.LBACK, P.IPAG, P.IBATCH}, parts);
}

}  // namespace brevant
