// The pre-run checks of values a run cannot compute with: reals that are not finite numbers (any
// real of the case, read by the run or not), speeds and loads beyond what the load laws hold, sizes
// and factors whose products leave single precision, main dimensions a hull model cannot compute
// with, a unit flag with no unit system, and user coefficient tables that cannot be interpolated;
// with them the findings of the spectrum parameters (spectrum_parameter_checks) and of the periods
// (wave_frequency_checks). Each is a fatal finding naming the page and item where the value is entered.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sysutl/ftypes.h"

namespace brevant {

struct Tpcm;

// Speeds of sound, the bound of the drag laws (loads in the square of the speed hold for a flow
// far below them): in air 340.3 m/s, in sea water 1500 m/s, in knots (1852 m per hour) and in the
// stored units of the forward speed (m/s, ft/s).
inline constexpr Real kSoundInAirKnots = 661.5f;
inline constexpr Real kSoundInWaterKnots = 2915.8f;
inline constexpr Real kSoundInWaterMetresPerSecond = 1500.0f;
inline constexpr Real kSoundInWaterFeetPerSecond = 4921.3f;

// One finding: its message lines.
using RunInputFinding = std::vector<std::string>;

// The start of every fatal finding's first line.
inline constexpr std::string_view kFatalFindingHead = " ++> Fatal Warning: ";

// " ++> Fatal Warning: NAME (page PAGE, item ITEM)": the head of a finding about one item; with
// PAGE 0, " ++> Fatal Warning: NAME (word ITEM of the data file)" for a word no page of the walk shows.
std::string where(std::string_view name, Int page, Int item);

// The shortest peak period of a sea the checks let a case hold: its frequency 2 pi / T enters the
// spectra to the fifth power and the wave number squared; a thousandth of a second keeps both far
// inside single precision.
inline constexpr Real kShortestPeakPeriod = 1.0e-3f;

// The largest wave height the checks let a case hold (its significant heights, and the height a
// custom spectrum table gives): 1,000 m, the same size in feet for a case in English units.
Real wave_height_bound(Int NUNTS);

// The place of each row of the table of reals (every real a page of the walk edits, refused when it
// is not a finite number, some held within a bound), in the table's order: the page and item where
// it is entered (page 0: the item is its word in the data file) and its name in the findings.
struct EnteredRealPlace {
    Int page;
    Int item;
    std::string_view name;
};
std::vector<EnteredRealPlace> entered_real_places();

// The findings of run_input_findings about the reals every regular wave is computed from (the water
// depth, the table of wave periods, the regular wave's height or slope), in the same order. Reads only.
void regular_wave_real_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

// The findings of run_input_findings about the reals of the irregular sea and of the first swell, as
// far as each is on (the words of their pages, the custom spectrum table where one of them is of its
// type, the sea's peak periods too short to compute), in the same order. Reads only.
void sea_and_swell_real_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

// The regular waves' height or slope (page 11, item 4) where the run cannot take it: negative, for
// the ship and the disc buoy, whose roll damping is a square-root law in the waves' slope (the run's
// own edge lies at a small negative value set by the roll excitation at resonance, which no check
// sees before the motions are computed). Reads only.
void regular_wave_height_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

// The findings of the case in TPCM and LOWCOF, in a fixed order. Reads only.
std::vector<RunInputFinding> run_input_findings();

}  // namespace brevant
