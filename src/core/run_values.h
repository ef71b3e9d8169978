// The run-wide values of one analysis run: captions, unit captions, speeds and the leading wave
// system, fixed once by the set-up and read by every report section, and the net loads that the
// net-force pages keep for the closing summary. Also the report frame every section shares: its
// progress line, page start and console pause.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "sysutl/captions.h"
#include "sysutl/ftypes.h"

namespace brevant {

// Largest attack-angle counts the output-options page keeps: uniform angles, and the angle list.
inline constexpr Int kMaxUniformAngles = 361;
inline constexpr Int kMaxListedAngles = 37;

inline constexpr const char* kReportFile = "BREVOUT.stxt";
inline constexpr const char* kProgramCaption = "Brevant";
inline constexpr const char* kUndefinedModel = "Undefined model";

struct RunValues {
    // The program caption of the banner (MAINPG), and of the title page and the file messages
    // (SIMNAM, LENNAM characters of it).
    std::string MAINPG = kProgramCaption;
    FixedText<40> SIMNAM{kProgramCaption};
    Int LENNAM = 8;
    FixedText<12> OUTFIL{kReportFile};

    Real TMPWSP = 0.0f;  // mean wind speed, ft/s or m/s
    Real TMPCSP = 0.0f;  // surface current speed, ft/s or m/s
    FixedText<24> BOWTPW;  // above-water bow caption
    FixedText<24> BOWTPC;  // below-water bow caption
    bool NEED_SPEC_SUM = false;  // a spectral table by frequency is asked for (bits 9, 10, 24, 25)
    Int SWNFM = 0, SCRFM = 0, SWVFM = 0;  // one model for all three fields: wind, current, wave drift
    std::string CVER;  // version caption, 17 characters
    FixedText<72> TITLE1{" Velmora Quasi-Static Environmental Characteristics"};
    Int NUMTIT = 51;
    Real STARTA = 0.0f;  // first attack angle of the uniform grid, degrees (VESAN0 at the start)
    Real WDCNST = 0.0f;  // sqrt(DEPTH / G), s
    FixedText<30> CWAV;  // sea-spectrum caption, LENWAV characters of it
    Int LENWAV = 0;
    FixedText<30> CWAV2;  // crest caption, LNWAV2 characters of it
    Int LNWAV2 = 0;
    FixedText<5> TUNIT;  // force unit caption
    FixedText<2> AUNIT;  // length unit caption
    FixedText<6> MUNIT;  // moment unit caption
    FixedText<16> SLHUN2;  // unit of the derived regular-wave quantity
    FixedText<7> CSLPH1, CSLPH2;  // the regular-wave quantity held constant, and the derived one
    FixedText<16> GLBVES;  // system caption of the external force
    FixedText<7> FSTCL;    // leading wave system ("Wave " or "Swell"); blank without waves
    FixedText<5> FSTCL5;   // its plural ("Waves" or "Swell"); blank without waves
    Real RELCUR = 0.0f;    // current heading relative to the leading wave system, degrees
    // The printed-angle convention of sections I to VII (bit 26 of BRVFLG): the two lines of the
    // angle column's caption, and what is added to an attack angle to print it.
    FixedText<9> FSTCL2{" Angle of"};
    FixedText<9> FSTCL3{"  Attack "};
    Real ZEDDEG = 0.0f;
    Int DOUSER = 0;  // 1 when every wave-drift component comes from the user drift table
    Int NWAVPK = 0;        // grid index of the sea's peak period; may lie off the grid
    Real VAR = 0.0f, VARDOT = 0.0f;  // working: spectral moments

    // Net loads by attack angle from the net-force pages, for the summary page.
    FArray<Real, kMaxUniformAngles> FXTMP{}, FYTMP{}, MZTMP{};
};

// ---- Captions ----------------------------------------------------------------------------------

// Bow captions (24 characters) of BOWWND and BOWCUR: 0.0, 1.0, below 1.0, above 1.0.
std::string above_water_bow_caption(Real BOWWND);
std::string below_water_bow_caption(Real BOWCUR);

// The three caption lists of the packed model words.
enum class ModelList { Wind, Current, WaveDrift };
// The caption (29 characters) of one 4-bit model field: the row of its list, the current field 15
// shown as row 4; a value with no row gives "Undefined model".
std::string model_caption(ModelList list, Int field);

// ---- The report frame --------------------------------------------------------------------------

// A section's progress line on the console unit EDUNIT: an empty line, the pieces as one line, an
// empty line.
void progress_line(std::initializer_list<std::string_view> pieces);
// A report page start: PAGE(IUNIT, EDUNIT, 1, 99).
void start_report_page();
// The console pause of a section: PRSRET(EDUNIT, 5, LBACK) when the report is on the console.
void section_pause();
// True when the report goes to the console (IUNIT equals EDUNIT).
bool report_on_console();

}  // namespace brevant
