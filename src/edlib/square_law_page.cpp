// The square-law option page; its treatment sub-page is the one of the semi output options.
#include "edlib/square_law_page.h"

#include "records/data_image.h"
#include "options/semi_output_options.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr int kCaptionLength = 75;

void blank_line(Int unit) { write_record(unit, ""); }

}  // namespace

std::string SQLTYP(Int SQLFRC) {
    static constexpr const char* captions[3] = {
        "++> Resonant damping ONLY, no square-law driving forces",
        "++> Full square-law driving force calculation at all wave periods",
        "++> Resonant damping PLUS square-law driving forces on fixed vessel",
    };
    // A word from a damaged or imported file is shown as such and left as it is.
    if (SQLFRC < 0 || SQLFRC > 2) return fixed_len("Undefined", kCaptionLength);
    return fixed_len(captions[SQLFRC], kCaptionLength);
}

void SEMSET(std::string_view PAGE) {
    PageParts parts;
    parts.draw = [&](Int unit) {
        write_record(unit, Record().t(20).put(" ****  Page ").put(PAGE).put(": Output options 2 ****").str());
        blank_line(unit);
        blank_line(unit);
        write_record(unit, Record().x(1).put(" 1) Square-law driving force treatment:").str());
        blank_line(unit);
        write_record(unit, Record().x(5).put(SQLTYP(TPCM.SQLFRC)).str());
        blank_line(unit);
    };
    parts.help = [](Int unit) { NOHELP(unit, KBD_UNIT, TPCM.IPAG); };
    parts.act = [](Int item, Int) {
        if (item != 1) return PageStep::Leave;
        square_law_choice(SQLTYP);
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant
