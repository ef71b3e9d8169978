// The pre-run checks of the choices a run branches on: every type code, model field and member code
// holds a value its page offers. Each is a fatal finding naming the page, the item and the value.
// (The user files the choices make the run read are checked in run_file_checks; when the run reads a
// code is told by run_reads.)
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "edlib/run_input_checks.h"
#include "edlib/run_reads.h"
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

// The findings of the codes of single words that switch the irregular sea and the swell on and
// choose their spectrum types, in the order of run_choice_findings. Reads T only.
void sea_and_swell_choice_findings(const Tpcm& t, std::vector<RunInputFinding>& found);

// The findings of the case in TPCM, in a fixed order: codes of single words, the report's unit, the
// model fields of page 6, then the member codes of page 5. Reads the image; changes nothing.
std::vector<RunInputFinding> run_choice_findings();

}  // namespace brevant
