// Captions of the run and the report frame of its sections.
#include "core/run_values.h"

#include <array>

#include "records/data_image.h"
#include "sysutl/captions.h"
#include "sysutl/ftypes.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// The bow caption rule: exactly 0.0, exactly 1.0, other values below 1.0, the rest.
std::string bow_caption(Real BOW, std::string_view conventional, std::string_view cylindrical) {
    std::string_view text;
    if (BOW == 0.0f) {
        text = conventional;
    } else if (BOW == 1.0f) {
        text = cylindrical;
    } else if (BOW < 1.0f) {
        text = "Interpolated";
    } else {
        text = "Whoops!";
    }
    return fixed_len(text, 24);
}

template <std::size_t N>
std::string row_of(const std::array<ModelCaption, N>& rows, Int field) {
    if (field < 1 || field > static_cast<Int>(N)) return fixed_len(kUndefinedModel, kModelCaptionLength);
    return rows[static_cast<std::size_t>(field - 1)].str();
}

}  // namespace

std::string above_water_bow_caption(Real BOWWND) { return bow_caption(BOWWND, "Conventional", "Cylindrical"); }

std::string below_water_bow_caption(Real BOWCUR) {
    return bow_caption(BOWCUR, "Conventional (w/bulb)", "Cylindrical (no bulb)");
}

std::string model_caption(ModelList list, Int field) {
    switch (list) {
        case ModelList::Wind: return row_of(TNKWND(), field);
        case ModelList::Current: return row_of(TNKCUR(), field == kNsmbMeanCurrent ? 4 : field);
        case ModelList::WaveDrift: return row_of(TNKWAV(), field);
    }
    return fixed_len(kUndefinedModel, kModelCaptionLength);
}

void progress_line(std::initializer_list<std::string_view> pieces) {
    std::string line;
    for (std::string_view p : pieces) line.append(p);
    write_record(TPCM.EDUNIT, "");
    write_record(TPCM.EDUNIT, line);
    write_record(TPCM.EDUNIT, "");
    // A progress line is no message a later stop could be explained by.
    forget_screen_message();
}

void start_report_page() { PAGE(TPCM.IUNIT, TPCM.EDUNIT, DISK_UNIT, PRINTER_UNIT); }

bool report_on_console() { return TPCM.IUNIT == TPCM.EDUNIT; }

void section_pause() {
    if (report_on_console()) PRSRET(TPCM.EDUNIT, KBD_UNIT, TPCM.LBACK);
}

}  // namespace brevant
