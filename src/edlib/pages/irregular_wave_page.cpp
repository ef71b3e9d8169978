// Page 12, the irregular sea: on or off, the spectrum type, heading, heights and periods (or the
// Ochi-Hubble components), the bandwidth or JONSWAP shape with its "Alpha" calculator, and the
// spreading of the sea over a sector of headings.
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

constexpr Int kOchiHubble = 9;
constexpr Int kOchiSlots = 4;     // the size of OCHI_LAMBDA (SWHT and SIGPD hold 6)
constexpr Int kSeaHeadingSlots = 40;
constexpr Int kValueColumn = 62;  // the dots of the parameter lines end here

// Working values of one visit to the page.
struct SeaPage {
    Real G = 0.0f;
    Real JONSWH = 0.0f;
    Real JONTPK = 0.0f;
};

bool jonswap_shape() { return TPCM.WAVTYP == 5 || TPCM.WAVTYP == 10; }
bool ochi_hubble() { return TPCM.WAVTYP == kOchiHubble; }

// The number of Ochi-Hubble components a page shows or hands to the table editor: at most MAXSHT
// and the four components there are room for.
Int ochi_rows() { return shown_count(TPCM.N_OCHI_COMP, TPCM.MAXSHT(), kOchiSlots); }

// " nn) " and the label, then dots through column 62.
std::string dotted(Int item, std::string_view label) {
    std::string s = Record().I(item, 3).put(") ").put(label).str();
    if (static_cast<int>(s.size()) < kValueColumn) s.append(static_cast<std::size_t>(kValueColumn) - s.size(), '.');
    return s;
}

void write_heading_line(Int unit) {
    write_record(unit, Record().put("  4) Wave heading: ").F(TPCM.SEAHDG(1), 8, 2).put(" degrees").str());
}

void write_component_count_line(Int unit) {
    write_record(unit, Record()
                           .put("  5) Number of Ochi-Hubble wave components .........")
                           .put(" (Max ")
                           .I(TPCM.MAXSHT(), 2)
                           .put("): ")
                           .I(TPCM.N_OCHI_COMP, 2)
                           .str());
}

void write_height_line(Int unit) {
    write_record(unit, Record()
                           .put("  6) Significant height:   ")
                           .F(TPCM.SWHT(1), 8, 2)
                           .A(length_caption(TPCM.NUNTS), 16)
                           .str());
}

void write_period_line(Int unit) {
    write_record(unit, Record().put("  7) Spectrum peak period: ").F(TPCM.SIGPD(1), 8, 2).put(" seconds").str());
}

void write_bandwidth_line(Int unit) {
    write_record(unit, "");
    write_record(unit, Record().put(dotted(8, "Spectral bandwidth parameter ")).F(TPCM.WAVWID, 10, 4).str());
}

void write_gamma_line(Int unit) {
    write_record(unit, "");
    write_record(unit, Record().put(dotted(8, "JONSWAP \"Gamma\" Parameter ")).F(TPCM.JONGAM, 10, 4).str());
}

void write_sigma_a_line(Int unit) {
    write_record(unit, Record().put(dotted(9, "JONSWAP \"Sigma a\" Shape Parameter ")).F(TPCM.JONPL, 10, 4).str());
}

void write_sigma_b_line(Int unit) {
    write_record(unit, Record().put(dotted(10, "JONSWAP \"Sigma b\" Shape Parameter ")).F(TPCM.JONPG, 10, 4).str());
}

void write_spreading_line(Int unit) {
    write_record(unit, Record().put(dotted(21, "Wave spreading index ")).F(TPCM.COSEXP, 8, 2).str());
}

void write_sector_line(Int unit) {
    write_record(unit,
                 Record().put(dotted(22, "Sector size containing wave energy ")).F(TPCM.ANGSEC, 8, 2).put(" deg").str());
}

void write_wedge_line(Int unit) {
    const std::string label = Record().put("Number of angular wedges (Max ").I(TPCM.MAXANG, 2).put(") ").str();
    write_record(unit, Record().put(dotted(23, label)).x(3).I(TPCM.NA, 2).str());
}

void draw_page(std::string_view PAGE, Int unit) {
    if (ochi_hubble()) TPCM.MAXSHT() = 4;  // kept in the image, as the page always has
    write_record(unit, Record().x(11).put("****  Page ").put(PAGE).put(": Irregular wave specifications  ****").str());
    LINES(unit, 2);
    write_record(unit, Record().put("  1) Simulate irregular waves? ").A(YESNO(TPCM.LRANDM), 5).str());
    if (TPCM.LRANDM == 0) return;
    write_record(unit, "");
    write_record(unit, Record().put("  2) Wave type: ").A(WAVPRT(TPCM.WAVTYP), 23).str());
    write_heading_line(unit);
    const Int type = TPCM.WAVTYP;
    if (type != 7 && type != 8) {
        write_record(unit, "");
        write_record(unit, Record().x(26).put("-- Wave parameters --").str());
        write_record(unit, "");
        if (ochi_hubble()) {
            write_component_count_line(unit);
            write_record(unit, "");
            write_record(unit, "  6) Component heights in" + length_caption(TPCM.NUNTS));
            write_value_rows(unit, std::span<const Real>(TPCM.SWHT.data(), kOchiSlots), ochi_rows(), 2);
            write_record(unit, "  7) Component peak periods (seconds)");
            write_value_rows(unit, std::span<const Real>(TPCM.SIGPD.data(), kOchiSlots), ochi_rows(), 2);
            write_record(unit, "  8) Component Lambda Values");
            write_value_rows(unit, std::span<const Real>(TPCM.OCHI_LAMBDA.data(), kOchiSlots), ochi_rows(), 5, "   ");
        } else {
            write_height_line(unit);
            if (type == 0 || (type >= 2 && type <= 6) || type == 10) write_period_line(unit);
            if (type == 0) write_bandwidth_line(unit);
            if (jonswap_shape()) {
                write_gamma_line(unit);
                write_sigma_a_line(unit);
                write_sigma_b_line(unit);
                if (TPCM.JONGAM > 0.0f && TPCM.JONPL > 0.0f && TPCM.JONPG > 0.0f)
                    write_record(unit, " 11) Compute JONSWAP \"Alpha\" parameter");
            }
        }
    }
    write_record(unit, "");
    write_record(unit, TPCM.LSPRED == 0 ? " 20) Use long-crested irregular wave model"
                                        : " 20) Use azimuthal spreading of irregular wave energy");
    if (TPCM.LSPRED == 0) return;
    write_spreading_line(unit);
    write_sector_line(unit);
    write_wedge_line(unit);
}

// A shape parameter that may not be negative: its line and the prompt again while it is.
template <typename WriteLine>
void enter_non_negative(Real& value, WriteLine write_line, Int unit) {
    do {
        write_line(unit);
        ENTERF(value, unit, KBD_UNIT);
    } while (value < 0.0f);
}

// The Ochi-Hubble tables through the array editor: the whole table, a count held to it.
void ochi_table(std::string_view title, std::span<Real> values) {
    AUTORP(title, values.first(kOchiSlots), ochi_rows(), std::clamp<Int>(TPCM.MAXSHT(), 0, kOchiSlots), TPCM.EDUNIT,
           KBD_UNIT, TPCM.LCOPY);
}

void act(Int selection, SeaPage& page, Int unit) {
    switch (selection) {
        case 2: spectrum_type_list("-- Irregular wave types --", TPCM.WAVTYP, false); break;
        case 4:
            if (ochi_hubble()) {
                const Int rows = shown_count(TPCM.NSEAHG, TPCM.MAXSHG(), kSeaHeadingSlots);
                AUTORP("--- Irregular wave headings ---", std::span<Real>(TPCM.SEAHDG.data(), kSeaHeadingSlots), rows,
                       std::clamp<Int>(TPCM.MAXSHG(), 0, kSeaHeadingSlots), unit, KBD_UNIT, TPCM.LCOPY);
            } else {
                write_heading_line(unit);
                ENTERF(TPCM.SEAHDG(1), unit, KBD_UNIT);
            }
            break;
        case 5:
            if (!ochi_hubble()) break;
            write_component_count_line(unit);
            ENTERI(TPCM.N_OCHI_COMP, unit, KBD_UNIT);
            MAXCHK(TPCM.N_OCHI_COMP, std::min<Int>(TPCM.MAXSHT(), kOchiSlots));
            if (TPCM.N_OCHI_COMP == 0) TPCM.N_OCHI_COMP = 1;
            break;
        case 6:
            if (ochi_hubble()) {
                ochi_table("--- Irregular wave significant heights ---", std::span<Real>(TPCM.SWHT.data(), 6));
            } else {
                write_height_line(unit);
                ENTERF(TPCM.SWHT(1), unit, KBD_UNIT);
            }
            break;
        case 7:
            if (ochi_hubble()) {
                ochi_table(" --- Irregular wave spectrum peak periods ---", std::span<Real>(TPCM.SIGPD.data(), 6));
            } else {
                write_period_line(unit);
                ENTERF(TPCM.SIGPD(1), unit, KBD_UNIT);
            }
            break;
        case 8:
            if (ochi_hubble()) {
                ochi_table("--- Component Lambda Values ---", std::span<Real>(TPCM.OCHI_LAMBDA.data(), kOchiSlots));
            } else if (jonswap_shape()) {
                enter_non_negative(TPCM.JONGAM, write_gamma_line, unit);
            } else {
                enter_non_negative(TPCM.WAVWID, write_bandwidth_line, unit);
            }
            break;
        case 9:
            if (jonswap_shape()) enter_non_negative(TPCM.JONPL, write_sigma_a_line, unit);
            break;
        case 10:
            if (jonswap_shape()) enter_non_negative(TPCM.JONPG, write_sigma_b_line, unit);
            break;
        case 11:
            if (jonswap_shape())
                jonswap_alpha_calculator(TPCM.JONGAM, TPCM.JONPL, TPCM.JONPG, page.G, page.JONSWH, page.JONTPK);
            break;
        case 20: TOGGLE3(TPCM.LSPRED, TPCM.IBATCH, unit, KBD_UNIT, "Spread Seas", "Long-Crested"); break;
        case 21:
            if (TPCM.LSPRED == 0) break;
            write_spreading_line(unit);
            ENTERF(TPCM.COSEXP, unit, KBD_UNIT);
            break;
        case 22:
            if (TPCM.LSPRED == 0) break;
            write_sector_line(unit);
            ENTERF(TPCM.ANGSEC, unit, KBD_UNIT);
            break;
        case 23:
            if (TPCM.LSPRED == 0) break;
            write_wedge_line(unit);
            ENTERI(TPCM.NA, unit, KBD_UNIT);
            TPCM.NA = 2 * (TPCM.NA / 2);  // even first (truncating toward zero), then the clamp
            MAXCHK(TPCM.NA, TPCM.MAXANG);
            break;
        default: break;  // 3, 12-19 and above 23: the page is drawn again
    }
}

}  // namespace

void MORRAN(std::string_view PAGE) {
    SeaPage page;
    page.G = page_gravity(TPCM.NUNTS);
    run_as_drawing([] {
        if (TPCM.N_OCHI_COMP <= 0) TPCM.N_OCHI_COMP = 2;
        TPCM.NSEAHG = 1;
        TPCM.NSEAHT() = 1;
    });
    PageParts parts;
    parts.draw = [&](Int unit) { draw_page(PAGE, unit); };
    parts.dump_extras = [](Int unit) {
        if (TPCM.WAVTYP == 8) {
            TWOPG(TPCM.LCOPY, unit);
            custom_spectrum_table();
        }
    };
    parts.help = [](Int unit) { RANHP1(unit, KBD_UNIT, TPCM.IPAG, TPCM.CREATR(), 0, TPCM.WAVTYP); };
    parts.switch_item = 1;
    parts.switch_word = &TPCM.LRANDM;
    parts.act = [&](Int selection, Int unit) {
        act(selection, page, unit);
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant
