// The copies of the case as loaded follow what the editor sets by itself in a case nobody changed.
#include "edlib/case_as_loaded.h"

#include "edlib/editor_driver.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

// The data image's words 1..NTOGOQ as the copies hold them: the editor's session words (LBACK,
// IPAG, LCOPY, EDUNIT) at 0, as the end of the edit stores them.
const FArray<Int, NTOGOQ>& stored_words() {
    static FArray<Int, NTOGOQ> words;
    MOVCOM(NTOGOQ, image_bytes(static_cast<const Tpcm&>(TPCM)), word_span(words));
    for (Int k = 700; k <= 703; ++k) words(k) = 0;
    return words;
}

}  // namespace

bool case_is_as_loaded() {
    const LoadCopies& C = SESSION.COPIES;
    Int NOCHG = 1;
    NOCHNG(NOCHG, word_span(stored_words()), word_span(C.IOBUF), NTOGOQ);
    Int NOCHG1 = 1;
    NOCHNG(NOCHG1, image_bytes(static_cast<const Lowcof&>(LOWCOF)), word_span(C.ILOBUF), kLowcofWords);
    return NOCHG == 1 && NOCHG1 == 1;
}

void set_by_the_editor(const std::function<void()>& STEP) {
    const bool as_loaded = case_is_as_loaded();
    STEP();
    if (!as_loaded) return;
    LoadCopies& C = SESSION.COPIES;
    MOVCOM(NTOGOQ, word_span(stored_words()), word_span(C.IOBUF));
    MOVCOM(kLowcofWords, image_bytes(static_cast<const Lowcof&>(LOWCOF)), word_span(C.ILOBUF));
}

}  // namespace brevant
