// Whole-program runs: the built program in a fresh scratch folder with scripted answers, and
// readers of the files it leaves there (data files as big-endian words).
#pragma once

#include <gtest/gtest.h>

#include "brevant_paths.h"

#include <array>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <utility>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "test_support.h"

namespace brevant::e2e {

struct ProgramResult {
    int status;
    std::string out;
    std::string err;
};

using brevant::testing::file_bytes;
using brevant::testing::put_file;

// Runs the program in the current folder with the answers on standard input (standard output is
// a file, not a terminal). The answers file and the captured streams live in a subfolder, so the
// current folder holds only what the program leaves. With a time limit in seconds, a run that does not
// end by then is stopped (status 124): a failure of the test, not a stuck test.
// ENVIRONMENT, when given, is put before the command (NAME=value words for the shell). RUN is the
// subfolder of the run's own files (two runs at the same time each need their own, inside ".run").
inline ProgramResult run_brevant(const std::string& answers, int seconds = 0, const std::string& environment = "",
                                 const std::string& run = ".run") {
    std::filesystem::create_directories(run);
    put_file(run + "/answers.txt", answers);
    const std::string limit = seconds > 0 ? "timeout " + std::to_string(seconds) + " " : std::string();
    const std::string command = environment + (environment.empty() ? "" : " ") + limit + "'" + BREVANT_BINARY +
                                "' < " + run + "/answers.txt > " + run + "/out.txt 2> " + run + "/err.txt";
    ProgramResult r;
    r.status = platform::run_command(command);
    r.out = file_bytes(run + "/out.txt");
    r.err = file_bytes(run + "/err.txt");
    return r;
}

// The words put before the program's command that load the file-system faults of
// tests/e2e/rename_fault_shim.cc, set by FAULT: NAME=value words for the shell
// (BREVANT_TEST_FAILING_RENAME=3, ...).
inline std::string file_fault_environment(const std::string& fault) {
    return std::string("LD_PRELOAD='") + BREVANT_RENAME_FAULT + "' " + fault +
           " ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0\"";
}

// Runs the program as run_brevant does, with the file-system faults FAULT (file_fault_environment).
inline ProgramResult run_with_file_fault(const std::string& answers, const std::string& fault,
                                         const std::string& run = ".run") {
    return run_brevant(answers, 60, file_fault_environment(fault), run);
}

// The names in the current folder, sorted, without the run's own subfolder.
inline std::vector<std::string> files_here() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().filename() != ".run") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A data file as 32-bit words, read as big-endian independently of the program's record I/O.
class WordFile {
public:
    explicit WordFile(const std::string& path) : bytes_(file_bytes(path)) {}
    std::size_t bytes() const { return bytes_.size(); }
    std::size_t words() const { return bytes_.size() / 4; }
    std::uint32_t word(int k) const {
        const auto b = [&](int i) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_.at(4 * (k - 1) + i)));
        };
        return (b(0) << 24) | (b(1) << 16) | (b(2) << 8) | b(3);
    }
    std::int32_t integer(int k) const { return static_cast<std::int32_t>(word(k)); }
    float real(int k) const { return std::bit_cast<float>(word(k)); }
    void set(int k, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_.at(4 * (k - 1) + i) = static_cast<char>((v >> (24 - 8 * i)) & 0xFF);
    }
    void set_real(int k, float v) { set(k, std::bit_cast<std::uint32_t>(v)); }
    void save(const std::string& path) const { put_file(path, bytes_); }
    const std::string& raw() const { return bytes_; }

private:
    std::string bytes_;
};

using testing::count_of;

// The numbers of the editor pages in a transcript, in the order they were drawn.
inline std::vector<int> pages_drawn(const std::string& text) {
    std::vector<int> pages;
    const std::regex header("Page ([0-9]+):");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), header); it != std::sregex_iterator(); ++it)
        pages.push_back(std::stoi((*it)[1].str()));
    return pages;
}

// ---- Cases on disk, shared by the whole-program tests --------------------------------------

using Files = std::vector<std::string>;

// Copies the sample ship case of examples/ship/ into the current folder.
inline void copy_sample() {
    const std::filesystem::path sample = std::filesystem::path(BREVANT_SOURCE_DIR) / "examples" / "ship";
    for (const char* name : {"BREVDAT", "LOWDAT"}) std::filesystem::copy_file(sample / name, name);
}

// The sample case with every back-up present and a coefficient file the load cannot read, so that
// a save writes both groups and rotates every back-up.
inline void put_case_with_backups() {
    copy_sample();
    put_file("LOWDAT", file_bytes("LOWDAT").substr(0, 100));
    put_file("LOWBAK", " an older coefficient file\n");
    put_file("LASTLOW", " the oldest coefficient file\n");
    put_file("BREVBAK", " an older data file\n");
    put_file("LASTBAK", " the oldest data file\n");
}

// Changes words of the data file on disk before the next load.
inline void edit_on_disk(const std::vector<std::pair<int, std::uint32_t>>& words) {
    WordFile f("BREVDAT");
    for (auto [k, v] : words) f.set(k, v);
    f.save("BREVDAT");
}

// Creates the default case in the current folder ("C", last page, save and exit): the data file and
// the coefficient file of its user tables.
inline void create_case() {
    const ProgramResult r = run_brevant("C\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
}

inline std::uint32_t real_word(float v) { return std::bit_cast<std::uint32_t>(v); }

// Gives the default case a site and a vessel that the pre-run checks pass: water depth, hull
// dimensions, metacentric heights and gyradii.
inline void make_runnable() {
    edit_on_disk({{446, real_word(100.0f)},   // DEPTH
                   {1409, real_word(1000.0f)},  // DISPL
                   {1411, real_word(5.0f)},     // VKG
                   {1412, real_word(10.0f)},    // DRAFT
                   {1413, real_word(500.0f)},   // AWP
                   {1414, real_word(20.0f)},    // PGYR
                   {1415, real_word(10.0f)},    // RGYR
                   {1416, real_word(20.0f)},    // YGYR
                   {1417, real_word(8.0f)},     // VKMT
                   {1418, real_word(100.0f)},   // VKML
                   {1419, real_word(100.0f)},   // LWL
                   {1420, real_word(20.0f)}});  // BWL
}

// Makes the runnable case an exact box 100 x 20 x 10 ft (water of 64 lb/ft^3) on the periods 2 to
// 31 s, which hold its natural periods: an analysis of it runs through motion phase 1 without a
// question from the hull model.
inline void make_box_on_grid() {
    std::vector<std::pair<int, std::uint32_t>> words = {{1409, real_word(1280.0f)},        // DISPL, kips
                                                        {1410, real_word(5.0f)},           // VKB
                                                        {1413, real_word(2000.0f)},        // AWP
                                                        {1417, real_word(25.0f / 3.0f)},   // VKMT
                                                        {1418, real_word(265.0f / 3.0f)},  // VKML
                                                        {167, 30}};                        // NWP
    for (int i = 1; i <= 30; ++i) words.push_back({317 + i, real_word(static_cast<float>(i + 1))});  // T
    edit_on_disk(words);
}

// A consistent metric ship case: an exact box L x B x T m (150 x 25 x 8 unless given) in 100 m of
// water, periods 5 to 20 s by 0.5, a Mean JONSWAP sea of 4 m and 10 s, wind 30 knots and current 1
// knot with the cylindrical models, every heading 180, an external force, the net-force pages for
// 13 attack angles from 0 by 15 degrees, the report on disk, no vessel summary.
inline void write_ship_case(float L = 150.0f, float B = 25.0f, float T = 8.0f) {
    create_case();
    make_runnable();
    const float rho = 1025.0f;
    std::vector<std::pair<int, std::uint32_t>> words = {
        {117, 1},                                                  // NUNTS metric
        {777, 1},                                                  // VESTYP ship
        {446, real_word(100.0f)},                                  // DEPTH
        {447, real_word(rho)},                                     // DWATR
        {1409, real_word(L * B * T * rho / 1000.0f)},              // DISPL
        {1410, real_word(T / 2.0f)},                               // VKB
        {1411, real_word(8.0f)},                                   // VKG
        {1412, real_word(T)},                                      // DRAFT
        {1413, real_word(L * B)},                                  // AWP
        {1414, real_word(0.25f * L)},                              // PGYR
        {1415, real_word(0.35f * B)},                              // RGYR
        {1416, real_word(0.25f * L)},                              // YGYR
        {1417, real_word(T / 2.0f + B * B / (12.0f * T))},         // VKMT
        {1418, real_word(T / 2.0f + L * L / (12.0f * T))},         // VKML
        {1419, real_word(L)},                                      // LWL
        {1420, real_word(B)},                                      // BWL
        {167, 31},                                                 // NWP
        {164, 2},                                                  // WAVTYP Mean JONSWAP
        {172, 1},                                                  // LRANDM
        {430, real_word(4.0f)},                                    // SWHT(1)
        {436, real_word(10.0f)},                                   // SIGPD(1)
        {714, real_word(180.0f)},                                  // SEAHDG(1)
        {174, 0},                                                  // LSWELL
        {175, 1},                                                  // LWIND
        {454, real_word(180.0f)},                                  // WNDHDG
        {455, real_word(30.0f)},                                   // WNDSPD
        {176, 1},                                                  // LCURNT
        {457, real_word(180.0f)},                                  // CURHDG
        {458, real_word(1.0f)},                                    // CURSPD
        {775, 0x555},                                              // LWBARG cylindrical
        {774, 0x777},                                              // LCBARG cylindrical
        {787, 0x666},                                              // LWVCOF 2001 tanker drift
        {1353, real_word(B * 15.0f)},                              // XWNDAR
        {1355, real_word(L * 15.0f)},                              // YWNDAR
        {1357, real_word(B * T)},                                  // XCURAR
        {1359, real_word(L * T)},                                  // YCURAR
        {448, real_word(4.0f / 1.4142135f)},                       // SLPHT, the sea's height / sqrt 2
        {1441, 1},                                                 // AUXFRC
        {1442, 0},                                                 // CRDSYS global
        {1435, real_word(50.0f)},                                  // XVFRC
        {1436, real_word(-20.0f)},                                 // YVFRC
        {1437, real_word(300.0f)},                                 // VESMOM
        {180, 1u << 22},                                           // BRVFLG bit 23 only
        {179, 13},                                                 // NUMBRV
        {187, 0},                                                  // LANGARR
        {1438, real_word(0.0f)},                                   // VESAN0
        {472, real_word(15.0f)},                                   // BRVINC
        {109, 1},                                                  // IUNIT disk
        {104, 1},                                                  // NEGSUM
    };
    for (int i = 1; i <= 31; ++i) words.push_back({317 + i, real_word(5.0f + 0.5f * static_cast<float>(i - 1))});
    edit_on_disk(words);
}

// Word of element (j, i) of a (3, 50) member array starting at word `first`.
inline int triple_word(int first, int j, int i) { return first + 3 * (i - 1) + (j - 1); }

// One member of a member-built hull, as its words hold it: end points, dimensions (Mx, My, Mz), end
// types, axis class, added-mass choice, cross-section area, typed mass and drag coefficients;
// a prismatic circular member with typed drag.
struct MemberWords {
    std::array<float, 3> base, top, diams;
    std::uint32_t bottyp, toptyp, memdir, mascmp;
    float area;
    std::array<float, 3> cm{1.0f, 1.0f, 0.0f}, cd{0.0f, 0.0f, 0.0f};
};

// Appends the words of member i to a list of data-file edits.
inline void push_member(std::vector<std::pair<int, std::uint32_t>>& w, int i, const MemberWords& m) {
    w.push_back({3307 + i, m.bottyp});           // BOTTYP
    w.push_back({3357 + i, m.toptyp});           // TOPTYP
    w.push_back({3407 + i, m.memdir});           // MEMDIR
    w.push_back({3457 + i, 0u});                 // MEMTYP
    w.push_back({3507 + i, 1u});                 // NCYLTP circular
    w.push_back({3557 + i, m.mascmp});           // MASCMP
    w.push_back({3607 + i, 0u});                 // DRGCMP typed
    w.push_back({3975 + i, real_word(m.area)});  // XAREA
    for (int j = 1; j <= 3; ++j) {
        const std::size_t k = static_cast<std::size_t>(j - 1);
        w.push_back({triple_word(3676, j, i), real_word(m.base[k])});   // RCYLB
        w.push_back({triple_word(3826, j, i), real_word(m.top[k])});    // RCYLT
        w.push_back({triple_word(4026, j, i), real_word(m.diams[k])});  // DIAMS
        w.push_back({triple_word(4176, j, i), real_word(m.cm[k])});     // CYLCM
        w.push_back({triple_word(4326, j, i), real_word(0.0f)});        // CYLCMI
        w.push_back({triple_word(4476, j, i), real_word(m.cd[k])});     // CYLCD
        w.push_back({triple_word(4626, j, i), real_word(0.0f)});        // CYLCDI
    }
}

// The report without its time stamp ("     Executed at 17:50 on 12/10/26"), which two runs need not
// share: runs that straddle a minute differ there and nowhere else.
inline std::string without_time_stamp(const std::string& report) {
    std::string out;
    for (const std::string& line : testing::lines_of(report))
        if (line.find("Executed at ") == std::string::npos) out += line + "\n";
    return out;
}

// The banner an analysis run writes on the console.
inline constexpr const char* kRunBanner = " >>> Brevant Version: 6.80.00 ";

}  // namespace brevant::e2e
