// Report section I: the dimensionless regular-wave drift coefficients for each attack angle, page
// Ia (reflection) and page Ib (absorption), written by DFTOUT; and the printed-angle convention
// that every later section reads. DFTOUT's entry steps and coefficient evaluation serve section
// II's pages as well.
#pragma once

#include <array>
#include <string_view>

#include "core/run_values.h"
#include "sysutl/ftypes.h"

namespace brevant {

// The pages of DFTOUT (its argument OUTTYP).
inline constexpr Int kReflectionCoefficientPage = 0;    // Ia
inline constexpr Int kAbsorptionCoefficientPage = 10;   // Ib
inline constexpr Int kReflectionDistributionPage = 2;   // IIa
inline constexpr Int kAbsorptionDistributionPage = 12;  // IIb

// The run-wide angle convention (bit 26 of BRVFLG): FSTCL2, FSTCL3 and ZEDDEG, and DOUSER (all
// three drift fields 1). Set once before section I.
void set_angle_convention(RunValues& R);

// Section I: for each attack angle the vessel turned so that the leading wave system meets it at
// that angle, its RAOs refreshed, then page Ia (bit 1) and page Ib (bit 11), then the console
// pause. Nothing at all, not even the progress line, when both bits are clear.
void drift_coefficient_pages(RunValues& R);

// Attack angle I of the run (the uniform grid from STARTA, or the angle list): the vessel heading
// VESANG that puts the leading wave system at that angle, and the RAOs refreshed for it. Returns
// the angle in radians. Sections I and II turn the vessel this way before their pages.
Real turn_to_attack_angle(const RunValues& R, Int I);

// One page for the attack angle RELANG (radians, relative to the vessel) in the mode OUTTYP;
// SWVFM 1 when the three drift fields are equal. Sets LBACK to 0.
void DFTOUT(Real RELANG, Int OUTTYP, Int SWVFM);

// What DFTOUT's entry steps fix for every mode.
struct DriftPageSetup {
    Real CDEFFX = 0.0f, CDEFFY = 0.0f, CDEFFZ = 0.0f;  // current coefficients x drag factors (Cz / LWL)
    Int DOUSER = 0;                                    // all three drift fields are 1
    FixedText<5> TUNIT;
    FixedText<2> AUNIT;
    FixedText<6> MUNIT;
    FixedText<4> FUNIT;
    Real GRAVCNST = 0.0f;  // the g printed by the absorption note only
    FixedText<5> FSTCL;    // leading wave system ("Wave " or "Swell"), blank without waves
    FixedText<5> FSTCL2;   // its plural ("Waves" or "Swell"), blank without waves
    Real RELCUR = 0.0f;    // current heading relative to the leading wave system, degrees
    FixedText<13> ATTACK;  // "Attack Angle " or "Wave Heading "
    Real ZEDDEG = 0.0f;
    FixedText<6> CSLPH2;  // the derived regular-wave quantity: " slope" or "height"
    FixedText<3> SLHUN2;  // its unit: "deg" or the length unit
};

// DFTOUT's entry steps 1-8 for the angle RELANG (TRIGLD and CRNTCF among them); LBACK set to 0.
DriftPageSetup drift_page_setup(Real RELANG);

// The regular wave of grid period IW: its amplitude, the value of the fourth column (the slope
// in degrees at constant height, the height at constant slope), and the standard deviation of
// its elevation.
struct RegularWave {
    Real WVAMP = 0.0f;
    Real HTORSL = 0.0f;
    Real SIG0WV = 0.0f;
};
RegularWave regular_wave(Int IW);

// Cx, Cy, Cz of grid period IW at the angle RELANG: the reflection coefficients of DRFTC (sea), and
// the absorption coefficients (closed form for hulls not built of members, NB_DRAG_RAO otherwise).
std::array<Real, 3> reflection_coefficients(Int IW, Real RELANG);
std::array<Real, 3> absorption_coefficients(const DriftPageSetup& S, Int IW, Real RELANG, Real SIG0WV);

// The angle line, and the current line when a current is simulated and applies to the drift
// coefficients, of DFTOUT's pages.
void write_angle_and_current_lines(const DriftPageSetup& S, Real RELANG);
// The drift-model shape-factor lines (when not every field is the user table), each after INDENT
// blanks with its value in F(WIDTH).2: the bow factor and angle for the tanker models, the stern
// factor and angle, and the enhancement factors where they apply, for the 2001 tanker. LABELS holds
// each line's words in the layout of the page; a REFLECTION label, where there is one, adds the
// variable reflection factor after the bow angle.
struct ShapeFactorLabels {
    std::string_view bow, bow_angle, stern, stern_angle, head_on, beam_on, moment;
};
void write_shape_factor_lines(int INDENT, int WIDTH, const ShapeFactorLabels& LABELS,
                              std::string_view REFLECTION = {});
// ... with the labels of the reflection pages.
void write_shape_factor_lines(int INDENT, int WIDTH);

}  // namespace brevant
