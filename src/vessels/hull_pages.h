// The line layouts and the page loop shared by the hull models' report pages I and II (ship,
// member-built hull, disc buoy). Page I lines carry a dot-led label and a 10-column value; page II
// lines a 40-character label and a narrower value; both end in an 8-character unit caption.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant::hull_pages {

// The blank-padded 8-character caption field (cut when longer).
std::string caption8(std::string_view caption);

// Page I: 15 blanks, the label followed by dots to 39 characters, the value as F10.2.
std::string value_head(std::string_view label, Real value);
// ... then one blank and the 8-character caption.
std::string value_line(std::string_view label, Real value, std::string_view caption);
// ... then " SQUARE " and the 8-character length caption.
std::string area_line(std::string_view label, Real value, std::string_view length_caption);
// ... then one blank, the first 3 characters of the weight caption, "/CUBIC", one blank and the
// 5-character length word.
std::string density_line(std::string_view label, Real value, std::string_view weight_caption,
                         std::string_view length_word);
// ... then " DEG".
std::string angle_line(std::string_view label, Real value);

// The 5-character length word of the density line: "FOOT " in English units, otherwise the first
// five characters of the length caption of the unit system.
std::string density_length_word(Int NUNTS);

// Page II: 15 blanks, the 40-character label, the value as Fwidth.1, one blank, the caption.
std::string period_line(std::string_view label40, Real value, int width, std::string_view caption);
// 15 blanks, "Damping conversion: 1% = ", E10.3 and the 24-character caption, no separator.
std::string conversion_line(Real value, std::string_view caption24);
// 15 blanks, "REGULAR WAVE ", the first 6 characters of the word, 21 dots, Fwidth.1, one blank, the unit.
std::string regular_wave_line(std::string_view word, Real value, int width, std::string_view unit);

// Page I's site lines (water depth and density) and the hydrostatic lines of a hull whose motion
// model left its centres and metacentric heights in HIMEM (the ship and the disc buoy): displacement,
// area, KB, draft; KG and the natural roll and pitch centres; the gyradii; the longitudinal and the
// transverse GM, KM and IWP/DELTA, in five groups.
void site_lines(Int unit);
void hydrostatic_lines(Int unit);

// The parts of page I that the hulls write alike, each with its own values: displacement, water
// plane area, vertical KB and draft; the pitch, roll and yaw gyradii of TPCM; and one axis' group of
// metacentric lines, GM, the righting arm (where there is one), KM and IWP/DELTA, the axis word
// ("LONGITUDINAL" or "TRANSVERSE") and its letter ('L' or 'T') naming them.
void displacement_lines(Int unit, Real displacement, Real area, Real kb, Real draft, std::string_view mass,
                        std::string_view length);
void gyradius_lines(Int unit, std::string_view length);
void metacentre_lines(Int unit, std::string_view axis, char letter, Real gm, const Real* righting_arm, Real km,
                      Real iwp, std::string_view length);

// The three-line title box: a frame line, 3 blanks and the title, the frame line again.
void title_box(Int unit, std::string_view title);
// Writes n empty records.
void empty_lines(Int unit, int n);
// A section heading opened by a line holding one blank: " ", an empty line, 5 blanks and the
// title, two empty lines.
void blank_led_heading(Int unit, std::string_view title);

// The page loop: start a page with PAGE on IUNIT, write it, and on the console (IUNIT equal to
// EDUNIT) pause with PRSRET; while the answer left in LBACK is -1 or below the page is written
// again. On any other unit the page is written once, whatever LBACK held on entry.
void write_page(const std::function<void()>& lines);

// Page II's captions of the damping conversion lines and the regular wave.
struct MotionCaptions {
    std::string HEVDUN;  // translational damping unit, 24 characters
    std::string ROLDUN;  // rotational damping unit, 24 characters
    std::string SHTCHR;  // "HEIGHT" or "SLOPE ", 8 characters
    std::string DUM;     // the regular wave's unit, 8 characters
};
MotionCaptions motion_captions(Int NUNTS, Int LSLPHT);

// Page II's parts that every hull writes alike: the title box with the optional note on user
// RAOs (naming the program whose estimates the page shows, after its marker " ++>" or " >>>"),
// the two section headings, and the closing regular-wave and water-depth lines.
void motion_page_head(Int unit, Int AUXVSH, std::string_view program, std::string_view marker = " ++>");
void periods_heading(Int unit);
void damping_heading(Int unit);
void motion_page_tail(Int unit, const MotionCaptions& c, Real SLPHT, Real DEPTH, Int NUNTS, int width);

}  // namespace brevant::hull_pages
