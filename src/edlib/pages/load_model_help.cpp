// The notes of the load-model sub-pages: one screen per row of the wind, current and wave-drift
// model lists, and the bow-shape notes of the wind and current tanker sets.
#include "edlib/pages/load_model_help.h"

#include <string>

#include "lowlib/wind_current_coefficients.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// The record limit of the user coefficient files named in the notes below.
static_assert(kMaxUserCoefficientPoints == 145);

// ---- Wind models ----------------------------------------------------------------------------

constexpr std::string_view kWindLowdat[] = {
    "",
    "     User-Specified LOWDAT: wind load coefficient arrays are entered in",
    "     the editor itself, bypassing the built-in wind databases. They are",
    "     stored in the binary file \"LOWDAT\". For input from an external",
    "     text file, choose \"User-Specified WINDCOFS.txt\" instead.",
};
constexpr std::string_view kWindFile[] = {
    "",
    "     User-Specified WINDCOFS.txt: the coefficient arrays are read from a",
    "     text file \"WINDCOFS.txt\" that the user prepares. This duplicates",
    "     the LOWDAT choice, but a file is more flexible and easier to check.",
    "",
    "     Layout: the first line gives the number of records; then one",
    "     record per line, each an angle followed by Cx, Cy and Cz.",
    "",
    "     Usage notes:",
    "     The maximum number of records is 145.",
    "     Angles are environmental heading angles in degrees relative to the",
    "     bow, increasing counter-clockwise; wind coming straight onto the",
    "     bow has a heading of 180 degrees.",
    "     Cx, Cy and Cz are dimensionless and defined by",
    "          Head-on force = 0.5 Ah Df V**2 Cx",
    "          Beam-on force = 0.5 Ab Df V**2 Cy",
    "          Moment about the CG = 0.5 L Ab Df V**2 Cz",
    "     with V the wind (or current) speed, Ah the head-on and Ab the",
    "     beam-on projected area, L the vessel length and Df the air (or",
    "     water) mass density.",
    "     The records must cover the whole circle from 0 to 360 degrees, both",
    "     ends included, with identical coefficients at 0 and 360, and should",
    "     be ordered by rising angle from 0 to 360.",
    "     Numbers may be written in any floating-point style (.0011, 1.1E-3",
    "     and 0.11E-2 are all accepted) and separated by any standard",
    "     separator, usually a comma or a tab.",
    "     The file must end with at least one empty line.",
    "",
    "     Example: coefficients every 10 degrees give a first line of 37 and",
    "     records from 0 to 360 degrees:",
    "          37",
    "          0., .509, 0., 0.",
    "          10., .492, .085, .011",
    "          ...",
    "          360., .509, 0., 0.",
};
constexpr std::string_view kWindBarge[] = {
    "",
    "     Barge: wind on the barge type produces square-law loads. The net",
    "     force and the vertical moment follow from the mass density Dm, the",
    "     projected area, the location of its centroid, a drag coefficient Cd",
    "     and the speed V. For any wind direction a projected area Ap is",
    "     computed from the given bow-on and beam-on areas:",
    "          Force  = 0.5 Dm Cd Ap V**2",
    "          Moment = Force x (moment arm to the centroid of Ap)",
    "     The force acts in the direction of the wind.",
};
constexpr std::string_view kWindTanker[] = {
    "",
    "     OCIMF Tanker '77 (extended): empirical wind load coefficients of the",
    "     1977 report of the Oil Companies International Marine Forum (OCIMF)",
    "     on the prediction of wind and current loads on VLCCs, for VLCCs of",
    "     155 kDWT and more, supplemented by data for \"Small\" deckhouse-aft",
    "     tankers below 80 kDWT. Tankers between 80 and 155 kDWT are treated",
    "     by interpolation between the two sets (\"OCIMF\" and \"Small\").",
    "     The interpolation uses the specified deadweight, which need not be",
    "     the simulated vessel's and may be set to obtain the coefficients",
    "     wanted (for example, a deadweight of 155 kDWT or more gives the VLCC",
    "     coefficients to a small 20 kDWT tanker). The deadweight serves only",
    "     this purpose and is asked for with no other wind model.",
    "     The OCIMF '77 wind data cover two above-water bow profiles:",
    "     \"Conventional\" (knife-edged, V-shaped waterline and above-water",
    "     profile) and \"Cylindrical\" (blunt, nearly cylindrical waterline and",
    "     above-water profile). Bow shapes in between are interpolated.",
};
constexpr std::string_view kWindCylinder[] = {
    "",
    "     Cylindrical Vessel: square-law loads",
    "          Fx = 0.5 Df Cd Ah V**2 cos(theta)",
    "          Fy = 0.5 Df Cd Ab V**2 sin(theta)",
    "          Mz = 0",
    "     with V the wind (or current) speed, Ah and Ab the head-on and",
    "     beam-on projected areas, Cd a drag coefficient, Df the air (or",
    "     water) mass density and theta the attack angle between vessel and",
    "     environment. With Ah = Ab the force has the same squared magnitude",
    "     Fx**2 + Fy**2 for every heading, which suits fully symmetric bodies",
    "     such as spars and circular buoys.",
};

constexpr HelpScreen kWindScreens[] = {
    {1, 1, "1", kWindLowdat}, {2, 2, "2", kWindFile},     {3, 3, "3", kWindBarge},
    {4, 4, "4", kWindTanker}, {5, 5, "5", kWindCylinder},
};

// ---- Current models -------------------------------------------------------------------------

constexpr std::string_view kCurrentLowdat[] = {
    "",
    "     User-Specified LOWDAT: current load coefficient arrays (angles and",
    "     coefficients) are entered in the editor itself, bypassing the",
    "     built-in current databases. They are stored in the binary file",
    "     \"LOWDAT\". For input from an external text file, choose",
    "     \"User-Specified CRNTCOFS.txt\" instead.",
};
constexpr std::string_view kCurrentFile[] = {
    "",
    "     User-Specified CRNTCOFS.txt: the coefficient arrays are read from a",
    "     text file \"CRNTCOFS.txt\" that the user prepares, laid out as the",
    "     \"WINDCOFS.txt\" file of the wind loads: the number of records on the",
    "     first line, then one record per line, each an angle followed by Cx,",
    "     Cy and Cz.",
    "     The maximum number of records is 145.",
    "     Angles are environmental heading angles in degrees relative to the",
    "     bow, increasing counter-clockwise; a current coming straight onto",
    "     the bow has a heading of 180 degrees. The records must cover the",
    "     whole circle from 0 to 360 degrees, both ends included, and the",
    "     file must end with at least one empty line.",
};
constexpr std::string_view kCurrentBarge[] = {
    "",
    "     Barge: as for wind, current on the barge type produces square-law",
    "     loads, computed with the mass density of water:",
    "          Force  = 0.5 Dm Cd Ap V**2",
    "          Moment = Force x (moment arm to the centroid of Ap)",
    "     The force acts in the direction of the current.",
};
constexpr std::string_view kCurrentNsmb[] = {
    "",
    "     NSMB Tanker '91: measurements at the Netherlands Ship Model Basin",
    "     (NSMB), made to assess and correct shortcomings of the earlier",
    "     measurements (see the OCIMF '77 notes). They go further than",
    "     OCIMF '77 in one respect: current loads depend on the vessel's load",
    "     condition as well as on the water depth to draft ratio (WD/T).",
    "     Measurements were made at 40 % and 100 % of the full-load draft,",
    "     for bows with a submerged bulb (\"Conventional\" in the 1977 report)",
    "     and without one (\"Cylindrical\" in the 1977 naming).",
    "     They fall short in WD/T: only 1.1, 1.2, 1.5, 3.0 and 4.4 for 100 %",
    "     load, and 1.1, 1.5 and 4.4 for 40 % load. For 40 % and 100 % load",
    "     the program interpolates linearly within each set's WD/T range and",
    "     takes the end values outside it; for other load conditions it",
    "     interpolates or extrapolates linearly between the 100 % and 40 %",
    "     data. Bow shapes between the two NSMB '91 types (conventional with",
    "     submerged bulb, cylindrical without bulb) are interpolated linearly.",
};
constexpr std::string_view kCurrentExtreme[] = {
    "",
    "     Extreme Cylindrical Bow '91: measurements on a single 200 kDWT model",
    "     at NSMB, with a much more extreme cylindrical bow than the OCIMF '77",
    "     \"Cylindrical\" type (not its counterpart), made for one WD/T (1.1)",
    "     and one load condition (100 %) only. The set is therefore used",
    "     without any interpolation on WD/T, load or bow shape, and it",
    "     reproduces only the measured condition.",
};
constexpr std::string_view kCurrentOcimf[] = {
    "",
    "     OCIMF Tanker '77: empirical current load coefficients of the same",
    "     1977 OCIMF report, for VLCCs of 190 kDWT and more. Two below-water",
    "     bow profiles: \"Conventional\" (submerged bulbous bow, knife-edged",
    "     V-shaped waterline) and \"Cylindrical\" (no bulb, blunt and somewhat",
    "     cylindrical waterline); bow shapes in between are interpolated",
    "     linearly. WD/T ratios of 1.05, 1.1, 1.2, 1.5, 3.0 and 6.0 were",
    "     studied; the program interpolates within 1.05 to 6.0 and uses the",
    "     end data (1.05 or 6.0) outside that range.",
    "     The OCIMF '77 data have known shortcomings, in particular in the",
    "     longitudinal current loads and in the missing dependence on vessel",
    "     loading, which later measurements partly addressed (see the",
    "     NSMB '91 notes).",
};
constexpr std::string_view kCurrentCylinder[] = {
    "",
    "     Cylindrical Vessel: as for wind (item 5 of the wind model notes),",
    "     with the water mass density:",
    "          Fx = 0.5 Df Cd Ah V**2 cos(theta)",
    "          Fy = 0.5 Df Cd Ab V**2 sin(theta)",
    "          Mz = 0",
};

constexpr HelpScreen kCurrentScreens[] = {
    {1, 1, "1", kCurrentLowdat}, {2, 2, "2", kCurrentFile},  {3, 3, "3", kCurrentBarge},
    {4, 4, "4", kCurrentNsmb},   {5, 5, "5", kCurrentExtreme}, {6, 6, "6", kCurrentOcimf},
    {7, 7, "7", kCurrentCylinder},
};

// ---- Wave-drift models ----------------------------------------------------------------------

constexpr std::string_view kWaveFile[] = {
    "",
    "     User-Specified DRFTCOFS.txt: second-order wave-drift coefficients",
    "     Cx, Cy and Cz are read from a formatted input file over a",
    "     two-dimensional array of circular wave frequencies and wave",
    "     headings; other frequencies and headings are interpolated within",
    "     the array. The user's coefficients may include the effect of",
    "     current or be given for zero current; in the latter case current",
    "     corrections can be estimated and applied automatically by setting",
    "     the toggle \"Apply current corrections to drift forces?\" on the",
    "     \"Low-Frequency Dynamics Characteristics\" page.",
    "     Array limits: at most 121 frequencies and at most 145 attack",
    "     angles over the circle from 0 to 360 degrees.",
};
constexpr std::string_view kWaveTankerLegacy[] = {
    "",
    "     Tanker (Legacy): the default built-in tanker model before version",
    "     4.4 of the program, superseded by \"Tanker (2001)\" and kept for",
    "     backward compatibility. It mixes empirical drift data from several",
    "     sources and for assorted displacement hulls; the head-on (Cx)",
    "     coefficients rest mainly on careful drift measurements of VLCC",
    "     tankers with \"Conventional\" (V-shaped waterline) bows. The data",
    "     are made dimensionless and tied to the natural heave and pitch",
    "     periods, so that they apply to vessels of VLCC-like underwater",
    "     form. A simplified waterline profile, symmetric bow to stern, is",
    "     used with the empirical data and with analytical short-wavelength",
    "     results to give the drift force and moment coefficients.",
};
constexpr std::string_view kWaveSemiLegacy[] = {
    "",
    "     Semi (Legacy): empirical drift data from several sources combined",
    "     with analytical short-wavelength results tied to waterplane shapes",
    "     that the user can specify. The model is azimuthally symmetric: it",
    "     gives zero drift moment for every wave direction. For most",
    "     semi-submersibles \"Semi/TLP (2001)\" gives better results.",
};
constexpr std::string_view kWaveBuoy[] = {
    "",
    "     Buoy or round ship: empirical drift data from several sources with",
    "     analytical short-wavelength results. The empirical data concern",
    "     azimuthally symmetric puck-shaped bodies with small draft-to-beam",
    "     ratios (unlike spar-shaped bodies with large ones).",
};
constexpr std::string_view kWaveSpar[] = {
    "",
    "     Caisson Spar: derived from a wave-diffraction analysis of long",
    "     vertical circular cylinders piercing the waterplane.",
};
constexpr std::string_view kWaveTanker2001[] = {
    "",
    "     Tanker (2001): the default built-in tanker model from version 4.4 of",
    "     the program on. It replaced the legacy model and removes several of",
    "     its theoretical and practical limits; in particular the user may",
    "     specify fore-aft asymmetry of the vessel and has limited control",
    "     over how the head-on and beam-on drift coefficients fall off at",
    "     long periods. It is a superset of the legacy model, which stays",
    "     available for backward compatibility; the legacy notes hold",
    "     further information.",
};
constexpr std::string_view kWaveSemi2001[] = {
    "",
    "     Semi/TLP (2001): derived from a wave-diffraction analysis of a",
    "     distributed array of vertical circular cylinders piercing the",
    "     waterplane; generally better than \"Semi (Legacy)\".",
};

constexpr HelpScreen kWaveScreens[] = {
    {1, 1, "1", kWaveFile}, {2, 2, "2", kWaveTankerLegacy}, {3, 3, "3", kWaveSemiLegacy},
    {4, 4, "4", kWaveBuoy}, {5, 5, "5", kWaveSpar},          {6, 6, "6", kWaveTanker2001},
    {7, 7, "7", kWaveSemi2001},
};

// ---- Bow shapes -----------------------------------------------------------------------------

constexpr std::string_view kWindBowTypes[] = {
    "",
    "     The \"OCIMF '77\" and \"Small\" tanker wind databases hold full data",
    "     for two bow shapes: \"Conventional\" (knife-edged, V-shaped waterline",
    "     and above-water profile) and \"Cylindrical\" (blunt, nearly",
    "     cylindrical waterline and above-water profile).",
    "     The OCIMF report assigns the conventional data to a bulbous bow.",
    "     Since only the part of the bow above water acts on wind loads, a",
    "     submerged bulb does not matter: the conventional coefficients apply",
    "     to conventional bows with or without a bulb, at least when loaded",
    "     with the bulb fully submerged. In light ballast, when the top of the",
    "     bulb may break the surface, the coefficients may differ slightly;",
    "     the report does not treat this.",
};
constexpr std::string_view kWindBowInterpolation[] = {
    "",
    "     Either bow type may be chosen, or a linear interpolation between",
    "     them. With \"Interpolation\" an interpolation factor is also given,",
    "     from 0 (\"Conventional\" bow) to 1 (\"Cylindrical\" bow); 0.5 gives",
    "     the average of the two OCIMF bow types.",
};
constexpr std::string_view kOcimfBowTypes[] = {
    "",
    "     The OCIMF '77 current database holds full data for two bow shapes:",
    "     \"Conventional\" (knife-edged, V-shaped waterline and bulbous",
    "     below-water profile) and \"Cylindrical\" (blunt, nearly cylindrical",
    "     waterline and below-water profile).",
    "     Only the part of the bow below water acts on current loads, so the",
    "     conventional coefficients would not fit conventional bows without a",
    "     submerged bulb. Later measurements with and without bulbs address",
    "     this (see the NSMB '91 notes).",
};
constexpr std::string_view kOcimfBowInterpolation[] = {
    "",
    "     As for the wind bow shapes: either bow type may be chosen, or a",
    "     linear interpolation between them. The interpolation factor runs",
    "     from 0 (\"Conventional\") to 1 (\"Cylindrical\"); 0.5 gives the",
    "     average of the two OCIMF bow types.",
};
constexpr std::string_view kNsmbBowTypes[] = {
    "",
    "     The NSMB '91 current database holds full data for two bow shapes,",
    "     \"Conventional\" bows with and without a bulbous below-water profile;",
    "     both have knife-edged, V-shaped waterlines, at least when loaded.",
    "     The '91 data hold a single \"Cylindrical\" bow configuration only,",
    "     too little to interpolate between bow types, load conditions or",
    "     water depth to draft ratios, so the NSMB '91 \"Cylindrical\" type",
    "     has no interpolation options. Here the OCIMF '77 data are more",
    "     complete, with a whole family of coefficients for the cylindrical",
    "     bow.",
};
constexpr std::string_view kNsmbBowInterpolation[] = {
    "",
    "     Either bow type may be chosen, or a linear interpolation between",
    "     them. The interpolation factor runs from 0 (\"Conventional\" bow with",
    "     bulb) to 1 (\"Conventional\" bow without bulb); 0.5 gives the average",
    "     of the two NSMB '91 bow types.",
};

constexpr HelpScreen kWindBowScreens[] = {{1, 2, "1, 2", kWindBowTypes}, {3, 3, "3", kWindBowInterpolation}};
constexpr HelpScreen kOcimfBowScreens[] = {{1, 2, "1,2", kOcimfBowTypes}, {3, 3, "3", kOcimfBowInterpolation}};
constexpr HelpScreen kNsmbBowScreens[] = {{1, 2, "1,2", kNsmbBowTypes}, {3, 3, "3", kNsmbBowInterpolation}};

}  // namespace

void help_title(Int IOSCRN, std::string_view TITLE) {
    CLEAR(IOSCRN);
    const int stars = (73 - static_cast<int>(TITLE.size())) / 2;
    write_record(IOSCRN, Record().x(1).put(std::string(stars, '*')).x(2).put(TITLE).x(2)
                             .put(std::string(stars, '*')).str());
    write_record(IOSCRN, "");
}

// A label names several items when it holds more than one number ("1, 2", "1,2", "2->4, 12->14").
std::string help_heading(std::string_view LABEL) {
    const bool several = LABEL.find(',') != std::string_view::npos;
    return std::string(several ? " ++> Item Numbers " : " ++> Item Number  ").append(LABEL);
}

void show_help_screens(Int IOSCRN, Int KBD, Int& LINE, std::string_view TITLE, std::span<const HelpScreen> SCREENS) {
    help_title(IOSCRN, TITLE);
    // The pauses answer into LINE, so the item asked about is taken first.
    const Int item = LINE;
    if (item == 0) {
        for (std::size_t k = 0; k < SCREENS.size(); ++k) {
            if (k > 0) CLEAR(IOSCRN);
            write_record(IOSCRN, help_heading(SCREENS[k].LABEL));
            write_records(IOSCRN, SCREENS[k].TEXT);
            PRSRET(IOSCRN, KBD, LINE);
        }
        return;
    }
    for (const HelpScreen& screen : SCREENS) {
        if (item >= screen.FIRST && item <= screen.LAST) {
            write_record(IOSCRN, " ++> Item Number  " + fmt_I(item, 2));
            write_records(IOSCRN, screen.TEXT);
            PRSRET(IOSCRN, KBD, LINE);
            return;
        }
    }
    write_record(IOSCRN, "");
    write_record(IOSCRN, " ++> Sorry, no help for this line...");
    write_record(IOSCRN, "");
    PRSRET(IOSCRN, KBD, LINE);
}

void WNDFHP(Int IOSCRN, Int KBD, Int& LINE) {
    show_help_screens(IOSCRN, KBD, LINE, "Wind Load Model Notes", kWindScreens);
}
void CURFHP(Int IOSCRN, Int KBD, Int& LINE) {
    show_help_screens(IOSCRN, KBD, LINE, "Current Load Model Notes", kCurrentScreens);
}
void WAVFHP(Int IOSCRN, Int KBD, Int& LINE) {
    show_help_screens(IOSCRN, KBD, LINE, "Wave Load Model Notes", kWaveScreens);
}
void WBOWHP(Int IOSCRN, Int KBD, Int& LINE) {
    show_help_screens(IOSCRN, KBD, LINE, "Wind-Associated Bow Shape Notes", kWindBowScreens);
}
void OCIMHP(Int IOSCRN, Int KBD, Int& LINE) {
    show_help_screens(IOSCRN, KBD, LINE, "OCIMF '77 Current-Associated Bow Shape Notes", kOcimfBowScreens);
}
void NSMBHP(Int IOSCRN, Int KBD, Int& LINE) {
    show_help_screens(IOSCRN, KBD, LINE, "NSMB '91 Current-Associated Bow Shape Notes", kNsmbBowScreens);
}

}  // namespace brevant
