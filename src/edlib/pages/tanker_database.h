// The average-tanker database page, opened from the hydrostatics page for a ship: it shows the
// estimator's 21 values for a deadweight and a draft and copies the chosen ones into the case.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Answer codes of ENTEST besides the numbers it reads.
inline constexpr Int TANKER_COPY_ALL = -1977;  // "Z": copy every value
inline constexpr Int TANKER_LETTERS = -1;      // a letter list in CHARAY

// What the page keeps from one visit to the next for the whole run (never saved in the data file):
// its working copy of each value (in the case's units, the deadweight in long tons), whether the
// next visit is the first, whether to estimate before the next display, the displacement caption
// and the letters last typed (in order, closed by one blank).
struct TankerPageState {
    Real DWTONQ, LOADEQ, DISPLQ, DRAFTQ, DFTPCQ, DSPPCQ, VKMTQ, VKMLQ, VKBQ, VKGQ, LWLQ;
    Real BWLQ, PGYRQ, RGYRQ, YGYRQ, BILGRQ, AWPQ, XWNDAQ, YWNDAQ, XCURAQ, YCURAQ;
    bool FRSTIM = true;
    bool REFRSH = false;
    FixedText<16> CMPSPC;
    FixedText<41> CHARAY;
};
extern TankerPageState TANKER_STATE;

// Puts the page's saved state back to program start (the next visit is a first one).
void reset_tanker_state();

// The page. PAGE and TUGBAR are accepted and not used. The vessel words are the TPCM members of the
// same names (DISPL, VKB, VKG, DRAFT, AWP, VKMT, VKML, LWL, BWL, PGYR, RGYR, YGYR, BILGR, XWNDAR,
// YWNDAR, XCURAR, YCURAR, DWTONS, LOADED, DFTPCT, DSPPCT): read on the first visit of the run,
// written only when values are copied. The editor words EDUNIT, LBACK, NUNTS and IPAG are TPCM's.
// On return LBACK holds the last answer code (-1, -1977, 0 or another code of 0 or below).
void TANKER(std::string_view PAGE, std::string_view TUGBAR);

// The page's instructions and prompt, then one answer of up to 40 characters, in LBACK: -1977 for a
// first character "Z" or "z"; for a first character "1", "2" or a blank the whole number in the
// first six characters (0 for a blank answer, for an answer that is not a whole number and for a
// typed -1977 or -1978, which would pass for the codes below); -1978 for "?"; otherwise -1, with the
// letters A-Y of the answer upper-cased, in order, in CHARAY, closed by a blank. CHARAY is blank
// after any other answer, so that a typed -1 selects nothing.
void ENTEST(Int& LBACK, Int IOSCRN, Int KBD, FixedText<41>& CHARAY);

// The help screen of the page; the number typed at its closing pause comes back in LINE.
void TNKHLP(Int IOSCRN, Int KBD, Int& LINE);

}  // namespace brevant
