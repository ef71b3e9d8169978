// The cells of the sweep of the wave words: every real and integer word of the water depth (page 1)
// and of the wave pages 11, 12 and 13, and every value of the spectrum file "WAVSPEC.txt" of the sea
// and of the swell, each set in turn to 0, -1, 1.4e-45, 1e30, 3e38, NaN, +Infinity and -Infinity,
// on the metric and the English reference ship. Each word is swept on a case where the run takes it
// (the sea or swell of the type that reads it, the spread sea, the slope). Any test can put a cell's
// case in its folder and run it its own way: the checks and the run, or the wave report.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "e2e/reference/reference_cases.h"
#include "test_support.h"

namespace brevant::testing {

enum class SweepUnits { metric, english };

// A word of the data file (its number) and the 32 bits it is given.
using SweepWord = std::pair<int, std::uint32_t>;

struct WaveSweepCell {
    std::string group;               // the row the cell belongs to: one word, or one value of the file
    std::string what;                // the group, the value and the units
    SweepUnits units;
    std::vector<SweepWord> words;    // set on the reference ship: the row's case, then the swept word
    std::string wavspec;             // the text of "WAVSPEC.txt" beside the case; empty: no such file
};

namespace wave_sweep {

// The swept values, and how a word holds them: a real takes the float; an integer takes 0 and -1 as
// the numbers and the others as the bits of the float (as a damaged file would hold them).
struct Value {
    const char* name;
    float real;
};
inline const std::vector<Value>& values() {
    static const std::vector<Value> v = {{"0", 0.0f},
                                         {"-1", -1.0f},
                                         {"1.4e-45", std::numeric_limits<float>::denorm_min()},
                                         {"1e30", 1.0e30f},
                                         {"3e38", 3.0e38f},
                                         {"NaN", std::numeric_limits<float>::quiet_NaN()},
                                         {"+Infinity", std::numeric_limits<float>::infinity()},
                                         {"-Infinity", -std::numeric_limits<float>::infinity()}};
    return v;
}
inline std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }
inline std::uint32_t integer_word(const Value& v) {
    if (v.real == 0.0f) return 0u;
    if (v.real == -1.0f) return static_cast<std::uint32_t>(-1);
    return bits(v.real);
}

// A length of the row's case: metres, or feet in the English case.
inline float length(float metres, SweepUnits u) {
    return u == SweepUnits::english ? metres * e2e::reference::kFeetPerMetre : metres;
}

// The spectrum file of the rows of type 7: a peak of 2 m^2 s about 0.6 rad/s over the grid's 0.21
// to 2.09 rad/s, its frequencies rising.
inline const std::vector<std::vector<std::string>>& wavspec_rows() {
    static const std::vector<std::vector<std::string>> rows = {
        {"5"}, {"0.1", "0.0"}, {"0.6", "2.0"}, {"1.1", "1.0"}, {"1.6", "0.3"}, {"2.2", "0.0"}};
    return rows;
}
inline std::string wavspec_text(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t k = 0; k < row.size(); ++k) text += (k == 0 ? "" : " ") + row[k];
        text += "\n";
    }
    return text;
}
// A value as it is written in the file.
inline std::string file_value(const Value& v) {
    if (std::isnan(v.real)) return "NaN";
    if (std::isinf(v.real)) return v.real > 0.0f ? "Infinity" : "-Infinity";
    return v.name;
}

// The case of a row: the reference ship (a Pierson-Moskowitz sea of 4 m and swell of 2 m, long-
// crested, regular waves of constant height), with the sea or swell of the type that reads the word.
struct Case {
    std::vector<SweepWord> words;
    bool wavspec = false;
};
inline Case row_case(const std::string& name, SweepUnits u) {
    const auto real = [](float v) { return bits(v); };
    const auto L = [u](float metres) { return bits(length(metres, u)); };
    const std::vector<SweepWord> jonswap_sea = {{477, real(3.3f)}, {475, real(0.07f)}, {476, real(0.09f)}, {436, real(10.0f)}};
    const std::vector<SweepWord> jonswap_swell = {{487, real(3.3f)}, {485, real(0.07f)}, {486, real(0.09f)}};
    std::vector<SweepWord> w;
    const auto add = [&w](std::vector<SweepWord> more) { w.insert(w.end(), more.begin(), more.end()); };
    if (name == "ship") return {};
    if (name == "sea swell-type") add({{164, 0}, {488, real(0.1f)}, {436, real(10.0f)}});
    // The general JONSWAP (5) and TMA (10) types take the same shape.
    if (name == "sea JONSWAP" || name == "sea TMA") {
        add({{164, name == "sea TMA" ? 10u : 5u}});
        add(jonswap_sea);
    }
    if (name == "sea Bretschneider") add({{164, 6}, {436, real(10.0f)}});
    if (name == "sea Ochi-Hubble")
        add({{164, 9}, {192, 2}, {430, L(3.0f)}, {431, L(2.0f)}, {436, real(10.0f)}, {437, real(14.0f)},
             {442, real(1.0f)}, {443, real(1.0f)}});
    if (name == "sea custom table") {
        add({{164, 8}});
        // A peak of 0.5 m^2 s at 10 s over the 55 periods 3 to 30 s.
        for (int i = 0; i < 55; ++i) {
            const float T = 3.0f + 0.5f * static_cast<float>(i);
            const float density = 0.5f * std::exp(-((T - 10.0f) / 2.0f) * ((T - 10.0f) / 2.0f));
            w.push_back({218 + i, bits(length(length(density, u), u))});
        }
    }
    if (name == "sea file") add({{164, 7}});
    if (name == "spread sea") add({{173, 1}, {449, real(2.0f)}, {478, real(180.0f)}, {169, 6}});
    if (name == "slope") add({{108, 1}, {448, real(5.0f)}});
    if (name == "swell swell-type") add({{190, 0}, {461, real(0.1f)}});
    if (name == "swell JONSWAP" || name == "swell TMA") {
        add({{190, name == "swell TMA" ? 10u : 5u}});
        add(jonswap_swell);
    }
    if (name == "swell file") add({{190, 7}});
    if (name == "second swell") add({{194, 1}, {195, 0}, {491, L(1.0f)}, {492, real(12.0f)}, {493, real(180.0f)}, {494, real(0.1f)}});
    if (name == "second swell JONSWAP")
        add({{194, 1}, {195, 5}, {491, L(1.0f)}, {492, real(12.0f)}, {493, real(180.0f)}, {497, real(3.3f)},
             {495, real(0.07f)}, {496, real(0.09f)}});
    return {w, name == "sea file" || name == "swell file"};
}

// The swept words: the row's case, the word's number, whether it holds an integer, its name.
struct Word {
    const char* row_case;
    int word;
    bool integer;
    const char* name;
};
inline const std::vector<Word>& words() {
    // The tables of page 11 are swept at their first, second, middle and last period in use and at
    // the first beyond the count; the custom spectrum table at its first, a middle and its last.
    static const std::vector<Word> w = {
        {"ship", 446, false, "page 1 item 4 water depth"},
        {"ship", 167, true, "page 11 item 1 number of periods"},
        {"ship", 318, false, "page 11 item 2 period 1"},
        {"ship", 319, false, "page 11 item 2 period 2"},
        {"ship", 346, false, "page 11 item 2 period 29"},
        {"ship", 372, false, "page 11 item 2 period 55"},
        {"ship", 373, false, "page 11 item 2 period 56, beyond the count"},
        {"ship", 108, true, "page 11 item 3 height or slope"},
        {"ship", 448, false, "page 11 item 4 wave height"},
        {"slope", 448, false, "page 11 item 4 wave slope"},
        {"ship", 168, true, "page 11 item 5 number of headings"},
        {"ship", 28, true, "page 11 item 5 most headings"},
        {"ship", 418, false, "page 11 item 6 heading 1"},
        {"ship", 172, true, "page 12 item 1 irregular waves"},
        {"ship", 164, true, "page 12 item 2 wave type"},
        {"ship", 714, false, "page 12 item 4 sea heading"},
        {"ship", 170, true, "page 12 number of sea headings"},
        {"ship", 171, true, "page 12 number of sea heights"},
        {"ship", 29, true, "page 12 most sea headings"},
        {"ship", 430, false, "page 12 item 6 height, Pierson-Moskowitz"},
        {"ship", 436, false, "page 12 item 7 period, Pierson-Moskowitz"},
        {"sea swell-type", 430, false, "page 12 item 6 height, swell-type"},
        {"sea swell-type", 436, false, "page 12 item 7 period, swell-type"},
        {"sea swell-type", 488, false, "page 12 item 8 bandwidth"},
        {"sea JONSWAP", 430, false, "page 12 item 6 height, JONSWAP"},
        {"sea JONSWAP", 436, false, "page 12 item 7 period, JONSWAP"},
        {"sea JONSWAP", 477, false, "page 12 item 8 gamma"},
        {"sea JONSWAP", 475, false, "page 12 item 9 sigma a"},
        {"sea JONSWAP", 476, false, "page 12 item 10 sigma b"},
        {"sea TMA", 436, false, "page 12 item 7 period, TMA"},
        {"sea TMA", 477, false, "page 12 item 8 gamma, TMA"},
        {"sea TMA", 475, false, "page 12 item 9 sigma a, TMA"},
        {"sea TMA", 476, false, "page 12 item 10 sigma b, TMA"},
        {"sea TMA", 446, false, "page 1 item 4 water depth, TMA"},
        {"sea Bretschneider", 430, false, "page 12 item 6 height, Bretschneider"},
        {"sea Bretschneider", 436, false, "page 12 item 7 period, Bretschneider"},
        {"sea Ochi-Hubble", 192, true, "page 12 item 5 Ochi-Hubble components"},
        {"sea Ochi-Hubble", 30, true, "page 12 item 5 most components"},
        {"sea Ochi-Hubble", 430, false, "page 12 item 6 component height 1"},
        {"sea Ochi-Hubble", 431, false, "page 12 item 6 component height 2"},
        {"sea Ochi-Hubble", 436, false, "page 12 item 7 component period 1"},
        {"sea Ochi-Hubble", 437, false, "page 12 item 7 component period 2"},
        {"sea Ochi-Hubble", 442, false, "page 12 item 8 lambda 1"},
        {"sea Ochi-Hubble", 443, false, "page 12 item 8 lambda 2"},
        {"sea Ochi-Hubble", 715, false, "page 12 item 4 Ochi-Hubble heading 2"},
        {"sea custom table", 218, false, "page 12 item 2 custom density 1"},
        {"sea custom table", 232, false, "page 12 item 2 custom density 15"},
        {"sea custom table", 272, false, "page 12 item 2 custom density 55"},
        {"ship", 173, true, "page 12 item 20 spreading"},
        {"spread sea", 449, false, "page 12 item 21 spreading power"},
        {"ship", 449, false, "page 12 item 21 spreading power, long-crested"},
        {"spread sea", 478, false, "page 12 item 22 sector"},
        {"spread sea", 169, true, "page 12 item 23 wedges"},
        {"spread sea", 32, true, "page 12 item 23 most wedges"},
        {"ship", 174, true, "page 13 item 1 swell"},
        {"ship", 190, true, "page 13 item 2 swell type"},
        {"ship", 181, true, "page 13 item 3 swell lock"},
        {"ship", 453, false, "page 13 item 4 swell heading"},
        {"ship", 451, false, "page 13 item 6 swell height, Pierson-Moskowitz"},
        {"ship", 452, false, "page 13 item 7 swell period, Pierson-Moskowitz"},
        {"swell swell-type", 451, false, "page 13 item 6 swell height, swell-type"},
        {"swell swell-type", 452, false, "page 13 item 7 swell period, swell-type"},
        {"swell swell-type", 461, false, "page 13 item 8 swell bandwidth"},
        {"swell JONSWAP", 452, false, "page 13 item 7 swell period, JONSWAP"},
        {"swell JONSWAP", 487, false, "page 13 item 8 swell gamma"},
        {"swell JONSWAP", 485, false, "page 13 item 9 swell sigma a"},
        {"swell JONSWAP", 486, false, "page 13 item 10 swell sigma b"},
        {"swell TMA", 487, false, "page 13 item 8 swell gamma, TMA"},
        {"swell TMA", 485, false, "page 13 item 9 swell sigma a, TMA"},
        {"swell TMA", 486, false, "page 13 item 10 swell sigma b, TMA"},
        {"ship", 194, true, "page 13 item 21 second swell"},
        {"second swell", 195, true, "page 13 item 22 second swell type"},
        {"second swell", 491, false, "page 13 item 26 second swell height"},
        {"second swell", 492, false, "page 13 item 27 second swell period"},
        {"second swell", 493, false, "page 13 item 24 second swell heading"},
        {"second swell", 494, false, "page 13 item 28 second swell bandwidth"},
        {"second swell JONSWAP", 497, false, "page 13 item 28 second swell gamma"},
        {"second swell JONSWAP", 495, false, "page 13 item 29 second swell sigma a"},
        {"second swell JONSWAP", 496, false, "page 13 item 30 second swell sigma b"},
    };
    return w;
}

inline const char* units_name(SweepUnits u) { return u == SweepUnits::english ? "English" : "metric"; }

}  // namespace wave_sweep

// Every cell, grouped by row in the order above, then the rows of the spectrum file (its count line,
// then each frequency and density) of the sea and of the swell.
inline std::vector<WaveSweepCell> wave_sweep_cells() {
    using namespace wave_sweep;
    std::vector<WaveSweepCell> cells;
    for (const Word& w : words()) {
        for (SweepUnits u : {SweepUnits::metric, SweepUnits::english}) {
            const Case c = row_case(w.row_case, u);
            for (const Value& v : values()) {
                WaveSweepCell cell{w.name, std::string(w.name) + " = " + v.name + " (" + units_name(u) + ")", u, c.words,
                                   c.wavspec ? wavspec_text(wavspec_rows()) : std::string()};
                cell.words.push_back({w.word, w.integer ? integer_word(v) : bits(v.real)});
                cells.push_back(std::move(cell));
            }
        }
    }
    for (const char* system : {"sea file", "swell file"}) {
        const auto& base = wavspec_rows();
        for (std::size_t line = 0; line < base.size(); ++line) {
            for (std::size_t column = 0; column < base[line].size(); ++column) {
                const std::string group = std::string("\"WAVSPEC.txt\" of the ") + (system[1] == 'e' ? "sea" : "swell") +
                                          ", line " + std::to_string(line + 1) +
                                          (line == 0 ? ", count" : column == 0 ? ", frequency" : ", density");
                for (SweepUnits u : {SweepUnits::metric, SweepUnits::english}) {
                    for (const Value& v : values()) {
                        auto rows = base;
                        rows[line][column] = file_value(v);
                        cells.push_back({group, group + " = " + v.name + " (" + units_name(u) + ")", u,
                                         row_case(system, u).words, wavspec_text(rows)});
                    }
                }
            }
        }
    }
    return cells;
}

// The rows of the cells, in order.
inline std::vector<std::string> wave_sweep_groups() {
    std::vector<std::string> groups;
    for (const WaveSweepCell& c : wave_sweep_cells())
        if (groups.empty() || groups.back() != c.group) groups.push_back(c.group);
    return groups;
}

// The data and coefficient files of the reference ship in the units U, made once (the program makes
// its new case) and kept.
inline const std::pair<std::string, std::string>& wave_sweep_reference_files(SweepUnits u) {
    static std::map<SweepUnits, std::pair<std::string, std::string>> made;
    auto it = made.find(u);
    if (it != made.end()) return it->second;
    const std::filesystem::path back = std::filesystem::current_path();
    std::random_device rd;
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("brevant_wave_sweep_" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    e2e::reference::write_reference_ship(
        {.units = u == SweepUnits::english ? e2e::reference::Units::english : e2e::reference::Units::metric});
    std::pair<std::string, std::string> files{file_bytes("BREVDAT"), file_bytes("LOWDAT")};
    std::filesystem::current_path(back);
    std::filesystem::remove_all(dir);
    return made.emplace(u, std::move(files)).first->second;
}

// Puts the case of CELL in the current folder: "BREVDAT" and "LOWDAT" of the reference ship with the
// cell's words set (big-endian words), and "WAVSPEC.txt" where the cell has one.
inline void put_wave_sweep_case(const WaveSweepCell& cell) {
    const auto& [brevdat, lowdat] = wave_sweep_reference_files(cell.units);
    std::string data = brevdat;
    for (const auto& [word, value] : cell.words) {
        const std::size_t at = 4 * static_cast<std::size_t>(word - 1);
        for (int k = 0; k < 4; ++k) data[at + static_cast<std::size_t>(k)] = static_cast<char>((value >> (24 - 8 * k)) & 0xFFu);
    }
    put_file("BREVDAT", data);
    put_file("LOWDAT", lowdat);
    if (!cell.wavspec.empty()) put_file("WAVSPEC.txt", cell.wavspec);
}

}  // namespace brevant::testing
