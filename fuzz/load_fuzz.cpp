// Fuzz target of the editor's load path: the input is the data file "BREVDAT" (and, after the
// marker "#LOWDAT#", the coefficient file "LOWDAT"), loaded in a scratch folder by the editor session
// with a fixed answer script that never saves. Whatever the bytes, the session must end (no hang, no
// sanitizer finding, no internal error), page 1 must start with the session words 700-702 at 0, and
// no file may be written but the load report.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "edlib/editor_driver.h"
#include "edlib/end_of_session.h"
#include "edlib/last_page.h"
#include "fuzz_support.h"
#include "platform/platform.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "records/wave_record.h"
#include "sysutl/program_end.h"
#include "sysutl/squall_options.h"
#include "sysutl/units.h"

namespace {

namespace fs = std::filesystem;

using fuzz_support::file_bytes;
using fuzz_support::home;
using fuzz_support::kLowdatMarker;

// Modify; Return to each question the load may ask (or to the first pages); the last page; leave
// without saving; Return to the loss warning. Nothing here saves, echoes or executes.
constexpr const char* kScript = "M\n\n\n\n\nL\n2\n\n";

[[noreturn]] void finding(const std::string& what) { fuzz_support::finding("load_fuzz", what); }

// Every record, unit and session value back to its start, as at the start of the program.
void fresh_program() {
    using namespace brevant;
    reset_units();
    reset_images();
    reset_wavcom();
    reset_squalcom();
    reset_session();
    reset_end_of_session();
    reset_last_page();
    for (Int unit : {SCREEN_UNIT, SILENT_UNIT, PRINTER_UNIT, Int{0}}) capture_unit(unit);
    bind_keyboard(kScript);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    fuzz_support::set_up("load_fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brevant;
    const fuzz_support::CaseFiles files = fuzz_support::split_input(data, size);
    const std::string_view brevdat = files.brevdat;
    const std::string_view lowdat = files.lowdat;
    const bool has_lowdat = files.has_lowdat;
    fuzz_support::lay_out(files);
    fresh_program();

    try {
        const Int slot = start_session();
        if (SESSION.JMPLOC == kJumpEdit && slot == kFirstSlot) {
            const Tpcm& T = TPCM;
            if (T.LBACK != 0 || T.IPAG != 0 || T.LCOPY != 0)
                finding("page 1 reached with session words " + std::to_string(T.LBACK) + " " +
                        std::to_string(T.IPAG) + " " + std::to_string(T.LCOPY));
        }
        walk_page_chain(slot);
    } catch (const ProgramEnd&) {
        // The script ran out, the user left, or the load stopped: every one an end of the program.
    } catch (const std::exception& e) {
        finding(std::string("internal error: ") + e.what());
    }
    close_all_units();

    // The script never saves: the files are as they were, and only the load report is new.
    if (file_bytes("BREVDAT") != brevdat) finding("BREVDAT was written");
    if (has_lowdat ? file_bytes("LOWDAT") != lowdat : fs::exists("LOWDAT")) finding("LOWDAT was written");
    for (const auto& entry : fs::directory_iterator(".")) {
        const std::string name = entry.path().filename().string();
        if (name != "BREVDAT" && name != "LOWDAT" && name != "DATUPWRN.stxt") finding("file written: " + name);
    }
    fs::current_path(home);
    return 0;
}
