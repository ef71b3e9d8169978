// Page 10, the current conditions: the page, its depth-variation and spectral-type sub-pages, the
// opening of the legacy profile table, and the three help routines.
#include "edlib/pages/current_page.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "edlib/pages/current_profile_table.h"
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

// Captions of the depth-variation codes 0-3 (LCSTCR); the caption of code c is entry c + 1.
constexpr std::string_view CURTXT[] = {
    " 1/7 power law",
    " No variation",
    " User-Specified (legacy)",
    " User-Specified (CRNTPROF)",
};
constexpr Int kDepthOptions = 4;
constexpr Int kLegacyTable = 2;  // LCSTCR of the profile table
constexpr Int kSpectralTypes = 4;
constexpr Int kBandLimited = 3;  // CURTYP of the band-limited white spectrum
constexpr Int kPointSpectrum = 1;

constexpr std::string_view kProfileTitle = "Current Speed Profile Specification";

// Labels of 48 characters (item 4 has its own layout); every line starts with one blank column.
constexpr std::string_view kSpeedLabel = " 1) Current speed ..............................";
constexpr std::string_view kHeadingLabel = " 2) Current heading  ...........................";
constexpr std::string_view kDepthLabel = " 3) Current variation with depth ...............";
constexpr std::string_view kCountLabel = " 4) Number of points in current profile (Max ";
constexpr std::string_view kSpectrumLabel = " 6) Current spectral type ......................";
constexpr std::string_view kDensityLabel = "    Current speed spectral density .............";
constexpr std::string_view kRmsLabel = " 7) Fractional RMS current variation ...........";

// The band width of the band-limited white spectrum, rad/sec (0.02 Hz).
constexpr Real kBandWidth = 0.1257f;

// What the page sets up afresh on every call.
struct Visit {
    std::string SPXUNT;   // unit caption of the spectral density, 18 characters
    Real V2FAC = 0.0f;    // the square of one knot in the case's speed unit
    Real DENFAC = 0.0f;   // V2FAC over the band width
    Int LCSTCRSAV = 0;    // the depth-variation code an aborted table returns to
};

Visit enter_page() {
    Visit v;
    const bool metric = TPCM.NUNTS == 1;
    v.SPXUNT = fixed_len(metric ? " meters^2/sec" : " feet^2/sec", 18);
    v.V2FAC = metric ? 0.2644f : 2.846f;
    v.DENFAC = v.V2FAC / kBandWidth;
    return v;
}

// CURDEN = p p DENFAC with p = CURSPD RMS_CRNT: the variance of the speed fluctuation, from knots^2
// to (length/sec)^2, spread evenly over the band.
void compute_density(const Visit& v) {
    const Real p = TPCM.CURSPD * TPCM.RMS_CRNT;
    TPCM.CURDEN = p * p * v.DENFAC;
}

// Captions by code; a code from a damaged file outside the lists gets the error caption rather
// than a read past them.
std::string depth_caption(Int code) {
    if (code < 0 || code >= kDepthOptions) return fixed_len(" Index error", 30);
    return fixed_len(CURTXT[code], 30);
}

std::string spectrum_caption(Int code) { return CURPRT(code >= -10 && code <= 10 ? code + 1 : -1); }

bool item7_applies() {
    return TPCM.CURTYP == kBandLimited || (TPCM.SIMTYP == 14 && TPCM.CURTYP != 0);
}

void write_speed_line(Int unit) {
    write_record(unit, Record().x(1).put(kSpeedLabel).F(TPCM.CURSPD, 11, 2).put(" knots").str());
}

void write_heading_line(Int unit) {
    write_record(unit, Record().x(1).put(kHeadingLabel).F(TPCM.CURHDG, 11, 2).put(" degrees").str());
}

void write_count_line(Int unit) {
    write_record(unit, Record().x(1).put(kCountLabel).put("5").put(") ").x(9).I(TPCM.NCURNT, 1).str());
}

void write_density_line(Int unit, const Visit& v) {
    write_record(unit, Record().x(1).put(kDensityLabel).E(TPCM.CURDEN, 10, 3).put(v.SPXUNT).str());
}

void write_rms_line(Int unit) { write_record(unit, Record().x(1).put(kRmsLabel).F(TPCM.RMS_CRNT, 12, 3).str()); }

void draw_page(Int unit, Int FRESLM, std::string_view PAGE, const Visit& v) {
    write_record(unit, Record().t(18).put("****  Page ").put(PAGE).put(": Current Conditions  ****").str());
    LINES(unit, 3);
    write_speed_line(unit);
    write_heading_line(unit);
    write_record(unit, Record().x(1).put(kDepthLabel).put(depth_caption(TPCM.LCSTCR)).str());
    if (TPCM.LCSTCR == kLegacyTable) {
        write_count_line(unit);
        write_record(unit, "  5) Specify current variation with depth");
    }
    if (FRESLM != 0) return;
    write_record(unit, "");
    write_record(unit, Record().x(1).put(kSpectrumLabel).put(spectrum_caption(TPCM.CURTYP)).str());
    if (TPCM.CURTYP == kPointSpectrum || TPCM.CURTYP == kBandLimited) write_density_line(unit, v);
    if (item7_applies()) {
        write_record(unit, "");
        write_rms_line(unit);
    }
}

// Item 4, and the count asked for when the legacy table is chosen with no rows.
void enter_count(Int unit) {
    write_count_line(unit);
    ENTERI(TPCM.NCURNT, unit, KBD_UNIT);
    MAXCHK(TPCM.NCURNT, kProfileRows);
}

// Item 5: the table; an abort returns the depth variation to the option held before.
void open_table(Int unit, const Visit& v) {
    Int ITEMP = 0;
    CRNTIN(kProfileTitle, TPCM.DPTHI, TPCM.VELI, TPCM.CURSPD, TPCM.DEPTH, TPCM.NCURNT, unit, KBD_UNIT, ITEMP,
           TPCM.LCOPY);
    if (ITEMP == -1) TPCM.LCSTCR = v.LCSTCRSAV;
}

// Item 3: the depth-variation options. Return keeps the option; a page command only draws the
// options again.
void depth_sub_page(Int unit, Visit& v) {
    v.LCSTCRSAV = TPCM.LCSTCR;
    for (;;) {
        CLEAR(unit);
        write_record(unit, "");
        write_record(unit, " +++ Current Profile Specification Options +++");
        write_record(unit, "");
        for (Int i = 1; i <= kDepthOptions; ++i)
            write_record(unit, Record().x(1).I(i, 1).put(") ").put(CURTXT[i - 1]).str());
        write_record(unit, "");
        Int ITMP = 0;
        ENTSEL(ITMP, unit, KBD_UNIT, TPCM.IPAG);
        if (ITMP == NAV_HELP) {
            CURHLP4(unit, KBD_UNIT, TPCM.IPAG);
            continue;
        }
        if (ITMP == 0) {
            ITMP = static_cast<Int>(std::min<long long>(TPCM.LCSTCR + 1LL, kDepthOptions + 1));
        } else if (ITMP < 0 || ITMP > kDepthOptions) {
            continue;
        }
        MAXCHK(ITMP, kDepthOptions);
        const Int before = TPCM.LCSTCR;
        TPCM.LCSTCR = ITMP - 1;
        if (TPCM.LCSTCR == kLegacyTable && before != kLegacyTable) {
            if (TPCM.NCURNT < 1 || TPCM.NCURNT > kProfileRows) {
                LINES(unit, 2);
                enter_count(unit);
            } else {
                open_table(unit, v);
            }
        }
        return;
    }
}

// Item 6: the spectral types. Return or a page command goes back to the page unchanged.
void spectrum_sub_page(Int unit, const Visit& v) {
    const Int LBACKP = flow_spectrum_choice(unit, " -- Current Spectral Type --", kSpectralTypes, CURPRT, CURHLP2);
    if (LBACKP == 0) return;
    TPCM.CURTYP = LBACKP - 1;
    if (TPCM.CURTYP == kPointSpectrum) {
        write_density_line(unit, v);
        ENTERF(TPCM.CURDEN, unit, KBD_UNIT);
    } else if (TPCM.CURTYP == kBandLimited) {
        write_rms_line(unit);
        ENTERF(TPCM.RMS_CRNT, unit, KBD_UNIT);
        compute_density(v);
    }
}

// ---- Help notes ---------------------------------------------------------------------------

constexpr std::string_view kSurfaceNote[] = {"     This is the surface current."};
constexpr std::string_view kHeadingNote[] = {
    "     Angles are given in a right-handed earth-fixed system with z",
    "     positive upwards. Angle zero lies along positive x and angles",
    "     increase counter-clockwise, so 90 degrees lies along positive y.",
    "     \"Heading\" is the direction towards which the current flows: a",
    "     180 degree current flows towards negative x, a 90 degree current",
    "     from right to left. With a vessel heading of zero the global and",
    "     the vessel systems coincide.",
    "",
    "                         x",
    "                         ^",
    "                         |                   |",
    "   <--- 90 degree heading|                   |",
    "                         |                   |  180 degree heading",
    "                         |                   V",
    "            y <----------+",
};
constexpr std::string_view kPowerLawNote[] = {
    "     \"1/7 power law\": in water of total depth D the current speed",
    "     decays with the depth H below the surface as",
    "         Speed = (Surface Current)*{1 - H/D}^(1/7).",
};
constexpr std::string_view kNoVariationNote[] = {
    "     \"No variation\": the current speed and direction are constant",
    "     with depth.",
};
constexpr std::string_view kLegacyNote[] = {
    "     \"User-specified (legacy)\": the profile is typed on a special",
    "     sub-page of this page.",
    "",
    "     For the 1/7 power law and all user-specified profiles the current",
    "     used in the current load calculations is the average over the",
    "     vessel draft, not the surface current.",
};
constexpr std::string_view kDepthLawsNote[] = {
    "     \"1/7 power law\": in water of total depth D the current speed",
    "     decays with the depth H below the surface as",
    "         Speed = (Surface Current)*{1 - H/D}^(1/7).",
    "     \"No variation\": the current speed and direction are constant",
    "     with depth.",
    "     \"User-specified (legacy)\": the profile is typed on a special",
    "     sub-page of this page.",
    "",
    "     For the 1/7 power law and all user-specified profiles the current",
    "     used in the current load calculations is the average over the",
    "     vessel draft, not the surface current. See the help of the",
    "     sub-page for more.",
};
constexpr std::string_view kCountNote[] = {
    "     This item is shown only with \"User-specified (legacy)\". It sets",
    "     the number of points in the water column at which the current is",
    "     given.",
};
constexpr std::string_view kProfileNote[] = {
    "     This item is shown only with \"User-specified (legacy)\". It opens",
    "     the sub-page on which the profile is typed.",
};
constexpr std::string_view kSpectrumNote[] = {
    "     Several current speed spectra are available to describe the time",
    "     variation of the current. See the help of the sub-page.",
};
constexpr std::string_view kRmsNote[] = {
    "     The fractional RMS current fluctuation (the ratio of RMS to mean)",
    "     is needed by the built-in \"Band-Limited White Spectrum\".",
};
constexpr std::string_view kTendonNote[] = {
    "     The value also gives a minor adjustment of the TLP low-frequency",
    "     tendon and riser loads in a fluctuating current: the square root",
    "     of the speed variance divided by the mean current. Zero removes",
    "     the adjustment. With current variation over depth the",
    "     dimensionless variability is taken as constant along the water",
    "     column.",
};
constexpr std::string_view kProfileFileNote[] = {
    "     A text file named \"CRNTPROF.txt\" gives a finer depth-dependent",
    "     current: the speed (knots) and heading (degrees) at chosen depths",
    "     below the surface. It serves mainly the current loads on slender",
    "     mooring and production members (tendons, mooring lines, risers).",
    "     Current loads on the hull use the speed variation of the file but",
    "     keep the surface direction down to the hull draft.",
    "",
    "     The first line of the file holds the integer count of [Depth,",
    "     Speed, Direction] records; one record follows per line.",
    "",
    "     Usage notes:",
    "     * At most 101 records are allowed.",
    "     * Angles are environmental headings in degrees from global North,",
    "       counter-clockwise: a westward-running current has heading 90.",
    "     * Records are in monotonic depth order, without the surface point",
    "       (depth 0), which comes from the page.",
    "     * Speed and direction need not be monotonic; speeds are not",
    "       negative.",
    "     * Values are separated by any standard separator (comma or tab).",
    "     * At least one empty line ends the file.",
    "     * Line ends must suit the host system (\"lf\", \"cr\" or \"cr+lf\").",
    "",
    "     A sample file of 10 depths:",
    "     ==========================================",
    "     10",
    "        50.0, 3.0,  180.0",
    "       100.0, 2.5,  175.0",
    "       200.0, 2.0,  160.0",
    "       ...",
    "       800.0, 0.5,  100.0",
    "       900.0, 0.0,  90.0",
    "     ==========================================",
    "     A free description may follow the data at the end of the file in",
    "     place of, or besides, the empty closing lines.",
};
constexpr std::string_view kSteadyNote[] = {
    "     A steady current has no time variation and produces no",
    "     low-frequency vessel oscillations in the moor.",
};
constexpr std::string_view kPointNote[] = {
    "     The legacy point spectrum is a single value of the current speed",
    "     spectrum at the natural frequency of surge in the moor, for a",
    "     spectrum defined on [0, infinity], in speed^2/(radian/sec) with the",
    "     speed in the case's unit (ft/sec or m/sec).",
};
constexpr std::string_view kSpectrumFileNote[] = {
    "     The \"CRNTSPEC.txt input file\": the first line holds the number of",
    "     (frequency, spectral value) pairs; one pair follows per line.",
    "",
    "     Usage notes:",
    "     * At most 1000 pairs are allowed.",
    "     * Frequencies are circular frequencies (rad/s).",
    "     * Values are in (ft/sec)^2/(radian/sec) for English units and",
    "       (m/sec)^2/(radian/sec) for metric units.",
    "     * The span should cover all low-frequency modal periods, generally",
    "       10 to 10,000 seconds; {.0005,.5} rad/s is generous. Required",
    "       frequencies outside the range are warned of and extrapolated",
    "       from the end values.",
    "     * Pairs are ordered monotonically in frequency, ascending or",
    "       descending.",
    "     * Values are separated by a comma or a tab.",
    "     * At least one empty line ends the file.",
    "",
    "     The area under the spectrum from 0 to infinity equals the speed",
    "     variance: spectra given per hertz are divided by 2*pi = 6.2832",
    "     first.",
};
constexpr std::string_view kBandLimitedNote[] = {
    "     The band-limited white spectrum needs one parameter: the",
    "     fractional RMS of the speed fluctuation in the band of",
    "     low-frequency vessel motions (periods between about one minute",
    "     and one hour). Open-ocean and near-shore values lie within 5% to",
    "     15% (.05 to .15) of the mean speed. The spectrum is constant in",
    "     the band:",
    "         So = [(Vrms)^2]/(dW)",
    "     with Vrms the RMS about the mean and dW the band width, taken as",
    "     .02 Hz. Its units follow the units of the case. With current",
    "     variation over depth the dimensionless variability is constant",
    "     along the water column.",
};

}  // namespace

void CURHLP1(Int IOSCRN, Int KBD, Int& LINE, Int CREATR) {
    static const std::vector<Int> screens[] = {{1}, {2}, {3}, {4, 5}, {6, 7}};
    const auto notes_of = [CREATR](Int n) -> std::vector<HelpNote> {
        switch (n) {
            case 1: return {kSurfaceNote};
            case 2: return {kHeadingNote};
            case 3: return {kDepthLawsNote};
            case 4: return {kCountNote};
            case 5: return {kProfileNote};
            case 6: return {kSpectrumNote};
            case 7:
                if (CREATR == 14) return {kRmsNote, kTendonNote};
                return {kRmsNote};
            default: return {};
        }
    };
    show_help_screens(IOSCRN, KBD, LINE, "****  Current Definition Notes  ****", 22, screens, notes_of);
}

void CURHLP4(Int IOSCRN, Int KBD, Int& LINE) {
    static const std::vector<Int> screens[] = {{1, 2}, {3}, {4}};
    const auto notes_of = [](Int n) -> std::vector<HelpNote> {
        switch (n) {
            case 1: return {kPowerLawNote};
            case 2: return {kNoVariationNote};
            case 3: return {kLegacyNote};
            case 4: return {kProfileFileNote};
            default: return {};
        }
    };
    show_help_screens(IOSCRN, KBD, LINE, "****  Current Depth Variation Notes  ****", 18, screens, notes_of);
}

void CURHLP2(Int IOSCRN, Int KBD, Int& LINE) {
    static const std::vector<Int> screens[] = {{1, 2}, {3}, {4}};
    const auto notes_of = [](Int n) -> std::vector<HelpNote> {
        switch (n) {
            case 1: return {kSteadyNote};
            case 2: return {kPointNote};
            case 3: return {kSpectrumFileNote};
            case 4: return {kBandLimitedNote};
            default: return {};
        }
    };
    show_help_screens(IOSCRN, KBD, LINE, "****  Current Spectrum Help  ****", 22, screens, notes_of);
}

void CURENT(Int FRESLM, std::string_view PAGE) {
    Visit v = enter_page();
    // A count from a damaged file is held to the five slots of the table before anything is drawn.
    run_as_drawing([] { MAXCHK(TPCM.NCURNT, kProfileRows); });
    PageParts parts;
    parts.draw = [&](Int unit) {
        v.LCSTCRSAV = TPCM.LCSTCR;
        draw_page(unit, FRESLM, PAGE, v);
    };
    parts.dump_extras = [&](Int unit) {
        if (TPCM.LCSTCR == kLegacyTable) open_table(unit, v);
    };
    parts.help = [](Int unit) { CURHLP1(unit, KBD_UNIT, TPCM.IPAG, TPCM.CREATR()); };
    parts.act = [&](Int choice, Int unit) {
        if (choice == 1) {
            write_speed_line(unit);
            ENTERF(TPCM.CURSPD, unit, KBD_UNIT);
            if (TPCM.CURTYP == kBandLimited) compute_density(v);
        } else if (choice == 2) {
            write_heading_line(unit);
            ENTERF(TPCM.CURHDG, unit, KBD_UNIT);
        } else if (choice == 3) {
            depth_sub_page(unit, v);
        } else if (choice == 4 && TPCM.LCSTCR == kLegacyTable) {
            enter_count(unit);
        } else if (choice == 5 && TPCM.LCSTCR == kLegacyTable) {
            open_table(unit, v);
        } else if (choice == 6 && FRESLM == 0) {
            spectrum_sub_page(unit, v);
        } else if (choice == 7 && item7_applies()) {
            write_rms_line(unit);
            ENTERF(TPCM.RMS_CRNT, unit, KBD_UNIT);
            if (TPCM.CURTYP == kBandLimited) compute_density(v);
        }
        // Anything else draws the page again.
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant
