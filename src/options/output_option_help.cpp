// The "I/O Definition Notes" of the two output-option pages.
#include "options/output_option_help.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sysutl/error_exits.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

using Note = std::span<const std::string_view>;

// ---- Notes of page 14 -------------------------------------------------------------------------

constexpr std::string_view kReflectionCoefficientsNote[] = {
    "",
    "     Cx, Cy and Cz are the dimensionless wave reflection force and moment",
    "     coefficients at wave frequency w (radians/sec) and wave angle Theta:",
    "",
    "          Fx(w,Theta) = Cx(w,Theta)*[.5*Dw*B*a^2]",
    "          Fy(w,Theta) = Cy(w,Theta)*[.5*Dw*L*a^2]",
    "          Mz(w,Theta) = Cz(w,Theta)*[.5*Dw*L^2*a^2]",
    "",
    "     Dw is the weight density of water, a the regular wave amplitude, B and",
    "     L the vessel beam and length. The forces and moment act at the vessel",
    "     CG. They come from the re-direction (\"refraction\" or \"reflection\")",
    "     of part of the incident momentum of a regular wave of circular",
    "     frequency w approaching at the angle Theta. The bracketed term is the",
    "     force of such a wave on a length L (or B) of an infinite fixed",
    "     breakwater, so Cx and Cy are ratios to that force and generally less",
    "     than unity. In the short-wave (\"geometrical optics\", infinite w)",
    "     limit, Cx = 1 and Cy = Cz = 0 for waves meeting a box-shaped barge",
    "     head-on. The item produces a table of Cx, Cy and Cz for each requested",
    "     wave frequency and direction.",
};
constexpr std::string_view kReflectionDistributionNote[] = {
    "",
    "     For each requested wave direction, a \"spectral\" distribution table of",
    "     the wave reflection forces and moments: the dimensionless regular-wave",
    "     reflection coefficients multiplied by the specified wave spectrum.",
    "     Moments in these tables are about the vessel CG, not about the",
    "     user-specified moment calculation point.",
};
constexpr std::string_view kReflectionMeanNote[] = {
    "",
    "     The mean dimensional irregular-wave reflection forces and moments for",
    "     each requested wave direction are the integral over frequency of the",
    "     \"product spectrum\" of the CG-relative dimensionless coefficients",
    "     times the wave spectrum, transferred if necessary to the requested",
    "     off-CG longitudinal moment calculation point. The untransferred",
    "     product spectrum is the table of item 2.",
};
constexpr std::string_view kLowFrequencyNote[] = {
    "",
    "     The \"low-frequency\" spectral density of the wave forces and moments",
    "     measures the variable part of the reflection and absorption forcing,",
    "     which drives the low-frequency oscillations of the moored vessel; the",
    "     variance of that motion is approximately proportional to it. The",
    "     oscillation frequency of interest must be specified (on page 2 of the",
    "     output options). Moment spectra refer to the longitudinal CG, not to",
    "     the moment point used for the mean moments, for comparison with OCIMF",
    "     and other CG-based data sets.",
};
constexpr std::string_view kFixedAngleNote[] = {
    "",
    "     One table for each requested relative environmental angle, with the",
    "     load spectral values at an array of low frequencies: the same data as",
    "     the fixed-frequency, variable-angle display in another presentation.",
};
constexpr std::string_view kAbsorptionCoefficientsNote[] = {
    "",
    "     The dimensionless wave absorption force and moment coefficients:",
    "",
    "          Fx(w,Theta) = Cx(w,Theta)*[.5*Dm*B*(w^2)*(a^3)]",
    "          Fy(w,Theta) = Cy(w,Theta)*[.5*Dm*L*(w^2)*(a^3)]",
    "          Mz(w,Theta) = Cz(w,Theta)*[.5*Dm*(L^2)*(w^2)*(a^3)]",
    "",
    "     Dm is the mass density of water. The forces and moment act at the CG",
    "     and come from the partial dissipation (\"absorption\") of a regular",
    "     wave of circular frequency w. They are the dissipative analogue of",
    "     the reflection coefficients.",
};
constexpr std::string_view kAbsorptionMeanNote[] = {
    "",
    "     The mean dimensional irregular-wave absorption forces and moments for",
    "     each requested wave direction, formed like the reflection ones: the",
    "     frequency integral of the product spectrum, transferred if necessary",
    "     to the off-CG longitudinal moment calculation point.",
};
constexpr std::string_view kWaveSpectrumNote[] = {
    "",
    "     An output table of the requested irregular wave spectral density.",
};
constexpr std::string_view kSwellSpectrumNote[] = {
    "",
    "     An output table of the requested irregular swell spectral density.",
};
constexpr std::string_view kGroupSpectrumNote[] = {
    "",
    "     The wave (or swell) group spectrum G(W) is eight times the integral on",
    "     [0,infinity] of",
    "",
    "          [S(w)*S(w+W)dw]",
    "",
    "     where S is the first-order wave (or swell) energy spectrum, w the wave",
    "     frequency and W the group frequency (both rad/sec). It is simply",
    "     related to the spectrum of the wave crest/trough envelope, and is a",
    "     qualitative measure of the low-frequency second-order wave exciting",
    "     forces.",
};

// The note of a page-14 item, chosen by its BRVFLG bit; empty when there is none.
Note page1_note(Int IDENT) {
    switch (IDENT) {
        case 1: return kReflectionCoefficientsNote;
        case 2: return kReflectionDistributionNote;
        case 3: return kReflectionMeanNote;
        case 4:
        case 14: return kLowFrequencyNote;
        case 9:
        case 10: return kFixedAngleNote;
        case 11: return kAbsorptionCoefficientsNote;
        case 13: return kAbsorptionMeanNote;
        case 5: return kWaveSpectrumNote;
        case 6: return kSwellSpectrumNote;
        case 7:
        case 8: return kGroupSpectrumNote;
        default: return {};
    }
}

// ---- Notes of page 15 -------------------------------------------------------------------------

constexpr std::string_view kCoefficientsNote[] = {
    "",
    "     The dimensionless wind and current coefficients Cx, Cy and Cz are given",
    "     for each relative angle Theta between the wind or current and the",
    "     vessel centreline:",
    "",
    "          Fx(Theta) = Cx(Theta)*[.5*Dm*Ah*V^2]",
    "          Fy(Theta) = Cy(Theta)*[.5*Dm*Ab*V^2]",
    "          Mz(Theta) = Cz(Theta)*[.5*Dm*Ab*L*V^2]",
    "",
    "     The forces and moment act at the vessel CG. Dm is the air density for",
    "     wind and the water density for current; Ah and Ab are the head-on and",
    "     beam-on projected areas; V is the wind or current speed and L the",
    "     waterline length. Head-on or beam-on, a coefficient is the ratio of",
    "     the force to that on a flat plate of drag coefficient 1.0 and the same",
    "     projected area. The item produces a table of the coefficients at each",
    "     requested relative angle.",
};
constexpr std::string_view kMeanForcesNote[] = {
    "",
    "     The net dimensional wind and current forces and moments on the vessel",
    "     for each requested environment direction, laid out like the net",
    "     dimensional wave-drift forces. Moments are referred to the requested",
    "     off-CG longitudinal moment point.",
};
constexpr std::string_view kFixedFrequencyNote[] = {
    "",
    "     The spectral density of the wind or current forces near the natural",
    "     periods measures the variable part of those forces that drives the",
    "     low-frequency oscillations. The forcing is square-law, so the",
    "     low-frequency motion variance due to wind or current variability is",
    "     proportional to it. The measure does not depend on the vessel",
    "     orientation. The oscillation frequency is specified by the user:",
    "     values of practical interest are close to zero, and zero is the",
    "     default.",
};
constexpr std::string_view kFixedAngleTablesNote[] = {
    "",
    "     One table for each requested relative angle, with the load spectral",
    "     values over an array of low-frequency values: the same data as the",
    "     fixed-frequency, variable-angle tables in another presentation.",
};
constexpr std::string_view kSpeedSpectrumNote[] = {
    "",
    "     The spectral density of the wind or current speed, which depends only",
    "     on the specified spectrum and not on the vessel. It is given as a",
    "     function of frequency, analogous to the wave group spectral density.",
};
constexpr std::string_view kLegacyNote[] = {
    "",
    "     Set to \"Yes\" to reproduce the current-wave drift force interaction in",
    "     effect before version 4.4. It is meant for the legacy vessel models",
    "     (legacy semi-submersible, legacy tanker).",
};
constexpr std::string_view kNetLoadsNote[] = {
    "",
    "     Net environmental loads and moments at each requested vessel angle,",
    "     combining the wind, wave, current and imposed external forces and",
    "     moments.",
};
constexpr std::string_view kNetSpectraNote[] = {
    "",
    "     Net spectral loads and moments at each requested vessel angle: the",
    "     summed force and moment spectra of wind, waves and current.",
};
constexpr std::string_view kWaveDragNote[] = {
    "",
    "     When set, wave drag (absorption) is left out of the net loads tables,",
    "     even when wave absorption coefficients are requested, so that purely",
    "     reflective net forces can be set apart from the absorptive and the",
    "     combined drift forces.",
};
constexpr std::string_view kAngleCountNote[] = {
    "",
    "     The number of vessel-relative attack angles between the environment",
    "     directions and the vessel centreline. It is unrestricted for uniform",
    "     increments and limited to 37 while the array option is in view. All",
    "     angles are attack angles relative to the bow:",
    "",
    "          attack angle = relative heading - 180.",
    "",
    "     A vessel-relative heading of 180 degrees is an attack angle of 0, a",
    "     heading of 225 degrees an attack angle of 45.",
};
constexpr std::string_view kAngleModeNote[] = {
    "",
    "     The angles are either equally spaced increments (unlimited in number)",
    "     from a starting value, or an arbitrary array of at most 37 values.",
    "     This item toggles between the two.",
};
constexpr std::string_view kIncrementNote[] = {
    "",
    "     The increment in degrees between successive vessel centreline",
    "     orientations relative to the fixed environment, used while uniform",
    "     increments are selected. There is no restriction on its size or sign.",
};
constexpr std::string_view kStartAngleNote[] = {
    "",
    "     The first attack angle of the uniform increments.",
};
constexpr std::string_view kAngleArrayNote[] = {
    "",
    "     The attack angles of the array option.",
};
constexpr std::string_view kOffsetNote[] = {
    "",
    "     The longitudinal position of the point on the centreline about which",
    "     moments are reported, positive towards the bow. Zero gives moments",
    "     about the CG.",
};
constexpr std::string_view kOscillationNote[] = {
    "",
    "     The oscillation frequency in rad/s, required whenever low-frequency",
    "     spectral densities are requested. It is normally very small, for",
    "     periods of 100 to 10,000 s or more; a frequency of exactly zero is the",
    "     usual benchmark for wave-drift oscillatory forces.",
};
constexpr std::string_view kConventionNote[] = {
    "",
    "     The output tables for each requested angle are labelled by",
    "     vessel-relative headings or by vessel-relative attack angles,",
    "     according to this toggle:",
    "",
    "          attack angle = relative heading - 180.",
    "",
    "     A vessel-relative heading of 180 degrees is an attack angle of 0, a",
    "     heading of 225 degrees an attack angle of 45.",
};
constexpr std::string_view kIntervalNote[] = {
    "",
    "     The default frequency interval of the tables of low-frequency",
    "     quantities (wave group spectral density, wave-drift force spectral",
    "     density) may be changed here. The maximum frequency divided by this",
    "     interval gives the size of the tables, which is limited to 100000;",
    "     the spectra by attack angle are written without rows above 1000.",
};
constexpr std::string_view kMinimumPeriodNote[] = {
    "",
    "     A minimum table period other than the default; it sets the maximum",
    "     frequency of the same tables.",
};
constexpr std::string_view kDebugNote[] = {
    "",
    "     When \"on\", debugging information is written to the screen during the",
    "     execution, for use in telephone support with Velmora to pinpoint",
    "     execution problems.",
};

// The note of a page-15 help code; empty for the output device (150) and unknown codes.
Note page2_note(Int IDENT) {
    switch (IDENT) {
        case 17:
        case 20: return kCoefficientsNote;
        case 18:
        case 21: return kMeanForcesNote;
        case 19:
        case 22: return kFixedFrequencyNote;
        case 24:
        case 25: return kFixedAngleTablesNote;
        case 16:
        case 15: return kSpeedSpectrumNote;
        case 100: return kLegacyNote;
        case 23: return kNetLoadsNote;
        case 27: return kNetSpectraNote;
        case 152: return kWaveDragNote;
        case 124: return kAngleCountNote;
        case 130: return kAngleModeNote;
        case 125: return kIncrementNote;
        case 129: return kStartAngleNote;
        case 131: return kAngleArrayNote;
        case 126: return kOffsetNote;
        case 127: return kOscillationNote;
        case 128: return kIntervalNote;
        case 132: return kMinimumPeriodNote;
        case 26: return kConventionNote;
        case 151: return kDebugNote;
        default: return {};
    }
}

// ---- Screens ----------------------------------------------------------------------------------

void write_note(Int unit, Note note) {
    for (std::string_view line : note) write_record(unit, line);
}

void write_title(Int unit) {
    const std::string stars(26, '*');
    write_record(unit, " " + stars + "  I/O Definition Notes  " + stars);
}

void write_item_number(Int unit, Int LINE) {
    write_record(unit, "");
    write_record(unit, " ++> Item Number " + std::to_string(LINE));
}

constexpr std::string_view kSorry = " ++> Sorry, no help for this item ...";

// The general help: the notes of each screen, a pause after each, a cleared screen between them.
void all_notes(Int unit, Int KBD, Int& LINE, const std::vector<std::vector<Note>>& screens) {
    for (std::size_t s = 0; s < screens.size(); ++s) {
        if (s > 0) CLEAR(unit);
        for (Note note : screens[s]) write_note(unit, note);
        PRSRET(unit, KBD, LINE);
    }
}

}  // namespace

void BRHLP(Int IOSCRN, Int KBD, Int& LINE, Int IDENT) {
    CLEAR(IOSCRN);
    write_title(IOSCRN);
    if (LINE == 0) {
        all_notes(IOSCRN, KBD, LINE,
                  {{kReflectionCoefficientsNote},
                   {kReflectionDistributionNote},
                   {kReflectionMeanNote, kLowFrequencyNote},
                   {kFixedAngleNote},
                   {kAbsorptionCoefficientsNote},
                   {kAbsorptionMeanNote, kLowFrequencyNote},
                   {kWaveSpectrumNote, kSwellSpectrumNote, kGroupSpectrumNote}});
        return;
    }
    write_item_number(IOSCRN, LINE);
    const Note note = page1_note(IDENT);
    if (note.empty()) {
        write_record(IOSCRN, "");
        write_record(IOSCRN, kSorry);
        write_record(IOSCRN, "");
    } else {
        write_note(IOSCRN, note);
    }
    PRSRET(IOSCRN, KBD, LINE);
}

void BRHLP2(Int IOSCRN, Int KBD, Int LINE, Int IDENT) {
    CLEAR(IOSCRN);
    write_title(IOSCRN);
    Int typed = 0;  // the numbers typed at the pauses are not used
    if (LINE == 0) {
        all_notes(IOSCRN, KBD, typed,
                  {{kCoefficientsNote},
                   {kMeanForcesNote, kFixedFrequencyNote, kFixedAngleTablesNote},
                   {kSpeedSpectrumNote, kLegacyNote},
                   {kNetLoadsNote, kNetSpectraNote},
                   {kWaveDragNote, kAngleCountNote, kAngleModeNote},
                   {kIncrementNote, kStartAngleNote, kAngleArrayNote},
                   {kOffsetNote},
                   {kOscillationNote, kConventionNote, kIntervalNote, kMinimumPeriodNote},
                   {kDebugNote}});
        return;
    }
    write_item_number(IOSCRN, LINE);
    const Note note = page2_note(IDENT);
    if (note.empty()) {
        write_record(IOSCRN, kSorry);
        write_record(IOSCRN, "");
    } else {
        write_note(IOSCRN, note);
    }
    PRSRET(IOSCRN, KBD, typed);
}

}  // namespace brevant
