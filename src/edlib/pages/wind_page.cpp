// Page 9, the wind conditions: the page, its spectrum sub-page and their two help routines.
#include "edlib/pages/wind_page.h"

#include <string>
#include <string_view>
#include <vector>

#include "edlib/pages/environment_help.h"
#include "edlib/pages/environment_pages.h"
#include "edlib/pages/spectrum_page_kit.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/captions.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

// Item labels and parameter labels are all 48 characters. An item line is one blank and its label,
// a parameter line the label alone, so a parameter value stands one column left of an item value.
constexpr std::string_view kSpeedLabel = " 1) Wind speed .................................";
constexpr std::string_view kHeadingLabel = " 2) Wind heading ...............................";
constexpr std::string_view kTypeLabel = " 3) Wind spectral type .........................";
constexpr std::string_view kDensityLabel = "    Wind speed spectral density ................";
constexpr std::string_view kApiLabel = "    A.P.I. wind spectrum parameter .............";
constexpr std::string_view kNpdLabel = "    N.P.D. Spectral Evaluation Height ..........";
static_assert(kSpeedLabel.size() == 48 && kHeadingLabel.size() == 48 && kTypeLabel.size() == 48);
static_assert(kDensityLabel.size() == 48 && kApiLabel.size() == 48 && kNpdLabel.size() == 48);

constexpr Int kWindTypes = 6;

// ---- Help topics ----------------------------------------------------------------------------

constexpr std::string_view kSpeedTopic[] = {
    "     The wind speed is normally a long-term averaged speed, typically",
    "     measured 10 meters above the sea surface. Some spectral",
    "     formulations call for an intermediate-duration average instead:",
    "     the A.P.I. and N.P.D. formulations need a one-hour average wind",
    "     speed, and that is the value to enter here. Some formulations",
    "     measure the speed at a level other than 10 meters (see the help",
    "     of the wind spectral type sub-page).",
    "",
    "     The mean wind forces in the output derive from this speed, the",
    "     vessel windage areas and the enhancement coefficients given on",
    "     the editor page of vessel environmental areas, moments and",
    "     enhancement data.",
};
constexpr std::string_view kHeadingTopic[] = {
    "     Angles are given in a right-handed earth-fixed system with z",
    "     upwards. Zero lies along positive x and angles increase",
    "     counter-clockwise, so that 90 degrees lies along positive y.",
    "     \"Heading\" is the direction towards which the wind blows: a 180",
    "     degree wind blows towards negative x, a 90 degree wind from right",
    "     to left. With a vessel heading of zero the global system",
    "     coincides with the vessel system.",
    "",
    "                         x",
    "                         ^",
    "                         |                   |",
    "       <--- 90 degree    |                   |",
    "                         |                   |  180 degree",
    "                         |                   V",
    "            y <----------+",
    "",
};
constexpr std::string_view kTypeTopic[] = {
    "     Several wind speed spectra are available to describe the time",
    "     variation (gustiness) of the wind about its mean. See the help",
    "     of the sub-page for each of them.",
};

constexpr std::string_view kDavenportRow[] = {
    "     The Davenport spectrum is widely used; it is characterised by the",
    "     mean wind speed and the surface roughness. The roughness of the",
    "     sea surface is preset, so the only parameter is the mean wind",
    "     speed at the 10 meter level.",
};
constexpr std::string_view kPointRow[] = {
    "     One numerical value of the wind speed spectrum at the surge",
    "     natural frequency of the moored vessel. It belongs to a spectrum",
    "     defined on the band [0, infinity]. Its units are",
    "     speed^2/[radian/sec], the speed in the units of the analysis",
    "     (ft/sec or m/sec).",
};
constexpr std::string_view kSteadyRow[] = {
    "     A steady wind has no time variation and produces no low-frequency",
    "     vessel oscillations in the moor.",
};
constexpr std::string_view kApiRow[] = {
    "     Velmora's form of the American Petroleum Institute spectrum",
    "     returns the spectral value at 10 meters above the sea surface.",
    "     Besides the wind speed, which is the 1-hour average at the API",
    "     standard 10 meter reference level, it takes one dimensionless",
    "     parameter \"A\" (.01<A<.1); the default value is A = .025.",
};
constexpr std::string_view kNpdRow[] = {
    "     The Norwegian Petroleum Directorate spectrum is based on a",
    "     one-hour mean wind speed at a reference height of 10 meters. Its",
    "     values are computed at a user-specified \"evaluation level\"",
    "     (10 meters by default), not to be confused with the reference",
    "     height. An evaluation level other than 10 meters changes the",
    "     magnitudes of the force fluctuations but not the mean wind force,",
    "     which depends only on the wind speed, the vessel areas and the",
    "     enhancement factors.",
};
constexpr std::string_view kUserFileRow[] = {
    "     A user spectrum is read from the formatted text file",
    "     \"WINDSPEC.txt\": the first line holds the number of (frequency,",
    "     spectral value) pairs, then one pair follows per line.",
    "",
    "     Usage notes:",
    "     * At most 1000 pairs are allowed.",
    "     * Frequencies are circular frequencies (radians/second).",
    "     * Spectral values are in (ft/sec)^2/(radian/sec) for English units",
    "       and (m/sec)^2/(radian/sec) for metric units.",
    "     * The span should cover all low-frequency modal periods, generally",
    "       10 to 10,000 seconds; a range of {.0005,.5} radians/second is",
    "       generous. The program warns of required frequencies outside the",
    "       range and extrapolates linearly from the end values.",
    "     * Pairs are ordered monotonically in frequency, ascending or",
    "       descending.",
    "     * The values on a line are separated by any standard separator,",
    "       typically a comma or a tab.",
    "     * The file must end with at least one empty line.",
    "",
    "     The area under the curve over (0, infinity) in angular frequency",
    "     must equal the variance of the speed: data given per Hertz must be",
    "     divided by 2*pi = 6.2832 to give the correct variance.",
};

void blank_line(Int unit) { write_record(unit, ""); }

std::vector<HelpNote> item_notes(Int n) {
    switch (n) {
        case 1: return {kSpeedTopic};
        case 2: return {kHeadingTopic};
        case 3: return {kTypeTopic};
        default: return {};
    }
}

std::vector<HelpNote> row_notes(Int n) {
    switch (n) {
        case 1: return {kDavenportRow};
        case 2: return {kPointRow};
        case 3: return {kSteadyRow};
        case 4: return {kApiRow};
        case 5: return {kNpdRow};
        case 6: return {kUserFileRow};
        default: return {};
    }
}

constexpr std::string_view kHelpTitle = "****  Wind Definition Notes  ****";
constexpr int kHelpColumn = 24;

// ---- The page -------------------------------------------------------------------------------

void write_speed_line(Int unit) {
    write_record(unit, Record().x(1).put(kSpeedLabel).F(TPCM.WNDSPD, 11, 2).put(" knots").str());
}

void write_heading_line(Int unit) {
    write_record(unit, Record().x(1).put(kHeadingLabel).F(TPCM.WNDHDG, 11, 2).put(" degrees").str());
}

// The parameter lines; each returns whether it wrote a line. The density line has a caption for
// the two unit systems only.
bool write_density_line(Int unit) {
    if (TPCM.NUNTS != 0 && TPCM.NUNTS != 1) return false;
    write_record(unit, Record()
                           .put(kDensityLabel)
                           .E(TPCM.WNDDEN, 11, 3)
                           .put(TPCM.NUNTS == 0 ? " feet^2/sec" : " meters^2/sec")
                           .str());
    return true;
}

void write_api_line(Int unit) { write_record(unit, Record().put(kApiLabel).F(TPCM.APIPRM, 14, 5).str()); }

void write_npd_line(Int unit) {
    const std::string caption = unit_caption_as_flagged(7, TPCM.NUNTS);  // " feet" or " meters"
    write_record(unit, Record().put(kNpdLabel).F(TPCM.WSPEC_HGT, 11, 2).put(caption).str());
}

void draw_page(Int unit, std::string_view PAGE) {
    write_record(unit, Record().t(20).put("****  Page ").put(PAGE).put(": Wind Conditions  ****").str());
    LINES(unit, 3);
    write_speed_line(unit);
    write_heading_line(unit);
    blank_line(unit);
    write_record(unit, Record().x(1).put(kTypeLabel).x(1).put(WNDPRT(TPCM.WNDTYP)).str());
    bool parameter = false;
    switch (TPCM.WNDTYP) {
        case 2: parameter = write_density_line(unit); break;
        case 4:
            write_api_line(unit);
            parameter = true;
            break;
        case 5:
            write_npd_line(unit);
            parameter = true;
            break;
        default: break;
    }
    if (parameter) blank_line(unit);
}

// Item 3: the type list, until a type is chosen or the answer is 0 or below (which leaves the type
// as it was; a page command typed here goes no further).
void spectrum_sub_page(Int unit) {
    const Int LBACKP = flow_spectrum_choice(unit, " -- Wind type --", kWindTypes, WNDPRT, WNDHP2);
    if (LBACKP == 0) return;
    TPCM.WNDTYP = LBACKP;
    if (LBACKP == 2) {
        write_density_line(unit);
        ENTERF(TPCM.WNDDEN, unit, KBD_UNIT);
    } else if (LBACKP == 4) {
        write_api_line(unit);
        ENTERF(TPCM.APIPRM, unit, KBD_UNIT);
    } else if (LBACKP == 5) {
        write_npd_line(unit);
        ENTERF(TPCM.WSPEC_HGT, unit, KBD_UNIT);
    }
}

}  // namespace

void WNDHP1(Int IOSCRN, Int KBD, Int& LINE) {
    static const std::vector<Int> screens[] = {{1}, {2}, {3}};
    show_help_screens(IOSCRN, KBD, LINE, kHelpTitle, kHelpColumn, screens, item_notes);
}

void WNDHP2(Int IOSCRN, Int KBD, Int& LINE) {
    static const std::vector<Int> screens[] = {{1, 2}, {3, 4}, {5}, {6}};
    show_help_screens(IOSCRN, KBD, LINE, kHelpTitle, kHelpColumn, screens, row_notes);
}

void WIND(std::string_view PAGE) {
    PageParts parts;
    parts.draw = [&](Int unit) { draw_page(unit, PAGE); };
    parts.help = [](Int unit) { WNDHP1(unit, KBD_UNIT, TPCM.IPAG); };
    parts.act = [](Int choice, Int unit) {
        switch (choice) {
            case 1:
                write_speed_line(unit);
                ENTERF(TPCM.WNDSPD, unit, KBD_UNIT);
                break;
            case 2:
                write_heading_line(unit);
                ENTERF(TPCM.WNDHDG, unit, KBD_UNIT);
                break;
            case 3: spectrum_sub_page(unit); break;
            case 4:
                // Only the parameters of types 2 and 4 are re-edited here; the N.P.D. height is
                // reached through the sub-page.
                if (TPCM.WNDTYP == 4) {
                    write_api_line(unit);
                    ENTERF(TPCM.APIPRM, unit, KBD_UNIT);
                } else if (TPCM.WNDTYP == 2) {
                    write_density_line(unit);
                    ENTERF(TPCM.WNDDEN, unit, KBD_UNIT);
                }
                break;
            default: break;  // a number beyond the items draws the page again
        }
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant
