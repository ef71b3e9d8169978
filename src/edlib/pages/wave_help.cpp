// The wave definition notes: screens of RANHP1 (irregular sea and swell), RANHP2 (spectrum-type
// rows) and REGHLP (regular waves).
#include "edlib/pages/wave_help.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

using Note = std::span<const std::string_view>;

// ---- Notes of the random-wave pages -------------------------------------------------------

constexpr std::string_view kWaveNote2[] = {
    "",
    "     The built-in spectra fall into seven categories:",
    "",
    "     (1) a one-parameter spectrum (Pierson-Moskowitz), which needs only",
    "         the significant wave height;",
    "     (2) two-parameter spectra (Bretschneider and the selected two-",
    "         parameter JONSWAP spectra), which need the significant wave",
    "         height and the spectral peak period;",
    "     (3) a specialised three-parameter swell spectrum;",
    "     (4) generalised five-parameter JONSWAP spectra;",
    "     (5) generalised multi-parameter Ochi-Hubble spectra;",
    "     (6) generalised six-parameter TMA shallow-water spectra;",
    "     (7) custom spectra, which need a spectral value at each period of",
    "         the wave period array.",
};
constexpr std::string_view kWaveNote3[] = {
    "",
    "     The swell heading is either one fixed value in the global axes,",
    "     used for every irregular-wave direction, or it is locked at a",
    "     \"relative\" angle to each requested irregular-wave direction: the",
    "     angle given is then added to each irregular-wave direction to give",
    "     the swell direction for that request.",
};
constexpr std::string_view kWaveNote4[] = {
    "",
    "     Angles are measured in a right-handed, earth-fixed system with z",
    "     up. Zero angle lies along +x and angles increase counter-clockwise,",
    "     so that 90 degrees lies along +y. \"Heading\" is the direction",
    "     towards which the waves travel: 180-degree waves travel towards -x,",
    "     90-degree waves from right to left. With a vessel heading of zero",
    "     the global system coincides with the vessel system.",
    "",
    "                              +x",
    "                               ^",
    "                               |",
    "         90-degree heading     |",
    "            <----------        |",
    "                        +y <---+",
    "                               |",
    "                               |   180-degree heading",
    "                               v",
};
constexpr std::string_view kWaveNoteJ[] = {
    "",
    "     For a General JONSWAP spectrum (or a TMA shallow-water spectrum)",
    "     the peak parameters \"Sigma a\" (also written \"Sigma <\", for",
    "     frequencies below the peak frequency), \"Sigma b\" (\"Sigma >\",",
    "     above it) and \"Gamma\" must be given. With the significant wave",
    "     height and the spectral peak period they define the five-parameter",
    "     JONSWAP spectrum completely (details in the 1974 Offshore",
    "     Technology Conference paper that introduced it).",
};
constexpr std::string_view kWaveNoteW[] = {
    "",
    "     The dimensionless spectral width parameter applies only to the",
    "     Gaussian swell spectrum. The frequency interval equal to twice the",
    "     product of the width parameter and the peak frequency is a band",
    "     centred on the peak that holds 68% of the total spectral energy.",
    "     A typical value for ocean swell from moderately distant storms is",
    "     1/10.",
};
constexpr std::string_view kWaveNoteO[] = {
    "",
    "     Each Ochi-Hubble component is given by a significant wave height,",
    "     a peak (modal) period and a \"Lambda\" parameter. Up to 4",
    "     independent components may be given.",
};
constexpr std::string_view kWaveNoteA[] = {
    "",
    "     The JONSWAP definition as first published has a fifth free",
    "     parameter, \"Alpha\" (the \"Phillips Parameter\"), beside Sigma a,",
    "     Sigma b, Gamma and the peak period. Here the significant wave",
    "     height takes Alpha's place. This item computes the Alpha that",
    "     belongs to the given peak parameters and to a wave height and peak",
    "     period that you type.",
};
constexpr std::string_view kWaveNoteL[] = {
    "",
    "     The long-crested model reproduces most wave basins, which generally",
    "     cannot generate the azimuthal spreading of wave energy of \"crossed",
    "     seas\".",
};
constexpr std::string_view kWaveNoteS[] = {
    "",
    "     The spreading index is the power p of the cosine in a cos^p",
    "     distribution of wave energy over azimuth. The directional spectrum",
    "     is",
    "",
    "        Sd(w,A) = S(w) * K * [cos(pi*A/Ac)]^p   for -Ac/2 < A < +Ac/2,",
    "        Sd(w,A) = 0                             for |A| > Ac/2,",
    "",
    "     where S is the direction-independent spectrum, K a normalisation",
    "     constant, w the wave frequency and A the azimuth, A = 0 being the",
    "     direction of maximum seas. The energy lies within Ac/2 degrees on",
    "     either side of zero; Ac must be above 0 and is otherwise",
    "     unrestricted.",
};
constexpr std::string_view kWaveNoteH[] = {
    "",
    "     180 degrees has been the usual value of Ac (waves from one half of",
    "     the circle, no energy at and beyond +/-90 degrees from the main",
    "     direction), and in most practical cases Ac is 180 or close to it.",
    "     Any positive value may be used, for instance to simulate the eye of",
    "     a hurricane with energy from all directions; above 360 the",
    "     distribution has components from all directions.",
};
constexpr std::string_view kWaveNoteC[] = {
    "",
    "     The size in degrees of the sector that holds all approaching wave",
    "     energy (\"Ac\"): positive, otherwise unrestricted.",
};
constexpr std::string_view kWaveNoteE[] = {
    "",
    "     The sector Ac is divided into a number of wedges given here: the",
    "     grid of the integration over angles for the response to spread",
    "     seas. The number must be even, which the program enforces.",
};

// ---- Notes on the spectrum-type rows ------------------------------------------------------

constexpr std::string_view kTypeNote1[] = {
    "",
    "     The default swell spectrum is a Gaussian exponential function of",
    "     wave frequency with its maximum at the given peak period. Being",
    "     symmetric, its peak period, significant period, average period and",
    "     the like are all equal, as suits the narrow-banded character of",
    "     swell.",
};
constexpr std::string_view kTypeNote2[] = {
    "",
    "     A widely used single-parameter spectrum for a \"fully developed\"",
    "     wind-driven sea; only the significant wave height is needed.",
};
constexpr std::string_view kTypeNote3[] = {
    "",
    "     A five-parameter spectrum built on North Sea wave data, offered as",
    "     three special cases and one general version (\"Q\" stands for gamma",
    "     and \"P\" for sigma):",
    "",
    "        \"Mean\"  JONSWAP:  Q = 3.3,  Pa (P<) = .07,  Pb (P>) = .09",
    "        \"Sharp\" JONSWAP:  Q = 4.2,  Pa = .05,  Pb = .07",
    "        \"Squat\" JONSWAP:  Q = 7.0,  Pa = .68,  Pb = .123",
    "        General JONSWAP:  Q, Pa and Pb given by the user.",
    "",
    "     Fixing three of the five parameters {Pa, Pb, Q} leaves a two-",
    "     parameter spectrum most naturally given by the significant wave",
    "     height and the spectral peak period; the \"Phillips Parameter\"",
    "     alpha is then determined. {Pa, Pb} is also written {P<, P>} or",
    "     {Sigma<, Sigma>}, for frequencies below and above the peak.",
};
constexpr std::string_view kTypeNote7[] = {
    "",
    "     A widely used two-parameter spectrum needing the significant wave",
    "     height and the spectral peak period: the same analytical form as",
    "     Pierson-Moskowitz with a somewhat greater bandwidth than the",
    "     supported JONSWAP spectra. It is equivalent to the ISSC two-",
    "     parameter spectrum, except that the peak period is given where ISSC",
    "     usually takes the mean period (either can be derived from the",
    "     other; the peak period has the clearer physical meaning and the",
    "     greater bearing on vessel motions).",
};
constexpr std::string_view kTypeNote8[] = {
    "",
    "     A user spectrum read from the text file \"WAVSPEC.txt\", prepared",
    "     apart from the data file of the case. The first line holds the",
    "     number of (frequency, spectral value) pairs, then one pair a line.",
    "",
    "     - At most 1000 pairs (the number is written in 4 columns).",
    "     - Circular frequencies in radians per second.",
    "     - Spectral values in ft^2*sec/radian for English units and",
    "       m^2*sec/radian for metric units.",
    "     - The frequencies must span those of the end periods of the wave",
    "       period array of the regular-wave page, but need not match the",
    "       array (the \"Legacy Custom Spectrum\" is less flexible here).",
    "     - The pairs must be ordered monotonically in frequency, ascending",
    "       or descending.",
    "     - Frequency and value are separated by any standard separator,",
    "       typically a comma or a tab.",
    "     - The file must end with at least one empty line.",
};
constexpr std::string_view kTypeNoteU[] = {
    "",
    "     For every user spectrum: the area under the spectrum over angular",
    "     frequency from 0 to infinity must equal the variance of the sea-",
    "     surface elevation (sigma squared, RMS squared). Spectral values",
    "     given per hertz (cycles per second) must be divided by 2 pi =",
    "     6.2832... to give the right variance.",
};
constexpr std::string_view kTypeNote9[] = {
    "",
    "     Spectral values (ft^2*sec/radian or m^2*sec/radian) are entered in",
    "     the editor at each period of the regular-wave period array (for a",
    "     text file use the \"WAVSPEC.txt\" option). There is a single such",
    "     array, reachable and loadable from either the \"background swell\"",
    "     or the \"irregular wave\" page. It normally serves waves or swell;",
    "     when it serves both, they share the same spectral data.",
};
constexpr std::string_view kTypeNote10[] = {
    "",
    "     A spectrum made of any number of three-parameter sub-spectra, each",
    "     given by a variance (or, equivalently, a significant wave height,",
    "     SWH), a peak period (TP) and a parameter \"Lambda\": N sub-spectra",
    "     take 3*N parameters {SWH, TP, LAMBDA} (see the 1976 paper \"Six-",
    "     Parameter Wave Spectra\"). At most 4 sub-spectra are supported.",
    "",
    "     Caution: multi-peaked spectra cannot be handled rigorously in these",
    "     spectral, nonlinear simulations (unlike fully time-domain ones);",
    "     even JONSWAP wind waves plus a background swell are problematic.",
    "     Isolate the most important single component, give it a single-",
    "     peaked representation (as \"swell\" or \"random wave\" input, which",
    "     have merged in function and are mostly handled alike) and lump the",
    "     remaining components into a second spectrum. Which component",
    "     matters most depends on the purpose: wave-drift forces for extreme",
    "     low-frequency offsets, perhaps a shorter-period component for",
    "     fatigue. Ochi-Hubble is restricted to the \"random wave\" type.",
};
constexpr std::string_view kTypeNote11[] = {
    "",
    "     A shallow-water modification of the General JONSWAP spectrum,",
    "     identical to it in the deep-water limit. It needs the whole General",
    "     JONSWAP parameter set (significant wave height, peak period, peak",
    "     factor, spectral shape parameters) plus the water depth, which is",
    "     given elsewhere in the editor (see the 1984 technical report on the",
    "     TMA spectrum).",
};

// ---- Notes of the regular-wave page -------------------------------------------------------

constexpr std::string_view kRegularNote2[] = {
    "",
    "     The regular-wave period array is used for the RAOs and for the",
    "     spectral integrations that give motion and load response to random",
    "     seas. It should span every period at which irregular waves or",
    "     swell carry substantial energy. Whenever irregular-wave",
    "     computations are to be done the periods MUST be equally spaced;",
    "     the \"auto repeat\" feature of the array editor is the means.",
};
constexpr std::string_view kRegularNote3[] = {
    "",
    "     Regular-wave RAOs are computed at each period for either a uniform",
    "     wave height or a uniform wave slope, chosen by a toggle. To",
    "     reproduce nonlinear hydrodynamic damping and weak square-law",
    "     driving forces (for instance the wave-frequency roll of ship shapes",
    "     and the heave, pitch and roll of semi-submersibles), the height or",
    "     slope should reflect the irregular waves of greatest engineering",
    "     interest.",
    "",
    "     For a constant amplitude A = H/2 the favoured compromise matches",
    "     the RMS of the regular wave (A/sqrt(2)) to the RMS of the chosen",
    "     spectrum (about SWH/4, SWH the significant wave height); for a",
    "     constant slope, the slope of that same regular wave (height 2A =",
    "     SWH/sqrt(2)) at the target spectral peak period Tp. Both schemes",
    "     give the same regular wave, and the same quasi-linear RAOs, at Tp",
    "     only; at other periods they differ. Because resonant periods (roll,",
    "     heave) need not lie near Tp, the reported \"equivalent linear",
    "     damping\" generally differs between the two schemes, and where",
    "     nonlinear processes matter the reported damping always follows the",
    "     input amplitude (larger waves, larger damping). Following the",
    "     recommendation, the important statistics are practically",
    "     insensitive to the choice.",
    "",
    "     Recommendation: constant height SWH/sqrt(2); constant slope the",
    "     slope of a wave whose height at the spectral peak period Tp is",
    "     SWH/sqrt(2). Where several spectra can be given in one run, the",
    "     height or slope should suit the most important spectrum; with both",
    "     a wind sea and a swell, the spectrum most likely to govern the",
    "     design.",
};

void write_note(Int unit, Note note) {
    for (std::string_view line : note) write_record(unit, line);
}

void write_notes(Int unit, std::initializer_list<Note> notes) {
    for (Note note : notes) write_note(unit, note);
}

void help_title(Int unit, std::string_view subject) {
    CLEAR(unit);
    write_record(unit, Record().t(19).put(subject).str());
}

// The heading of a screen of all notes: a fixed text after " ++> Item Number  ".
void screen_heading(Int unit, std::string_view text, std::string_view lead = " ++> Item Number  ") {
    write_record(unit, "");
    write_record(unit, std::string(lead).append(text));
}

// The heading of a single item's notes: the item number in two columns.
void item_heading(Int unit, Int LINE) {
    write_record(unit, "");
    write_record(unit, " ++> Item Number  " + fmt_I(LINE, 2));
}

void sorry_line(Int unit) {
    write_record(unit, "");
    write_record(unit, " ++> Sorry, no help for this line...");
    write_record(unit, "");
}

// Ends a screen of all notes: the pause, then a clear unless it is the last screen.
void end_screen(Int unit, Int KBD, Int& LINE, bool clear_after) {
    PRSRET(unit, KBD, LINE);
    if (clear_after) CLEAR(unit);
}

constexpr const char* kRandomTitle = "****  Random Wave Definition Notes  ****";
constexpr const char* kRegularTitle = "****  Regular Wave Definition Notes  ****";

bool jonswap_shape(Int type) { return type == 5 || type == 10; }

}  // namespace

void RANHP1(Int IOSCRN, Int KBD, Int& LINE, Int CREATR, Int L_SWELL, Int WAVTYP) {
    help_title(IOSCRN, kRandomTitle);
    const bool swell = L_SWELL == 1;
    const bool lock_note = CREATR < 10 && swell;
    if (LINE == 0) {
        // Screens in order; a screen whose condition fails is dropped. The swell pages end after
        // the item-11 screen (with the clear that follows every pause but the sea page's last).
        screen_heading(IOSCRN, "2");
        write_note(IOSCRN, kWaveNote2);
        end_screen(IOSCRN, KBD, LINE, true);
        if (lock_note) {
            screen_heading(IOSCRN, "3");
            write_note(IOSCRN, kWaveNote3);
            end_screen(IOSCRN, KBD, LINE, true);
        }
        screen_heading(IOSCRN, "4");
        write_note(IOSCRN, kWaveNote4);
        end_screen(IOSCRN, KBD, LINE, true);
        if (jonswap_shape(WAVTYP)) {
            screen_heading(IOSCRN, "8-10");
            write_note(IOSCRN, kWaveNoteJ);
            end_screen(IOSCRN, KBD, LINE, true);
        }
        if (WAVTYP == 0) {
            screen_heading(IOSCRN, "8");
            write_note(IOSCRN, kWaveNoteW);
            end_screen(IOSCRN, KBD, LINE, true);
        }
        if (WAVTYP == 9) {
            screen_heading(IOSCRN, "8");
            write_note(IOSCRN, kWaveNoteO);
            end_screen(IOSCRN, KBD, LINE, true);
        }
        if (jonswap_shape(WAVTYP)) {
            screen_heading(IOSCRN, "11");
            write_note(IOSCRN, kWaveNoteA);
            end_screen(IOSCRN, KBD, LINE, true);
        }
        if (swell) return;
        screen_heading(IOSCRN, "20");
        write_note(IOSCRN, kWaveNoteL);
        end_screen(IOSCRN, KBD, LINE, true);
        screen_heading(IOSCRN, "21");
        write_notes(IOSCRN, {kWaveNoteS, kWaveNoteH});
        end_screen(IOSCRN, KBD, LINE, true);
        screen_heading(IOSCRN, "22");
        write_note(IOSCRN, kWaveNoteC);
        screen_heading(IOSCRN, "23");
        write_note(IOSCRN, kWaveNoteE);
        end_screen(IOSCRN, KBD, LINE, false);
        return;
    }

    item_heading(IOSCRN, LINE);
    bool given = true;
    if (LINE == 2) {
        write_note(IOSCRN, kWaveNote2);
    } else if (LINE == 3 && lock_note) {
        write_note(IOSCRN, kWaveNote3);
    } else if (LINE == 4) {
        write_note(IOSCRN, kWaveNote4);
    } else if (LINE >= 5 && LINE <= 7 && WAVTYP == 9) {
        write_note(IOSCRN, kWaveNoteO);
    } else if (LINE == 8 && WAVTYP == 0) {
        write_note(IOSCRN, kWaveNoteW);
    } else if (LINE == 8 && WAVTYP == 9) {
        write_note(IOSCRN, kWaveNoteO);
    } else if (LINE >= 8 && LINE <= 10 && jonswap_shape(WAVTYP)) {
        write_note(IOSCRN, kWaveNoteJ);
    } else if (LINE == 11 && jonswap_shape(WAVTYP)) {
        write_note(IOSCRN, kWaveNoteA);
    } else if (LINE == 20 && !swell) {
        write_note(IOSCRN, kWaveNoteL);
    } else if (LINE == 21 && !swell) {
        write_notes(IOSCRN, {kWaveNoteS, kWaveNoteH});
    } else if (LINE == 22 && !swell) {
        write_notes(IOSCRN, {kWaveNoteC, kWaveNoteH});
    } else if (LINE == 23 && !swell) {
        write_note(IOSCRN, kWaveNoteE);
    } else {
        given = false;
    }
    if (!given) sorry_line(IOSCRN);
    PRSRET(IOSCRN, KBD, LINE);
}

void RANHP2(Int IOSCRN, Int KBD, Int& LINE) {
    help_title(IOSCRN, kRandomTitle);
    if (LINE == 0) {
        screen_heading(IOSCRN, "1");
        write_note(IOSCRN, kTypeNote1);
        screen_heading(IOSCRN, "2");
        write_note(IOSCRN, kTypeNote2);
        end_screen(IOSCRN, KBD, LINE, true);
        screen_heading(IOSCRN, "3 -> 6");
        write_note(IOSCRN, kTypeNote3);
        end_screen(IOSCRN, KBD, LINE, true);
        screen_heading(IOSCRN, "7");
        write_note(IOSCRN, kTypeNote7);
        end_screen(IOSCRN, KBD, LINE, true);
        screen_heading(IOSCRN, "8");
        write_notes(IOSCRN, {kTypeNote8, kTypeNoteU});
        end_screen(IOSCRN, KBD, LINE, true);
        screen_heading(IOSCRN, "9");
        write_notes(IOSCRN, {kTypeNote9, kTypeNoteU});
        end_screen(IOSCRN, KBD, LINE, true);
        screen_heading(IOSCRN, "10");
        write_note(IOSCRN, kTypeNote10);
        end_screen(IOSCRN, KBD, LINE, true);
        screen_heading(IOSCRN, "11");
        write_note(IOSCRN, kTypeNote11);
        end_screen(IOSCRN, KBD, LINE, false);
        return;
    }
    item_heading(IOSCRN, LINE);
    if (LINE == 1) {
        write_note(IOSCRN, kTypeNote1);
    } else if (LINE == 2) {
        write_note(IOSCRN, kTypeNote2);
    } else if (LINE >= 3 && LINE <= 6) {
        write_note(IOSCRN, kTypeNote3);
    } else if (LINE == 7) {
        write_note(IOSCRN, kTypeNote7);
    } else if (LINE == 8) {
        write_notes(IOSCRN, {kTypeNote8, kTypeNoteU});
    } else if (LINE == 9) {
        write_notes(IOSCRN, {kTypeNote9, kTypeNoteU});
    } else if (LINE == 10) {
        write_note(IOSCRN, kTypeNote10);
    } else if (LINE == 11) {
        write_note(IOSCRN, kTypeNote11);
    } else {
        sorry_line(IOSCRN);
    }
    PRSRET(IOSCRN, KBD, LINE);
}

void REGHLP(Int IOSCRN, Int KBD, Int& LINE, Int /*HLPFLG*/) {
    // The regular-wave page always passes HLPFLG 1; there is one set of screens.
    help_title(IOSCRN, kRegularTitle);
    if (LINE == 0) {
        screen_heading(IOSCRN, "2");
        write_note(IOSCRN, kRegularNote2);
        end_screen(IOSCRN, KBD, LINE, true);
        screen_heading(IOSCRN, "3 -> 4", " ++> Item Numbers ");
        write_note(IOSCRN, kRegularNote3);
        end_screen(IOSCRN, KBD, LINE, true);
        screen_heading(IOSCRN, "6");
        write_note(IOSCRN, kWaveNote4);
        end_screen(IOSCRN, KBD, LINE, false);
        return;
    }
    item_heading(IOSCRN, LINE);
    if (LINE == 2) {
        write_note(IOSCRN, kRegularNote2);
    } else if (LINE == 3 || LINE == 4) {
        write_note(IOSCRN, kRegularNote3);
    } else if (LINE == 6) {
        write_note(IOSCRN, kWaveNote4);
    } else {
        sorry_line(IOSCRN);
    }
    PRSRET(IOSCRN, KBD, LINE);
}

}  // namespace brevant
