// Line layouts and the page loop of the hull models' report pages.
#include "vessels/hull_pages.h"

#include "records/data_image.h"
#include "records/motion_record.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"

namespace brevant::hull_pages {

namespace {

constexpr int kLabelWidth = 39;
const std::string kIndent(15, ' ');

std::string dotted(std::string_view label) {
    std::string s(label);
    if (s.size() < static_cast<std::size_t>(kLabelWidth)) s.append(kLabelWidth - s.size(), '.');
    return s;
}

}  // namespace

std::string caption8(std::string_view caption) { return fixed_len(caption, 8); }

std::string value_head(std::string_view label, Real value) { return kIndent + dotted(label) + fmt_F(value, 10, 2); }

std::string value_line(std::string_view label, Real value, std::string_view caption) {
    return value_head(label, value) + " " + caption8(caption);
}

std::string area_line(std::string_view label, Real value, std::string_view length_caption) {
    return value_head(label, value) + " SQUARE " + caption8(length_caption);
}

std::string density_line(std::string_view label, Real value, std::string_view weight_caption,
                         std::string_view length_word) {
    return value_head(label, value) + " " + fixed_len(weight_caption, 3) + "/CUBIC " + fixed_len(length_word, 5);
}

std::string angle_line(std::string_view label, Real value) { return value_head(label, value) + " DEG"; }

std::string density_length_word(Int NUNTS) { return NUNTS == 0 ? "FOOT " : fixed_len(CAPUN(NUNTS), 5); }

std::string period_line(std::string_view label40, Real value, int width, std::string_view caption) {
    return kIndent + fixed_len(label40, 40) + fmt_F(value, width, 1) + " " + caption8(caption);
}

std::string conversion_line(Real value, std::string_view caption24) {
    return kIndent + "Damping conversion: 1% = " + fmt_E(value, 10, 3) + fixed_len(caption24, 24);
}

std::string regular_wave_line(std::string_view word, Real value, int width, std::string_view unit) {
    return kIndent + "REGULAR WAVE " + fixed_len(word, 6) + std::string(21, '.') + fmt_F(value, width, 1) + " " +
           caption8(unit);
}

void site_lines(Int unit) {
    const Tpcm& P = TPCM;
    write_record(unit, value_line("WATER DEPTH ", P.DEPTH, CAPUN(P.NUNTS)));
    write_record(unit, density_line("WATER DENSITY ", P.DWATR, CAPUN(P.NUNTS + 6), density_length_word(P.NUNTS)));
}

void hydrostatic_lines(Int unit) {
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    const std::string length = CAPUN(P.NUNTS);
    displacement_lines(unit, P.DISPL, P.AWP, P.VKB, P.DRAFT, CAPUN(P.NUNTS + 4), length);
    write_record(unit, "");
    write_record(unit, value_line("VERTICAL (Z) KG ", P.VKG, length));
    write_record(unit, value_line("NATURAL ROLL CENTER (VKR) ", H.VTCRR, length));
    write_record(unit, value_line("NATURAL PITCH CENTER (VKP) ", H.VTCRP, length));
    write_record(unit, "");
    gyradius_lines(unit, length);
    write_record(unit, "");
    // The metacentric radii are formed for the print: KM - KB.
    metacentre_lines(unit, "LONGITUDINAL", 'L', H.GML, nullptr, P.VKML, P.VKML - P.VKB, length);
    write_record(unit, "");
    metacentre_lines(unit, "TRANSVERSE", 'T', H.GMT, nullptr, P.VKMT, P.VKMT - P.VKB, length);
}

void displacement_lines(Int unit, Real displacement, Real area, Real kb, Real draft, std::string_view mass,
                        std::string_view length) {
    write_record(unit, value_line("DISPLACEMENT ", displacement, mass));
    write_record(unit, area_line("WATER PLANE AREA ", area, length));
    write_record(unit, value_line("VERTICAL (Z) KB ", kb, length));
    write_record(unit, value_line("DRAFT ", draft, length));
}

void gyradius_lines(Int unit, std::string_view length) {
    const Tpcm& P = TPCM;
    write_record(unit, value_line("PITCH GYRADIUS ", P.PGYR, length));
    write_record(unit, value_line("ROLL GYRADIUS ", P.RGYR, length));
    write_record(unit, value_line("YAW GYRADIUS ", P.YGYR, length));
}

void metacentre_lines(Int unit, std::string_view axis, char letter, Real gm, const Real* righting_arm, Real km,
                      Real iwp, std::string_view length) {
    const std::string a(axis);
    write_record(unit, value_line(a + " GM (GM" + letter + ") ", gm, length));
    if (righting_arm != nullptr) write_record(unit, value_line(a + " RIGHTING ARM ", *righting_arm, length));
    write_record(unit, value_line(a + " KM (KM" + letter + ") ", km, length));
    write_record(unit, value_line(a + " IWP/DELTA ", iwp, length));
}

void title_box(Int unit, std::string_view title) {
    const std::string frame = "   **" + std::string(72, ' ') + "**";
    write_record(unit, frame);
    write_record(unit, "   " + std::string(title));
    write_record(unit, frame);
}

void empty_lines(Int unit, int n) {
    for (int i = 0; i < n; ++i) write_record(unit, "");
}

void write_page(const std::function<void()>& lines) {
    Tpcm& P = TPCM;
    for (;;) {
        PAGE(P.IUNIT, P.EDUNIT, 1, PRINTER_UNIT);
        lines();
        // Only the console pauses; a page on a file is written once, so an answer left over from
        // an earlier page can never repeat it.
        if (P.IUNIT != P.EDUNIT) return;
        PRSRET(P.EDUNIT, KBD_UNIT, P.LBACK);
        if (P.LBACK > -1) return;
    }
}

MotionCaptions motion_captions(Int NUNTS, Int LSLPHT) {
    MotionCaptions c;
    if (NUNTS == 1) {
        c.HEVDUN = fixed_len(" m.ton/(m/sec)", 24);
        c.ROLDUN = fixed_len(" m.ton*m./(rad/sec)", 24);
    } else if (NUNTS == 0) {
        c.HEVDUN = fixed_len(" k.lb/(ft/sec)", 24);
        c.ROLDUN = fixed_len(" ft*kip/(rad/sec)", 24);
    } else {
        c.HEVDUN = fixed_len(" PROBLEM here!", 24);
        c.ROLDUN = c.HEVDUN;
    }
    if (LSLPHT == 1) {
        c.SHTCHR = caption8("SLOPE ");
        c.DUM = caption8("DEGREES");
    } else {
        c.SHTCHR = caption8("HEIGHT");
        c.DUM = CAPUN(NUNTS);
    }
    return c;
}

void blank_led_heading(Int unit, std::string_view title) {
    write_record(unit, " ");
    write_record(unit, "");
    write_record(unit, "     " + std::string(title));
    empty_lines(unit, 2);
}

void motion_page_head(Int unit, Int AUXVSH, std::string_view program, std::string_view marker) {
    title_box(unit, "***************  II.  UNMOORED VESSEL MOTION CHARACTERISTICS  **************");
    if (AUXVSH != 0) {
        write_record(unit, "");
        write_record(unit, std::string(marker) + " NOTE:  The data on this page represent " + std::string(program) +
                               " estimates;");
        write_record(unit, "            Motion data on subsequent pages derive from USER-SUPPLIED RAOs");
        write_record(unit, "            which may or may not be consistent with the data on this page.");
        write_record(unit, "");
    }
}

void periods_heading(Int unit) {
    empty_lines(unit, 3);
    write_record(unit, "     ----  NATURAL PERIODS AT ZERO SPEED  ----");
    empty_lines(unit, 3);
}

void damping_heading(Int unit) {
    empty_lines(unit, 3);
    write_record(unit, "     ----  QUASI-LINEAR ZERO SPEED DAMPING COEFFICIENTS  ----");
    empty_lines(unit, 3);
}

void motion_page_tail(Int unit, const MotionCaptions& c, Real SLPHT, Real DEPTH, Int NUNTS, int width) {
    empty_lines(unit, 3);
    write_record(unit, regular_wave_line(c.SHTCHR, SLPHT, width, c.DUM));
    write_record(unit, period_line("WATER DEPTH ............................", DEPTH, width, CAPUN(NUNTS)));
}

}  // namespace brevant::hull_pages
