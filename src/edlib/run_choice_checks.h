// The pre-run checks of the choices a run branches on: every type code, model field and member code
// holds a value its page offers. Each is a fatal finding naming the page, the item and the value.
// (The user files the choices make the run read are checked in run_file_checks.)
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "edlib/run_input_checks.h"
#include "records/data_image.h"
#include "sysutl/ftypes.h"

namespace brevant {

// One integer code of the data image that a page sets from a list: the values from `first` to `last`
// are offered, all but `skipped` (kNoneSkipped: none). The code is checked only while `applies`
// says the run reads it. A `page` of 0 makes `item` the word's number in the data file.
inline constexpr Int kNoneSkipped = -2147483647 - 1;

struct ChoiceCode {
    Int page;
    Int item;
    std::string_view name;
    Int Tpcm::*word;
    Int first;
    Int last;
    Int skipped;
    bool (*applies)(const Tpcm&);
};

// The codes of single words, in the order their findings are given.
std::span<const ChoiceCode> choice_codes();

// Whether the run evaluates the wind, current and wave-drift load models of page 6 (and so reads
// their model words and the user files they choose).
bool wind_model_used(const Tpcm& t);
bool current_model_used(const Tpcm& t);
bool drift_model_used(const Tpcm& t);
// Whether the report holds a wind or current speed spectrum (and so reads the spectral types).
bool speed_spectra_reported(const Tpcm& t);
// Whether the report holds drift forces of the sea and the swell (IIa, IIIa, IVa, IIIb, IVb, IX, X
// and the spectra by attack angle).
bool drift_forces_reported(const Tpcm& t);

// The item of page 6 that shows field K (1 Cx .. 3 Cz) of the load model word WORD (LWBARG, LCBARG
// or LWVCOF): one item for the three fields while they agree, an item each otherwise.
Int load_model_item(const Tpcm& t, Int Tpcm::*word, Int k);

// The findings of the case in TPCM, in a fixed order: codes of single words, the report's unit, the
// model fields of page 6, then the member codes of page 5. Reads the image; changes nothing.
std::vector<RunInputFinding> run_choice_findings();

}  // namespace brevant
