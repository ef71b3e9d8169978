// Fuzz target of the analysis: the input is a data file "BREVDAT" (and, after the marker "#LOWDAT#",
// the coefficient file "LOWDAT"), executed as the program does after "E" at the title screen, in a
// scratch folder, with every pause answered. Whatever the words, the run must end (no hang: the
// fuzzer's time limit per input), with no sanitizer finding and no internal error, its report must
// stay below its size bound, and a run that ends with status 0 must not hold a NaN or Infinity field.
// The mutator changes whole words of the data image to values that break cases (counts at and beyond
// their tables, zeros, denormals, huge and non-finite reals, the user-table fields, type codes and
// model fields at and beyond the ends of their lists, a model field of 15, the codes of the member
// table, the report's unit, the spectrum parameters and the phantom weight), and sometimes hands the
// bytes to libFuzzer's own mutations.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "core/analysis_core.h"
#include "core/program_state.h"
#include "edlib/editor_driver.h"
#include "fuzz_support.h"
#include "platform/platform.h"
#include "records/data_image.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t max_size);

namespace {

namespace fs = std::filesystem;

using fuzz_support::file_bytes;
using fuzz_support::home;
using fuzz_support::kLowdatMarker;

// The largest report an input may leave: well above any valid case the seeds grow into in the time
// of one input, well below the gigabytes of a report that grows without end.
constexpr std::uintmax_t kReportBound = 100u * 1000u * 1000u;

// "E" executes at the title screen; a Return and "4" get a case past a warning that offers the last
// page (4 executes silently there); then Returns for every pause, until the keyboard runs out.
const std::string kScript = "E\n\n4\n" + std::string(3000, '\n');

[[noreturn]] void finding(const std::string& what) { fuzz_support::finding("analysis_fuzz", what); }

// Every record, kept result, unit and session value back to its start, as at the start of the program.
void fresh_program() {
    using namespace brevant;
    reset_program_state();
    for (Int unit : {SCREEN_UNIT, SILENT_UNIT, PRINTER_UNIT, Int{0}}) capture_unit(unit);
    bind_keyboard(kScript);
}

// The number fields of a report text written as NaN or Infinity: its words "NaN", "Infinity",
// "-Infinity", "Inf", "-Inf", apart from the zero-frequency rows (their period and spacings are the
// text "Infinity") and the program's own messages.
long long non_finite_words(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    long long n = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("  .0000 ", 0) == 0 || line.find("++>") != std::string::npos) continue;
        std::istringstream words(line);
        std::string w;
        while (words >> w)
            n += w == "NaN" || w == "Infinity" || w == "-Infinity" || w == "Inf" || w == "-Inf" || w == "+Inf" ||
                 w == "+Infinity";
    }
    return n;
}

// ---- The mutator ----------------------------------------------------------------------------

// Words that bound loops, index tables or feed the formulas most directly: the unit flag, the counts
// (periods, angles, headings, members), the report bits and unit, the low-frequency grid, the load
// models, the site and the hull, the wind, current and sea, the spectrum parameters (the A.P.I.
// parameter, the Ochi-Hubble count and lambdas, the JONSWAP widths and gamma, the custom spectrum
// table), the phantom weight switch and weight, the drift factors.
constexpr int kHotWords[] = {104, 109, 114, 117, 164, 165, 166, 167, 169, 172, 174, 175, 176, 177, 179, 180,
                             187, 189, 192, 218, 219, 227, 318, 319, 347, 417, 430, 436, 442, 443, 446,
                             447, 448, 454, 455, 457, 458, 460, 472, 475, 476, 477, 483, 489, 498, 714,
                             774, 775, 777, 778, 780, 787, 791, 1353, 1355, 1357, 1359, 1361, 1368, 1409,
                             1410, 1411, 1412, 1413, 1414, 1415, 1416, 1417, 1418, 1419, 1420, 1435,
                             1436, 1437, 1438, 1441, 3658, 3661, 3663};

// The codes a page sets from a list (word, first and last value offered): a mutation puts one at an
// end of its list, one beyond, or a little further out. The report's unit (109) offers the disk (1)
// and the console (6). The three model words of page 6 are packed:
// their fields are drawn one at a time.
struct CodeWord {
    int word;
    int first, last;
};
constexpr CodeWord kCodeWords[] = {
    {108, 0, 1},   {164, 0, 10},  {165, 1, 6},   {166, 0, 3},   {172, 0, 1},   {173, 0, 1},   {174, 0, 1},
    {175, 0, 1},   {176, 0, 1},   {177, 0, 3},   {181, 0, 1},   {190, 0, 10},  {765, 0, 1},   {766, 0, 1},
    {767, 0, 1},   {768, 0, 1},   {769, 0, 1},   {770, 0, 1},   {771, 0, 1},   {777, 1, 6},   {1441, 0, 1},
    {1442, 0, 1},  {189, 0, 1},   {109, 1, 6}};
constexpr CodeWord kModelWords[] = {{775, 1, 5}, {774, 1, 7}, {787, 1, 7}};
// Page 5's member table: per member the end types, the profile, the added-mass and drag options (50
// members each, from the first word given), and the member counts.
constexpr CodeWord kMemberCodes[] = {{3308, 0, 2}, {3358, 0, 2}, {3508, 0, 2}, {3558, 0, 2}, {3608, 0, 1}};
constexpr int kMemberWords[] = {3308, 3358, 3408, 3458, 3508, 3558, 3608, 3661, 3663};

std::uint32_t read_word(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

void write_word(std::uint8_t* p, std::uint32_t w) {
    p[0] = static_cast<std::uint8_t>(w >> 24);
    p[1] = static_cast<std::uint8_t>(w >> 16);
    p[2] = static_cast<std::uint8_t>(w >> 8);
    p[3] = static_cast<std::uint8_t>(w);
}

std::uint32_t float_word(float f) {
    std::uint32_t w;
    std::memcpy(&w, &f, 4);
    return w;
}

float word_float(std::uint32_t w) {
    float f;
    std::memcpy(&f, &w, 4);
    return f;
}

// A new value for a word that held `old`: an integer that breaks counts and flags, a real that
// breaks formulas, the old real scaled, or one bit flipped.
std::uint32_t new_word(std::uint32_t old, std::mt19937& rng) {
    static constexpr std::uint32_t kIntegers[] = {
        0, 1, 2, 3, 4, 5, 6, 7, 99, 100, 101, 150, 200, 361, 362, 1000, 100000, 0x7FFFFFFF, 0x80000000,
        0xFFFFFFFF, 0x111, 0x222, 0x333, 0x444, 0x555, 0x666, 0x777, 0x888, 0xFFF, 0x7FF, 1u << 16,
        1u << 22, 1u << 26, 0x7FFFFFF};
    static const float kReals[] = {0.0f,
                                   -0.0f,
                                   1.0e-30f,
                                   1.0e-40f,
                                   1.0e-6f,
                                   1.0e-3f,
                                   0.5f,
                                   1.0f,
                                   -1.0f,
                                   90.0f,
                                   180.0f,
                                   360.0f,
                                   1.0e4f,
                                   1.0e8f,
                                   1.0e30f,
                                   -1.0e30f,
                                   std::numeric_limits<float>::max(),
                                   std::numeric_limits<float>::infinity(),
                                   -std::numeric_limits<float>::infinity(),
                                   std::numeric_limits<float>::quiet_NaN()};
    switch (rng() % 5) {
        case 0: return kIntegers[rng() % std::size(kIntegers)];
        case 1: return float_word(kReals[rng() % std::size(kReals)]);
        case 2: {
            static const float kFactors[] = {2.0f, 0.5f, -1.0f, 10.0f, 0.1f, 1000.0f, 0.001f, 0.0f};
            const float f = word_float(old);
            if (!std::isfinite(f)) return float_word(1.0f);
            return float_word(f * kFactors[rng() % std::size(kFactors)]);
        }
        case 3: return old ^ (1u << (rng() % 32));
        default: return old + static_cast<std::uint32_t>(static_cast<int>(rng() % 7) - 3);
    }
}

// A value for a code of the list FIRST..LAST: an end, one beyond an end, or up to three beyond.
std::uint32_t code_value(int first, int last, std::mt19937& rng) {
    const int k = static_cast<int>(rng() % 4);
    const int value = rng() % 2 == 0 ? first - k : last + k;
    return static_cast<std::uint32_t>(value);
}

// The word (0-based) a value mutation changes: a hot word, a member-table word, or any word.
std::size_t pick_word(std::size_t words, std::mt19937& rng) {
    switch (rng() % 4) {
        case 0:
        case 1: return static_cast<std::size_t>(kHotWords[rng() % std::size(kHotWords)] - 1);
        case 2: {
            // A member word, of the first few members mostly: the seeds hold few.
            const int base = kMemberWords[rng() % std::size(kMemberWords)];
            const int member = rng() % 4 == 0 ? static_cast<int>(rng() % 50) : static_cast<int>(rng() % 4);
            return static_cast<std::size_t>(base >= 3661 ? base - 1 : base - 1 + member);
        }
        default: return rng() % words;
    }
}

void mutate_code(std::uint8_t* data, std::size_t words, std::mt19937& rng) {
    switch (rng() % 3) {
        case 0: {
            const CodeWord& c = kCodeWords[rng() % std::size(kCodeWords)];
            if (static_cast<std::size_t>(c.word) <= words) write_word(data + 4 * (c.word - 1), code_value(c.first, c.last, rng));
            break;
        }
        case 1: {
            // One 4-bit field (Cx, Cy or Cz) of a model word; a field holds 0 to 15.
            const CodeWord& c = kModelWords[rng() % std::size(kModelWords)];
            if (static_cast<std::size_t>(c.word) > words) break;
            const unsigned shift = 4u * (rng() % 3);
            const std::uint32_t field = code_value(c.first, c.last, rng) & 0xFu;
            std::uint8_t* p = data + 4 * (c.word - 1);
            write_word(p, (read_word(p) & ~(0xFu << shift)) | (field << shift));
            break;
        }
        default: {
            const CodeWord& c = kMemberCodes[rng() % std::size(kMemberCodes)];
            const int word = c.word + static_cast<int>(rng() % 4);
            if (static_cast<std::size_t>(word) <= words) write_word(data + 4 * (word - 1), code_value(c.first, c.last, rng));
            break;
        }
    }
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t max_size,
                                               unsigned int seed) {
    std::mt19937 rng(seed);
    // Now and then libFuzzer's own byte mutations (they may move the marker or change the length).
    if (rng() % 8 == 0 || size < 8) return LLVMFuzzerMutate(data, size, max_size);
    const std::string_view view(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(view.find(kLowdatMarker), size);
    const std::size_t words = split / 4;
    if (words == 0) return LLVMFuzzerMutate(data, size, max_size);
    const int changes = 1 + static_cast<int>(rng() % 3);
    for (int c = 0; c < changes; ++c) {
        if (rng() % 4 == 0) {
            mutate_code(data, words, rng);
            continue;
        }
        std::size_t k = pick_word(words, rng);  // 0-based word
        if (k >= words) k = rng() % words;
        write_word(data + 4 * k, new_word(read_word(data + 4 * k), rng));
    }
    return size;
}

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    fuzz_support::set_up("analysis_fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brevant;
    const fuzz_support::CaseFiles files = fuzz_support::split_input(data, size);
    fuzz_support::lay_out(files);
    fresh_program();

    int status = 0;
    bool ran = false;
    try {
        // The session returns only after an execute choice, with the case saved.
        BREVED();
        ran = true;
        BRVCOR();
    } catch (const ProgramEnd& end) {
        status = end.status;
    } catch (const std::exception& e) {
        finding(std::string("internal error: ") + e.what());
    }
    const Int report_unit = TPCM.IUNIT;
    const bool console_report = report_unit == SCREEN_UNIT || report_unit == SILENT_UNIT || report_unit == PRINTER_UNIT;
    std::string report = console_report ? captured(report_unit) : std::string();
    close_all_units();

    if (ran) {
        if (report_unit == DISK_UNIT) {
            std::error_code ec;
            const std::uintmax_t bytes = fs::file_size("BREVOUT.stxt", ec);
            if (!ec && bytes > kReportBound) finding("report of " + std::to_string(bytes) + " bytes");
            if (!ec) report = file_bytes("BREVOUT.stxt");
        } else if (console_report) {
            if (report.size() > kReportBound) finding("report of " + std::to_string(report.size()) + " bytes");
        }
        if (status == 0 && non_finite_words(report) > 0)
            finding("a report with " + std::to_string(non_finite_words(report)) +
                    " NaN or Infinity fields ended with status 0");
    }
    fs::current_path(home);
    return 0;
}
